#include "imageio/FileChooser.h"
#include "imageio/PathParts.h"
#include "platform/FileDialog.h"
#include <cerrno>
#include <unistd.h>
#include <vector>

namespace {

// The process's current directory, ending with "/"; empty when it cannot be told.
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

} // namespace

void ChooseImageFile(WindowHandle owner, std::string& path, int mode) {
    FileDialogRequest request;
    request.owner = owner;
    request.save = mode != 0;
    request.title = "Navegador de ficheros para imagen";
    // The folder is proposed whole: a folder cut short would name another folder.
    request.folder = FolderOf(path);
    if (request.folder.empty()) request.folder = CurrentFolder();
    request.filterName = "Imagenes";
    request.filterPattern = "*.jpg";
    request.proposedName = NameOf(path);
    request.defaultSuffix = "jpg";
    // Only an open needs an existing file; the save dialog accepts a new name, and it
    // replaces an existing file without asking.
    request.fileMustExist = !request.save;
    path = ShowFileDialog(request);
}
