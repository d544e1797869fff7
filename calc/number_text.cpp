#include "calc/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "catalogue/decimal.h"
#include "catalogue/number_syntax.h"

namespace gypsomix {
namespace {

using decimal::is_digit;

bool is_space_group(std::string_view group) {
    return group == " " || group == "\u00A0" || group == "\u202F";
}

std::string shown_text(std::string_view text) {
    constexpr std::size_t kShown = 40;
    if (text.size() <= kShown) {
        return std::string(text);
    }
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;  // not inside a UTF-8 sequence
    }
    return std::string(text.substr(0, cut)) + "…";
}

[[noreturn]] void not_a_number(std::string_view text) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        throw RunTimeError(ErrorNumber::type_mismatch,
                           "Type incompatible : un champ vide n'est pas un nombre.");
    }
    throw RunTimeError(ErrorNumber::type_mismatch,
                       "Type incompatible : « " + shown_text(text) + " » n'est pas un nombre.");
}

bool starts_with_at(std::string_view text, std::size_t at, std::string_view what) {
    return !what.empty() && text.substr(at, what.size()) == what;
}

}  // namespace

std::string value_to_text(const FieldValue& value, const NumberFormat& format) {
    if (const auto* number = std::get_if<double>(&value)) {
        return general_format(*number, 15, format.decimal);
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    return {};
}

std::string single_to_text(float value, const NumberFormat& format) {
    return general_format(value, 7, format.decimal);
}

float integer_part(float value) {
    return std::floor(value);
}

namespace {

// The common case, a plain number in the regional form or with a point and nothing else, read
// without building a copy. Returns false when the text needs the full rules.
bool plain_number(std::string_view text, const NumberFormat& format, double& out) {
    constexpr std::size_t kMax = 32;
    const std::size_t n = text.size();
    if (n == 0 || n > kMax || format.decimal.size() != 1) {
        return false;
    }
    const char decimal = format.decimal[0];
    const bool point_too = decimal != '.' && format.group != ".";
    std::array<char, kMax> ascii{};
    std::size_t i = 0;
    if (text[0] == '-' || text[0] == '+') {
        ascii[0] = text[0];
        i = 1;
    }
    bool digits = false;
    bool separator = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (is_digit(c)) {
            ascii[i] = c;
            digits = true;
        } else if (!separator && (c == decimal || (point_too && c == '.'))) {
            ascii[i] = '.';
            separator = true;
        } else {
            return false;
        }
    }
    if (!digits) {
        return false;
    }
    const char* begin = ascii.data() + (ascii[0] == '+' ? 1 : 0);
    const auto result = std::from_chars(begin, ascii.data() + n, out);
    return result.ec == std::errc() && result.ptr == ascii.data() + n;
}

}  // namespace

double text_to_number(std::string_view text, const NumberFormat& format) {
    if (double value = 0; plain_number(text, format, value)) {
        return value;
    }
    const std::size_t n = text.size();
    std::size_t i = 0;
    const auto skip_blanks = [&] {
        while (i < n && (text[i] == ' ' || text[i] == '\t')) {
            ++i;
        }
    };
    const bool space_group = is_space_group(format.group);
    // The length of the group separator at i, 0 when there is none.
    const auto group_at = [&](std::size_t at) -> std::size_t {
        if (space_group) {
            for (std::string_view g : {" ", "\u00A0", "\u202F"}) {
                if (starts_with_at(text, at, g)) {
                    return g.size();
                }
            }
            return 0;
        }
        return starts_with_at(text, at, format.group) ? format.group.size() : 0;
    };
    const bool point_too = format.decimal != "." && format.group != ".";
    const auto decimal_at = [&](std::size_t at) -> std::size_t {
        if (starts_with_at(text, at, format.decimal)) {
            return format.decimal.size();
        }
        return point_too && at < n && text[at] == '.' ? 1 : 0;
    };

    std::string ascii;
    ascii.reserve(n);
    skip_blanks();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        ascii += text[i++];
    }
    bool digits = false;
    while (i < n) {
        if (is_digit(text[i])) {
            ascii += text[i++];
            digits = true;
        } else if (digits && decimal_at(i) == 0) {
            // A group separator only between two integer digits.
            const std::size_t g = group_at(i);
            if (g == 0 || i + g >= n || !is_digit(text[i + g])) {
                break;
            }
            i += g;
        } else {
            break;
        }
    }
    if (const std::size_t d = decimal_at(i); d > 0) {
        i += d;
        ascii += '.';
        while (i < n && is_digit(text[i])) {
            ascii += text[i++];
            digits = true;
        }
    }
    if (!digits) {
        not_a_number(text);
    }
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ascii += text[i++];
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            ascii += text[i++];
        }
        if (i == n || !is_digit(text[i])) {
            not_a_number(text);
        }
        while (i < n && is_digit(text[i])) {
            ascii += text[i++];
        }
    }
    skip_blanks();
    if (i != n) {
        not_a_number(text);
    }
    double value = 0;
    if (!decimal::to_double(ascii, value)) {
        throw RunTimeError(ErrorNumber::overflow, "Dépassement de capacité : « " +
                                                      shown_text(text) +
                                                      " » dépasse les limites d'un nombre réel.");
    }
    return value;
}

double text_leading_number(std::string_view text) {
    // Spaces, tabs and line feeds count for nothing, wherever they stand.
    std::size_t i = 0;
    const std::size_t n = text.size();
    const auto peek = [&]() -> char {
        while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) {
            ++i;
        }
        return i < n ? text[i] : '\0';
    };
    std::string ascii;
    if (const char c = peek(); c == '+' || c == '-') {
        ascii += c;
        ++i;
    }
    bool digits = false;
    while (is_digit(peek())) {
        ascii += text[i++];
        digits = true;
    }
    if (peek() == '.') {
        ascii += '.';
        ++i;
        while (is_digit(peek())) {
            ascii += text[i++];
            digits = true;
        }
    }
    if (!digits) {
        return 0;
    }
    if (const char c = peek(); c == 'e' || c == 'E') {
        std::string exponent(1, 'e');
        ++i;
        if (const char s = peek(); s == '+' || s == '-') {
            exponent += s;
            ++i;
        }
        bool exponent_digits = false;
        while (is_digit(peek())) {
            exponent += text[i++];
            exponent_digits = true;
        }
        if (exponent_digits) {
            ascii += exponent;
        }
    }
    double value = 0;
    if (!decimal::to_double(ascii, value)) {
        // Never fails: a number too large for a double saturates.
        return ascii.front() == '-' ? -std::numeric_limits<double>::infinity()
                                    : std::numeric_limits<double>::infinity();
    }
    return value;
}

}  // namespace gypsomix
