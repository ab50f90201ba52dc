// Modal runs: each dialog waits in a local event loop of its own, so runs nest on the one
// thread and windows other than the owner stay usable.
#include "platform/DialogFocus.h"
#include "platform/LocalRun.h"
#include "platform/Menu.h"
#include "platform/RunStack.h"
#include "platform/WindowObject.h"
#include <QCoreApplication>
#include <QEventLoop>

namespace {

ModalHook modalHook;

// The menu bar goes with its window, the controls' widgets with the dialog's, and then
// the objects behind the handles.
void Destroy(WindowObject* dialog) {
    QWidget* widget = dialog->widget;
    ForgetDialogFocus(dialog);
    DestroyMenu(dialog->menu);
    MarkDestroyed(dialog);
    delete widget;
    FreeDestroyed(dialog);
}

// Disables the owner for the run; gives back whatever state it had before.
struct OwnerLock {
    explicit OwnerLock(WindowObject* owner) : owner(Live(owner)) {
        if (this->owner) {
            wasEnabled = IsWindowEnabled(this->owner);
            EnableWindow(this->owner, false);
        }
    }
    ~OwnerLock() {
        if (Live(owner)) EnableWindow(owner, wasEnabled);
    }
    WindowObject* owner;
    bool wasEnabled = true;
};

} // namespace

std::intptr_t RunModal(WindowHandle dialogHandle, WindowProc proc) {
    WindowObject* dialog = Live(dialogHandle);
    if (!dialog || !dialog->isDialog || dialog->running) return -1;
    if (AllRunsEnding()) {
        Destroy(dialog);
        return 0;
    }
    dialog->running = true;
    dialog->proc = proc;
    RunEntry entry([dialog] {
        if (Live(dialog) && dialog->widget) dialog->widget->hide();
        EndDialog(dialog, 0);
    });
    OwnerLock lock(dialog->owner);
    QWidget* widget = dialog->widget;
    SendMessage(dialog, WM_INITDIALOG, 0, 0);
    if (!dialog->ended && widget) {
        // Placed with its final size: a menu bar or the initialisation may have grown it.
        PlaceDialog(dialog);
        QSize before = widget->frameGeometry().size();
        widget->show();
        RaiseWindow(widget);
        widget->activateWindow();
        // Lets the activation arrive, so the hook meets an active window with its focus.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        // The frame is known only once the window is shown; centre again with it.
        if (widget->frameGeometry().size() != before) PlaceDialog(dialog);
    }
    if (!dialog->ended && modalHook) {
        ModalHook hook = modalHook; // the hook may replace itself
        hook(dialog);
    }
    if (!dialog->ended) {
        QEventLoop loop;
        dialog->loop = &loop;
        loop.exec();
        dialog->loop = nullptr;
    }
    std::intptr_t result = dialog->result;
    Destroy(dialog);
    return result;
}

// An outer run ended while an inner one waits returns once the inner one has returned.
void EndDialog(WindowHandle dialogHandle, std::intptr_t result) {
    WindowObject* dialog = Live(dialogHandle);
    if (!dialog || !dialog->isDialog || !dialog->running || dialog->ended) return;
    dialog->ended = true;
    dialog->result = result;
    if (dialog->loop) dialog->loop->exit();
}

void SetModalHook(ModalHook hook) { modalHook = std::move(hook); }

void SendCloseCommand(WindowHandle dialog) {
    WindowObject* d = Live(dialog);
    if (d && d->isDialog && !d->ended) SendMessage(d, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DestroyWindow(WindowHandle dialogHandle) {
    WindowObject* dialog = Live(dialogHandle);
    if (!dialog || !dialog->isDialog) return;
    if (dialog->running)
        EndDialog(dialog, 0);
    else
        Destroy(dialog);
}
