// The settings file: reading whatever lies on disk, writing the two values back.
#include "app/Settings.h"
#include "platform/Profile.h"
#include "platform/Program.h"
#include "platform/SafeWrite.h"
#include "state/State.h"
#include "tests/support/Scripts.h"
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetApplicationState();
        SetExecutableFolderForTesting(folder.Path());
    }
    void TearDown() override { SetExecutableFolderForTesting(""); }
    std::string Path() const { return folder.File("Configuracion.ini"); }

    TempFolder folder;
};

TEST(SettingsPath, IsBesideTheProgram) {
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(SettingsFilePath(), (program.parent_path() / "Configuracion.ini").string());
}

TEST_F(SettingsFile, MissingFileGivesThreeAndCreatesNothing) {
    Settings("get");
    EXPECT_EQ(fillWidth, 3);
    EXPECT_EQ(fillHeight, 3);
    EXPECT_FALSE(std::filesystem::exists(Path()));
}

TEST_F(SettingsFile, SaveWritesOneBlankBeforeANonNegativeValue) {
    fillWidth = 5;
    fillHeight = -4;
    Settings("save");
    const std::string text = ReadFile(Path());
    EXPECT_NE(text.find("[Multiple]"), std::string::npos) << text;
    EXPECT_NE(text.find("ancho= 5"), std::string::npos) << text;
    EXPECT_NE(text.find("alto=-4"), std::string::npos) << text;

    fillWidth = fillHeight = 0;
    Settings("get");
    EXPECT_EQ(fillWidth, 5);
    EXPECT_EQ(fillHeight, -4);
}

TEST_F(SettingsFile, SaveKeepsOtherSectionsAndKeys) {
    WriteFile(Path(), "[Otra]\nclave=valor\n[Multiple]\nancho=9\nextra=1\n");
    fillWidth = 2;
    fillHeight = 7;
    Settings("save");
    const std::string text = ReadFile(Path());
    EXPECT_NE(text.find("[Otra]"), std::string::npos) << text;
    EXPECT_NE(text.find("clave=valor"), std::string::npos) << text;
    EXPECT_NE(text.find("extra=1"), std::string::npos) << text;
    EXPECT_NE(text.find("ancho= 2"), std::string::npos) << text;
    EXPECT_EQ(text.find("ancho=9"), std::string::npos) << text;
    EXPECT_NE(text.find("alto= 7"), std::string::npos) << text;
}

TEST_F(SettingsFile, OtherActionsDoNothing) {
    WriteFile(Path(), "[Multiple]\nancho=8\nalto=8\n");
    fillWidth = fillHeight = 1;
    for (const char* action : {"Get", "SAVE", "", "get "}) Settings(action);
    EXPECT_EQ(fillWidth, 1);
    EXPECT_EQ(fillHeight, 1);
    EXPECT_EQ(ReadFile(Path()), "[Multiple]\nancho=8\nalto=8\n");
}

// Unwritable targets that stop root too: a folder whose parent is a regular file, and a
// settings "file" that is a folder. The user is told once per save, as for any save.
TEST_F(SettingsFile, UnwritableTargetIsToldAndKeepsTheValuesInMemory) {
    WriteFile(folder.File("plain"), "x");
    for (const std::string& badFolder : {folder.File("plain/sub/"), folder.Path()}) {
        if (badFolder == folder.Path()) std::filesystem::create_directory(Path());
        SetExecutableFolderForTesting(badFolder);
        fillWidth = 6;
        fillHeight = 4;
        MessageBoxScript boxes;
        Settings("save");
        ASSERT_EQ(boxes.shown.size(), 1u) << badFolder;
        // A folder that takes no file and holds none sends the file to the user's
        // configuration folder, which the tests make impossible too.
        EXPECT_EQ(boxes.shown[0].text, "Error al grabar ...\r\n" + SettingsFilePath());
        EXPECT_EQ(boxes.shown[0].caption, "Programador");
        EXPECT_EQ(boxes.shown[0].style, MB_OK);
        EXPECT_EQ(fillWidth, 6);
        EXPECT_EQ(fillHeight, 4);
        Settings("get");
        EXPECT_EQ(fillWidth, 3) << badFolder;
        EXPECT_EQ(fillHeight, 3) << badFolder;
    }
}

// A file with a second name is overwritten where it is; when that fails midway and cannot
// be undone either, the message names the old contents' copy on a line of its own.
TEST_F(SettingsFile, AFailedOverwriteNamesTheOldContentsCopy) {
    const std::string old = "[Multiple]\nancho= 2\nalto= 2\n";
    WriteFile(Path(), old);
    std::filesystem::create_hard_link(Path(), folder.File("enlace"));
    MessageBoxScript boxes;
    SetWriteFailureForTesting(EIO, old.size() + 10);
    Settings("save");
    SetWriteFailureForTesting(0);
    std::string copy;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        if (entry.path().filename().string().find("-copia.") != std::string::npos)
            copy = entry.path().string();
    EXPECT_EQ(ReadFile(copy), old);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Error al grabar ...\r\n" + Path() + "\r\n" + copy);
}

