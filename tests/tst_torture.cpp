// Catalogues no one should write but someone will: huge files, huge fields, binary bytes, damaged
// ends, files that change or vanish under the program, and files that cannot be read.
#include <QElapsedTimer>
#include <QFile>
#include <QMap>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "catalogue_outcome.h"
#include "workdir.h"

using gypsomix::CatalogueEntry;
using gypsomix::CylindreRecord;
using gypsomix::FieldValue;
using gypsomix::MatRecord;

namespace {

const char* pathFor(int fields) {
    return fields == MatRecord::fields ? MatRecord::path : CylindreRecord::path;
}

QStringList listNames(int fields) {
    return listed(pathFor(fields), fields);
}

QStringList fetchLines(int fields, int ordinal) {
    return fetched(pathFor(fields), fields, ordinal);
}

// Windows-1252 0x80..0x9F, from the code page chart; the five unassigned bytes keep their value.
// ASCII and 0xA0..0xFF are as in Latin-1.
QChar cp1252(int byte) {
    static const char16_t high[32] = {
        u'€', 0x81, u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š',
        u'‹', u'Œ', 0x8D, u'Ž', 0x8F, 0x90, u'‘', u'’', u'“', u'”', u'•',
        u'–', u'—', u'˜', u'™', u'š', u'›', u'œ', 0x9D, u'ž', u'Ÿ',
    };
    return byte >= 0x80 && byte < 0xA0 ? QChar(high[byte - 0x80]) : QChar(byte);
}

// One material record in the forms real files mix: quoted Windows-1252 names with commas, padded
// and exponent numbers, a quoted number, empty fields, a record over two lines, all line ends.
QByteArray materialRecord(int i) {
    const QByteArray number = QByteArray::number(i);
    const QByteArray name = "Rev\xEAtement n\xB0 " + number + ", lot " + char('A' + i % 26);
    QByteArray bytes = i % 5 == 0 ? "\"  " + name + "  \"" : "\"" + name + "\"";
    const char* water[] = {"38", "  22.5  ", "3.8E+01"};
    bytes += QByteArray(",") + water[i % 3] + (i % 11 == 0 ? ",," : ",3,");
    bytes += i % 7 == 0 ? "10\r\n" : "10,";
    bytes += "\"8\",.5e1,-0.48,0.55";
    return bytes + (i % 13 == 0 ? "\n" : i % 17 == 0 ? "\r" : "\r\n");
}
QString materialName(int i) {
    return QStringLiteral("Revêtement n° %1, lot %2").arg(i).arg(QChar('A' + i % 26));
}
QStringList materialLines(int i) {
    // Only the listing trims the name; the record keeps what the quotes hold.
    const QString name = i % 5 == 0 ? "  " + materialName(i) + "  " : materialName(i);
    return {
        T(name), N(i % 3 == 1 ? 22.5 : 38), i % 11 == 0 ? E() : N(3), N(10), T("8"), N(5), N(-0.48),
        N(0.55)};
}

int openDescriptors() {
    const std::filesystem::directory_iterator fds("/proc/self/fd");
    return int(std::distance(begin(fds), end(fds)));
}

}  // namespace

class TestTorture : public QObject {
    Q_OBJECT

  private slots:
    void largeCatalogue() {
        QElapsedTimer timer;
        timer.start();
        QByteArray bytes;
        bytes.reserve(50 * 1024 * 1024 + 200);
        int count = 0;
        while (bytes.size() < 50 * 1024 * 1024)
            bytes += materialRecord(count++);
        TempWorkDir dir;
        QVERIFY(dir.write(MatRecord::path, bytes));
        bytes = QByteArray();
        const qint64 written = timer.restart();

        std::vector<CatalogueEntry> entries;
        NO_ERROR(entries = gypsomix::list_entries(MatRecord::path, MatRecord::fields));
        const qint64 listed = timer.restart();
        QCOMPARE(int(entries.size()), count);
        for (int i = 0; i < count; ++i) {
            const CatalogueEntry& entry = entries[std::size_t(i)];
            if (entry.ordinal != i || fromStd(entry.name) != materialName(i))
                QFAIL(qPrintable(QStringLiteral("entry %1: «%2»").arg(i).arg(fromStd(entry.name))));
        }
        QCOMPARE(fetchLines(MatRecord::fields, count - 1), materialLines(count - 1));
        const qint64 fetched = timer.restart();
        QCOMPARE(fetchLines(MatRecord::fields, count), QStringList{"no record"});
        qInfo("%d records, 50 MiB: written in %lld ms, listed in %lld ms, last fetched in %lld ms",
              count, written, listed, fetched);
    }

