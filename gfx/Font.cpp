#include "gfx/Font.h"
#include <algorithm>

FontHandle CreateFont(const std::string& face, int points, int weight) {
    return new Font{face, points, weight};
}

void DeleteFont(FontHandle font) { delete font; }

FontHandle CreateDialogFont(int points) { return CreateFont("MS Sans Serif", points, 700); }

FontRendering RenderingOf(const Font& description) {
    FontRendering rendering;
    if (!description.face.empty()) rendering.families.push_back(description.face);
    rendering.families.push_back(FallbackFamily);
    const int points = description.points > 0 ? description.points : 8;
    rendering.pixelSize = std::max(1, (points * 96 + 36) / 72);
    rendering.weight = std::clamp(description.weight, 1, 1000);
    return rendering;
}
