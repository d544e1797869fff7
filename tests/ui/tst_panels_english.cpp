// The casting plan's metal, oven, journal and catalogue windows in English: every text a caster
// reads or a screen reader says differs from the French one, the journal's CSV and the sheet's
// boxes are English, French stays as it was without a translator; and the oven's temperatures
// in °F where the regional settings measure in US units, unless the caster chose.
#include "document/plan_document.h"
#include "ui/catalogue_editor.h"
#include "ui/journal.h"
#include "ui/journal_window.h"
#include "ui/metal_panel.h"
#include "ui/metal_sheet.h"
#include "ui/oven_panel.h"
#include "ui/oven_sheet.h"
#include "ui/plan_editor.h"
#include "ui/plan_language.h"
#include "window_test_support.h"

namespace {

// Words English spells as French does.
const QStringList kSameInBoth = {QStringLiteral("hh:mm"),     QStringLiteral("Catalogue"),
                                 QStringLiteral("Date"),      QStringLiteral("Notes"),
                                 QStringLiteral("Programme"), QStringLiteral("Programmes"),
                                 QStringLiteral("Total"),     QStringLiteral("inclusions")};

const QByteArray kProgrammes =
    "\"Pl\xe2tre moyen\",149,200,120\r\n"
    "\"Pl\xe2tre moyen\",371,250,120\r\n"
    "\"Pl\xe2tre moyen\",732,250,180\r\n"
    "\"Pl\xe2tre moyen\",540,200,60\r\n";

// The plan's English for as long as it lives; French, the source, without it.
struct English {
    English() { installPlanTranslators(*qApp, {QStringLiteral("en-US")}); }
    ~English() {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

struct Seen {
    QString where;  // the widget and what of it
    QString text;
};

// Every text of a window and its widgets that a caster reads or a screen reader says, in the
// order the widgets were made. The lists of catalogue entries are data, not the program's.
QList<Seen> textsOf(QWidget& window) {
    QList<Seen> seen;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (int i = 0; i < widgets.size(); ++i) {
        QWidget* w = widgets[i];
        const QString name =
            QStringLiteral("%1 %2 %3")
                .arg(i)
                .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
        const auto add = [&](const char* what, const QString& text) {
            seen.append({name + QLatin1Char(' ') + QLatin1String(what), text});
        };
        add("tool tip", w->toolTip());
        add("accessible name", w->accessibleName());
        add("accessible description", w->accessibleDescription());
        if (w->isWindow()) {
            add("title", w->windowTitle());
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            add("text", label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            add("text", button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            add("title", group->title());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            add("placeholder", edit->placeholderText());
        } else if (auto* menu = qobject_cast<QMenu*>(w)) {
            add("title", menu->title());
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            add("placeholder", list->placeholderText());
            const bool catalogue = w->objectName() == QLatin1String("programme") ||
                                   w->objectName() == QLatin1String("metalList");
            for (int item = 0; !catalogue && item < list->count(); ++item) {
                add("item", list->itemText(item));
            }
        } else if (auto* header = qobject_cast<QHeaderView*>(w);
                   header && header->orientation() == Qt::Horizontal && header->model()) {
            for (int section = 0; section < header->count(); ++section) {
                add("header", header->model()
                                  ->headerData(section, Qt::Horizontal, Qt::DisplayRole)
                                  .toString());
            }
        }
        for (QAction* action : w->actions()) {
            add("action", action->text());
        }
    }
    return seen;
}

bool hasWords(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[^\\W\\d_]{2,}"));
    return word.match(text).hasMatch();
}

// Each text with words must read differently in English, unless English spells it the same;
// and nothing French may be left inside an English text.
void compareWalks(const QList<Seen>& french, const QList<Seen>& english) {
    QCOMPARE(english.size(), french.size());
    static const QRegularExpression frenchMark(
        QStringLiteral("[éèêàâçùûôî«»]|\\b(le|la|du|de)\\b"));
    int compared = 0;
    for (int i = 0; i < french.size(); ++i) {
        QCOMPARE(english[i].where, french[i].where);
        const QString bare = QString(french[i].text).remove(QLatin1Char('&'));
        if (!hasWords(bare) || kSameInBoth.contains(bare)) {
            continue;
        }
        ++compared;
        QVERIFY2(english[i].text != french[i].text,
                 qPrintable(french[i].where + QStringLiteral(": ") + french[i].text));
        QVERIFY2(!frenchMark.match(english[i].text).hasMatch(),
                 qPrintable(english[i].where + QStringLiteral(": ") + english[i].text));
    }
    QVERIFY2(compared >= 5, "too few texts to tell a translated window");
}

// The same walk without a translator, then in English.
void compareLanguages(const std::function<QList<Seen>()>& walk) {
    const QList<Seen> french = walk();
    const English english;
    compareWalks(french, walk());
}

// The text pdftotext reads from a page painted by `paint`.
QString paintedText(const TempWorkDir& dir, const std::function<void(QPainter&)>& paint) {
    const QString path = dir.path() + QStringLiteral("/box.pdf");
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        QPainter painter(&pdf);
        paint(painter);
    }
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One flask of 100 × 100 mm of a plaster.
gypsomix::PlanDocument plasterPlan() {
    gypsomix::PlanDocument plan;
    plan.material =
        gypsomix::CatalogueChoice{"Plâtre", {"38", "3", "10", "8", "1.72", "0.48", "0.55"}};
    plan.water_percent = "38";
    plan.lines = {{std::nullopt, "100", "100", gypsomix::LengthUnit::millimetre, 1, "", ""}};
    return plan;
}

gypsomix::PlanDocument planWithOven() {
    gypsomix::PlanDocument plan;
    plan.burnout = gypsomix::Burnout{
        gypsomix::BurnoutProgramme{"Plâtre moyen", {{"149", "200", "120"}, {"732", "250", "180"}}},
        "20", "60", "2026-12-07T16:00:00+01:00", std::nullopt};
    return plan;
}

}  // namespace

class TestPanelsEnglish : public QObject {
    Q_OBJECT

  private slots:
    // The unit of the oven's temperatures when the panel opens.
    void temperatureUnit_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QVariant>("remembered");  // the caster's °F choice, or none
        QTest::addColumn<QString>("unit");
        QTest::newRow("en_US, no choice") << "en_US" << QVariant() << "°F";
        QTest::newRow("en_GB, no choice") << "en_GB" << QVariant() << "°C";
        QTest::newRow("fr_FR, no choice") << "fr_FR" << QVariant() << "°C";
        QTest::newRow("en_US, °C chosen") << "en_US" << QVariant(false) << "°C";
        QTest::newRow("fr_FR, °F chosen") << "fr_FR" << QVariant(true) << "°F";
    }
    void temperatureUnit() {
        QFETCH(QString, locale);
        QFETCH(QVariant, remembered);
        QFETCH(QString, unit);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        TempWorkDir dir;
        QVERIFY(dir.write(QStringLiteral("Data/Cuisson.txt"), kProgrammes));
        QSettings settings(dir.path() + QStringLiteral("/plan.conf"), QSettings::IniFormat);
        if (remembered.isValid()) {
            settings.setValue(QStringLiteral("oven/fahrenheit"), remembered);
        }
        PlanEditor editor;
        editor.replace(planWithOven());
        OvenPanel panel(editor, settings);
        panel.loadCatalogue();
        QLocale::setDefault(before);
        QCOMPARE(control<QComboBox>(panel, "temperatureUnit")->currentText(), unit);
        // The day's steps follow: 149 °C is 300 °F.
        auto* day = control<QTableWidget>(panel, "day");
        QStringList steps;
        for (int row = 0; row < day->rowCount(); ++row) {
            steps << day->item(row, 0)->text();
        }
        const QString hold = unit == QStringLiteral("°F") ? QStringLiteral("300\u00a0°F")
                                                          : QStringLiteral("149\u00a0°C");
        QVERIFY2(steps.join(QLatin1Char('\n')).contains(hold), qPrintable(steps.join(" / ")));
    }

    void metalPanel() {
        TempWorkDir dir;
        QSettings settings(dir.path() + QStringLiteral("/plan.conf"), QSettings::IniFormat);
        const auto walk = [&] {
            PlanEditor editor;
            gypsomix::PlanDocument plan;
            plan.lines = {{std::nullopt, "4", "4", gypsomix::LengthUnit::inch, 2, "", ""}};
            editor.replace(plan);
            MetalPanel panel(editor, settings);
            panel.loadCatalogue();
            return textsOf(panel);
        };
        compareLanguages(walk);
    }

    void ovenPanel() {
        TempWorkDir dir;
        QVERIFY(dir.write(QStringLiteral("Data/Cuisson.txt"), kProgrammes));
        QSettings settings(dir.path() + QStringLiteral("/plan.conf"), QSettings::IniFormat);
        const auto walk = [&] {
            PlanEditor editor;
            OvenPanel panel(editor, settings);
            panel.loadCatalogue();
            return textsOf(panel);
        };
        compareLanguages(walk);
    }

    void journalWindow() {
        TempWorkDir dir;
        Journal journal(dir.path() + QStringLiteral("/journal.sqlite"));
        const auto walk = [&] {
            JournalWindow window(journal);
            return textsOf(window);
        };
        compareLanguages(walk);
    }

    void catalogueEditor_data() {
        QTest::addColumn<CatalogueKind>("kind");
        QTest::newRow("materials") << CatalogueKind::materials;
        QTest::newRow("flasks") << CatalogueKind::flasks;
        QTest::newRow("metals") << CatalogueKind::metals;
        QTest::newRow("programmes") << CatalogueKind::programmes;
    }
    void catalogueEditor() {
        QFETCH(CatalogueKind, kind);
        // No file yet: an empty catalogue, with no cells of data among the texts.
        TempWorkDir dir;
        const auto walk = [&] {
            CatalogueEditor editor(kind);
            return textsOf(editor);
        };
        compareLanguages(walk);
    }

    // When water met powder, on the caster's clock as the regional settings write it.
    void journalMixedAt() {
        TempWorkDir dir;
        Journal journal(dir.path() + QStringLiteral("/journal.sqlite"));
        const gypsomix::NumberFormat point{".", ","};
        const gypsomix::PlanDocument plan = plasterPlan();
        const QDateTime mixed(QDate(2026, 12, 7), QTime(8, 42), Qt::LocalTime);
        QVERIFY(std::holds_alternative<qint64>(
            journal.record(plan, gypsomix::plan_figures(plan, point), mixed, point)));
        const English english;
        JournalWindow window(journal);
        const QString summary = control<QLabel>(window, "summary")->text();
        const QString clock = QLocale::system().toString(QTime(8, 42), QLocale::ShortFormat);
        QVERIFY2(summary.contains(QStringLiteral(", mixed at ") + clock + QLatin1Char('\n')),
                 qPrintable(summary));
    }

    // The job's cost on the sheet, with the currency where the regional settings put it.
    void costOnSheet_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("read");
        QTest::newRow("en_US") << "en_US" << true << "Total cost $3.5";
        QTest::newRow("fr_FR") << "fr_FR" << false << "Coût total 3.5 €";
    }
    void costOnSheet() {
        QFETCH(QString, locale);
        QFETCH(bool, english);
        QFETCH(QString, read);
        std::optional<English> translated;
        if (english) {
            translated.emplace();
        }
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        gypsomix::PlanFigures figures;
        figures.cost.total = "3.5";
        const auto sheet = metalSheetOf(gypsomix::PlanDocument(), figures);
        QLocale::setDefault(before);
        QVERIFY(sheet.has_value());
        TempWorkDir dir;
        const QString text = paintedText(dir, [&](QPainter& painter) {
                                 paintMetalSheet(painter, 0, 0, painter.device()->width(), *sheet);
                             }).simplified();
        QVERIFY2(text.contains(read), qPrintable(text));
    }

    // The journal's CSV: its headers, and the words the caster ticked, in the program's language.
    void journalCsv_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("told");  // result and defects of the cast
        QTest::newRow("French")
            << false
            << "N°,Consignée le,Mélange,Revêtement,Eau (%),Cylindres,Volume (dm³),Poudre (g),"
               "Liquide (g),Métal,Métal (g),Température de l'eau (°C),Résultat,Défauts,Notes"
            << "défauts,\"bulles, manque de métal\"";
        QTest::newRow("English")
            << true
            << "No.,Recorded on,Mixed,Investment,Water (%),Flasks,Volume (dm³),Powder (g),"
               "Liquid (g),Metal,Metal (g),Water temperature (°C),Result,Defects,Notes"
            << "defects,\"bubbles, short fill\"";
    }
    void journalCsv() {
        QFETCH(bool, english);
        QFETCH(QString, header);
        QFETCH(QString, told);
        TempWorkDir dir;
        Journal journal(dir.path() + QStringLiteral("/journal.sqlite"));
        const gypsomix::PlanDocument plan = plasterPlan();
        const gypsomix::NumberFormat point{".", ","};
        const auto id = journal.record(plan, gypsomix::plan_figures(plan, point), {}, point);
        QVERIFY2(std::holds_alternative<qint64>(id),
                 qPrintable(std::holds_alternative<QString>(id) ? std::get<QString>(id) : ""));
        QCOMPARE(journal.setOutcome(std::get<qint64>(id),
                                    {QStringLiteral("défauts"),
                                     {QStringLiteral("bulles"), QStringLiteral("manque de métal")},
                                     {},
                                     {}}),
                 QString());
        std::optional<English> translated;
        if (english) {
            translated.emplace();
        }
        const QString path = dir.path() + QStringLiteral("/journal.csv");
        QCOMPARE(exportJournalCsv(journal, path, point), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.value(0), header);
        QVERIFY2(lines.value(1).contains(told), qPrintable(lines.value(1)));
    }

