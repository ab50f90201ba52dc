#pragma once
// The main window's menu bar and its check marks.
#include "base/Handles.h"

// Command ids of the menu items that are no tools; the tools' own are in their table
// (grid/Tools.h).
constexpr unsigned CmdSave = 19004;
constexpr unsigned CmdAuthor = 19007;
constexpr unsigned CmdConfigure = 19009;
constexpr unsigned CmdUndo = 19020;
constexpr unsigned CmdRedo = 19021;

// Builds the tree into MenuBar, attaches it to window and returns it. From then on
// "Deshacer" and "Rehacer" are greyed whenever there is nothing to undo or redo.
MenuHandle BuildMenuBar(WindowHandle window);

// Sets the state (MFS_CHECKED or 0) of the item with this command id in MenuBar.
void SetMenuCheck(unsigned id, unsigned state);
