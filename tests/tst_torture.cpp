// Catalogues no one should write but someone will: huge files, huge fields, binary bytes, damaged
// ends, files that change or vanish under the program, and files that cannot be read.
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "workdir.h"

using gypsomix::CatalogueEntry;
using gypsomix::CylindreRecord;
using gypsomix::FieldValue;
using gypsomix::MatRecord;
using gypsomix::RunTimeError;

namespace {

template <std::size_t N>
QByteArray raw(const char (&bytes)[N]) {
    return QByteArray(bytes, N - 1);
}

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString describe(const FieldValue& value) {
    if (std::holds_alternative<std::monostate>(value))
        return QStringLiteral("empty");
    if (const double* number = std::get_if<double>(&value)) {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, *number);
        return QStringLiteral("number ") + QString::fromLatin1(buffer, result.ptr - buffer);
    }
    return QStringLiteral("text \u00AB") + fromStd(std::get<std::string>(value)) +
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
QString T(const QByteArray& latin1) {
    return T(QString::fromLatin1(latin1));
}
QString T(const char* utf8) {
    return T(QString::fromUtf8(utf8));
}

QStringList describeAll(const std::vector<FieldValue>& fields) {
    QStringList list;
    for (const FieldValue& field : fields)
        list << describe(field);
    return list;
}

const char* pathFor(int fields) {
    return fields == MatRecord::fields ? MatRecord::path : CylindreRecord::path;
}

// What a call ended with: its value, or the run-time error number it reported.
template <typename T>
struct Outcome {
    std::optional<T> value;
    int error = 0;
    QString report;
};

template <typename F>
auto attempt(F&& call) -> Outcome<decltype(call())> {
    Outcome<decltype(call())> outcome;
    try {
        outcome.value = call();
    } catch (const RunTimeError& error) {
        outcome.error = error.number();
        outcome.report = fromStd(error.what());
    }
    return outcome;
}

auto listing(int fields) {
    return attempt([=] { return gypsomix::list_entries(pathFor(fields), fields); });
}

auto fetching(int fields, int ordinal) {
    return attempt([=] { return gypsomix::fetch_record(pathFor(fields), fields, ordinal); });
}

// Windows-1252 0x80..0x9F, from the code page chart; the five unassigned bytes keep their value.
const char16_t kCp1252High[32] = {
    u'€', 0x81, u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š', u'‹', u'Œ', 0x8D, u'Ž', 0x8F,
    0x90, u'‘', u'’', u'“', u'”', u'•', u'–', u'—', u'˜', u'™', u'š', u'›', u'œ', 0x9D, u'ž', u'Ÿ',
};

QChar cp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kCp1252High[byte - 0x80]);
    return QChar(byte);  // ASCII, and 0xA0..0xFF as in Latin-1
}

// One material record of the large catalogue, in the forms real files mix: quoted names with
// commas and accents, numbers with and without exponents, quoted numbers, empty fields, records
// spanning two lines, and all three line ends.
QByteArray materialRecord(int i, std::string* name, QStringList* fields) {
    const QByteArray number = QByteArray::number(i);
    const QByteArray base = "Rev\xEAtement n\xB0 " + number + ", lot " + char('A' + i % 26);
    *name = ("Revêtement n° " + number + ", lot " + char('A' + i % 26)).toStdString();
    QByteArray bytes = i % 5 == 0 ? "\"  " + base + "  \"" : "\"" + base + "\"";
    const char* water[] = {"38", "  22.5  ", "3.8E+01"};
    bytes += QByteArray(",") + water[i % 3] + ",";
    bytes += i % 11 == 0 ? "" : "3";
    bytes += i % 7 == 0 ? ",10\r\n" : ",10,";
    bytes += "\"8\",.5e1,-0.48,0.55";
    bytes += i % 13 == 0 ? "\n" : i % 17 == 0 ? "\r" : "\r\n";
    if (fields) {
        const double waterValue[] = {38, 22.5, 38};
        // Only the list trims the name; the record keeps what the quotes hold.
        const QString shown = QString::fromStdString(*name);
        *fields = QStringList{T(i % 5 == 0 ? "  " + shown + "  " : shown),
                              N(waterValue[i % 3]),
                              i % 11 == 0 ? E() : N(3),
                              N(10),
                              T(QStringLiteral("8")),
                              N(5),
                              N(-0.48),
                              N(0.55)};
    }
    return bytes;
}

int openDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

}  // namespace

class TestTorture : public QObject {
    Q_OBJECT

  private slots:
    void largeCatalogue();
    void strangeFiles_data();
    void strangeFiles();
    void everyByteInNames_data();
    void everyByteInNames();
    void encodings_data();
    void encodings();
    void changedBetweenListingAndFetch_data();
    void changedBetweenListingAndFetch();
    void unreadable_data();
    void unreadable();
    void noDescriptorLeft();
};

void TestTorture::largeCatalogue() {
    constexpr qsizetype kSize = 50 * 1024 * 1024;
    QElapsedTimer timer;
    timer.start();
    QByteArray bytes;
    bytes.reserve(kSize + 200);
    std::vector<std::string> expectedNames;
    for (int i = 0; bytes.size() < kSize; ++i) {
        std::string name;
        bytes += materialRecord(i, &name, nullptr);
        expectedNames.push_back(std::move(name));
    }
    const int count = int(expectedNames.size());
    std::string lastName;
    QStringList lastRecord;
    materialRecord(count - 1, &lastName, &lastRecord);
    const auto written = timer.restart();

    TempWorkDir dir;
    QVERIFY(dir.write(QString::fromLatin1(MatRecord::path), bytes));
    bytes.clear();
    bytes.squeeze();
    timer.restart();

    const auto listed = listing(MatRecord::fields);
    const auto listTime = timer.restart();
    QVERIFY2(listed.value, qPrintable(listed.report));
    QCOMPARE(int(listed.value->size()), count);
    int misplaced = 0;
    for (int i = 0; i < count; ++i) {
        const CatalogueEntry& entry = (*listed.value)[std::size_t(i)];
        if (entry.ordinal != i || entry.name != expectedNames[std::size_t(i)])
            ++misplaced;
    }
    QCOMPARE(misplaced, 0);

    const auto fetched = fetching(MatRecord::fields, count - 1);
    const auto fetchTime = timer.restart();
    QVERIFY2(fetched.value, qPrintable(fetched.report));
    QVERIFY(fetched.value->has_value());
    QCOMPARE(describeAll(**fetched.value), lastRecord);

    const auto past = fetching(MatRecord::fields, count);
    QVERIFY2(past.value, qPrintable(past.report));
    QVERIFY(!past.value->has_value());
    qInfo("%d records, %d MiB: generated in %lld ms, listed in %lld ms, last fetched in %lld ms",
          count, int(kSize >> 20), qint64(written), qint64(listTime), qint64(fetchTime));
}

