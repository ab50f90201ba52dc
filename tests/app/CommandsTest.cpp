// The menu commands that do more than set a mode: "Grabar", "Autor", "Configurador".
#include "app/ConfigurationDialog.h"
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include "state/State.h"
#include "tests/app/AppPictures.h"
#include "tests/app/MenuAccess.h"
#include "tests/app/ProgramRun.h"
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const Rows Card = {"rgbyK", "cmWon", "psbrg"};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

class Commands : public ::testing::Test {
  protected:
    void SetUp() override {
        picture = run.folder.File("carta.png");
        ASSERT_TRUE(PictureImage(Card, AppColours).save(QString::fromStdString(picture)));
    }
    ProgramRun run;
    std::string picture;
};

TEST_F(Commands, CancelledSaveWritesNothingAndForgetsTheName) {
    run.Run(picture, [&] {
        EXPECT_EQ(ImageFileName, picture);
        ChooseMenuItem("Grabar");
        EXPECT_EQ(ImageFileName, "");
        ASSERT_EQ(run.files.requests.size(), 2u);
        EXPECT_TRUE(run.files.requests[1].save);
    });
    EXPECT_EQ(run.messages.shown.size(), 1u); // the size box only
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(run.folder.Path()))
        files += entry.path().filename() != "carta.png";
    EXPECT_EQ(files, 0);
}

// Cells painted on the canvas reach the saved file at the image's own size.
// Ctrl+S is "Grabar" while the canvas holds the focus.
TEST_F(Commands, CtrlSSaves) {
    run.Run(picture, [&] {
        QWindow* window = WidgetOf(MainWindow)->windowHandle();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        SetFocus(GetDlgItem(MainWindow, CanvasControlId));
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        ASSERT_EQ(run.files.requests.size(), 2u);
        EXPECT_TRUE(run.files.requests[1].save);
    });
}

TEST_F(Commands, SaveWritesTheEditedPixels) {
    const std::string saved = run.folder.File("editada.png");
    run.Run(picture, [&] {
        ChooseMenuItem("Editar Color captado ");
        CurrentColour = LetterColour('K');
        WindowHandle canvas = GetDlgItem(MainWindow, CanvasControlId);
        for (auto [column, row] : {std::pair{1, 0}, std::pair{3, 2}}) {
            const LPARAM at = MAKELPARAM(7 * column + 3, 7 * row + 4); // inside the cell
            SendMessage(canvas, WM_LBUTTONDOWN, 1, at);
            SendMessage(canvas, WM_LBUTTONUP, 0, at);
        }
        run.files.answers.push_back(saved);
        ChooseMenuItem("Grabar");
        EXPECT_EQ(ImageFileName, saved);
    });
    ASSERT_EQ(run.messages.shown.size(), 2u);
    EXPECT_EQ(run.messages.shown[1].text, "Grabado con exito ...");
    QImage written(QString::fromStdString(saved));
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32),
              PictureImage({"rKbyK", "cmWon", "psbKg"}, AppColours));
}

