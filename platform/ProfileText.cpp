#include "platform/ProfileText.h"
#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view Blanks = " \t";

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// "[name]" with blanks anywhere around; a header without its "]" runs to the line end.
// A line is looked at without surrounding blanks, and without the byte-order mark some
// editors put before the first line.
bool SectionName(std::string_view line, std::string& name) {
    std::string t = ProfileName(line);
    if (t.empty() || t[0] != '[') return false;
    std::size_t close = t.find(']');
    name =
        ProfileName(std::string_view(t).substr(1, close == std::string::npos ? close : close - 1));
    return true;
}

// "key=value"; lines starting with ";" or "#" are comments.
bool Entry(std::string_view line, std::string& key, std::string& value) {
    std::string t = ProfileName(line);
    if (t.empty() || t[0] == ';' || t[0] == '#') return false;
    std::size_t equals = t.find('=');
    if (equals == std::string::npos) return false;
    key = ProfileName(std::string_view(t).substr(0, equals));
    value = Trimmed(std::string_view(t).substr(equals + 1));
    return !key.empty();
}

} // namespace

std::string Trimmed(std::string_view text) {
    std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(Blanks) - first + 1));
}

std::string ProfileName(std::string_view text) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    std::size_t start = 0;
    for (;;) {
        start = text.find_first_not_of(Blanks, start);
        if (start == std::string_view::npos) return {};
        if (text.substr(start, mark.size()) != mark) break;
        start += mark.size();
    }
    return Trimmed(text.substr(start));
}

std::string LineEnd(std::string_view text) {
    std::size_t newline = text.find('\n');
    return newline != std::string_view::npos && newline > 0 && text[newline - 1] == '\r' ? "\r\n"
                                                                                         : "\n";
}

KeyPlace FindKey(std::string_view text, const std::string& sectionName,
                 const std::string& keyName) {
    const std::string section = ProfileName(sectionName), key = ProfileName(keyName);
    KeyPlace place;
    place.end = text.size();
    std::string name, entryKey, entryValue;
    for (std::size_t start = 0, next = 0; start < text.size(); start = next) {
        std::size_t newline = text.find('\n', start), stop = newline;
        if (newline == std::string_view::npos)
            stop = next = text.size();
        else
            next = newline + 1, stop -= newline > start && text[newline - 1] == '\r';
        const std::string_view line = text.substr(start, stop - start);
        if (SectionName(line, name)) {
            if (place.sectionFound) break; // the section has ended
            place.sectionFound = SameName(name, section);
            if (place.sectionFound) place.end = next;
            continue;
        }
        if (!place.sectionFound) continue;
        if (line.find_first_not_of(Blanks) != std::string_view::npos) place.end = next;
        if (!place.keyFound && Entry(line, entryKey, entryValue) && SameName(entryKey, key)) {
            place.keyFound = true;
            place.keyStart = start, place.keyEnd = stop;
            place.value = entryValue;
        }
    }
    return place;
}
