// The casting plan's timer on a clock moved by hand: what it shows, signals, draws and says.
#include <QtTest>
#include <QtWidgets>
#include <ranges>

#include "ui/application.h"
#include "ui/working_timer.h"

using gypsomix::ScheduleTime;
using namespace Qt::StringLiterals;
using std::chrono::milliseconds;
using std::chrono::minutes;

namespace {

constexpr qint64 ms(int minutes, int seconds, int millis = 0) {
    return (qint64(minutes) * 60 + seconds) * 1000 + millis;
}

// A timer on show; its clock starts far from zero, so only differences can make figures right.
struct TimerRig {
    TimerRig() {
        timer.setClock([this] { return now; });
        timer.show();
    }
    // Water meets powder now, for a material of 3, 8 and 12 minutes unless told otherwise.
    void start(const gypsomix::WorkingSchedule& schedule = {minutes(3), minutes(8), minutes(12)}) {
        startedAt = now;
        timer.start(schedule);
    }
    // Moves the clock to this long after the last start, then lets the timer read it.
    void at(qint64 sinceStart) {
        now = startedAt + milliseconds(sinceStart);
        timer.refresh();
    }
    QLabel* label(const char* name) { return timer.findChild<QLabel*>(QLatin1String(name)); }
    QString text(const char* name) { return label(name)->text(); }

    milliseconds now{987'654'321}, startedAt = now;
    WorkingTimer timer;
};

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

}  // namespace

