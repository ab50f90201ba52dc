// A recovery file of any bytes, read as start-up reads a dead run's file. Properties: what
// is applied is a prefix of whole records, each with its checksum, in the file's order (the
// picture, its saved colours, then steps naming only cells of the picture); the colours are
// the saved ones with exactly those steps applied; the prefix alone reads the same; and it
// is the longest such prefix (the record after it, if any, is not a whole, checksummed step
// of cells of the picture). Each input is read as it is and again with every record's
// checksum mended, so that the contents behind the checksums are explored as well.
#include "fuzz/FuzzSupport.h"
#include "grid/RecoveryFile.h"
#include "state/State.h"
#include <algorithm>
#include <cstring>
#include <zlib.h>

namespace {

std::uint32_t U32(const std::uint8_t* in) {
    std::uint32_t value;
    std::memcpy(&value, in, 4); // the machine is little-endian, as the file
    return value;
}

Colour ColourAt(const std::uint8_t* in) { return MakeColour(in[0], in[1], in[2]); }

// The record at `at` when it is whole and its checksum holds: its kind, payload and size.
bool WholeRecord(const std::uint8_t* data, std::size_t end, std::size_t at, char& kind,
                 const std::uint8_t*& payload, std::size_t& size) {
    if (end - at < 9 || U32(data + at) > end - at - 9) return false;
    size = U32(data + at);
    kind = static_cast<char>(data[at + 4]);
    payload = data + at + 5;
    return crc32(0, data + at, static_cast<uInt>(5 + size)) == U32(payload + size);
}

// A step's runs, checked in 64-bit arithmetic: false when one is not whole or leaves the
// picture's cells; otherwise they are applied to colours, when given, in order.
bool StepOfCells(char kind, const std::uint8_t* payload, std::size_t size, std::size_t cells,
                 std::vector<Colour>* colours = nullptr) {
    if (kind != 'S') return false;
    for (const bool apply : {false, true}) {
        for (std::size_t at = 0; at < size;) {
            if (size - at < 7) return false;
            const std::uint64_t first = U32(payload + at);
            const std::uint64_t count = payload[at + 4] + 256u * payload[at + 5];
            const bool one = payload[at + 6] == 1;
            if (count == 0 || payload[at + 6] > 1 || first + count > cells ||
                size - at - 7 < (one ? 3 : 3 * count))
                return false;
            for (std::uint64_t cell = 0; apply && colours && cell < count; ++cell)
                (*colours)[first + cell] = ColourAt(payload + at + 7 + (one ? 0 : 3 * cell));
            at += 7 + (one ? 3 : 3 * count);
        }
    }
    return true;
}

// The bytes with the checksum of every record that fits (by its size) set right.
std::vector<std::uint8_t> WithChecksumsMended(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> mended(data, data + size);
    for (std::size_t at = 8; at < size && size - at >= 9 && U32(data + at) <= size - at - 9;
         at += 9 + U32(data + at)) {
        const auto sum = static_cast<std::uint32_t>(
            crc32(0, mended.data() + at, static_cast<uInt>(5 + U32(data + at))));
        std::memcpy(mended.data() + at + 5 + U32(data + at), &sum, 4);
    }
    return mended;
}

void CheckReading(const std::uint8_t* data, std::size_t size) {
    const RecoveredPicture read = ReadRecovery(data, size);
    if (!read.readable) {
        FUZZ_CHECK(read.steps == 0 && read.colours.empty() && read.length == 0);
        return;
    }
    FUZZ_CHECK(read.length <= std::min(size, MaxRecoveryFileBytes));
    FUZZ_CHECK(read.width >= 1 && read.width <= MaxImageSide && read.height >= 1 &&
               read.height <= MaxImageSide);
    const std::size_t cells = static_cast<std::size_t>(read.width) * read.height;
    std::vector<Colour> colours;
    std::size_t at = 8, records = 0;
    char kind;
    const std::uint8_t* payload;
    std::size_t bytes;
    for (; at < read.length; at += 9 + bytes, ++records) {
        FUZZ_CHECK(WholeRecord(data, read.length, at, kind, payload, bytes),
                   "at " + std::to_string(at));
        if (records == 0) {
            FUZZ_CHECK(kind == 'P' && bytes > 8 &&
                       U32(payload) == static_cast<std::uint32_t>(read.width) &&
                       U32(payload + 4) == static_cast<std::uint32_t>(read.height));
            FUZZ_CHECK(read.path ==
                       std::string(reinterpret_cast<const char*>(payload + 8), bytes - 8));
        } else if (records == 1) {
            FUZZ_CHECK(kind == 'B' && bytes == 3 * cells);
            for (std::size_t cell = 0; cell < cells; ++cell)
                colours.push_back(ColourAt(payload + 3 * cell));
            FUZZ_CHECK(colours == read.saved);
        } else {
            FUZZ_CHECK(StepOfCells(kind, payload, bytes, cells, &colours));
        }
    }
    FUZZ_CHECK(at == read.length && records == 2 + read.steps);
    FUZZ_CHECK(colours == read.colours);

    const std::size_t end = std::min(size, MaxRecoveryFileBytes);
    FUZZ_CHECK(!(WholeRecord(data, end, at, kind, payload, bytes) &&
                 StepOfCells(kind, payload, bytes, cells)),
               "a step after the prefix at " + std::to_string(at));
    const RecoveredPicture prefix = ReadRecovery(data, read.length);
    FUZZ_CHECK(prefix.length == read.length && prefix.colours == read.colours);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckReading(data, size);
    const std::vector<std::uint8_t> mended = WithChecksumsMended(data, size);
    CheckReading(mended.data(), mended.size());
    return 0;
}
