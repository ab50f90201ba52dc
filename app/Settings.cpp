#include "app/Settings.h"
#include "app/NumberFromText.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "platform/Profile.h"
#include "platform/Program.h"
#include "state/State.h"
#include <cstdint>
#include <vector>

namespace {

constexpr const char* Section = "Multiple";
constexpr const char* WidthKey = "ancho";
constexpr const char* HeightKey = "alto";
constexpr const char* DefaultValue = "3";
// A value is read into 260 bytes: its first 259 characters are converted.
constexpr std::size_t ValueRoom = 259;

std::int16_t NumberFromValue(const std::string& value) {
    return NumberFromText(value.substr(0, ValueRoom));
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
        const std::vector<std::string> values = GetPrivateProfileStrings(
            Section, {{WidthKey, DefaultValue}, {HeightKey, DefaultValue}}, SettingsFilePath());
        fillWidth = NumberFromValue(values[0]);
        fillHeight = NumberFromValue(values[1]);
    } else if (action == "save") {
        // Both values go to disk in one replacement of the file, so that no moment leaves
        // one new and the other old; a failure is told as for any save, and the values in
        // memory stay in force for this run.
        const std::string path = SettingsFilePath();
        MakeFilesFolder(); // where it cannot be made, the write fails and says so
        // An overwrite that failed and could not be undone left the old file's copy: the
        // message says where, on a line of its own.
        FileReplacement replaced;
        if (!WritePrivateProfileStrings(
                Section, {{WidthKey, FileText(fillWidth)}, {HeightKey, FileText(fillHeight)}}, path,
                &replaced))
            MessageBox(nullptr, "Error al grabar ...\r\n" + path + KeptCopyLine(replaced),
                       ProgramCaption, MB_OK);
    }
}
