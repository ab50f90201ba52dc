#pragma once
// Encoding a picture into an open file.
#include "imageio/ImageFormats.h"
#include <QImage>

// Writes image in encoder's format, with its settings, to the open descriptor fd (which
// stays open). False when the codec refused or the file could not be written.
bool EncodeImage(const QImage& image, const Encoder& encoder, int fd);
