#include "grid/DeadRuns.h"
#include "grid/Recovery.h"
#include <algorithm>

void ForEachDeadRun(const std::string& path, const std::function<bool(DeadRun& dead)>& look) {
    const std::string folder = RecoveryFolder();
    const std::string picture = RecoveryPicturePath(path);
    const std::string prefix = RecoveryNamePrefix(picture);
    std::vector<FolderFile> files = FilesInFolder(folder);
    std::sort(files.begin(), files.end(),
              [](const FolderFile& a, const FolderFile& b) { return a.age < b.age; });
    for (const FolderFile& file : files) {
        if (!file.name.starts_with(prefix)) continue;
        DeadRun dead{folder + file.name, {}, {}};
        const LockedFile::Taking taking = LockedFile::Take(dead.file, dead.taken);
        if (taking == LockedFile::Taking::Held || taking == LockedFile::Taking::Gone) continue;
        std::string bytes;
        if (dead.taken.Read(bytes, MaxRecoveryFileBytes))
            dead.picture =
                ReadRecovery(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        // Another picture whose path has the same checksum.
        if (dead.picture.readable && dead.picture.path != picture) continue;
        if (!look(dead)) return;
    }
}

void RemoveStaleRecoveryFiles() {
    const std::string folder = RecoveryFolder();
    constexpr std::int64_t MaxAge = std::int64_t{RecoveryMaxAgeDays} * 24 * 60 * 60;
    for (const FolderFile& file : FilesInFolder(folder)) {
        LockedFile stale;
        if (file.age > MaxAge &&
            LockedFile::Take(folder + file.name, stale) == LockedFile::Taking::Taken)
            stale.Remove();
    }
}
