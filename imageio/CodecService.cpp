// The image codec service: Qt's image plugins decode every format and encode all but
// GIF, which giflib writes (Qt's GIF plugin only reads).
#include "imageio/ImageLoad.h"
#include <QImageReader>
#include <QImageWriter>

const char* const DefaultCaption = "Colvero";

namespace {

bool ContainsAll(const QList<QByteArray>& formats, std::initializer_list<const char*> wanted) {
    for (const char* format : wanted)
        if (!formats.contains(QByteArray(format))) return false;
    return true;
}

} // namespace

bool StartCodecService() {
    return ContainsAll(QImageReader::supportedImageFormats(),
                       {"bmp", "gif", "jpeg", "png", "tiff"}) &&
           ContainsAll(QImageWriter::supportedImageFormats(), {"bmp", "jpeg", "png", "tiff"});
}

// The plugins stay loaded until the process ends; there is nothing to shut down.
void StopCodecService() {}
