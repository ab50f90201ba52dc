#include "platform/LockedFile.h"
#include "platform/UserFolders.h"
#include "platform/WriteAll.h"
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A new name or a removed one is on the disk only once its folder is.
void SyncFolder(const std::string& path) {
    const std::string folder = FolderPart(path);
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

LockedFile::LockedFile(LockedFile&& other) noexcept
    : fd_(other.fd_), path_(std::move(other.path_)) {
    other.fd_ = -1;
}

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        other.fd_ = -1;
    }
    return *this;
}

LockedFile::~LockedFile() { Close(); }

LockedFile LockedFile::Create(const std::string& pathStart, const void* data, std::size_t size) {
    // Written under a name no one looks for, locked from its first moment, and renamed into
    // place only when whole: no one ever finds it half written or unlocked. Its name ends
    // as the temporary one does, which another file of the folder may have taken already.
    constexpr int Attempts = 8;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        std::string temp = FolderPart(pathStart) + ".new-XXXXXX";
        LockedFile file;
        file.fd_ = mkostemp(temp.data(), O_CLOEXEC | O_APPEND);
        if (file.fd_ < 0) return file;
        file.path_ = pathStart + temp.substr(temp.size() - 6);
        const bool written = flock(file.fd_, LOCK_EX | LOCK_NB) == 0 &&
                             WriteAll(file.fd_, data, size) && fdatasync(file.fd_) == 0;
        if (written && renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, file.path_.c_str(),
                                 RENAME_NOREPLACE) == 0) {
            SyncFolder(file.path_);
            return file;
        }
        const bool nameTaken = written && errno == EEXIST;
        unlink(temp.c_str());
        if (!nameTaken) return LockedFile{};
    }
    return LockedFile{};
}

LockedFile::Taking LockedFile::Take(const std::string& path, LockedFile& taken) {
    taken.Close();
    // A link is none of ours: the folder's files are made by Create.
    int fd = open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
        fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT || errno == ELOOP || errno == EISDIR ? Taking::Gone
                                                                    : Taking::Unreadable;
    taken.fd_ = fd;
    taken.path_ = path;
    struct stat opened, named;
    if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        taken.Close();
        return Taking::Gone;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        taken.Close();
        return error == EWOULDBLOCK ? Taking::Held : Taking::Unreadable;
    }
    // Its holder may have removed it (or put another in its place) between our open and our
    // lock: then this is not the file the name stands for.
    if (stat(path.c_str(), &named) != 0 || !SameFile(opened, named)) {
        taken.Close();
        return Taking::Gone;
    }
    return Taking::Taken;
}

bool LockedFile::Append(const void* data, std::size_t size) {
    return fd_ >= 0 && WriteAll(fd_, data, size) && fdatasync(fd_) == 0;
}

bool LockedFile::Read(std::string& bytes, std::size_t limit) const {
    bytes.clear();
    if (fd_ < 0) return false;
    struct stat info;
    if (fstat(fd_, &info) != 0) return false;
    bytes.resize(std::min<std::size_t>(static_cast<std::size_t>(info.st_size), limit));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n =
            pread(fd_, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break; // cut shorter meanwhile
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return true;
}

void LockedFile::Remove() {
    if (fd_ < 0) return;
    unlink(path_.c_str());
    SyncFolder(path_);
    Close();
}

void LockedFile::Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    path_.clear();
}

std::vector<FolderFile> FilesInFolder(const std::string& folder) {
    std::vector<FolderFile> files;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return files;
    const std::int64_t now = std::time(nullptr);
    while (const dirent* entry = readdir(dir)) {
        struct stat info;
        if (fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode))
            files.push_back({entry->d_name, now - static_cast<std::int64_t>(info.st_mtime)});
    }
    closedir(dir);
    return files;
}
