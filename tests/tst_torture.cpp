// Catalogues no one should write but someone will: huge files, huge fields, binary bytes, damaged
// ends, files that change or vanish under the program, and files that cannot be read.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "catalogue_outcome.h"
#include "workdir.h"

using gypsomix::CylindreRecord;
using gypsomix::MatRecord;

namespace {

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
    const QByteArray name =
        "Rev\xEAtement n\xB0 " + QByteArray::number(i) + ", lot " + char('A' + i % 26);
    QByteArray bytes = i % 5 == 0 ? "\"  " + name + "  \"" : "\"" + name + "\"";
    const char* water[] = {"38", "  22.5  ", "3.8E+01"};
    bytes += QByteArray(",") + water[i % 3] + (i % 11 == 0 ? ",," : ",3,");
    bytes += i % 7 == 0 ? "10\r\n" : "10,";
    bytes += "\"8\",.5e1,-0.48,0.55";
    return bytes + (i % 13 == 0 ? "\n" : i % 17 == 0 ? "\r" : "\r\n");
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
        QByteArray bytes;
        QStringList names;
        for (int i = 0; bytes.size() < 50 * 1024 * 1024; ++i) {
            bytes += materialRecord(i);
            names << QStringLiteral("Revêtement n° %1, lot %2").arg(i).arg(QChar('A' + i % 26));
        }
        TempWorkDir dir;
        QVERIFY(dir.write(MatRecord::path, bytes));
        QCOMPARE(listed(MatRecord::path, MatRecord::fields), names);
        // Only the listing trims the name; the record keeps what the quotes hold.
        const int i = int(names.size()) - 1;
        const QString name = i % 5 == 0 ? "  " + names.last() + "  " : names.last();
        QCOMPARE(fetched(MatRecord::path, MatRecord::fields, i),
                 (QStringList{T(name), N(i % 3 == 1 ? 22.5 : 38), i % 11 == 0 ? E() : N(3), N(10),
                              T("8"), N(5), N(-0.48), N(0.55)}));
    }

    // Each file is a flask catalogue: its listing and its first record, or the error both report.
    void strangeFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("first");
        const QByteArray mbText = QByteArray("a,\r\n").repeated(256 * 1024);
        QTest::newRow("1 MB quoted name of commas and line ends")
            << "\"" + mbText + "\",1,2" << QStringList{mbText}
            << QStringList{T(mbText), N(1), N(2)};
        QTest::newRow("1 MB number of leading zeros")
            << "A," + QByteArray(1024 * 1024, '0') + "1.5,2\r\n"
            << QStringList{"A"} << QStringList{T("A"), N(1.5), N(2)};
        QTest::newRow("unterminated quote in the last field")
            << raw("A,1,\"never closed\r\nB,3,4\r\n") << QStringList{"A"}
            << QStringList{T("A"), N(1), T("never closed\r\nB,3,4\r\n")};
        QTest::newRow("unterminated quote in the last name")
            << raw("A,1,2\r\n\"B,3,4") << QStringList{"error 62"} << QStringList{"error 62"};
        QTest::newRow("CR CR LF is a blank line")
            << raw("A,1,2\r\r\nB,3,4\r\r\n") << QStringList{"error 62"} << QStringList{"error 62"};
        QTest::newRow("NUL inside a name and a number")
            << raw("m\0n,1\0,2\r\n") << QStringList{raw("m\0n")}
            << QStringList{T(raw("m\0n")), T(raw("1\0")), N(2)};
        // Delimiters in a name are quoted; the record after it is whole.
        for (int value = 0; value < 256; ++value) {
            const QByteArray name = QByteArray("a") + char(value) + "z";
            const bool delimiter = value == ',' || value == '\r' || value == '\n';
            const QString decoded = QStringLiteral("a") + cp1252(value) + QStringLiteral("z");
            QTest::addRow("byte 0x%02X in a name", value)
                << (delimiter ? "\"" + name + "\"" : name) + ",1,2\r\nSuivant,3,4\r\n"
                << QStringList{decoded, "Suivant"} << QStringList{T(decoded), N(1), N(2)};
        }
    }
    void strangeFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        QFETCH(QStringList, first);
        TempWorkDir dir;
        QVERIFY(dir.write(CylindreRecord::path, bytes));
        QCOMPARE(listed(CylindreRecord::path, CylindreRecord::fields), names);
        // A fetch reads the whole file too, so it fails in the same way.
        QCOMPARE(fetched(CylindreRecord::path, CylindreRecord::fields, 0), first);
    }

    // The reader keeps nothing of a file between two calls: a fetch finds what the listed file
    // has become, a larger or smaller file, another one, or none that can be read.
    void changedBetweenListingAndFetch_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("ordinal");
        QTest::addColumn<QStringList>("record");
        const QByteArray none;
        QTest::newRow("grows") << "write" << raw("A,10,10\r\nB,20,20\r\nC,30,30\r\nD,40,40\r\n")
                               << 3 << QStringList{T("D"), N(40), N(40)};
        QTest::newRow("shrinks to one record")
            << "write" << raw("A,10,10\r\n") << 2 << QStringList{"no record"};
        QTest::newRow("shrinks inside a record")
            << "write" << raw("A,10,10\r\nB,20,20\r\nC,30") << 2 << QStringList{"error 62"};
        // Renamed over the old one, as editors save: the listed file is gone, not rewritten.
        QTest::newRow("replaced by another file") << "rename" << raw("Z,1,1\r\nY,2,2\r\nX,3,3\r\n")
                                                  << 2 << QStringList{T("X"), N(3), N(3)};
        QTest::newRow("disappears") << "remove" << none << 1 << QStringList{"error 53"};
        QTest::newRow("now a directory") << "directory" << none << 0 << QStringList{"error 53"};
        QTest::newRow("no read permission")
            << "permission" << raw("A,10,10\r\n") << 0 << QStringList{"error 53"};
        QTest::newRow("named pipe without a writer")
            << "fifo" << none << 0 << QStringList{"error 53"};
    }
    void changedBetweenListingAndFetch() {
        QFETCH(QString, change);
        QFETCH(QByteArray, after);
        QFETCH(int, ordinal);
        QFETCH(QStringList, record);
        if (change == "permission" && geteuid() == 0)
            QSKIP("root reads every file whatever its permissions");
        TempWorkDir dir;
        const char* path = CylindreRecord::path;
        QVERIFY(dir.write(path, "A,10,10\r\nB,20,20\r\nC,30,30\r\n"));
        QCOMPARE(listed(path, CylindreRecord::fields), (QStringList{"A", "B", "C"}));
        if (change == "rename") {
            QVERIFY(dir.write("Data/new.txt", after));
            QCOMPARE(std::rename("Data/new.txt", path), 0);
        } else if (!after.isNull()) {
            QVERIFY(dir.write(path, after));
        } else {
            QVERIFY(dir.remove(path));
        }
        if (change == "permission")
            QCOMPARE(::chmod(path, 0), 0);
        else if (change == "directory")
            QVERIFY(QDir().mkpath(path));
        else if (change == "fifo")  // opening it for reading would wait for a writer forever
            QCOMPARE(::mkfifo(path, 0600), 0);
        QString description;
        QCOMPARE(fetched(path, CylindreRecord::fields, ordinal, &description), record);
        QVERIFY2(record.front() != "error 53" || quotes(description, path),
                 qPrintable(description));
        // However a fetch ends, it leaves no descriptor open.
        const int before = openDescriptors();
        for (int i = 0; i < 1000; ++i)
            QCOMPARE(fetched(path, CylindreRecord::fields, ordinal), record);
        QCOMPARE(openDescriptors(), before);
    }
};

QTEST_GUILESS_MAIN(TestTorture)
#include "tst_torture.moc"
