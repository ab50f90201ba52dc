// Writes the image target's seeds into the folder given: small pictures in every format
// the program loads, saved by the program's own save path, and small files of the shapes
// that once cost time or memory out of all proportion, made from them.
#include "fuzz/FuzzSupport.h"
#include "gfx/Drawing.h"
#include "imageio/ImageLoad.h"
#include "imageio/ImageSave.h"
#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <cstdio>
#include <zlib.h>

namespace {

// A width x height picture of a few colours, a box in the middle.
SurfaceHandle Picture(int width, int height) {
    SurfaceHandle surface = CreateSurface(width, height);
    SelectTarget(surface);
    ClearTarget(0x3366CC);
    DrawBox(1, 1, width, height, Black, 0x00FF80);
    WritePixel(0, height - 1, White);
    return surface;
}

QByteArray BigEndian32(quint32 value) {
    return QByteArray(1, char(value >> 24)) + char(value >> 16) + char(value >> 8) + char(value);
}

QByteArray PngChunk(const QByteArray& type, const QByteArray& data) {
    const QByteArray typed = type + data;
    return BigEndian32(quint32(data.size())) + typed +
           BigEndian32(
               quint32(crc32(0, reinterpret_cast<const Bytef*>(typed.data()), uInt(typed.size()))));
}

QByteArray Zlib(const QByteArray& data) { return qCompress(data, 9).mid(4); }

// Black 5 x 4 RGB rows, then 64 KB more zeros, in one stream.
QByteArray PngWithZerosAfterItsRows() {
    const QByteArray header = BigEndian32(5) + BigEndian32(4) + QByteArray("\x08\x02\0\0\0", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) +
           PngChunk("IDAT", Zlib(QByteArray((5 * 3 + 1) * 4 + 65536, '\0'))) + PngChunk("IEND", {});
}

// A flat progressive picture whose last scan comes 300 times.
QByteArray JpegOfManyScans() {
    QImage grey(16, 16, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(grey);
    const qsizetype last = jpeg.lastIndexOf("\xFF\xDA");
    return jpeg.left(last) + jpeg.mid(last, jpeg.size() - 2 - last).repeated(300) + "\xFF\xD9";
}

void WriteSeed(const std::string& path, const QByteArray& bytes) {
    WriteFileBytes(path, bytes.constData(), std::size_t(bytes.size()));
}

void WriteShapeSeeds(const std::string& folder) {
    const QByteArray png = QByteArray::fromStdString(ReadFileBytes(folder + "seed-5x4.png"));
    const QByteArray text = QByteArray("Comment\0\0", 9) + Zlib(QByteArray(65536, ' '));
    WriteSeed(folder + "text-chunks.png",
              png.left(33) + PngChunk("zTXt", text).repeated(3) + png.mid(33));
    WriteSeed(folder + "zeros-after-rows.png", PngWithZerosAfterItsRows());
    WriteSeed(folder + "many-scans.jpg", JpegOfManyScans());
    for (const char* extension : {"bmp", "gif"}) {
        const std::string whole = ReadFileBytes(folder + "seed-5x4." + extension);
        WriteSeed(folder + "cut-5x4." + extension,
                  QByteArray::fromStdString(whole.substr(0, whole.size() / 2)));
    }
    // A 0 x 0 screen: the first picture is looked for past a comment of one-byte blocks.
    QByteArray gif = QByteArray::fromStdString(ReadFileBytes(folder + "seed-1x1.gif"));
    gif.replace(6, 4, QByteArray(4, '\0'));
    const qsizetype colours = (quint8(gif[10]) & 0x80) ? 3 << ((quint8(gif[10]) & 7) + 1) : 0;
    WriteSeed(folder + "comment.gif",
              gif.insert(13 + colours, "!\xFE" + QByteArray("\x01x").repeated(1000) + '\0'));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    StartFuzzToolkit();
    StartCodecService();
    const std::string folder = std::string(argv[1]) + "/";
    for (auto [width, height] : {std::pair{5, 4}, {1, 1}})
        for (const char* extension : {"png", "jpg", "gif", "bmp", "tif"}) {
            SurfaceHandle surface = Picture(width, height);
            GraphicSaveBitmapToImageFile(surface, folder + "seed-" + std::to_string(width) + "x" +
                                                      std::to_string(height) + "." + extension);
            SelectTarget(surface);
            DestroySurface();
        }
    WriteShapeSeeds(folder);
    return 0;
}
