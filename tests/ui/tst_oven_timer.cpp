// The oven timer on a wall clock the tests move by hand, and its desktop notifications through a
// notification service of the tests' own on a private session bus (dbus-run-session).
#include <QDBusConnection>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "calc/burnout.h"
#include "ui/desktop_notifier.h"
#include "ui/oven_timer.h"

using namespace std::chrono;

namespace {

// The medium-flask programme from 20 °C: its phases end at 39, 159, 213, 333, 420, 600, 658 and
// 718 minutes.
std::vector<gypsomix::OvenPhase> mediumPhases() {
    const std::vector<gypsomix::BurnoutStep> steps = {
        {"149", "200", "120"}, {"371", "250", "120"}, {"732", "250", "180"}, {"540", "200", "60"}};
    return gypsomix::oven_phases(gypsomix::burnout_timeline(steps, "20", {}));
}

const QStringList kNames = {"Montée vers 149 °C",   "Palier à 149 °C",    "Montée vers 371 °C",
                            "Palier à 371 °C",      "Montée vers 732 °C", "Palier à 732 °C",
                            "Descente vers 540 °C", "Palier à 540 °C"};

}  // namespace

// A notification service that keeps what it is told.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

  public:
    QStringList summaries;
    QList<uint> replaced;

  public slots:
    uint Notify(const QString&, uint replacesId, const QString&, const QString& summary,
                const QString&, const QStringList&, const QVariantMap&, int) {
        summaries << summary;
        replaced << replacesId;
        return uint(40 + summaries.size());
    }
};

class TestOvenTimer : public QObject {
    Q_OBJECT

  private slots:
    // The clock moves by the minutes given ("+99 -120", "720x1" for 720 moves of one minute)
    // after the run is taken up; the changes signalled are those that came while the timer ran,
    // each once, in order.
    void runs_data() {
        QTest::addColumn<int>("started");  // minutes after the run is taken up; negative: before
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("signalled");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("notices");
        const auto row = [](const char* name, int started, const char* moves, const char* signalled,
                            const char* state, int notices) {
            QTest::newRow(name) << started << QString(moves) << QString(signalled) << QString(state)
                                << notices;
        };
        row("started now, minute by minute to the end", 0, "720x1", "1 2 3 4 5 6 7 8",
            "Cuisson terminée", 8);
        row("restart in the middle of a hold", -500, "+99 +1 +1", "6", "Descente vers 540 °C", 1);
        row("a suspended laptop's clock jumps", 0, "+1 +539", "1 2 3 4 5", "Palier à 732 °C", 1);
        row("the clock steps back, nothing again", 0, "+200 -120 +120 +10", "1 2",
            "Montée vers 371 °C", 1);
        row("planned start an hour ahead", 60, "+59 +1 +39", "0 1", "Palier à 149 °C", 2);
        row("opened after the end", -2000, "+10", "", "Cuisson terminée", 0);
    }
    void runs() {
        QFETCH(int, started);
        QFETCH(QString, moves);
        QFETCH(QString, signalled);
        QFETCH(QString, state);
        QFETCH(int, notices);
        const QDateTime attached(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);
        QDateTime now = attached;
        OvenTimer timer;
        timer.setClock([&now] { return now; });
        QStringList heard;
        connect(&timer, &OvenTimer::changeReached, this,
                [&](int change, const QString&) { heard << QString::number(change); });
        QSignalSpy shown(timer.notifier(), &DesktopNotifier::shown);
        QSignalSpy fellBack(timer.notifier(), &DesktopNotifier::fellBack);
        timer.setRun(attached.addSecs(started * 60), mediumPhases(), kNames, {});
        for (const QString& move : moves.split(' ')) {
            const QStringList repeat = move.split('x');
            for (int i = 0; i < (repeat.size() == 2 ? repeat[0].toInt() : 1); ++i) {
                now = now.addSecs(repeat.last().toInt() * 60);
                timer.refresh();
            }
        }
        QCOMPARE(heard.join(' '), signalled);
        QCOMPARE(timer.findChild<QLabel*>("ovenState")->text(), state);
        // The notifications are answered through the bus, or fall back at once.
        QTRY_COMPARE(shown.count() + fellBack.count(), notices);
    }

