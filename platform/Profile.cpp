// Private-profile files: reading values, and writing values while every other line of the
// file stays as it was.
#include "platform/Profile.h"
#include "platform/ProfileText.h"
#include "platform/SafeWrite.h"
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads what is left of the descriptor into content, stopping once it holds more than
// MaxProfileSize bytes; false on a read error.
bool ReadAtMostLimit(int fd, std::string& content) {
    char chunk[64 * 1024];
    while (content.size() <= MaxProfileSize) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got == 0) return true;
        if (got < 0 && errno != EINTR) return false;
        if (got > 0) content.append(chunk, std::size_t(got));
    }
    return true;
}

// The whole file; false when it exists but cannot be read, is no regular file, or is
// larger than MaxProfileSize (a missing file reads empty). Never blocks on a pipe.
bool ReadFile(const std::string& path, std::string& content) {
    content.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR;
    struct stat info;
    const bool read = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                      std::size_t(info.st_size) <= MaxProfileSize && ReadAtMostLimit(fd, content);
    close(fd);
    return read && content.size() <= MaxProfileSize;
}

// Names and values that would break the file's lines or change its structure.
bool Writable(const std::string& section, const ProfileEntry& entry) {
    auto breaksLine = [](const std::string& s) {
        return s.find_first_of("\r\n") != std::string::npos;
    };
    std::string name = ProfileName(entry.key);
    return !breaksLine(section) && !breaksLine(entry.key) && !breaksLine(entry.value) &&
           section.find(']') == std::string::npos && !name.empty() &&
           name.find('=') == std::string::npos && name[0] != '[' && name[0] != ';' &&
           name[0] != '#';
}

// The entry written into the text: its line replaced where the section has the key,
// otherwise added after the section's last line that is not blank, with a new section at
// the end of the text when there is none. New lines take the text's own line end.
void PutEntry(std::string& text, const std::string& section, const ProfileEntry& entry) {
    const KeyPlace place = FindKey(text, section, entry.key);
    const std::string line = ProfileName(entry.key) + "=" + entry.value;
    if (place.keyFound) {
        text.replace(place.keyStart, place.keyEnd - place.keyStart, line);
        return;
    }
    const std::string end = LineEnd(text);
    std::string added = place.sectionFound ? "" : "[" + ProfileName(section) + "]" + end;
    added += line + end;
    // A last line without an end gets one; after a bare CR only a CR LF keeps that CR in
    // the line (a LF would join it into one line end).
    if (place.end == text.size() && !text.empty() && text.back() != '\n')
        added.insert(0, text.back() == '\r' ? "\r\n" : end);
    text.insert(place.end, added);
}

} // namespace

std::vector<std::string> GetPrivateProfileStrings(const std::string& section,
                                                  const std::vector<ProfileEntry>& keys,
                                                  const std::string& path) {
    std::string content;
    const bool read = ReadFile(path, content);
    std::vector<std::string> values;
    for (const ProfileEntry& key : keys) {
        KeyPlace place = read ? FindKey(content, section, key.key) : KeyPlace();
        values.push_back(place.keyFound ? place.value : Trimmed(key.value));
    }
    return values;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path) {
    return GetPrivateProfileStrings(section, {{key, defaultValue}}, path).front();
}

bool WritePrivateProfileStrings(const std::string& section,
                                const std::vector<ProfileEntry>& entries, const std::string& path,
                                FileReplacement* replacement) {
    for (const ProfileEntry& entry : entries)
        if (!Writable(section, entry)) return false;
    std::string content;
    if (!ReadFile(path, content)) return false;
    for (const ProfileEntry& entry : entries) PutEntry(content, section, entry);
    // A file that would read as absent afterwards is not written.
    if (content.size() > MaxProfileSize) return false;
    const FileReplacement replaced = ReplaceFile(path, content.data(), content.size());
    if (replacement) *replacement = replaced;
    return replaced.done;
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) {
    return WritePrivateProfileStrings(section, {{key, value}}, path);
}
