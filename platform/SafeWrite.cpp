#include "platform/SafeWrite.h"
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const std::string& content) {
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t written = write(fd, data, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return fsync(fd) == 0;
}

// The permissions of the file being replaced, or those a new file gets (0666 less the
// process's mask).
mode_t ModeFor(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string Resolved(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        auto target = std::filesystem::weakly_canonical(path, error);
        if (!error) return target.string();
    }
    return path;
}

} // namespace

bool WriteFileSafely(const std::string& path, const std::string& content) {
    std::string target = Resolved(path);
    std::filesystem::path p(target);
    std::string folder = p.has_parent_path() ? p.parent_path().string() : ".";
    std::string temporary = folder + "/." + p.filename().string() + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    bool ok = fchmod(fd, ModeFor(target)) == 0 && WriteAll(fd, content);
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) unlink(temporary.c_str());
    return ok;
}
