// Modal runs: their order of events, nesting on the one thread, the close command and the
// dialog keyboard.
#include "platform/MessageBox.h"
#include "platform/QtAccess.h"
#include "tests/platform/MessageLog.h"
#include "tests/support/ModalScript.h"
#include "tests/support/WhenShown.h"
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

constexpr int EditId = 10, ButtonId = 11;

WindowHandle MakeDialog(const std::string& title, WindowHandle owner = nullptr) {
    WindowHandle dialog =
        CreateDialogWindow(title, 0, 0, 200, 100, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, owner);
    AddControl(dialog, ControlKind::TextBox, EditId, "", 5, 5, 100, 20, WS_CHILD | WS_TABSTOP);
    AddControl(dialog, ControlKind::Button, ButtonId, "Salir", 5, 40, 60, 20,
               WS_CHILD | WS_TABSTOP);
    return dialog;
}

// Runs work from the dialog's own event loop, as a user's input would arrive.
ModalScript::Step Later(std::function<void(WindowHandle)> work) {
    return [work](WindowHandle d) { QTimer::singleShot(0, [work, d] { work(d); }); };
}

class ModalRun : public ::testing::Test {
  protected:
    void SetUp() override { Log().clear(); }
    ModalScript script;
};

TEST_F(ModalRun, InitialisesShowsAndDestroysWithAHandleNeverReused) {
    WindowHandle dialog = MakeDialog("Uno");
    bool shown = false;
    script.steps.push_back([&](WindowHandle d) {
        shown = WidgetOf(d)->isVisible();
        EndDialog(d, 42);
    });
    EXPECT_EQ(RunModal(dialog, RecordingProc), 42);
    EXPECT_EQ(Log().front().message, WM_INITDIALOG);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(GetDlgItem(dialog, EditId), nullptr);
    EXPECT_NE(MakeDialog("Dos"), dialog);
}

LRESULT EndsOnInit(WindowHandle dialog, unsigned message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) EndDialog(dialog, 5);
    return 0;
}

TEST_F(ModalRun, EndedDuringInitialisationNeverWaits) {
    EXPECT_EQ(RunModal(MakeDialog("Dos"), EndsOnInit), 5);
    EXPECT_TRUE(script.titles.empty());
}

// The outer dialog is ended while the inner one waits: its run returns only after the
// inner one has, each with its own result.
TEST_F(ModalRun, RunsNestAndAnOuterEndWaitsForTheInnerRun) {
    WindowHandle outer = MakeDialog("Fuera");
    std::intptr_t innerResult = 0;
    bool outerStillShown = false;
    script.steps.push_back(
        Later([&](WindowHandle) { innerResult = RunModal(MakeDialog("Dentro"), RecordingProc); }));
    script.steps.push_back(Later([&](WindowHandle inner) {
        EndDialog(outer, 7);
        QTimer::singleShot(0, [&, inner] {
            outerStillShown = IsWindow(outer) && WidgetOf(outer)->isVisible();
            EndDialog(inner, 3);
        });
    }));
    EXPECT_EQ(RunModal(outer, RecordingProc), 7);
    EXPECT_EQ(innerResult, 3);
    EXPECT_TRUE(outerStillShown);
}

// Without an owner every other window takes input meanwhile; an owner is disabled for the
// run only.
TEST_F(ModalRun, OnlyTheOwnerWaitsForAnOwnedDialog) {
    WindowHandle outer = MakeDialog("Principal");
    bool clickReachedOuter = false, ownerEnabled = true;
    script.steps.push_back(Later([&](WindowHandle) {
        RunModal(MakeDialog("Libre"), RecordingProc);
        RunModal(MakeDialog("Propio", outer), RecordingProc);
        EXPECT_TRUE(IsWindowEnabled(outer));
        EndDialog(outer, 0);
    }));
    script.steps.push_back([&](WindowHandle free) {
        QTest::mouseClick(WidgetOf(GetDlgItem(outer, ButtonId)), Qt::LeftButton);
        clickReachedOuter = CommandsOf(outer) == std::vector<unsigned>{ButtonId};
        EndDialog(free, 0);
    });
    script.steps.push_back([&](WindowHandle owned) {
        ownerEnabled = IsWindowEnabled(outer);
        EndDialog(owned, 0);
    });
    RunModal(outer, RecordingProc);
    EXPECT_TRUE(clickReachedOuter);
    EXPECT_FALSE(ownerEnabled);
}

