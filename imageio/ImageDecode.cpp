#include "imageio/ImageDecode.h"
#include "imageio/ImageFile.h"
#include "imageio/ImageHeader.h"
#include "imageio/JpegDecode.h"
#include "imageio/PngDecode.h"
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <span>

namespace {

bool WithinLimit(QSize size, int side) { return size.width() <= side && size.height() <= side; }

// The file's bytes, mapped for as long as this lives; empty for an empty file or one that
// cannot be mapped.
class MappedFile {
  public:
    explicit MappedFile(QFile& file)
        : file_(file), data_(file.size() > 0 ? file.map(0, file.size()) : nullptr) {}
    ~MappedFile() {
        if (data_) file_.unmap(data_);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    std::span<const unsigned char> Bytes() const {
        return data_ ? std::span<const unsigned char>(data_, std::size_t(file_.size()))
                     : std::span<const unsigned char>();
    }

  private:
    QFile& file_;
    uchar* data_;
};

std::optional<QImage> Decode(QImageReader& reader, QFile& file,
                             std::span<const unsigned char> bytes) {
    if (reader.format() == "png") {
        if (!file.seek(0)) return std::nullopt;
        return DecodePng(file, MaxDecodedSide);
    }
    if (reader.format() == "jpeg") return DecodeJpeg(bytes.data(), bytes.size());
    QImage image;
    if (!reader.read(&image) || image.isNull()) return std::nullopt;
    return image;
}

} // namespace

DecodedImage DecodeImageFile(const std::string& path, int maxSide) {
    QFile file;
    if (!OpenRegularFile(path, file)) return {};
    const MappedFile mapped(file);
    if (mapped.Bytes().empty()) return {};
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true); // a PNG named .jpg is still a PNG
    reader.setAutoTransform(false);
    const HeaderSize header = ReadHeaderSize(reader, mapped.Bytes());
    if (header.stated) {
        if (!header.size.isValid()) return {};
        if (!WithinLimit(header.size, std::min(maxSide, MaxDecodedSide)))
            return {std::nullopt, header.size};
    }
    if (header.cutShort) return {};
    std::optional<QImage> image = Decode(reader, file, mapped.Bytes());
    if (!image || !WithinLimit(image->size(), MaxDecodedSide)) return {};
    // A decoder that contradicts the header: one of them is damaged.
    if (header.stated && image->size() != header.size) return {};
    return {image, QSize()};
}
