#pragma once
// Controls the palette dialogs build alike.
#include "platform/Handles.h"
#include <cstdint>

// A canvas control with a thin border, cleared to white (foreground black, background
// white). notify: it takes pointer input itself.
void AddWhiteCanvas(WindowHandle dialog, int id, int x, int y, int width, int height, bool notify);
