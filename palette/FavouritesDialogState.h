#pragma once
// What the favourites dialog's parts share while it runs. There is one dialog at a time:
// the canvas opens it behind a guard.
#include "base/Colour.h"
#include "base/Handles.h"

constexpr int PaletteControlId = 31001;
constexpr int ArchiveButtonId = 31002;
constexpr int ExitButtonId = 31003;
constexpr int ResetButtonId = 31004;
constexpr int SelectedColourId = 31005;

extern WindowHandle FavouritesWindow; // the open dialog; nullptr when closed
extern bool PaletteChanged;           // a swatch changed since opening or the last save
extern bool chooserBusy;              // the colour chooser is open from the palette
extern Colour CustomColours[16];      // the chooser's custom colours, kept for the run
extern WindowProc previousPaletteProc;

// The palette control's procedure: hover highlight, left press (chooser), right press
// (take the colour under the pointer); every message then goes on to the control.
LRESULT PaletteProc(WindowHandle control, unsigned message, WPARAM wParam, LPARAM lParam);
