#include "calc/mix.h"

#include <cmath>

namespace gypsomix {
namespace {

// Every step is checked, and the first failure stops the calculation: a caster must never read
// a mass computed from an overflowed or undefined intermediate value.
class Steps {
  public:
    explicit Steps(const char* what) : what_(what) {}

    double mul(double a, double b) const { return checked(a * b); }
    double add(double a, double b) const { return checked(a + b); }
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

    const char* what_;
};

constexpr const char* kDiameter = "Diamètre du cylindre";
constexpr const char* kHeight = "Hauteur du cylindre";
constexpr const char* kDensity = "Densité du revêtement liquide";
constexpr const char* kWater = "Eau utilisée";
constexpr const char* kVolume = "Volume du cylindre";

}  // namespace

std::string flask_volume(std::string_view diameter_text, std::string_view height_text,
                         const NumberFormat& format) {
    const Steps steps("du volume du cylindre");
    // 3.14 for pi, and the diameter read once per factor, as casters' charts have always used.
    const double a = steps.mul(steps.number(diameter_text, format, kDiameter), 3.14);
    const double b = steps.mul(steps.number(diameter_text, format, kDiameter), a);
    const double c = steps.mul(steps.number(height_text, format, kHeight), b);
    const float volume = steps.single(steps.div(c, 4000000));
    return single_to_text(volume, format);
}

Masses mix_masses(std::string_view density_text, std::string_view water_text,
                  std::string_view volume_text, Margin margin, const NumberFormat& format) {
    const Steps steps("des masses");
    const double density = steps.number(density_text, format, kDensity);
    // The volume as displayed, rounded to 7 digits, not the value the volume step computed.
    const double volume = steps.number(volume_text, format, kVolume);
    const double water = steps.number(water_text, format, kWater);

    const double liquid = steps.mul(steps.mul(volume, density), 1000);
    float powder = steps.single(steps.div(liquid, steps.add(steps.div(water, 100), 1)));
    const double water_again = steps.number(water_text, format, kWater);
    float water_mass = steps.single(steps.div(steps.mul(water_again, powder), 100));

    if (margin == Margin::Plus5) {
        powder = steps.single(steps.mul(powder, 1.05));
        water_mass = steps.single(steps.mul(water_mass, 1.05));
    }
    if (margin == Margin::Plus10) {
        powder = steps.single(steps.mul(powder, 1.1));
        water_mass = steps.single(steps.mul(water_mass, 1.1));
    }
    return {single_to_text(integer_part(powder), format),
            single_to_text(integer_part(water_mass), format)};
}

}  // namespace gypsomix
