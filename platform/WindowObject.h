#pragma once
// What a WindowHandle names: one dialog or one control, backed by a widget. Only the
// platform sources include this header.
#include "platform/Window.h"
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

class QEventLoop;

struct WindowObject {
    QPointer<QWidget> widget;  // dialog: the top-level window; control: the control
    WindowProc proc = nullptr; // the current procedure (a dialog's callback, a control's
                               // subclassing procedure or its own)
    std::uint32_t style = 0, exStyle = 0;
    std::string text; // a control's text as given (labels show it without the prefixes)

    // Controls
    WindowObject* dialog = nullptr; // the dialog the control belongs to
    int id = 0;
    ControlKind kind = ControlKind::Label;

    // Dialogs
    bool isDialog = false;
    QPointer<QWidget> client; // the client area, under the menu bar; parent of the controls
    WindowObject* owner = nullptr;
    MenuHandle menu = nullptr;
    std::vector<WindowObject*> controls; // in order of creation
    int requestedX = 0, requestedY = 0;  // frame position when not centred
    bool running = false, ended = false;
    std::intptr_t result = 0;
    QEventLoop* loop = nullptr; // the run's local loop while it waits
};

// A new object, unique for the whole run: no later object takes a freed one's address.
WindowObject* NewWindowObject();

// Marks the dialog and its controls dead: their handles name nothing from here on, and
// canvases leave the drawing layer. The caller then deletes the widgets and, once nothing
// can reach the objects any more, frees them with FreeDestroyed.
void MarkDestroyed(WindowObject* dialog);
void FreeDestroyed(WindowObject* dialog);

// Records the handle on the widget (HandleOf reads it back).
void TagWidget(QWidget* widget, WindowObject* window);

// The live object of a handle, or nullptr.
WindowObject* Live(WindowHandle window);

// The live control of a dialog with this id, or nullptr.
WindowObject* FindControl(WindowHandle dialog, int id);

// Puts a dialog where its style says: centred in the work area (DS_CENTER) or with its
// frame at the requested position.
void PlaceDialog(WindowObject* dialog);

// A dialog's own handling of what its callback left to it (returned 0 for).
LRESULT DefaultDialogHandling(WindowObject* dialog, unsigned message, WPARAM wParam, LPARAM lParam);

// The procedure every new control starts with, by kind.
WindowProc DefaultControlProc(ControlKind kind);

// Takes the dialog's menu bar out of its window; the menu itself stays.
void DetachMenuBar(WindowObject* dialog);
