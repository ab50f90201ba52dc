#include "platform/ProfileText.h"
#include <algorithm>
#include <cctype>

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// A line without surrounding blanks, and without the byte-order mark some editors put
// before the first line.
std::string Content(const std::string& line) { return ProfileName(line); }

// "[name]" with blanks anywhere around; a header without its "]" runs to the line end.
bool SectionName(const std::string& line, std::string& name) {
    std::string t = Content(line);
    if (t.empty() || t[0] != '[') return false;
    std::size_t close = t.find(']');
    name = ProfileName(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

// "key=value"; lines starting with ";" or "#" are comments.
bool Entry(const std::string& line, std::string& key, std::string& value) {
    std::string t = Content(line);
    if (t.empty() || t[0] == ';' || t[0] == '#') return false;
    std::size_t equals = t.find('=');
    if (equals == std::string::npos) return false;
    key = ProfileName(t.substr(0, equals));
    value = Trimmed(t.substr(equals + 1));
    return !key.empty();
}

} // namespace

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string ProfileName(const std::string& text) {
    const std::string mark = "\xEF\xBB\xBF";
    std::size_t start = 0;
    for (;;) {
        start = text.find_first_not_of(" \t", start);
        if (start == std::string::npos) return {};
        if (text.compare(start, mark.size(), mark) != 0) break;
        start += mark.size();
    }
    return Trimmed(text.substr(start));
}

std::vector<ProfileLine> SplitLines(const std::string& content) {
    std::vector<ProfileLine> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back({content.substr(start), ""});
            break;
        }
        bool crlf = end > start && content[end - 1] == '\r';
        lines.push_back(
            {content.substr(start, end - start - (crlf ? 1 : 0)), crlf ? "\r\n" : "\n"});
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<ProfileLine>& lines) {
    std::string content;
    for (const ProfileLine& line : lines) content += line.text + line.ending;
    return content;
}

KeyPlace FindKey(const std::vector<ProfileLine>& lines, const std::string& sectionName,
                 const std::string& keyName) {
    const std::string section = ProfileName(sectionName), key = ProfileName(keyName);
    KeyPlace place;
    std::string name, entryKey, entryValue;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const std::string& text = lines[static_cast<std::size_t>(i)].text;
        if (SectionName(text, name)) {
            if (place.sectionLine >= 0) break; // the section has ended
            if (SameName(name, section)) place.sectionLine = place.lastLine = i;
            continue;
        }
        if (place.sectionLine < 0) continue;
        if (!Trimmed(text).empty()) place.lastLine = i;
        if (place.keyLine < 0 && Entry(text, entryKey, entryValue) && SameName(entryKey, key)) {
            place.keyLine = i;
            place.value = entryValue;
        }
    }
    return place;
}
