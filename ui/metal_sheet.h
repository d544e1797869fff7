#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "document/plan_figures.h"

class QPainter;

// The metal and the cost of the job on the mixing sheet, texts as the metal panel shows them.
struct MetalSheet {
    struct Flask {
        int line = 0;  // from 1
        int count = 1;
        QString grams;  // metal for one flask of the line
    };

    QString metal;  // the metal's name; empty when no metal figure is known
    QString density;
    QString patternDensity;
    QString extra;               // %
    QString button;              // g per flask
    QList<Flask> flasks;         // the lines with a pattern, in plan order
    QString total;               // g to melt
    QString currency;            // the regional currency's symbol, maybe empty
    bool currencyFirst = false;  // written before the amount
    QString powderCost;          // empty where no price is given
    QString metalCost;
    QString totalCost;
};

// The metal part of a plan's sheet: none when the plan gives neither a metal figure nor a cost.
std::optional<MetalSheet> metalSheetOf(const gypsomix::PlanDocument& plan,
                                       const gypsomix::PlanFigures& figures);

// Draws the metal part across [left, left + width] from `top` in painter coordinates, sized by
// the painter's device resolution; returns where it ends.
qreal paintMetalSheet(QPainter& painter, qreal left, qreal top, qreal width,
                      const MetalSheet& sheet);
