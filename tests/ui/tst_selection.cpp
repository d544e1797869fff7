// The main window's handlers, driven through real clicks and key presses.
#include <QAccessible>

#include "ui/application.h"
#include "window_test_support.h"

namespace {

const char* const kFieldNames[] = {"Text1", "Text2", "Text3", "Text4",  "Text5",  "Text6",
                                   "Text7", "Text8", "Text9", "Text10", "Text11", "Text12"};

// Everything a user can see change: texts, list choices, options, enabling.
QStringList snapshot(QWidget& window) {
    QStringList state;
    for (const char* name : kFieldNames) {
        state << control<QLineEdit>(window, name)->text();
    }
    for (const char* name : {"Combo1", "Combo2"}) {
        auto* list = control<QComboBox>(window, name);
        state << list->currentText() << QString::number(list->currentIndex())
              << QString::number(list->isEnabled());
    }
    for (const char* name : {"Option2", "Option3", "Option4"}) {
        auto* option = control<QRadioButton>(window, name);
        state << QString::number(option->isChecked()) << QString::number(option->isEnabled());
    }
    return state;
}

QString text(QWidget& window, const char* name) {
    return control<QLineEdit>(window, name)->text();
}

}  // namespace

class TestSelection : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        setUpApplication(*qApp);
        // Each mouse choice waits this long for the opened list to accept a click.
        QApplication::setDoubleClickInterval(100);
    }

    void stages_data();
    void stages();
    void workedFigures_data();
    void workedFigures();
    void marginSwitching();
    void materialAfterFlask_data();
    void materialAfterFlask();
    void duplicateNamesByOrdinal_data();
    void duplicateNamesByOrdinal();
    void typingInListChangesNothing();
    void emptyMaterialCatalogue();
    void quitAnsweredNo();
    void aboutAtEveryStage_data();
    void aboutAtEveryStage();
    void aboutTwiceShowsTwoCards();
    void errorWhileRunning_data();
    void errorWhileRunning();
};

void TestSelection::stages_data() {
    QTest::addColumn<int>("stage");
    QTest::addColumn<bool>("flasksEnabled");
    QTest::addColumn<bool>("optionsEnabled");
    QTest::addColumn<int>("filledFields");
    QTest::newRow("start") << 0 << false << false << 0;
    QTest::newRow("material chosen") << 1 << true << false << 7;
    QTest::newRow("flask chosen") << 2 << true << true << 12;
}

void TestSelection::stages() {
    QFETCH(int, stage);
    QFETCH(bool, flasksEnabled);
    QFETCH(bool, optionsEnabled);
    QFETCH(int, filledFields);
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir));
    Selection window;
    QVERIFY(loadAndShow(window));
    auto* materials = control<QComboBox>(window, "Combo1");
    auto* flasks = control<QComboBox>(window, "Combo2");
    QCOMPARE(materials->count(), 2);
    QCOMPARE(flasks->count(), 2);
    if (stage == 0) {
        QCOMPARE(materials->currentIndex(), -1);
        QCOMPARE(materials->currentText(), QStringLiteral("Sélection du revêtement"));
        QCOMPARE(materials->lineEdit()->selectedText(), QStringLiteral("Sélection du revêtement"));
        QCOMPARE(flasks->currentText(), QStringLiteral("Sélection du cylindre"));
    }
    if (stage >= 1) {
        QVERIFY(chooseWithMouse(materials, 0));
    }
    if (stage >= 2) {
        QVERIFY(chooseWithMouse(flasks, 0));
    }
    QVERIFY(materials->isEnabled());
    QCOMPARE(flasks->isEnabled(), flasksEnabled);
    for (const char* name : {"Option2", "Option3", "Option4"}) {
        QCOMPARE(control<QRadioButton>(window, name)->isEnabled(), optionsEnabled);
    }
    QVERIFY(control<QRadioButton>(window, "Option2")->isChecked());
    int filled = 0;
    for (const char* name : kFieldNames) {
        auto* field = control<QLineEdit>(window, name);
        QVERIFY2(field->isReadOnly(), name);
        filled += field->text().isEmpty() ? 0 : 1;
    }
    QCOMPARE(filled, filledFields);
}

