#include "tests/support/Scripts.h"
#include <filesystem>
#include <random>

MessageBoxScript::MessageBoxScript() {
    SetMessageBoxAnswerer([this](const std::string& text, const std::string& caption,
                                 unsigned style) {
        shown.push_back({text, caption, style});
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
    // Give back write permission that a test took away, so everything can be removed.
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}
