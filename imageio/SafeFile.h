#pragma once
// Replacing a file only by a complete new one.
#include <functional>
#include <string>

// Calls write with a new temporary file in path's folder, then puts that file in path's
// place in one step. When write answers false or any step fails, the temporary file is
// removed and whatever was at path stays as it was. An existing file that may not be
// written is not replaced. A symbolic link at path keeps pointing where it did: the file
// it names is the one replaced. The new file gets the permissions of the one it
// replaces, or the usual ones for a new file.
bool ReplaceFileWith(const std::string& path, const std::function<bool(int fd)>& write);