void TestTorture::strangeFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fields");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("lastRecord");
    QTest::addColumn<int>("error");
    const qsizetype mb = 1024 * 1024;

    // A single field of 1 MB
    QTest::newRow("1 MB quoted name")
        << "\"" + QByteArray(mb, 'x') + "\",1,2\r\n"
        << 3 << 1 << QStringList{T(QByteArray(mb, 'x')), N(1), N(2)} << 0;
    QTest::newRow("1 MB quoted name of commas and line ends")
        << "\"" + QByteArray("a,\r\n").repeated(mb / 4) + "\",1,2" << 3 << 1
        << QStringList{T(QByteArray("a,\r\n").repeated(mb / 4)), N(1), N(2)} << 0;
    QTest::newRow("1 MB unquoted text")
        << "A," + QByteArray(mb, 'y') + ",2\r\n"
        << 3 << 1 << QStringList{T("A"), T(QByteArray(mb, 'y')), N(2)} << 0;
    QTest::newRow("1 MB of spaces before a number")
        << "A," + QByteArray(mb, ' ') + "7,2" << 3 << 1 << QStringList{T("A"), N(7), N(2)} << 0;
    QTest::newRow("1 MB of spaces after the last field")
        << "A,1,2" + QByteArray(mb, ' ') << 3 << 1 << QStringList{T("A"), N(1), N(2)} << 0;
    QTest::newRow("1 MB of digits is beyond range") << "A," + QByteArray(mb, '9') + ",2\r\n"
                                                    << 3 << -1 << QStringList{} << 6;
    QTest::newRow("1 MB of digits as a name is beyond range") << QByteArray(mb, '9') + ",1,2\r\n"
                                                              << 3 << -1 << QStringList{} << 6;
    QTest::newRow("1 MB of leading zeros")
        << "A," + QByteArray(mb, '0') + "1,2" << 3 << 1 << QStringList{T("A"), N(1), N(2)} << 0;
    QTest::newRow("1 MB fraction underflows to zero")
        << "A,0." + QByteArray(mb, '0') + "1,2" << 3 << 1 << QStringList{T("A"), N(0), N(2)} << 0;
    QTest::newRow("1 MB exponent")
        << "A,1e" + QByteArray(mb, '0') + "5,2" << 3 << 1 << QStringList{T("A"), N(1e5), N(2)} << 0;
    QTest::newRow("1 MB negative exponent underflows")
        << "A,1e-" + QByteArray(mb, '9') + ",2" << 3 << 1 << QStringList{T("A"), N(0), N(2)} << 0;
    QTest::newRow("a million empty fields")
        << QByteArray(3 * 349525, ',') << 3 << 349525 << QStringList{E(), E(), E()} << 0;
    QTest::newRow("half a million blank lines") << QByteArray("\r\n").repeated(3 * 174762) << 3
                                                << 174762 << QStringList{E(), E(), E()} << 0;
    QTest::newRow("a million empty fields, one short")
        << QByteArray(3 * 349525 - 1, ',') << 3 << -1 << QStringList{} << 62;

    // Damaged ends
    QTest::newRow("unterminated quote in the last field")
        << raw("A,1,\"never closed\r\nB,3,4\r\n") << 3 << 1
        << QStringList{T("A"), N(1), T("never closed\r\nB,3,4\r\n")} << 0;
    QTest::newRow("unterminated quote in the last name")
        << raw("A,1,2\r\n\"B,3,4") << 3 << -1 << QStringList{} << 62;
    QTest::newRow("lone quote at the end")
        << raw("A,1,\"") << 3 << 1 << QStringList{T("A"), N(1), T("")} << 0;
    QTest::newRow("lone CR line ends")
        << raw("A,1,2\rB,3,4\r") << 3 << 2 << QStringList{T("B"), N(3), N(4)} << 0;
    QTest::newRow("lone CR inside a record")
        << raw("A\r1\r2\rB\r3\r4") << 3 << 2 << QStringList{T("B"), N(3), N(4)} << 0;
    QTest::newRow("lone CR after the last record")
        << raw("A,1,2\r\n\r") << 3 << -1 << QStringList{} << 62;
    QTest::newRow("CR CR LF is a blank line")
        << raw("A,1,2\r\r\nB,3,4\r\r\n") << 3 << -1 << QStringList{} << 62;
    QTest::newRow("cut inside a CR LF")
        << raw("A,1,2\r") << 3 << 1 << QStringList{T("A"), N(1), N(2)} << 0;

    // NUL bytes
    QTest::newRow("NUL inside a name and a number")
        << raw("m\0n,1\0,2\r\n") << 3 << 1 << QStringList{T(raw("m\0n")), T(raw("1\0")), N(2)} << 0;
    QTest::newRow("NUL before a quote")
        << raw("\0\"a\",1,2") << 3 << 1 << QStringList{T(raw("\0\"a\"")), N(1), N(2)} << 0;
    QTest::newRow("NUL inside quotes")
        << raw("\"\0,\0\",\0,\0") << 3 << 1
        << QStringList{T(raw("\0,\0")), T(raw("\0")), T(raw("\0"))} << 0;
    QTest::newRow("a file of NUL bytes")
        << QByteArray(4096, '\0') << 3 << -1 << QStringList{} << 62;
}

