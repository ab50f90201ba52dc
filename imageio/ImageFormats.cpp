#include "imageio/ImageFormats.h"
#include "imageio/ImageSave.h"
#include <QByteArray>
#include <utility>

const std::vector<Encoder>& Encoders() {
    // JPEG is lossy: best quality. PNG must not get a quality: its codec turns quality 100
    // into "no compression", so it keeps its default level. TIFF takes 1 for LZW, lossless
    // (its default is uncompressed). BMP has no setting that matters.
    static const std::vector<Encoder> encoders = {
        {"image/png", "png", -1, -1}, {"image/jpeg", "jpeg", 100, -1},
        {"image/gif", "gif", -1, -1}, {"image/tiff", "tiff", -1, 1},
        {"image/bmp", "bmp", -1, -1},
    };
    return encoders;
}

std::string MimeForExtension(const std::string& extension) {
    static const std::pair<const char*, const char*> table[] = {
        {".png", "image/png"},   {".jpg", "image/jpeg"}, {".jpeg", "image/jpeg"},
        {".jpe", "image/jpeg"},  {".gif", "image/gif"},  {".tif", "image/tiff"},
        {".tiff", "image/tiff"}, {".bmp", "image/bmp"},
    };
    for (auto& [known, mime] : table)
        if (extension == known) return mime;
    return std::string();
}

const Encoder* FindEncoder(const std::string& mime) {
    QByteArray wanted = QByteArray::fromStdString(mime).toUpper();
    for (const Encoder& encoder : Encoders())
        if (QByteArray(encoder.mime).toUpper().contains(wanted)) return &encoder;
    return nullptr;
}

std::string FindEncoderByMime(const std::string& mime) {
    const Encoder* encoder = FindEncoder(mime);
    return encoder ? encoder->mime : std::string();
}
