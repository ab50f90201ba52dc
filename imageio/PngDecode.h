#pragma once
// PNG files decoded with libpng rather than the image plugins, whose reader lays 16-bit
// colour with a transparent colour key out wrongly and leaves part of each row unwritten.
#include <QIODevice>
#include <QImage>
#include <optional>

// The picture as 8-bit RGBA (not premultiplied), read from the device's current position:
// palettes and grey expanded, a tRNS colour or palette entries turned into alpha (compared
// at the file's own depth), 16-bit samples rounded to 8 bits. Nothing when the file is
// damaged, cut short, or wider or higher than maxSide.
std::optional<QImage> DecodePng(QIODevice& device, int maxSide);
