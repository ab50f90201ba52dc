// The menu bar as the user sees it, and the tool modes its items choose.
#include "platform/Menu.h"
#include "app/MainWindow.h"
#include "app/MenuBar.h"
#include "platform/Window.h"
#include "state/State.h"
#include "tests/app/AppPictures.h"
#include "tests/app/MenuAccess.h"
#include "tests/app/ProgramRun.h"
#include <QKeySequence>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

enum class Kind { Popup, Item, Separator };

struct MenuLine {
    int level;
    std::string text;
    Kind kind;
    unsigned id;
    bool checked;
    std::string keys = ""; // the item's shortcuts, the one shown first
    bool operator==(const MenuLine&) const = default;
};

std::ostream& operator<<(std::ostream& out, const MenuLine& line) {
    return out << line.level << " \"" << line.text << "\" kind " << static_cast<int>(line.kind)
               << " id " << line.id << (line.checked ? " checked" : "") << " keys " << line.keys;
}

const std::vector<MenuLine> ExpectedTree = {
    {1, "Archivos", Kind::Popup, 0, false},
    {2, "Grabar", Kind::Item, 19004, false, "Ctrl+S"},
    {2, "", Kind::Separator, 0, false},
    {2, "Autor", Kind::Item, 19007, false},
    {1, "Edicion", Kind::Popup, 0, false},
    {2, "Deshacer", Kind::Item, 19020, false, "Ctrl+Z"},
    {2, "Rehacer", Kind::Item, 19021, false, "Ctrl+Y; Ctrl+Shift+Z"},
    {1, "Opciones", Kind::Popup, 0, false},
    {2, "Configurador", Kind::Item, 19009, false},
    {1, "Raton", Kind::Popup, 0, false},
    {2, "Izquierda", Kind::Popup, 0, false},
    {3, "Mover papel", Kind::Item, 19005, true},
    {3, "Editar Color captado ", Kind::Item, 19006, false},
    {3, "Editar Color captado Multiple", Kind::Item, 19010, false},
    {3, "Editar Color Real ", Kind::Item, 19008, false},
    {3, "Editar Color Real Multiple", Kind::Item, 19011, false},
    {2, "Derecha", Kind::Popup, 0, false},
    {3, "Captar Color", Kind::Item, 19012, true},
    {3, "Mis Colores Favoritos", Kind::Item, 19013, false},
};

// The tree top-down, as the toolkit holds it. An item's command id is what the window
// layer keeps with the item.
void Flatten(QWidget* menu, int level, std::vector<MenuLine>& lines) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            lines.push_back({level, "", Kind::Separator, 0, false});
        } else if (action->menu()) {
            lines.push_back({level, action->text().toStdString(), Kind::Popup, 0, false});
            Flatten(action->menu(), level + 1, lines);
        } else {
            lines.push_back({level, action->text().toStdString(), Kind::Item,
                             action->data().toUInt(), action->isChecked(),
                             QKeySequence::listToString(action->shortcuts()).toStdString()});
        }
    }
}

class MenuBarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetApplicationState();
        MainWindow = CreateDialogWindow(MainWindowTitle, 200, 100, 1200, 950, 0x94CE08D4,
                                        0x00010000, nullptr);
        BuildMenuBar(MainWindow);
    }
    void TearDown() override { DestroyWindow(MainWindow); }
};

TEST_F(MenuBarTest, TreeIsBuiltAsListed) {
    QMenuBar* bar = MainMenuBar();
    ASSERT_NE(bar, nullptr);
    std::vector<MenuLine> lines;
    Flatten(bar, 1, lines);
    EXPECT_EQ(lines, ExpectedTree);
}

const unsigned ModeIds[] = {19005, 19006, 19008, 19010, 19011, 19012, 19013};

struct ModeCase {
    std::string before; // an item of the other submenu, chosen first
    std::string item;
    int left, right;               // the modes afterwards
    std::vector<unsigned> checked; // the mode items that carry a check mark afterwards
};
void PrintTo(const ModeCase& mode, std::ostream* out) {
    *out << "\"" << mode.before << "\" then \"" << mode.item << "\"";
}

class ModeCommand : public ::testing::TestWithParam<ModeCase> {};

