#include "platform/CanvasWidget.h"
#include "gfx/CanvasControl.h"
#include "gfx/Drawing.h"
#include "platform/Cursors.h"
#include "platform/DialogLayout.h"
#include "platform/VirtualKeys.h"
#include "platform/WindowObject.h"
#include <QBackingStore>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstring>

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

void CanvasWidget::Place(QPoint at, QSize size, int scale, double ratio) {
    scale_ = scale;
    ratio_ = ratio;
    size_ = size;
    const QPointF corner = QPointF(parentWidget()->mapTo(window(), at)) * ratio;
    const QSizeF units =
        (QSizeF(RoundUp(corner.x()) - corner.x(), RoundUp(corner.y()) - corner.y()) +
         QSizeF(size * scale)) /
        ratio;
    setGeometry(QRect(at, QSize(RoundUp(units.width()), RoundUp(units.height()))));
}

QPointF CanvasWidget::Corner() const { return QPointF(mapTo(window(), QPoint(0, 0))) * ratio_; }

QPoint CanvasWidget::ClientOrigin() const {
    const QPointF corner = Corner();
    return QPoint(RoundUp(corner.x()), RoundUp(corner.y())) + QPoint(border_, border_) * scale_;
}

void CanvasWidget::RepaintClient(const QRect& client) {
    const QRectF device(ClientOrigin() + client.topLeft() * scale_, client.size() * scale_);
    const QRectF units(device.topLeft() / ratio_, device.size() / ratio_);
    // Whole units around those device pixels; what else they cover is painted too.
    repaint(units.translated(-QPointF(mapTo(window(), QPoint(0, 0)))).toAlignedRect());
}

// The window keeps its device pixels in an image of its own: they move there exactly as
// the surface's pixels did, k times as far, and go to the screen. Where something lies
// over the control, or there is no such image, the control is painted again later. (The
// image that the toolkit hands out is made anew at each paint: it is used at once.)
void CanvasWidget::ScrollClient(int dx, int dy) {
    QBackingStore* store = backingStore();
    auto* image = store ? dynamic_cast<QImage*>(store->paintDevice()) : nullptr;
    if (!image || image->depth() != 32 || !isVisible() || visibleRegion() != QRegion(rect())) {
        update();
        return;
    }
    const QRect client =
        QRect(ClientOrigin(), (size_ - QSize(2, 2) * border_) * scale_) & image->rect();
    if (client.isEmpty()) return;
    ScrollBlock(reinterpret_cast<std::uint32_t*>(image->bits()),
                static_cast<std::size_t>(image->bytesPerLine() / 4),
                Rect{client.left(), client.top(), client.right() + 1, client.bottom() + 1},
                dx * scale_, dy * scale_);
    store->flush(QRect(mapTo(window(), QPoint(0, 0)), size()).adjusted(-1, -1, 1, 1),
                 window()->windowHandle());
}

// Painted in device pixels: the painter's transform is undone, so that each surface pixel
// becomes exactly one k x k block from the control's first whole device pixel on, with no
// stretching by the toolkit. The slivers of the widget outside that (a device pixel or two
// wide, where the widget's edges fall inside device pixels) take the window's colour.
void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QTransform toDevice = painter.deviceTransform();
    painter.setWorldTransform(toDevice.inverted());
    const QPointF corner = toDevice.map(QPointF(0, 0));
    const QRect control(QPoint(RoundUp(corner.x()), RoundUp(corner.y())), size_ * scale_);
    const QRect wanted = toDevice.mapRect(QRectF(event->rect())).toAlignedRect();
    for (const QRect& r : QRegion(wanted) - control) painter.fillRect(r, palette().window());
    const int k = scale_, edge = border_ * k;
    const QRect client = control.adjusted(edge, edge, -edge, -edge);
    for (const QRect& r : (QRegion(control) - client) & wanted) painter.fillRect(r, Qt::black);
    const QRect shown = wanted & client;
    if (shown.isEmpty()) return;
    // The whole blocks that cover what is wanted (offsets from the client's origin are
    // never negative here, so division rounds down).
    const QPoint first = shown.topLeft() - client.topLeft();
    const QPoint last = shown.bottomRight() - client.topLeft();
    const QRect pixels(QPoint(first.x() / k, first.y() / k), QPoint(last.x() / k, last.y() / k));
    PaintPixels(painter, client.topLeft() + pixels.topLeft() * k, pixels);
}

void CanvasWidget::PaintPixels(QPainter& painter, QPoint at, const QRect& pixels) {
    const Surface* surface = CanvasSurface(control_->dialog, control_->id);
    if (!surface) return;
    const QRect block = pixels & QRect(0, 0, surface->Width(), surface->Height());
    if (block.isEmpty()) return;
    const QImage image(reinterpret_cast<const uchar*>(surface->Pixels()), surface->Width(),
                       surface->Height(), surface->Width() * 4, QImage::Format_RGB32);
    const int k = scale_;
    if (k == 1) {
        painter.drawImage(at, image, block);
        return;
    }
    // Each row of the block written k times over, each pixel k times along it.
    const int width = block.width() * k;
    enlarged_.resize(static_cast<std::size_t>(width) * block.height() * k);
    std::uint32_t* out = enlarged_.data();
    for (int y = block.top(); y <= block.bottom(); ++y) {
        const std::uint32_t* row = surface->Row(y);
        std::uint32_t* first = out;
        for (int x = block.left(); x <= block.right(); ++x) out = std::fill_n(out, k, row[x]);
        for (int copy = 1; copy < k; ++copy) out = std::copy(first, first + width, out);
    }
    painter.drawImage(at, QImage(reinterpret_cast<const uchar*>(enlarged_.data()), width,
                                 block.height() * k, width * 4, QImage::Format_RGB32));
}

bool CanvasWidget::ClientPosition(const QMouseEvent* event, QPoint& client) const {
    // The window's position, not the widget's: the toolkit rounds the widget's to whole
    // units, a device pixel or two away on a scaled screen.
    const QPointF scene = event->scenePosition();
    const QPoint device(static_cast<int>(std::lround(scene.x() * ratio_)),
                        static_cast<int>(std::lround(scene.y() * ratio_)));
    const QPoint offset = device - ClientOrigin();
    const QSize pixels = size_ - QSize(2, 2) * border_;
    if (offset.x() < 0 || offset.y() < 0) return false;
    client = QPoint(offset.x() / scale_, offset.y() / scale_);
    return client.x() < pixels.width() && client.y() < pixels.height();
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
