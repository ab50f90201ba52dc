#include "platform/SaveTarget.h"
#include "platform/UserFolders.h"
#include <cerrno>
#include <climits>
#include <unistd.h>

namespace {

// As many links as the system itself follows before it calls the path a loop.
constexpr int MaxLinks = 40;

bool ReadLink(const std::string& path, std::string& text) {
    char buffer[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), buffer, sizeof buffer);
    if (length < 0) return false;
    if (static_cast<std::size_t>(length) == sizeof buffer) {
        errno = ENAMETOOLONG;
        return false;
    }
    text.assign(buffer, static_cast<std::size_t>(length));
    return true;
}

} // namespace

bool FindSaveTarget(const std::string& path, SaveTarget& target) {
    std::string current = path;
    for (int links = 0;; ++links) {
        target.folder = FolderPart(current);
        target.name = current.substr(target.folder.size());
        if (target.name.empty()) {
            errno = EISDIR;
            return false;
        }
        if (lstat(current.c_str(), &target.info) != 0) {
            target.exists = false;
            return errno == ENOENT; // a new file, where its folder will take one
        }
        if (!S_ISLNK(target.info.st_mode)) {
            target.exists = S_ISREG(target.info.st_mode);
            if (!target.exists) errno = S_ISDIR(target.info.st_mode) ? EISDIR : EINVAL;
            return target.exists;
        }
        std::string link;
        if (links == MaxLinks) errno = ELOOP;
        if (links == MaxLinks || !ReadLink(current, link)) return false;
        // A relative link is read from the folder that holds it.
        current = !link.empty() && link[0] == '/' ? link : target.folder + link;
    }
}
