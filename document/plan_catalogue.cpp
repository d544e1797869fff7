#include "document/plan_catalogue.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>

#include "calc/checked_steps.h"
#include "catalogue/catalogue.h"
#include "document/burnout_catalogue.h"
#include "document/invariant_text.h"

namespace gypsomix {
namespace {

const char* const material_value_names[] = {
    "eau utilisée", "temps de malaxage",   "temps de gel",         "temps de coulabilité",
    "densité",      "expansion à 1 heure", "expansion à 2 heures",
};
const char* const flask_value_names[] = {"diamètre", "hauteur"};
const char* const metal_value_names[] = {"densité"};
const char* const step_value_names[] = {"température", "vitesse", "palier"};

// Today's records by name, each read once: the first entry of a name is the one a list finds.
class Catalogue {
  public:
    Catalogue(const char* path, int fields) : path_(path), fields_(fields) {}

    const std::optional<std::vector<FieldValue>>& find(const std::string& name) {
        if (!listed_) {
            for_each_entry(path_, fields_, [this](std::string& entry, int at) {
                ordinals_.try_emplace(std::move(entry), at);
            });
            listed_ = true;
        }
        auto [found, fresh] = records_.try_emplace(name);
        if (fresh) {
            if (const auto at = ordinals_.find(name); at != ordinals_.end()) {
                found->second = fetch_record(path_, fields_, at->second);
            }
        }
        return found->second;
    }

  private:
    const char* path_;
    int fields_;
    bool listed_ = false;
    std::unordered_map<std::string, int> ordinals_;
    std::map<std::string, std::optional<std::vector<FieldValue>>> records_;
};

// "densité 1,72 → 1,75, hauteur 100 → 101,6"
std::string differences(const std::vector<std::string>& saved, const std::vector<std::string>& now,
                        const char* const* names, std::size_t count, const NumberFormat& format) {
    std::string said;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string before = i < saved.size() ? saved[i] : std::string();
        const std::string after = i < now.size() ? now[i] : std::string();
        if (before != after) {
            said += (said.empty() ? "" : ", ") + std::string(names[i]) + " " +
                    to_regional(before, format) + " → " + to_regional(after, format);
        }
    }
    return said;
}

std::string unreadable(const char* path, const RunTimeError& error) {
    return std::string("Le catalogue ") + path + " n'a pas pu être lu (erreur d'exécution " +
           std::to_string(int(error.number())) + " : " + error.what() +
           ") : les choix du plan sont gardés tels qu'enregistrés.";
}

void match_material(PlanDocument& plan, CatalogueMatch& match, const NumberFormat& format) {
    CatalogueChoice& material = *plan.material;
    Catalogue materials(MatRecord::path, MatRecord::fields);
    const auto& record = materials.find(material.name);
    if (!record) {
        match.notes.push_back("Le revêtement " + detail::quoted(material.name) +
                              " n'est plus dans le catalogue : choisissez un revêtement.");
        plan.material.reset();
        match.changed = true;
        return;
    }
    std::vector<std::string> now = invariant_values(*record);
    if (now != material.values) {
        match.notes.push_back("Le revêtement " + detail::quoted(material.name) +
                              " a changé dans le catalogue depuis l'enregistrement du plan (" +
                              differences(material.values, now, material_value_names,
                                          std::size(material_value_names), format) +
                              ") : ses valeurs d'aujourd'hui sont prises.");
        material.values = std::move(now);
        match.changed = true;
    }
}

void match_flasks(PlanDocument& plan, CatalogueMatch& match, const NumberFormat& format) {
    Catalogue flasks(CylindreRecord::path, CylindreRecord::fields);
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        DocumentLine& line = plan.lines[i];
        if (!line.flask) {
            continue;
        }
        const std::string where =
            "Ligne " + std::to_string(i + 1) + " : le cylindre " + detail::quoted(line.flask->name);
        const auto& record = flasks.find(line.flask->name);
        if (!record) {
            match.notes.push_back(where +
                                  " n'est plus dans le catalogue : sa taille est gardée, en « "
                                  "Autre ».");
            line.flask.reset();
            match.changed = true;
            continue;
        }
        std::vector<std::string> now = invariant_values(*record);
        if (now != line.flask->values) {
            match.notes.push_back(where + " a changé dans le catalogue depuis l'enregistrement (" +
                                  differences(line.flask->values, now, flask_value_names,
                                              std::size(flask_value_names), format) +
                                  ") : sa taille d'aujourd'hui est prise.");
            line.flask->values = std::move(now);
            match.changed = true;
        }
        // A catalogue flask is sized in millimetres, as the catalogue gives it.
        if (line.flask->values.size() == 2) {
            DocumentLine sized = line;
            sized.diameter = line.flask->values[0];
            sized.height = line.flask->values[1];
            sized.unit = LengthUnit::millimetre;
            if (!(sized == line)) {
                line = std::move(sized);
                match.changed = true;
            }
        }
    }
}

