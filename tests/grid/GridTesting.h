#pragma once
// What the grid tests share: test images, pictures of surfaces as rows of letters, and an
// editor set up as the main window's initialisation leaves it, driven through the canvas
// control's messages.
#include "gfx/Drawing.h"
#include "platform/Handles.h"
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using Rows = std::vector<std::string>;
using Legend = std::map<char, Colour>; // letter -> colour; K black, W white, s silver built in

// The colour of pixel (column, row) of a generated test image: distinct for every pixel
// of a 1071 x 1071 image, never black, white or silver.
Colour TestColour(int column, int row);
SurfaceHandle MakeTestImage(int width, int height);
// An image drawn as a picture: one letter per pixel, looked up in legend.
SurfaceHandle MakeImage(const Rows& picture, const Legend& legend);

// The w x h block at (x, y) of a surface, one letter per pixel; '?' for a colour the
// legend does not name, '-' outside the surface.
Rows Picture(const Surface* surface, int x, int y, int w, int h, const Legend& legend = {});
Rows Picture(SurfaceHandle surface, int x, int y, int w, int h, const Legend& legend = {});

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
