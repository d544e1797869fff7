// scripts/check-layering, on a small tree holding one file with one include: what it must refuse
// and what it must let through.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestLayering : public QObject {
    Q_OBJECT

  private slots:
    void include_data() {
        QTest::addColumn<QString>("file");        // under the tree's root
        QTest::addColumn<QByteArray>("include");  // the file's second line
        QTest::addColumn<bool>("refused");
        QTest::newRow("catalogue includes calc")
            << "catalogue/catalogue.cpp" << QByteArray("#include \"calc/mix.h\"") << true;
        QTest::newRow("calc includes ui by a relative path")
            << "calc/mix.cpp" << QByteArray("#include \"../ui/application.h\"") << true;
        QTest::newRow("indented directive, blank after the hash")
            << "calc/mix.h" << QByteArray("  #  include \"ui/selection.h\"") << true;
        QTest::newRow("Qt class in calc")
            << "calc/number_text.cpp" << QByteArray("#include <QString>") << true;
        QTest::newRow("Qt module path in catalogue")
            << "catalogue/decimal.cpp" << QByteArray("#include <QtCore/QFile>") << true;
        QTest::newRow("document includes ui")
            << "document/plan_file.cpp" << QByteArray("#include \"ui/plan_window.h\"") << true;
        QTest::newRow("calc includes document")
            << "calc/plan.cpp" << QByteArray("#include \"document/plan_file.h\"") << true;
        QTest::newRow("catalogue includes document")
            << "catalogue/catalogue.h" << QByteArray("#include \"document/plan_document.h\"")
            << true;
        QTest::newRow("Qt class in document")
            << "document/plan_file.cpp" << QByteArray("#include <QJsonDocument>") << true;
        QTest::newRow("document includes calc and catalogue")
            << "document/plan_file.h" << QByteArray("#include \"calc/plan.h\"") << false;
        QTest::newRow("calc includes catalogue")
            << "calc/mix.cpp" << QByteArray("#include \"catalogue/catalogue.h\"") << false;
        QTest::newRow("standard header starting with q")
            << "calc/mix.cpp" << QByteArray("#include <queue>") << false;
        QTest::newRow("include in a comment")
            << "catalogue/catalogue.cpp" << QByteArray("// #include \"ui/selection.h\"") << false;
    }

    void include() {
        QFETCH(QString, file);
        QFETCH(QByteArray, include);
        QFETCH(bool, refused);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(QDir(root.path()).mkpath(QFileInfo(file).path()));
        QFile source(root.filePath(file));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write("// A file of the layer.\n" + include + "\n#include <vector>\n");
        source.close();

        QProcess check;
        check.setProcessChannelMode(QProcess::MergedChannels);
        check.start(QStringLiteral(GYPSOMIX_CHECK_LAYERING), {root.path()});
        QVERIFY(check.waitForFinished(30000));
        QCOMPARE(check.exitStatus(), QProcess::NormalExit);
        const QString output = QString::fromUtf8(check.readAll());
        QVERIFY2(check.exitCode() == (refused ? 1 : 0), qPrintable(output));
        // The offending include is named by file and line, and nothing else is.
        QCOMPARE(output.contains(file + QStringLiteral(":2:")), refused);
        QVERIFY2(!output.contains(QStringLiteral(":3:")), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
