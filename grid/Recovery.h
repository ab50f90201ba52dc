#pragma once
// Nothing is lost when the program dies: while a picture has edits that no file holds, a
// recovery file of this run (grid/RecoveryFile.h) holds them, in RecoveryFolder(), locked
// for as long as the run lasts (platform/LockedFile.h). It starts, from the colours as
// loaded or last saved, when the first stroke after the load or a save ends; every stroke,
// undo and redo then adds one record, on the disk before the next begins. Single paint
// steps during a drag never write. A run that starts no recovery (the tests of the grid)
// writes nothing.
#include "base/Colour.h"
#include "grid/RecoveryFile.h"
#include "platform/LockedFile.h"
#include <string>

// $XDG_STATE_HOME/colvero/recovery/, or ~/.local/state/colvero/recovery/ (made 0700 when a
// file is first written).
std::string RecoveryFolder();
// The start of the names of the recovery files of the picture at path ("1a2b3c4d-"): its
// absolute path's checksum, so that even a file that cannot be read tells whose it is.
std::string RecoveryNamePrefix(const std::string& path);
// The path as recovery files hold it: absolute, links and dots resolved where it exists.
std::string RecoveryPicturePath(const std::string& path);

// From now on the edits of the picture opened from path are protected.
void StartRecovery(const std::string& path);
// From RepaintCell only: a grid cell's colour really changed.
void NoteRecoveryChange(int column, int row, Colour after);
// A stroke, an undo or a redo has ended: what it changed goes to the file (or the file
// starts), flushed to the disk before this returns.
void RecordRecoveryStep();
// "Grabar" wrote the picture to path (MarkPictureSaved already done): the file goes; edits
// made while the save was under way start a new one at once, under the new path.
void RecoveryPictureSaved(const std::string& path);
// Leaving is confirmed (nothing unsaved, saved, or dropped): the file goes.
void EndRecovery();
// The run ends otherwise (the main window ended without the close question): the lock
// goes, the file stays for the next start to offer.
void StopRecovery();

// A dead run's file, taken (locked), whose picture the user wants back (after
// StartRecovery): it is shown once
// the editor opens (RestoreAcceptedPicture), and the taken file goes once this run's own
// file holds the same.
void AcceptRecovery(LockedFile taken, RecoveredPicture picture);
// Right after the grid's build: the accepted picture's cells are painted (unrecorded: the
// journal stays empty), its colours as last saved are what counts as saved, and this
// run's file is written before the taken one is removed. Nothing when none was accepted or its size
// is not the grid's.
void RestoreAcceptedPicture();
