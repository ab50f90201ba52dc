// Menus: the tree in the real menu bar, check marks set by id, and commands to the window.
#include "platform/Menu.h"
#include "platform/QtAccess.h"
#include "tests/platform/MessageLog.h"
#include "tests/support/ModalScript.h"
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

constexpr unsigned Save = 19004, Author = 19005, MovePaper = 19006, Capture = 19010;

MenuHandle BuildBar() {
    MenuHandle bar = CreateMenu(), file = CreatePopupMenu(), modes = CreatePopupMenu(),
               right = CreatePopupMenu();
    AppendMenu(file, MF_STRING, Save, "Grabar");
    AppendMenu(file, MF_SEPARATOR, 0, "");
    AppendMenu(file, MF_STRING, Author, "Autor & Co");
    AppendMenu(right, MF_STRING, Capture, "Captar Color");
    AppendMenu(modes, MF_STRING, MovePaper, "Mover papel");
    AppendMenu(modes, MF_POPUP, reinterpret_cast<std::uintptr_t>(right), "Botón derecho");
    AppendMenu(bar, MF_POPUP, reinterpret_cast<std::uintptr_t>(file), "Archivo");
    AppendMenu(bar, MF_POPUP, reinterpret_cast<std::uintptr_t>(modes), "Modos");
    return bar;
}

// A menu's entries: "-" for a separator, "text>" for a submenu followed by its entries.
std::string Tree(QWidget* menu) {
    std::string tree;
    for (QAction* action : menu->actions())
        tree += action->isSeparator() ? "-|"
                : action->menu() ? action->text().toStdString() + ">(" + Tree(action->menu()) + ")|"
                                 : action->text().toStdString() + "|";
    return tree;
}

class Menus : public ::testing::Test {
  protected:
    void SetUp() override {
        Log().clear();
        window = CreateDialogWindow("Menu", 0, 0, 400, 300, WS_POPUP | WS_CAPTION, 0, nullptr);
        SubclassWindow(window, RecordingProc); // its callback before any run
        bar = BuildBar();
        SetMenu(window, bar);
        qbar = WidgetOf(window)->findChild<QMenuBar*>();
        ASSERT_NE(qbar, nullptr);
    }
    void TearDown() override { DestroyWindow(window); }
    QAction* Item(int popup, int index) { return qbar->actions()[popup]->menu()->actions()[index]; }
    WindowHandle window = nullptr;
    MenuHandle bar = nullptr;
    QMenuBar* qbar = nullptr;
};

// Texts show as given ("&&" is how the toolkit shows one "&"); the client area keeps its
// size below the bar.
TEST_F(Menus, TheBarHoldsTheTreeAboveTheClientArea) {
    EXPECT_EQ(
        Tree(qbar),
        "Archivo>(Grabar|-|Autor && Co|)|Modos>(Mover papel|Botón derecho>(Captar Color|)|)|");
    ScreenRect client = GetClientRect(window), frame = GetWindowRect(window);
    EXPECT_EQ(QSize(client.right - client.left, client.bottom - client.top), QSize(400, 300));
    EXPECT_GT(qbar->height(), 0);
    EXPECT_EQ(client.top - frame.top, qbar->height());
}

// Check marks are found by id in submenus too; choosing an item sends its id and leaves
// the marks as the program set them.
TEST_F(Menus, CheckMarksStayAsSetWhenItemsAreChosen) {
    SetMenuItemState(bar, Capture, MFS_CHECKED);
    SetMenuItemState(bar, MovePaper, MFS_CHECKED);
    SetMenuItemState(bar, MovePaper, 0);
    SetMenuItemState(bar, Save, MFS_DISABLED);
    QAction* capture = Item(1, 1)->menu()->actions()[0];
    EXPECT_TRUE(capture->isChecked());
    EXPECT_FALSE(Item(1, 0)->isChecked());
    EXPECT_FALSE(Item(1, 0)->isCheckable()) << "state 0 shows no mark, not an empty box";
    EXPECT_FALSE(Item(0, 0)->isEnabled());
    capture->trigger();
    Item(1, 0)->trigger();
    Item(0, 2)->trigger();
    EXPECT_EQ(CommandsOf(window), (std::vector<unsigned>{Capture, MovePaper, Author}));
    EXPECT_EQ(Logged(WM_COMMAND)[0].wParam, MAKEWPARAM(Capture, 0));
    EXPECT_EQ(GetMenuItemState(bar, Capture), MFS_CHECKED);
    EXPECT_EQ(GetMenuItemState(bar, MovePaper), 0u);
    EXPECT_EQ(GetMenuItemState(bar, Save), MFS_DISABLED);
}

