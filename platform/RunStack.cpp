#include "platform/RunStack.h"
#include "platform/Window.h"
#include <vector>

namespace {

std::vector<std::function<void()>> runs; // what ends each run, innermost last
bool ending = false;

} // namespace

RunEntry::RunEntry(std::function<void()> end) { runs.push_back(std::move(end)); }

RunEntry::~RunEntry() {
    runs.pop_back(); // runs nest: the one that returns is always the innermost
    if (runs.empty()) ending = false;
}

bool AllRunsEnding() { return ending; }

// Each run's loop only learns that it must stop; it returns when the runs inside it have
// returned, so they end innermost first.
void EndAllModalRuns() {
    if (runs.empty()) return;
    ending = true;
    const std::vector<std::function<void()>> now = runs;
    for (auto end = now.rbegin(); end != now.rend(); ++end) (*end)();
}
