#include "tests/support/CraftedFiles.h"
#include <QBuffer>
#include <QImageWriter>
#include <cstdlib>
#include <gif_lib.h>
#include <zlib.h>

namespace {

void PutBytes(QByteArray& out, std::initializer_list<int> bytes) {
    for (int byte : bytes) out.append(char(byte));
}

void PutBigEndian(QByteArray& out, quint32 value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.append(char((value >> (8 * i)) & 0xFF));
}

quint32 Crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFF;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

void PutChunk(QByteArray& png, const char* type, const QByteArray& data) {
    PutBigEndian(png, quint32(data.size()), 4);
    QByteArray typed = QByteArray(type) + data;
    png.append(typed);
    PutBigEndian(png, Crc32(typed), 4);
}

QByteArray PngHeader(quint32 width, quint32 height, bool interlaced, int depth = 8) {
    QByteArray header;
    PutBigEndian(header, width, 4);
    PutBigEndian(header, height, 4);
    PutBytes(header, {depth, 2, 0, 0, interlaced ? 1 : 0}); // RGB
    return header;
}

QByteArray Samples(const Rgb16& colour) {
    QByteArray out;
    for (quint16 sample : colour) PutBigEndian(out, sample, 2);
    return out;
}

const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);

// Raw deflate data of `size` zeros. After a full flush nothing refers back past it, so
// copies of it in a row are one stream.
QByteArray DeflatedZeros(int size, int flush) {
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
    QByteArray in(size, '\0'), out(int(deflateBound(&z, uLong(size))) + 64, '\0');
    z.next_in = reinterpret_cast<Bytef*>(in.data());
    z.avail_in = uInt(size);
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, flush);
    out.truncate(out.size() - qsizetype(z.avail_out));
    deflateEnd(&z);
    return out;
}

// The seven Adam7 passes: first column, first row, column step, row step.
const int Adam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                         {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

// The JPEG entropy-coded bits, with a stuffed 0 after every 0xFF byte.
class BitWriter {
  public:
    void Put(quint32 bits, int count) {
        for (int i = count - 1; i >= 0; --i) {
            byte_ = quint8(byte_ << 1 | ((bits >> i) & 1));
            if (++used_ == 8) Flush();
        }
    }
    QByteArray Finish() {
        while (used_ != 0) Put(1, 1); // pad with ones
        return out_;
    }

  private:
    void Flush() {
        out_.append(char(byte_));
        if (byte_ == 0xFF) out_.append('\0');
        byte_ = 0, used_ = 0;
    }
    QByteArray out_;
    quint8 byte_ = 0;
    int used_ = 0;
};

void PutSegment(QByteArray& jpeg, quint8 marker, const QByteArray& payload) {
    jpeg.append(char(0xFF)).append(char(marker));
    PutBigEndian(jpeg, quint32(payload.size() + 2), 2);
    jpeg.append(payload);
}

// A flat block's only coefficient, DC = 8 x (value - 128) with all quantisers 1, coded as
// its bit length with our DC table (every length a 4-bit code equal to itself) and its
// value bits, then end-of-block, the AC table's only code, "0".
void PutFlatBlock(BitWriter& bits, int value) {
    int dc = 8 * (value - 128);
    int length = 0;
    while ((std::abs(dc) >> length) != 0) ++length;
    bits.Put(quint32(length), 4);
    if (length > 0) bits.Put(quint32(dc >= 0 ? dc : dc - 1) & ((1u << length) - 1), length);
    bits.Put(0, 1);
}

} // namespace

