// Renders the casting plan's window offscreen to a PNG file, filled with the worked example of
// three lines (3 × 2½ × 3 po with 12 cm³ of tree each, 2 × Ø 76,2 × 101,6 mm, 1 × Ø 100 × 100
// mm) on the sample catalogues: plan_screenshot <output.png> [special] [dark] [fault] [empty]
// [pdf=FILE] [plan=FILE] [question=PNG] [timer=SECONDS], the last started on a clock standing
// that long after water met powder. plan= saves the plan; question= also renders the question
// asked before unsaved changes are lost.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include "ui/application.h"
#include "ui/dark_palette.h"
#include "ui/plan_main_window.h"
#include "ui/plan_window.h"
#include "ui/working_timer.h"

namespace {

// The columns of a flask line.
enum Column { kFlask, kDiameter, kHeight, kUnit, kCount, kTree };

// The line's fields in the order of the columns, found by their description (« Ligne 2 »,
// "Line 2", « Cylindre, ligne 2 »), in either language.
QList<QWidget*> lineFields(PlanWindow& window, int line) {
    QList<QWidget*> fields;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->accessibleDescription().endsWith(QStringLiteral("ne %1").arg(line + 1)) &&
            !widget->accessibleName().isEmpty()) {
            fields << widget;
        }
    }
    return fields;
}

template <typename T>
T* field(PlanWindow& window, int line, Column column) {
    return qobject_cast<T*>(lineFields(window, line).value(column));
}

// As typed: the window turns only what the caster does into edits of the plan.
void type(QLineEdit* field, const QString& text) {
    field->setText(text);
    emit field->textEdited(text);
}

void choose(QComboBox* list, int row) {
    list->setCurrentIndex(row);
    emit list->activated(row);
}

void chooseFlask(PlanWindow& window, int line, int row) {
    auto* flask = field<QComboBox>(window, line, kFlask);
    flask->setCurrentIndex(row);
    emit flask->activated(row);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpPlanApplication(app);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        qWarning("usage: plan_screenshot <output.png> [special] [dark] [fault] [empty]");
        return 2;
    }
    if (args.contains(QStringLiteral("dark"))) {
        app.setPalette(darkPalette());
    }
    // The autosave and the recent plans of a picture are not the user's.
    QTemporaryDir places;
    PlanMainWindow main(
        {places.filePath(QStringLiteral("data")), places.filePath(QStringLiteral("plan.conf"))});
    main.show();
    main.start();
    PlanWindow& window = main.planWindow();
    if (!args.contains(QStringLiteral("empty"))) {
        choose(window.findChild<QComboBox*>(QStringLiteral("materialList")), 0);
        type(field<QLineEdit>(window, 0, kDiameter), QStringLiteral("2 1/2"));
        type(field<QLineEdit>(window, 0, kHeight), QStringLiteral("3"));
        choose(field<QComboBox>(window, 0, kUnit), 1);
        field<QSpinBox>(window, 0, kCount)->setValue(3);
        type(field<QLineEdit>(window, 0, kTree), QStringLiteral("12"));
        window.addFlaskLine();
        chooseFlask(window, 1, 6);  // Ø 76,2 × 101,6 mm
        field<QSpinBox>(window, 1, kCount)->setValue(2);
        window.addFlaskLine();
        chooseFlask(window, 2, 12);  // Ø 100 × 100 mm
        if (args.contains(QStringLiteral("special"))) {
            auto* special = window.findChild<QGroupBox*>(QStringLiteral("specialGroup"));
            special->setChecked(true);
            emit special->clicked(true);
            type(window.findChild<QLineEdit*>(QStringLiteral("concentration")),
                 QStringLiteral("25"));
        }
        if (args.contains(QStringLiteral("fault"))) {
            type(field<QLineEdit>(window, 1, kTree), QStringLiteral("900"));
        }
    }
    for (const QString& arg : args) {
        if (arg.startsWith(QStringLiteral("timer="))) {
            auto* timer = window.findChild<WorkingTimer*>(QStringLiteral("timer"));
            std::chrono::milliseconds now{1'000'000};
            timer->setClock([&now] { return now; });
            window.findChild<QPushButton*>(QStringLiteral("start"))->click();
            now += std::chrono::seconds(arg.mid(6).toInt());
            timer->refresh();
        } else if (arg.startsWith(QStringLiteral("pdf=")) && !window.saveSheetTo(arg.mid(4))) {
            return 1;
        } else if (arg.startsWith(QStringLiteral("plan=")) && !main.saveTo(arg.mid(5))) {
            return 1;
        }
    }
    QCoreApplication::processEvents();
    if (!main.grab().save(args.at(1))) {
        return 1;
    }
    for (const QString& arg : args) {
        if (arg.startsWith(QStringLiteral("question="))) {
            // A change not saved yet, then the question that closing it asks.
            field<QSpinBox>(window, 0, kCount)->setValue(4);
            bool saved = false;
            QTimer::singleShot(0, [&] {
                auto* box = main.findChild<QMessageBox*>(QStringLiteral("saveQuestion"));
                saved = box && box->grab().save(arg.mid(9));
                if (box) {
                    box->reject();
                }
            });
            main.maybeSave();
            if (!saved) {
                return 1;
            }
        }
    }
    return 0;
}
