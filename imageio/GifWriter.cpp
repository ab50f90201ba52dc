#include "imageio/GifWriter.h"
#include "imageio/GifPalette.h"
#include <cerrno>
#include <gif_lib.h>
#include <unistd.h>

namespace {

constexpr int MaxGifSide = 65535; // sides are 16-bit in the file

// giflib's output callback: UserData holds the descriptor.
int WriteToDescriptor(GifFileType* gif, const GifByteType* data, int length) {
    int fd = *static_cast<int*>(gif->UserData);
    int written = 0;
    while (written < length) {
        ssize_t n = ::write(fd, data + written, static_cast<size_t>(length - written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return written;
        written += static_cast<int>(n);
    }
    return written;
}

// The palette as a colour map whose size is a power of two (giflib requires it, and at
// least 2); the unused entries are black.
ColorMapObject* MakeColourMap(const std::vector<std::uint32_t>& palette) {
    int size = 2;
    while (size < static_cast<int>(palette.size())) size *= 2;
    ColorMapObject* map = GifMakeMapObject(size, nullptr);
    if (!map) return nullptr;
    for (int i = 0; i < size; ++i) {
        std::uint32_t colour = i < static_cast<int>(palette.size()) ? palette[i] : 0;
        map->Colors[i] = {GifByteType(colour >> 16), GifByteType(colour >> 8), GifByteType(colour)};
    }
    return map;
}

bool WriteFrame(GifFileType* gif, IndexedPicture& picture, int width, int height) {
    ColorMapObject* map = MakeColourMap(picture.palette);
    // The screen descriptor keeps its own copy of the map.
    bool ok = map && EGifPutScreenDesc(gif, width, height, map->BitsPerPixel, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    GifFreeMapObject(map);
    for (int y = 0; ok && y < height; ++y)
        ok = EGifPutLine(gif, picture.indices.data() + static_cast<std::size_t>(y) * width,
                         width) == GIF_OK;
    return ok;
}

} // namespace

bool WriteGif(const QImage& image, int fd) {
    int width = image.width(), height = image.height();
    if (image.format() != QImage::Format_RGB32 || width < 1 || height < 1 || width > MaxGifSide ||
        height > MaxGifSide)
        return false;
    IndexedPicture picture = IndexColours(reinterpret_cast<const std::uint32_t*>(image.constBits()),
                                          width, height, image.bytesPerLine() / 4);
    int error = 0;
    GifFileType* gif = EGifOpen(&fd, WriteToDescriptor, &error);
    if (!gif) return false;
    bool ok = WriteFrame(gif, picture, width, height);
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}
