// Reading catalogues: list_entries over a large file and fetch_record on a realistic one,
// each against the cheapest way of getting the same bytes off the disk.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <string>
#include <vector>

#include "bench/sample_catalogue.h"
#include "catalogue/catalogue.h"

namespace gypsomix::bench {
namespace {

constexpr std::size_t kLargeBytes = 10 * 1024 * 1024;
constexpr std::size_t kRealisticRecords = 300;

struct Files {
    TempFolder folder;
    std::filesystem::path large = folder.path() / "Mat-10MB.txt";
    std::filesystem::path realistic = folder.path() / "Mat-300.txt";
    std::size_t large_size = 0;
    std::size_t realistic_size = 0;

    Files() {
        const std::string big = material_catalogue(kLargeBytes, static_cast<std::size_t>(-1));
        write_file(large, big);
        large_size = big.size();
        const std::string small = material_catalogue(0, kRealisticRecords);
        realistic_size = small.size();
        write_file(realistic, small);
    }
};

const Files& files() {
    static const Files instance;
    return instance;
}

void BM_ListEntries10MB(benchmark::State& state) {
    const Files& f = files();
    std::size_t entries = 0;
    for (auto _ : state) {
        const CatalogueListing list = list_entries(f.large, MatRecord::fields);
        entries = list.size();
        benchmark::DoNotOptimize(list.name(entries - 1).data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.large_size));
    state.counters["records"] = static_cast<double>(entries);
}
BENCHMARK(BM_ListEntries10MB)->Unit(benchmark::kMillisecond);

// The listing as a program's start-up does it: once, in a fresh process, its result dropped,
// so that nothing warm is reused. Timed inside that process, around the listing alone, in CPU
// time like the other figures: the page faults of its fresh memory count, other programs'
// use of the processor does not.
double fresh_listing_seconds(const std::filesystem::path& file) {
    // This very program, by its own path: the shell popen goes through has another.
    static const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    std::string command = "'";
    command += self.string();
    command += "' --list-once '";
    command += file.string();
    command += "'";
    std::FILE* child = ::popen(command.c_str(), "r");
    if (child == nullptr) {
        return -1;
    }
    char line[64] = {};
    const bool read = std::fgets(line, sizeof line, child) != nullptr;
    const int status = ::pclose(child);
    long long nanoseconds = -1;
    if (read && status == 0) {
        std::from_chars(line, line + std::strlen(line), nanoseconds);
    }
    return nanoseconds < 0 ? -1 : static_cast<double>(nanoseconds) * 1e-9;
}

void BM_ListEntries10MBFresh(benchmark::State& state) {
    const Files& f = files();
    for (auto _ : state) {
        const double seconds = fresh_listing_seconds(f.large);
        if (seconds < 0) {
            state.SkipWithError("the listing process failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.large_size));
}
BENCHMARK(BM_ListEntries10MBFresh)->UseManualTime()->Unit(benchmark::kMillisecond);

// Baseline (a): the file in one fread, then its line ends counted with memchr.
void BM_FreadMemchr10MB(benchmark::State& state) {
    const Files& f = files();
    std::vector<char> buffer(f.large_size + 1);
    std::size_t lines = 0;
    for (auto _ : state) {
        std::FILE* file = std::fopen(f.large.c_str(), "rb");
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
        std::fclose(file);
        lines = 0;
        const char* p = buffer.data();
        const char* end = p + got;
        while ((p = static_cast<const char*>(std::memchr(p, '\n', end - p))) != nullptr) {
            ++lines;
            ++p;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.large_size));
    state.counters["records"] = static_cast<double>(lines);
}
BENCHMARK(BM_FreadMemchr10MB)->Unit(benchmark::kMillisecond);

// Baseline (b): the reader anyone would write first, a character at a time. It follows the
// same field rules, keeps the names and converts the numbers with strtod (the C locale here,
// which is what such a reader silently relies on).
bool naive_field(std::FILE* file, std::string& text, bool& quoted) {
    text.clear();
    quoted = false;
    int c = std::getc(file);
    while (c == ' ' || c == '\t') {
        c = std::getc(file);
    }
    if (c == EOF) {
        return false;
    }
    if (c == '"') {
        quoted = true;
        while ((c = std::getc(file)) != EOF && c != '"') {
            text += static_cast<char>(c);
        }
        while (c != EOF && c != ',' && c != '\r' && c != '\n') {
            c = std::getc(file);
        }
    } else {
        while (c != EOF && c != ',' && c != '\r' && c != '\n') {
            text += static_cast<char>(c);
            c = std::getc(file);
        }
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
            text.pop_back();
        }
    }
    if (c == '\r') {
        c = std::getc(file);
        if (c != '\n' && c != EOF) {
            std::ungetc(c, file);
        }
    }
    return true;
}

void BM_NaiveReader10MB(benchmark::State& state) {
    const Files& f = files();
    std::size_t entries = 0;
    for (auto _ : state) {
        std::FILE* file = std::fopen(f.large.c_str(), "rb");
        std::vector<std::string> names;
        std::string text;
        bool quoted = false;
        double sum = 0;
        int field = 0;
        while (naive_field(file, text, quoted)) {
            if (field == 0) {
                names.push_back(text);
            } else if (!quoted) {
                sum += std::strtod(text.c_str(), nullptr);
            }
            field = (field + 1) % MatRecord::fields;
        }
        std::fclose(file);
        entries = names.size();
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(names.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.large_size));
    state.counters["records"] = static_cast<double>(entries);
}
BENCHMARK(BM_NaiveReader10MB)->Unit(benchmark::kMillisecond);

void BM_FetchLastOf300(benchmark::State& state) {
    const Files& f = files();
    for (auto _ : state) {
        auto record = fetch_record(f.realistic, MatRecord::fields, kRealisticRecords - 1);
        if (!record) {
            state.SkipWithError("the last record was not found");
            break;
        }
        benchmark::DoNotOptimize(record->data());
    }
    state.counters["bytes"] = static_cast<double>(f.realistic_size);
}
BENCHMARK(BM_FetchLastOf300)->Unit(benchmark::kMicrosecond);

// Baseline: the system calls a choice cannot avoid.
void BM_OpenReadClose300(benchmark::State& state) {
    const Files& f = files();
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        const int fd = ::open(f.realistic.c_str(), O_RDONLY);
        ssize_t total = 0;
        ssize_t got;
        while ((got = ::read(fd, buffer.data(), buffer.size())) > 0) {
            total += got;
        }
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
    state.counters["bytes"] = static_cast<double>(f.realistic_size);
}
BENCHMARK(BM_OpenReadClose300)->Unit(benchmark::kMicrosecond);

}  // namespace

int list_once(const char* path) {
    const auto cpu_nanoseconds = [] {
        timespec now{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    };
    const long long start = cpu_nanoseconds();
    std::size_t entries = 0;
    try {
        entries = list_entries(path, MatRecord::fields).size();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    const long long nanoseconds = cpu_nanoseconds() - start;
    benchmark::DoNotOptimize(entries);
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, nanoseconds).ptr;
    std::fwrite(text, 1, static_cast<std::size_t>(end - text), stdout);
    std::fputc('\n', stdout);
    return 0;
}

}  // namespace gypsomix::bench