void TestSelection::workedFigures_data() {
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("flask");
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("withMouse");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("powder");
    QTest::addColumn<QString>("water");
    QTest::newRow("100x100, 1,8 g/cm3, 38 %, Brut, mouse") << 0 << 0 << "Option2" << true << "0,785"
                                                           << "1023"
                                                           << "389";
    QTest::newRow("100x100, 1,8 g/cm3, 38 %, Brut, keys") << 0 << 0 << "Option2" << false << "0,785"
                                                          << "1023"
                                                          << "389";
    QTest::newRow("100x100, 1,8 g/cm3, 38 %, + 5%") << 0 << 0 << "Option3" << true << "0,785"
                                                    << "1075"
                                                    << "408";
    QTest::newRow("100x100, 1,8 g/cm3, 38 %, +10% rounds down")
        << 0 << 0 << "Option4" << false << "0,785"
        << "1126"
        << "427";
    QTest::newRow("100x100, 1,75 g/cm3, 40 %, Brut exact") << 1 << 0 << "Option2" << true << "0,785"
                                                           << "981"
                                                           << "392";
    QTest::newRow("90x110 volume to 7 digits") << 0 << 1 << "Option2" << false << "0,699435"
                                               << "912"
                                               << "346";
}

void TestSelection::workedFigures() {
    QFETCH(int, material);
    QFETCH(int, flask);
    QFETCH(QString, option);
    QFETCH(bool, withMouse);
    QFETCH(QString, volume);
    QFETCH(QString, powder);
    QFETCH(QString, water);
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir));
    Selection window;
    QVERIFY(loadAndShow(window));
    auto* materials = control<QComboBox>(window, "Combo1");
    auto* flasks = control<QComboBox>(window, "Combo2");
    if (withMouse) {
        QVERIFY(chooseWithMouse(materials, material));
        QVERIFY(chooseWithMouse(flasks, flask));
    } else {
        chooseWithKeys(materials, material);
        chooseWithKeys(flasks, flask);
    }
    auto* margin = control<QRadioButton>(window, option.toLatin1().constData());
    if (!margin->isChecked()) {
        clickOption(margin);
    }
    QVERIFY(margin->isChecked());
    QCOMPARE(text(window, "Text10"), regional(volume));
    QCOMPARE(text(window, "Text11"), powder);
    QCOMPARE(text(window, "Text12"), water);
}

void TestSelection::marginSwitching() {
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir));
    Selection window;
    QVERIFY(loadAndShow(window));
    QVERIFY(chooseWithMouse(control<QComboBox>(window, "Combo1"), 0));
    QVERIFY(chooseWithMouse(control<QComboBox>(window, "Combo2"), 0));
    const QHash<QString, QStringList> expected = {
        {"Option2", {"1023", "389"}}, {"Option3", {"1075", "408"}}, {"Option4", {"1126", "427"}}};
    // Back and forth, so that a factor applied twice or kept from a previous call shows.
    for (const char* name :
         {"Option3", "Option4", "Option2", "Option4", "Option3", "Option3", "Option2", "Option3"}) {
        clickOption(control<QRadioButton>(window, name));
        const QStringList masses = {text(window, "Text11"), text(window, "Text12")};
        QCOMPARE(masses, expected.value(QLatin1String(name)));
    }
}

void TestSelection::materialAfterFlask_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("powder");
    QTest::addColumn<QString>("water");
    QTest::newRow("Brut") << "Option2"
                          << "981"
                          << "392";
    QTest::newRow("+ 5% kept") << "Option3"
                               << "1030"
                               << "412";
}

