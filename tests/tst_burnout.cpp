#include "calc/burnout.h"
#include "catalogue/catalogue.h"
#include "core_test_support.h"
#include "document/burnout_catalogue.h"
#include "workdir.h"

using namespace gypsomix;
using namespace std::chrono;

namespace {

// "149/200/120; 371/250/120": target, rate and hold of each step.
std::vector<BurnoutStep> stepsOf(const QString& text) {
    std::vector<BurnoutStep> steps;
    for (const QString& step : text.split(';', Qt::SkipEmptyParts)) {
        const QStringList f = step.trimmed().split('/');
        steps.push_back(
            {f.value(0).toStdString(), f.value(1).toStdString(), f.value(2).toStdString()});
    }
    return steps;
}

// "0 39 159 | 159 213 333 = 333": each step's ramp start, hold start and hold end, then the total.
QString shown(const BurnoutTimeline& timeline) {
    QStringList steps;
    for (const TimedStep& s : timeline.steps)
        steps << QString("%1 %2 %3")
                     .arg(s.ramp_start.count())
                     .arg(s.hold_start.count())
                     .arg(s.hold_end.count());
    return steps.join(" | ") + " = " + QString::number(timeline.total.count());
}

const char* const kFieldNames[] = {"start", "target", "rate", "hold", "total", "rest"};

// "error 13 (step 2 rate)", once the description names the same place and quotes the text.
QString shown(const Failure& failure, int step, BurnoutField field, const QString& text) {
    static const char* const french[] = {"température de départ", "température visée",
                                         "vitesse de montée",     "palier",
                                         "durée totale",          "repos avant cuisson"};
    const QString place = (step > 0 ? QString("étape %1, ").arg(step) : QString()) +
                          QString::fromUtf8(french[int(field)]);
    const bool described =
        failure.description.contains("(" + place + ")") && quotes(failure.description, text);
    return QString("%1 (step %2 %3)").arg(failure.label()).arg(step).arg(kFieldNames[int(field)]) +
           (described ? "" : ": " + failure.description);
}

// A clock with one offset, or one that moves from `before` to `after` at an instant, as a
// zone's clock does at its summer time change.
UtcOffset fixedOffset(int hours) {
    return [hours](sys_seconds) { return seconds(hours * 3600); };
}
UtcOffset changingOffset(sys_seconds change, int before, int after) {
    return [=](sys_seconds at) { return seconds((at < change ? before : after) * 3600); };
}

// The instant whose local time under `offset` is `local` (the offset of that very instant).
sys_seconds instant(local_seconds local, const UtcOffset& offset) {
    sys_seconds guess(local.time_since_epoch());
    for (int i = 0; i < 3; ++i)
        guess = sys_seconds(local.time_since_epoch() - offset(guess));
    return guess;
}

// "13:02", "02:00+1": the local clock time, and the days after the first moment when there are.
QString clock(sys_seconds at, sys_seconds first, const UtcOffset& offset) {
    const local_seconds local = local_clock_time(at, offset);
    const hh_mm_ss time(local - floor<days>(local));
    const int day = days_after(first, at, offset);
    return QString("%1:%2")
               .arg(time.hours().count(), 2, 10, QLatin1Char('0'))
               .arg(time.minutes().count(), 2, 10, QLatin1Char('0')) +
           (day ? QString("%1%2").arg(day > 0 ? "+" : "").arg(day) : QString());
}

const char* const kMedium = "149/200/120; 371/250/120; 732/250/180; 540/200/60";

// The failure of a call, with the step and the field a BurnoutError names.
template <class Call>
Failure burnoutFailure(Call&& call, int& step, BurnoutField& field) {
    return failureOf<BurnoutError>(call, [&](const BurnoutError& e) {
        step = e.step();
        field = e.field();
    });
}

}  // namespace

Q_DECLARE_METATYPE(UtcOffset)

class TestBurnout : public QObject {
    Q_OBJECT

  private slots:
    void timelines_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("format");
        // The published holds of 2, 2, 3 and 1 h make 8 h; the climbs between them, 4 h more.
        // 129 × 60 / 200 = 38,7; 222 × 60 / 250 = 53,28; 361 × 60 / 250 = 86,64; 192 × 60 / 200.
        addFormatRows("medium flasks, ramps included", "20", kMedium,
                      "0 39 159 | 159 213 333 | 333 420 600 | 600 658 718 = 718");
        addFormatRows("rate 0: no ramp counted", "20", "732/0/60; 540/0/60",
                      "0 0 60 | 60 60 120 = 120");
        addFormatRows("no step", "20", "", " = 0");
        // 0,3 × 60 / 18 is exactly 1; in binary, 20,3 − 20 is 0,30000000000000071, and 2.
        addFormatRows("exact decimals, not binary", "20", "20.3/18/0", "0 1 1 = 1");
        addFormatRows("a trace over rounds up", "20", "20.3000001/18/0", "0 2 2 = 2");
        addFormatRows("hold rounded up", "20", "20/0/0.1; 20/0/59.0000001; 20/0/2.000",
                      "0 0 1 | 1 1 61 | 61 61 63 = 63");
        addFormatRows("exponents", "2E1", "1.49E2/2E2/1.2E2", "0 39 159 = 159");
        addFormatRows("absolute zero itself", "-273.15", "-273.15/1/0", "0 0 0 = 0");
        addFormatRows("a week exactly", "20", "20/0/10080", "0 0 10080 = 10080");
        addFormatRows("blanks around", " 20 ", " 149 / 200 / 120 ", "0 39 159 = 159");

