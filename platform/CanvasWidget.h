#pragma once
// The canvas control's widget: shows the control's surface 1:1 inside an optional
// one-pixel border and turns pointer and key input into messages to the control's
// current procedure.
#include <QWidget>

struct WindowObject;

class CanvasWidget : public QWidget {
  public:
    CanvasWidget(WindowObject* control, QWidget* parent, bool border);

    int Border() const { return border_; }
    // Shows the surface's rectangle (client pixels) before returning.
    void RepaintClient(const QRect& client);
    // Moves what the client area shows by (dx, dy); the band uncovered is repainted later,
    // or by RepaintClient.
    void ScrollClient(int dx, int dy);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The event's position in client pixels; false when it lies outside the client area
    // (the toolkit keeps sending to a pressed widget after the pointer has left it).
    bool ClientPosition(const QMouseEvent* event, QPoint& client) const;
    void Deliver(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    WindowObject* control_;
    int border_;
};
