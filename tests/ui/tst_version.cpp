// The start-up card names the version the project is built as.
#include <QLabel>
#include <QtTest>

#include "ui/demarrage.h"

class TestVersion : public QObject {
    Q_OBJECT

  private slots:
    void cardShowsProjectVersion() {
        Demarrage card;
        auto* label = card.findChild<QLabel*>(QStringLiteral("lblVersion"));
        QVERIFY(label);
        // PROJECT_VERSION as CMake holds it, handed to this test alone.
        const QStringList parts =
            QStringLiteral(GYPSOMIX_TEST_PROJECT_VERSION).split(QLatin1Char('.'));
        QVERIFY2(parts.size() >= 2, GYPSOMIX_TEST_PROJECT_VERSION);
        QCOMPARE(label->text(), QStringLiteral("  Version %1.%2 ").arg(parts[0], parts[1]));
        if (parts[0] == QLatin1String("1") && parts[1] == QLatin1String("0")) {
            QCOMPARE(label->text(), QStringLiteral("  Version 1.0 "));
        }
    }
};

QTEST_MAIN(TestVersion)
#include "tst_version.moc"
