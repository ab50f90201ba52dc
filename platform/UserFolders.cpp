#include "platform/UserFolders.h"
#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string WithoutFinalSlashes(std::string folder) {
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder;
}

} // namespace

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

std::string UserFolder(const char* variable, const char* fallback) {
    const char* base = std::getenv(variable);
    const std::string root =
        base && base[0] == '/' ? base : WithoutFinalSlashes(HomeFolder()) + "/" + fallback;
    return WithoutFinalSlashes(root) + "/colvero/";
}

std::string StateFolder() { return UserFolder("XDG_STATE_HOME", ".local/state"); }

bool MakePrivateFolder(const std::string& folder) {
    // Each missing folder along the path, from the outermost in.
    struct stat info {};
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (lstat(part.c_str(), &info) != 0 && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string CurrentFolder() {
    std::vector<char> buffer(4096);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return std::string();
        buffer.resize(buffer.size() * 2);
    }
    std::string folder = buffer.data();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string AbsolutePath(const std::string& path) {
    return !path.empty() && path[0] == '/' ? path : CurrentFolder() + path;
}

std::string FolderPart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
