#pragma once

#include <string>
#include <string_view>

namespace gypsomix {

// A number as text in the %G style: `digits` significant digits, trailing zeros of the fraction
// and a trailing separator dropped, `decimal` as the separator, no grouping, and the exponent
// form (1.5E+07) once the value needs more digits than it may show. Zero is "0", of either sign.
std::string general_format(double value, int digits, std::string_view decimal);
std::string general_format(float value, int digits, std::string_view decimal);

}  // namespace gypsomix