void TestSelection::materialAfterFlask() {
    QFETCH(QString, option);
    QFETCH(QString, powder);
    QFETCH(QString, water);
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir));
    Selection window;
    QVERIFY(loadAndShow(window));
    auto* materials = control<QComboBox>(window, "Combo1");
    QVERIFY(chooseWithMouse(materials, 0));
    QVERIFY(chooseWithMouse(control<QComboBox>(window, "Combo2"), 0));
    auto* margin = control<QRadioButton>(window, option.toLatin1().constData());
    clickOption(margin);
    QVERIFY(chooseWithMouse(materials, 1));
    QCOMPARE(text(window, "Text1"), QStringLiteral("40"));
    QCOMPARE(text(window, "Text5"), regional(QStringLiteral("1,75")));
    QCOMPARE(text(window, "Text8"), QStringLiteral("100"));
    QCOMPARE(text(window, "Text10"), regional(QStringLiteral("0,785")));
    QVERIFY(margin->isChecked());
    QCOMPARE(text(window, "Text11"), powder);
    QCOMPARE(text(window, "Text12"), water);
}

void TestSelection::duplicateNamesByOrdinal_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("water");
    QTest::addColumn<QString>("diameter");
    QTest::newRow("first of the twins") << 0 << "38"
                                        << "100";
    QTest::newRow("second of the twins") << 1 << "44"
                                         << "90";
    QTest::newRow("first again after the second") << -1 << "38"
                                                  << "100";
}

void TestSelection::duplicateNamesByOrdinal() {
    QFETCH(int, row);
    QFETCH(QString, water);
    QFETCH(QString, diameter);
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir,
                            "\"Jumeau\",38,3,10,8,1.8,0.48,0.55\r\n"
                            "\"Jumeau\",44,3,12,9,1.7,0.42,0.5\r\n",
                            "\"Cylindre\",100,100\r\n\"Cylindre\",90,110\r\n"));
    Selection window;
    QVERIFY(loadAndShow(window));
    auto* materials = control<QComboBox>(window, "Combo1");
    auto* flasks = control<QComboBox>(window, "Combo2");
    QCOMPARE(materials->itemText(0), materials->itemText(1));
    if (row < 0) {
        QVERIFY(chooseWithMouse(materials, 1));
        QVERIFY(chooseWithMouse(flasks, 1));
        row = 0;
    }
    QVERIFY(chooseWithMouse(materials, row));
    QVERIFY(chooseWithMouse(flasks, row));
    QCOMPARE(text(window, "Text1"), water);
    QCOMPARE(text(window, "Text8"), diameter);
}

void TestSelection::typingInListChangesNothing() {
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir));
    Selection window;
    QVERIFY(loadAndShow(window));
    auto* materials = control<QComboBox>(window, "Combo1");
    const QStringList before = snapshot(window);
    materials->lineEdit()->selectAll();
    QTest::keyClicks(materials->lineEdit(), QStringLiteral("Essai"));
    QTest::keyClick(materials->lineEdit(), Qt::Key_Return);
    QCOMPARE(materials->count(), 2);
    QCOMPARE(materials->currentText(), QStringLiteral("Essai"));
    QStringList after = snapshot(window);
    after[12] = before[12];  // the list's own text is what was typed
    QCOMPARE(after, before);
}

void TestSelection::emptyMaterialCatalogue() {
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir, QByteArray()));
    Selection window;
    QVERIFY(loadAndShow(window));
    auto* materials = control<QComboBox>(window, "Combo1");
    QCOMPARE(materials->count(), 0);
    QTest::keyClick(materials, Qt::Key_Down);
    QVERIFY(!control<QComboBox>(window, "Combo2")->isEnabled());
    QVERIFY(text(window, "Text1").isEmpty());
}

