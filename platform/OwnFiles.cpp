#include "platform/OwnFiles.h"
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t RandomLength = 6;
constexpr long DefaultNameLimit = 255;

// ".NAME.colvero-": what every file of a save of NAME starts with, NAME cut so that the
// longest own name still fits the folder's limit.
std::string OwnPrefix(int folder, const std::string& targetName) {
    long limit = fpathconf(folder, _PC_NAME_MAX);
    if (limit <= 0) limit = DefaultNameLimit;
    const std::string own = ".colvero-";
    const std::size_t rest = own.size() + 10 + std::string("-copia.").size() + RandomLength;
    const std::size_t room = static_cast<std::size_t>(limit) > rest + 2 ? limit - rest - 1 : 1;
    return "." + targetName.substr(0, room) + own;
}

std::string RandomPart() {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char bytes[RandomLength];
    if (getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes))
        for (auto& byte : bytes) byte = static_cast<unsigned char>(rand());
    std::string part;
    for (unsigned char byte : bytes) part += letters[byte % (sizeof letters - 1)];
    return part;
}

// The process id in a temporary file's name after prefix ("PID.XXXXXX"); 0 when the
// name is not one.
pid_t TemporaryOwner(const std::string& name, const std::string& prefix) {
    if (name.compare(0, prefix.size(), prefix) != 0) return 0;
    const std::string rest = name.substr(prefix.size());
    const auto dot = rest.find('.');
    if (dot == 0 || dot == std::string::npos || dot > 9 || rest.size() != dot + 1 + RandomLength)
        return 0;
    pid_t pid = 0;
    for (std::size_t i = 0; i < dot; ++i) {
        if (rest[i] < '0' || rest[i] > '9') return 0;
        pid = pid * 10 + (rest[i] - '0');
    }
    return pid;
}

bool Runs(pid_t pid) { return kill(pid, 0) == 0 || errno == EPERM; }

// A process in another pid namespace shares no ids with us: its lock tells.
bool LockFree(int folder, const std::string& name) {
    int fd = openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info;
    const bool free =
        fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd); // the lock goes with it
    return free;
}

} // namespace

OwnFile MakeOwnFile(int folder, const std::string& targetName, OwnFileKind kind) {
    OwnFile file;
    const std::string stem = OwnPrefix(folder, targetName) + std::to_string(getpid()) +
                             (kind == OwnFileKind::Copy ? "-copia." : ".");
    for (int tries = 0; tries < 100; ++tries) {
        file.name = stem + RandomPart();
        file.fd = openat(folder, file.name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (file.fd >= 0) {
            flock(file.fd, LOCK_EX | LOCK_NB); // fresh: nobody else can hold it
            return file;
        }
        if (errno != EEXIST) break;
    }
    file.error = errno;
    return file;
}

void RemoveDeadTemporaries(int folder, const std::string& targetName) {
    // A listing of its own: the folder's descriptor keeps its place for the caller.
    const int listing = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* entries = listing >= 0 ? fdopendir(listing) : nullptr;
    if (!entries) {
        if (listing >= 0) close(listing);
        return;
    }
    const std::string prefix = OwnPrefix(folder, targetName);
    while (const dirent* entry = readdir(entries)) {
        const std::string name = entry->d_name;
        const pid_t owner = TemporaryOwner(name, prefix);
        if (owner > 0 && !Runs(owner) && LockFree(folder, name)) unlinkat(folder, name.c_str(), 0);
    }
    closedir(entries);
}
