// Draws the project's test card, 160 x 120 pixels, and saves it through Colvero's own
// image writer: colour bars, a grey ramp, a hue sweep, fine checks and a ring, so that
// every cell of the magnified picture is easy to tell from its neighbours.
//   cmake --build build --target colvero_test_card && build/colvero_test_card samples/test-card.jpg
#include "gfx/Drawing.h"
#include "imageio/ImageLoad.h"
#include "imageio/ImageSave.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int Width = 160, Height = 120; // image pixels

// Hue 0..1 at full saturation and value.
Colour Hue(double hue) {
    const double h = hue * 6.0;
    const double f = h - std::floor(h);
    const unsigned up = static_cast<unsigned>(std::lround(255 * f));
    const unsigned down = 255 - up;
    switch (static_cast<int>(h) % 6) {
    case 0: return MakeColour(255, up, 0);
    case 1: return MakeColour(down, 255, 0);
    case 2: return MakeColour(0, 255, up);
    case 3: return MakeColour(0, down, 255);
    case 4: return MakeColour(up, 0, 255);
    default: return MakeColour(255, 0, down);
    }
}

void DrawBars() {
    const Colour bars[] = {White,
                           MakeColour(255, 255, 0),
                           MakeColour(0, 255, 255),
                           MakeColour(0, 255, 0),
                           MakeColour(255, 0, 255),
                           MakeColour(255, 0, 0),
                           MakeColour(0, 0, 255),
                           Black};
    for (int i = 0; i < 8; ++i) DrawBox(i * 20, 0, i * 20 + 20, 60, bars[i], bars[i]);
}

void DrawRampAndSweep() {
    for (int i = 0; i < 16; ++i) {
        const unsigned grey = i * 17;
        const Colour c = MakeColour(grey, grey, grey);
        DrawBox(i * 10, 60, i * 10 + 10, 80, c, c);
    }
    for (int x = 0; x < Width; ++x)
        for (int y = 80; y < 100; ++y) WritePixel(x, y, Hue(static_cast<double>(x) / Width));
}

void DrawChecksAndRing() {
    for (int y = 100; y < Height; ++y)
        for (int x = 0; x < Width; ++x) WritePixel(x, y, ((x / 2 + y / 2) % 2) ? Black : White);
    // A ring of radius 45 around the card's centre, two pixels thick.
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const double r = std::hypot(x - Width / 2 + 0.5, y - Height / 2 + 0.5);
            if (r >= 44 && r < 46) WritePixel(x, y, MakeColour(128, 128, 128));
        }
}

int MakeCard(const std::string& path) {
    SetMessageBoxAnswerer([](const std::string& text, const std::string&, unsigned) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return IDOK;
    });
    if (!StartCodecService()) return 1;
    SurfaceHandle card = CreateSurface(Width, Height);
    SelectTarget(card);
    ClearTarget(White);
    DrawBars();
    DrawRampAndSweep();
    DrawChecksAndRing();
    GraphicSaveBitmapToImageFile(card, path);
    StopCodecService();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string path = argv[1];
    return RunProgram(argc, argv, [&] { return MakeCard(path); });
}
