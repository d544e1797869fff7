// The field text conversions, per value, against the standard library's own conversions of the
// same values.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "calc/number_text.h"

namespace gypsomix::bench {
namespace {

const NumberFormat kFrench{",", "\u202F"};
const NumberFormat kPoint{".", ","};

// What the fields hold: catalogue values (water %, times, densities, expansions, dimensions)
// and computed volumes and masses read back.
struct Values {
    std::vector<FieldValue> fields;
    std::vector<double> numbers;
    std::vector<std::string> french_texts;
    std::vector<std::string> point_texts;

    Values() {
        static constexpr std::array<double, 16> kSamples = {
            38, 3.5, 10, 8, 1.72, 0.48, 0.55, 22, 2.05, 0.85, 50.8, 63.5, 101.6, 0.785, 1023, 389};
        for (int i = 0; i < 1024; ++i) {
            const double v = kSamples[i % kSamples.size()] + (i / kSamples.size()) * 0.25;
            numbers.push_back(v);
            fields.emplace_back(v);
            french_texts.push_back(value_to_text(v, kFrench));
            point_texts.push_back(value_to_text(v, kPoint));
        }
    }
};

const Values& values() {
    static const Values instance;
    return instance;
}

void BM_TextToNumber(benchmark::State& state) {
    const Values& v = values();
    for (auto _ : state) {
        for (const std::string& text : v.french_texts) {
            benchmark::DoNotOptimize(text_to_number(text, kFrench));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * v.french_texts.size()));
}
BENCHMARK(BM_TextToNumber)->Unit(benchmark::kMicrosecond);

void BM_FromChars(benchmark::State& state) {
    const Values& v = values();
    for (auto _ : state) {
        for (const std::string& text : v.point_texts) {
            double number = 0;
            std::from_chars(text.data(), text.data() + text.size(), number);
            benchmark::DoNotOptimize(number);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * v.point_texts.size()));
}
BENCHMARK(BM_FromChars)->Unit(benchmark::kMicrosecond);

void BM_ValueToText(benchmark::State& state) {
    const Values& v = values();
    for (auto _ : state) {
        for (const FieldValue& field : v.fields) {
            std::string text = value_to_text(field, kFrench);
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * v.fields.size()));
}
BENCHMARK(BM_ValueToText)->Unit(benchmark::kMicrosecond);

// The same 15 significant digits, into a buffer on the stack.
void BM_ToChars(benchmark::State& state) {
    const Values& v = values();
    std::array<char, 64> buffer{};
    for (auto _ : state) {
        for (double number : v.numbers) {
            const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number,
                                         std::chars_format::general, 15);
            benchmark::DoNotOptimize(r.ptr);
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * v.numbers.size()));
}
BENCHMARK(BM_ToChars)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gypsomix::bench
