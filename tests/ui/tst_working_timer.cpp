// The casting plan's timer on a clock the test moves by hand: the figures at chosen instants, the
// boundaries it signals, stopping and starting over, problems, the phase colours, what a screen
// reader finds and hears, the marks on the bar and the room the column needs.
#include <QAccessible>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "timer_test_support.h"
#include "ui/application.h"
#include "ui/working_span_bar.h"

using gypsomix::ScheduleTime;

namespace {

constexpr qint64 ms(int minutes, int seconds, int millis = 0) {
    return (qint64(minutes) * 60 + seconds) * 1000 + millis;
}

// WCAG contrast ratio between two colours.
qreal contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](qreal v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const qreal la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The accessibility events sent while a recorder lives.
struct Announcement {
    QObject* object;
    QAccessible::Event type;
};
QList<Announcement>* g_announcements = nullptr;

class AnnouncementRecorder {
  public:
    AnnouncementRecorder() {
        g_announcements = &seen;
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            g_announcements->append({event->object(), event->type()});
        });
    }
    ~AnnouncementRecorder() {
        QAccessible::installUpdateHandler(nullptr);
        g_announcements = nullptr;
    }
    int count(QObject* object, QAccessible::Event type) const {
        return int(std::count_if(seen.begin(), seen.end(), [&](const Announcement& a) {
            return a.object == object && a.type == type;
        }));
    }
    QList<Announcement> seen;
};

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// The columns of an image row that are exactly this colour, as [first, last] runs.
QList<std::pair<int, int>> runsOf(const QImage& image, int y, QRgb colour) {
    QList<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if ((image.pixel(x, y) & 0xffffff) != (colour & 0xffffff)) {
            continue;
        }
        if (!runs.isEmpty() && runs.last().second == x - 1) {
            runs.last().second = x;
        } else {
            runs.append({x, x});
        }
    }
    return runs;
}

}  // namespace

