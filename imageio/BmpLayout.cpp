#include "imageio/BmpLayout.h"
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

std::uint32_t LittleEndian(std::span<const unsigned char> bytes, std::size_t at, int length) {
    std::uint32_t value = 0;
    for (int i = length - 1; i >= 0; --i) value = value << 8 | bytes[at + std::size_t(i)];
    return value;
}

// Whether run-length codes from `at` reach the end of the picture before the file ends.
// Two bytes a code: a count and a colour, or 0 and an escape: end of row, end of picture,
// a move of two bytes, or that many pixels as they stand, padded to an even length.
bool RunsReachTheEnd(std::span<const unsigned char> bytes, std::size_t at, std::int64_t rows,
                     bool fourBits) {
    std::int64_t row = 0;
    while (at + 2 <= bytes.size()) {
        const unsigned count = bytes[at], code = bytes[at + 1];
        at += 2;
        if (count != 0) continue;
        if (code == 1) return true;
        if (code == 0 || code == 2) {
            if (code == 2 && at + 2 > bytes.size()) return false;
            row += code == 0 ? 1 : bytes[at + 1];
            at += code == 2 ? 2 : 0;
            if (row >= rows) return true;
            continue;
        }
        const std::size_t length = fourBits ? (code + 1) / 2 : code;
        at += length + (length & 1);
    }
    return false;
}

} // namespace

bool BmpCutShort(std::span<const unsigned char> bytes) {
    if (bytes.size() < 18 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const std::uint32_t headerSize = LittleEndian(bytes, 14, 4);
    const bool core = headerSize == 12; // the oldest header: 16-bit sides, no compression
    if (!core && headerSize < 40) return false;
    if (bytes.size() < 14 + std::size_t(headerSize)) return true;
    const std::int64_t width =
        core ? LittleEndian(bytes, 18, 2) : std::int32_t(LittleEndian(bytes, 18, 4));
    const std::int64_t height =
        std::abs(core ? std::int64_t(LittleEndian(bytes, 20, 2))
                      : std::int64_t(std::int32_t(LittleEndian(bytes, 22, 4))));
    const std::uint32_t depth = LittleEndian(bytes, core ? 24 : 28, 2);
    const std::uint32_t compression = core ? Rgb : LittleEndian(bytes, 30, 4);
    // The rows start at the offset the file header gives, and never inside the headers.
    const std::size_t start = std::max<std::size_t>(LittleEndian(bytes, 10, 4), 14 + headerSize);
    if (compression == Rle8 || compression == Rle4)
        return !RunsReachTheEnd(bytes, start, height, compression == Rle4);
    if (compression != Rgb && compression != BitFields && compression != AlphaBitFields)
        return false;
    if (bytes.size() < start) return true;
    if (height == 0) return false;
    // rows x rowBytes > what follows the start, without the product's overflow
    const std::int64_t rowBytes = (std::max<std::int64_t>(width, 0) * depth + 31) / 32 * 4;
    return rowBytes > std::int64_t(bytes.size() - start) / height;
}
