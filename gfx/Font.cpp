#include "gfx/Font.h"

FontHandle CreateFont(const std::string& face, int points, int weight) {
    return new Font{face, points, weight};
}

void DeleteFont(FontHandle font) { delete font; }
