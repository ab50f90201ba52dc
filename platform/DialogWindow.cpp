// Creating dialogs: the frame from the style bits, the client size, the placement, and
// where windows lie on the screen.
#include "platform/DialogWidget.h"
#include "platform/Fonts.h"
#include "platform/WindowObject.h"
#include <QGuiApplication>
#include <QScreen>

namespace {

Qt::WindowFlags FrameFlags(std::uint32_t style, std::uint32_t exStyle) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION) flags |= Qt::WindowTitleHint;
    if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
    if (exStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

ScreenRect ToScreenRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Centre of the work area for an outer size; a negative numerator counts as 0, so a window
// larger than the work area starts at its left (top) edge.
int Centred(int low, int high, int outer) { return std::max(0, low + high - outer) / 2; }

} // namespace

WindowHandle CreateDialogWindow(const std::string& title, int x, int y, int width, int height,
                                std::uint32_t style, std::uint32_t exStyle, WindowHandle owner) {
    WindowObject* dialog = NewWindowObject();
    dialog->isDialog = true;
    dialog->style = style;
    dialog->exStyle = exStyle;
    dialog->owner = Live(owner);
    dialog->requestedX = x;
    dialog->requestedY = y;
    QWidget* ownerWindow =
        dialog->owner && dialog->owner->widget ? dialog->owner->widget->window() : nullptr;
    auto* widget = new DialogWidget(dialog, ownerWindow, FrameFlags(style, exStyle));
    widget->setWindowTitle(QString::fromStdString(title));
    widget->setFont(DialogFont());
    widget->SetClientSize(width, height, style & WS_THICKFRAME);
    dialog->widget = widget;
    dialog->client = widget->Client();
    PlaceDialog(dialog);
    return dialog;
}

void PlaceDialog(WindowObject* dialog) {
    QWidget* widget = dialog->widget;
    if (!widget) return;
    if (!(dialog->style & DS_CENTER)) {
        widget->move(dialog->requestedX, dialog->requestedY);
        return;
    }
    ScreenRect work = GetWorkArea();
    QSize outer = widget->frameGeometry().size();
    widget->move(Centred(work.left, work.right, outer.width()),
                 Centred(work.top, work.bottom, outer.height()));
}

ScreenRect GetWorkArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? ToScreenRect(screen->availableGeometry()) : ScreenRect{};
}

ScreenRect GetWindowRect(WindowHandle window) {
    WindowObject* w = Live(window);
    if (!w || !w->widget) return {};
    if (w->isDialog) return ToScreenRect(w->widget->frameGeometry());
    return ToScreenRect(QRect(w->widget->mapToGlobal(QPoint(0, 0)), w->widget->size()));
}

ScreenRect GetClientRect(WindowHandle window) {
    WindowObject* w = Live(window);
    if (!w || !w->widget) return {};
    QWidget* area = w->isDialog ? w->client.data() : w->widget.data();
    if (!area) return {};
    // A bordered canvas's client area lies inside its one-pixel border.
    int border = (w->kind == ControlKind::Canvas && !w->isDialog && (w->style & WS_BORDER)) ? 1 : 0;
    QRect inner = area->rect().adjusted(border, border, -border, -border);
    return ToScreenRect(QRect(area->mapToGlobal(inner.topLeft()), inner.size()));
}
