#pragma once

#include <optional>

#include "calc/plan.h"
#include "document/plan_document.h"

namespace gypsomix {

// What a plan gives, worked out from the document alone: the window, the mixing sheet, the
// command line and the journal all show these same figures.
struct PlanFigures {
    bool has_material = false;         // masses are worked out only for a chosen material
    PlanResult result;                 // texts in the regional format; empty where not worked out
    std::optional<LiquidSplit> split;  // with special liquid, once the masses are known
    std::optional<PlanError> error;    // the first fault; no figure stands beside it
};

// The lines in the regional form that the plan's arithmetic reads.
std::vector<PlanLine> regional_lines(const PlanDocument& plan, const NumberFormat& format);

PlanFigures plan_figures(const PlanDocument& plan, const NumberFormat& format);

}  // namespace gypsomix
