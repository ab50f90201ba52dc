#pragma once
// The app tests' pictures, in colours of their own, and the view the program should show
// for them: every image pixel a 6 x 6 square inside the one-pixel black mesh, 7 pixels
// apart.
#include "gfx/Colour.h"
#include "tests/support/PictureImage.h"
#include <QImage>
#include <cstdio>
#include <string>

// r red, g green, b blue, y yellow, c cyan, m magenta, o orange, p purple, n brown; K, W
// and s as in the common legend.
inline const Legend AppColours{{'r', MakeColour(200, 30, 40)},  {'g', MakeColour(20, 160, 60)},
                               {'b', MakeColour(30, 60, 210)},  {'y', MakeColour(240, 220, 20)},
                               {'c', MakeColour(20, 200, 220)}, {'m', MakeColour(210, 40, 200)},
                               {'o', MakeColour(250, 140, 10)}, {'p', MakeColour(110, 40, 160)},
                               {'n', MakeColour(120, 70, 30)}};

inline Colour FromQRgb(QRgb p) { return MakeColour(qRed(p), qGreen(p), qBlue(p)); }

// The colour of view pixel (x, y) with the paper's top-left corner at view (left, top).
inline Colour ExpectedViewPixel(const QImage& image, int left, int top, int x, int y) {
    const int px = x - left, py = y - top; // paper pixels
    if (px < 0 || py < 0 || px > 7 * image.width() || py > 7 * image.height()) return White;
    if (px % 7 == 0 || py % 7 == 0) return Black;
    return FromQRgb(image.pixel(px / 7, py / 7));
}

// The first mismatch between a view region (pixels given by at(x, y)) and the expected
// view, as text; empty when they agree.
template <typename At>
std::string CompareView(const QImage& image, int left, int top, int width, int height, At at) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Colour expected = ExpectedViewPixel(image, left, top, x, y);
            const Colour actual = at(x, y);
            if (actual != expected) {
                char text[120];
                std::snprintf(text, sizeof text, "view (%d, %d): 0x%06X, expected 0x%06X", x, y,
                              actual, expected);
                return text;
            }
        }
    return {};
}
