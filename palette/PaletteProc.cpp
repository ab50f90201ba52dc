// The palette control's pointer handling. Positions are the control's client pixels,
// which are the palette surface's pixels.
#include "app/state/State.h"
#include "palette/FavouritesDialogState.h"
#include "palette/PalettePainting.h"
#include "platform/ColourDialog.h"
#include "platform/Window.h"

namespace {

constexpr Colour ChooserInitialColour = 0x808080;
constexpr int ChooserOffset = 30; // from the dialog's top-left corner, screen pixels

void ChooseSwatchColour(int column, int row) {
    ScreenRect frame = GetWindowRect(FavouritesWindow);
    ColourDialogRequest request;
    request.owner = FavouritesWindow;
    request.initial = ChooserInitialColour;
    request.customColours = CustomColours;
    request.x = frame.left + ChooserOffset;
    request.y = frame.top + ChooserOffset;
    std::optional<Colour> chosen = ChooseColour(request);
    if (!chosen) return;
    FavouritePalette[column][row].colour = *chosen;
    PaletteChanged = true;
    EnableWindow(GetDlgItem(FavouritesWindow, ArchiveButtonId), true);
    // Not repainted here: the new colour shows with the next pointer movement.
}

void TakeColourAt(unsigned x, unsigned y) {
    SelectTarget(FavouritesWindow, PaletteControlId, false);
    CurrentColour = ReadPixel(static_cast<int>(x), static_cast<int>(y));
    ShowSelectedColour();
}

} // namespace

LRESULT PaletteProc(WindowHandle control, unsigned message, WPARAM wParam, LPARAM lParam) {
    unsigned x = LOWORD(static_cast<std::uintptr_t>(lParam));
    unsigned y = HIWORD(static_cast<std::uintptr_t>(lParam));
    int column = 0, row = 0;
    switch (message) {
    case WM_MOUSEMOVE:
        // Elsewhere nothing changes: the last highlight stays.
        if (SwatchAt(x, y, column, row)) HighlightSwatch(column, row);
        break;
    case WM_LBUTTONDOWN:
        // The chooser runs its own loop; a second press meanwhile opens no second one.
        if (chooserBusy) break;
        chooserBusy = true;
        if (SwatchAt(x, y, column, row)) ChooseSwatchColour(column, row);
        chooserBusy = false;
        break;
    case WM_RBUTTONDOWN:
        TakeColourAt(x, y); // anywhere: fill, border, gap or highlight
        break;
    default: break;
    }
    return CallWindowProc(previousPaletteProc, control, message, wParam, lParam);
}
