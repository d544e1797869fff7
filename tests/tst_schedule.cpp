#include "calc/schedule.h"
#include "core_test_support.h"

using namespace gypsomix;
using std::chrono::milliseconds;

Q_DECLARE_METATYPE(MixPhase)
Q_DECLARE_METATYPE(WorkingSchedule)

class TestSchedule : public QObject {
    Q_OBJECT

  private slots:
    // Minutes × 60 000, to the nearest millisecond, halves up. Each time is checked in full, in
    // order, then their order: the first fault is reported with its time, quoting its text.
    void schedules_data() {
        QTest::addColumn<QString>("mixing");
        QTest::addColumn<QString>("pourable");
        QTest::addColumn<QString>("gel");
        QTest::addColumn<QString>("outcome");  // ms to each end, or the fault
        QTest::addColumn<int>("format");
        // 0,000005 min = 0,3 ms; 0,00001 min = 0,6 ms; 1,23456789 min = 74 074,0734 ms.
        addFormatRows("to the millisecond", "0.000005", "0.00001", "1.23456789", "0 1 74074");
        // 0,000025 min = 1,5 ms and 0,000075 min = 4,5 ms, both exact in binary after × 60 000.
        addFormatRows("halves up", "0.000025", "0.000075", "0.000075", "2 5 5");
        addFormatRows("all zero, one negative", "0", "-0", "0", "0 0 0");
        // 2,000001 min is 120 000,06 ms: apart by less than a millisecond, the times are equal.
        addFormatRows("equal to the millisecond", "2.000001", "2", "2", "120000 120000 120000");
        // 153 722 867 280 912 × 60 000 = 9 223 372 036 854 720 000, stored in a double as
        // 9 223 372 036 854 720 512 (its spacing is 1024 there), just below 2^63.
        addFormatRows("largest count", "0", "0", "153722867280912", "0 0 9223372036854720512");
        addFormatRows("mixing before pourable", "mm", "pp", "12", "error 13 (temps de malaxage)");
        addFormatRows("beyond double", "3", "1E999", "12", "error 6 (temps utile de coulabilité)");
        addFormatRows("negative before a text", "-1", "pp", "1", "error 5 (temps de malaxage)");
        addFormatRows("negative below 1 ms", "0", "0", "-0.000001", "error 5 (temps de gel)");
        // 153 722 867 280 912,93 min × 60 000 is 8 ms short of 2^63, which the double rounds to.
        addFormatRows("rounding to 2^63", "0", "0", "153722867280912.93", "error 6 (temps de gel)");
        addFormatRows("gel before pouring ends", "3", "8", "7", "error 5 (temps de gel)");
        addFormatRows("both out of order", "5", "3", "1", "error 5 (temps utile de coulabilité)");
        addFormatRows("1 ms short", "1", "0.99998", "2", "error 5 (temps utile de coulabilité)");
    }
    void schedules() {
        QFETCH(QString, mixing);
        QFETCH(QString, pourable);
        QFETCH(QString, gel);
        QFETCH(QString, outcome);
        WorkingSchedule s{};
        ScheduleTime time{};
        const Failure failure = failureOf<ScheduleError>(
            [&] {
                s = working_schedule(mixing.toStdString(), pourable.toStdString(),
                                     gel.toStdString(), rowFormat());
            },
            [&](const ScheduleError& e) { time = e.time(); });
        const char* const names[] = {"(temps de malaxage)", "(temps utile de coulabilité)",
                                     "(temps de gel)"};
        const QString name = QString::fromUtf8(names[int(time)]), texts[] = {mixing, pourable, gel};
        const QString& d = failure.description;
        const bool described = d.contains(name) && quotes(d, texts[int(time)].trimmed());
        QCOMPARE(failure.number
                     ? failure.label() + " " + name + (described ? "" : ": " + d)
                     : QString::asprintf("%lld %lld %lld", qint64(s.mixing_end.count()),
                                         qint64(s.pour_end.count()), qint64(s.gel.count())),
                 outcome);
    }

    // Phases are half-open: each begins at the end of the one before.
    void phases_data() {
        QTest::addColumn<WorkingSchedule>("schedule");
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<MixPhase>("phase");
        QTest::addColumn<qint64>("left");
        const auto row = [](const char* name, milliseconds m, milliseconds p, milliseconds g,
                            qint64 elapsed, MixPhase phase, qint64 left) {
            QTest::newRow(name) << WorkingSchedule{m, p, g} << elapsed << phase << left;
        };
        const milliseconds m{180000}, p{480000}, g{720000}, zero{0};
        row("before the start", m, p, g, -5, MixPhase::mixing, 180000);
        row("last mixing ms", m, p, g, 179999, MixPhase::mixing, 1);
        row("mixing ends: pouring", m, p, g, 180000, MixPhase::pouring, 300000);
        row("last pouring ms", m, p, g, 479999, MixPhase::pouring, 1);
        row("pouring ends: setting", m, p, g, 480000, MixPhase::setting, 240000);
        row("last setting ms", m, p, g, 719999, MixPhase::setting, 1);
        row("gel: done", m, p, g, 720000, MixPhase::done, 0);
        row("only setting", zero, zero, milliseconds(60000), 0, MixPhase::setting, 60000);
    }
    void phases() {
        QFETCH(WorkingSchedule, schedule);
        QFETCH(qint64, elapsed);
        QFETCH(MixPhase, phase);
        QFETCH(qint64, left);
        const MixProgress progress = mix_progress(schedule, milliseconds(elapsed));
        QCOMPARE(progress.phase, phase);
        QCOMPARE(qint64(progress.left.count()), left);
    }
};

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
