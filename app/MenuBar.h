#pragma once
// The main window's menu bar and its check marks.
#include "base/Handles.h"

// Command ids of the menu items that are no tools; the tools' own are in their table
// (grid/Tools.h).
constexpr unsigned CmdSave = 19004;
constexpr unsigned CmdAuthor = 19007;
constexpr unsigned CmdConfigure = 19009;

// Builds the tree into MenuBar, attaches it to window and returns it.
MenuHandle BuildMenuBar(WindowHandle window);

// Sets the state (MFS_CHECKED or 0) of the item with this command id in MenuBar.
void SetMenuCheck(unsigned id, unsigned state);
