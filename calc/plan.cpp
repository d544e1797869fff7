#include "calc/plan.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <system_error>

#include "calc/checked_steps.h"
#include "calc/plan_fault.h"
#include "catalogue/number_syntax.h"

namespace gypsomix {
namespace {

using detail::quoted;
using detail::Steps;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

Message field_name(PlanField field) {
    switch (field) {
        case PlanField::density:
            return core_text("PlanField", "densité du revêtement liquide");
        case PlanField::water:
            return core_text("PlanField", "eau utilisée");
        case PlanField::count:
            return core_text("PlanField", "nombre de cylindres");
        case PlanField::diameter:
            return core_text("PlanField", "diamètre");
        case PlanField::height:
            return core_text("PlanField", "hauteur");
        case PlanField::flask_volume:
            return core_text("PlanField", "volume du cylindre");
        case PlanField::deduction:
            return core_text("PlanField", "arbre et socle");
        case PlanField::volume:
            return core_text("PlanField", "volume à remplir");
        case PlanField::masses:
            return core_text("PlanField", "masses");
        case PlanField::liquid:
            return core_text("PlanField", "liquide");
        case PlanField::concentration:
            return core_text("PlanField", "concentration");
        case PlanField::metal_density:
            return core_text("PlanField", "densité du métal");
        case PlanField::pattern_density:
            return core_text("PlanField", "densité du modèle");
        case PlanField::metal_extra:
            return core_text("PlanField", "surplus pour la masselotte");
        case PlanField::metal_button:
            return core_text("PlanField", "bouton par cylindre");
        case PlanField::pattern:
            return core_text("PlanField", "modèle");
        case PlanField::metal_total:
            return core_text("PlanField", "métal à fondre");
        case PlanField::powder_price:
            return core_text("PlanField", "prix du revêtement");
        case PlanField::metal_price:
            return core_text("PlanField", "prix du métal");
        case PlanField::cost:
            return core_text("PlanField", "coût");
    }
    return value_text("");
}

std::string whole_text(std::int64_t value) {
    std::array<char, 24> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
    return {text.data(), written.ptr};
}

// "Type incompatible (ligne 2, diamètre) : « x » n'est pas un nombre."
[[noreturn]] void fail(ErrorNumber number, int line, PlanField field, Message what) {
    Message description =
        line > 0 ? core_text("PlanFault", "%1 (ligne %2, %3) : %4.")
                       .with({detail::error_title(number), value_text(whole_text(line)),
                              field_name(field), std::move(what)})
                 : core_text("PlanFault", "%1 (%2) : %3.")
                       .with({detail::error_title(number), field_name(field), std::move(what)});
    throw PlanError(number, std::move(description), line, field);
}

double field_number(std::string_view text, const NumberFormat& format, int line, PlanField field) {
    try {
        return text_to_number(text, format);
    } catch (const RunTimeError& e) {
        fail(e.error(), line, field, detail::refused_text(e.error(), text));
    }
}

// A checked calculation whose failure is reported against one field.
template <class Calculation>
auto attributed(int line, PlanField field, const Message& what, Calculation&& calculation) {
    try {
        return calculation();
    } catch (const PlanError&) {
        throw;
    } catch (const RunTimeError& e) {
        fail(e.error(), line, field, what);
    }
}

// Inch fractions as casters write them on flask charts.
struct Glyph {
    std::string_view utf8;
    double numerator;
    double denominator;
};
constexpr std::array<Glyph, 18> kGlyphs{{
    {"\u00BC", 1, 4},
    {"\u00BD", 1, 2},
    {"\u00BE", 3, 4},
    {"\u2150", 1, 7},
    {"\u2151", 1, 9},
    {"\u2152", 1, 10},
    {"\u2153", 1, 3},
    {"\u2154", 2, 3},
    {"\u2155", 1, 5},
    {"\u2156", 2, 5},
    {"\u2157", 3, 5},
    {"\u2158", 4, 5},
    {"\u2159", 1, 6},
    {"\u215A", 5, 6},
    {"\u215B", 1, 8},
    {"\u215C", 3, 8},
    {"\u215D", 5, 8},
    {"\u215E", 7, 8},
}};

const Glyph* glyph_at(std::string_view text, std::size_t at) {
    for (const Glyph& glyph : kGlyphs) {
        if (text.substr(at, glyph.utf8.size()) == glyph.utf8) {
            return &glyph;
        }
    }
    return nullptr;
}

bool has_fraction(std::string_view text) {
    if (text.find('/') != std::string_view::npos) {
        return true;
    }
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (glyph_at(text, at) != nullptr) {
            return true;
        }
    }
    return false;
}

// Spaces a French keyboard or a word processor may put between "2" and "½".
constexpr std::array<std::string_view, 4> kBlanks{" ", "\t", "\u00A0", "\u202F"};

std::size_t blank_at(std::string_view text, std::size_t at) {
    for (std::string_view blank : kBlanks) {
        if (text.substr(at).starts_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

std::size_t blank_before(std::string_view text, std::size_t end) {
    for (std::string_view blank : kBlanks) {
        if (text.substr(0, end).ends_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

// "2 1/2", "21/2", "2½", "2 ½", "½", under any separators; false for anything else. The whole
// part and the fraction are plain digits, and a whole part takes a proper fraction.
bool read_fraction(std::string_view text, std::string_view& whole, std::string_view& numerator,
                   std::string_view& denominator, const Glyph*& glyph) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && blank_at(text, begin) > 0) {
        begin += blank_at(text, begin);
    }
    while (end > begin && blank_before(text, end) > 0) {
        end -= blank_before(text, end);
    }
    text = text.substr(begin, end - begin);
    const auto digits_from = [&](std::size_t at) {
        std::size_t stop = at;
        while (stop < text.size() && is_digit(text[stop])) {
            ++stop;
        }
        return stop;
    };

    std::size_t at = digits_from(0);
    const std::string_view first = text.substr(0, at);
    if (at < text.size() && text[at] == '/') {  // a fraction alone
        const std::size_t stop = digits_from(at + 1);
        numerator = first;
        denominator = text.substr(at + 1, stop - at - 1);
        return !first.empty() && !denominator.empty() && stop == text.size();
    }
    whole = first;
    std::size_t gap = 0;
    while (at + gap < text.size() && blank_at(text, at + gap) > 0) {
        gap += blank_at(text, at + gap);
    }
    if (glyph = glyph_at(text, at + gap); glyph != nullptr) {
        return at + gap + glyph->utf8.size() == text.size();
    }
    if (first.empty() || gap == 0) {
        return false;
    }
    at += gap;
    const std::size_t slash = digits_from(at);
    if (slash == at || slash == text.size() || text[slash] != '/') {
        return false;
    }
    const std::size_t stop = digits_from(slash + 1);
    numerator = text.substr(at, slash - at);
    denominator = text.substr(slash + 1, stop - slash - 1);
    return !denominator.empty() && stop == text.size();
}

bool digits_value(std::string_view digits, double& value) {
    value = 0;
    if (digits.empty()) {
        return true;
    }
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return result.ec == std::errc();
}

// A length typed in inches, converted to millimetres.
double inch_length(std::string_view text, const NumberFormat& format, int line, PlanField field) {
    double inches = 0;
    if (!has_fraction(text)) {
        inches = field_number(text, format, line, field);
    } else {
        std::string_view whole;
        std::string_view numerator;
        std::string_view denominator;
        const Glyph* glyph = nullptr;
        if (!read_fraction(text, whole, numerator, denominator, glyph)) {
            fail(ErrorNumber::type_mismatch, line, field,
                 core_text("PlanFault", "%1 n'est ni un nombre ni une longueur en pouces")
                     .with({quoted(text)}));
        }
        double w = 0;
        double n = 0;
        double d = 0;
        if (!digits_value(whole, w) || !digits_value(numerator, n) ||
            !digits_value(denominator, d)) {
            fail(ErrorNumber::overflow, line, field,
                 core_text("PlanFault", "%1 dépasse les limites d'un nombre réel")
                     .with({quoted(text)}));
        }
        if (glyph != nullptr) {
            n = glyph->numerator;
            d = glyph->denominator;
        }
        if (d == 0 || (!whole.empty() && glyph == nullptr && !(n < d))) {
            fail(ErrorNumber::type_mismatch, line, field,
                 core_text("PlanFault", "%1 n'est pas une fraction de pouce").with({quoted(text)}));
        }
        inches = w + n / d;
    }
    return attributed(line, field,
                      core_text("PlanFault", "%1 po en millimètres dépasse les limites du calcul")
                          .with({quoted(text)}),
                      [&] { return Steps("de la longueur en millimètres").mul(inches, 25.4); });
}

// cm³ to dm³ by moving the decimal point of the figure typed rather than by a binary division,
// so that a deduction typed as the flask's volume leaves exactly nothing (241,1971 cm³ from
// 0,2411971 dm³), where the division would leave a trace or exceed the volume.
double cm3_to_dm3(double cm3) {
    if (cm3 == 0) {
        return 0;
    }
    // The shortest digits that read back as the figure, "2.411971e+02", become "2.411971e-1".
    std::array<char, 48> text{};
    char* const last = text.data() + text.size();
    const auto written = std::to_chars(text.data(), last, cm3, std::chars_format::scientific);
    const std::string_view shortest(text.data(),
                                    static_cast<std::size_t>(written.ptr - text.data()));
    const std::size_t e = shortest.find('e');
    const std::size_t sign = shortest[e + 1] == '+' ? 1 : 0;
    int exponent = 0;
    std::from_chars(shortest.data() + e + 1 + sign, written.ptr, exponent);
    char* const mantissa_end = text.data() + e + 1;
    const auto moved = std::to_chars(mantissa_end, last, exponent - 3);
    double dm3 = 0;
    const auto read = std::from_chars(text.data(), moved.ptr, dm3);
    return read.ec == std::errc() ? dm3 : cm3 / 1000;  // beyond that, a denormal
}

// The volume of one flask of a line, as the text shown for it.
std::string one_flask(const PlanLine& line_of, int line, const NumberFormat& format) {
    const Message beyond =
        core_text("PlanFault", "le volume de ce cylindre dépasse les limites du calcul");
    if (line_of.unit == LengthUnit::millimetre) {
        field_number(line_of.diameter, format, line, PlanField::diameter);
        field_number(line_of.height, format, line, PlanField::height);
        // The text the main window's volume field shows for the same flask.
        return attributed(line, PlanField::flask_volume, beyond,
                          [&] { return flask_volume(line_of.diameter, line_of.height, format); });
    }
    const double d = inch_length(line_of.diameter, format, line, PlanField::diameter);
    const double h = inch_length(line_of.height, format, line, PlanField::height);
    return attributed(line, PlanField::flask_volume, beyond, [&] {
        const Steps steps("du volume du cylindre");
        const double a = steps.mul(d, 3.14);
        const double b = steps.mul(d, a);
        const double c = steps.mul(h, b);
        return single_to_text(steps.single(steps.div(c, 4000000)), format);
    });
}

// dm³ left to fill in one flask of a line once its tree and base are in.
double net_volume(const PlanLine& line_of, int line, const std::string& shown,
                  const NumberFormat& format) {
    const double volume = text_to_number(shown, format);
    if (detail::is_blank(line_of.deduction)) {
        return volume;
    }
    const double deduction = field_number(line_of.deduction, format, line, PlanField::deduction);
    if (deduction < 0) {
        fail(ErrorNumber::invalid_argument, line, PlanField::deduction,
             core_text("PlanFault", "%1 cm³ est négatif").with({quoted(line_of.deduction)}));
    }
    const double taken = cm3_to_dm3(deduction);
    if (taken > volume) {
        fail(ErrorNumber::invalid_argument, line, PlanField::deduction,
             core_text("PlanFault", "%1 cm³ dépasse le volume du cylindre, %2 dm³")
                 .with({quoted(line_of.deduction), value_text(shown)}));
    }
    return volume - taken;
}

// floor(units × percent / 100), with the percent as the shortest decimal that reads back as it,
// the figure typed: in binary arithmetic 3000 g at 2,3 % would give 68 g instead of 69.
std::int64_t share_of(std::int64_t units, double percent) {
    std::array<char, 512> text{};  // the fixed form of the smallest denormal fits
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), percent, std::chars_format::fixed);
    std::string digits;
    std::size_t decimals = 0;
    bool fraction = false;
    for (const char* p = text.data(); p != written.ptr; ++p) {
        if (*p == '.') {
            fraction = true;
        } else {
            digits += *p;
            decimals += fraction ? 1 : 0;
        }
    }
    // The product of two whole numbers, lowest digit first; units stay below 10^7.
    std::string product;
    std::int64_t carry = 0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        const std::int64_t value = (*digit - '0') * units + carry;
        product += static_cast<char>('0' + value % 10);
        carry = value / 10;
    }
    for (; carry > 0; carry /= 10) {
        product += static_cast<char>('0' + carry % 10);
    }
    // Dividing by 100 × 10^decimals drops that many lowest digits, which is the floor.
    std::int64_t share = 0;
    for (std::size_t i = product.size(); i > decimals + 2; --i) {
        share = share * 10 + (product[i - 1] - '0');
    }
    return share;
}

// units × 10^scale grams, written as a mass is.
std::string grams_text(std::int64_t units, int scale, const NumberFormat& format) {
    if (scale == 0) {
        return general_format(static_cast<double>(units), 7, format.decimal);
    }
    // Built from its decimal digits, so the seventh digit cannot move as it might through a
    // single, whose spacing exceeds a unit of that digit near 10^10.
    const std::string text = whole_text(units) + "e" + whole_text(scale);
    double grams = 0;
    std::from_chars(text.data(), text.data() + text.size(), grams);
    return general_format(grams, 7, format.decimal);
}

}  // namespace

void detail::plan_fault(ErrorNumber number, int line, PlanField field, Message what) {
    fail(number, line, field, std::move(what));
}

PlanResult plan_volume(const std::vector<PlanLine>& lines, const NumberFormat& format) {
    PlanResult result;
    result.flask_volumes.reserve(lines.size());
    double total = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const PlanLine& line_of = lines[i];
        const int line = static_cast<int>(i) + 1;
        if (line_of.count < 1) {
            fail(ErrorNumber::invalid_argument, line, PlanField::count,
                 core_text("PlanFault", "%1, il faut au moins un cylindre")
                     .with({quoted(whole_text(line_of.count))}));
        }
        result.flask_volumes.push_back(one_flask(line_of, line, format));
        const double net = net_volume(line_of, line, result.flask_volumes.back(), format);
        // Summed in double and rounded once, not line by line.
        total = attributed(
            0, PlanField::volume,
            core_text("PlanFault", "le volume à remplir dépasse les limites du calcul"), [&] {
                const Steps steps("du volume à remplir");
                return steps.add(total, steps.mul(line_of.count, net));
            });
    }
    result.volume = attributed(
        0, PlanField::volume,
        core_text("PlanFault", "le volume à remplir dépasse les limites de la simple précision"),
        [&] { return single_to_text(Steps("du volume à remplir").single(total), format); });
    return result;
}

