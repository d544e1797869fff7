#pragma once

#include <optional>

#include "calc/metal.h"
#include "calc/plan.h"
#include "document/plan_document.h"

namespace gypsomix {

// The cost of the job by part, in the regional format: "" where its price is not given or a
// mass it needs is not known yet, and a total only once every part priced is known.
struct JobCosts {
    std::string powder;
    std::string metal;
    std::string total;
};

// What a plan gives, worked out from the document alone: the window, the mixing sheet, the
// command line and the journal all show these same figures.
struct PlanFigures {
    bool has_material = false;         // masses are worked out only for a chosen material
    PlanResult result;                 // texts in the regional format; empty where not worked out
    std::optional<LiquidSplit> split;  // with special liquid, once the masses are known
    std::optional<PlanError> error;    // the first fault; no figure stands beside it
    // The metal to melt, once a metal is chosen, and the costs, from the lines' patterns and
    // counts and the prices.
    std::optional<MetalResult> metal;
    JobCosts cost;
    // The first fault of the metal or of the prices: the metal's figures and the costs are
    // emptied beside it, the masses are not (see plan_figures).
    std::optional<PlanError> metal_error;
};

// The lines in the regional form that the plan's arithmetic reads.
std::vector<PlanLine> regional_lines(const PlanDocument& plan, const NumberFormat& format);

PlanFigures plan_figures(const PlanDocument& plan, const NumberFormat& format);

}  // namespace gypsomix
