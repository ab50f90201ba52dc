#pragma once
// Menus: a bar of popups, items with command ids, separators, check marks set by id.
// Choosing an item sends WM_COMMAND with its id to the window the bar is attached to.
#include "base/Handles.h"
#include "platform/Messages.h"
#include <string>

MenuHandle CreateMenu();      // a menu bar
MenuHandle CreatePopupMenu(); // a popup
// flags MF_STRING: item with command id `idOrPopup`; MF_POPUP: `idOrPopup` is a
// MenuHandle; MF_SEPARATOR: a separator, text and id ignored.
void AppendMenu(MenuHandle menu, unsigned flags, std::uintptr_t idOrPopup, const std::string& text);
void SetMenu(WindowHandle window, MenuHandle menu);
// Frees the menu and its submenus (taking a bar out of its window first). Destroying a
// window destroys the menu bar attached to it. Afterwards the handle names nothing.
void DestroyMenu(MenuHandle menu);
// Sets the state (MFS_CHECKED or 0) of the item with this command id, searching submenus.
void SetMenuItemState(MenuHandle menu, unsigned id, unsigned state);
unsigned GetMenuItemState(MenuHandle menu, unsigned id);
