#pragma once
// The user's own folders, as the desktop names them, and making a private one.
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
