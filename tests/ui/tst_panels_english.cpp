// The casting plan's metal, oven, journal and catalogue windows, the sheet's boxes and the
// journal's CSV in English: every text a caster reads or a screen reader says differs from the
// French one, French stays as it was without a translator; and the oven's temperatures in °F
// where the regional settings measure in US units, unless the caster chose.
#include "document/plan_document.h"
#include "english_test_support.h"
#include "ui/catalogue_editor.h"
#include "ui/journal.h"
#include "ui/journal_window.h"
#include "ui/metal_panel.h"
#include "ui/metal_sheet.h"
#include "ui/oven_panel.h"
#include "ui/oven_sheet.h"
#include "ui/plan_editor.h"
#include "window_test_support.h"

namespace {

using Walk = std::function<QList<Seen>()>;

const QByteArray kProgrammes =
    "\"Pl\xe2tre moyen\",149,200,120\r\n"
    "\"Pl\xe2tre moyen\",371,250,120\r\n"
    "\"Pl\xe2tre moyen\",732,250,180\r\n"
    "\"Pl\xe2tre moyen\",540,200,60\r\n";

const gypsomix::NumberFormat kPoint{".", ","};

// One flask of 100 × 100 mm of a plaster.
gypsomix::PlanDocument plasterPlan() {
    gypsomix::PlanDocument plan;
    plan.material = gypsomix::CatalogueChoice{"Plâtre à bijoux",
                                              {"38", "3", "10", "8", "1.72", "0.48", "0.55"}};
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

// A journal holding the plaster plan, cast at 8:42; its outcome told when `told`.
std::optional<qint64> recordCast(Journal& journal, bool told) {
    const gypsomix::PlanDocument plan = plasterPlan();
    const QDateTime mixed(QDate(2026, 12, 7), QTime(8, 42), Qt::LocalTime);
    const auto id = journal.record(plan, gypsomix::plan_figures(plan, kPoint), mixed, kPoint);
    if (!std::holds_alternative<qint64>(id) ||
        (told && !journal
                      .setOutcome(std::get<qint64>(id),
                                  {QStringLiteral("défauts"),
                                   {QStringLiteral("bulles"), QStringLiteral("manque de métal")},
                                   {},
                                   {}})
                      .isEmpty())) {
        return std::nullopt;
    }
    return std::get<qint64>(id);
}

// The panel `Panel` on the plan, with the catalogue it lists.
template <typename Panel>
Walk panelWalk(const gypsomix::PlanDocument& plan) {
    return [plan] {
        TempWorkDir dir;
        QSettings settings(dir.path() + QStringLiteral("/plan.conf"), QSettings::IniFormat);
        dir.write(QStringLiteral("Data/Cuisson.txt"), kProgrammes);
        PlanEditor editor;
        editor.replace(plan);
        Panel panel(editor, settings);
        panel.loadCatalogue();
        return textsOf(panel);
    };
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

    void everyText_data() {
        QTest::addColumn<Walk>("walk");
        gypsomix::PlanDocument inches;
        inches.lines = {{std::nullopt, "4", "4", gypsomix::LengthUnit::inch, 2, "", ""}};
        QTest::newRow("metal panel") << panelWalk<MetalPanel>(inches);
        QTest::newRow("oven panel") << panelWalk<OvenPanel>(gypsomix::PlanDocument());
        QTest::newRow("journal") << Walk([] {
            TempWorkDir dir;
            Journal journal(dir.path() + QStringLiteral("/journal.sqlite"));
            recordCast(journal, true);
            JournalWindow window(journal);
            return textsOf(window);
        });
        // No file yet: an empty catalogue, with no cells of data among the texts.
        for (const auto& [name, kind] :
             {std::pair{"materials editor", CatalogueKind::materials},
              std::pair{"flasks editor", CatalogueKind::flasks},
              std::pair{"metals editor", CatalogueKind::metals},
              std::pair{"programmes editor", CatalogueKind::programmes}}) {
            QTest::newRow(name) << Walk([kind = kind] {
                TempWorkDir dir;
                CatalogueEditor editor(kind);
                return textsOf(editor);
            });
        }
        QTest::newRow("metal box of the sheet") << Walk([] {
            MetalSheet sheet;
            sheet.metal = QStringLiteral("Argent 925");
            sheet.density = sheet.patternDensity = sheet.extra = sheet.button = QStringLiteral("1");
            sheet.flasks = {{1, 2, QStringLiteral("12")}};
            sheet.total = QStringLiteral("24");
            sheet.powderCost = sheet.metalCost = sheet.totalCost = QStringLiteral("3");
            return paintedTexts([&](QPainter& painter) {
                paintMetalSheet(painter, 0, 0, painter.device()->width(), sheet);
            });
        });
        QTest::newRow("oven box of the sheet") << Walk([] {
            const auto sheet = ovenSheetOf(planWithOven());
            return paintedTexts([&](QPainter& painter) {
                // The title is cut to the width: a page wide enough for all of it.
                paintOvenSheet(painter, QRectF(0, 0, 2000, 842), sheet.value());
            });
        });
        // Its headers, and the words the caster ticked.
        QTest::newRow("journal's CSV") << Walk([] {
            TempWorkDir dir;
            Journal journal(dir.path() + QStringLiteral("/journal.sqlite"));
            const QString path = dir.path() + QStringLiteral("/journal.csv");
            QFile file(path);
            if (!recordCast(journal, true) || !exportJournalCsv(journal, path, kPoint).isEmpty() ||
                !file.open(QIODevice::ReadOnly)) {
                return QList<Seen>();
            }
            static const QRegularExpression cell(QStringLiteral("(\"[^\"]*\"|[^,\r\n]*)(,|\r\n)"));
            // The header, then the result and the defects, each apart; the rest is the plan's.
            QList<Seen> cells;
            int row = 0, column = 0;
            for (const auto& match : cell.globalMatch(QString::fromUtf8(file.readAll()))) {
                for (const QString& piece : match.captured(1).remove('"').split(", ")) {
                    if (row == 0 || column == 12 || column == 13) {
                        cells.append({QStringLiteral("%1:%2").arg(row).arg(column), piece});
                    }
                }
                ++column;
                if (match.captured(2) != QLatin1String(",")) {
                    ++row;
                    column = 0;
                }
            }
            return cells;
        });
    }
    void everyText() {
        QFETCH(Walk, walk);
        const QList<Seen> french = walk();
        const English english;
        const QStringList wrong = wrongTexts(french, walk(), true);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // When water met powder, on the caster's clock as the regional settings write it.
    void journalMixedAt() {
        TempWorkDir dir;
        Journal journal(dir.path() + QStringLiteral("/journal.sqlite"));
        QVERIFY(recordCast(journal, false));
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
        QStringList texts;
        for (const Seen& seen : paintedTexts([&](QPainter& painter) {
                 paintMetalSheet(painter, 0, 0, painter.device()->width(), *sheet);
             })) {
            texts << seen.text;
        }
        QVERIFY2(texts.join(QLatin1Char(' ')).simplified().contains(read),
                 qPrintable(texts.join(QLatin1Char('|'))));
    }
};

QTEST_MAIN(TestPanelsEnglish)
#include "tst_panels_english.moc"
