#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <charconv>
#include <filesystem>

#include "catalogue/field_reader.h"
#include "workdir.h"

using gypsomix::FieldReader;
using gypsomix::FieldValue;
using gypsomix::RunTimeError;

namespace {

// Bytes of a literal, embedded NULs included.
template <std::size_t N>
QByteArray raw(const char (&bytes)[N]) {
    return QByteArray(bytes, N - 1);
}

QString numberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// One readable line per field, so a failing comparison shows what was read.
QString describe(const FieldValue& value) {
    if (std::holds_alternative<std::monostate>(value))
        return QStringLiteral("empty");
    if (const double* number = std::get_if<double>(&value))
        return QStringLiteral("number ") + numberText(*number);
    const std::string& text = std::get<std::string>(value);
    const QByteArray bytes(text.data(), qsizetype(text.size()));
    const QString decoded = QString::fromUtf8(bytes);
    if (decoded.toUtf8() != bytes)
        return QStringLiteral("invalid UTF-8 ") + QString::fromLatin1(bytes.toHex(' '));
    return QStringLiteral("text \u00AB") + decoded + QStringLiteral("\u00BB");
}

QString E() {
    return QStringLiteral("empty");
}
QString N(double value) {
    return QStringLiteral("number ") + numberText(value);
}
QString T(const QString& text) {
    return QStringLiteral("text \u00AB") + text + QStringLiteral("\u00BB");
}

const std::filesystem::path kFile = "Data/f.txt";

QString reportOf(const RunTimeError& error) {
    return QStringLiteral("run-time error %1: %2")
        .arg(error.number())
        .arg(QString::fromUtf8(error.what()));
}

// Runs a statement that must not fail, turning a run-time error into a test failure.
#define NO_ERROR(statement)                     \
    do {                                        \
        try {                                   \
            statement;                          \
        } catch (const RunTimeError& error) {   \
            QFAIL(qPrintable(reportOf(error))); \
        }                                       \
    } while (false)

QStringList readFields(const QByteArray& bytes, int count, bool* atEnd) {
    TempWorkDir dir;
    if (!dir.isValid() || !dir.write(QStringLiteral("Data/f.txt"), bytes))
        return {QStringLiteral("cannot write the test file")};
    FieldReader reader;
    reader.open(kFile);
    QStringList fields;
    for (int i = 0; i < count; ++i)
        fields << describe(reader.read_field());
    *atEnd = reader.at_end();
    reader.close();
    return fields;
}

QString cp1252(unsigned char byte) {
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (byte >= 0x80 && byte < 0xA0)
        return QString(QChar(high[byte - 0x80]));
    return QString(QChar(char16_t(byte)));
}

}  // namespace

class TestFieldReader : public QObject {
    Q_OBJECT

  private slots:
    void fieldForms_data();
    void fieldForms();
    void numbers_data();
    void numbers();
    void lineEnds_data();
    void lineEnds();
    void recordAcrossLines_data();
    void recordAcrossLines();
    void endOfFile_data();
    void endOfFile();
    void encodings_data();
    void encodings();
    void windows1252FullTable();
    void malformedUtf8AfterMark();
    void errors_data();
    void errors();
    void skipField();
    void missingFile_data();
    void missingFile();
    void positionInDescription_data();
    void positionInDescription();
    void reopen();
};

// Each row reads exactly as many fields as it expects, then checks at_end().
static void addReadColumns() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("atEnd");
}

static void checkRead() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QFETCH(bool, atEnd);
    bool end = false;
    QStringList fields;
    NO_ERROR(fields = readFields(bytes, int(expected.size()), &end));
    QCOMPARE(fields, expected);
    QCOMPARE(end, atEnd);
}

