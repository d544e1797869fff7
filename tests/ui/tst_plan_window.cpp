// The casting plan's window, driven through the keyboard and the mouse; its figures must be the
// core's for the same inputs.
#include "../core_test_support.h"
#include "calc/plan.h"
#include "ui/number_format.h"
#include "ui/plan_editor.h"
#include "ui/plan_window.h"
#include "ui/working_timer.h"
#include "window_test_support.h"

namespace {

// A plan window on its own catalogues in its own working directory, listed and shown.
struct PlanLoaded {
    PlanEditor editor;
    explicit PlanLoaded(const QByteArray& materials = kMaterials) {
        if (writeCatalogues(dir, materials, kFlasks)) {
            window.show();
            window.loadCatalogues();
            ok = QTest::qWaitForWindowExposed(&window);
        }
    }
    TempWorkDir dir;
    PlanWindow window{editor};
    bool ok = false;
};

QComboBox* flaskOf(QWidget& window, int line) {
    return field<QComboBox>(window, line, QStringLiteral("Cylindre"));
}

// A text put in whole, as a paste would: the window hears it as typed.
void enter(QLineEdit* field, const QString& text) {
    field->setText(text);
    emit field->textEdited(text);
}

void turnOnSpecial(QWidget& window) {
    auto* special = control<QGroupBox>(window, "specialGroup");
    special->setChecked(true);
    emit special->clicked(true);
}

// Alt and the underlined letter; a button answers with an animated click, a moment later.
void pressMnemonic(QPushButton* button, Qt::Key key) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    QVERIFY(clicked.count() == 1 || clicked.wait(1000));
}

void arrowTo(QComboBox* list, int row) {
    list->setFocus(Qt::TabFocusReason);
    chooseWithKeys(list, row);
}

QStringList results(QWidget& window) {
    QStringList texts;
    for (const char* name : {"totalVolume", "powderMass", "waterMass", "specialMass", "splitWater"})
        texts << text(window, name);
    return texts;
}

QString message(QWidget& window) {
    return control<QLabel>(window, "message")->text();
}

