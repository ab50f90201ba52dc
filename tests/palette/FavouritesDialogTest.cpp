// The favourites dialog under the offscreen platform, driven by messages, with scripted
// answers for the message boxes and the colour chooser. Palette coordinates are the
// palette control's client pixels: cell (c, r) answers for x in 25c..25c + 24 and draws
// its box over 25c + 4..25c + 25 (border) with the fill inside.
#include "palette/FavouritesDialog.h"
#include "gfx/CanvasControl.h"
#include "palette/FavouritesStore.h"
#include "palette/PalettePainting.h"
#include "platform/QtAccess.h"
#include "state/State.h"
#include "tests/palette/PaletteTestSupport.h"
#include "tests/support/Scripts.h"
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>

using namespace palettetest;
namespace fs = std::filesystem;

namespace {

constexpr int Palette = 31001, Archivar = 31002, Salir = 31003, Reseteo = 31004, Box = 31005;
constexpr Colour Red = 0x0000FF;
const std::string Question = "Desea guardar los cambios antes de Salir ?";
const std::string Archived = "Mis Colores Favoritos han sido Archivados";

void Click(WindowHandle dialog, int id) {
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}
void Pointer(WindowHandle dialog, unsigned message, int x, int y) {
    SendMessage(GetDlgItem(dialog, Palette), message, 0, MAKELPARAM(x, y));
}
Colour At(WindowHandle dialog, int id, int x, int y) {
    return PixelAt(CanvasSurface(dialog, id), x, y);
}
bool ArchiveEnabled(WindowHandle dialog) { return IsWindowEnabled(GetDlgItem(dialog, Archivar)); }

// The selected-colour box: its background (a corner pixel) and the caption, whose ink
// furthest from the background must be the caption colour, about centred, from y = 12.
void ExpectBox(WindowHandle dialog, Colour background, Colour caption) {
    const Surface* box = CanvasSurface(dialog, Box);
    EXPECT_EQ(PixelAt(box, 1, 1), background);
    int strongest = -1, left = box->Width(), right = 0, top = box->Height();
    Colour ink = background;
    for (int y = 0; y < box->Height(); ++y)
        for (int x = 0; x < box->Width(); ++x) {
            Colour c = PixelAt(box, x, y);
            int distance = std::abs(int(c & 0xFF) - int(background & 0xFF));
            if (c == background) continue;
            if (distance > strongest) strongest = distance, ink = c;
            left = std::min(left, x), right = std::max(right, x + 1), top = std::min(top, y);
        }
    EXPECT_EQ(ink, caption) << "caption colour";
    EXPECT_GE(top, 12);
    EXPECT_NEAR((left + right) / 2.0, box->Width() / 2.0 + 1, 3.0);
}

// Every cell: border, fill and the gap after it, on one row through the box.
void ExpectWhiteSwatches(WindowHandle dialog) {
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 13; ++c)
            for (auto [dx, colour] : std::initializer_list<std::pair<int, Colour>>{
                     {4, Black}, {14, White}, {25, Black}, {27, White}})
                ASSERT_EQ(At(dialog, Palette, 25 * c + dx, 25 * r + 14), colour) << c << "," << r;
}

class FavouritesDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { KeepFavouritesIn(folder.Path()); }
    void TearDown() override {
        KeepFavouritesIn("");
        ResetApplicationState();
    }
    bool Open(const std::function<void(WindowHandle)>& script, bool closes = true) {
        return RunScripted([] { ShowFavouritesDialog(nullptr); }, script, closes);
    }
    std::string FilePath() const { return folder.File("Mis Colores.log"); }
    // Cell (1, 0) changed to red through the chooser.
    void ChangeSecondSwatch(WindowHandle dialog) {
        chooser.answers.push_back(Red);
        Pointer(dialog, WM_LBUTTONDOWN, 30, 5);
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const ShownMessage& message : boxes.shown) texts.push_back(message.text);
        return texts;
    }

    TempFolder folder;
    MessageBoxScript boxes;
    ColourDialogScript chooser;
};

