#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/mix.h"
#include "calc/number_text.h"
#include "catalogue/run_time_error.h"

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

// Where a plan went wrong, so the plan window can mark that field without reading the text.
enum class PlanField {
    density,          // the job's density of the liquid investment
    water,            // the job's water percentage
    count,            // a line's number of flasks
    diameter,         // a line's diameter
    height,           // a line's height
    flask_volume,     // a line's volume of one flask, beyond range
    deduction,        // a line's wax tree and base, cm³
    volume,           // the volume to fill, beyond range
    masses,           // the masses of that volume, beyond range
    liquid,           // the liquid to split
    concentration,    // the share of special liquid in it
    metal_density,    // the chosen metal's density
    pattern_density,  // the density of the pattern it replaces
    metal_extra,      // the extra for sprues and button, %
    metal_button,     // the button of each flask, g
    pattern,          // a line's pattern of one flask, g; also its flask's metal, beyond range
    metal_total,      // the metal to melt, beyond range
    powder_price,     // the price of the powder, per kg
    metal_price,      // the price of the metal, per gram
    cost,             // the cost of the job, beyond range
};

// A RunTimeError of a plan, with its line in the table (from 1; 0 for the job's own fields and
// the results) and its field.
class PlanError : public RunTimeError {
  public:
    PlanError(ErrorNumber number, const std::string& description, int line, PlanField field)
        : RunTimeError(number, description), line_(line), field_(field) {}
    PlanError(ErrorNumber number, Message message, int line, PlanField field)
        : RunTimeError(number, std::move(message)), line_(line), field_(field) {}

    int line() const noexcept { return line_; }
    PlanField field() const noexcept { return field_; }

  private:
    int line_;
    PlanField field_;
};

struct PlanResult {
    std::vector<std::string> flask_volumes;  // dm³ of one flask per line, before deduction
    std::string volume;                      // dm³ to fill
    Masses masses;                           // powder and water (all the liquid)
};

// The volume of one flask per line and the volume to fill: plan_masses before its masses, for a
// plan whose material is not chosen yet. Throws PlanError, checking line by line as below.
PlanResult plan_volume(const std::vector<PlanLine>& lines, const NumberFormat& format);

// Several flasks filled from one bowl: the volume to fill, then the masses of that volume.
// Inch lengths may be written as fractions: "2 1/2", "2½", "2 ½", "1/2", "1⅛". Throws PlanError;
// the fields are checked density, water, then line by line count, diameter, height, the flask's
// volume and deduction, then the volume to fill and its masses: the first fault is reported.
PlanResult plan_masses(std::string_view density, std::string_view water_percent,
                       const std::vector<PlanLine>& lines, Margin margin,
                       const NumberFormat& format);

struct LiquidSplit {
    std::string special;
    std::string water;
};

// The liquid shared between special liquid and water; the two always add up to the liquid.
// The liquid is whole grams as a mass text shows them (7 digits, so above 10^7 g the split is
// made in units of the last digit shown); special = floor(liquid × percent / 100) with the
// percent taken as the decimal typed. Throws PlanError on the liquid, then the concentration.
LiquidSplit split_liquid(std::string_view liquid_grams, std::string_view special_percent,
                         const NumberFormat& format);

}  // namespace gypsomix
