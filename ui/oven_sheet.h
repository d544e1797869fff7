#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

#include "document/plan_document.h"

class QPainter;

// The casting day on the mixing sheet: the clock times and the steps, as the oven panel shows
// them in °C, the plan's own unit.
struct OvenSheet {
    struct Row {
        QString what;  // « Enfourner à », « Palier à 732 °C »
        QString from;  // "04:02", "00:02 (lendemain)"
        QString to;    // empty for a moment
        bool key = false;
    };
    QString title;    // « Cuisson : <programme>, journée du lundi 7 décembre 2026 »
    QString problem;  // what stops the day; then there are no rows
    QList<Row> rows;
};

// The day of a plan whose programme is chosen; nothing for a plan without one.
std::optional<OvenSheet> ovenSheetOf(const gypsomix::PlanDocument& plan);

// Draws the day across `area`'s width from its top, in two columns of rows; returns the bottom.
qreal paintOvenSheet(QPainter& painter, const QRectF& area, const OvenSheet& sheet);
