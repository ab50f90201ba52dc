#pragma once
// Where the program keeps its two files, "Configuracion.ini" and "Mis Colores.log".
#include <string>

constexpr const char* SettingsFileName = "Configuracion.ini";
constexpr const char* FavouritesFileName = "Mis Colores.log";

// The folder of both files, ending with "/", chosen once per run: beside the executable
// when that folder is writable or already holds one of them, so existing files and
// portable copies keep working; otherwise (an installed program) the user's configuration
// folder, $XDG_CONFIG_HOME/colvero/, or ~/.config/colvero/ when that variable is unset,
// empty or not absolute.
std::string FilesFolder();

// Makes the files' folder where it does not exist yet, mode 0700 as the desktop wants for
// configuration, with any missing parent; false when it cannot be made. Called before a
// file is written, so nothing is created by a run that writes nothing.
bool MakeFilesFolder();

// Chooses again at the next FilesFolder() (when tests move the executable's folder).
void ForgetFilesFolder();
