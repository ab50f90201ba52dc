#include "grid/CanvasView.h"
#include "app/state/State.h"
#include "gfx/Drawing.h"
#include "grid/ColourTools.h"
#include "grid/Panning.h"
#include "platform/Window.h"
#include <cstdint>

namespace {

// Child, visible, thin border, notify (0x50800100): the notify style lets it receive
// mouse input.
constexpr std::uint32_t CanvasStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_NOTIFY;

// The canvas control's own procedure, which CanvasProc passes every message on to.
WindowProc previousCanvasProc = nullptr;
unsigned long compositions = 0;

void LeftButtonDown(int x, int y) {
    if (LeftButtonMode == MovePaper)
        StartDrag(x, y);
    else if (IsPaintMode(LeftButtonMode))
        StartPainting(x, y);
}

void MouseMove(int x, int y) {
    // In the paint modes a move never pans, even while a drag is still on.
    if (LeftButtonMode == MovePaper)
        DragTo(x, y);
    else if (IsPaintMode(LeftButtonMode))
        ContinuePainting(x, y);
}

void LeftButtonUp() {
    EndDrag();
    if (IsPaintMode(LeftButtonMode)) EndPainting();
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

void RefreshView() {
    SelectTarget(ViewBitmap);
    ClearTarget(White);
    // On the white view an AND leaves exactly the paper's pixels where the paper lies.
    CopySurfaceAt(PaperBitmap, PaperPlacement.left, PaperPlacement.top, MixMode::And);
    SelectTarget(MainWindow, CanvasControlId, false); // immediate from now on
    CopySurface(ViewBitmap);
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
    case WM_MOUSEMOVE: MouseMove(x, y); break;
    case WM_LBUTTONUP: LeftButtonUp(); break;
    case WM_LBUTTONDOWN: LeftButtonDown(x, y); break;
    case WM_RBUTTONDOWN: RightButtonPress(x, y); break;
    default: break;
    }
    if (!previousCanvasProc) return 0;
    return CallWindowProc(previousCanvasProc, window, message, wParam, lParam);
}
