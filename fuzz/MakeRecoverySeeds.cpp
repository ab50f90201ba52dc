// Writes the recovery target's seeds into the folder given, with the program's own
// encoder: files of a few pictures and steps, whole and cut short.
#include "fuzz/FuzzSupport.h"
#include "grid/RecoveryFile.h"
#include <cstdio>
#include <string>

namespace {

void Write(const std::string& path, const std::string& bytes) {
    WriteFileBytes(path, bytes.data(), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const std::string small = EncodeRecoveryStart("/fotos/carta.png", 3, 2, {1, 2, 3, 4, 5, 6}) +
                              EncodeRecoveryStep({{0, 0xFF0000}, {5, 0x00FF00}}) +
                              EncodeRecoveryStep({{5, 0x0000FF}});
    Write(folder + "seed-3x2", small);
    Write(folder + "seed-3x2-cut", small.substr(0, small.size() - 3));
    Write(folder + "seed-1x1", EncodeRecoveryStart("a", 1, 1, {0xABCDEF}));
    std::vector<Colour> colours(16 * 9);
    for (std::size_t cell = 0; cell < colours.size(); ++cell)
        colours[cell] = static_cast<Colour>(cell * 0x010305);
    std::string steps = EncodeRecoveryStart("/home/ana/Imágenes/foto 1.jpg", 16, 9, colours);
    for (std::uint32_t step = 0; step < 12; ++step)
        steps += EncodeRecoveryStep({{step * 11 % 144, step}, {step * 7 % 144, 0xFFFFFF - step}});
    // A block in one colour and one in the cells' own colours: runs of both kinds.
    std::vector<CellColour> block, real;
    for (std::uint32_t row = 2; row < 5; ++row)
        for (std::uint32_t column = 3; column < 8; ++column) {
            block.push_back({row * 16 + column, 0x00FF00});
            real.push_back({row * 16 + column, colours[row * 16 + column]});
        }
    steps += EncodeRecoveryStep(block) + EncodeRecoveryStep(real);
    Write(folder + "seed-16x9", steps);
    return 0;
}
