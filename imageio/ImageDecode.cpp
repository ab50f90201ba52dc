#include "imageio/ImageDecode.h"
#include "imageio/JpegCheck.h"
#include <QFile>
#include <QImageReader>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WithinLimit(QSize size) {
    return size.width() <= MaxDecodedSide && size.height() <= MaxDecodedSide;
}

// Reads the file through a mapping of its own, so the reader's position is untouched.
bool JpegFileIsComplete(QFile& file) {
    if (file.size() <= 0) return false;
    const uchar* bytes = file.map(0, file.size());
    if (!bytes) return false;
    bool complete = JpegIsComplete(bytes, static_cast<std::size_t>(file.size()));
    file.unmap(const_cast<uchar*>(bytes));
    return complete;
}

// Opens a regular file by its name as it stands: names are bytes, whatever their
// encoding. Without blocking, so a pipe or a device of that name is simply not a picture.
bool OpenRegularFile(const std::string& path, QFile& file) {
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(fd);
        return false;
    }
    return true;
}

} // namespace

std::optional<QImage> DecodeImageFile(const std::string& path) {
    QFile file;
    if (!OpenRegularFile(path, file)) return std::nullopt;
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true); // a PNG named .jpg is still a PNG
    reader.setAutoTransform(false);
    QSize size = reader.size(); // from the header; invalid when the format cannot tell
    if (size.isValid() && !WithinLimit(size)) return std::nullopt;
    if (reader.format() == "jpeg" && !JpegFileIsComplete(file)) return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull() || !WithinLimit(image.size())) return std::nullopt;
    return image;
}
