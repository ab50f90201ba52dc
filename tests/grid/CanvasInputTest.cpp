// Real input events on the canvas widget: the platform turns them into the messages that
// CanvasProc handles, with positions inside the control's thin border.
#include "GridTesting.h"
#include "app/state/State.h"
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

namespace {

class CanvasInputTest : public EditorTest {
  protected:
    void SetUp() override { OpenEditor(30, 30); }
    QWidget* Widget() { return WidgetOf(Canvas()); }
    // The widget point of view pixel (x, y): one pixel of border lies before the client.
    static QPoint At(int x, int y) { return {x + 1, y + 1}; }
};

TEST_F(CanvasInputTest, KeysAndTheWheelPanThePaper) {
    ASSERT_NE(Widget(), nullptr);
    QTest::keyClick(Widget(), Qt::Key_Right);
    QTest::keyClick(Widget(), Qt::Key_PageUp); // top is not below 0: nothing
    EXPECT_EQ(PaperPlacement.left, -10);
    EXPECT_EQ(PaperPlacement.top, 0);
    const QPointF at(50, 50);
    QWheelEvent toward(at, Widget()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
    QApplication::sendEvent(Widget(), &toward);
    EXPECT_EQ(PaperPlacement.top, -15);
    EXPECT_EQ(Compositions(), 2u);
}

TEST_F(CanvasInputTest, ALeftPressInMovePaperModeStartsADragAndTakesTheFocus) {
    ActivateWindow();
    QTest::mousePress(Widget(), Qt::LeftButton, {}, At(100, 100));
    EXPECT_TRUE(PaperPlacement.dragging);
    EXPECT_EQ(GetFocus(), Canvas());
    QMouseEvent move(QEvent::MouseMove, At(90, 120), Widget()->mapToGlobal(At(90, 120)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Widget(), &move);
    QTest::mouseRelease(Widget(), Qt::LeftButton, {}, At(90, 120));
    EXPECT_EQ(PaperPlacement.left, -10);
    EXPECT_EQ(PaperPlacement.top, 20);
    EXPECT_FALSE(PaperPlacement.dragging);
}

} // namespace
