#pragma once
// Private-profile (INI) files: sections and keys matched without regard to case.
#include <string>

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path);
// Writes key=value in the section, keeping everything else in the file as it was.
// False when the file could not be written.
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path);
