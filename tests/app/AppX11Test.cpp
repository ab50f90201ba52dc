// The real program on a real display: chosen, shown, panned, painted, saved and closed
// as a person would, with xdotool typing and clicking, and the screen compared pixel for
// pixel with the magnified picture.
#include "tests/app/AppPictures.h"
#include "tests/support/Scripts.h"
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <csignal>
#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace {

constexpr int ViewWidth = 1198, ViewHeight = 948; // the canvas inside its border
constexpr int ClientHeight = 950;                 // the main window's client area

std::string Xdotool(const QStringList& arguments) {
    QProcess process;
    process.start("xdotool", arguments);
    process.waitForFinished(10000);
    return process.readAllStandardOutput().trimmed().toStdString();
}

// Polls until ready() holds, for at most timeout milliseconds, handling our own events.
template <typename Ready> bool WaitFor(Ready ready, int timeout = 10000) {
    for (int waited = 0; waited < timeout; waited += 50) {
        if (ready()) return true;
        QTest::qWait(50);
    }
    return ready();
}

// The id of the visible window whose name matches the pattern; empty if none appears.
std::string WaitForWindow(const QString& pattern) {
    std::string id;
    WaitFor([&] {
        id = Xdotool({"search", "--onlyvisible", "--name", pattern});
        id = id.substr(0, id.find('\n'));
        return !id.empty();
    });
    return id;
}

QRect WindowGeometry(const std::string& id) {
    QRect r;
    for (const QString& line :
         QString::fromStdString(Xdotool({"getwindowgeometry", "--shell", id.c_str()}))
             .split('\n')) {
        const auto [key, value] = std::pair{line.section('=', 0, 0), line.section('=', 1).toInt()};
        if (key == "X") r.moveLeft(value);
        if (key == "Y") r.moveTop(value);
        if (key == "WIDTH") r.setWidth(value);
        if (key == "HEIGHT") r.setHeight(value);
    }
    return r;
}

// What the window manager's close box sends: WM_DELETE_WINDOW, through our own
// connection to the display. libxcb is loaded with the toolkit; its functions are looked
// up rather than linked.
void RequestClose(const std::string& id) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr);
    xcb_connection_t* connection = x11->connection();
    auto internAtom =
        reinterpret_cast<decltype(&xcb_intern_atom)>(dlsym(RTLD_DEFAULT, "xcb_intern_atom"));
    auto internReply = reinterpret_cast<decltype(&xcb_intern_atom_reply)>(
        dlsym(RTLD_DEFAULT, "xcb_intern_atom_reply"));
    auto sendEvent =
        reinterpret_cast<decltype(&xcb_send_event)>(dlsym(RTLD_DEFAULT, "xcb_send_event"));
    auto flush = reinterpret_cast<decltype(&xcb_flush)>(dlsym(RTLD_DEFAULT, "xcb_flush"));
    ASSERT_TRUE(internAtom && internReply && sendEvent && flush);
    auto atom = [&](const char* name) {
        xcb_intern_atom_reply_t* reply = internReply(
            connection, internAtom(connection, 0, static_cast<uint16_t>(strlen(name)), name),
            nullptr);
        const xcb_atom_t value = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        free(reply);
        return value;
    };
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(std::stoul(id));
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    sendEvent(connection, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
              reinterpret_cast<const char*>(&event));
    flush(connection);
}

QPoint MenuTitleCentre(const QString& title);

