#pragma once
// Replacing a file's contents by new ones that are already complete in memory, so that a
// failing encoder never touches the file.
//
// The new contents go to a temporary file in the same folder, which is flushed to disk and
// renamed over the old file in one step, so that a failure or a crash leaves the old file
// as it was - when that keeps the file what it was: the folder takes the temporary file,
// the file has no other name (hard link), and its owner, group and extended attributes
// (access lists included) can be given to the new one. Otherwise the file itself is
// overwritten, cut to the new length and flushed, as editors that respect links do; a
// flushed copy of its old contents is made first (beside it, else in the state folder),
// written back if the overwrite fails, and removed once the file is whole again. A
// symbolic link keeps pointing where it did: the file it names is the one replaced, or
// made when it does not exist yet. A folder, pipe or device is never replaced. The new
// file keeps the old one's permissions; a new file gets the usual ones.
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
    // Where the old contents are, absolute, when an overwrite failed and they could not be
    // written back; empty otherwise.
    std::string keptCopy;
};

FileReplacement ReplaceFile(const std::string& path, const void* data, std::size_t size,
                            ReadOnlyFiles readOnly = ReadOnlyFiles::Keep);

// What a failure message adds for the copy of the old contents that was left: CR LF and
// its path; empty when there is none.
std::string KeptCopyLine(const FileReplacement& replacement);

// Writes all bytes to the descriptor; false (errno set) when they do not all go.
bool WriteAll(int fd, const void* data, std::size_t size);

// Tests only: while error is not 0, writes fail with it once afterBytes more bytes have
// been written (from then on every write fails), as a device that fills up would.
void SetWriteFailureForTesting(int error, std::size_t afterBytes = 0);
