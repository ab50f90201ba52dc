#pragma once
#include <string>

constexpr const char* SettingsFileName = "Configuracion.ini";

// "get" reads fillWidth and fillHeight from the settings file beside the executable,
// "save" writes them (a failure is told to the user); any other action does nothing.
void Settings(const std::string& action);

// The full path of the settings file, never shortened.
std::string SettingsFilePath();
