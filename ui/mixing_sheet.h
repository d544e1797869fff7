#pragma once

#include <QDate>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

#include "calc/schedule.h"
#include "ui/metal_sheet.h"
#include "ui/oven_sheet.h"

class QFont;
class QPainter;
class QPagedPaintDevice;

// Everything the mixing sheet carries, as the plan window shows it: texts as displayed, so the
// paper says exactly what the screen said.
struct MixingSheet {
    struct Value {
        QString label;  // as the main window labels it, e.g. "Temps de gel (min)"
        QString text;   // as the catalogue gives it
    };
    struct Line {
        QString flask;  // the catalogue's name, or "Autre"
        int count = 1;
        QString diameter;
        QString height;
        QString unit;       // "mm" or "po"
        QString deduction;  // cm³; empty means none
        QString volume;     // dm³ of one flask
    };
    // The working times as milliseconds from water meeting powder, and the minutes written at
    // their marks, as displayed (e.g. "2,5").
    struct Schedule {
        gypsomix::WorkingSchedule times;
        QString mixingEnd;
        QString pourEnd;
        QString gel;
    };

    QDate date;
    QString material;
    QList<Value> materialValues;  // the seven values of the material record, in catalogue order
    QString mixWater;             // the water ratio chosen for this mix, %
    QList<Line> lines;
    QString volume;  // dm³ to fill
    QString margin;  // "Brut", "+ 5%" or "+10%"
    QString powder;  // g
    QString water;   // g: the whole liquid
    bool special = false;
    QString concentration;  // %, when special
    QString specialLiquid;  // g, when special
    QString splitWater;     // g, when special
    // None when the material's times cannot give a schedule.
    std::optional<Schedule> schedule;
    // None when the plan has neither a metal figure nor a cost.
    std::optional<MetalSheet> metal;
    // The casting day, for a plan with a burnout programme.
    std::optional<OvenSheet> oven;
};

// The sheet's type: Liberation Sans, as every printer and PDF reader shows it alike.
QFont sheetFont(qreal points, bool bold = false, bool italic = false);

// Draws the sheet inside `page` (painter coordinates, the printable part of an A4 portrait
// page), in French, laid out for the bench. Sizes follow the painter's device resolution.
void paintMixingSheet(QPainter& painter, const QRectF& page, const MixingSheet& sheet);

// Prints or writes the sheet on `device` (a QPrinter or a QPdfWriter) as exactly one A4 page.
// Returns false when the device cannot be painted on.
bool renderMixingSheet(QPagedPaintDevice& device, const MixingSheet& sheet);
