// "Color Captado": the colour just captured, as a swatch and as "&H" with eight
// hexadecimal digits (00, blue, green, red). It only shows; it changes nothing.
#include "palette/CapturedColourDialog.h"
#include "app/state/State.h"
#include "gfx/Drawing.h"
#include "palette/DialogControls.h"
#include "platform/DialogFocus.h"
#include "platform/Window.h"
#include <cstdio>

namespace {

constexpr int SwatchId = 21002;
constexpr int ValueLabelId = 21003;
constexpr int AcceptId = 21004;

// "&&" because the label shows "&" as the mnemonic prefix.
std::string ValueText(Colour colour) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(colour));
    return std::string("&&H") + digits;
}

LRESULT CapturedColourProc(WindowHandle dialog, unsigned message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        // A background of -1 (a capture outside any surface) shows the button face.
        SelectTarget(dialog, SwatchId, false);
        SetColours(Black, CurrentColour);
        ClearTarget(ColourDefault);
        ReleaseTarget();
        SetDlgItemText(dialog, ValueLabelId, ValueText(CurrentColour));
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == AcceptId && HIWORD(wParam) <= 1) EndDialog(dialog, 0);
        break;
    case WM_NCACTIVATE: KeepFocusAcrossActivation(dialog, wParam); break;
    default:
        // The close command (Alt+F4) is left to the platform, which ends the dialog with
        // 0 just as "Aceptar" does: the dialog has nothing to save or ask.
        break;
    }
    return 0;
}

} // namespace

int ShowCapturedColourDialog(WindowHandle owner) {
    WindowHandle dialog =
        CreateDialogWindow("Color Captado", 0, 0, 302, 170,
                           WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER, WS_EX_TOPMOST, owner);
    AddWhiteCanvas(dialog, SwatchId, 8, 8, 288, 88, false);
    WindowHandle label = AddControl(dialog, ControlKind::Label, ValueLabelId, "", 8, 104, 288, 24,
                                    WS_CHILD | WS_VISIBLE | SS_CENTER);
    WindowHandle accept = AddControl(dialog, ControlKind::Button, AcceptId, "Aceptar", 202, 136, 94,
                                     24, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    FontHandle labelFont = CreateFont("MS Sans Serif", 14, 700);
    FontHandle buttonFont = CreateFont("MS Sans Serif", 10, 700);
    SetControlFont(label, labelFont);
    SetControlFont(accept, buttonFont);

    RunModal(dialog, CapturedColourProc);
    DeleteFont(labelFont);
    DeleteFont(buttonFont);
    return 0;
}
