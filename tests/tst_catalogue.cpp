#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <charconv>
#include <filesystem>

#include "catalogue/catalogue.h"
#include "workdir.h"

using gypsomix::CylindreRecord;
using gypsomix::FieldValue;
using gypsomix::MatRecord;
using gypsomix::RunTimeError;

namespace {

template <std::size_t N>
QByteArray raw(const char (&bytes)[N]) {
    return QByteArray(bytes, N - 1);
}

QString describe(const FieldValue& value) {
    if (std::holds_alternative<std::monostate>(value))
        return QStringLiteral("empty");
    if (const double* number = std::get_if<double>(&value)) {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, *number);
        return QStringLiteral("number ") + QString::fromLatin1(buffer, result.ptr - buffer);
    }
    const std::string& text = std::get<std::string>(value);
    return QStringLiteral("text \u00AB") + QString::fromUtf8(text.data(), qsizetype(text.size())) +
           QStringLiteral("\u00BB");
}

QString E() {
    return QStringLiteral("empty");
}
QString N(double value) {
    return describe(FieldValue(value));
}
QString T(const QString& text) {
    return QStringLiteral("text \u00AB") + text + QStringLiteral("\u00BB");
}

QString reportOf(const RunTimeError& error) {
    return QStringLiteral("run-time error %1: %2")
        .arg(error.number())
        .arg(QString::fromUtf8(error.what()));
}

#define NO_ERROR(statement)                     \
    do {                                        \
        try {                                   \
            statement;                          \
        } catch (const RunTimeError& error) {   \
            QFAIL(qPrintable(reportOf(error))); \
        }                                       \
    } while (false)

const char* pathFor(int fields) {
    return fields == MatRecord::fields ? MatRecord::path : CylindreRecord::path;
}

QStringList names(const std::vector<gypsomix::CatalogueEntry>& entries, bool* ordinalsInOrder) {
    QStringList list;
    *ordinalsInOrder = true;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        list << QString::fromUtf8(entries[i].name.data(), qsizetype(entries[i].name.size()));
        if (entries[i].ordinal != int(i))
            *ordinalsInOrder = false;
    }
    return list;
}

QStringList describeAll(const std::vector<FieldValue>& fields) {
    QStringList list;
    for (const FieldValue& field : fields)
        list << describe(field);
    return list;
}

// A full material record whose name and water value identify it.
QByteArray material(const QByteArray& name, int water) {
    return name + "," + QByteArray::number(water) + ",5,10,12,1.8,0.1,0.2\r\n";
}

}  // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

  private slots:
    void listing_data();
    void listing();
    void listingErrors_data();
    void listingErrors();
    void cutShortNamesRecordAndField();
    void missingFile();
    void fetching_data();
    void fetching();
    void fetchingErrors_data();
    void fetchingErrors();
    void fileChangedBetweenCalls();
};