QString reportHeading(int number) {
    return QStringLiteral("Erreur d'exécution %1\n").arg(number);
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
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // A new plan is not finished, which is no fault.
        QCOMPARE(results(window), QStringList(5));
        QVERIFY(message(window).contains(QStringLiteral("diamètre")));
        QVERIFY(marked(window).isEmpty());

        auto* materials = control<QComboBox>(window, "materialList");
        materials->setFocus(Qt::TabFocusReason);
        QTest::keyClick(materials, Qt::Key_Down);
        QCOMPARE(text(window, "density"), regional("1,8"));
        QCOMPARE(text(window, "mixWater"), QStringLiteral("38"));
        // Line 1, two tabs on: the catalogue's 90 x 110 flask, the second entry after "Autre".
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), flaskOf(window, 0));
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(flaskOf(window, 0), Qt::Key_Down);
        QCOMPARE(field(window, 0, QStringLiteral("Diamètre"))->text(), QStringLiteral("90"));

        // Line 2, added with Alt+A: three 2½ x 3 in flasks with 12 cm³ of tree each.
        pressMnemonic(control<QPushButton>(window, "addLine"), Qt::Key_A);
        QCOMPARE(QApplication::focusWidget(), flaskOf(window, 1));
        QCOMPARE(flaskOf(window, 1)->currentText(), QStringLiteral("Autre"));
        for (const char* typed :
             std::initializer_list<const char*>{"2 1/2", "3", nullptr, "3", "12"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (typed)
                typeInto(QApplication::focusWidget(), QString::fromUtf8(typed));
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // "po"
        }
        QCOMPARE(QApplication::focusWidget(),
                 field(window, 1, QStringLiteral("Arbre et socle (cm³)")));

        const gypsomix::NumberFormat format = regionalNumberFormat();
        const std::vector<gypsomix::PlanLine> lines = {
            {"90", "110", gypsomix::LengthUnit::millimetre, 1, ""},
            {"2 1/2", "3", gypsomix::LengthUnit::inch, 3, "12"},
        };
        control(window, "marginBrut")->setFocus(Qt::TabFocusReason);
        for (auto margin :
             {gypsomix::Margin::Brut, gypsomix::Margin::Plus5, gypsomix::Margin::Plus10}) {
            if (margin != gypsomix::Margin::Brut)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            gypsomix::PlanResult expected;
            NO_ERROR(expected = gypsomix::plan_masses(format.decimal == "," ? "1,8" : "1.8", "38",
                                                      lines, margin, format));
            for (int i = 0; i < 2; ++i)
                QCOMPARE(field(window, i, QStringLiteral("Volume (dm3)"))->text(),
                         fromStd(expected.flask_volumes[std::size_t(i)]));
            QCOMPARE(results(window),
                     (QStringList{fromStd(expected.volume), fromStd(expected.masses.powder),
                                  fromStd(expected.masses.water), QString(), QString()}));
            QCOMPARE(message(window), QString());
        }
    }

    void badEntry_data() {
        QTest::addColumn<QString>("input");  // the field given the text, then marked
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("said");  // what the message must say
        const auto row = [](const char* name, const char* input, const char* typed,
                            const char* said) {
            QTest::newRow(name) << QString::fromUtf8(input) << QString::fromUtf8(typed)
                                << QString::fromUtf8(said);
        };
        row("diameter not a number", "Diamètre", "abc", "« abc »");
        row("height not a number", "Hauteur", "10 cm", "« 10 cm »");
        row("tree larger than the flask", "Arbre et socle (cm³)", "900", "ligne 1");
        row("negative tree", "Arbre et socle (cm³)", "-1", "ligne 1");
        row("water not a number", "mixWater", "trente", "« trente »");
        row("concentration above 100", "concentration", "150", "« 150 »");
    }

    // A fault marks its field, says where in the window, empties every result, and opens no
    // dialog; putting it right brings the figures back.
    void badEntry() {
        QFETCH(QString, input);
        QFETCH(QString, typed);
        QFETCH(QString, said);
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        chooseWithKeys(control<QComboBox>(window, "materialList"), 0);
        arrowTo(flaskOf(window, 0), 1);  // 100 x 100
        turnOnSpecial(window);
        enter(control<QLineEdit>(window, "concentration"), QStringLiteral("25"));
        const QStringList good = results(window);
        QVERIFY(!good.contains(QString()));

        QLineEdit* target = field(window, 0, input);
        if (!target)
            target = control<QLineEdit>(window, qPrintable(input));
        const QString before = target->text();
        ModalAnswers answers;
        typeInto(target, typed);
        QCOMPARE(marked(window), QList<QWidget*>{target});
        QVERIFY2(message(window).contains(said, Qt::CaseInsensitive), qPrintable(message(window)));
        QCOMPARE(results(window), QStringList(5));
        QCOMPARE(field(window, 0, QStringLiteral("Volume (dm3)"))->text(), QString());
        QTest::qWait(50);
        QVERIFY(answers.seen.isEmpty());

        typeInto(target, before);
        QVERIFY(marked(window).isEmpty());
        QCOMPARE(results(window), good);
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
        const auto lines = [&] {
            QStringList seen;
            for (int i = 0; i < window.lineCount(); ++i)
                seen << field<QLabel>(window, i, QString())->text() + ':' +
                            field(window, i, QStringLiteral("Diamètre"))->text() + 'x' +
                            field(window, i, QStringLiteral("Hauteur"))->text() + '*' +
                            field<QSpinBox>(window, i, QStringLiteral("Nombre"))->text();
            return seen;
        };
        QVERIFY(!control(window, "removeLine")->isEnabled());
        typeInto(field(window, 0, QStringLiteral("Diamètre")), QStringLiteral("50"));
        enter(field(window, 0, QStringLiteral("Hauteur")), QStringLiteral("60"));
        field<QSpinBox>(window, 0, QStringLiteral("Nombre"))->setValue(2);
        press("duplicateLine", Qt::Key_U);
        press("addLine", Qt::Key_A);
        QCOMPARE(lines(), (QStringList{"1:50x60*2", "2:50x60*2", "3:x*1"}));
        QCOMPARE(window.currentLine(), 2);
        typeInto(field(window, 1, QStringLiteral("Hauteur")), QStringLiteral("70"));
        field(window, 0, QStringLiteral("Diamètre"))->setFocus(Qt::TabFocusReason);
        press("duplicateLine", Qt::Key_U);
        QCOMPARE(lines(), (QStringList{"1:50x60*2", "2:50x60*2", "3:50x70*2", "4:x*1"}));
        field<QSpinBox>(window, 2, QStringLiteral("Nombre"))->setFocus(Qt::TabFocusReason);
        press("removeLine", Qt::Key_S);
        QCOMPARE(lines(), (QStringList{"1:50x60*2", "2:50x60*2", "3:x*1"}));
        for (int i = 0; i < 2; ++i)
            press("removeLine", Qt::Key_S);
        QCOMPARE(window.lineCount(), 1);
        QVERIFY(!control(window, "removeLine")->isEnabled());
    }

    // The volumes before a material; the job's water from the catalogue at every choice; the
    // special liquid named so, its two parts adding up to it.
    void materialAndLiquid() {
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        auto* materials = control<QComboBox>(window, "materialList");
        auto* water = control<QLineEdit>(window, "mixWater");
        QVERIFY(!water->isEnabled());
        arrowTo(flaskOf(window, 0), 1);
        QCOMPARE(text(window, "totalVolume"), regional("0,785"));
        QCOMPARE(text(window, "powderMass"), QString());
        QVERIFY(message(window).contains(QStringLiteral("revêtement")));
        chooseWithKeys(materials, 0);
        QCOMPARE(text(window, "powderMass"), QStringLiteral("1023"));
        typeInto(water, QStringLiteral("40"));
        // 1,8 g/cm3 at 40 %: 0,785 x 1,8 x 1000 / 1,4 = 1009,28... and 40 % of 1009
        QCOMPARE(text(window, "powderMass"), QStringLiteral("1009"));
        QCOMPARE(text(window, "waterMass"), QStringLiteral("403"));
        chooseWithKeys(materials, 1);
        chooseWithKeys(materials, 0);
        QCOMPARE(water->text(), QStringLiteral("38"));

        auto* group = control<QGroupBox>(window, "specialGroup");
        auto* waterLabel = control<QLabel>(window, "waterMassLabel");
        QCOMPARE(waterLabel->text(), QStringLiteral("Masse d'eau (g)"));
        QVERIFY(!control(window, "specialMass")->isVisible());
        group->setFocus(Qt::TabFocusReason);
        QTest::keyClick(group, Qt::Key_Space);
        QCOMPARE(waterLabel->text(), QStringLiteral("Liquide total (g)"));
        typeInto(control(window, "concentration"), regional("33,3"));
        // floor(389 x 33,3 / 100) = 129, and 389 - 129
        QCOMPARE(results(window).mid(2), (QStringList{"389", "129", "260"}));
        QTest::keyClick(group, Qt::Key_Space);
        QCOMPARE(waterLabel->text(), QStringLiteral("Masse d'eau (g)"));
        QVERIFY(!control(window, "specialMass")->isVisible());
    }

    void catalogueBroken_data() {
        QTest::addColumn<bool>("atStart");       // before the window lists it, else between choices
        QTest::addColumn<bool>("materialStep");  // the materials' file broken, else the flasks'
        QTest::addColumn<QByteArray>("bytes");   // the catalogue then; empty: removed
        QTest::addColumn<int>("number");
        const auto row = [](const char* name, bool atStart, bool material, const char* bytes,
                            int number) {
            QTest::newRow(name) << atStart << material << QByteArray(bytes) << number;
        };
        row("material file cut short", false, true, "\"A\",38,3\r\n", 62);
        row("material file removed", false, true, "", 53);
        row("flask file cut short", false, false, "\"C\",100\r\n", 62);
        row("flask file removed", false, false, "", 53);
        row("material file missing at start", true, true, "", 53);
    }

    // A catalogue broken between two choices: the numbered report, then a window that works.
    // One missing at start is reported; the other list and the window still serve.
    void catalogueBroken() {
        QFETCH(bool, atStart);
        QFETCH(bool, materialStep);
        QFETCH(QByteArray, bytes);
        QFETCH(int, number);
        ModalAnswers answers;
        answers.then(press(QMessageBox::Ok));
        PlanLoaded loaded(atStart ? bytes : kMaterials);
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        auto* materials = control<QComboBox>(window, "materialList");
        if (atStart) {
            QCOMPARE(materials->count(), 0);
            arrowTo(flaskOf(window, 0), 2);
            QCOMPARE(text(window, "totalVolume"), regional("0,699435"));
        } else {
            chooseWithKeys(materials, 0);
            arrowTo(flaskOf(window, 0), 1);
            QCOMPARE(text(window, "powderMass"), QStringLiteral("1023"));
            QVERIFY(materialStep ? writeCatalogues(loaded.dir, bytes, kFlasks)
                                 : writeCatalogues(loaded.dir, kMaterials, bytes));
            QVERIFY(chooseWithMouse(materialStep ? materials : flaskOf(window, 0),
                                    materialStep ? 1 : 2));
            QCOMPARE(text(window, "powderMass"), QString());
        }
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen[0].title, QStringLiteral("Gypsomix"));
        QVERIFY2(answers.seen[0].text.startsWith(reportHeading(number)),
                 qPrintable(answers.seen[0].text));
        if (!atStart) {
            QVERIFY(writeCatalogues(loaded.dir));
            chooseWithKeys(materials, 0);
            chooseWithKeys(materials, 1);
            arrowTo(flaskOf(window, 0), 2);
            arrowTo(flaskOf(window, 0), 1);
            QCOMPARE(results(window).mid(1, 2), (QStringList{"981", "392"}));
        }
    }

    // Every input and result answers to the label a sighted user reads beside or above it.
    void accessibleNames() {
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        PlanWindow& window = loaded.window;
        window.addFlaskLine();
        QStringList headers;
        for (QLabel* header : control(window, "linesWidget")->findChildren<QLabel*>())
            if (header->objectName().endsWith(QStringLiteral("Header")))
                headers << header->text();
        int named = 0;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const bool list = qobject_cast<QComboBox*>(widget);
            if (!list && !qobject_cast<QSpinBox*>(widget) &&
                (!qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget->parent()) ||
                 qobject_cast<QSpinBox*>(widget->parent())))
                continue;  // not an input, or the edit part of a box that the box names
            QString label = widget->objectName() == QStringLiteral("materialList")
                                ? control<QGroupBox>(window, "materialGroup")->title()
                                : QString();
            for (QLabel* candidate : window.findChildren<QLabel*>())
                if (candidate->buddy() == widget)
                    label = candidate->text();
            if (label.isEmpty() && headers.contains(widget->accessibleName()))
                label = widget->accessibleName();
            QVERIFY2(!label.isEmpty(), qPrintable(widget->objectName()));
            // On this desktop a combo box is announced by its entry and named by its label
            // relation or description; elsewhere by the name given.
            QCOMPARE(list ? widget->accessibleName()
                          : QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name),
                     label);
            if (list && widget->objectName().isEmpty())
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
        loaded.editor.replace(threeLines());
        turnOnSpecial(window);
        enter(control<QLineEdit>(window, "concentration"), QStringLiteral("25"));
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
        QCOMPARE(answers.seen.size(), 1);
        QVERIFY(pdfTool(QStringLiteral("pdfinfo"), {path + ".pdf"})
                    .contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"),
                                                 QRegularExpression::MultilineOption)));
        const QString text = pdfTool(QStringLiteral("pdftotext"), {path + ".pdf", "-"});
        QStringList shown = {control<QComboBox>(window, "materialList")->currentText(),
                             QStringLiteral("Liquide total (g)"), QStringLiteral("Coulée")};
        for (QLineEdit* edit : window.findChildren<QLineEdit*>())
            if (!edit->text().isEmpty() && !qobject_cast<QComboBox*>(edit->parent()) &&
                !qobject_cast<QSpinBox*>(edit->parent()))
                shown << edit->text();
        // The material, two labels, its three fields and the concentration, the lines' sizes,
        // tree and volume (lines 2 and 3 have no tree), the five results.
        QCOMPARE(shown.size(), 3 + 4 + (4 + 3 + 3) + 5);
        for (const QString& figure : shown)
            QVERIFY2(text.contains(figure),
                     qPrintable(figure + QStringLiteral(" not in\n") + text));
    }

    void timer_data() {
        QTest::addColumn<QByteArray>("materials");  // the catalogue when "Démarrer" is pressed
        QTest::addColumn<QString>("phase");         // 2 min 30 s after the start
        QTest::addColumn<QString>("problem");       // what the timer says instead, if anything
        QTest::addColumn<int>("report");            // the run-time report's number, 0 for none
        const QByteArray rest = ",1.8,0.48,0.55\r\n";
        const auto row = [](const char* name, const QByteArray& materials, const char* phase,
                            const char* problem, int report) {
            QTest::newRow(name) << materials << QString::fromUtf8(phase)
                                << QString::fromUtf8(problem) << report;
        };
        row("times as the catalogue gives them", kMaterials, "Malaxage", "", 0);
        row("times changed since the choice", "\"P\",38,2,12,9" + rest, "Coulée", "", 0);
        row("pourable time after the gel", "\"P\",38,3,10,12" + rest, "Non démarré", "temps", 0);
        row("mixing time missing", "\"P\",38,,10,8" + rest, "Non démarré", "vide", 0);
        row("gel time not a number", "\"P\",38,3,\"dix\",8" + rest, "Non démarré", "« dix »", 0);
        row("no longer in the catalogue", "", "Non démarré", "plus dans le catalogue", 0);
        row("catalogue removed", nullptr, "Non démarré", "pas pu être lu", 53);
    }

    // "Démarrer" reads the material's times again; bad ones are said in the timer, which does
    // not start. The clock is the test's.
    void timer() {
        QFETCH(QByteArray, materials);
        QFETCH(QString, phase);
        QFETCH(QString, problem);
        QFETCH(int, report);
        PlanLoaded loaded;
        QVERIFY(loaded.ok);
        auto* timer = control<WorkingTimer>(loaded.window, "timer");
        std::chrono::milliseconds now{5'000'000};
        timer->setClock([&] { return now; });
        auto* start = timer->findChild<QPushButton*>(QStringLiteral("start"));
        const auto said = [&](const char* label) {
            return timer->findChild<QLabel*>(QLatin1String(label))->text();
        };
        QTest::mouseClick(start, Qt::LeftButton);  // no material yet: nothing to time
        QVERIFY(!timer->isRunning() && said("problem").contains(QStringLiteral("revêtement")));

        chooseWithKeys(control<QComboBox>(loaded.window, "materialList"), 0);
        ModalAnswers answers;
        answers.then(press(QMessageBox::Ok));
        QVERIFY(materials.isNull() ? loaded.dir.remove(QStringLiteral("Data/Mat.txt"))
                                   : loaded.dir.write(QStringLiteral("Data/Mat.txt"), materials));
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(answers.seen.size(), report ? 1 : 0);
        QVERIFY(!report || answers.seen[0].text.startsWith(reportHeading(report)));
        QCOMPARE(timer->isRunning(), problem.isEmpty());
        QVERIFY2(problem.isEmpty() ? said("problem").isEmpty() : said("problem").contains(problem),
                 qPrintable(said("problem")));
        now += std::chrono::seconds(150);
        timer->refresh();
        QCOMPARE(said("phase"), phase);
    }
};

QTEST_MAIN(TestPlanWindow)
#include "tst_plan_window.moc"
