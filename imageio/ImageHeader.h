#pragma once
// The size a picture file states in its header, read without decoding a pixel, so that a
// picture too large to edit is refused before it costs time and memory.
#include <QImageReader>
#include <QSize>

struct HeaderSize {
    bool stated = false; // the format states its size in a header
    QSize size;          // the size, invalid when stated but the header cannot be read
};

// From the reader's device, which is positioned at the file's start and left there.
// PNG: its IHDR chunk; GIF: its logical screen, or its first image when the screen is
// 0 wide or high (as the decoder does); other formats: as the codecs read their headers.
HeaderSize ReadHeaderSize(QImageReader& reader);
