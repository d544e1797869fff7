#include "calc/metal.h"

#include <algorithm>
#include <array>
#include <boost/multiprecision/cpp_int.hpp>
#include <charconv>
#include <cstdint>
#include <utility>

#include "calc/checked_steps.h"
#include "calc/plan_fault.h"
#include "catalogue/number_syntax.h"

namespace gypsomix {
namespace {

// Whole numbers of any size, evaluated at once: no expression templates, whose references to
// temporaries the static analysis cannot follow.
using Integer = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                              boost::multiprecision::et_off>;

// An exact decimal number: digits × 10^exponent.
struct Decimal {
    Integer digits;
    std::int64_t exponent = 0;
};

Integer power_of_ten(std::int64_t power) {
    return boost::multiprecision::pow(Integer(10), static_cast<unsigned>(power));
}

// The digits of both written with the smaller exponent, so that they add and compare.
std::pair<Integer, Integer> aligned(const Decimal& a, const Decimal& b) {
    const std::int64_t low = std::min(a.exponent, b.exponent);
    return {a.digits * power_of_ten(a.exponent - low), b.digits * power_of_ten(b.exponent - low)};
}

Decimal operator*(const Decimal& a, const Decimal& b) {
    return {a.digits * b.digits, a.exponent + b.exponent};
}

Decimal operator+(const Decimal& a, const Decimal& b) {
    const auto [x, y] = aligned(a, b);
    return {x + y, std::min(a.exponent, b.exponent)};
}

bool operator>(const Decimal& a, const Decimal& b) {
    const auto [x, y] = aligned(a, b);
    return x > y;
}

Decimal whole(std::int64_t value) {
    return {Integer(value), 0};
}

// a / b in whole numbers, rounded up or down, for a not negative and b above 0.
Integer quotient(const Decimal& a, const Decimal& b, bool up) {
    Integer n = a.digits;
    Integer d = b.digits;
    if (a.exponent >= b.exponent) {
        n *= power_of_ten(a.exponent - b.exponent);
    } else {
        d *= power_of_ten(b.exponent - a.exponent);
    }
    return up ? (n + d - 1) / d : n / d;
}

using detail::plan_fault;

// The figures of a plan stop below this: a per-flask mass, the metal to melt, a cost.
const Integer kBeyond = 10'000'000;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool text_at(std::string_view text, std::size_t at, std::string_view what) {
    return !what.empty() && text.substr(at).starts_with(what);
}

std::string whole_text(std::int64_t value) {
    std::array<char, 24> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
    return {text.data(), written.ptr};
}

// The digits and power of ten of a text the scanner has read as a number under `syntax`: its
// digits one after another, the separators and groups left out.
Decimal decimal_value(std::string_view text, const NumberSyntax& syntax) {
    Integer digits = 0;
    std::int64_t decimals = 0;
    std::int64_t exponent = 0;
    bool negative = false;
    bool fraction = false;
    bool in_exponent = false;
    bool exponent_negative = false;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (is_digit(c)) {
            if (in_exponent) {
                // Beyond this the scanner has already refused the number or read it as zero.
                exponent = exponent < 1'000'000'000 ? exponent * 10 + (c - '0') : exponent;
            } else {
                digits = digits * 10 + (c - '0');
                decimals += fraction ? 1 : 0;
            }
        } else if (!in_exponent && text_at(text, at, syntax.decimal)) {
            fraction = true;
            at += syntax.decimal.size();
            continue;
        } else if (!in_exponent && c == '.' && syntax.point_too) {
            fraction = true;
        } else if (c == 'e' || c == 'E') {
            in_exponent = true;
        } else if (c == '-') {
            (in_exponent ? exponent_negative : negative) = true;
        }
        // Anything else is a blank, a group or a "+", which the value does not depend on.
        ++at;
    }
    if (digits == 0) {
        return {};
    }
    return {negative ? Integer(-digits) : digits,
            (exponent_negative ? -exponent : exponent) - decimals};
}

// The exact value of a field text, refused as the plan refuses a field.
Decimal field_value(std::string_view text, const NumberFormat& format, int line, PlanField field) {
    const NumberSyntax syntax = strict_number_syntax(format);
    const NumberScan scan = scan_number(text, syntax);
    if (scan.stop == NumberStop::out_of_range) {
        plan_fault(ErrorNumber::overflow, line, field,
                   detail::refused_text(ErrorNumber::overflow, text));
    }
    if (scan.stop != NumberStop::complete) {
        plan_fault(ErrorNumber::type_mismatch, line, field,
                   detail::refused_text(ErrorNumber::type_mismatch, text));
    }
    Decimal value = decimal_value(text, syntax);
    // A number too small for a real: its digits would have to carry thousands of zeros.
    if (value.digits != 0 && scan.value == 0) {
        plan_fault(ErrorNumber::overflow, line, field,
                   detail::refused_text(ErrorNumber::overflow, text));
    }
    return value;
}

Decimal not_negative(std::string_view text, const NumberFormat& format, int line, PlanField field,
                     const char* unit) {
    Decimal value = field_value(text, format, line, field);
    if (value.digits < 0) {
        plan_fault(ErrorNumber::invalid_argument, line, field,
                   core_text("PlanFault", "%1%2 est négatif")
                       .with({detail::quoted(text), value_text(unit)}));
    }
    return value;
}

Decimal positive_density(std::string_view text, const NumberFormat& format, PlanField field) {
    Decimal value = field_value(text, format, 0, field);
    if (value.digits <= 0) {
        plan_fault(ErrorNumber::invalid_argument, 0, field,
                   core_text("PlanFault", "%1 n'est pas une densité, qui est plus grande que 0")
                       .with({detail::quoted(text)}));
    }
    return value;
}

std::string grams_text(const Integer& grams) {
    return whole_text(grams.convert_to<std::int64_t>());
}

}  // namespace