void TestTorture::strangeFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, fields);
    QFETCH(int, count);
    QFETCH(QStringList, lastRecord);
    QFETCH(int, error);
    TempWorkDir dir;
    QVERIFY(dir.write(QString::fromLatin1(pathFor(fields)), bytes));

    const auto listed = listing(fields);
    QCOMPARE(listed.error, error);
    // A fetch reads the whole file too, so it fails in the same way.
    const auto fetched = fetching(fields, count - 1);
    QCOMPARE(fetched.error, error);
    if (error != 0)
        return;
    QCOMPARE(int(listed.value->size()), count);
    QCOMPARE(listed.value->back().ordinal, count - 1);
    QVERIFY(fetched.value->has_value());
    QCOMPARE(describeAll(**fetched.value), lastRecord);
}

void TestTorture::everyByteInNames_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    for (int value = 0; value < 256; ++value) {
        const char byte = char(value);
        const QByteArray name = QByteArray("a") + byte + "z";
        // Delimiters only fit inside quotes; a quote inside an unquoted field is an ordinary byte.
        const bool quoted = byte == ',' || byte == '\r' || byte == '\n';
        const QByteArray field = quoted ? "\"" + name + "\"" : name;
        QTest::addRow("byte 0x%02X", value)
            << field + ",1,2\r\nSuivant,3,4\r\n"
            << QStringLiteral("a") + cp1252(static_cast<unsigned char>(value)) +
                   QStringLiteral("z");
    }
}

void TestTorture::everyByteInNames() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    TempWorkDir dir;
    QVERIFY(dir.write(QString::fromLatin1(CylindreRecord::path), bytes));
    const auto listed = listing(CylindreRecord::fields);
    QVERIFY2(listed.value, qPrintable(listed.report));
    QCOMPARE(int(listed.value->size()), 2);
    QCOMPARE(fromStd(listed.value->front().name), name);
    QCOMPARE(fromStd(listed.value->back().name), QStringLiteral("Suivant"));
    for (int ordinal : {0, 1}) {
        const auto fetched = fetching(CylindreRecord::fields, ordinal);
        QVERIFY2(fetched.value, qPrintable(fetched.report));
        QVERIFY(fetched.value->has_value());
        const QStringList expected = ordinal == 0
                                         ? QStringList{T(name), N(1), N(2)}
                                         : QStringList{T(QStringLiteral("Suivant")), N(3), N(4)};
        QCOMPARE(describeAll(**fetched.value), expected);
    }
}

void TestTorture::encodings_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names");
    QByteArray everyByte = "\"";
    QString everyChar;
    for (int value = 0; value < 256; ++value) {
        if (value == '"')
            continue;
        everyByte += char(value);
        everyChar += cp1252(static_cast<unsigned char>(value));
    }
    everyByte += "\",1,2";
    QTest::newRow("every byte in one quoted name") << everyByte << QStringList{everyChar};
    QTest::newRow("UTF-8 with NUL bytes") << raw("\"\0Pl\xC3\xA2tre\0\",1,2\r\n")
                                          << QStringList{QString(QChar(0)) + "Plâtre" + QChar(0)};
    QTest::newRow("UTF-8 and Windows-1252 mixed read as Windows-1252")
        << raw("\"\xC3\xA9\",1,2\r\n\"\xE9\",3,4\r\n") << QStringList{"Ã©", "é"};
    QTest::newRow("UTF-8 sequence cut by the end of the file")
        << raw("\"\xC3\xA9\",1,\xE2\x82") << QStringList{"Ã©"};
    QTest::newRow("UTF-8 sequence cut by a delimiter")
        << raw("\"\xC3\",1,\xA9\r\n") << QStringList{"Ã"};
    QTest::newRow("overlong form") << raw("\xC0\xAF,1,2") << QStringList{"À¯"};
    QTest::newRow("encoded surrogate")
        << raw("\xED\xA0\x80,1,2") << QStringList{QStringLiteral("í\u00A0€")};
    QTest::newRow("past U+10FFFF")
        << raw("\xF4\x90\x80\x80,1,2") << QStringList{QStringLiteral("ô\u0090€€")};
    QTest::newRow("byte-order mark, then Windows-1252")
        << raw("\xEF\xBB\xBF\"\xE9t\xE9\",1,2") << QStringList{QStringLiteral("\uFFFDt\uFFFD")};
}

