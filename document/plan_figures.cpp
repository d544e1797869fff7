#include "document/plan_figures.h"

#include "document/invariant_text.h"

namespace gypsomix {
namespace {

// The density of the liquid investment is the fifth of the material's seven values.
constexpr std::size_t density_value = 4;

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
            return figures;
        }
        figures.result = plan_masses(to_regional(plan.material->values[density_value], format),
                                     to_regional(plan.water_percent, format), lines,
                                     plan.margin == 10  ? Margin::Plus10
                                     : plan.margin == 5 ? Margin::Plus5
                                                        : Margin::Brut,
                                     format);
        if (plan.special_liquid_percent) {
            figures.split = split_liquid(figures.result.masses.water,
                                         to_regional(*plan.special_liquid_percent, format), format);
        }
    } catch (const PlanError& error) {
        // No figure may stand that does not follow from every field.
        figures.result = {};
        figures.split.reset();
        figures.error = error;
    }
    return figures;
}

}  // namespace gypsomix
