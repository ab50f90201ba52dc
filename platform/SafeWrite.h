#pragma once
// Replacing a file's contents by new ones that are already complete in memory, so that a
// failing encoder never touches the file.
//
// The new contents go to a temporary file in the same folder, which is flushed to disk and
// renamed over the old file in one step, so that a failure or a crash leaves the old file
// as it was - when that keeps the file what it was: the folder takes the temporary file,
// the file has no other name (hard link), and its owner and group can be given to the new
// one. Otherwise the file itself is overwritten, cut to the new length and flushed, as
// editors that respect links do; room for a longer file is claimed first, so a full disk
// leaves it untouched. A symbolic link keeps pointing where it did: the file it names is
// the one replaced. The new file keeps the old one's permissions; a new file gets the usual
// ones.
#include <cstddef>
#include <string>

enum class ReadOnlyFiles {
    Keep,    // an existing file that may not be written is not replaced
    Replace, // the folder's permission decides, as for removing the file
};

struct FileReplacement {
    bool done = false;
    bool created = false; // a file could be opened for the new contents (temporary or the old)
    bool written = false; // and all of it written and flushed (else error is from that)
    int error = 0;        // errno of the step that failed
};

FileReplacement ReplaceFile(const std::string& path, const void* data, std::size_t size,
                            ReadOnlyFiles readOnly = ReadOnlyFiles::Keep);

bool WriteFileSafely(const std::string& path, const std::string& content);

// Writes all bytes to the descriptor; false (errno set) when they do not all go.
bool WriteAll(int fd, const void* data, std::size_t size);

// Tests only: while error is not 0, every WriteAll fails with it, as a device would.
void SetWriteFailureForTesting(int error);
