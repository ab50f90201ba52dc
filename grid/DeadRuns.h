#pragma once
// The recovery files that runs of the program left behind when they ended without
// removing them: killed, crashed, cut off by a logout. A file that a running program holds
// is never one of them (platform/LockedFile.h).
#include "grid/RecoveryFile.h"
#include "platform/LockedFile.h"
#include <string>
#include <vector>

constexpr int RecoveryMaxAgeDays = 30;

struct DeadRun {
    std::string file;         // its path
    LockedFile taken;         // locked while it is looked at; not open when it cannot be read
    RecoveredPicture picture; // not readable when it cannot be read
};

// The dead runs' files of the picture at path, most recently written first: those whose
// picture is that path, and those named as its files that cannot be read.
std::vector<DeadRun> FindDeadRuns(const std::string& path);

// Removes every dead run's file not written for RecoveryMaxAgeDays.
void RemoveStaleRecoveryFiles();
