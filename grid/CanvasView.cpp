#include "grid/CanvasView.h"
#include "gfx/CanvasControl.h"
#include "gfx/Drawing.h"
#include "grid/Panning.h"
#include "grid/Tools.h"
#include "platform/Window.h"
#include "state/State.h"
#include <cstdint>

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
    ComposeOnWhite(SurfaceOf(ViewBitmap), SurfaceOf(PaperBitmap), PaperPlacement.left,
                   PaperPlacement.top, CanvasSurface(MainWindow, CanvasControlId));
    SelectTarget(MainWindow, CanvasControlId, false); // immediate from now on
    Refresh();
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
