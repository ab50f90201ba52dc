#pragma once
// Decoding an image file with the codecs, before anything is drawn.
#include <QImage>
#include <QSize>
#include <optional>
#include <string>

// The largest width or height, in image pixels, that is decoded at all. A file whose
// header claims more is refused before any pixel memory is taken, so a hostile or broken
// header cannot exhaust memory. (The editor itself takes at most 1071.)
constexpr int MaxDecodedSide = 16384;

struct DecodedImage {
    // The first frame of the file, as stored (its orientation tag is not applied).
    std::optional<QImage> image;
    // Without an image: the size the header states when a side of it is above the
    // largest side asked for (or MaxDecodedSide), and the file was not decoded; otherwise
    // invalid.
    QSize tooLarge;
};

// Nothing when the codecs cannot read the file, its header cannot be read, it is damaged
// or cut short, the decoder's size differs from its header's, or it is larger than
// MaxDecodedSide. A file whose header states a side above maxSide or MaxDecodedSide is
// not decoded: its stated size comes back instead. The file is read
// through one mapping, its header once.
DecodedImage DecodeImageFile(const std::string& path, int maxSide = MaxDecodedSide);
