#pragma once
// Drawing the favourites palette and the selected-colour box. Palette coordinates are
// the pixels of PaletteSurface, which the palette control shows 1:1 from its top-left.
#include "gfx/Drawing.h"
#include "palette/FavouritesStore.h"

constexpr int PaletteSurfaceWidth = 336;
constexpr int PaletteSurfaceHeight = 312;
extern SurfaceHandle PaletteSurface; // 0 while the dialog is closed

// The 130 shown swatches, black-bordered, on white.
void PaintPalette();
// One swatch on the current target: its box from (left + 3, top + 3) to (right, bottom).
void DrawSwatch(const FavouriteSwatch& swatch, Colour border);
// The palette surface made anew and painted, and shown on the palette control.
void ReplacePaletteSurface();
void DestroyPaletteSurface();
// The palette again on the control with swatch (column, row) outlined in white.
void HighlightSwatch(int column, int row);

// The swatch cell under a client position of the palette control: position ÷ 25, and
// only the 13 x 10 shown cells count.
bool SwatchAt(unsigned x, unsigned y, int& column, int& row);

// The selected-colour box filled with CurrentColour, with its caption.
void ShowSelectedColour();
// "Color Seleccionado" on the selected-colour box, centred, 12 pixels from its top.
void DrawSelectedColourCaption(Colour textColour);
