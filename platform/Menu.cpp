// Menus: a bar of popups whose items send WM_COMMAND with their id to the window the bar
// is attached to. Items show their text as given (no mnemonics) and the keys the program
// gives them; check marks change only when the program sets them. A menu lives until
// DestroyMenu, or until the window it is attached to is destroyed.
#include "platform/Menu.h"
#include "platform/DialogWidget.h"
#include "platform/WindowObject.h"
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <unordered_set>

struct MenuObject {
    QMenuBar* bar = nullptr;        // a menu bar, or
    QMenu* popup = nullptr;         // a popup
    MenuObject* parent = nullptr;   // the menu this popup was appended to
    WindowObject* window = nullptr; // a bar: the window it is attached to
    QWidget* Widget() const { return bar ? static_cast<QWidget*>(bar) : popup; }
};

namespace {

std::unordered_set<MenuObject*>& LiveMenus() {
    static std::unordered_set<MenuObject*> live;
    return live;
}

// The menu behind a handle, or nullptr for one that names no live menu.
MenuObject* LiveMenu(MenuHandle menu) { return LiveMenus().count(menu) ? menu : nullptr; }

MenuObject* OwnMenu(QMenu* popup) {
    return popup ? static_cast<MenuObject*>(popup->property("colveroMenu").value<void*>())
                 : nullptr;
}

QString WithoutMnemonics(const std::string& text) {
    return QString::fromStdString(text).replace("&", "&&");
}

void SendCommand(MenuObject* menu, unsigned id) {
    while (menu->parent) menu = menu->parent;
    if (Live(menu->window)) SendMessage(menu->window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

QAction* FindAction(MenuObject* menu, unsigned id) {
    if (!menu) return nullptr;
    const auto actions = menu->Widget()->actions();
    for (QAction* action : actions) {
        if (action->menu()) {
            if (QAction* found = FindAction(LiveMenu(OwnMenu(action->menu())), id)) return found;
        } else if (!action->isSeparator() && action->data().toUInt() == id) {
            return action;
        }
    }
    return nullptr;
}

MenuObject* NewMenu(QMenuBar* bar, QMenu* popup) {
    auto* menu = new MenuObject{bar, popup};
    menu->Widget()->setProperty("colveroMenu", QVariant::fromValue(static_cast<void*>(menu)));
    LiveMenus().insert(menu);
    return menu;
}

} // namespace

// The bar stays in its window, also on desktops that offer a global menu.
MenuHandle CreateMenu() {
    auto* bar = new QMenuBar;
    bar->setNativeMenuBar(false);
    return NewMenu(bar, nullptr);
}
MenuHandle CreatePopupMenu() { return NewMenu(nullptr, new QMenu); }

void AppendMenu(MenuHandle menu, unsigned flags, std::uintptr_t idOrPopup,
                const std::string& text) {
    if (!LiveMenu(menu)) return;
    QWidget* widget = menu->Widget();
    if (flags & MF_SEPARATOR) {
        auto* separator = new QAction(widget);
        separator->setSeparator(true);
        widget->addAction(separator);
    } else if (flags & MF_POPUP) {
        MenuObject* sub = LiveMenu(reinterpret_cast<MenuObject*>(idOrPopup));
        if (!sub || !sub->popup) return;
        sub->parent = menu;
        sub->popup->setTitle(WithoutMnemonics(text));
        widget->addAction(sub->popup->menuAction());
    } else {
        auto id = static_cast<unsigned>(idOrPopup);
        auto* action = new QAction(WithoutMnemonics(text), widget);
        action->setData(id);
        QObject::connect(action, &QAction::triggered, [menu, action, id](bool checked) {
            // The toolkit toggles a checkable item on its own; the program sets the marks.
            if (action->isCheckable()) action->setChecked(!checked);
            SendCommand(menu, id);
        });
        widget->addAction(action);
    }
    // An attached bar may have grown a line: keep the client area's size.
    MenuObject* root = menu;
    while (root->parent) root = root->parent;
    if (root->window && root->window->widget)
        static_cast<DialogWidget*>(root->window->widget.data())->SetMenuBar(root->bar);
}

void SetMenu(WindowHandle window, MenuHandle menu) {
    WindowObject* w = Live(window);
    if (!w || !w->isDialog) return;
    DetachMenuBar(w);
    if (!LiveMenu(menu) || !menu->bar) return;
    menu->window = w;
    w->menu = menu;
    static_cast<DialogWidget*>(w->widget.data())->SetMenuBar(menu->bar);
}

void DetachMenuBar(WindowObject* dialog) {
    if (!dialog->menu) return;
    dialog->menu->window = nullptr;
    if (auto* widget = static_cast<DialogWidget*>(dialog->widget.data()))
        widget->SetMenuBar(nullptr);
    dialog->menu = nullptr;
}

void DestroyMenu(MenuHandle menu) {
    if (!LiveMenu(menu)) return;
    QWidget* widget = menu->Widget();
    for (QAction* action : widget->actions())
        if (action->menu()) DestroyMenu(OwnMenu(action->menu()));
    if (Live(menu->window) && menu->window->menu == menu) DetachMenuBar(menu->window);
    LiveMenus().erase(menu);
    delete widget; // its items with it; a popup leaves the menu it was appended to
    delete menu;
}

void SetMenuItemState(MenuHandle menu, unsigned id, unsigned state) {
    QAction* action = FindAction(LiveMenu(menu), id);
    if (!action) return;
    // Checkable only while checked: an unchecked checkable item would show an empty box,
    // where state 0 means no mark at all.
    const bool checked = state & MFS_CHECKED;
    action->setCheckable(checked);
    action->setChecked(checked);
    action->setEnabled((state & MFS_DISABLED) == 0);
}

unsigned GetMenuItemState(MenuHandle menu, unsigned id) {
    QAction* action = FindAction(LiveMenu(menu), id);
    if (!action) return 0;
    return (action->isChecked() ? MFS_CHECKED : 0) | (action->isEnabled() ? 0 : MFS_DISABLED);
}

void SetMenuItemKeys(MenuHandle menu, unsigned id, const std::string& keys) {
    QAction* action = FindAction(menu, id);
    if (!action) return;
    // The item's own window context: the keys act while the bar's window is active.
    action->setShortcuts(
        QKeySequence::listFromString(QString::fromStdString(keys), QKeySequence::PortableText));
}
