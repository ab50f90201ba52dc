#include "imageio/PathParts.h"
#include "platform/UserFolders.h"
#include <algorithm>
#include <sys/stat.h>

bool IsExistingFile(const std::string& path) {
    // Every other byte is legal in a name here: "?", "*" and a final ":" included.
    struct stat info;
    return !path.empty() && stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string FolderOf(const std::string& path) { return FolderPart(path); }

std::string NameOf(const std::string& path) { return path.substr(FolderOf(path).size()); }

std::string ExtensionOf(const std::string& path) {
    std::string name = NameOf(path);
    auto dot = name.rfind('.');
    if (dot == std::string::npos) return std::string();
    std::string extension = name.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return extension;
}
