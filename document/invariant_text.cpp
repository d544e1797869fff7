#include "document/invariant_text.h"

#include "catalogue/number_syntax.h"

namespace gypsomix {
namespace {

std::string_view without_outer_blanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string to_invariant(std::string_view typed, const NumberFormat& format) {
    const std::string_view text = without_outer_blanks(typed);
    const NumberSyntax syntax = strict_number_syntax(format);
    if (scan_number(text, syntax).stop != NumberStop::complete) {
        return std::string(text);
    }
    // The text is a number of the field's own syntax, so every character is a digit, the sign,
    // the exponent, the decimal separator or a group separator: only the last two change.
    const bool point_is_decimal = format.decimal == "." || syntax.point_too;
    std::string invariant;
    invariant.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (!format.decimal.empty() && text.substr(at).starts_with(format.decimal)) {
            invariant += '.';
            at += format.decimal.size();
            continue;
        }
        const char c = text[at++];
        const bool kept = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E' ||
                          (c == '.' && point_is_decimal);
        if (kept) {
            invariant += c;
        }
    }
    return invariant;
}

std::string to_regional(std::string_view invariant, const NumberFormat& format) {
    if (scan_number(invariant).stop != NumberStop::complete) {
        return std::string(invariant);
    }
    std::string regional;
    regional.reserve(invariant.size() + format.decimal.size());
    for (const char c : invariant) {
        if (c == '.') {
            regional += format.decimal;
        } else {
            regional += c;
        }
    }
    return regional;
}

}  // namespace gypsomix
