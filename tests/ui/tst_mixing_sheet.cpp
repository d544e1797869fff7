// The mixing sheet written as a PDF, then read back with poppler's tools as the caster reads
// the paper: what is printed, where, and on how many pages.
#include <QPdfWriter>
#include <QPrinter>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <optional>

#include "sheet_samples.h"
#include "ui/mixing_sheet.h"

namespace {

using namespace sheet_samples;
using namespace Qt::StringLiterals;

constexpr qreal kPointsPerMm = 72 / 25.4;

struct Word {
    QString text;
    QRectF box;  // points, from the top left corner of the page
};

// What poppler reads off one written sheet.
struct ReadSheet {
    QString error;
    int pages = 0;
    QString pageSize;  // pdfinfo's, e.g. "595 x 842 pts (A4)"
    QString layout;    // pdftotext -layout
    QList<Word> words;
    QSizeF size;
};

QString runTool(const QString& program, const QStringList& arguments, QString& error) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        error += program + u" failed: "_s + QString::fromUtf8(process.readAllStandardError());
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString captured(const QString& pattern, const QString& text, int group = 1) {
    return QRegularExpression(pattern, QRegularExpression::MultilineOption)
        .match(text)
        .captured(group);
}

ReadSheet readBack(const QString& path) {
    ReadSheet read;
    const QString info = runTool(u"pdfinfo"_s, {path}, read.error);
    read.layout = runTool(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s}, read.error);
    const QString boxes = runTool(u"pdftotext"_s, {u"-bbox"_s, path, u"-"_s}, read.error);
    read.pages = captured(uR"(^Pages:\s+(\d+)$)"_s, info).toInt();
    read.pageSize = captured(uR"(^Page size:\s+(.*)$)"_s, info).trimmed();
    const QString page = uR"x(<page width="([\d.]+)" height="([\d.]+)")x"_s;
    read.size = QSizeF(captured(page, boxes, 1).toDouble(), captured(page, boxes, 2).toDouble());
    const QRegularExpression word(
        uR"x(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)x"_s);
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString text = m.captured(5).replace(u"&apos;"_s, u"'"_s).replace(u"&amp;"_s, u"&"_s);
        read.words.append(
            {text, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                          QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return read;
}

enum class Device { pdfWriter, printer };

// Writes the sheet through the call the window makes, and reads it back. `preset` sets the
// device up first, as another part of the program might have left it.
ReadSheet writeAndRead(const MixingSheet& sheet, Device kind = Device::pdfWriter,
                       const std::function<void(QPagedPaintDevice&)>& preset = {}) {
    static int serial = 0;
    static QTemporaryDir folder;
    const QString path = folder.filePath(u"sheet-%1.pdf"_s.arg(++serial));
    {
        QPdfWriter writer(path);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QPagedPaintDevice& device =
            kind == Device::printer ? static_cast<QPagedPaintDevice&>(printer) : writer;
        if (preset) {
            preset(device);
        }
        if (!renderMixingSheet(device, sheet)) {
            ReadSheet failed;
            failed.error = u"renderMixingSheet returned false"_s;
            return failed;
        }
    }
    return readBack(path);
}

// The first word outside the printable part of the page (15 mm margins); empty if none.
QString offPrintable(const ReadSheet& read) {
    const qreal margin = 15 * kPointsPerMm - 1;
    const QRectF printable = QRectF({}, read.size).adjusted(margin, margin, -margin, -margin);
    for (const Word& word : read.words) {
        if (!printable.contains(word.box)) {
            return word.text;
        }
    }
    return {};
}

// The words of `phrase`, one after another in reading order: their union, or a null rect.
QRectF phraseBox(const ReadSheet& read, const QString& phrase) {
    const QStringList parts = phrase.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + parts.size() <= read.words.size(); ++i) {
        QRectF box;
        qsizetype j = 0;
        for (; j < parts.size() && read.words[i + j].text == parts[j]; ++j) {
            box = box.united(read.words[i + j].box);
        }
        if (j == parts.size()) {
            return box;
        }
    }
    return {};
}

bool has(const ReadSheet& read, const QString& phrase) {
    return !phraseBox(read, phrase).isNull();
}

// The cells side by side on one printed line, in this order.
bool onOneLine(const ReadSheet& read, const QStringList& cells) {
    QStringList escaped;
    for (const QString& cell : cells) {
        escaped << QRegularExpression::escape(cell);
    }
    const QString pattern = u"(^|\\s)"_s + escaped.join(u"\\s+"_s) + u"(\\s|$)"_s;
    return QRegularExpression(pattern, QRegularExpression::MultilineOption)
        .match(read.layout)
        .hasMatch();
}

// A figure printed right under its label, in the same cell.
std::optional<Word> figureUnder(const ReadSheet& read, const QString& label,
                                const QString& figure) {
    const QRectF above = phraseBox(read, label);
    for (const Word& word : read.words) {
        if (!above.isNull() && word.text == figure &&
            std::abs(word.box.left() - above.left()) < 2 && word.box.top() >= above.bottom() - 1 &&
            word.box.top() <= above.bottom() + 2 * above.height()) {
            return word;
        }
    }
    return std::nullopt;
}

// A flask line as printed; no tree is a dash, so that the cell does not look forgotten.
QStringList rowCells(const MixingSheet::Line& line) {
    return {line.flask,    QString::number(line.count),
            line.diameter, line.height,
            line.unit,     line.deduction.isEmpty() ? u"–"_s : line.deduction,
            line.volume};
}

MixingSheet planOf(int lines, bool special, bool withSchedule) {
    return lines == 3 ? showcase(special, withSchedule) : longPlan(lines, special, withSchedule);
}

const QStringList kPhases = {u"Malaxage"_s, u"Coulée"_s, u"Prise"_s};

}  // namespace