class TestWorkingTimer : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpApplication(*qApp); }

    // What the caster reads at each instant, reached from the start, then again after the clock
    // stepped back: the boundaries passed are signalled once each, in order; the width holds.
    // Stopped at 4 min by "Arrêter" or a problem, it shows nothing of the run and signals
    // nothing more, and starts over afresh.
    void figures_data() {
        QTest::addColumn<QString>("stop");  // "Arrêter" pressed, or the problem said
        QTest::addColumn<qint64>("at");
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<QString>("phase");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("signalled");
        QTest::newRow("1 ms before mixing ends: time left rounds up")
            << QString() << ms(2, 59, 999) << u"02:59"_s << u"Malaxage"_s << u"reste 0:01"_s << 0;
        QTest::newRow("mixing ends")
            << QString() << ms(3, 0) << u"03:00"_s << u"Coulée"_s << u"reste 5:00"_s << 1;
        QTest::newRow("pourable time ends")
            << QString() << ms(8, 0) << u"08:00"_s << u"Prise"_s << u"reste 4:00"_s << 2;
        QTest::newRow("gel") << QString() << ms(12, 0) << u"12:00"_s << u"Terminé"_s << QString()
                             << 3;
        QTest::newRow("Arrêter") << u"Arrêter"_s << ms(30, 0) << u"00:00"_s << u"Prêt"_s
                                 << QString() << 1;
        QTest::newRow("problem while running") << u"« 7 » avant « 8 »"_s << ms(30, 0) << u"00:00"_s
                                               << u"Non démarré"_s << QString() << 1;
    }
    void figures() {
        QFETCH(QString, stop);
        QFETCH(qint64, at);
        QFETCH(QString, elapsed);
        QFETCH(QString, phase);
        QFETCH(QString, left);
        QFETCH(int, signalled);
        TimerRig rig, idle;
        QSignalSpy spy(&rig.timer, &WorkingTimer::boundaryReached);
        rig.start();
        const QString problem = stop == u"Arrêter"_s ? QString() : stop;
        if (!stop.isEmpty()) {
            rig.at(ms(4, 0));
            if (problem.isEmpty())
                QTest::mouseClick(rig.timer.findChild<QPushButton*>(u"stop"_s), Qt::LeftButton);
            else
                rig.timer.showProblem(problem);
        }
        for (qint64 step : {at, qint64(0), at}) {
            rig.at(step);
        }
        QCOMPARE(rig.text("elapsed"), elapsed);
        QCOMPARE(rig.text("phase"), phase);
        QCOMPARE(rig.text("remaining"), left);
        QCOMPARE(rig.text("problem"), problem);
        QCOMPARE(rig.timer.findChild<QProgressBar*>()->value() == 0, !stop.isEmpty());
        QCOMPARE(spy.count(), signalled);
        for (int i = 0; i < signalled; ++i) {  // mixing, pourable, gel
            QCOMPARE(spy.at(i).at(0).value<ScheduleTime>(), ScheduleTime(i));
        }
        QCOMPARE(rig.timer.minimumSizeHint().width(), idle.timer.minimumSizeHint().width());
        if (stop.isEmpty())
            return;
        // Again, half an hour later on the clock, for a material without a pourable time.
        rig.start({minutes(3), minutes(3), minutes(12)});
        rig.at(ms(3, 0));
        QCOMPARE(rig.text("elapsed"), u"03:00"_s);
        QCOMPARE(rig.text("phase"), u"Prise"_s);
        QCOMPARE(rig.text("problem"), QString());
        QCOMPARE(spy.count(), 3);
    }

    // Each phase in its own colour, 3:1 against the window also after a palette change; "Prêt"
    // and the marks (end of mixing at 3 of 12 min, of pouring at 8) in the text colour.
    void colours_data() {
        QTest::addColumn<QPalette>("before");
        QTest::addColumn<QPalette>("after");
        const QPalette light = QApplication::style()->standardPalette();
        const QPalette dark(QColor(0x3a, 0x3a, 0x3a), QColor(0x2b, 0x2b, 0x2b));  // light text
        QTest::newRow("light, then dark") << light << dark;
        QTest::newRow("dark, then light") << dark << light;
    }
    void colours() {
        QFETCH(QPalette, before);
        QFETCH(QPalette, after);
        QApplication::setPalette(before);
        TimerRig rig;
        rig.start();
        QApplication::setPalette(after);
        QCoreApplication::processEvents();
        QList<QColor> seen;
        for (qint64 at : {ms(1, 0), ms(4, 0), ms(9, 0), ms(13, 0)}) {
            rig.at(at);
            const QColor colour = rig.label("phase")->palette().color(QPalette::WindowText);
            QVERIFY2(
                contrast(colour, after.color(QPalette::Window)) >= 3.0 && !seen.contains(colour),
                qPrintable(rig.text("phase") + u' ' + colour.name()));
            seen << colour;
        }
        const QColor ink = after.color(QPalette::WindowText);
        const auto inkNear = [&](qreal end) {  // in the bar's middle row, within 3 % of `end`
            const QImage image = rig.timer.findChild<QProgressBar*>()->grab().toImage();
            const int width = image.width(), y = image.height() / 2;
            return std::ranges::any_of(
                std::views::iota(int((end - 0.03) * width), int((end + 0.03) * width)),
                [&](int x) { return image.pixelColor(x, y) == ink; });
        };
        QVERIFY(inkNear(3.0 / 12) && inkNear(8.0 / 12));
        rig.timer.stop();
        QCOMPARE(rig.label("phase")->palette().color(QPalette::WindowText), ink);
        QVERIFY(!inkNear(3.0 / 12) && !inkNear(8.0 / 12));
    }

    // What a screen reader finds on each control.
    void accessibleControls_data() {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("name");
        QTest::newRow("start") << u"start"_s << u"Démarrer"_s;
        QTest::newRow("stop") << u"stop"_s << u"Arrêter"_s;
        QTest::newRow("bar") << u"span"_s << u"Temps de travail écoulé jusqu'à la prise"_s;
    }
    void accessibleControls() {
        QFETCH(QString, objectName);
        QFETCH(QString, name);
        TimerRig rig;
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(rig.timer.findChild<QWidget*>(objectName));
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
    }

    // What a screen reader hears: the phase when it changes, the time left when its text does.
    void announcements_data() {
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("to");
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("left");
        QTest::newRow("within one second") << ms(1, 0, 100) << ms(1, 0, 300) << 0 << 0;
        QTest::newRow("next second") << ms(1, 0, 300) << ms(1, 1) << 0 << 1;
        QTest::newRow("mixing ends") << ms(2, 59, 500) << ms(3, 0) << 1 << 1;
        QTest::newRow("several phases at once") << ms(1, 0) << ms(9, 0) << 1 << 1;
        QTest::newRow("gel: the time left goes") << ms(11, 59, 500) << ms(12, 0) << 1 << 1;
        QTest::newRow("after the gel") << ms(13, 0) << ms(14, 0) << 0 << 0;
    }
    void announcements() {
        QFETCH(qint64, from);
        QFETCH(qint64, to);
        QFETCH(int, phase);
        QFETCH(int, left);
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            QSKIP("no accessibility bridge offscreen: tst_working_timer_screen_reader runs this");
        }
        // The bridge comes up once the accessibility bus answers.
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        TimerRig rig;
        QVERIFY(QTest::qWaitForWindowExposed(&rig.timer));
        rig.start();
        rig.at(from);
        static QList<std::pair<QObject*, QAccessible::Event>> heard;
        heard.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            heard.append({event->object(), event->type()});
        });
        rig.at(to);
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(heard.count({rig.label("phase"), QAccessible::NameChanged}), phase);
        QCOMPARE(heard.count({rig.label("remaining"), QAccessible::NameChanged}), left);
    }
};

QTEST_MAIN(TestWorkingTimer)
#include "tst_working_timer.moc"
