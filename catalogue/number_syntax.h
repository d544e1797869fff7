#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gypsomix {

// How a number may be written. The defaults are the invariant form of the catalogue files: an
// optional sign, digits with at most one point and at least one digit, then an optional
// exponent of "E" or "e", an optional sign and digits; nothing before or after.
struct NumberSyntax {
    enum class Blanks {
        none,      // a blank is like any other character
        around,    // spaces and tabs before and after the number are skipped
        anywhere,  // spaces, tabs and line feeds count for nothing, wherever they stand
    };

    std::string_view decimal = ".";  // the decimal separator
    bool point_too = false;          // a point is a decimal separator as well
    std::string_view group;          // may stand between two integer digits; empty: no grouping
    bool any_space_groups = false;   // a space, NBSP and NNBSP all group (the French habit)
    bool exponent = true;
    bool trailing_text = false;  // text after the number is left unread instead of refused
    Blanks blanks = Blanks::none;
};

// Why the scanner stopped.
enum class NumberStop {
    complete,       // a number, and nothing refused after it
    no_digits,      // no digit where the number should be
    trailing_text,  // text after the number, where the syntax refuses it
    out_of_range,   // a number beyond the double range
};

struct NumberScan {
    // The number; 0 unless complete; ±infinity when out of range. A value too small for a
    // double is a zero of its sign, not an error.
    double value = 0;
    std::size_t end = 0;  // where the number ends, blanks after it included
    NumberStop stop = NumberStop::no_digits;
};

// The one scanner of number texts: the catalogue's invariant form, the strict regional
// conversion of a field and the lenient reading are each a NumberSyntax.
NumberScan scan_number(std::string_view text, const NumberSyntax& syntax = {});

// A number as text in the %G style: `digits` significant digits, trailing zeros of the fraction
// and a trailing separator dropped, `decimal` as the separator, no grouping, and the exponent
// form (1.5E+07) once the value needs more digits than it may show. Zero is "0", of either sign.
std::string general_format(double value, int digits, std::string_view decimal);
std::string general_format(float value, int digits, std::string_view decimal);

}  // namespace gypsomix
