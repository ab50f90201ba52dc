#include "app/Closing.h"
#include "app/Commands.h"
#include "grid/Recovery.h"
#include "grid/SavedPicture.h"
#include "palette/FavouritesDialog.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"

namespace {

constexpr const char* QuestionCaption = "Colvero";

bool asking = false; // a close question is open: a further close request waits for it

// Whether the picture may go: it holds nothing unsaved, or the user saved it or said No.
bool PictureMayGo() {
    if (!HasUnsavedEdits()) return true;
    switch (MessageBox(nullptr, UnsavedEditsQuestion, QuestionCaption,
                       MB_YESNOCANCEL | MB_SETFOREGROUND)) {
    case IDYES: return SaveImage();
    case IDNO: return true;
    default: return false;
    }
}

} // namespace

void CloseMainWindow() {
    if (asking) return;
    asking = true;
    const bool leave = PictureMayGo() && FavouritesMayGo();
    asking = false;
    if (!leave) return;
    EndRecovery(); // what it held is saved, or the user dropped it
    // The other windows run inside the main window's run, so they all end with it.
    EndAllModalRuns();
}