void TestFieldReader::fieldForms_data() {
    addReadColumns();
    QTest::newRow("quoted with comma inside")
        << raw("\"Pl\xE2tre, fin\",18,9\r\n") << QStringList{T("Plâtre, fin"), N(18), N(9)} << true;
    QTest::newRow("quoted then junk up to comma")
        << raw("\"abc\" junk,5\r\n") << QStringList{T("abc"), N(5)} << true;
    QTest::newRow("quoted then junk up to line end")
        << raw("\"abc\"junk\r\n5\r\n") << QStringList{T("abc"), N(5)} << true;
    QTest::newRow("quoted then spaces")
        << raw("\"abc\"   ,5") << QStringList{T("abc"), N(5)} << true;
    QTest::newRow("doubled quote is no escape")
        << raw("\"a\"\"b\",1") << QStringList{T("a"), N(1)} << true;
    QTest::newRow("second quoted part skipped")
        << raw("\"x\" \"y\",1") << QStringList{T("x"), N(1)} << true;
    QTest::newRow("quoted empty is text") << raw("\"\",1") << QStringList{T(""), N(1)} << true;
    QTest::newRow("quoted spaces kept")
        << raw("\"  a  \",1") << QStringList{T("  a  "), N(1)} << true;
    QTest::newRow("quoted number is text") << raw("\"12\",1") << QStringList{T("12"), N(1)} << true;
    QTest::newRow("spaces before quote") << raw("  \t\"x\",1") << QStringList{T("x"), N(1)} << true;
    QTest::newRow("quote inside unquoted text")
        << raw("a\"b\",1") << QStringList{T("a\"b\""), N(1)} << true;
    QTest::newRow("empty between commas")
        << raw("a,,3\r\n") << QStringList{T("a"), E(), N(3)} << true;
    QTest::newRow("spaces between commas")
        << raw("a,  \t ,3\r\n") << QStringList{T("a"), E(), N(3)} << true;
    QTest::newRow("leading comma") << raw(",1\r\n") << QStringList{E(), N(1)} << true;
    QTest::newRow("comma before line end") << raw("a,\r\n") << QStringList{T("a"), E()} << true;
    QTest::newRow("blank line is one empty field")
        << raw("\r\n5\r\n") << QStringList{E(), N(5)} << true;
    QTest::newRow("unquoted text with inner spaces")
        << raw("ab  cd ,1") << QStringList{T("ab  cd"), N(1)} << true;
    QTest::newRow("unquoted text trimmed of tabs")
        << raw("\tab\t,1") << QStringList{T("ab"), N(1)} << true;
    QTest::newRow("trailing spaces after number")
        << raw("12.5   ,7") << QStringList{N(12.5), N(7)} << true;
    QTest::newRow("trailing tabs after number")
        << raw("12.5\t\t,7") << QStringList{N(12.5), N(7)} << true;
    QTest::newRow("decimal comma splits the number")
        << raw("1,85\r\n") << QStringList{N(1), N(85)} << true;
}

void TestFieldReader::fieldForms() {
    checkRead();
}

void TestFieldReader::numbers_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("expected");
    // Numbers
    QTest::newRow("integer") << raw("12") << N(12);
    QTest::newRow("minus sign") << raw("-3") << N(-3);
    QTest::newRow("plus sign") << raw("+4") << N(4);
    QTest::newRow("leading point") << raw(".5") << N(0.5);
    QTest::newRow("trailing point") << raw("5.") << N(5);
    QTest::newRow("sign and leading point") << raw("-.5") << N(-0.5);
    QTest::newRow("exponent") << raw("1e3") << N(1000);
    QTest::newRow("capital exponent with plus") << raw("1E+3") << N(1000);
    QTest::newRow("exponent with minus") << raw("2.5e-2") << N(0.025);
    QTest::newRow("trailing point then exponent") << raw("5.e2") << N(500);
    QTest::newRow("leading point then exponent") << raw("+.5e1") << N(5);
    QTest::newRow("leading zeros") << raw("007") << N(7);
    QTest::newRow("many digits") << raw("0.1000000000000000055511151231257827") << N(0.1);
    QTest::newRow("leading spaces") << raw("   1.8") << N(1.8);
    QTest::newRow("underflow is a number") << raw("1e-400") << N(0);
    QTest::newRow("smallest subnormal") << raw("4.9406564584124654e-324") << N(5e-324);
    QTest::newRow("largest double") << raw("1.7976931348623157e308") << N(1.7976931348623157e308);
    // Texts that look almost like numbers
    QTest::newRow("exponent without digits") << raw("1e") << T("1e");
    QTest::newRow("exponent sign without digits") << raw("1e+") << T("1e+");
    QTest::newRow("exponent alone") << raw("e5") << T("e5");
    QTest::newRow("point alone") << raw(".") << T(".");
    QTest::newRow("sign alone") << raw("-") << T("-");
    QTest::newRow("sign and point") << raw("+.") << T("+.");
    QTest::newRow("two points") << raw("1.2.3") << T("1.2.3");
    QTest::newRow("fractional exponent") << raw("1e3.5") << T("1e3.5");
    QTest::newRow("two exponents") << raw("1e5e5") << T("1e5e5");
    QTest::newRow("inner space") << raw("1 2") << T("1 2");
    QTest::newRow("two signs") << raw("+-1") << T("+-1");
    QTest::newRow("hexadecimal") << raw("0x10") << T("0x10");
    QTest::newRow("D exponent") << raw("1d5") << T("1d5");
    QTest::newRow("infinity word") << raw("inf") << T("inf");
    QTest::newRow("nan word") << raw("nan") << T("nan");
    QTest::newRow("unit after number") << raw("12mm") << T("12mm");
}

