#include "imageio/Blend.h"

void BlendOntoWhite(const QImage& image, Surface& surface) {
    // Premultiplied colour c' = c * a / 255, so over white the result is c' + (255 - a)
    // per channel, the same rounding as blending the straight colour.
    QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < surface.Height(); ++y) {
        auto source = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
        std::uint32_t* target = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            QRgb p = source[x];
            unsigned white = 255 - qAlpha(p);
            target[x] = ((qRed(p) + white) << 16) | ((qGreen(p) + white) << 8) | (qBlue(p) + white);
        }
    }
}
