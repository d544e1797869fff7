#pragma once

#include <string>
#include <string_view>

#include "calc/number_text.h"

namespace gypsomix {

// A number as typed under the user's separators, in the plan file's invariant form: "1 234,5"
// becomes "1234.5". Blanks at either end go. A text that is not a number under `format` (an
// inch fraction, a field not finished, a fault) is kept as typed, so nothing typed is lost.
std::string to_invariant(std::string_view typed, const NumberFormat& format);

// The inverse, for showing a stored number: "76.2" becomes "76,2" under French separators. A
// text that is not an invariant number is returned unchanged.
std::string to_regional(std::string_view invariant, const NumberFormat& format);

}  // namespace gypsomix
