#include "fuzz/FuzzSupport.h"
#include "palette/FavouritesStore.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

std::string MakeFolder() {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : P_tmpdir;
    std::string pattern = std::string(base) + "/colvero-fuzz-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data())) PropertyFailed("no temporary folder", pattern);
    return std::string(name.data()) + "/";
}

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FuzzFolder(), ignored);
}

} // namespace

// Kept until the very end (never destroyed), since RemoveFolder runs after the statics'
// destructors.
const std::string& FuzzFolder() {
    static const std::string* folder = [] {
        auto* made = new std::string(MakeFolder());
        std::atexit(RemoveFolder);
        return made;
    }();
    return *folder;
}

void StartFuzzToolkit() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The codecs' complaints about broken files would be most of the output.
    setenv("QT_LOGGING_RULES", "qt.gui.imageio*=false", 0);
    StartToolkitOnce();
    SetMessageBoxAnswerer([](const std::string&, const std::string&, unsigned) { return IDOK; });
    SetExecutableFolderForTesting(FuzzFolder());
    SetProgramFolder();
}

void WriteFileBytes(const std::string& path, const void* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) PropertyFailed("cannot write the input file", path);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void PropertyFailed(const char* what, const std::string& detail) {
    std::fprintf(stderr, "\nPROPERTY FAILED: %s\n%s\n", what, detail.c_str());
    std::abort();
}