void TestTorture::encodings() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, names);
    TempWorkDir dir;
    QVERIFY(dir.write(QString::fromLatin1(CylindreRecord::path), bytes));
    const auto listed = listing(CylindreRecord::fields);
    QVERIFY2(listed.value, qPrintable(listed.report));
    QStringList listedNames;
    for (const CatalogueEntry& entry : *listed.value)
        listedNames << fromStd(entry.name);
    QCOMPARE(listedNames, names);
    const auto fetched = fetching(CylindreRecord::fields, int(names.size()) - 1);
    QVERIFY2(fetched.value, qPrintable(fetched.report));
    QVERIFY(fetched.value->has_value());
    QCOMPARE(describe((*fetched.value)->front()), T(names.back()));
}

void TestTorture::changedBetweenListingAndFetch_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("ordinal");
    QTest::addColumn<QStringList>("record");  // empty: no such record any more
    QTest::addColumn<int>("error");
    const QByteArray more = "D,40,40\r\nE,50,50\r\n";
    QTest::newRow("grows") << "append" << more << 2 << QStringList{T("C"), N(30), N(30)} << 0;
    QTest::newRow("grows, last record cut short")
        << "append" << raw("D,40") << 2 << QStringList{} << 62;
    QTest::newRow("grows by a blank line") << "append" << raw("\r\n") << 2 << QStringList{} << 62;
    QTest::newRow("grows by 10 MB") << "append" << more.repeated(10 * 1024 * 1024 / more.size())
                                    << 2 << QStringList{T("C"), N(30), N(30)} << 0;
    QTest::newRow("shrinks to one record")
        << "write" << raw("A,10,10\r\n") << 2 << QStringList{} << 0;
    QTest::newRow("shrinks inside the record")
        << "write" << raw("A,10,10\r\nB,20,20\r\nC,30") << 2 << QStringList{} << 62;
    QTest::newRow("emptied") << "write" << QByteArray() << 0 << QStringList{} << 0;
    QTest::newRow("replaced by another file") << "replace" << raw("Z,1,1\r\nY,2,2\r\nX,3,3\r\n")
                                              << 2 << QStringList{T("X"), N(3), N(3)} << 0;
    QTest::newRow("replaced by a link to another file")
        << "link" << raw("Z,1,1\r\nY,2,2\r\nX,3,3\r\n") << 1 << QStringList{T("Y"), N(2), N(2)}
        << 0;
    QTest::newRow("replaced by a materials file")
        << "write" << raw("A,1,2,3,4,5,6,7\r\n") << 0 << QStringList{} << 62;
    QTest::newRow("disappears") << "remove" << QByteArray() << 1 << QStringList{} << 53;
    QTest::newRow("replaced by a directory")
        << "directory" << QByteArray() << 1 << QStringList{} << 53;
    QTest::newRow("its folder disappears")
        << "remove folder" << QByteArray() << 1 << QStringList{} << 53;
}

void TestTorture::changedBetweenListingAndFetch() {
    QFETCH(QString, change);
    QFETCH(QByteArray, after);
    QFETCH(int, ordinal);
    QFETCH(QStringList, record);
    QFETCH(int, error);
    TempWorkDir dir;
    const QString path = QString::fromLatin1(CylindreRecord::path);
    QVERIFY(dir.write(path, "A,10,10\r\nB,20,20\r\nC,30,30\r\n"));
    const auto listed = listing(CylindreRecord::fields);
    QVERIFY2(listed.value, qPrintable(listed.report));
    QCOMPARE(int(listed.value->size()), 3);

    const QString file = dir.path() + QLatin1Char('/') + path;
    if (change == QLatin1String("append")) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::Append));
        QCOMPARE(out.write(after), after.size());
    } else if (change == QLatin1String("write")) {
        QVERIFY(dir.write(path, after));
    } else if (change == QLatin1String("replace")) {
        QVERIFY(dir.write(QStringLiteral("Data/new.txt"), after));
        QVERIFY(std::rename(qPrintable(dir.path() + "/Data/new.txt"), qPrintable(file)) == 0);
    } else if (change == QLatin1String("link")) {
        QVERIFY(dir.write(QStringLiteral("other.txt"), after));
        QVERIFY(dir.remove(path));
        QVERIFY(QFile::link(dir.path() + "/other.txt", file));
    } else if (change == QLatin1String("remove")) {
        QVERIFY(dir.remove(path));
    } else if (change == QLatin1String("directory")) {
        QVERIFY(dir.remove(path));
        QVERIFY(QDir(dir.path()).mkpath(path));
    } else if (change == QLatin1String("remove folder")) {
        QVERIFY(QDir(dir.path() + "/Data").removeRecursively());
    }

    const auto fetched = fetching(CylindreRecord::fields, ordinal);
    QCOMPARE(fetched.error, error);
    if (error != 0)
        return;
    if (record.isEmpty()) {
        QVERIFY(!fetched.value->has_value());
    } else {
        QVERIFY(fetched.value->has_value());
        QCOMPARE(describeAll(**fetched.value), record);
    }
}