TEST_F(Commands, AuthorBoxHasFourLinesTheThirdEmpty) {
    run.Run(picture, [&] { ChooseMenuItem("Autor"); });
    ASSERT_EQ(run.messages.shown.size(), 2u);
    const ShownMessage& author = run.messages.shown[1];
    const std::vector<std::string> lines = Lines(author.text);
    ASSERT_EQ(lines.size(), 4u) << author.text;
    EXPECT_EQ(lines[0], "Creado por : ");
    EXPECT_EQ(lines[1].rfind("https://", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "Visítame !!");
    EXPECT_EQ(author.caption, "Programador");
    EXPECT_EQ(author.style, MB_OK);
}

void TypeInto(WindowHandle dialog, int id, const QString& text) {
    auto* box = qobject_cast<QLineEdit*>(WidgetOf(GetDlgItem(dialog, id)));
    ASSERT_NE(box, nullptr);
    box->clear();
    QTest::keyClicks(box, text);
}

void ClickExit(WindowHandle dialog) {
    QTest::mouseClick(WidgetOf(GetDlgItem(dialog, IdcExit)), Qt::LeftButton);
}

// A second "Configurador" while the dialog is open is ignored; the file is written once,
// when the dialog ends, and not before.
TEST_F(Commands, ConfigurationRunsOnceAndSavesWhenItEnds) {
    const std::string settings = run.folder.File("Configuracion.ini");
    int dialogs = 0;
    run.onOtherDialog = [&](WindowHandle dialog) {
        ++dialogs;
        EXPECT_TRUE(configDialogOpen);
        EXPECT_EQ(GetDlgItemText(dialog, IdcWidthEdit), "3");
        EXPECT_EQ(GetDlgItemText(dialog, IdcHeightEdit), "3");
        ChooseMenuItem("Configurador");
        EXPECT_EQ(dialogs, 1);
        EXPECT_FALSE(std::filesystem::exists(settings));
        TypeInto(dialog, IdcWidthEdit, "5");
        TypeInto(dialog, IdcHeightEdit, "2");
        ClickExit(dialog);
    };
    run.Run(picture, [&] {
        EXPECT_EQ(fillWidth, 3);
        EXPECT_EQ(fillHeight, 3);
        ChooseMenuItem("Configurador");
        EXPECT_FALSE(configDialogOpen);
        EXPECT_EQ(fillWidth, 5);
        EXPECT_EQ(fillHeight, 2);
    });
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(ReadFile(settings), "[Multiple]\nancho= 5\nalto= 2\n");
}

TEST_F(Commands, ConfigurationSaveKeepsOtherSections) {
    const std::string settings = run.folder.File("Configuracion.ini");
    std::ofstream(settings) << "[Ventana]\nx=10\n\n[Multiple]\nancho=8\nalto=9\n";
    run.onOtherDialog = [&](WindowHandle dialog) {
        EXPECT_EQ(GetDlgItemText(dialog, IdcWidthEdit), "8");
        TypeInto(dialog, IdcWidthEdit, "5");
        TypeInto(dialog, IdcHeightEdit, "2");
        ClickExit(dialog);
    };
    run.Run(picture, [&] { ChooseMenuItem("Configurador"); });
    EXPECT_EQ(ReadFile(settings), "[Ventana]\nx=10\n\n[Multiple]\nancho= 5\nalto= 2\n");
}

// Closed without "Salir", the values stay as they were and are written all the same.
TEST_F(Commands, ConfigurationClosedIsSavedUnchanged) {
    const std::string settings = run.folder.File("Configuracion.ini");
    std::ofstream(settings) << "[Multiple]\nancho=-4\nalto=7\n";
    run.onOtherDialog = [&](WindowHandle dialog) {
        TypeInto(dialog, IdcWidthEdit, "9");
        SendCloseCommand(dialog);
    };
    run.Run(picture, [&] {
        ChooseMenuItem("Configurador");
        EXPECT_EQ(fillWidth, -4);
    });
    EXPECT_EQ(ReadFile(settings), "[Multiple]\nancho=-4\nalto= 7\n");
}

// The captured colour, favourites and configuration dialogs have no owner: the main
// window stays usable while one is open.
struct OwnerCase {
    const char* name;
    void (*open)();
};
void PrintTo(const OwnerCase& c, std::ostream* out) { *out << c.name; }

void RightClickWith(std::int32_t mode) {
    RightButtonMode = mode;
    SendMessage(GetDlgItem(MainWindow, CanvasControlId), WM_RBUTTONDOWN, 2, MAKELPARAM(10, 10));
}

class OwnerlessDialog : public Commands, public ::testing::WithParamInterface<OwnerCase> {};

TEST_P(OwnerlessDialog, LeavesTheMainWindowUsable) {
    int dialogs = 0;
    run.onOtherDialog = [&](WindowHandle dialog) {
        ++dialogs;
        EXPECT_TRUE(IsWindowEnabled(MainWindow));
        EndDialog(dialog, 0);
    };
    run.Run(picture, [&] { GetParam().open(); });
    EXPECT_EQ(dialogs, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, OwnerlessDialog,
    ::testing::Values(OwnerCase{"CapturedColour", [] { RightClickWith(CaptureColour); }},
                      OwnerCase{"Favourites", [] { RightClickWith(FavouriteColours); }},
                      OwnerCase{"Configuration", [] { ChooseMenuItem("Configurador"); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
