#pragma once
// Closing the main window (its close box, Alt+F4, the window manager's close command),
// also while other windows of the program are open.

constexpr const char* UnsavedEditsQuestion =
    "La imagen tiene cambios sin grabar.\r\n¿Desea grabarlos antes de salir?";

// With unsaved edits, asks first (Yes saves with "Grabar", No drops them, Cancel keeps
// the program open), and so does the favourites dialog with unsaved favourites; once
// leaving is confirmed, every window of the program closes at once and the main window's
// run ends. A failed or cancelled save keeps everything open as it was.
void CloseMainWindow();
