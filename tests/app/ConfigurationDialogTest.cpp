// The configuration dialog on its own: layout, initial texts, "Salir", close, focus.
#include "app/ConfigurationDialog.h"
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include "state/State.h"
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs the dialog with fillWidth and fillHeight as given; drive runs while it is open.
void RunDialog(std::int16_t width, std::int16_t height,
               const std::function<void(WindowHandle)>& drive) {
    ResetApplicationState();
    fillWidth = width;
    fillHeight = height;
    int runs = 0;
    SetModalHook([&](WindowHandle dialog) {
        ++runs;
        drive(dialog);
        if (IsWindow(dialog)) SendCloseCommand(dialog);
    });
    EXPECT_EQ(ShowConfigurationDialog(nullptr), 0);
    SetModalHook(nullptr);
    EXPECT_EQ(runs, 1);
}

QLineEdit* Box(WindowHandle dialog, int id) {
    return qobject_cast<QLineEdit*>(WidgetOf(GetDlgItem(dialog, id)));
}

void Type(WindowHandle dialog, int id, const QString& text) {
    QLineEdit* box = Box(dialog, id);
    ASSERT_NE(box, nullptr);
    box->clear();
    QTest::keyClicks(box, text);
}

struct ControlPlace {
    int id;
    const char* text;
    int x, y, width, height; // dialog units
};

TEST(ConfigurationDialog, LayoutInDialogUnits) {
    const ControlPlace places[] = {
        {17001, "Tamaño de relleno en píxeles", 5, 5, 150, 15},
        {17002, "Ancho", 5, 30, 45, 15},
        {17003, "3", 50, 30, 40, 13},
        {17004, "Alto", 5, 55, 45, 15},
        {17005, "3", 50, 55, 40, 13},
        {17006, "Salir", 5, 100, 50, 15},
    };
    RunDialog(3, 3, [&](WindowHandle dialog) {
        EXPECT_EQ(GetWindowText(dialog), "Configuración");
        const ScreenRect client = GetClientRect(dialog);
        EXPECT_EQ(client.right - client.left, DialogUnitsToPixelsX(160));
        EXPECT_EQ(client.bottom - client.top, DialogUnitsToPixelsY(121));
        EXPECT_EQ(GetWindowRect(dialog).left, DialogUnitsToPixelsX(70));
        EXPECT_EQ(GetWindowRect(dialog).top, DialogUnitsToPixelsY(70));

        const Qt::WindowFlags flags = WidgetOf(dialog)->windowFlags();
        EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
        EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);

        for (const ControlPlace& place : places) {
            WindowHandle control = GetDlgItem(dialog, place.id);
            ASSERT_NE(control, nullptr) << place.id;
            EXPECT_EQ(GetWindowText(control), place.text) << place.id;
            const ScreenRect r = GetWindowRect(control);
            EXPECT_EQ(r.left - client.left, DialogUnitsToPixelsX(place.x)) << place.id;
            EXPECT_EQ(r.top - client.top, DialogUnitsToPixelsY(place.y)) << place.id;
            EXPECT_EQ(r.right - r.left, DialogUnitsToPixelsX(place.width)) << place.id;
            EXPECT_EQ(r.bottom - r.top, DialogUnitsToPixelsY(place.height)) << place.id;
            const QFont font = WidgetOf(control)->font(); // "MS Sans Serif", 10 points, bold
            EXPECT_EQ(font.families().value(0), "MS Sans Serif") << place.id;
            EXPECT_EQ(font.pixelSize(), 13) << place.id;
            EXPECT_TRUE(font.bold()) << place.id;
        }
        for (int id : {IdcWidthEdit, IdcHeightEdit})
            EXPECT_TRUE(Box(dialog, id)->alignment() & Qt::AlignHCenter);
    });
}