PlanResult plan_masses(std::string_view density, std::string_view water_percent,
                       const std::vector<PlanLine>& lines, Margin margin,
                       const NumberFormat& format) {
    // Every field is read before any step, so a bad text is reported as such, not as an overflow.
    field_number(density, format, 0, PlanField::density);
    const double water = field_number(water_percent, format, 0, PlanField::water);

    PlanResult result = plan_volume(lines, format);
    try {
        result.masses = mix_masses(density, water_percent, result.volume, margin, format);
    } catch (const RunTimeError& e) {
        // The powder is the liquid divided by (w / 100 + 1): with w = -100 the water is at fault.
        if (water / 100 + 1 == 0) {
            fail(e.error(), 0, PlanField::water,
                 core_text("PlanFault", "%1 % d'eau annule le diviseur de la masse de revêtement")
                     .with({quoted(water_percent)}));
        }
        fail(e.error(), 0, PlanField::masses,
             core_text("PlanFault", "les masses dépassent les limites du calcul"));
    }
    return result;
}

LiquidSplit split_liquid(std::string_view liquid_grams, std::string_view special_percent,
                         const NumberFormat& format) {
    const double liquid = field_number(liquid_grams, format, 0, PlanField::liquid);
    if (liquid < 0) {
        fail(ErrorNumber::invalid_argument, 0, PlanField::liquid,
             core_text("PlanFault", "%1 g est négatif").with({quoted(liquid_grams)}));
    }
    if (std::floor(liquid) != liquid) {
        fail(ErrorNumber::invalid_argument, 0, PlanField::liquid,
             core_text("PlanFault", "%1 n'est pas un nombre entier de grammes")
                 .with({quoted(liquid_grams)}));
    }
    const double percent = field_number(special_percent, format, 0, PlanField::concentration);
    if (!(percent >= 0 && percent <= 100)) {
        fail(ErrorNumber::invalid_argument, 0, PlanField::concentration,
             core_text("PlanFault", "%1 % n'est pas entre 0 et 100")
                 .with({quoted(special_percent)}));
    }

    // The liquid as a mass text shows it: units × 10^scale, with at most 7 digits of units.
    std::int64_t units = 0;
    int scale = 0;
    if (liquid < 1e7) {
        units = static_cast<std::int64_t>(liquid);
    } else {
        std::array<char, 32> text{};  // "d.dddddde+XX"
        const auto written = std::to_chars(text.data(), text.data() + text.size(), liquid,
                                           std::chars_format::scientific, 6);
        const std::string digits = std::string(1, text[0]) + std::string(text.data() + 2, 6);
        std::from_chars(digits.data(), digits.data() + digits.size(), units);
        const char* exponent = text.data() + 10;  // after "d.dddddde+"
        std::from_chars(exponent, written.ptr, scale);
        scale -= 6;
    }
    const std::int64_t special = share_of(units, percent + 0.0);  // + 0.0: no "-0" digits
    return {grams_text(special, scale, format), grams_text(units - special, scale, format)};
}

}  // namespace gypsomix
