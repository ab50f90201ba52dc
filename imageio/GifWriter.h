#pragma once
// GIF files, written with giflib (the image plugins only read GIF).
#include <QImage>

// Writes image (Format_RGB32) to the open file descriptor fd as a one-frame GIF, with
// the palette that IndexColours makes. False when anything could not be written.
bool WriteGif(const QImage& image, int fd);
