// Replacing a file only by complete new contents, and keeping it the file it was: its
// links, owner and place, whether it is renamed over or overwritten where it is.
#include "platform/SafeWrite.h"
#include "tests/support/Scripts.h"
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
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
    std::sort(names.begin(), names.end());
    return names;
}

FileReplacement Replace(const std::string& path, const std::string& text) {
    return ReplaceFile(path, text.data(), text.size());
}

struct stat StatOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info;
}

TEST(SafeWrite, AFailedWriteLeavesTheOldFileAndNoTrace) {
    TempFolder folder;
    WriteBytes(folder.File("datos"), "antes");
    SetWriteFailureForTesting(EIO);
    FileReplacement replaced = Replace(folder.File("datos"), "nuevo");
    SetWriteFailureForTesting(0);

    EXPECT_FALSE(replaced.done);
    EXPECT_TRUE(replaced.created);
    EXPECT_EQ(replaced.error, EIO);
    EXPECT_EQ(ReadBytes(folder.File("datos")), "antes");
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"datos"});
}

TEST(SafeWrite, AVeryLongNameStillFindsRoomForItsTemporaryFile) {
    TempFolder folder;
    std::string name(250, 'n');
    EXPECT_TRUE(Replace(folder.File(name), "x").done);
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{name});
}

// A shared or immutable folder, or one of another user: no new entry, but the file in
// it may be written.
TEST(SafeWrite, AFolderThatTakesNoNewFileHasItsFileOverwritten) {
    TempFolder folder;
    const std::string box = folder.File("caja/");
    std::filesystem::create_directory(box);
    WriteBytes(box + "datos", "el contenido de antes, largo");
    const ino_t inode = StatOf(box + "datos").st_ino;
    ASSERT_TRUE(MakeUnwritable(box));

    EXPECT_TRUE(Replace(box + "datos", "nuevo").done);
    EXPECT_FALSE(Replace(box + "otro", "nuevo").done) << "a new file cannot be made there";

    EXPECT_EQ(ReadBytes(box + "datos"), "nuevo") << "cut to the new length";
    EXPECT_EQ(StatOf(box + "datos").st_ino, inode);
    EXPECT_EQ(FilesIn(box), std::vector<std::string>{"datos"});
}

TEST(SafeWrite, ASecondHardLinkSeesTheNewContents) {
    TempFolder folder;
    WriteBytes(folder.File("datos"), "antes");
    std::filesystem::create_hard_link(folder.File("datos"), folder.File("enlace"));

    EXPECT_TRUE(Replace(folder.File("datos"), "después, y más largo").done);

    EXPECT_EQ(ReadBytes(folder.File("enlace")), "después, y más largo");
    EXPECT_EQ(StatOf(folder.File("datos")).st_nlink, 2u);
    EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"datos", "enlace"}));
}

// Acts as another user until it goes out of scope.
struct ActingAs {
    explicit ActingAs(uid_t user) { acting = seteuid(user) == 0; }
    ~ActingAs() {
        if (acting) seteuid(0);
    }
    bool acting = false;
};

TEST(SafeWrite, TheOwnerAndGroupStay) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    TempFolder folder;
    const std::string file = folder.File("foto");
    WriteBytes(file, "antes");
    ASSERT_EQ(chown(file.c_str(), 4321, 4322), 0);

    EXPECT_TRUE(Replace(file, "de root").done); // renamed over, given back to its owner
    EXPECT_EQ(StatOf(file).st_uid, 4321u);
    EXPECT_EQ(StatOf(file).st_gid, 4322u);

    chmod(folder.Path().c_str(), 0777);
    chmod(file.c_str(), 0666);
    {
        ActingAs other(4323); // may write the file, may not give a new one to its owner
        ASSERT_TRUE(other.acting);
        EXPECT_TRUE(Replace(file, "de otro").done);
    }
    EXPECT_EQ(ReadBytes(file), "de otro");
    EXPECT_EQ(StatOf(file).st_uid, 4321u);
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"foto"});
}

// A small file system of its own, while the test runs.
struct SmallDisk {
    explicit SmallDisk(const std::string& path) : path(path) {
        std::filesystem::create_directory(path);
        mounted = mount("colvero", path.c_str(), "tmpfs", 0, "size=64k") == 0;
        error = errno;
    }
    ~SmallDisk() {
        if (mounted) umount2(path.c_str(), MNT_DETACH);
    }
    std::string path;
    bool mounted = false;
    int error = 0;
};

TEST(SafeWrite, AFullDiskLeavesTheOldFileWhole) {
    TempFolder folder;
    SmallDisk disk(folder.File("disco"));
    if (!disk.mounted) GTEST_SKIP() << "cannot mount a small file system: " << strerror(disk.error);
    const std::string file = disk.path + "/datos", old(1000, 'a'), big(100 * 1024, 'b');
    WriteBytes(file, old);

    for (bool linked : {false, true}) { // renamed over; overwritten where it is
        if (linked) std::filesystem::create_hard_link(file, disk.path + "/enlace");
        FileReplacement replaced = Replace(file, big);
        EXPECT_FALSE(replaced.done);
        EXPECT_EQ(replaced.error, ENOSPC);
        EXPECT_EQ(ReadBytes(file), old) << (linked ? "in place" : "renamed");
    }
    EXPECT_EQ(FilesIn(disk.path), (std::vector<std::string>{"datos", "enlace"}));
}

} // namespace
