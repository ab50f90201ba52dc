#pragma once
// The open and save file dialogs (the toolkit's own dialog, the same everywhere).
//
// File names are bytes; the toolkit's are text. The dialog shows the request's folder and
// name as text (bytes that are not UTF-8 as U+FFFD), and a folder it cannot name opens at
// the nearest folder above it that it can, with the rest of the way before the proposed
// name. Where the chosen path keeps the folder or the name as the user saw it, the
// request's own bytes stand for it, so the file saved is the one proposed. The dialog's
// own listing cannot show such names.
#include "base/Handles.h"
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

// A test answers for the user: the answerer sees the request as the user would (as text,
// the folder and name as shown) and returns the path the user chose, as text.
using FileDialogAnswerer = std::function<std::string(const FileDialogRequest& request)>;
void SetFileDialogAnswerer(FileDialogAnswerer answerer);