void TestFieldReader::numbers() {
    QFETCH(QByteArray, field);
    QFETCH(QString, expected);
    bool end = false;
    QStringList fields;
    NO_ERROR(fields = readFields(field + "\r\n", 1, &end));
    QCOMPARE(fields, QStringList{expected});
    QVERIFY(end);
}

void TestFieldReader::lineEnds_data() {
    addReadColumns();
    QTest::newRow("CR LF") << raw("a\r\nb\r\n") << QStringList{T("a"), T("b")} << true;
    QTest::newRow("lone CR") << raw("a\rb\r") << QStringList{T("a"), T("b")} << true;
    QTest::newRow("lone LF") << raw("a\nb\n") << QStringList{T("a"), T("b")} << true;
    QTest::newRow("mixed") << raw("a\r\nb\rc\nd") << QStringList{T("a"), T("b"), T("c"), T("d")}
                           << true;
    QTest::newRow("LF CR is two line ends")
        << raw("a\n\rb") << QStringList{T("a"), E(), T("b")} << true;
    QTest::newRow("CR CR is two line ends")
        << raw("a\r\rb") << QStringList{T("a"), E(), T("b")} << true;
    QTest::newRow("blank lines") << raw("a\r\n\r\n\r\nb") << QStringList{T("a"), E(), E(), T("b")}
                                 << true;
    QTest::newRow("number then CR LF") << raw("1.5\r\n2\r\n") << QStringList{N(1.5), N(2)} << true;
    QTest::newRow("spaces before line end")
        << raw("1.5  \t\r\n2") << QStringList{N(1.5), N(2)} << true;
    QTest::newRow("quoted then CR LF")
        << raw("\"x\"\r\ny\r\n") << QStringList{T("x"), T("y")} << true;
    QTest::newRow("quoted then lone CR")
        << raw("\"x\"\ry\r") << QStringList{T("x"), T("y")} << true;
    QTest::newRow("quoted then lone LF")
        << raw("\"x\"\ny\n") << QStringList{T("x"), T("y")} << true;
    QTest::newRow("line ends inside quotes")
        << raw("\"a\r\nb\rc\nd\",1\r\n") << QStringList{T("a\r\nb\rc\nd"), N(1)} << true;
}

void TestFieldReader::lineEnds() {
    checkRead();
}

void TestFieldReader::recordAcrossLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("4 + 4") << raw("\"M\",38,5,10\r\n12,1.8,0.1,x\r\n");
    QTest::newRow("1 + 7") << raw("\"M\"\r\n38,5,10,12,1.8,0.1,x\r\n");
    QTest::newRow("one per line, lone LF") << raw("\"M\"\n38\n5\n10\n12\n1.8\n0.1\nx\n");
    QTest::newRow("no final line end") << raw("\"M\",38,5,10\r12,1.8,0.1,x");
}

void TestFieldReader::recordAcrossLines() {
    QFETCH(QByteArray, bytes);
    bool endOneLine = false;
    bool end = false;
    QStringList oneLine;
    QStringList other;
    NO_ERROR(oneLine = readFields(raw("\"M\",38,5,10,12,1.8,0.1,x\r\n"), 8, &endOneLine));
    QCOMPARE(oneLine, (QStringList{T("M"), N(38), N(5), N(10), N(12), N(1.8), N(0.1), T("x")}));
    QVERIFY(endOneLine);
    NO_ERROR(other = readFields(bytes, 8, &end));
    QCOMPARE(other, oneLine);
    QVERIFY(end);
}

