#pragma once
// Canvas controls as the drawing layer sees them: a surface the size of the control's
// client area, addressed by (window, control id), with a changed rectangle and a display
// mode. The window layer registers each control and gives the hook that repaints a
// rectangle of it on screen; without a display the hook may do nothing.
#include "base/Handles.h"
#include "base/Rect.h"
#include "gfx/Surface.h"
#include <functional>

using RepaintHook = std::function<void(const Rect& changed)>;

// Makes the control's surface (width x height, filled with the button-face colour).
void RegisterCanvasControl(WindowHandle window, int controlId, int width, int height,
                           RepaintHook repaint);
// Forgets the control; if it is the current target, there is none afterwards.
void UnregisterCanvasControl(WindowHandle window, int controlId);

// The control's surface, or nullptr when (window, controlId) names no canvas control.
Surface* CanvasSurface(WindowHandle window, int controlId);
// The changed rectangle since the last repaint (empty when none), and whether the
// control is in buffered mode.
Rect CanvasChangedRect(WindowHandle window, int controlId);
bool CanvasIsBuffered(WindowHandle window, int controlId);
