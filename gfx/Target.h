#pragma once
// The current target of the drawing layer and the bookkeeping of canvas controls. Only
// the gfx/ sources include this header.
#include "gfx/CanvasControl.h"
#include "gfx/Drawing.h"
#include "gfx/Surface.h"
#include <memory>

struct CanvasRecord {
    WindowHandle window = nullptr;
    int controlId = 0;
    std::unique_ptr<Surface> surface;
    RepaintHook repaint;
    ScrollHook scroll;     // may be empty
    Rect changed;          // control pixels drawn since the last repaint; empty when none
    bool buffered = false; // buffered: shown at Refresh; immediate: after every operation
};

// surface is null when there is no target; canvas is set only when the target is a canvas
// control (then surface is that control's surface).
struct Target {
    Surface* surface = nullptr;
    CanvasRecord* canvas = nullptr;
};
extern Target CurrentTarget;

// The live off-screen surface behind a handle, or nullptr.
Surface* FindSurface(SurfaceHandle handle);

// Grows the canvas's changed rectangle by r (target pixels, clipped here) and, in immediate
// mode, repaints it at once.
void GrowChanged(CanvasRecord& canvas, const Rect& r);

// Every drawing operation reports what it drew; off-screen targets keep no record.
inline void NoteDrawn(const Rect& r) {
    if (CurrentTarget.canvas) GrowChanged(*CurrentTarget.canvas, r);
}
