// The start-up and About card: what closes it and what does not.
#include <QLabel>

#include "ui/application.h"
#include "ui/demarrage.h"
#include "window_test_support.h"

class TestDemarrage : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpApplication(*qApp); }

    void appearance();
    void keys_data();
    void keys();
    void clicks_data();
    void clicks();
};

void TestDemarrage::appearance() {
    Demarrage card;
    QCOMPARE(card.objectName(), QStringLiteral("Démarrage"));
    QVERIFY(card.windowTitle().isEmpty());
    QVERIFY(card.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(card.size(), QSize(300, 222));
    QCOMPARE(card.minimumSize(), card.maximumSize());
    auto* version = card.findChild<QLabel*>(QStringLiteral("lblVersion"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("  Version 1.0 "));
    QCOMPARE(version->palette().color(QPalette::Window), QColor(128, 128, 255));
    auto* prompt = card.findChild<QLabel*>(QStringLiteral("Label3"));
    QCOMPARE(prompt->text(), QStringLiteral("Cliquer pour continuer"));
    QCOMPARE(prompt->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QVERIFY(card.findChild<QLabel*>(QStringLiteral("lblCompany"))->text().startsWith("Par "));
    auto* logo = card.findChild<QLabel*>(QStringLiteral("Image2"));
    QVERIFY(!logo->pixmap().isNull());
    QVERIFY(!logo->accessibleName().isEmpty());
}

void TestDemarrage::keys_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Enter") << Qt::Key_Return << true;
    QTest::newRow("keypad Enter") << Qt::Key_Enter << true;
    QTest::newRow("Escape") << Qt::Key_Escape << true;
    QTest::newRow("letter") << Qt::Key_A << true;
    QTest::newRow("digit") << Qt::Key_7 << true;
    QTest::newRow("space") << Qt::Key_Space << true;
    QTest::newRow("left arrow") << Qt::Key_Left << false;
    QTest::newRow("down arrow") << Qt::Key_Down << false;
    QTest::newRow("F1") << Qt::Key_F1 << false;
    QTest::newRow("Shift") << Qt::Key_Shift << false;
    QTest::newRow("Control") << Qt::Key_Control << false;
}

void TestDemarrage::keys() {
    QFETCH(Qt::Key, key);
    QFETCH(bool, closes);
    Selection owner;
    ModalAnswers answers(2000);
    bool stillOpen = false;
    answers.then([&](QWidget* card) {
        QTest::keyClick(card, key);
        QTest::qWait(20);
        stillOpen = card->isVisible();
        if (stillOpen) {
            QTest::keyClick(card, Qt::Key_Space);
        }
    });
    Demarrage card(&owner);
    card.exec();
    QVERIFY(!answers.gaveUp());
    QCOMPARE(stillOpen, !closes);
}

void TestDemarrage::clicks_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("closes");
    // Points are in the card's coordinates; the frame starts 8 pixels from the left.
    QTest::newRow("empty part of the frame") << QString() << QPoint(258, 90) << true;
    QTest::newRow("version box") << "lblVersion" << QPoint() << true;
    QTest::newRow("logo") << "Image2" << QPoint() << true;
    QTest::newRow("author") << "lblCompany" << QPoint() << true;
    QTest::newRow("town") << "Label1" << QPoint() << true;
    QTest::newRow("web address") << "Label2" << QPoint() << true;
    QTest::newRow("click to continue") << "Label3" << QPoint() << true;
    QTest::newRow("strip on the left") << QString() << QPoint(3, 110) << false;
    QTest::newRow("strip on the right") << QString() << QPoint(297, 110) << false;
    QTest::newRow("strip at the bottom") << QString() << QPoint(150, 219) << false;
}

void TestDemarrage::clicks() {
    QFETCH(QString, target);
    QFETCH(QPoint, point);
    QFETCH(bool, closes);
    Selection owner;
    ModalAnswers answers(2000);
    bool stillOpen = false;
    answers.then([&](QWidget* card) {
        QVERIFY(QTest::qWaitForWindowExposed(card));
        QPoint where = point;
        if (!target.isEmpty()) {
            auto* widget = card->findChild<QWidget*>(target);
            QVERIFY(widget);
            where = widget->mapTo(card, widget->rect().center());
        }
        QTest::mouseClick(card, Qt::LeftButton, {}, where);
        QTest::qWait(20);
        stillOpen = card->isVisible();
        if (stillOpen) {
            QTest::keyClick(card, Qt::Key_Space);
        }
    });
    Demarrage card(&owner);
    card.exec();
    QVERIFY(!answers.gaveUp());
    QCOMPARE(stillOpen, !closes);
}

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
