// Nothing is lost when the program dies: the run's recovery file from its first stroke to
// the run's end, what the next start offers and makes of the answer, and the files it
// leaves alone. A run "dies" here by its main window ending without the close question.
#include "grid/Recovery.h"
#include "app/RecoveryOffer.h"
#include "grid/DeadRuns.h"
#include "grid/Journal.h"
#include "grid/SavedPicture.h"
#include "platform/SafeWrite.h"
#include "platform/UserFolders.h"
#include "tests/app/AppPictures.h"
#include "tests/app/MenuAccess.h"
#include "tests/app/ProgramRun.h"
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const Rows Card = {"rgbyK", "cmWon", "psbrg"};

class Recovery : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("XDG_STATE_HOME", state.Path().c_str(), 1);
        picture = state.File("carta.png");
        ASSERT_TRUE(PictureImage(Card, AppColours).save(QString::fromStdString(picture)));
    }
    void TearDown() override { setenv("XDG_STATE_HOME", "/dev/null/colvero-tests", 1); }

    // The recovery folder's files, by name, and what the first one holds.
    static std::vector<std::string> Files() {
        std::vector<std::string> names;
        for (const FolderFile& file : FilesInFolder(RecoveryFolder())) names.push_back(file.name);
        return names;
    }
    static RecoveredPicture Held() {
        std::ifstream in(RecoveryFolder() + Files().at(0), std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(in), {});
        return ReadRecovery(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    static std::vector<Colour> CardColours() {
        std::vector<Colour> colours;
        for (const std::string& row : Card)
            for (char letter : row) colours.push_back(LetterColour(letter, AppColours));
        return colours;
    }
    TempFolder state;
    std::string picture;
};

// The file starts when the first stroke ends, never during it; it follows undo and redo,
// goes with a save (a new one starts from the saved colours under the saved path), and
// goes when the run ends with the edits dropped.
TEST_F(Recovery, TheRunsFileFollowsItsEditsUntilTheyAreSavedOrDropped) {
    ProgramRun run;
    const std::string copy = run.folder.File("copia.png");
    run.Run(picture, [&] {
        PaintCell(1, 0, [] { EXPECT_TRUE(Files().empty()); });
        ASSERT_EQ(Files().size(), 1u);
        EXPECT_EQ(Held().path, RecoveryPicturePath(picture));
        EXPECT_EQ(Held().saved, CardColours());
        EXPECT_EQ(Held().colours, PictureColours());
        ChooseMenuItem("Deshacer");
        EXPECT_EQ(Held().colours, CardColours());
        ChooseMenuItem("Rehacer");
        EXPECT_EQ(Held().steps, 3u); // the stroke, the undo, the redo

        const std::vector<Colour> painted = PictureColours();
        run.files.answers.push_back(copy);
        ChooseMenuItem("Grabar");
        EXPECT_TRUE(Files().empty());
        PaintCell(2, 1);
        EXPECT_EQ(Held().path, RecoveryPicturePath(copy));
        EXPECT_EQ(Held().saved, painted);
        EXPECT_EQ(Held().colours, PictureColours());
        run.messages.answers = {IDNO};
    });
    EXPECT_TRUE(Files().empty());
}

struct OfferCase {
    const char* name;
    int answer;
    bool noRoom; // the new file cannot be written
};
void PrintTo(const OfferCase& c, std::ostream* out) { *out << c.name; }

class Offered : public Recovery, public ::testing::WithParamInterface<OfferCase> {};

// Yes shows the dead run's picture, unsaved, with nothing to undo, and a file of this run
// replaces the dead one's only once it is written; No shows the file and removes the
// dead run's.
TEST_P(Offered, TheAnswerDecidesWhatIsShownAndWhatIsKept) {
    const OfferCase& c = GetParam();
    const bool yes = c.answer == IDYES;
    ProgramRun dying; // paints cell (1, 0) black and dies
    dying.closeWhenDone = false;
    dying.Run(picture, [] {
        PaintCell(1, 0);
        EndDialog(MainWindow, 0);
    });
    const std::vector<std::string> dead = Files();
    ProgramRun run;
    run.messages.answers = {IDOK, c.answer};
    SetWriteFailureForTesting(c.noRoom ? ENOSPC : 0);
    run.Run(picture, [&] {
        SetWriteFailureForTesting(0);
        EXPECT_EQ(ReadPixel(SurfaceOf(ImageBitmap), 1, 0) == Black, yes);
        EXPECT_EQ(HasUnsavedEdits(), yes);
        EXPECT_FALSE(CanUndo());
        EXPECT_EQ(Files().size(), yes ? 1u : 0u);
        if (yes) {
            EXPECT_EQ(Files() == dead, c.noRoom);
            EXPECT_EQ(Held().colours, PictureColours());
        }
        run.messages.answers = {IDNO};
    });
    ASSERT_GE(run.messages.shown.size(), 2u);
    EXPECT_EQ(run.messages.shown[1],
              (ShownMessage{RecoveryQuestion, "Colvero", MB_YESNO | MB_SETFOREGROUND}));
    EXPECT_TRUE(Files().empty());
}

INSTANTIATE_TEST_SUITE_P(Answers, Offered,
                         ::testing::Values(OfferCase{"Yes", IDYES, false},
                                           OfferCase{"YesWithoutRoom", IDYES, true},
                                           OfferCase{"No", IDNO, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LeftCase {
    const char* name;
    std::string (*bytes)(const std::string& path, const std::vector<Colour>& card);
    std::string reason; // of the message naming it; none when it goes unsaid
};
void PrintTo(const LeftCase& c, std::ostream* out) { *out << c.name; }

class NotApplied : public Recovery, public ::testing::WithParamInterface<LeftCase> {};

// A dead run's file that cannot be read or is of another size is named and left where it
// is; one that holds nothing unsaved goes unsaid. None is offered.
TEST_P(NotApplied, IsNamedAndLeftOrRemovedWhenItHoldsNothing) {
    const LeftCase& c = GetParam();
    ASSERT_TRUE(MakePrivateFolder(RecoveryFolder()));
    const std::string name = RecoveryNamePrefix(RecoveryPicturePath(picture)) + "xyzXYZ";
    std::ofstream(RecoveryFolder() + name, std::ios::binary)
        << c.bytes(RecoveryPicturePath(picture), CardColours());
    ProgramRun run;
    run.Run(picture);
    std::vector<ShownMessage> said(run.messages.shown.begin() + 1, run.messages.shown.end());
    const std::vector<ShownMessage> expected = {
        {RecoveryRefusal + RecoveryFolder() + name + c.reason, "Colvero", MB_SETFOREGROUND}};
    EXPECT_EQ(said, c.reason.empty() ? std::vector<ShownMessage>{} : expected);
    EXPECT_EQ(Files(), c.reason.empty() ? std::vector<std::string>{} : std::vector{name});
}

INSTANTIATE_TEST_SUITE_P(
    Files, NotApplied,
    ::testing::Values(
        LeftCase{"Unreadable", [](auto&, auto&) { return std::string("basura"); },
                 UnreadableReason},
        LeftCase{
            "OtherSize",
            [](auto& path, auto&) {
                return EncodeRecoveryStart(path, 2, 2, {1, 2, 3, 4}) + EncodeRecoveryStep({{0, 9}});
            },
            std::string(OtherSizeReason) + "2x2."},
        LeftCase{
            "NothingUnsaved",
            [](auto& path, auto& card) {
                return EncodeRecoveryStart(path, 5, 3, card) + EncodeRecoveryStep({{0, card[0]}});
            },
            ""}),
    [](const auto& info) { return std::string(info.param.name); });

int DeadRuns(const std::string& picture) {
    int found = 0;
    ForEachDeadRun(picture, [&found](DeadRun&) { return ++found; });
    return found;
}

void WrittenDaysAgo(const std::string& file, int days) {
    const timespec then{time(nullptr) - days * 24 * 60 * 60, 0};
    const timespec times[2] = {then, then};
    ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

// A running copy's file is neither offered to a second copy nor removed as stale, however
// old, though both copies here share one process id; once its run has died it is offered,
// and removed after 30 days.
TEST_F(Recovery, ARunningCopysFileIsNeitherOfferedNorRemovedAsStale) {
    ProgramRun run;
    run.closeWhenDone = false;
    std::string file;
    run.Run(picture, [&] {
        PaintCell(1, 0);
        ASSERT_EQ(Files().size(), 1u);
        file = RecoveryFolder() + Files()[0];
        WrittenDaysAgo(file, 31);
        EXPECT_EQ(DeadRuns(picture), 0);
        RemoveStaleRecoveryFiles();
        EXPECT_EQ(Files().size(), 1u);
        EndDialog(MainWindow, 0);
    });
    EXPECT_EQ(DeadRuns(picture), 1);
    WrittenDaysAgo(file, 29);
    RemoveStaleRecoveryFiles();
    EXPECT_EQ(Files().size(), 1u);
    WrittenDaysAgo(file, 31);
    ProgramRun().Run(""); // a start whose chooser is cancelled
    EXPECT_TRUE(Files().empty());
}

} // namespace
