// Renders the oven panel offscreen on the sample catalogues, the medium-flask programme and
// « Couler à 16:00 », in a light and a dark palette, to look at it:
//   gypsomix_oven_screenshots <folder> [suffix] [pdf=FILE]
// writes <folder>/cuisson-<state>-<palette><suffix>.png: "plan" before the oven starts, "four"
// during the hold at 732 °C, "fahrenheit" the same in °F, "defaut" with a start temperature below
// absolute zero; pdf= also writes the mixing sheet of a three-line plan with that day. Run from the
// repository root, where the sample Data/ is.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>

#include "catalogue/catalogue.h"
#include "document/plan_catalogue.h"
#include "document/plan_figures.h"
#include "ui/application.h"
#include "ui/dark_palette.h"
#include "ui/number_format.h"
#include "ui/oven_panel.h"
#include "ui/plan_editor.h"
#include "ui/plan_sheet.h"

namespace {

struct State {
    const char* name;
    QTime now;  // on the day of casting
    bool started;
    bool fahrenheit;
    const char* start = nullptr;  // typed as the start temperature
};

const State kStates[] = {
    {"plan", QTime(1, 0), false, false},
    {"four", QTime(11, 40), true, false},
    {"fahrenheit", QTime(11, 40), true, true},
    {"defaut", QTime(1, 0), false, false, "-300"},
};

// The sample's first material and three kinds of flask, as the plan's README example has them.
gypsomix::PlanDocument examplePlan() {
    gypsomix::PlanDocument plan;
    const auto material =
        gypsomix::fetch_record(gypsomix::MatRecord::path, gypsomix::MatRecord::fields, 0);
    if (material) {
        plan.material = gypsomix::CatalogueChoice{std::get<std::string>(material->front()),
                                                  gypsomix::invariant_values(*material)};
        plan.water_percent = plan.material->values.at(0);
    }
    plan.lines = {{std::nullopt, "2 1/2", "3", gypsomix::LengthUnit::inch, 3, "12", ""},
                  {std::nullopt, "76.2", "101.6", gypsomix::LengthUnit::millimetre, 2, "", ""},
                  {std::nullopt, "100", "100", gypsomix::LengthUnit::millimetre, 1, "", ""}};
    return plan;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpPlanApplication(app);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        qWarning("usage: gypsomix_oven_screenshots <folder> [suffix] [pdf=FILE]");
        return 2;
    }
    const QDir folder(args.at(1));
    const QString suffix =
        args.size() > 2 && !args.at(2).contains(QLatin1Char('=')) ? args.at(2) : QString();
    const QDate castDay(2026, 12, 7);
    QTemporaryDir places;
    bool saved = true;
    for (const auto& [paletteName, palette] :
         {std::pair{"clair", QApplication::style()->standardPalette()},
          std::pair{"sombre", darkPalette()}}) {
        QApplication::setPalette(palette);
        for (const State& state : kStates) {
            QDateTime now(castDay, state.now, Qt::LocalTime);
            QSettings settings(places.filePath(QStringLiteral("plan.conf")), QSettings::IniFormat);
            settings.setValue(QStringLiteral("oven/fahrenheit"), state.fahrenheit);
            PlanEditor editor;
            editor.replace(examplePlan());
            OvenPanel panel(editor, settings);
            // Before the day begins, so that « Couler à 16:00 » is that day's.
            QDateTime clock(castDay.addDays(-1), QTime(20, 0), Qt::LocalTime);
            panel.setClock([&clock] { return clock; });
            panel.loadCatalogue();
            auto* programme = panel.findChild<QComboBox*>(QStringLiteral("programme"));
            programme->setCurrentIndex(1);
            emit programme->activated(1);
            auto* castAt = panel.findChild<QLineEdit*>(QStringLiteral("castAt"));
            castAt->setText(QStringLiteral("16:00"));
            emit castAt->textEdited(castAt->text());
            if (state.start) {
                auto* start = panel.findChild<QLineEdit*>(QStringLiteral("startTemperature"));
                start->setText(QString::fromUtf8(state.start));
                emit start->textEdited(start->text());
            }
            if (state.started) {
                panel.findChild<QPushButton*>(QStringLiteral("ovenStartPlanned"))->click();
            }
            clock = now;
            panel.setClock([&clock] { return clock; });
            panel.timer()->refresh();
            // The room a tab of the plan window has on a 1366 × 768 screen.
            panel.resize(panel.minimumSizeHint().expandedTo(QSize(1340, 620)));
            panel.show();
            QCoreApplication::processEvents();
            const QString file = folder.filePath(
                QStringLiteral("cuisson-%1-%2%3.png")
                    .arg(QLatin1String(state.name), QLatin1String(paletteName), suffix));
            saved = panel.grab().save(file) && saved;
            qInfo("%s: minimum %dx%d", qPrintable(file), panel.minimumSizeHint().width(),
                  panel.minimumSizeHint().height());
            for (const QString& arg : args) {
                if (arg.startsWith(QStringLiteral("pdf=")) && state.started) {
                    const auto& plan = editor.plan();
                    saved = writeMixingSheet(
                                arg.mid(4),
                                mixingSheetOf(plan,
                                              gypsomix::plan_figures(plan, regionalNumberFormat()),
                                              castDay)) &&
                            saved;
                }
            }
        }
    }
    return saved ? 0 : 1;
}
