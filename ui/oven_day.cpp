#include "ui/oven_day.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

#include "calc/schedule.h"
#include "document/invariant_text.h"
#include "ui/number_format.h"
#include "ui/run_time_report.h"

using gypsomix::BurnoutError;
using gypsomix::OvenPhase;
using std::chrono::seconds;
using std::chrono::sys_seconds;

namespace {

std::string regional(const std::string& invariant) {
    return gypsomix::to_regional(invariant, regionalNumberFormat());
}

sys_seconds instantOf(const QDateTime& at) {
    return sys_seconds(seconds(at.toSecsSinceEpoch()));
}

QDateTime localOf(sys_seconds at) {
    return QDateTime::fromSecsSinceEpoch(at.time_since_epoch().count(), Qt::LocalTime);
}

// The caster's clock, as the desktop's time zone sets it at each instant.
seconds localOffset(sys_seconds at) {
    return seconds(localOf(at).offsetFromUtc());
}

QString phaseName(const OvenRun& run, std::size_t step, OvenPhase::Kind kind) {
    const QString& target = run.targetTexts.at(qsizetype(step));
    if (kind == OvenPhase::Kind::hold) {
        return QCoreApplication::translate("OvenDay", "Palier à %1").arg(target);
    }
    const double previous = step == 0 ? run.start : run.targets[step - 1];
    return (run.targets[step] < previous
                ? QCoreApplication::translate("OvenDay", "Descente vers %1")
                : QCoreApplication::translate("OvenDay", "Montée vers %1"))
        .arg(target);
}

OvenRun runOf(const gypsomix::Burnout& oven, TemperatureUnit unit) {
    const auto format = regionalNumberFormat();
    std::vector<gypsomix::BurnoutStep> steps;
    OvenRun run;
    for (const gypsomix::BurnoutStep& step : oven.programme->steps) {
        steps.push_back({regional(step.target), regional(step.rate), regional(step.hold)});
        run.targetTexts << temperatureText(step.target, unit);
    }
    run.timeline = gypsomix::burnout_timeline(steps, regional(oven.start_temperature), format);
    run.phases = gypsomix::oven_phases(run.timeline);
    // The texts are numbers now; the chart draws them, to the pixel.
    run.start = gypsomix::text_to_number(regional(oven.start_temperature), format);
    for (const auto& step : steps) {
        run.targets.push_back(gypsomix::text_to_number(step.target, format));
    }
    for (const OvenPhase& phase : run.phases) {
        run.phaseNames << phaseName(run, phase.step, phase.kind);
    }
    return run;
}

// The material's working times from water meeting powder: mixing, pourable and gel times are
// its second, fourth and third values.
std::optional<gypsomix::WorkingSchedule> scheduleOf(const gypsomix::PlanDocument& plan) {
    if (!plan.material || plan.material->values.size() < 4) {
        return std::nullopt;
    }
    const auto& values = plan.material->values;
    try {
        return gypsomix::working_schedule(regional(values[1]), regional(values[3]),
                                          regional(values[2]), regionalNumberFormat());
    } catch (const gypsomix::RunTimeError&) {
        return std::nullopt;  // the plan window says what is wrong with them
    }
}

}  // namespace

gypsomix::Burnout& ovenOf(gypsomix::PlanDocument& plan) {
    if (!plan.burnout) {
        plan.burnout = gypsomix::Burnout{std::nullopt, kOvenStartTemperature, kOvenBenchRest, "",
                                         std::nullopt};
    }
    return *plan.burnout;
}

QString temperatureText(const std::string& celsius, TemperatureUnit unit) {
    const auto format = regionalNumberFormat();
    if (unit == TemperatureUnit::celsius) {
        return QString::fromStdString(regional(celsius)) + QStringLiteral("\u00a0°C");
    }
    try {
        const double value = gypsomix::text_to_number(celsius, {});
        const double fahrenheit = std::round(value * 9 / 5 + 32);
        return QString::fromStdString(
                   gypsomix::general_format(fahrenheit + 0.0, 15, format.decimal)) +
               QStringLiteral("\u00a0°F");
    } catch (const gypsomix::RunTimeError&) {
        return QString::fromStdString(celsius);
    }
}

