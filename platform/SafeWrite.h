#pragma once
#include <string>

// Replaces the file's contents as one step: the new text goes to a temporary file in the
// same folder, which is then renamed over the old one, so a failed write leaves the old
// file whole. A link is followed to the file it names. False when anything fails.
bool WriteFileSafely(const std::string& path, const std::string& content);
