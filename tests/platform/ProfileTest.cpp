// Private-profile files: reading any text without harm, and writing one value while the
// rest of the file stays as it was.
#include "platform/Profile.h"
#include "tests/support/Scripts.h"
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace {

void WriteText(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string Binary() {
    std::string bytes;
    for (int i = 0; i < 1024; ++i) bytes += static_cast<char>((i * 37) & 0xFF);
    return bytes;
}

struct ReadCase {
    const char* name;
    std::string content;
    std::string expected; // the value of "ancho" in "Multiple", default "3"
};
void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FindsTheValueOrTheDefault) {
    TempFolder folder;
    WriteText(folder.File("c.ini"), GetParam().content);
    EXPECT_EQ(GetPrivateProfileString("Multiple", "ancho", " 3 ", folder.File("c.ini")),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ProfileRead,
    ::testing::Values(
        ReadCase{"Empty", "", "3"}, ReadCase{"Plain", "[Multiple]\nancho= 5\nalto= 2\n", "5"},
        ReadCase{"NoSection", "ancho=5\n", "3"},
        ReadCase{"OtherSectionOnly", "[Otra]\nancho=5\n", "3"},
        ReadCase{"KeyInALaterSection", "[Multiple]\nalto=1\n[Otra]\nancho=5\n", "3"},
        ReadCase{"CaseAndBlanksIgnored", "  [ mULTIPLE ]  \n\t ANCHO \t=   7  \t\n", "7"},
        ReadCase{"CrLf", "[Otra]\r\nx=1\r\n[Multiple]\r\nalto=1\r\nancho= 4\r\n", "4"},
        ReadCase{"FirstDuplicateWins", "[Multiple]\nancho=1\nancho=2\n", "1"},
        ReadCase{"CommentIsNoKey", "[Multiple]\n;ancho=9\n# ancho=8\nancho=6\n", "6"},
        ReadCase{"EmptyValue", "[Multiple]\nancho=\n", ""},
        ReadCase{"NoLineEndAtTheEnd", "[Multiple]\nancho=2.5", "2.5"},
        ReadCase{"ByteOrderMark", "\xEF\xBB\xBF[Multiple]\nancho=5\n", "5"},
        ReadCase{"Garbage", "@@ = ==\n[[[\n]]]\n=5\n[\nancho\n", "3"},
        ReadCase{"BinaryBytes", Binary(), "3"},
        ReadCase{"BinaryThenSection", Binary() + "\n[Multiple]\nancho=5\n", "5"},
        ReadCase{"NulInsideValue", std::string("[Multiple]\nancho=5\0x\n", 21),
                 std::string("5\0x", 3)},
        ReadCase{"LongLine",
                 std::string(100000, 'x') + "\n[Multiple]\nancho=" + std::string(100000, '9') +
                     "\n",
                 std::string(100000, '9')}),
    [](const auto& info) { return std::string(info.param.name); });

class ProfileWrite : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string path = folder.File("Configuracion.ini");
    bool Write(const std::string& key, const std::string& value,
               const std::string& section = "Multiple") {
        return WritePrivateProfileString(section, key, value, path);
    }
};

TEST_F(ProfileWrite, TheFirstWriteCreatesTheFile) {
    EXPECT_EQ(GetPrivateProfileString("Multiple", "ancho", "3", path), "3");
    EXPECT_EQ(GetPrivateProfileString("Multiple", "ancho", "3", folder.Path()), "3"); // a folder
    EXPECT_TRUE(Write("ancho", " 3"));
    EXPECT_TRUE(Write("alto", "-4"));
    EXPECT_EQ(ReadText(path), "[Multiple]\nancho= 3\nalto=-4\n");
    EXPECT_EQ(GetPrivateProfileString("multiple", "ALTO", "3", path), "-4");
}

// Only the entry's line changes; comments, blank lines, other keys and sections, the
// line ends and the names' spelling elsewhere stay byte for byte.
TEST_F(ProfileWrite, ReplacingAValueKeepsEveryOtherLine) {
    WriteText(path, "; ajustes\r\n\r\n[Otra]\r\nancho=1\r\n[ multiple ]\r\n  Ancho = 9 \r\nalto= "
                    "2\r\n\r\n[Fin]\r\nx=y");
    EXPECT_TRUE(Write("ancho", " 5"));
    EXPECT_EQ(ReadText(path), "; ajustes\r\n\r\n[Otra]\r\nancho=1\r\n[ multiple ]\r\nancho= "
                              "5\r\nalto= 2\r\n\r\n[Fin]\r\nx=y");
}

TEST_F(ProfileWrite, ANewKeyEndsItsSectionAndANewSectionEndsTheFile) {
    WriteText(path, "[Multiple]\nalto= 2\n\n[Otra]\nz=1");
    EXPECT_TRUE(Write("ancho", " 5"));
    EXPECT_TRUE(Write("k", "v", "Nueva"));
    EXPECT_EQ(ReadText(path), "[Multiple]\nalto= 2\nancho= 5\n\n[Otra]\nz=1\n[Nueva]\nk=v\n");
}

TEST_F(ProfileWrite, GarbageAndBinaryBytesSurviveARewrite) {
    std::string old = Binary() + "\n@@ = ==\n" + std::string(100000, 'x') + "\n";
    WriteText(path, old);
    EXPECT_TRUE(Write("ancho", " 3"));
    EXPECT_EQ(ReadText(path), old + "[Multiple]\nancho= 3\n");
}

TEST_F(ProfileWrite, TheFilesPermissionsAndLinksStay) {
    WriteText(path, "[Multiple]\nancho= 1\n");
    chmod(path.c_str(), 0640);
    std::string link = folder.File("enlace.ini");
    std::filesystem::create_symlink(path, link);
    EXPECT_TRUE(WritePrivateProfileString("Multiple", "ancho", " 2", link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadText(path), "[Multiple]\nancho= 2\n");
    struct stat info {};
    stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// Unwritable targets fail for root too; nothing is left behind and nothing is truncated.
TEST_F(ProfileWrite, AnUnwritableTargetIsAFailure) {
    WriteText(folder.File("fichero"), "no es carpeta");
    EXPECT_FALSE(
        WritePrivateProfileString("Multiple", "ancho", " 3", folder.File("fichero/c.ini")));
    EXPECT_FALSE(WritePrivateProfileString("Multiple", "ancho", " 3", folder.File("falta/c.ini")));
    EXPECT_FALSE(WritePrivateProfileString("Multiple", "ancho", " 3", "/proc/colvero.ini"));
    std::filesystem::create_directory(folder.File("carpeta"));
    EXPECT_FALSE(WritePrivateProfileString("Multiple", "ancho", " 3", folder.File("carpeta")));
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("carpeta")));
    EXPECT_EQ(ReadText(folder.File("fichero")), "no es carpeta");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              2); // "fichero" and "carpeta", no temporary file
}