class TestWorkingTimer : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        setUpApplication(*qApp);
        m_palette = QApplication::palette();
    }
    void cleanup() { QApplication::setPalette(m_palette); }

    // What the caster reads at each instant, for a material of 3, 8 and 12 minutes.
    void figures_data() {
        QTest::addColumn<qint64>("at");
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<QString>("phase");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("barSeconds");  // the bar's accessible value, out of 720
        QTest::newRow("water meets powder") << ms(0, 0) << "00:00"
                                            << "Malaxage"
                                            << "reste 3:00" << 0;
        QTest::newRow("half a second in: no second lost yet") << ms(0, 0, 500) << "00:00"
                                                              << "Malaxage"
                                                              << "reste 3:00" << 0;
        QTest::newRow("1 ms before mixing ends: time left rounds up") << ms(2, 59, 999) << "02:59"
                                                                      << "Malaxage"
                                                                      << "reste 0:01" << 179;
        QTest::newRow("mixing ends: pouring begins") << ms(3, 0) << "03:00"
                                                     << "Coulée"
                                                     << "reste 5:00" << 180;
        QTest::newRow("pouring") << ms(3, 27) << "03:27"
                                 << "Coulée"
                                 << "reste 4:33" << 207;
        QTest::newRow("last second of pouring") << ms(7, 59) << "07:59"
                                                << "Coulée"
                                                << "reste 0:01" << 479;
        QTest::newRow("pourable time ends: setting begins") << ms(8, 0) << "08:00"
                                                            << "Prise"
                                                            << "reste 4:00" << 480;
        QTest::newRow("last second of setting") << ms(11, 59) << "11:59"
                                                << "Prise"
                                                << "reste 0:01" << 719;
        QTest::newRow("gel") << ms(12, 0) << "12:00"
                             << "Terminé"
                             << "" << 720;
        QTest::newRow("long after the gel") << ms(30, 0) << "30:00"
                                            << "Terminé"
                                            << "" << 720;
        QTest::newRow("past an hour, minutes go on") << ms(75, 2) << "75:02"
                                                     << "Terminé"
                                                     << "" << 720;
    }
    void figures() {
        QFETCH(qint64, at);
        QFETCH(QString, elapsed);
        QFETCH(QString, phase);
        QFETCH(QString, left);
        QFETCH(int, barSeconds);
        TimerRig rig;
        rig.start();
        rig.at(milliseconds(at));
        QCOMPARE(rig.text("elapsed"), elapsed);
        QCOMPARE(rig.text("phase"), phase);
        QCOMPARE(rig.text("remaining"), left);
        QAccessibleValueInterface* bar =
            accessible(rig.timer.findChild<QProgressBar*>())->valueInterface();
        QVERIFY(bar);
        QCOMPARE(bar->minimumValue().toInt(), 0);
        QCOMPARE(bar->maximumValue().toInt(), 720);
        QCOMPARE(bar->currentValue().toInt(), barSeconds);
    }

    // The clock read at each refresh; how many boundaries were signalled so far and the phase
    // shown after each. Boundaries come in the order mixing, pourable, gel.
    void boundaries_data() {
        QTest::addColumn<QList<qint64>>("times");  // end of mixing, of pouring, gel
        QTest::addColumn<QList<qint64>>("steps");
        QTest::addColumn<QList<int>>("signalled");
        QTest::addColumn<QStringList>("phases");
        const QList<qint64> sample{ms(3, 0), ms(8, 0), ms(12, 0)};
        QTest::newRow("each at its exact time")
            << sample
            << QList<qint64>{0,        ms(2, 59, 999),  ms(3, 0),  ms(3, 0, 200), ms(7, 59, 999),
                             ms(8, 0), ms(11, 59, 999), ms(12, 0), ms(30, 0)}
            << QList<int>{0, 0, 1, 1, 1, 2, 2, 3, 3}
            << QStringList{"Malaxage", "Malaxage", "Coulée",  "Coulée", "Coulée",
                           "Prise",    "Prise",    "Terminé", "Terminé"};
        QTest::newRow("crossed between two ticks")
            << sample << QList<qint64>{ms(2, 59, 900), ms(3, 0, 100), ms(3, 0, 300)}
            << QList<int>{0, 1, 1} << QStringList{"Malaxage", "Coulée", "Coulée"};
        QTest::newRow("loop stalled from 1:00 to 20:00")
            << sample << QList<qint64>{ms(1, 0), ms(20, 0), ms(20, 0, 200)} << QList<int>{0, 3, 3}
            << QStringList{"Malaxage", "Terminé", "Terminé"};
        QTest::newRow("stalled across two of them")
            << sample << QList<qint64>{ms(2, 0), ms(9, 0)} << QList<int>{0, 2}
            << QStringList{"Malaxage", "Prise"};
        QTest::newRow("pourable time equal to mixing: no pouring shown")
            << QList<qint64>{ms(3, 0), ms(3, 0), ms(12, 0)}
            << QList<qint64>{ms(2, 59, 999), ms(3, 0), ms(11, 59)} << QList<int>{0, 2, 2}
            << QStringList{"Malaxage", "Prise", "Prise"};
        QTest::newRow("all three equal")
            << QList<qint64>{ms(5, 0), ms(5, 0), ms(5, 0)} << QList<qint64>{ms(4, 59), ms(5, 0)}
            << QList<int>{0, 3} << QStringList{"Malaxage", "Terminé"};
        QTest::newRow("no mixing time: pouring from the start")
            << QList<qint64>{0, ms(8, 0), ms(12, 0)} << QList<qint64>{0, ms(1, 0)}
            << QList<int>{1, 1} << QStringList{"Coulée", "Coulée"};
        QTest::newRow("clock stepping back signals nothing again")
            << sample << QList<qint64>{ms(9, 0), ms(7, 0), ms(9, 0), ms(13, 0)}
            << QList<int>{2, 2, 2, 3} << QStringList{"Prise", "Coulée", "Prise", "Terminé"};
    }
    void boundaries() {
        QFETCH(QList<qint64>, times);
        QFETCH(QList<qint64>, steps);
        QFETCH(QList<int>, signalled);
        QFETCH(QStringList, phases);
        TimerRig rig;
        QSignalSpy spy(&rig.timer, &WorkingTimer::boundaryReached);
        rig.start({milliseconds(times[0]), milliseconds(times[1]), milliseconds(times[2])});
        const ScheduleTime order[] = {ScheduleTime::mixing, ScheduleTime::pourable,
                                      ScheduleTime::gel};
        for (qsizetype i = 0; i < steps.size(); ++i) {
            rig.at(milliseconds(steps[i]));
            QCOMPARE(spy.count(), signalled[i]);
            QCOMPARE(rig.text("phase"), phases[i]);
        }
        for (int i = 0; i < spy.count(); ++i) {
            QCOMPARE(spy.at(i).at(0).value<ScheduleTime>(), order[i]);
        }
    }

    // "Démarrer" only asks; "Arrêter" stops and resets; nothing is signalled after stopping,
    // and a new start counts from its own instant.
    void stopAndStartOver() {
        TimerRig rig;
        rig.timer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.timer));
        auto* startButton = rig.timer.findChild<QPushButton*>(QStringLiteral("start"));
        auto* stopButton = rig.timer.findChild<QPushButton*>(QStringLiteral("stop"));
        auto* tick = rig.timer.findChild<QTimer*>();
        auto* bar = rig.timer.findChild<WorkingSpanBar*>();
        QSignalSpy requests(&rig.timer, &WorkingTimer::startRequested);
        QSignalSpy boundaries(&rig.timer, &WorkingTimer::boundaryReached);
        QSignalSpy running(&rig.timer, &WorkingTimer::runningChanged);
        const auto showsStopped = [&] {
            QVERIFY(!rig.timer.isRunning());
            QCOMPARE(rig.text("elapsed"), QStringLiteral("00:00"));
            QCOMPARE(rig.text("phase"), QStringLiteral("Prêt"));
            QCOMPARE(rig.text("remaining"), QString());
            QCOMPARE(bar->value(), bar->minimum());
            QVERIFY(bar->marks().isEmpty());
            QVERIFY(startButton->isEnabled());
            QVERIFY(!stopButton->isEnabled());
            QVERIFY(!tick->isActive());
        };
        showsStopped();

        QTest::mouseClick(startButton, Qt::LeftButton);
        QCOMPARE(requests.count(), 1);
        showsStopped();

        rig.start();
        QVERIFY(rig.timer.isRunning());
        QVERIFY(!startButton->isEnabled());
        QVERIFY(stopButton->isEnabled());
        QVERIFY(tick->isActive());
        QVERIFY(tick->interval() <= 500);
        rig.at(milliseconds(ms(4, 0)));
        QCOMPARE(boundaries.count(), 1);

        QTest::mouseClick(stopButton, Qt::LeftButton);
        showsStopped();
        rig.at(milliseconds(ms(30, 0)));
        showsStopped();
        QCOMPARE(boundaries.count(), 1);

        // Again, half an hour later on the clock.
        rig.start();
        QCOMPARE(rig.text("elapsed"), QStringLiteral("00:00"));
        QCOMPARE(rig.text("phase"), QStringLiteral("Malaxage"));
        rig.at(milliseconds(ms(3, 0)));
        QCOMPARE(rig.text("phase"), QStringLiteral("Coulée"));
        QCOMPARE(boundaries.count(), 2);
        QCOMPARE(boundaries.at(1).at(0).value<ScheduleTime>(), ScheduleTime::mixing);
        QCOMPARE(running.count(), 3);
        QCOMPARE((QList<bool>{running.at(0).at(0).toBool(), running.at(1).at(0).toBool(),
                              running.at(2).at(0).toBool()}),
                 (QList<bool>{true, false, true}));
    }

    // Another clock while running: the time already counted stays.
    void clockReplacedWhileRunning() {
        TimerRig rig;
        rig.start();
        rig.at(milliseconds(ms(2, 0)));
        milliseconds other{5};
        rig.timer.setClock([&other] { return other; });
        rig.timer.refresh();
        QCOMPARE(rig.text("elapsed"), QStringLiteral("02:00"));
        other += minutes(1);
        rig.timer.refresh();
        QCOMPARE(rig.text("elapsed"), QStringLiteral("03:00"));
        QCOMPARE(rig.text("phase"), QStringLiteral("Coulée"));
    }

    // A material whose times cannot be used: the problem is said and the timer stays stopped.
    void problem_data() {
        QTest::addColumn<bool>("wasRunning");
        QTest::newRow("pressed while stopped") << false;
        QTest::newRow("said while running") << true;
    }
    void problem() {
        QFETCH(bool, wasRunning);
        QString message;
        try {
            gypsomix::working_schedule("3", "8", "7", {});
        } catch (const gypsomix::ScheduleError& e) {
            message = QString::fromStdString(e.what());
        }
        QVERIFY(!message.isEmpty());
        TimerRig rig;
        rig.timer.show();
        QSignalSpy boundaries(&rig.timer, &WorkingTimer::boundaryReached);
        if (wasRunning) {
            rig.start();
            rig.at(milliseconds(ms(1, 0)));
        }
        rig.timer.showProblem(message);
        QLabel* problem = rig.label("problem");
        QVERIFY(problem->isVisible());
        QCOMPARE(problem->text(), message);
        QVERIFY(!rig.timer.isRunning());
        QCOMPARE(rig.text("elapsed"), QStringLiteral("00:00"));
        QCOMPARE(rig.text("phase"), QStringLiteral("Non démarré"));
        QVERIFY(!rig.timer.findChild<QPushButton*>(QStringLiteral("stop"))->isEnabled());
        rig.at(milliseconds(ms(20, 0)));
        QCOMPARE(boundaries.count(), 0);
        QCOMPARE(rig.text("elapsed"), QStringLiteral("00:00"));

        rig.start();
        QVERIFY(!problem->isVisible());
        QVERIFY(rig.timer.isRunning());
    }

    // Each phase in its own colour, at least 3:1 against the window, also after the desktop
    // changes palette while the timer runs; "Prêt" in the plain text colour.
    void colours_data() {
        QTest::addColumn<QPalette>("before");
        QTest::addColumn<QPalette>("after");
        QTest::newRow("light") << lightPalette() << lightPalette();
        QTest::newRow("dark") << darkPalette() << darkPalette();
        QTest::newRow("light, dark while running") << lightPalette() << darkPalette();
        QTest::newRow("dark, light while running") << darkPalette() << lightPalette();
    }
    void colours() {
        QFETCH(QPalette, before);
        QFETCH(QPalette, after);
        QApplication::setPalette(before);
        TimerRig rig;
        rig.timer.show();
        rig.start();
        QApplication::setPalette(after);
        QCoreApplication::processEvents();
        const QColor window = rig.timer.palette().color(QPalette::Window);
        QCOMPARE(window, after.color(QPalette::Window));
        QList<QColor> seen;
        for (qint64 at : {ms(1, 0), ms(4, 0), ms(9, 0), ms(13, 0)}) {
            rig.at(milliseconds(at));
            const QColor colour = rig.label("phase")->palette().color(QPalette::WindowText);
            const QByteArray what =
                (rig.text("phase") + QStringLiteral(" ") + colour.name()).toUtf8();
            QVERIFY2(contrast(colour, window) >= 3.0, what.constData());
            QVERIFY2(!seen.contains(colour), what.constData());
            seen << colour;
        }
        rig.timer.stop();
        QCOMPARE(rig.label("phase")->palette().color(QPalette::WindowText),
                 after.color(QPalette::WindowText));
    }

    // What a screen reader finds: each control's role and name.
    void accessibleControls_data() {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("the group") << "WorkingTimer" << int(QAccessible::Grouping) << "Minuterie";
        QTest::newRow("start button") << "start" << int(QAccessible::PushButton) << "Démarrer";
        QTest::newRow("stop button") << "stop" << int(QAccessible::PushButton) << "Arrêter";
        QTest::newRow("bar") << "span" << int(QAccessible::ProgressBar)
                             << "Temps de travail écoulé jusqu'à la prise";
    }
    void accessibleControls() {
        QFETCH(QString, objectName);
        QFETCH(int, role);
        QFETCH(QString, name);
        TimerRig rig;
        rig.timer.show();
        QObject* control = rig.timer.objectName() == objectName
                               ? &rig.timer
                               : rig.timer.findChild<QWidget*>(objectName);
        QVERIFY(control);
        QAccessibleInterface* face = accessible(control);
        QCOMPARE(int(face->role()), role);
        QCOMPARE(face->text(QAccessible::Name), name);
    }

    // What a screen reader hears between two refreshes: the phase when it changes, the time
    // left only when its text changes, the bar when its second changes.
    void announcements_data() {
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("to");
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("bar");
        QTest::newRow("clock unchanged") << ms(1, 0) << ms(1, 0) << 0 << 0 << 0;
        QTest::newRow("within one second") << ms(1, 0, 100) << ms(1, 0, 300) << 0 << 0 << 0;
        QTest::newRow("next second") << ms(1, 0, 300) << ms(1, 1) << 0 << 1 << 1;
        QTest::newRow("mixing ends") << ms(2, 59, 500) << ms(3, 0) << 1 << 1 << 1;
        QTest::newRow("several phases at once") << ms(1, 0) << ms(9, 0) << 1 << 1 << 1;
        QTest::newRow("gel") << ms(11, 59, 500) << ms(12, 0) << 1 << 1 << 1;
        QTest::newRow("after the gel") << ms(13, 0) << ms(14, 0) << 0 << 0 << 0;
    }
    void announcements() {
        QFETCH(qint64, from);
        QFETCH(qint64, to);
        QFETCH(int, phase);
        QFETCH(int, left);
        QFETCH(int, bar);
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            QSKIP("no accessibility bridge offscreen: tst_working_timer_screen_reader runs this");
        }
        // The bridge comes up once the accessibility bus answers; the timer's own time is still
        // the hand-driven clock.
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        TimerRig rig;
        rig.timer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.timer));
        rig.start();
        rig.at(milliseconds(from));
        AnnouncementRecorder recorder;
        rig.at(milliseconds(to));
        QCOMPARE(recorder.count(rig.label("phase"), QAccessible::NameChanged), phase);
        QCOMPARE(recorder.count(rig.label("remaining"), QAccessible::NameChanged), left);
        QCOMPARE(recorder.count(rig.timer.findChild<QProgressBar*>(), QAccessible::ValueChanged),
                 bar);
    }

    // The marks stand at the end of mixing (3 of 12 min) and of pouring (8 of 12), drawn in the
    // text colour; none while stopped.
    void marks_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << lightPalette();
        QTest::newRow("dark") << darkPalette();
    }
    void marks() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        TimerRig rig;
        rig.timer.show();
        rig.start();
        rig.at(milliseconds(ms(5, 0)));  // the chunk reaches past the first mark
        auto* bar = rig.timer.findChild<QProgressBar*>();
        const QRgb ink = palette.color(QPalette::WindowText).rgb();
        QImage image = bar->grab().toImage();
        const QList<std::pair<int, int>> runs = runsOf(image, image.height() / 2, ink);
        QCOMPARE(runs.size(), 2);
        const qreal expected[] = {3.0 / 12, 8.0 / 12};
        for (int i = 0; i < 2; ++i) {
            const qreal centre = (runs[i].first + runs[i].second) / 2.0 / image.width();
            QVERIFY2(qAbs(centre - expected[i]) < 0.03, QByteArray::number(centre).constData());
        }
        rig.timer.stop();
        image = bar->grab().toImage();
        QVERIFY(runsOf(image, image.height() / 2, ink).isEmpty());
    }

    // The elapsed time large enough to read from two metres; the column keeps its width
    // through a whole run and a problem, so the window around it does not shift.
    void room() {
        TimerRig rig;
        QVERIFY(QFontInfo(rig.label("elapsed")->font()).pointSizeF() >= 24);
        rig.timer.show();
        const int width = rig.timer.minimumSizeHint().width();
        const int preferred = rig.timer.sizeHint().width();
        rig.start();
        for (qint64 at : {ms(0, 0), ms(3, 27), ms(8, 0), ms(12, 0), ms(75, 2), ms(99, 59)}) {
            rig.at(milliseconds(at));
            QCOMPARE(rig.timer.minimumSizeHint().width(), width);
            QCOMPARE(rig.timer.sizeHint().width(), preferred);
            for (const char* name : {"elapsed", "phase", "remaining"}) {
                QLabel* label = rig.label(name);
                QVERIFY2(
                    label->fontMetrics().horizontalAdvance(label->text()) <= label->minimumWidth(),
                    name);
            }
        }
        try {
            gypsomix::working_schedule("3", "huit", "12", {});
        } catch (const gypsomix::ScheduleError& e) {
            rig.timer.showProblem(QString::fromStdString(e.what()));
        }
        QVERIFY(rig.label("problem")->isVisible());
        QCOMPARE(rig.timer.minimumSizeHint().width(), width);
        QCOMPARE(rig.timer.sizeHint().width(), preferred);
    }

  private:
    QPalette m_palette;
};

QTEST_MAIN(TestWorkingTimer)
#include "tst_working_timer.moc"
