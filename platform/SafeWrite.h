#pragma once
// Replacing a file only by a complete new one: the new contents go to a temporary file in
// the same folder, which is flushed to disk and then renamed over the old file in one
// step. Whatever fails, the old file stays as it was and the temporary file is removed.
// A symbolic link keeps pointing where it did: the file it names is the one replaced. The
// new file keeps the permissions of the one it replaces, or gets the usual ones.
#include <functional>
#include <string>

enum class ReadOnlyFiles {
    Keep,    // an existing file that may not be written is not replaced
    Replace, // the folder's permission decides, as for removing the file
};

struct FileReplacement {
    bool done = false;
    bool created = false; // the temporary file could be made
    bool written = false; // and all of it written and flushed (else error is from that)
    int error = 0;        // errno of the step that failed
};

// Calls write with the temporary file's descriptor; write answers false when it failed.
FileReplacement ReplaceFileWith(const std::string& path, const std::function<bool(int fd)>& write,
                                ReadOnlyFiles readOnly = ReadOnlyFiles::Keep);

// Writes all bytes to the descriptor; false (errno set) when they do not all go.
bool WriteAll(int fd, const void* data, std::size_t size);

bool WriteFileSafely(const std::string& path, const std::string& content);
