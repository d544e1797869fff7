#include "document/plan_figures.h"

#include "document/invariant_text.h"

namespace gypsomix {
namespace {

// The density of the liquid investment is the fifth of the material's seven values.
constexpr std::size_t density_value = 4;

// The metal and the costs, after the masses. A fault here empties only the figures it touches:
// the metal is melted hours after the flasks are invested, so a slip in its fields must not take
// away the masses the caster is weighing from, as no mass depends on them.
void metal_figures(const PlanDocument& plan, const NumberFormat& format, PlanFigures& figures) {
    if (plan.metal) {
        std::vector<MetalLine> lines;
        lines.reserve(plan.lines.size());
        for (const DocumentLine& line : plan.lines) {
            lines.push_back({to_regional(line.pattern_g, format), line.count});
        }
        try {
            const MetalChoice& metal = *plan.metal;
            figures.metal = metal_masses(to_regional(metal.density, format),
                                         to_regional(metal.pattern_density, format),
                                         to_regional(metal.extra_percent, format),
                                         to_regional(metal.button_g, format), lines, format);
        } catch (const PlanError& error) {
            figures.metal_error = error;  // and no metal: no cost of it, nor a total
        }
    }
    const std::string powder_price = to_regional(plan.prices.powder_per_kg, format);
    const std::string metal_price = to_regional(plan.prices.metal_per_g, format);
    // The powder as weighed, margin included, and the metal as melted; empty until known.
    const std::string powder =
        figures.has_material && !figures.error ? figures.result.masses.powder : std::string();
    const std::string metal = figures.metal ? figures.metal->total : std::string();
    try {
        // A price is read even before its mass is known, so that a slip in it shows at once.
        const std::string powder_cost =
            job_cost(powder.empty() ? "0" : powder, powder_price, "", "", format);
        const std::string metal_cost =
            job_cost("", "", metal.empty() ? "0" : metal, metal_price, format);
        JobCosts cost{powder.empty() ? "" : powder_cost, metal.empty() ? "" : metal_cost, ""};
        // A total missing a part that has a price would be short.
        const auto known = [](const std::string& price, const std::string& mass) {
            return price.find_first_not_of(" \t") == std::string::npos || !mass.empty();
        };
        if (known(powder_price, powder) && known(metal_price, metal)) {
            cost.total = job_cost(powder, powder_price, metal, metal_price, format);
        }
        figures.cost = cost;
    } catch (const PlanError& error) {
        if (!figures.metal_error) {  // the metal's fault comes first
            figures.metal_error = error;
        }
    }
}

}  // namespace

std::vector<PlanLine> regional_lines(const PlanDocument& plan, const NumberFormat& format) {
    std::vector<PlanLine> lines;
    lines.reserve(plan.lines.size());
    for (const DocumentLine& line : plan.lines) {
        lines.push_back({to_regional(line.diameter, format), to_regional(line.height, format),
                         line.unit, line.count, to_regional(line.tree_cm3, format)});
    }
    return lines;
}

PlanFigures plan_figures(const PlanDocument& plan, const NumberFormat& format) {
    PlanFigures figures;
    figures.has_material = plan.material && plan.material->values.size() > density_value;
    try {
        const std::vector<PlanLine> lines = regional_lines(plan, format);
        if (!figures.has_material) {
            figures.result = plan_volume(lines, format);
        } else {
            figures.result = plan_masses(to_regional(plan.material->values[density_value], format),
                                         to_regional(plan.water_percent, format), lines,
                                         plan.margin == 10  ? Margin::Plus10
                                         : plan.margin == 5 ? Margin::Plus5
                                                            : Margin::Brut,
                                         format);
            if (plan.special_liquid_percent) {
                figures.split =
                    split_liquid(figures.result.masses.water,
                                 to_regional(*plan.special_liquid_percent, format), format);
            }
        }
    } catch (const PlanError& error) {
        // No figure may stand that does not follow from every field.
        figures.result = {};
        figures.split.reset();
        figures.error = error;
    }
    metal_figures(plan, format, figures);
    return figures;
}

}  // namespace gypsomix