    // The boxes of the mixing sheet, as pdftotext reads them.
    void sheetBoxes_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("read");
        QTest::addColumn<QStringList>("notRead");
        const QStringList frenchMetal = {"Métal à fondre (g)", "pesé",
                                         "Par cylindre",       "ligne 1 : 2 × 12 g",
                                         "Densité du modèle",  "Coût du revêtement"};
        const QStringList englishMetal = {"Metal to melt (g)", "weighed",
                                          "Per flask",         "line 1: 2 × 12 g",
                                          "Pattern density",   "Investment cost"};
        const QStringList frenchOven = {"Cuisson : Plâtre moyen, journée du lundi 7 décembre 2026",
                                        "Enfourner à", "Palier à 732 °C", "Montée vers 149 °C",
                                        "Couler à"};
        const QStringList englishOven = {
            "Burnout: Plâtre moyen, casting day Monday 7 December 2026", "Into the oven at",
            "Hold at 732 °C", "Ramp to 149 °C", "Cast at"};
        QTest::newRow("metal, French") << false << "metal" << frenchMetal << englishMetal;
        QTest::newRow("metal, English") << true << "metal" << englishMetal << frenchMetal;
        QTest::newRow("oven, French") << false << "oven" << frenchOven << englishOven;
        QTest::newRow("oven, English") << true << "oven" << englishOven << frenchOven;
    }
    void sheetBoxes() {
        QFETCH(bool, english);
        QFETCH(QString, box);
        QFETCH(QStringList, read);
        QFETCH(QStringList, notRead);
        std::optional<English> translated;
        if (english) {
            translated.emplace();
        }
        TempWorkDir dir;
        QString text;
        if (box == QStringLiteral("metal")) {
            MetalSheet sheet;
            sheet.metal = QStringLiteral("Argent 925");
            sheet.density = sheet.patternDensity = sheet.extra = sheet.button = QStringLiteral("1");
            sheet.flasks = {{1, 2, QStringLiteral("12")}};
            sheet.total = QStringLiteral("24");
            sheet.powderCost = sheet.metalCost = sheet.totalCost = QStringLiteral("3");
            text = paintedText(dir, [&](QPainter& painter) {
                paintMetalSheet(painter, 0, 0, painter.device()->width(), sheet);
            });
        } else {
            const auto sheet = ovenSheetOf(planWithOven());
            QVERIFY(sheet.has_value());
            text = paintedText(dir, [&](QPainter& painter) {
                // The title is cut to the width: a page wide enough for all of it.
                paintOvenSheet(painter, QRectF(0, 0, painter.device()->width(), 2000), *sheet);
            });
        }
        text = text.simplified();
        for (const QString& phrase : read) {
            QVERIFY2(text.contains(phrase), qPrintable(phrase + QStringLiteral(" in ") + text));
        }
        for (const QString& phrase : notRead) {
            QVERIFY2(!text.contains(phrase), qPrintable(phrase + QStringLiteral(" in ") + text));
        }
    }
};

QTEST_MAIN(TestPanelsEnglish)
#include "tst_panels_english.moc"