void TestFieldReader::endOfFile_data() {
    addReadColumns();
    QTest::newRow("no final line end") << raw("a,1") << QStringList{T("a"), N(1)} << true;
    QTest::newRow("no final line end after quoted")
        << raw("a,\"b\"") << QStringList{T("a"), T("b")} << true;
    QTest::newRow("no final line end after spaces")
        << raw("a,1  \t") << QStringList{T("a"), N(1)} << true;
    QTest::newRow("final comma") << raw("a,1,") << QStringList{T("a"), N(1)} << true;
    QTest::newRow("extra blank line, before it")
        << raw("a,1\r\n\r\n") << QStringList{T("a"), N(1)} << false;
    QTest::newRow("extra blank line, its field")
        << raw("a,1\r\n\r\n") << QStringList{T("a"), N(1), E()} << true;
    QTest::newRow("unterminated quote")
        << raw("a,\"b,c\r\nd\r\n") << QStringList{T("a"), T("b,c\r\nd\r\n")} << true;
    QTest::newRow("spaces after last line end") << raw("a\r\n  ") << QStringList{T("a")} << false;
    QTest::newRow("empty file") << QByteArray() << QStringList{} << true;
}

void TestFieldReader::endOfFile() {
    checkRead();
}

void TestFieldReader::encodings_data() {
    addReadColumns();
    // Windows-1252
    QTest::newRow("1252 euro sign") << raw("\x80 12,1") << QStringList{T("€ 12"), N(1)} << true;
    QTest::newRow("1252 oe ligature") << raw("C\x9Cur,1") << QStringList{T("Cœur"), N(1)} << true;
    QTest::newRow("1252 e acute") << raw("C\xE9ramique,1") << QStringList{T("Céramique"), N(1)}
                                  << true;
    QTest::newRow("1252 no-break space, y diaeresis") << raw("a\xA0"
                                                             "b\xFF,1")
                                                      << QStringList{T("a\u00A0bÿ"), N(1)} << true;
    QTest::newRow("1252 unassigned 0x81") << raw("x\x81y") << QStringList{T("x\u0081y")} << true;
    QTest::newRow("1252 unassigned 0x8D") << raw("x\x8Dy") << QStringList{T("x\u008Dy")} << true;
    QTest::newRow("1252 unassigned 0x8F") << raw("x\x8Fy") << QStringList{T("x\u008Fy")} << true;
    QTest::newRow("1252 unassigned 0x90") << raw("x\x90y") << QStringList{T("x\u0090y")} << true;
    QTest::newRow("1252 unassigned 0x9D") << raw("x\x9Dy") << QStringList{T("x\u009Dy")} << true;
    QTest::newRow("1252 inside quotes") << raw("\"\x8C"
                                               "uvre, \x9C"
                                               "uf\",2")
                                        << QStringList{T("Œuvre, œuf"), N(2)} << true;
    QTest::newRow("1252 NUL kept")
        << raw("ab\0cd\xE9,1") << QStringList{T(QStringLiteral("ab") + QChar(0) + "cdé"), N(1)}
        << true;
    // UTF-8 with a byte-order mark
    QTest::newRow("BOM then UTF-8 text")
        << raw("\xEF\xBB\xBFRev\xC3\xAAtement,1") << QStringList{T("Revêtement"), N(1)} << true;
    QTest::newRow("BOM then ASCII") << raw("\xEF\xBB\xBF"
                                           "abc,1")
                                    << QStringList{T("abc"), N(1)} << true;
    QTest::newRow("BOM then number") << raw("\xEF\xBB\xBF"
                                            "12,3")
                                     << QStringList{N(12), N(3)} << true;
    QTest::newRow("BOM then quoted")
        << raw("\xEF\xBB\xBF\"x, y\",2") << QStringList{T("x, y"), N(2)} << true;
    QTest::newRow("BOM then comma") << raw("\xEF\xBB\xBF,2") << QStringList{E(), N(2)} << true;
    // UTF-8 without a mark
    QTest::newRow("UTF-8 two-byte")
        << raw("C\xC3\xA9ramique,1") << QStringList{T("Céramique"), N(1)} << true;
    QTest::newRow("UTF-8 three-byte") << raw("\xE2\x82\xAC,1") << QStringList{T("€"), N(1)} << true;
    QTest::newRow("UTF-8 four-byte")
        << raw("\xF0\x9F\x98\x80,1") << QStringList{T(QString::fromUcs4(U"\U0001F600")), N(1)}
        << true;
    QTest::newRow("UTF-8 sequence late in the file")
        << raw("a,1\r\nb,2\r\n\xC3\xA9,3\r\n")
        << QStringList{T("a"), N(1), T("b"), N(2), T("é"), N(3)} << true;
    QTest::newRow("UTF-8 NUL kept")
        << raw("ab\0c\xC3\xA9,1") << QStringList{T(QStringLiteral("ab") + QChar(0) + "cé"), N(1)}
        << true;
    // Not valid UTF-8 as a whole, so Windows-1252
    QTest::newRow("invalid byte after a valid sequence")
        << raw("C\xC3\xA9ramique,\xE9") << QStringList{T("CÃ©ramique"), T("é")} << true;
    QTest::newRow("overlong encoding") << raw("\xC0\xAF,1") << QStringList{T("À¯"), N(1)} << true;
    QTest::newRow("encoded surrogate")
        << raw("\xED\xA0\x80,1") << QStringList{T("í\u00A0€"), N(1)} << true;
    QTest::newRow("beyond U+10FFFF")
        << raw("\xF4\x90\x80\x80,1") << QStringList{T("ô\u0090€€"), N(1)} << true;
    QTest::newRow("sequence cut by the end of file")
        << raw("\xC3\xA9,\xC3") << QStringList{T("Ã©"), T("Ã")} << true;
    QTest::newRow("sequence cut by a comma")
        << raw("\xE2\x82,\xC3\xA9") << QStringList{T("â‚"), T("Ã©")} << true;
    QTest::newRow("lone continuation byte")
        << raw("\xA9,\xC3\xA9") << QStringList{T("©"), T("Ã©")} << true;
}

