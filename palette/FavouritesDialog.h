#pragma once
#include "base/Handles.h"

// The 13 x 10 palette of favourite colours; may change CurrentColour. Returns 0.
int ShowFavouritesDialog(WindowHandle owner);
