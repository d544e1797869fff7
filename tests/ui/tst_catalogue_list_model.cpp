// The entries a list shows, read from a catalogue file: names, order, ordinals, a failed
// reading, and the longest names.
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

QStringList shown(const CatalogueListModel& entries, int role = Qt::DisplayRole) {
    QStringList names;
    for (int row = 0; row < entries.rowCount(); ++row) {
        names << entries.data(entries.index(row), role).toString();
    }
    return names;
}

// Loads the catalogue; the number of the run-time error reported, 0 for none.
int load(CatalogueListModel& entries) {
    try {
        entries.load(kPath.toStdString(), gypsomix::CylindreRecord::fields);
    } catch (const gypsomix::RunTimeError& error) {
        return error.number();
    }
    return 0;
}

}  // namespace

class TestCatalogueListModel : public QObject {
    Q_OBJECT

  private slots:
    void listing_data() {
        QTest::addColumn<QByteArray>("catalogue");  // null: no file at all
        QTest::addColumn<int>("number");            // of the error reported, 0 for none
        QTest::addColumn<QStringList>("names");     // as the list shows them, in its order
        QTest::addColumn<QList<int>>("longest");    // the leading rows of longestRows()
        const QStringList before{"Ancien", "Ancien bis"};
        // The symbols take two bytes each: the most bytes, not the most characters.
        const QStringList twins{"Ø × ½ × ¾ × ¼", "Jumeau", "Cylindre 100 mm", "Jumeau"};
        QTest::newRow("file order, not sorted; twins apart; characters, not bytes")
            << flasks(twins) << 0 << twins << QList<int>{2, 0, 1, 3};
        QTest::newRow("Windows-1252, trimmed, empty and numeric names")
            << QByteArray("\"  Cylindre \xe0 bride \xd8 50  \",1,60\r\n,2,80\r\n12.50,3,100\r\n")
            << 0 << QStringList{"Cylindre à bride Ø 50", "", "12.5"} << QList<int>{0, 2, 1};
        QTest::newRow("empty catalogue") << QByteArray("") << 0 << QStringList() << QList<int>();
        QTest::newRow("no file: unchanged") << QByteArray() << 53 << before << QList<int>{1, 0};
        QTest::newRow("last record cut short: unchanged")
            << QByteArray("\"Neuf\",100,100\r\n\"Coupé\",90\r\n") << 62 << before
            << QList<int>{1, 0};
        QStringList many(200, QStringLiteral("Ø 50 mm"));
        many[150] = QStringLiteral("Cylindre inox réfractaire, bride haute, Ø 127 mm");
        many[199] = QStringLiteral("Cylindre perforé à bride haute, Ø 152,4 × 203,2 mm (6 × 8 po)");
        QTest::newRow("longest far down a long list")
            << flasks(many) << 0 << many << QList<int>{199, 150};
    }

    // The catalogue's records replace the entries, in file order, each with its record's ordinal
    // as data: the record fetched with it is the one whose name the entry shows. The names with
    // the most characters come first among the longest rows. A catalogue that cannot be read is
    // reported and leaves the entries as they were.
    void listing() {
        QFETCH(QByteArray, catalogue);
        QFETCH(int, number);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, longest);
        TempWorkDir dir;
        QVERIFY(dir.write(kPath, flasks({"Ancien", "Ancien bis"})));
        CatalogueListModel entries;
        QCOMPARE(load(entries), 0);
        QVERIFY(catalogue.isNull() ? dir.remove(kPath) : dir.write(kPath, catalogue));
        QSignalSpy resets(&entries, &QAbstractItemModel::modelReset);
        QCOMPARE(load(entries), number);
        QCOMPARE(resets.size(), number ? 0 : 1);
        QCOMPARE(shown(entries), names);
        QCOMPARE(shown(entries, Qt::EditRole), names);
        const QList<int> rows = entries.longestRows();
        QCOMPARE(rows.size(), std::min<int>(names.size(), CatalogueListModel::kLongestKept));
        QCOMPARE(rows.mid(0, longest.size()), longest);
        for (int row = 0; number == 0 && row < entries.rowCount(); ++row) {
            const QVariant ordinal = entries.data(entries.index(row), Qt::UserRole);
            const auto record = gypsomix::fetch_record(
                kPath.toStdString(), gypsomix::CylindreRecord::fields, ordinal.toInt());
            QVERIFY(record.has_value());
            QCOMPARE(std::get<double>(record->at(1)), row + 1.0);
        }
    }
};

QTEST_MAIN(TestCatalogueListModel)
#include "tst_catalogue_list_model.moc"
