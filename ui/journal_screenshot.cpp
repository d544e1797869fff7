// Renders « Journal des coulées » with four casts, in a light and a dark palette, to look at it:
//   gypsomix_journal_screenshot <folder> [suffix]
// writes <folder>/journal-<palette><suffix>.png. The casts are recorded as the plan records them,
// then dated over a fortnight and, for two of them, given a metal, so that every column shows.
#include <QApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStyle>
#include <QTemporaryDir>

#include "ui/application.h"
#include "ui/dark_palette.h"
#include "ui/journal_window.h"
#include "ui/number_format.h"

namespace {

using gypsomix::CatalogueChoice;
using gypsomix::LengthUnit;

struct Sample {
    gypsomix::PlanDocument plan;
    const char* recordedAt;
    const char* mixedAt;  // empty: the timer was not running
    CastOutcome outcome;
    const char* metal;
    int metalG;
};

gypsomix::PlanDocument plasterPlan(std::vector<gypsomix::DocumentLine> lines) {
    gypsomix::PlanDocument plan;
    plan.material = CatalogueChoice{"Plâtre à bijoux universel",
                                    {"38", "3", "10", "8", "1.72", "0.48", "0.55"}};
    plan.water_percent = "38";
    plan.lines = std::move(lines);
    return plan;
}

QList<Sample> samples() {
    gypsomix::PlanDocument phosphate;
    phosphate.material = CatalogueChoice{"Revêtement phosphaté, coulée céramique",
                                         {"22", "1.5", "10", "6", "2", "0.95", "1"}};
    phosphate.water_percent = "22";
    phosphate.special_liquid_percent = "60";
    phosphate.lines = {{std::nullopt, "63.5", "76.2", LengthUnit::millimetre, 2, "8", ""}};
    return {
        {plasterPlan({{std::nullopt, "2 1/2", "3", LengthUnit::inch, 3, "12", ""},
                      {std::nullopt, "76.2", "101.6", LengthUnit::millimetre, 2, "", ""},
                      {std::nullopt, "100", "100", LengthUnit::millimetre, 1, "", ""}}),
         "2026-11-23T09:42:10+01:00",
         "2026-11-23T09:35:00+01:00",
         {QStringLiteral("défauts"),
          {QStringLiteral("porosité"), QStringLiteral("bulles")},
          QStringLiteral("21.5"),
          QStringLiteral("Vide 90 s seulement : la pompe chauffait.")},
         "Argent 925",
         412},
        {phosphate,
         "2026-11-28T14:05:31+01:00",
         "",
         {QStringLiteral("réussie"), {}, "18", ""},
         "",
         0},
        {plasterPlan({{std::nullopt, "76.2", "101.6", LengthUnit::millimetre, 4, "15", ""}}),
         "2026-12-02T10:17:44+01:00",
         "2026-12-02T10:11:02+01:00",
         {QStringLiteral("ratée"),
          {QStringLiteral("manque de métal")},
          QStringLiteral("20"),
          QStringLiteral("Cylindre trop froid à la coulée.\nRefaire à 480 °C.")},
         "Bronze 85/15",
         690},
        {plasterPlan({{std::nullopt, "100", "100", LengthUnit::millimetre, 1, "", ""}}),
         "2026-12-07T16:02:05+01:00",
         "2026-12-07T15:58:40+01:00",
         {},
         "",
         0},
    };
}

// The casts as the plan records them, then given their dates and metals.
bool fill(Journal& journal) {
    const auto format = regionalNumberFormat();
    for (const Sample& sample : samples()) {
        const auto figures = gypsomix::plan_figures(sample.plan, format);
        const auto recorded = journal.record(sample.plan, figures, std::nullopt, format);
        const qint64* id = std::get_if<qint64>(&recorded);
        if (!id || !journal.setOutcome(*id, sample.outcome).isEmpty()) {
            return false;
        }
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dates"));
        db.setDatabaseName(journal.path());
        QSqlQuery query(db);
        const bool dated =
            db.open() &&
            query.prepare(QStringLiteral("UPDATE casts SET recorded_at = ?, mixed_at = ?, "
                                         "metal = ?, metal_g = ? WHERE id = ?"));
        if (dated) {
            query.addBindValue(QString::fromUtf8(sample.recordedAt));
            query.addBindValue(*sample.mixedAt ? QVariant(QString::fromUtf8(sample.mixedAt))
                                               : QVariant());
            query.addBindValue(*sample.metal ? QVariant(QString::fromUtf8(sample.metal))
                                             : QVariant());
            query.addBindValue(sample.metalG ? QVariant(sample.metalG) : QVariant());
            query.addBindValue(*id);
        }
        const bool ok = dated && query.exec();
        query = QSqlQuery();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("dates"));
        if (!ok) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpPlanApplication(app);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        qWarning("usage: gypsomix_journal_screenshot <folder> [suffix]");
        return 2;
    }
    const QDir folder(args.at(1));
    const QString suffix = args.size() > 2 ? args.at(2) : QString();
    QTemporaryDir data;
    Journal journal(data.filePath(QStringLiteral("journal.sqlite")));
    if (!fill(journal)) {
        qWarning("the casts could not be recorded: %s", qPrintable(journal.notice()));
        return 1;
    }
    bool saved = true;
    for (const auto& [paletteName, palette] :
         {std::pair{"clair", QApplication::style()->standardPalette()},
          std::pair{"sombre", darkPalette()}}) {
        QApplication::setPalette(palette);
        JournalWindow window(journal);
        window.show();
        window.showCast(journal.casts().at(3).id);
        QCoreApplication::processEvents();
        saved = window.grab().save(folder.filePath(
                    QStringLiteral("journal-%1%2.png").arg(QLatin1String(paletteName), suffix))) &&
                saved;
    }
    return saved ? 0 : 1;
}
