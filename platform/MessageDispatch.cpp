// Message delivery: every message goes to the window's current procedure; subclassing
// puts a procedure in front and hands back the one it replaces.
#include "platform/DialogFocus.h"
#include "platform/WindowObject.h"

LRESULT SendMessage(WindowHandle window, unsigned message, WPARAM wParam, LPARAM lParam) {
    WindowObject* w = Live(window);
    if (!w) return 0;
    const bool isDialog = w->isDialog;
    LRESULT result = w->proc ? w->proc(window, message, wParam, lParam) : 0;
    // The callback may have ended or destroyed (and so freed) its own dialog meanwhile.
    if (isDialog && result == 0 && Live(window))
        return DefaultDialogHandling(w, message, wParam, lParam);
    return result;
}

WindowProc SubclassWindow(WindowHandle window, WindowProc proc) {
    WindowObject* w = Live(window);
    if (!w) return nullptr;
    WindowProc previous = w->proc;
    w->proc = proc;
    return previous;
}

LRESULT CallWindowProc(WindowProc previous, WindowHandle window, unsigned message, WPARAM wParam,
                       LPARAM lParam) {
    return previous ? previous(window, message, wParam, lParam) : 0;
}

LRESULT DefaultDialogHandling(WindowObject* dialog, unsigned message, WPARAM wParam, LPARAM) {
    // The low four bits of a system command are the platform's own.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) EndDialog(dialog, 0);
    if (message == WM_NCACTIVATE) KeepFocusAcrossActivation(dialog, wParam);
    return 0;
}

namespace {

// A canvas takes the keyboard focus when pressed: it has no tab stop, so this is the only
// way it gets keys.
LRESULT CanvasOwnProc(WindowHandle window, unsigned message, WPARAM, LPARAM) {
    if (message == WM_LBUTTONDOWN) SetFocus(window);
    return 0;
}

LRESULT PlainControlProc(WindowHandle, unsigned, WPARAM, LPARAM) { return 0; }

} // namespace

WindowProc DefaultControlProc(ControlKind kind) {
    return kind == ControlKind::Canvas ? CanvasOwnProc : PlainControlProc;
}
