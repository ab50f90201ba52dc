// Text, fonts, enabled state and the keyboard focus of dialogs and controls.
#include "platform/ControlText.h"
#include "platform/Fonts.h"
#include "platform/QtAccess.h"
#include "platform/WindowObject.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QString WithoutPrefixes(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return QString::fromStdString(shown);
}

void ShowControlText(WindowObject* control, const std::string& text) {
    control->text = text;
    QWidget* widget = control->widget;
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(WithoutPrefixes(text));
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(QString::fromStdString(text));
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        button->setText(QString::fromStdString(text)); // buttons apply the same rule
}

void SetDlgItemText(WindowHandle dialog, int id, const std::string& text) {
    if (WindowObject* control = FindControl(dialog, id)) ShowControlText(control, text);
}

std::string GetWindowText(WindowHandle window) {
    WindowObject* w = Live(window);
    if (!w || !w->widget) return {};
    if (w->isDialog) return w->widget->windowTitle().toStdString();
    if (auto* edit = qobject_cast<QLineEdit*>(w->widget.data())) return edit->text().toStdString();
    return w->text;
}

std::string GetDlgItemText(WindowHandle dialog, int id) {
    return GetWindowText(FindControl(dialog, id));
}

void SetControlFont(WindowHandle control, FontHandle font) {
    WindowObject* c = Live(control);
    if (c && c->widget && font) c->widget->setFont(QtFontOf(*font));
}

void EnableWindow(WindowHandle window, bool enable) {
    if (QWidget* widget = WidgetOf(window)) widget->setEnabled(enable);
}

// The window's own state: a control of a disabled dialog still answers its own.
bool IsWindowEnabled(WindowHandle window) {
    QWidget* widget = WidgetOf(window);
    return widget && !widget->testAttribute(Qt::WA_Disabled);
}

WindowHandle GetFocus() {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (WindowHandle handle = HandleOf(w)) return handle;
    return nullptr;
}

void SetFocus(WindowHandle window) {
    if (QWidget* widget = WidgetOf(window)) widget->setFocus(Qt::OtherFocusReason);
}
