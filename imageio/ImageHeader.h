#pragma once
// What a picture file states in its header, read without decoding a pixel, so that a
// picture too large to edit is refused before it costs time and memory, and a file cut
// short before it is decoded into a partly black picture.
#include <QImageReader>
#include <QSize>
#include <span>

struct HeaderSize {
    bool stated = false;   // the format states its size in a header
    QSize size;            // the size, invalid when stated but the header cannot be read
    bool cutShort = false; // the file ends before its first picture's data does (BMP, GIF)
};

// From the reader's device, which is positioned at the file's start and left there, and
// the file's bytes. PNG: its IHDR chunk; GIF: its logical screen, or its first image when
// the screen is 0 wide or high (as the decoder does); other formats: as the codecs read
// their headers.
HeaderSize ReadHeaderSize(QImageReader& reader, std::span<const unsigned char> bytes);
