#pragma once

// Internal to calc/: a plan's fault, described with its place the way the plan window says it.

#include <string>

#include "calc/plan.h"

namespace gypsomix::detail {

// Throws the PlanError "Type incompatible (ligne 2, modèle) : « x » n'est pas un nombre.": the
// error's title, its line (none for the job's own fields and the results), its field, and what
// is wrong.
[[noreturn]] void plan_fault(ErrorNumber number, int line, PlanField field, Message what);

}  // namespace gypsomix::detail
