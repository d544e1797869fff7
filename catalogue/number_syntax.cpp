#include "catalogue/number_syntax.h"

#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <system_error>

namespace gypsomix {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

constexpr std::size_t kNone = std::string_view::npos;

// from_chars reports "out of range" for a number too large and for one too small alike: the
// decimal exponent of the leading significant digit tells which. `ascii` is a checked form.
bool beyond_largest(std::string_view ascii) {
    std::size_t i = ascii.starts_with('-') ? 1 : 0;
    long long exponent = 0;
    bool significant = false;
    for (; i < ascii.size() && is_digit(ascii[i]); ++i) {
        significant = significant || ascii[i] != '0';
        exponent += significant ? 1 : 0;
    }
    if (i < ascii.size() && ascii[i] == '.') {
        for (++i; i < ascii.size() && is_digit(ascii[i]) && !significant; ++i) {
            significant = ascii[i] != '0';
            exponent -= significant ? 0 : 1;
        }
        while (i < ascii.size() && is_digit(ascii[i])) {
            ++i;
        }
    }
    if (i < ascii.size()) {  // the exponent mark
        const bool negative = ascii[++i] == '-';
        long long written = 0;
        for (i += (ascii[i] == '-' || ascii[i] == '+') ? 1 : 0; i < ascii.size(); ++i) {
            written = written < 1'000'000'000 ? written * 10 + (ascii[i] - '0') : written;
        }
        exponent += negative ? -written : written;
    }
    return exponent > 0;
}

// The checked form of the number, [start, last) of the text, as from_chars reads it.
inline NumberScan convert(std::string_view ascii, std::size_t end) {
    double value = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = ascii.starts_with('-');
        if (beyond_largest(ascii)) {
            const double infinity = std::numeric_limits<double>::infinity();
            return {negative ? -infinity : infinity, end, NumberStop::out_of_range};
        }
        value = negative ? -0.0 : 0.0;
    }
    return {value, end, NumberStop::complete};
}

// A number written with blanks, groups or a leading "+": they are left out, and the decimal
// separator becomes a point.
[[gnu::noinline]] NumberScan convert_spelled(std::string_view text, std::size_t start,
                                             std::size_t last, std::size_t sign,
                                             std::size_t decimal, std::size_t decimal_size,
                                             std::size_t end) {
    std::string ascii;
    ascii.reserve(last - start);
    for (std::size_t i = start; i < last;) {
        if (i == decimal) {
            ascii += '.';
            i += decimal_size;
            continue;
        }
        const char c = text[i];
        if (is_digit(c) || c == 'e' || c == 'E' || c == '-' || (c == '+' && i != sign)) {
            ascii += c;
        }
        ++i;
    }
    return convert(ascii, end);
}

bool text_at(std::string_view text, std::size_t at, std::string_view what) {
    return !what.empty() && what.size() <= text.size() - at &&
           text.compare(at, what.size(), what) == 0;
}

template <typename T>
std::string general(T value, int digits, std::string_view decimal) {
    if (value == 0) {
        return "0";  // also for a negative zero
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, digits);
    std::string text;
    text.reserve(static_cast<std::size_t>(result.ptr - buffer.data()) + decimal.size());
    for (const char* p = buffer.data(); p != result.ptr; ++p) {
        if (*p == '.') {
            text += decimal;
        } else if (*p == 'e') {
            text += 'E';
        } else {
            text += *p;
        }
    }
    return text;
}

