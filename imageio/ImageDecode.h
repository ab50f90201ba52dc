#pragma once
// Decoding an image file with the codecs, before anything is drawn.
#include <QImage>
#include <optional>
#include <string>

// The largest width or height, in image pixels, that is decoded at all. A file whose
// header claims more is refused before any pixel memory is taken, so a hostile or broken
// header cannot exhaust memory. (The editor itself takes at most 1071.)
constexpr int MaxDecodedSide = 16384;

// The first frame of the image file, as stored (its orientation tag is not applied);
// nothing when the codecs cannot read the file, its header cannot be read, it is damaged
// or cut short, the decoder's size differs from its header's, or it is larger than
// MaxDecodedSide.
std::optional<QImage> DecodeImageFile(const std::string& path);
