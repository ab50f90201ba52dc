#pragma once
// The open and save file dialogs (the toolkit's own dialog, the same everywhere).
#include "platform/Handles.h"
#include <functional>
#include <string>

struct FileDialogRequest {
    WindowHandle owner = nullptr;
    bool save = false;
    std::string title;
    std::string folder;                    // initial folder; the current directory when empty
    std::string filterName, filterPattern; // one file type: "Imagenes", "*.jpg"
    std::string proposedName;
    std::string defaultSuffix; // added to a typed name without an extension
    bool fileMustExist = false;
};

// The chosen full path, or empty when cancelled. The process's current directory does
// not change.
std::string ShowFileDialog(const FileDialogRequest& request);

// A test answers for the user: the answerer sees the request and returns the path.
using FileDialogAnswerer = std::function<std::string(const FileDialogRequest& request)>;
void SetFileDialogAnswerer(FileDialogAnswerer answerer);
