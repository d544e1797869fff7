#pragma once

#include <string>
#include <variant>

namespace gypsomix {

// One catalogue field: empty, a number, or a text (UTF-8).
using FieldValue = std::variant<std::monostate, double, std::string>;

}  // namespace gypsomix
