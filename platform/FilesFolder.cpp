#include "platform/FilesFolder.h"
#include "platform/Program.h"
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::optional<std::string> chosen; // forgotten when tests move the executable's folder

bool Exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

std::string WithoutFinalSlashes(std::string folder) {
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string UserConfigurationFolder() {
    const char* base = std::getenv("XDG_CONFIG_HOME");
    // A relative value is to be ignored, as an unset one.
    const std::string root =
        base && base[0] == '/' ? base : WithoutFinalSlashes(HomeFolder()) + "/.config";
    return WithoutFinalSlashes(root) + "/colvero/";
}

std::string Choose() {
    const std::string beside = ExecutableFolder();
    if (access(beside.c_str(), W_OK) == 0 || Exists(beside + SettingsFileName) ||
        Exists(beside + FavouritesFileName))
        return beside;
    return UserConfigurationFolder();
}

} // namespace

std::string FilesFolder() {
    if (!chosen) chosen = Choose();
    return *chosen;
}

bool MakeFilesFolder() {
    const std::string folder = FilesFolder();
    // Each missing folder along the path, from the outermost in.
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (!Exists(part) && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void ForgetFilesFolder() { chosen.reset(); }
