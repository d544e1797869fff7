#include "catalogue_outcome.h"
#include "workdir.h"

using gypsomix::CylindreRecord;
using gypsomix::MatRecord;

namespace {

const char* pathFor(int fields) {
    return fields == MatRecord::fields ? MatRecord::path : CylindreRecord::path;
}

// A full material record whose name and water value identify it.
QByteArray material(const QByteArray& name, int water) {
    return name + "," + QByteArray::number(water) + ",5,10,12,1.8,0.1,0.2\r\n";
}

QByteArray twelveMaterials() {
    QByteArray twelve;
    for (int i = 0; i < 12; ++i)
        twelve += material("M" + QByteArray::number(i), 30 + i);
    return twelve;
}

const QByteArray kSixteen = "A,1,2,3,4,5,6,7,B,8,9,1,2,3,4,5";
const QByteArray kFlasks = "Petit,50,50\r\nMoyen,\"62.5\",80\r\nGrand,100,\r\n";

// An error's description must name the file, then the record and field (counted from 1); a row
// without an error leaves both 0.
void addColumns() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("field");
}

void checkWhere(const QString& description, int record, int field) {
    const QString where = QStringLiteral("Data/.*\\b%1\\b.*\\b%2\\b").arg(record).arg(field);
    QVERIFY2(record ? description.contains(QRegularExpression(where)) : description.isEmpty(),
             qPrintable(description));
}

}  // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

  private slots:
    void listing_data() {
        addColumns();
        const auto row = [](const char* name, const QByteArray& bytes, int fields,
                            const QStringList& expected, int record = 0, int field = 0) {
            QTest::newRow(name) << bytes << fields << expected << record << field;
        };
        row("empty file", "", 8, {});
        row("1252, no final line end", raw("\"Pl\xE2tre\",1,2\r\nGrand,1,2"), 3,
            {"Plâtre", "Grand"});
        row("16 fields on one line", kSixteen, 8, {"A", "B"});
        row("trims spaces, not tabs", raw("\"  \tA\t  \",1,2\r\n\"  B  \",3,4"), 3, {"\tA\t", "B"});
        row("duplicates, empty name", raw("M\xEAme,1,2\r\nM\xEAme,3,4\r\n,5,6"), 3,
            {"Même", "Même", ""});
        row("numeric names as written by default", "1.50,1,2\r\n1e3,1,2\r\n\"1.50\",1,2", 3,
            {"1.5", "1000", "1.50"});
        row("one line break", "\r\n", 8, {"error 62"}, 1, 2);
        row("blank line at the end", "A,1,2\r\n\r\n", 3, {"error 62"}, 2, 2);
        row("record 13 cut short", twelveMaterials() + "Dernier,38,5,10,12\r\n", 8, {"error 62"},
            13, 6);
        row("discarded field beyond range", "A,1,2\r\nB,1e999,2", 3, {"error 6"}, 2, 2);
    }
    void listing() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fields);
        QFETCH(QStringList, expected);
        QFETCH(int, record);
        QFETCH(int, field);
        TempWorkDir dir;
        QVERIFY(dir.write(pathFor(fields), bytes));
        QString description;
        QCOMPARE(listed(pathFor(fields), fields, &description), expected);
        checkWhere(description, record, field);
    }

    // The visitor sees what the listing holds, in the same order.
    void visitor() {
        TempWorkDir dir;
        QVERIFY(dir.write(MatRecord::path, kSixteen + "\r\n" + material("\"  C  \"", 40)));
        QStringList seen;
        NO_ERROR(gypsomix::for_each_entry(
            MatRecord::path, MatRecord::fields, [&](std::string& name, int ordinal) {
                seen << fromStd(name) + '@' + QString::number(ordinal);
            }));
        QCOMPARE(seen, (QStringList{"A@0", "B@1", "C@2"}));
    }

    void fetching_data() {
        addColumns();
        QTest::addColumn<int>("ordinal");
        const auto row = [](const char* name, const QByteArray& bytes, int fields, int ordinal,
                            const QStringList& expected, int record = 0, int field = 0) {
            QTest::newRow(name) << bytes << fields << expected << record << field << ordinal;
        };
        row("first", kFlasks, 3, 0, {T("Petit"), N(50), N(50)});
        row("quoted number is text", kFlasks, 3, 1, {T("Moyen"), T("62.5"), N(80)});
        row("last, empty field", kFlasks, 3, 2, {T("Grand"), N(100), E()});
        row("past the end", kFlasks, 3, 3, {"no record"});
        row("from empty file", "", 3, 0, {"no record"});
        row("second of two with one name", material("J", 38) + material("J", 40), 8, 1,
            {T("J"), N(40), N(5), N(10), N(12), N(1.8), N(0.1), N(0.2)});
        row("second record of a 16-field line", kSixteen, 8, 1,
            {T("B"), N(8), N(9), N(1), N(2), N(3), N(4), N(5)});
        row("damaged tail after it", "A,1,2\r\nB,3,4\r\nC,5", 3, 0, {"error 62"}, 3, 3);
        row("beyond range after it", twelveMaterials() + "X,1e999", 8, 0, {"error 6"}, 13, 2);
    }
    void fetching() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fields);
        QFETCH(int, ordinal);
        QFETCH(QStringList, expected);
        QFETCH(int, record);
        QFETCH(int, field);
        TempWorkDir dir;
        QVERIFY(dir.write(pathFor(fields), bytes));
        QString description;
        QCOMPARE(fetched(pathFor(fields), fields, ordinal, &description), expected);
        checkWhere(description, record, field);
    }

    // Nothing is cached: each call reads the file as it is now.
    void fileChangedBetweenCalls() {
        TempWorkDir dir;
        QVERIFY(dir.write(MatRecord::path, material("A", 30) + material("B", 31)));
        QCOMPARE(fetched(MatRecord::path, 8, 1).mid(0, 2), (QStringList{T("B"), N(31)}));
        QVERIFY(dir.write(MatRecord::path, material("A", 30)));
        QCOMPARE(fetched(MatRecord::path, 8, 1), QStringList{"no record"});
        QVERIFY(dir.write(MatRecord::path, material("Z", 50) + material("Y", 51)));
        QCOMPARE(fetched(MatRecord::path, 8, 1).mid(0, 2), (QStringList{T("Y"), N(51)}));
        QVERIFY(dir.remove(MatRecord::path));
        QString description;
        QCOMPARE(fetched(MatRecord::path, 8, 1, &description), QStringList{"error 53"});
        QVERIFY2(description.contains(MatRecord::path), qPrintable(description));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
