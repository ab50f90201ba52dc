// "Deshacer" and "Rehacer" in the menu, and closing the main window with edits that no
// file holds: the question, its answers, and the other windows of the program that close
// with it.
#include "app/Closing.h"
#include "app/MenuBar.h"
#include "platform/Menu.h"
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include "state/State.h"
#include "tests/app/AppPictures.h"
#include "tests/app/MenuAccess.h"
#include "tests/app/ProgramRun.h"
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

const Rows Card = {"rgbyK", "cmWon", "psbrg"};
const std::string FavouritesQuestion = "Desea guardar los cambios antes de Salir ?";

class UnsavedEdits : public ::testing::Test {
  protected:
    void SetUp() override {
        picture = run.folder.File("carta.png");
        ASSERT_TRUE(PictureImage(Card, AppColours).save(QString::fromStdString(picture)));
    }
    static WindowHandle Canvas() { return GetDlgItem(MainWindow, CanvasControlId); }
    static Colour ImagePixel(int column, int row) {
        return ReadPixel(SurfaceOf(ImageBitmap), column, row);
    }
    // The questions asked, as "picture" (ours, with its caption and buttons) or
    // "favourites" (the favourites dialog's own); other messages are left out.
    std::vector<std::string> Questions() const {
        std::vector<std::string> asked;
        for (const ShownMessage& m : run.messages.shown) {
            if (m.text == UnsavedEditsQuestion) {
                EXPECT_EQ(m.caption, "Colvero");
                EXPECT_EQ(m.style & 0xF, MB_YESNOCANCEL);
                asked.push_back("picture");
            }
            if (m.text == FavouritesQuestion) asked.push_back("favourites");
        }
        return asked;
    }
    ProgramRun run;
    std::string picture;
};

using Items = std::pair<unsigned, unsigned>; // the states of "Deshacer" and "Rehacer"
Items EditItems() {
    return {GetMenuItemState(MenuBar, CmdUndo), GetMenuItemState(MenuBar, CmdRedo)};
}

// Greyed while there is nothing to take back or put back; Ctrl+Z works with the canvas
// holding the focus.
TEST_F(UnsavedEdits, UndoAndRedoItemsAreGreyedWhenThereIsNothingToDo) {
    run.Run(picture, [&] {
        EXPECT_EQ(EditItems(), Items(MFS_DISABLED, MFS_DISABLED));
        PaintCell(1, 0);
        EXPECT_EQ(EditItems(), Items(0, MFS_DISABLED));
        QWindow* window = WidgetOf(MainWindow)->windowHandle();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        SetFocus(Canvas());
        QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(ImagePixel(1, 0), LetterColour('g', AppColours));
        EXPECT_EQ(EditItems(), Items(MFS_DISABLED, 0));
        ChooseMenuItem("Rehacer");
        EXPECT_EQ(ImagePixel(1, 0), Black);
        EXPECT_EQ(EditItems(), Items(0, MFS_DISABLED));
        ChooseMenuItem("Deshacer");
    });
    EXPECT_TRUE(Questions().empty());
}

struct CleanCase {
    const char* name;
    // "paint", "undo", "save", "fail" (a save that fails), "save and paint" (a cell painted
    // while the save's message is up)
    std::vector<const char*> actions;
    bool asked;
};
void PrintTo(const CleanCase& c, std::ostream* out) { *out << c.name; }

class CleanState : public UnsavedEdits, public ::testing::WithParamInterface<CleanCase> {};

