#pragma once
#include "base/Handles.h"
#include <string>

// The open (mode 0) or save (any other mode) dialog, proposing the folder and the name of
// path; path becomes the chosen full path, or empty when the user cancelled.
void ChooseImageFile(WindowHandle owner, std::string& path, int mode);
