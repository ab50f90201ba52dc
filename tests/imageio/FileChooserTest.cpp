// The file chooser: what it asks the platform's dialog for, and what it gives back.
#include "imageio/FileChooser.h"
#include "tests/support/Scripts.h"
#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string CurrentFolder() { return std::filesystem::current_path().string() + "/"; }

struct Proposal {
    const char* name;
    std::string path;
    int mode;
    std::string folder; // empty: the current directory
    std::string proposedName;
};
void PrintTo(const Proposal& proposal, std::ostream* out) { *out << proposal.name; }

class ChooserRequest : public ::testing::TestWithParam<Proposal> {};

TEST_P(ChooserRequest, ProposesTheFolderAndNameOfThePath) {
    FileDialogScript dialogs;
    std::string path = GetParam().path;

    ChooseImageFile(nullptr, path, GetParam().mode);

    ASSERT_EQ(dialogs.requests.size(), 1u);
    const FileDialogRequest& request = dialogs.requests[0];
    EXPECT_EQ(request.save, GetParam().mode != 0);
    EXPECT_EQ(request.fileMustExist, GetParam().mode == 0) << "a save may name a new file";
    EXPECT_EQ(request.title, "Navegador de ficheros para imagen");
    EXPECT_EQ(request.folder, GetParam().folder.empty() ? CurrentFolder() : GetParam().folder);
    EXPECT_EQ(request.proposedName, GetParam().proposedName);
    EXPECT_EQ(request.filterName, "Imagenes");
    EXPECT_EQ(request.filterPattern, "*.jpg");
    EXPECT_EQ(request.defaultSuffix, "jpg");
    EXPECT_EQ(request.owner, nullptr);
}

const std::string LongFolder = "/" + std::string(150, 'a') + "/" + std::string(150, 'b') + "/";

INSTANTIATE_TEST_SUITE_P(Paths, ChooserRequest,
                         ::testing::Values(Proposal{"OpenEmpty", "", 0, "", ""},
                                           Proposal{"OpenFile", "/home/ana/fotos/casa.jpg", 0,
                                                    "/home/ana/fotos/", "casa.jpg"},
                                           Proposal{"SaveFile", "/home/ana/fotos/casa.jpg", 1,
                                                    "/home/ana/fotos/", "casa.jpg"},
                                           Proposal{"SaveNameOnly", "casa.png", 1, "", "casa.png"},
                                           Proposal{"SaveFolderOnly", "/tmp/", 2, "/tmp/", ""},
                                           Proposal{"LongFolderKeptWhole", LongFolder + "casa.jpg",
                                                    1, LongFolder, "casa.jpg"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChooserResult, IsTheChosenPathOrEmptyOnCancel) {
    FileDialogScript dialogs;
    dialogs.answers = {"/home/ana/nueva.jpg"};
    std::string path = "/home/ana/casa.jpg";

    ChooseImageFile(nullptr, path, 1);
    EXPECT_EQ(path, "/home/ana/nueva.jpg");

    ChooseImageFile(nullptr, path, 1); // cancelled
    EXPECT_EQ(path, "");
}

// File names are bytes. What the user sees of a name or folder that is not UTF-8 (U+FFFD,
// and a folder the dialog cannot open as the way to the name), and the path given back
// for what the user confirms, where "./" stands for the current folder.
struct ByteName {
    const char* name;
    std::string path, shownFolder, shownName, answer, chosen;
};
void PrintTo(const ByteName& c, std::ostream* out) { *out << c.name; }

std::string Here(const std::string& path) {
    return path.rfind("./", 0) == 0 ? CurrentFolder() + path.substr(2) : path;
}

class ChooserBytes : public ::testing::TestWithParam<ByteName> {};

TEST_P(ChooserBytes, ShowsNamesAsTextAndGivesBackTheirBytes) {
    FileDialogScript dialogs;
    dialogs.answers = {Here(GetParam().answer)};
    std::string path = GetParam().path;

    ChooseImageFile(nullptr, path, 1);

    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].folder, Here(GetParam().shownFolder));
    EXPECT_EQ(dialogs.requests[0].proposedName, GetParam().shownName);
    EXPECT_EQ(path, Here(GetParam().chosen));
}

#define R "\xef\xbf\xbd" // U+FFFD
INSTANTIATE_TEST_SUITE_P(
    Names, ChooserBytes,
    ::testing::Values(ByteName{"FromTheCommandLine", "vacaci\xf3n/fot\xf3.png", "./",
                               "vacaci" R "n/fot" R ".png", "./vacaci" R "n/fot" R ".png",
                               "./vacaci\xf3n/fot\xf3.png"},
                      ByteName{"NameKeptInAnotherFolder", "/fotos/fot\xf3.png", "/fotos/",
                               "fot" R ".png", "/otras/fot" R ".png", "/otras/fot\xf3.png"},
                      ByteName{"FolderKept", "/fotos/vacaci\xf3n/playa.png", "/fotos/",
                               "vacaci" R "n/playa.png", "/fotos/vacaci" R "n/playa.png",
                               "/fotos/vacaci\xf3n/playa.png"},
                      ByteName{"FolderKeptNameChanged", "/fotos/vacaci\xf3n/playa.png", "/fotos/",
                               "vacaci" R "n/playa.png", "/fotos/vacaci" R "n/otra.png",
                               "/fotos/vacaci\xf3n/otra.png"}),
    [](const auto& info) { return std::string(info.param.name); });
#undef R

} // namespace
