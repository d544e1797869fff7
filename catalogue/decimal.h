#pragma once

#include <string_view>

namespace gypsomix::decimal {

inline bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The invariant number form of the catalogues: an optional sign, digits with at most one point
// and at least one digit, then an optional exponent of "E" or "e", an optional sign and digits.
bool is_invariant_number(std::string_view text);

// Converts text of the invariant form. Returns false when the value is beyond the double range;
// a value too small to represent becomes a zero of its sign.
bool to_double(std::string_view text, double& out);

}  // namespace gypsomix::decimal
