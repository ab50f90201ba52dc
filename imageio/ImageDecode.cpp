#include "imageio/ImageDecode.h"
#include "imageio/ImageFile.h"
#include "imageio/ImageHeader.h"
#include "imageio/ImageLoad.h"
#include "imageio/JpegCheck.h"
#include "imageio/PngDecode.h"
#include <QFile>
#include <QImageReader>

namespace {

bool WithinLimit(QSize size) {
    return size.width() <= MaxDecodedSide && size.height() <= MaxDecodedSide;
}

// Reads the file through a mapping of its own, so the reader's position is untouched.
bool JpegFileEndsEarly(QFile& file) {
    if (file.size() <= 0) return true;
    const uchar* bytes = file.map(0, file.size());
    if (!bytes) return true;
    bool early = JpegEndsEarly(bytes, static_cast<std::size_t>(file.size()));
    file.unmap(const_cast<uchar*>(bytes));
    return early;
}

std::optional<QImage> Decode(QImageReader& reader, QFile& file) {
    if (reader.format() == "png") {
        if (!file.seek(0)) return std::nullopt;
        return DecodePng(file, MaxDecodedSide);
    }
    if (reader.format() == "jpeg" && JpegFileEndsEarly(file)) return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull()) return std::nullopt;
    return image;
}

void Prepare(QImageReader& reader) {
    reader.setDecideFormatFromContent(true); // a PNG named .jpg is still a PNG
    reader.setAutoTransform(false);
}

} // namespace

std::optional<QImage> DecodeImageFile(const std::string& path) {
    QFile file;
    if (!OpenRegularFile(path, file)) return std::nullopt;
    QImageReader reader(&file);
    Prepare(reader);
    const HeaderSize header = ReadHeaderSize(reader);
    if (header.stated && (!header.size.isValid() || !WithinLimit(header.size))) return std::nullopt;
    std::optional<QImage> image = Decode(reader, file);
    if (!image || !WithinLimit(image->size())) return std::nullopt;
    // A decoder that contradicts the header: one of them is damaged.
    if (header.stated && image->size() != header.size) return std::nullopt;
    return image;
}

bool ReadImageSize(const std::string& path, int& width, int& height) {
    QFile file;
    if (!OpenRegularFile(path, file)) return false;
    QImageReader reader(&file);
    Prepare(reader);
    const HeaderSize header = ReadHeaderSize(reader);
    if (!header.stated || !header.size.isValid()) return false;
    width = header.size.width();
    height = header.size.height();
    return true;
}
