// The catalogue reader against the reader it replaced, kept in reference_catalogue: records that
// take each of its quick ways and each way back to reading a field at a time, files cut short
// at every byte, and records that straddle the end of what one read brings in. Both must list,
// fetch and fail alike, down to the error's description and the record and field it names.
#include "core_test_support.h"
#include "reference_catalogue.h"
#include "workdir.h"

#include "catalogue/catalogue.h"

namespace {

const char* const kPath = "Data/Mat.txt";

// Bytes a read brings in at once; a record that runs past them is read again whole.
constexpr int kChunk = 64 * 1024;

// What a caller of either reader sees, as lines: the listing, then the records fetched (all
// of them in a small file, else the first, `ordinal` and the one past the last).
template <class List, class Fetch>
QStringList outcome(List&& list, Fetch&& fetch, int fields, int ordinal) {
    QStringList lines;
    int count = 0;
    const auto error = [&](const Failure& failure) {
        if (failure.number)
            lines << failure.label() + ": " + failure.description;
    };
    error(failureOf([&] {
        for (const auto& entry : list(kPath, fields)) {
            lines << QString::number(entry.ordinal) + ' ' + fromStd(entry.name);
            ++count;
        }
    }));
    QList<int> ordinals{0, ordinal, count};
    if (count <= 40) {
        ordinals.clear();
        for (int i = 0; i <= count; ++i)
            ordinals << i;
    }
    for (const int wanted : ordinals) {
        error(failureOf([&] {
            QStringList values;
            if (const auto record = fetch(kPath, fields, wanted)) {
                for (const gypsomix::FieldValue& value : *record)
                    values << describe(value);
            } else {
                values << QStringLiteral("no record");
            }
            lines << QString::number(wanted) + ": " + values.join(QStringLiteral(" | "));
        }));
    }
    return lines;
}

void row(const QByteArray& name, const QByteArray& bytes, int fields, int ordinal = 0) {
    QTest::newRow(name.constData()) << bytes << fields << ordinal;
}

// A material record: a quoted name, then the seven values as given.
QByteArray material(const QByteArray& name, const QByteArray& values = "38,3,10,8,1.72,0.48,0.55") {
    return '"' + name + "\"," + values + "\r\n";
}

}  // namespace

class TestReaderPaths : public QObject {
    Q_OBJECT

  private slots:
    void sameOutcome_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fields");
        QTest::addColumn<int>("ordinal");  // a record to fetch besides the first and the last

        // The other fields skipped in one pass over the bytes.
        const QByteArray three = material("Pl\xE2tre \xE0 bijoux") + material("Rev\xEAtement") +
                                 material("Pl\xE2tre fin", "22,1.5,10,6,2,0.95,1");
        row("quoted names, CR LF", three, 8);
        row("LF", QByteArray(three).replace("\r\n", "\n"), 8);
        row("lone CR", QByteArray(three).replace("\r\n", "\r"), 8);
        row("CR LF read as three fields", three, 3);
        row("commas in quoted names", raw("\"\xD8 63,5 \xD7 76,2 mm\",63.5,76.2\r\n\"a,b\",1,2"),
            3);
        row("blanks around fields", raw("\"A\" ,  38 ,\t3,  ,10  ,\t\t, 1.8\t,0.5 \r\n"), 8);
        row("empty fields", raw("\"A\",,,,,,,\r\n\"B\",,,,,,,"), 8);
        row("exponents in range", raw("\"A\",1E3,2.5e-2,1e-400,5.3E-1,1e+2,e,E\r\n"), 8);
        row("a record over two lines", raw("\"A\",38,3,10\r\n8,1.72,0.48,0.55\r\n"), 8);
        row("sixteen fields on one line", raw("A,1,2,3,4,5,6,7,B,8,9,1,2,3,4,5"), 8);
        row("CR CR LF", raw("\"A\",1,2\r\r\n\"B\",3,4\r\n"), 3);
        row("LF CR", raw("\"A\",1,2\n\r\"B\",3,4\n\r"), 3);
        // Names copied as they are, or decoded sixteen bytes at a time.
        row("ASCII names", material("Cylindre 100 x 100 mm, bride haute") + material("B"), 8);
        row("accents at every place of sixteen bytes",
            material("\xE9"
                     "bcdefghijklmno\xE9"
                     "qrstuvwxyz\xE9\xE9\xE9") +
                material("abcdefghijklmno\xE9") + material("abcdefghijklmnop\xE9"),
            8);
        row("0x80 to 0x9F, three bytes each", material(raw("\x80\x81\x8D\x9C\x9F \x80 \x99")), 8);
        row("UTF-8", raw("\"C\xC3\xA9ramique\",1,2\r\n\"\xE2\x82\xAC\",3,4\r\n"), 3);
        row("UTF-8 after 70 KB of ASCII",
            material(QByteArray(70000, 'a')) + material("C\xC3\xA9ramique"), 8, 1);
        row("byte-order mark", raw("\xEF\xBB\xBF\"R\xC3\xAA\",1,2\r\n"), 3);
        row("byte-order mark, malformed byte", raw("\xEF\xBB\xBF\"ab\xE9z\",1,2\r\n"), 3);
        row("byte-order mark alone", raw("\xEF\xBB\xBF"), 3);
        row("invalid UTF-8 is Windows-1252", raw("\"C\xC3\xA9ramique\",1,2\r\n\xE9,3,4"), 3);

