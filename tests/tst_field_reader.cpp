#include <filesystem>

#include "catalogue/field_reader.h"
#include "core_test_support.h"
#include "workdir.h"

using gypsomix::FieldReader;

namespace {

// Reads as many fields as expected; a run-time error ends the list as "error N".
void row(const char* name, const QByteArray& bytes, const QStringList& expected,
         bool atEnd = true) {
    QTest::newRow(name) << bytes << expected << atEnd;
}

}  // namespace

class TestFieldReader : public QObject {
    Q_OBJECT

  private slots:
    void reads_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("atEnd");
        // Field forms
        row("quoted with comma", raw("\"Pl\xE2tre, fin\",18,9\r\n"),
            {T("Plâtre, fin"), N(18), N(9)});
        row("quoted number, junk after quote", raw("\"12\" junk,5\r\n"), {T("12"), N(5)});
        row("empty between commas", raw("a,,3\r\n"), {T("a"), E(), N(3)});
        row("blank line is one empty field", raw("\r\n5\r\n"), {E(), N(5)});
        row("unquoted text trimmed of spaces and tabs", raw(" \tab  cd\t ,1"), {T("ab  cd"), N(1)});
        row("spaces after a number; no decimal comma", raw("12.5   ,1,85\r\n"),
            {N(12.5), N(1), N(85)});
        row("number forms", raw("-3,+4,.5,5.,1E+3,2.5e-2,1e-400\r\n"),
            {N(-3), N(4), N(0.5), N(5), N(1000), N(0.025), N(0)});
        row("almost numbers are text", raw("1e,.,-,1.2.3,1e3.5,0x10,inf,12mm"),
            {T("1e"), T("."), T("-"), T("1.2.3"), T("1e3.5"), T("0x10"), T("inf"), T("12mm")});
        // Line ends, and a record however it is split over lines
        row("CR LF", raw("a\r\nb\r\n"), {T("a"), T("b")});
        row("lone CR", raw("\"a\"\rb\r"), {T("a"), T("b")});
        row("lone LF", raw("a\nb\n"), {T("a"), T("b")});
        row("LF CR is two line ends", raw("a\n\rb"), {T("a"), E(), T("b")});
        row("line ends inside quotes", raw("\"a\r\nb\rc\nd\",1\r\n"), {T("a\r\nb\rc\nd"), N(1)});
        const QStringList record{T("M"), N(38), N(5), N(10), N(12), N(1.8), N(0.1), T("x")};
        row("record on one line", raw("\"M\",38,5,10,12,1.8,0.1,x\r\n"), record);
        row("record as 4 + 4", raw("\"M\",38,5,10\r\n12,1.8,0.1,x\r\n"), record);
        row("record one field per line", raw("M\n38\n5\n10\n12\n1.8\n0.1\nx\n"), record);
        // End of file
        row("no final line end", raw("a,1"), {T("a"), N(1)});
        row("before an extra blank line", raw("a,1\r\n\r\n"), {T("a"), N(1)}, false);
        row("extra blank line", raw("a,1\r\n\r\n"), {T("a"), N(1), E(), "error 62"});
        row("past the last field", raw("a,1"), {T("a"), N(1), "error 62"});
        row("unterminated quote", raw("a,\"b,c\r\nd\r\n"), {T("a"), T("b,c\r\nd\r\n")});
        row("empty file", QByteArray(), {"error 62"});
        // Numbers beyond the double range
        row("beyond double range", raw("1e999\r\n"), {"error 6"});
        row("just beyond the largest double", raw("a,1.8e308"), {T("a"), "error 6"});
        row("negative beyond range, spaces", raw("-1E400   ,2"), {"error 6"});
        // Encodings
        row("1252 euro sign", raw("\x80 12,1"), {T("€ 12"), N(1)});
        row("1252 oe ligature", raw("C\x9Cur"), {T("Cœur")});
        row("1252 unassigned 0x8D", raw("x\x8Dy"), {T("x\u008Dy")});
        const QByteArray bom = raw("\xEF\xBB\xBF");
        row("BOM not part of the first field", bom + "12,Rev\xC3\xAAtement",
            {N(12), T("Revêtement")});
        row("UTF-8 without BOM", raw("C\xC3\xA9ramique,\xE2\x82\xAC"), {T("Céramique"), T("€")});
        row("invalid UTF-8 is 1252", raw("C\xC3\xA9ramique,\xE9"), {T("CÃ©ramique"), T("é")});
        row("overlong UTF-8 is 1252", raw("\xC0\xAF"), {T("À¯")});
        row("BOM, bad byte repaired", bom + "ab\xE9z", {T("ab\uFFFDz")});
    }
    void reads() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(bool, atEnd);
        TempWorkDir dir;
        QVERIFY(dir.write(QStringLiteral("Data/f.txt"), bytes));
        FieldReader reader;
        NO_ERROR(reader.open("Data/f.txt"));
        QStringList fields;
        Failure failure;
        while (fields.size() < expected.size() && failure.number == 0)
            failure = failureOf([&] { fields << describe(reader.read_field()); });
        if (failure.number)
            fields << failure.label();
        QCOMPARE(fields, expected);
        QCOMPARE(failure.number != 0 || reader.at_end(), atEnd);
    }

    // The description names the file as given and as resolved against the current directory.
    void missingFile() {
        TempWorkDir dir;
        const std::filesystem::path given = "Manque/Mat.txt";
        const Failure failure = failureOf([&] { FieldReader().open(given); });
        QCOMPARE(failure.number, 53);
        const QString absolute = QString::fromStdString(std::filesystem::absolute(given).string());
        for (const QString& path : {QStringLiteral("Manque/Mat.txt"), absolute})
            QVERIFY2(failure.description.contains(path), qPrintable(failure.description));
    }
};

QTEST_GUILESS_MAIN(TestFieldReader)
#include "tst_field_reader.moc"
