#include "document/burnout_catalogue.h"

#include "catalogue/catalogue.h"
#include "document/plan_catalogue.h"

namespace gypsomix {

std::vector<ProgrammeEntry> list_programmes() {
    std::vector<ProgrammeEntry> programmes;
    for_each_entry(CuissonRecord::path, CuissonRecord::fields, [&](std::string& name, int at) {
        if (!programmes.empty() && programmes.back().name == name) {
            ++programmes.back().steps;
        } else {
            programmes.push_back({std::move(name), at, 1});
        }
    });
    return programmes;
}

std::optional<BurnoutProgramme> find_programme(const std::string& name) {
    for (const ProgrammeEntry& entry : list_programmes()) {
        if (entry.name != name) {
            continue;
        }
        // A programme holds a handful of steps in a small file: a reading per step is nothing.
        BurnoutProgramme programme{name, {}};
        for (int at = entry.first; at < entry.first + entry.steps; ++at) {
            const auto record = fetch_record(CuissonRecord::path, CuissonRecord::fields, at);
            if (!record) {
                return std::nullopt;  // the file was cut short between the two readings
            }
            const std::vector<std::string> values = invariant_values(*record);
            programme.steps.push_back({values.at(0), values.at(1), values.at(2)});
        }
        return programme;
    }
    return std::nullopt;
}

}  // namespace gypsomix
