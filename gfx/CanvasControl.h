#pragma once
// Canvas controls as the drawing layer sees them: a surface the size of the control's
// client area, addressed by (window, control id), with a changed rectangle and a display
// mode. The window layer registers each control and gives the hook that repaints a
// rectangle of it on screen, and may give one that moves what the screen shows of it by
// (dx, dy) as ScrollTarget moves its pixels; without a display the hooks may do nothing.
#include "base/Handles.h"
#include "base/Rect.h"
#include "gfx/Surface.h"
#include <functional>

using RepaintHook = std::function<void(const Rect& changed)>;
using ScrollHook = std::function<void(int dx, int dy)>;

// Makes the control's surface (width x height, filled with the button-face colour).
void RegisterCanvasControl(WindowHandle window, int controlId, int width, int height,
                           RepaintHook repaint, ScrollHook scroll = nullptr);
// Forgets the control; if it is the current target, there is none afterwards.
void UnregisterCanvasControl(WindowHandle window, int controlId);

// The control's surface, or nullptr when (window, controlId) names no canvas control.
Surface* CanvasSurface(WindowHandle window, int controlId);
// The changed rectangle since the last repaint (empty when none), and whether the
// control is in buffered mode.
Rect CanvasChangedRect(WindowHandle window, int controlId);
bool CanvasIsBuffered(WindowHandle window, int controlId);
