#include "grid/Journal.h"
#include "grid/PixelGrid.h"
#include <algorithm>
#include <cstdint>
#include <deque>
#include <vector>

namespace {

struct CellChange { // 16 bytes
    std::int32_t column, row;
    Colour before, after;
};
using Step = std::vector<CellChange>;

struct Journal {
    std::deque<Step> steps; // oldest first: [0, done) done, [done, size) undone
    std::size_t done = 0;
    bool open = false;      // steps.back() is a step still growing (then done == size)
    bool replaying = false; // undo and redo repaint unrecorded
    int columns = 0;
    std::size_t cells = 0;
    // Per cell (row by row), the index of its change in the open step when it has one
    // there: an index that is past the step's end, or names another cell, means none. So
    // a new step needs no clearing, and a cell changed again only updates its colour after.
    std::vector<std::uint32_t> slots;
    std::size_t stepBytes = 0; // what the steps hold
};
Journal journal;
void (*listener)() = nullptr;

std::size_t BytesOf(const Step& step) {
    return sizeof(Step) + step.capacity() * sizeof(CellChange);
}

void Notify() {
    if (listener) listener();
}

// The oldest steps go while there are too many or they hold too much; the open step
// stays (it holds at most one change per cell, far below the limit).
void DropOldest() {
    const std::size_t keep = journal.open ? 1 : 0;
    while (journal.steps.size() > keep &&
           (journal.steps.size() > JournalMaxSteps || JournalBytes() > JournalMaxBytes)) {
        journal.stepBytes -= BytesOf(journal.steps.front());
        journal.steps.pop_front();
        if (journal.done > 0) --journal.done;
    }
}

void OpenStep() {
    while (journal.steps.size() > journal.done) { // no redo past a new step
        journal.stepBytes -= BytesOf(journal.steps.back());
        journal.steps.pop_back();
    }
    if (journal.slots.size() != journal.cells) journal.slots.assign(journal.cells, 0);
    journal.steps.emplace_back();
    journal.stepBytes += BytesOf(journal.steps.back());
    ++journal.done;
    journal.open = true;
    DropOldest();
    Notify();
}

// A finished step keeps only the room its changes take.
void CloseStep() {
    if (!journal.open) return;
    Step& step = journal.steps.back();
    journal.stepBytes -= BytesOf(step);
    step.shrink_to_fit();
    journal.stepBytes += BytesOf(step);
    journal.open = false;
}

void Replay(const Step& step, Colour CellChange::*colour) {
    journal.replaying = true;
    for (const CellChange& change : step) RepaintCell(change.column, change.row, change.*colour);
    journal.replaying = false;
    Notify();
}

} // namespace

void StartJournal(int columns, int rows) {
    journal = Journal{};
    if (columns > 0 && rows > 0) {
        journal.columns = columns;
        journal.cells = static_cast<std::size_t>(columns) * rows;
    }
    Notify();
}

void BeginStroke() { CloseStep(); }
void EndStroke() { CloseStep(); }

void RecordChange(int column, int row, Colour before, Colour after) {
    if (journal.replaying) return;
    if (!journal.open) OpenStep();
    Step& step = journal.steps.back();
    std::uint32_t& slot = journal.slots[static_cast<std::size_t>(row) * journal.columns + column];
    if (slot < step.size() && step[slot].column == column && step[slot].row == row) {
        step[slot].after = after; // changed again in the same stroke
        return;
    }
    slot = static_cast<std::uint32_t>(step.size());
    if (step.size() == step.capacity()) {
        // Room doubles, but never past one change per cell, all a step can hold.
        const std::size_t bytes = BytesOf(step);
        step.reserve(std::min(std::max<std::size_t>(2 * step.capacity(), 16), journal.cells));
        journal.stepBytes += BytesOf(step) - bytes;
        DropOldest();
    }
    step.push_back({column, row, before, after});
}

bool CanUndo() { return journal.done > 0; }
bool CanRedo() { return journal.done < journal.steps.size(); }

bool UndoStep() {
    CloseStep();
    if (!CanUndo()) return false;
    Replay(journal.steps[--journal.done], &CellChange::before);
    return true;
}

bool RedoStep() {
    CloseStep();
    if (!CanRedo()) return false;
    Replay(journal.steps[journal.done++], &CellChange::after);
    return true;
}

std::size_t UndoableSteps() { return journal.done; }

std::size_t JournalBytes() {
    return journal.stepBytes + journal.slots.capacity() * sizeof(std::uint32_t);
}

void SetJournalListener(void (*newListener)()) { listener = newListener; }
