// The canvas control: real pointer, key and wheel input as messages to its procedure
// chain, and the picture on screen equal to its surface.
#include "gfx/CanvasControl.h"
#include "gfx/Drawing.h"
#include "platform/QtAccess.h"
#include "tests/platform/MessageLog.h"
#include "tests/support/ModalScript.h"
#include <QApplication>
#include <QKeySequence>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

constexpr int CanvasId = 100, EditId = 10;
// The canvas lies at (10, 10), 102 x 82 with its border: its client area starts at
// (11, 11) of the window and is 100 x 80.
constexpr int Width = 100, Height = 80;
QPoint At(int x, int y) { return QPoint(11 + x, 11 + y); } // client to window pixels

WindowProc previousProc = nullptr;
LRESULT RecordingCanvasProc(WindowHandle window, unsigned message, WPARAM wParam, LPARAM lParam) {
    RecordingProc(window, message, wParam, lParam);
    return CallWindowProc(previousProc, window, message, wParam, lParam);
}

// Runs body while a dialog with a text box and a bordered canvas runs modally; the
// canvas's messages are logged by a subclass that passes them on.
void WithCanvas(const std::function<void(WindowHandle dialog, WindowHandle canvas)>& body) {
    Log().clear();
    WindowHandle dialog =
        CreateDialogWindow("Lienzo", 0, 0, 200, 150, WS_POPUP | WS_CAPTION, 0, nullptr);
    AddControl(dialog, ControlKind::TextBox, EditId, "", 120, 10, 60, 20, WS_CHILD | WS_TABSTOP);
    WindowHandle canvas = AddControl(dialog, ControlKind::Canvas, CanvasId, "", 10, 10, 102, 82,
                                     WS_CHILD | WS_VISIBLE | WS_BORDER | SS_NOTIFY);
    previousProc = SubclassWindow(canvas, RecordingCanvasProc);
    ModalScript script;
    script.steps.push_back([&](WindowHandle d) {
        body(d, canvas);
        EndDialog(d, 0);
    });
    RunModal(dialog, RecordingProc);
}

QWindow* WindowOf(WindowHandle dialog) { return WidgetOf(dialog)->windowHandle(); }

// "x,y" of each logged message of the number.
std::vector<std::string> Positions(unsigned message) {
    std::vector<std::string> points;
    for (const LoggedMessage& m : Logged(message))
        points.push_back(std::to_string(LOWORD(m.lParam)) + "," + std::to_string(HIWORD(m.lParam)));
    return points;
}

TEST(CanvasInput, ButtonsAndMovesArriveInClientCoordinates) {
    WithCanvas([](WindowHandle dialog, WindowHandle) {
        QWindow* window = WindowOf(dialog);
        QTest::mousePress(window, Qt::LeftButton, {}, At(20, 30));
        Log().clear(); // the toolkit may have moved the pointer there first
        QTest::mouseMove(window, At(30, 35));
        QTest::mouseRelease(window, Qt::LeftButton, {}, At(30, 35));
        QTest::mouseClick(window, Qt::RightButton, {}, At(99, 79));
        QTest::mouseMove(window, At(0, 0)); // no button held
    });
    std::vector<std::string> moves = Positions(WM_MOUSEMOVE);
    ASSERT_GE(moves.size(), 2u); // the toolkit adds its own before the right press
    EXPECT_EQ(moves.front(), "30,35");
    EXPECT_EQ(moves.back(), "0,0");
    EXPECT_EQ(Logged(WM_MOUSEMOVE).front().wParam, MK_LBUTTON);
    EXPECT_EQ(Logged(WM_MOUSEMOVE).back().wParam, 0u);
    EXPECT_EQ(Positions(WM_LBUTTONUP), std::vector<std::string>{"30,35"});
    EXPECT_EQ(Positions(WM_RBUTTONDOWN), std::vector<std::string>{"99,79"});
}

