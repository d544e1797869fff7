// The catalogue writer against the reader: what it writes, byte for byte; what it refuses, and
// where; and that every catalogue it writes reads back field for field.
#include <sys/resource.h>

#include <QDirIterator>
#include <QRandomGenerator>
#include <algorithm>
#include <csignal>

#include "catalogue/catalogue_writer.h"
#include "catalogue_outcome.h"
#include "read_only_folder.h"
#include "workdir.h"

using gypsomix::CatalogueEncoding;
using gypsomix::CatalogueLineEnd;
using gypsomix::FieldValue;
using Records = std::vector<std::vector<FieldValue>>;
Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(CatalogueEncoding)
Q_DECLARE_METATYPE(CatalogueLineEnd)

namespace {

const auto cp1252 = CatalogueEncoding::windows_1252;
const auto utf8 = CatalogueEncoding::utf8;
const auto utf8Bom = CatalogueEncoding::utf8_bom;

FieldValue t(const char* utf8Text) {
    return std::string(utf8Text);
}

// Records as readable lines, one per record, so a failing comparison shows the whole catalogue.
// A zero is written "0" whatever its sign, as the windows show it.
QStringList lines(const Records& records) {
    QStringList out;
    for (const auto& record : records) {
        QStringList fields;
        for (const FieldValue& field : record) {
            const double* number = std::get_if<double>(&field);
            fields << (number ? N(*number + 0.0) : describe(field));
        }
        out << fields.join(QStringLiteral(" | "));
    }
    return out;
}

// Every record of a catalogue, as listing then fetching each ordinal finds it.
Records readBack(const char* path, int fields) {
    Records records;
    const auto entries = gypsomix::list_entries(path, fields);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        auto record = gypsomix::fetch_record(path, fields, int(i));
        if (!record)
            throw std::logic_error("a listed record could not be fetched");
        records.push_back(std::move(*record));
    }
    return records;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QStringList folderListing(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A random number of at most 15 significant digits, from 1E-20 to 1E+12, of either sign.
double randomNumber(QRandomGenerator& random) {
    const int digits = random.bounded(1, 16);
    std::string text = random.bounded(4) == 0 ? "-" : "";
    for (int i = 0; i < digits; ++i)
        text += char('0' + (i == 0 ? random.bounded(1, 10) : random.bounded(10)));
    text += "e" + std::to_string(random.bounded(-20 - digits, 12 - digits));
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A random name: letters, digits, spaces and commas, accents and signs. Each character beyond
// ASCII is followed by an ASCII one, so Windows-1252 bytes never happen to make UTF-8; UTF-8
// files also get characters no code page holds.
std::string randomName(QRandomGenerator& random, CatalogueEncoding encoding) {
    static const QStringList ascii = {"a", "Z", "7", " ", ",", "-", "(", "'", "."};
    static const QStringList accents = {"é", "à", "ç", "ô", "€", "œ", "Ø", "½", "«", "»", "×", "°"};
    static const QStringList beyond = {"→", "🔥", "Ω", "≥"};
    QString name = QStringLiteral("É") + QChar('a' + random.bounded(26));
    const int length = random.bounded(1, 30);
    while (name.size() < length) {
        const int pick = random.bounded(10);
        if (pick < 6) {
            name += ascii[random.bounded(ascii.size())];
            continue;
        }
        name += pick < 9 || encoding == cp1252 ? accents[random.bounded(accents.size())]
                                               : beyond[random.bounded(beyond.size())];
        name += QChar('a' + random.bounded(26));
    }
    return name.toStdString();
}

// A catalogue of one kind: a name, then numbers; a burnout catalogue repeats a name over its
// steps; now and then a field is empty, as a hand-written catalogue may leave it.
Records randomCatalogue(int fields, CatalogueEncoding encoding, quint32 seed) {
    QRandomGenerator random(seed);
    Records records;
    const int count = random.bounded(1, 60);
    std::string name;
    for (int r = 0; r < count; ++r) {
        if (fields != 4 || name.empty() || random.bounded(3) == 0)
            name = randomName(random, encoding);
        std::vector<FieldValue> record{name};
        for (int f = 1; f < fields; ++f) {
            if (random.bounded(20) == 0)
                record.emplace_back();
            else
                record.emplace_back(randomNumber(random));
        }
        records.push_back(std::move(record));
    }
    return records;
}

QString corpusPath(const QString& name) {
    return QStringLiteral(GYPSOMIX_FUZZ_CORPUS "/") + name;
}

}  // namespace

class TestCatalogueWriter : public QObject {
    Q_OBJECT

  private slots:
    // The round trips again under a French locale: nothing may go through the C locale.
    void initTestCase() { useEnvironmentLocale(); }

    void bytes_data() {
        QTest::addColumn<Records>("records");
        QTest::addColumn<CatalogueEncoding>("encoding");
        QTest::addColumn<CatalogueLineEnd>("lineEnd");
        QTest::addColumn<QByteArray>("bytes");
        const auto row = [](const char* name, const Records& records, CatalogueEncoding encoding,
                            const QByteArray& bytes,
                            CatalogueLineEnd end = CatalogueLineEnd::crlf) {
            QTest::newRow(name) << records << encoding << end << bytes;
        };
        const Records material = {
            {t("Plâtre à bijoux universel"), 38.0, 3.0, 10.0, 8.0, 1.72, 0.48, 0.55}};
        row("material, Windows-1252", material, cp1252,
            "\"Pl\xE2tre \xE0 bijoux universel\",38,3,10,8,1.72,0.48,0.55\r\n");
        row("material, UTF-8", material, utf8,
            "\"Pl\xC3\xA2tre \xC3\xA0 bijoux universel\",38,3,10,8,1.72,0.48,0.55\r\n");
        const Records signs = {{t("€ œ Ø ½ « »"), 1.0}, {t("Œuvre, Ÿ ‰ ™ —"), 2.0}};
        row("signs, Windows-1252", signs, cp1252,
            "\"\x80 \x9C \xD8 \xBD \xAB \xBB\",1\r\n\"\x8C"
            "uvre, \x9F \x89 \x99 \x97\",2\r\n");
        const QByteArray signsUtf8 =
            "\"\xE2\x82\xAC \xC5\x93 \xC3\x98 \xC2\xBD \xC2\xAB \xC2\xBB\",1\r\n\"\xC5\x92uvre, "
            "\xC5\xB8 \xE2\x80\xB0 \xE2\x84\xA2 \xE2\x80\x94\",2\r\n";
        row("signs, UTF-8", signs, utf8, signsUtf8);
        row("signs, UTF-8 with BOM", signs, utf8Bom, "\xEF\xBB\xBF" + signsUtf8);
        row("beyond Windows-1252 in UTF-8", {{t("A → B 🔥"), 1.0}}, utf8,
            "\"A \xE2\x86\x92 B \xF0\x9F\x94\xA5\",1\r\n");
        row("commas inside a name", {{t("Ø 63,5 × 76,2 mm (2½ × 3 po)"), 63.5, 76.2}}, cp1252,
            "\"\xD8 63,5 \xD7 76,2 mm (2\xBD \xD7 3 po)\",63.5,76.2\r\n");
        row("numbers from 1E-05 to 15 digits",
            {{0.00001, 0.0001, -2.5, 123456789012345.0, 0.123456789012345, 1e15, -0.0, 1e-300}},
            cp1252, "1E-05,0.0001,-2.5,123456789012345,0.123456789012345,1E+15,0,1E-300\r\n");
        row("empty fields, empty text, a text that reads as a number",
            {{t("A"), {}, t("")}, {{}, t("12.5"), {}}}, cp1252, "\"A\",,\"\"\r\n,\"12.5\",\r\n");
        row("spaces and tabs kept inside quotes", {{t("  A\t "), 1.0}}, cp1252, "\"  A\t \",1\r\n");
        row("the five bytes Windows-1252 leaves unassigned",
            {{t("\u0081\u008D\u008F\u0090\u009D")}}, cp1252, "\"\x81\x8D\x8F\x90\x9D\"\r\n");
        row("no record", {}, cp1252, "");
        row("no record, UTF-8 with BOM", {}, utf8Bom, "\xEF\xBB\xBF");
        const Records two = {{t("A"), 1.0}, {t("B"), 2.0}};
        row("LF kept", two, cp1252, "\"A\",1\n\"B\",2\n", CatalogueLineEnd::lf);
        row("CR kept", two, cp1252, "\"A\",1\r\"B\",2\r", CatalogueLineEnd::cr);
    }
    void bytes() {
        QFETCH(Records, records);
        QFETCH(CatalogueEncoding, encoding);
        QFETCH(CatalogueLineEnd, lineEnd);
        QFETCH(QByteArray, bytes);
        std::string text;
        NO_ERROR(text = gypsomix::catalogue_text(records, encoding, lineEnd));
        QCOMPARE(QByteArray::fromStdString(text), bytes);

        // And the reader reads those bytes as the records, in the encoding they were written in.
        TempWorkDir dir;
        QVERIFY(dir.write("Data/Mat.txt", bytes));
        if (!records.empty()) {
            const int fields = int(records.front().size());
            QCOMPARE(lines(readBack("Data/Mat.txt", fields)), lines(records));
        }
        const bool ascii = !bytes.contains("\xEF\xBB\xBF") &&
                           std::all_of(bytes.begin(), bytes.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        QCOMPARE(gypsomix::catalogue_encoding("Data/Mat.txt"), ascii ? cp1252 : encoding);
        QCOMPARE(gypsomix::catalogue_line_end("Data/Mat.txt"), lineEnd);
    }

    void refusals_data() {
        QTest::addColumn<Records>("records");
        QTest::addColumn<CatalogueEncoding>("encoding");
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("why");
        QTest::addColumn<bool>("utf8Would");  // the text is sound; UTF-8 could hold it
        const auto row = [](const char* name, const Records& records, CatalogueEncoding encoding,
                            int record, int field, const char* why, bool utf8Would = false) {
            QTest::newRow(name) << records << encoding << record << field << why << utf8Would;
        };
        const double inf = std::numeric_limits<double>::infinity();
        row("double quote", {{t("A"), 1.0}, {t("Plâtre \"fin\""), 2.0}}, cp1252, 2, 1, "guillemet");
        row("double quote in UTF-8", {{t("\""), 1.0}}, utf8, 1, 1, "guillemet");
        row("CR", {{t("A"), 1.0, 2.0}, {t("B"), 1.0, t("x\ry")}}, cp1252, 2, 3, "saut de ligne");
        row("LF", {{t("A\nB"), 1.0, 2.0}}, utf8Bom, 1, 1, "saut de ligne");
        row("arrow in Windows-1252", {{t("A"), 1.0}, {t("B"), 2.0}, {t("Chauffe → 700"), 3.0}},
            cp1252, 3, 1, "U+2192", true);
        row("emoji in Windows-1252", {{t("Or 🔥"), 1.0}}, cp1252, 1, 1, "U+1F525", true);
        row("C1 control U+0080 in Windows-1252", {{t("\u0080"), 1.0}}, cp1252, 1, 1, "U+0080",
            true);
        row("Windows-1252 bytes that read back as UTF-8", {{t("A"), 1.0}, {t("Ã©"), 2.0}}, cp1252,
            2, 1, "UTF-8", true);
        row("not UTF-8", {{std::string("\xE9t\xE9"), 1.0}}, utf8, 1, 1, "UTF-8");
        row("infinity", {{t("A"), 1.0}, {t("B"), inf}}, cp1252, 2, 2, "infini");
        row("not a number", {{t("A"), std::numeric_limits<double>::quiet_NaN()}}, utf8, 1, 2,
            "indéterminé");
        row("record of another length", {{t("A"), 1.0, 2.0}, {t("B"), 1.0, 2.0}, {t("C"), 1.0}},
            cp1252, 3, 1, "2 champs");
        row("record of no field", {{}}, cp1252, 1, 1, "au moins un champ");
    }
    void refusals() {
        QFETCH(Records, records);
        QFETCH(CatalogueEncoding, encoding);
        QFETCH(int, record);
        QFETCH(int, field);
        QFETCH(QString, why);
        QFETCH(bool, utf8Would);
        int seenRecord = 0, seenField = 0;
        bool seenUtf8Would = false;
        const Failure failure = failureOf<gypsomix::CatalogueTextError>(
            [&] { gypsomix::catalogue_text(records, encoding); },
            [&](const gypsomix::CatalogueTextError& error) {
                seenRecord = error.record();
                seenField = error.field();
                seenUtf8Would = error.encoding_cannot_hold();
            });
        QCOMPARE(failure.number, 5);
        QVERIFY2(failure.description.contains(
                     QStringLiteral("enregistrement %1, champ %2").arg(record).arg(field)),
                 qPrintable(failure.description));
        QVERIFY2(failure.description.contains(why), qPrintable(failure.description));
        QCOMPARE(seenRecord, record);
        QCOMPARE(seenField, field);
        QCOMPARE(seenUtf8Would, utf8Would);
        if (utf8Would)
            NO_ERROR(gypsomix::catalogue_text(records, utf8));

        // Nothing is written: the file stays as it was and no .bak appears.
        TempWorkDir dir;
        QVERIFY(dir.write("Data/Mat.txt", "\"Avant\",1\r\n"));
        QCOMPARE(
            failureOf([&] { gypsomix::write_catalogue("Data/Mat.txt", records, encoding); }).number,
            5);
        QCOMPARE(fileBytes("Data/Mat.txt"), QByteArray("\"Avant\",1\r\n"));
        QCOMPARE(folderListing("Data"), QStringList{"Mat.txt"});
    }

    // Catalogues written and read again give the same records: random ones of each kind in each
    // encoding, and every file of the reader's fuzz corpus that the reader reads, written in the
    // encoding it was read in. A text the writer cannot write (one with a line end or a quote, as
    // an unclosed quote leaves it) is refused where it is.
    void roundTrip_data() {
        QTest::addColumn<QString>("file");  // in the corpus; empty: a random catalogue
        QTest::addColumn<int>("fields");
        QTest::addColumn<CatalogueEncoding>("encoding");
        QTest::addColumn<quint32>("seed");
        const std::pair<const char*, int> kinds[] = {
            {"materials", 8}, {"flasks", 3}, {"metals", 2}, {"burnout programmes", 4}};
        const std::pair<const char*, CatalogueEncoding> encodings[] = {
            {"Windows-1252", cp1252}, {"UTF-8", utf8}, {"UTF-8 with BOM", utf8Bom}};
        quint32 seed = 20;
        for (const auto& [kind, fields] : kinds)
            for (const auto& [name, encoding] : encodings)
                for (int draw = 1; draw <= 4; ++draw)
                    QTest::addRow("%s, %s, draw %d", kind, name, draw)
                        << QString() << fields << encoding << seed++;
        int readable = 0;
        for (QDirIterator it(QStringLiteral(GYPSOMIX_FUZZ_CORPUS), QDir::Files); it.hasNext();) {
            const QString file = QFileInfo(it.next()).fileName();
            for (int fields : {8, 3, 2, 4}) {
                const QByteArray path = QFile::encodeName(corpusPath(file));
                if (failureOf([&] { readBack(path.constData(), fields); }).number == 0) {
                    QTest::addRow("%s, %d fields", qPrintable(file), fields)
                        << file << fields << gypsomix::catalogue_encoding(path.constData()) << 0u;
                    ++readable;
                }
            }
        }
        QVERIFY2(readable >= 12, "the corpus should hold files the reader reads");
    }
    void roundTrip() {
        QFETCH(QString, file);
        QFETCH(int, fields);
        QFETCH(CatalogueEncoding, encoding);
        QFETCH(quint32, seed);
        const QByteArray source = QFile::encodeName(corpusPath(file));
        const Records records = file.isEmpty() ? randomCatalogue(fields, encoding, seed)
                                               : readBack(source.constData(), fields);
        TempWorkDir dir;
        int record = 0, field = 0;
        const Failure failure = failureOf<gypsomix::CatalogueTextError>(
            [&] { gypsomix::write_catalogue("Data/Cat.txt", records, encoding); },
            [&](const gypsomix::CatalogueTextError& error) {
                record = error.record();
                field = error.field();
            });
        if (failure.number != 0 && !file.isEmpty()) {
            QCOMPARE(failure.number, 5);
            const auto* text = std::get_if<std::string>(&records.at(record - 1).at(field - 1));
            QVERIFY2(text && text->find_first_of("\"\r\n") != std::string::npos,
                     qPrintable(failure.description));
            return;
        }
        QCOMPARE(failure.description, QString());
        QCOMPARE(lines(readBack("Data/Cat.txt", fields)), lines(records));
        if (file.isEmpty()) {
            QCOMPARE(gypsomix::catalogue_encoding("Data/Cat.txt"), encoding);
            QCOMPARE(gypsomix::catalogue_line_end("Data/Cat.txt"), CatalogueLineEnd::crlf);
            QStringList names;
            for (const auto& r : records)
                names << fromStd(std::get<std::string>(r.front())).trimmed();
            QCOMPARE(listed("Data/Cat.txt", fields), names);
        }
    }

    void replacesAndKeepsTheBackup() {
        TempWorkDir dir;
        const QByteArray before = "\"Ancien\",1\n";
        QVERIFY(dir.write("Data/Metal.txt", before));
        QCOMPARE(::chmod("Data/Metal.txt", 0640), 0);
        NO_ERROR(gypsomix::write_catalogue("Data/Metal.txt", {{t("Nouveau"), 2.0}}, cp1252));
        QCOMPARE(fileBytes("Data/Metal.txt"), QByteArray("\"Nouveau\",2\r\n"));
        QCOMPARE(fileBytes("Data/Metal.txt.bak"), before);
        QCOMPARE(folderListing("Data"), (QStringList{"Metal.txt", "Metal.txt.bak"}));
        // The caster's permissions stay on both.
        for (const char* path : {"Data/Metal.txt", "Data/Metal.txt.bak"}) {
            struct stat status {};
            QCOMPARE(::stat(path, &status), 0);
            QCOMPARE(status.st_mode & 0777, 0640u);
        }
        // A second save keeps the first save as the backup.
        NO_ERROR(gypsomix::write_catalogue("Data/Metal.txt", {{t("Troisième"), 3.0}}, utf8));
        QCOMPARE(fileBytes("Data/Metal.txt.bak"), QByteArray("\"Nouveau\",2\r\n"));
    }

    void cannotWrite_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("why");
        QTest::newRow("read-only folder") << "read-only"
                                          << "lecture seule";
        QTest::newRow("disk full midway") << "size limit"
                                          << "trop grand";
        QTest::newRow("the folder is missing") << "no folder"
                                               << "n'existe pas";
    }
    void cannotWrite() {
        QFETCH(QString, obstacle);
        QFETCH(QString, why);
        TempWorkDir dir;
        const QByteArray before = "\"Plâtre\",38,3,10,8,1.72,0.48,0.55\r\n";
        QVERIFY(dir.write("Data/Mat.txt", before));
        QVERIFY(dir.write("Data/Mat.txt.bak", "older\r\n"));
        Records records;
        for (int i = 0; i < 200; ++i)
            records.push_back({t("Mon plâtre, lot 12"), 39.0, 3.0, 10.0, 8.0, 1.7, 0.4, 0.5});
        const char* path = obstacle == "no folder" ? "Nulle part/Mat.txt" : "Data/Mat.txt";
        Failure failure;
        if (obstacle == "read-only") {
            ReadOnlyFolder readOnly(dir.path(), QStringLiteral("Data"));
            QVERIFY(readOnly.isReady());
            failure = failureOf([&] { gypsomix::write_catalogue(path, records, cp1252); });
        } else if (obstacle == "size limit") {
            // Past this size a write fails, as on a full disk.
            rlimit saved{};
            QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
            const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = saved;
            small.rlim_cur = 4096;
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
            failure = failureOf([&] { gypsomix::write_catalogue(path, records, cp1252); });
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previousHandler);
        } else {
            failure = failureOf([&] { gypsomix::write_catalogue(path, records, cp1252); });
        }
        QCOMPARE(failure.number, 75);
        QVERIFY2(failure.description.startsWith("Erreur d'accès au chemin/fichier"),
                 qPrintable(failure.description));
        QVERIFY2(failure.description.contains(why), qPrintable(failure.description));
        QVERIFY2(quotes(failure.description, QDir(dir.path()).filePath(path)),
                 qPrintable(failure.description));
        QCOMPARE(fileBytes("Data/Mat.txt"), before);
        QCOMPARE(fileBytes("Data/Mat.txt.bak"), QByteArray("older\r\n"));
        QCOMPARE(folderListing("Data"), (QStringList{"Mat.txt", "Mat.txt.bak"}));
    }
};

QTEST_GUILESS_MAIN(TestCatalogueWriter)
#include "tst_catalogue_writer.moc"
