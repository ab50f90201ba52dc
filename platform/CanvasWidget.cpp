#include "platform/CanvasWidget.h"
#include "gfx/CanvasControl.h"
#include "platform/Cursors.h"
#include "platform/VirtualKeys.h"
#include "platform/WindowObject.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace {

std::uintptr_t KeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    std::uintptr_t state = 0;
    if (buttons & Qt::LeftButton) state |= MK_LBUTTON;
    if (buttons & Qt::RightButton) state |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) state |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) state |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) state |= MK_CONTROL;
    return state;
}

} // namespace

CanvasWidget::CanvasWidget(WindowObject* control, QWidget* parent, bool border)
    : QWidget(parent), control_(control), border_(border ? 1 : 0) {
    setMouseTracking(true); // moves arrive without a button held, too
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only the control's own procedure gives it the focus, on a left press.
    setFocusPolicy(Qt::NoFocus);
    TrackCursor(this);
}

void CanvasWidget::RepaintClient(const QRect& client) {
    repaint(client.translated(border_, border_));
}

// The toolkit moves the pixels it holds for the window, when nothing lies over the
// control, and otherwise repaints the client area later.
void CanvasWidget::ScrollClient(int dx, int dy) {
    scroll(dx, dy, rect().adjusted(border_, border_, -border_, -border_));
}

// The surface is drawn 1:1 at the client origin; on a high-density screen the toolkit
// enlarges it, and without smoothing every pixel stays a sharp square.
void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (border_) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const Surface* surface = CanvasSurface(control_->dialog, control_->id);
    if (!surface || surface->Width() <= 0 || surface->Height() <= 0) return;
    const QImage image(reinterpret_cast<const uchar*>(surface->Pixels()), surface->Width(),
                       surface->Height(), surface->Width() * 4, QImage::Format_RGB32);
    QRect wanted = event->rect().translated(-border_, -border_) & image.rect();
    if (wanted.isEmpty()) return;
    painter.drawImage(wanted.topLeft() + QPoint(border_, border_), image, wanted);
}

bool CanvasWidget::ClientPosition(const QMouseEvent* event, QPoint& client) const {
    client = event->position().toPoint() - QPoint(border_, border_);
    return client.x() >= 0 && client.y() >= 0 && client.x() < width() - 2 * border_ &&
           client.y() < height() - 2 * border_;
}

void CanvasWidget::Deliver(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    SendMessage(control_, message, wParam, lParam);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    QPoint p;
    if (!ClientPosition(event, p)) return;
    unsigned message = event->button() == Qt::LeftButton    ? WM_LBUTTONDOWN
                       : event->button() == Qt::RightButton ? WM_RBUTTONDOWN
                                                            : 0;
    if (message)
        Deliver(message, KeyState(event->buttons(), event->modifiers()), MAKELPARAM(p.x(), p.y()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    QPoint p;
    if (event->button() != Qt::LeftButton || !ClientPosition(event, p)) return;
    Deliver(WM_LBUTTONUP, KeyState(event->buttons(), event->modifiers()), MAKELPARAM(p.x(), p.y()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    QPoint p;
    if (!ClientPosition(event, p)) return;
    Deliver(WM_MOUSEMOVE, KeyState(event->buttons(), event->modifiers()), MAKELPARAM(p.x(), p.y()));
}

// The delta goes in the high word (120 per notch, negative toward the user), the pointer's
// screen position in lParam.
void CanvasWidget::wheelEvent(QWheelEvent* event) {
    int delta = std::clamp(event->angleDelta().y(), -32768, 32767);
    if (delta == 0) return;
    QPoint global = event->globalPosition().toPoint();
    Deliver(WM_MOUSEWHEEL,
            MAKEWPARAM(static_cast<unsigned>(KeyState(event->buttons(), event->modifiers())),
                       static_cast<unsigned>(delta)),
            MAKELPARAM(static_cast<unsigned>(global.x()), static_cast<unsigned>(global.y())));
}

// The canvas wants every key that reaches it (Enter and Esc included), so none of them
// becomes a dialog command while it has the focus.
void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    unsigned key = VirtualKeyOf(event->key());
    if (key) Deliver(WM_KEYDOWN, key, KeyDownLParam(event->isAutoRepeat()));
}
