#include "tests/imageio/ImageTesting.h"
#include <QFile>
#include <algorithm>
#include <filesystem>
#include <fstream>

std::pair<int, int> SurfaceSize(SurfaceHandle surface) {
    SelectTarget(surface);
    auto size = TargetSize();
    ReleaseTarget();
    return size;
}

std::pair<int, int> TargetSize() {
    int width = 0, height = 0;
    GetSurfaceSize(width, height);
    return {width, height};
}

OwnedSurface::~OwnedSurface() {
    if (!handle_) return;
    SelectTarget(handle_);
    DestroySurface();
}

SurfaceHandle SurfaceFromImage(const QImage& image) {
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    SurfaceHandle handle = CreateSurface(rgb.width(), rgb.height());
    SelectTarget(handle);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) WritePixel(x, y, ColourFromPixel(rgb.pixel(x, y)));
    ReleaseTarget();
    return handle;
}

QByteArray ReadBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// By the name's bytes as they stand, whatever their encoding.
void WriteBytes(const std::string& path, const QByteArray& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
