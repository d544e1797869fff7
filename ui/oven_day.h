#pragma once

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "calc/burnout.h"
#include "document/plan_document.h"

// What a plan's oven starts from until the caster types otherwise.
inline constexpr const char* kOvenStartTemperature = "20";
inline constexpr const char* kOvenBenchRest = "60";

// The plan's oven part, created with those defaults the first time the caster sets any of it.
gypsomix::Burnout& ovenOf(gypsomix::PlanDocument& plan);

// The plan and the catalogue are in °C; the caster may read °F.
enum class TemperatureUnit { celsius, fahrenheit };

// "149 °C", "300 °F" (to the nearest degree); a text that is no number is shown as it is.
QString temperatureText(const std::string& celsius, TemperatureUnit unit);

// A programme worked out: its minutes and phases, and its temperatures for the chart.
struct OvenRun {
    gypsomix::BurnoutTimeline timeline;
    std::vector<gypsomix::OvenPhase> phases;
    double start = 0;             // °C
    std::vector<double> targets;  // °C, one per step
    QStringList targetTexts;      // as shown, one per step
    QStringList phaseNames;  // « Montée vers 371 °C », « Palier à 732 °C », one per phase
};

struct OvenDayRow {
    QString what;        // « Enfourner à », « Palier à 732 °C »
    QDateTime from, to;  // local; `to` is invalid for a moment
    bool key = false;    // mixing, oven start and casting: the times the caster must keep
};

// The casting day of a plan, planned backwards from the time of casting.
struct OvenDay {
    std::optional<OvenRun> run;                   // none without a programme or with a fault
    std::optional<gypsomix::BurnoutError> error;  // the first fault of the oven's texts
    QString problem;                    // what stops the day, for the caster; empty when it stands
    QString note;                       // what the caster should know besides (a rate of 0)
    QDateTime mixing, ovenStart, cast;  // local; invalid without a time of casting
    QList<OvenDayRow> rows;
};

// The day from the plan alone, temperatures shown in `unit`: the window and the sheet both show
// it. The material's working times are in it when its values give them.
OvenDay ovenDayOf(const gypsomix::PlanDocument& plan, TemperatureUnit unit);

// "16:00", "02:00 (lendemain)", "09:35 (mer. 9 déc.)": a clock time, with its day when that is
// not the day of `first`; on paper "02:00 (J+1)". Seconds show only when there are some.
enum class ClockStyle { screen, paper };
QString clockText(const QDateTime& at, const QDateTime& first,
                  ClockStyle style = ClockStyle::screen);

// The names of days and months in the plan's language, whatever the desktop's regional settings.
QLocale planDateLocale();

// "lundi 7 décembre 2026"
QString longDate(const QDate& date);

// ISO 8601 with the offset from UTC, as the plan keeps its times; an invalid time for a text
// that is none.
QDateTime fromIso(const std::string& text);
std::string toIso(const QDateTime& at);

// The next moment the caster's clock shows `time` after `now`.
QDateTime nextOccurrence(const QTime& time, const QDateTime& now);
