#include "imageio/ImageDecode.h"
#include "imageio/JpegCheck.h"
#include <QFile>
#include <QImageReader>

namespace {

bool WithinLimit(QSize size) {
    return size.width() <= MaxDecodedSide && size.height() <= MaxDecodedSide;
}

// Reads the file through a mapping of its own, so the reader's position is untouched.
bool JpegFileIsComplete(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0) return false;
    const uchar* bytes = file.map(0, file.size());
    if (!bytes) return false;
    bool complete = JpegIsComplete(bytes, static_cast<std::size_t>(file.size()));
    file.unmap(const_cast<uchar*>(bytes));
    return complete;
}

} // namespace

std::optional<QImage> DecodeImageFile(const std::string& path) {
    QString name = QString::fromStdString(path);
    QImageReader reader(name);
    reader.setDecideFormatFromContent(true); // a PNG named .jpg is still a PNG
    reader.setAutoTransform(false);
    QSize size = reader.size(); // from the header; invalid when the format cannot tell
    if (size.isValid() && !WithinLimit(size)) return std::nullopt;
    if (reader.format() == "jpeg" && !JpegFileIsComplete(name)) return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull() || !WithinLimit(image.size()))
        return std::nullopt;
    return image;
}