void match_metal(PlanDocument& plan, CatalogueMatch& match, const NumberFormat& format) {
    MetalChoice& metal = *plan.metal;
    const auto record = find_record(MetalRecord::path, MetalRecord::fields, metal.name);
    if (!record) {
        match.notes.push_back("Le métal " + detail::quoted(metal.name) +
                              " n'est plus dans le catalogue : choisissez un métal.");
        plan.metal.reset();
        match.changed = true;
        return;
    }
    const std::vector<std::string> now = invariant_values(*record);
    if (now != std::vector<std::string>{metal.density}) {
        match.notes.push_back("Le métal " + detail::quoted(metal.name) +
                              " a changé dans le catalogue depuis l'enregistrement du plan (" +
                              differences({metal.density}, now, metal_value_names,
                                          std::size(metal_value_names), format) +
                              ") : sa densité d'aujourd'hui est prise.");
        metal.density = now.empty() ? std::string() : now.front();
        match.changed = true;
    }
}

// "étape 2 : palier 120 → 180, étape 5 retirée"
std::string step_differences(const std::vector<BurnoutStep>& saved,
                             const std::vector<BurnoutStep>& now, const NumberFormat& format) {
    const auto values = [](const BurnoutStep& step) {
        return std::vector<std::string>{step.target, step.rate, step.hold};
    };
    std::string said;
    for (std::size_t i = 0; i < std::max(saved.size(), now.size()); ++i) {
        const std::string step = "étape " + std::to_string(i + 1);
        std::string what;
        if (i >= now.size()) {
            what = step + " retirée";
        } else if (i >= saved.size()) {
            what = step + " ajoutée";
        } else if (saved[i] != now[i]) {
            what = step + " : " +
                   differences(values(saved[i]), values(now[i]), step_value_names,
                               std::size(step_value_names), format);
        }
        if (!what.empty()) {
            said += (said.empty() ? "" : ", ") + what;
        }
    }
    return said;
}

void match_programme(PlanDocument& plan, CatalogueMatch& match, const NumberFormat& format) {
    std::optional<BurnoutProgramme>& programme = plan.burnout->programme;
    const std::string name = detail::quoted(programme->name);
    const auto today = find_programme(programme->name);
    if (!today) {
        match.notes.push_back("Le programme de cuisson " + name +
                              " n'est plus dans le catalogue : choisissez un programme.");
        programme.reset();
        match.changed = true;
        return;
    }
    if (today->steps != programme->steps) {
        match.notes.push_back("Le programme de cuisson " + name +
                              " a changé dans le catalogue depuis l'enregistrement du plan (" +
                              step_differences(programme->steps, today->steps, format) +
                              ") : ses étapes d'aujourd'hui sont prises.");
        programme->steps = today->steps;
        match.changed = true;
    }
}

}  // namespace

std::optional<std::vector<FieldValue>> find_record(const char* path, int fields,
                                                   const std::string& name) {
    return Catalogue(path, fields).find(name);
}

std::vector<std::string> invariant_values(const std::vector<FieldValue>& record) {
    std::vector<std::string> values;
    for (std::size_t i = 1; i < record.size(); ++i) {
        values.push_back(value_to_text(record[i], NumberFormat{}));
    }
    return values;
}

CatalogueMatch match_catalogues(PlanDocument& plan, const NumberFormat& format) {
    CatalogueMatch match;
    if (plan.material) {
        try {
            match_material(plan, match, format);
        } catch (const RunTimeError& error) {
            match.notes.push_back(unreadable(MatRecord::path, error));
        }
    }
    const bool has_flask =
        std::any_of(plan.lines.begin(), plan.lines.end(), [](const auto& l) { return l.flask; });
    if (has_flask) {
        // Matched on a copy, so a catalogue failing halfway leaves every line as saved.
        PlanDocument matched = plan;
        CatalogueMatch found;
        try {
            match_flasks(matched, found, format);
            plan = std::move(matched);
            match.notes.insert(match.notes.end(), found.notes.begin(), found.notes.end());
            match.changed = match.changed || found.changed;
        } catch (const RunTimeError& error) {
            match.notes.push_back(unreadable(CylindreRecord::path, error));
        }
    }
    if (plan.metal) {
        try {
            match_metal(plan, match, format);
        } catch (const RunTimeError& error) {
            match.notes.push_back(unreadable(MetalRecord::path, error));
        }
    }
    if (plan.burnout && plan.burnout->programme) {
        try {
            match_programme(plan, match, format);
        } catch (const RunTimeError& error) {
            match.notes.push_back(unreadable(CuissonRecord::path, error));
        }
    }
    return match;
}

}  // namespace gypsomix