void TestCatalogue::listing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QStringList>("expected");
    // Ordinary files
    QTest::newRow("empty file") << QByteArray() << 8 << QStringList{};
    QTest::newRow("byte-order mark only") << raw("\xEF\xBB\xBF") << 8 << QStringList{};
    QTest::newRow("two materials, Windows-1252")
        << raw("\"Pl\xE2tre A\",38,5,10,12,1.8,0.1,0.2\r\nPhosphate B,22,1,8,9,2.1,0.9,1.2\r\n")
        << 8 << QStringList{"Plâtre A", "Phosphate B"};
    QTest::newRow("flasks, no final line end")
        << raw("Petit,50,50\r\nGrand,100,100") << 3 << QStringList{"Petit", "Grand"};
    QTest::newRow("16 fields on one line")
        << raw("A,1,2,3,4,5,6,7,B,1,2,3,4,5,6,7\r\n") << 8 << QStringList{"A", "B"};
    QTest::newRow("record over two lines")
        << raw("A,1,2,3\r\n4,5,6,7\r\nB,1,2,3,4,5,6,7\r\n") << 8 << QStringList{"A", "B"};
    QTest::newRow("name on a line of its own")
        << raw("A\r\n1,2\r\nB\r\n3,4\r\n") << 3 << QStringList{"A", "B"};
    // Names
    QTest::newRow("unquoted name, spaces around")
        << raw("   Alpha   ,1,2\r\n") << 3 << QStringList{"Alpha"};
    QTest::newRow("quoted name, spaces around")
        << raw("\"  Beta  \",1,2\r\n") << 3 << QStringList{"Beta"};
    QTest::newRow("quoted name, tabs kept")
        << raw("\"\tGamma\t\",1,2\r\n") << 3 << QStringList{"\tGamma\t"};
    QTest::newRow("quoted name, spaces outside tabs")
        << raw("\"  \tDelta\t  \",1,2\r\n") << 3 << QStringList{"\tDelta\t"};
    QTest::newRow("quoted name, inner spaces kept")
        << raw("\" Grand  mod\xE8le \",1,2\r\n") << 3 << QStringList{"Grand  modèle"};
    QTest::newRow("duplicates") << raw("M\xEAme,1,2\r\nM\xEAme,3,4\r\n") << 3
                                << QStringList{"Même", "Même"};
    QTest::newRow("empty names") << raw(",1,2\r\n\"\",3,4\r\n\"   \",5,6\r\n") << 3
                                 << QStringList{"", "", ""};
    QTest::newRow("name with comma")
        << raw("\"Cylindre 3, court\",30,40\r\n") << 3 << QStringList{"Cylindre 3, court"};
    QTest::newRow("UTF-8 names") << raw("\"R\xC3\xA9"
                                        "f\xC3\xA9rence \xE2\x82\xAC\",1,2\r\n")
                                 << 3 << QStringList{"Référence €"};
    // Numeric names, written as the default format writes numbers
    QTest::newRow("integer name") << raw("12,1,2\r\n") << 3 << QStringList{"12"};
    QTest::newRow("decimal name") << raw("0.5,1,2\r\n") << 3 << QStringList{"0.5"};
    QTest::newRow("trailing zeros in name") << raw("1.50,1,2\r\n") << 3 << QStringList{"1.5"};
    QTest::newRow("leading zeros in name") << raw("007,1,2\r\n") << 3 << QStringList{"7"};
    QTest::newRow("exponent name") << raw("1e3,1,2\r\n") << 3 << QStringList{"1000"};
    QTest::newRow("negative zero name") << raw("-0,1,2\r\n") << 3 << QStringList{"0"};
    QTest::newRow("name beyond 15 digits")
        << raw("123456789012345678,1,2\r\n") << 3 << QStringList{"1.23456789012346E+17"};
    QTest::newRow("quoted numeric name stays as written")
        << raw("\"1.50\",1,2\r\n") << 3 << QStringList{"1.50"};
}

void TestCatalogue::listing() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, fields);
    QFETCH(QStringList, expected);
    TempWorkDir dir;
    QVERIFY(dir.write(QString::fromLatin1(pathFor(fields)), bytes));
    std::vector<gypsomix::CatalogueEntry> entries;
    NO_ERROR(entries = gypsomix::list_entries(pathFor(fields), fields));
    bool inOrder = false;
    QCOMPARE(names(entries, &inOrder), expected);
    QVERIFY(inOrder);
}

void TestCatalogue::listingErrors_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fields");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("field");
    QTest::newRow("one CR LF") << raw("\r\n") << 8 << 62 << 1 << 2;
    QTest::newRow("one LF") << raw("\n") << 3 << 62 << 1 << 2;
    QTest::newRow("only spaces") << raw("   ") << 3 << 62 << 1 << 1;
    QTest::newRow("blank line after the last record") << raw("A,1,2\r\n\r\n") << 3 << 62 << 2 << 2;
    QTest::newRow("last record cut short") << raw("A,1,2\r\nB,5\r\n") << 3 << 62 << 2 << 3;
    QTest::newRow("material record cut short") << material("A", 38) + "B,38,5,10,12,1.8\r\n"
                                               << 8 << 62 << 2 << 7;
    QTest::newRow("flask file read as materials") << raw("A,1,2\r\nB,3,4\r\n") << 8 << 62 << 1 << 7;
    QTest::newRow("name beyond double range") << raw("1e999,1,2\r\n") << 3 << 6 << 1 << 1;
    QTest::newRow("discarded field beyond range")
        << raw("A,1,2\r\nB,1e999,2\r\n") << 3 << 6 << 2 << 2;
    QTest::newRow("last field beyond range, negative") << raw("A,1,-1e400") << 3 << 6 << 1 << 3;
}