MetalResult metal_masses(std::string_view metal_density, std::string_view pattern_density,
                         std::string_view extra_percent, std::string_view button_grams,
                         const std::vector<MetalLine>& lines, const NumberFormat& format) {
    const Decimal metal = positive_density(metal_density, format, PlanField::metal_density);
    const Decimal pattern = positive_density(pattern_density, format, PlanField::pattern_density);
    const Decimal extra = field_value(extra_percent, format, 0, PlanField::metal_extra);
    if (extra.digits < 0 || extra > whole(100)) {
        plan_fault(ErrorNumber::invalid_argument, 0, PlanField::metal_extra,
                   core_text("PlanFault", "%1 % n'est pas entre 0 et 100")
                       .with({detail::quoted(extra_percent)}));
    }
    const Decimal button = not_negative(button_grams, format, 0, PlanField::metal_button, " g");
    // One flask takes grams × factor / divisor + button, that is
    // (grams × factor + button × divisor) / divisor.
    const Decimal factor = metal * (whole(100) + extra);
    const Decimal divisor = whole(100) * pattern;
    const Decimal button_part = button * divisor;

    MetalResult result;
    result.per_flask.reserve(lines.size());
    Integer total = 0;
    bool any = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const MetalLine& line_of = lines[i];
        const int line = static_cast<int>(i) + 1;
        if (line_of.count < 1) {
            plan_fault(ErrorNumber::invalid_argument, line, PlanField::count,
                       core_text("PlanFault", "%1, il faut au moins un cylindre")
                           .with({detail::quoted(whole_text(line_of.count))}));
        }
        if (detail::is_blank(line_of.pattern_grams)) {
            result.per_flask.emplace_back();
            continue;
        }
        const Decimal grams =
            not_negative(line_of.pattern_grams, format, line, PlanField::pattern, " g");
        // Rounded up: a flask melted short is a casting lost.
        const Integer flask = quotient(grams * factor + button_part, divisor, true);
        if (flask >= kBeyond) {
            plan_fault(ErrorNumber::overflow, line, PlanField::pattern,
                       core_text("PlanFault", "le métal d'un cylindre atteint 10 000 000 g"));
        }
        result.per_flask.push_back(grams_text(flask));
        total += flask * line_of.count;
        any = true;
    }
    if (total >= kBeyond) {
        plan_fault(ErrorNumber::overflow, 0, PlanField::metal_total,
                   core_text("PlanFault", "le métal à fondre atteint 10 000 000 g"));
    }
    if (any) {
        result.total = grams_text(total);
    }
    return result;
}

std::string job_cost(std::string_view powder_grams, std::string_view powder_price_per_kg,
                     std::string_view metal_grams, std::string_view metal_price_per_gram,
                     const NumberFormat& format) {
    const bool powder_priced = !detail::is_blank(powder_price_per_kg);
    const bool metal_priced = !detail::is_blank(metal_price_per_gram);
    if (!powder_priced && !metal_priced) {
        return {};
    }
    Decimal powder_price;
    Decimal metal_price;
    if (powder_priced) {
        powder_price = not_negative(powder_price_per_kg, format, 0, PlanField::powder_price, "");
    }
    if (metal_priced) {
        metal_price = not_negative(metal_price_per_gram, format, 0, PlanField::metal_price, "");
    }
    Decimal exact;  // in cents
    if (powder_priced) {
        const Decimal grams = not_negative(powder_grams, format, 0, PlanField::masses, " g");
        exact = exact + grams * powder_price * Decimal{1, -1};  // 100 cents for 1000 g
    }
    if (metal_priced) {
        const Decimal grams = not_negative(metal_grams, format, 0, PlanField::metal_total, " g");
        exact = exact + grams * metal_price * whole(100);
    }
    // Half a cent goes up, exactly: 0,125 is 0,13 as on the till.
    const Integer cents = quotient(exact * whole(2) + whole(1), whole(2), false);
    if (cents >= kBeyond * 100) {
        plan_fault(ErrorNumber::overflow, 0, PlanField::cost,
                   core_text("PlanFault", "le coût atteint 10 000 000"));
    }
    const std::int64_t amount = cents.convert_to<std::int64_t>();
    const std::string hundredths = whole_text(amount % 100);
    return whole_text(amount / 100) + format.decimal + (amount % 100 < 10 ? "0" : "") + hundredths;
}

}  // namespace gypsomix
