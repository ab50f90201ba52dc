#include "grid/Panning.h"
#include "grid/CanvasView.h"
#include "grid/PixelGrid.h"
#include "grid/SaturatedSum.h"
#include "platform/Window.h"
#include "state/State.h"

namespace {

constexpr int ArrowStep = 10;  // view pixels per arrow key
constexpr int PageStep = 100;  // per Page Up / Page Down
constexpr int WheelStep = 15;  // per wheel message, whatever its delta
constexpr int KeepInView = 10; // paper pixels of the grid's far edge that stay in view

int lastX = 0, lastY = 0; // view pixels: the mouse at the previous drag step

// The paper moves further left (up) only while left (top) is above these: at the bound
// the view's left (top) edge shows the last ten paper columns (rows) of the grid.
int LeftBound() { return KeepInView - CellPitch * ImageWidth; }
int TopBound() { return KeepInView - CellPitch * ImageHeight; }

// A step is tested before it is made and never cut short, so it may carry the value past
// the bound by less than its own size.
bool StepIf(bool allowed, std::int32_t& value, int step) {
    if (allowed) value += step;
    return allowed;
}

bool MoveByKey(unsigned key, Placement& p) {
    switch (key) {
    case VK_RIGHT: return StepIf(p.left > LeftBound(), p.left, -ArrowStep);
    case VK_LEFT: return StepIf(p.left < 0, p.left, ArrowStep);
    case VK_DOWN: return StepIf(p.top > TopBound(), p.top, -ArrowStep);
    case VK_UP: return StepIf(p.top < 0, p.top, ArrowStep);
    case VK_NEXT: return StepIf(p.top > TopBound(), p.top, -PageStep);
    case VK_PRIOR: return StepIf(p.top < 0, p.top, PageStep);
    case VK_END: p.top = TopBound(); return true;
    case VK_HOME: p.left = p.top = 0; return true;
    default: return false;
    }
}

} // namespace

void PanByKey(unsigned key) {
    if (MoveByKey(key, PaperPlacement)) UpdateView();
}

void PanByWheel(int delta) {
    Placement& p = PaperPlacement;
    if (delta < 0)
        StepIf(p.top > TopBound(), p.top, -WheelStep);
    else
        StepIf(p.top < 0, p.top, WheelStep);
    UpdateView(); // also when the step could not be made
}

void StartDrag(int x, int y) {
    Placement& p = PaperPlacement;
    // Both ends included: a press one pixel past the paper's last column still counts.
    const bool onPaper = p.left <= x && x <= std::int64_t{p.left} + p.width && p.top <= y &&
                         y <= std::int64_t{p.top} + p.height;
    if (!onPaper || p.dragging) return;
    p.dragging = 1;
    SetCursor(CursorKind::Cross);
    lastX = x;
    lastY = y;
}

void DragTo(int x, int y) {
    Placement& p = PaperPlacement;
    if (!p.dragging) return;
    SetCursor(CursorKind::Cross);
    // No bounds: the paper may be dragged wholly out of sight (Home brings it back).
    p.left = SaturatedSum(p.left, x - lastX);
    p.top = SaturatedSum(p.top, y - lastY);
    lastX = x;
    lastY = y;
    UpdateView();
}

void EndDrag() {
    PaperPlacement.dragging = 0;
    SetCursor(CursorKind::Arrow);
}