OvenDay ovenDayOf(const gypsomix::PlanDocument& plan, TemperatureUnit unit) {
    OvenDay day;
    gypsomix::PlanDocument withOven = plan;
    const gypsomix::Burnout& oven = ovenOf(withOven);
    if (!oven.programme) {
        day.problem = QCoreApplication::translate("OvenDay", "Choisissez un programme de cuisson.");
        return day;
    }
    std::chrono::minutes rest{};
    try {
        day.run = runOf(oven, unit);
        rest = gypsomix::bench_rest(regional(oven.bench_rest_min), regionalNumberFormat());
    } catch (const BurnoutError& error) {
        day.run.reset();
        day.error = error;
        day.problem = translatedText(error.message());
        return day;
    }
    const auto& steps = oven.programme->steps;
    for (const gypsomix::BurnoutStep& step : steps) {
        if (gypsomix::text_to_number(step.rate, {}) == 0) {
            day.note = QCoreApplication::translate(
                "OvenDay",
                "Une vitesse de 0 monte aussi vite que le four le peut : la durée de cette "
                "montée dépend du four et n'est pas comptée.");
        }
    }
    if (oven.cast_at.empty()) {
        day.problem = QCoreApplication::translate("OvenDay", "Indiquez l'heure de coulée.");
        return day;
    }
    const QDateTime castAt = fromIso(oven.cast_at);
    if (!castAt.isValid()) {
        day.problem =
            QCoreApplication::translate(
                "OvenDay", "L'heure de coulée du plan, « %1 », n'est pas une date ISO 8601.")
                .arg(QString::fromStdString(oven.cast_at));
        return day;
    }

    const gypsomix::CastingDay planned =
        gypsomix::casting_day(day.run->timeline, instantOf(castAt), rest);
    day.mixing = localOf(planned.mixing);
    day.ovenStart = localOf(planned.oven_start);
    day.cast = localOf(planned.cast);
    day.rows.append({QCoreApplication::translate("OvenDay", "Mélanger à"), day.mixing, {}, true});
    if (const auto schedule = scheduleOf(plan)) {
        // As on the timer: each phase of the mix, to the second.
        const auto at = [&](std::chrono::milliseconds since) {
            return localOf(planned.mixing + std::chrono::floor<seconds>(since));
        };
        day.rows.append({QCoreApplication::translate("OvenDay", "Malaxage"), day.mixing,
                         at(schedule->mixing_end)});
        day.rows.append({QCoreApplication::translate("OvenDay", "Coulée"), at(schedule->mixing_end),
                         at(schedule->pour_end)});
        day.rows.append({QCoreApplication::translate("OvenDay", "Prise"), at(schedule->pour_end),
                         at(schedule->gel)});
    }
    day.rows.append(
        {QCoreApplication::translate("OvenDay", "Enfourner à"), day.ovenStart, {}, true});
    for (std::size_t i = 0; i < planned.steps.size(); ++i) {
        const gypsomix::StepTimes& times = planned.steps[i];
        const double previous = i == 0 ? day.run->start : day.run->targets[i - 1];
        // A ramp at the oven's own pace is shown at its start: its length is the oven's.
        if (times.hold_start > times.ramp_start || day.run->targets[i] != previous) {
            const QString what = phaseName(*day.run, i, OvenPhase::Kind::ramp);
            day.rows.append(
                {times.hold_start > times.ramp_start
                     ? what
                     : what + QCoreApplication::translate("OvenDay", " (vitesse du four)"),
                 localOf(times.ramp_start), localOf(times.hold_start)});
        }
        if (times.hold_end > times.hold_start) {
            day.rows.append({phaseName(*day.run, i, OvenPhase::Kind::hold),
                             localOf(times.hold_start), localOf(times.hold_end)});
        }
    }
    day.rows.append({QCoreApplication::translate("OvenDay", "Couler à"), day.cast, {}, true});
    return day;
}

QString clockText(const QDateTime& at, const QDateTime& first, ClockStyle style) {
    const QDateTime local = at.toLocalTime();
    const QTime time = local.time();
    QString text =
        time.toString(time.second() ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
    const int days = gypsomix::days_after(instantOf(first), instantOf(at), localOffset);
    if (days != 0 && style == ClockStyle::paper) {
        text += QCoreApplication::translate("OvenDay", " (J%1%2)",
                                            "the day after or before the mixing, on paper")
                    .arg(days > 0 ? "+" : "")
                    .arg(days);
    } else if (days == 1) {
        text += QCoreApplication::translate("OvenDay", " (lendemain)");
    } else if (days != 0) {
        text += QStringLiteral(" (%1)").arg(
            planDateLocale().toString(local.date(), QStringLiteral("ddd d MMM")));
    }
    return text;
}

QLocale planDateLocale() {
    return QLocale(QCoreApplication::translate(
        "OvenDay", "fr_FR", "the locale whose names of days and months the dates are written in"));
}

QString longDate(const QDate& date) {
    return planDateLocale().toString(date, QStringLiteral("dddd d MMMM yyyy"));
}

QDateTime fromIso(const std::string& text) {
    const QDateTime at = QDateTime::fromString(QString::fromStdString(text), Qt::ISODate);
    // A time without its offset would be read on whatever clock opens the plan.
    return at.isValid() && at.timeSpec() != Qt::LocalTime ? at.toLocalTime() : QDateTime();
}

std::string toIso(const QDateTime& at) {
    const QDateTime local = at.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}

QDateTime nextOccurrence(const QTime& time, const QDateTime& now) {
    const QDateTime local = now.toLocalTime();
    QDateTime at(local.date(), time, Qt::LocalTime);
    if (at <= local) {
        at = QDateTime(local.date().addDays(1), time, Qt::LocalTime);
    }
    return at;
}
