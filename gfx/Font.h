#pragma once
// Fonts are plain descriptions: gfx renders text with them, the window layer gives them
// to controls. Whoever creates a font releases it.
#include <string>

struct Font {
    std::string face;
    int points = 8;
    int weight = 400; // 700 is bold
};
using FontHandle = const Font*;

FontHandle CreateFont(const std::string& face, int points, int weight);
void DeleteFont(FontHandle font);
