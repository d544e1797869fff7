#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/burnout.h"
#include "calc/plan.h"

namespace gypsomix {

// A catalogue entry as the caster saw it when choosing it: its name in the catalogue and its
// values in the invariant form ("1.72"), in catalogue order.
struct CatalogueChoice {
    std::string name;
    std::vector<std::string> values;

    bool operator==(const CatalogueChoice&) const = default;
};

// One flask line as typed. Every number is kept in the invariant form ("76.2"); an inch length
// may keep its fraction ("2 1/2", "2½"). An empty text is a field not filled in yet.
struct DocumentLine {
    std::optional<CatalogueChoice> flask;  // none: « Autre »; else its diameter and height in mm
    std::string diameter;
    std::string height;
    LengthUnit unit = LengthUnit::millimetre;
    int count = 1;          // 1 to 999
    std::string tree_cm3;   // one flask's wax tree and rubber base; empty for none
    std::string pattern_g;  // grams of one flask's pattern, without its base; empty for none

    bool operator==(const DocumentLine&) const = default;
};

struct MetalChoice {
    std::string name;
    std::string density;  // g/cm³, as the catalogue gives it
    std::string pattern_density = "1";
    std::string extra_percent = "10";  // sprues and button
    std::string button_g = "0";        // per flask

    bool operator==(const MetalChoice&) const = default;
};

struct Prices {
    std::string powder_per_kg;
    std::string metal_per_g;

    bool operator==(const Prices&) const = default;
};

struct BurnoutProgramme {
    std::string name;
    std::vector<BurnoutStep> steps;

    bool operator==(const BurnoutProgramme&) const = default;
};

struct Burnout {
    std::optional<BurnoutProgramme> programme;
    std::string start_temperature;               // °C
    std::string bench_rest_min;                  // minutes on the bench before the oven
    std::string cast_at;                         // ISO 8601 with its UTC offset; empty: not set
    std::optional<std::string> oven_started_at;  // ISO 8601; none until the oven is started

    bool operator==(const Burnout&) const = default;
};

// A plan has 1 to this many lines, and a line 1 to this many flasks: a burnout takes a few.
inline constexpr int plan_max_lines = 999;
inline constexpr int plan_max_count = 999;

// Everything a casting plan holds: what the caster typed and chose, never what follows from it.
struct PlanDocument {
    std::optional<CatalogueChoice> material;  // the seven values of its record, fields 2 to 8
    std::string water_percent;                // the job's water, « Eau pour ce mélange (%) »
    int margin = 0;                           // 0, 5 or 10
    std::optional<std::string> special_liquid_percent;  // none: no special liquid
    std::vector<DocumentLine> lines = std::vector<DocumentLine>(1);
    std::optional<MetalChoice> metal;
    Prices prices;
    std::optional<Burnout> burnout;
    std::string notes;

    bool operator==(const PlanDocument&) const = default;
};

}  // namespace gypsomix