        addFormatRows("start empty", "", "149/200/120", "error 13 (step 0 start)");
        addFormatRows("start below absolute zero", "-273.16", "149/200/120",
                      "error 5 (step 0 start)");
        addFormatRows("start before the steps", "x", "y/-1/-1", "error 13 (step 0 start)");
        addFormatRows("target not a number", "20", "149/200/120; 3x71/250/120",
                      "error 13 (step 2 target)");
        addFormatRows("target below absolute zero", "20", "-300/200/120",
                      "error 5 (step 1 target)");
        addFormatRows("target before rate", "20", "t/-1/120", "error 13 (step 1 target)");
        addFormatRows("rate empty", "20", "149//120", "error 13 (step 1 rate)");
        addFormatRows("rate negative", "20", "149/200/120; 371/-0.5/120", "error 5 (step 2 rate)");
        addFormatRows("rate before hold", "20", "149/-1/x", "error 5 (step 1 rate)");
        addFormatRows("hold negative", "20", "149/200/-1", "error 5 (step 1 hold)");
        addFormatRows("hold before the next step", "20", "149/200/h; x/200/120",
                      "error 13 (step 1 hold)");
        addFormatRows("beyond a real", "20", "1E999/200/120", "error 6 (step 1 target)");
        addFormatRows("below the smallest real", "20", "149/1E-400/120", "error 6 (step 1 rate)");
        addFormatRows("a week and a minute", "20", "20/0/10080; 20/0/0.5",
                      "error 6 (step 0 total)");
        addFormatRows("a ramp of ages", "20", "1000/1E-300/0", "error 6 (step 0 total)");
        // Each step is checked before the total, whatever the total has come to by then.
        addFormatRows("steps before the total", "20", "20/0/99999; x/0/0",
                      "error 13 (step 2 target)");
    }
    void timelines() {
        QFETCH(QString, start);
        QFETCH(QString, steps);
        QFETCH(QString, outcome);
        BurnoutTimeline timeline{};
        int step = -1;
        BurnoutField field{};
        const Failure failure = burnoutFailure(
            [&] { timeline = burnout_timeline(stepsOf(steps), start.toStdString(), rowFormat()); },
            step, field);
        if (!failure.number) {
            QCOMPARE(shown(timeline), outcome);
            return;
        }
        const std::vector<BurnoutStep> typed = stepsOf(steps);
        const std::string texts[] = {
            start.toStdString(),
            step > 0 ? typed[std::size_t(step - 1)].target : "",
            step > 0 ? typed[std::size_t(step - 1)].rate : "",
            step > 0 ? typed[std::size_t(step - 1)].hold : "",
        };
        const QString text = int(field) < 4 ? fromStd(texts[int(field)]).trimmed() : QString();
        QCOMPARE(shown(failure, step, field, text), outcome);
    }

    void benchRest_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("format");
        addFormatRows("an hour", "60", "60");
        addFormatRows("rounded up", "90.25", "91");
        addFormatRows("none", "0", "0");
        addFormatRows("a week", "10080", "10080");
        addFormatRows("empty", "", "error 13 (step 0 rest)");
        addFormatRows("negative", "-1", "error 5 (step 0 rest)");
        addFormatRows("beyond a week", "10080.5", "error 6 (step 0 rest)");
    }
    void benchRest() {
        QFETCH(QString, text);
        QFETCH(QString, outcome);
        minutes rest{};
        BurnoutField field{};
        int step = -1;
        const Failure failure = burnoutFailure(
            [&] { rest = bench_rest(text.toStdString(), rowFormat()); }, step, field);
        QCOMPARE(failure.number ? shown(failure, step, field, text) : QString::number(rest.count()),
                 outcome);
    }

    // The day planned backwards from the casting, on the caster's clock: each time, and the
    // days after the mixing.
    void days_data() {
        QTest::addColumn<QString>("cast");  // local, "2026-12-07 16:00"
        QTest::addColumn<UtcOffset>("offset");
        QTest::addColumn<int>("rest");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("day");  // mixing, oven | each step's three times | cast
        // 718 min of oven and an hour of rest before 16:00.
        QTest::newRow("afternoon") << "2026-12-07 16:00" << fixedOffset(1) << 60 << kMedium
                                   << "03:02 04:02 | 04:02 04:41 06:41 | 06:41 07:35 09:35 | "
                                      "09:35 11:02 14:02 | 14:02 15:00 16:00 | 16:00";
        QTest::newRow("across midnight")
            << "2026-12-08 02:00" << fixedOffset(1) << 90 << kMedium
            << "12:32 14:02 | 14:02 14:41 16:41 | 16:41 17:35 19:35 | 19:35 21:02 00:02+1 | "
               "00:02+1 01:00+1 02:00+1 | 02:00+1";
        QTest::newRow("mixing the day before")
            << "2026-12-08 00:30" << fixedOffset(-5) << 60 << "0/0/30"
            << "23:00 00:00+1 | 00:00+1 00:00+1 "
               "00:30+1 | 00:30+1";
        // Clocks go back an hour at 01:00 UTC on 25 October: 718 min before 10:00 (UTC+1) is
        // 23:02 of the day before on a clock still at UTC+2.
        const sys_seconds autumn = sys_days(2026y / October / 25) + hours(1);
        QTest::newRow("autumn clock change")
            << "2026-10-25 10:00" << changingOffset(autumn, 2, 1) << 60 << kMedium
            << "22:02 23:02 | 23:02 23:41 01:41+1 | 01:41+1 02:35+1 03:35+1 | "
               "03:35+1 05:02+1 08:02+1 | 08:02+1 09:00+1 10:00+1 | 10:00+1";
        QTest::newRow("no step, no rest") << "2026-12-07 16:00" << fixedOffset(0) << 0 << ""
                                          << "16:00 16:00 | 16:00";
    }
    void days() {
        QFETCH(QString, cast);
        QFETCH(UtcOffset, offset);
        QFETCH(int, rest);
        QFETCH(QString, steps);
        QFETCH(QString, day);
        // The clock reading, counted as if it were UTC.
        const QDateTime typed(QDate::fromString(cast.left(10), Qt::ISODate),
                              QTime::fromString(cast.mid(11), "HH:mm"), Qt::UTC);
        QVERIFY(typed.isValid());
        const local_seconds local(seconds(typed.toSecsSinceEpoch()));
        const CastingDay planned = casting_day(burnout_timeline(stepsOf(steps), "20", {}),
                                               instant(local, offset), minutes(rest));
        const auto at = [&](sys_seconds t) { return clock(t, planned.mixing, offset); };
        QStringList parts = {at(planned.mixing) + " " + at(planned.oven_start)};
        for (const StepTimes& s : planned.steps)
            parts << at(s.ramp_start) + " " + at(s.hold_start) + " " + at(s.hold_end);
        parts << at(planned.cast);
        QCOMPARE(parts.join(" | "), day);
    }

    // Where the oven stands: each phase begins as the one before ends; phases of no time never
    // show; every change is counted once it has come.
    void progress_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("elapsed");  // seconds
        QTest::addColumn<QString>("progress");
        const auto row = [](const char* name, const QString& steps, int elapsed,
                            const char* progress) {
            QTest::newRow(name) << steps << elapsed << progress;
        };
        row("waiting for the start", kMedium, -90, "waiting, 90 s left, 0 changes");
        row("the start", kMedium, 0, "ramp 1, 2340 s left, 1 changes");
        row("last second of the first ramp", kMedium, 39 * 60 - 1, "ramp 1, 1 s left, 1 changes");
        row("first hold", kMedium, 39 * 60, "hold 1, 7200 s left, 2 changes");
        row("middle of the third hold", kMedium, 500 * 60, "hold 3, 6000 s left, 6 changes");
        row("last second", kMedium, 718 * 60 - 1, "hold 4, 1 s left, 8 changes");
        row("done", kMedium, 718 * 60, "done, 0 s left, 9 changes");
        row("long done", kMedium, 5000 * 60, "done, 0 s left, 9 changes");
        row("rate 0: straight to the hold", "732/0/60; 540/0/0; 540/100/60", 0,
            "hold 1, 3600 s left, 1 changes");
        row("zero hold skipped", "732/0/60; 540/0/0; 540/100/60", 3600,
            "hold 3, 3600 s left, 2 changes");
        row("no step", "", 0, "done, 0 s left, 1 changes");
    }
    void progress() {
        QFETCH(QString, steps);
        QFETCH(int, elapsed);
        QFETCH(QString, progress);
        const std::vector<OvenPhase> phases =
            oven_phases(burnout_timeline(stepsOf(steps), "20", {}));
        const OvenProgress p = oven_progress(phases, seconds(elapsed));
        QString where = p.state == OvenProgress::State::waiting ? "waiting"
                        : p.state == OvenProgress::State::done  ? "done"
                                                                : "";
        if (p.state == OvenProgress::State::running) {
            const OvenPhase& phase = phases.at(p.phase);
            where = QString(phase.kind == OvenPhase::Kind::ramp ? "ramp %1" : "hold %1")
                        .arg(phase.step + 1);
        }
        QCOMPARE(QString("%1, %2 s left, %3 changes")
                     .arg(where)
                     .arg(p.left.count())
                     .arg(qulonglong(p.changes)),
                 progress);
    }

    // The programmes a list shows: consecutive records of one name, once each, in file order.
    void programmes_data() {
        QTest::addColumn<QByteArray>("file");  // empty: no such file
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("found");  // the steps of the first programme called "B"
        QTest::addColumn<int>("error");
        const auto row = [](const char* name, const QByteArray& file, const char* listed,
                            const char* found, int error = 0) {
            QTest::newRow(name) << file << listed << found << error;
        };
        row("three programmes",
            "\"A\",149,0,60\r\n\"A\",732,200,60\r\n\"B\",149,150,30\r\n"
            "\"C\",750,1.5,240\r\n",
            "A 0 2 | B 2 1 | C 3 1", "149/150/30");
        row("a name back after another", "\"B\",100,50,10\r\n\"A\",1,1,1\r\n\"B\",200,0,0\r\n",
            "B 0 1 | A 1 1 | B 2 1", "100/50/10");
        row("names trimmed, fractions kept", "\" B \",149.5,0,0.25\r\n\"B\",732,200,60\r\n",
            "B 0 2", "149.5/0/0.25; 732/200/60");
        row("a field that is no number stays as written", "\"B\",abc,,60\r\n", "B 0 1", "abc//60");
        row("no programme of that name", "\"A\",149,0,60\r\n", "A 0 1", "none");
        row("empty file", "", "", "none", 53);
        row("record cut short", "\"B\",149,0,60\r\n\"C\",732,200\r\n", "", "none", 62);
    }
    void programmes() {
        QFETCH(QByteArray, file);
        QFETCH(QString, listed);
        QFETCH(QString, found);
        QFETCH(int, error);
        TempWorkDir dir;
        QVERIFY(file.isEmpty() || dir.write(CuissonRecord::path, file));
        QStringList names;
        const Failure listing = failureOf([&] {
            for (const ProgrammeEntry& entry : list_programmes())
                names << QString("%1 %2 %3")
                             .arg(fromStd(entry.name))
                             .arg(entry.first)
                             .arg(entry.steps);
        });
        QCOMPARE(listing.number, error);
        QCOMPARE(names.join(" | "), listed);
        QStringList steps;
        const Failure reading = failureOf([&] {
            if (const auto programme = find_programme("B")) {
                QCOMPARE(programme->name, std::string("B"));
                for (const BurnoutStep& s : programme->steps)
                    steps << fromStd(s.target + "/" + s.rate + "/" + s.hold);
            }
        });
        QCOMPARE(reading.number, error);
        QCOMPARE(steps.isEmpty() ? QString("none") : steps.join("; "), found);
    }

    // The sample catalogue, each programme once in file order: the published holds, the final
    // target, and the day with the climbs between them from 20 °C.
    void samples() {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(GYPSOMIX_SOURCE_DIR));
        QStringList found;
        const Failure failure = failureOf([&] {
            for (const ProgrammeEntry& entry : list_programmes()) {
                const std::optional<BurnoutProgramme> programme = find_programme(entry.name);
                int holds = 0;
                for (const BurnoutStep& step : programme.value().steps)
                    holds += QString::fromStdString(step.hold).toInt();
                found << QString("%1: %2 %3 %4")
                             .arg(fromStd(entry.name))
                             .arg(holds)
                             .arg(fromStd(programme->steps.back().target))
                             .arg(burnout_timeline(programme->steps, "20", {}).total.count());
            }
        });
        QDir::setCurrent(previous);
        QCOMPARE(failure.description, QString());
        QCOMPARE(found,
                 (QStringList{"Plâtre, cylindres jusqu'à Ø 64 × 76: 300 540 538",
                              "Plâtre, cylindres jusqu'à Ø 89 × 102: 480 540 718",
                              "Plâtre, cylindres jusqu'à Ø 102 × 203: 660 540 965",
                              "Résine imprimée, cylindres jusqu'à Ø 89 × 102: 720 750 976"}));
    }
};

QTEST_GUILESS_MAIN(TestBurnout)
#include "tst_burnout.moc"
