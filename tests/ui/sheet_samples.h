#pragma once

#include <chrono>

#include "ui/mixing_sheet.h"

// Sheets as the plan window would fill them: a plaster of density 1,8 and 38 % water.
namespace sheet_samples {

using std::chrono::milliseconds;
using std::chrono::minutes;
using std::chrono::seconds;

inline MixingSheet::Schedule schedule(milliseconds mixing, milliseconds pour, milliseconds gel,
                                      const QString& mixingText, const QString& pourText,
                                      const QString& gelText) {
    return {{mixing, pour, gel}, mixingText, pourText, gelText};
}

// Three lines: 2½ × 3 po with a tree, a size typed by hand, the 100 × 100 mm test flask.
inline MixingSheet showcase(bool special, bool withSchedule) {
    MixingSheet sheet;
    sheet.date = QDate(2026, 12, 7);
    sheet.material = QStringLiteral("Plâtre à bijoux universel");
    sheet.materialValues = {
        {QStringLiteral("Eau utilisée (%)"), QStringLiteral("38")},
        {QStringLiteral("Temps de malaxage (min)"), QStringLiteral("3")},
        {QStringLiteral("Temps de gel (min)"), QStringLiteral("10")},
        {QStringLiteral("Temps utile de coulabilité (min)"), QStringLiteral("8")},
        {QStringLiteral("Densité du revêtement liquide"), QStringLiteral("1,8")},
        {QStringLiteral("Expansion de prise à 1 heure"), QStringLiteral("0,48")},
        {QStringLiteral("Expansion de prise à 2 heures"), QStringLiteral("0,55")},
    };
    sheet.mixWater = QStringLiteral("38");
    sheet.lines = {
        {QStringLiteral("Ø 63,5 × 76,2 mm (2½ × 3 po)"), 3, QStringLiteral("2 1/2"),
         QStringLiteral("3"), QStringLiteral("po"), QStringLiteral("12"),
         QStringLiteral("0,2412765")},
        {QStringLiteral("Autre"), 2, QStringLiteral("76,2"), QStringLiteral("101,6"),
         QStringLiteral("mm"), QString(), QStringLiteral("0,4633")},
        {QStringLiteral("Ø 100 × 100 mm (essai)"), 1, QStringLiteral("100"), QStringLiteral("100"),
         QStringLiteral("mm"), QStringLiteral("20"), QStringLiteral("0,785")},
    };
    sheet.volume = QStringLiteral("2,3795");
    sheet.margin = QStringLiteral("Brut");
    sheet.powder = QStringLiteral("3104");
    sheet.water = QStringLiteral("1179");
    // The split is filled either way: only the switch may bring it onto the paper.
    sheet.special = special;
    sheet.concentration = QStringLiteral("35");
    sheet.specialLiquid = QStringLiteral("413");
    sheet.splitWater = QStringLiteral("766");
    if (withSchedule) {
        sheet.schedule = schedule(minutes(3), minutes(8), minutes(10), QStringLiteral("3"),
                                  QStringLiteral("8"), QStringLiteral("10"));
    }
    return sheet;
}

// The showcase's material and masses over `count` lines, each with its own name and figures.
inline MixingSheet longPlan(int count, bool special, bool withSchedule) {
    MixingSheet sheet = showcase(special, withSchedule);
    sheet.lines.clear();
    for (int i = 1; i <= count; ++i) {
        const QString n = QString::number(i);
        sheet.lines.append({QStringLiteral("Essai %1").arg(i, 3, 10, QLatin1Char('0')), 1 + i % 5,
                            QStringLiteral("5%1,5").arg(i % 10), n + QStringLiteral(",2"),
                            QStringLiteral("mm"), i % 3 ? QString() : n,
                            QStringLiteral("0,%1").arg(1000 + i)});
    }
    return sheet;
}

}  // namespace sheet_samples
