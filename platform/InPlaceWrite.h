#pragma once
// Overwriting a file where it is, for a file that renaming would change: a flushed copy of
// its old contents comes first, so that a failure or a kill at any moment leaves the old
// contents, the new ones, or the copy.
#include "platform/FileReplacement.h"
#include "platform/SaveTarget.h"

// Overwrites the existing target in the open folder with data. The copy is made beside
// the target, or in the state folder when the target's folder takes none; without a copy
// nothing is changed. A failed overwrite is undone from the copy; only when that fails
// too does the copy stay, named in the result. Otherwise it is removed.
FileReplacement OverwriteInPlace(int folder, const SaveTarget& target, const void* data,
                                 std::size_t size);
