#pragma once
// Drawing-layer test helpers: surfaces released after each test; pixels are read and
// painted as pictures in the common letters (tests/support/Pictures.h).
#include "gfx/Drawing.h"
#include "tests/support/Pictures.h"
#include <gtest/gtest.h>
#include <vector>

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
        for (SurfaceHandle h : made_) SelectTarget(h), DestroySurface();
        ReleaseTarget();
    }

  private:
    std::vector<SurfaceHandle> made_;
};
