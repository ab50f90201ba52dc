#include "imageio/FileChooser.h"
#include "imageio/PathParts.h"
#include "platform/FileDialog.h"
#include "platform/UserFolders.h"

void ChooseImageFile(WindowHandle owner, std::string& path, int mode) {
    FileDialogRequest request;
    request.owner = owner;
    request.save = mode != 0;
    request.title = "Navegador de ficheros para imagen";
    // The folder is proposed whole, from the root: a folder cut short would name another
    // folder, and the dialog answers full paths.
    request.folder = AbsolutePath(FolderOf(path));
    request.filterName = "Imagenes";
    request.filterPattern = "*.jpg";
    request.proposedName = NameOf(path);
    request.defaultSuffix = "jpg";
    // Only an open needs an existing file; the save dialog accepts a new name, and it
    // replaces an existing file without asking.
    request.fileMustExist = !request.save;
    path = ShowFileDialog(request);
}
