#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/plan_document.h"

namespace gypsomix {

// One programme of the burnout catalogue, as its list shows it.
struct ProgrammeEntry {
    std::string name;
    int first;  // the ordinal of its first step's record
    int steps;
};

// Every programme of Data/Cuisson.txt, in file order: consecutive records of one name are one
// programme, listed once. A name that comes back after another is a programme of its own. Throws
// RunTimeError for a catalogue that cannot be read.
std::vector<ProgrammeEntry> list_programmes();

// Today's steps of the first programme called `name`, read again from the catalogue, in the plan
// file's invariant form; nothing when the catalogue has no such programme. Throws RunTimeError.
std::optional<BurnoutProgramme> find_programme(const std::string& name);

}  // namespace gypsomix