Q_DECLARE_METATYPE(std::optional<MixingSheet::Schedule>)

class TestMixingSheet : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The setup installs poppler-utils; without it nothing here would be checked.
        for (const QString& tool : {u"pdftotext"_s, u"pdfinfo"_s}) {
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(),
                     qPrintable(tool + u" not found: install poppler-utils"_s));
        }
    }

    void contents_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("special");
        QTest::addColumn<bool>("withSchedule");
        QTest::newRow("3 lines, water") << 3 << false << true;
        QTest::newRow("3 lines, special liquid") << 3 << true << true;
        QTest::newRow("3 lines, no schedule") << 3 << false << false;
        QTest::newRow("40 lines, special liquid") << 40 << true << true;
        QTest::newRow("200 lines, no schedule") << 200 << false << false;
    }

    // Every figure and label the caster needs, and nothing that does not apply.
    void contents() {
        QFETCH(int, lines);
        QFETCH(bool, special);
        QFETCH(bool, withSchedule);
        const MixingSheet sheet = planOf(lines, special, withSchedule);
        const ReadSheet read = writeAndRead(sheet);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.pages, 1);

        QVERIFY(has(read, u"Fiche de mélange"_s) && has(read, sheet.material));
        QList<MixingSheet::Value> values = sheet.materialValues;
        values.append({u"Eau pour ce mélange (%)"_s, sheet.mixWater});
        values.append({u"Volume à remplir (dm3)"_s, sheet.volume});
        values.append({u"Marge"_s, sheet.margin});
        for (const MixingSheet::Value& value : values) {
            QVERIFY2(onOneLine(read, {value.label, value.text}), qPrintable(value.label));
        }

        // The figures weighed, each under its own label; the other kind of liquid not at all.
        using Figures = QList<std::pair<QString, QString>>;
        const Figures always = {{u"Masse de revêtement (g)"_s, sheet.powder}};
        const Figures waterOnly = {{u"Masse d'eau (g)"_s, sheet.water}};
        const Figures specialOnly = {{u"Liquide total (g)"_s, sheet.water},
                                     {u"dont liquide spécial (g)"_s, sheet.specialLiquid},
                                     {u"dont eau (g)"_s, sheet.splitWater},
                                     {u"Concentration (%)"_s, sheet.concentration}};
        for (const auto& [label, figure] : always + (special ? specialOnly : waterOnly)) {
            QVERIFY2(figureUnder(read, label, figure), qPrintable(label));
        }
        for (const auto& [label, figure] : special ? waterOnly : specialOnly) {
            QVERIFY2(!has(read, label), qPrintable(label));
        }
        QCOMPARE(has(read, sheet.specialLiquid) || has(read, sheet.splitWater), special);

        // The lines from the first, without a gap; the rest counted and pointed to.
        QVERIFY(onOneLine(read, {u"Cylindre"_s, u"Nombre"_s, u"Diamètre"_s, u"Hauteur"_s,
                                 u"Unité"_s, u"Arbre et socle (cm³)"_s, u"Volume (dm3)"_s}));
        qsizetype shown = 0;
        while (shown < sheet.lines.size() && onOneLine(read, rowCells(sheet.lines[shown]))) {
            ++shown;
        }
        for (qsizetype i = shown; i < sheet.lines.size(); ++i) {
            QVERIFY2(!has(read, sheet.lines[i].flask), qPrintable(sheet.lines[i].flask));
        }
        const qsizetype left = sheet.lines.size() - shown;
        QVERIFY(shown > 0 && (lines > 3 || left == 0));
        const QString continued = left == 1 ? u"… et 1 autre ligne, voir le plan"_s
                                            : u"… et %1 autres lignes, voir le plan"_s.arg(left);
        QCOMPARE(read.layout.contains(continued), left > 0);

        for (const QString& phase : kPhases) {
            QCOMPARE(has(read, phase), withSchedule);
        }
        QCOMPARE(
            read.layout.contains(
                u"Les temps de ce revêtement ne permettent pas de tracer la frise du travail."_s),
            !withSchedule);
        QCOMPARE(has(read, u"min"_s), withSchedule);
        if (withSchedule) {
            for (const QString& minutes : {u"0"_s, sheet.schedule->mixingEnd,
                                           sheet.schedule->pourEnd, sheet.schedule->gel}) {
                QVERIFY2(has(read, minutes + u" min"_s), qPrintable(minutes));
            }
        }
    }

    void geometry_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("special");
        QTest::addColumn<std::optional<MixingSheet::Schedule>>("schedule");
        QTest::addColumn<bool>("longTexts");  // names that must be cut, figures that must shrink
        QTest::addColumn<QStringList>("phases");  // named on the timeline, in this order
        const std::optional usual =
            schedule(minutes(3), minutes(8), minutes(10), u"3"_s, u"8"_s, u"10"_s);
        const std::optional<MixingSheet::Schedule> none;
        QTest::newRow("3 lines") << 3 << false << usual << false << kPhases;
        QTest::newRow("3 lines, special liquid") << 3 << true << usual << false << kPhases;
        QTest::newRow("40 lines, no schedule") << 40 << false << none << false << QStringList();
        QTest::newRow("200 lines, special liquid") << 200 << true << usual << false << kPhases;
        QTest::newRow("marks five seconds apart")
            << 3 << false
            << std::optional(
                   schedule(seconds(60), seconds(65), minutes(30), u"1"_s, u"1,1"_s, u"30"_s))
            << false << kPhases;
        QTest::newRow("pourable time past the gel")
            << 3 << false
            << std::optional(
                   schedule(minutes(3), minutes(12), minutes(10), u"3"_s, u"12"_s, u"10"_s))
            << false << QStringList{u"Malaxage"_s, u"Coulée"_s};
        QTest::newRow("long names and wide figures, 12 lines")
            << 12 << true << usual << true << kPhases;
    }

    // Nothing off the printable part, no text over other text, the masses largest, the
    // table clear of the hand-written boxes and the marks in the order of their times.
    void geometry() {
        QFETCH(int, lines);
        QFETCH(bool, special);
        QFETCH(std::optional<MixingSheet::Schedule>, schedule);
        QFETCH(bool, longTexts);
        QFETCH(QStringList, phases);
        MixingSheet sheet = planOf(lines, special, false);
        sheet.schedule = schedule;
        if (longTexts) {
            sheet.material =
                u"Revêtement phosphaté à haute expansion pour coulée céramique et "
                u"alliages de palladium, lot d'atelier"_s;
            for (MixingSheet::Line& line : sheet.lines) {
                line.flask += u" – cylindre perforé à bride, hauteur spéciale"_s;
                line.volume += u"123456789"_s;
            }
            sheet.materialValues[4].text = u"1,987654321987654321"_s;
            sheet.volume = u"123,456789012"_s;
            sheet.powder = u"12345678901,5"_s;
            sheet.water = u"9876543210,5"_s;
            sheet.specialLiquid = u"1234567,5"_s;
            sheet.splitWater = u"7654321,5"_s;
        }
        const ReadSheet read = writeAndRead(sheet);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.pages, 1);

        QVERIFY2(offPrintable(read).isEmpty(), qPrintable(offPrintable(read)));
        for (qsizetype i = 0; i < read.words.size(); ++i) {
            for (qsizetype j = i + 1; j < read.words.size(); ++j) {
                const QRectF both = read.words[i].box.intersected(read.words[j].box);
                QVERIFY2(both.width() < 0.5 || both.height() < 0.5,
                         qPrintable(read.words[i].text + u" over "_s + read.words[j].text));
            }
        }

        const auto powder = figureUnder(read, u"Masse de revêtement (g)"_s, sheet.powder);
        const auto liquid =
            figureUnder(read, special ? u"Liquide total (g)"_s : u"Masse d'eau (g)"_s, sheet.water);
        QVERIFY(powder && liquid);
        QCOMPARE(liquid->box.height(), powder->box.height());
        const QRectF boxes = phraseBox(read, u"Pesé par"_s);
        QVERIFY(!boxes.isNull());
        for (const Word& word : read.words) {
            QVERIFY2(word.box.height() <= powder->box.height(), qPrintable(word.text));
            QVERIFY2(std::abs(word.box.top() - boxes.top()) < 1 ||
                         word.box.bottom() < boxes.top() - kPointsPerMm,
                     qPrintable(word.text));
        }

        qreal previous = -1;
        for (const QString& phase : kPhases) {
            const QRectF box = phraseBox(read, phase);
            QCOMPARE(!box.isNull(), phases.contains(phase));
            QVERIFY2(box.isNull() || box.center().x() > previous, qPrintable(phase));
            previous = box.isNull() ? previous : box.center().x();
        }
        if (schedule) {
            QList<std::pair<std::chrono::milliseconds, QString>> marks = {
                {std::chrono::milliseconds(0), u"0"_s},
                {schedule->times.mixing_end, schedule->mixingEnd},
                {schedule->times.pour_end, schedule->pourEnd},
                {schedule->times.gel, schedule->gel}};
            std::stable_sort(marks.begin(), marks.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            previous = -1;
            for (const auto& [time, minutes] : marks) {
                const QRectF box = phraseBox(read, minutes + u" min"_s);
                QVERIFY2(!box.isNull() && box.left() > previous, qPrintable(minutes));
                previous = box.right();
            }
        }
    }

    void date_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("written");
        QTest::newRow("first of the month") << QDate(2027, 3, 1) << u"1er mars 2027"_s;
        QTest::newRow("accented month") << QDate(2026, 12, 7) << u"7 décembre 2026"_s;
        QTest::newRow("août") << QDate(2026, 8, 15) << u"15 août 2026"_s;
        QTest::newRow("no date: a line to write it on") << QDate() << u"Date :"_s;
    }

    // Written in French whatever the process locale, on the title's line.
    void date() {
        QFETCH(QDate, date);
        QFETCH(QString, written);
        MixingSheet sheet = showcase(false, true);
        sheet.date = date;
        const ReadSheet read = writeAndRead(sheet);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QVERIFY2(onOneLine(read, {u"Fiche de mélange"_s, written}),
                 qPrintable(read.layout.section(u'\n', 0, 0)));
    }

    void page_data() {
        QTest::addColumn<bool>("printer");  // a QPrinter writing PDF, else a QPdfWriter
        QTest::addColumn<int>("size");      // QPageSize::PageSizeId the device was left on
        QTest::addColumn<int>("orientation");
        const int portrait = QPageLayout::Portrait, landscape = QPageLayout::Landscape;
        QTest::newRow("writer as it comes") << false << int(QPageSize::A4) << portrait;
        QTest::newRow("writer left on Letter, landscape")
            << false << int(QPageSize::Letter) << landscape;
        QTest::newRow("printer as it comes") << true << int(QPageSize::A4) << portrait;
        QTest::newRow("printer left on A5, landscape") << true << int(QPageSize::A5) << landscape;
    }

    // Always one A4 portrait page, with the sheet inside the margins.
    void page() {
        QFETCH(bool, printer);
        QFETCH(int, size);
        QFETCH(int, orientation);
        const MixingSheet sheet = showcase(true, true);
        const ReadSheet read = writeAndRead(
            sheet, printer ? Device::printer : Device::pdfWriter, [&](QPagedPaintDevice& device) {
                device.setPageSize(QPageSize(QPageSize::PageSizeId(size)));
                device.setPageOrientation(QPageLayout::Orientation(orientation));
            });
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.pages, 1);
        QVERIFY2(read.pageSize.endsWith(u"(A4)"_s), qPrintable(read.pageSize));
        QVERIFY(read.size.width() < read.size.height());
        QVERIFY2(offPrintable(read).isEmpty(), qPrintable(offPrintable(read)));
        QVERIFY(figureUnder(read, u"Masse de revêtement (g)"_s, sheet.powder));
    }

    void deviceThatCannotBePainted() {
        QTemporaryDir folder;
        QPdfWriter writer(folder.filePath(u"missing/sheet.pdf"_s));
        QVERIFY(!renderMixingSheet(writer, showcase(false, true)));
    }
};

QTEST_MAIN(TestMixingSheet)
#include "tst_mixing_sheet.moc"
