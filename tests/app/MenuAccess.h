#pragma once
// The main window's real menu bar, as the toolkit shows it.
#include "platform/QtAccess.h"
#include "state/State.h"
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <string>

inline QMenuBar* MainMenuBar() {
    QWidget* window = WidgetOf(MainWindow);
    return window ? window->findChild<QMenuBar*>() : nullptr;
}

// The item or popup with this text anywhere in the menu tree, or nullptr.
inline QAction* FindMenuAction(QWidget* menu, const std::string& text) {
    if (!menu) return nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().toStdString() == text) return action;
        if (QAction* found = FindMenuAction(action->menu(), text)) return found;
    }
    return nullptr;
}

// Chooses a menu item as the user would.
inline void ChooseMenuItem(const std::string& text) {
    QAction* action = FindMenuAction(MainMenuBar(), text);
    if (action) action->trigger();
}
