#include "imageio/PngDecode.h"
#include <csetjmp>
#include <png.h>
#include <vector>

namespace {

// What libpng hands back through setjmp besides 0: an error, or the end of the last row.
constexpr int Failed = 1, AllRowsRead = 2;

// Chunk data libpng may keep in memory at all; with every ancillary chunk skipped this
// only bounds what a future version might keep.
constexpr png_alloc_size_t ChunkMemory = 1024 * 1024;

struct Source {
    QIODevice* device;
    png_uint_32 rowsLeft; // rows with data still to be decoded, over all passes
};

// Once the last row is decoded nothing more is read: libpng would otherwise go on
// inflating whatever the stream holds after it (any amount of it) before it returns.
void ReadFromDevice(png_structp png, png_bytep data, png_size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (source->rowsLeft == 0) png_longjmp(png, AllRowsRead);
    if (source->device->read(reinterpret_cast<char*>(data), qint64(length)) != qint64(length))
        png_error(png, "cut short");
}

// Called once for every row with data, before libpng stores it.
void CountRow(png_structp png, png_row_infop, png_bytep) {
    --static_cast<Source*>(png_get_io_ptr(png))->rowsLeft;
}

// The rows with data: a pass of an interlaced picture has none when it has no columns.
png_uint_32 RowsWithData(png_structp png, png_infop info) {
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (png_get_interlace_type(png, info) == PNG_INTERLACE_NONE) return height;
    png_uint_32 rows = 0;
    for (int pass = 0; pass < 7; ++pass)
        if (PNG_PASS_COLS(width, pass) != 0) rows += PNG_PASS_ROWS(height, pass);
    return rows;
}

void Fail(png_structp png, png_const_charp) { png_longjmp(png, Failed); }
void Ignore(png_structp, png_const_charp) {}

// Only the chunks that make the picture are read: every ancillary chunk but tRNS (text,
// colour profiles, palettes of suggestions) is skipped unread, whatever its length.
void SkipAncillaryChunks(png_structp png) {
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_set_chunk_cache_max(png, 1); // no chunk kept
    png_set_chunk_malloc_max(png, ChunkMemory);
}

// Every colour type and depth becomes 8-bit RGBA.
void RequestRgba(png_structp png, png_infop info) {
    png_set_expand(png); // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_set_read_user_transform_fn(png, CountRow);
    png_read_update_info(png, info);
}

// Decodes into image; only pointers live in this frame, so an error escaping back to it
// loses nothing. False on any error.
bool Read(png_structp png, png_infop info, Source* source, QImage* image,
          std::vector<png_bytep>* rows, int maxSide) {
    if (const int jumped = setjmp(png_jmpbuf(png)); jumped != 0)
        return jumped == AllRowsRead && source->rowsLeft == 0;
    png_set_user_limits(png, png_uint_32(maxSide), png_uint_32(maxSide));
    SkipAncillaryChunks(png);
    png_read_info(png, info);
    RequestRgba(png, info);
    const int width = int(png_get_image_width(png, info));
    const int height = int(png_get_image_height(png, info));
    *image = QImage(width, height, QImage::Format_RGBA8888);
    if (image->isNull() || png_get_rowbytes(png, info) != png_size_t(width) * 4) return false;
    rows->resize(std::size_t(height));
    for (int y = 0; y < height; ++y) (*rows)[std::size_t(y)] = image->scanLine(y);
    source->rowsLeft = RowsWithData(png, info);
    png_read_image(png, rows->data());
    return source->rowsLeft == 0;
}

} // namespace

std::optional<QImage> DecodePng(QIODevice& device, int maxSide) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore);
    if (!png) return std::nullopt;
    png_infop info = png_create_info_struct(png);
    Source source{&device, ~png_uint_32(0)};
    QImage image;
    std::vector<png_bytep> rows;
    bool ok = false;
    if (info) {
        png_set_read_fn(png, &source, ReadFromDevice);
        ok = Read(png, info, &source, &image, &rows, maxSide);
    }
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    if (!ok) return std::nullopt;
    return image;
}
