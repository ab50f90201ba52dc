#pragma once
// What the grid tests share: test images, and an editor set up as the main window's
// initialisation leaves it, driven through the canvas control's messages. Pictures of
// surfaces come from tests/support/Pictures.h, with letters of a test's own.
#include "gfx/Drawing.h"
#include "platform/Handles.h"
#include "tests/support/Pictures.h"
#include <gtest/gtest.h>

// The colour of pixel (column, row) of a generated test image: distinct for every pixel
// of a 1071 x 1071 image, never one the common legend names (so it reads as '?').
Colour TestColour(int column, int row);
SurfaceHandle MakeTestImage(int width, int height);

// The image, the paper, the view and an editor window with its canvas control, in the
// application state. Paper and window are made once for the whole test program.
class EditorTest : public ::testing::Test {
  protected:
    void TearDown() override;

    // Loads image (owned by the test from now on) into the editor: clears the paper,
    // resets the application state, builds the grid and composes the first view.
    void OpenEditor(SurfaceHandle image);
    void OpenEditor(int width, int height) { OpenEditor(MakeTestImage(width, height)); }

    static WindowHandle Window(); // the editor's main window
    static WindowHandle Canvas(); // its canvas control
    const Surface* CanvasPixels() const;
    // Shows the editor window and makes it the active window, so that it can hold the
    // keyboard focus.
    static void ActivateWindow();

    // Messages to the canvas control, positions in view pixels.
    LRESULT Send(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);
    void Press(int x, int y);
    void Move(int x, int y);
    void Release(int x, int y);
    void RightClick(int x, int y);
    void Key(unsigned key);
    void Wheel(int delta);

    // View pixels of the point inside cell (column, row), 3 paper pixels right and down
    // from its top-left border pixel, under the current placement.
    static int ViewX(int column);
    static int ViewY(int row);

    // How many times the view was composed since the editor was opened.
    unsigned long Compositions() const;
    // Every cell's inside on the paper shows the colour of its pixel in ImageBitmap.
    void ExpectPaperMatchesImage() const;

  private:
    unsigned long compositionsAtOpen_ = 0;
};
