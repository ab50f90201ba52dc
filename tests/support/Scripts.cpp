#include "tests/support/Scripts.h"
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets or clears the immutable flag; false where the file system or the user cannot.
bool SetImmutable(const std::string& path, bool on) {
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(fd);
    return ok;
}

} // namespace

bool MakeUnwritable(const std::string& path) {
    if (geteuid() == 0) return SetImmutable(path, true);
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return false;
    return chmod(path.c_str(), info.st_mode & ~0222) == 0;
}

MessageBoxScript::MessageBoxScript() {
    SetMessageBoxAnswerer(
        [this](const std::string& text, const std::string& caption, unsigned style) {
            shown.push_back({text, caption, style});
            if (whileShown) whileShown(shown.back());
            if (answers.empty()) return IDOK;
            int answer = answers.front();
            answers.pop_front();
            return answer;
        });
}
MessageBoxScript::~MessageBoxScript() { SetMessageBoxAnswerer(nullptr); }

FileDialogScript::FileDialogScript() {
    SetFileDialogAnswerer([this](const FileDialogRequest& request) {
        requests.push_back(request);
        if (answers.empty()) return std::string();
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    });
}
FileDialogScript::~FileDialogScript() { SetFileDialogAnswerer(nullptr); }

ColourDialogScript::ColourDialogScript() {
    SetColourDialogAnswerer([this](const ColourDialogRequest& request) {
        requests.push_back(request);
        if (answers.empty()) return std::optional<Colour>();
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    });
}
ColourDialogScript::~ColourDialogScript() { SetColourDialogAnswerer(nullptr); }

ScopedVariable::ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
        setenv(name, value->c_str(), 1);
    else
        unsetenv(name);
}
ScopedVariable::~ScopedVariable() {
    if (old_)
        setenv(name_, old_->c_str(), 1);
    else
        unsetenv(name_);
}

TempFolder::TempFolder() {
    std::random_device random;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto candidate = base / ("colvero-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate.string() + "/";
            return;
        }
    }
}
TempFolder::~TempFolder() {
    std::error_code ignored;
    if (geteuid() == 0) {
        SetImmutable(path_, false);
        for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
            SetImmutable(entry.path().string(), false);
    }
    // Give back write permission that a test took away, so everything can be removed.
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}
