#pragma once
// How replacing a file's contents went, as a save reports it.
#include <string>

struct FileReplacement {
    bool done = false;
    bool created = false; // a file could be opened for the new contents (temporary or the old)
    bool written = false; // and all of it written and flushed (else error is from that)
    int error = 0;        // errno of the step that failed
    // Where the old contents are, absolute, when an overwrite failed and they could not be
    // written back; empty otherwise.
    std::string keptCopy;
};

// What a failure message adds for the copy of the old contents that was left: CR LF and
// its path; empty when there is none.
inline std::string KeptCopyLine(const FileReplacement& replacement) {
    return replacement.keptCopy.empty() ? std::string() : "\r\n" + replacement.keptCopy;
}
