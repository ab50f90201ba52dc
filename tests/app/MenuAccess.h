#pragma once
// The main window's real menu bar, as the toolkit shows it, and a stroke chosen with it.
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include "state/State.h"
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <functional>
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

// One stroke of "Editar Color captado " painting grid cell (column, row) black; whilePressed
// runs between the press and the release.
inline void PaintCell(int column, int row, const std::function<void()>& whilePressed = {}) {
    ChooseMenuItem("Editar Color captado ");
    CurrentColour = Black;
    const WindowHandle canvas = GetDlgItem(MainWindow, CanvasControlId);
    const LPARAM at = MAKELPARAM(7 * column + 3, 7 * row + 4);
    SendMessage(canvas, WM_LBUTTONDOWN, MK_LBUTTON, at);
    if (whilePressed) whilePressed();
    SendMessage(canvas, WM_LBUTTONUP, 0, at);
}