void TestFieldReader::encodings() {
    checkRead();
}

void TestFieldReader::windows1252FullTable() {
    QByteArray bytes = "\"";
    QString expected;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        bytes += char(byte);
        expected += cp1252(static_cast<unsigned char>(byte));
    }
    bytes += "\",1\r\n";
    bool end = false;
    QStringList fields;
    NO_ERROR(fields = readFields(bytes, 2, &end));
    QCOMPARE(fields, (QStringList{T(expected), N(1)}));
    QVERIFY(end);
}

// A file marked UTF-8 stays UTF-8; whatever a bad byte becomes, the text handed on is valid.
void TestFieldReader::malformedUtf8AfterMark() {
    bool end = false;
    QStringList fields;
    NO_ERROR(fields = readFields(raw("\xEF\xBB\xBF"
                                     "ab\xE9"
                                     "cd,\xC3\xA9\r\n"),
                                 2, &end));
    QVERIFY(end);
    QCOMPARE(fields.size(), 2);
    QVERIFY2(fields[0].startsWith(QStringLiteral("text \u00ABab")), qPrintable(fields[0]));
    QVERIFY2(fields[0].endsWith(QStringLiteral("cd\u00BB")), qPrintable(fields[0]));
    QCOMPARE(fields[1], T("é"));
}

void TestFieldReader::errors_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("goodFields");
    QTest::addColumn<int>("number");
    // Input past end of file
    QTest::newRow("empty file") << QByteArray() << 0 << 62;
    QTest::newRow("only spaces") << raw("   ") << 0 << 62;
    QTest::newRow("only tabs") << raw("\t\t") << 0 << 62;
    QTest::newRow("past the last field") << raw("a,1\r\n") << 2 << 62;
    QTest::newRow("past the last field, no line end") << raw("a,1") << 2 << 62;
    QTest::newRow("extra blank line") << raw("a,1\r\n\r\n") << 3 << 62;
    QTest::newRow("spaces after last line end") << raw("a\r\n  ") << 1 << 62;
    QTest::newRow("final comma") << raw("a,") << 1 << 62;
    // Overflow
    QTest::newRow("beyond double range") << raw("1e999\r\n") << 0 << 6;
    QTest::newRow("beyond double range, negative") << raw("a,-1e999") << 1 << 6;
    QTest::newRow("just beyond the largest double") << raw("1.8e308") << 0 << 6;
    QTest::newRow("beyond range with trailing spaces") << raw("x,1E400   ,2") << 1 << 6;
}

void TestFieldReader::errors() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, goodFields);
    QFETCH(int, number);
    TempWorkDir dir;
    QVERIFY(dir.write(QStringLiteral("Data/f.txt"), bytes));
    FieldReader reader;
    NO_ERROR(reader.open(kFile));
    for (int i = 0; i < goodFields; ++i)
        NO_ERROR(reader.read_field());
    try {
        const FieldValue value = reader.read_field();
        QFAIL(qPrintable(QStringLiteral("no error, read ") + describe(value)));
    } catch (const RunTimeError& error) {
        QCOMPARE(error.number(), number);
        QVERIFY(!QString::fromUtf8(error.what()).isEmpty());
    }
}

