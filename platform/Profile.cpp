// Private-profile files: reading one value, and writing one value while every other line
// of the file stays as it was.
#include "platform/Profile.h"
#include "platform/ProfileText.h"
#include "platform/SafeWrite.h"
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// The whole file; false when it exists but cannot be read (a missing file reads empty).
bool ReadFile(const std::string& path, std::string& content) {
    content.clear();
    std::error_code error;
    auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return true;
    if (status.type() != std::filesystem::file_type::regular) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    content = buffer.str();
    return !in.bad();
}

// The file's own line end (that of its first line), LF for a new file.
std::string LineEnd(const std::vector<ProfileLine>& lines) {
    return !lines.empty() && !lines.front().ending.empty() ? lines.front().ending : "\n";
}

// Names and values that would break the file's lines or change its structure.
bool Writable(const std::string& section, const std::string& key, const std::string& value) {
    auto breaksLine = [](const std::string& s) {
        return s.find_first_of("\r\n") != std::string::npos;
    };
    std::string name = ProfileName(key);
    return !breaksLine(section) && !breaksLine(key) && !breaksLine(value) &&
           section.find(']') == std::string::npos && !name.empty() &&
           name.find('=') == std::string::npos && name[0] != '[' && name[0] != ';' &&
           name[0] != '#';
}

} // namespace

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path) {
    std::string content;
    if (ReadFile(path, content)) {
        KeyPlace place = FindKey(SplitLines(content), section, key);
        if (place.keyLine >= 0) return place.value;
    }
    return Trimmed(defaultValue);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) {
    std::string content;
    if (!Writable(section, key, value) || !ReadFile(path, content)) return false;
    std::vector<ProfileLine> lines = SplitLines(content);
    std::string end = LineEnd(lines);
    KeyPlace place = FindKey(lines, section, key);
    std::string entry = ProfileName(key) + "=" + value;
    if (place.keyLine >= 0) {
        lines[static_cast<std::size_t>(place.keyLine)].text = entry;
    } else {
        std::size_t at =
            place.sectionLine >= 0 ? static_cast<std::size_t>(place.lastLine) + 1 : lines.size();
        // The line before the new ones needs an end of its own; after a bare CR only a
        // CR LF keeps that CR in the line (a LF would join it into one line end).
        if (at > 0 && lines[at - 1].ending.empty()) {
            const std::string& text = lines[at - 1].text;
            lines[at - 1].ending = !text.empty() && text.back() == '\r' ? "\r\n" : end;
        }
        std::vector<ProfileLine> added;
        if (place.sectionLine < 0) added.push_back({"[" + ProfileName(section) + "]", end});
        added.push_back({entry, end});
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    }
    return WriteFileSafely(path, JoinLines(lines));
}