void TestSelection::quitAnsweredNo() {
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir));
    Selection window;
    QVERIFY(loadAndShow(window));
    QVERIFY(chooseWithMouse(control<QComboBox>(window, "Combo1"), 1));
    QVERIFY(chooseWithMouse(control<QComboBox>(window, "Combo2"), 1));
    clickOption(control<QRadioButton>(window, "Option4"));
    const QStringList before = snapshot(window);

    ModalAnswers answers;
    QString yesText, noText;
    bool yesDefault = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    answers.then([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box) {
            yesText = box->button(QMessageBox::Yes)->text().remove(QLatin1Char('&'));
            noText = box->button(QMessageBox::No)->text().remove(QLatin1Char('&'));
            yesDefault = box->defaultButton() == box->button(QMessageBox::Yes);
            icon = box->icon();
        }
        clickButton(modal, QMessageBox::No);
    });
    QTest::mouseClick(control<QPushButton>(window, "quitter"), Qt::LeftButton);
    QVERIFY(!answers.gaveUp());
    QCOMPARE(answers.seen().size(), 1);
    QCOMPARE(answers.seen().at(0).title, QStringLiteral("Confirmation"));
    QCOMPARE(answers.seen().at(0).text, QStringLiteral("Voulez vous vraiment quitter ?"));
    QCOMPARE(yesText, QStringLiteral("Oui"));
    QCOMPARE(noText, QStringLiteral("Non"));
    QVERIFY(yesDefault);
    QCOMPARE(icon, QMessageBox::Question);
    QVERIFY(window.isVisible());
    QCOMPARE(snapshot(window), before);
}

void TestSelection::aboutAtEveryStage_data() {
    QTest::addColumn<int>("stage");
    QTest::newRow("start") << 0;
    QTest::newRow("material chosen") << 1;
    QTest::newRow("flask chosen, +10%") << 2;
}

void TestSelection::aboutAtEveryStage() {
    QFETCH(int, stage);
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir));
    Selection window;
    QVERIFY(loadAndShow(window));
    if (stage >= 1) {
        QVERIFY(chooseWithMouse(control<QComboBox>(window, "Combo1"), 0));
    }
    if (stage >= 2) {
        QVERIFY(chooseWithMouse(control<QComboBox>(window, "Combo2"), 1));
        clickOption(control<QRadioButton>(window, "Option4"));
    }
    const QStringList before = snapshot(window);
    ModalAnswers answers;
    answers.then([](QWidget* card) {
        QTest::mouseClick(card->findChild<QWidget*>(QStringLiteral("lblVersion")), Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>(window, "Command3"), Qt::LeftButton);
    QVERIFY(!answers.gaveUp());
    QCOMPARE(answers.seen().size(), 1);
    QCOMPARE(answers.seen().at(0).objectName, QStringLiteral("Démarrage"));
    QCOMPARE(snapshot(window), before);
}

void TestSelection::aboutTwiceShowsTwoCards() {
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir));
    Selection window;
    QVERIFY(loadAndShow(window));
    int destroyed = 0;
    ModalAnswers answers;
    for (int i = 0; i < 2; ++i) {
        answers.then([&](QWidget* card) {
            connect(card, &QObject::destroyed, this, [&] { ++destroyed; });
            QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(150, 100));
        });
    }
    auto* about = control<QPushButton>(window, "Command3");
    QTest::mouseClick(about, Qt::LeftButton);
    QCOMPARE(destroyed, 1);
    QTest::mouseClick(about, Qt::LeftButton);
    QCOMPARE(destroyed, 2);
    QVERIFY(!answers.gaveUp());
    QCOMPARE(answers.seen().size(), 2);
}

