#include "platform/InPlaceWrite.h"
#include "platform/OwnFiles.h"
#include "platform/UserFolders.h"
#include "platform/WriteAll.h"
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t ChunkSize = 64 * 1024;

// Makes to's contents those of from and flushes them; false (errno set) when that fails.
bool CopyContents(int from, int to) {
    std::vector<char> chunk(ChunkSize);
    off_t at = 0;
    if (lseek(to, 0, SEEK_SET) != 0) return false;
    for (;;) {
        const ssize_t got = pread(from, chunk.data(), chunk.size(), at);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        if (!WriteAll(to, chunk.data(), static_cast<std::size_t>(got))) return false;
        at += got;
    }
    return ftruncate(to, at) == 0 && fsync(to) == 0;
}

struct OldCopy {
    int folder = -1; // the folder that holds it
    OwnFile file;
    std::string path; // absolute
};

void Close(OldCopy& copy) {
    if (copy.file.fd >= 0) close(copy.file.fd);
    if (copy.folder >= 0) close(copy.folder);
    copy.file.fd = copy.folder = -1;
}

// Copies the open file fd, named name, into the open folder at place; false (the error in
// copy.file) when the copy is not whole and on disk, and then nothing is left of it.
bool CopyInto(int folder, const std::string& place, const std::string& name, int fd,
              OldCopy& copy) {
    if (folder < 0) {
        copy.file.error = errno;
        return false;
    }
    copy.folder = folder;
    copy.file = MakeOwnFile(folder, name, OwnFileKind::Copy);
    if (copy.file.fd >= 0 && CopyContents(fd, copy.file.fd) && fsync(folder) == 0) {
        copy.path = place + copy.file.name;
        return true;
    }
    const int error = errno;
    if (copy.file.fd >= 0) unlinkat(folder, copy.file.name.c_str(), 0);
    Close(copy);
    copy.file.error = error;
    return false;
}

OldCopy CopyOldContents(int folder, const SaveTarget& target, int fd) {
    OldCopy copy;
    const std::string beside = AbsolutePath(target.folder);
    if (CopyInto(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC), beside, target.name, fd,
                 copy))
        return copy;
    const std::string state = StateFolder();
    const int stateFolder =
        MakePrivateFolder(state) ? open(state.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    CopyInto(stateFolder, state, target.name, fd, copy);
    return copy;
}

} // namespace

FileReplacement OverwriteInPlace(int folder, const SaveTarget& target, const void* data,
                                 std::size_t size) {
    FileReplacement result;
    const int fd = openat(folder, target.name.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) { // changed since it was looked at
        result.error = EINVAL;
        close(fd);
        return result;
    }
    result.created = true;
    OldCopy copy = CopyOldContents(folder, target, fd);
    if (copy.file.fd < 0) { // refused: not a byte of the file has changed
        result.error = copy.file.error;
        close(fd);
        return result;
    }
    result.written =
        WriteAll(fd, data, size) && ftruncate(fd, static_cast<off_t>(size)) == 0 && fsync(fd) == 0;
    if (!result.written) {
        result.error = errno;
        if (!CopyContents(copy.file.fd, fd)) result.keptCopy = copy.path;
    }
    if (close(fd) != 0 && result.written) { // what reached the disk is not known
        result.written = false;
        result.error = errno;
        result.keptCopy = copy.path;
    }
    result.done = result.written;
    if (result.keptCopy.empty()) unlinkat(copy.folder, copy.file.name.c_str(), 0);
    Close(copy);
    return result;
}
