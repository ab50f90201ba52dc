#include "platform/FileAttributes.h"
#include <algorithm>
#include <cerrno>
#include <functional>
#include <sys/xattr.h>
#include <vector>

namespace {

// Fills buffer through ask (which answers the size it needs for a null buffer), growing
// it while the answer changes under it; false (errno set) on failure. A file system
// without attributes answers none.
bool Fetch(std::string& buffer, const std::function<ssize_t(char*, std::size_t)>& ask) {
    for (;;) {
        ssize_t size = ask(nullptr, 0);
        if (size < 0 && (errno == ENOTSUP || errno == ENODATA)) size = 0;
        if (size < 0) return false;
        buffer.resize(static_cast<std::size_t>(size));
        if (size == 0) return true;
        ssize_t got = ask(buffer.data(), buffer.size());
        if (got >= 0) {
            buffer.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) return false;
    }
}

std::vector<std::string> Names(const std::string& list) {
    std::vector<std::string> names; // each ends with a null byte
    for (std::size_t at = 0, end; at < list.size(); at = end + 1) {
        end = std::min(list.find('\0', at), list.size());
        names.push_back(list.substr(at, end - at));
    }
    return names;
}

} // namespace

int MatchExtendedAttributes(const std::string& path, int fd) {
    const char* file = path.c_str();
    std::string oldList, newList, oldValue, newValue;
    if (!Fetch(oldList, [&](char* b, std::size_t n) { return llistxattr(file, b, n); }) ||
        !Fetch(newList, [&](char* b, std::size_t n) { return flistxattr(fd, b, n); }))
        return errno;
    const std::vector<std::string> oldNames = Names(oldList), newNames = Names(newList);
    for (const std::string& name : oldNames) {
        const char* key = name.c_str();
        if (!Fetch(oldValue, [&](char* b, std::size_t n) { return lgetxattr(file, key, b, n); }))
            return errno;
        // The new file may have it already (a label its folder gives every file).
        const bool same =
            Fetch(newValue, [&](char* b, std::size_t n) { return fgetxattr(fd, key, b, n); }) &&
            std::count(newNames.begin(), newNames.end(), name) && newValue == oldValue;
        if (!same && fsetxattr(fd, key, oldValue.data(), oldValue.size(), 0) != 0) return errno;
    }
    // Nor more: an access list the folder hands down would change who may read the file.
    for (const std::string& name : newNames)
        if (!std::count(oldNames.begin(), oldNames.end(), name) &&
            fremovexattr(fd, name.c_str()) != 0)
            return errno;
    return 0;
}
