// The favourites store and its file "Mis Colores.log".
#include "palette/FavouritesStore.h"
#include "platform/Program.h"
#include "platform/SafeWrite.h"
#include "tests/palette/PaletteTestSupport.h"
#include "tests/support/Scripts.h"
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

using namespace palettetest;
namespace fs = std::filesystem;

namespace {

class FavouritesStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        KeepFavouritesIn(folder.Path());
        BuildDefaultFavourites(13, 10, 1, 1); // something for a load to replace
    }
    void TearDown() override { KeepFavouritesIn(""); }
    std::string Path() const { return folder.File("Mis Colores.log"); }

    TempFolder folder;
    MessageBoxScript boxes;
};

FavouriteTable Defaults() {
    BuildDefaultFavourites(13, 10, 1, 1);
    return FavouritePalette;
}
FavouriteTable Only(int c, int r, Colour colour) {
    FavouriteTable table{};
    table[c][r] = {25 * c + 1,      25 * c + 26,     25 * r + 1, 25 * r + 26,
                   std::int16_t(c), std::int16_t(r), colour};
    return table;
}

TEST_F(FavouritesStoreTest, SavedByteForByteAndReadBack) {
    FavouritePalette[7][3].colour = 0x123456;
    FavouritePalette[30][30] = {1, 2, 3, 4, 30, 30, 0x00FF00}; // never shown, never saved
    FavouriteTable saved = FavouritePalette;
    ASSERT_TRUE(SaveFavourites());
    Bytes file = ReadBytes(Path());
    const Bytes first = {1,    0, 0, 0, 0x1A, 0, 0, 0, 1,    0,    0,    0,
                         0x1A, 0, 0, 0, 0,    0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
    ASSERT_EQ(file.size(), 3120u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 24), first);
    EXPECT_EQ(file, DefaultFile(7, 3, 0x123456));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator{}), 1)
        << "the file alone: no temporary file is left behind";

    saved[30][30] = {};
    LoadFavourites();
    EXPECT_EQ(FavouritePalette, saved);
    EXPECT_TRUE(boxes.shown.empty());
}

struct FileCase {
    const char* name;
    Bytes (*file)();
    FavouriteTable (*expected)();
};
void PrintTo(const FileCase& c, std::ostream* out) { *out << c.name; }
class FavouritesFileTest : public FavouritesStoreTest,
                           public ::testing::WithParamInterface<FileCase> {};