QByteArray Encoded(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

QByteArray InterlacedPng(const QImage& image) {
    QByteArray raw;
    for (auto& pass : Adam7) {
        for (int y = pass[1]; y < image.height(); y += pass[3]) {
            if (pass[0] >= image.width()) break;
            raw.append('\0'); // no filter
            for (int x = pass[0]; x < image.width(); x += pass[2]) {
                QRgb p = image.pixel(x, y);
                PutBytes(raw, {qRed(p), qGreen(p), qBlue(p)});
            }
        }
    }
    QByteArray png = PngSignature;
    PutChunk(png, "IHDR", PngHeader(quint32(image.width()), quint32(image.height()), true));
    PutChunk(png, "IDAT", qCompress(raw).mid(4)); // qCompress puts the length before zlib
    PutChunk(png, "IEND", QByteArray());
    return png;
}

QByteArray PngHeaderOnly(quint32 width, quint32 height) {
    QByteArray png = PngSignature;
    PutChunk(png, "IHDR", PngHeader(width, height, false));
    PutChunk(png, "IEND", QByteArray());
    return png;
}

QByteArray WithTextChunks(const QByteArray& png, int count, int inflated) {
    QByteArray chunk;
    PutChunk(chunk, "zTXt",
             QByteArray("Comment\0\0", 9) + qCompress(QByteArray(inflated, ' ')).mid(4));
    return png.left(33) + chunk.repeated(count) + png.mid(33); // after signature and IHDR
}

QByteArray PngWithTrailingZeros(int width, int height, int megabytes) {
    const qint64 rows = qint64(width * 3 + 1) * height; // black: a 0 filter byte, 0 samples
    QByteArray stream("\x78\xDA", 2);
    stream += DeflatedZeros(int(rows), Z_FULL_FLUSH);
    stream += DeflatedZeros(1 << 20, Z_FULL_FLUSH).repeated(megabytes);
    stream += DeflatedZeros(0, Z_FINISH);
    const qint64 zeros = rows + (qint64(megabytes) << 20);
    PutBigEndian(stream, quint32(zeros % 65521) << 16 | 1, 4); // Adler-32 of zeros
    QByteArray png = PngSignature;
    PutChunk(png, "IHDR", PngHeader(quint32(width), quint32(height), false));
    PutChunk(png, "IDAT", stream);
    PutChunk(png, "IEND", QByteArray());
    return png;
}

QByteArray Rgb16Png(int width, int height, const std::vector<Rgb16>& samples, Rgb16 key,
                    Rgb16 background) {
    QByteArray raw;
    for (int y = 0; y < height; ++y) {
        raw.append('\0'); // no filter
        for (int x = 0; x < width; ++x) raw.append(Samples(samples[std::size_t(y * width + x)]));
    }
    QByteArray png = PngSignature;
    PutChunk(png, "IHDR", PngHeader(quint32(width), quint32(height), false, 16));
    PutChunk(png, "tRNS", Samples(key));
    PutChunk(png, "bKGD", Samples(background));
    PutChunk(png, "IDAT", qCompress(raw).mid(4));
    PutChunk(png, "IEND", QByteArray());
    return png;
}

QByteArray ProgressiveJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

QByteArray WithLastScanRepeated(const QByteArray& jpeg, int times) {
    const qsizetype last = jpeg.lastIndexOf("\xFF\xDA");
    return jpeg.left(last) + jpeg.mid(last, jpeg.size() - 2 - last).repeated(times) + "\xFF\xD9";
}

QByteArray WithJpegSize(QByteArray jpeg, quint16 width, quint16 height) {
    for (qsizetype at = 2; at + 9 <= jpeg.size();) { // marker, length, precision, height, width
        const quint8 marker = quint8(jpeg[at + 1]);
        if (marker == 0xC0 || marker == 0xC2) {
            QByteArray size;
            PutBigEndian(size, height, 2);
            PutBigEndian(size, width, 2);
            return jpeg.replace(at + 5, 4, size);
        }
        at += 2 + (quint8(jpeg[at + 2]) << 8 | quint8(jpeg[at + 3]));
    }
    return jpeg;
}

QByteArray CmykJpeg(quint8 c, quint8 m, quint8 y, quint8 k) {
    const quint8 values[4] = {c, m, y, k};
    QByteArray jpeg("\xFF\xD8", 2);
    PutSegment(jpeg, 0xEE, QByteArray("Adobe\x00\x64\x00\x00\x00\x00\x00", 12)); // no transform
    PutSegment(jpeg, 0xDB, QByteArray(1, '\0') + QByteArray(64, '\1'));
    QByteArray frame("\x08\x00\x08\x00\x08\x04", 6); // 8 bits, 8 x 8, four components
    for (int id = 1; id <= 4; ++id) PutBytes(frame, {id, 0x11, 0});
    PutSegment(jpeg, 0xC0, frame);
    QByteArray dcTable(1, '\x00'), counts(16, '\0');
    counts[3] = 12; // twelve 4-bit codes: bit lengths 0..11
    dcTable += counts;
    for (char length = 0; length < 12; ++length) dcTable.append(length);
    PutSegment(jpeg, 0xC4, dcTable);
    QByteArray acTable(1, '\x10');
    acTable += QByteArray(1, '\1') + QByteArray(15, '\0') + QByteArray(1, '\0'); // "0": EOB
    PutSegment(jpeg, 0xC4, acTable);
    QByteArray scan(1, '\4');
    for (int id = 1; id <= 4; ++id) PutBytes(scan, {id, 0});
    PutBytes(scan, {0, 63, 0});
    PutSegment(jpeg, 0xDA, scan);
    BitWriter bits;
    for (quint8 value : values) PutFlatBlock(bits, value);
    jpeg.append(bits.Finish());
    return jpeg.append("\xFF\xD9", 2);
}

QByteArray WithExifOrientation(const QByteArray& jpeg, quint16 orientation) {
    QByteArray exif("Exif\0\0II\x2A\0\x08\0\0\0", 14);           // little-endian TIFF, IFD at 8
    exif.append("\x01\x00\x12\x01\x03\x00\x01\x00\x00\x00", 10); // 1 entry: 0x0112 SHORT x1
    PutBytes(exif, {orientation & 0xFF, orientation >> 8, 0, 0});
    exif.append(QByteArray(4, '\0')); // no next IFD
    QByteArray out = jpeg.left(2);
    PutSegment(out, 0xE1, exif);
    return out + jpeg.mid(2);
}

void WriteGifWithScreen(const std::string& path, int width, int height) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    if (!gif) return;
    GifColorType colours[2] = {{255, 0, 0}, {0, 0, 0}};
    ColorMapObject* map = GifMakeMapObject(2, colours);
    EGifPutScreenDesc(gif, width, height, 1, 0, map);
    EGifPutImageDesc(gif, 0, 0, 2, 2, false, nullptr);
    GifPixelType row[2] = {0, 0};
    EGifPutLine(gif, row, 2);
    EGifPutLine(gif, row, 2);
    GifFreeMapObject(map);
    EGifCloseFile(gif, &error);
}

