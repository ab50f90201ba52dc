#include "app/MenuBar.h"
#include "app/state/State.h"
#include "platform/Menu.h"

namespace {

enum class MenuRowKind { Popup, Item, Separator };
using enum MenuRowKind;

// One row of the menu tree, top-down: level 1 is the bar, 2 a popup of the bar, 3 a
// submenu of that popup.
struct MenuRow {
    int level;
    const char* text;
    MenuRowKind kind;
    unsigned id;    // items only
    unsigned state; // MFS_CHECKED or 0, items only
};

// Two texts end in one blank on purpose: they are the program's own texts.
constexpr MenuRow Rows[] = {
    {1, "Archivos", Popup, 0, 0},
    {2, "Grabar", Item, CmdSave, 0},
    {2, "-", Separator, 0, 0},
    {2, "Autor", Item, CmdAuthor, 0},
    {1, "Opciones", Popup, 0, 0},
    {2, "Configurador", Item, CmdConfigure, 0},
    {1, "Raton", Popup, 0, 0},
    {2, "Izquierda", Popup, 0, 0},
    {3, "Mover papel", Item, CmdMovePaper, MFS_CHECKED},
    {3, "Editar Color captado ", Item, CmdEditCapturedColour, 0},
    {3, "Editar Color captado Multiple", Item, CmdEditCapturedColourMultiple, 0},
    {3, "Editar Color Real ", Item, CmdEditRealColour, 0},
    {3, "Editar Color Real Multiple", Item, CmdEditRealColourMultiple, 0},
    {2, "Derecha", Popup, 0, 0},
    {3, "Captar Color", Item, CmdCaptureColour, MFS_CHECKED},
    {3, "Mis Colores Favoritos", Item, CmdFavouriteColours, 0},
};

constexpr int Depth = 3;

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
            // A new item is unchecked and enabled: only a check mark needs setting.
            if (row.state != 0) SetMenuCheck(row.id, row.state);
            break;
        }
    }
    SetMenu(window, MenuBar);
    return MenuBar;
}

void SetMenuCheck(unsigned id, unsigned state) { SetMenuItemState(MenuBar, id, state); }
