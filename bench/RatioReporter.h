#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace sorna {

// The console report, plus each run's real time per iteration (the median of repetitions) kept
// to print ratios against a baseline measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // By the benchmark's own name and arguments, without suffixes such as /real_time;
            // with repetitions the median stands for all of them.
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median") {
                const std::string& args = run.run_name.args;
                seconds_[run.run_name.function_name + (args.empty() ? "" : "/" + args)] =
                    run.GetAdjustedRealTime();
            }
        }
    }

    void PrintRatio(const char* label, const std::string& measured, const std::string& baseline) {
        if (seconds_.count(measured) && seconds_.count(baseline) && seconds_[baseline] > 0) {
            std::printf("%s: %.2f\n", label, seconds_[measured] / seconds_[baseline]);
        }
    }

private:
    std::map<std::string, double> seconds_;
};

struct BenchmarkRatio {
    std::string label;
    std::string measured;
    std::string baseline;
};

// A benchmark program's main: runs the benchmarks chosen on the command line, then prints each
// ratio whose two benchmarks ran.
inline int RunBenchmarksWithRatios(int argc, char** argv,
                                   const std::vector<BenchmarkRatio>& ratios) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const BenchmarkRatio& ratio : ratios) {
        reporter.PrintRatio(ratio.label.c_str(), ratio.measured, ratio.baseline);
    }
    benchmark::Shutdown();
    return 0;
}

}  // namespace sorna
