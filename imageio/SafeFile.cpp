#include "imageio/SafeFile.h"
#include "imageio/PathParts.h"
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The room left for the target's name in the temporary name: ".", name, ".XXXXXX"
// must stay within a file name's limit.
constexpr std::size_t MaxNameInTemp = 200;

// The file that a save to path must replace: the one a symbolic link names, if it is one.
std::string ResolvedTarget(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

mode_t ModeFor(const std::string& target) {
    struct stat info;
    if (stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    mode_t mask = umask(0); // reading the mask means setting it; put it straight back
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool ReplaceFileWith(const std::string& path, const std::function<bool(int fd)>& write) {
    std::string target = ResolvedTarget(path);
    std::string name = NameOf(target);
    if (name.empty()) return false;
    // A file its owner made read-only is not replaced behind their back.
    if (access(target.c_str(), F_OK) == 0 && access(target.c_str(), W_OK) != 0) return false;
    std::string pattern = FolderOf(target) + "." + name.substr(0, MaxNameInTemp) + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    int fd = mkstemp(temp.data());
    if (fd < 0) return false;

    // The data must be on disk before the rename, or a crash soon after could leave an
    // empty file where the old picture was.
    bool ok = write(fd) && fchmod(fd, ModeFor(target)) == 0 && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.data(), target.c_str()) == 0;
    if (!ok) unlink(temp.data());
    return ok;
}
