#include "platform/Fonts.h"
#include <cstdint>
#include <cstdlib>

int MulDiv(int a, int b, int c) {
    if (c == 0) return 0;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t magnitude = (std::abs(product) + std::abs(c) / 2) / std::abs(c);
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

QFont DialogFont() { return QtFontOf(Font{FallbackFamily, 8, 400}); }