void TestCatalogue::listingErrors() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, fields);
    QFETCH(int, number);
    QFETCH(int, record);
    QFETCH(int, field);
    TempWorkDir dir;
    QVERIFY(dir.write(QString::fromLatin1(pathFor(fields)), bytes));
    try {
        const auto entries = gypsomix::list_entries(pathFor(fields), fields);
        QFAIL(qPrintable(QStringLiteral("listed %1 entries").arg(entries.size())));
    } catch (const RunTimeError& error) {
        QCOMPARE(error.number(), number);
        const QString description = QString::fromUtf8(error.what());
        const QRegularExpression where(QStringLiteral("\\b%1\\b.*\\b%2\\b").arg(record).arg(field));
        QVERIFY2(description.contains(where), qPrintable(description));
    }
}

// Record and field numbers that cannot be confused with each other or with the error number.
void TestCatalogue::cutShortNamesRecordAndField() {
    TempWorkDir dir;
    QByteArray bytes;
    for (int i = 0; i < 12; ++i)
        bytes += material("M" + QByteArray::number(i), 30 + i);
    bytes += "Dernier,38,5,10,12\r\n";
    QVERIFY(dir.write(QStringLiteral("Data/Mat.txt"), bytes));
    for (int ordinal : {0, 12, 13}) {
        try {
            if (ordinal == 13)
                gypsomix::list_entries(MatRecord::path, MatRecord::fields);
            else
                gypsomix::fetch_record(MatRecord::path, MatRecord::fields, ordinal);
            QFAIL(qPrintable(QStringLiteral("no error with ordinal %1").arg(ordinal)));
        } catch (const RunTimeError& error) {
            QCOMPARE(error.number(), 62);
            const QString description = QString::fromUtf8(error.what());
            QVERIFY2(description.contains(QRegularExpression(QStringLiteral("\\b13\\b.*\\b6\\b"))),
                     qPrintable(description));
            QVERIFY2(description.contains(QStringLiteral("Data/Mat.txt")), qPrintable(description));
        }
    }
}

void TestCatalogue::missingFile() {
    TempWorkDir dir;
    try {
        gypsomix::list_entries(CylindreRecord::path, CylindreRecord::fields);
        QFAIL("listed a missing file");
    } catch (const RunTimeError& error) {
        QCOMPARE(error.number(), 53);
        QVERIFY(QString::fromUtf8(error.what()).contains(QStringLiteral("Data/Cylindre.txt")));
    }
    try {
        gypsomix::fetch_record(MatRecord::path, MatRecord::fields, 0);
        QFAIL("fetched from a missing file");
    } catch (const RunTimeError& error) {
        QCOMPARE(error.number(), 53);
        QVERIFY(QString::fromUtf8(error.what()).contains(QStringLiteral("Data/Mat.txt")));
    }
}

void TestCatalogue::fetching_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fields");
    QTest::addColumn<int>("ordinal");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("expected");
    const QByteArray flasks = "Petit,50,50\r\nMoyen,\"62.5\",80\r\nGrand,100,\r\n";
    QTest::newRow("first") << flasks << 3 << 0 << true << QStringList{T("Petit"), N(50), N(50)};
    QTest::newRow("middle, quoted number is text")
        << flasks << 3 << 1 << true << QStringList{T("Moyen"), T("62.5"), N(80)};
    QTest::newRow("last, empty field")
        << flasks << 3 << 2 << true << QStringList{T("Grand"), N(100), E()};
    QTest::newRow("past the end") << flasks << 3 << 3 << false << QStringList{};
    QTest::newRow("far past the end") << flasks << 3 << 1000 << false << QStringList{};
    QTest::newRow("negative ordinal") << flasks << 3 << -1 << false << QStringList{};
    QTest::newRow("empty file") << QByteArray() << 3 << 0 << false << QStringList{};

    const QByteArray twins = material("Jumeau", 38) + material("Jumeau", 40);
    QTest::newRow("first of duplicates")
        << twins << 8 << 0 << true
        << QStringList{T("Jumeau"), N(38), N(5), N(10), N(12), N(1.8), N(0.1), N(0.2)};
    QTest::newRow("second of duplicates")
        << twins << 8 << 1 << true
        << QStringList{T("Jumeau"), N(40), N(5), N(10), N(12), N(1.8), N(0.1), N(0.2)};
    QTest::newRow("second record of a 16-field line")
        << raw("A,1,2,3,4,5,6,7,B,8,9,10,11,12,13,14\r\n") << 8 << 1 << true
        << QStringList{T("B"), N(8), N(9), N(10), N(11), N(12), N(13), N(14)};
    QTest::newRow("record over two lines")
        << raw("A,1,2,3,4,5,6,7\r\nB,8,9\r\n10,11,12,13,14\r\n") << 8 << 1 << true
        << QStringList{T("B"), N(8), N(9), N(10), N(11), N(12), N(13), N(14)};
    QTest::newRow("quoted name with spaces matches by ordinal")
        << raw("\"  Beta  \",7,8\r\nBeta,1,2\r\n") << 3 << 0 << true
        << QStringList{QStringLiteral("*"), N(7), N(8)};
}

