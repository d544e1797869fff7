#pragma once

#include <string>
#include <string_view>

#include "catalogue/field_value.h"
#include "catalogue/number_syntax.h"
#include "catalogue/run_time_error.h"

namespace gypsomix {

// The user's regional separators, in UTF-8.
struct NumberFormat {
    std::string decimal = ".";
    std::string group = ",";
};

// A catalogue value as field text: numbers with up to 15 significant digits.
std::string value_to_text(const FieldValue& value, const NumberFormat& format);

// Strict conversion of a field text; RunTimeError 13 when it is not a number, 6 beyond range.
double text_to_number(std::string_view text, const NumberFormat& format);

// The syntax text_to_number reads: `format`'s separators, a point as a decimal separator too
// unless it groups, blanks around. It refers to `format`'s strings, which must outlive it.
NumberSyntax strict_number_syntax(const NumberFormat& format);

// Lenient: the number at the start of the text (point as separator), 0 when there is none.
double text_leading_number(std::string_view text);

// A single-precision value as field text, 7 significant digits.
std::string single_to_text(float value, const NumberFormat& format);

// Greatest integer not above the value.
float integer_part(float value);

}  // namespace gypsomix
