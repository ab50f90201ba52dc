#include "platform/Fonts.h"
#include <QStringList>
#include <cstdint>
#include <cstdlib>

QFont QtFontOf(const Font& description) {
    const FontRendering rendering = RenderingOf(description);
    QStringList families;
    for (const std::string& family : rendering.families) families << QString::fromStdString(family);
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(rendering.pixelSize);
    font.setWeight(static_cast<QFont::Weight>(rendering.weight));
    return font;
}

int MulDiv(int a, int b, int c) {
    if (c == 0) return 0;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t magnitude = (std::abs(product) + std::abs(c) / 2) / std::abs(c);
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

QFont DialogFont() { return QtFontOf(Font{FallbackFamily, 8, 400}); }
