#pragma once
// The main window's menu bar and its check marks.
#include "base/Handles.h"

// Command ids of the menu items ("Grabar", "Mover papel", ...).
constexpr unsigned CmdSave = 19004;
constexpr unsigned CmdMovePaper = 19005;
constexpr unsigned CmdEditCapturedColour = 19006;
constexpr unsigned CmdAuthor = 19007;
constexpr unsigned CmdEditRealColour = 19008;
constexpr unsigned CmdConfigure = 19009;
constexpr unsigned CmdEditCapturedColourMultiple = 19010;
constexpr unsigned CmdEditRealColourMultiple = 19011;
constexpr unsigned CmdCaptureColour = 19012;
constexpr unsigned CmdFavouriteColours = 19013;

// Builds the tree into MenuBar, attaches it to window and returns it.
MenuHandle BuildMenuBar(WindowHandle window);

// Sets the state (MFS_CHECKED or 0) of the item with this command id in MenuBar.
void SetMenuCheck(unsigned id, unsigned state);
