#pragma once
// Image files that the codecs' writers cannot make, put together byte by byte.
#include <QByteArray>
#include <QImage>
#include <string>

// The picture encoded by the codecs (quality -1: their default).
QByteArray Encoded(const QImage& image, const char* format, int quality = -1);

// An 8-bit RGB PNG of the picture, stored interlaced (Adam7).
QByteArray InterlacedPng(const QImage& image);

// A PNG whose header claims width x height and that holds no image data.
QByteArray PngHeaderOnly(quint32 width, quint32 height);

// An 8 x 8 JPEG in one flat CMYK colour; the four values are stored as given (with the
// Adobe marker, as CMYK files usually are: 255 is no ink).
QByteArray CmykJpeg(quint8 c, quint8 m, quint8 y, quint8 k);

// The JPEG with an EXIF block in front that tags it with the given orientation.
QByteArray WithExifOrientation(const QByteArray& jpeg, quint16 orientation);

// A 2 x 2 GIF of two frames, the first filled with `first`, the second with `second`.
void WriteTwoFrameGif(const std::string& path, QRgb first, QRgb second);
