// Dialogs built in code: frame and placement from the style bits, controls and their
// text, commands from buttons, focus and activation.
#include "platform/Menu.h"
#include "platform/QtAccess.h"
#include "tests/platform/MessageLog.h"
#include "tests/support/ModalScript.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t MainStyle =
    0x94CE08D4; // caption, close box, sizing frame, minimise box, centred
constexpr std::uint32_t FixedStyle = 0x80C000D4; // caption only
constexpr int Label = 1001, Number = 1002, Button = 1003, Text = 1004;

void WhileRunning(WindowHandle dialog, const std::function<void(WindowHandle)>& body,
                  WindowProc proc = RecordingProc) {
    Log().clear();
    ModalScript script;
    script.steps.push_back([&](WindowHandle d) {
        body(d);
        EndDialog(d, 0);
    });
    RunModal(dialog, proc);
}

struct Frame {
    std::uint32_t style, exStyle;
    bool closeBox, minimiseBox, maximiseBox, topmost, resizable;
};

class DialogFrame : public ::testing::TestWithParam<Frame> {};

TEST_P(DialogFrame, FollowsTheStyleBitsAroundTheClientSize) {
    const Frame& f = GetParam();
    WindowHandle dialog = CreateDialogWindow("Marco", 0, 0, 300, 200, f.style, f.exStyle, nullptr);
    QWidget* widget = WidgetOf(dialog);
    Qt::WindowFlags flags = widget->windowFlags();
    EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), f.closeBox);
    EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), f.minimiseBox);
    EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), f.maximiseBox);
    EXPECT_EQ(flags.testFlag(Qt::WindowStaysOnTopHint), f.topmost);
    EXPECT_EQ(widget->minimumSize() != widget->maximumSize(), f.resizable);
    ScreenRect client = GetClientRect(dialog);
    EXPECT_EQ(QSize(client.right - client.left, client.bottom - client.top), QSize(300, 200));
    DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, DialogFrame,
    ::testing::Values(Frame{MainStyle, WS_EX_CONTROLPARENT, true, true, false, false, true},
                      Frame{FixedStyle, WS_EX_TOPMOST, false, false, false, true, false},
                      Frame{WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX, 0, true, false,
                            true, false, false}));

class DialogCentre : public ::testing::TestWithParam<QSize> {};

// Centred by the outer size, menu bar included; larger than the work area, it starts at
// the area's edge (a negative numerator counts as 0). The requested position is not used.
TEST_P(DialogCentre, LiesInTheMiddleOfTheWorkArea) {
    QSize size = GetParam();
    WindowHandle dialog =
        CreateDialogWindow("Centro", 200, 100, size.width(), size.height(), MainStyle, 0, nullptr);
    MenuHandle bar = CreateMenu(), popup = CreatePopupMenu();
    AppendMenu(bar, MF_POPUP, reinterpret_cast<std::uintptr_t>(popup), "Archivo");
    SetMenu(dialog, bar);
    WhileRunning(dialog, [](WindowHandle d) {
        ScreenRect work = GetWorkArea(), frame = GetWindowRect(d);
        EXPECT_EQ(frame.left, std::max(0, work.left + work.right - (frame.right - frame.left)) / 2);
        EXPECT_EQ(frame.top, std::max(0, work.top + work.bottom - (frame.bottom - frame.top)) / 2);
    });
}

// The test screen's work area is smaller than the main window.
INSTANTIATE_TEST_SUITE_P(Sizes, DialogCentre, ::testing::Values(QSize(240, 197), QSize(1200, 950)));

WindowHandle DialogWithControls() {
    WindowHandle dialog =
        CreateDialogWindow("Controles", 105, 105, 300, 200, FixedStyle, 0, nullptr);
    AddControl(dialog, ControlKind::Label, Label, "&&H000000FF", 5, 5, 100, 20,
               WS_CHILD | SS_CENTER);
    AddControl(dialog, ControlKind::TextBox, Number, "", 5, 30, 100, 20,
               WS_CHILD | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_CENTER);
    AddControl(dialog, ControlKind::Button, Button, "Salir", 5, 60, 60, 20, WS_CHILD);
    AddControl(dialog, ControlKind::TextBox, Text, "", 5, 90, 100, 20, WS_CHILD | WS_TABSTOP);
    return dialog;
}

