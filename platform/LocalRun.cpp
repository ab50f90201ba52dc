#include "platform/LocalRun.h"
#include "platform/QtAccess.h"
#include "platform/RunStack.h"
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>

int RunLocally(QDialog& dialog, bool foreground) {
    if (AllRunsEnding()) return QDialog::Rejected;
    RunEntry entry([&dialog] { dialog.reject(); }); // hides it and ends its loop
    // With an owner only the owner waits; without one every window stays usable.
    dialog.setWindowModality(dialog.parentWidget() ? Qt::WindowModal : Qt::NonModal);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    if (foreground) {
        RaiseWindow(&dialog);
        dialog.activateWindow();
    }
    loop.exec();
    return dialog.result();
}

void RaiseWindow(QWidget* window) {
    // The offscreen platform has no stacking order (and says so on every call).
    if (QGuiApplication::platformName() != "offscreen") window->raise();
}

QWidget* OwnerWindow(WindowHandle owner) {
    QWidget* widget = WidgetOf(owner);
    return widget ? widget->window() : nullptr;
}
