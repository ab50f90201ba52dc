// Replacing a file only by complete new contents, and keeping it the file it was: its
// links, owner, attributes and place, whether it is renamed over or overwritten where it
// is; never a pipe or device; and never at the cost of the old contents.
#include "platform/SafeWrite.h"
#include "tests/support/Scripts.h"
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
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

// A name near the limit for names, a path near the limit for paths: a shorter temporary
// name, made from the folder, and still a rename.
TEST(SafeWrite, AVeryLongNameOrPathStillFindsRoomForItsTemporaryFile) {
    TempFolder folder;
    std::string deep = folder.Path();
    while (deep.size() < 4090 - 256)
        std::filesystem::create_directory(deep += std::string(200, 'c') + "/");
    std::filesystem::create_directory(deep += std::string(4090 - 6 - deep.size(), 'c') + "/");
    std::filesystem::create_directory(folder.File("n"));
    for (const std::string& file : {folder.File("n/" + std::string(250, 'n')), deep + "datos"}) {
        WriteBytes(file, "antes");
        const ino_t inode = StatOf(file).st_ino;
        EXPECT_TRUE(Replace(file, "x").done) << file.size();
        EXPECT_NE(StatOf(file).st_ino, inode) << "renamed over";
        EXPECT_EQ(FilesIn(file.substr(0, file.rfind('/'))).size(), 1u);
    }
}

// A shared or immutable folder, or one of another user: no new entry, but the file in
// it may be written.
TEST(SafeWrite, AFolderThatTakesNoNewFileHasItsFileOverwritten) {
    TempFolder folder, state;
    ScopedVariable stateHome("XDG_STATE_HOME", state.Path()); // where the old contents' copy goes
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
    SmallDisk(const std::string& path, const char* options) : path(path) {
        std::filesystem::create_directory(path);
        mounted = mount("colvero", path.c_str(), "tmpfs", 0, options) == 0;
        error = errno;
    }
    ~SmallDisk() {
        if (mounted) umount2(path.c_str(), MNT_DETACH);
    }
    std::string path;
    bool mounted = false;
    int error = 0;
};

// Renamed over, or overwritten where it is and written back from the old contents' copy;
// a disk out of inodes takes no temporary file, and the file is not overwritten instead.
TEST(SafeWrite, AFullDiskLeavesTheOldFileWhole) {
    const struct {
        const char* options;
        bool linked;
        std::size_t size;
    } cases[] = {{"size=64k", false, 100 * 1024},
                 {"size=64k", true, 100 * 1024},
                 {"size=64k,nr_inodes=2", false, 10}};
    for (auto& c : cases) {
        TempFolder folder;
        SmallDisk disk(folder.File("disco"), c.options);
        if (!disk.mounted)
            GTEST_SKIP() << "cannot mount a small file system: " << strerror(disk.error);
        const std::string file = disk.path + "/datos", old(1000, 'a');
        WriteBytes(file, old);
        if (c.linked) std::filesystem::create_hard_link(file, disk.path + "/enlace");
        const auto before = FilesIn(disk.path);

        FileReplacement replaced = Replace(file, std::string(c.size, 'b'));

        EXPECT_FALSE(replaced.done) << c.options;
        EXPECT_EQ(replaced.error, ENOSPC);
        EXPECT_EQ(ReadBytes(file), old) << c.options;
        EXPECT_EQ(FilesIn(disk.path), before);
    }
}

// --- What a save replaces ----------------------------------------------------------

// Each entry of a folder with its kind and inode, as a save may have changed them.
std::map<std::string, std::pair<mode_t, ino_t>> Entries(const std::string& folder) {
    std::map<std::string, std::pair<mode_t, ino_t>> entries;
    for (auto& entry : std::filesystem::directory_iterator(folder)) {
        struct stat info {};
        lstat(entry.path().c_str(), &info);
        entries[entry.path().filename().string()] = {info.st_mode & S_IFMT, info.st_ino};
    }
    return entries;
}

// Makes the entries that layout names in folder: "a>b" a symbolic link a to b, "a|" a
// pipe, "a!" a device (false where it cannot be made).
bool Make(const std::string& folder, const std::string& layout) {
    std::istringstream words(layout);
    for (std::string word; words >> word;) {
        const auto arrow = word.find('>');
        const std::string name = folder + word.substr(0, std::min(arrow, word.size() - 1));
        if (arrow != std::string::npos)
            std::filesystem::create_symlink(word.substr(arrow + 1), name);
        if (word.back() == '|') mkfifo(name.c_str(), 0600);
        if (word.back() == '!' && mknod(name.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            return false;
    }
    return true;
}

// Saving "datos" among the entries made: a refused save changes no entry; any other
// changes only the one written (null: refused) and leaves no other file behind.
TEST(SafeWrite, TargetsAreReplacedOnlyByAWholeRegularFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"datos|", nullptr},         {"tubo| datos>tubo", nullptr},
        {"datos!", nullptr},         {"datos>otro otro>datos", nullptr},
        {"datos>no/nuevo", nullptr}, {"datos>nuevo", "nuevo"}};
    for (auto [entries, written] : cases) {
        TempFolder folder;
        if (!Make(folder.Path(), entries)) continue; // a device, where only root can make one
        auto before = Entries(folder.Path());

        FileReplacement replaced = Replace(folder.File("datos"), "nuevo");

        auto after = Entries(folder.Path());
        EXPECT_EQ(replaced.done, written != nullptr) << entries;
        if (written) {
            EXPECT_EQ(ReadBytes(folder.File(written)), "nuevo");
            EXPECT_NE(after[written], before[written]);
            after.erase(written), before.erase(written);
        }
        EXPECT_EQ(after, before) << entries;
    }
}

// --- Overwriting where the file is ----------------------------------------------------

