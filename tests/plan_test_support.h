#pragma once

#include "calc/plan.h"
#include "core_test_support.h"

// A plan's fault as the tables write it: its number, line and field.
inline QString fault(int number, int line, gypsomix::PlanField field) {
    return QString("error %1, line %2, field %3").arg(number).arg(line).arg(int(field));
}

// What a call gives, or the fault it reports as fault() writes it, followed by its description
// unless that quotes `quoted`, names the line (none for the job's fields and the results) and, for
// error 5, starts with its title.
template <class Call>
QString outcomeOf(Call&& call, const QString& quoted) {
    QString shown;
    int line = -1;
    gypsomix::PlanField field{};
    const Failure f = failureOf<gypsomix::PlanError>(
        [&] { shown = call(); },
        [&](const gypsomix::PlanError& e) { line = e.line(), field = e.field(); });
    const QString& d = f.description;
    const bool named =
        line > 0 ? d.contains(QString("(ligne %1, ").arg(line)) : !d.contains("ligne");
    const bool titled = f.number != 5 || d.startsWith("Appel de procédure ou argument incorrect (");
    if (f.number == 0)
        return shown;
    return fault(f.number, line, field) + (quotes(d, quoted) && named && titled ? "" : ": " + d);
}
