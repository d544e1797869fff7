#pragma once

#include <QString>
#include <variant>

#include "document/plan_document.h"

// The plan file's extension and the file dialogs' filter for it.
inline constexpr char kPlanSuffix[] = "gypsoplan";
QString planFileFilter();

// A plan read from a file, or the French sentence that names the file and says why it was
// refused: « Le plan « /chemin/x.gypsoplan » n'a pas pu être ouvert : … ».
std::variant<gypsomix::PlanDocument, QString> readPlanFile(const QString& path);

// Writes the plan whole or not at all; returns the sentence saying why not, or nothing.
QString writePlanFile(const QString& path, const gypsomix::PlanDocument& plan);

// How a plan's file is named to the caster: its file name, « Sans titre » for a new plan.
QString planDisplayName(const QString& path);
