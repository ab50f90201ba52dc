#include "platform/Fonts.h"
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
// Installed with the program's packages; stands in for faces this machine lacks.
const char* const FallbackFamily = "DejaVu Sans";
} // namespace

int MulDiv(int a, int b, int c) {
    if (c == 0) return 0;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t magnitude = (std::abs(product) + std::abs(c) / 2) / std::abs(c);
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

QFont QtFontOf(const Font& description) {
    QFont font;
    QStringList families;
    if (!description.face.empty()) families << QString::fromStdString(description.face);
    families << FallbackFamily;
    font.setFamilies(families);
    font.setPixelSize(std::max(1, MulDiv(description.points > 0 ? description.points : 8, 96, 72)));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(description.weight, 1, 1000)));
    return font;
}

QFont DialogFont() { return QtFontOf(Font{FallbackFamily, 8, 400}); }
