#pragma once
// Fonts are plain descriptions: gfx renders text with them, the window layer gives them
// to controls. Whoever creates a font releases it.
#include <string>
#include <vector>

struct Font {
    std::string face;
    int points = 8;
    int weight = 400; // 700 is bold
};
using FontHandle = const Font*;

FontHandle CreateFont(const std::string& face, int points, int weight);
void DeleteFont(FontHandle font);
// The dialogs' bold face for their buttons and labels, at a size in points.
FontHandle CreateDialogFont(int points);

// Installed with the program's packages; stands in for faces this machine lacks.
constexpr const char* FallbackFamily = "DejaVu Sans";

// How a description is rendered, by the text on surfaces and by the window layer's
// controls alike, so that both show it the same: its face, then FallbackFamily; points as
// pixels at 96 dots per inch, rounded to the nearest pixel, so that a dialog laid out in
// pixels looks alike on every screen (0 or fewer points count as 8); the weight held to
// 1..1000.
struct FontRendering {
    std::vector<std::string> families;
    int pixelSize;
    int weight;
};
FontRendering RenderingOf(const Font& description);
