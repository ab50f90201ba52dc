#include "tests/imageio/ImageTesting.h"
#include <QFile>
#include <algorithm>
#include <filesystem>
#include <map>

namespace {

const std::map<char, Colour>& Letters() {
    static const std::map<char, Colour> letters{
        {'K', Black},    {'W', White},    {'r', 0x0000FF}, {'g', 0x00FF00},
        {'b', 0xFF0000}, {'y', 0x00FFFF}, {'c', 0xFFFF00}, {'m', 0xFF00FF},
        {'G', 0x808080}, {'p', 0x7F7FFF}};
    return letters;
}

} // namespace

Colour LetterColour(char letter) { return Letters().at(letter); }

QImage PictureImage(const std::vector<std::string>& rows) {
    QImage image(int(rows.at(0).size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, 0xFF000000 | PixelFromColour(LetterColour(rows[y][x])));
    return image;
}

std::vector<std::string> SurfacePicture(SurfaceHandle surface) {
    SelectTarget(surface);
    int width = 0, height = 0;
    GetSurfaceSize(width, height);
    std::vector<std::string> rows(height, std::string(width, '?'));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (auto& [letter, colour] : Letters())
                if (ReadPixel(x, y) == colour) rows[y][x] = letter;
    ReleaseTarget();
    return rows;
}

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

SurfaceHandle SurfaceFromPicture(const std::vector<std::string>& rows) {
    return SurfaceFromImage(PictureImage(rows));
}

SurfaceHandle SurfaceFromImage(const QImage& image) {
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    SurfaceHandle handle = CreateSurface(rgb.width(), rgb.height());
    SelectTarget(handle);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            WritePixel(x, y, ColourFromPixel(rgb.pixel(x, y)));
    ReleaseTarget();
    return handle;
}

QByteArray ReadBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
