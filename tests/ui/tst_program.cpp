// The whole program as main() runs it: card first, then the window, and the ways it ends.
#include "ui/application.h"
#include "window_test_support.h"

namespace {

// Ends a runaway program instead of letting the test hang.
struct Watchdog {
    Watchdog() {
        QTimer::singleShot(30000, qApp, [] { QCoreApplication::exit(99); });
    }
};

QWidget* mainWindow() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("Sélection")) {
            return top;
        }
    }
    return nullptr;
}

}  // namespace

class TestProgram : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        setUpApplication(*qApp);
        QApplication::setDoubleClickInterval(100);
    }

    void quitConfirmed_data();
    void quitConfirmed();
    void closeBoxEndsWithoutAsking();
    void startUpError_data();
    void startUpError();
};

void TestProgram::quitConfirmed_data() {
    QTest::addColumn<bool>("withEnter");
    QTest::newRow("Oui clicked") << false;
    QTest::newRow("Enter answers Oui") << true;
}

void TestProgram::quitConfirmed() {
    QFETCH(bool, withEnter);
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir));
    Watchdog watchdog;
    ModalAnswers answers;
    answers.then([](QWidget* card) { pressKey(card, Qt::Key_Return); });
    answers.then([&](QWidget* box) {
        if (withEnter) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            clickButton(box, QMessageBox::Yes);
        }
    });
    QTimer::singleShot(300, qApp, [&] {
        QWidget* window = mainWindow();
        if (!window || !window->isVisible()) {
            return;
        }
        QTest::mouseClick(control<QPushButton>(*window, "quitter"), Qt::LeftButton);
    });
    const int status = runProgram(*qApp);
    QCOMPARE(status, 0);
    QVERIFY(!answers.gaveUp());
    QCOMPARE(answers.seen().size(), 2);
    QCOMPARE(answers.seen().at(0).objectName, QStringLiteral("Démarrage"));
    QVERIFY(!answers.seen().at(0).mainWindowVisible);
    QCOMPARE(answers.seen().at(1).title, QStringLiteral("Confirmation"));
    QVERIFY(answers.seen().at(1).mainWindowVisible);
}

void TestProgram::closeBoxEndsWithoutAsking() {
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir));
    Watchdog watchdog;
    ModalAnswers answers;
    answers.then([](QWidget* card) { pressKey(card); });
    QTimer::singleShot(300, qApp, [] {
        if (QWidget* window = mainWindow()) {
            window->close();
        }
    });
    QCOMPARE(runProgram(*qApp), 0);
    QCOMPARE(answers.seen().size(), 1);
}

void TestProgram::startUpError_data() {
    QTest::addColumn<QByteArray>("materials");
    QTest::addColumn<QByteArray>("flasks");
    QTest::addColumn<int>("number");
    QTest::newRow("no material file") << QByteArray() << kFlasks << 53;
    QTest::newRow("no flask file") << kMaterials << QByteArray() << 53;
    QTest::newRow("material record cut short") << QByteArray("\"A\",38,3,10\r\n") << kFlasks << 62;
    QTest::newRow("flask file of one line break") << kMaterials << QByteArray("\r\n") << 62;
}

void TestProgram::startUpError() {
    QFETCH(QByteArray, materials);
    QFETCH(QByteArray, flasks);
    QFETCH(int, number);
    TempWorkDir dir;
    if (!materials.isEmpty()) {
        QVERIFY(dir.write(QStringLiteral("Data/Mat.txt"), materials));
    }
    if (!flasks.isEmpty()) {
        QVERIFY(dir.write(QStringLiteral("Data/Cylindre.txt"), flasks));
    }
    Watchdog watchdog;
    ModalAnswers answers;
    answers.then([](QWidget* card) { pressKey(card); });
    answers.then([](QWidget* box) { clickButton(box, QMessageBox::Ok); });
    const int status = runProgram(*qApp);
    QVERIFY(status != 0);
    QVERIFY(status != 99);
    QVERIFY(!answers.gaveUp());
    QCOMPARE(answers.seen().size(), 2);
    QCOMPARE(answers.seen().at(0).objectName, QStringLiteral("Démarrage"));
    const ModalSeen& report = answers.seen().at(1);
    QCOMPARE(report.title, QStringLiteral("Gypsomix"));
    QCOMPARE(report.text, QStringLiteral("Erreur d'exécution %1").arg(number));
    QVERIFY(report.informativeText.contains(QStringLiteral(".txt")));
    QVERIFY(!report.mainWindowVisible);
}

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
