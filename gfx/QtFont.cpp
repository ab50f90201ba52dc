#include "gfx/QtFont.h"
#include <QStringList>
#include <algorithm>

QFont QtFontOf(const Font& description) {
    QFont font;
    QStringList families;
    if (!description.face.empty()) families << QString::fromStdString(description.face);
    families << FallbackFamily;
    font.setFamilies(families);
    const int points = description.points > 0 ? description.points : 8;
    font.setPixelSize(std::max(1, (points * 96 + 36) / 72));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(description.weight, 1, 1000)));
    return font;
}
