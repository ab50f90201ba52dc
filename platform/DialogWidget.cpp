#include "platform/DialogWidget.h"
#include "platform/CanvasWidget.h"
#include "platform/DialogLayout.h"
#include "platform/SurfaceScale.h"
#include "platform/WindowObject.h"
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <climits>
#include <cmath>

DialogWidget::DialogWidget(WindowObject* window, QWidget* ownerWindow, Qt::WindowFlags flags)
    : QWidget(ownerWindow, flags), window_(window), client_(new QWidget(this)) {
    TagWidget(this, window);
    TagWidget(client_, window);
}

void DialogWidget::SetClientSize(int width, int height, bool resizable) {
    clientWidth_ = width;
    clientHeight_ = height;
    resizable_ = resizable;
    Relayout();
}

void DialogWidget::PlaceControl(QWidget* control, const QRect& box) {
    placed_.push_back({control, box, dynamic_cast<CanvasWidget*>(control) != nullptr});
    Relayout();
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
    Relayout();
}

int DialogWidget::MenuHeight() const { return menuBar_ ? menuBar_->sizeHint().height() : 0; }

double DialogWidget::Ratio() const {
    if (const QWindow* shown = windowHandle()) return shown->devicePixelRatio();
    return screen() ? screen()->devicePixelRatio() : 1.0;
}

bool DialogWidget::HasCanvas() const {
    return std::any_of(placed_.begin(), placed_.end(), [](const Placed& p) { return p.canvas; });
}

int DialogWidget::ChosenScale() const {
    const double ratio = Ratio();
    const QSize available = screen() ? screen()->availableGeometry().size() * ratio : QSize();
    int scale = INT_MAX;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        const auto* dialog = dynamic_cast<const DialogWidget*>(top);
        if (!dialog || !dialog->HasCanvas()) continue;
        // The frame is known once the window is shown; the menu bar does not grow with k.
        const QSize fixed =
            (dialog->frameGeometry().size() - dialog->size() + QSize(0, dialog->MenuHeight())) *
            ratio;
        const WindowNeeds needs{dialog->clientWidth_, dialog->clientHeight_, fixed.width(),
                                fixed.height()};
        scale = std::min(scale, SurfaceScale(ratio, available.width(), available.height(), needs));
    }
    return scale == INT_MAX ? 1 : scale;
}

// Canvases take k device pixels a surface pixel, other controls their size at the
// toolkit's scale where the canvases' stretches put them; the client area holds its own
// size stretched alike, and every control with the margin it had to the area's edge.
void DialogWidget::Relayout() {
    const double ratio = Ratio();
    const int scale = ChosenScale();
    std::vector<std::pair<int, int>> across, down;
    for (const Placed& p : placed_)
        if (p.canvas) {
            across.emplace_back(p.box.left(), p.box.left() + p.box.width());
            down.emplace_back(p.box.top(), p.box.top() + p.box.height());
        }
    const double units = across.empty() ? 1.0 : scale / ratio;
    const AxisStretch x(across, units), y(down, units);
    client_->move(0, MenuHeight());
    QSize client(RoundUp(x.At(clientWidth_)), RoundUp(y.At(clientHeight_)));
    for (const Placed& p : placed_) {
        if (!p.widget) continue;
        const QPoint at(static_cast<int>(std::lround(x.At(p.box.left()))),
                        static_cast<int>(std::lround(y.At(p.box.top()))));
        if (auto* canvas = dynamic_cast<CanvasWidget*>(p.widget.data()))
            canvas->Place(at, p.box.size(), scale, ratio);
        else
            p.widget->setGeometry(QRect(at, p.box.size()));
        const QRect r = p.widget->geometry();
        client = client.expandedTo(
            QSize(r.left() + r.width() + clientWidth_ - (p.box.left() + p.box.width()),
                  r.top() + r.height() + clientHeight_ - (p.box.top() + p.box.height())));
    }
    FitToClient(client);
}

void DialogWidget::FitToClient(QSize client) {
    QSize outer(client.width(), client.height() + MenuHeight());
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

// Once shown, the window's own screen is known.
void DialogWidget::showEvent(QShowEvent* event) {
    Relayout();
    QWidget::showEvent(event);
}

bool DialogWidget::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal)
        Relayout();
    else if (event->type() == QEvent::WindowActivate)
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
