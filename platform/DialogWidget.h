#pragma once
// The top-level window of a dialog: a client area with an optional menu bar above it, the
// dialog keyboard (Enter and Esc as commands), activation and the close command turned
// into messages to the dialog's callback. It lays its controls out for the screen it is
// on: its canvases at k device pixels per surface pixel, everything else at the
// toolkit's scale; when the window moves to a screen of another ratio, k follows.
#include <QPointer>
#include <QWidget>
#include <vector>

class QMenuBar;
struct WindowObject;

class DialogWidget : public QWidget {
  public:
    DialogWidget(WindowObject* window, QWidget* ownerWindow, Qt::WindowFlags flags);

    QWidget* Client() const { return client_; }
    // Puts the bar above the client area and grows the window by its height, so the
    // client area keeps its size. nullptr takes the bar out.
    void SetMenuBar(QMenuBar* bar);
    QMenuBar* MenuBar() const { return menuBar_; }
    // The client area's size (pixels); the window is fixed to it unless resizable.
    void SetClientSize(int width, int height, bool resizable);
    // Puts a control of the client area at `box` (pixels).
    void PlaceControl(QWidget* control, const QRect& box);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    struct Placed {
        QPointer<QWidget> widget;
        QRect box; // pixels
        bool canvas;
    };
    int MenuHeight() const;
    // The screen's device-pixel ratio, and k: fitted to every dialog with a canvas that
    // is open (the main window among them), so that all show surfaces alike.
    double Ratio() const;
    int ChosenScale() const;
    bool HasCanvas() const;
    void Relayout();
    void FitToClient(QSize client);

    WindowObject* window_;
    QWidget* client_;
    QMenuBar* menuBar_ = nullptr;
    int clientWidth_ = 0, clientHeight_ = 0; // pixels
    bool resizable_ = false;
    std::vector<Placed> placed_;
};
