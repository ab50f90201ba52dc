#pragma once
// Helpers for the image file tests: surfaces that go away with the test, surfaces from Qt
// images, and files read and written whole.
#include "gfx/Drawing.h"
#include <QByteArray>
#include <QImage>
#include <string>
#include <vector>

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

// A surface holding a whole QImage's RGB values.
SurfaceHandle SurfaceFromImage(const QImage& image);

QByteArray ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const QByteArray& bytes);
// The names in a folder, sorted.
std::vector<std::string> FilesIn(const std::string& folder);
