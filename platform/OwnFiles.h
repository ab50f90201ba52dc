#pragma once
// The files a save makes beside its target: a temporary file for the new contents, and a
// copy of the old contents while the target is overwritten where it is. Their names say
// whose they are - the target's name, "colvero" and the process - and each is locked
// while its save runs, so a later save of the same target can tell the leftovers of a
// save that died from the files of one still running.
#include <string>

enum class OwnFileKind { Temporary, Copy };

struct OwnFile {
    int fd = -1; // open for reading and writing, mode 0600, locked; -1 when not made
    std::string name;
    int error = 0; // errno when it could not be made
};

// Makes a new file for target's name in the open folder. The name is cut short to the
// folder's limit for names where it would not fit.
OwnFile MakeOwnFile(int folder, const std::string& targetName, OwnFileKind kind);

// Removes temporary files of earlier saves of targetName in the folder whose process no
// longer runs and whose lock nobody holds. Copies of old contents stay: one left by a
// save that died may be the only whole version of its file.
void RemoveDeadTemporaries(int folder, const std::string& targetName);