TEST_P(FavouritesFileTest, LoadsTo) {
    WriteBytes(Path(), GetParam().file());
    EXPECT_TRUE(FavouritesFileExists());
    FavouriteTable expected = GetParam().expected();
    LoadFavourites();
    EXPECT_EQ(FavouritePalette, expected);
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Files, FavouritesFileTest,
    ::testing::Values(
        // No whole record: every slot zero (the dialog's 3 x 3 black mark).
        FileCase{"Empty", [] { return Bytes{}; }, [] { return FavouriteTable{}; }},
        FileCase{"OneByteShort",
                 [] {
                     Bytes record = DefaultRecord(0, 0);
                     record.pop_back();
                     return record;
                 },
                 [] { return FavouriteTable{}; }},
        FileCase{"TrailingByte",
                 [] {
                     return Join({DefaultFile(), {0x7F}});
                 },
                 Defaults},
        FileCase{"ReverseOrder",
                 [] {
                     Bytes file;
                     for (int k = 129; k >= 0; --k)
                         file = Join({file, DefaultRecord(k % 13, k / 13)});
                     return file;
                 },
                 Defaults},
        FileCase{"LaterRecordWins",
                 [] {
                     return Join({DefaultRecord(4, 2, 0x0000FF), DefaultRecord(4, 2, 0xFF0000)});
                 },
                 [] { return Only(4, 2, 0xFF0000); }},
        // Records whose column or row is outside 0..50 are skipped; loading goes on.
        FileCase{"OutOfTable",
                 [] {
                     Bytes file;
                     for (auto [c, r] : std::initializer_list<std::pair<int, int>>{
                              {-1, 0}, {0, -1}, {51, 0}, {0, 51}, {32767, 2}, {-32768, -32768}})
                         file = Join({file, Record(1, 2, 3, 4, c, r, 0x0000FF)});
                     return Join({file, DefaultRecord(3, 3, 0x00FF00)});
                 },
                 [] { return Only(3, 3, 0x00FF00); }},
        FileCase{"BeyondTheShownSlots", [] { return DefaultRecord(50, 50, 0x123456); },
                 [] { return Only(50, 50, 0x123456); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FavouritesStoreTest, RandomBytesLoadOnlyRecordsThatFit) {
    std::mt19937 random(20240601);
    Bytes file(24 * 4000 + 13);
    for (auto& byte : file) byte = static_cast<std::uint8_t>(random());
    Bytes fits = Record(9, -9, 18, 0, 10, 39, 0x00C0FFEE);
    std::copy(fits.begin(), fits.end(), file.begin() + 24 * 1999);
    WriteBytes(Path(), file);
    LoadFavourites();
    EXPECT_EQ(FavouritePalette[10][39], (FavouriteSwatch{9, -9, 18, 0, 10, 39, 0x00C0FFEE}));
    for (int c = 0; c < 51; ++c)
        for (int r = 0; r < 51; ++r) {
            const FavouriteSwatch& slot = FavouritePalette[c][r];
            EXPECT_TRUE(slot == FavouriteSwatch{} || (slot.column == c && slot.row == r));
        }
}

TEST_F(FavouritesStoreTest, FolderWithTheFilesName) {
    fs::create_directory(Path());
    EXPECT_TRUE(FavouritesFileExists());
    LoadFavourites();
    EXPECT_EQ(FavouritePalette, FavouriteTable{}) << "exists but cannot be read";
    RemoveFavouritesFile(); // silently fails
    BuildDefaultFavourites(13, 10, 1, 1);
    EXPECT_FALSE(SaveFavourites());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Err:  52 Bad file name or number");
    EXPECT_TRUE(fs::is_directory(Path()));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator{}), 1)
        << "the file alone: no temporary file is left behind";
}

TEST_F(FavouritesStoreTest, ReadOnlyFileIsRemovedAndReplaced) {
    for (bool remove : {true, false}) {
        WriteBytes(Path(), DefaultRecord(0, 0, 0x0000FF));
        fs::permissions(Path(), fs::perms::owner_read);
        if (remove) {
            RemoveFavouritesFile();
            EXPECT_FALSE(fs::exists(Path()));
        } else {
            EXPECT_TRUE(SaveFavourites());
            EXPECT_EQ(ReadBytes(Path()), DefaultFile());
        }
    }
    RemoveFavouritesFile(); // a missing file is no error either
    EXPECT_TRUE(boxes.shown.empty());
}

// A folder that takes no new file keeps its file writable: the file is overwritten where
// it is. Where no file can be made, one message tells so.
TEST_F(FavouritesStoreTest, UnwritableFolderOverwritesItsFileOrShowsOneMessage) {
    TempFolder state; // where the old file's copy goes while it is overwritten
    ScopedVariable stateHome("XDG_STATE_HOME", state.Path());
    WriteBytes(Path(), DefaultFile(0, 0, 0x12));
    ASSERT_TRUE(MakeUnwritable(folder.Path())) << "the new file must not be possible";
    EXPECT_TRUE(SaveFavourites());
    EXPECT_EQ(ReadBytes(Path()), DefaultFile());

    TempFolder empty, other;
    ASSERT_TRUE(MakeUnwritable(empty.Path()));
    WriteBytes(other.File("plain"), {1});
    for (const std::string& unusable : {empty.Path(), other.File("plain") + "/"}) {
        KeepFavouritesIn(unusable); // no file yet; under a regular file
        EXPECT_FALSE(SaveFavourites());
    }
    ASSERT_EQ(boxes.shown.size(), 2u);
    for (const ShownMessage& message : boxes.shown) {
        EXPECT_EQ(message.text, "Err:  52 Bad file name or number");
        EXPECT_EQ(message.caption, "Programador");
        EXPECT_EQ(message.style, MB_OK);
    }
}

// Once the file is open, a failed write shows its own number and text.
TEST_F(FavouritesStoreTest, FailedWriteShowsItsNumberAndText) {
    const std::pair<int, const char*> table[] = {{ENOSPC, "61 Disk full"},
                                                 {EROFS, "70 Permission denied"},
                                                 {ENXIO, "71 Disk not ready"},
                                                 {ESPIPE, "72 Disk media error"},
                                                 {EIO, "57 Device I/O error"},
                                                 {EINVAL, "5 Illegal function call"},
                                                 {ENAMETOOLONG, "75 Path/file access error"}};
    WriteBytes(Path(), DefaultFile(0, 0, 0x12));
    for (auto [error, shown] : table) {
        SetWriteFailureForTesting(error);
        EXPECT_FALSE(SaveFavourites());
        SetWriteFailureForTesting(0);
        ASSERT_FALSE(boxes.shown.empty());
        EXPECT_EQ(boxes.shown.back().text, std::string("Err:  ") + shown);
    }
    EXPECT_EQ(boxes.shown.size(), std::size(table));
    EXPECT_EQ(ReadBytes(Path()), DefaultFile(0, 0, 0x12));
}

TEST_F(FavouritesStoreTest, ProgramFolderIsNeverCutShort) {
    std::string deep = folder.Path();
    while (deep.size() < 400) deep += std::string(60, 'd') + "/";
    fs::create_directories(deep);
    KeepFavouritesIn(deep);
    FavouritePalette[2][2].colour = 0x0000FF;
    ASSERT_TRUE(SaveFavourites());
    EXPECT_EQ(ReadBytes(deep + "Mis Colores.log"), DefaultFile(2, 2, 0x0000FF));

    KeepFavouritesIn("");
    EXPECT_EQ(FavouritesFilePath(), ExecutableFolder() + "Mis Colores.log");
}

} // namespace
