// Replacing a file only by a complete new one.
#include "platform/SafeWrite.h"
#include "tests/support/Scripts.h"
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

bool WriteText(int fd, const char* text) {
    return write(fd, text, strlen(text)) == ssize_t(strlen(text));
}

TEST(SafeWrite, AWriteThatFailsMidwayLeavesTheOldFileAndNoTrace) {
    TempFolder folder;
    WriteBytes(folder.File("datos"), "antes");

    FileReplacement replaced = ReplaceFileWith(folder.File("datos"), [](int fd) {
        WriteText(fd, "a medias"); // part of the new content, then the encoder gives up
        return false;
    });

    EXPECT_FALSE(replaced.done);
    EXPECT_TRUE(replaced.created);
    EXPECT_EQ(ReadBytes(folder.File("datos")), "antes");
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"datos"});
}

TEST(SafeWrite, AVeryLongNameStillFindsRoomForItsTemporaryFile) {
    TempFolder folder;
    std::string name(250, 'n');

    EXPECT_TRUE(ReplaceFileWith(folder.File(name), [](int fd) { return WriteText(fd, "x"); }).done);

    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{name});
}

} // namespace
