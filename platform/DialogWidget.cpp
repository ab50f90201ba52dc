#include "platform/DialogWidget.h"
#include "platform/WindowObject.h"
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>

DialogWidget::DialogWidget(WindowObject* window, QWidget* ownerWindow, Qt::WindowFlags flags)
    : QWidget(ownerWindow, flags), window_(window), client_(new QWidget(this)) {
    TagWidget(this, window);
    TagWidget(client_, window);
}

void DialogWidget::SetClientSize(int width, int height, bool resizable) {
    clientWidth_ = width;
    clientHeight_ = height;
    resizable_ = resizable;
    FitToClient();
}

void DialogWidget::SetMenuBar(QMenuBar* bar) {
    if (menuBar_ && menuBar_ != bar) {
        menuBar_->hide();
        menuBar_->setParent(nullptr);
    }
    menuBar_ = bar;
    if (bar) {
        bar->setParent(this);
        bar->show();
    }
    FitToClient();
}

int DialogWidget::MenuHeight() const { return menuBar_ ? menuBar_->sizeHint().height() : 0; }

void DialogWidget::FitToClient() {
    QSize outer(clientWidth_, clientHeight_ + MenuHeight());
    if (resizable_) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(outer);
    } else {
        setFixedSize(outer);
    }
    // A resize to the same size sends no event: lay out here as well.
    QResizeEvent same(size(), size());
    resizeEvent(&same);
}

void DialogWidget::resizeEvent(QResizeEvent*) {
    int menuHeight = MenuHeight();
    if (menuBar_) menuBar_->setGeometry(0, 0, width(), menuHeight);
    client_->setGeometry(0, menuHeight, width(), height() - menuHeight);
}

bool DialogWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        SendMessage(window_, WM_NCACTIVATE, 1, 0);
    else if (event->type() == QEvent::WindowDeactivate)
        SendMessage(window_, WM_NCACTIVATE, 0, 0);
    return QWidget::event(event);
}

// Keys that no control took: Enter and Esc become the default and cancel commands; the
// dialog never closes by itself.
void DialogWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: SendMessage(window_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); break;
    case Qt::Key_Escape:
        SendMessage(window_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        break;
    default: QWidget::keyPressEvent(event);
    }
}

// The close box and the window manager's close key: the callback decides.
void DialogWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    SendCloseCommand(window_);
}
