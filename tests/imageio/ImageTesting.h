#pragma once
// Helpers for the image file tests: pictures written as rows of letters, surfaces that go
// away with the test, and files read and written whole.
#include "gfx/Drawing.h"
#include <QImage>
#include <QByteArray>
#include <string>
#include <vector>

// Letters in pictures: K black, W white, r red, g green, b blue, y yellow, c cyan,
// m magenta, G grey 0x808080, p the half-transparent red blended onto white; '?' any other.
Colour LetterColour(char letter);

// A picture (Format_RGB32) drawn from rows of letters.
QImage PictureImage(const std::vector<std::string>& rows);

// The surface's pixels as rows of letters.
std::vector<std::string> SurfacePicture(SurfaceHandle surface);

// The surface's size; (0, 0) for none. Leaves no current target.
std::pair<int, int> SurfaceSize(SurfaceHandle surface);

// What GetSurfaceSize answers for the current target, to tell whether a call changed it.
std::pair<int, int> TargetSize();

// A surface that is destroyed when the test is done with it.
class OwnedSurface {
public:
    explicit OwnedSurface(SurfaceHandle handle = 0) : handle_(handle) {}
    ~OwnedSurface();
    OwnedSurface(const OwnedSurface&) = delete;
    OwnedSurface& operator=(const OwnedSurface&) = delete;
    SurfaceHandle get() const { return handle_; }

private:
    SurfaceHandle handle_;
};

// A surface holding the picture (rows of letters) or a whole QImage's RGB values.
SurfaceHandle SurfaceFromPicture(const std::vector<std::string>& rows);
SurfaceHandle SurfaceFromImage(const QImage& image);

QByteArray ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const QByteArray& bytes);
// The names in a folder, sorted.
std::vector<std::string> FilesIn(const std::string& folder);
