#pragma once
// The local event loops under way on the one thread, innermost last: our dialogs' modal
// runs and the toolkit's dialogs. EndAllModalRuns (platform/Window.h) ends them all.
#include <functional>

// One run, registered while it lives; `end` ends it when all runs end.
class RunEntry {
  public:
    explicit RunEntry(std::function<void()> end);
    ~RunEntry();
    RunEntry(const RunEntry&) = delete;
    RunEntry& operator=(const RunEntry&) = delete;
};

// True from EndAllModalRuns until the outermost run has returned: a run that starts
// meanwhile ends at once, without showing.
bool AllRunsEnding();