// Where a copy is made, the writes fail from the middle of the overwrite on, and so does
// writing the old contents back: the copy stays, named in the result, beside the file or
// in the state folder. Where none can be made, not even the overwrite that would work is
// tried.
TEST(SafeWrite, AFailedOverwriteKeepsTheOldContentsSomewhere) {
    const struct {
        bool folderTakesFiles, stateFolderUsable, copied;
    } cases[] = {{true, true, true}, {false, true, true}, {false, false, false}};
    for (auto c : cases) {
        TempFolder folder, state;
        ScopedVariable home("XDG_STATE_HOME", c.stateFolderUsable ? state.Path() : "/dev/null/x");
        const std::string file = folder.File("datos"), old(3000, 'a'), fresh(5000, 'b');
        WriteBytes(file, old);
        std::filesystem::create_hard_link(file, folder.File("enlace"));
        if (!c.folderTakesFiles && !MakeUnwritable(folder.Path())) GTEST_SKIP() << "cannot lock";

        if (c.copied) SetWriteFailureForTesting(EIO, old.size() + fresh.size() / 2);
        FileReplacement replaced = Replace(file, fresh);
        SetWriteFailureForTesting(0);

        EXPECT_FALSE(replaced.done);
        EXPECT_EQ(replaced.error == EIO, c.copied);
        const std::string place = c.folderTakesFiles ? folder.Path() : state.Path() + "colvero/";
        EXPECT_EQ(replaced.keptCopy.substr(0, place.size()), c.copied ? place : "");
        EXPECT_EQ(ReadBytes(c.copied ? replaced.keptCopy : file), old);
        EXPECT_EQ(FilesIn(folder.Path()).size(), c.copied && c.folderTakesFiles ? 3u : 2u);
    }
}

// --- Leftovers of earlier saves -----------------------------------------------------

// Saving again removes a temporary file of a save that died, and nothing of a save still
// running (here, or in another process namespace: locked) nor a copy of old contents.
TEST(SafeWrite, RemovesTheTemporaryFilesOfDeadSavesAlone) {
    TempFolder folder;
    WriteBytes(folder.File("datos"), "antes");
    // Process ids stay below 2^22: the first is never one that runs.
    const std::string dead = "999999999", live = std::to_string(getpid());
    const std::pair<std::string, bool> leftovers[] = {// name, removed
                                                      {dead + ".aB3xYz", true},
                                                      {live + ".aB3xYz", false},
                                                      {dead + ".locked", false},
                                                      {dead + "-copia.aB3xYz", false}};
    for (auto& [name, removed] : leftovers) WriteBytes(folder.File(".datos.colvero-" + name), "?");
    const int lock = open(folder.File(".datos.colvero-" + dead + ".locked").c_str(), O_RDONLY);
    flock(lock, LOCK_EX);

    EXPECT_TRUE(Replace(folder.File("datos"), "nuevo").done);
    close(lock);

    for (auto& [name, removed] : leftovers)
        EXPECT_NE(std::filesystem::exists(folder.File(".datos.colvero-" + name)), removed) << name;
    EXPECT_EQ(FilesIn(folder.Path()).size(), 4u) << "nothing else is left";
}

// --- Extended attributes ------------------------------------------------------------

// An access list as the kernel stores it (little-endian): version 2, then tag, permissions
// and id of each entry: owner rw, user 4323 as given, group r, mask rw, others r.
std::string AclFor4323(std::uint16_t permissions) {
    const std::uint16_t entries[][4] = {{1, 6, 0xFFFF, 0xFFFF},
                                        {2, permissions, 4323, 0},
                                        {4, 4, 0xFFFF, 0xFFFF},
                                        {0x10, 6, 0xFFFF, 0xFFFF},
                                        {0x20, 4, 0xFFFF, 0xFFFF}};
    return std::string("\2\0\0\0", 4) +
           std::string(reinterpret_cast<const char*>(entries), sizeof entries);
}

// The extended attributes that matter here: an attribute of the user's, the access list.
std::vector<std::string> Attributes(const std::string& path) {
    std::vector<std::string> values;
    for (const char* name : {"user.colvero", "system.posix_acl_access"}) {
        char value[256];
        const ssize_t size = getxattr(path.c_str(), name, value, sizeof value);
        values.push_back(size < 0 ? "none" : std::string(value, static_cast<std::size_t>(size)));
    }
    return values;
}

// A file that denies one user and has an attribute of its own keeps both; one in a folder
// whose default access list allows that user does not take it up. Both renamed over.
TEST(SafeWrite, TheNewFileHasTheOldOnesExtendedAttributes) {
    TempFolder folder;
    const std::string file = folder.File("foto.png"), denied = AclFor4323(0),
                      allowed = AclFor4323(6);
    WriteBytes(file, "antes");
    WriteBytes(folder.File("sin.png"), "antes");
    if (setxattr(file.c_str(), "user.colvero", "rojo", 4, 0) != 0)
        GTEST_SKIP() << "the file system takes no attributes: " << strerror(errno);
    ASSERT_EQ(setxattr(file.c_str(), "system.posix_acl_access", denied.data(), denied.size(), 0),
              0);
    ASSERT_EQ(setxattr(folder.Path().c_str(), "system.posix_acl_default", allowed.data(),
                       allowed.size(), 0),
              0);

    for (const char* name : {"foto.png", "sin.png"}) {
        const std::string path = folder.File(name);
        const auto attributes = Attributes(path);
        const ino_t inode = StatOf(path).st_ino;
        EXPECT_TRUE(Replace(path, "nuevo").done);
        EXPECT_EQ(Attributes(path), attributes) << name;
        EXPECT_NE(StatOf(path).st_ino, inode) << "renamed over";
    }
}

} // namespace
