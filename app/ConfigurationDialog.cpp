#include "app/ConfigurationDialog.h"
#include "app/NumberFromText.h"
#include "app/state/State.h"
#include "gfx/Font.h"
#include "platform/DialogFocus.h"
#include "platform/Window.h"
#include <cstdint>
#include <string>

namespace {

constexpr std::uint32_t DialogStyle = 0x80C000D4; // caption, no system menu: no close box
constexpr std::uint32_t LabelStyle = WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t ButtonStyle = WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t NumberBoxStyle = 0x50812001; // digits only, centred, tab stop
constexpr std::int16_t DefaultFill = 3;

// Positions and sizes in dialog units.
struct ControlRow {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, width, height;
};
constexpr ControlRow Controls[] = {
    {IdcFillTitle, ControlKind::Label, "Tamaño de relleno en píxeles", 5, 5, 150, 15},
    {IdcWidthLabel, ControlKind::Label, "Ancho", 5, 30, 45, 15},
    {IdcWidthEdit, ControlKind::TextBox, "", 50, 30, 40, 13},
    {IdcHeightLabel, ControlKind::Label, "Alto", 5, 55, 45, 15},
    {IdcHeightEdit, ControlKind::TextBox, "", 50, 55, 40, 13},
    {IdcExit, ControlKind::Button, "Salir", 5, 100, 50, 15},
};

std::uint32_t StyleOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox: return NumberBoxStyle;
    case ControlKind::Button: return ButtonStyle;
    default: return LabelStyle;
    }
}

void AddControls(WindowHandle dialog, FontHandle font) {
    for (const ControlRow& row : Controls) {
        const std::uint32_t exStyle = row.kind == ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0;
        WindowHandle control =
            AddControl(dialog, row.kind, row.id, row.text, DialogUnitsToPixelsX(row.x),
                       DialogUnitsToPixelsY(row.y), DialogUnitsToPixelsX(row.width),
                       DialogUnitsToPixelsY(row.height), StyleOf(row.kind), exStyle);
        SetControlFont(control, font);
    }
}

// A box's value: its leading number; nothing, 0, a negative or out-of-range number
// gives the default.
std::int16_t FillFromBox(WindowHandle dialog, int id) {
    const std::int16_t value = NumberFromText(GetDlgItemText(dialog, id));
    return value <= 0 ? DefaultFill : value;
}

} // namespace

LRESULT ConfigurationDialogProc(WindowHandle dialog, unsigned message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemText(dialog, IdcWidthEdit, std::to_string(fillWidth));
        SetDlgItemText(dialog, IdcHeightEdit, std::to_string(fillHeight));
        break;
    case WM_NCACTIVATE: KeepFocusAcrossActivation(dialog, wParam); break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IdcExit && HIWORD(wParam) <= 1) {
            fillWidth = FillFromBox(dialog, IdcWidthEdit);
            fillHeight = FillFromBox(dialog, IdcHeightEdit);
            EndDialog(dialog, 0);
        }
        break;
    }
    return 0;
}

std::intptr_t ShowConfigurationDialog(WindowHandle owner) {
    FontHandle font = CreateFont("MS Sans Serif", 10, 700);
    WindowHandle dialog = CreateDialogWindow(
        "Configuración", DialogUnitsToPixelsX(70), DialogUnitsToPixelsY(70),
        DialogUnitsToPixelsX(160), DialogUnitsToPixelsY(121), DialogStyle, WS_EX_TOPMOST, owner);
    AddControls(dialog, font);
    const std::intptr_t result = RunModal(dialog, ConfigurationDialogProc);
    DeleteFont(font);
    return result;
}
