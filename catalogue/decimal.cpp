#include "catalogue/decimal.h"

#include <charconv>
#include <system_error>

namespace gypsomix::decimal {

bool is_invariant_number(std::string_view s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    bool digits = false;
    while (i < n && is_digit(s[i])) {
        ++i, digits = true;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && is_digit(s[i])) {
            ++i, digits = true;
        }
    }
    if (!digits) {
        return false;
    }
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        if (i == n || !is_digit(s[i])) {
            return false;
        }
        while (i < n && is_digit(s[i])) {
            ++i;
        }
    }
    return i == n;
}

namespace {

// Decimal exponent of the leading significant digit, plus one; decides overflow from underflow
// when the parser reports a value out of range.
long long magnitude(std::string_view s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    long long mag = 0;
    bool significant = false;
    for (; i < n && is_digit(s[i]); ++i) {
        if (significant || s[i] != '0') {
            significant = true;
            ++mag;
        }
    }
    if (i < n && s[i] == '.') {
        for (++i; i < n && is_digit(s[i]); ++i) {
            if (significant) {
                continue;
            }
            if (s[i] == '0') {
                --mag;
            } else {
                significant = true;
            }
        }
    }
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        const bool negative = i < n && s[i] == '-';
        if (i < n && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        long long exponent = 0;
        for (; i < n && is_digit(s[i]); ++i) {
            if (exponent < 1'000'000'000) {
                exponent = exponent * 10 + (s[i] - '0');
            }
        }
        mag += negative ? -exponent : exponent;
    }
    return mag;
}

}  // namespace

bool to_double(std::string_view s, double& out) {
    std::string_view body = s;
    if (!body.empty() && body.front() == '+') {
        body.remove_prefix(1);
    }
    double value = 0;
    const auto result = std::from_chars(body.data(), body.data() + body.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude(s) > 0) {
            return false;
        }
        value = (!body.empty() && body.front() == '-') ? -0.0 : 0.0;
    }
    out = value;
    return true;
}

}  // namespace gypsomix::decimal
