#include "app/RecoveryOffer.h"
#include "grid/DeadRuns.h"
#include "grid/Recovery.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "state/State.h"

namespace {

constexpr const char* RecoveryCaption = "Colvero";

void Refuse(const DeadRun& dead, const std::string& reason) {
    MessageBox(nullptr, RecoveryRefusal + dead.file + reason, RecoveryCaption,
               MB_OK | MB_SETFOREGROUND);
}

// Whether the dead run's picture may be offered; the reason why not is told or needs none.
bool Usable(DeadRun& dead) {
    const RecoveredPicture& picture = dead.picture;
    if (!picture.readable) {
        Refuse(dead, UnreadableReason);
        return false;
    }
    if (picture.width != ImageWidth || picture.height != ImageHeight) {
        Refuse(dead, OtherSizeReason + std::to_string(picture.width) + "x" +
                         std::to_string(picture.height) + ".");
        return false;
    }
    if (picture.colours != picture.saved) return true;
    dead.taken.Remove(); // nothing unsaved in it
    return false;
}

} // namespace

void OfferRecovery() {
    DeadRun offered;
    ForEachDeadRun(ImageFileName, [&offered](DeadRun& dead) {
        if (Usable(dead) && !offered.taken.IsOpen()) offered = std::move(dead);
        return true; // every file that cannot be applied is named
    });
    StartRecovery(ImageFileName);
    if (!offered.taken.IsOpen()) return;
    if (MessageBox(nullptr, RecoveryQuestion, RecoveryCaption, MB_YESNO | MB_SETFOREGROUND) ==
        IDYES)
        AcceptRecovery(std::move(offered.taken), std::move(offered.picture));
    else
        offered.taken.Remove();
}
