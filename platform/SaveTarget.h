#pragma once
// The file a save to a path writes: the path itself, or the file its symbolic links lead
// to, which may not exist yet.
#include <string>
#include <sys/stat.h>

struct SaveTarget {
    std::string folder; // up to and including the last "/"; empty for the current folder
    std::string name;
    bool exists = false; // a regular file; info is its state
    struct stat info {};
};

// False (errno set) for what a save must not replace by an ordinary file: a folder, a
// pipe, a device, a socket, a loop of links; and for a path that cannot be followed.
bool FindSaveTarget(const std::string& path, SaveTarget& target);
