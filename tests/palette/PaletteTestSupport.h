#pragma once
// Shared by the palette tests: favourites records written byte by byte, pixels of
// surfaces as letters, and modal runs driven by a script.
#include "gfx/Surface.h"
#include "platform/Window.h"
#include <QTimer>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace palettetest {

using Bytes = std::vector<std::uint8_t>;

// One 24-byte record: left, right, top, bottom, column, row, colour, little-endian.
inline Bytes Record(int left, int right, int top, int bottom, int column, int row,
                    std::uint32_t colour) {
    Bytes out;
    auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    for (int edge : {left, right, top, bottom}) put(static_cast<std::uint32_t>(edge), 4);
    put(static_cast<std::uint16_t>(column), 2);
    put(static_cast<std::uint16_t>(row), 2);
    put(colour, 4);
    return out;
}

inline Bytes DefaultRecord(int c, int r, std::uint32_t colour = 0xFFFFFF) {
    return Record(25 * c + 1, 25 * c + 26, 25 * r + 1, 25 * r + 26, c, r, colour);
}

// The file of the default palette (130 records, row by row), slot (c, r) in colour.
inline Bytes DefaultFile(int c = -1, int r = -1, std::uint32_t colour = 0) {
    Bytes out;
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 13; ++column) {
            Bytes record = DefaultRecord(column, row, column == c && row == r ? colour : 0xFFFFFF);
            out.insert(out.end(), record.begin(), record.end());
        }
    return out;
}

inline void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The colour (0x00BBGGRR) of a surface pixel.
inline std::uint32_t PixelAt(const Surface* surface, int x, int y) {
    std::uint32_t p = surface->Row(y)[x];
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

// Rows of letters for a block: K black, W white, '.' anything else.
inline std::vector<std::string> Picture(const Surface* surface, int x, int y, int width,
                                        int height) {
    std::vector<std::string> rows(height);
    for (int row = 0; row < height; ++row)
        for (int column = x; column < x + width; ++column) {
            std::uint32_t c = PixelAt(surface, column, y + row);
            rows[row] += c == 0 ? 'K' : c == 0xFFFFFF ? 'W' : '.';
        }
    return rows;
}

// Runs show() and calls script once the dialog is up. With closes the script is meant to
// end the dialog itself: if it does not, the dialog is ended after a grace period and the
// answer is false. Otherwise the dialog is ended right after the script.
inline bool RunScripted(const std::function<void()>& show,
                        const std::function<void(WindowHandle)>& script, bool closes) {
    auto leftOpen = std::make_shared<bool>(false);
    bool first = true;
    SetModalHook([&](WindowHandle dialog) {
        if (!first) return;
        first = false;
        script(dialog);
        if (!closes) return EndDialog(dialog, 0);
        QTimer::singleShot(1500, [dialog, leftOpen] {
            if (!IsWindow(dialog)) return;
            *leftOpen = true;
            EndDialog(dialog, 0);
        });
    });
    show();
    SetModalHook(nullptr);
    return !*leftOpen;
}

} // namespace palettetest
