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
#include "platform/FileReplacement.h"
#include "platform/WriteAll.h"
#include <cstddef>
#include <string>

enum class ReadOnlyFiles {
    Keep,    // an existing file that may not be written is not replaced
    Replace, // the folder's permission decides, as for removing the file
};

FileReplacement ReplaceFile(const std::string& path, const void* data, std::size_t size,
                            ReadOnlyFiles readOnly = ReadOnlyFiles::Keep);
