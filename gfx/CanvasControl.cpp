// Canvas controls: a surface per (window, control id), its changed rectangle and display
// mode, and the hook through which the window layer shows it.
#include "gfx/CanvasControl.h"
#include "gfx/Drawing.h"
#include "gfx/RectOps.h"
#include "gfx/Target.h"
#include <algorithm>
#include <vector>

namespace {

// Records are kept behind pointers so that CurrentTarget.canvas stays valid while other
// controls come and go.
std::vector<std::unique_ptr<CanvasRecord>> canvases;

CanvasRecord* Find(WindowHandle window, int controlId) {
    for (const auto& c : canvases)
        if (c->window == window && c->controlId == controlId) return c.get();
    return nullptr;
}

// Shows `r` of the control and forgets it. The rectangle is emptied before the hook
// runs, so that a hook which draws again starts a new record.
void Repaint(CanvasRecord& canvas, Rect r) {
    canvas.changed = Rect{};
    if (canvas.repaint && !r.Empty()) canvas.repaint(r);
}

} // namespace

void RegisterCanvasControl(WindowHandle window, int controlId, int width, int height,
                           RepaintHook repaint, ScrollHook scroll) {
    UnregisterCanvasControl(window, controlId);
    auto canvas = std::make_unique<CanvasRecord>();
    canvas->window = window;
    canvas->controlId = controlId;
    // A control whose surface cannot be had still exists, as an empty surface.
    canvas->surface = std::make_unique<Surface>(width, height);
    canvas->repaint = std::move(repaint);
    canvas->scroll = std::move(scroll);
    Surface& s = *canvas->surface;
    std::fill_n(s.Pixels(), static_cast<std::size_t>(s.Width()) * s.Height(),
                PixelFromColour(SystemButtonFace));
    canvases.push_back(std::move(canvas));
}

void UnregisterCanvasControl(WindowHandle window, int controlId) {
    CanvasRecord* canvas = Find(window, controlId);
    if (!canvas) return;
    if (CurrentTarget.canvas == canvas) CurrentTarget = Target{};
    std::erase_if(canvases, [canvas](const auto& c) { return c.get() == canvas; });
}

Surface* CanvasSurface(WindowHandle window, int controlId) {
    CanvasRecord* canvas = Find(window, controlId);
    return canvas ? canvas->surface.get() : nullptr;
}

Rect CanvasChangedRect(WindowHandle window, int controlId) {
    CanvasRecord* canvas = Find(window, controlId);
    return canvas ? canvas->changed : Rect{};
}

bool CanvasIsBuffered(WindowHandle window, int controlId) {
    CanvasRecord* canvas = Find(window, controlId);
    return canvas && canvas->buffered;
}

void SelectTarget(WindowHandle window, int controlId, bool buffered) {
    CanvasRecord* canvas = Find(window, controlId);
    if (!canvas) {
        CurrentTarget = Target{};
        return;
    }
    canvas->buffered = buffered;
    CurrentTarget = Target{canvas->surface.get(), canvas};
}

void GrowChanged(CanvasRecord& canvas, const Rect& r) {
    canvas.changed = Union(canvas.changed, ClipTo(*canvas.surface, r));
    if (!canvas.buffered) Repaint(canvas, canvas.changed);
}

void Refresh() {
    if (CurrentTarget.canvas) Refresh(Bounds(*CurrentTarget.surface));
}

void Refresh(const Rect& area) {
    CanvasRecord* canvas = CurrentTarget.canvas;
    if (canvas) Repaint(*canvas, Union(canvas->changed, ClipTo(*CurrentTarget.surface, area)));
}
