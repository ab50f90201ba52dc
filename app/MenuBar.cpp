#include "app/MenuBar.h"
#include "grid/Journal.h"
#include "grid/Tools.h"
#include "platform/Menu.h"
#include "state/State.h"

namespace {

enum class MenuRowKind { Popup, Item, Separator, LeftTools, RightTools };
using enum MenuRowKind;

// One row of the menu tree, top-down: level 1 is the bar, 2 a popup of the bar, 3 a
// submenu of that popup. LeftTools and RightTools stand for an item per tool of that
// button, from the tool table.
struct MenuRow {
    int level;
    const char* text;
    MenuRowKind kind;
    unsigned id;           // items only
    const char* keys = ""; // items only: their shortcut keys, the first shown ("; " between)
};

// clang-format off
constexpr MenuRow Rows[] = {
    {1, "Archivos", Popup, 0},
    {2, "Grabar", Item, CmdSave, "Ctrl+S"},
    {2, "-", Separator, 0},
    {2, "Autor", Item, CmdAuthor},
    {1, "Edicion", Popup, 0},
    {2, "Deshacer", Item, CmdUndo, "Ctrl+Z"},
    {2, "Rehacer", Item, CmdRedo, "Ctrl+Y; Ctrl+Shift+Z"},
    {1, "Opciones", Popup, 0},
    {2, "Configurador", Item, CmdConfigure},
    {1, "Raton", Popup, 0},
    {2, "Izquierda", Popup, 0},
    {3, nullptr, LeftTools, 0},
    {2, "Derecha", Popup, 0},
    {3, nullptr, RightTools, 0},
};
// clang-format on

constexpr int Depth = 3;

// An item per tool of the button; the first starts checked. A new item is unchecked and
// enabled: only a check mark needs setting.
void AppendTools(MenuHandle menu, MouseButton button) {
    bool first = true;
    for (const Tool& tool : Tools()) {
        if (tool.button != button) continue;
        AppendMenu(menu, MF_STRING, tool.commandId, tool.menuText);
        if (first) SetMenuCheck(tool.commandId, MFS_CHECKED);
        first = false;
    }
}

// Greyed when there is nothing to take back, or to put back.
void ShowUndoRedoState() {
    SetMenuItemState(MenuBar, CmdUndo, CanUndo() ? 0 : MFS_DISABLED);
    SetMenuItemState(MenuBar, CmdRedo, CanRedo() ? 0 : MFS_DISABLED);
}

} // namespace

MenuHandle BuildMenuBar(WindowHandle window) {
    MenuBar = CreateMenu();
    // parents[level - 1] is the menu that rows of that level are appended to.
    MenuHandle parents[Depth + 1] = {MenuBar};
    for (const MenuRow& row : Rows) {
        MenuHandle parent = parents[row.level - 1];
        switch (row.kind) {
        case Popup: {
            MenuHandle popup = CreatePopupMenu();
            AppendMenu(parent, MF_POPUP, reinterpret_cast<std::uintptr_t>(popup), row.text);
            parents[row.level] = popup;
            break;
        }
        case Separator: AppendMenu(parent, MF_SEPARATOR, 0, row.text); break;
        case Item:
            AppendMenu(parent, MF_STRING, row.id, row.text);
            SetMenuItemKeys(parent, row.id, row.keys);
            break;
        case LeftTools: AppendTools(parent, MouseButton::Left); break;
        case RightTools: AppendTools(parent, MouseButton::Right); break;
        }
    }
    SetMenu(window, MenuBar);
    ShowUndoRedoState();
    SetJournalListener(ShowUndoRedoState);
    return MenuBar;
}

void SetMenuCheck(unsigned id, unsigned state) { SetMenuItemState(MenuBar, id, state); }
