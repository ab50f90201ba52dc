#pragma once
// The main window: a 1200 x 950 view of the paper below the menu bar.
#include "base/Handles.h"

extern const char* const MainWindowTitle;

// Creates MainWindow with its menu bar and runs it until the user closes it.
void RunMainWindow();

// Initialises the window on WM_INITDIALOG, carries out menu commands on WM_COMMAND and
// closes the window on the close command (app/Closing.h), answering 1 for that one; returns
// 0 for every other message, so the default dialog handling applies.
LRESULT MainWindowProc(WindowHandle window, unsigned message, WPARAM wParam, LPARAM lParam);