// A label shows "&&" as "&" and keeps its text as given; without centring the frame lies
// at the requested position.
TEST(DialogControls, LabelsFollowThePrefixRule) {
    WhileRunning(DialogWithControls(), [](WindowHandle d) {
        EXPECT_EQ(qobject_cast<QLabel*>(WidgetOf(GetDlgItem(d, Label)))->text(), "&H000000FF");
        EXPECT_EQ(GetDlgItemText(d, Label), "&&H000000FF");
        SetDlgItemText(d, Label, "A&B");
        EXPECT_EQ(qobject_cast<QLabel*>(WidgetOf(GetDlgItem(d, Label)))->text(), "AB");
        EXPECT_EQ(GetWindowRect(d).left, 105);
        EXPECT_EQ(GetParent(GetDlgItem(d, Label)), d);
    });
}

TEST(DialogControls, ANumberBoxTakesOnlyDigitsButAnyLength) {
    WhileRunning(DialogWithControls(), [](WindowHandle d) {
        QTest::keyClicks(WidgetOf(GetDlgItem(d, Number)), "a1-b2 3");
        QTest::keyClicks(WidgetOf(GetDlgItem(d, Text)), "a1");
        EXPECT_EQ(GetDlgItemText(d, Number), "123");
        EXPECT_EQ(GetDlgItemText(d, Text), "a1");
        std::string longText(40000, '7');
        SetDlgItemText(d, Number, longText);
        EXPECT_EQ(GetDlgItemText(d, Number), longText);
    });
}

// A click is a command with the button's id and BN_CLICKED; a disabled button sends none.
// A font goes to its control only, sized at 96 dots per inch (10 points: 13 pixels).
TEST(DialogControls, ButtonsSendTheirCommandAndTakeTheirFont) {
    WindowHandle dialog = DialogWithControls(), button = GetDlgItem(dialog, Button);
    FontHandle font = CreateFont("MS Sans Serif", 10, 700);
    SetControlFont(button, font);
    EXPECT_EQ(WidgetOf(button)->font().pixelSize(), 13);
    EXPECT_EQ(WidgetOf(button)->font().weight(), QFont::Bold);
    EXPECT_NE(WidgetOf(GetDlgItem(dialog, Label))->font().weight(), QFont::Bold);
    WhileRunning(dialog, [button](WindowHandle) {
        QTest::mouseClick(WidgetOf(button), Qt::LeftButton);
        EnableWindow(button, false);
        EXPECT_FALSE(IsWindowEnabled(button));
        QTest::mouseClick(WidgetOf(button), Qt::LeftButton);
    });
    DeleteFont(font);
    ASSERT_EQ(Logged(WM_COMMAND).size(), 1u);
    EXPECT_EQ(Logged(WM_COMMAND)[0].wParam, MAKEWPARAM(Button, BN_CLICKED));
    EXPECT_EQ(Logged(WM_COMMAND)[0].lParam, reinterpret_cast<LPARAM>(button));
}

TEST(DialogKeyboard, TabVisitsTheTabStopsOnly) {
    WhileRunning(DialogWithControls(), [](WindowHandle d) {
        SetFocus(GetDlgItem(d, Number));
        QTest::keyClick(WidgetOf(d)->windowHandle(), Qt::Key_Tab);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, Text));
        QTest::keyClick(WidgetOf(d)->windowHandle(), Qt::Key_Tab);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, Number));
    });
}

WindowHandle focusAtDeactivation = nullptr;
LRESULT NotesFocus(WindowHandle window, unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCACTIVATE && wParam == 0) focusAtDeactivation = GetFocus();
    return RecordingProc(window, message, wParam, lParam);
}

// Another window taking the activation deactivates the dialog, whose focus is still its
// own at that moment; activating it again reactivates it.
TEST(DialogActivation, ArrivesAsNonClientActivation) {
    QWidget other;
    WindowHandle focused = nullptr;
    WhileRunning(
        DialogWithControls(),
        [&](WindowHandle d) {
            focused = GetDlgItem(d, Text);
            SetFocus(focused);
            Log().clear();
            other.show();
            QApplication::setActiveWindow(&other);
            QApplication::setActiveWindow(WidgetOf(d));
        },
        NotesFocus);
    ASSERT_EQ(Logged(WM_NCACTIVATE).size(), 2u);
    EXPECT_EQ(Logged(WM_NCACTIVATE)[0].wParam, 0u);
    EXPECT_EQ(Logged(WM_NCACTIVATE)[1].wParam, 1u);
    EXPECT_EQ(focusAtDeactivation, focused);
}

} // namespace
