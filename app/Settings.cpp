#include "app/Settings.h"
#include "app/NumberFromText.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "platform/Profile.h"
#include "platform/Program.h"
#include "state/State.h"
#include <cstdint>

namespace {

constexpr const char* Section = "Multiple";
constexpr const char* WidthKey = "ancho";
constexpr const char* HeightKey = "alto";
constexpr const char* DefaultValue = "3";
// A value is read into 260 bytes: its first 259 characters are converted.
constexpr std::size_t ValueRoom = 259;

std::int16_t ReadValue(const char* key, const std::string& path) {
    return NumberFromText(
        GetPrivateProfileString(Section, key, DefaultValue, path).substr(0, ValueRoom));
}

// The file's number format: one blank before a non-negative value, the minus sign
// before a negative one.
std::string FileText(std::int16_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

} // namespace

std::string SettingsFilePath() { return FilesFolder() + SettingsFileName; }

void Settings(const std::string& action) {
    if (action == "get") {
        const std::string path = SettingsFilePath();
        fillWidth = ReadValue(WidthKey, path);
        fillHeight = ReadValue(HeightKey, path);
    } else if (action == "save") {
        // Both values are written whatever happens to the first; a failure is told once,
        // as for any save, and the values in memory stay in force for this run.
        const std::string path = SettingsFilePath();
        MakeFilesFolder(); // where it cannot be made, the writes fail and say so
        bool saved = WritePrivateProfileString(Section, WidthKey, FileText(fillWidth), path);
        saved = WritePrivateProfileString(Section, HeightKey, FileText(fillHeight), path) && saved;
        if (!saved) MessageBox(nullptr, "Error al grabar ...\r\n" + path, ProgramCaption, MB_OK);
    }
}
