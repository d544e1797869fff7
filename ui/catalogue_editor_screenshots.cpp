// Renders the catalogue editors offscreen, in a light and a dark palette, to look at them:
//   gypsomix_editor_screenshots <folder> [suffix]
// run from the repository root (its Data/Mat.txt is copied), writes <folder>/editeur-<view>-
// <palette><suffix>.png: the materials, the materials with a cell being typed wrong, the burnout
// programmes, and a catalogue that cannot be read.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>

#include "catalogue/catalogue_writer.h"
#include "ui/application.h"
#include "ui/catalogue_editor.h"
#include "ui/catalogue_table_model.h"
#include "ui/dark_palette.h"

namespace {

// Three programmes, as an oven's sheet gives them: name, target °C, climb °C/h, hold min.
void writeProgrammes() {
    using V = gypsomix::FieldValue;
    const auto step = [](const char* name, double target, double rate, double hold) {
        return std::vector<V>{std::string(name), target, rate, hold};
    };
    gypsomix::write_catalogue("Data/Cuisson.txt",
                              {step("Plâtre à bijoux, cylindres ≤ 3 po", 150, 0, 60),
                               step("Plâtre à bijoux, cylindres ≤ 3 po", 370, 220, 60),
                               step("Plâtre à bijoux, cylindres ≤ 3 po", 730, 220, 180),
                               step("Plâtre à bijoux, cylindres ≤ 3 po", 500, 0, 60),
                               step("Plâtre à bijoux, grands cylindres", 150, 0, 120),
                               step("Plâtre à bijoux, grands cylindres", 370, 150, 120),
                               step("Plâtre à bijoux, grands cylindres", 730, 150, 240),
                               step("Phosphaté, coulée céramique", 250, 300, 30),
                               step("Phosphaté, coulée céramique", 900, 500, 45)},
                              gypsomix::CatalogueEncoding::utf8);
}

bool grab(QWidget& window, const QString& path) {
    window.show();
    QCoreApplication::processEvents();
    return window.grab().save(path);
}

// Types into a cell as a caster does: the cell's editor opened, the text put in, not yet left.
void typeInCell(QTableView* view, int row, int column, const QString& text) {
    const QModelIndex index = view->model()->index(row, column);
    view->setCurrentIndex(index);
    view->edit(index);
    if (auto* editor = view->findChild<QLineEdit*>()) {
        editor->setText(text);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpPlanApplication(app);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        qWarning("usage: gypsomix_editor_screenshots <folder> [suffix]");
        return 2;
    }
    // Absolute: the program works in a folder of its own once its catalogues are written.
    const QDir out(QDir(args.at(1)).absolutePath());
    const QString suffix = args.value(2);
    const QByteArray materials = [] {
        QFile sample(QStringLiteral("Data/Mat.txt"));
        return sample.open(QIODevice::ReadOnly) ? sample.readAll() : QByteArray();
    }();
    QTemporaryDir work;
    if (materials.isEmpty() || !work.isValid() ||
        !QDir(work.path()).mkpath(QStringLiteral("Data")) || !QDir::setCurrent(work.path())) {
        qWarning("gypsomix_editor_screenshots: run it from the sources, where Data/Mat.txt is");
        return 1;
    }
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) > 0;
    };
    writeProgrammes();

    bool ok = true;
    for (const bool dark : {false, true}) {
        app.setPalette(dark ? darkPalette() : app.style()->standardPalette());
        const QString name =
            out.filePath(QStringLiteral("editeur-%2-") +
                         (dark ? QStringLiteral("sombre") : QStringLiteral("clair")) + suffix +
                         QStringLiteral(".png"));
        ok = write(QStringLiteral("Data/Mat.txt"), materials) && ok;
        {
            CatalogueEditor editor(CatalogueKind::materials);
            ok = grab(editor, name.arg(QStringLiteral("revetements"))) && ok;
            // A row added for a new lot, its water typed as 139 instead of 39.
            auto* view = editor.findChild<QTableView*>(QStringLiteral("records"));
            editor.sheet().addRow(-1, int(editor.sheet().entries().size()) - 1);
            const int row = int(editor.sheet().entries().size()) - 1;
            editor.sheet().setCell({row, -1, 0}, QStringLiteral("Mon plâtre, lot 12"));
            editor.sheet().setCell({row, -1, 1}, QStringLiteral("139"));
            typeInCell(view, row, 2, QStringLiteral("3,5 min"));
            ok = grab(editor, name.arg(QStringLiteral("revetements-faute"))) && ok;
            editor.sheet().undoStack()->setClean();
        }
        {
            CatalogueEditor editor(CatalogueKind::programmes);
            auto* steps = editor.findChild<QTableView*>(QStringLiteral("steps"));
            steps->setCurrentIndex(steps->model()->index(2, 0));
            ok = grab(editor, name.arg(QStringLiteral("programmes"))) && ok;
        }
        ok = write(QStringLiteral("Data/Mat.txt"), materials + "\"Dernier lot\",38,3\r\n") && ok;
        ok = write(QStringLiteral("Data/Mat.txt.bak"), materials) && ok;
        {
            CatalogueEditor editor(CatalogueKind::materials);
            ok = grab(editor, name.arg(QStringLiteral("illisible"))) && ok;
        }
    }
    return ok ? 0 : 1;
}
