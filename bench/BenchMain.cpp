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
    const char* baseline;
    double limit; // at most this many times the baseline
};

const Goal goals[] = {
    {"BM_BuildGrid/1071", "BM_PaperFill", 2.0},
    {"BM_RefreshView", "BM_ViewBaseline", 1.5},
    {"BM_PanStep", "BM_RefreshView", 2.0},
    {"BM_PaintStep/1x1", "BM_RefreshView", 1.3},
    {"BM_PaintStep/3x3", "BM_RefreshView", 1.3},
    {"BM_PaintStep/50x50", "BM_RefreshView", 0.0}, // reported only
    {"BM_UndoStroke/50x50", "BM_PaintStep/50x50", 1.2},
    {"BM_RedoStroke/50x50", "BM_PaintStep/50x50", 1.2},
    {"BM_SavePng/1071", "BM_QtSavePng/1071", 1.2},
    {"BM_SaveJpeg/1071", "BM_QtSaveJpeg/1071", 1.2},
};

// Goals on a benchmark's counter rather than its time.
struct CounterGoal {
    const char* name;
    const char* counter;
    double limit; // at most this
};

const CounterGoal counterGoals[] = {
    {"BM_Journal200Strokes/50x50", "journal_mb", 64.0},
};

// Passes every report on to the reporter that the flags chose (--benchmark_format), and
// keeps each run's time per iteration and its counters by name: a single run's, or the
// mean of repetitions. --benchmark_out gets its own reporter from the library, as without
// this one.
class RatioReporter : public benchmark::BenchmarkReporter {
  public:
    explicit RatioReporter(benchmark::BenchmarkReporter* shown) : shown_(shown) {}
    bool ReportContext(const Context& context) override { return shown_->ReportContext(context); }
    void ReportRuns(const std::vector<Run>& runs) override {
        shown_->ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
            if (run.run_type != Run::RT_Iteration && !mean) continue;
            times[run.run_name.str()] = run.GetAdjustedRealTime();
            for (const auto& [name, counter] : run.counters)
                counters[run.run_name.str() + "#" + name] = counter.value;
        }
    }
    void Finalize() override { shown_->Finalize(); }
    std::map<std::string, double> times;
    std::map<std::string, double> counters; // "<run name>#<counter>"

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

void PrintGoals(const std::map<std::string, double>& times, std::FILE* out) {
    if (times.empty()) return; // nothing ran (a listing, a filter that matched nothing)
    std::fprintf(out, "\n%-22s %-22s %8s %8s\n", "goal", "baseline", "ratio", "limit");
    for (const Goal& goal : goals) {
        const double* time = Find(times, goal.name);
        const double* base = Find(times, goal.baseline);
        if (!time || !base) continue;
        double ratio = *time / *base;
        if (goal.limit > 0)
            std::fprintf(out, "%-22s %-22s %8.2f %8.2f %s\n", goal.name, goal.baseline, ratio,
                         goal.limit, ratio <= goal.limit ? "ok" : "OVER");
        else
            std::fprintf(out, "%-22s %-22s %8.2f %8s\n", goal.name, goal.baseline, ratio, "-");
    }
}

void PrintCounterGoals(const std::map<std::string, double>& counters, std::FILE* out) {
    if (counters.empty()) return;
    std::fprintf(out, "\n%-28s %-16s %8s %8s\n", "goal", "counter", "value", "limit");
    for (const CounterGoal& goal : counterGoals) {
        std::map<std::string, double> ofGoal;
        for (const auto& [key, value] : counters)
            if (key.ends_with(std::string("#") + goal.counter))
                ofGoal[key.substr(0, key.rfind('#'))] = value;
        const double* value = Find(ofGoal, goal.name);
        if (!value) continue;
        std::fprintf(out, "%-28s %-16s %8.2f %8.2f %s\n", goal.name, goal.counter, *value,
                     goal.limit, *value <= goal.limit ? "ok" : "OVER");
    }
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    return RunProgram(argc, argv, [] {
        benchmark::BenchmarkReporter* shown = benchmark::CreateDefaultDisplayReporter();
        RatioReporter reporter(shown);
        benchmark::RunSpecifiedBenchmarks(&reporter);
        // The ratios end the console table; with JSON or CSV on the standard output they
        // go to the error stream, so that the output stays what its format makes.
        std::fflush(stdout);
        const bool console = dynamic_cast<benchmark::ConsoleReporter*>(shown) != nullptr;
        PrintGoals(reporter.times, console ? stdout : stderr);
        PrintCounterGoals(reporter.counters, console ? stdout : stderr);
        benchmark::Shutdown();
        return 0;
    });
}
