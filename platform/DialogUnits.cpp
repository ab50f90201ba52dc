// Dialog units. The dialogs' font is DejaVu Sans at 8 points, which at 96 dots per inch is
// an 11-pixel font whose average character is 6 pixels wide and whose line is 13 pixels
// high: the dialog base units are 6 x 13 pixels. A horizontal unit is a quarter of the base
// width and a vertical unit an eighth of the base height:
//     x pixels = units * 6 / 4,   y pixels = units * 13 / 8,
// each rounded to the nearest pixel, halves away from zero (as MulDiv rounds). So the 160
// x 121 configuration dialog is 240 x 197 pixels, and a 13-unit text box 21 pixels high.
#include "platform/Fonts.h"
#include "platform/Window.h"

namespace {
constexpr int BaseUnitX = 6;  // pixels
constexpr int BaseUnitY = 13; // pixels
} // namespace

int DialogUnitsToPixelsX(int units) { return MulDiv(units, BaseUnitX, 4); }
int DialogUnitsToPixelsY(int units) { return MulDiv(units, BaseUnitY, 8); }
