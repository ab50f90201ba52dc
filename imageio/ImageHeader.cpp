#include "imageio/ImageHeader.h"
#include <QIODevice>
#include <zlib.h>

namespace {

constexpr qint64 PngHeaderLength = 8 + 8 + 13 + 4; // signature, IHDR length and type, data, CRC
constexpr qint64 MaxSide = 0x7FFFFFFF;

quint32 BigEndian(const char* bytes) {
    auto b = reinterpret_cast<const unsigned char*>(bytes);
    return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | b[3];
}

int LittleEndian16(const QByteArray& bytes, qsizetype at) {
    return quint8(bytes[at]) | quint8(bytes[at + 1]) << 8;
}

// The IHDR chunk must come first, whole and with its checksum right.
QSize PngSize(QIODevice& device) {
    const QByteArray head = device.peek(PngHeaderLength);
    if (head.size() < PngHeaderLength || !head.startsWith("\x89PNG\r\n\x1a\n") ||
        BigEndian(head.constData() + 8) != 13 || head.mid(12, 4) != "IHDR")
        return QSize();
    const auto* chunk = reinterpret_cast<const Bytef*>(head.constData() + 12);
    if (crc32(0, chunk, 4 + 13) != BigEndian(head.constData() + 29)) return QSize();
    const quint32 width = BigEndian(head.constData() + 16);
    const quint32 height = BigEndian(head.constData() + 20);
    if (width == 0 || height == 0 || width > MaxSide || height > MaxSide) return QSize();
    return QSize(int(width), int(height));
}

// Bytes [at, at + length) of the device, or fewer at its end.
QByteArray ReadAt(QIODevice& device, qint64 at, qint64 length) {
    return device.seek(at) ? device.read(length) : QByteArray();
}

// The first image descriptor's size: past the colour table and any extensions.
QSize GifFirstImageSize(QIODevice& device, const QByteArray& screen) {
    qint64 at = 13;
    if (quint8(screen[10]) & 0x80) at += 3 << ((quint8(screen[10]) & 7) + 1);
    for (;;) {
        const QByteArray introducer = ReadAt(device, at, 2);
        if (introducer.size() < 1) return QSize();
        if (introducer[0] == ',') {
            const QByteArray image = ReadAt(device, at + 1, 8);
            if (image.size() < 8) return QSize();
            return QSize(LittleEndian16(image, 4), LittleEndian16(image, 6));
        }
        if (introducer[0] != '!' || introducer.size() < 2) return QSize();
        at += 2; // an extension: its sub-blocks up to an empty one
        for (QByteArray length; (length = ReadAt(device, at, 1)).size() == 1 && length[0] != 0;)
            at += 1 + quint8(length[0]);
        at += 1;
    }
}

QSize GifSize(QIODevice& device) {
    const QByteArray screen = device.peek(13);
    if (screen.size() < 13 || !(screen.startsWith("GIF87a") || screen.startsWith("GIF89a")))
        return QSize();
    QSize size(LittleEndian16(screen, 6), LittleEndian16(screen, 8));
    if (size.isEmpty()) {
        const qint64 start = device.pos();
        size = GifFirstImageSize(device, screen);
        device.seek(start);
    }
    return size.isEmpty() ? QSize() : size;
}

} // namespace

HeaderSize ReadHeaderSize(QImageReader& reader) {
    QIODevice* device = reader.device();
    const QByteArray format = reader.format();
    if (device && format == "png") return {true, PngSize(*device)};
    if (device && format == "gif") return {true, GifSize(*device)};
    if (!reader.supportsOption(QImageIOHandler::Size)) return {};
    return {true, reader.size()};
}
