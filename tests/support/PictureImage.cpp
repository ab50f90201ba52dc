#include "tests/support/PictureImage.h"

QImage PictureImage(const Rows& rows, const Legend& own, int width, int height) {
    if (width == 0) width = static_cast<int>(rows.at(0).size());
    if (height == 0) height = static_cast<int>(rows.size());
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const std::string& row = rows[y % rows.size()];
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           0xFF000000 | PixelFromColour(LetterColour(row[x % row.size()], own)));
    }
    return image;
}