void TestTorture::unreadable_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("directory named Mat.txt") << "directory";
    QTest::newRow("no read permission") << "permission";
    QTest::newRow("Data is a file") << "data file";
    QTest::newRow("dangling link") << "dangling";
    QTest::newRow("link loop") << "loop";
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("link to an endless device") << "device";
}

void TestTorture::unreadable() {
    QFETCH(QString, kind);
    TempWorkDir dir;
    const QString path = QString::fromLatin1(MatRecord::path);
    const QString file = dir.path() + QLatin1Char('/') + path;
    if (kind == QLatin1String("directory")) {
        QVERIFY(QDir(dir.path()).mkpath(path));
    } else if (kind == QLatin1String("permission")) {
        if (geteuid() == 0)
            QSKIP("root reads every file whatever its permissions");
        QVERIFY(dir.write(path, "A,1,2,3,4,5,6,7\r\n"));
        QVERIFY(::chmod(qPrintable(file), 0) == 0);
    } else if (kind == QLatin1String("data file")) {
        QVERIFY(QDir(dir.path() + "/Data").removeRecursively());
        QVERIFY(dir.write(QStringLiteral("Data"), "A,1,2,3,4,5,6,7\r\n"));
    } else if (kind == QLatin1String("dangling")) {
        QVERIFY(QFile::link(dir.path() + "/nowhere.txt", file));
    } else if (kind == QLatin1String("loop")) {
        QVERIFY(QFile::link(file, file));
    } else if (kind == QLatin1String("fifo")) {
        QVERIFY(::mkfifo(qPrintable(file), 0600) == 0);
    } else if (kind == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file));
    }

    const auto listed = listing(MatRecord::fields);
    QCOMPARE(listed.error, 53);
    QVERIFY2(listed.report.contains(QLatin1String("Data/Mat.txt")), qPrintable(listed.report));
    const auto fetched = fetching(MatRecord::fields, 0);
    QCOMPARE(fetched.error, 53);
}

// Every way a choice can end: a record, no record, a damaged file, a file that cannot be read.
void TestTorture::noDescriptorLeft() {
    TempWorkDir dir;
    const QString path = QString::fromLatin1(CylindreRecord::path);
    const QByteArray good = "A,10,10\r\nB,20,20\r\n";
    const int before = openDescriptors();
    int outcomes[4] = {};
    for (int i = 0; i < 1000; ++i) {
        switch (i % 4) {
            case 0:
                QVERIFY(dir.write(path, good));
                break;
            case 1:
                QVERIFY(dir.write(path, good + "C,30"));
                break;
            case 2:
                QVERIFY(dir.remove(path));
                QVERIFY(QDir(dir.path()).mkpath(path));
                break;
            case 3:
                QVERIFY(QDir(dir.path() + QLatin1Char('/') + path).removeRecursively());
                break;
        }
        const auto fetched = fetching(CylindreRecord::fields, i % 3);
        if (fetched.value)
            ++outcomes[fetched.value->has_value() ? 0 : 1];
        else
            ++outcomes[fetched.error == 62 ? 2 : 3];
    }
    QCOMPARE(openDescriptors(), before);
    // Records 0 and 1 found, record 2 not, then the damaged file, the directory and no file.
    QCOMPARE(outcomes[0], 167);
    QCOMPARE(outcomes[1], 83);
    QCOMPARE(outcomes[2], 250);
    QCOMPARE(outcomes[3], 500);
}

QTEST_GUILESS_MAIN(TestTorture)
#include "tst_torture.moc"
