#include "platform/SafeWrite.h"
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The room left for the target's name in the temporary name: ".", name, ".XXXXXX" must
// stay within a file name's limit.
constexpr std::size_t MaxNameInTemp = 200;

// The file that path stands for: the one a symbolic link names, if it is one.
std::string ResolvedTarget(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// The permissions of the file being replaced, or those a new file gets (0666 less the
// process's mask).
mode_t ModeFor(const std::string& target) {
    struct stat info;
    if (stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    mode_t mask = umask(0); // reading the mask means setting it; put it straight back
    umask(mask);
    return 0666 & ~mask;
}

std::string::size_type NameStart(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

} // namespace

bool WriteAll(int fd, const void* data, std::size_t size) {
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

FileReplacement ReplaceFileWith(const std::string& path, const std::function<bool(int fd)>& write,
                                ReadOnlyFiles readOnly) {
    FileReplacement result;
    const std::string target = ResolvedTarget(path);
    const auto nameAt = NameStart(target);
    const std::string name = target.substr(nameAt);
    if (name.empty()) {
        result.error = EISDIR;
        return result;
    }
    // A file its owner made read-only is not replaced behind their back.
    if (readOnly == ReadOnlyFiles::Keep && access(target.c_str(), F_OK) == 0 &&
        access(target.c_str(), W_OK) != 0) {
        result.error = EACCES;
        return result;
    }
    std::string pattern =
        target.substr(0, nameAt) + "." + name.substr(0, MaxNameInTemp) + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    int fd = mkstemp(temp.data());
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    result.created = true;
    // The data must be on disk before the rename, or a crash soon after could leave an
    // empty file where the old one was.
    bool ok = write(fd) && fchmod(fd, ModeFor(target)) == 0 && fsync(fd) == 0;
    if (!ok) result.error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        result.error = errno;
    }
    result.written = ok;
    if (ok && rename(temp.data(), target.c_str()) != 0) {
        ok = false;
        result.error = errno;
    }
    if (!ok) unlink(temp.data());
    result.done = ok;
    return result;
}

bool WriteFileSafely(const std::string& path, const std::string& content) {
    return ReplaceFileWith(path,
                           [&](int fd) { return WriteAll(fd, content.data(), content.size()); })
        .done;
}