TEST_F(FavouritesDialogTest, FirstOpeningShowsTheWhitePalette) {
    CurrentColour = Red; // the box is white on opening whatever CurrentColour is
    ScreenRect client{};
    std::vector<std::string> corner;
    bool closed = Open([&](WindowHandle dialog) {
        EXPECT_EQ(GetWindowText(dialog), "Tus Colores Favoritos Cargalos y Guardalos");
        client = GetClientRect(dialog);
        corner = Picture(CanvasSurface(dialog, Palette), 0, 2, 31, 5);
        ExpectWhiteSwatches(dialog);
        EXPECT_FALSE(ArchiveEnabled(dialog));
        ExpectBox(dialog, White, Black);
        Click(dialog, Salir);
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(boxes.shown.empty()) << "nothing changed, nothing asked";
    EXPECT_EQ(client.right - client.left, 350);
    EXPECT_EQ(client.bottom - client.top, 357);
    // clang-format off
    EXPECT_EQ(corner, (std::vector<std::string>{
                          "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW",
                          "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW",
                          "WWWWKKKKKKKKKKKKKKKKKKKKKKWWWKK",
                          "WWWWKWWWWWWWWWWWWWWWWWWWWKWWWKW",
                          "WWWWKWWWWWWWWWWWWWWWWWWWWKWWWKW",
                      }));
    // clang-format on
    EXPECT_FALSE(fs::exists(FilePath()));
    EXPECT_EQ(PaletteSurface, 0u) << "the palette surface goes with the dialog";
}

// On a screen of ratio 1.5 (tests/support/ScaledScreens.json) the palette takes two
// device pixels a pixel; the colour box and the buttons below it make room for it: no
// control overlaps another or leaves the dialog.
TEST_F(FavouritesDialogTest, OnAScaledScreenTheControlsMakeRoomForThePalette) {
    Open([&](WindowHandle dialog) {
        WidgetOf(dialog)->move(QGuiApplication::screens().at(2)->geometry().topLeft());
        EXPECT_GE(WidgetOf(GetDlgItem(dialog, Palette))->width() * 1.5, 336 * 2);
        std::vector<QRect> placed;
        for (int id : {Palette, Box, Archivar, Salir, Reseteo}) {
            const QWidget* control = WidgetOf(GetDlgItem(dialog, id));
            EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry())) << id;
            for (const QRect& other : placed)
                EXPECT_FALSE(control->geometry().intersects(other)) << id;
            placed.push_back(control->geometry());
        }
        Click(dialog, Salir);
    });
}

TEST_F(FavouritesDialogTest, ChangedSwatchThenSalirAsksAndNoWritesNothing) {
    ScreenRect frame{};
    Open([&](WindowHandle dialog) {
        frame = GetWindowRect(dialog);
        ChangeSecondSwatch(dialog);
        EXPECT_EQ(At(dialog, Palette, 40, 15), White) << "not repainted by the chooser";
        Pointer(dialog, WM_MOUSEMOVE, 60, 5);
        EXPECT_EQ(At(dialog, Palette, 40, 15), Red) << "shown by the next movement";
        EXPECT_TRUE(ArchiveEnabled(dialog));
        boxes.answers.push_back(IDNO);
        Click(dialog, Salir);
    });
    ASSERT_EQ(chooser.requests.size(), 1u);
    const ColourDialogRequest& request = chooser.requests[0];
    EXPECT_EQ(request.initial, 0x808080u);
    EXPECT_TRUE(request.owner != nullptr && request.customColours != nullptr);
    EXPECT_EQ(request.x, frame.left + 30);
    EXPECT_EQ(request.y, frame.top + 30);
    EXPECT_EQ(Shown(), std::vector<std::string>{Question});
    EXPECT_EQ(boxes.shown[0].caption, "Programador");
    EXPECT_EQ(boxes.shown[0].style, MB_YESNO);
    EXPECT_FALSE(fs::exists(FilePath()));

    Colour reopened = 0;
    EXPECT_TRUE(Open([&](WindowHandle dialog) {
        reopened = At(dialog, Palette, 40, 15);
        Click(dialog, Salir);
    }));
    EXPECT_EQ(reopened, White);
}

TEST_F(FavouritesDialogTest, ArchivarWritesDisablesItselfAndConfirms) {
    bool enabledAfter = true;
    EXPECT_TRUE(Open([&](WindowHandle dialog) {
        ChangeSecondSwatch(dialog);
        Click(dialog, Archivar);
        enabledAfter = ArchiveEnabled(dialog);
        Click(dialog, Salir);
    }));
    EXPECT_FALSE(enabledAfter);
    EXPECT_EQ(Shown(), std::vector<std::string>{Archived}) << "\"Salir\" then asks nothing";
    EXPECT_EQ(ReadBytes(FilePath()), DefaultFile(1, 0, Red));

    Colour reopened = 0;
    Open([&](WindowHandle dialog) { reopened = At(dialog, Palette, 40, 15); }, false);
    EXPECT_EQ(reopened, Red);
}

