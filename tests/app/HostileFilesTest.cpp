// Files built to hurt, opened as start-up opens them, each in a child process that is
// ended at ten times the time the file should take and whose address space is limited
// (not under AddressSanitizer, which reserves terabytes of it; ctest turns its quarantine
// of freed memory off for these tests instead, tests/CMakeLists.txt): a picture opens or
// is refused with the read error, a settings file too large to be ours reads as absent,
// and the peak of resident memory stays within a few tens of MB above a normal load.
#include "app/Settings.h"
#include "app/Startup.h"
#include "imageio/GifWriter.h"
#include "platform/Program.h"
#include "state/State.h"
#include "tests/support/CraftedFiles.h"
#include "tests/support/Scripts.h"
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ASAN 1
#endif
#endif

namespace {

constexpr long ResidentBudgetKb = 48 * 1024; // above the process after a normal load

struct Hostile {
    const char* name;
    const char* file; // the settings file, or a picture's name
    std::function<QByteArray()> bytes;
    const char* outcome; // "W x H" opened (or the two settings), or "read error"
    double seconds;      // what it should take at most
};
void PrintTo(const Hostile& c, std::ostream* out) { *out << c.name; }

long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string word; status >> word;)
        if (word == field && status >> word) return std::stol(word);
    return -1;
}

std::string Opened(const std::string& folder, const std::string& file) {
    if (file == SettingsFileName) {
        Settings("get");
        return std::to_string(fillWidth) + " x " + std::to_string(fillHeight);
    }
    MessageBoxScript boxes;
    ImageFileName = folder + file;
    if (LoadChosenImage()) return std::to_string(ImageWidth) + " x " + std::to_string(ImageHeight);
    const std::string said = boxes.shown.empty() ? "nothing said" : boxes.shown[0].text;
    return said.find("read error") != std::string::npos ? "read error" : said;
}

// In the child: a normal load first, so that what it touches counts as the session's;
// then the file, and what it cost above that peak. "outcome\nkilobytes".
std::string OpenInChild(const std::string& folder, const std::string& file) {
    Opened(folder, "normal.png");
    const long normal = StatusKb("VmHWM:");
#ifndef UNDER_ASAN // its shadow reserves terabytes: there only the resident memory counts
    const rlim_t room = rlim_t(StatusKb("VmSize:")) * 1024 + (512L << 20); // and mappings
    const rlimit limit{room, room};
    setrlimit(RLIMIT_AS, &limit);
#endif
    std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from here
    const std::string outcome = Opened(folder, file);
    return outcome + "\n" + std::to_string(StatusKb("VmHWM:") - normal);
}

QImage Photo(int width, int height, bool flat = false) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, flat ? 0x808080 : qRgb(x * 7 ^ y, y * 13 ^ x, x * y));
    return image;
}

class HostileFile : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileFile, OpensOrIsRefusedWithinTimeAndMemory) {
    TempFolder folder;
    SetExecutableFolderForTesting(folder.Path());
    for (const auto& [name, bytes] :
         {std::pair(std::string("normal.png"), Encoded(Photo(3, 2), "png")),
          std::pair(std::string(GetParam().file), GetParam().bytes())})
        std::ofstream(folder.File(name)).write(bytes.constData(), bytes.size());
    int channel[2];
    ASSERT_EQ(pipe(channel), 0);
    const pid_t child = fork();
    if (child == 0) { // reports and ends, whatever happens: the parent's tests are not its own
        std::string report;
        try {
            report = OpenInChild(folder.Path(), GetParam().file);
        } catch (const std::exception& error) {
            report = error.what() + std::string("\n0");
        }
        _exit(write(channel[1], report.data(), report.size()) == ssize_t(report.size()) ? 0 : 1);
    }
    close(channel[1]);
    const auto limit = std::chrono::duration<double>(10 * GetParam().seconds);
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() - start > limit) kill(child, SIGKILL);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    SetExecutableFolderForTesting("");
    char report[256] = {};
    const ssize_t got = read(channel[0], report, sizeof report - 1);
    close(channel[0]);
    ASSERT_TRUE(WIFEXITED(status) && got > 0)
        << "killed by signal " << WTERMSIG(status) << " after "
        << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()
        << " s (limit " << limit.count() << " s)";
    char outcome[256] = {};
    long costKb = 0;
    std::sscanf(report, "%255[^\n]\n%ld", outcome, &costKb);
    EXPECT_STREQ(outcome, GetParam().outcome);
    EXPECT_LE(costKb, ResidentBudgetKb);
}

QByteArray HalfOf(const QByteArray& bytes) { return bytes.left(bytes.size() / 2); }
QByteArray Gif(const QImage& image) {
    QByteArray bytes;
    WriteGif(image, bytes);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileFile,
    ::testing::Values(
        Hostile{"PngWithTextChunks", "texto.png",
                [] { return WithTextChunks(Encoded(Photo(40, 30), "png"), 200, 8 << 20); },
                "40 x 30", 0.2},
        Hostile{"PngStreamGoingOnAfterItsRows", "ceros.png",
                [] { return PngWithTrailingZeros(40, 30, 3000); }, "40 x 30", 0.2},
        // A flat picture's last scan: a few bytes, each a pass over the picture.
        Hostile{"JpegOfManyScans", "capas.jpg",
                [] { return WithLastScanRepeated(ProgressiveJpeg(Photo(512, 512, true)), 20000); },
                "read error", 0.3},
        Hostile{"BmpCutInHalf", "corta.bmp", [] { return HalfOf(Encoded(Photo(300, 200), "bmp")); },
                "read error", 0.2},
        Hostile{"GifCutInHalf", "corta.gif", [] { return HalfOf(Gif(Photo(300, 200))); },
                "read error", 0.2},
        Hostile{"GifBehindLongComment", "comentario.gif",
                [] { return WithoutScreenBehindComment(Gif(Photo(2, 2)), 10'000'000); }, "2 x 2",
                0.3},
        Hostile{"SettingsOfNewlines", SettingsFileName, [] { return QByteArray(64 << 20, '\n'); },
                "3 x 3", 0.2}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
