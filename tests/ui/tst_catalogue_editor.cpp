// The catalogue editor offscreen, as a caster uses it: cells typed in the regional format, rows
// added, copied, removed and moved with undo, saving that never breaks or loses a catalogue.
#include "read_only_folder.h"
#include "ui/catalogue_editor.h"
#include "ui/catalogue_table_model.h"
#include "window_test_support.h"

namespace {

const QByteArray kMetals = "\"Argent 925\",10.36\r\n\"Or jaune 18 carats\",15.5\r\n";
// Two programmes: the first of two steps, the second of one.
const QByteArray kProgrammes =
    "\"Pl\xE2tre\",150,0,60\r\n\"Pl\xE2tre\",730,220,180\r\n\"Phosphat\xE9\",900,500,45\r\n";

// Each kind's file and sample, in the order of CatalogueKind.
struct Kind {
    const char* path;
    QByteArray bytes;
};
Kind kindOf(CatalogueKind kind) {
    const Kind kinds[] = {{"Data/Mat.txt", kMaterials},
                          {"Data/Cylindre.txt", kFlasks},
                          {"Data/Metal.txt", kMetals},
                          {"Data/Cuisson.txt", kProgrammes}};
    return kinds[int(kind)];
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// An editor of one catalogue in its own working directory, shown.
struct Opened {
    explicit Opened(CatalogueKind kind, const QByteArray& bytes = {}) {
        path = kindOf(kind).path;
        ok = dir.write(path, bytes.isNull() ? kindOf(kind).bytes : bytes);
        editor.reset(new CatalogueEditor(kind));
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

    static constexpr auto materials = CatalogueKind::materials, flasks = CatalogueKind::flasks,
                          metals = CatalogueKind::metals, programmes = CatalogueKind::programmes;
    // The tables of the editor: a catalogue's records, or the programmes and their steps.
    inline static const QString records = "records", list = "programmes", steps = "steps";

  private slots:
    void initTestCase() { setUpPlanApplication(*qApp); }

    void headers_data() {
        QTest::addColumn<CatalogueKind>("kind");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("headers");  // one after another, split by « | »
        QTest::newRow("materials")
            << materials << records
            << "Nom|Eau utilisée (%)|Temps de malaxage (min)|Temps de gel (min)|Temps utile de "
               "coulabilité (min)|Densité du revêtement liquide|Expansion de prise à 1 heure|"
               "Expansion de prise à 2 heures";
        QTest::newRow("flasks") << flasks << records << "Nom|Diamètre (mm)|Hauteur (mm)";
        QTest::newRow("metals") << metals << records << "Nom|Densité (g/cm³)";
        QTest::newRow("programmes") << programmes << list << "Programme";
        QTest::newRow("steps") << programmes << steps
                               << "Température visée (°C)|Montée (°C/h)|Palier (min)";
    }
    void headers() {
        QFETCH(CatalogueKind, kind);
        QFETCH(QString, table);
        QFETCH(QString, headers);
        Opened opened(kind);
        QVERIFY(opened.ok);
        QAbstractItemModel* model = opened.view(qPrintable(table))->model();
        QStringList seen;
        for (int c = 0; c < model->columnCount(); ++c)
            seen << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(seen.join('|'), headers);
    }

    // A cell is checked as it is typed, and a bad one keeps « Enregistrer » off until mended.
    void badCell_data() {
        QTest::addColumn<CatalogueKind>("kind");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("reason");  // empty: the cell is sound
        QTest::newRow("water above 100") << materials << records << "101" << 1 << "de 0 à 100";
        QTest::newRow("water below 0") << materials << records << "-1" << 1 << "de 0 à 100";
        QTest::newRow("water 0") << materials << records << "0" << 1 << "";
        QTest::newRow("water in the regional format")
            << materials << records << regional("39,5") << 1 << "";
        QTest::newRow("water with a unit")
            << materials << records << "39 %" << 1 << "n'est pas un nombre";
        QTest::newRow("a time left empty") << materials << records << "" << 2 << "la valeur manque";
        QTest::newRow("density 0") << materials << records << "0" << 5 << "supérieur à 0";
        QTest::newRow("negative expansion is a number")
            << materials << records << "-0.1" << 6 << "";
        QTest::newRow("empty name") << materials << records << "   " << 0 << "vide";
        QTest::newRow("name with a double quote")
            << materials << records << "Plâtre 5\" fin" << 0 << "guillemet";
        QTest::newRow("name with commas and signs")
            << materials << records << "Plâtre, lot 12 « fin » ½" << 0 << "";
        QTest::newRow("diameter 0") << flasks << records << "0" << 1 << "supérieur à 0";
        QTest::newRow("height negative")
            << flasks << records << regional("-76,2") << 2 << "supérieur à 0";
        QTest::newRow("metal density text")
            << metals << records << "dix" << 1 << "n'est pas un nombre";
        QTest::newRow("programme's name taken")
            << programmes << list << " Phosphaté " << 0 << "déjà celui";
        QTest::newRow("a hold of 0") << programmes << steps << "0" << 2 << "";
        QTest::newRow("negative rate") << programmes << steps << "-100" << 1 << "positif ou nul";
        QTest::newRow("below absolute zero")
            << programmes << steps << "-300" << 0 << "pas moins de";
    }
    void badCell() {
        QFETCH(CatalogueKind, kind);
        QFETCH(QString, table);
        QFETCH(QString, typed);
        QFETCH(int, column);
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
        QCOMPARE(fileBytes(opened.path) != kindOf(kind).bytes, reason.isEmpty());
        if (!reason.isEmpty()) {
            opened.editor->sheet().undoStack()->undo();
            QVERIFY(opened.saveButton()->isEnabled());
        }
    }

    // Each kind of edit is one step, named by the verb of its button, undone and redone whole.
    void undoRedo_data() {
        QTest::addColumn<CatalogueKind>("kind");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("step");  // a button, or typing « Or rouge » in the last cell
        QTest::addColumn<QStringList>("after");
        const QString silver = regional("Argent 925|10,36");
        const QString gold = regional("Or jaune 18 carats|15,5");
        const QString plaster = "Plâtre: 150 0 60; 730 220 180";
        const QString phosphate = "Phosphaté: 900 500 45";
        QTest::newRow("type a name") << metals << records << 1 << "Modifier «\u00A0Nom\u00A0»"
                                     << QStringList{silver, regional("Or rouge|15,5")};
        QTest::newRow("add a line")
            << metals << records << 0 << "Ajouter une ligne" << QStringList{silver, "|", gold};
        QTest::newRow("duplicate a line")
            << metals << records << 1 << "Dupliquer la ligne" << QStringList{silver, gold, gold};
        QTest::newRow("delete a line")
            << metals << records << 0 << "Supprimer la ligne" << QStringList{gold};
        QTest::newRow("move a line up")
            << metals << records << 1 << "Monter la ligne" << QStringList{gold, silver};
        QTest::newRow("move a line down")
            << metals << records << 0 << "Descendre la ligne" << QStringList{gold, silver};
        QTest::newRow("add a programme") << programmes << list << 1 << "Ajouter un programme"
                                         << QStringList{plaster, phosphate, ":   "};
        QTest::newRow("duplicate a programme")
            << programmes << list << 0 << "Dupliquer le programme"
            << QStringList{plaster, "Plâtre (copie): 150 0 60; 730 220 180", phosphate};
        QTest::newRow("move a programme down")
            << programmes << list << 0 << "Descendre le programme"
            << QStringList{phosphate, plaster};
        QTest::newRow("add a step") << programmes << steps << 0 << "Ajouter une étape"
                                    << QStringList{"Plâtre: 150 0 60;   ; 730 220 180", phosphate};
        QTest::newRow("delete a step") << programmes << steps << 1 << "Supprimer l'étape"
                                       << QStringList{"Plâtre: 150 0 60", phosphate};
        QTest::newRow("move a step up") << programmes << steps << 1 << "Monter l'étape"
                                        << QStringList{"Plâtre: 730 220 180; 150 0 60", phosphate};
        QTest::newRow("type a step's hold")
            << programmes << steps << 1 << "Modifier «\u00A0Palier (min)\u00A0»"
            << QStringList{"Plâtre: 150 0 60; 730 220 Or rouge", phosphate};
    }
    void undoRedo() {
        QFETCH(CatalogueKind, kind);
        QFETCH(QString, table);
        QFETCH(int, row);
        QFETCH(QString, step);
        QFETCH(QStringList, after);
        Opened opened(kind);
        QVERIFY(opened.ok);
        const QStringList before = opened.shown();
        QTableView* view = opened.view(qPrintable(table));
        if (step.startsWith("Modifier")) {
            QVERIFY(typeInCell(view, row, view->model()->columnCount() - (kind == metals ? 2 : 1),
                               "Or rouge"));
        } else {
            view->setCurrentIndex(view->model()->index(row, 0));
            QVERIFY(opened.button(step));
            QTest::mouseClick(opened.button(step), Qt::LeftButton);
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

    // Saving a name Windows-1252 cannot hold asks whether the file may become UTF-8; closing with
    // unsaved changes asks, as the plan does. Each answer does what it says, and nothing else.
    void questions_data() {
        QTest::addColumn<bool>("closing");  // or saving
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("done");  // saved, or closed
        QTest::addColumn<QByteArray>("saved");
        const QByteArray silver = "\"Argent 925\",10.36\r\n";
        QTest::newRow("switch to UTF-8")
            << false << "Passer en UTF-8" << true << silver + "\"Or \xE2\x86\x92 rouge\",15.5\r\n";
        QTest::newRow("stay in Windows-1252") << false << "Annuler" << false << kMetals;
        QTest::newRow("save when closing")
            << true << "Enregistrer" << true << silver + "\"Or rouge\",15.5\r\n";
        QTest::newRow("do not save when closing")
            << true << "Ne pas enregistrer" << true << kMetals;
        QTest::newRow("cancel closing") << true << "Annuler" << false << kMetals;
    }
    void questions() {
        QFETCH(bool, closing);
        QFETCH(QString, answer);
        QFETCH(bool, done);
        QFETCH(QByteArray, saved);
        Opened opened(metals);
        QVERIFY(opened.ok);
        // Closing asks about a name any file can hold; saving about one only UTF-8 can.
        QVERIFY(typeInCell(opened.view(), 1, 0, closing ? "Or rouge" : "Or → rouge"));
        QVERIFY(opened.saveButton()->isEnabled());
        ModalAnswers answers;
        answers.then(pressText(answer));
        QCOMPARE(closing ? opened.editor->close() : opened.editor->save(), done);
        QCOMPARE(answers.seen.size(), 1);
        const ModalSeen& seen = answers.seen.front();
        QCOMPARE(seen.objectName, closing ? "saveQuestion" : "encodingQuestion");
        QCOMPARE(seen.buttons.join('|'),
                 closing ? "Annuler|Enregistrer|Ne pas enregistrer" : "Annuler|Passer en UTF-8");
        QVERIFY2(seen.text.contains(closing ? "Metal.txt" : "enregistrement 2, champ 1"),
                 qPrintable(seen.text));
        QCOMPARE(fileBytes(opened.path), saved);
        QCOMPARE(fileBytes(opened.path + ".bak"),
                 saved == kMetals ? QByteArray("(none)") : kMetals);
        QCOMPARE(opened.editor->isWindowModified(), saved == kMetals);
    }

    void readOnlyFolder() {
        Opened opened(materials);
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

    // A caster adds « Mon plâtre, lot 12 » with 39 % water and saves: the file is still
    // Windows-1252 with CR LF, its previous self kept as Mat.txt.bak.
    void readmeExample() {
        Opened opened(materials);
        QVERIFY(opened.ok);
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

        QCOMPARE(fileBytes(opened.path),
                 kMaterials + "\"Mon pl\xE2tre, lot 12\",39,3,10,8,1.7,0.4,0.5\r\n");
        QCOMPARE(fileBytes(opened.path + ".bak"), kMaterials);
    }

    // Saving keeps the file's own encoding and line ends; a missing file is made.
    void keepsTheFileForm_data() {
        QTest::addColumn<QByteArray>("bytes");  // null: no file
        QTest::addColumn<QString>("said");      // on opening
        QTest::addColumn<QByteArray>("saved");  // with a line « Bronze », 8.8 added
        QTest::newRow("UTF-8, LF") << QByteArray("\"Or \xC3\xA9tal\xC3\xA9\",19.3\n\"B\",1\n") << ""
                                   << QByteArray(
                                          "\"Or \xC3\xA9tal\xC3\xA9\",19.3\n\"B\",1\n"
                                          "\"Bronze\",8.8\n");
        QTest::newRow("UTF-8 with BOM, CR")
            << QByteArray("\xEF\xBB\xBF\"A\",1\r\"B\",1\r") << ""
            << QByteArray("\xEF\xBB\xBF\"A\",1\r\"B\",1\r\"Bronze\",8.8\r");
        QTest::newRow("Windows-1252, CR LF, numbers as written by hand")
            << QByteArray("\"\xC9tain\",7.30\r\nB,  1.0E0 \r\n") << ""
            << QByteArray("\"\xC9tain\",7.3\r\n\"B\",1\r\n\"Bronze\",8.8\r\n");
        QTest::newRow("no file") << QByteArray() << "sera créé" << QByteArray("\"Bronze\",8.8\r\n");
    }
    void keepsTheFileForm() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        QFETCH(QByteArray, saved);
        Opened opened(metals, bytes.isNull() ? kMetals : bytes);
        QVERIFY(opened.ok);
        if (bytes.isNull()) {
            QVERIFY(opened.dir.remove(opened.path));
            opened.editor->reload();
        }
        const QString message = opened.editor->message();
        QVERIFY2(said.isEmpty() ? message.isEmpty() : message.contains(said), qPrintable(message));
        QTableView* view = opened.view();
        const int row = view->model()->rowCount();
        view->setCurrentIndex(view->model()->index(row - 1, 0));
        QTest::mouseClick(opened.button("Ajouter une ligne"), Qt::LeftButton);
        QVERIFY(typeInCell(view, row, 0, "Bronze"));
        QVERIFY(typeInCell(view, row, 1, regional("8,8")));
        QVERIFY(opened.editor->save());
        QCOMPARE(fileBytes(opened.path), saved);
        QCOMPARE(fileBytes(opened.path + ".bak"), bytes.isNull() ? QByteArray("(none)") : bytes);
    }

    // A file the reader cannot read opens on the reader's report, and can be put back from its
    // .bak; nothing can be saved over it meanwhile.
    void unreadable() {
        const QByteArray damaged = kMaterials + "\"Dernier\",38,3,10\r\n";
        Opened opened(materials, damaged);
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
};

QTEST_MAIN(TestCatalogueEditor)
#include "tst_catalogue_editor.moc"
