#pragma once
// The blocks of a GIF file up to the end of its first picture, walked in memory: where a
// reader of the file would seek and read a byte per block, a file of millions of blocks
// costs millions of calls.
#include <QSize>
#include <span>

struct GifLayout {
    // The logical screen, or the first picture's size when the screen is 0 wide or high
    // (as the decoder does); invalid when that picture cannot be found or the file does
    // not start with a GIF header.
    QSize size;
    bool cutShort = false; // the file ends before the first picture's data does
};

GifLayout ReadGifLayout(std::span<const unsigned char> bytes);
