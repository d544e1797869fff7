// Both windows and the whole program, driven through real clicks and key presses.
#include "ui/demarrage.h"
#include "window_test_support.h"

namespace {

const char* const kFields[] = {"Text1", "Text2", "Text3", "Text4",  "Text5",  "Text6",
                               "Text7", "Text8", "Text9", "Text10", "Text11", "Text12"};
const char* const kOptions[] = {"Option2", "Option3", "Option4"};

QRadioButton* option(QWidget& window, int index) {
    return control<QRadioButton>(window, kOptions[index]);
}

// Everything a user can see change: texts, list choices, options, enabling.
QStringList snapshot(QWidget& window) {
    QStringList state;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* field = qobject_cast<QLineEdit*>(widget);
        auto* list = qobject_cast<QComboBox*>(widget);
        auto* option = qobject_cast<QRadioButton*>(widget);
        state << (field ? field->text()
                        : QString::number(list ? list->currentIndex()
                                               : option && option->isChecked())) +
                     QString::number(widget->isEnabled());
    }
    return state;
}

// The run-time error report: its number, then the detail.
bool isReport(const ModalSeen& seen, int number) {
    const QString heading = QStringLiteral("Erreur d'exécution %1\n").arg(number);
    return seen.title == QStringLiteral("Gypsomix") && seen.text.startsWith(heading) &&
           seen.text.size() > heading.size();
}

// The text a control shows and the width the style leaves it.
std::pair<QString, int> textAndRoom(QWidget* widget) {
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        // The label rect is sized to the text; the room is what lies right of its start.
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, box);
        return {box->title(), box->width() - label.left() - 8};
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        return {
            radio->text(),
            radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width()};
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return {button->text(),
                button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin)};
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return {label->text(), label->contentsRect().width()};
    }
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        return {list->currentText(), list->lineEdit()->contentsRect().width()};
    }
    return {};
}

}  // namespace

