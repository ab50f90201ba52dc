#pragma once
#include "platform/FilesFolder.h"
#include <string>

// "get" reads fillWidth and fillHeight from the settings file in the files' folder,
// "save" writes them (a failure is told to the user); any other action does nothing.
void Settings(const std::string& action);

// The full path of the settings file, never shortened.
std::string SettingsFilePath();
