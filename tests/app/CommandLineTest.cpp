// `colvero [FILE]`: what the command line asks for, and start-up with a named picture,
// which skips the chooser and goes through every later step as a chosen one would.
#include "app/CommandLine.h"
#include "imageio/ImageLoad.h"
#include "state/State.h"
#include "tests/app/AppPictures.h"
#include "tests/app/ProgramRun.h"
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <vector>

namespace {

using Action = CommandLine::Action;

struct LineCase {
    const char* name;
    std::vector<const char*> words; // after the program's name
    Action action;
    const char* file;
    int exitCode; // -1: the picture is edited
};
void PrintTo(const LineCase& line, std::ostream* out) { *out << line.name; }

class Line : public ::testing::TestWithParam<LineCase> {};

TEST_P(Line, IsReadAndAnswered) {
    const LineCase& c = GetParam();
    std::vector<const char*> argv = {"colvero"};
    argv.insert(argv.end(), c.words.begin(), c.words.end());
    const CommandLine line = ReadCommandLine(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.file, c.file);
    std::ostringstream out, err;
    EXPECT_EQ(AnswerCommandLine(line, out, err), c.exitCode);
    // The usage goes to standard output when asked for, to standard error when refused.
    const bool usage = c.action == Action::Help || c.action == Action::Refuse;
    EXPECT_EQ((c.action == Action::Help ? out : err).str().rfind("Uso: colvero [FICHERO]\n", 0) ==
                  0,
              usage);
    if (c.action == Action::Version) {
        EXPECT_TRUE(std::regex_match(out.str(), std::regex("colvero \\d+\\.\\d+\\.\\d+\n")))
            << out.str();
    }
    if (c.action == Action::Edit) {
        EXPECT_EQ(out.str() + err.str(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, Line,
    ::testing::Values(LineCase{"Nothing", {}, Action::Edit, "", -1},
                      LineCase{"Picture", {"foto.png"}, Action::Edit, "foto.png", -1},
                      LineCase{"Help", {"--help"}, Action::Help, "", 0},
                      LineCase{"Version", {"--version"}, Action::Version, "", 0},
                      LineCase{"UnknownOption", {"-style", "x.png"}, Action::Refuse, "", 2},
                      LineCase{"TwoPictures", {"a.png", "b.png"}, Action::Refuse, "", 2},
                      LineCase{"DashedNameAfterEnd", {"--", "-a.png"}, Action::Edit, "-a.png", -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartWithFile, OpensThePictureWithoutTheChooser) {
    ProgramRun run;
    const std::string path = run.folder.File("carta.png");
    ASSERT_TRUE(PictureImage({"rgb", "ymK"}, AppColours).save(QString::fromStdString(path)));
    EXPECT_EQ(run.RunWithFile(path), 0);
    EXPECT_EQ(run.mainWindowRuns, 1);
    EXPECT_TRUE(run.files.requests.empty());
    EXPECT_EQ(ImageFileName, path);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].text, "3x2");
}

// What the program says for a named file is what it says for the same file chosen.
TEST(StartWithFile, RefusalsAreThoseOfAChosenFile) {
    TempFolder pictures;
    const std::string large = pictures.File("ancha.png");
    ASSERT_TRUE(PictureImage({"rg"}, AppColours, 1072, 10).save(QString::fromStdString(large)));
    for (const std::string& path : {large, pictures.File("falta.png"), pictures.Path()}) {
        std::vector<ShownMessage> chosenMessages;
        {
            ProgramRun chosen;
            EXPECT_EQ(chosen.Run(path), 0);
            chosenMessages = chosen.messages.shown;
        }
        ProgramRun named;
        EXPECT_EQ(named.RunWithFile(path), 0);
        EXPECT_EQ(named.mainWindowRuns, 0) << path;
        EXPECT_TRUE(named.files.requests.empty());
        ASSERT_EQ(named.messages.shown.size(), 1u) << path;
        EXPECT_TRUE(named.messages.shown == chosenMessages) << path;
    }
}

} // namespace
