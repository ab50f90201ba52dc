#pragma once
// Menus: a bar of popups, items with command ids, separators, check marks and greying set
// by id, shortcut keys. Choosing an item, or pressing one of its keys, sends WM_COMMAND with
// its id to the window the bar is attached to.
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
// Sets the state (MFS_CHECKED, MFS_DISABLED, both or 0) of the item with this command id,
// searching submenus. A disabled item is greyed and its keys do nothing.
void SetMenuItemState(MenuHandle menu, unsigned id, unsigned state);
unsigned GetMenuItemState(MenuHandle menu, unsigned id);
// Keys that choose the item with this command id while the window of its bar is active
// (the window or one of its controls has the focus), written as the toolkit writes them
// and separated by "; " ("Ctrl+Y; Ctrl+Shift+Z"). The item shows the first on the right
// of its text. Empty keys take them away.
void SetMenuItemKeys(MenuHandle menu, unsigned id, const std::string& keys);
