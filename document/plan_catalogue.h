#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/number_text.h"
#include "catalogue/message.h"
#include "document/plan_document.h"

namespace gypsomix {

// What opening a plan against today's catalogues found.
struct CatalogueMatch {
    // One note for the caster per choice that is gone or changed, or per catalogue that could
    // not be read; none when every choice was found as it was saved.
    std::vector<Message> messages;
    bool changed = false;  // the plan now differs from the file

    // The notes in French.
    std::vector<std::string> notes() const {
        std::vector<std::string> french;
        for (const auto& message : messages) {
            french.push_back(message.french());
        }
        return french;
    }
};

// Looks each catalogue choice of the plan up by name in today's catalogues (Data/Mat.txt,
// Data/Cylindre.txt, Data/Metal.txt and Data/Cuisson.txt from the current folder). A choice
// found with the same values stays; one found with other values takes today's values; a flask
// that is gone becomes « Autre » with its stored size; a material, a metal or a burnout
// programme that is gone is no longer chosen. A catalogue that cannot be read leaves its choices
// as saved and is named in the notes. Values in notes are shown under `format`.
CatalogueMatch match_catalogues(PlanDocument& plan, const NumberFormat& format);

// Today's record of the first entry called `name` in a catalogue, or nothing when it has none.
// Throws RunTimeError for a catalogue that cannot be read.
std::optional<std::vector<FieldValue>> find_record(const char* path, int fields,
                                                   const std::string& name);

// A catalogue record's values from its second field on, in the plan file's invariant form.
std::vector<std::string> invariant_values(const std::vector<FieldValue>& record);

}  // namespace gypsomix
