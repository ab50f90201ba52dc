#include "platform/SafeWrite.h"
#include "platform/FileAttributes.h"
#include "platform/InPlaceWrite.h"
#include "platform/OwnFiles.h"
#include "platform/SaveTarget.h"
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileReplacement Failed(FileReplacement result, int error) {
    result.error = error;
    return result;
}

// The permissions a new file gets: 0666 less the process's mask.
mode_t NewFileMode() {
    mode_t mask = umask(0); // reading the mask means setting it; put it straight back
    umask(mask);
    return 0666 & ~mask;
}

// Gives the new file what the old one is besides its contents: owner and group, extended
// attributes, permissions. 0 when done, else the errno of the step that failed.
int KeepWhatItWas(int fd, const SaveTarget& target) {
    if (!target.exists) return fchmod(fd, NewFileMode()) == 0 ? 0 : errno;
    // In this order: a change of owner clears set-id bits and file capabilities.
    if (fchown(fd, target.info.st_uid, target.info.st_gid) != 0) return errno;
    if (int error = MatchExtendedAttributes(target.folder + target.name, fd)) return error;
    return fchmod(fd, target.info.st_mode & 07777) == 0 ? 0 : errno;
}

// Only a folder that refuses a new entry or a rename over the old one (a sticky folder).
bool RefusedByFolder(int error) { return error == EACCES || error == EPERM; }

struct Attempt {
    FileReplacement result;
    bool inPlaceInstead = false; // the rename could not keep the file what it was; nothing changed
};

// Writes a temporary file in the open folder and renames it over the target.
Attempt ReplaceByRename(int folder, const SaveTarget& target, const void* data, std::size_t size) {
    Attempt attempt;
    FileReplacement& result = attempt.result;
    const OwnFile temp = MakeOwnFile(folder, target.name, OwnFileKind::Temporary);
    if (temp.fd < 0) {
        result.error = temp.error;
        attempt.inPlaceInstead = RefusedByFolder(temp.error);
        return attempt;
    }
    result.created = true;
    if (int error = KeepWhatItWas(temp.fd, target)) {
        result.error = error;
        attempt.inPlaceInstead = true; // the new file would change hands or lose attributes
    } else {
        // The data must be on disk before the rename, or a crash soon after could leave
        // an empty file where the old one was.
        result.written = WriteAll(temp.fd, data, size) && fsync(temp.fd) == 0;
        if (!result.written) result.error = errno;
        result.done =
            result.written && renameat(folder, temp.name.c_str(), folder, target.name.c_str()) == 0;
        if (result.written && !result.done) {
            result.error = errno;
            attempt.inPlaceInstead = RefusedByFolder(errno);
        }
    }
    if (!result.done) unlinkat(folder, temp.name.c_str(), 0);
    close(temp.fd); // and with it the lock, once the file has its place
    return attempt;
}

} // namespace

FileReplacement ReplaceFile(const std::string& path, const void* data, std::size_t size,
                            ReadOnlyFiles readOnly) {
    SaveTarget target;
    if (!FindSaveTarget(path, target)) return Failed({}, errno);
    // A file its owner made read-only is not replaced behind their back.
    const std::string file = target.folder + target.name;
    if (readOnly == ReadOnlyFiles::Keep && target.exists && access(file.c_str(), W_OK) != 0)
        return Failed({}, EACCES);
    const std::string folderPath = target.folder.empty() ? "." : target.folder;
    const int folder = open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return Failed({}, errno);
    RemoveDeadTemporaries(folder, target.name);
    const bool linked = target.exists && target.info.st_nlink > 1;
    Attempt attempt;
    if (!linked) attempt = ReplaceByRename(folder, target, data, size);
    const FileReplacement result = linked || (target.exists && attempt.inPlaceInstead)
                                       ? OverwriteInPlace(folder, target, data, size)
                                       : attempt.result;
    close(folder);
    return result;
}