// A mode item sets its mode, leaves the check mark on itself alone in its submenu, and
// changes nothing in the other submenu; choosing it twice changes nothing more.
TEST_P(ModeCommand, SetsTheModeAndItsCheckMarkOnly) {
    const ModeCase& mode = GetParam();
    ProgramRun run;
    const std::string path = run.folder.File("carta.png");
    ASSERT_TRUE(PictureImage({"rgb", "ymc"}, AppColours).save(QString::fromStdString(path)));
    run.Run(path, [&] {
        ChooseMenuItem(mode.before);
        ChooseMenuItem(mode.item);
        ChooseMenuItem(mode.item);
        EXPECT_EQ(LeftButtonMode, mode.left);
        EXPECT_EQ(RightButtonMode, mode.right);
        for (unsigned id : ModeIds) {
            const bool checked =
                std::find(mode.checked.begin(), mode.checked.end(), id) != mode.checked.end();
            EXPECT_EQ(GetMenuItemState(MenuBar, id), checked ? MFS_CHECKED : 0) << "item " << id;
        }
        EXPECT_EQ(run.messages.shown.size(), 1u); // the size box only
    });
    EXPECT_EQ(run.mainWindowRuns, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Items, ModeCommand,
    ::testing::Values(
        ModeCase{"Mis Colores Favoritos", "Mover papel", 0, 2, {19005, 19013}},
        ModeCase{"Mis Colores Favoritos", "Editar Color captado ", 1, 2, {19006, 19013}},
        ModeCase{"Mis Colores Favoritos", "Editar Color Real ", 2, 2, {19008, 19013}},
        ModeCase{"Mis Colores Favoritos", "Editar Color captado Multiple", 3, 2, {19010, 19013}},
        ModeCase{"Mis Colores Favoritos", "Editar Color Real Multiple", 4, 2, {19011, 19013}},
        ModeCase{"Editar Color captado Multiple", "Captar Color", 3, 1, {19010, 19012}},
        ModeCase{"Editar Color captado Multiple", "Mis Colores Favoritos", 3, 2, {19010, 19013}},
        ModeCase{"Editar Color Real ", "Editar Color Real Multiple", 4, 1, {19011, 19012}}));

// The marks of a submenu are set in the order of the command ids, 19008 before 19010,
// although the menu shows "Multiple" first: the new mark comes before the old one goes.
TEST(ModeCommand, MarksAreSetInTheOrderOfTheCommandIds) {
    ProgramRun run;
    const std::string path = run.folder.File("carta.png");
    ASSERT_TRUE(PictureImage({"rgb"}, AppColours).save(QString::fromStdString(path)));
    run.Run(path, [&] {
        ChooseMenuItem("Editar Color captado Multiple");
        std::vector<std::string> changes;
        for (const char* text : {"Editar Color captado Multiple", "Editar Color Real "}) {
            QAction* action = FindMenuAction(MainMenuBar(), text);
            QObject::connect(action, &QAction::toggled, [&changes, text](bool on) {
                changes.push_back(text + std::string(on ? " on" : " off"));
            });
        }
        ChooseMenuItem("Editar Color Real ");
        EXPECT_EQ(changes, (std::vector<std::string>{"Editar Color Real  on",
                                                     "Editar Color captado Multiple off"}));
    });
}

// Ids of no item (1 and 2 come from Enter and Esc) change nothing; the high word of
// wParam is not looked at.
TEST(MainWindowCommands, UnknownIdsAreIgnoredAndTheHighWordToo) {
    ProgramRun run;
    const std::string path = run.folder.File("carta.png");
    ASSERT_TRUE(PictureImage({"rgb"}, AppColours).save(QString::fromStdString(path)));
    int otherDialogs = 0;
    run.onOtherDialog = [&](WindowHandle dialog) {
        ++otherDialogs;
        SendCloseCommand(dialog);
    };
    run.Run(path, [&] {
        for (unsigned id : {0u, 1u, 2u, 100u, 17006u, 19003u, 19014u, 0xFFFFu})
            MainWindowProc(MainWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        EXPECT_EQ(LeftButtonMode, MovePaper);
        EXPECT_EQ(RightButtonMode, CaptureColour);
        EXPECT_EQ(GetMenuItemState(MenuBar, 19005), MFS_CHECKED);
        EXPECT_EQ(GetMenuItemState(MenuBar, 19012), MFS_CHECKED);
        EXPECT_EQ(run.files.requests.size(), 1u); // the start-up chooser only
        EXPECT_EQ(run.messages.shown.size(), 1u); // the size box only

        MainWindowProc(MainWindow, WM_COMMAND, MAKEWPARAM(19011, 1), 0);
        EXPECT_EQ(LeftButtonMode, EditRealColourMultiple);
        EXPECT_EQ(MainWindowProc(MainWindow, WM_COMMAND, MAKEWPARAM(19013, 0xABCD), 0), 0);
        EXPECT_EQ(RightButtonMode, FavouriteColours);
    });
    EXPECT_EQ(otherDialogs, 0);
}

} // namespace
