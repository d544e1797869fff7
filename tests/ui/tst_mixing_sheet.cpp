// The mixing sheet written as a PDF and read back with pdftotext: what is printed, and where.
#include <QPdfWriter>
#include <QtTest>

#include "ui/mixing_sheet.h"

namespace {

using namespace Qt::StringLiterals;
using std::chrono::minutes;

// A plaster over three lines (2½ × 3 po with a tree, a size typed by hand, the test flask) or
// `count` lines; the liquid's split is filled either way, only the switch may print it.
MixingSheet plan(int count, bool special, bool withSchedule, QDate date = {}) {
    MixingSheet sheet;
    sheet.date = date;
    sheet.material = u"Plâtre à bijoux universel"_s;
    sheet.materialValues = {{u"Eau utilisée (%)"_s, u"38"_s},
                            {u"Temps de malaxage (min)"_s, u"3"_s},
                            {u"Temps de gel (min)"_s, u"10"_s},
                            {u"Temps utile de coulabilité (min)"_s, u"8"_s},
                            {u"Densité du revêtement liquide"_s, u"1,8"_s},
                            {u"Expansion de prise à 1 heure"_s, u"0,48"_s},
                            {u"Expansion de prise à 2 heures"_s, u"0,55"_s}};
    sheet.mixWater = u"38"_s;
    sheet.lines = {
        {u"Ø 63,5 × 76,2 mm (2½ × 3 po)"_s, 3, u"2 1/2"_s, u"3"_s, u"po"_s, u"12"_s,
         u"0,2412765"_s},
        {u"Autre"_s, 2, u"76,2"_s, u"101,6"_s, u"mm"_s, QString(), u"0,4633"_s},
        {u"Ø 100 × 100 mm (essai)"_s, 1, u"100"_s, u"100"_s, u"mm"_s, u"20"_s, u"0,785"_s}};
    sheet.volume = u"2,3795"_s;
    sheet.margin = u"Brut"_s;
    sheet.powder = u"3104"_s;
    sheet.water = u"1179"_s;
    sheet.special = special;
    sheet.concentration = u"35"_s;
    sheet.specialLiquid = u"413"_s;
    sheet.splitWater = u"766"_s;
    if (count != 3) {
        const QList<MixingSheet::Line> three = std::exchange(sheet.lines, {});
        for (int i = 0; i < count; ++i) {
            sheet.lines.append(three[i % 3]);
            sheet.lines.last().flask = u"Essai %1"_s.arg(i + 1, 3, 10, QLatin1Char('0'));
        }
    }
    if (withSchedule) {
        sheet.schedule = {{minutes(3), minutes(8), minutes(10)}, u"3"_s, u"8"_s, u"10"_s};
    }
    return sheet;
}

struct Word {
    QString text;
    QRectF box;  // points, from the top left corner of the page
};

// What pdftotext reads off one written sheet.
struct ReadSheet {
    QString error;
    QList<QSize> pages;  // points
    QString layout;      // with -layout
    QList<Word> words;   // with -bbox
};

// Writes the sheet as the window does, on a writer left on Letter landscape, and reads it back.
ReadSheet writeAndRead(const MixingSheet& sheet) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"sheet.pdf"_s);
    ReadSheet read;
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageOrientation(QPageLayout::Landscape);
        if (!renderMixingSheet(writer, sheet)) {
            read.error = u"renderMixingSheet returned false"_s;
        }
    }
    QString boxes;
    for (QString* text : {&read.layout, &boxes}) {
        QProcess tool;
        tool.start(u"pdftotext"_s, {text == &boxes ? u"-bbox"_s : u"-layout"_s, path, u"-"_s});
        if (!tool.waitForFinished(60000) || tool.exitCode() != 0) {
            read.error += u"pdftotext (poppler-utils): "_s + tool.errorString() + u' ' +
                          QString::fromUtf8(tool.readAllStandardError()) + u'\n';
        }
        *text = QString::fromUtf8(tool.readAllStandardOutput());
    }
    const QRegularExpression page(uR"x(<page width="([\d.]+)" height="([\d.]+)")x"_s);
    for (const QRegularExpressionMatch& m : page.globalMatch(boxes)) {
        read.pages.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()).toSize());
    }
    const QRegularExpression word(
        uR"x(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)x"_s);
    for (const QRegularExpressionMatch& m : word.globalMatch(boxes)) {
        const QString text = m.captured(5).replace(u"&apos;"_s, u"'"_s).replace(u"&amp;"_s, u"&"_s);
        read.words.append(
            {text, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                          QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return read;
}

// The words of `phrase`, one after another in reading order: their union, or a null rect.
QRectF phraseBox(const ReadSheet& read, const QString& phrase) {
    const QStringList parts = phrase.split(u' ');
    auto word =
        std::search(read.words.begin(), read.words.end(), parts.begin(), parts.end(),
                    [](const Word& word, const QString& part) { return word.text == part; });
    QRectF box;
    for (qsizetype i = 0; i < parts.size() && word != read.words.end(); ++i, ++word) {
        box |= word->box;
    }
    return box;
}

// The cells side by side on one printed line, in this order.
bool onOneLine(const ReadSheet& read, QStringList cells) {
    for (QString& cell : cells) {
        cell = QRegularExpression::escape(cell);
    }
    const QString pattern = u"(^|\\s)"_s + cells.join(u"\\s+"_s) + u"(\\s|$)"_s;
    return read.layout.contains(QRegularExpression(pattern, QRegularExpression::MultilineOption));
}

}  // namespace

class TestMixingSheet : public QObject {
    Q_OBJECT

  private slots:
    void contents_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("special");
        QTest::addColumn<bool>("withSchedule");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("written");  // the date, in French whatever the locale
        QTest::newRow("3 lines, water")
            << 3 << false << true << QDate(2026, 12, 7) << u"7 décembre 2026"_s;
        QTest::newRow("3 lines, special liquid")
            << 3 << true << true << QDate(2027, 3, 1) << u"1er mars 2027"_s;
        QTest::newRow("3 lines, no schedule, no date")
            << 3 << false << false << QDate() << u"Date :"_s;
        QTest::newRow("40 lines, special liquid")
            << 40 << true << true << QDate(2026, 8, 15) << u"15 août 2026"_s;
        QTest::newRow("200 lines, no schedule")
            << 200 << false << false << QDate(2027, 1, 31) << u"31 janvier 2027"_s;
    }

    // One A4 page, every figure and label the caster needs and nothing that does not apply,
    // all inside the 15 mm margins with no word over another.
    void contents() {
        QFETCH(int, lines);
        QFETCH(bool, special);
        QFETCH(bool, withSchedule);
        QFETCH(QDate, date);
        QFETCH(QString, written);
        const MixingSheet sheet = plan(lines, special, withSchedule, date);
        const ReadSheet read = writeAndRead(sheet);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.pages, QList{QPageSize(QPageSize::A4).sizePoints()});
        const qreal margin = 15 * 72 / 25.4 - 1;
        const QRectF printable =
            QRectF({}, read.pages[0]).adjusted(margin, margin, -margin, -margin);
        for (qsizetype i = 0; i < read.words.size(); ++i) {
            QVERIFY2(printable.contains(read.words[i].box), qPrintable(read.words[i].text));
            for (qsizetype j = i + 1; j < read.words.size(); ++j) {
                const QRectF both = read.words[i].box.intersected(read.words[j].box);
                QVERIFY2(both.width() < 0.5 || both.height() < 0.5,
                         qPrintable(read.words[i].text + u" over "_s + read.words[j].text));
            }
        }

        QVERIFY(onOneLine(read, {u"Fiche de mélange"_s, written}));
        QVERIFY(!phraseBox(read, sheet.material).isNull());
        for (const MixingSheet::Value& value :
             sheet.materialValues +
                 QList<MixingSheet::Value>{{u"Eau pour ce mélange (%)"_s, sheet.mixWater},
                                           {u"Volume à remplir (dm3)"_s, sheet.volume},
                                           {u"Marge"_s, sheet.margin}}) {
            QVERIFY2(onOneLine(read, {value.label, value.text}), qPrintable(value.label));
        }

        // Label, figure and whether printed: each figure weighed right under its own label.
        const QList<std::tuple<QString, QString, bool>> figures = {
            {u"Masse de revêtement (g)"_s, sheet.powder, true},
            {u"Masse d'eau (g)"_s, sheet.water, !special},
            {u"Liquide total (g)"_s, sheet.water, special},
            {u"dont liquide spécial (g)"_s, sheet.specialLiquid, special},
            {u"dont eau (g)"_s, sheet.splitWater, special},
            {u"Concentration (%)"_s, sheet.concentration, special}};
        for (const auto& [label, figure, printed] : figures) {
            const QRectF above = phraseBox(read, label), below = phraseBox(read, figure);
            const bool under = !below.isNull() && std::abs(below.left() - above.left()) < 2 &&
                               below.top() >= above.bottom() - 1 &&
                               below.top() <= above.bottom() + 2 * above.height();
            QVERIFY2(printed ? !above.isNull() && under : above.isNull(), qPrintable(label));
        }
        QCOMPARE(phraseBox(read, sheet.specialLiquid).isNull(), !special);
        QCOMPARE(phraseBox(read, sheet.splitWater).isNull(), !special);

        // The lines from the first; the rest counted and pointed to.
        QVERIFY(onOneLine(read, {u"Cylindre"_s, u"Nombre"_s, u"Diamètre"_s, u"Hauteur"_s,
                                 u"Unité"_s, u"Arbre et socle (cm³)"_s, u"Volume (dm3)"_s}));
        qsizetype shown = 0;
        for (const MixingSheet::Line& line : sheet.lines) {
            const QString tree = line.deduction.isEmpty() ? u"–"_s : line.deduction;
            if (!onOneLine(read, {line.flask, QString::number(line.count), line.diameter,
                                  line.height, line.unit, tree, line.volume})) {
                break;
            }
            ++shown;
        }
        QVERIFY(shown > 0 && (lines > 3 || shown == lines));
        const QString continued = u"… et %1 autres lignes, voir le plan"_s.arg(lines - shown);
        QCOMPARE(read.layout.contains(continued), shown < lines);

        // The timeline, or why there is none.
        for (const QString& text : {u"Malaxage"_s, u"Coulée"_s, u"Prise"_s, u"0 min"_s, u"3 min"_s,
                                    u"8 min"_s, u"10 min"_s}) {
            QVERIFY2(phraseBox(read, text).isNull() != withSchedule, qPrintable(text));
        }
        QCOMPARE(read.layout.contains(u"Les temps de ce revêtement ne permettent pas de tracer "
                                      u"la frise du travail."_s),
                 !withSchedule);
    }

    void deviceThatCannotBePainted() {
        QTemporaryDir folder;
        QPdfWriter writer(folder.filePath(u"missing/sheet.pdf"_s));
        QVERIFY(!renderMixingSheet(writer, plan(3, false, true)));
    }
};

QTEST_MAIN(TestMixingSheet)
#include "tst_mixing_sheet.moc"
