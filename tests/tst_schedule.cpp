#include "calc/schedule.h"
#include "core_test_support.h"

using gypsomix::MixPhase;
using gypsomix::NumberFormat;
using gypsomix::ScheduleTime;
using std::chrono::milliseconds;

Q_DECLARE_METATYPE(ScheduleTime)
Q_DECLARE_METATYPE(MixPhase)

namespace {

// Rows under both separator sets, their texts written with that set's separator.
template <class... Values>
void bothFormats(const char* name, const char* mixing, const char* pourable, const char* gel,
                 Values... values) {
    for (int f = 0; f < 2; ++f) {
        const NumberFormat& fmt = kFormats[f].format;
        ((QTest::addRow("%s / %s", name, kFormats[f].name)
          << QString::fromUtf8(localised(mixing, fmt))
          << QString::fromUtf8(localised(pourable, fmt)) << QString::fromUtf8(localised(gel, fmt)))
         << ... << values)
            << f;
    }
}

}  // namespace

class TestSchedule : public QObject {
    Q_OBJECT

  private slots:
    // Minutes × 60 000, to the nearest millisecond, halves up.
    void schedules_data() {
        QTest::addColumn<QString>("mixing");
        QTest::addColumn<QString>("pourable");
        QTest::addColumn<QString>("gel");
        QTest::addColumn<qint64>("mixingEnd");
        QTest::addColumn<qint64>("pourEnd");
        QTest::addColumn<qint64>("gelAt");
        QTest::addColumn<int>("format");
        bothFormats("catalogue minutes", "3", "8", "12", qint64(180000), qint64(480000),
                    qint64(720000));
        bothFormats("decimal minutes", "2.5", "7.25", "10.75", qint64(150000), qint64(435000),
                    qint64(645000));
        // 1,23456789 min = 74 074,0734 ms; 0,00001 min = 0,6 ms; 0,000005 min = 0,3 ms.
        bothFormats("to the millisecond", "0.000005", "0.00001", "1.23456789", qint64(0), qint64(1),
                    qint64(74074));
        // 0,000025 min = 1,5 ms and 0,000075 min = 4,5 ms, both exact in binary after × 60 000.
        bothFormats("halves up", "0.000025", "0.000075", "0.000075", qint64(2), qint64(5),
                    qint64(5));
        bothFormats("equal times", "5", "5", "5", qint64(300000), qint64(300000), qint64(300000));
        bothFormats("all zero, one negative", "0", "-0", "0", qint64(0), qint64(0), qint64(0));
        bothFormats("spaces around", " 3 ", "8 ", " 12", qint64(180000), qint64(480000),
                    qint64(720000));
        // 2,000001 min is 120 000,06 ms: apart by less than a millisecond, the times are equal.
        bothFormats("apart by less than a millisecond", "2.000001", "2", "2", qint64(120000),
                    qint64(120000), qint64(120000));
        // 153 722 867 280 912 × 60 000 = 9 223 372 036 854 720 000, stored in a double as
        // 9 223 372 036 854 720 512 (its spacing is 1024 there), just below 2^63.
        bothFormats("largest count", "0", "0", "153722867280912", qint64(0), qint64(0),
                    qint64(9223372036854720512));
    }
    void schedules() {
        QFETCH(QString, mixing);
        QFETCH(QString, pourable);
        QFETCH(QString, gel);
        QFETCH(qint64, mixingEnd);
        QFETCH(qint64, pourEnd);
        QFETCH(qint64, gelAt);
        QFETCH(int, format);
        gypsomix::WorkingSchedule s{};
        NO_ERROR(s = gypsomix::working_schedule(mixing.toStdString(), pourable.toStdString(),
                                                gel.toStdString(), kFormats[format].format));
        QCOMPARE(qint64(s.mixing_end.count()), mixingEnd);
        QCOMPARE(qint64(s.pour_end.count()), pourEnd);
        QCOMPARE(qint64(s.gel.count()), gelAt);
    }

