#include "palette/PalettePainting.h"
#include "palette/FavouritesDialogState.h"
#include "palette/TextBlock.h"
#include "state/State.h"
#include <algorithm>
#include <cstdint>

SurfaceHandle PaletteSurface = 0;

namespace {

// Edges come from the file as they are; far outside every surface one value is as good
// as another, and the clamp keeps "+ 3" and the drawing layer's own arithmetic in range.
int Coordinate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -65536, 65536));
}

void ShowPaletteOnControl() {
    SelectTarget(FavouritesWindow, PaletteControlId, false);
    CopySurface(PaletteSurface);
}

} // namespace

void DrawSwatch(const FavouriteSwatch& swatch, Colour border) {
    DrawBox(Coordinate(std::int64_t{swatch.left} + SwatchInset),
            Coordinate(std::int64_t{swatch.top} + SwatchInset), Coordinate(swatch.right),
            Coordinate(swatch.bottom), border, swatch.colour);
}

void PaintPalette() {
    SelectTarget(PaletteSurface);
    ClearTarget(White);
    SetPenWidth(OutlineWidth);
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteColumns; ++c) DrawSwatch(FavouritePalette[c][r], Black);
}

void DestroyPaletteSurface() {
    if (PaletteSurface == 0) return;
    SelectTarget(PaletteSurface);
    DestroySurface();
    PaletteSurface = 0;
}

void ReplacePaletteSurface() {
    DestroyPaletteSurface();
    PaletteSurface = CreateSurface(PaletteSurfaceWidth, PaletteSurfaceHeight);
    PaintPalette();
    ShowPaletteOnControl();
}

void HighlightSwatch(int column, int row) {
    PaintPalette();
    ShowPaletteOnControl();
    // On the control only: the next repaint of the palette takes the highlight away.
    DrawSwatch(FavouritePalette[column][row], White);
}

bool SwatchAt(unsigned x, unsigned y, int& column, int& row) {
    column = static_cast<int>(x / SwatchPitch);
    row = static_cast<int>(y / SwatchPitch);
    return column < PaletteColumns && row < PaletteRows;
}

void ShowSelectedColour() {
    SelectTarget(FavouritesWindow, SelectedColourId, false);
    SetColours(Black, CurrentColour);
    ClearTarget(ColourDefault); // the background colour, CurrentColour
    DrawSelectedColourCaption(CurrentColour == Black ? White : Black);
}

void DrawSelectedColourCaption(Colour textColour) {
    FontHandle font = CreateFont("Tahoma", 12, 700);
    DrawTextBlock(FavouritesWindow, SelectedColourId, "Color Seleccionado", AlignCentre, 1, 12,
                  font, textColour);
    ReleaseTarget();
    DeleteFont(font);
}
