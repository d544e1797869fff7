// The entries a list shows, read from a catalogue file: names, order, ordinals, the longest
// names, and a failed reading.
#include <QtTest>

#include "catalogue/catalogue.h"
#include "catalogue/run_time_error.h"
#include "ui/catalogue_list_model.h"
#include "workdir.h"

namespace {

const QString kPath = QStringLiteral("Data/Cylindre.txt");

// A catalogue of flasks named as given, each with its own diameter: its row + 1.
QByteArray flasks(const QStringList& names) {
    QByteArray bytes;
    for (int i = 0; i < names.size(); ++i) {
        bytes += '"' + names.at(i).toUtf8() + "\"," + QByteArray::number(i + 1) + ",100\r\n";
    }
    return bytes;
}

QStringList shown(const CatalogueListModel& entries, int role) {
    QStringList names;
    for (int row = 0; row < entries.rowCount(); ++row) {
        names << entries.data(entries.index(row), role).toString();
    }
    return names;
}

}  // namespace

class TestCatalogueListModel : public QObject {
    Q_OBJECT

  private slots:
    void listing_data() {
        QTest::addColumn<QByteArray>("catalogue");
        QTest::addColumn<QStringList>("names");  // as the list shows them, in its order
        QTest::newRow("file order, not sorted")
            << flasks({"Ø 90 × 110 mm", "Ø 63,5 × 76,2 mm", "Ø 100 × 100 mm (essai)"})
            << QStringList{"Ø 90 × 110 mm", "Ø 63,5 × 76,2 mm", "Ø 100 × 100 mm (essai)"};
        QTest::newRow("twins apart") << flasks({"Jumeau", "Autre", "Jumeau", "Jumeau"})
                                     << QStringList{"Jumeau", "Autre", "Jumeau", "Jumeau"};
        QTest::newRow("Windows-1252, trimmed, empty and numeric names")
            << QByteArray("\"  Cylindre \xe0 bride \xd8 50  \",1,60\r\n,2,80\r\n12.50,3,100\r\n")
            << QStringList{"Cylindre à bride Ø 50", "", "12.5"};
        QTest::newRow("empty catalogue") << QByteArray() << QStringList();
    }

    // Every record is an entry, in file order, with its record's ordinal as data: the record
    // fetched with that ordinal is the one whose name the entry shows.
    void listing() {
        QFETCH(QByteArray, catalogue);
        QFETCH(QStringList, names);
        TempWorkDir dir;
        QVERIFY(dir.write(kPath, catalogue));
        CatalogueListModel entries;
        QSignalSpy resets(&entries, &QAbstractItemModel::modelReset);
        entries.load(kPath.toStdString(), gypsomix::CylindreRecord::fields);
        QCOMPARE(resets.size(), 1);
        QCOMPARE(entries.rowCount(), names.size());
        QCOMPARE(shown(entries, Qt::DisplayRole), names);
        QCOMPARE(shown(entries, Qt::EditRole), names);
        for (int row = 0; row < entries.rowCount(); ++row) {
            const QVariant ordinal = entries.data(entries.index(row), Qt::UserRole);
            QCOMPARE(ordinal.typeId(), int(QMetaType::Int));
            const auto record = gypsomix::fetch_record(
                kPath.toStdString(), gypsomix::CylindreRecord::fields, ordinal.toInt());
            QVERIFY(record.has_value());
            const double* diameter = std::get_if<double>(&record->at(1));
            QVERIFY(diameter != nullptr);
            QCOMPARE(*diameter, row + 1.0);
        }
        // Nothing outside the list, and nothing beneath an entry.
        QVERIFY(!entries.index(entries.rowCount()).isValid());
        QVERIFY(!entries.index(-1).isValid());
        QVERIFY(!entries.index(0, 1).isValid());
        if (entries.rowCount() > 0) {
            QCOMPARE(entries.rowCount(entries.index(0)), 0);
        }
    }

    void failedReading_data() {
        QTest::addColumn<QByteArray>("catalogue");  // empty: no file at all
        QTest::addColumn<int>("number");
        QTest::newRow("no file") << QByteArray() << 53;
        QTest::newRow("last record cut short")
            << QByteArray("\"Neuf\",100,100\r\n\"Coupé\",90\r\n") << 62;
    }

    // A catalogue that cannot be read is reported, and the list keeps what it showed.
    void failedReading() {
        QFETCH(QByteArray, catalogue);
        QFETCH(int, number);
        TempWorkDir dir;
        QVERIFY(dir.write(kPath, flasks({"Ancien", "Ancien bis"})));
        CatalogueListModel entries;
        entries.load(kPath.toStdString(), gypsomix::CylindreRecord::fields);
        QVERIFY(dir.remove(kPath));
        QVERIFY(catalogue.isEmpty() || dir.write(kPath, catalogue));
        QSignalSpy resets(&entries, &QAbstractItemModel::modelReset);
        int reported = 0;
        try {
            entries.load(kPath.toStdString(), gypsomix::CylindreRecord::fields);
        } catch (const gypsomix::RunTimeError& error) {
            reported = error.number();
        }
        QCOMPARE(reported, number);
        QCOMPARE(resets.size(), 0);
        QCOMPARE(shown(entries, Qt::DisplayRole), (QStringList{"Ancien", "Ancien bis"}));
    }

    void longestRows_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("first");  // the leading rows of longestRows()
        QTest::newRow("characters, not bytes")
            << QStringList{"éééééé", "abcdefgh", "Ø×½"} << QList<int>{1, 0, 2};
        QTest::newRow("equal lengths: the first in the file first")
            << QStringList{"court", "moyen", "le plus long", "le plus lent"} << QList<int>{2, 3};
        QStringList many;
        for (int i = 0; i < 200; ++i) {
            many << QStringLiteral("Ø %1 mm").arg(i % 90 + 10);
        }
        many[150] = QStringLiteral("Cylindre inox réfractaire, bride haute, Ø 127 mm");
        many[199] = QStringLiteral("Cylindre perforé à bride haute, Ø 152,4 × 203,2 mm (6 × 8 po)");
        QTest::newRow("far down a long list") << many << QList<int>{199, 150};
    }

    // The names with the most characters come first, whatever their place in the file.
    void longestRows() {
        QFETCH(QStringList, names);
        QFETCH(QList<int>, first);
        TempWorkDir dir;
        QVERIFY(dir.write(kPath, flasks(names)));
        CatalogueListModel entries;
        entries.load(kPath.toStdString(), gypsomix::CylindreRecord::fields);
        const QList<int> rows = entries.longestRows();
        QCOMPARE(rows.size(), std::min<int>(names.size(), CatalogueListModel::kLongestKept));
        QCOMPARE(rows.mid(0, first.size()), first);
        // No name left out has more characters than one kept.
        int fewestKept = INT_MAX;
        for (int row : rows) {
            fewestKept = std::min<int>(fewestKept, names.at(row).size());
        }
        for (int row = 0; row < names.size(); ++row) {
            QVERIFY2(rows.contains(row) || names.at(row).size() <= fewestKept,
                     qPrintable(names.at(row)));
        }
    }
};

QTEST_MAIN(TestCatalogueListModel)
#include "tst_catalogue_list_model.moc"
