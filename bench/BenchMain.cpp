// Runs every benchmark, then states each speed goal as a ratio to its baseline measured
// in the same run, so that figures compare across machines.
#include "platform/Program.h"
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

struct Goal {
    const char* name;
    const char* baseline; // nullptr: the limit is a time in milliseconds
    double limit;         // at most this many times the baseline; 0: reported only
};

const Goal goals[] = {
    {"BM_BuildGrid/1071", "BM_PaperFill", 2.0},
    {"BM_RefreshView", "BM_ViewBaseline", 0.8},
    {"BM_PanStep", "BM_RefreshView", 1.5},
    {"BM_PanStep/k2", "BM_PanStep", 4.5},        // four times the device pixels
    {"BM_CanvasRepaint", "BM_RefreshView", 0.0}, // what a pan step adds: reported only
    {"BM_PaintStep/1x1", "BM_RefreshView", 1.2},
    {"BM_PaintStep/3x3", "BM_RefreshView", 1.2},
    {"BM_PaintStep/50x50", "BM_RefreshView", 1.2},
    {"BM_PaintStep/50x50/k2", "BM_PaintStep/50x50/k1", 4.5},
    {"BM_UndoStroke/50x50", "BM_PaintStep/50x50", 1.2},
    {"BM_RedoStroke/50x50", "BM_PaintStep/50x50", 1.2},
    {"BM_SavePng/1071", "BM_QtSavePng/1071", 1.2},
    {"BM_SaveJpeg/1071", "BM_QtSaveJpeg/1071", 1.2},
    {"BM_DecodeJpeg/1071", "BM_QtLoadJpeg/1071", 1.2},
    {"BM_RefuseLarge", nullptr, 20.0},
    {"BM_ProtectedPaintStep/50x50", "BM_PaintStep/50x50", 1.2}, // recovery file on tmpfs
    {"BM_ProtectedPaintStep/50x50/disk", "BM_PaintStep/50x50", 0.0},
    {"BM_Recover/1071", nullptr, 100.0},
};

// Goals on a benchmark's counter rather than its time.
struct CounterGoal {
    const char* name;
    const char* counter;
    double limit; // at most this
};

const CounterGoal counterGoals[] = {
    {"BM_Journal200Strokes/50x50", "journal_mb", 64.0},
    {"BM_Recover/1071", "recovery_mb", 16.0},
};

// Passes every report on to the reporter that the flags chose (--benchmark_format), and
// keeps each run's time per iteration in seconds and its counters by name: a single run's,
// or the median of its repetitions (--benchmark_repetitions), which one slow repetition on
// a shared machine does not move. --benchmark_out gets its own reporter from the library.
class RatioReporter : public benchmark::BenchmarkReporter {
  public:
    explicit RatioReporter(benchmark::BenchmarkReporter* shown) : shown_(shown) {}
    bool ReportContext(const Context& context) override { return shown_->ReportContext(context); }
    void ReportRuns(const std::vector<Run>& runs) override {
        shown_->ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const double seconds =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (run.run_type == Run::RT_Iteration && run.repetitions <= 1) {
                Keep(run, seconds);
            } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                Keep(run, seconds);
                repetitions = run.repetitions;
            }
        }
    }
    void Finalize() override { shown_->Finalize(); }
    void Keep(const Run& run, double seconds) {
        times[run.run_name.str()] = seconds;
        for (const auto& [name, counter] : run.counters)
            counters[run.run_name.str() + "#" + name] = counter.value;
    }
    std::map<std::string, double> times;
    std::map<std::string, double> counters; // "<run name>#<counter>"
    long repetitions = 1;                   // of the medians kept; 1 for single runs

  private:
    benchmark::BenchmarkReporter* shown_;
};

// The name under which a benchmark's time was kept: the bare name, or with the
// suffix Google Benchmark adds for real-time or manual timing.
const double* Find(const std::map<std::string, double>& times, const std::string& name) {
    for (const char* suffix : {"", "/real_time", "/manual_time", "/iterations:1"}) {
        auto it = times.find(name + suffix);
        if (it != times.end()) return &it->second;
    }
    for (auto& [key, value] : times)
        if (key.rfind(name + "/", 0) == 0) return &value;
    return nullptr;
}

const char* Verdict(double measured, double limit) {
    return limit <= 0 ? "reported" : measured <= limit ? "ok" : "OVER";
}

// One line a goal: a ratio to its baseline, or a time in milliseconds.
void PrintGoals(const RatioReporter& reporter, std::FILE* out) {
    const std::map<std::string, double>& times = reporter.times;
    if (times.empty()) return; // nothing ran (a listing, a filter that matched nothing)
    if (reporter.repetitions > 1)
        std::fprintf(out, "\nGoals, on the median of %ld repetitions:\n", reporter.repetitions);
    else
        std::fprintf(out, "\nGoals, on one run each:\n");
    std::fprintf(out, "%-32s %-22s %10s %10s\n", "goal", "baseline", "measured", "limit");
    for (const Goal& goal : goals) {
        const double* time = Find(times, goal.name);
        const double* base = goal.baseline ? Find(times, goal.baseline) : nullptr;
        if (!time || (goal.baseline && !base)) continue;
        if (goal.baseline) {
            const double ratio = *time / *base;
            // Two decimals, or four for a step that costs under a hundredth of its baseline.
            std::fprintf(out, "%-32s %-22s %9.*fx %9.2fx %s\n", goal.name, goal.baseline,
                         ratio < 0.01 ? 4 : 2, ratio, goal.limit, Verdict(ratio, goal.limit));
        } else {
            const double ms = *time * 1e3;
            std::fprintf(out, "%-32s %-22s %7.2f ms %7.2f ms %s\n", goal.name, "-", ms, goal.limit,
                         Verdict(ms, goal.limit));
        }
    }
}

void PrintCounterGoals(const std::map<std::string, double>& counters, std::FILE* out) {
    if (counters.empty()) return;
    std::fprintf(out, "\n%-32s %-16s %8s %8s\n", "goal", "counter", "value", "limit");
    for (const CounterGoal& goal : counterGoals) {
        std::map<std::string, double> ofGoal;
        for (const auto& [key, value] : counters)
            if (key.ends_with(std::string("#") + goal.counter))
                ofGoal[key.substr(0, key.rfind('#'))] = value;
        const double* value = Find(ofGoal, goal.name);
        if (!value) continue;
        std::fprintf(out, "%-32s %-16s %8.2f %8.2f %s\n", goal.name, goal.counter, *value,
                     goal.limit, *value <= goal.limit ? "ok" : "OVER");
    }
}

} // namespace

int main(int argc, char** argv) {
    // The offscreen platform with two screens: a plain one, and one of device-pixel ratio 2
    // for the steps at k = 2.
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" COLVERO_BENCH_SCREENS, 1);
    benchmark::Initialize(&argc, argv);
    return RunProgram(argc, argv, [] {
        benchmark::BenchmarkReporter* shown = benchmark::CreateDefaultDisplayReporter();
        RatioReporter reporter(shown);
        benchmark::RunSpecifiedBenchmarks(&reporter);
        // The ratios end the console table; with JSON or CSV on the standard output they
        // go to the error stream, so that the output stays what its format makes.
        std::fflush(stdout);
        const bool console = dynamic_cast<benchmark::ConsoleReporter*>(shown) != nullptr;
        PrintGoals(reporter, console ? stdout : stderr);
        PrintCounterGoals(reporter.counters, console ? stdout : stderr);
        benchmark::Shutdown();
        return 0;
    });
}
