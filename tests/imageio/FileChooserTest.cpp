// The file chooser: what it asks the platform's dialog for, and what it gives back.
#include "imageio/FileChooser.h"
#include "tests/support/Scripts.h"
#include <array>
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

// File names are bytes. The dialog shows names that are not UTF-8 as text (U+FFFD), and
// a folder it cannot open as the way to the name; kept as shown, they come back as their
// own bytes. Rows: path; shown folder and name; the user's answer; the result ("./" the
// current folder).
TEST(ChooserResult, KeepsTheBytesOfNamesThatAreNotUtf8) {
#define R "\xef\xbf\xbd"
    const std::array<std::string, 5> cases[] = {
        {"vacaci\xf3n/fot\xf3.png", "./", "vacaci" R "n/fot" R ".png",
         "./vacaci" R "n/fot" R ".png", "./vacaci\xf3n/fot\xf3.png"},
        {"/fotos/fot\xf3.png", "/fotos/", "fot" R ".png", "/otras/fot" R ".png",
         "/otras/fot\xf3.png"},
        {"/fotos/vacaci\xf3n/a.png", "/fotos/", "vacaci" R "n/a.png", "/fotos/vacaci" R "n/b.png",
         "/fotos/vacaci\xf3n/b.png"}};
#undef R
    auto here = [](const std::string& p) {
        return p.rfind("./", 0) ? p : CurrentFolder() + p.substr(2);
    };
    for (const auto& [path, folder, name, answer, chosen] : cases) {
        FileDialogScript dialogs;
        dialogs.answers = {here(answer)};
        std::string result = path;
        ChooseImageFile(nullptr, result, 1);
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].folder, here(folder));
        EXPECT_EQ(dialogs.requests[0].proposedName, name);
        EXPECT_EQ(result, here(chosen));
    }
}

} // namespace
