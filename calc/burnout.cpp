#include "calc/burnout.h"

#include <algorithm>
#include <array>
#include <boost/multiprecision/cpp_int.hpp>

#include "calc/checked_steps.h"
#include "catalogue/number_syntax.h"

namespace gypsomix {
namespace {

namespace mp = boost::multiprecision;
// Without expression templates: each operation gives its value, plain to read and to analyse.
using Integer = mp::number<mp::cpp_int_backend<>, mp::et_off>;

// A number exactly as its text writes it: units × 10^exponent.
struct Decimal {
    Integer units;
    long long exponent = 0;
};

Integer power_of_ten(long long exponent) {
    return mp::pow(Integer(10), unsigned(exponent));
}

// a − b, exactly.
Decimal difference(const Decimal& a, const Decimal& b) {
    const long long common = std::min(a.exponent, b.exponent);
    return {
        a.units * power_of_ten(a.exponent - common) - b.units * power_of_ten(b.exponent - common),
        common};
}

// ⌈ n × 10^exponent / d ⌉ for n ≥ 0 and d > 0.
Integer ceiling(const Integer& n, long long exponent, const Integer& d) {
    const Integer numerator = exponent > 0 ? n * power_of_ten(exponent) : n;
    const Integer denominator = exponent < 0 ? d * power_of_ten(-exponent) : d;
    return (numerator + denominator - 1) / denominator;
}
using detail::quoted;
using std::chrono::minutes;

Message field_name(BurnoutField field) {
    switch (field) {
        case BurnoutField::start_temperature:
            return core_text("PlanField", "température de départ");
        case BurnoutField::target:
            return core_text("PlanField", "température visée");
        case BurnoutField::rate:
            return core_text("PlanField", "vitesse de montée");
        case BurnoutField::hold:
            return core_text("PlanField", "palier");
        case BurnoutField::total:
            return core_text("PlanField", "durée totale");
        case BurnoutField::bench_rest:
            return core_text("PlanField", "repos avant cuisson");
    }
    return value_text("");
}

// "Type incompatible (étape 2, vitesse de montée) : « x » n'est pas un nombre."
[[noreturn]] void fail(ErrorNumber number, int step, BurnoutField field, Message what) {
    Message description =
        step > 0 ? core_text("PlanFault", "%1 (étape %2, %3) : %4.")
                       .with({detail::error_title(number), value_text(std::to_string(step)),
                              field_name(field), std::move(what)})
                 : core_text("PlanFault", "%1 (%2) : %3.")
                       .with({detail::error_title(number), field_name(field), std::move(what)});
    throw BurnoutError(number, std::move(description), step, field);
}

// The exact value of a field text, read by the same scanner and syntax as every field: the
// scanner says whether it is a number, and its digits, separator and exponent give the value.
Decimal exact_value(std::string_view text, const NumberFormat& format, int step,
                    BurnoutField field) {
    const NumberSyntax syntax = strict_number_syntax(format);
    const NumberScan scan = scan_number(text, syntax);
    if (scan.stop == NumberStop::out_of_range) {
        fail(ErrorNumber::overflow, step, field, detail::refused_text(ErrorNumber::overflow, text));
    }
    if (scan.stop != NumberStop::complete) {
        fail(ErrorNumber::type_mismatch, step, field,
             detail::refused_text(ErrorNumber::type_mismatch, text));
    }
    std::string digits;
    long long fraction_digits = 0;
    long long written_exponent = 0;
    bool fraction = false;
    bool negative = false;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c == '.' && syntax.point_too) {
            fraction = true;
            ++at;
        } else if (!syntax.decimal.empty() && text.substr(at).starts_with(syntax.decimal)) {
            fraction = true;
            at += syntax.decimal.size();
        } else if (c >= '0' && c <= '9') {
            if (!digits.empty() || c != '0') {
                digits += c;  // no leading zero: the big integer would read the digits as octal
            }
            fraction_digits += fraction ? 1 : 0;
            ++at;
        } else if (c == 'e' || c == 'E') {
            // Scanned already: a sign, then digits. Held below 10^12, far beyond any real.
            const bool down = text[at + 1] == '-';
            for (++at; at < text.size(); ++at) {
                if (text[at] >= '0' && text[at] <= '9' && written_exponent < 1'000'000'000'000) {
                    written_exponent = written_exponent * 10 + (text[at] - '0');
                }
            }
            written_exponent = down ? -written_exponent : written_exponent;
        } else {
            negative = negative || c == '-';
            ++at;  // a sign, a blank or a group separator
        }
    }
    if (digits.empty()) {
        return {};
    }
    if (scan.value == 0) {
        // Below the smallest real: its digits would take more memory than the oven is worth.
        fail(ErrorNumber::overflow, step, field,
             core_text("PlanFault", "%1 est en deçà des limites d'un nombre réel")
                 .with({quoted(text)}));
    }
    // A real's range bounds the exponent by the count of digits typed.
    const Integer units(digits);
    return {negative ? Integer(-units) : units, written_exponent - fraction_digits};
}

Decimal temperature(std::string_view text, const NumberFormat& format, int step,
                    BurnoutField field) {
    Decimal value = exact_value(text, format, step, field);
    if (difference(value, {-27315, -2}).units < 0) {
        fail(ErrorNumber::invalid_argument, step, field,
             core_text("PlanFault", "%1 °C est en dessous du zéro absolu, −273,15 °C")
                 .with({quoted(text)}));
    }
    return value;
}