// The path is never shortened: a cut path would name another file.
TEST_F(SettingsFile, LongFolderPathIsUsedWhole) {
    std::string longFolder = folder.Path();
    while (longFolder.size() < 300) longFolder += std::string(60, 'd') + "/";
    std::filesystem::create_directories(longFolder);
    SetExecutableFolderForTesting(longFolder);
    fillWidth = 11;
    fillHeight = 12;
    Settings("save");
    EXPECT_TRUE(std::filesystem::exists(longFolder + "Configuracion.ini"));
    fillWidth = fillHeight = 0;
    Settings("get");
    EXPECT_EQ(fillWidth, 11);
    EXPECT_EQ(fillHeight, 12);
}

struct FileCase {
    const char* name;
    std::string text;
    int width, height;
};
void PrintTo(const FileCase& c, std::ostream* out) { *out << c.name; }

class SettingsFileContents : public SettingsFile, public ::testing::WithParamInterface<FileCase> {};

// Whatever the file holds, "get" ends with two numbers and never fails.
TEST_P(SettingsFileContents, GetReadsWhatItCan) {
    WriteFile(Path(), GetParam().text);
    Settings("get");
    EXPECT_EQ(fillWidth, GetParam().width);
    EXPECT_EQ(fillHeight, GetParam().height);
}

std::string Binary() {
    std::string bytes;
    for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 37 + 11) % 256);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFileContents,
    ::testing::Values(
        FileCase{"NoSection", "ancho=5\nalto=6\n", 3, 3},
        FileCase{"OtherSectionOnly", "[Otra]\nancho=5\nalto=6\n", 3, 3},
        FileCase{"Garbage", "}{ ==== [[[ nada\n=\n[Multiple\nancho\n", 3, 3},
        FileCase{"BinaryBytes", Binary(), 3, 3},
        FileCase{"LongLine", std::string(100000, 'a') + "\n[Multiple]\nancho=4\nalto=5\n", 4, 5},
        FileCase{"LongValue", "[Multiple]\nancho=" + std::string(100000, '7') + "\nalto=2\n",
                 -32768, 2},
        // Only the first 259 characters of a value are read: the 5 lies beyond them.
        FileCase{"ValueBeyond259Characters",
                 "[Multiple]\nancho=" + std::string(259, '0') + "5\nalto=" + std::string(258, '0') +
                     "5\n",
                 0, 5},
        FileCase{"Halves", "[Multiple]\nancho=2.5\nalto=3.5\n", 2, 4},
        FileCase{"Letters", "[Multiple]\nancho=abc\nalto=\n", 0, 0},
        FileCase{"NegativeAndLarge", "[Multiple]\nancho=-4\nalto=40000\n", -4, -32768},
        FileCase{"LeadingBlanksAndTabs", "[Multiple]\nancho= \t 7\nalto=  8\n", 7, 8},
        FileCase{"DuplicateKeys", "[Multiple]\nancho=5\nancho=6\nalto=1\nalto=2\n", 5, 1},
        FileCase{"OneKeyMissing", "[Multiple]\nalto=12\n", 3, 12}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return info.param.name; });

// A save puts both values on disk in one replacement of the file, whose bytes are what a
// write of each value in turn would leave; a file too large to be ours is left as it is,
// and the user told.
struct SaveCase {
    const char* name;
    std::optional<std::string> before; // nothing: no file
    bool kept = false;
};
void PrintTo(const SaveCase& c, std::ostream* out) { *out << c.name; }

class SettingsSave : public SettingsFile, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SettingsSave, WritesWhatTwoWritesInARowWould) {
    const std::string twice = folder.File("dos.ini");
    for (const std::string& path : {Path(), twice})
        if (GetParam().before) WriteFile(path, *GetParam().before);
    bool written = WritePrivateProfileString("Multiple", "ancho", " 6", twice);
    written = WritePrivateProfileString("Multiple", "alto", "-2", twice) && written;
    fillWidth = 6;
    fillHeight = -2;
    MessageBoxScript boxes;
    Settings("save");
    EXPECT_EQ(ReadFile(Path()), ReadFile(twice));
    EXPECT_EQ(boxes.shown.size(), written ? 0u : 1u);
    if (GetParam().kept) {
        EXPECT_TRUE(ReadFile(Path()) == *GetParam().before) << "rewritten";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsSave,
    ::testing::Values(SaveCase{"NoFile", std::nullopt},
                      SaveCase{"KeysMissingBeforeAnotherSection", "[Multiple]\nx=1\n\n[Otra]\nk=v"},
                      SaveCase{"HeaderWithoutLineEnd", "[multiple]"},
                      SaveCase{"TooLargeToBeOurs", std::string(MaxProfileSize + 1, '\n'), true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