TEST(ConfigurationDialog, ShowsTheValuesWithoutBlanks) {
    RunDialog(-4, 12, [](WindowHandle dialog) {
        EXPECT_EQ(GetDlgItemText(dialog, IdcWidthEdit), "-4");
        EXPECT_EQ(GetDlgItemText(dialog, IdcHeightEdit), "12");
    });
}

struct Typed {
    QString width, height;
    int expectedWidth, expectedHeight;
};
void PrintTo(const Typed& typed, std::ostream* out) {
    *out << "\"" << typed.width.toStdString() << "\", \"" << typed.height.toStdString() << "\"";
}

class ExitWithTyped : public ::testing::TestWithParam<Typed> {};

// The boxes take digits only; nothing, 0 or a number beyond 32767 gives 3.
TEST_P(ExitWithTyped, SetsTheFillSize) {
    const Typed& typed = GetParam();
    RunDialog(1, 1, [&](WindowHandle dialog) {
        Type(dialog, IdcWidthEdit, typed.width);
        Type(dialog, IdcHeightEdit, typed.height);
        QTest::mouseClick(WidgetOf(GetDlgItem(dialog, IdcExit)), Qt::LeftButton);
    });
    EXPECT_EQ(fillWidth, typed.expectedWidth);
    EXPECT_EQ(fillHeight, typed.expectedHeight);
}

INSTANTIATE_TEST_SUITE_P(Boxes, ExitWithTyped,
                         ::testing::Values(Typed{"5", "2", 5, 2}, Typed{"", "", 3, 3},
                                           Typed{"abc", "x7y", 3, 7}, Typed{"0", "40", 3, 40},
                                           Typed{"99999", "32767", 3, 32767},
                                           Typed{"-4", "2.5", 4, 25}));

// Only a click (code 0) or code 1 from "Salir" reads the boxes; Enter, Esc, the boxes'
// own commands and the close command leave the values as they were.
TEST(ConfigurationDialog, OnlySalirReadsTheBoxes) {
    RunDialog(6, 7, [](WindowHandle dialog) {
        Type(dialog, IdcWidthEdit, "9");
        for (WPARAM command : {MAKEWPARAM(IDOK, 0), MAKEWPARAM(IDCANCEL, 0), MAKEWPARAM(IdcExit, 5),
                               MAKEWPARAM(IdcWidthEdit, 0)})
            SendMessage(dialog, WM_COMMAND, command, 0);
        QTest::keyClick(Box(dialog, IdcWidthEdit), Qt::Key_Return);
        QTest::keyClick(Box(dialog, IdcWidthEdit), Qt::Key_Escape);
        EXPECT_EQ(fillWidth, 6);
        SendCloseCommand(dialog);
    });
    EXPECT_EQ(fillWidth, 6);
    EXPECT_EQ(fillHeight, 7);

    RunDialog(6, 7, [](WindowHandle dialog) {
        Type(dialog, IdcWidthEdit, "9");
        SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IdcExit, 1), 0);
    });
    EXPECT_EQ(fillWidth, 9);
}

// Deactivated, the dialog remembers the focused control and gives it back on return.
TEST(ConfigurationDialog, FocusComesBackAfterDeactivation) {
    RunDialog(3, 3, [](WindowHandle dialog) {
        WindowHandle height = GetDlgItem(dialog, IdcHeightEdit);
        WindowHandle width = GetDlgItem(dialog, IdcWidthEdit);
        SetFocus(height);
        ASSERT_EQ(GetFocus(), height);
        SendMessage(dialog, WM_NCACTIVATE, 0, 0);
        SetFocus(width);
        SendMessage(dialog, WM_NCACTIVATE, 1, 0);
        EXPECT_EQ(GetFocus(), height);
        // Forgotten once given back: a second activation leaves the focus alone.
        SetFocus(width);
        SendMessage(dialog, WM_NCACTIVATE, 1, 0);
        EXPECT_EQ(GetFocus(), width);
    });
}

} // namespace