struct RightClick {
    const char* where;
    int x, y;
    Colour taken;
};
void PrintTo(const RightClick& c, std::ostream* out) { *out << c.where; }
class RightClickTest : public FavouritesDialogTest,
                       public ::testing::WithParamInterface<RightClick> {};

TEST_P(RightClickTest, TakesThePixelUnderThePointer) {
    WriteBytes(FilePath(), DefaultFile(0, 0, 0x00336699));
    Open(
        [&](WindowHandle dialog) {
            Pointer(dialog, WM_RBUTTONDOWN, GetParam().x, GetParam().y);
            ExpectBox(dialog, GetParam().taken, GetParam().taken == Black ? White : Black);
        },
        false);
    EXPECT_EQ(CurrentColour, GetParam().taken) << "kept for the next paint step";
}

INSTANTIATE_TEST_SUITE_P(Places, RightClickTest,
                         ::testing::Values(RightClick{"Gap", 27, 10, White},
                                           RightClick{"Border", 4, 10, Black},
                                           RightClick{"Swatch", 10, 10, 0x00336699},
                                           RightClick{"LastBorder", 325, 10, Black},
                                           RightClick{"PastTheCells", 330, 255, White}),
                         [](const auto& info) { return std::string(info.param.where); });

TEST_F(FavouritesDialogTest, HoverHighlightsOnTheControlOnlyAndOnlyOnCells) {
    Open(
        [&](WindowHandle dialog) {
            Pointer(dialog, WM_MOUSEMOVE, 35, 10);
            Pointer(dialog, WM_MOUSEMOVE, 10, 10);
            EXPECT_EQ(At(dialog, Palette, 4, 10), White) << "cell (0, 0) outlined in white";
            EXPECT_EQ(At(dialog, Palette, 29, 10), Black) << "the next repaint took (1, 0)'s away";
            EXPECT_EQ(PixelAt(&SurfaceOf(PaletteSurface), 4, 10), Black);
            // Past the 13 x 10 cells neither a move nor a left press does anything.
            for (auto [x, y] : std::initializer_list<std::pair<int, int>>{
                     {325, 10}, {330, 100}, {10, 250}, {200, 257}}) {
                Pointer(dialog, WM_MOUSEMOVE, x, y);
                Pointer(dialog, WM_LBUTTONDOWN, x, y);
                EXPECT_EQ(At(dialog, Palette, 4, 10), White) << x << "," << y;
                EXPECT_EQ(At(dialog, Palette, 304, 10), Black) << x << "," << y;
            }
            EXPECT_TRUE(chooser.requests.empty());
        },
        false);
}

TEST_F(FavouritesDialogTest, CancelledOrBusyChooserChangesNothing) {
    int opened = 0;
    WindowHandle palette = nullptr;
    SetColourDialogAnswerer([&](const ColourDialogRequest&) -> std::optional<Colour> {
        // A press while the chooser is open opens no second one.
        if (++opened == 1) SendMessage(palette, WM_LBUTTONDOWN, 0, MAKELPARAM(60, 5));
        return opened == 1 ? std::nullopt : std::optional<Colour>(Red);
    });
    EXPECT_TRUE(Open([&](WindowHandle dialog) {
        palette = GetDlgItem(dialog, Palette);
        Pointer(dialog, WM_LBUTTONDOWN, 30, 5); // cancelled
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(FavouritePalette[1][0].colour, White);
        EXPECT_EQ(FavouritePalette[2][0].colour, White);
        EXPECT_FALSE(ArchiveEnabled(dialog));
        Pointer(dialog, WM_LBUTTONDOWN, 60, 5); // free again
        EXPECT_EQ(opened, 2);
        EXPECT_EQ(FavouritePalette[2][0].colour, Red);
        boxes.answers.push_back(IDNO);
        Click(dialog, Salir);
    }));
    EXPECT_EQ(Shown(), std::vector<std::string>{Question});
}

