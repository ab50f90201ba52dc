#pragma once
// Image files that the codecs' writers cannot make, put together byte by byte.
#include <QByteArray>
#include <QImage>
#include <array>
#include <string>
#include <vector>

// The picture encoded by the codecs (quality -1: their default).
QByteArray Encoded(const QImage& image, const char* format, int quality = -1);

// An 8-bit RGB PNG of the picture, stored interlaced (Adam7).
QByteArray InterlacedPng(const QImage& image);

// A PNG whose header claims width x height and that holds no image data.
QByteArray PngHeaderOnly(quint32 width, quint32 height);

// The PNG with `count` compressed text chunks right after its header chunk, each of them
// inflating to `inflated` bytes.
QByteArray WithTextChunks(const QByteArray& png, int count, int inflated);

// A black RGB PNG whose one zlib stream goes on after the last row with `megabytes` MB of
// zeros (each MB of them about 1 KB in the file).
QByteArray PngWithTrailingZeros(int width, int height, int megabytes);

// A 16-bit RGB PNG: samples holds red, green, blue of each pixel, rows top first; a tRNS
// chunk names the transparent colour key and a bKGD chunk the background.
using Rgb16 = std::array<quint16, 3>;
QByteArray Rgb16Png(int width, int height, const std::vector<Rgb16>& samples, Rgb16 key,
                    Rgb16 background);

// The picture as a progressive JPEG (several scans, each refining the last).
QByteArray ProgressiveJpeg(const QImage& image);

// The progressive JPEG with its last scan `times` times over.
QByteArray WithLastScanRepeated(const QByteArray& jpeg, int times);

// The JPEG with the size in its frame header changed; its image data stays as it was.
QByteArray WithJpegSize(QByteArray jpeg, quint16 width, quint16 height);

// An 8 x 8 JPEG in one flat CMYK colour; the four values are stored as given (with the
// Adobe marker, as CMYK files usually are: 255 is no ink).
QByteArray CmykJpeg(quint8 c, quint8 m, quint8 y, quint8 k);

// The JPEG with an EXIF block in front that tags it with the given orientation.
QByteArray WithExifOrientation(const QByteArray& jpeg, quint16 orientation);

// A GIF whose logical screen is width x height, holding one 2 x 2 red frame at (0, 0).
void WriteGifWithScreen(const std::string& path, int width, int height);

// The GIF with a logical screen of 0 x 0 (so that its first picture is looked for) and,
// before that picture, a comment of `blocks` one-byte blocks.
QByteArray WithoutScreenBehindComment(QByteArray gif, int blocks);

// A 2 x 2 GIF of two frames, the first filled with `first`, the second with `second`.
void WriteTwoFrameGif(const std::string& path, QRgb first, QRgb second);
