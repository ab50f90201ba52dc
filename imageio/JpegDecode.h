#pragma once
// JPEG files decoded with libjpeg in the same pass that checks them, so that every scan is
// read once.
//
// The decoder fills a picture whose data ends early with grey and calls it a success; such
// a file is damaged and is refused instead, so a partial picture is never edited and
// saved. A file that lacks only its end marker, or has stray bytes between its segments,
// holds the whole picture and is not refused. Nor is a file of more scans than any encoder
// writes read to its end: each scan costs a pass over the whole picture.
#include <QImage>
#include <cstddef>
#include <optional>

// More scans than this and the file is refused. Real progressive files have about ten
// (one per component and band of coefficients, and their refinements).
constexpr int MaxJpegScans = 256;

// The picture (its orientation tag is not applied); nothing when the file is damaged, its
// data ends early (inside a scan, or before every component - in a progressive file every
// refinement - has had its scan), it has more than MaxJpegScans scans, or its colours
// are of no kind that makes RGB (grey, YCbCr, RGB, CMYK and YCCK do).
std::optional<QImage> DecodeJpeg(const unsigned char* bytes, std::size_t size);
