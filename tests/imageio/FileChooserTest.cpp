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

} // namespace
