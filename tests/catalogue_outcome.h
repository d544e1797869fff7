#pragma once

#include "catalogue/catalogue.h"
#include "core_test_support.h"

// What a caller of the catalogue sees, as readable lines, so a failing comparison shows it all.
// A run-time error gives the single line "error N" and, when asked, its description.

// The listed names; an entry whose ordinal is not its position shows as "bad ordinal N".
inline QStringList listed(const char* path, int fields, QString* description = nullptr) {
    QStringList names;
    const Failure failure = failureOf([&] {
        for (const gypsomix::CatalogueEntry& entry : gypsomix::list_entries(path, fields))
            names << (entry.ordinal == names.size()
                          ? fromStd(entry.name)
                          : QStringLiteral("bad ordinal %1").arg(entry.ordinal));
    });
    if (description)
        *description = failure.description;
    return failure.number ? QStringList{failure.label()} : names;
}

// The fetched record's fields, or "no record".
inline QStringList fetched(const char* path, int fields, int ordinal,
                           QString* description = nullptr) {
    QStringList lines;
    const Failure failure = failureOf([&] {
        if (const auto record = gypsomix::fetch_record(path, fields, ordinal)) {
            for (const gypsomix::FieldValue& field : *record)
                lines << describe(field);
        } else {
            lines << QStringLiteral("no record");
        }
    });
    if (description)
        *description = failure.description;
    return failure.number ? QStringList{failure.label()} : lines;
}
