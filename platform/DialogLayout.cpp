#include "platform/DialogLayout.h"
#include <algorithm>
#include <cmath>

AxisStretch::AxisStretch(std::vector<std::pair<int, int>> spans, double unitsPerPixel)
    : unitsPerPixel_(unitsPerPixel) {
    std::sort(spans.begin(), spans.end());
    for (const auto& [from, to] : spans) {
        if (!spans_.empty() && from <= spans_.back().second)
            spans_.back().second = std::max(spans_.back().second, to);
        else if (from < to)
            spans_.emplace_back(from, to);
    }
}

double AxisStretch::At(int position) const {
    double covered = 0; // pixels of canvas before the position
    for (const auto& [from, to] : spans_) covered += std::clamp(position, from, to) - from;
    return position + (unitsPerPixel_ - 1) * covered;
}

int RoundUp(double v) { return static_cast<int>(std::ceil(v - 1e-6)); }
