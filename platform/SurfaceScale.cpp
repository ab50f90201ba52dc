#include "platform/SurfaceScale.h"
#include <algorithm>
#include <cmath>

int SurfaceScale(double ratio, int availableWidth, int availableHeight, const WindowNeeds& needs) {
    // 64-bit: a huge ratio must not wrap the product around.
    long long k = std::isfinite(ratio) ? std::llround(std::min(ratio, 64.0)) : 1;
    const auto fits = [&](long long scale) {
        return needs.surfaceWidth * scale + needs.fixedWidth <= availableWidth &&
               needs.surfaceHeight * scale + needs.fixedHeight <= availableHeight;
    };
    while (k > 1 && !fits(k)) --k;
    return static_cast<int>(std::max(1LL, k));
}
