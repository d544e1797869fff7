#include "calc/metal.h"

#include <array>
#include <boost/multiprecision/cpp_int.hpp>
#include <charconv>
#include <cstdint>

#include "calc/checked_steps.h"
#include "calc/plan_fault.h"
#include "catalogue/number_syntax.h"

namespace gypsomix {
namespace {

using boost::multiprecision::cpp_int;
using Exact = boost::multiprecision::cpp_rational;
using detail::plan_fault;

// The figures of a plan stop below this: a per-flask mass, the metal to melt, a cost.
const cpp_int kBeyond = 10'000'000;

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
Exact decimal_value(std::string_view text, const NumberSyntax& syntax) {
    cpp_int digits = 0;
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
        return 0;
    }
    const std::int64_t power = (exponent_negative ? -exponent : exponent) - decimals;
    const cpp_int scale =
        boost::multiprecision::pow(cpp_int(10), unsigned(power < 0 ? -power : power));
    Exact value = power < 0 ? Exact(digits, scale) : Exact(digits * scale);
    return negative ? Exact(-value) : value;
}

// The exact value of a field text, refused as the plan refuses a field.
Exact field_value(std::string_view text, const NumberFormat& format, int line, PlanField field) {
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
    Exact value = decimal_value(text, syntax);
    // A number too small for a real: its digits would have to carry thousands of zeros.
    if (value != 0 && scan.value == 0) {
        plan_fault(ErrorNumber::overflow, line, field,
                   detail::refused_text(ErrorNumber::overflow, text));
    }
    return value;
}

Exact not_negative(std::string_view text, const NumberFormat& format, int line, PlanField field,
                   const char* unit) {
    Exact value = field_value(text, format, line, field);
    if (value < 0) {
        plan_fault(ErrorNumber::invalid_argument, line, field,
                   detail::quoted(text) + unit + " est négatif");
    }
    return value;
}

Exact positive_density(std::string_view text, const NumberFormat& format, PlanField field) {
    Exact value = field_value(text, format, 0, field);
    if (value <= 0) {
        plan_fault(ErrorNumber::invalid_argument, 0, field,
                   detail::quoted(text) + " n'est pas une densité, qui est plus grande que 0");
    }
    return value;
}

// The smallest whole number not below a value that is not negative.
cpp_int ceiling(const Exact& value) {
    const cpp_int& n = boost::multiprecision::numerator(value);
    const cpp_int& d = boost::multiprecision::denominator(value);
    return (n + d - 1) / d;
}

std::string grams_text(const cpp_int& grams) {
    return whole_text(grams.convert_to<std::int64_t>());
}

}  // namespace

MetalResult metal_masses(std::string_view metal_density, std::string_view pattern_density,
                         std::string_view extra_percent, std::string_view button_grams,
                         const std::vector<MetalLine>& lines, const NumberFormat& format) {
    const Exact metal = positive_density(metal_density, format, PlanField::metal_density);
    const Exact pattern = positive_density(pattern_density, format, PlanField::pattern_density);
    const Exact extra = field_value(extra_percent, format, 0, PlanField::metal_extra);
    if (extra < 0 || extra > 100) {
        plan_fault(ErrorNumber::invalid_argument, 0, PlanField::metal_extra,
                   detail::quoted(extra_percent) + " % n'est pas entre 0 et 100");
    }
    const Exact button = not_negative(button_grams, format, 0, PlanField::metal_button, " g");
    // Grams of metal for a gram of pattern, sprues and button included.
    const Exact factor = metal * (100 + extra) / (100 * pattern);

    MetalResult result;
    result.per_flask.reserve(lines.size());
    cpp_int total = 0;
    bool any = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const MetalLine& line_of = lines[i];
        const int line = static_cast<int>(i) + 1;
        if (line_of.count < 1) {
            plan_fault(
                ErrorNumber::invalid_argument, line, PlanField::count,
                detail::quoted(whole_text(line_of.count)) + ", il faut au moins un cylindre");
        }
        if (detail::is_blank(line_of.pattern_grams)) {
            result.per_flask.emplace_back();
            continue;
        }
        const Exact grams =
            not_negative(line_of.pattern_grams, format, line, PlanField::pattern, " g");
        // Rounded up: a flask melted short is a casting lost.
        const cpp_int flask = ceiling(grams * factor + button);
        if (flask >= kBeyond) {
            plan_fault(ErrorNumber::overflow, line, PlanField::pattern,
                       "le métal d'un cylindre atteint 10 000 000 g");
        }
        result.per_flask.push_back(grams_text(flask));
        total += flask * line_of.count;
        any = true;
    }
    if (total >= kBeyond) {
        plan_fault(ErrorNumber::overflow, 0, PlanField::metal_total,
                   "le métal à fondre atteint 10 000 000 g");
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
    Exact powder_price;
    Exact metal_price;
    if (powder_priced) {
        powder_price = not_negative(powder_price_per_kg, format, 0, PlanField::powder_price, "");
    }
    if (metal_priced) {
        metal_price = not_negative(metal_price_per_gram, format, 0, PlanField::metal_price, "");
    }
    Exact cost = 0;
    if (powder_priced) {
        cost +=
            not_negative(powder_grams, format, 0, PlanField::masses, " g") * powder_price / 1000;
    }
    if (metal_priced) {
        cost += not_negative(metal_grams, format, 0, PlanField::metal_total, " g") * metal_price;
    }
    // Half a cent goes up, exactly: 0,125 is 0,13 as on the till.
    const Exact half_up = cost * 100 + Exact(1, 2);
    const cpp_int cents =
        boost::multiprecision::numerator(half_up) / boost::multiprecision::denominator(half_up);
    if (cents >= kBeyond * 100) {
        plan_fault(ErrorNumber::overflow, 0, PlanField::cost, "le coût atteint 10 000 000");
    }
    const std::int64_t whole = cents.convert_to<std::int64_t>();
    const std::string hundredths = whole_text(whole % 100);
    return whole_text(whole / 100) + format.decimal + (whole % 100 < 10 ? "0" : "") + hundredths;
}

}  // namespace gypsomix
