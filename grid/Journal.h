#pragma once
// The journal of strokes behind "Deshacer" and "Rehacer". RepaintCell feeds it with every
// cell whose colour really changes, and nothing else does. A step is what one stroke
// changed (from a paint tool's press to its release): each cell once, with its colour
// before the stroke and after it, never a copy of the picture. The journal keeps at most
// JournalMaxSteps steps and never more than JournalMaxBytes; past either the oldest go
// first.
#include "base/Colour.h"
#include <cstddef>

constexpr std::size_t JournalMaxSteps = 200;
constexpr std::size_t JournalMaxBytes = std::size_t{64} << 20;

// An empty journal for a grid of columns x rows cells (the grid's build).
void StartJournal(int columns, int rows);

// A paint tool's press and release. What changes between them is one step; a stroke
// that changes no cell makes none. A change after an undo or a redo, before the next
// press or release, starts a step of its own.
void BeginStroke();
void EndStroke();

// From RepaintCell only: grid cell (column, row) changed from before to after. The first
// change of a step drops the steps that could have been redone.
void RecordChange(int column, int row, Colour before, Colour after);

bool CanUndo();
bool CanRedo();
// Repaints every cell of the last step with its colour before that step (of the next step
// with its colour after it) through RepaintCell, unrecorded; a stroke under way ends
// first. False, with nothing repainted, when there is no such step. The view is the
// caller's to recompose.
bool UndoStep();
bool RedoStep();

std::size_t UndoableSteps();
std::size_t JournalBytes(); // all the memory the journal holds

// Called whenever CanUndo or CanRedo may have changed its answer; nullptr for nobody.
void SetJournalListener(void (*listener)());
