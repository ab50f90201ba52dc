#pragma once
// Private-profile (INI) files: sections and keys matched without regard to case.
#include "platform/SafeWrite.h"
#include <cstddef>
#include <string>
#include <vector>

// The largest file read or rewritten, far more than the program ever writes. A larger
// file is no settings file of ours: it reads as absent and is never rewritten, so nothing
// in it is lost, and reading it costs no more than its size allows.
constexpr std::size_t MaxProfileSize = 1024 * 1024;

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path);
// Writes key=value in the section, keeping everything else in the file as it was.
// False when the file could not be written.
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path);

// A key and its value (for a read, the value when the key or the file is missing).
struct ProfileEntry {
    std::string key, value;
};

// The values of several keys of one section, from one reading of the file, in order.
std::vector<std::string> GetPrivateProfileStrings(const std::string& section,
                                                  const std::vector<ProfileEntry>& keys,
                                                  const std::string& path);
// Writes the entries in the section in one replacement of the file: its bytes are those
// that WritePrivateProfileString of each in turn would leave, but no moment shows only
// some of them. False, with the file untouched, when any of them cannot be written.
// replacement, when given, gets how the file's replacement went (when an overwrite failed
// and could not be undone: where the old contents were left).
bool WritePrivateProfileStrings(const std::string& section,
                                const std::vector<ProfileEntry>& entries, const std::string& path,
                                FileReplacement* replacement = nullptr);
