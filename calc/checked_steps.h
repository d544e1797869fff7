#pragma once

// Internal to calc/: the checked arithmetic shared by the calculations, and the pieces of their
// French error descriptions.

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "calc/number_text.h"
#include "catalogue/run_time_error.h"

namespace gypsomix::detail {

// Every step is checked, and the first failure stops the calculation: a caster must never read
// a mass computed from an overflowed or undefined intermediate value.
class Steps {
  public:
    explicit Steps(std::string what) : what_(std::move(what)) {}

    double mul(double a, double b) const { return checked(a * b); }
    double add(double a, double b) const { return checked(a + b); }
    double sub(double a, double b) const { return checked(a - b); }
    double div(double a, double b) const {
        if (b == 0) {
            if (a == 0 || std::isnan(a)) {
                fail(ErrorNumber::overflow, "Dépassement de capacité (0 divisé par 0)");
            }
            fail(ErrorNumber::division_by_zero, "Division par zéro");
        }
        return checked(a / b);
    }
    float single(double v) const {
        // Values from here on round to infinity in single precision.
        constexpr double kLimit = 0x1.ffffffp127;
        if (!(std::fabs(v) < kLimit)) {
            fail(ErrorNumber::overflow, "Dépassement de capacité en simple précision");
        }
        return static_cast<float>(v);
    }
    double number(std::string_view text, const NumberFormat& format, const char* field) const {
        try {
            return text_to_number(text, format);
        } catch (const RunTimeError& e) {
            throw RunTimeError(e.error(), std::string(e.what()) + " (" + field + ")");
        }
    }

  private:
    double checked(double r) const {
        if (std::isnan(r)) {
            fail(ErrorNumber::overflow, "Dépassement de capacité (opération invalide)");
        }
        if (std::isinf(r)) {
            fail(ErrorNumber::overflow, "Dépassement de capacité");
        }
        return r;
    }
    [[noreturn]] void fail(ErrorNumber number, const char* reason) const {
        throw RunTimeError(number, std::string(reason) + " dans le calcul " + what_ + ".");
    }

    std::string what_;
};

// The name a run-time report gives each number, which starts every description.
inline Message error_title(ErrorNumber number) {
    switch (number) {
        case ErrorNumber::invalid_argument:
            return core_text("RunTimeError", "Appel de procédure ou argument incorrect");
        case ErrorNumber::overflow:
            return core_text("RunTimeError", "Dépassement de capacité");
        case ErrorNumber::division_by_zero:
            return core_text("RunTimeError", "Division par zéro");
        case ErrorNumber::type_mismatch:
            return core_text("RunTimeError", "Type incompatible");
        default:
            // the catalogue's numbers, not raised by calc/
            return core_text("RunTimeError", "Erreur d'exécution");
    }
}

inline bool is_blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// A field text quoted the French way, cut short so a pasted paragraph cannot flood the report.
inline Message quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    if (text.size() <= kShown) {
        return core_text("PlanFault", "« %1 »").with({value_text(std::string(text))});
    }
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;  // not inside a UTF-8 sequence
    }
    return core_text("PlanFault", "« %1… »").with({value_text(std::string(text.substr(0, cut)))});
}

// What is wrong with a field text that text_to_number refused with `number`.
inline Message refused_text(ErrorNumber number, std::string_view text) {
    if (number == ErrorNumber::overflow) {
        return core_text("PlanFault", "%1 dépasse les limites d'un nombre réel")
            .with({quoted(text)});
    }
    if (is_blank(text)) {
        return core_text("PlanFault", "le champ est vide, ce n'est pas un nombre");
    }
    return core_text("PlanFault", "%1 n'est pas un nombre").with({quoted(text)});
}

}  // namespace gypsomix::detail
