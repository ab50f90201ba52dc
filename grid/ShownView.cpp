#include "grid/ShownView.h"
#include "gfx/CanvasControl.h"
#include "gfx/Drawing.h"
#include "state/State.h"

namespace {

struct Stamps {
    std::uint64_t paper = 0, view = 0, canvas = 0;
    bool operator==(const Stamps&) const = default;
};

Stamps Now() {
    const Surface* canvas = CanvasSurface(MainWindow, CanvasControlId);
    return {SurfaceOf(PaperBitmap).Stamp(), SurfaceOf(ViewBitmap).Stamp(),
            canvas ? canvas->Stamp() : 0};
}

struct Shown {
    bool known = false;
    std::int32_t left = 0, top = 0; // PaperPlacement then
    Stamps stamps;
    Rect stale; // paper pixels changed since by RepaintCell
};
Shown shown;

} // namespace

void NoteViewComposed() {
    shown = Shown{true, PaperPlacement.left, PaperPlacement.top, Now(), Rect{}};
}

void NotePaperChange(const Rect& area, std::uint64_t before, std::uint64_t after) {
    if (!shown.known || shown.stamps.paper != before) return; // already behind
    shown.stamps.paper = after;
    shown.stale = Union(shown.stale, area);
}

ViewChanges ChangesSinceComposed() {
    if (!shown.known || !(shown.stamps == Now())) return ViewChanges{};
    return ViewChanges{true, std::int64_t{PaperPlacement.left} - shown.left,
                       std::int64_t{PaperPlacement.top} - shown.top, shown.stale};
}