TEST_F(FavouritesDialogTest, ResetAnsweredYesMakesAllWhiteAndRemovesTheFile) {
    WriteBytes(FilePath(), DefaultFile(0, 0, Red));
    CurrentColour = Black;
    EXPECT_TRUE(Open([&](WindowHandle dialog) {
        EXPECT_EQ(At(dialog, Palette, 10, 10), Red);
        ChangeSecondSwatch(dialog);
        boxes.answers.push_back(IDYES);
        Click(dialog, Reseteo);
        EXPECT_FALSE(fs::exists(FilePath()));
        ExpectWhiteSwatches(dialog);
        EXPECT_EQ(CurrentColour, White);
        ExpectBox(dialog, White, Black);
        EXPECT_TRUE(ArchiveEnabled(dialog)) << "the change is still pending";
        boxes.answers.push_back(IDYES);
        Click(dialog, Salir);
    }));
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           "Realmente desea RESETEAR ?\r\nSe perderan todos tus colores favoritos",
                           Question}));
    EXPECT_EQ(ReadBytes(FilePath()), DefaultFile()) << "Yes saves the white palette";
}

// Slots that no record names collapse into one 3 x 3 black mark at the top-left; a
// record's box that lies off the palette, beside it or far away, is simply not drawn.
struct FileCase {
    const char* name;
    Bytes file;
};
class CraftedFileTest : public FavouritesDialogTest,
                        public ::testing::WithParamInterface<FileCase> {};

TEST_P(CraftedFileTest, OpensWithOnlyTheSmallBlackMark) {
    WriteBytes(FilePath(), GetParam().file);
    std::vector<std::string> palette;
    EXPECT_TRUE(Open([&](WindowHandle dialog) {
        const Surface* surface = CanvasSurface(dialog, Palette);
        palette = Picture(surface, 0, 0, surface->Width(), surface->Height());
        Click(dialog, Salir);
    }));
    std::vector<std::string> expected(palette.size(), std::string(palette.at(0).size(), 'W'));
    for (int y = 0; y < 3; ++y) expected[y].replace(0, 3, "KKK");
    EXPECT_EQ(palette, expected);
}
INSTANTIATE_TEST_SUITE_P(
    Files, CraftedFileTest,
    ::testing::Values(FileCase{"Empty", {}},
                      FileCase{"BoxRightOfThePalette", Record(400, 410, 10, 20, 0, 0, 0)},
                      FileCase{"BoxLeftOfThePalette", Record(-100, -20, 10, 20, 0, 0, 0)},
                      FileCase{"BoxBelowThePalette", Record(10, 20, 400, 410, 0, 0, 0)},
                      FileCase{"BoxAtTheEndsOfInt",
                               Record(INT32_MAX - 2, INT32_MAX, INT32_MIN, INT32_MAX, 0, 0, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FavouritesDialogTest, FailedSaveKeepsTheChangesPending) {
    WriteBytes(folder.File("plain"), {1});
    KeepFavouritesIn(folder.File("plain") + "/"); // a folder under a regular file
    EXPECT_TRUE(Open([&](WindowHandle dialog) {
        ChangeSecondSwatch(dialog);
        Click(dialog, Archivar);
        EXPECT_TRUE(ArchiveEnabled(dialog));
        boxes.answers = {IDYES}; // save on leaving: fails, so the dialog stays
        Click(dialog, Salir);
        boxes.answers = {IDNO};
        Click(dialog, Salir);
    }));
    const std::string failure = "Err:  52 Bad file name or number";
    EXPECT_EQ(Shown(), (std::vector<std::string>{failure, Question, failure, Question}));
}

TEST_F(FavouritesDialogTest, FocusComesBackAfterDeactivation) {
    WindowHandle before = nullptr, after = nullptr;
    Open(
        [&](WindowHandle dialog) {
            SetFocus(GetDlgItem(dialog, Reseteo));
            before = GetFocus();
            SendMessage(dialog, WM_NCACTIVATE, 0, 0);
            SetFocus(GetDlgItem(dialog, Salir));
            SendMessage(dialog, WM_NCACTIVATE, 1, 0);
            after = GetFocus();
        },
        false);
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(after, before);
}

TEST_F(FavouritesDialogTest, CloseCommandActsAsSalir) {
    EXPECT_TRUE(Open([&](WindowHandle dialog) {
        ChangeSecondSwatch(dialog);
        boxes.answers.push_back(IDNO);
        SendCloseCommand(dialog);
    }));
    EXPECT_EQ(Shown(), std::vector<std::string>{Question});
    EXPECT_FALSE(fs::exists(FilePath()));
}

} // namespace
