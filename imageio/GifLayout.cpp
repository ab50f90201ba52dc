#include "imageio/GifLayout.h"
#include <cstring>

namespace {

int LittleEndian16(std::span<const unsigned char> bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8;
}

// The length of the colour table that the flags announce.
std::size_t ColourTable(unsigned char flags) {
    return (flags & 0x80) ? std::size_t(3) << ((flags & 7) + 1) : 0;
}

// Past sub-blocks that start at `at`, up to and with the empty one that ends them; false
// when the file ends first.
bool SkipSubBlocks(std::span<const unsigned char> bytes, std::size_t& at) {
    while (at < bytes.size()) {
        const std::size_t length = bytes[at];
        at += 1 + length;
        if (length == 0) return true;
    }
    return false;
}

} // namespace

GifLayout ReadGifLayout(std::span<const unsigned char> bytes) {
    GifLayout layout;
    if (bytes.size() < 13 || (std::memcmp(bytes.data(), "GIF87a", 6) != 0 &&
                              std::memcmp(bytes.data(), "GIF89a", 6) != 0))
        return layout;
    const QSize screen(LittleEndian16(bytes, 6), LittleEndian16(bytes, 8));
    if (!screen.isEmpty()) layout.size = screen;
    std::size_t at = 13 + ColourTable(bytes[10]);
    for (;;) {
        if (at >= bytes.size()) break;
        if (bytes[at] == '!') { // an extension: its label, then its sub-blocks
            at += 2;
            if (!SkipSubBlocks(bytes, at)) break;
            continue;
        }
        if (bytes[at] != ',') return layout; // no picture: for the decoder to judge
        if (at + 10 > bytes.size()) break;
        const QSize image(LittleEndian16(bytes, at + 5), LittleEndian16(bytes, at + 7));
        if (screen.isEmpty() && !image.isEmpty()) layout.size = image;
        at += 10 + ColourTable(bytes[at + 9]) + 1; // descriptor, colours, LZW code size
        layout.cutShort = !SkipSubBlocks(bytes, at);
        return layout;
    }
    layout.cutShort = true;
    return layout;
}
