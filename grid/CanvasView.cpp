#include "grid/CanvasView.h"
#include "gfx/CanvasControl.h"
#include "gfx/Drawing.h"
#include "gfx/RectOps.h"
#include "grid/Panning.h"
#include "grid/SaturatedSum.h"
#include "grid/ShownView.h"
#include "grid/Tools.h"
#include "platform/Window.h"
#include "state/State.h"
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {

// Child, visible, thin border, notify (0x50800100): the notify style lets it receive
// mouse input.
constexpr std::uint32_t CanvasStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_NOTIFY;

// The canvas control's own procedure, which CanvasProc passes every message on to.
WindowProc previousCanvasProc = nullptr;
unsigned long compositions = 0;

// What the chosen tool of the button does. A move is the left tool's only: in the paint
// modes it never pans, even while a drag is still on.
void Press(MouseButton button, int x, int y) {
    const Tool* tool = ChosenTool(button);
    if (tool && tool->press) tool->press(x, y);
}

void Drag(int x, int y) {
    const Tool* tool = ChosenTool(MouseButton::Left);
    if (tool && tool->drag) tool->drag(x, y);
}

// The view's area composed again from the paper, copied onto the canvas and shown.
void ComposeArea(const Rect& area) {
    const Rect composed =
        ComposeOnWhite(SurfaceOf(ViewBitmap), SurfaceOf(PaperBitmap), PaperPlacement.left,
                       PaperPlacement.top, CanvasSurface(MainWindow, CanvasControlId), area);
    SelectTarget(MainWindow, CanvasControlId, false); // immediate from now on
    Refresh(composed);
}

// A rectangle of paper pixels in view pixels, held at the ends of the int range.
Rect OnView(const Rect& paper) {
    const std::int64_t x = PaperPlacement.left, y = PaperPlacement.top;
    return Rect{SaturatedSum(paper.left, x), SaturatedSum(paper.top, y),
                SaturatedSum(paper.right, x), SaturatedSum(paper.bottom, y)};
}

// The part [from, to) of a view side of `length` pixels that a move by d uncovers on the
// view or on the canvas, whose side (`shown` pixels) ends before the view's.
std::pair<int, int> Uncovered(int length, int shown, int d) {
    if (d > 0) return {0, d};
    if (d < 0) return {std::min(length, shown) + d, length};
    return {0, 0};
}

// The paper moved by (dx, dy), less than the view each way: what the view and the canvas
// show moves with it, and only the bands it uncovers are composed.
void ScrollView(int dx, int dy) {
    Surface& view = SurfaceOf(ViewBitmap);
    ScrollSurface(view, dx, dy);
    SelectTarget(MainWindow, CanvasControlId, false);
    ScrollTarget(dx, dy);
    const Surface* canvas = CanvasSurface(MainWindow, CanvasControlId);
    const Surface& shown = canvas ? *canvas : view;
    const auto [left, right] = Uncovered(view.Width(), shown.Width(), dx);
    const auto [top, bottom] = Uncovered(view.Height(), shown.Height(), dy);
    ComposeArea(Rect{left, 0, right, view.Height()});
    ComposeArea(Rect{0, top, view.Width(), bottom});
}

void LeftButtonUp() {
    EndDrag(); // in any mode: a drag ends whatever tool is chosen meanwhile
    const Tool* tool = ChosenTool(MouseButton::Left);
    if (tool && tool->release) tool->release();
}

} // namespace

void CreateCanvas(WindowHandle owner) {
    WindowHandle canvas = AddControl(owner, ControlKind::Canvas, CanvasControlId, "", 0, 0,
                                     ViewWidth, ViewHeight, CanvasStyle);
    // Silver until the first RefreshView covers it; buffered, so nothing shows before.
    SelectTarget(owner, CanvasControlId, true);
    ClearTarget(Silver);
    if (canvas) previousCanvasProc = SubclassWindow(canvas, CanvasProc);
}

// The view cleared to white, the paper ANDed in at its placement and the view copied onto
// the canvas, in one pass over the view's rows; then the canvas is shown once, whole.
void RefreshView() {
    ComposeArea(Bounds(SurfaceOf(ViewBitmap)));
    NoteViewComposed();
    ++compositions;
}

void UpdateView() {
    const ViewChanges changes = ChangesSinceComposed();
    const bool moved = changes.dx != 0 || changes.dy != 0;
    if (!changes.known || (moved && !changes.paper.Empty()) || std::abs(changes.dx) >= ViewWidth ||
        std::abs(changes.dy) >= ViewHeight)
        return RefreshView();
    if (moved)
        ScrollView(static_cast<int>(changes.dx), static_cast<int>(changes.dy));
    else
        ComposeArea(OnView(changes.paper));
    NoteViewComposed();
    ++compositions;
}

unsigned long ViewCompositions() { return compositions; }

LRESULT CanvasProc(WindowHandle window, unsigned message, WPARAM wParam, LPARAM lParam) {
    // Mouse positions: view pixels, each an unsigned 16-bit half of lParam.
    const int x = static_cast<int>(LOWORD(static_cast<std::uintptr_t>(lParam)));
    const int y = static_cast<int>(HIWORD(static_cast<std::uintptr_t>(lParam)));
    switch (message) {
    case WM_KEYDOWN: PanByKey(LOWORD(wParam)); break;
    case WM_MOUSEWHEEL: PanByWheel(static_cast<std::int16_t>(HIWORD(wParam))); break;
    case WM_MOUSEMOVE: Drag(x, y); break;
    case WM_LBUTTONUP: LeftButtonUp(); break;
    case WM_LBUTTONDOWN: Press(MouseButton::Left, x, y); break;
    case WM_RBUTTONDOWN: Press(MouseButton::Right, x, y); break;
    default: break;
    }
    if (!previousCanvasProc) return 0;
    return CallWindowProc(previousCanvasProc, window, message, wParam, lParam);
}