void TestSelection::errorWhileRunning_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<QByteArray>("materials");
    QTest::addColumn<QByteArray>("flasks");
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("emptied");
    const QStringList materialFields = {"Text1", "Text2", "Text3",  "Text4", "Text5",
                                        "Text6", "Text7", "Text11", "Text12"};
    const QStringList flaskFields = {"Text8", "Text9", "Text10", "Text11", "Text12"};
    QTest::newRow("material file cut short")
        << "material" << QByteArray("\"A\",38,3\r\n") << kFlasks << 62 << materialFields;
    QTest::newRow("material file removed")
        << "material" << QByteArray() << kFlasks << 53 << materialFields;
    QTest::newRow("density not a number")
        << "material" << QByteArray("\"A\",38,3,10,8,\"lourd\",0.48,0.55\r\n") << kFlasks << 13
        << materialFields;
    QTest::newRow("flask file removed")
        << "flask" << kMaterials << QByteArray() << 53 << flaskFields;
    QTest::newRow("height not a number")
        << "flask" << kMaterials << QByteArray("\"C\",100,\"haut\"\r\n") << 13 << flaskFields;
    QTest::newRow("flask file cut short, tail after the record")
        << "flask" << kMaterials << QByteArray("\"C\",100,100\r\n\"D\",90\r\n") << 62
        << flaskFields;
    QTest::newRow("water -100 % divides by zero")
        << "material" << QByteArray("\"A\",-100,3,10,8,1.8,0.48,0.55\r\n") << kFlasks << 11
        << materialFields;
    QTest::newRow("margin on the emptied material fields")
        << "material, then margin" << QByteArray("\"A\",38,3\r\n") << kFlasks << 13
        << materialFields;
}

// The catalogues are good at start-up and a flask is chosen; then a file changes and the next
// choice fails. The report names the error, the handler's fields are empty, and a later choice
// on repaired files works again.
void TestSelection::errorWhileRunning() {
    QFETCH(QString, step);
    QFETCH(QByteArray, materials);
    QFETCH(QByteArray, flasks);
    QFETCH(int, number);
    QFETCH(QStringList, emptied);
    TempWorkDir dir;
    QVERIFY(writeCatalogues(dir));
    Selection window;
    QVERIFY(loadAndShow(window));
    auto* materialList = control<QComboBox>(window, "Combo1");
    auto* flaskList = control<QComboBox>(window, "Combo2");
    QVERIFY(chooseWithMouse(materialList, 0));
    QVERIFY(chooseWithMouse(flaskList, 0));
    QVERIFY(!text(window, "Text11").isEmpty());

    for (const auto& [path, bytes] : {std::pair{QStringLiteral("Data/Mat.txt"), materials},
                                      std::pair{QStringLiteral("Data/Cylindre.txt"), flasks}}) {
        if (bytes.isEmpty()) {
            QVERIFY(dir.remove(path));
        } else {
            QVERIFY(dir.write(path, bytes));
        }
    }
    ModalAnswers answers;
    answers.then([](QWidget* box) { clickButton(box, QMessageBox::Ok); });
    if (step == QLatin1String("flask")) {
        QVERIFY(chooseWithMouse(flaskList, 1));
    } else {
        QVERIFY(chooseWithMouse(materialList, 0));
    }
    if (step.endsWith(QLatin1String("margin"))) {
        // The flask is still shown, so the option recomputes from the now empty material fields.
        answers.then([](QWidget* box) { clickButton(box, QMessageBox::Ok); });
        clickOption(control<QRadioButton>(window, "Option4"));
        QCOMPARE(answers.seen().size(), 2);
    }
    QVERIFY(!answers.gaveUp());
    QVERIFY(!answers.seen().isEmpty());
    const ModalSeen& report = answers.seen().constLast();
    QCOMPARE(report.title, QStringLiteral("Gypsomix"));
    QCOMPARE(report.text, QStringLiteral("Erreur d'exécution %1").arg(number));
    QVERIFY(!report.informativeText.isEmpty());
    for (const QString& name : emptied) {
        QVERIFY2(text(window, name.toLatin1().constData()).isEmpty(), qPrintable(name));
    }
    QVERIFY(window.isVisible());

    // Still usable: with good files again, a choice shows the worked figures.
    QVERIFY(writeCatalogues(dir));
    clickOption(control<QRadioButton>(window, "Option2"));
    QVERIFY(chooseWithMouse(materialList, 0));
    QVERIFY(chooseWithMouse(flaskList, 0));
    QCOMPARE(text(window, "Text10"), regional(QStringLiteral("0,785")));
    QCOMPARE(text(window, "Text11"), QStringLiteral("1023"));
    QCOMPARE(text(window, "Text12"), QStringLiteral("389"));
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
