#include "imageio/JpegCheck.h"

namespace {

constexpr unsigned char MarkerPrefix = 0xFF;
constexpr unsigned char StartOfImage = 0xD8;
constexpr unsigned char EndOfImage = 0xD9;
constexpr unsigned char StartOfScan = 0xDA;
constexpr unsigned char Temporary = 0x01;

// Markers that carry no length field.
bool IsStandalone(unsigned char marker) {
    return marker == Temporary || (marker >= 0xD0 && marker <= 0xD7); // TEM, RST0..RST7
}

// Position of the marker that ends the entropy-coded data starting at pos, or size when
// the data runs to the end. Inside the data 0xFF is followed by 0x00 (a stuffed byte) or
// a restart marker; anything else is the next marker.
std::size_t SkipScanData(const unsigned char* bytes, std::size_t size, std::size_t pos) {
    for (; pos + 1 < size; ++pos) {
        if (bytes[pos] != MarkerPrefix) continue;
        unsigned char next = bytes[pos + 1];
        if (next != 0x00 && next != MarkerPrefix && !IsStandalone(next)) return pos;
    }
    return size;
}

} // namespace

bool JpegIsComplete(const unsigned char* bytes, std::size_t size) {
    if (size < 4 || bytes[0] != MarkerPrefix || bytes[1] != StartOfImage) return false;
    std::size_t pos = 2;
    while (pos + 1 < size) {
        if (bytes[pos] != MarkerPrefix) return false;
        while (pos + 1 < size && bytes[pos + 1] == MarkerPrefix) ++pos; // fill bytes
        if (pos + 1 >= size) return false;
        unsigned char marker = bytes[pos + 1];
        pos += 2;
        if (marker == EndOfImage) return true;
        if (IsStandalone(marker)) continue;
        if (pos + 2 > size) return false;
        std::size_t length = (std::size_t(bytes[pos]) << 8) | bytes[pos + 1]; // includes itself
        if (length < 2 || pos + length > size) return false;
        pos += length;
        if (marker == StartOfScan) pos = SkipScanData(bytes, size, pos);
    }
    return false;
}
