#pragma once
// The recovery file: what it takes to rebuild a picture exactly as the user last saw it,
// without the picture's file. After an 8-byte mark, records follow one another, each
//   u32 payload size | u8 kind | payload | u32 crc32 of the size, kind and payload
// (little-endian): first the picture ('P': u32 width, u32 height, its path's bytes), then
// its colours as loaded or last saved ('B': 3 bytes red, green, blue per cell, row by
// row), then one record for every stroke, undo and redo ('S': the cells it changed, as
// runs of cells that follow one another row by row, each run u32 first cell (row * width
// + column), u16 cells, u8 1 when they all take one colour, then that colour's 3 bytes, or
// u8 0 and the 3 bytes of each cell's colour), in the order they were made. A block
// painted in one colour takes 10 bytes a row.
//
// A reader trusts nothing: it applies the longest run of whole records whose checksums
// hold and whose contents make sense, and stops at the first that is not, so a record cut
// short by a sudden end is dropped with everything after it.
#include "base/Colour.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a reader looks at, at most: far more than a file of the largest picture ever holds,
// since a session starts a new file once its steps pass RecoveryStepBytesLimit.
constexpr std::size_t MaxRecoveryFileBytes = std::size_t{64} << 20;
constexpr std::size_t RecoveryStepBytesLimit = std::size_t{32} << 20;

struct CellColour {
    std::uint32_t cell; // row * width + column
    Colour colour;
};

// The mark, the picture record and the colours record.
std::string EncodeRecoveryStart(const std::string& path, int width, int height,
                                const std::vector<Colour>& colours);
// One stroke's (undo's, redo's) record: the cells in the order given (a later change of a
// cell wins).
std::string EncodeRecoveryStep(const std::vector<CellColour>& changes);

struct RecoveredPicture {
    bool readable = false; // the mark, the picture and its colours are whole
    std::string path;
    int width = 0, height = 0;
    std::vector<Colour> saved;   // as loaded or last saved
    std::vector<Colour> colours; // as last seen: saved with the steps applied
    std::size_t steps = 0;       // step records applied
    std::size_t length = 0;      // bytes of the records applied, the mark included
};

// Reads a recovery file's bytes; a picture larger than MaxImageSide either way is
// unreadable. Linear in size and bounded by MaxRecoveryFileBytes.
RecoveredPicture ReadRecovery(const std::uint8_t* data, std::size_t size);
