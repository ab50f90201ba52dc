#include "grid/RecoveryFile.h"
#include "state/State.h"
#include <algorithm>
#include <cstring>
#include <zlib.h>

namespace {

constexpr char Mark[8] = {'C', 'o', 'l', 'v', 'R', 'e', 'c', '1'};
constexpr char PictureKind = 'P', SavedKind = 'B', StepKind = 'S';
constexpr std::size_t HeadBytes = 5, CrcBytes = 4; // around every payload
constexpr std::size_t RunHeadBytes = 7;            // first cell, cells, one colour or each
constexpr std::size_t MaxRunCells = 0xFFFF;
constexpr std::size_t MaxPathBytes = 4096;

// Writers into a record's room, each moving past what it wrote.
void PutU32(char*& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) *out++ = static_cast<char>(value >> (8 * i));
}

void PutU16(char*& out, std::uint32_t value) {
    *out++ = static_cast<char>(value);
    *out++ = static_cast<char>(value >> 8);
}

void PutColour(char*& out, Colour colour) {
    *out++ = static_cast<char>(RedOf(colour));
    *out++ = static_cast<char>(GreenOf(colour));
    *out++ = static_cast<char>(BlueOf(colour));
}

std::uint32_t GetU32(const std::uint8_t* in) {
    return in[0] | in[1] << 8 | in[2] << 16 | static_cast<std::uint32_t>(in[3]) << 24;
}

Colour GetColour(const std::uint8_t* in) { return MakeColour(in[0], in[1], in[2]); }

std::uint32_t Checksum(const void* data, std::size_t size) {
    return static_cast<std::uint32_t>(
        crc32(0, static_cast<const Bytef*>(data), static_cast<uInt>(size)));
}

// Adds a record of the kind with room for a payload of size bytes to out, and answers
// where the payload goes; EndRecord then adds its checksum.
char* BeginRecord(std::string& out, char kind, std::size_t size) {
    out.resize(out.size() + HeadBytes + size + CrcBytes);
    char* head = out.data() + out.size() - HeadBytes - size - CrcBytes;
    PutU32(head, static_cast<std::uint32_t>(size));
    *head++ = kind;
    return head;
}

void EndRecord(std::string& out, std::size_t size) {
    char* crc = out.data() + out.size() - CrcBytes;
    PutU32(crc, Checksum(crc - size - HeadBytes, HeadBytes + size));
}

struct Record {
    char kind;
    const std::uint8_t* payload;
    std::size_t size;
};

// The whole, checksummed record at `at`, which then moves past it; false otherwise.
bool NextRecord(const std::uint8_t* data, std::size_t size, std::size_t& at, Record& record) {
    if (size - at < HeadBytes + CrcBytes) return false;
    const std::size_t payload = GetU32(data + at);
    if (payload > size - at - HeadBytes - CrcBytes) return false;
    const std::size_t crcAt = at + HeadBytes + payload;
    if (Checksum(data + at, HeadBytes + payload) != GetU32(data + crcAt)) return false;
    record = {static_cast<char>(data[at + 4]), data + at + HeadBytes, payload};
    at = crcAt + CrcBytes;
    return true;
}

bool ReadPicture(const Record& record, RecoveredPicture& out) {
    if (record.kind != PictureKind || record.size < 9 || record.size > 8 + MaxPathBytes)
        return false;
    const std::uint32_t width = GetU32(record.payload), height = GetU32(record.payload + 4);
    if (width == 0 || height == 0 || width > MaxImageSide || height > MaxImageSide) return false;
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.path.assign(reinterpret_cast<const char*>(record.payload + 8), record.size - 8);
    return true;
}

bool ReadSaved(const Record& record, RecoveredPicture& out) {
    const std::size_t cells = static_cast<std::size_t>(out.width) * out.height;
    if (record.kind != SavedKind || record.size != 3 * cells) return false;
    out.saved.resize(cells);
    for (std::size_t cell = 0; cell < cells; ++cell)
        out.saved[cell] = GetColour(record.payload + 3 * cell);
    return true;
}

struct Run {
    std::uint32_t first, cells;
    bool oneColour;
    const std::uint8_t* colours;
};

