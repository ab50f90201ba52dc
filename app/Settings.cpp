#include "app/Settings.h"
#include "app/NumberFromText.h"
#include "app/state/State.h"
#include "platform/Profile.h"
#include "platform/Program.h"
#include <cstdint>

namespace {

constexpr const char* Section = "Multiple";
constexpr const char* WidthKey = "ancho";
constexpr const char* HeightKey = "alto";
constexpr const char* DefaultValue = "3";
// A value is read into 260 bytes: its first 259 characters are converted.
constexpr std::size_t ValueRoom = 259;

std::string settingsFolder; // empty: the executable's folder

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

std::string SettingsFilePath() {
    return (settingsFolder.empty() ? ExecutableFolder() : settingsFolder) + SettingsFileName;
}

void SetSettingsFolderForTesting(const std::string& folder) { settingsFolder = folder; }

void Settings(const std::string& action) {
    if (action == "get") {
        const std::string path = SettingsFilePath();
        fillWidth = ReadValue(WidthKey, path);
        fillHeight = ReadValue(HeightKey, path);
    } else if (action == "save") {
        // A file that cannot be written is not reported: the values in memory stay in
        // force for this run.
        const std::string path = SettingsFilePath();
        WritePrivateProfileString(Section, WidthKey, FileText(fillWidth), path);
        WritePrivateProfileString(Section, HeightKey, FileText(fillHeight), path);
    }
}
