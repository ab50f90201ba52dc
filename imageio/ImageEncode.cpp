#include "imageio/ImageEncode.h"
#include "imageio/GifWriter.h"
#include <QBuffer>
#include <QImageWriter>
#include <cstring>

bool EncodeImage(const QImage& image, const Encoder& encoder, QByteArray& bytes) {
    bytes.clear();
    if (std::strcmp(encoder.format, "gif") == 0) return WriteGif(image, bytes);
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&buffer, encoder.format);
    if (encoder.quality >= 0) writer.setQuality(encoder.quality);
    if (encoder.compression >= 0) writer.setCompression(encoder.compression);
    return writer.write(image);
}
