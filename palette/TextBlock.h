#pragma once
// A text wrapped to the width of a canvas control and drawn line by line.
#include "gfx/Colour.h"
#include "gfx/Font.h"
#include "platform/Handles.h"
#include <string>
#include <vector>

constexpr int AlignLeft = 131;
constexpr int AlignRight = 132;
constexpr int AlignCentre = 133;
constexpr int AlignJustify = 134; // lines of at least 0.8 x the widest spread to its width

constexpr int MaxTextBlockLines = 100;

// The lines a text is wrapped into on the current target in its current font: the first
// line to width - 5, the others to width, cut at blanks (a word wider than the width is
// cut where it must), leading blanks of continuation lines dropped; the last of the
// MaxTextBlockLines lines keeps whatever remains.
std::vector<std::string> WrapTextBlock(const std::string& text, int width);

// Draws text on canvas control (window, controlId) from (x0, y0), in font and textColour
// over the existing pixels. The control stays the current target afterwards.
void DrawTextBlock(WindowHandle window, int controlId, const std::string& text, int mode, int x0,
                   int y0, FontHandle font, Colour textColour);
