#pragma once
// The toolkit font behind a font description, shared by the text on surfaces and the
// window layer's controls, so that both render a description alike.
#include "gfx/Font.h"
#include <QFont>

// Installed with the program's packages; stands in for faces this machine lacks.
constexpr const char* FallbackFamily = "DejaVu Sans";

// Points become pixels at 96 dots per inch (rounded to the nearest pixel), so a dialog
// laid out in pixels looks alike on every screen; 0 or fewer points: 8.
QFont QtFontOf(const Font& description);
