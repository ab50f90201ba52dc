// Reading, writing and removing "Mis Colores.log": a plain sequence of 24-byte
// little-endian records without header or count.
#include "palette/FavouritesStore.h"
#include "platform/FilesFolder.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "platform/SafeWrite.h"
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t GetLittleEndian(const std::uint8_t* in, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | in[i];
    return value;
}

void PlaceRecord(const std::uint8_t* record) {
    FavouriteSwatch swatch = DecodeFavourite(record);
    if (swatch.column < 0 || swatch.column >= FavouriteTableSize || swatch.row < 0 ||
        swatch.row >= FavouriteTableSize)
        return; // does not fit the table
    FavouritePalette[swatch.column][swatch.row] = swatch;
}

// Reads every whole record of the open file into the table; false on a read failure.
bool ReadRecords(int fd) {
    std::uint8_t buffer[FavouriteRecordSize * 256];
    std::size_t held = 0; // bytes of a record begun at the end of the last read
    for (;;) {
        ssize_t got = read(fd, buffer + held, sizeof buffer - held);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true; // a trailing partial record is ignored
        held += static_cast<std::size_t>(got);
        std::size_t whole = held / FavouriteRecordSize * FavouriteRecordSize;
        for (std::size_t at = 0; at < whole; at += FavouriteRecordSize) PlaceRecord(buffer + at);
        for (std::size_t i = whole; i < held; ++i) buffer[i - whole] = buffer[i];
        held -= whole;
    }
}

// The error number of a failed save: that of the write when writing failed, else 52,
// "Bad file name or number": the file could not be made or put in its place (a missing or
// read-only folder, a folder of that name).
int SaveErrorNumber(const FileReplacement& replacement) {
    return replacement.created && !replacement.written ? FileErrorNumber(replacement.error) : 52;
}

} // namespace

void AppendFavourite(std::vector<std::uint8_t>& records, const FavouriteSwatch& swatch) {
    PutLittleEndian(records, static_cast<std::uint32_t>(swatch.left), 4);
    PutLittleEndian(records, static_cast<std::uint32_t>(swatch.right), 4);
    PutLittleEndian(records, static_cast<std::uint32_t>(swatch.top), 4);
    PutLittleEndian(records, static_cast<std::uint32_t>(swatch.bottom), 4);
    PutLittleEndian(records, static_cast<std::uint16_t>(swatch.column), 2);
    PutLittleEndian(records, static_cast<std::uint16_t>(swatch.row), 2);
    PutLittleEndian(records, swatch.colour, 4);
}

FavouriteSwatch DecodeFavourite(const std::uint8_t* record) {
    FavouriteSwatch swatch;
    swatch.left = static_cast<std::int32_t>(GetLittleEndian(record, 4));
    swatch.right = static_cast<std::int32_t>(GetLittleEndian(record + 4, 4));
    swatch.top = static_cast<std::int32_t>(GetLittleEndian(record + 8, 4));
    swatch.bottom = static_cast<std::int32_t>(GetLittleEndian(record + 12, 4));
    swatch.column = static_cast<std::int16_t>(GetLittleEndian(record + 16, 2));
    swatch.row = static_cast<std::int16_t>(GetLittleEndian(record + 18, 2));
    swatch.colour = GetLittleEndian(record + 20, 4);
    return swatch;
}

bool FavouritesFileExists() {
    struct stat info;
    return stat(FavouritesFilePath().c_str(), &info) == 0;
}

void LoadFavourites() {
    ClearFavourites();
    // Non-blocking, so a pipe of that name cannot hang the dialog; only a regular file
    // is read (a folder or a device counts as unreadable).
    int fd = open(FavouritesFilePath().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat info;
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ReadRecords(fd);
    close(fd);
    if (!ok) ClearFavourites();
}

bool SaveFavourites() {
    std::vector<std::uint8_t> records;
    records.reserve(PaletteColumns * PaletteRows * FavouriteRecordSize);
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteColumns; ++c) AppendFavourite(records, FavouritePalette[c][r]);
    // Where the files' folder cannot be made, the replacement fails and says so. A read-only
    // file is replaced all the same, as removing it would be.
    MakeFilesFolder();
    FileReplacement replacement =
        ReplaceFile(FavouritesFilePath(), records.data(), records.size(), ReadOnlyFiles::Replace);
    if (replacement.done) return true;
    int number = SaveErrorNumber(replacement);
    MessageBox(nullptr,
               "Err:  " + std::to_string(number) + " " + FileErrorText(number) +
                   KeptCopyLine(replacement),
               ProgramCaption, MB_OK);
    return false;
}

void RemoveFavouritesFile() {
    // Removing an entry depends on its folder, not on the file's own permission bits;
    // unlink never removes a folder of that name.
    unlink(FavouritesFilePath().c_str());
}
