// The editor on this program's offscreen screens of device-pixel ratios 1 to 2
// (tests/support/ScaledScreens.json): what the window shows, device pixel for device
// pixel, and where a press lands.
#include "CanvasTesting.h"
#include "platform/Menu.h"
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include "state/State.h"
#include <QApplication>
#include <QBackingStore>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

class ScaledScreenTest : public EditorTest {
  protected:
    // A menu bar, as the main window has: on a scaled screen the canvas then starts a
    // fraction of a device pixel down.
    void SetUp() override {
        const MenuHandle bar = CreateMenu();
        AppendMenu(bar, MF_STRING, 1, "Archivo");
        SetMenu(Window(), bar);
    }
    // Shows the editor's window, painted, on the screen of that name; `origin` becomes the
    // canvas control's first device pixel in the window (its top-left, rounded up).
    QWidget* ShowOn(const char* name, QPoint& origin) {
        QWidget* window = WidgetOf(Window());
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->name() == name) window->move(screen->geometry().topLeft());
        ActivateWindow();
        EXPECT_EQ(window->screen()->name(), name);
        window->repaint();
        const QPointF corner =
            QPointF(WidgetOf(Canvas())->mapTo(window, QPoint(0, 0))) * window->devicePixelRatioF();
        origin = QPoint(int(std::ceil(corner.x() - 1e-6)), int(std::ceil(corner.y() - 1e-6)));
        return window;
    }
};

// After a pan right and down (moved in place), the control shows a black ring k device
// pixels wide, and inside it every view pixel as one k x k block of the paper pixel under
// it.
TEST_F(ScaledScreenTest, EveryPaperPixelIsOneSharpBlockOfKDevicePixels) {
    OpenEditor(180, 150); // more cells than the view holds
    const std::pair<const char*, int> cases[] = {{"plain", 1}, {"r125", 1}, {"r150", 2},
                                                 {"r175", 2},  {"r200", 2}, {"plain", 1}};
    for (const auto& [screen, k] : cases) {
        QPoint origin;
        QWidget* window = ShowOn(screen, origin);
        Key(VK_RIGHT);
        Wheel(-120);
        // The window's device pixels, as the last paint left them (each paint makes anew
        // the image through which the toolkit hands them out).
        const QImage& shown = *dynamic_cast<QImage*>(window->backingStore()->paintDevice());
        ASSERT_TRUE(shown.rect().contains(QRect(origin, QSize(ViewWidth, ViewHeight) * k)))
            << screen;
        long wrong = 0;
        for (int y = 0; y < ViewHeight * k; ++y)
            for (int x = 0; x < ViewWidth * k; ++x) {
                const int vx = x / k - 1, vy = y / k - 1; // view pixel inside the border
                const bool ring = vx < 0 || vy < 0 || vx >= ViewWidth - 2 || vy >= ViewHeight - 2;
                const std::uint32_t paper =
                    ring ? 0
                         : SurfaceOf(PaperBitmap)
                               .Row(vy - PaperPlacement.top)[vx - PaperPlacement.left];
                wrong += (shown.pixel(origin.x() + x, origin.y() + y) & 0xFFFFFF) != paper;
            }
        EXPECT_EQ(wrong, 0) << "device pixels wrong on " << screen;
    }
}

// At ratio 1.5 (k = 2) a press on the last device pixel before the border lines of cell
// (15, 4) paints cell (14, 3); one device pixel further right and down, on the border
// lines, paints cell (15, 4). The border lies at device x 212: 212 times the toolkit's
// 1 / 1.5 comes back a hair short of 212, and 211 lies two thirds of a unit into the
// toolkit's units, which a rounded position would carry over the border.
TEST_F(ScaledScreenTest, APressPaintsThePaperPixelUnderItsDevicePixel) {
    OpenEditor(40, 40);
    QPoint origin;
    QWindow* window = ShowOn("r150", origin)->windowHandle();
    const QPoint border = origin + QPoint(2, 2) + QPoint(7 * 15, 7 * 4) * 2;
    ASSERT_EQ(border.x(), 212);
    LeftButtonMode = EditCapturedColour;
    for (const auto& [device, colour] : {std::pair{border - QPoint(1, 1), Colour{0x0000FF}},
                                         std::pair{border, Colour{0x00FF00}}}) {
        CurrentColour = colour;
        const QPointF at = QPointF(device) * (1 / 1.5); // as the toolkit turns device pixels
        for (auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                     std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
            QMouseEvent event(type, at, at, window->mapToGlobal(at), Qt::LeftButton, buttons, {});
            QApplication::sendEvent(window, &event);
        }
    }
    SelectTarget(ImageBitmap);
    EXPECT_EQ(ReadPixel(14, 3), Colour{0x0000FF});
    EXPECT_EQ(ReadPixel(15, 4), Colour{0x00FF00});
    EXPECT_EQ(ReadPixel(15, 3), TestColour(15, 3));
    EXPECT_EQ(ReadPixel(14, 4), TestColour(14, 4));
}

} // namespace