void TestCatalogue::fetching() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, fields);
    QFETCH(int, ordinal);
    QFETCH(bool, found);
    QFETCH(QStringList, expected);
    TempWorkDir dir;
    QVERIFY(dir.write(QString::fromLatin1(pathFor(fields)), bytes));
    std::optional<std::vector<FieldValue>> record;
    NO_ERROR(record = gypsomix::fetch_record(pathFor(fields), fields, ordinal));
    QCOMPARE(record.has_value(), found);
    if (record) {
        QCOMPARE(record->size(), std::size_t(fields));
        QStringList actual = describeAll(*record);
        // "*": whether the fetched name keeps its spaces is not what the row is about.
        for (qsizetype i = 0; i < expected.size() && i < actual.size(); ++i)
            if (expected[i] == QLatin1String("*"))
                actual[i] = expected[i];
        QCOMPARE(actual, expected);
    }
}

void TestCatalogue::fetchingErrors_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("ordinal");
    QTest::addColumn<int>("number");
    const QByteArray good = "A,1,2\r\nB,3,4\r\n";
    QTest::newRow("damaged tail after the record") << good + "C,5\r\n" << 0 << 62;
    QTest::newRow("blank line after the record") << good + "\r\n" << 1 << 62;
    QTest::newRow("damaged tail, ordinal past the end") << good + "C" << 7 << 62;
    QTest::newRow("value beyond range after the record") << good + "C,1e999,6\r\n" << 0 << 6;
    QTest::newRow("value beyond range before the record")
        << raw("A,1,1e999\r\nB,3,4\r\n") << 1 << 6;
}

void TestCatalogue::fetchingErrors() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, ordinal);
    QFETCH(int, number);
    TempWorkDir dir;
    QVERIFY(dir.write(QStringLiteral("Data/Cylindre.txt"), bytes));
    try {
        gypsomix::fetch_record(CylindreRecord::path, CylindreRecord::fields, ordinal);
        QFAIL("no error");
    } catch (const RunTimeError& error) {
        QCOMPARE(error.number(), number);
    }
}

// Nothing is cached: each call reads the file as it is now.
void TestCatalogue::fileChangedBetweenCalls() {
    TempWorkDir dir;
    QVERIFY(dir.write(QStringLiteral("Data/Mat.txt"), material("A", 30) + material("B", 31)));
    std::vector<gypsomix::CatalogueEntry> entries;
    NO_ERROR(entries = gypsomix::list_entries(MatRecord::path, MatRecord::fields));
    QCOMPARE(entries.size(), std::size_t(2));
    QCOMPARE(entries[1].ordinal, 1);

    std::optional<std::vector<FieldValue>> record;
    NO_ERROR(record = gypsomix::fetch_record(MatRecord::path, MatRecord::fields, 1));
    QVERIFY(record);
    QCOMPARE(describe(record->at(0)), T("B"));

    QVERIFY(dir.write(QStringLiteral("Data/Mat.txt"), material("A", 30)));
    NO_ERROR(record = gypsomix::fetch_record(MatRecord::path, MatRecord::fields, 1));
    QVERIFY(!record);

    QVERIFY(dir.write(QStringLiteral("Data/Mat.txt"),
                      material("Z", 50) + material("Y", 51) + material("X", 52)));
    NO_ERROR(record = gypsomix::fetch_record(MatRecord::path, MatRecord::fields, 1));
    QVERIFY(record);
    QCOMPARE(describe(record->at(0)), T("Y"));
    QCOMPARE(describe(record->at(1)), N(51));

    QVERIFY(dir.remove(QStringLiteral("Data/Mat.txt")));
    try {
        gypsomix::fetch_record(MatRecord::path, MatRecord::fields, 1);
        QFAIL("fetched from a removed file");
    } catch (const RunTimeError& error) {
        QCOMPARE(error.number(), 53);
    }
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
