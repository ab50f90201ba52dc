// "Tus Colores Favoritos Cargalos y Guardalos": the 13 x 10 palette, the selected-colour
// box and the buttons "Archivar", "Salir" and "Reseteo".
#include "palette/FavouritesDialog.h"
#include "palette/DialogControls.h"
#include "palette/FavouritesDialogState.h"
#include "palette/PalettePainting.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "state/State.h"

WindowHandle FavouritesWindow = nullptr;
bool PaletteChanged = false;
bool chooserBusy = false;
Colour CustomColours[16] = {};
WindowProc previousPaletteProc = nullptr;

namespace {

void EnableArchive(bool enable) {
    EnableWindow(GetDlgItem(FavouritesWindow, ArchiveButtonId), enable);
}

void OpenPalette(WindowHandle dialog) {
    FavouritesWindow = dialog;
    SetProgramFolder();
    PaletteChanged = false;
    EnableArchive(false);
    if (FavouritesFileExists())
        LoadFavourites();
    else
        BuildDefaultFavourites(PaletteColumns, PaletteRows, PaletteOriginX, PaletteOriginY);
    ReplacePaletteSurface();
    // The box itself stays white on opening, whatever CurrentColour is.
    DrawSelectedColourCaption(Black);
}

void Archive() {
    // After a failed save (already reported) the changes stay pending: "Archivar" stays
    // enabled and "Salir" still asks.
    if (!SaveFavourites()) return;
    PaletteChanged = false;
    EnableArchive(false);
    MessageBox(nullptr, "Mis Colores Favoritos han sido Archivados", ProgramCaption, MB_OK);
}

// "Salir"'s question when swatches changed; Yes saves them. False when the save failed:
// the dialog then stays open, so the changes are not lost unasked.
bool AskToKeepChanges() {
    if (!PaletteChanged) return true;
    int answer =
        MessageBox(nullptr, "Desea guardar los cambios antes de Salir ?", ProgramCaption, MB_YESNO);
    return answer != IDYES || SaveFavourites();
}

void Leave(WindowHandle dialog) {
    if (AskToKeepChanges()) EndDialog(dialog, 0);
}

void Reset() {
    int answer =
        MessageBox(nullptr, "Realmente desea RESETEAR ?\r\nSe perderan todos tus colores favoritos",
                   ProgramCaption, MB_YESNO);
    if (answer != IDYES) return;
    RemoveFavouritesFile();
    BuildDefaultFavourites(PaletteColumns, PaletteRows, PaletteOriginX, PaletteOriginY);
    ReplacePaletteSurface();
    CurrentColour = White;
    ShowSelectedColour();
    // PaletteChanged and "Archivar" stay as they were.
}

void OnCommand(WindowHandle dialog, unsigned id) {
    switch (id) {
    case ArchiveButtonId: Archive(); break;
    case ExitButtonId: Leave(dialog); break;
    case ResetButtonId: Reset(); break;
    default: break;
    }
}

LRESULT FavouritesProc(WindowHandle dialog, unsigned message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: OpenPalette(dialog); break;
    case WM_COMMAND:
        if (HIWORD(wParam) <= 1) OnCommand(dialog, LOWORD(wParam)); // click, or 1
        break;
    case WM_SYSCOMMAND:
        // The platform's close command (Alt+F4) acts as "Salir", question included; the
        // dialog ends itself (or stays open), so the platform must not close it too.
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            Leave(dialog);
            return 1;
        }
        break;
    default: break;
    }
    return 0;
}

WindowHandle AddButton(WindowHandle dialog, int id, const char* text, int x, FontHandle font) {
    WindowHandle button = AddControl(dialog, ControlKind::Button, id, text, x, 328, 72, 24,
                                     WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    SetControlFont(button, font);
    return button;
}

} // namespace

int ShowFavouritesDialog(WindowHandle owner) {
    WindowHandle dialog =
        CreateDialogWindow("Tus Colores Favoritos Cargalos y Guardalos", 0, 0, 350, 357,
                           WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER, 0, owner);
    AddWhiteCanvas(dialog, PaletteControlId, 8, 8, 336, 260, true);
    AddWhiteCanvas(dialog, SelectedColourId, 8, 270, 336, 50, false);
    FontHandle buttonFont = CreateDialogFont(10);
    AddButton(dialog, ArchiveButtonId, "Archivar", 8, buttonFont);
    AddButton(dialog, ExitButtonId, "Salir", 272, buttonFont);
    AddButton(dialog, ResetButtonId, "Reseteo", 136, buttonFont);
    previousPaletteProc = SubclassWindow(GetDlgItem(dialog, PaletteControlId), PaletteProc);

    RunModal(dialog, FavouritesProc);
    DeleteFont(buttonFont);
    DestroyPaletteSurface();
    FavouritesWindow = nullptr;
    chooserBusy = false;
    return 0;
}

bool FavouritesMayGo() { return FavouritesWindow == nullptr || AskToKeepChanges(); }
