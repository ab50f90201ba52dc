#pragma once
// The top-level window of a dialog: a client area with an optional menu bar above it, the
// dialog keyboard (Enter and Esc as commands), activation and the close command turned
// into messages to the dialog's callback.
#include <QWidget>

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

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    int MenuHeight() const;
    void FitToClient();

    WindowObject* window_;
    QWidget* client_;
    QMenuBar* menuBar_ = nullptr;
    int clientWidth_ = 0, clientHeight_ = 0;
    bool resizable_ = false;
};