QByteArray WithoutScreenBehindComment(QByteArray gif, int blocks) {
    gif.replace(6, 4, QByteArray(4, '\0'));
    const qsizetype colours = (quint8(gif[10]) & 0x80) ? 3 << ((quint8(gif[10]) & 7) + 1) : 0;
    return gif.insert(13 + colours, "!\xFE" + QByteArray("\x01x").repeated(blocks) + '\0');
}

void WriteTwoFrameGif(const std::string& path, QRgb first, QRgb second) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    if (!gif) return;
    GifColorType colours[2] = {
        {GifByteType(qRed(first)), GifByteType(qGreen(first)), GifByteType(qBlue(first))},
        {GifByteType(qRed(second)), GifByteType(qGreen(second)), GifByteType(qBlue(second))}};
    ColorMapObject* map = GifMakeMapObject(2, colours);
    EGifPutScreenDesc(gif, 2, 2, 1, 0, map);
    for (GifPixelType index : {GifPixelType(0), GifPixelType(1)}) {
        GifPixelType row[2] = {index, index};
        EGifPutImageDesc(gif, 0, 0, 2, 2, false, nullptr);
        EGifPutLine(gif, row, 2);
        EGifPutLine(gif, row, 2);
    }
    GifFreeMapObject(map);
    EGifCloseFile(gif, &error);
}