Decimal not_negative(std::string_view text, const NumberFormat& format, int step,
                     BurnoutField field, const char* unit) {
    Decimal value = exact_value(text, format, step, field);
    if (value.units < 0) {
        fail(ErrorNumber::invalid_argument, step, field,
             core_text("PlanFault", "%1 %2 est négatif").with({quoted(text), value_text(unit)}));
    }
    return value;
}

}  // namespace

BurnoutTimeline burnout_timeline(const std::vector<BurnoutStep>& steps,
                                 std::string_view start_temperature, const NumberFormat& format) {
    Decimal previous = temperature(start_temperature, format, 0, BurnoutField::start_temperature);
    // Minutes from the start, exact: a step can be any length until the total is checked.
    std::vector<std::array<Integer, 3>> times;
    Integer end = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int step = int(i) + 1;
        const Decimal target = temperature(steps[i].target, format, step, BurnoutField::target);
        const Decimal rate = not_negative(steps[i].rate, format, step, BurnoutField::rate, "°C/h");
        const Decimal hold = not_negative(steps[i].hold, format, step, BurnoutField::hold, "min");
        // ⌈ |target − previous| × 60 / rate ⌉, none at rate 0.
        const Decimal climb = difference(target, previous);
        const Integer ramp = rate.units == 0 ? Integer(0)
                                             : ceiling(mp::abs(climb.units) * 60,
                                                       climb.exponent - rate.exponent, rate.units);
        const Integer ramp_start = end;
        const Integer hold_start = ramp_start + ramp;
        end = hold_start + ceiling(hold.units, hold.exponent, 1);
        times.push_back({ramp_start, hold_start, end});
        previous = target;
    }
    if (end > burnout_longest.count()) {
        fail(ErrorNumber::overflow, 0, BurnoutField::total,
             core_text("PlanFault", "le programme dure plus de 7 jours (10 080 min)"));
    }
    BurnoutTimeline timeline{{}, minutes(end.convert_to<long long>())};
    for (const auto& [ramp_start, hold_start, hold_end] : times) {
        timeline.steps.push_back({minutes(ramp_start.convert_to<long long>()),
                                  minutes(hold_start.convert_to<long long>()),
                                  minutes(hold_end.convert_to<long long>())});
    }
    return timeline;
}

minutes bench_rest(std::string_view text, const NumberFormat& format) {
    const Decimal typed = not_negative(text, format, 0, BurnoutField::bench_rest, "min");
    const Integer rest = ceiling(typed.units, typed.exponent, 1);
    if (rest > burnout_longest.count()) {
        fail(ErrorNumber::overflow, 0, BurnoutField::bench_rest,
             core_text("PlanFault", "%1 min dépasse 7 jours (10 080 min)").with({quoted(text)}));
    }
    return minutes(rest.convert_to<long long>());
}

CastingDay casting_day(const BurnoutTimeline& timeline, std::chrono::sys_seconds cast_at,
                       minutes rest) {
    CastingDay day;
    day.cast = cast_at;
    day.oven_start = cast_at - timeline.total;
    day.mixing = day.oven_start - rest;
    for (const TimedStep& step : timeline.steps) {
        day.steps.push_back({day.oven_start + step.ramp_start, day.oven_start + step.hold_start,
                             day.oven_start + step.hold_end});
    }
    return day;
}

std::chrono::local_seconds local_clock_time(std::chrono::sys_seconds at, const UtcOffset& offset) {
    return std::chrono::local_seconds(at.time_since_epoch() + offset(at));
}

int days_after(std::chrono::sys_seconds first, std::chrono::sys_seconds then,
               const UtcOffset& offset) {
    const auto day = [&](std::chrono::sys_seconds at) {
        return std::chrono::floor<std::chrono::days>(local_clock_time(at, offset));
    };
    return int((day(then) - day(first)).count());
}

std::vector<OvenPhase> oven_phases(const BurnoutTimeline& timeline) {
    std::vector<OvenPhase> phases;
    for (std::size_t i = 0; i < timeline.steps.size(); ++i) {
        const TimedStep& step = timeline.steps[i];
        if (step.hold_start > step.ramp_start) {
            phases.push_back({OvenPhase::Kind::ramp, i, step.ramp_start, step.hold_start});
        }
        if (step.hold_end > step.hold_start) {
            phases.push_back({OvenPhase::Kind::hold, i, step.hold_start, step.hold_end});
        }
    }
    return phases;
}

OvenProgress oven_progress(const std::vector<OvenPhase>& phases, std::chrono::seconds elapsed) {
    using State = OvenProgress::State;
    if (elapsed < std::chrono::seconds::zero()) {
        return {State::waiting, 0, -elapsed, 0};
    }
    // Phases follow one another without a gap: the first whose end is still to come runs.
    const auto running = std::find_if(phases.begin(), phases.end(),
                                      [&](const OvenPhase& phase) { return elapsed < phase.end; });
    const auto index = std::size_t(running - phases.begin());
    if (running == phases.end()) {
        return {State::done, index, std::chrono::seconds::zero(), phases.size() + 1};
    }
    return {State::running, index, running->end - elapsed, index + 1};
}

}  // namespace gypsomix
