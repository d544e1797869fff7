#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/number_text.h"
#include "calc/plan.h"

namespace gypsomix {

// One flask line as the metal sees it: the pattern of one flask and how many flasks.
struct MetalLine {
    // One flask's pattern without its base, regional format; empty: none.
    std::string pattern_grams;
    int count = 1;
};

struct MetalResult {
    // Whole grams of metal for one flask of each line; "" where no pattern.
    std::vector<std::string> per_flask;
    // Whole grams for the plan; "" when no line has a pattern.
    std::string total;
};

// The metal to melt, by the suppliers' rule: one flask takes
// ⌈ pattern × metal density × (100 + extra) / (100 × pattern density) + button ⌉ grams, the
// smallest whole gram not below the exact value, so the metal is never short; the plan takes the
// sum over its lines of count × that. Every text is taken at its exact decimal value. Throws
// PlanError, checking the metal density, the pattern density, the extra, the button, then line
// by line the count and the pattern, then the total: the first fault is reported.
MetalResult metal_masses(std::string_view metal_density, std::string_view pattern_density,
                         std::string_view extra_percent, std::string_view button_grams,
                         const std::vector<MetalLine>& lines, const NumberFormat& format);

// Cost of powder and metal: powder grams × price per kg / 1000 + metal grams × price per gram,
// rounded half up to the cent, written with two decimals and no grouping ("12,35"). An empty
// price leaves its part out; both empty gives "". Throws PlanError, checking the powder price,
// the metal price, the masses of the parts priced, then the cost.
std::string job_cost(std::string_view powder_grams, std::string_view powder_price_per_kg,
                     std::string_view metal_grams, std::string_view metal_price_per_gram,
                     const NumberFormat& format);

}  // namespace gypsomix
