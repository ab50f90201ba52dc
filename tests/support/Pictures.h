#pragma once
// Pixels written as pictures: rows of letters, one letter a pixel, the top row first.
// Reads a block of a surface as such rows and makes or paints a surface from them. A
// legend names the letters: the common one serves every folder, and a folder whose
// colours differ passes its own letters, which are looked up before the common ones.
#include "gfx/Drawing.h"
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using Legend = std::map<char, Colour>; // letter -> colour

// K black, W white, s silver, r red, g green, b blue, y yellow, c cyan, m magenta,
// G grey 0x808080, p 0x7F7FFF (half-transparent red over white), f the button face.
const Legend& CommonLegend();

// A picture; a failed comparison prints it one row a line, so that it reads as it looks.
struct Rows : std::vector<std::string> {
    using std::vector<std::string>::vector;
    Rows(std::vector<std::string> rows) // plain vectors of rows are pictures too
        : std::vector<std::string>(std::move(rows)) {}
    friend void PrintTo(const Rows& rows, std::ostream* out);
};

// The colour of a letter, own letters first. A letter no legend names fails the test
// (and gives black).
Colour LetterColour(char letter, const Legend& own = {});

// The w x h block at (x, y) of a surface: '?' for a colour no legend names, '-' for a
// pixel outside the surface (every pixel when there is none).
Rows Picture(const Surface* surface, int x, int y, int w, int h, const Legend& own = {});
Rows Picture(SurfaceHandle surface, int x, int y, int w, int h, const Legend& own = {});
Rows Picture(SurfaceHandle surface, const Legend& own = {}); // the whole surface
// A block of the current target, an off-screen surface or a canvas control.
Rows TargetPicture(int x, int y, int w, int h, const Legend& own = {});

// Writes the picture into the current target's pixels from (0, 0), pixel by pixel; the
// position stays where it was. A row may be shorter than the others: the pixels past its
// end keep their colour. Nothing is written outside the target.
void Paint(const Rows& rows, const Legend& own = {});
// A new surface as wide as the longest row and as high as the rows, white where a short
// row names no pixel. The current target stays as it was.
SurfaceHandle SurfaceFromPicture(const Rows& rows, const Legend& own = {});
