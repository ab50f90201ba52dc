#include "tests/support/Pictures.h"
#include <algorithm>
#include <gtest/gtest.h>

namespace {

char LetterOf(Colour colour, const Legend& own) {
    for (const Legend* names : {&own, &CommonLegend()})
        for (const auto& [letter, value] : *names)
            if (value == colour) return letter;
    return '?';
}

void PaintOnto(Surface& surface, const Rows& rows, const Legend& own) {
    const int height = std::min(static_cast<int>(rows.size()), surface.Height());
    for (int y = 0; y < height; ++y) {
        const int width = std::min(static_cast<int>(rows[y].size()), surface.Width());
        for (int x = 0; x < width; ++x)
            surface.Row(y)[x] = PixelFromColour(LetterColour(rows[y][x], own));
    }
}

} // namespace

const Legend& CommonLegend() {
    static const Legend legend{{'K', Black},    {'W', White},    {'s', Silver},
                               {'r', 0x0000FF}, {'g', 0x00FF00}, {'b', 0xFF0000},
                               {'y', 0x00FFFF}, {'c', 0xFFFF00}, {'m', 0xFF00FF},
                               {'G', 0x808080}, {'p', 0x7F7FFF}, {'f', SystemButtonFace}};
    return legend;
}

void PrintTo(const Rows& rows, std::ostream* out) {
    for (const std::string& row : rows) *out << "\n    " << row;
}

Colour LetterColour(char letter, const Legend& own) {
    for (const Legend* names : {&own, &CommonLegend()})
        if (auto found = names->find(letter); found != names->end()) return found->second;
    ADD_FAILURE() << "no colour for the letter '" << letter << "'";
    return Black;
}

Rows Picture(const Surface* surface, int x, int y, int w, int h, const Legend& own) {
    Rows rows(h, std::string(w, '-'));
    if (!surface) return rows;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int px = x + i, py = y + j;
            if (px < 0 || py < 0 || px >= surface->Width() || py >= surface->Height()) continue;
            rows[j][i] = LetterOf(ColourFromPixel(surface->Row(py)[px]), own);
        }
    return rows;
}

Rows Picture(SurfaceHandle surface, int x, int y, int w, int h, const Legend& own) {
    return Picture(SurfaceFromHandle(surface), x, y, w, h, own);
}

Rows Picture(SurfaceHandle surface, const Legend& own) {
    const Surface* pixels = SurfaceFromHandle(surface);
    if (!pixels) return {};
    return Picture(pixels, 0, 0, pixels->Width(), pixels->Height(), own);
}

Rows TargetPicture(int x, int y, int w, int h, const Legend& own) {
    return Picture(GetDrawingContext().surface, x, y, w, h, own);
}

void Paint(const Rows& rows, const Legend& own) {
    if (Surface* target = GetDrawingContext().surface) PaintOnto(*target, rows, own);
}

SurfaceHandle SurfaceFromPicture(const Rows& rows, const Legend& own) {
    std::size_t width = 0;
    for (const std::string& row : rows) width = std::max(width, row.size());
    const SurfaceHandle handle =
        CreateSurface(static_cast<int>(width), static_cast<int>(rows.size()));
    Surface* surface = SurfaceFromHandle(handle);
    if (!surface) return handle;
    std::fill_n(surface->Pixels(), surface->ByteCount() / 4, PixelFromColour(White));
    PaintOnto(*surface, rows, own);
    return handle;
}
