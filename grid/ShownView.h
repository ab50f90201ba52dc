#pragma once
// What the view and the canvas show, kept so that a pan or a paint step can bring them up
// to date without composing the whole view again: where the paper lay and the stamps of
// the paper, the view and the canvas when the view was last composed, and the area of
// the paper that RepaintCell has changed since. A change made any other way leaves a
// stamp behind, and then nothing is known: the whole view is composed again.
#include "base/Rect.h"
#include <cstdint>

// After a composition, whole or in part: the view and the canvas now show the paper at
// PaperPlacement.
void NoteViewComposed();

// From RepaintCell only: it drew `area` of the paper, whose stamp went from `before` to
// `after`.
void NotePaperChange(const Rect& area, std::uint64_t before, std::uint64_t after);

// What has changed since the view was last composed, when that is known: how far the
// paper has moved, and the paper's pixels that have changed.
struct ViewChanges {
    bool known = false;
    std::int64_t dx = 0, dy = 0;
    Rect paper;
};
ViewChanges ChangesSinceComposed();
