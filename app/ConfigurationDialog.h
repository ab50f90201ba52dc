#pragma once
// The configuration dialog: the fill size of the "Multiple" tools.
#include "base/Handles.h"

// Control ids
constexpr int IdcFillTitle = 17001;
constexpr int IdcWidthLabel = 17002;
constexpr int IdcWidthEdit = 17003;
constexpr int IdcHeightLabel = 17004;
constexpr int IdcHeightEdit = 17005;
constexpr int IdcExit = 17006;

// Builds the dialog, runs it until it ends and releases its font. Sets fillWidth and
// fillHeight when "Salir" ends it; neither reads nor writes the settings file. Returns 0.
std::intptr_t ShowConfigurationDialog(WindowHandle owner);

LRESULT ConfigurationDialogProc(WindowHandle dialog, unsigned message, WPARAM wParam,
                                LPARAM lParam);
