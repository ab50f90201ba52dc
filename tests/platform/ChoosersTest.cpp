// Message boxes, the file chooser and the colour chooser: the real toolkit dialogs, set
// up from the request and answered here as a user would.
#include "platform/ColourDialog.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include "tests/support/Scripts.h"
#include "tests/support/WhenShown.h"
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

struct BoxCase {
    unsigned style;
    QMessageBox::StandardButton click; // NoButton: the box is closed without a button
    int answer;
    QMessageBox::StandardButtons buttons;
};
// The button clicked (or none: the box closed) and the style's buttons.
std::string AnswerName(const BoxCase& c) {
    const std::string clicked = c.click == QMessageBox::Ok       ? "Ok"
                                : c.click == QMessageBox::Yes    ? "Yes"
                                : c.click == QMessageBox::No     ? "No"
                                : c.click == QMessageBox::Cancel ? "Cancel"
                                                                 : "Closed";
    const std::string style = (c.style & 0xF) == MB_YESNOCANCEL ? "YesNoCancel"
                              : (c.style & 0xF) == MB_YESNO     ? "YesNo"
                                                                : "Ok";
    return clicked + "Of" + style;
}
void PrintTo(const BoxCase& c, std::ostream* out) { *out << AnswerName(c); }

constexpr QMessageBox::StandardButtons YesNoCancel =
    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

class RealMessageBox : public ::testing::TestWithParam<BoxCase> {};

// No icon, CR LF shown as a line break, the buttons of the style, and no modality: every
// other window stays usable while the box waits.
TEST_P(RealMessageBox, ShowsTheTextAndAnswersWithTheButtonClicked) {
    const BoxCase& c = GetParam();
    bool seen = false;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        seen = true;
        EXPECT_EQ(box->text(), "Realmente desea RESETEAR ?\nSe perderan");
        EXPECT_EQ(box->windowTitle(), "Programador");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->windowModality(), Qt::NonModal);
        EXPECT_EQ(box->standardButtons(), c.buttons);
        if (c.click == QMessageBox::NoButton)
            box->reject();
        else
            box->button(c.click)->click();
    });
    EXPECT_EQ(
        MessageBox(nullptr, "Realmente desea RESETEAR ?\r\nSe perderan", "Programador", c.style),
        c.answer);
    EXPECT_TRUE(seen);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, RealMessageBox,
    ::testing::Values(
        BoxCase{MB_OK | MB_TASKMODAL | MB_SETFOREGROUND, QMessageBox::Ok, IDOK, QMessageBox::Ok},
        BoxCase{MB_YESNO, QMessageBox::Yes, IDYES, QMessageBox::Yes | QMessageBox::No},
        BoxCase{MB_YESNO, QMessageBox::No, IDNO, QMessageBox::Yes | QMessageBox::No},
        BoxCase{MB_YESNO, QMessageBox::NoButton, IDNO, QMessageBox::Yes | QMessageBox::No},
        BoxCase{MB_YESNOCANCEL, QMessageBox::No, IDNO, YesNoCancel},
        BoxCase{MB_YESNOCANCEL, QMessageBox::Cancel, IDCANCEL, YesNoCancel},
        BoxCase{MB_YESNOCANCEL, QMessageBox::NoButton, IDCANCEL, YesNoCancel}),
    [](const auto& info) { return AnswerName(info.param); });

class RealFileDialog : public ::testing::TestWithParam<bool> {
  protected:
    FileDialogRequest Request(const std::string& proposed) const {
        return {nullptr,       GetParam(), "Navegador de ficheros para imagen",
                folder.Path(), "Imagenes", "*.jpg",
                proposed,      "jpg",      true};
    }
    TempFolder folder;
};

// The request's settings; the file must exist when opening only; the process's current
// directory stays whatever the user browses.
TEST_P(RealFileDialog, IsSetUpFromTheRequest) {
    std::ofstream(folder.File("casa.jpg")) << "x";
    std::string before = QDir::currentPath().toStdString();
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Navegador de ficheros para imagen");
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Imagenes (*.jpg)"});
        EXPECT_EQ(dialog->defaultSuffix(), "jpg");
        EXPECT_EQ(QDir(dialog->directory()).absolutePath() + "/",
                  QString::fromStdString(folder.Path()));
        EXPECT_EQ(dialog->acceptMode(),
                  GetParam() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(),
                  GetParam() ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog->setDirectory(QDir::rootPath());
        dialog->setDirectory(QString::fromStdString(folder.Path()));
        static_cast<QDialog*>(dialog)->accept(); // as its OK button does
    });
    EXPECT_EQ(ShowFileDialog(Request("casa.jpg")), folder.File("casa.jpg"));
    EXPECT_EQ(QDir::currentPath().toStdString(), before);
    WhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(ShowFileDialog(Request("casa.jpg")), "");
}

INSTANTIATE_TEST_SUITE_P(OpenAndSave, RealFileDialog, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Save" : "Open"; });

// The dialog cannot name a folder that is not UTF-8: it opens above it, the rest of the
// way before the name. Accepted as shown, the folder's and the name's own bytes come back.
TEST(RealFileDialogNames, KeptAsShownAreTheRequestsOwnBytes) {
    TempFolder folder;
    const std::string odd = folder.File("vacaci\xf3n/");
    std::filesystem::create_directory(odd);
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(QDir(dialog->directory()).absolutePath().toStdString() + "/", folder.Path());
        static_cast<QDialog*>(dialog)->accept(); // as its OK button does
    });
    EXPECT_EQ(ShowFileDialog({nullptr, true, "", odd, "", "", "fot\xf3.png", "jpg", false}),
              odd + "fot\xf3.png");
}

// Custom colours come from the request and go back to it, whatever the answer; OK gives
// the colour as 0x00BBGGRR.
TEST(RealColourDialog, StartsFromTheRequestAndWritesTheCustomColoursBack) {
    WindowHandle owner =
        CreateDialogWindow("Dueño", 0, 0, 100, 100, WS_POPUP | WS_CAPTION, 0, nullptr);
    Colour custom[16] = {};
    for (int i = 0; i < 16; ++i) custom[i] = MakeColour(i, 2 * i, 3 * i);
    ColourDialogRequest request{owner, 0x808080, custom, 130, 140};
    WhenShown<QColorDialog>([&](QColorDialog* dialog) {
        EXPECT_TRUE(dialog->testOption(QColorDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog->currentColor(), QColor(0x80, 0x80, 0x80));
        EXPECT_EQ(dialog->parentWidget(), WidgetOf(owner));
        EXPECT_EQ(dialog->pos(), QPoint(130, 140));
        EXPECT_EQ(QColorDialog::customColor(5), QColor(5, 10, 15));
        QColorDialog::setCustomColor(3, QColor(1, 2, 3));
        dialog->setCurrentColor(QColor(0x11, 0x22, 0x33));
        dialog->accept();
    });
    EXPECT_EQ(ChooseColour(request), std::optional<Colour>(0x332211));
    EXPECT_EQ(custom[3], MakeColour(1, 2, 3));
    EXPECT_EQ(custom[5], MakeColour(5, 10, 15));

    WhenShown<QColorDialog>([](QColorDialog* dialog) {
        QColorDialog::setCustomColor(0, QColor(9, 9, 9));
        dialog->reject();
    });
    EXPECT_EQ(ChooseColour(request), std::nullopt);
    EXPECT_EQ(custom[0], MakeColour(9, 9, 9));
    DestroyWindow(owner);
}

} // namespace
