// Renders the metal panel offscreen to a PNG file, filled with the README's plan of three lines
// (3 × 2½ × 3 po with 12 cm³ of tree and 9,6 g of wax each, 2 × Ø 76,2 × 101,6 mm, 1 × Ø 100 ×
// 100 mm) on the sample catalogues, Argent 925, the powder at 12,50 a kg and the metal at 0,85 a
// gram: metal_screenshot <output.png> [dark] [fault] [long] [pdf=FILE]. fault types a surplus of
// 150 %; long makes it sixty lines; pdf= also writes the plan's mixing sheet. Run it from the
// repository root.
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

#include "catalogue/catalogue.h"
#include "document/plan_catalogue.h"
#include "document/plan_figures.h"
#include "ui/application.h"
#include "ui/dark_palette.h"
#include "ui/metal_panel.h"
#include "ui/number_format.h"
#include "ui/plan_editor.h"
#include "ui/plan_sheet.h"

namespace {

// As typed: the panel turns only what the caster does into edits of the plan.
void type(QLineEdit* field, const QString& text) {
    field->setText(text);
    emit field->textEdited(text);
}

std::optional<gypsomix::CatalogueChoice> sample(const char* path, int fields, const char* name) {
    const auto record = gypsomix::find_record(path, fields, name);
    if (!record) {
        return std::nullopt;
    }
    return gypsomix::CatalogueChoice{name, gypsomix::invariant_values(*record)};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpPlanApplication(app);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        qWarning("usage: metal_screenshot <output.png> [dark] [fault] [long] [pdf=FILE]");
        return 2;
    }
    if (args.contains(QStringLiteral("dark"))) {
        app.setPalette(darkPalette());
    }
    using gypsomix::CylindreRecord;
    using gypsomix::LengthUnit;
    gypsomix::PlanDocument plan;
    plan.material =
        sample(gypsomix::MatRecord::path, gypsomix::MatRecord::fields, "Plâtre à bijoux universel");
    if (!plan.material) {
        qWarning("metal_screenshot: run it from the repository root, beside Data/");
        return 1;
    }
    plan.water_percent = plan.material->values.at(0);
    const auto flask = [](const char* name) {
        const auto choice = sample(CylindreRecord::path, CylindreRecord::fields, name);
        gypsomix::DocumentLine line;
        line.flask = choice;
        line.diameter = choice ? choice->values.at(0) : "";
        line.height = choice ? choice->values.at(1) : "";
        return line;
    };
    plan.lines = {{std::nullopt, "2 1/2", "3", LengthUnit::inch, 3, "12", ""},
                  flask("Ø 76,2 × 101,6 mm (3 × 4 po)"),
                  flask("Ø 100 × 100 mm (essai)")};
    plan.lines[1].count = 2;
    if (args.contains(QStringLiteral("long"))) {
        // Sixty lines, each of the first's flasks and pattern: the sheet must still be one page.
        plan.lines[0].pattern_g = "9.6";
        plan.lines.resize(60, plan.lines[0]);
    }

    // The settings of a picture are not the user's.
    QTemporaryDir places;
    QSettings settings(places.filePath(QStringLiteral("plan.conf")), QSettings::IniFormat);
    PlanEditor editor;
    editor.replace(plan);
    MetalPanel panel(editor, settings);
    panel.show();
    panel.loadCatalogue();
    auto* metals = panel.findChild<QComboBox*>(QStringLiteral("metalList"));
    const int silver = metals->findText(QStringLiteral("Argent 925"));
    metals->setCurrentIndex(silver);
    emit metals->activated(silver);
    for (QLineEdit* field : panel.findChildren<QLineEdit*>()) {
        if (field->accessibleName() == QStringLiteral("Modèle (g)") &&
            field->accessibleDescription() == QStringLiteral("Ligne 1")) {
            type(field, QLocale().toString(9.6));
        }
    }
    type(panel.findChild<QLineEdit*>(QStringLiteral("powderPrice")), QLocale().toString(12.5));
    type(panel.findChild<QLineEdit*>(QStringLiteral("metalPrice")), QLocale().toString(0.85));
    if (args.contains(QStringLiteral("fault"))) {
        type(panel.findChild<QLineEdit*>(QStringLiteral("extra")), QStringLiteral("150"));
    }
    QCoreApplication::processEvents();
    for (const QString& arg : args) {
        if (arg.startsWith(QStringLiteral("pdf="))) {
            const auto figures = gypsomix::plan_figures(editor.plan(), regionalNumberFormat());
            if (!writeMixingSheet(arg.mid(4),
                                  mixingSheetOf(editor.plan(), figures, QDate::currentDate()))) {
                return 1;
            }
        }
    }
    return panel.grab().save(args.at(1)) ? 0 : 1;
}
