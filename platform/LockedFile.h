#pragma once
// Files that a running program holds for as long as it runs. Each is locked (flock) by the
// process that made or took it, for as long as that process keeps it open, so that any
// other process sees it is in use, however long it has been. The lock belongs to the open
// file and not to a process id: a process id used again by another program fools nothing,
// and the lock goes with the process however it ends, a kill included.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class LockedFile {
  public:
    LockedFile() = default;
    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&& other) noexcept;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    ~LockedFile(); // Close()

    // A new file holding data (mode 0600), named pathStart and six characters of its own,
    // in a folder that exists. It is whole, on the disk and locked before it appears under
    // its name; none (not open) when anything fails, and then nothing is left behind.
    static LockedFile Create(const std::string& pathStart, const void* data, std::size_t size);

    enum class Taking { Taken, Held, Gone, Unreadable };
    // Takes the file at path when no running process holds it: Held when one does, Gone
    // when path names no regular file (or another one than was opened, having been
    // removed or replaced meanwhile), Unreadable when it cannot be opened. A file that may
    // be read but not written is taken all the same; appending to it fails.
    static Taking Take(const std::string& path, LockedFile& taken);

    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }
    // Adds data at the end of the file, on the disk (fdatasync) before it returns; false
    // when not all of it got there.
    bool Append(const void* data, std::size_t size);
    // The file's first bytes, at most limit of them; false when it cannot be read.
    bool Read(std::string& bytes, std::size_t limit) const;
    // The file leaves its folder, then its lock goes. The file is closed afterwards.
    void Remove();
    // The lock goes; the file stays.
    void Close();

  private:
    int fd_ = -1;
    std::string path_;
};

struct FolderFile {
    std::string name;
    std::int64_t age; // seconds since it was last written
};
// The regular files of the folder (ending with "/"); none when it cannot be read.
std::vector<FolderFile> FilesInFolder(const std::string& folder);
