// Where "Configuracion.ini" and "Mis Colores.log" live: beside the executable when its
// folder is writable or already holds one of them, else in the user's configuration
// folder, made 0700 when the first file is written.
#include "platform/FilesFolder.h"
#include "app/Settings.h"
#include "palette/FavouritesStore.h"
#include "platform/Program.h"
#include "state/State.h"
#include "tests/support/Scripts.h"
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

enum class Held { Nothing, Settings, Favourites };

struct PlaceCase {
    const char* name;
    bool writableProgramFolder;
    Held held;
    std::optional<std::string> xdg; // "<tmp>" stands for an absolute folder of the test's
    const char* expected;           // "program", "xdg" or "home"
};
void PrintTo(const PlaceCase& c, std::ostream* out) { *out << c.name; }

class FilesPlace : public ::testing::TestWithParam<PlaceCase> {
  protected:
    void TearDown() override { SetExecutableFolderForTesting(""); }
    TempFolder program, config, home;
};

TEST_P(FilesPlace, IsChosenOnceAsTheDesktopExpects) {
    const PlaceCase& c = GetParam();
    if (c.held == Held::Settings) std::ofstream(program.File(SettingsFileName)) << "";
    if (c.held == Held::Favourites) std::ofstream(program.File(FavouritesFileName)) << "";
    if (!c.writableProgramFolder) {
        ASSERT_TRUE(MakeUnwritable(program.Path()));
    }
    ScopedVariable xdg("XDG_CONFIG_HOME", c.xdg == "<tmp>" ? config.Path() : c.xdg);
    ScopedVariable homeVariable("HOME", home.Path());
    SetExecutableFolderForTesting(program.Path());
    const std::string expected = std::string(c.expected) == "program" ? program.Path()
                                 : std::string(c.expected) == "xdg"
                                     ? config.Path() + "colvero/"
                                     : home.Path() + ".config/colvero/";
    EXPECT_EQ(FilesFolder(), expected);
    EXPECT_EQ(SettingsFilePath(), expected + SettingsFileName);
    SetProgramFolder();
    EXPECT_EQ(FavouritesFilePath(), expected + FavouritesFileName);
}

INSTANTIATE_TEST_SUITE_P(
    Places, FilesPlace,
    ::testing::Values(
        PlaceCase{"WritableProgramFolder", true, Held::Nothing, "<tmp>", "program"},
        PlaceCase{"ProgramFolderHoldsSettings", false, Held::Settings, "<tmp>", "program"},
        PlaceCase{"ProgramFolderHoldsFavourites", false, Held::Favourites, "<tmp>", "program"},
        PlaceCase{"InstalledWithXdgConfigHome", false, Held::Nothing, "<tmp>", "xdg"},
        PlaceCase{"RelativeXdgConfigHome", false, Held::Nothing, "config", "home"},
        PlaceCase{"EmptyXdgConfigHome", false, Held::Nothing, "", "home"},
        PlaceCase{"UnsetXdgConfigHome", false, Held::Nothing, std::nullopt, "home"}),
    [](const auto& info) { return std::string(info.param.name); });

// An installed program: both files are written to the configuration folder, made on
// the first write with mode 0700, and read back from there.
class InstalledProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetApplicationState();
        ASSERT_TRUE(MakeUnwritable(program.Path()));
        SetExecutableFolderForTesting(program.Path());
        SetProgramFolder();
    }
    void TearDown() override { SetExecutableFolderForTesting(""); }
    TempFolder program, config;
    MessageBoxScript messages;
};

TEST_F(InstalledProgram, WritesBothFilesInTheConfigurationFolder) {
    ScopedVariable xdg("XDG_CONFIG_HOME", config.Path() + "nueva/carpeta");
    SetExecutableFolderForTesting(program.Path());
    SetProgramFolder();
    fillWidth = 7;
    fillHeight = 2;
    Settings("save");
    BuildDefaultFavourites(PaletteColumns, PaletteRows, PaletteOriginX, PaletteOriginY);
    EXPECT_TRUE(SaveFavourites());
    EXPECT_TRUE(messages.shown.empty());

    const std::string folder = config.Path() + "nueva/carpeta/colvero/";
    struct stat info {};
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(stat((folder + FavouritesFileName).c_str(), &info), 0);
    fillWidth = fillHeight = 0;
    Settings("get");
    EXPECT_EQ(fillWidth, 7);
    EXPECT_EQ(fillHeight, 2);
}

TEST_F(InstalledProgram, AFolderThatCannotBeMadeIsToldAndLosesNothing) {
    std::ofstream(config.File("fichero")) << "no es una carpeta";
    ScopedVariable xdg("XDG_CONFIG_HOME", config.File("fichero"));
    SetExecutableFolderForTesting(program.Path());
    SetProgramFolder();
    fillWidth = 7;
    Settings("save");
    EXPECT_EQ(fillWidth, 7);
    BuildDefaultFavourites(PaletteColumns, PaletteRows, PaletteOriginX, PaletteOriginY);
    EXPECT_FALSE(SaveFavourites());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text,
              "Error al grabar ...\r\n" + config.File("fichero") + "/colvero/" + SettingsFileName);
    EXPECT_EQ(messages.shown[1].text.rfind("Err:  ", 0), 0u) << messages.shown[1].text;
}

} // namespace
