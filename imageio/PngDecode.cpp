#include "imageio/PngDecode.h"
#include <csetjmp>
#include <png.h>
#include <vector>

namespace {

void ReadFromDevice(png_structp png, png_bytep data, png_size_t length) {
    auto* device = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (device->read(reinterpret_cast<char*>(data), qint64(length)) != qint64(length))
        png_error(png, "cut short");
}

void Fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Ignore(png_structp, png_const_charp) {}

// Every colour type and depth becomes 8-bit RGBA.
void RequestRgba(png_structp png, png_infop info) {
    png_set_expand(png); // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

// Decodes into image; only pointers live in this frame, so an error escaping back to it
// loses nothing. False on any error.
bool Read(png_structp png, png_infop info, QImage* image, std::vector<png_bytep>* rows,
          int maxSide) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_user_limits(png, png_uint_32(maxSide), png_uint_32(maxSide));
    png_read_info(png, info);
    RequestRgba(png, info);
    const int width = int(png_get_image_width(png, info));
    const int height = int(png_get_image_height(png, info));
    *image = QImage(width, height, QImage::Format_RGBA8888);
    if (image->isNull() || png_get_rowbytes(png, info) != png_size_t(width) * 4) return false;
    rows->resize(std::size_t(height));
    for (int y = 0; y < height; ++y) (*rows)[std::size_t(y)] = image->scanLine(y);
    png_read_image(png, rows->data());
    png_read_end(png, nullptr);
    return true;
}

} // namespace

std::optional<QImage> DecodePng(QIODevice& device, int maxSide) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore);
    if (!png) return std::nullopt;
    png_infop info = png_create_info_struct(png);
    QImage image;
    std::vector<png_bytep> rows;
    bool ok = false;
    if (info) {
        png_set_read_fn(png, &device, ReadFromDevice);
        ok = Read(png, info, &image, &rows, maxSide);
    }
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    if (!ok) return std::nullopt;
    return image;
}