    // What the timer says between two changes: the time left, the next change and its time.
    void display() {
        const QDateTime start(QDate(2026, 12, 7), QTime(4, 2), Qt::LocalTime);
        QDateTime now = start.addSecs(500 * 60 + 15);
        OvenTimer timer;
        timer.setClock([&now] { return now; });
        timer.setRun(start, mediumPhases(), kNames, start);
        QCOMPARE(timer.findChild<QLabel*>("ovenState")->text(), QString("Palier à 732 °C"));
        QCOMPARE(timer.findChild<QLabel*>("ovenLeft")->text(), QString("reste 1:39:45"));
        QCOMPARE(timer.findChild<QLabel*>("ovenNext")->text(),
                 QString("Puis descente vers 540 °C à 14:02"));
        QCOMPARE(timer.findChild<QLabel*>("ovenStarted")->text(), QString("Enfourné à 04:02"));
        // Under way, the oven is stopped before it is started again.
        QVERIFY(!timer.findChild<QPushButton*>("ovenStartNow")->isEnabled());
        now = start.addSecs(-3600);
        timer.setRun(start, mediumPhases(), kNames, start);
        QCOMPARE(timer.findChild<QLabel*>("ovenState")->text(), QString("Enfournement à 04:02"));
        QCOMPARE(timer.findChild<QLabel*>("ovenLeft")->text(), QString("dans 1:00:00"));
        QCOMPARE(timer.findChild<QLabel*>("ovenStarted")->text(), QString());
        QVERIFY(timer.findChild<QPushButton*>("ovenStartNow")->isEnabled());
        now = start.addSecs(718 * 60 - 1);
        timer.refresh();
        QCOMPARE(timer.findChild<QLabel*>("ovenNext")->text(),
                 QString("Fin de la cuisson à 16:00"));
        timer.setRun({}, mediumPhases(), kNames, start);
        QCOMPARE(timer.findChild<QLabel*>("ovenState")->text(), QString("Four non démarré"));
        QCOMPARE(timer.findChild<QLabel*>("ovenNext")->text(),
                 QString("Le plan fait enfourner à 04:02."));
    }

    // Each notification replaces the one before; without the service the window asks for
    // attention instead.
    void notifications() {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            QSKIP("no session bus: run under dbus-run-session, as CTest does");
        QWidget window;
        DesktopNotifier notifier(&window);
        QSignalSpy shown(&notifier, &DesktopNotifier::shown);
        QSignalSpy fellBack(&notifier, &DesktopNotifier::fellBack);

        FakeNotifications service;
        QDBusConnection own =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, "notifications");
        QVERIFY(own.registerObject("/org/freedesktop/Notifications", &service,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(own.registerService("org.freedesktop.Notifications"));
        notifier.notify("Cuisson : Palier à 149 °C", "Puis montée vers 371 °C à 06:41");
        QVERIFY(shown.wait(5000));
        notifier.notify("Cuisson : Montée vers 371 °C", "Puis palier à 371 °C à 07:35");
        QTRY_COMPARE(shown.count(), 2);
        QCOMPARE(service.summaries,
                 QStringList({"Cuisson : Palier à 149 °C", "Cuisson : Montée vers 371 °C"}));
        QCOMPARE(service.replaced, QList<uint>({0, 41}));
        QCOMPARE(fellBack.count(), 0);

        QVERIFY(own.unregisterService("org.freedesktop.Notifications"));
        notifier.notify("Cuisson terminée", "");
        QVERIFY(fellBack.wait(5000));
        QCOMPARE(shown.count(), 2);
        QDBusConnection::disconnectFromBus("notifications");
    }
};

QTEST_MAIN(TestOvenTimer)
#include "tst_oven_timer.moc"
