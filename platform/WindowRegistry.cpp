// Handles: every dialog and control is a WindowObject that is never freed, so a handle
// stays unique for the whole run and IsWindow can answer after destruction.
#include "gfx/CanvasControl.h"
#include "platform/QtAccess.h"
#include "platform/WindowObject.h"
#include <QVariant>
#include <unordered_set>

namespace {

const char* const HandleProperty = "colveroHandle";

std::unordered_set<WindowObject*>& AllObjects() {
    static std::unordered_set<WindowObject*> all;
    return all;
}

} // namespace

WindowObject* NewWindowObject() {
    auto* window = new WindowObject;
    AllObjects().insert(window);
    return window;
}

void MarkDestroyed(WindowObject* window) {
    if (!window || !window->alive) return;
    for (WindowObject* control : window->controls) {
        if (control->kind == ControlKind::Canvas && control->alive)
            UnregisterCanvasControl(window, control->id);
        control->alive = false;
    }
    window->alive = false;
}

WindowObject* Live(WindowHandle window) {
    if (!window || !AllObjects().count(window) || !window->alive) return nullptr;
    return window;
}

bool IsWindow(WindowHandle window) { return Live(window) != nullptr; }

WindowObject* FindControl(WindowHandle dialog, int id) {
    WindowObject* d = Live(dialog);
    if (!d) return nullptr;
    for (WindowObject* control : d->controls)
        if (control->alive && control->id == id) return control;
    return nullptr;
}

QWidget* WidgetOf(WindowHandle window) {
    WindowObject* w = Live(window);
    return w ? w->widget.data() : nullptr;
}

// Records the handle on the widget, so that HandleOf needs no table.
void TagWidget(QWidget* widget, WindowObject* window) {
    widget->setProperty(HandleProperty, QVariant::fromValue(static_cast<void*>(window)));
}

WindowHandle HandleOf(QWidget* widget) {
    if (!widget) return nullptr;
    QVariant tag = widget->property(HandleProperty);
    if (!tag.isValid()) return nullptr;
    return Live(static_cast<WindowObject*>(tag.value<void*>()));
}

WindowHandle GetDlgItem(WindowHandle dialog, int id) { return FindControl(dialog, id); }

WindowHandle GetParent(WindowHandle control) {
    WindowObject* c = Live(control);
    if (!c) return nullptr;
    return c->isDialog ? Live(c->owner) : Live(c->dialog);
}
