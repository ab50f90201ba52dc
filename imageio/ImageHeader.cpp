#include "imageio/ImageHeader.h"
#include "imageio/BmpLayout.h"
#include "imageio/GifLayout.h"
#include <cstring>
#include <zlib.h>

namespace {

constexpr std::size_t PngHeaderLength =
    8 + 8 + 13 + 4; // signature, IHDR length and type, data, CRC
constexpr quint32 MaxSide = 0x7FFFFFFF;

quint32 BigEndian(const unsigned char* b) {
    return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | b[3];
}

// The IHDR chunk must come first, whole and with its checksum right.
QSize PngSize(std::span<const unsigned char> bytes) {
    const unsigned char* head = bytes.data();
    if (bytes.size() < PngHeaderLength || std::memcmp(head, "\x89PNG\r\n\x1a\n", 8) != 0 ||
        BigEndian(head + 8) != 13 || std::memcmp(head + 12, "IHDR", 4) != 0)
        return QSize();
    if (crc32(0, head + 12, 4 + 13) != BigEndian(head + 29)) return QSize();
    const quint32 width = BigEndian(head + 16);
    const quint32 height = BigEndian(head + 20);
    if (width == 0 || height == 0 || width > MaxSide || height > MaxSide) return QSize();
    return QSize(int(width), int(height));
}

} // namespace

HeaderSize ReadHeaderSize(QImageReader& reader, std::span<const unsigned char> bytes) {
    const QByteArray format = reader.format();
    if (format == "png") return {true, PngSize(bytes)};
    if (format == "gif") {
        const GifLayout gif = ReadGifLayout(bytes);
        return {true, gif.size, gif.cutShort};
    }
    HeaderSize header;
    if (reader.supportsOption(QImageIOHandler::Size)) header = {true, reader.size()};
    header.cutShort = format == "bmp" && BmpCutShort(bytes);
    return header;
}
