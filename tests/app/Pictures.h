#pragma once
// Small pictures written as rows of letters, and the view the program should show for
// them: every image pixel a 6 x 6 square inside the one-pixel black mesh, 7 pixels apart.
#include "gfx/Colour.h"
#include <QImage>
#include <cstdio>
#include <string>
#include <vector>

using LetterRows = std::vector<std::string>;

// K black, W white, r red, g green, b blue, y yellow, c cyan, m magenta, o orange, p
// purple, n brown, s silver.
inline Colour LetterColour(char letter) {
    switch (letter) {
    case 'K':
        return Black;
    case 'W':
        return White;
    case 'r':
        return MakeColour(200, 30, 40);
    case 'g':
        return MakeColour(20, 160, 60);
    case 'b':
        return MakeColour(30, 60, 210);
    case 'y':
        return MakeColour(240, 220, 20);
    case 'c':
        return MakeColour(20, 200, 220);
    case 'm':
        return MakeColour(210, 40, 200);
    case 'o':
        return MakeColour(250, 140, 10);
    case 'p':
        return MakeColour(110, 40, 160);
    case 'n':
        return MakeColour(120, 70, 30);
    default:
        return Silver;
    }
}

inline QRgb ToQRgb(Colour c) {
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}
inline Colour FromQRgb(QRgb p) {
    return MakeColour(qRed(p), qGreen(p), qBlue(p));
}

// A picture of width x height whose pixel (x, y) is rows[y % rows][x % width of row].
inline QImage LetterImage(const LetterRows& rows, int width = 0, int height = 0) {
    if (width == 0) width = static_cast<int>(rows[0].size());
    if (height == 0) height = static_cast<int>(rows.size());
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const std::string& row = rows[y % rows.size()];
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, ToQRgb(LetterColour(row[x % row.size()])));
    }
    return image;
}

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