// Nearly every field and catalogue value is a plain number: an optional "-", digits with at
// most one one-byte separator, an exponent at most, and nothing else. It is read in one pass,
// and from_chars reads the text itself or a stack copy with a point for the separator. Anything
// else (blanks, groups, a "+", a longer separator, text after it) is for the full scan, which
// reads a plain number the same way.
std::optional<NumberScan> scan_plain(std::string_view text, const NumberSyntax& syntax) {
    const std::size_t n = text.size();
    const char decimal_char = syntax.decimal.size() == 1 ? syntax.decimal[0] : '\0';
    std::size_t pos = text.starts_with('-') ? 1 : 0;
    std::size_t decimal = kNone;
    bool digits = false;
    for (; pos < n; ++pos) {
        const char c = text[pos];
        if (is_digit(c)) {
            digits = true;
        } else if (decimal == kNone && (c == decimal_char || (c == '.' && syntax.point_too))) {
            decimal = pos;
        } else {
            break;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    if (pos < n && syntax.exponent && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t at = pos + 1;
        at += at < n && (text[at] == '+' || text[at] == '-') ? 1 : 0;
        const std::size_t first = at;
        while (at < n && is_digit(text[at])) {
            ++at;
        }
        pos = at > first ? at : pos;
    }
    if (pos != n) {
        return std::nullopt;
    }
    if (decimal == kNone || text[decimal] == '.') {
        return convert(text, n);
    }
    std::array<char, 32> ascii;
    if (n > ascii.size()) {
        return std::nullopt;
    }
    text.copy(ascii.data(), n);
    ascii[decimal] = '.';
    return convert(std::string_view(ascii.data(), n), n);
}

// The full scan, under every option. Fields and catalogues hold short numbers, read in a few
// nanoseconds: it keeps to plain character tests on local positions.
NumberScan scan_spelled(std::string_view text, const NumberSyntax& syntax) {
    const std::size_t n = text.size();
    const bool anywhere = syntax.blanks == NumberSyntax::Blanks::anywhere;
    const char decimal_char = syntax.decimal.size() == 1 ? syntax.decimal[0] : '\0';
    std::size_t pos = 0;
    bool verbatim = true;  // nothing to leave out: no blank, no group, no leading "+"

    const auto blank_at = [&](std::size_t at) {
        const char c = text[at];
        return c == ' ' || c == '\t' || (c == '\n' && anywhere);
    };
    const auto skip_outer_blanks = [&]() {
        if (syntax.blanks != NumberSyntax::Blanks::none) {
            while (pos < n && blank_at(pos)) {
                ++pos;
            }
        }
    };
    // Inside a number only the lenient reading lets blanks stand.
    const auto skip_inner_blanks = [&]() {
        if (anywhere) {
            while (pos < n && blank_at(pos)) {
                ++pos;
                verbatim = false;
            }
        }
    };
    std::size_t last = 0;  // just after the last character the number has taken
    // A run of digits, which the number takes; true when there was one.
    const auto digits = [&]() {
        const std::size_t from = pos;
        for (;;) {
            while (pos < n && is_digit(text[pos])) {
                last = ++pos;
            }
            if (!anywhere) {
                return last > from;
            }
            skip_inner_blanks();
            if (pos >= n || !is_digit(text[pos])) {
                return last > from;
            }
        }
    };
    const auto decimal_at = [&](std::size_t at) -> std::size_t {
        if (at >= n) {
            return 0;
        }
        if (decimal_char != '\0' ? text[at] == decimal_char : text_at(text, at, syntax.decimal)) {
            return syntax.decimal.size();
        }
        return syntax.point_too && text[at] == '.' ? 1 : 0;
    };
    const auto group_at = [&](std::size_t at) -> std::size_t {
        if (syntax.any_space_groups) {
            for (std::string_view g : {" ", "\u00A0", "\u202F"}) {
                if (text_at(text, at, g)) {
                    return g.size();
                }
            }
            return 0;
        }
        return text_at(text, at, syntax.group) ? syntax.group.size() : 0;
    };

    skip_outer_blanks();
    const std::size_t start = pos;
    std::size_t sign = kNone;
    if (pos < n && (text[pos] == '+' || text[pos] == '-')) {
        sign = pos++;
        verbatim = text[sign] == '-';
    }
    skip_inner_blanks();
    // The integer digits; a group separator counts only between two of them.
    bool any_digits = digits();
    std::size_t decimal_size = pos < n ? decimal_at(pos) : 0;
    while (any_digits && decimal_size == 0 && pos < n) {
        const std::size_t g = group_at(pos);
        if (g == 0 || pos + g >= n || !is_digit(text[pos + g])) {
            break;
        }
        pos += g;
        verbatim = false;
        digits();
        decimal_size = pos < n ? decimal_at(pos) : 0;
    }
    if (anywhere && decimal_size == 0) {
        skip_inner_blanks();
        decimal_size = decimal_at(pos);
    }
    std::size_t decimal = kNone;
    if (decimal_size > 0) {
        decimal = pos;
        pos += decimal_size;
        if (any_digits) {
            last = pos;
        }
        skip_inner_blanks();
        any_digits = digits() || any_digits;
    }
    if (!any_digits) {
        return {0, start, NumberStop::no_digits};
    }
    // An exponent mark without digits after it is not part of the number.
    if (syntax.exponent && pos < n) {
        const std::size_t mark = pos;
        const bool mark_verbatim = verbatim;
        skip_inner_blanks();
        bool taken = false;
        if (pos < n && (text[pos] == 'e' || text[pos] == 'E')) {
            ++pos;
            skip_inner_blanks();
            if (pos < n && (text[pos] == '+' || text[pos] == '-')) {
                ++pos;
            }
            skip_inner_blanks();
            taken = digits();
        }
        if (!taken) {
            pos = mark;
            verbatim = mark_verbatim;
        }
    }
    pos = last;
    skip_outer_blanks();
    if (pos < n && !syntax.trailing_text) {
        return {0, pos, NumberStop::trailing_text};
    }

    const std::size_t length = last - start;
    const bool point = decimal == kNone || (decimal_size == 1 && text[decimal] == '.');
    if (verbatim && point) {
        return convert(text.substr(start, length), pos);
    }
    if (verbatim && decimal_size == 1 && length <= 32) {
        // The common regional case, "0,785": only the separator changes.
        std::array<char, 32> ascii;
        for (std::size_t i = 0; i < length; ++i) {
            ascii[i] = text[start + i];
        }
        ascii[decimal - start] = '.';
        return convert(std::string_view(ascii.data(), length), pos);
    }
    return convert_spelled(text, start, last, sign, decimal, decimal_size, pos);
}

}  // namespace

NumberScan scan_number(std::string_view text, const NumberSyntax& syntax) {
    if (const auto plain = scan_plain(text, syntax)) {
        return *plain;
    }
    return scan_spelled(text, syntax);
}

std::string general_format(double value, int digits, std::string_view decimal) {
    return general(value, digits, decimal);
}

std::string general_format(float value, int digits, std::string_view decimal) {
    return general(value, digits, decimal);
}

}  // namespace gypsomix
