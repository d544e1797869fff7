#include "calc/mix.h"

#include "calc/checked_steps.h"

namespace gypsomix {
namespace {

using detail::Steps;

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
