// Replacing a file only by a complete new one.
#include "imageio/SafeFile.h"
#include "tests/imageio/ImageTesting.h"
#include "tests/support/Scripts.h"
#include <cstring>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

bool WriteText(int fd, const char* text) {
    return write(fd, text, strlen(text)) == ssize_t(strlen(text));
}

TEST(SafeFile, AWriteThatFailsMidwayLeavesTheOldFileAndNoTrace) {
    TempFolder folder;
    WriteBytes(folder.File("datos"), "antes");

    bool ok = ReplaceFileWith(folder.File("datos"), [](int fd) {
        WriteText(fd, "a medias"); // part of the new content, then the encoder gives up
        return false;
    });

    EXPECT_FALSE(ok);
    EXPECT_EQ(ReadBytes(folder.File("datos")), "antes");
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"datos"});
}

TEST(SafeFile, AVeryLongNameStillFindsRoomForItsTemporaryFile) {
    TempFolder folder;
    std::string name(250, 'n');

    EXPECT_TRUE(ReplaceFileWith(folder.File(name), [](int fd) { return WriteText(fd, "x"); }));

    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{name});
}

} // namespace