        // A field at a time: quotes, long fields, numbers beyond range, the file's end.
        row("a quoted value", raw("\"A\",38,\"3\",10,8,1.72,0.48,0.55\r\n\"B\",1,2,3,4,5,6,7"), 8);
        row("a quote inside a value", raw("\"A\",12\"x,3,4,5,6,7,8\r\n"), 8);
        row("a quoted value over two lines", raw("\"A\",\"x\r\ny\",3,4,5,6,7,8\r\n\"B\",,,,,,,"),
            8);
        row("values longer than the window", "\"A\"," + QByteArray(600, ' ') + "1,2\r\nB,3,4", 3);
        row("301 digits", "\"A\"," + QByteArray(300, '0') + "1,2\r\n", 3);
        row("400 digits beyond range", "\"A\",1,2\r\n\"B\"," + QByteArray(400, '9') + ",2\r\n", 3);
        row("400 digits beyond range, last field", "\"B\",2," + QByteArray(400, '9') + "\r\n", 3);
        row("beyond range, fifth field", raw("\"A\",1,2,3,1e999,5,6,7\r\n"), 8);
        row("beyond range by a long mantissa",
            "\"A\",1," + QByteArray(250, '9') + "e99,2\r\n\"B\",3,4,5\r\n", 4);
        // An exponent's digits on either side of the end of a block of 64 bytes.
        for (int blanks = 54; blanks <= 66; ++blanks) {
            for (const char* number : {"1e400", "1E+400", "1e-400", "1e+99", "25e09"}) {
                row("after " + QByteArray::number(blanks) + " blanks: " + number,
                    "\"A\"," + QByteArray(blanks, ' ') + number + ",2\r\n", 3);
            }
        }
        row("beyond range with blanks", raw("\"A\",1,2,3,  -1E400 \t,5,6,7\r\n"), 8);
        row("beyond range after LF", raw("\"A\",1,2\n1e999,3,4\n"), 3);
        row("unquoted names", raw("  Pl\xE2tre  ,1,2\r\n12.50,3,4\r\n1e3,5,6\r\n-0,7,8"), 3);
        row("unquoted name beyond range", raw("1e999,1,2\r\n"), 3);
        row("spaces inside quotes", raw("\"  A  \",1,2\r\n\"   \",3,4\r\n\" \tB\t \",5,6"), 3);
        row("unterminated quote, name", raw("\"A\",1,2\r\n\"B,3,4"), 3);
        row("unterminated quote, value", raw("\"A\",1,\"never closed\r\nB,3,4\r\n"), 3);
        row("junk after a closing quote", raw("\"A\" junk,1,2\r\n\"B\"x\r\n,3"), 3);
        row("blank line at the end", three + "\r\n", 8);
        row("only a line break", "\r\n", 8);
        row("empty file", "", 8);
        row("NUL bytes", raw("m\0n,1\0,2\r\n\0,3,4"), 3);

        // Cut short at every byte: the end of the file in every part of a record.
        const QByteArray whole = material("Pl\xE2tre, fin", "38,  3  ,1E1,\"8\",1.72,,0.55") +
                                 raw("\"\xD8 50\",1\r\n2,3,4,5,6,7");
        for (int size = 0; size <= whole.size(); ++size) {
            for (const int fields : {8, 3})
                row("cut at byte " + QByteArray::number(size) + ", " + QByteArray::number(fields) +
                        " fields",
                    whole.left(size), fields);
        }

        // A record whose bytes straddle the end of the first read, at every place in it.
        const QByteArray filler = material("F");
        const QByteArray straddling = material(
            "Rev\xEAtement, coul\xE9"
            "e",
            "38,3,1e1,8,1.72,0.48,0.55");
        for (int before = kChunk - straddling.size() - 2; before <= kChunk + 2; ++before) {
            const int records = before / filler.size();
            const int padding = before - records * filler.size();
            // The first filler's name takes up the difference.
            QByteArray bytes =
                material(QByteArray(padding + 1, 'F')) + filler.repeated(records - 1);
            bytes += straddling + filler;
            row("record from byte " + QByteArray::number(before), bytes, 8, records);
            row("record from byte " + QByteArray::number(before) + ", 3 fields", bytes, 3,
                records * 8 / 3);
        }
    }
    void sameOutcome() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fields);
        QFETCH(int, ordinal);
        TempWorkDir dir;
        QVERIFY(dir.write(kPath, bytes));
        const auto listFast = [](const char* path, int f) {
            return gypsomix::list_entries(path, f);
        };
        const auto fetchFast = [](const char* path, int f, int o) {
            return gypsomix::fetch_record(path, f, o);
        };
        const auto listReference = [](const char* path, int f) {
            return gypsomix::reference::list_entries(path, f);
        };
        const auto fetchReference = [](const char* path, int f, int o) {
            return gypsomix::reference::fetch_record(path, f, o);
        };
        QCOMPARE(outcome(listFast, fetchFast, fields, ordinal),
                 outcome(listReference, fetchReference, fields, ordinal));
    }
};

QTEST_GUILESS_MAIN(TestReaderPaths)
#include "tst_reader_paths.moc"
