#pragma once
// Encoding a picture in memory, so that a failing encoder never touches a file.
#include "imageio/ImageFormats.h"
#include <QByteArray>
#include <QImage>

// The whole file of image in encoder's format, with its settings, in bytes; false when
// the codec refused.
bool EncodeImage(const QImage& image, const Encoder& encoder, QByteArray& bytes);