TEST_F(Menus, AClickOnTheRealMenuSendsTheCommand) {
    ModalScript script;
    script.steps.push_back([this](WindowHandle d) {
        QAction* file = qbar->actions()[0];
        QTest::mouseClick(qbar, Qt::LeftButton, {}, qbar->actionGeometry(file).center());
        QMenu* popup = file->menu();
        EXPECT_TRUE(popup->isVisible());
        QTest::mouseClick(popup, Qt::LeftButton, {},
                          popup->actionGeometry(popup->actions()[0]).center());
        EndDialog(d, 0);
    });
    QPointer<QMenu> popup(qbar->actions()[1]->menu());
    RunModal(window, RecordingProc);
    EXPECT_EQ(CommandsOf(window), std::vector<unsigned>{Save});
    EXPECT_TRUE(popup.isNull()) << "the bar and its popups go with the window";
    SetMenuItemState(bar, Save, MFS_CHECKED); // the handle names nothing any more
    EXPECT_EQ(GetMenuItemState(bar, Save), 0u);
}

// Destroying the bar takes it out of its window, which keeps its client area, and frees
// the popups at every depth.
TEST_F(Menus, DestroyMenuFreesTheTreeAndLeavesTheWindow) {
    QPointer<QMenu> nested(qbar->actions()[1]->menu()->actions()[1]->menu());
    ASSERT_FALSE(nested.isNull());
    DestroyMenu(bar);
    EXPECT_TRUE(nested.isNull());
    EXPECT_EQ(WidgetOf(window)->findChild<QMenuBar*>(), nullptr);
    ScreenRect client = GetClientRect(window);
    EXPECT_EQ(QSize(client.right - client.left, client.bottom - client.top), QSize(400, 300));
    EXPECT_EQ(GetMenuItemState(bar, Capture), 0u);
}

// An item's keys send its command while its window, or a control in it, has the focus;
// the first shows beside the text; a greyed item's keys do nothing.
TEST_F(Menus, KeysChooseTheirItemWhileItIsEnabled) {
    WindowHandle canvas = AddControl(window, ControlKind::Canvas, 100, "", 0, 0, 400, 300,
                                     WS_CHILD | WS_VISIBLE | SS_NOTIFY);
    SetMenuItemKeys(bar, Capture, "Ctrl+Y; Ctrl+Shift+Z");
    SetMenuItemKeys(bar, Save, "Ctrl+S");
    QAction* capture = Item(1, 1)->menu()->actions()[0];
    EXPECT_EQ(capture->shortcut().toString(), "Ctrl+Y");
    EXPECT_EQ(capture->shortcuts().size(), 2);
    ModalScript script;
    script.steps.push_back([&](WindowHandle d) {
        QWindow* shown = WidgetOf(d)->windowHandle();
        EXPECT_TRUE(QTest::qWaitForWindowActive(shown));
        SetFocus(canvas);
        QTest::keyClick(shown, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(shown, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(shown, Qt::Key_S, Qt::ControlModifier);
        SetMenuItemState(bar, Capture, MFS_DISABLED);
        QTest::keyClick(shown, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(shown, Qt::Key_Z, Qt::ControlModifier);
        EndDialog(d, 0);
    });
    RunModal(window, RecordingProc);
    EXPECT_EQ(CommandsOf(window), (std::vector<unsigned>{Capture, Capture, Save}));
}

} // namespace
