#pragma once
#include "base/Handles.h"

// The 13 x 10 palette of favourite colours; may change CurrentColour. Returns 0.
int ShowFavouritesDialog(WindowHandle owner);

// Whether an open favourites dialog may go when the program ends: it has no unsaved
// favourites, or the user answered its "Salir" question, saving on Yes. False when that
// save failed (the dialog then stays open). True when the dialog is not open.
bool FavouritesMayGo();