// The run of a step's payload at `at`, which then moves past it, when it is whole and its
// cells lie among the picture's; false otherwise.
bool NextRun(const Record& record, std::size_t& at, std::size_t pictureCells, Run& run) {
    if (record.size - at < RunHeadBytes) return false;
    const std::uint8_t* head = record.payload + at;
    run = {GetU32(head), static_cast<std::uint32_t>(head[4] | head[5] << 8), head[6] == 1,
           head + RunHeadBytes};
    const std::size_t colourBytes = run.oneColour ? 3 : 3 * std::size_t{run.cells};
    if (run.cells == 0 || head[6] > 1 || run.first >= pictureCells ||
        run.cells > pictureCells - run.first || record.size - at - RunHeadBytes < colourBytes)
        return false;
    at += RunHeadBytes + colourBytes;
    return true;
}

// A step is applied whole or not at all: every run must be whole and inside the picture.
bool ApplyStep(const Record& record, std::vector<Colour>& colours) {
    if (record.kind != StepKind) return false;
    Run run;
    for (std::size_t at = 0; at < record.size;)
        if (!NextRun(record, at, colours.size(), run)) return false;
    for (std::size_t at = 0; at < record.size && NextRun(record, at, colours.size(), run);)
        for (std::uint32_t cell = 0; cell < run.cells; ++cell)
            colours[run.first + cell] = GetColour(run.colours + (run.oneColour ? 0 : 3 * cell));
    return true;
}

// Calls found(begin, end, oneColour) for each run of changes, in order: cells that follow
// one another, at most MaxRunCells of them.
template <typename Found> void ForEachRun(const std::vector<CellColour>& changes, Found found) {
    for (std::size_t begin = 0, end; begin < changes.size(); begin = end) {
        bool oneColour = true;
        for (end = begin + 1; end < changes.size() && end - begin < MaxRunCells &&
                              changes[end].cell == changes[end - 1].cell + 1;
             ++end)
            oneColour = oneColour && changes[end].colour == changes[begin].colour;
        found(begin, end, oneColour);
    }
}

} // namespace

std::string EncodeRecoveryStart(const std::string& path, int width, int height,
                                const std::vector<Colour>& colours) {
    std::string out(Mark, sizeof Mark);
    char* at = BeginRecord(out, PictureKind, 8 + path.size());
    PutU32(at, static_cast<std::uint32_t>(width));
    PutU32(at, static_cast<std::uint32_t>(height));
    path.copy(at, path.size());
    EndRecord(out, 8 + path.size());
    at = BeginRecord(out, SavedKind, 3 * colours.size());
    for (Colour colour : colours) PutColour(at, colour);
    EndRecord(out, 3 * colours.size());
    return out;
}

std::string EncodeRecoveryStep(const std::vector<CellColour>& changes) {
    std::size_t size = 0;
    ForEachRun(changes, [&size](std::size_t begin, std::size_t end, bool oneColour) {
        size += RunHeadBytes + 3 * (oneColour ? 1 : end - begin);
    });
    std::string out;
    char* at = BeginRecord(out, StepKind, size);
    ForEachRun(changes, [&at, &changes](std::size_t begin, std::size_t end, bool oneColour) {
        PutU32(at, changes[begin].cell);
        PutU16(at, static_cast<std::uint32_t>(end - begin));
        *at++ = oneColour ? 1 : 0;
        for (std::size_t change = begin; change < (oneColour ? begin + 1 : end); ++change)
            PutColour(at, changes[change].colour);
    });
    EndRecord(out, size);
    return out;
}

RecoveredPicture ReadRecovery(const std::uint8_t* data, std::size_t size) {
    RecoveredPicture out;
    size = std::min(size, MaxRecoveryFileBytes);
    if (size < sizeof Mark || std::memcmp(data, Mark, sizeof Mark) != 0) return out;
    std::size_t at = sizeof Mark;
    Record record;
    if (!NextRecord(data, size, at, record) || !ReadPicture(record, out) ||
        !NextRecord(data, size, at, record) || !ReadSaved(record, out))
        return RecoveredPicture{};
    out.readable = true;
    out.colours = out.saved;
    out.length = at;
    while (NextRecord(data, size, at, record) && ApplyStep(record, out.colours)) {
        ++out.steps;
        out.length = at;
    }
    return out;
}
