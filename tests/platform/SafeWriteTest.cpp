// Replacing a file only by complete new contents, and keeping it the file it was: its
// links, owner, attributes and place, whether it is renamed over or overwritten where it
// is; never a pipe or device; and never at the cost of the old contents.
#include "platform/SafeWrite.h"
#include "tests/support/Scripts.h"
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
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

TEST(SafeWrite, AVeryLongNameStillFindsRoomForItsTemporaryFile) {
    TempFolder folder;
    std::string name(250, 'n');
    EXPECT_TRUE(Replace(folder.File(name), "x").done);
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{name});
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

struct DiskCase {
    const char* options;
    bool linked; // overwritten where it is, else renamed over
    std::size_t size;
};

TEST(SafeWrite, AFullDiskLeavesTheOldFileWhole) {
    const DiskCase cases[] = {
        {"size=64k", false, 100 * 1024},
        {"size=64k", true, 100 * 1024},      // the old contents written back from their copy
        {"size=64k,nr_inodes=2", false, 10}, // no temporary file, and no overwrite instead
    };
    for (const DiskCase& c : cases) {
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

// A path of 4090 bytes to an existing file: no room left for a longer name beside it.
std::string NearTheLimit(const std::string& folder) {
    std::string place = folder;
    while (place.size() < 4090 - 6 - 201)
        std::filesystem::create_directory(place += std::string(200, 'c') + "/");
    std::filesystem::create_directory(place += std::string(4090 - 6 - place.size(), 'c') + "/");
    WriteBytes(place + "datos", "antes");
    return place + "datos";
}

struct TargetCase {
    const char* name;
    std::string (*make)(const std::string& folder); // the path saved to; "": not here
    const char* written; // the entry beside it that then holds the new contents; null: refused
};
void PrintTo(const TargetCase& c, std::ostream* out) { *out << c.name; }

class SaveTargets : public ::testing::TestWithParam<TargetCase> {};

// A refused save changes no entry; any other changes only the one written (a new file,
// renamed into place) and leaves no other file behind.
TEST_P(SaveTargets, AreReplacedOnlyByAWholeRegularFile) {
    TempFolder folder;
    const std::string path = GetParam().make(folder.Path());
    if (path.empty()) GTEST_SKIP() << "only root can make a device";
    const std::string place = std::filesystem::path(path).parent_path().string() + "/";
    auto before = Entries(place);

    FileReplacement replaced = Replace(path, "nuevo");

    auto after = Entries(place);
    const char* written = GetParam().written;
    EXPECT_EQ(replaced.done, written != nullptr);
    if (written) {
        EXPECT_EQ(ReadBytes(place + written), "nuevo");
        EXPECT_NE(after[written], before[written]);
        after.erase(written), before.erase(written);
    }
    EXPECT_EQ(after, before);
}

std::string Linked(const std::string& folder, const char* link, const char* to) {
    std::filesystem::create_symlink(to, folder + link);
    return folder + link;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SaveTargets,
    ::testing::Values(
        TargetCase{
            "Pipe",
            [](const std::string& f) { return mkfifo((f + "datos").c_str(), 0600), f + "datos"; },
            nullptr},
        TargetCase{"LinkToAPipe",
                   [](const std::string& f) {
                       mkfifo((f + "tubo").c_str(), 0600);
                       return Linked(f, "datos", "tubo");
                   },
                   nullptr},
        TargetCase{"Device",
                   [](const std::string& f) {
                       return mknod((f + "datos").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0
                                  ? f + "datos"
                                  : std::string();
                   },
                   nullptr},
        TargetCase{"LinkLoop",
                   [](const std::string& f) {
                       Linked(f, "otro", "datos");
                       return Linked(f, "datos", "otro");
                   },
                   nullptr},
        TargetCase{"LinkIntoAMissingFolder",
                   [](const std::string& f) { return Linked(f, "datos", "no/nuevo"); }, nullptr},
        TargetCase{"LinkToAMissingFile",
                   [](const std::string& f) { return Linked(f, "datos", "nuevo"); }, "nuevo"},
        TargetCase{"PathNearTheLimit", NearTheLimit, "datos"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Overwriting where the file is ----------------------------------------------------

enum class CopyPlace { None, Beside, StateFolder };

struct OverwriteCase {
    const char* name;
    bool folderTakesFiles;
    bool stateFolderUsable;
    CopyPlace copy; // where the old contents stay; None: refused before a byte changed
};
void PrintTo(const OverwriteCase& c, std::ostream* out) { *out << c.name; }

class FailedOverwrite : public ::testing::TestWithParam<OverwriteCase> {};

// Where a copy is made, the writes fail from the middle of the overwrite on, and so does
// writing the old contents back: their copy stays, and the result names it. Where no copy
// can be made, the overwrite that would work is not even tried.
TEST_P(FailedOverwrite, KeepsTheOldContentsSomewhere) {
    const OverwriteCase& c = GetParam();
    TempFolder folder, state;
    ScopedVariable stateHome("XDG_STATE_HOME",
                             c.stateFolderUsable ? state.Path() : "/dev/null/estado");
    const std::string file = folder.File("datos"), old(3000, 'a'), fresh(5000, 'b');
    WriteBytes(file, old);
    std::filesystem::create_hard_link(file, folder.File("enlace"));
    if (!c.folderTakesFiles && !MakeUnwritable(folder.Path())) GTEST_SKIP() << "cannot lock";

    if (c.copy != CopyPlace::None) SetWriteFailureForTesting(EIO, old.size() + fresh.size() / 2);
    FileReplacement replaced = Replace(file, fresh);
    SetWriteFailureForTesting(0);

    EXPECT_FALSE(replaced.done);
    EXPECT_EQ(replaced.error != EIO, c.copy == CopyPlace::None) << strerror(replaced.error);
    const std::string stateFolder = state.Path() + "colvero/";
    std::filesystem::create_directories(stateFolder);
    std::vector<std::string> beside = {"datos", "enlace"}, inState;
    if (c.copy == CopyPlace::None) {
        EXPECT_EQ(replaced.keptCopy, "");
        EXPECT_EQ(ReadBytes(file), old) << "not a byte changed";
    } else {
        const std::string place = c.copy == CopyPlace::Beside ? folder.Path() : stateFolder;
        EXPECT_EQ(replaced.keptCopy.substr(0, place.size()), place);
        EXPECT_EQ(ReadBytes(replaced.keptCopy), old);
        (c.copy == CopyPlace::Beside ? beside : inState)
            .push_back(replaced.keptCopy.substr(place.size()));
    }
    std::sort(beside.begin(), beside.end());
    EXPECT_EQ(FilesIn(folder.Path()), beside);
    EXPECT_EQ(FilesIn(stateFolder), inState);
}

INSTANTIATE_TEST_SUITE_P(Cases, FailedOverwrite,
                         ::testing::Values(OverwriteCase{"Midway", true, true, CopyPlace::Beside},
                                           OverwriteCase{"MidwayInAFolderThatTakesNoFile", false,
                                                         true, CopyPlace::StateFolder},
                                           OverwriteCase{"NoPlaceForACopy", false, false,
                                                         CopyPlace::None}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Leftovers of earlier saves -----------------------------------------------------

// A process id that no longer runs.
pid_t DeadProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

struct LeftoverCase {
    const char* name;
    bool deadProcess; // else this one
    bool locked;      // a save running in another process namespace holds it
    const char* kind; // "" for a temporary file, "-copia" for a copy of old contents
    bool removed;
};
void PrintTo(const LeftoverCase& c, std::ostream* out) { *out << c.name; }

class Leftovers : public ::testing::TestWithParam<LeftoverCase> {};

TEST_P(Leftovers, OfADeadSaveAloneAreRemovedBySavingAgain) {
    const LeftoverCase& c = GetParam();
    TempFolder folder;
    WriteBytes(folder.File("datos"), "antes");
    const pid_t owner = c.deadProcess ? DeadProcess() : getpid();
    const std::string leftover = ".datos.colvero-" + std::to_string(owner) + c.kind + ".aB3xYz";
    WriteBytes(folder.File(leftover), "a medias");
    const int lock = open(folder.File(leftover).c_str(), O_RDONLY);
    if (c.locked) flock(lock, LOCK_EX);

    EXPECT_TRUE(Replace(folder.File("datos"), "nuevo").done);
    close(lock);

    EXPECT_EQ(std::filesystem::exists(folder.File(leftover)), !c.removed);
    EXPECT_EQ(FilesIn(folder.Path()).size(), c.removed ? 1u : 2u) << "nothing else is left";
}

INSTANTIATE_TEST_SUITE_P(Cases, Leftovers,
                         ::testing::Values(LeftoverCase{"DeadTemporary", true, false, "", true},
                                           LeftoverCase{"LiveTemporary", false, false, "", false},
                                           LeftoverCase{"LockedTemporary", true, true, "", false},
                                           LeftoverCase{"DeadCopyOfOldContents", true, false,
                                                        "-copia", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Extended attributes ------------------------------------------------------------

// An access list as the kernel stores it: version 2, then tag, permissions and id.
std::string Acl(std::initializer_list<std::array<std::uint32_t, 3>> entries) {
    std::string bytes;
    auto put = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i));
    };
    put(2, 4);
    for (auto [tag, permissions, id] : entries) put(tag, 2), put(permissions, 2), put(id, 4);
    return bytes;
}
constexpr std::uint32_t Owner = 1, User = 2, Group = 4, Mask = 0x10, Other = 0x20, Nobody = ~0u;

std::map<std::string, std::string> Attributes(const std::string& path) {
    std::map<std::string, std::string> attributes;
    char names[4096], value[4096];
    const ssize_t length = llistxattr(path.c_str(), names, sizeof names);
    for (ssize_t at = 0; at < length; at += static_cast<ssize_t>(strlen(names + at)) + 1) {
        const ssize_t size = lgetxattr(path.c_str(), names + at, value, sizeof value);
        attributes[names + at] =
            std::string(value, static_cast<std::size_t>(std::max<ssize_t>(size, 0)));
    }
    return attributes;
}

// A file that denies one user and has an attribute of its own keeps both; one in a folder
// whose default access list allows that user does not take it up. Both renamed over.
TEST(SafeWrite, TheNewFileHasTheOldOnesExtendedAttributes) {
    TempFolder folder;
    const std::string file = folder.File("foto.png");
    WriteBytes(file, "antes");
    if (setxattr(file.c_str(), "user.colvero", "rojo", 4, 0) != 0)
        GTEST_SKIP() << "the file system takes no attributes: " << strerror(errno);
    const std::string denied = Acl({{Owner, 6, Nobody},
                                    {User, 0, 4323},
                                    {Group, 4, Nobody},
                                    {Mask, 4, Nobody},
                                    {Other, 4, Nobody}});
    ASSERT_EQ(setxattr(file.c_str(), "system.posix_acl_access", denied.data(), denied.size(), 0), 0)
        << strerror(errno);
    WriteBytes(folder.File("sin.png"), "antes");
    const std::string allowed = Acl({{Owner, 7, Nobody},
                                     {User, 6, 4323},
                                     {Group, 5, Nobody},
                                     {Mask, 7, Nobody},
                                     {Other, 5, Nobody}});
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
