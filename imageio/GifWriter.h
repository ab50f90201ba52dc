#pragma once
// GIF files, written with giflib (the image plugins only read GIF).
#include <QByteArray>
#include <QImage>

// Appends image (Format_RGB32) to bytes as a one-frame GIF file, with the palette that
// IndexColours makes. False when giflib refused anything.
bool WriteGif(const QImage& image, QByteArray& bytes);