// One run of the real program in a folder of its own, holding the picture.
class RealProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        picture = folder.File("carta.png");
        ASSERT_TRUE(image.save(QString::fromStdString(picture)));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("XDG_STATE_HOME", QString::fromStdString(folder.File("estado")));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(QString::fromStdString(folder.Path()));
    }
    void Start(const QStringList& arguments) {
        program.start(QCoreApplication::applicationDirPath() + "/../colvero", arguments);
        ASSERT_TRUE(program.waitForStarted(5000));
    }
    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
    }

    // Types into the window's focused box and confirms with Enter.
    void Answer(const QString& windowPattern, const std::string& typed) {
        const std::string id = WaitForWindow(windowPattern);
        ASSERT_FALSE(id.empty()) << "no window " << windowPattern.toStdString();
        Xdotool({"windowfocus", "--sync", id.c_str()});
        if (!typed.empty()) Xdotool({"type", "--delay", "5", typed.c_str()});
        Xdotool({"key", "Return"});
    }

    // Chooses the picture and dismisses the size box; then finds the main window.
    void OpenPicture() {
        Start({});
        Answer("^Navegador de ficheros para imagen$", picture);
        FindMainWindow();
    }

    // Dismisses the size box and finds the main window.
    void FindMainWindow() {
        Answer("^Colvero$", "");
        mainWindow = WaitForWindow("^Colvero - Editor jpeg");
        ASSERT_FALSE(mainWindow.empty());
        Xdotool({"windowfocus", "--sync", mainWindow.c_str()});
        const QRect frame = WindowGeometry(mainWindow);
        // The client area lies below the menu bar; the view inside the canvas's border.
        viewOrigin = QPoint(frame.left() + 1, frame.bottom() + 1 - ClientHeight + 1);
    }

    QImage GrabView() const {
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, viewOrigin.x(), viewOrigin.y(), ViewWidth, ViewHeight)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Waits until the screen shows the picture with the paper at (left, top); the last
    // difference otherwise.
    std::string ScreenShowsPaperAt(const QImage& picture, int left, int top) const {
        std::string difference;
        WaitFor([&] {
            const QImage view = GrabView();
            difference = CompareView(picture, left, top, ViewWidth, ViewHeight,
                                     [&](int x, int y) { return FromQRgb(view.pixel(x, y)); });
            return difference.empty();
        });
        return difference;
    }

    void Click(QPoint at) {
        Xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    }

    // "Raton" > "Izquierda" > "Editar Color captado ", then a click on cell (4, 2), which
    // the current colour, white until one is captured, paints; answers the picture painted.
    QImage PaintCellWhite() {
        const QPoint menuOrigin = viewOrigin - QPoint(1, 1) -
                                  QPoint(0, WindowGeometry(mainWindow).height() - ClientHeight);
        Click(menuOrigin + MenuTitleCentre("Raton"));
        Xdotool({"key", "--delay", "100", "Down", "Right", "Down", "Return"});
        Click(viewOrigin + QPoint(7 * 4 + 3, 7 * 2 + 3));
        QImage painted = image;
        painted.setPixel(4, 2, qRgb(255, 255, 255));
        return painted;
    }

    // Closes the main window as the close box would and checks the program's end.
    void CloseAndExpectExitCodeZero() {
        RequestClose(mainWindow);
        ASSERT_TRUE(program.waitForFinished(10000)) << "the program did not end";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
    }

    TempFolder folder;
    QImage image = PictureImage({"rgbycmonp", "psWrgboyc", "Kcmnbrgpy"}, AppColours, 40, 30);
    std::string picture;
    QProcess program;
    std::string mainWindow;
    QPoint viewOrigin;
};

TEST_F(RealProgram, ShowsTheMagnifiedPictureAndPansWithTheArrowKeys) {
    OpenPicture();
    const QRect frame = WindowGeometry(mainWindow);
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(frame.left(), std::max(0, work.left() + work.right() + 1 - frame.width()) / 2);
    EXPECT_EQ(frame.top(), std::max(0, work.top() + work.bottom() + 1 - frame.height()) / 2);
    EXPECT_EQ(ScreenShowsPaperAt(image, 0, 0), "");

    // A click gives the canvas the keyboard; in "Mover papel" it does not move the paper.
    Click(viewOrigin + QPoint(600, 500));
    Xdotool({"key", "--delay", "30", "Right", "Right", "Right", "Down", "Down"});
    EXPECT_EQ(ScreenShowsPaperAt(image, -30, -20), "");
    Xdotool({"key", "Home"});
    EXPECT_EQ(ScreenShowsPaperAt(image, 0, 0), "");

    CloseAndExpectExitCodeZero();
}

TEST_F(RealProgram, OpensAPictureNamedOnTheCommandLineWithoutTheChooser) {
    Start({QString::fromStdString(picture)});
    FindMainWindow();
    EXPECT_EQ(ScreenShowsPaperAt(image, 0, 0), "");
    EXPECT_EQ(Xdotool({"search", "--name", "^Navegador de ficheros para imagen$"}), "");
    CloseAndExpectExitCodeZero();
}

// Where the menu bar shows one of its menus: the same toolkit lays out the same texts
// in the same way here.
QPoint MenuTitleCentre(const QString& title) {
    QMenuBar bar;
    QAction* wanted = nullptr;
    for (const char* text : {"Archivos", "Edicion", "Opciones", "Raton"}) {
        QAction* action = bar.addMenu(text)->menuAction();
        if (title == text) wanted = action;
    }
    bar.resize(1200, bar.sizeHint().height());
    return bar.actionGeometry(wanted).center();
}

