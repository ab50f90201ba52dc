// Start-up: the chooser, the size check and its messages, the main window's first state,
// and the end of the run.
#include "app/state/State.h"
#include "gfx/CanvasControl.h"
#include "imageio/ImageLoad.h"
#include "platform/Menu.h"
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include "tests/app/AppPictures.h"
#include "tests/app/ProgramRun.h"
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <fstream>
#include <gtest/gtest.h>

namespace {

const Rows Card = {"rgbyK", "cmWon", "psbrg"};

TEST(Startup, CancelledChooserEndsQuietly) {
    ProgramRun run;
    EXPECT_EQ(run.Run(""), 0);
    EXPECT_EQ(run.mainWindowRuns, 0);
    EXPECT_TRUE(run.messages.shown.empty());
    ASSERT_EQ(run.files.requests.size(), 1u);
    EXPECT_FALSE(run.files.requests[0].save);
    EXPECT_EQ(LeftButtonMode, MovePaper);
}

TEST(Startup, UnreadableFileEndsAfterTheLoadersMessage) {
    ProgramRun run;
    const std::string path = run.folder.File("roto.jpg");
    std::ofstream(path) << "no es una imagen";
    EXPECT_EQ(run.Run(path), 0);
    EXPECT_EQ(run.mainWindowRuns, 0);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_NE(run.messages.shown[0].text.find(path), std::string::npos);
    EXPECT_EQ(run.messages.shown[0].caption, DefaultCaption);
}

struct SizeCase {
    int width, height;
};
void PrintTo(const SizeCase& size, std::ostream* out) { *out << size.width << "x" << size.height; }

class RefusedSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(RefusedSize, SideAbove1071IsRefusedWithTheImagesSize) {
    ProgramRun run;
    const auto [width, height] = GetParam();
    const std::string path = run.folder.File("grande.png");
    ASSERT_TRUE(
        PictureImage({"rg", "by"}, AppColours, width, height).save(QString::fromStdString(path)));
    EXPECT_EQ(run.Run(path), 0);
    EXPECT_EQ(run.mainWindowRuns, 0);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    const ShownMessage& refusal = run.messages.shown[0];
    EXPECT_EQ(refusal.text, "La imagen no puede ser mayor a : \r\n1071x1071\r\nDisculpen ...\r\n" +
                                std::to_string(width) + "x" + std::to_string(height));
    EXPECT_EQ(refusal.caption, "Programador");
    EXPECT_EQ(refusal.style, MB_OK);
}

INSTANTIATE_TEST_SUITE_P(Sides, RefusedSize,
                         ::testing::Values(SizeCase{1072, 10}, SizeCase{10, 1072},
                                           SizeCase{1600, 1200}));

TEST(Startup, LargestImageIsAcceptedAndItsSizeShownFirst) {
    ProgramRun run;
    const std::string path = run.folder.File("limite.png");
    ASSERT_TRUE(PictureImage(Card, AppColours, 1071, 1071).save(QString::fromStdString(path)));
    std::size_t messagesBeforeWindow = 0;
    EXPECT_EQ(run.Run(path, [&] { messagesBeforeWindow = run.messages.shown.size(); }), 0);
    EXPECT_EQ(run.mainWindowRuns, 1);
    EXPECT_EQ(messagesBeforeWindow, 1u);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].text, "1071x1071");
    EXPECT_EQ(run.messages.shown[0].caption, DefaultCaption);
    EXPECT_EQ(run.messages.shown[0].style, 0x00012000u);
    EXPECT_EQ(ImageWidth, 1071);
    EXPECT_EQ(ImageHeight, 1071);
}

// Everything the main window's initialisation sets, seen while it is open.
TEST(Startup, MainWindowOpensWithTheFirstView) {
    ProgramRun run;
    const std::string path = run.folder.File("carta.png");
    ASSERT_TRUE(PictureImage(Card, AppColours).save(QString::fromStdString(path)));
    std::ofstream(run.folder.File("Configuracion.ini")) << "[Multiple]\nancho=4\nalto=6\n";
    bool checked = false;
    run.Run(path, [&] {
        checked = true;
        EXPECT_EQ(run.messages.shown.back().text, "5x3");
        EXPECT_EQ(GetWindowText(MainWindow), "Colvero - Editor jpeg ...");
        EXPECT_EQ(fillWidth, 4);
        EXPECT_EQ(fillHeight, 6);
        EXPECT_EQ(LeftButtonMode, MovePaper);
        EXPECT_EQ(RightButtonMode, CaptureColour);
        EXPECT_EQ(CurrentColour, White);
        EXPECT_FALSE(painting);
        EXPECT_EQ(PaperPlacement.left, 0);
        EXPECT_EQ(PaperPlacement.top, 0);
        EXPECT_EQ(PaperPlacement.width, 7500);
        EXPECT_EQ(PaperPlacement.height, 7500);
        EXPECT_EQ(PaperPlacement.dragging, 0);
        EXPECT_EQ(GetMenuItemState(MenuBar, 19005), MFS_CHECKED);
        EXPECT_EQ(GetMenuItemState(MenuBar, 19012), MFS_CHECKED);

        // A sizing frame and a minimise box, no maximise box; the client area is the
        // view's size below the menu bar. (Its centring is checked on a real display.)
        const Qt::WindowFlags flags = WidgetOf(MainWindow)->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_NE(WidgetOf(MainWindow)->minimumSize(), WidgetOf(MainWindow)->maximumSize());
        const ScreenRect client = GetClientRect(MainWindow);
        EXPECT_EQ(client.right - client.left, 1200);
        EXPECT_EQ(client.bottom - client.top, 950);

        // The canvas shows the magnified picture from the paper's top-left corner; the
        // canvas surface is the control's client area inside its one-pixel border.
        Surface* canvas = CanvasSurface(MainWindow, CanvasControlId);
        ASSERT_NE(canvas, nullptr);
        EXPECT_EQ(canvas->Width(), 1198);
        EXPECT_EQ(canvas->Height(), 948);
        const QImage image = PictureImage(Card, AppColours);
        EXPECT_EQ(CompareView(image, 0, 0, canvas->Width(), canvas->Height(),
                              [&](int x, int y) { return ColourFromPixel(canvas->Row(y)[x]); }),
                  "");
    });
    EXPECT_TRUE(checked);
}

// Esc and Enter reach the callback as commands 2 and 1, which do nothing; only the close
// command ends the run.
TEST(Startup, EscAndEnterDoNotCloseTheMainWindow) {
    ProgramRun run;
    const std::string path = run.folder.File("carta.png");
    ASSERT_TRUE(PictureImage(Card, AppColours).save(QString::fromStdString(path)));
    bool openAfterKeys = false;
    run.closeWhenDone = false;
    run.Run(path, [&] {
        QWidget* window = WidgetOf(MainWindow);
        QTest::keyClick(window, Qt::Key_Escape);
        QTest::keyClick(window, Qt::Key_Return);
        QTest::keyClick(window, Qt::Key_Enter);
        SendMessage(MainWindow, WM_COMMAND, IDCANCEL, 0);
        SendMessage(MainWindow, WM_COMMAND, IDOK, 0);
        // Look again once the run has handled whatever the keys queued.
        QTimer::singleShot(0, [&] {
            openAfterKeys = IsWindow(MainWindow);
            if (openAfterKeys) SendCloseCommand(MainWindow);
        });
    });
    EXPECT_TRUE(openAfterKeys);
    EXPECT_EQ(run.mainWindowRuns, 1);
}

} // namespace
