// Runs the core benchmarks, then sets each figure against the baseline measured in the same run.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Measure {
    double seconds = 0;  // CPU time per iteration: the median when there are repetitions
    double bytes_per_second = 0;
};

// Keeps the per-benchmark figure the summary needs while printing as usual.
class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& reports) override {
        for (const Run& run : reports) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || !(single || median)) {
                continue;
            }
            // A run timed by hand is timed in another process: this one's CPU time means nothing.
            const bool manual = run.run_name.time_type == "manual_time";
            Measure m;
            m.seconds = (manual ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime()) /
                        benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (const auto it = run.counters.find("bytes_per_second"); it != run.counters.end()) {
                m.bytes_per_second = it->second.value;
            }
            measures_[run.run_name.function_name] = m;
        }
        ConsoleReporter::ReportRuns(reports);
    }

    const std::map<std::string, Measure>& measures() const { return measures_; }

  private:
    std::map<std::string, Measure> measures_;
};

enum class Goal {
    share_at_least,    // baseline time / figure time >= target (a share of its throughput)
    speedup_at_least,  // baseline time / figure time >= target
    slowdown_at_most,  // figure time / baseline time <= target
};

struct Comparison {
    const char* title;
    const char* figure;
    const char* baseline;
    Goal goal;
    double target;
    double absolute_limit_seconds;  // 0: none
    double items_per_iteration;
};

std::string fixed(double value, int decimals) {
    char buffer[64];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, r.ptr);
}

std::string time_text(double seconds) {
    if (seconds >= 1e-3) {
        return fixed(seconds * 1e3, 2) + " ms";
    }
    if (seconds >= 1e-6) {
        return fixed(seconds * 1e6, 2) + " us";
    }
    return fixed(seconds * 1e9, 1) + " ns";
}

std::string figure_text(const Measure& m, double per_item) {
    std::string text = time_text(m.seconds / per_item);
    if (m.bytes_per_second > 0) {
        text += " (" + fixed(m.bytes_per_second / 1e6, 0) + " MB/s)";
    }
    return text;
}

}  // namespace

namespace gypsomix::bench {
// Lists the material catalogue at `path` once and prints the nanoseconds it took.
int list_once(const char* path);
}  // namespace gypsomix::bench

int main(int argc, char** argv) {
    // A fresh process for the start-up listing (row 1c): the benchmark starts this program again.
    if (argc == 3 && std::strcmp(argv[1], "--list-once") == 0) {
        return gypsomix::bench::list_once(argv[2]);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // The conversion benchmarks time 1024 values per iteration.
    constexpr double kValues = 1024;
    const Comparison comparisons[] = {
        {"1a Reader throughput vs fread+memchr", "BM_ListEntries10MB", "BM_FreadMemchr10MB",
         Goal::share_at_least, 0.30, 0, 1},
        {"1b Reader throughput vs naive getc reader", "BM_ListEntries10MB", "BM_NaiveReader10MB",
         Goal::speedup_at_least, 5, 0, 1},
        {"1c Start-up listing, fresh process, vs 1a's base", "BM_ListEntries10MBFresh",
         "BM_FreadMemchr10MB", Goal::share_at_least, 0.20, 0, 1},
        {"2  fetch_record last of 300 vs open+read+close", "BM_FetchLastOf300",
         "BM_OpenReadClose300", Goal::slowdown_at_most, 10, 0.2e-3, 1},
        {"3a text_to_number vs std::from_chars (per value)", "BM_TextToNumber", "BM_FromChars",
         Goal::slowdown_at_most, 3, 0, kValues},
        {"3b value_to_text vs std::to_chars (per value)", "BM_ValueToText", "BM_ToChars",
         Goal::slowdown_at_most, 3, 0, kValues},
    };

    const auto& measures = reporter.measures();
    std::printf(
        "\nSummary (median CPU time per operation; 1c: CPU time in a process of its own)\n");
    std::printf("%-50s | %-22s | %-22s | %-7s | %-40s | %s\n", "comparison", "figure", "baseline",
                "ratio", "target", "verdict");
    for (const Comparison& c : comparisons) {
        const auto figure = measures.find(c.figure);
        const auto baseline = measures.find(c.baseline);
        if (figure == measures.end() || baseline == measures.end()) {
            std::printf("%-50s not run\n", c.title);
            continue;
        }
        const double per_item = c.items_per_iteration;
        const double f = figure->second.seconds;
        const double b = baseline->second.seconds;
        double ratio = 0;
        bool met = false;
        std::string target_text;
        switch (c.goal) {
            case Goal::share_at_least:
                ratio = b / f;
                met = ratio >= c.target;
                target_text = ">= " + fixed(c.target * 100, 0) + " % of baseline throughput";
                break;
            case Goal::speedup_at_least:
                ratio = b / f;
                met = ratio >= c.target;
                target_text = ">= " + fixed(c.target, 0) + "x baseline speed";
                break;
            case Goal::slowdown_at_most:
                ratio = f / b;
                met = ratio <= c.target;
                target_text = "<= " + fixed(c.target, 0) + "x baseline time";
                break;
        }
        if (c.absolute_limit_seconds > 0) {
            met = met && f < c.absolute_limit_seconds;
            target_text += ", < " + time_text(c.absolute_limit_seconds);
        }
        const std::string ratio_text =
            c.goal == Goal::share_at_least ? fixed(ratio * 100, 0) + " %" : fixed(ratio, 2) + "x";
        std::printf("%-50s | %-22s | %-22s | %-7s | %-40s | %s\n", c.title,
                    figure_text(figure->second, per_item).c_str(),
                    figure_text(baseline->second, per_item).c_str(), ratio_text.c_str(),
                    target_text.c_str(), met ? "met" : "MISSED");
    }
    return 0;
}
