// The casting plan's window, driven through the keyboard and the mouse; its figures must be the
// core's for the same inputs.
#include "../core_test_support.h"
#include "calc/plan.h"
#include "ui/number_format.h"
#include "ui/plan_window.h"
#include "ui/working_timer.h"
#include "window_test_support.h"

namespace {

// A plan window on its own catalogues in its own working directory, listed and shown.
struct PlanLoaded {
    explicit PlanLoaded(const QByteArray& materials = kMaterials,
                        const QByteArray& flasks = kFlasks) {
        if (writeCatalogues(dir, materials, flasks)) {
            window.show();
            window.loadCatalogues();
            ok = QTest::qWaitForWindowExposed(&window);
        }
    }
    TempWorkDir dir;
    PlanWindow window;
    bool ok = false;
};

// The line's widgets in the order of the columns: flask, diameter, height, unit, count,
// deduction, volume; found through the keyboard's order so the test sees what a user reaches.
struct LineWidgets {
    QLabel* number;
    QComboBox* flask;
    QLineEdit* diameter;
    QLineEdit* height;
    QComboBox* unit;
    QSpinBox* count;
    QLineEdit* deduction;
    QLineEdit* volume;
};

LineWidgets lineWidgets(QWidget& window, int line) {
    const QString description = QStringLiteral("igne %1").arg(line + 1);
    LineWidgets found{};
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->accessibleDescription().endsWith(description))
            continue;
        const QString name = widget->accessibleName();
        if (auto* label = qobject_cast<QLabel*>(widget))
            found.number = label;
        else if (name == QStringLiteral("Cylindre"))
            found.flask = qobject_cast<QComboBox*>(widget);
        else if (name == QStringLiteral("Diamètre"))
            found.diameter = qobject_cast<QLineEdit*>(widget);
        else if (name == QStringLiteral("Hauteur"))
            found.height = qobject_cast<QLineEdit*>(widget);
        else if (name == QStringLiteral("Unité"))
            found.unit = qobject_cast<QComboBox*>(widget);
        else if (name == QStringLiteral("Nombre"))
            found.count = qobject_cast<QSpinBox*>(widget);
        else if (name == QStringLiteral("Arbre et socle (cm³)"))
            found.deduction = qobject_cast<QLineEdit*>(widget);
        else if (name == QStringLiteral("Volume (dm3)"))
            found.volume = qobject_cast<QLineEdit*>(widget);
    }
    return found;
}

// Types into whatever has the focus, replacing its text.
void typeHere(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(focus, Qt::Key_Delete);
    else
        QTest::keyClicks(focus, text);
}

// Alt and the underlined letter, from wherever the focus is; a button answers with an animated
// click, which lands a moment later.
void pressMnemonic(QPushButton* button, Qt::Key key) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    QVERIFY(clicked.count() == 1 || clicked.wait(1000));
}

void tab() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

// Moves a combo box to `row` with the arrow keys, as a user does without opening it.
void arrowTo(QComboBox* list, int row) {
    list->setFocus(Qt::TabFocusReason);
    chooseWithKeys(list, row);
}

QString regionalText(const char* text) {
    return QString::fromUtf8(text).replace(QLatin1Char('.'),
                                           QString::fromStdString(regionalNumberFormat().decimal));
}

bool isMarked(QWidget* widget) {
    return widget->property("fault").toBool();
}

QStringList results(QWidget& window) {
    QStringList texts;
    for (const char* name : {"totalVolume", "powderMass", "waterMass", "specialMass", "splitWater"})
        texts << text(window, name);
    return texts;
}

// What pdftotext and pdfinfo read off a PDF file; the tools must be there (scripts/setup).
QString pdfTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(program, process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString message(QWidget& window) {
    return control<QLabel>(window, "message")->text();
}

}  // namespace

class TestPlanWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        setUpPlanApplication(*qApp);
        QApplication::setDoubleClickInterval(100);
    }

    // A material and two lines, all through the keyboard: the figures are the core's.
    void keyboardPlan() {
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        loaded.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        auto* materials = control<QComboBox>(window, "materialList");
        materials->setFocus(Qt::TabFocusReason);
        QCOMPARE(materials->currentIndex(), -1);
        QTest::keyClick(materials, Qt::Key_Down);
        QCOMPARE(materials->currentIndex(), 0);
        QCOMPARE(text(window, "catalogueWater"), QStringLiteral("38"));
        QCOMPARE(text(window, "density"), regionalText("1.8"));
        QCOMPARE(text(window, "mixWater"), QStringLiteral("38"));

        // Line 1: the catalogue's 90 x 110 flask, the second entry after "Autre".
        tab();
        tab();
        LineWidgets first = lineWidgets(window, 0);
        QCOMPARE(QApplication::focusWidget(), first.flask);
        QTest::keyClick(first.flask, Qt::Key_Down);
        QTest::keyClick(first.flask, Qt::Key_Down);
        QCOMPARE(first.diameter->text(), QStringLiteral("90"));
        QCOMPARE(first.height->text(), QStringLiteral("110"));

        // Line 2, added with Alt+A: three 2½ x 3 in flasks with 12 cm³ of tree each.
        pressMnemonic(control<QPushButton>(window, "addLine"), Qt::Key_A);
        QCOMPARE(window.lineCount(), 2);
        LineWidgets second = lineWidgets(window, 1);
        QCOMPARE(QApplication::focusWidget(), second.flask);
        QCOMPARE(second.flask->currentText(), QStringLiteral("Autre"));
        tab();
        typeHere(QStringLiteral("2 1/2"));
        tab();
        typeHere(QStringLiteral("3"));
        tab();
        QTest::keyClick(second.unit, Qt::Key_Down);
        QCOMPARE(second.unit->currentText(), QStringLiteral("po"));
        tab();
        typeHere(QStringLiteral("3"));
        tab();
        typeHere(QStringLiteral("12"));
        QCOMPARE(QApplication::focusWidget(), second.deduction);

        const gypsomix::NumberFormat format = regionalNumberFormat();
        const std::vector<gypsomix::PlanLine> lines = {
            {"90", "110", gypsomix::LengthUnit::millimetre, 1, ""},
            {"2 1/2", "3", gypsomix::LengthUnit::inch, 3, "12"},
        };
        for (const auto& [margin, key] :
             {std::pair{gypsomix::Margin::Brut, 0},
              std::pair{gypsomix::Margin::Plus5, int(Qt::Key_Right)},
              std::pair{gypsomix::Margin::Plus10, int(Qt::Key_Right)}}) {
            if (key) {
                control(window, "marginBrut")->setFocus(Qt::TabFocusReason);
                for (QRadioButton* option : window.findChildren<QRadioButton*>())
                    if (option->isChecked())
                        option->setFocus(Qt::TabFocusReason);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            }
            gypsomix::PlanResult expected;
            NO_ERROR(expected =
                         gypsomix::plan_masses(fromStd(format.decimal) == "," ? "1,8" : "1.8", "38",
                                               lines, margin, format));
            QCOMPARE(first.volume->text(), fromStd(expected.flask_volumes[0]));
            QCOMPARE(second.volume->text(), fromStd(expected.flask_volumes[1]));
            const QStringList figures = {fromStd(expected.volume), fromStd(expected.masses.powder),
                                         fromStd(expected.masses.water), QString(), QString()};
            QCOMPARE(results(window), figures);
            QCOMPARE(message(window), QString());
        }
    }

    void badEntry_data() {
        QTest::addColumn<QString>("field");  // the input given the text, and then marked
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("said");  // what the message must say
        QTest::newRow("diameter not a number") << "diameter"
                                               << "abc"
                                               << "« abc »";
        QTest::newRow("height not a number") << "height"
                                             << "10 cm"
                                             << "« 10 cm »";
        QTest::newRow("tree larger than the flask") << "deduction"
                                                    << "900"
                                                    << "ligne 1";
        QTest::newRow("negative tree") << "deduction"
                                       << "-1"
                                       << "ligne 1";
        QTest::newRow("water not a number") << "mixWater"
                                            << "trente"
                                            << "« trente »";
        QTest::newRow("concentration above 100") << "concentration"
                                                 << "150"
                                                 << "150";
    }

    // A fault marks its field, says where in the window, empties every result, and opens no
    // dialog; putting it right brings the figures back.
    void badEntry() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, said);
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        chooseWithKeys(control<QComboBox>(window, "materialList"), 0);
        LineWidgets line = lineWidgets(window, 0);
        arrowTo(line.flask, 1);  // 100 x 100
        control<QGroupBox>(window, "specialGroup")->setChecked(true);
        control<QLineEdit>(window, "concentration")->setText(QStringLiteral("25"));
        const QStringList good = results(window);
        QVERIFY(!good.contains(QString()));

        QWidget* target = field == "diameter"    ? line.diameter
                          : field == "height"    ? line.height
                          : field == "deduction" ? line.deduction
                                                 : control(window, qPrintable(field));
        ModalAnswers answers;
        target->setFocus(Qt::TabFocusReason);
        typeHere(text);
        QVERIFY(isMarked(target));
        QList<QWidget*> marked;
        for (QWidget* widget : window.findChildren<QWidget*>())
            if (isMarked(widget))
                marked << widget;
        QCOMPARE(marked, QList<QWidget*>{target});
        QVERIFY2(message(window).contains(said, Qt::CaseInsensitive), qPrintable(message(window)));
        QCOMPARE(results(window), QStringList(5));
        QCOMPARE(line.volume->text(), QString());
        QTest::qWait(50);
        QVERIFY(answers.seen.isEmpty());

        typeHere(field == "diameter" || field == "height" ? QStringLiteral("100")
                 : field == "deduction"                   ? QString()
                 : field == "mixWater"                    ? QStringLiteral("38")
                                                          : QStringLiteral("25"));
        QVERIFY(!isMarked(target));
        QCOMPARE(results(window), good);
        QCOMPARE(message(window), QString());
    }

    // An empty field is a plan not finished: said plainly, nothing marked, no figure.
    void unfinishedPlan() {
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        QCOMPARE(results(window), QStringList(5));
        QVERIFY(message(window).contains(QStringLiteral("diamètre")));
        const LineWidgets line = lineWidgets(window, 0);
        line.diameter->setText(QStringLiteral("100"));
        line.height->setText(QStringLiteral("100"));
        // Without a material the volumes are known, the masses not yet.
        QCOMPARE(line.volume->text(), regionalText("0.785"));
        QCOMPARE(text(window, "totalVolume"), regionalText("0.785"));
        QCOMPARE(text(window, "powderMass"), QString());
        QVERIFY(message(window).contains(QStringLiteral("revêtement")));
        chooseWithKeys(control<QComboBox>(window, "materialList"), 0);
        QCOMPARE(text(window, "powderMass"), QStringLiteral("1023"));
        QCOMPARE(text(window, "waterMass"), QStringLiteral("389"));
        for (QWidget* widget : window.findChildren<QWidget*>())
            QVERIFY2(!isMarked(widget), qPrintable(widget->objectName()));
    }

    void lineButtons_data() {
        QTest::addColumn<bool>("withKeys");
        QTest::newRow("keyboard") << true;
        QTest::newRow("mouse") << false;
    }

    // Add, duplicate and remove, each acting on the line the user was last in.
    void lineButtons() {
        QFETCH(bool, withKeys);
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto press = [&](const char* button, Qt::Key key) {
            if (withKeys)
                pressMnemonic(control<QPushButton>(window, button), key);
            else
                QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
        };
        const auto sizes = [&] {
            QStringList seen;
            for (int i = 0; i < window.lineCount(); ++i) {
                const LineWidgets line = lineWidgets(window, i);
                seen << line.diameter->text() + 'x' + line.height->text() + '*' +
                            QString::number(line.count->value());
            }
            return seen;
        };
        QVERIFY(!control(window, "removeLine")->isEnabled());
        LineWidgets line = lineWidgets(window, 0);
        line.diameter->setFocus(Qt::TabFocusReason);
        typeHere(QStringLiteral("50"));
        line.height->setText(QStringLiteral("60"));
        line.count->setValue(2);
        press("duplicateLine", Qt::Key_U);
        QCOMPARE(sizes(), (QStringList{"50x60*2", "50x60*2"}));
        press("addLine", Qt::Key_A);
        QCOMPARE(sizes(), (QStringList{"50x60*2", "50x60*2", "x*1"}));
        QCOMPARE(window.currentLine(), 2);
        lineWidgets(window, 1).height->setFocus(Qt::TabFocusReason);
        typeHere(QStringLiteral("70"));
        lineWidgets(window, 0).diameter->setFocus(Qt::TabFocusReason);
        press("duplicateLine", Qt::Key_U);
        QCOMPARE(sizes(), (QStringList{"50x60*2", "50x60*2", "50x70*2", "x*1"}));
        lineWidgets(window, 2).count->setFocus(Qt::TabFocusReason);
        press("removeLine", Qt::Key_S);
        QCOMPARE(sizes(), (QStringList{"50x60*2", "50x60*2", "x*1"}));
        for (int i = 0; i < 2; ++i)
            press("removeLine", Qt::Key_S);
        QCOMPARE(window.lineCount(), 1);
        QVERIFY(!control(window, "removeLine")->isEnabled());
        press("addLine", Qt::Key_A);
        // Numbers follow the lines.
        QCOMPARE(lineWidgets(window, 0).number->text(), QStringLiteral("1"));
        QCOMPARE(lineWidgets(window, 1).number->text(), QStringLiteral("2"));
    }

    // Special liquid: the liquid is named so, and its two parts add up to it.
    void specialLiquid() {
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        chooseWithKeys(control<QComboBox>(window, "materialList"), 1);
        arrowTo(lineWidgets(window, 0).flask, 1);
        auto* group = control<QGroupBox>(window, "specialGroup");
        auto* waterLabel = control<QLabel>(window, "waterMassLabel");
        QVERIFY(!group->isChecked());
        QCOMPARE(waterLabel->text(), QStringLiteral("Masse d'eau (g)"));
        QVERIFY(!control(window, "specialMass")->isVisible());
        const QString liquid = text(window, "waterMass");
        QCOMPARE(liquid, QStringLiteral("392"));
        group->setFocus(Qt::TabFocusReason);
        QTest::keyClick(group, Qt::Key_Space);
        QVERIFY(group->isChecked());
        QCOMPARE(waterLabel->text(), QStringLiteral("Liquide total (g)"));
        QVERIFY(control(window, "specialMass")->isVisible());
        for (const char* percent : {"25", "33.3", "0", "100"}) {
            control<QLineEdit>(window, "concentration")->setText(regionalText(percent));
            QCOMPARE(text(window, "waterMass"), liquid);
            const int special = text(window, "specialMass").toInt();
            const int water = text(window, "splitWater").toInt();
            QCOMPARE(special + water, liquid.toInt());
            // floor(392 x c / 100), worked out by hand
            const int expected = QString(percent) == "25"     ? 98
                                 : QString(percent) == "33.3" ? 130
                                 : QString(percent) == "0"    ? 0
                                                              : 392;
            QCOMPARE(special, expected);
        }
        QTest::keyClick(group, Qt::Key_Space);
        QCOMPARE(waterLabel->text(), QStringLiteral("Masse d'eau (g)"));
        QCOMPARE(text(window, "waterMass"), liquid);
    }

    // The job's water starts at the catalogue's and goes back to it at every choice.
    void waterForThisMix() {
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        auto* materials = control<QComboBox>(window, "materialList");
        auto* water = control<QLineEdit>(window, "mixWater");
        QVERIFY(!water->isEnabled());
        chooseWithKeys(materials, 0);
        arrowTo(lineWidgets(window, 0).flask, 1);
        QCOMPARE(water->text(), QStringLiteral("38"));
        water->setFocus(Qt::TabFocusReason);
        typeHere(QStringLiteral("40"));
        // 1,8 g/cm3 at 40 %: 0,785 x 1,8 x 1000 / 1,4 = 1009,28... and 40 % of 1009
        QCOMPARE(text(window, "powderMass"), QStringLiteral("1009"));
        QCOMPARE(text(window, "waterMass"), QStringLiteral("403"));
        chooseWithKeys(materials, 1);
        QCOMPARE(water->text(), QStringLiteral("40"));
        QCOMPARE(text(window, "catalogueWater"), QStringLiteral("40"));
        chooseWithKeys(materials, 0);
        QCOMPARE(water->text(), QStringLiteral("38"));
        QCOMPARE(text(window, "powderMass"), QStringLiteral("1023"));
    }

    void catalogueBroken_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QByteArray>("materials");
        QTest::addColumn<QByteArray>("flasks");
        QTest::addColumn<int>("number");
        QTest::newRow("material file cut short")
            << "material" << QByteArray("\"A\",38,3\r\n") << kFlasks << 62;
        QTest::newRow("material file removed") << "material" << QByteArray() << kFlasks << 53;
        QTest::newRow("flask file cut short")
            << "flask" << kMaterials << QByteArray("\"C\",100\r\n") << 62;
        QTest::newRow("flask file removed") << "flask" << kMaterials << QByteArray() << 53;
    }

    // A catalogue broken between two choices: the numbered report, then a window that works.
    void catalogueBroken() {
        QFETCH(QString, step);
        QFETCH(QByteArray, materials);
        QFETCH(QByteArray, flasks);
        QFETCH(int, number);
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        auto* materialList = control<QComboBox>(window, "materialList");
        chooseWithKeys(materialList, 0);
        const LineWidgets line = lineWidgets(window, 0);
        arrowTo(line.flask, 1);
        QCOMPARE(text(window, "powderMass"), QStringLiteral("1023"));

        QVERIFY(writeCatalogues(loaded.dir, materials, flasks));
        ModalAnswers answers;
        answers.then(press(QMessageBox::Ok));
        QVERIFY(chooseWithMouse(step == "material" ? materialList : line.flask,
                                step == "material" ? 1 : 2));
        QVERIFY(!answers.gaveUp);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen[0].title, QStringLiteral("Gypsomix"));
        QVERIFY2(
            answers.seen[0].text.startsWith(QStringLiteral("Erreur d'exécution %1\n").arg(number)),
            qPrintable(answers.seen[0].text));
        QCOMPARE(text(window, "powderMass"), QString());
        QVERIFY(window.isVisible());

        QVERIFY(writeCatalogues(loaded.dir));
        chooseWithKeys(materialList, 0);
        chooseWithKeys(materialList, 1);
        arrowTo(line.flask, 2);
        arrowTo(line.flask, 1);
        QCOMPARE(text(window, "powderMass"), QStringLiteral("981"));
        QCOMPARE(text(window, "waterMass"), QStringLiteral("392"));
    }

    // A catalogue missing at start is reported; the other list and the window still serve.
    void missingAtStart() {
        TempWorkDir dir;
        QVERIFY(writeCatalogues(dir, QByteArray(), kFlasks));
        PlanWindow window;
        window.show();
        ModalAnswers answers;
        answers.then(press(QMessageBox::Ok));
        window.loadCatalogues();
        QCOMPARE(answers.seen.size(), 1);
        QVERIFY(answers.seen[0].text.startsWith(QStringLiteral("Erreur d'exécution 53\n")));
        QCOMPARE(control<QComboBox>(window, "materialList")->count(), 0);
        const LineWidgets line = lineWidgets(window, 0);
        QCOMPARE(line.flask->count(), 3);
        arrowTo(line.flask, 2);
        QCOMPARE(line.volume->text(), regionalText("0.699435"));
    }

    // Every input and result answers to the label a sighted user reads beside or above it.
    void accessibleNames() {
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        window.addFlaskLine();
        const auto nameOf = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        int named = 0;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QComboBox*>(widget) &&
                !qobject_cast<QSpinBox*>(widget))
                continue;
            if (qobject_cast<QLineEdit*>(widget) && (qobject_cast<QComboBox*>(widget->parent()) ||
                                                     qobject_cast<QSpinBox*>(widget->parent())))
                continue;  // the edit part of a box, which the box names
            QString label;
            for (QLabel* candidate : window.findChildren<QLabel*>())
                if (candidate->buddy() == widget)
                    label = candidate->text();
            if (label.isEmpty() && !widget->accessibleDescription().isEmpty())
                for (QLabel* header : control(window, "linesWidget")->findChildren<QLabel*>())
                    if (header->objectName().endsWith("Header") &&
                        header->text() == widget->accessibleName())
                        label = header->text();
            if (widget->objectName() == "materialList")
                label = control<QGroupBox>(window, "materialGroup")->title();
            QVERIFY2(!label.isEmpty(), qPrintable(widget->objectName()));
            // On this desktop a combo box is announced by its entry, and its label through
            // the label relation or its description; elsewhere by the name given.
            QCOMPARE(qobject_cast<QComboBox*>(widget) ? widget->accessibleName() : nameOf(widget),
                     label);
            if (auto* list = qobject_cast<QComboBox*>(widget);
                list && list != control(window, "materialList"))
                QVERIFY(widget->accessibleDescription().startsWith(label + ", ligne "));
            ++named;
        }
        // 3 material fields and the list, 7 per line, the concentration and 5 results
        QCOMPARE(named, 4 + 2 * 7 + 1 + 5);
    }

    // The three-line plan, saved through its button and file dialog: one page carrying every
    // figure the window shows.
    void sheetOfThePlan() {
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        auto* save = control<QPushButton>(window, "saveSheet");
        QVERIFY(!save->isEnabled());
        chooseWithKeys(control<QComboBox>(window, "materialList"), 0);
        LineWidgets line = lineWidgets(window, 0);
        line.diameter->setText(QStringLiteral("2 1/2"));
        line.height->setText(QStringLiteral("3"));
        line.unit->setCurrentIndex(1);
        line.count->setValue(3);
        line.deduction->setText(QStringLiteral("12"));
        window.addFlaskLine();
        line = lineWidgets(window, 1);
        line.diameter->setText(regionalText("76.2"));
        line.height->setText(regionalText("101.6"));
        line.count->setValue(2);
        window.addFlaskLine();
        arrowTo(lineWidgets(window, 2).flask, 1);
        control<QGroupBox>(window, "specialGroup")->setChecked(true);
        control<QLineEdit>(window, "concentration")->setText(QStringLiteral("25"));
        QVERIFY(save->isEnabled());

        const QString path = loaded.dir.path() + QStringLiteral("/fiche");
        ModalAnswers answers;
        answers.then([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(!answers.gaveUp);
        QCOMPARE(answers.seen.size(), 1);
        QVERIFY(QFile::exists(path + QStringLiteral(".pdf")));

        const QString info = pdfTool(QStringLiteral("pdfinfo"), {path + ".pdf"});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"),
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));
        const QString text = pdfTool(QStringLiteral("pdftotext"), {path + ".pdf", "-"});
        QStringList shown = {control<QComboBox>(window, "materialList")->currentText()};
        for (QLineEdit* field : window.findChildren<QLineEdit*>())
            if (!field->text().isEmpty() && !qobject_cast<QComboBox*>(field->parent()) &&
                !qobject_cast<QSpinBox*>(field->parent()))
                shown << field->text();
        for (int i = 0; i < window.lineCount(); ++i)
            shown << QString::number(lineWidgets(window, i).count->value())
                  << lineWidgets(window, i).unit->currentText();
        // The material, its three fields and the concentration, the lines' sizes, tree and
        // volume (lines 2 and 3 have no tree), the five results, each line's count and unit.
        QCOMPARE(shown.size(), 1 + 4 + (4 + 3 + 3) + 5 + 3 * 2);
        for (const QString& figure : shown)
            QVERIFY2(text.contains(figure),
                     qPrintable(figure + QStringLiteral(" not in\n") + text));
        for (const char* label : {"Temps de malaxage (min)", "Liquide total (g)", "Brut",
                                  "Malaxage", "Coulée", "Prise"})
            QVERIFY2(text.contains(QString::fromUtf8(label)), label);
    }

    void timer_data() {
        QTest::addColumn<QByteArray>("materials");  // the catalogue when "Démarrer" is pressed
        QTest::addColumn<QString>("phaseAt150s");   // the phase 2 min 30 s after the start
        QTest::addColumn<QString>("problem");       // what the timer says instead, if anything
        QTest::addColumn<int>("report");            // the run-time report's number, 0 for none
        QTest::addColumn<bool>("removed");          // the catalogue gone instead
        const QByteArray rest = ",1.8,0.48,0.55\r\n";
        const auto row = [](const char* name, const QByteArray& materials, const char* phase,
                            const char* problem, int report, bool removed) {
            QTest::newRow(name) << materials << QString::fromUtf8(phase)
                                << QString::fromUtf8(problem) << report << removed;
        };
        row("times as the catalogue gives them", kMaterials, "Malaxage", "", 0, false);
        row("times changed since the choice", "\"P\",38,2,12,9" + rest, "Coulée", "", 0, false);
        row("pourable time after the gel", "\"P\",38,3,10,12" + rest, "", "temps", 0, false);
        row("mixing time missing", "\"P\",38,,10,8" + rest, "", "vide", 0, false);
        row("gel time not a number", "\"P\",38,3,\"dix\",8" + rest, "", "« dix »", 0, false);
        row("material no longer in the catalogue", "", "", "plus dans le catalogue", 0, false);
        row("catalogue removed", "", "", "pas pu être lu", 53, true);
    }

    // "Démarrer" reads the material's times again; bad ones are said in the timer, which does
    // not start. The clock is the test's.
    void timer() {
        QFETCH(QByteArray, materials);
        QFETCH(QString, phaseAt150s);
        QFETCH(QString, problem);
        QFETCH(int, report);
        QFETCH(bool, removed);
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        auto* timer = control<WorkingTimer>(window, "timer");
        std::chrono::milliseconds now{5'000'000};
        timer->setClock([&] { return now; });
        auto* start = timer->findChild<QPushButton*>(QStringLiteral("start"));
        QCOMPARE(QAccessible::queryAccessibleInterface(start)->text(QAccessible::Name),
                 QStringLiteral("Démarrer"));

        // No material yet: nothing to time.
        QTest::mouseClick(start, Qt::LeftButton);
        QVERIFY(!timer->isRunning());
        QVERIFY(
            timer->findChild<QLabel*>(QStringLiteral("problem"))->text().contains("revêtement"));

        chooseWithKeys(control<QComboBox>(window, "materialList"), 0);
        ModalAnswers answers;
        answers.then(press(QMessageBox::Ok));
        QVERIFY(removed ? loaded.dir.remove(QStringLiteral("Data/Mat.txt"))
                        : loaded.dir.write(QStringLiteral("Data/Mat.txt"), materials));
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(answers.seen.size(), report ? 1 : 0);
        if (report)
            QVERIFY(answers.seen[0].text.startsWith(
                QStringLiteral("Erreur d'exécution %1\n").arg(report)));
        QCOMPARE(timer->isRunning(), problem.isEmpty());
        const QString said = timer->findChild<QLabel*>(QStringLiteral("problem"))->text();
        QVERIFY2(problem.isEmpty() ? said.isEmpty() : said.contains(problem), qPrintable(said));

        now += std::chrono::seconds(150);
        timer->refresh();
        const QString phase = timer->findChild<QLabel*>(QStringLiteral("phase"))->text();
        QCOMPARE(phase, problem.isEmpty() ? phaseAt150s : QStringLiteral("Non démarré"));
        if (timer->isRunning()) {
            QTest::mouseClick(timer->findChild<QPushButton*>(QStringLiteral("stop")),
                              Qt::LeftButton);
            QVERIFY(!timer->isRunning());
        }
    }
};

QTEST_MAIN(TestPlanWindow)
#include "tst_plan_window.moc"
