#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/mix.h"
#include "calc/number_text.h"

namespace gypsomix {

enum class LengthUnit { millimetre, inch };

// One kind of flask in a casting plan: its size, how many, and what each one holds already.
struct PlanLine {
    std::string diameter;  // field text in `unit`, regional format
    std::string height;
    LengthUnit unit = LengthUnit::millimetre;
    int count = 1;
    std::string deduction;  // cm³ of wax tree and rubber base in one flask; empty means none
};

struct PlanResult {
    std::vector<std::string> flask_volumes;  // dm³ of one flask per line, before deduction
    std::string volume;                      // dm³ to fill
    Masses masses;                           // powder and water (all the liquid)
};

// Several flasks filled from one bowl: the volume to fill, then the masses of that volume.
PlanResult plan_masses(std::string_view density, std::string_view water_percent,
                       const std::vector<PlanLine>& lines, Margin margin,
                       const NumberFormat& format);

struct LiquidSplit {
    std::string special;
    std::string water;
};

// The liquid shared between special liquid and water; the two always add up to the liquid.
LiquidSplit split_liquid(std::string_view liquid_grams, std::string_view special_percent,
                         const NumberFormat& format);

}  // namespace gypsomix