LRESULT HandlesClose(WindowHandle window, unsigned message, WPARAM wParam, LPARAM lParam) {
    RecordingProc(window, message, wParam, lParam);
    return message == WM_SYSCOMMAND ? 1 : 0;
}

// The close box is WM_SYSCOMMAND SC_CLOSE: left to the default it ends the run with 0; a
// callback that handles it keeps the dialog open.
TEST_F(ModalRun, CloseCommandEndsWithZeroUnlessTheCallbackHandlesIt) {
    script.steps.push_back([](WindowHandle d) { WidgetOf(d)->close(); });
    EXPECT_EQ(RunModal(MakeDialog("Cerrar"), RecordingProc), 0);
    ASSERT_EQ(Logged(WM_SYSCOMMAND).size(), 1u);
    EXPECT_EQ(Logged(WM_SYSCOMMAND)[0].wParam, SC_CLOSE);

    bool stillOpen = false;
    script.steps.push_back([&](WindowHandle d) {
        WidgetOf(d)->close();
        SendCloseCommand(d);
        stillOpen = IsWindow(d) && WidgetOf(d)->isVisible();
        EndDialog(d, 9);
    });
    EXPECT_EQ(RunModal(MakeDialog("Abierto"), HandlesClose), 9);
    EXPECT_TRUE(stillOpen);
}

// The way out: a message box inside a dialog inside another, all ended from the box at
// once. Each leaves the screen at once and returns innermost first, the box as closed
// without an answer; what starts meanwhile ends without showing; the close command no
// longer reaches an ended dialog; afterwards runs are as before.
TEST_F(ModalRun, EndAllModalRunsEndsEveryRunInnermostFirst) {
    WindowHandle outer = MakeDialog("Fuera"), inner = MakeDialog("Dentro");
    std::vector<std::string> returned;
    bool hiddenAtOnce = false;
    QTimer lateBoxWatch; // would close a box that shows, and say so
    QObject::connect(&lateBoxWatch, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                returned.push_back("late box shown");
                box->reject();
            }
    });
    script.steps.push_back(Later([&](WindowHandle) {
        returned.push_back("inner " + std::to_string(RunModal(inner, RecordingProc)));
    }));
    script.steps.push_back(Later([&](WindowHandle) {
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            EndAllModalRuns();
            hiddenAtOnce =
                !box->isVisible() && !WidgetOf(outer)->isVisible() && !WidgetOf(inner)->isVisible();
            Log().clear();
            SendCloseCommand(outer);
            EXPECT_TRUE(Logged(WM_SYSCOMMAND).empty());
        });
        returned.push_back("box " +
                           std::to_string(MessageBox(nullptr, "?", "Colvero", MB_YESNOCANCEL)));
        returned.push_back("late " + std::to_string(RunModal(MakeDialog("Tarde"), RecordingProc)));
        lateBoxWatch.start(5);
        returned.push_back("late box " + std::to_string(MessageBox(nullptr, "?", "", MB_YESNO)));
    }));
    returned.push_back("outer " + std::to_string(RunModal(outer, RecordingProc)));
    EXPECT_EQ(returned,
              (std::vector<std::string>{"box 2", "late 0", "late box 7", "inner 0", "outer 0"}));
    EXPECT_TRUE(hiddenAtOnce);
    EXPECT_EQ(script.titles, (std::vector<std::string>{"Fuera", "Dentro"}));

    script.steps.push_back(EndWith(4));
    EXPECT_EQ(RunModal(MakeDialog("Otra vez"), RecordingProc), 4);
}

// Enter and Esc are commands 1 and 2 whichever control has the focus; nothing closes.
TEST_F(ModalRun, EnterAndEscapeAreCommandsOneAndTwo) {
    WindowHandle dialog = MakeDialog("Teclas");
    script.steps.push_back([](WindowHandle d) {
        for (int id : {EditId, ButtonId}) {
            SetFocus(GetDlgItem(d, id));
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Enter})
                QTest::keyClick(WidgetOf(d)->windowHandle(), key);
        }
        EXPECT_TRUE(IsWindow(d));
        EndDialog(d, 0);
    });
    RunModal(dialog, RecordingProc);
    EXPECT_EQ(CommandsOf(dialog),
              (std::vector<unsigned>{IDOK, IDCANCEL, IDOK, IDOK, IDCANCEL, IDOK}));
}

} // namespace
