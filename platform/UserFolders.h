#pragma once
// The user's own folders, as the desktop names them, making a private one, the process's
// current folder, and the folder part of a path.
#include <string>

// $HOME, or the user's home from the password database when HOME is unset or empty.
std::string HomeFolder();

// `variable`'s folder when it holds an absolute path, else HOME/`fallback`; either way
// with "colvero/" added (ending with "/"). A relative value is ignored, as an unset one.
std::string UserFolder(const char* variable, const char* fallback);

// Colvero's state folder: $XDG_STATE_HOME/colvero/, or ~/.local/state/colvero/.
std::string StateFolder();

// Makes folder (ending with "/") and each missing parent, mode 0700; true when it is a
// folder afterwards.
bool MakePrivateFolder(const std::string& folder);

// The process's current folder, ending with "/"; empty when it cannot be told.
std::string CurrentFolder();

// path as seen from the root: a relative path (an empty one included) taken from the
// current folder.
std::string AbsolutePath(const std::string& path);

// Everything up to and including the last "/" (empty when there is none).
std::string FolderPart(const std::string& path);
