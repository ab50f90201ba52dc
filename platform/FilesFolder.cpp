#include "platform/FilesFolder.h"
#include "platform/Program.h"
#include "platform/UserFolders.h"
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::optional<std::string> chosen; // forgotten when tests move the executable's folder

bool Exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

std::string Choose() {
    const std::string beside = ExecutableFolder();
    if (access(beside.c_str(), W_OK) == 0 || Exists(beside + SettingsFileName) ||
        Exists(beside + FavouritesFileName))
        return beside;
    return UserFolder("XDG_CONFIG_HOME", ".config");
}

} // namespace

std::string FilesFolder() {
    if (!chosen) chosen = Choose();
    return *chosen;
}

bool MakeFilesFolder() { return MakePrivateFolder(FilesFolder()); }

void ForgetFilesFolder() { chosen.reset(); }