TEST_F(RealProgram, DragInEditCapturedColourPaintsTheCellsUnderThePointer) {
    OpenPicture();
    const QPoint menuOrigin =
        viewOrigin - QPoint(1, 1) - QPoint(0, WindowGeometry(mainWindow).height() - ClientHeight);
    EXPECT_EQ(ScreenShowsPaperAt(image, 0, 0), "");

    // "Raton" > "Izquierda" > "Editar Color captado ", the second item.
    Click(menuOrigin + MenuTitleCentre("Raton"));
    Xdotool({"key", "--delay", "100", "Down", "Right", "Down", "Return"});

    // Drag along row 3 from cell 2 to cell 12 in small steps: the current colour is
    // white until a colour is captured.
    const int row = 3;
    const QPoint start = viewOrigin + QPoint(7 * 2 + 4, 7 * row + 4);
    QStringList drag = {"mousemove", QString::number(start.x()), QString::number(start.y()),
                        "mousedown", "1"};
    for (int x = start.x() + 2; x <= viewOrigin.x() + 7 * 12 + 4; x += 2)
        drag << "sleep"
             << "0.02"
             << "mousemove" << QString::number(x) << QString::number(start.y());
    drag << "mouseup"
         << "1";
    Xdotool(drag);
    QImage painted = image;
    for (int column = 2; column <= 12; ++column) painted.setPixel(column, row, qRgb(255, 255, 255));
    EXPECT_EQ(ScreenShowsPaperAt(painted, 0, 0), "");

    // "Archivos" > "Grabar", then the save chooser and the success box.
    const std::string saved = folder.File("pintada.png");
    Click(menuOrigin + MenuTitleCentre("Archivos"));
    Xdotool({"key", "--delay", "100", "Down", "Return"});
    Answer("^Navegador de ficheros para imagen$", saved);
    Answer("^Programador$", "");
    QImage written;
    ASSERT_TRUE(WaitFor([&] { return written.load(QString::fromStdString(saved)); }));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), painted);

    CloseAndExpectExitCodeZero();
}

// Ctrl+Z takes the stroke back on screen and Ctrl+Y puts it back; closing then asks about
// the unsaved edit in a box captioned "Colvero", and No ("n") ends the program unsaved.
TEST_F(RealProgram, UndoRedoAndTheQuestionBeforeUnsavedEditsAreDropped) {
    OpenPicture();
    const QImage painted = PaintCellWhite();
    EXPECT_EQ(ScreenShowsPaperAt(painted, 0, 0), "");

    Xdotool({"key", "ctrl+z"});
    EXPECT_EQ(ScreenShowsPaperAt(image, 0, 0), "");
    Xdotool({"key", "ctrl+y"});
    EXPECT_EQ(ScreenShowsPaperAt(painted, 0, 0), "");

    RequestClose(mainWindow);
    const std::string question = WaitForWindow("^Colvero$");
    ASSERT_FALSE(question.empty()) << "no question";
    Xdotool({"windowfocus", "--sync", question.c_str()});
    Xdotool({"key", "n"});
    ASSERT_TRUE(program.waitForFinished(10000)) << "the program did not end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(QImage(QString::fromStdString(picture)).convertToFormat(QImage::Format_RGB32), image);
}

// A run killed after a stroke leaves its edits behind: the next start on the same picture
// asks, Yes shows them as they were painted; killed again, the next start's No shows the
// picture as its file holds it and removes the recovery file.
TEST_F(RealProgram, EditsOfAKilledRunAreOfferedAtTheNextStart) {
    const std::string recovery = folder.File("estado/colvero/recovery");
    auto recoveryFiles = [&] {
        std::error_code error;
        return std::distance(std::filesystem::directory_iterator(recovery, error), {});
    };
    OpenPicture();
    const QImage painted = PaintCellWhite();
    ASSERT_TRUE(WaitFor([&] { return recoveryFiles() == 1; }));

    for (const char* answer : {"y", "n"}) {
        kill(static_cast<pid_t>(program.processId()), SIGKILL);
        ASSERT_TRUE(program.waitForFinished(10000));
        Start({QString::fromStdString(picture)});
        const std::string sizeBox = WaitForWindow("^Colvero$");
        Answer("^Colvero$", "");
        std::string question;
        ASSERT_TRUE(WaitFor([&] {
            question = WaitForWindow("^Colvero$");
            return !question.empty() && question != sizeBox;
        })) << "no question";
        Xdotool({"windowfocus", "--sync", question.c_str()});
        Xdotool({"key", answer});
        mainWindow = WaitForWindow("^Colvero - Editor jpeg");
        ASSERT_FALSE(mainWindow.empty());
        EXPECT_EQ(ScreenShowsPaperAt(*answer == 'y' ? painted : image, 0, 0), "");
    }
    EXPECT_EQ(recoveryFiles(), 0);
    CloseAndExpectExitCodeZero();
    EXPECT_EQ(QImage(QString::fromStdString(picture)).convertToFormat(QImage::Format_RGB32), image);
}

} // namespace
