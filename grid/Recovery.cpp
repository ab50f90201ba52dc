#include "grid/Recovery.h"
#include "grid/PixelGrid.h"
#include "grid/SavedPicture.h"
#include "platform/UserFolders.h"
#include <cstdio>
#include <filesystem>
#include <zlib.h>

namespace {

struct Run {
    bool on = false;
    std::string path; // the picture's, as the file holds it
    LockedFile file;
    bool broken = false;             // the file misses a step: the next one starts a new file
    std::size_t stepBytes = 0;       // of the steps in the file
    std::vector<CellColour> pending; // changes since the last record
    LockedFile accepted;             // a dead run's file whose picture is to be shown
    RecoveredPicture acceptedPicture;
};
Run run;

// A new file: the colours as saved, and one step to the picture as it is now. It replaces
// the run's file once it is whole; with nothing unsaved there is none. On failure the old
// file stays (it still rebuilds what it held), and the next step tries again.
void StartNewFile() {
    run.pending.clear();
    run.broken = true;
    const std::string folder = RecoveryFolder();
    if (!MakePrivateFolder(folder)) return; // no file to write, and none to remove
    const std::vector<Colour>& saved = SavedColours();
    const std::vector<Colour> now = PictureColours();
    std::vector<CellColour> changes;
    for (std::uint32_t cell = 0; cell < now.size(); ++cell)
        if (now[cell] != saved[cell]) changes.push_back({cell, now[cell]});
    if (changes.empty()) {
        run.file.Remove();
        run.broken = false;
        return;
    }
    const std::string bytes = EncodeRecoveryStart(run.path, GridColumns(), GridRows(), saved) +
                              EncodeRecoveryStep(changes);
    LockedFile made =
        LockedFile::Create(folder + RecoveryNamePrefix(run.path), bytes.data(), bytes.size());
    if (!made.IsOpen()) return;
    run.file.Remove();
    run.file = std::move(made);
    run.stepBytes = 0;
    run.broken = false;
}

} // namespace

std::string RecoveryFolder() { return StateFolder() + "recovery/"; }

std::string RecoveryNamePrefix(const std::string& path) {
    const auto sum =
        crc32(0, reinterpret_cast<const Bytef*>(path.data()), static_cast<uInt>(path.size()));
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%08lx-", static_cast<unsigned long>(sum));
    return prefix;
}

std::string RecoveryPicturePath(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    if (error) return path;
    const auto canonical = std::filesystem::weakly_canonical(absolute, error);
    return (error ? absolute : canonical).string();
}

void StartRecovery(const std::string& path) {
    StopRecovery();
    run.on = true;
    run.path = RecoveryPicturePath(path);
}

void NoteRecoveryChange(int column, int row, Colour after) {
    if (!run.on) return;
    run.pending.push_back({static_cast<std::uint32_t>(row * GridColumns() + column), after});
}

void RecordRecoveryStep() {
    if (!run.on || run.pending.empty()) return;
    if (!run.file.IsOpen() || run.broken) return StartNewFile(); // the first edit
    const std::string record = EncodeRecoveryStep(run.pending);
    run.pending.clear();
    // A long run's file starts again from the picture now rather than grow without end.
    if (run.stepBytes + record.size() > RecoveryStepBytesLimit) return StartNewFile();
    if (!run.file.Append(record.data(), record.size())) run.broken = true;
    run.stepBytes += record.size();
}

void RecoveryPictureSaved(const std::string& path) {
    if (!run.on) return;
    run.path = RecoveryPicturePath(path);
    StartNewFile();
}

void EndRecovery() {
    run.file.Remove();
    StopRecovery();
}

void StopRecovery() { run = Run{}; }

void AcceptRecovery(LockedFile taken, RecoveredPicture picture) {
    run.accepted = std::move(taken);
    run.acceptedPicture = std::move(picture);
}

void RestoreAcceptedPicture() {
    LockedFile taken = std::move(run.accepted);
    RecoveredPicture picture = std::move(run.acceptedPicture);
    const int columns = GridColumns();
    if (!run.on || !taken.IsOpen() || picture.width != columns || picture.height != GridRows())
        return;
    const std::vector<Colour> now = PictureColours();
    for (std::size_t cell = 0; cell < now.size(); ++cell)
        if (picture.colours[cell] != now[cell])
            RestoreCell(static_cast<int>(cell % columns), static_cast<int>(cell / columns),
                        picture.colours[cell]);
    MarkPictureSaved(std::move(picture.saved));
    // Until this run's own file holds the picture, the taken one still rebuilds it.
    run.file = std::move(taken);
    StartNewFile();
}
