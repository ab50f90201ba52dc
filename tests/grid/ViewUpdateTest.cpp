// Pans and paint steps bring the view up to date with less work than a whole composition;
// after every step of a random walk the view, the canvas and the screen must still show
// exactly what the plain steps give (clear to white, AND the paper in, copy).
#include "CanvasTesting.h"
#include "gfx/CanvasControl.h"
#include "grid/ColourTools.h"
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include "state/State.h"
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <random>
#include <sstream>

namespace {

class ViewUpdateTest : public EditorTest {
  protected:
    // Pixels that differ: the view from the plain steps, the canvas from them, and what
    // the screen shows of the canvas from the canvas; "" when none does.
    std::string Differences() {
        const SurfaceHandle plain = CreateSurface(ViewWidth, ViewHeight);
        SelectTarget(plain);
        ClearTarget(White);
        CopySurfaceAt(PaperBitmap, PaperPlacement.left, PaperPlacement.top, MixMode::And);
        const Surface& expected = SurfaceOf(plain);
        const Surface& view = SurfaceOf(ViewBitmap);
        const Surface& canvas = *CanvasPixels();
        QWidget* control = WidgetOf(Canvas());
        const QPoint at = control->mapTo(control->window(), QPoint(1, 1)); // inside the border
        const QImage screen = QGuiApplication::primaryScreen()
                                  ->grabWindow(control->window()->winId())
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
        int wrongView = 0, wrongCanvas = 0, wrongScreen = 0;
        for (int y = 0; y < ViewHeight; ++y)
            for (int x = 0; x < ViewWidth; ++x) {
                const std::uint32_t pixel = expected.Row(y)[x];
                wrongView += view.Row(y)[x] != pixel;
                if (x >= canvas.Width() || y >= canvas.Height()) continue;
                wrongCanvas += canvas.Row(y)[x] != pixel;
                wrongScreen += (screen.pixel(at.x() + x, at.y() + y) & 0xFFFFFF) != pixel;
            }
        SelectTarget(plain);
        DestroySurface();
        if (!wrongView && !wrongCanvas && !wrongScreen) return "";
        std::ostringstream out;
        out << wrongView << " in the view, " << wrongCanvas << " on the canvas, " << wrongScreen
            << " on the screen";
        return out.str();
    }
};

// Keys, the wheel, drags of up to twice the view, blocks painted in random colours,
// "Deshacer" and "Rehacer", and boxes drawn on the paper behind the editor's back.
TEST_F(ViewUpdateTest, EveryStepOfARandomWalkShowsThePlainComposition) {
    OpenEditor(180, 150); // a grid larger than the view: no edge of it shows only white
    ActivateWindow();
    std::mt19937 random(1412);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const unsigned keys[] = {VK_RIGHT, VK_LEFT, VK_DOWN, VK_UP, VK_NEXT, VK_PRIOR, VK_HOME, VK_END};
    for (int step = 0; step < 120; ++step) {
        const int x = pick(0, ViewWidth - 1), y = pick(0, ViewHeight - 1);
        const int what = pick(0, 6);
        switch (what) {
        case 0: Key(keys[pick(0, 7)]); break;
        case 1: Wheel(pick(0, 1) ? 120 : -120); break;
        case 2:
            LeftButtonMode = MovePaper;
            Press(x, y);
            Move(x + pick(-2 * ViewWidth, 2 * ViewWidth),
                 y + pick(-ViewHeight / 4, ViewHeight / 4));
            Release(0, 0);
            break;
        case 3:
            LeftButtonMode = EditCapturedColourMultiple;
            fillWidth = static_cast<std::int16_t>(pick(1, 60));
            fillHeight = static_cast<std::int16_t>(pick(1, 60));
            CurrentColour = MakeColour(pick(0, 255), pick(0, 255), pick(0, 255));
            Press(x, y);
            Release(x, y);
            break;
        case 4: pick(0, 1) ? UndoStroke() : RedoStroke(); break;
        default:
            SelectTarget(PaperBitmap);
            DrawBox(x, y, x + 50, y + 30, Black, MakeColour(pick(0, 255), 0, what));
            Wheel(pick(0, 1) ? 120 : -120); // shows it, whether the paper moves or not
            break;
        }
        ASSERT_EQ(Differences(), "") << "after step " << step << ", a step of kind " << what;
    }
}

} // namespace
