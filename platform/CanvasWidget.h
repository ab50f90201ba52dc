#pragma once
// The canvas control's widget: shows the control's surface inside an optional one-pixel
// border, each surface pixel as one k x k block of device pixels (k whole, chosen for the
// screen by the dialog), and turns pointer and key input into messages to the control's
// current procedure, with positions in surface pixels.
#include <QWidget>
#include <cstdint>
#include <vector>

struct WindowObject;

class CanvasWidget : public QWidget {
  public:
    CanvasWidget(WindowObject* control, QWidget* parent, bool border);

    int Border() const { return border_; } // surface pixels
    // Puts the control at `at` (its parent's units), `size` surface pixels with its border,
    // shown at `scale` device pixels per surface pixel on a screen of device-pixel `ratio`.
    // The widget takes the toolkit units that hold that many device pixels from its
    // top-left rounded up to a whole device pixel.
    void Place(QPoint at, QSize size, int scale, double ratio);
    // Shows the surface's rectangle (client pixels) before returning.
    void RepaintClient(const QRect& client);
    // Moves what the client area shows by (dx, dy) client pixels: the window's device
    // pixels move by k times that, as the surface's own pixels moved.
    void ScrollClient(int dx, int dy);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The widget's top-left in the window's device pixels, as a fraction, and the client
    // area's first device pixel.
    QPointF Corner() const;
    QPoint ClientOrigin() const;
    // The event's position in client pixels: its device pixel divided by k, rounded down;
    // false when it lies outside the client area (the toolkit keeps sending to a pressed
    // widget after the pointer has left it).
    bool ClientPosition(const QMouseEvent* event, QPoint& client) const;
    void Deliver(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    // Paints the block `pixels` of the surface (client pixels) at device `at`, k times
    // enlarged.
    void PaintPixels(QPainter& painter, QPoint at, const QRect& pixels);

    WindowObject* control_;
    int border_;
    int scale_ = 1;
    double ratio_ = 1;
    QSize size_;                          // surface pixels, border included
    std::vector<std::uint32_t> enlarged_; // a block of the surface k times enlarged
};
