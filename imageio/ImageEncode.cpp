#include "imageio/ImageEncode.h"
#include "imageio/GifWriter.h"
#include <QFile>
#include <QImageWriter>
#include <cstring>

bool EncodeImage(const QImage& image, const Encoder& encoder, int fd) {
    if (std::strcmp(encoder.format, "gif") == 0) return WriteGif(image, fd);
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) return false;
    QImageWriter writer(&file, encoder.format);
    if (encoder.quality >= 0) writer.setQuality(encoder.quality);
    if (encoder.compression >= 0) writer.setCompression(encoder.compression);
    bool ok = writer.write(image);
    return file.flush() && ok;
}
