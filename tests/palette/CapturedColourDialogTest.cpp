// "Color Captado" under the offscreen platform.
#include "palette/CapturedColourDialog.h"
#include "app/state/State.h"
#include "gfx/CanvasControl.h"
#include "platform/QtAccess.h"
#include "tests/palette/PaletteTestSupport.h"
#include <QWidget>
#include <gtest/gtest.h>

using namespace palettetest;

namespace {

struct Captured {
    Colour colour;
    const char* label; // the label's text, "&&" showing one "&"
    Colour swatch;     // what the swatch shows
};

class CapturedColourDialogTest : public ::testing::TestWithParam<Captured> {
  protected:
    void TearDown() override { ResetApplicationState(); }
};

TEST_P(CapturedColourDialogTest, ShowsTheColourAndItsValue) {
    CurrentColour = GetParam().colour;
    std::string label, title;
    int wrongPixels = -1;
    int result = -1;
    bool closed = RunScripted([&] { result = ShowCapturedColourDialog(nullptr); },
                              [&](WindowHandle dialog) {
                                  title = GetWindowText(dialog);
                                  label = GetDlgItemText(dialog, 21003);
                                  const Surface* swatch = CanvasSurface(dialog, 21002);
                                  ASSERT_NE(swatch, nullptr);
                                  EXPECT_EQ(swatch->Width(), 286); // inside the one-pixel border
                                  EXPECT_EQ(swatch->Height(), 86);
                                  wrongPixels = 0;
                                  for (int y = 0; y < swatch->Height(); ++y)
                                      for (int x = 0; x < swatch->Width(); ++x)
                                          wrongPixels += PixelAt(swatch, x, y) != GetParam().swatch;
                                  SendMessage(dialog, WM_COMMAND, MAKEWPARAM(21004, BN_CLICKED), 0);
                              },
                              true);
    EXPECT_TRUE(closed) << "\"Aceptar\" ends the dialog";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(title, "Color Captado");
    EXPECT_EQ(label, GetParam().label);
    EXPECT_EQ(wrongPixels, 0);
    EXPECT_EQ(CurrentColour, GetParam().colour) << "the dialog only shows";
}

INSTANTIATE_TEST_SUITE_P(
    Colours, CapturedColourDialogTest,
    ::testing::Values(Captured{0x000000, "&&H00000000", 0x000000},
                      Captured{0xFFFFFF, "&&H00FFFFFF", 0xFFFFFF},
                      Captured{0x0000FF, "&&H000000FF", 0x0000FF},
                      Captured{0xFF0000, "&&H00FF0000", 0xFF0000},
                      Captured{0x00A1B2C3, "&&H00A1B2C3", 0x00A1B2C3},
                      // No colour (a capture outside any surface): the button face.
                      Captured{0xFFFFFFFF, "&&HFFFFFFFF", SystemButtonFace}));

TEST(CapturedColourDialog, LayoutAndCloseCommand) {
    ScreenRect client{}, work = GetWorkArea();
    std::string button;
    Qt::WindowFlags flags;
    bool closed = RunScripted([&] { ShowCapturedColourDialog(nullptr); },
                              [&](WindowHandle dialog) {
                                  client = GetClientRect(dialog);
                                  button = GetDlgItemText(dialog, 21004);
                                  flags = WidgetOf(dialog)->windowFlags();
                                  SendCloseCommand(dialog); // Alt+F4 closes it, as "Aceptar" does
                              },
                              true);
    EXPECT_TRUE(closed);
    EXPECT_EQ(button, "Aceptar");
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint) << "no system menu, no close box";
    EXPECT_EQ(client.right - client.left, 302);
    EXPECT_EQ(client.bottom - client.top, 170);
    // Centred in the work area (the frame adds the same on the left and the right).
    EXPECT_NEAR((client.left + client.right) / 2.0, (work.left + work.right) / 2.0, 1.0);
}

} // namespace
