// The controls of a dialog: labels, text boxes, push buttons and canvases, each a widget
// in the dialog's client area at its position in pixels, which the dialog lays out for
// its screen.
#include "gfx/CanvasControl.h"
#include "platform/CanvasWidget.h"
#include "platform/ControlText.h"
#include "platform/DialogWidget.h"
#include "platform/WindowObject.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <limits>

namespace {

Qt::FocusPolicy TabPolicy(std::uint32_t style) {
    return (style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus;
}

QWidget* MakeLabel(WindowObject* control) {
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(((control->style & SS_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
    return label;
}

QWidget* MakeTextBox(WindowObject* control) {
    auto* edit = new QLineEdit;
    edit->setMaxLength(std::numeric_limits<int>::max()); // no length limit
    edit->setFrame((control->style & WS_BORDER) || (control->exStyle & WS_EX_CLIENTEDGE));
    if (control->style & ES_CENTER) edit->setAlignment(Qt::AlignCenter);
    if (control->style & ES_NUMBER)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    edit->setFocusPolicy(TabPolicy(control->style));
    return edit;
}

// A click is a command to the dialog: the button's id and BN_CLICKED.
QWidget* MakeButton(WindowObject* control) {
    auto* button = new QPushButton;
    button->setAutoDefault(false);
    button->setFocusPolicy(TabPolicy(control->style));
    QObject::connect(button, &QPushButton::clicked, [control] {
        SendMessage(control->dialog, WM_COMMAND,
                    MAKEWPARAM(static_cast<unsigned>(control->id), BN_CLICKED),
                    reinterpret_cast<LPARAM>(control));
    });
    return button;
}

// The canvas's surface is its client area, registered with the drawing layer under
// (dialog, id); a repaint of the layer shows on screen before the drawing returns, and
// a scroll moves what the screen shows.
QWidget* MakeCanvas(WindowObject* control, QWidget* parent, int width, int height) {
    auto* canvas = new CanvasWidget(control, parent, control->style & WS_BORDER);
    // Without the notify style the control takes no pointer input: the mouse reaches
    // whatever lies under it.
    if (!(control->style & SS_NOTIFY)) canvas->setAttribute(Qt::WA_TransparentForMouseEvents);
    int border = canvas->Border();
    QPointer<CanvasWidget> shown(canvas);
    RegisterCanvasControl(
        control->dialog, control->id, std::max(0, width - 2 * border),
        std::max(0, height - 2 * border),
        [shown](const Rect& r) {
            if (shown)
                shown->RepaintClient(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
        },
        [shown](int dx, int dy) {
            if (shown) shown->ScrollClient(dx, dy);
        });
    return canvas;
}

} // namespace

WindowHandle AddControl(WindowHandle dialog, ControlKind kind, int id, const std::string& text,
                        int x, int y, int width, int height, std::uint32_t style,
                        std::uint32_t exStyle) {
    WindowObject* d = Live(dialog);
    if (!d || !d->isDialog || !d->client) return nullptr;
    WindowObject* control = NewWindowObject();
    control->dialog = d;
    control->id = id;
    control->kind = kind;
    control->style = style;
    control->exStyle = exStyle;
    control->proc = DefaultControlProc(kind);
    QWidget* widget = nullptr;
    switch (kind) {
    case ControlKind::Label: widget = MakeLabel(control); break;
    case ControlKind::TextBox: widget = MakeTextBox(control); break;
    case ControlKind::Button: widget = MakeButton(control); break;
    case ControlKind::Canvas: widget = MakeCanvas(control, d->client, width, height); break;
    }
    widget->setParent(d->client);
    if (auto* dialogWidget = dynamic_cast<DialogWidget*>(d->widget.data()))
        dialogWidget->PlaceControl(widget, QRect(x, y, width, height));
    else
        widget->setGeometry(x, y, width, height);
    TagWidget(widget, control);
    control->widget = widget;
    d->controls.push_back(control);
    ShowControlText(control, text);
    // There is no call to show a hidden control, so every control is visible.
    widget->show();
    return control;
}
