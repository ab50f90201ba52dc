#pragma once
// The editor opened on a window of its own for each test, and driven through its canvas
// control's messages.
#include "GridTesting.h"

class EditorTest : public GridModelTest {
  protected:
    void TearDown() override;
    WindowHandle EditorWindow() override { return Window(); }

    WindowHandle Window(); // the editor's main window, made on first use
    WindowHandle Canvas(); // its canvas control
    const Surface* CanvasPixels();
    // Shows the editor window and makes it the active window, so that it can hold the
    // keyboard focus.
    void ActivateWindow();

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

  private:
    WindowHandle window_ = nullptr;
};