    // Each time is checked in full, in order, then their order: the first fault is reported.
    void faults_data() {
        QTest::addColumn<QString>("mixing");
        QTest::addColumn<QString>("pourable");
        QTest::addColumn<QString>("gel");
        QTest::addColumn<int>("number");
        QTest::addColumn<ScheduleTime>("time");
        QTest::addColumn<QString>("quoted");
        QTest::addColumn<int>("format");
        const auto row = [](const char* name, const char* m, const char* p, const char* g,
                            int number, ScheduleTime time, const char* quoted) {
            bothFormats(name, m, p, g, number, time, QString::fromUtf8(quoted));
        };
        row("empty mixing", "", "8", "12", 13, ScheduleTime::mixing, "");
        row("mixing before pourable", "mm", "pp", "12", 13, ScheduleTime::mixing, "mm");
        row("pourable", "3", "8 min", "12", 13, ScheduleTime::pourable, "8 min");
        row("blank gel", "3", "8", "  ", 13, ScheduleTime::gel, "");
        row("beyond double", "1E999", "8", "12", 6, ScheduleTime::mixing, "1E999");
        row("negative mixing", "-1", "8", "12", 5, ScheduleTime::mixing, "-1");
        row("negative before a bad next time", "-1", "pp", "12", 5, ScheduleTime::mixing, "-1");
        row("negative below a millisecond", "0", "0", "-0.000001", 5, ScheduleTime::gel,
            "-0.000001");
        // 153 722 867 280 913 min is 9 223 372 036 854 780 000 ms, past 2^63 - 1.
        row("count beyond range", "0", "0", "153722867280913", 6, ScheduleTime::gel,
            "153722867280913");
        // 153 722 867 280 912,93 min × 60 000 is 8 ms short of 2^63, which the double rounds to.
        row("count rounding to 2^63", "0", "0", "153722867280912.93", 6, ScheduleTime::gel,
            "153722867280912.93");
        row("product beyond double", "0", "1E+305", "1E+305", 6, ScheduleTime::pourable, "1E+305");
        row("pourable before mixing ends", "5", "3", "12", 5, ScheduleTime::pourable, "3");
        row("gel before pouring ends", "3", "8", "7", 5, ScheduleTime::gel, "7");
        row("both out of order", "5", "3", "1", 5, ScheduleTime::pourable, "3");
        row("out of order by one millisecond", "1", "0.99998", "2", 5, ScheduleTime::pourable,
            "0.99998");
    }
    void faults() {
        QFETCH(QString, mixing);
        QFETCH(QString, pourable);
        QFETCH(QString, gel);
        QFETCH(int, number);
        QFETCH(ScheduleTime, time);
        QFETCH(QString, quoted);
        QFETCH(int, format);
        const NumberFormat& fmt = kFormats[format].format;
        ScheduleTime reported{};
        const Failure failure = failureOf([&] {
            try {
                gypsomix::working_schedule(mixing.toStdString(), pourable.toStdString(),
                                           gel.toStdString(), fmt);
            } catch (const gypsomix::ScheduleError& e) {
                reported = e.time();
                throw;
            }
        });
        QCOMPARE(failure.number, number);
        QCOMPARE(reported, time);
        const QString regional = QString(quoted).replace(".", fromStd(fmt.decimal));
        QVERIFY2(quotes(failure.description, regional), qPrintable(failure.description));
        const char* const names[] = {"(temps de malaxage)", "(temps utile de coulabilité)",
                                     "(temps de gel)"};
        QVERIFY2(failure.description.contains(QString::fromUtf8(names[int(time)])),
                 qPrintable(failure.description));
    }

    // Phases are half-open: each begins at the end of the one before.
    void phases_data() {
        QTest::addColumn<qint64>("mixingEnd");
        QTest::addColumn<qint64>("pourEnd");
        QTest::addColumn<qint64>("gel");
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<MixPhase>("phase");
        QTest::addColumn<qint64>("left");
        const auto row = [](const char* name, qint64 m, qint64 p, qint64 g, qint64 elapsed,
                            MixPhase phase, qint64 left) {
            QTest::newRow(name) << m << p << g << elapsed << phase << left;
        };
        const qint64 m = 180000, p = 480000, g = 720000;
        row("start", m, p, g, 0, MixPhase::mixing, 180000);
        row("before the start", m, p, g, -5, MixPhase::mixing, 180000);
        row("last mixing ms", m, p, g, m - 1, MixPhase::mixing, 1);
        row("mixing ends: pouring", m, p, g, m, MixPhase::pouring, 300000);
        row("just after mixing", m, p, g, m + 1, MixPhase::pouring, 299999);
        row("last pouring ms", m, p, g, p - 1, MixPhase::pouring, 1);
        row("pouring ends: setting", m, p, g, p, MixPhase::setting, 240000);
        row("last setting ms", m, p, g, g - 1, MixPhase::setting, 1);
        row("gel: done", m, p, g, g, MixPhase::done, 0);
        row("long after", m, p, g, 86400000, MixPhase::done, 0);
        row("no mixing time", 0, p, g, 0, MixPhase::pouring, 480000);
        row("no pouring time", m, m, g, m, MixPhase::setting, 540000);
        row("no pouring time, mixing", m, m, g, m - 1, MixPhase::mixing, 1);
        row("no setting time", m, p, p, p, MixPhase::done, 0);
        row("no setting time, pouring", m, p, p, p - 1, MixPhase::pouring, 1);
        row("all at zero", 0, 0, 0, 0, MixPhase::done, 0);
        row("only setting", 0, 0, 60000, 0, MixPhase::setting, 60000);
    }
    void phases() {
        QFETCH(qint64, mixingEnd);
        QFETCH(qint64, pourEnd);
        QFETCH(qint64, gel);
        QFETCH(qint64, elapsed);
        QFETCH(MixPhase, phase);
        QFETCH(qint64, left);
        const gypsomix::MixProgress progress = gypsomix::mix_progress(
            {milliseconds(mixingEnd), milliseconds(pourEnd), milliseconds(gel)},
            milliseconds(elapsed));
        QCOMPARE(progress.phase, phase);
        QCOMPARE(qint64(progress.left.count()), left);
    }
};

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