// A canvas without the notify style takes no pointer input: it is not asked at all.
TEST(CanvasInput, WithoutNotifyTheCanvasTakesNoPointerInput) {
    Log().clear();
    WindowHandle dialog =
        CreateDialogWindow("Muestra", 0, 0, 200, 150, WS_POPUP | WS_CAPTION, 0, nullptr);
    WindowHandle canvas = AddControl(dialog, ControlKind::Canvas, CanvasId, "", 10, 10, 102, 82,
                                     WS_CHILD | WS_VISIBLE | WS_BORDER);
    previousProc = SubclassWindow(canvas, RecordingCanvasProc);
    ModalScript script;
    script.steps.push_back([&](WindowHandle d) {
        QTest::mouseClick(WindowOf(d), Qt::LeftButton, {}, At(20, 30));
        QTest::mouseClick(WindowOf(d), Qt::RightButton, {}, At(20, 30));
        EndDialog(d, 0);
    });
    RunModal(dialog, RecordingProc);
    EXPECT_TRUE(Logged(WM_LBUTTONDOWN).empty());
    EXPECT_TRUE(Logged(WM_RBUTTONDOWN).empty());
}

// The toolkit keeps sending to a pressed control after the pointer has left it; the
// canvas takes only what happens over its client area (not over its border).
TEST(CanvasInput, NothingOutsideTheClientAreaIsDelivered) {
    WithCanvas([](WindowHandle dialog, WindowHandle) {
        QWindow* window = WindowOf(dialog);
        QTest::mousePress(window, Qt::LeftButton, {}, At(5, 5));
        for (QPoint p : {At(50, 40), At(150, 100), At(-1, 20), At(100, 20), At(20, 80)})
            QTest::mouseMove(window, p);
        QTest::mouseRelease(window, Qt::LeftButton, {}, At(150, 100));
        QTest::mousePress(window, Qt::LeftButton, {}, At(-1, -1));
    });
    EXPECT_EQ(Positions(WM_LBUTTONDOWN), std::vector<std::string>{"5,5"});
    EXPECT_TRUE(Logged(WM_LBUTTONUP).empty());
    EXPECT_EQ(Positions(WM_MOUSEMOVE).back(), "50,40");
    for (const LoggedMessage& m : Logged(WM_MOUSEMOVE)) {
        EXPECT_LT(LOWORD(m.lParam), unsigned(Width));
        EXPECT_LT(HIWORD(m.lParam), unsigned(Height));
    }
}

WindowProc innerPrevious = nullptr;
LRESULT SwallowsPresses(WindowHandle window, unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) return 0;
    return CallWindowProc(innerPrevious, window, message, wParam, lParam) + 10;
}

// The control's own procedure, last in the chain, takes the focus on a left press: a
// subclass that keeps the press to itself keeps the focus where it was. Messages run
// through the chain newest first and results come back through it.
TEST(CanvasInput, TheChainEndsInTheOwnProcedureWhichTakesTheFocus) {
    WithCanvas([](WindowHandle dialog, WindowHandle canvas) {
        WindowHandle edit = GetDlgItem(dialog, EditId);
        SetFocus(edit);
        QTest::mouseClick(WindowOf(dialog), Qt::RightButton, {}, At(5, 5));
        EXPECT_EQ(GetFocus(), edit);
        QTest::mouseClick(WindowOf(dialog), Qt::LeftButton, {}, At(5, 5));
        EXPECT_EQ(GetFocus(), canvas);

        SetFocus(edit);
        innerPrevious = SubclassWindow(canvas, SwallowsPresses);
        EXPECT_EQ(innerPrevious, RecordingCanvasProc);
        Log().clear();
        QTest::mouseClick(WindowOf(dialog), Qt::LeftButton, {}, At(5, 5));
        EXPECT_EQ(GetFocus(), edit);
        EXPECT_EQ(SendMessage(canvas, 0x0400, 5, 6), 10);
    });
    EXPECT_TRUE(Logged(WM_LBUTTONDOWN).empty());
    EXPECT_EQ(Logged(WM_LBUTTONUP).size(), 1u);
    EXPECT_EQ(Logged(0x0400).at(0).lParam, 6);
}

