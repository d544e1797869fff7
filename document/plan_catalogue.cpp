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

const Message material_value_names[] = {
    core_text("PlanField", "eau utilisée"),
    core_text("PlanField", "temps de malaxage"),
    core_text("PlanField", "temps de gel"),
    core_text("PlanField", "temps de coulabilité"),
    core_text("PlanField", "densité"),
    core_text("PlanField", "expansion à 1 heure"),
    core_text("PlanField", "expansion à 2 heures"),
};
const Message flask_value_names[] = {core_text("PlanField", "diamètre"),
                                     core_text("PlanField", "hauteur")};
const Message metal_value_names[] = {core_text("PlanField", "densité")};
const Message step_value_names[] = {core_text("PlanField", "température"),
                                    core_text("PlanField", "vitesse"),
                                    core_text("PlanField", "palier")};

// Items said one after the other: "a, b, c".
void append(Message& said, Message item) {
    said = said.text.empty()
               ? std::move(item)
               : core_text("CatalogueNote", "%1, %2").with({std::move(said), std::move(item)});
}

void note(CatalogueMatch& match, Message message) {
    match.messages.push_back(std::move(message));
}

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
Message differences(const std::vector<std::string>& saved, const std::vector<std::string>& now,
                    const Message* names, std::size_t count, const NumberFormat& format) {
    Message said;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string before = i < saved.size() ? saved[i] : std::string();
        const std::string after = i < now.size() ? now[i] : std::string();
        if (before != after) {
            append(said, core_text("CatalogueNote", "%1 %2 → %3")
                             .with({names[i], value_text(to_regional(before, format)),
                                    value_text(to_regional(after, format))}));
        }
    }
    return said;
}

Message unreadable(const char* path, const RunTimeError& error) {
    return core_text("CatalogueNote",
                     "Le catalogue %1 n'a pas pu être lu (erreur d'exécution %2 : %3) : les "
                     "choix du plan sont gardés tels qu'enregistrés.")
        .with({value_text(path), value_text(std::to_string(int(error.number()))), error.message()});
}

void match_material(PlanDocument& plan, CatalogueMatch& match, const NumberFormat& format) {
    CatalogueChoice& material = *plan.material;
    Catalogue materials(MatRecord::path, MatRecord::fields);
    const auto& record = materials.find(material.name);
    if (!record) {
        note(match, core_text("CatalogueNote",
                              "Le revêtement %1 n'est plus dans le catalogue : choisissez un "
                              "revêtement.")
                        .with({detail::quoted(material.name)}));
        plan.material.reset();
        match.changed = true;
        return;
    }
    std::vector<std::string> now = invariant_values(*record);
    if (now != material.values) {
        note(match, core_text("CatalogueNote",
                              "Le revêtement %1 a changé dans le catalogue depuis "
                              "l'enregistrement du plan (%2) : ses valeurs d'aujourd'hui sont "
                              "prises.")
                        .with({detail::quoted(material.name),
                               differences(material.values, now, material_value_names,
                                           std::size(material_value_names), format)}));
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
        const Message number = value_text(std::to_string(i + 1));
        const auto& record = flasks.find(line.flask->name);
        if (!record) {
            note(match, core_text("CatalogueNote",
                                  "Ligne %1 : le cylindre %2 n'est plus dans le catalogue : sa "
                                  "taille est gardée, en « Autre ».")
                            .with({number, detail::quoted(line.flask->name)}));
            line.flask.reset();
            match.changed = true;
            continue;
        }
        std::vector<std::string> now = invariant_values(*record);
        if (now != line.flask->values) {
            note(match, core_text("CatalogueNote",
                                  "Ligne %1 : le cylindre %2 a changé dans le catalogue depuis "
                                  "l'enregistrement (%3) : sa taille d'aujourd'hui est prise.")
                            .with({number, detail::quoted(line.flask->name),
                                   differences(line.flask->values, now, flask_value_names,
                                               std::size(flask_value_names), format)}));
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
        note(match, core_text("CatalogueNote",
                              "Le métal %1 n'est plus dans le catalogue : choisissez un métal.")
                        .with({detail::quoted(metal.name)}));
        plan.metal.reset();
        match.changed = true;
        return;
    }
    const std::vector<std::string> now = invariant_values(*record);
    if (now != std::vector<std::string>{metal.density}) {
        note(match, core_text("CatalogueNote",
                              "Le métal %1 a changé dans le catalogue depuis l'enregistrement du "
                              "plan (%2) : sa densité d'aujourd'hui est prise.")
                        .with({detail::quoted(metal.name),
                               differences({metal.density}, now, metal_value_names,
                                           std::size(metal_value_names), format)}));
        metal.density = now.empty() ? std::string() : now.front();
        match.changed = true;
    }
}

// "étape 2 : palier 120 → 180, étape 5 retirée"
Message step_differences(const std::vector<BurnoutStep>& saved, const std::vector<BurnoutStep>& now,
                         const NumberFormat& format) {
    const auto values = [](const BurnoutStep& step) {
        return std::vector<std::string>{step.target, step.rate, step.hold};
    };
    Message said;
    for (std::size_t i = 0; i < std::max(saved.size(), now.size()); ++i) {
        const Message step = value_text(std::to_string(i + 1));
        if (i >= now.size()) {
            append(said, core_text("CatalogueNote", "étape %1 retirée").with({step}));
        } else if (i >= saved.size()) {
            append(said, core_text("CatalogueNote", "étape %1 ajoutée").with({step}));
        } else if (saved[i] != now[i]) {
            append(said,
                   core_text("CatalogueNote", "étape %1 : %2")
                       .with({step, differences(values(saved[i]), values(now[i]), step_value_names,
                                                std::size(step_value_names), format)}));
        }
    }
    return said;
}

void match_programme(PlanDocument& plan, CatalogueMatch& match, const NumberFormat& format) {
    std::optional<BurnoutProgramme>& programme = plan.burnout->programme;
    const Message name = detail::quoted(programme->name);
    const auto today = find_programme(programme->name);
    if (!today) {
        note(match, core_text("CatalogueNote",
                              "Le programme de cuisson %1 n'est plus dans le catalogue : "
                              "choisissez un programme.")
                        .with({name}));
        programme.reset();
        match.changed = true;
        return;
    }
    if (today->steps != programme->steps) {
        note(match, core_text("CatalogueNote",
                              "Le programme de cuisson %1 a changé dans le catalogue depuis "
                              "l'enregistrement du plan (%2) : ses étapes d'aujourd'hui sont "
                              "prises.")
                        .with({name, step_differences(programme->steps, today->steps, format)}));
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
            note(match, unreadable(MatRecord::path, error));
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
            match.messages.insert(match.messages.end(), found.messages.begin(),
                                  found.messages.end());
            match.changed = match.changed || found.changed;
        } catch (const RunTimeError& error) {
            note(match, unreadable(CylindreRecord::path, error));
        }
    }
    if (plan.metal) {
        try {
            match_metal(plan, match, format);
        } catch (const RunTimeError& error) {
            note(match, unreadable(MetalRecord::path, error));
        }
    }
    if (plan.burnout && plan.burnout->programme) {
        try {
            match_programme(plan, match, format);
        } catch (const RunTimeError& error) {
            note(match, unreadable(CuissonRecord::path, error));
        }
    }
    return match;
}

}  // namespace gypsomix
