#pragma once
// What the grid tests share: test images, and the editor opened on them as the program
// opens it (grid/Editor.h), here without a window; tests/grid/CanvasTesting.h adds one.
// Pictures of surfaces come from tests/support/Pictures.h, with letters of a test's own.
#include "base/Handles.h"
#include "gfx/Drawing.h"
#include "tests/support/Pictures.h"
#include <gtest/gtest.h>

// The colour of pixel (column, row) of a generated test image: distinct for every pixel
// of a 1071 x 1071 image, never one the common legend names (so it reads as '?').
Colour TestColour(int column, int row);
SurfaceHandle MakeTestImage(int width, int height);

// The image, the paper and the view in the application state. Paper and view are made
// once for the whole test program.
class GridModelTest : public ::testing::Test {
  protected:
    void TearDown() override;

    // Loads image (owned by the test from now on) into the editor: resets the application
    // state and opens the editor on EditorWindow(), which clears the paper, builds the
    // grid and composes the first view.
    void OpenEditor(SurfaceHandle image);
    void OpenEditor(int width, int height) { OpenEditor(MakeTestImage(width, height)); }
    // The window the editor opens on; none for the model alone.
    virtual WindowHandle EditorWindow() { return nullptr; }

    // How many times the view was composed since the editor was opened.
    unsigned long Compositions() const;
    // Every cell's inside on the paper shows the colour of its pixel in ImageBitmap.
    void ExpectPaperMatchesImage() const;

  private:
    unsigned long compositionsAtOpen_ = 0;
};