void TestFieldReader::skipField() {
    TempWorkDir dir;
    QVERIFY(dir.write(QStringLiteral("Data/f.txt"), raw("\"a,b\",1e999,\r\n\"c\r\nd\",x\r\n")));
    FieldReader reader;
    NO_ERROR(reader.open(kFile));
    NO_ERROR(reader.skip_field());
    try {
        reader.skip_field();
        QFAIL("a skipped number beyond range is not an error");
    } catch (const RunTimeError& error) {
        QCOMPARE(error.number(), 6);
    }
    reader.close();

    QVERIFY(dir.write(QStringLiteral("Data/f.txt"), raw("\"a,b\",,\r\n\"c\r\nd\",x\r\n")));
    NO_ERROR(reader.open(kFile));
    for (int i = 0; i < 4; ++i)
        NO_ERROR(reader.skip_field());
    QString last;
    NO_ERROR(last = describe(reader.read_field()));
    QCOMPARE(last, T("x"));
    QVERIFY(reader.at_end());
    try {
        reader.skip_field();
        QFAIL("skipping past the end is not an error");
    } catch (const RunTimeError& error) {
        QCOMPARE(error.number(), 62);
    }
}

void TestFieldReader::missingFile_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("missing file") << QStringLiteral("Data/Absent.txt");
    QTest::newRow("missing folder") << QStringLiteral("Manque/Mat.txt");
    QTest::newRow("a folder, not a file") << QStringLiteral("Data");
}

void TestFieldReader::missingFile() {
    QFETCH(QString, path);
    TempWorkDir dir;
    const std::filesystem::path given = path.toStdString();
    FieldReader reader;
    try {
        reader.open(given);
        QFAIL("opened");
    } catch (const RunTimeError& error) {
        QCOMPARE(error.number(), 53);
        const QString description = QString::fromUtf8(error.what());
        QVERIFY2(description.contains(path), qPrintable(description));
        const QString absolute = QString::fromStdString(std::filesystem::absolute(given).string());
        QVERIFY2(description.contains(absolute), qPrintable(description));
    }
}

void TestFieldReader::positionInDescription_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("goodFields");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("where");
    const QByteArray three = "A,1,2,3,4\r\nB,1,2,3,4\r\nC,1,2,3,4\r\n";
    QTest::newRow("record cut short") << three + "D,1\r\n"
                                      << 17 << 62 << QStringLiteral("\\b4\\b.*\\b3\\b");
    QTest::newRow("blank line after the last record")
        << three + "\r\n"
        << 16 << 62 << QStringLiteral("\\b4\\b.*\\b2\\b");
    QTest::newRow("number beyond range")
        << raw("A,1,2,3,4\r\nB,1,2,1e999,4\r\n") << 8 << 6 << QStringLiteral("\\b2\\b.*\\b4\\b");
}

// With a record length set, errors say which record and field (both counted from 1).
void TestFieldReader::positionInDescription() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, goodFields);
    QFETCH(int, number);
    QFETCH(QString, where);
    TempWorkDir dir;
    QVERIFY(dir.write(QStringLiteral("Data/f.txt"), bytes));
    FieldReader reader;
    reader.set_record_length(5);
    NO_ERROR(reader.open(kFile));
    for (int i = 0; i < goodFields; ++i)
        NO_ERROR(reader.read_field());
    try {
        reader.read_field();
        QFAIL("no error");
    } catch (const RunTimeError& error) {
        QCOMPARE(error.number(), number);
        const QString description = QString::fromUtf8(error.what());
        QVERIFY2(description.contains(QRegularExpression(where)), qPrintable(description));
    }
}

void TestFieldReader::reopen() {
    TempWorkDir dir;
    QVERIFY(dir.write(QStringLiteral("Data/a.txt"), raw("a1,a2\r\n")));
    QVERIFY(dir.write(QStringLiteral("Data/b.txt"), raw("b1\r\n")));
    FieldReader reader;
    QStringList fields;
    NO_ERROR(reader.open("Data/a.txt"));
    NO_ERROR(fields << describe(reader.read_field()));
    reader.close();
    NO_ERROR(reader.open("Data/b.txt"));
    QVERIFY(!reader.at_end());
    NO_ERROR(fields << describe(reader.read_field()));
    QVERIFY(reader.at_end());
    reader.close();
    NO_ERROR(reader.open("Data/a.txt"));
    NO_ERROR(fields << describe(reader.read_field()));
    NO_ERROR(fields << describe(reader.read_field()));
    QVERIFY(reader.at_end());
    QCOMPARE(fields, (QStringList{T("a1"), T("b1"), T("a1"), T("a2")}));
}

QTEST_GUILESS_MAIN(TestFieldReader)
#include "tst_field_reader.moc"
