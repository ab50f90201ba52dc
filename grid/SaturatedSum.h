#pragma once
// Sums of placement coordinates (view pixels) that cannot wrap round.
#include <algorithm>
#include <cstdint>
#include <limits>

// a + b held at the ends of the 32-bit range. Dragging has no bounds, so the placement,
// and the paper point under the mouse that follows from it, stop at the ends instead.
inline std::int32_t SaturatedSum(std::int64_t a, std::int64_t b) {
    using Limits = std::numeric_limits<std::int32_t>;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(a + b, Limits::min(), Limits::max()));
}
