#pragma once
// Drawing-layer test helpers: surfaces released after each test, pixels as rows of
// letters (K black, W white, r red, g green, b blue, y yellow, f button face, ? other).
#include "gfx/Drawing.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

inline const std::vector<std::pair<char, Colour>> Letters{
    {'K', Black},    {'W', White},    {'r', 0x0000FF},        {'g', 0x00FF00},
    {'b', 0xFF0000}, {'y', 0x00FFFF}, {'f', SystemButtonFace}};

// Rows of the current target from (left, top), each ended by a newline.
inline std::string Picture(int left, int top, int width, int height) {
    std::string rows;
    for (int y = top; y < top + height; ++y, rows += '\n')
        for (int x = left; x < left + width; ++x) {
            char letter = '?';
            for (auto [l, c] : Letters)
                letter = ReadPixel(x, y) == c ? l : letter;
            rows += letter;
        }
    return rows;
}

inline std::string Rows(std::initializer_list<std::string> rows) {
    std::string joined;
    for (const auto& r : rows)
        joined += r + '\n';
    return joined;
}

// Paints a picture onto the current target from (0, 0).
inline void Paint(const std::string& rows) {
    int x = 0, y = 0;
    for (char c : rows) {
        if (c == '\n') {
            x = 0, ++y;
            continue;
        }
        for (auto [l, colour] : Letters)
            if (l == c) WritePixel(x, y, colour);
        ++x;
    }
}

class GfxTest : public ::testing::Test {
  protected:
    // A new surface filled with `fill`, selected as the target.
    SurfaceHandle Make(int width, int height, Colour fill = White) {
        made_.push_back(CreateSurface(width, height));
        SelectTarget(made_.back());
        ClearTarget(fill);
        return made_.back();
    }
    void TearDown() override {
        for (SurfaceHandle h : made_)
            SelectTarget(h), DestroySurface();
        ReleaseTarget();
    }

  private:
    std::vector<SurfaceHandle> made_;
};
