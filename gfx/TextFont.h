#pragma once
// The rendering font behind a font description, for the text sources of gfx/ and for the
// window layer, which gives its widgets the same fonts.
#include "gfx/Font.h"
#include <QFont>
#include <QFontMetrics>

// The toolkit font of a description, as RenderingOf tells.
QFont QtFontOf(const Font& description);

struct TextFont {
    QFont font;
    QFontMetrics metrics;
    int height;     // character cell height, pixels
    int lineHeight; // height plus external leading, pixels
};

// The font of the current target (the default 8-point font without a target or when the
// target has none). nullptr while there is no application object to render text with.
const TextFont* CurrentTextFont();
