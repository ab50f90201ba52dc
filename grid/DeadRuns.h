#pragma once
// The recovery files that runs of the program left behind when they ended without
// removing them: killed, crashed, cut off by a logout. A file that a running program holds
// is never one of them (platform/LockedFile.h).
#include "grid/RecoveryFile.h"
#include "platform/LockedFile.h"
#include <functional>
#include <string>

constexpr int RecoveryMaxAgeDays = 30;

struct DeadRun {
    std::string file;         // its path
    LockedFile taken;         // locked while it is looked at; not open when it cannot be read
    RecoveredPicture picture; // not readable when it cannot be read
};

// Shows `look` the dead runs' files of the picture at path one at a time, each taken and
// read, most recently written first, until it answers false: those whose picture is that
// path, and those named as its files that cannot be read. A run that look does not move
// away is closed (its file stays) before the next is read, so that no more than one
// picture is held at a time.
void ForEachDeadRun(const std::string& path, const std::function<bool(DeadRun& dead)>& look);

// Removes every dead run's file not written for RecoveryMaxAgeDays.
void RemoveStaleRecoveryFiles();
