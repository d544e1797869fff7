#include "catalogue/number_syntax.h"

#include <array>
#include <charconv>

namespace gypsomix {
namespace {

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

}  // namespace

std::string general_format(double value, int digits, std::string_view decimal) {
    return general(value, digits, decimal);
}

std::string general_format(float value, int digits, std::string_view decimal) {
    return general(value, digits, decimal);
}

}  // namespace gypsomix
