#include "platform/SafeWrite.h"
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The room left for the target's name in the temporary name: ".", name, ".XXXXXX" must
// stay within a file name's limit.
constexpr std::size_t MaxNameInTemp = 200;

int injectedFailure = 0;

// The file that path stands for: the one a symbolic link names, if it is one.
std::string ResolvedTarget(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// The permissions a new file gets: 0666 less the process's mask.
mode_t NewFileMode() {
    mode_t mask = umask(0); // reading the mask means setting it; put it straight back
    umask(mask);
    return 0666 & ~mask;
}

std::string::size_type NameStart(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

FileReplacement Failed(FileReplacement result, int error) {
    result.error = error;
    return result;
}

// Flushes and closes fd; the result is complete only when both worked.
FileReplacement Finish(int fd, FileReplacement result, bool ok) {
    if (ok && fsync(fd) != 0) ok = false;
    if (!ok) result.error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        result.error = errno;
    }
    result.written = ok;
    result.done = ok;
    return result;
}

struct Attempt {
    FileReplacement result;
    bool inPlaceInstead = false; // the rename could not keep the file what it was; nothing changed
};

// Writes a temporary file beside the target and renames it over the target. old is the
// target's state when it exists: its permissions, owner and group go to the new file.
Attempt ReplaceByRename(const std::string& target, const void* data, std::size_t size,
                        const struct stat* old) {
    Attempt attempt;
    FileReplacement& result = attempt.result;
    const auto nameAt = NameStart(target);
    std::string pattern =
        target.substr(0, nameAt) + "." + target.substr(nameAt, MaxNameInTemp) + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    int fd = mkstemp(temp.data());
    if (fd < 0) {
        result.error = errno;
        attempt.inPlaceInstead = true; // the folder takes no new entry
        return attempt;
    }
    result.created = true;
    if (old && fchown(fd, old->st_uid, old->st_gid) != 0) {
        result.error = errno;
        attempt.inPlaceInstead = true; // the new file would change hands
    } else {
        // The data must be on disk before the rename, or a crash soon after could leave
        // an empty file where the old one was.
        const mode_t mode = old ? old->st_mode & 07777 : NewFileMode();
        result = Finish(fd, result, WriteAll(fd, data, size) && fchmod(fd, mode) == 0);
        fd = -1;
        if (result.done && rename(temp.data(), target.c_str()) != 0) {
            result.done = false;
            result.error = errno;
            attempt.inPlaceInstead = true; // the folder keeps the old entry (a sticky folder)
        }
    }
    if (fd >= 0) close(fd);
    if (!result.done) unlink(temp.data());
    return attempt;
}

// Overwrites the existing target itself: same file, same links, owner and permissions.
FileReplacement OverwriteInPlace(const std::string& target, const void* data, std::size_t size,
                                 const struct stat& old) {
    FileReplacement result;
    int fd = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Failed(result, errno);
    result.created = true;
    // Claim the room of a longer file before the first byte changes, so that a full disk
    // leaves the old contents whole. A file system that cannot claim room in advance just
    // writes.
    const auto length = static_cast<off_t>(size);
    if (length > old.st_size) {
        int claimed = posix_fallocate(fd, old.st_size, length - old.st_size);
        if (claimed == ENOSPC || claimed == EDQUOT || claimed == EFBIG) {
            close(fd);
            return Failed(result, claimed);
        }
    }
    return Finish(fd, result, WriteAll(fd, data, size) && ftruncate(fd, length) == 0);
}

} // namespace

bool WriteAll(int fd, const void* data, std::size_t size) {
    if (injectedFailure != 0) {
        errno = injectedFailure;
        return false;
    }
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t written = write(fd, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = ENOSPC;
        if (written <= 0) return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

void SetWriteFailureForTesting(int error) { injectedFailure = error; }

FileReplacement ReplaceFile(const std::string& path, const void* data, std::size_t size,
                            ReadOnlyFiles readOnly) {
    const std::string target = ResolvedTarget(path);
    if (NameStart(target) == target.size()) return Failed({}, EISDIR);
    struct stat old;
    const bool exists = stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // A file its owner made read-only is not replaced behind their back.
    if (readOnly == ReadOnlyFiles::Keep && exists && access(target.c_str(), W_OK) != 0)
        return Failed({}, EACCES);
    if (!exists || old.st_nlink == 1) {
        Attempt attempt = ReplaceByRename(target, data, size, exists ? &old : nullptr);
        if (!exists || !attempt.inPlaceInstead) return attempt.result;
    }
    return OverwriteInPlace(target, data, size, old);
}

bool WriteFileSafely(const std::string& path, const std::string& content) {
    return ReplaceFile(path, content.data(), content.size()).done;
}