struct KeyCase {
    Qt::Key key;
    unsigned virtualKey;
};
std::string KeyName(const KeyCase& c) { return QKeySequence(c.key).toString().toStdString(); }
void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << KeyName(c) << " as virtual key " << c.virtualKey;
}

class CanvasKeys : public ::testing::TestWithParam<KeyCase> {};

// Once pressed, the canvas gets every key as WM_KEYDOWN, Enter and Esc included, so they
// are no dialog commands while it has the focus.
TEST_P(CanvasKeys, ReachTheFocusedCanvas) {
    WithCanvas([](WindowHandle dialog, WindowHandle) {
        QTest::mouseClick(WindowOf(dialog), Qt::LeftButton, {}, At(5, 5));
        QTest::keyClick(WindowOf(dialog), GetParam().key);
    });
    ASSERT_EQ(Logged(WM_KEYDOWN).size(), 1u);
    EXPECT_EQ(Logged(WM_KEYDOWN)[0].wParam, GetParam().virtualKey);
    EXPECT_TRUE(Logged(WM_COMMAND).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CanvasKeys,
    ::testing::Values(KeyCase{Qt::Key_Left, VK_LEFT}, KeyCase{Qt::Key_Right, VK_RIGHT},
                      KeyCase{Qt::Key_Up, VK_UP}, KeyCase{Qt::Key_Down, VK_DOWN},
                      KeyCase{Qt::Key_PageUp, VK_PRIOR}, KeyCase{Qt::Key_PageDown, VK_NEXT},
                      KeyCase{Qt::Key_Home, VK_HOME}, KeyCase{Qt::Key_End, VK_END},
                      KeyCase{Qt::Key_Return, VK_RETURN}, KeyCase{Qt::Key_Escape, VK_ESCAPE},
                      KeyCase{Qt::Key_A, 'A'}),
    [](const auto& info) { return KeyName(info.param); });

class CanvasWheel : public ::testing::TestWithParam<int> {};

TEST_P(CanvasWheel, DeltaIsTheSignedHighWord) {
    WithCanvas([](WindowHandle, WindowHandle canvas) {
        QWidget* widget = WidgetOf(canvas);
        QWheelEvent wheel(QPointF(20, 20), widget->mapToGlobal(QPointF(20, 20)), QPoint(),
                          QPoint(0, GetParam()), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(widget, &wheel);
    });
    ASSERT_EQ(Logged(WM_MOUSEWHEEL).size(), 1u);
    EXPECT_EQ(static_cast<std::int16_t>(HIWORD(Logged(WM_MOUSEWHEEL)[0].wParam)), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Notches, CanvasWheel, ::testing::Values(120, -120, -240),
                         [](const auto& info) {
                             return (info.param < 0 ? "Minus" : "Plus") +
                                    std::to_string(std::abs(info.param));
                         });

// A checkerboard of two colours: any smoothing or offset shows as a wrong pixel.
void DrawChecks(WindowHandle dialog) {
    SelectTarget(dialog, CanvasId, false);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) WritePixel(x, y, (x + y) % 2 ? 0x0000FF : 0xFF8000);
}
QRgb Expected(int x, int y) { return (x + y) % 2 ? 0xFF0000 : 0x0080FF; }

// Read back without letting the event loop run: each drawing has shown before it
// returned. (Screens of other ratios: tests/grid/ScaledScreenTest.cpp.)
TEST(CanvasPicture, TheScreenShowsTheSurfaceAfterEveryDrawing) {
    WindowHandle dialog = nullptr;
    WithCanvas([&](WindowHandle d, WindowHandle) {
        dialog = d;
        DrawChecks(d);
        QWidget* window = WidgetOf(d);
        QImage shown = window->screen()
                           ->grabWindow(window->winId(), At(0, 0).x(), At(0, 0).y(), Width, Height)
                           .toImage();
        int wrong = 0;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                wrong += (shown.pixel(x, y) & 0xFFFFFF) != Expected(x, y);
        EXPECT_EQ(wrong, 0);
    });
    EXPECT_EQ(CanvasSurface(dialog, CanvasId), nullptr); // gone with its dialog
}

} // namespace
