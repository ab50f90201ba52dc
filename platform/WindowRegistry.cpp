// Handles: every dialog and control is a WindowObject, owned here from its creation until
// its dialog is destroyed. The address of a freed object is never given to a later one,
// so a handle stays unique for the whole run and IsWindow answers false for it ever after.
#include "gfx/CanvasControl.h"
#include "platform/QtAccess.h"
#include "platform/WindowObject.h"
#include <QVariant>
#include <memory>
#include <unordered_set>

namespace {

const char* const HandleProperty = "colveroHandle";

std::unordered_set<WindowObject*>& LiveObjects() {
    static std::unordered_set<WindowObject*> live;
    return live;
}

// The addresses of freed objects: a few bytes each, where the objects themselves took
// hundreds with their texts and lists.
std::unordered_set<const WindowObject*>& Retired() {
    static std::unordered_set<const WindowObject*> retired;
    return retired;
}

} // namespace

WindowObject* NewWindowObject() {
    // The allocator may hand back the block of a freed object: such blocks are held until
    // a fresh one comes, and then given back.
    std::vector<std::unique_ptr<WindowObject>> held;
    auto window = std::make_unique<WindowObject>();
    while (Retired().count(window.get())) {
        held.push_back(std::move(window));
        window = std::make_unique<WindowObject>();
    }
    LiveObjects().insert(window.get());
    return window.release();
}

void MarkDestroyed(WindowObject* window) {
    if (!Live(window)) return;
    for (WindowObject* control : window->controls) {
        if (control->kind == ControlKind::Canvas) UnregisterCanvasControl(window, control->id);
        LiveObjects().erase(control);
    }
    LiveObjects().erase(window);
}

void FreeDestroyed(WindowObject* dialog) {
    if (!dialog || LiveObjects().count(dialog)) return;
    for (WindowObject* control : dialog->controls) {
        Retired().insert(control);
        delete control;
    }
    Retired().insert(dialog);
    delete dialog;
}

WindowObject* Live(WindowHandle window) {
    if (!window || !LiveObjects().count(window)) return nullptr;
    return window;
}

bool IsWindow(WindowHandle window) { return Live(window) != nullptr; }

WindowObject* FindControl(WindowHandle dialog, int id) {
    WindowObject* d = Live(dialog);
    if (!d) return nullptr;
    for (WindowObject* control : d->controls)
        if (control->id == id) return control;
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
