// The catalogue editor offscreen, as a caster uses it: cells typed in the regional format, rows
// added, copied, removed and moved with undo, saving that never breaks or loses a catalogue.
#include "calc/number_text.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_writer.h"
#include "core_test_support.h"
#include "read_only_folder.h"
#include "ui/catalogue_editor.h"
#include "ui/catalogue_table_model.h"
#include "ui/plan_editor.h"
#include "ui/plan_window.h"
#include "window_test_support.h"

namespace {

const QByteArray kMetals = "\"Argent 925\",10.36\r\n\"Or jaune 18 carats\",15.5\r\n";
// Two programmes: the first of two steps, the second of one.
const QByteArray kProgrammes =
    "\"Pl\xE2tre\",150,0,60\r\n\"Pl\xE2tre\",730,220,180\r\n\"Phosphat\xE9\",900,500,45\r\n";

struct Kind {
    CatalogueKind kind;
    const char* path;
    QByteArray bytes;
};

Kind kindNamed(const QString& name) {
    if (name == "flasks")
        return {CatalogueKind::flasks, "Data/Cylindre.txt", kFlasks};
    if (name == "metals")
        return {CatalogueKind::metals, "Data/Metal.txt", kMetals};
    if (name == "programmes")
        return {CatalogueKind::programmes, "Data/Cuisson.txt", kProgrammes};
    return {CatalogueKind::materials, "Data/Mat.txt", kMaterials};
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// An editor of one catalogue in its own working directory, shown.
struct Opened {
    explicit Opened(const QString& kindName, const QByteArray& bytes = {}) {
        const Kind kind = kindNamed(kindName);
        path = kind.path;
        ok = dir.write(path, bytes.isNull() ? kind.bytes : bytes);
        editor.reset(new CatalogueEditor(kind.kind));
        editor->show();
        ok = ok && QTest::qWaitForWindowExposed(editor.get());
    }
    QTableView* view(const char* name = "records") const {
        return editor->findChild<QTableView*>(QLatin1String(name));
    }
    QPushButton* button(const QString& text) const {
        for (auto* button : editor->findChildren<QPushButton*>())
            if (button->text() == text)
                return button;
        return nullptr;
    }
    QPushButton* saveButton() const { return editor->findChild<QPushButton*>("save"); }
    // The catalogue as rows of cells, a programme as its name then its steps.
    QStringList shown() const {
        QStringList rows;
        for (const SheetEntry& entry : editor->sheet().entries()) {
            QStringList steps;
            for (const QStringList& step : entry.steps)
                steps << step.join(' ');
            rows << entry.cells.join('|') + (steps.isEmpty() ? "" : ": " + steps.join("; "));
        }
        return rows;
    }
    TempWorkDir dir;
    QString path;
    std::unique_ptr<CatalogueEditor> editor;
    bool ok = false;
};

// Return, as a caster leaves a cell: the view takes the text at its next turn.
void leaveCell(QLineEdit* editor) {
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens the cell's editor with the edit key, replaces its text key by key and, unless told
// otherwise, leaves the cell with Return. Returns the cell's editor while it is open.
QLineEdit* typeInCell(QTableView* view, int row, int column, const QString& text,
                      bool leave = true) {
    const QModelIndex index = view->model()->index(row, column);
    view->setCurrentIndex(index);
    QTest::keyClick(view, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(index));
    if (!editor)
        editor = view->viewport()->findChild<QLineEdit*>();
    if (!editor)
        return nullptr;
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    // Key by key; what no key of a French keyboard gives is put in as an input method does.
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(editor, char(c.unicode()));
        else
            editor->insert(QString(c));
    }
    if (leave)
        leaveCell(editor);
    return editor;
}

ModalAnswers::Answer pressText(const QString& text) {
    return [text](QWidget* modal) {
        for (auto* button : modal->findChildren<QAbstractButton*>())
            if (button->text().remove('&') == text) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
    };
}

}  // namespace

class TestCatalogueEditor : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpPlanApplication(*qApp); }

    void headers_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("headers");
        QTest::newRow("materials") << "materials"
                                   << "records"
                                   << QStringList{"Nom",
                                                  "Eau utilisée (%)",
                                                  "Temps de malaxage (min)",
                                                  "Temps de gel (min)",
                                                  "Temps utile de coulabilité (min)",
                                                  "Densité du revêtement liquide",
                                                  "Expansion de prise à 1 heure",
                                                  "Expansion de prise à 2 heures"};
        QTest::newRow("flasks") << "flasks"
                                << "records" << QStringList{"Nom", "Diamètre (mm)", "Hauteur (mm)"};
        QTest::newRow("metals") << "metals"
                                << "records" << QStringList{"Nom", "Densité (g/cm³)"};
        QTest::newRow("programmes") << "programmes"
                                    << "programmes" << QStringList{"Programme"};
        QTest::newRow("steps") << "programmes"
                               << "steps"
                               << QStringList{"Température visée (°C)", "Montée (°C/h)",
                                              "Palier (min)"};
    }
    void headers() {
        QFETCH(QString, kind);
        QFETCH(QString, table);
        QFETCH(QStringList, headers);
        Opened opened(kind);
        QVERIFY(opened.ok);
        QAbstractItemModel* model = opened.view(qPrintable(table))->model();
        QStringList seen;
        for (int c = 0; c < model->columnCount(); ++c)
            seen << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(seen, headers);
        // Each cell shows what the file holds, numbers in the regional format.
        QVERIFY(opened.saveButton()->isEnabled());
        QCOMPARE(opened.editor->message(), QString());
    }

    // A cell is checked as it is typed, and a bad one keeps « Enregistrer » off until mended.
    void badCell_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");  // empty: the cell is sound
        QTest::newRow("water above 100") << "materials"
                                         << "records" << 1 << "101"
                                         << "de 0 à 100";
        QTest::newRow("water below 0") << "materials"
                                       << "records" << 1 << "-1"
                                       << "de 0 à 100";
        QTest::newRow("water 0") << "materials"
                                 << "records" << 1 << "0"
                                 << "";
        QTest::newRow("water in the regional format") << "materials"
                                                      << "records" << 1 << regional("39,5") << "";
        QTest::newRow("water with a unit") << "materials"
                                           << "records" << 1 << "39 %"
                                           << "n'est pas un nombre";
        QTest::newRow("a time left empty") << "materials"
                                           << "records" << 2 << ""
                                           << "la valeur manque";
        QTest::newRow("density 0") << "materials"
                                   << "records" << 5 << "0"
                                   << "supérieur à 0";
        QTest::newRow("negative expansion is a number") << "materials"
                                                        << "records" << 6 << "-0.1"
                                                        << "";
        QTest::newRow("empty name") << "materials"
                                    << "records" << 0 << "   "
                                    << "vide";
        QTest::newRow("name with a double quote") << "materials"
                                                  << "records" << 0 << "Plâtre 5\" fin"
                                                  << "guillemet";
        QTest::newRow("name with commas and signs") << "materials"
                                                    << "records" << 0 << "Plâtre, lot 12 « fin » ½"
                                                    << "";
        QTest::newRow("diameter 0") << "flasks"
                                    << "records" << 1 << "0"
                                    << "supérieur à 0";
        QTest::newRow("height negative") << "flasks"
                                         << "records" << 2 << regional("-76,2") << "supérieur à 0";
        QTest::newRow("metal density text") << "metals"
                                            << "records" << 1 << "dix"
                                            << "n'est pas un nombre";
        QTest::newRow("programme's name taken") << "programmes"
                                                << "programmes" << 0 << " Phosphaté "
                                                << "déjà celui";
        QTest::newRow("a hold of 0") << "programmes"
                                     << "steps" << 2 << "0"
                                     << "";
        QTest::newRow("negative rate") << "programmes"
                                       << "steps" << 1 << "-100"
                                       << "positif ou nul";
        QTest::newRow("below absolute zero") << "programmes"
                                             << "steps" << 0 << "-300"
                                             << "pas moins de";
    }
    void badCell() {
        QFETCH(QString, kind);
        QFETCH(QString, table);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        Opened opened(kind);
        QVERIFY(opened.ok);
        QTableView* view = opened.view(qPrintable(table));
        QLineEdit* editor = typeInCell(view, 0, column, typed, false);
        QVERIFY(editor);
        // Framed while it is typed, before it is left.
        QCOMPARE(editor->property("fault").toBool(), !reason.isEmpty());
        leaveCell(editor);
        QCOMPARE(view->model()->index(0, column).data().toString(), typed);
        QCOMPARE(opened.saveButton()->isEnabled(), reason.isEmpty());
        QVERIFY2(opened.editor->message().contains(reason), qPrintable(opened.editor->message()));
        QCOMPARE(view->model()->index(0, column).data(Qt::ToolTipRole).toString().isEmpty(),
                 reason.isEmpty());
        // Clicking it anyway writes nothing.
        QTest::mouseClick(opened.saveButton(), Qt::LeftButton);
        QCOMPARE(fileBytes(opened.path) != kindNamed(kind).bytes, reason.isEmpty());
        if (!reason.isEmpty()) {
            opened.editor->sheet().undoStack()->undo();
            QVERIFY(opened.saveButton()->isEnabled());
        }
    }

    // Each kind of edit is one step, named by its verb, undone and redone whole.
    void undoRedo_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("button");  // or "type" to type in the first cell
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("after");
        const QStringList metals = {"Argent 925|10.36", "Or jaune 18 carats|15.5"};
        const auto withComma = [](QStringList rows) {
            for (QString& row : rows)
                row = regional(QString(row).replace('.', ','));
            return rows;
        };
        QTest::newRow("type a name") << "metals"
                                     << "type"
                                     << "records" << 1 << "Modifier «\u00A0Nom\u00A0»"
                                     << withComma({"Argent 925|10.36", "Or rouge|15.5"});
        QTest::newRow("add a line")
            << "metals"
            << "Ajouter une ligne"
            << "records" << 0 << "Ajouter une ligne"
            << withComma({"Argent 925|10.36", "|", "Or jaune 18 carats|15.5"});
        QTest::newRow("duplicate a line")
            << "metals"
            << "Dupliquer la ligne"
            << "records" << 1 << "Dupliquer la ligne"
            << withComma(
                   {"Argent 925|10.36", "Or jaune 18 carats|15.5", "Or jaune 18 carats|15.5"});
        QTest::newRow("delete a line")
            << "metals"
            << "Supprimer la ligne"
            << "records" << 0 << "Supprimer la ligne" << withComma({"Or jaune 18 carats|15.5"});
        QTest::newRow("move a line up")
            << "metals"
            << "Monter la ligne"
            << "records" << 1 << "Monter la ligne"
            << withComma({"Or jaune 18 carats|15.5", "Argent 925|10.36"});
        QTest::newRow("move a line down")
            << "metals"
            << "Descendre la ligne"
            << "records" << 0 << "Descendre la ligne"
            << withComma({"Or jaune 18 carats|15.5", "Argent 925|10.36"});
        const QString plaster = "Plâtre: 150 0 60; 730 220 180";
        const QString phosphate = "Phosphaté: 900 500 45";
        QTest::newRow("add a programme") << "programmes"
                                         << "Ajouter un programme"
                                         << "programmes" << 1 << "Ajouter un programme"
                                         << QStringList{plaster, phosphate, ":   "};
        QTest::newRow("duplicate a programme")
            << "programmes"
            << "Dupliquer le programme"
            << "programmes" << 0 << "Dupliquer le programme"
            << QStringList{plaster, "Plâtre (copie): 150 0 60; 730 220 180", phosphate};
        QTest::newRow("move a programme down")
            << "programmes"
            << "Descendre le programme"
            << "programmes" << 0 << "Descendre le programme" << QStringList{phosphate, plaster};
        QTest::newRow("add a step") << "programmes"
                                    << "Ajouter une étape"
                                    << "steps" << 0 << "Ajouter une étape"
                                    << QStringList{"Plâtre: 150 0 60;   ; 730 220 180", phosphate};
        QTest::newRow("delete a step")
            << "programmes"
            << "Supprimer l'étape"
            << "steps" << 1 << "Supprimer l'étape" << QStringList{"Plâtre: 150 0 60", phosphate};
        QTest::newRow("move a step up") << "programmes"
                                        << "Monter l'étape"
                                        << "steps" << 1 << "Monter l'étape"
                                        << QStringList{"Plâtre: 730 220 180; 150 0 60", phosphate};
        QTest::newRow("type a step's hold")
            << "programmes"
            << "type"
            << "steps" << 1 << "Modifier «\u00A0Palier (min)\u00A0»"
            << QStringList{"Plâtre: 150 0 60; 730 220 Or rouge", phosphate};
    }
    void undoRedo() {
        QFETCH(QString, kind);
        QFETCH(QString, button);
        QFETCH(QString, table);
        QFETCH(int, row);
        QFETCH(QString, step);
        QFETCH(QStringList, after);
        Opened opened(kind);
        QVERIFY(opened.ok);
        const QStringList before = opened.shown();
        QTableView* view = opened.view(qPrintable(table));
        if (button == "type") {
            QVERIFY(typeInCell(view, row, view->model()->columnCount() - (kind == "metals" ? 2 : 1),
                               "Or rouge"));
        } else {
            view->setCurrentIndex(view->model()->index(row, 0));
            QVERIFY(opened.button(button));
            QTest::mouseClick(opened.button(button), Qt::LeftButton);
        }
        QUndoStack* stack = opened.editor->sheet().undoStack();
        QCOMPARE(opened.shown(), after);
        QCOMPARE(stack->count(), 1);
        QCOMPARE(stack->undoText(), step);
        QVERIFY(opened.editor->isWindowModified());
        stack->undo();
        QCOMPARE(opened.shown(), before);
        QVERIFY(!opened.editor->isWindowModified());
        stack->redo();
        QCOMPARE(opened.shown(), after);
    }

    // A name Windows-1252 cannot hold: the file may become UTF-8, or stay as it was.
    void encodingSwitch_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("switch to UTF-8") << "Passer en UTF-8" << true;
        QTest::newRow("cancel") << "Annuler" << false;
    }
    void encodingSwitch() {
        QFETCH(QString, answer);
        QFETCH(bool, written);
        Opened opened("metals");
        QVERIFY(opened.ok);
        QVERIFY(typeInCell(opened.view(), 1, 0, "Or → rouge"));
        QVERIFY(opened.saveButton()->isEnabled());
        ModalAnswers answers;
        answers.then(pressText(answer));
        QCOMPARE(opened.editor->save(), written);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen.front().objectName, "encodingQuestion");
        QVERIFY2(answers.seen.front().text.contains("enregistrement 2, champ 1"),
                 qPrintable(answers.seen.front().text));
        QCOMPARE(answers.seen.front().buttons, (QStringList{"Annuler", "Passer en UTF-8"}));
        const std::string path = opened.path.toStdString();
        QCOMPARE(gypsomix::catalogue_encoding(path),
                 written ? gypsomix::CatalogueEncoding::utf8
                         : gypsomix::CatalogueEncoding::windows_1252);
        QCOMPARE(opened.editor->isWindowModified(), !written);
        if (written) {
            QCOMPARE(fileBytes(opened.path),
                     QByteArray("\"Argent 925\",10.36\r\n\"Or \xE2\x86\x92 rouge\",15.5\r\n"));
            QCOMPARE(fileBytes(opened.path + ".bak"), kMetals);
        } else {
            QCOMPARE(fileBytes(opened.path), kMetals);
        }
    }

    void readOnlyFolder() {
        Opened opened("materials");
        QVERIFY(opened.ok);
        QVERIFY(typeInCell(opened.view(), 0, 1, "39"));
        QSignalSpy saved(opened.editor.get(), &CatalogueEditor::catalogueSaved);
        ModalAnswers answers;
        answers.then(press(QMessageBox::Ok));
        {
            ReadOnlyFolder readOnly(opened.dir.path(), "Data");
            QVERIFY(readOnly.isReady());
            QVERIFY(!opened.editor->save());
        }
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen.front().objectName, "runTimeError");
        QVERIFY2(answers.seen.front().text.startsWith("Erreur d'exécution 75\n"),
                 qPrintable(answers.seen.front().text));
        QVERIFY(answers.seen.front().text.contains("Mat.txt"));
        QVERIFY2(opened.editor->message().contains("tel qu'il était"),
                 qPrintable(opened.editor->message()));
        QCOMPARE(fileBytes(opened.path), kMaterials);
        QVERIFY(!QFile::exists(opened.path + ".bak"));
        QCOMPARE(saved.count(), 0);
        QVERIFY(opened.editor->isWindowModified());
    }

    // A caster adds « Mon plâtre, lot 12 » with 39 % water and saves: the programs find it, and
    // the file is still Windows-1252 with CR LF, its previous self kept as Mat.txt.bak.
    void readmeExample() {
        Opened opened("materials");
        QVERIFY(opened.ok);
        QVERIFY(opened.dir.write("Data/Cylindre.txt", kFlasks));
        QSignalSpy saved(opened.editor.get(), &CatalogueEditor::catalogueSaved);
        QTableView* view = opened.view();
        view->setCurrentIndex(view->model()->index(1, 0));
        QTest::mouseClick(opened.button("Ajouter une ligne"), Qt::LeftButton);
        QCOMPARE(view->currentIndex().row(), 2);
        QVERIFY(!opened.saveButton()->isEnabled());  // an empty row is not a material
        const QStringList cells = {
            "Mon plâtre, lot 12", "39",           "3", "10", "8", regional("1,7"),
            regional("0,4"),      regional("0,5")};
        for (int c = 0; c < cells.size(); ++c)
            QVERIFY(typeInCell(view, 2, c, cells[c]));
        QVERIFY2(opened.saveButton()->isEnabled(), qPrintable(opened.editor->message()));
        QTest::mouseClick(opened.saveButton(), Qt::LeftButton);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.front().front().toString(), opened.path);
        QVERIFY(!opened.editor->isWindowModified());

        const auto entries = gypsomix::list_entries("Data/Mat.txt", 8);
        QCOMPARE(entries.size(), std::size_t(3));
        QCOMPARE(fromStd(entries[2].name), "Mon plâtre, lot 12");
        const auto record = gypsomix::fetch_record("Data/Mat.txt", 8, entries[2].ordinal);
        QVERIFY(record);
        QStringList fields;
        for (const auto& field : *record)
            fields << describe(field);
        QCOMPARE(fields, (QStringList{T("Mon plâtre, lot 12"), N(39), N(3), N(10), N(8), N(1.7),
                                      N(0.4), N(0.5)}));
        const QByteArray bytes = fileBytes("Data/Mat.txt");
        QCOMPARE(gypsomix::catalogue_encoding("Data/Mat.txt"),
                 gypsomix::CatalogueEncoding::windows_1252);
        QVERIFY(bytes.endsWith("\"Mon pl\xE2tre, lot 12\",39,3,10,8,1.7,0.4,0.5\r\n"));
        QCOMPARE(bytes.count("\r\n"), 3);
        QCOMPARE(bytes.count('\n'), 3);
        QCOMPARE(fileBytes("Data/Mat.txt.bak"), kMaterials);

        // The plan's list, read again as the saved signal asks, offers it.
        PlanEditor planEditor;
        PlanWindow plan(planEditor);
        plan.loadCatalogues();
        QVERIFY(plan.findChild<QComboBox*>("materialList")->findText("Mon plâtre, lot 12") >= 0);
    }

    // Saving keeps the file's own encoding and line ends.
    void keepsTheFileForm_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("UTF-8, LF") << QByteArray("\"Or \xC3\xA9tal\xC3\xA9\",19.3\n\"B\",1\n")
                                   << QByteArray("\"Or \xC3\xA9tal\xC3\xA9\",19.3\n\"C\",1\n");
        QTest::newRow("UTF-8 with BOM, CR") << QByteArray("\xEF\xBB\xBF\"A\",1\r\"B\",1\r")
                                            << QByteArray("\xEF\xBB\xBF\"A\",1\r\"C\",1\r");
        QTest::newRow("Windows-1252, CR LF, numbers as written by hand")
            << QByteArray("\"\xC9tain\",7.30\r\nB,  1.0E0 \r\n")
            << QByteArray("\"\xC9tain\",7.3\r\n\"C\",1\r\n");
    }
    void keepsTheFileForm() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, saved);
        Opened opened("metals", bytes);
        QVERIFY(opened.ok);
        QVERIFY(typeInCell(opened.view(), 1, 0, "C"));
        QVERIFY(opened.editor->save());
        QCOMPARE(fileBytes(opened.path), saved);
    }

    // A file the reader cannot read opens on the reader's report, and can be put back from its
    // .bak; nothing can be saved over it meanwhile.
    void unreadable() {
        const QByteArray damaged = kMaterials + "\"Dernier\",38,3,10\r\n";
        Opened opened("materials", damaged);
        QVERIFY(opened.ok);
        QVERIFY(opened.editor->findChild<QWidget*>("unreadable")->isVisible());
        QCOMPARE(opened.editor->findChild<QLabel*>("errorTitle")->text(), "Erreur d'exécution 62");
        const QString report = opened.editor->findChild<QLabel*>("errorText")->text();
        QVERIFY2(report.contains("enregistrement 3, champ 5"), qPrintable(report));
        QVERIFY2(report.contains("arrêtée à l'enregistrement 3."), qPrintable(report));
        QVERIFY(!opened.editor->canSave());
        QVERIFY(!opened.editor->save());
        QCOMPARE(fileBytes(opened.path), damaged);
        auto* restore = opened.editor->findChild<QPushButton*>("restore");
        QVERIFY(!restore->isEnabled());  // no backup yet

        QVERIFY(opened.dir.write("Data/Mat.txt.bak", kMaterials));
        QTest::mouseClick(opened.editor->findChild<QPushButton*>("reload"), Qt::LeftButton);
        QVERIFY(restore->isEnabled());
        ModalAnswers answers;
        answers.then(pressText("Restaurer"));
        QTest::mouseClick(restore, Qt::LeftButton);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen.front().objectName, "restoreQuestion");
        QCOMPARE(fileBytes(opened.path), kMaterials);
        QCOMPARE(fileBytes(opened.path + ".illisible"), damaged);
        QVERIFY(opened.view()->isVisible());
        QCOMPARE(opened.shown().size(), 2);
        QVERIFY(opened.editor->canSave());
    }

    void missingFileIsMade() {
        Opened opened("metals");
        QVERIFY(opened.ok);
        QVERIFY(opened.dir.remove(opened.path));
        opened.editor->reload();
        QVERIFY2(opened.editor->message().contains("sera créé"),
                 qPrintable(opened.editor->message()));
        QTest::mouseClick(opened.button("Ajouter une ligne"), Qt::LeftButton);
        QVERIFY(typeInCell(opened.view(), 0, 0, "Bronze"));
        QVERIFY(typeInCell(opened.view(), 0, 1, regional("8,8")));
        QVERIFY(opened.editor->save());
        QCOMPARE(fileBytes(opened.path), QByteArray("\"Bronze\",8.8\r\n"));
        QVERIFY(!QFile::exists(opened.path + ".bak"));
    }

    // Closing with unsaved changes asks, as the plan does.
    void closeAsks_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");
        QTest::newRow("save") << "Enregistrer" << true << true;
        QTest::newRow("do not save") << "Ne pas enregistrer" << true << false;
        QTest::newRow("cancel") << "Annuler" << false << false;
    }
    void closeAsks() {
        QFETCH(QString, answer);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        Opened opened("flasks");
        QVERIFY(opened.ok);
        QVERIFY(typeInCell(opened.view(), 0, 1, "101"));
        ModalAnswers answers;
        answers.then(pressText(answer));
        QCOMPARE(opened.editor->close(), closed);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen.front().objectName, "saveQuestion");
        QCOMPARE(answers.seen.front().buttons,
                 (QStringList{"Annuler", "Enregistrer", "Ne pas enregistrer"}));
        QVERIFY(answers.seen.front().text.contains("Cylindre.txt"));
        QCOMPARE(fileBytes(opened.path) != kFlasks, written);
    }
};

QTEST_MAIN(TestCatalogueEditor)
#include "tst_catalogue_editor.moc"
