// The recovery file's reader: whatever the bytes, it applies the longest run of whole,
// checksummed, sensible records, so that a file cut anywhere rebuilds the picture as of
// its last whole record and a damaged record ends what is applied.
#include "grid/RecoveryFile.h"
#include <functional>
#include <gtest/gtest.h>

namespace {

const std::string Path = "/fotos/carta.png";
const std::vector<Colour> Saved = {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112};
// Runs of cells in one colour and in several, and single cells.
const std::vector<std::vector<CellColour>> Steps = {
    {{0, 0xFF0000}, {1, 0xFF0000}, {2, 0xFF0000}, {5, 0x00FF00}},
    {{5, 0x0000FF}},
    {{1, 0x123456}, {2, 0x654321}, {0, 0x000007}}};

struct Written {
    std::string bytes;
    std::vector<std::size_t> ends;               // of the start's records and of each step
    std::vector<std::vector<Colour>> afterSteps; // the picture after 0, 1, ... steps
};

// A 3 x 2 picture with its three steps.
Written Write() {
    Written file{EncodeRecoveryStart(Path, 3, 2, Saved), {}, {Saved}};
    file.ends.push_back(file.bytes.size());
    for (const auto& step : Steps) {
        file.bytes += EncodeRecoveryStep(step);
        file.ends.push_back(file.bytes.size());
        file.afterSteps.push_back(file.afterSteps.back());
        for (const CellColour& change : step) file.afterSteps.back()[change.cell] = change.colour;
    }
    return file;
}

RecoveredPicture Read(const std::string& bytes, std::size_t size) {
    return ReadRecovery(reinterpret_cast<const std::uint8_t*>(bytes.data()), size);
}

// Every length from nothing to the whole file: boundaries and every byte inside a record.
TEST(RecoveryFile, CutAnywhereTheLastWholeRecordWins) {
    const Written file = Write();
    for (std::size_t cut = 0; cut <= file.bytes.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const RecoveredPicture read = Read(file.bytes, cut);
        ASSERT_EQ(read.readable, cut >= file.ends[0]);
        if (!read.readable) continue;
        std::size_t whole = 0;
        while (whole < Steps.size() && file.ends[whole + 1] <= cut) ++whole;
        EXPECT_EQ(read.path, Path);
        EXPECT_EQ(std::pair(read.width, read.height), std::pair(3, 2));
        EXPECT_EQ(read.saved, Saved);
        EXPECT_EQ(read.steps, whole);
        EXPECT_EQ(read.length, file.ends[whole]);
        EXPECT_EQ(read.colours, file.afterSteps[whole]);
    }
}

struct Damage {
    const char* name;
    std::function<void(Written&)> spoil;
    std::size_t steps; // applied; -1: the file is unreadable
};
void PrintTo(const Damage& d, std::ostream* out) { *out << d.name; }

class DamagedRecoveryFile : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedRecoveryFile, NothingFromTheDamageOnIsApplied) {
    Written file = Write();
    GetParam().spoil(file);
    const RecoveredPicture read = Read(file.bytes, file.bytes.size());
    const std::size_t steps = GetParam().steps;
    ASSERT_EQ(read.readable, steps != std::size_t(-1));
    if (!read.readable) return;
    EXPECT_EQ(read.steps, steps);
    EXPECT_EQ(read.colours, file.afterSteps[steps]);
}

// A byte of the record that ends at file.ends[record], counted back from its end: 1 to 4
// its checksum, then its payload.
void Flip(Written& file, std::size_t record, std::size_t fromEnd) {
    file.bytes[file.ends[record] - fromEnd] ^= 0x20;
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedRecoveryFile,
    ::testing::Values(
        Damage{"AColourOfTheSecondStep", [](Written& f) { Flip(f, 2, 5); }, 1},
        Damage{"TheFirstStepsChecksum", [](Written& f) { Flip(f, 1, 1); }, 0},
        Damage{"ASizeThatRunsPastTheEnd", [](Written& f) { f.bytes[f.ends[2]] ^= 0x20; }, 2},
        Damage{"ACellOutsideThePicture",
               [](Written& f) {
                   f.bytes.insert(f.ends[1], EncodeRecoveryStep({{0, 0x111111}, {5, 0}, {6, 0}}));
               },
               1},
        Damage{"TheSavedColours", [](Written& f) { Flip(f, 0, 7); }, std::size_t(-1)},
        Damage{"TheMark", [](Written& f) { f.bytes[0] = 'c'; }, std::size_t(-1)},
        Damage{"APictureTooLarge",
               [](Written& f) {
                   f.bytes = EncodeRecoveryStart(Path, 1072, 1, std::vector<Colour>(1072));
               },
               std::size_t(-1)}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