// Unsaved means cells that differ from the picture as loaded or last saved: only then
// does closing ask.
TEST_P(CleanState, CloseAsksOnlyWhenCellsDifferFromTheFile) {
    run.Run(picture, [&] {
        for (const std::string action : GetParam().actions) {
            if (action == "paint") PaintCell(2, 1);
            if (action == "undo") ChooseMenuItem("Deshacer");
            if (action == "save and paint")
                run.messages.whileShown = [](const ShownMessage&) { PaintCell(4, 2); };
            if (action != "paint" && action != "undo") {
                run.files.answers.push_back(run.folder.File(action == "fail" ? "a.xyz" : "a.png"));
                ChooseMenuItem("Grabar");
                run.messages.whileShown = nullptr;
            }
        }
        run.messages.answers = {IDNO}; // for the question, if it comes
    });
    EXPECT_EQ(Questions(),
              GetParam().asked ? std::vector<std::string>{"picture"} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Edits, CleanState,
    ::testing::Values(CleanCase{"Nothing", {}, false}, CleanCase{"Painted", {"paint"}, true},
                      CleanCase{"UndoneBack", {"paint", "undo"}, false},
                      CleanCase{"Saved", {"paint", "save"}, false},
                      CleanCase{"UndoneAfterTheSave", {"paint", "save", "undo"}, true},
                      CleanCase{"FailedSave", {"paint", "fail"}, true},
                      CleanCase{"PaintedDuringTheSave", {"paint", "save and paint"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct AnswerCase {
    const char* name;
    int answer;
    const char* chosen; // the save chooser's answer on Yes ("" cancels), a file of the folder
    bool staysOpen;
    bool written;
};
void PrintTo(const AnswerCase& c, std::ostream* out) { *out << c.name; }

class CloseQuestion : public UnsavedEdits, public ::testing::WithParamInterface<AnswerCase> {};

// Yes saves and only a saved picture lets the program end; No ends it unsaved; Cancel
// keeps it. A window kept open asks again at the next close, answered No here.
TEST_P(CloseQuestion, AnswersDecideWhetherTheProgramEnds) {
    const AnswerCase& c = GetParam();
    const std::string saved = run.folder.File(c.chosen);
    bool openAfterClose = false;
    const int exitCode = run.Run(picture, [&] {
        PaintCell(0, 0);
        // The answer, OK for the save's message when there is one, No to a second question.
        run.messages.answers = {c.answer, IDNO};
        if (*c.chosen) run.messages.answers.insert(run.messages.answers.begin() + 1, IDOK);
        if (*c.chosen) run.files.answers.push_back(saved);
        SendCloseCommand(MainWindow);
        openAfterClose = WidgetOf(MainWindow)->isVisible();
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(openAfterClose, c.staysOpen);
    EXPECT_EQ(Questions().size(), c.staysOpen ? 2u : 1u);
    EXPECT_EQ(run.mainWindowRuns, 1);
    EXPECT_EQ(*c.chosen && std::filesystem::exists(saved), c.written);
    if (c.written) {
        EXPECT_EQ(QImage(QString::fromStdString(saved)).convertToFormat(QImage::Format_RGB32),
                  PictureImage({"KgbyK", "cmWon", "psbrg"}, AppColours));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CloseQuestion,
    ::testing::Values(AnswerCase{"Yes", IDYES, "editada.png", false, true},
                      AnswerCase{"YesChooserCancelled", IDYES, "", true, false},
                      AnswerCase{"YesSaveFailed", IDYES, "editada.xyz", true, false},
                      AnswerCase{"No", IDNO, "", false, false},
                      AnswerCase{"Cancel", IDCANCEL, "", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

enum class Other { CapturedColour, Favourites, Configuration };

struct OtherWindowCase {
    const char* name;
    Other window;
    bool paint;                     // the picture has unsaved edits
    bool changeSwatch;              // the favourites have unsaved changes
    std::vector<int> answers;       // to the questions, in order
    std::vector<std::string> asked; // the questions, in order
    bool favouritesWritten;
    bool staysOpen; // then the other window is ended, and the next close answered No
};
void PrintTo(const OtherWindowCase& c, std::ostream* out) { *out << c.name; }

class CloseWithOtherWindow : public UnsavedEdits,
                             public ::testing::WithParamInterface<OtherWindowCase> {};

// A close while another window of the program is open acts at once: after the questions
// (the picture's, then the favourites dialog's own) every window leaves the screen and
// the program ends with 0; Cancel leaves everything as it was.
TEST_P(CloseWithOtherWindow, ClosesEverythingAtOnceOrNothing) {
    const OtherWindowCase& c = GetParam();
    ColourDialogScript chooser;
    bool allHidden = false, bothOpen = false;
    run.onOtherDialog = [&](WindowHandle dialog) {
        if (c.changeSwatch) {
            chooser.answers.push_back(0x0000FF);
            SendMessage(GetDlgItem(dialog, 31001), WM_LBUTTONDOWN, 0, MAKELPARAM(30, 5));
        }
        run.messages.answers.assign(c.answers.begin(), c.answers.end());
        SendCloseCommand(MainWindow);
        allHidden = !WidgetOf(dialog)->isVisible() && !WidgetOf(MainWindow)->isVisible();
        bothOpen = WidgetOf(dialog)->isVisible() && WidgetOf(MainWindow)->isVisible();
        QTimer::singleShot(2000, [dialog] { // never wait for a window that stayed
            if (!IsWindow(dialog)) return;
            ADD_FAILURE() << "the other window stayed open";
            EndDialog(dialog, 0);
        });
        if (bothOpen) EndDialog(dialog, 0);
    };
    const int exitCode = run.Run(picture, [&] {
        if (c.paint) PaintCell(3, 2);
        if (c.window == Other::Configuration) ChooseMenuItem("Configurador");
        if (c.window == Other::Favourites) ChooseMenuItem("Mis Colores Favoritos");
        if (c.window != Other::Configuration)
            SendMessage(Canvas(), WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
        if (bothOpen) run.messages.answers = {IDNO};
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(allHidden, !c.staysOpen);
    EXPECT_EQ(bothOpen, c.staysOpen);
    EXPECT_EQ(Questions(), c.asked);
    EXPECT_EQ(std::filesystem::exists(run.folder.File("Mis Colores.log")), c.favouritesWritten);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Windows, CloseWithOtherWindow,
    ::testing::Values(
        //              name                     window                 edits  swatch answers          asked                      written open
        OtherWindowCase{"CapturedColour",        Other::CapturedColour, false, false, {},              {},                        false, false},
        OtherWindowCase{"CapturedColourUnsaved", Other::CapturedColour, true,  false, {IDNO},          {"picture"},               false, false},
        OtherWindowCase{"ConfigurationUnsaved",  Other::Configuration,  true,  false, {IDNO},          {"picture"},               false, false},
        OtherWindowCase{"Favourites",            Other::Favourites,     false, false, {},              {},                        false, false},
        OtherWindowCase{"FavouritesUnsaved",     Other::Favourites,     false, true,  {IDNO},          {"favourites"},            false, false},
        OtherWindowCase{"BothUnsaved",           Other::Favourites,     true,  true,  {IDNO, IDYES},   {"picture", "favourites"}, true,  false},
        OtherWindowCase{"BothUnsavedCancelled",  Other::Favourites,     true,  true,  {IDCANCEL},      {"picture", "picture"},    false, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