    // Each file is a flask catalogue; `last` is record count - 1, or the error both calls report.
    void strangeFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("last");
        const QByteArray mbText = QByteArray("a,\r\n").repeated(256 * 1024);
        QTest::newRow("1 MB quoted name of commas and line ends")
            << "\"" + mbText + "\",1,2" << 1 << QStringList{T(mbText), N(1), N(2)};
        QTest::newRow("1 MB number of leading zeros")
            << "A," + QByteArray(1024 * 1024, '0') + "1.5,2\r\n"
            << 1 << QStringList{T("A"), N(1.5), N(2)};
        QTest::newRow("unterminated quote in the last field")
            << raw("A,1,\"never closed\r\nB,3,4\r\n") << 1
            << QStringList{T("A"), N(1), T("never closed\r\nB,3,4\r\n")};
        QTest::newRow("unterminated quote in the last name")
            << raw("A,1,2\r\n\"B,3,4") << 1 << QStringList{"error 62"};
        QTest::newRow("lone CR line ends")
            << raw("A,1,2\rB,3,4\r") << 2 << QStringList{T("B"), N(3), N(4)};
        QTest::newRow("CR CR LF is a blank line")
            << raw("A,1,2\r\r\nB,3,4\r\r\n") << 1 << QStringList{"error 62"};
        QTest::newRow("NUL inside a name and a number")
            << raw("m\0n,1\0,2\r\n") << 1 << QStringList{T(raw("m\0n")), T(raw("1\0")), N(2)};
        QTest::newRow("NUL bytes around UTF-8")
            << raw("\"\0Pl\xC3\xA2tre\0\",1,2\r\n") << 1
            << QStringList{T(QChar(0) + QStringLiteral("Plâtre") + QChar(0)), N(1), N(2)};
        QTest::newRow("a file of NUL bytes")
            << QByteArray(4096, '\0') << 1 << QStringList{"error 62"};
    }
    void strangeFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(QStringList, last);
        TempWorkDir dir;
        QVERIFY(dir.write(CylindreRecord::path, bytes));
        const QStringList names = listNames(CylindreRecord::fields);
        // A fetch reads the whole file too, so it fails in the same way.
        QCOMPARE(fetchLines(CylindreRecord::fields, count - 1), last);
        if (last.front().startsWith("error"))
            QCOMPARE(names, last);
        else
            QCOMPARE(int(names.size()), count);
    }

    // One file per byte value, so delimiters and quotes are tried where a name holds them.
    void everyByteInNames() {
        QStringList failures;
        for (int value = 0; value < 256; ++value) {
            const QByteArray name = QByteArray("a") + char(value) + "z";
            const bool delimiter = value == ',' || value == '\r' || value == '\n';
            TempWorkDir dir;
            QVERIFY(dir.write(CylindreRecord::path,
                              (delimiter ? "\"" + name + "\"" : name) + ",1,2\r\nSuivant,3,4\r\n"));
            const QString expected = QStringLiteral("a") + cp1252(value) + QStringLiteral("z");
            const QStringList seen = listNames(CylindreRecord::fields) +
                                     fetchLines(CylindreRecord::fields, 0) +
                                     fetchLines(CylindreRecord::fields, 1);
            if (seen !=
                QStringList{expected, "Suivant", T(expected), N(1), N(2), T("Suivant"), N(3), N(4)})
                failures << "byte 0x" +
                                QString::number(value, 16).toUpper().rightJustified(2, '0') + ": " +
                                seen.join(" | ");
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));

        QByteArray all;
        QString decoded;
        for (int value = 0; value < 256; ++value)
            if (value != '"') {
                all += char(value);
                decoded += cp1252(value);
            }
        TempWorkDir dir;
        QVERIFY(dir.write(CylindreRecord::path, "\"" + all + "\",1,2"));
        QCOMPARE(listNames(CylindreRecord::fields), QStringList{decoded});
    }

    void changedBetweenListingAndFetch_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("ordinal");
        QTest::addColumn<QStringList>("record");
        QTest::newRow("grows") << "append" << raw("D,40,40\r\nE,50,50\r\n") << 2
                               << QStringList{T("C"), N(30), N(30)};
        QTest::newRow("shrinks to one record")
            << "write" << raw("A,10,10\r\n") << 2 << QStringList{"no record"};
        QTest::newRow("shrinks inside a record")
            << "write" << raw("A,10,10\r\nB,20,20\r\nC,30") << 2 << QStringList{"error 62"};
        QTest::newRow("replaced by another file") << "replace" << raw("Z,1,1\r\nY,2,2\r\nX,3,3\r\n")
                                                  << 2 << QStringList{T("X"), N(3), N(3)};
        QTest::newRow("disappears") << "remove" << QByteArray() << 1 << QStringList{"error 53"};
    }
    void changedBetweenListingAndFetch() {
        QFETCH(QString, change);
        QFETCH(QByteArray, after);
        QFETCH(int, ordinal);
        QFETCH(QStringList, record);
        TempWorkDir dir;
        const QString path = CylindreRecord::path;
        QVERIFY(dir.write(path, "A,10,10\r\nB,20,20\r\nC,30,30\r\n"));
        QCOMPARE(listNames(CylindreRecord::fields), (QStringList{"A", "B", "C"}));

        if (change == "append") {
            QFile file(dir.path() + '/' + path);
            QVERIFY(file.open(QIODevice::Append));
            QCOMPARE(file.write(after), after.size());
        } else if (change == "write") {
            QVERIFY(dir.write(path, after));
        } else if (change == "replace") {
            // Renamed over the old one, as editors save: the listed file is gone, not rewritten.
            QVERIFY(dir.write("Data/new.txt", after));
            QCOMPARE(std::rename("Data/new.txt", CylindreRecord::path), 0);
        } else {
            QVERIFY(dir.remove(path));
        }
        QCOMPARE(fetchLines(CylindreRecord::fields, ordinal), record);
    }

    void unreadable_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory named Mat.txt") << "directory";
        QTest::newRow("no read permission") << "permission";
        QTest::newRow("named pipe without a writer") << "fifo";
    }
    void unreadable() {
        QFETCH(QString, kind);
        TempWorkDir dir;
        if (kind == "directory") {
            QVERIFY(QDir().mkpath(MatRecord::path));
        } else if (kind == "permission") {
            if (geteuid() == 0)
                QSKIP("root reads every file whatever its permissions");
            QVERIFY(dir.write(MatRecord::path, "A,1,2,3,4,5,6,7\r\n"));
            QCOMPARE(::chmod(MatRecord::path, 0), 0);
        } else {
            // Opening it for reading would wait for a writer forever.
            QCOMPARE(::mkfifo(MatRecord::path, 0600), 0);
        }
        const Failure failure =
            failureOf([] { gypsomix::list_entries(MatRecord::path, MatRecord::fields); });
        QCOMPARE(failure.number, 53);
        QVERIFY2(quotes(failure.description, MatRecord::path), qPrintable(failure.description));
        QCOMPARE(fetchLines(MatRecord::fields, 0), QStringList{"error 53"});
    }

    // Every way a choice can end: a record, no record, a damaged file, a file that cannot be read.
    void noDescriptorLeft() {
        TempWorkDir dir;
        const QString path = CylindreRecord::path;
        const QByteArray good = "A,10,10\r\nB,20,20\r\n";
        const int before = openDescriptors();
        QMap<QString, int> outcomes;
        for (int i = 0; i < 1000; ++i) {
            if (i % 4 < 2)
                QVERIFY(dir.write(path, i % 4 == 0 ? good : good + "C,30"));
            else if (i % 4 == 2)
                QVERIFY(dir.remove(path) && QDir().mkpath(path));
            else
                QVERIFY(QDir(path).removeRecursively());
            const QStringList lines = fetchLines(CylindreRecord::fields, i % 3);
            ++outcomes[lines.size() == 1 ? lines.front() : QStringLiteral("record")];
        }
        QCOMPARE(openDescriptors(), before);
        // Records 0 and 1 found, record 2 not, then the damaged file, the directory and no file.
        const QMap<QString, int> expected{
            {"record", 167}, {"no record", 83}, {"error 62", 250}, {"error 53", 500}};
        QCOMPARE(outcomes, expected);
    }
};

QTEST_GUILESS_MAIN(TestTorture)
#include "tst_torture.moc"
