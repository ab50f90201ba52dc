// The editor on screens of device-pixel ratios 1 to 2 (this program's
// offscreen screens, tests/support/ScaledScreens.json): what the window shows, device
// pixel for device pixel, and where a press lands.
#include "CanvasTesting.h"
#include "grid/PixelGrid.h"
#include "platform/Menu.h"
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include "state/State.h"
#include <QApplication>
#include <QBackingStore>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
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
    // Shows the editor's window on the screen of that name and paints it.
    QWidget* ShowOn(const char* name) {
        QWidget* window = WidgetOf(Window());
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->name() == name) window->move(screen->geometry().topLeft() + QPoint(5, 5));
        ActivateWindow();
        EXPECT_EQ(window->screen()->name(), name);
        window->repaint();
        return window;
    }
    // The canvas control's first device pixel in the window: its top-left, rounded up.
    QPoint ControlOrigin(QWidget* window) {
        const QPointF corner =
            QPointF(WidgetOf(Canvas())->mapTo(window, QPoint(0, 0))) * window->devicePixelRatioF();
        return QPoint(static_cast<int>(std::ceil(corner.x() - 1e-6)),
                      static_cast<int>(std::ceil(corner.y() - 1e-6)));
    }
};

// What the window shows of the control after a pan right and down (moved in place): a
// black ring k device pixels wide, and inside it every view pixel as one k x k block of
// the paper pixel under it.
TEST_F(ScaledScreenTest, EveryPaperPixelIsOneSharpBlockOfKDevicePixels) {
    OpenEditor(180, 150); // more cells than the view holds
    const struct {
        const char* screen;
        int k;
    } cases[] = {{"plain", 1}, {"r125", 1}, {"r150", 2}, {"r175", 2}, {"r200", 2}, {"plain", 1}};
    for (const auto& c : cases) {
        QWidget* window = ShowOn(c.screen);
        Key(VK_RIGHT);
        Wheel(-120);
        const QImage& shown = *dynamic_cast<QImage*>(window->backingStore()->paintDevice());
        const QPoint origin = ControlOrigin(window);
        const int k = c.k;
        ASSERT_GE(shown.width(), origin.x() + ViewWidth * k) << c.screen;
        ASSERT_GE(shown.height(), origin.y() + ViewHeight * k) << c.screen;
        long wrong = 0;
        for (int y = 0; y < ViewHeight * k; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(shown.scanLine(origin.y() + y));
            for (int x = 0; x < ViewWidth * k; ++x) {
                const int vx = x / k - 1, vy = y / k - 1; // view pixel inside the border
                const bool ring = vx < 0 || vy < 0 || vx >= ViewWidth - 2 || vy >= ViewHeight - 2;
                const std::uint32_t paper =
                    ring ? 0
                         : SurfaceOf(PaperBitmap)
                               .Row(vy - PaperPlacement.top)[vx - PaperPlacement.left];
                wrong += (row[origin.x() + x] & 0xFFFFFF) != paper;
            }
        }
        EXPECT_EQ(wrong, 0) << "device pixels wrong on " << c.screen;
    }
}

// At ratio 1.5 (k = 2) a press on the last device pixel before the border lines of cell
// (15, 4) paints cell (14, 3); one device pixel further right and down, on the border
// lines, paints cell (15, 4). The border lies at device x 212: 212 times the toolkit's
// 1 / 1.5 comes back a hair short of 212, and 211 lies two thirds of a unit into the
// toolkit's units, which a rounded position would carry over the border.
TEST_F(ScaledScreenTest, APressPaintsThePaperPixelUnderItsDevicePixel) {
    OpenEditor(40, 40);
    QWidget* window = ShowOn("r150");
    const double ratio = window->devicePixelRatioF();
    const QPoint border = ControlOrigin(window) + QPoint(2, 2) + QPoint(7 * 15, 7 * 4) * 2;
    ASSERT_EQ(border.x(), 212);
    LeftButtonMode = EditCapturedColour;
    const auto press = [&](QPoint device, Colour colour) {
        CurrentColour = colour;
        const QPointF at = QPointF(device) * (1 / ratio); // as the toolkit turns them
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, at, window->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(window->windowHandle(), &event);
        }
    };
    press(border - QPoint(1, 1), 0x0000FF);
    press(border, 0x00FF00);
    SelectTarget(ImageBitmap);
    EXPECT_EQ(ReadPixel(14, 3), Colour{0x0000FF});
    EXPECT_EQ(ReadPixel(15, 4), Colour{0x00FF00});
    EXPECT_EQ(ReadPixel(15, 3), TestColour(15, 3));
    EXPECT_EQ(ReadPixel(14, 4), TestColour(14, 4));
}

} // namespace
