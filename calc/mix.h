#pragma once

#include <string>
#include <string_view>

#include "calc/number_text.h"

namespace gypsomix {

enum class Margin { Brut, Plus5, Plus10 };

// Flask volume in dm³ from diameter and height in mm, as the text shown for it.
std::string flask_volume(std::string_view diameter_text, std::string_view height_text,
                         const NumberFormat& format);

struct Masses {
    std::string powder;
    std::string water;
};

// Grams of investment powder and of water that fill the flask, as the texts shown for them.
Masses mix_masses(std::string_view density_text, std::string_view water_text,
                  std::string_view volume_text, Margin margin, const NumberFormat& format);

}  // namespace gypsomix
