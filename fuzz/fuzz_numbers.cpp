// Arbitrary text through the strict and lenient conversions, and arbitrary doubles and singles
// through their field text and back, under the point and the French separators.
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "calc/mix.h"
#include "calc/number_text.h"

namespace {

using gypsomix::NumberFormat;
using gypsomix::RunTimeError;

[[noreturn]] void fail(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "fuzz_numbers: %s [%.*s]\n", what, static_cast<int>(detail.size()),
                 detail.data());
    __builtin_trap();
}

void check(bool condition, const char* what, std::string_view detail = {}) {
    if (!condition) {
        fail(what, detail);
    }
}

const NumberFormat kPoint{};
const NumberFormat kFrench{",", "\u202F"};

// The value as it reads back after being written with `digits` significant digits; false when
// that rounding leaves the double range (the largest doubles round up past it).
template <typename T>
bool rounded(T value, int digits, T& out) {
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::general, digits);
    double back = 0;
    if (std::from_chars(buffer.data(), written.ptr, back).ec != std::errc{}) {
        return false;
    }
    out = static_cast<T>(back);
    return true;
}

// text_to_number: a finite number, or run-time error 13 or 6.
bool strict(std::string_view text, const NumberFormat& format, double& out) {
    try {
        out = gypsomix::text_to_number(text, format);
    } catch (const RunTimeError& e) {
        check(e.number() == 13 || e.number() == 6, "text_to_number: unexpected error", text);
        return false;
    } catch (...) {
        fail("text_to_number: exception other than RunTimeError", text);
    }
    check(std::isfinite(out), "text_to_number returned a value that is not finite", text);
    return true;
}

double lenient(std::string_view text) {
    try {
        return gypsomix::text_leading_number(text);
    } catch (...) {
        fail("text_leading_number threw", text);
    }
}

void texts(std::string_view text) {
    double point = 0;
    const bool is_number = strict(text, kPoint, point);
    double french = 0;
    strict(text, kFrench, french);
    const double leading = lenient(text);
    // A bare invariant number reads the same strictly and leniently.
    if (is_number && text.find_first_of(", \t\n") == std::string_view::npos) {
        check(leading == point, "text_leading_number differs from text_to_number", text);
    }
}

void round_trip_double(double value, const NumberFormat& format) {
    const std::string text = gypsomix::value_to_text(value, format);
    double expected = 0;
    if (!rounded(value, 15, expected)) {
        try {
            gypsomix::text_to_number(text, format);
        } catch (const RunTimeError& e) {
            check(e.number() == 6, "a number past the double range is not an overflow", text);
            return;
        }
        fail("a number past the double range was read back", text);
    }
    double back = 0;
    check(strict(text, format, back), "value_to_text gave text that does not read back", text);
    check(back == expected, "double does not survive its field text", text);
}

void round_trip_single(float value, const NumberFormat& format) {
    const std::string text = gypsomix::single_to_text(value, format);
    double back = 0;
    check(strict(text, format, back), "single_to_text gave text that does not read back", text);
    float expected = 0;
    check(rounded(value, 7, expected), "a single rounds past the double range", text);
    check(static_cast<float>(back) == expected, "single does not survive its field text", text);
}

// The mix calculation on arbitrary field texts: masses, or run-time error 13, 11 or 6.
void calculation(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (parts.size() < 3) {
        const std::size_t end = text.find('\n', start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    if (parts.size() < 3) {
        return;
    }
    for (const NumberFormat* format : {&kPoint, &kFrench}) {
        try {
            gypsomix::flask_volume(parts[0], parts[1], *format);
            gypsomix::mix_masses(parts[0], parts[1], parts[2], gypsomix::Margin::Plus10, *format);
        } catch (const RunTimeError& e) {
            check(e.number() == 13 || e.number() == 11 || e.number() == 6,
                  "calculation: unexpected error", text);
        } catch (...) {
            fail("calculation: exception other than RunTimeError", text);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    texts(text);
    calculation(text);

    // NaN and infinities never reach the conversions in the program.
    for (std::size_t i = 0; i + sizeof(double) <= size; i += sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data + i, sizeof value);
        if (std::isfinite(value)) {
            round_trip_double(value, kPoint);
            round_trip_double(value, kFrench);
        }
    }
    for (std::size_t i = 0; i + sizeof(float) <= size; i += sizeof(float)) {
        float value = 0;
        std::memcpy(&value, data + i, sizeof value);
        if (std::isfinite(value)) {
            round_trip_single(value, kPoint);
            round_trip_single(value, kFrench);
        }
    }
    return 0;
}
