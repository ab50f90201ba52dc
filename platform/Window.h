#pragma once
// Dialogs and controls built in code, addressed by handle and control id. Sizes are in
// pixels; a dialog's width and height are those of its client area (below the menu bar,
// when it has one). Every input to a window or control reaches its callback as a message
// (window, message, wParam, lParam), with the platform's packing.
#include "base/Handles.h"
#include "gfx/Font.h"
#include "platform/Messages.h"
#include <functional>
#include <string>

enum class ControlKind { Label, TextBox, Button, Canvas };

// A top-level dialog, hidden until RunModal shows it. DS_CENTER in style centres it in the
// desktop work area; otherwise (x, y) places its frame. WS_SYSMENU gives it a close box,
// WS_THICKFRAME a sizing frame, WS_MINIMIZEBOX and WS_MAXIMIZEBOX their boxes;
// WS_EX_TOPMOST keeps it above other windows. owner may be nullptr.
WindowHandle CreateDialogWindow(const std::string& title, int x, int y, int width, int height,
                                std::uint32_t style, std::uint32_t exStyle, WindowHandle owner);

// A control of the dialog. A canvas control's surface is the client area (inside a
// one-pixel border when style has WS_BORDER) and is registered with the drawing layer
// under (dialog, id); it takes pointer input only with SS_NOTIFY. Label text follows the
// mnemonic-prefix rule ("&&" shows as "&").
WindowHandle AddControl(WindowHandle dialog, ControlKind kind, int id, const std::string& text,
                        int x, int y, int width, int height, std::uint32_t style,
                        std::uint32_t exStyle = 0);

WindowHandle GetDlgItem(WindowHandle dialog, int id); // nullptr when there is none
WindowHandle GetParent(WindowHandle control);
void SetDlgItemText(WindowHandle dialog, int id, const std::string& text);
std::string GetDlgItemText(WindowHandle dialog, int id);
std::string GetWindowText(WindowHandle window); // a dialog's title, a control's text
void SetControlFont(WindowHandle control, FontHandle font);
void EnableWindow(WindowHandle window, bool enable);
bool IsWindowEnabled(WindowHandle window);
WindowHandle GetFocus(); // nullptr when no window of ours has it
void SetFocus(WindowHandle window);

// Runs the dialog modally with its callback: brings it to the foreground, sends
// WM_INITDIALOG, shows it, and dispatches messages in a local loop until EndDialog or the
// close command ends it; then destroys it and returns the result. Runs nest on the one
// thread, and other windows stay usable meanwhile (an owner, when given, is disabled).
// The close command (close box, Alt+F4) sends WM_SYSCOMMAND SC_CLOSE; if the callback
// returns 0 the dialog ends with result 0. Enter and Esc send WM_COMMAND 1 and 2. A
// dialog whose callback returns 0 for WM_NCACTIVATE keeps its keyboard focus across
// deactivation: the control that had it gets it back on reactivation.
std::intptr_t RunModal(WindowHandle dialog, WindowProc proc);
void EndDialog(WindowHandle dialog, std::intptr_t result);
// The platform's close command, as the close box or the window manager's close key give
// it: WM_SYSCOMMAND SC_CLOSE to the dialog's callback, ending the run when that returns 0.
void SendCloseCommand(WindowHandle dialog);
// Ends every modal run at once, the program's way out: each running dialog ends with
// result 0 and each message box or chooser as if closed without an answer, all of them
// leaving the screen at once; the innermost run returns first. Until the outermost run has
// returned, a run that starts ends at once without showing and the close command reaches
// no dialog that has ended.
void EndAllModalRuns();
// Destroys a dialog and its controls at once; a dialog in a modal run is ended instead
// (with result 0) and destroyed by its run.
void DestroyWindow(WindowHandle dialog);

// Called by every modal run once its dialog is shown, before the run waits for input:
// tests drive dialogs from here (send messages, real input events, EndDialog). Empty:
// nothing is called.
using ModalHook = std::function<void(WindowHandle dialog)>;
void SetModalHook(ModalHook hook);
bool IsWindow(WindowHandle window); // false once destroyed

// Subclassing: installs proc in front of the window's procedure and returns the previous
// one, which proc passes messages on to with CallWindowProc.
WindowProc SubclassWindow(WindowHandle window, WindowProc proc);
LRESULT CallWindowProc(WindowProc previous, WindowHandle window, unsigned message, WPARAM wParam,
                       LPARAM lParam);
// Delivers a message to the window's current procedure (a dialog's callback, a control's
// subclassing procedure) as if the platform had sent it.
LRESULT SendMessage(WindowHandle window, unsigned message, WPARAM wParam, LPARAM lParam);

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};
ScreenRect GetWindowRect(WindowHandle window); // outer frame, screen coordinates
ScreenRect GetClientRect(WindowHandle window); // client area, screen coordinates
ScreenRect GetWorkArea();                      // desktop work area

// The size of one dialog unit is set by the dialogs' font; see DialogUnits.cpp.
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);

enum class CursorKind { Arrow, Cross };
void SetCursor(CursorKind cursor); // the pointer's shape over our windows
CursorKind CurrentCursor();