// Reading and writing take names alike: blanks around them and leading byte-order marks
// do not count, so a later write finds the line of an earlier one.
TEST_F(ProfileWrite, NamesWithBlanksOrMarksAreTheSameNameForReadsAndWrites) {
    EXPECT_TRUE(Write(" k ", "1", " S "));
    EXPECT_EQ(GetPrivateProfileString(" S ", " k ", "d", path), "1");
    EXPECT_TRUE(Write("\xEF\xBB\xBF k", "2", "\t\xEF\xBB\xBFS"));
    EXPECT_EQ(GetPrivateProfileString("s", "\xEF\xBB\xBFK", "d", path), "2");
    EXPECT_EQ(ReadText(path), "[S]\nk=2\n");
}

// A last line that ends in a bare CR keeps it when a key is added after it, so its value
// stays as it was read.
TEST_F(ProfileWrite, ABareCrAtTheEndStaysInItsLine) {
    WriteText(path, "[S]\na=1\r");
    EXPECT_TRUE(Write("b", "2", "S"));
    EXPECT_EQ(GetPrivateProfileString("S", "a", "d", path), "1\r");
    EXPECT_EQ(GetPrivateProfileString("S", "b", "d", path), "2");
}

// A line break in a name or value would add lines of its own to the file.
TEST_F(ProfileWrite, NamesAndValuesThatWouldBreakLinesAreRefused) {
    WriteText(path, "[Multiple]\nancho= 1\n");
    EXPECT_FALSE(Write("ancho", " 2\n[Otra]"));
    EXPECT_FALSE(Write("an\ncho", "2"));
    EXPECT_FALSE(Write("a=b", "2"));
    EXPECT_FALSE(Write("ancho", "2", "Mul]tiple"));
    EXPECT_FALSE(Write("", "2"));
    EXPECT_EQ(ReadText(path), "[Multiple]\nancho= 1\n");
}

} // namespace