class TestWindows : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        setUpApplication(*qApp);
        // Each mouse choice waits this long for the opened list to accept a click.
        QApplication::setDoubleClickInterval(100);
    }

    void stages_data() {
        QTest::addColumn<int>("material");  // -1 for none chosen
        QTest::addColumn<int>("flask");
        QTest::addColumn<bool>("withMouse");
        QTest::addColumn<QString>("volume");
        // Powder and water for Brut, + 5%, +10%, then + 5% once the other material is chosen.
        QTest::addColumn<QStringList>("masses");
        QTest::newRow("start: materials only") << -1 << -1 << true << QString() << QStringList();
        QTest::newRow("material chosen: flasks too")
            << 0 << -1 << true << QString() << QStringList();
        QTest::newRow("100 x 100, 1,8 g/cm3, 38 %, mouse")
            << 0 << 0 << true << "0,785"
            << QStringList{"1023", "389", "1075", "408", "1126", "427", "1030", "412"};
        QTest::newRow("100 x 100, 1,75 g/cm3, 40 %, keys")
            << 1 << 0 << false << "0,785"
            << QStringList{"981", "392", "1030", "412", "1079", "431", "1075", "408"};
        QTest::newRow("90 x 110, volume to 7 digits, keys")
            << 0 << 1 << false << "0,699435"
            << QStringList{"912", "346", "957", "364", "1003", "381", "918", "367"};
    }

    // Each stage's enabling and figures; "A propos" and a "Non" to the question then change
    // nothing.
    void stages() {
        QFETCH(int, material);
        QFETCH(int, flask);
        QFETCH(bool, withMouse);
        QFETCH(QString, volume);
        QFETCH(QStringList, masses);
        Loaded loaded;
        QVERIFY(loaded.ok);
        Selection& window = loaded.window;
        auto* materials = control<QComboBox>(window, "Combo1");
        auto* flasks = control<QComboBox>(window, "Combo2");
        const auto choose = [&](QComboBox* list, int row) {
            return withMouse ? chooseWithMouse(list, row) : (chooseWithKeys(list, row), true);
        };
        if (material < 0) {
            QCOMPARE(materials->lineEdit()->selectedText(),
                     QStringLiteral("Sélection du revêtement"));
            QCOMPARE(flasks->currentText(), QStringLiteral("Sélection du cylindre"));
            // Typing in the list's text runs nothing and adds nothing.
            QTest::keyClicks(materials->lineEdit(), QStringLiteral("Essai"));
            QTest::keyClick(materials->lineEdit(), Qt::Key_Return);
            QCOMPARE(materials->count(), 2);
        } else {
            QVERIFY(choose(materials, material));
        }
        if (flask >= 0) {
            QVERIFY(choose(flasks, flask));
        }
        QVERIFY(materials->isEnabled());
        QCOMPARE(flasks->isEnabled(), material >= 0);
        int filled = 0;
        for (const char* name : kFields) {
            QVERIFY2(control<QLineEdit>(window, name)->isReadOnly(), name);
            filled += text(window, name).isEmpty() ? 0 : 1;
        }
        QCOMPARE(filled, flask >= 0 ? 12 : material >= 0 ? 7 : 0);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(option(window, i)->isEnabled(), flask >= 0);
            QCOMPARE(option(window, i)->isChecked(), i == 0);
        }
        if (flask >= 0) {
            QCOMPARE(text(window, "Text10"), regional(volume));
            // Back and forth, so that a factor applied twice or kept from an earlier call shows;
            // the options are one exclusive group, and clicking the selected one changes nothing.
            for (int chosen : {0, 1, 2, 0, 2, 1, 1}) {
                clickOption(option(window, chosen));
                for (int i = 0; i < 3; ++i) {
                    QCOMPARE(option(window, i)->isChecked(), i == chosen);
                }
                QCOMPARE(text(window, "Text11"), masses.at(2 * chosen));
                QCOMPARE(text(window, "Text12"), masses.at(2 * chosen + 1));
            }
            // The other material keeps the flask and the margin.
            QVERIFY(choose(materials, 1 - material));
            QCOMPARE(text(window, "Text11"), masses.at(6));
            QCOMPARE(text(window, "Text12"), masses.at(7));
        }

        const QStringList before = snapshot(window);
        ModalAnswers answers;
        answers.then([](QWidget* card) {
            QTest::mouseClick(card->findChild<QWidget*>(QStringLiteral("lblVersion")),
                              Qt::LeftButton);
        });
        answers.then(press(QMessageBox::No));
        QTest::mouseClick(control<QPushButton>(window, "Command3"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(window, "quitter"), Qt::LeftButton);
        QVERIFY(!answers.gaveUp);
        QCOMPARE(answers.seen.size(), 2);
        QCOMPARE(answers.seen.at(0).objectName, QStringLiteral("Démarrage"));
        const ModalSeen& question = answers.seen.at(1);
        QCOMPARE(question.title, QStringLiteral("Confirmation"));
        QCOMPARE(question.text, QStringLiteral("Voulez vous vraiment quitter ?\n"));
        QCOMPARE(question.buttons, (QStringList{"Non", "Oui"}));
        QVERIFY(window.isVisible());
        QCOMPARE(snapshot(window), before);
    }

    // Twin names: each entry reads its own record, also when going back to the first one.
    void duplicateNamesByOrdinal() {
        Loaded loaded("\"Jumeau\",38,3,10,8,1.8,0.48,0.55\r\n\"Jumeau\",44,3,12,9,1.7,0.42,0.5\r\n",
                      "\"Cylindre\",100,100\r\n\"Cylindre\",90,110\r\n");
        QVERIFY(loaded.ok);
        for (const auto& [row, water, diameter] :
             {std::tuple{1, "44", "90"}, std::tuple{0, "38", "100"}}) {
            QVERIFY(chooseWithMouse(control<QComboBox>(loaded.window, "Combo1"), row));
            QVERIFY(chooseWithMouse(control<QComboBox>(loaded.window, "Combo2"), row));
            QCOMPARE(text(loaded.window, "Text1"), QLatin1String(water));
            QCOMPARE(text(loaded.window, "Text8"), QLatin1String(diameter));
        }
    }

    void listsAfterLoad_data() {
        QTest::addColumn<QByteArray>("materials");
        QTest::addColumn<QByteArray>("flasks");
        QTest::addColumn<int>("materialCount");
        QTest::addColumn<int>("flaskCount");
        QTest::newRow("both catalogues") << kMaterials << kFlasks << 2 << 2;
        QTest::newRow("empty material catalogue") << QByteArray("") << kFlasks << 0 << 2;
        QTest::newRow("empty flask catalogue") << kMaterials << QByteArray("") << 2 << 0;
    }

    // After the card, each list holds its catalogue's entries and shows its prompt, nothing
    // chosen; an empty list does not open.
    void listsAfterLoad() {
        QFETCH(QByteArray, materials);
        QFETCH(QByteArray, flasks);
        QFETCH(int, materialCount);
        QFETCH(int, flaskCount);
        TempWorkDir dir;
        QVERIFY(writeCatalogues(dir, materials, flasks));
        // An empty catalogue is an existing, empty file.
        for (const auto& [path, bytes] :
             {std::pair{"Data/Mat.txt", materials}, std::pair{"Data/Cylindre.txt", flasks}}) {
            QVERIFY(!bytes.isEmpty() || dir.write(QLatin1String(path), bytes));
        }
        Selection window;
        ModalAnswers answers;
        answers.then([](QWidget* card) { QTest::keyClick(card, Qt::Key_Space); });
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(answers.seen.size(), 1);
        auto* materialList = control<QComboBox>(window, "Combo1");
        auto* flaskList = control<QComboBox>(window, "Combo2");
        QCOMPARE(materialList->count(), materialCount);
        QCOMPARE(flaskList->count(), flaskCount);
        QCOMPARE(materialList->currentIndex(), -1);
        QCOMPARE(flaskList->currentIndex(), -1);
        QCOMPARE(materialList->lineEdit()->selectedText(),
                 QStringLiteral("Sélection du revêtement"));
        QCOMPARE(flaskList->currentText(), QStringLiteral("Sélection du cylindre"));
        QVERIFY(!flaskList->isEnabled());
        QTest::keyClick(materialList, Qt::Key_F4);
        QCOMPARE(materialList->view()->isVisible(), materialCount > 0);
        materialList->hidePopup();
    }

    // A workshop's whole stock of materials and flasks: the last entries, chosen with the
    // keyboard in the open lists, show their own records, and their long names from the start.
    void largeCatalogues() {
        constexpr int kCount = 20000;
        QByteArray materials;
        QByteArray flasks;
        for (int i = 0; i < kCount - 1; ++i) {
            const QByteArray n = QByteArray::number(i + 1);
            materials += "\"Pl\xe2tre n\xb0 " + n + "\"," + QByteArray::number(20 + i % 20) +
                         ",3,10,8,1.8,0.48,0.55\r\n";
            flasks +=
                "\"Cylindre n\xb0 " + n + "\"," + QByteArray::number(30 + i % 100) + ",100\r\n";
        }
        materials +=
            "\"Rev\xeatement phosphat\xe9 pour coul\xe9"
            "e c\xe9ramique, grandes pi\xe8"
            "ces\","
            "47,3,10,8,1.8,0.48,0.55\r\n";
        flasks +=
            "\"Cylindre inox r\xe9"
            "fractaire, bride haute, \xd8 152,4 \xd7 203,2 mm\","
            "152.4,203.2\r\n";
        Loaded loaded(materials, flasks);
        QVERIFY(loaded.ok);
        Selection& window = loaded.window;
        auto* materialList = control<QComboBox>(window, "Combo1");
        auto* flaskList = control<QComboBox>(window, "Combo2");
        QCOMPARE(materialList->count(), kCount);
        QCOMPARE(flaskList->count(), kCount);
        QVERIFY(chooseLastWithKeys(materialList));
        QCOMPARE(materialList->currentIndex(), kCount - 1);
        QCOMPARE(text(window, "Text1"), QStringLiteral("47"));
        QVERIFY(chooseLastWithKeys(flaskList));
        QCOMPARE(flaskList->currentIndex(), kCount - 1);
        QCOMPARE(text(window, "Text8"), regional("152,4"));
        QCOMPARE(text(window, "Text9"), regional("203,2"));
        QCOMPARE(materialList->currentText(),
                 QStringLiteral("Revêtement phosphaté pour coulée céramique, grandes pièces"));
        for (QComboBox* list : {materialList, flaskList}) {
            QCOMPARE(list->lineEdit()->cursorPosition(), 0);
        }
    }

    void openListWidth_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("widestHasFewerLetters");  // than the name with the most
        QTest::newRow("three names, no scroll bar")
            << QStringList{"Plâtre fin", "Revêtement phosphaté, coulée céramique", "Plâtre dur"}
            << false;
        QStringList many;
        for (int i = 0; i < 40; ++i) {
            many << QStringLiteral("Plâtre à bijoux n° %1").arg(i + 1);
        }
        many[25] = QStringLiteral("Revêtement phosphaté pour coulée céramique, grandes pièces");
        QTest::newRow("forty names beside a scroll bar") << many << false;
        many[25] = QStringLiteral("Plâtre fin, lit filtré, tri illimité, lot n° 1111111111");
        many[7] = QStringLiteral("REVÊTEMENT « RAPIDE » MOULAGE MAQUETTES");
        QTest::newRow("capitals wider than more letters") << many << true;
    }

    // Every name in the open list fits in it, the widest one too.
    void openListWidth() {
        QFETCH(QStringList, names);
        QFETCH(bool, widestHasFewerLetters);
        QByteArray materials;
        for (const QString& name : names) {
            materials += '"' + name.toUtf8() + "\",38,3,10,8,1.8,0.48,0.55\r\n";
        }
        Loaded loaded(materials);
        QVERIFY(loaded.ok);
        auto* list = control<QComboBox>(loaded.window, "Combo1");
        const QFontMetrics metrics(list->font());
        const auto widest = std::max_element(names.begin(), names.end(), [&](auto& a, auto& b) {
            return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
        });
        const auto most = std::max_element(names.begin(), names.end(),
                                           [](auto& a, auto& b) { return a.size() < b.size(); });
        QCOMPARE(widest->size() < most->size(), widestHasFewerLetters);
        list->showPopup();
        QAbstractItemView* view = list->view();
        QVERIFY(QTest::qWaitFor([&] { return view->isVisible(); }, 2000));
        for (int row = 0; row < list->count(); ++row) {
            const QModelIndex entry = list->model()->index(row, 0);
            QVERIFY2(view->sizeHintForIndex(entry).width() <= view->viewport()->width(),
                     qPrintable(list->itemText(row)));
        }
        list->hidePopup();
    }

    void errorWhileRunning_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QByteArray>("materials");
        QTest::addColumn<QByteArray>("flasks");
        QTest::addColumn<int>("number");
        QTest::newRow("material file cut short")
            << "material" << QByteArray("\"A\",38,3\r\n") << kFlasks << 62;
        QTest::newRow("density not a number")
            << "material" << QByteArray("\"A\",38,3,10,8,\"lourd\",0.48,0.55\r\n") << kFlasks << 13;
        QTest::newRow("flask file removed") << "flask" << kMaterials << QByteArray() << 53;
    }

    // Good catalogues at start-up and a flask chosen; then a file changes and the next choice
    // fails: a report, the handler's fields and the masses emptied, the window still usable.
    void errorWhileRunning() {
        QFETCH(QString, step);
        QFETCH(QByteArray, materials);
        QFETCH(QByteArray, flasks);
        QFETCH(int, number);
        Loaded loaded;
        QVERIFY(loaded.ok);
        Selection& window = loaded.window;
        auto* materialList = control<QComboBox>(window, "Combo1");
        auto* flaskList = control<QComboBox>(window, "Combo2");
        QVERIFY(chooseWithMouse(materialList, 0));
        QVERIFY(chooseWithMouse(flaskList, 0));
        QVERIFY(writeCatalogues(loaded.dir, materials, flasks));
        ModalAnswers answers;
        answers.then(press(QMessageBox::Ok));
        QVERIFY(chooseWithMouse(step == "flask" ? flaskList : materialList, step == "flask"));
        QVERIFY(!answers.gaveUp);
        QCOMPARE(answers.seen.size(), 1);
        QVERIFY(isReport(answers.seen.at(0), number));
        const auto emptied =
            step == "flask" ? QList<int>{7, 8, 9, 10, 11} : QList<int>{0, 1, 2, 3, 4, 5, 6, 10, 11};
        for (int i : emptied) {
            QVERIFY2(text(window, kFields[i]).isEmpty(), kFields[i]);
        }
        QVERIFY(writeCatalogues(loaded.dir));
        chooseWithKeys(materialList, 1);
        chooseWithKeys(flaskList, 0);
        clickOption(option(window, 0));
        QCOMPARE(text(window, "Text11"), QStringLiteral("981"));
        QCOMPARE(text(window, "Text12"), QStringLiteral("392"));
    }

    void program_data() {
        QTest::addColumn<QByteArray>("materials");
        QTest::addColumn<QByteArray>("flasks");
        QTest::addColumn<int>("number");  // of the report at start-up, 0 for none
        QTest::newRow("Oui ends the program") << kMaterials << kFlasks << 0;
        QTest::newRow("no material file") << QByteArray() << kFlasks << 53;
        QTest::newRow("flask record cut short") << kMaterials << QByteArray("\"C\",100\r\n") << 62;
    }

    // The program as main() runs it: the card alone first, then the window or the report.
    void program() {
        QFETCH(QByteArray, materials);
        QFETCH(QByteArray, flasks);
        QFETCH(int, number);
        TempWorkDir dir;
        QVERIFY(writeCatalogues(dir, materials, flasks));
        QObject scope;  // the timers below die with this test
        QTimer::singleShot(30000, &scope, [] { QCoreApplication::exit(99); });
        QTimer::singleShot(300, &scope, [] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QStringLiteral("Sélection") && top->isVisible()) {
                    QTest::mouseClick(control<QPushButton>(*top, "quitter"), Qt::LeftButton);
                }
            }
        });
        ModalAnswers answers;
        answers.then([](QWidget* card) { QTest::keyClick(card, Qt::Key_Return); });
        answers.then(press(number == 0 ? QMessageBox::Yes : QMessageBox::Ok));
        const int status = runProgram(*qApp);
        QVERIFY(status != 99);
        QCOMPARE(status == 0, number == 0);
        QVERIFY(!answers.gaveUp);
        QCOMPARE(answers.seen.size(), 2);
        QCOMPARE(answers.seen.at(0).objectName, QStringLiteral("Démarrage"));
        QVERIFY(!answers.seen.at(0).mainWindowVisible);
        const ModalSeen& second = answers.seen.at(1);
        QCOMPARE(second.mainWindowVisible, number == 0);
        QVERIFY(number == 0 ? second.title == QStringLiteral("Confirmation")
                            : isReport(second, number));
    }

    // Every text fits its control, each field is announced by the label it is the buddy of, and
    // the pictures are named and drawn from as many pixels as the screen has.
    void layout() {
        Loaded loaded;
        QVERIFY(loaded.ok);
        Demarrage card;
        int texts = 0;
        for (QWidget* top : {static_cast<QWidget*>(&loaded.window), static_cast<QWidget*>(&card)}) {
            for (QWidget* widget : top->findChildren<QWidget*>()) {
                const auto [text, room] = textAndRoom(widget);
                const QFontMetrics metrics(widget->font());
                const QString what = widget->objectName() + QStringLiteral(": ") + text;
                QVERIFY2(metrics.horizontalAdvance(text) <= room, qPrintable(what));
                QVERIFY2(text.isEmpty() || metrics.height() <= widget->height(), qPrintable(what));
                texts += !text.isEmpty();
            }
        }
        QVERIFY(texts >= 27);  // labels, frames, options, buttons, list prompts, the card's labels
        const auto nameOf = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        int buddies = 0;
        for (QLabel* label : loaded.window.findChildren<QLabel*>()) {
            if (auto* field = qobject_cast<QLineEdit*>(label->buddy())) {
                QCOMPARE(nameOf(field), label->text());
                ++buddies;
            }
        }
        QCOMPARE(buddies, 12);
        QCOMPARE(nameOf(control(loaded.window, "Text1")), QStringLiteral("Eau utilisée (%)"));
        const qreal ratio = loaded.window.devicePixelRatioF();
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR") == "2" ? 2.0 : 1.0);
        QVERIFY(!nameOf(control(card, "Image2")).isEmpty());
        for (const auto& [name, doubled] :
             {std::pair{"Picture1", true}, std::pair{"Picture2", true},
              std::pair{"Image2", false}}) {
            auto* picture = control<QLabel>(loaded.window, name);
            QVERIFY2(!nameOf(picture).isEmpty(), name);
            QVERIFY2(picture->pixmap().width() >= picture->contentsRect().width() * ratio, name);
            // The 50 by 50 pictures have a source at twice the pixels; the logo one large size.
            QCOMPARE(picture->pixmap().devicePixelRatio(), doubled ? ratio : 1.0);
        }
    }

    // Once every control is enabled, Tab goes round them all; the options are one stop.
    void tabOrderFromQuitter() {
        Loaded loaded;
        QVERIFY(loaded.ok);
        chooseWithKeys(control<QComboBox>(loaded.window, "Combo1"), 0);
        chooseWithKeys(control<QComboBox>(loaded.window, "Combo2"), 0);
        loaded.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&loaded.window));
        control(loaded.window, "quitter")->setFocus(Qt::TabFocusReason);
        QStringList reached;
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reached, (QStringList{"Text1",    "Text2",  "Text3",   "Text4",    "Text5",
                                       "Text6",    "Text7",  "Text8",   "Text9",    "Text10",
                                       "Text11",   "Text12", "Option2", "Command3", "Picture1",
                                       "Picture2", "Combo1", "Combo2",  "quitter",  "Text1"}));
    }

    void cardCloses_data() {
        QTest::addColumn<int>("key");         // 0 for a click
        QTest::addColumn<QString>("target");  // the control clicked, or the card
        QTest::addColumn<QPoint>("point");    // in it, its centre if none; the frame starts 8 in
        QTest::addColumn<bool>("closes");
        QTest::newRow("letter") << int(Qt::Key_A) << QString() << QPoint() << true;
        QTest::newRow("left arrow") << int(Qt::Key_Left) << QString() << QPoint() << false;
        QTest::newRow("empty part of the frame") << 0 << QString() << QPoint(258, 90) << true;
        QTest::newRow("click to continue") << 0 << "Label3" << QPoint() << true;
        QTest::newRow("strip on the left") << 0 << QString() << QPoint(3, 110) << false;
        QTest::newRow("strip at the bottom") << 0 << QString() << QPoint(150, 219) << false;
    }

    void cardCloses() {
        QFETCH(int, key);
        QFETCH(QString, target);
        QFETCH(QPoint, point);
        QFETCH(bool, closes);
        Selection owner;
        ModalAnswers answers;
        bool stillOpen = false;
        answers.then([&](QWidget* card) {
            QVERIFY(QTest::qWaitForWindowExposed(card));
            QWidget* at = target.isEmpty() ? card : card->findChild<QWidget*>(target);
            key ? QTest::keyClick(card, Qt::Key(key))
                : QTest::mouseClick(at, Qt::LeftButton, {}, point);
            QTest::qWait(20);
            stillOpen = card->isVisible();
            if (stillOpen) {
                QTest::keyClick(card, Qt::Key_Space);
            }
        });
        Demarrage card(&owner);
        card.exec();
        QVERIFY(!answers.gaveUp);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(stillOpen, !closes);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
