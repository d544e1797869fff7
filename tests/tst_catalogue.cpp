#include "catalogue/catalogue.h"
#include "core_test_support.h"
#include "workdir.h"

using gypsomix::MatRecord;

namespace {

// A full material record whose name and water value identify it.
QByteArray material(const QByteArray& name, int water) {
    return name + "," + QByteArray::number(water) + ",5,10,12,1.8,0.1,0.2\r\n";
}

// ordinal -1: the listed names, which must carry the ordinals 0, 1, 2…; otherwise the fetched
// fields, or "nothing". A run-time error gives "error N" and its description.
QStringList outcome(int fields, int ordinal, QString* description = nullptr) {
    const char* path = fields == MatRecord::fields ? MatRecord::path : "Data/Cylindre.txt";
    QStringList list;
    const Failure failure = failureOf([&] {
        if (ordinal < 0) {
            for (const auto& entry : gypsomix::list_entries(path, fields))
                list << (entry.ordinal == list.size() ? fromStd(entry.name) : "bad ordinal");
        } else if (const auto record = gypsomix::fetch_record(path, fields, ordinal)) {
            for (const gypsomix::FieldValue& field : *record)
                list << describe(field);
        } else {
            list << QStringLiteral("nothing");
        }
    });
    if (description)
        *description = failure.description;
    return failure.number ? QStringList{failure.label()} : list;
}

// An error's description must name the file, then the record and field (counted from 1).
void row(const char* name, const QByteArray& bytes, int fields, int ordinal,
         const QStringList& expected, int record = 0, int field = 0) {
    const QString where = QStringLiteral("Data/.*\\b%1\\b.*\\b%2\\b").arg(record).arg(field);
    QTest::newRow(name) << bytes << fields << ordinal << expected << (record ? where : "");
}

}  // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

  private slots:
    void readings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fields");
        QTest::addColumn<int>("ordinal");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("where");
        QByteArray twelve;
        for (int i = 0; i < 12; ++i)
            twelve += material("M" + QByteArray::number(i), 30 + i);
        const QByteArray flasks = "Petit,50,50\r\nMoyen,\"62.5\",80\r\nGrand,100,\r\n";
        const QByteArray sixteen = "A,1,2,3,4,5,6,7,B,8,9,1,2,3,4,5";
        // Listing
        row("list empty file", "", 8, -1, {});
        row("list 1252, no final line end", raw("\"Pl\xE2tre\",1,2\r\nGrand,1,2"), 3, -1,
            {"Plâtre", "Grand"});
        row("list 16 fields on one line", sixteen, 8, -1, {"A", "B"});
        row("list trims spaces, not tabs", raw("\"  \tA\t  \",1,2\r\n\"  B  \",3,4"), 3, -1,
            {"\tA\t", "B"});
        row("list duplicates, empty name", raw("M\xEAme,1,2\r\nM\xEAme,3,4\r\n,5,6"), 3, -1,
            {"Même", "Même", ""});
        row("list numeric names as written by default", "1.50,1,2\r\n1e3,1,2\r\n\"1.50\",1,2", 3,
            -1, {"1.5", "1000", "1.50"});
        row("list one line break", "\r\n", 8, -1, {"error 62"}, 1, 2);
        row("list blank line at the end", "A,1,2\r\n\r\n", 3, -1, {"error 62"}, 2, 2);
        row("list record 13 cut short", twelve + "Dernier,38,5,10,12\r\n", 8, -1, {"error 62"}, 13,
            6);
        row("list discarded field beyond range", "A,1,2\r\nB,1e999,2", 3, -1, {"error 6"}, 2, 2);
        // Fetching
        row("fetch first", flasks, 3, 0, {T("Petit"), N(50), N(50)});
        row("fetch quoted number is text", flasks, 3, 1, {T("Moyen"), T("62.5"), N(80)});
        row("fetch last, empty field", flasks, 3, 2, {T("Grand"), N(100), E()});
        row("fetch past the end", flasks, 3, 3, {"nothing"});
        row("fetch from empty file", "", 3, 0, {"nothing"});
        row("fetch second of two with one name", material("J", 38) + material("J", 40), 8, 1,
            {T("J"), N(40), N(5), N(10), N(12), N(1.8), N(0.1), N(0.2)});
        row("fetch second record of a 16-field line", sixteen, 8, 1,
            {T("B"), N(8), N(9), N(1), N(2), N(3), N(4), N(5)});
        row("fetch, damaged tail after it", "A,1,2\r\nB,3,4\r\nC,5", 3, 0, {"error 62"}, 3, 3);
        row("fetch, beyond range after it", twelve + "X,1e999", 8, 0, {"error 6"}, 13, 2);
    }
    void readings() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fields);
        QFETCH(int, ordinal);
        QFETCH(QStringList, expected);
        QFETCH(QString, where);
        TempWorkDir dir;
        QVERIFY(dir.write(fields == 8 ? MatRecord::path : "Data/Cylindre.txt", bytes));
        QString description;
        QCOMPARE(outcome(fields, ordinal, &description), expected);
        QVERIFY2(description.contains(QRegularExpression(where)), qPrintable(description));
    }

    // Nothing is cached: each call reads the file as it is now.
    void fileChangedBetweenCalls() {
        TempWorkDir dir;
        QVERIFY(dir.write(MatRecord::path, material("A", 30) + material("B", 31)));
        QCOMPARE(outcome(8, 1).mid(0, 2), (QStringList{T("B"), N(31)}));
        QVERIFY(dir.write(MatRecord::path, material("A", 30)));
        QCOMPARE(outcome(8, 1), QStringList{"nothing"});
        QVERIFY(dir.write(MatRecord::path, material("Z", 50) + material("Y", 51)));
        QCOMPARE(outcome(8, 1).mid(0, 2), (QStringList{T("Y"), N(51)}));
        QVERIFY(dir.remove(MatRecord::path));
        QString description;
        QCOMPARE(outcome(8, 1, &description), QStringList{"error 53"});
        QVERIFY2(description.contains(MatRecord::path), qPrintable(description));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
