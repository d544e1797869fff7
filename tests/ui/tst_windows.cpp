// Both windows and the whole program, driven through real clicks and key presses.
#include "ui/demarrage.h"
#include "window_test_support.h"

namespace {

const char* const kFields[] = {"Text1", "Text2", "Text3", "Text4",  "Text5",  "Text6",
                               "Text7", "Text8", "Text9", "Text10", "Text11", "Text12"};

QRadioButton* option(QWidget& window, int index) {
    const char* const names[] = {"Option2", "Option3", "Option4"};
    return control<QRadioButton>(window, names[index]);
}

// Everything a user can see change: texts, list choices, options, enabling.
QStringList snapshot(QWidget& window) {
    QStringList state;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        for (const char* property : {"text", "currentIndex", "checked", "enabled"}) {
            state << widget->property(property).toString();
        }
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
    QStyle* style = widget->style();
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        // The label rect is sized to the text; the room is what lies right of its start.
        return {
            box->title(),
            box->width() - 8 -
                style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box)
                    .left()};
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        return {radio->text(),
                style->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width()};
    }
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return {button->text(), button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin)};
    if (auto* label = qobject_cast<QLabel*>(widget))
        return {label->text(), label->contentsRect().width()};
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return {list->currentText(), list->lineEdit()->contentsRect().width()};
    return {};
}

// A window loaded as in Loaded, with its two lists.
struct Window : Loaded {
    using Loaded::Loaded;
    QComboBox* materials = control<QComboBox>(window, "Combo1");
    QComboBox* flasks = control<QComboBox>(window, "Combo2");
};

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
        Window loaded;
        QVERIFY(loaded.ok);
        Selection& window = loaded.window;
        ModalAnswers answers;  // an unexpected report is closed, and counted below
        const auto choose = [&](QComboBox* list, int row) {
            return withMouse ? chooseWithMouse(list, row) : (chooseWithKeys(list, row), true);
        };
        if (material < 0) {
            QCOMPARE(loaded.materials->lineEdit()->selectedText(),
                     QStringLiteral("Sélection du revêtement"));
            QCOMPARE(loaded.flasks->currentText(), QStringLiteral("Sélection du cylindre"));
            // Typing in the list's text runs nothing and adds nothing.
            QTest::keyClicks(loaded.materials->lineEdit(), QStringLiteral("Essai"));
            QTest::keyClick(loaded.materials->lineEdit(), Qt::Key_Return);
            QCOMPARE(loaded.materials->count(), 2);
        } else {
            QVERIFY(choose(loaded.materials, material));
        }
        if (flask >= 0)
            QVERIFY(choose(loaded.flasks, flask));
        QCOMPARE(loaded.flasks->isEnabled(), material >= 0);
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
            // Back and forth, so that a factor applied twice or kept from an earlier call, or two
            // options checked at once, shows; clicking the selected one changes nothing.
            for (int chosen : {0, 1, 2, 0, 2, 1, 1}) {
                clickOption(option(window, chosen));
                QCOMPARE(text(window, "Text11"), masses.at(2 * chosen));
                QCOMPARE(text(window, "Text12"), masses.at(2 * chosen + 1));
            }
            // The other material keeps the flask and the margin.
            QVERIFY(choose(loaded.materials, 1 - material));
            QCOMPARE(text(window, "Text11"), masses.at(6));
            QCOMPARE(text(window, "Text12"), masses.at(7));
        }

        const QStringList before = snapshot(window);
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
        QCOMPARE(question.title + ": " + question.text,
                 QStringLiteral("Confirmation: Voulez vous vraiment quitter ?\n"));
        QCOMPARE(question.buttons, (QStringList{"Non", "Oui"}));
        QVERIFY(window.isVisible());
        QCOMPARE(snapshot(window), before);
    }

    void lists_data() {
        QTest::addColumn<QStringList>("materials");
        QTest::addColumn<QByteArray>("flasks");
        // The first and last names are twins: only the ordinal tells their records apart.
        const QString twin =
            QStringLiteral("Revêtement phosphaté pour coulée céramique, grandes pièces");
        QStringList names{twin};
        for (int i = 1; i < 39; ++i) {
            names << QStringLiteral("Plâtre à bijoux n° %1").arg(i + 1);
        }
        names[25] = QStringLiteral("Plâtre fin, lit filtré, tri illimité, lot n° 1111111111");
        names[7] =
            QStringLiteral("REVÊTEMENT « RAPIDE » MOULAGE MAQUETTES");  // wider, fewer letters
        QTest::newRow("forty names beside a scroll bar") << names + QStringList{twin} << kFlasks;
        for (int i = 39; i < 19999; ++i) {
            names << QStringLiteral("Plâtre n° %1").arg(i + 1);
        }
        QTest::newRow("a workshop's whole stock") << names + QStringList{twin} << kFlasks;
        QTest::newRow("empty catalogues") << QStringList() << QByteArray("");
    }

    // After the card, each list holds its catalogue's entries, and every name fits in the open
    // list; an empty list does not open. The last entry, chosen with the keyboard in the open
    // list, shows its own record and its name from the start; then the first one its own.
    void lists() {
        QFETCH(QStringList, materials);
        QFETCH(QByteArray, flasks);
        QByteArray records;
        for (int row = 0; row < materials.size(); ++row) {
            const int water = row == materials.size() - 1 ? 47 : 20 + row % 20;
            records += '"' + materials[row].toUtf8() + "\"," + QByteArray::number(water) +
                       ",3,10,8,1.8,0.48,0.55\r\n";
        }
        TempWorkDir dir;
        QVERIFY(dir.write("Data/Mat.txt", records) && dir.write("Data/Cylindre.txt", flasks));
        Selection window;
        ModalAnswers answers;
        answers.then([](QWidget* card) { QTest::keyClick(card, Qt::Key_Space); });
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = control<QComboBox>(window, "Combo1");
        QCOMPARE(list->count(), materials.size());
        QCOMPARE(control<QComboBox>(window, "Combo2")->count(), flasks.count('\n'));
        QTest::keyClick(list, Qt::Key_F4);
        QAbstractItemView* view = list->view();
        QCOMPARE(view->isVisible(), !materials.isEmpty());
        for (int row = 0; row < list->count(); ++row) {
            const QModelIndex entry = list->model()->index(row, 0);
            QVERIFY2(view->sizeHintForIndex(entry).width() <= view->viewport()->width(),
                     qPrintable(list->itemText(row)));
        }
        if (materials.isEmpty())
            return;
        QTest::keyClick(view, Qt::Key_End);
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(list->currentIndex(), materials.size() - 1);
        QCOMPARE(text(window, "Text1"), QStringLiteral("47"));
        QCOMPARE(list->currentText(), materials.last());
        QCOMPARE(list->lineEdit()->cursorPosition(), 0);
        QTest::keyClick(list, Qt::Key_F4);
        QTest::keyClick(view, Qt::Key_Home);
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(text(window, "Text1"), QStringLiteral("20"));
    }

    void errorWhileRunning_data() {
        QTest::addColumn<bool>("flask");  // the list chosen after the change
        QTest::addColumn<QByteArray>("materials");
        QTest::addColumn<QByteArray>("flasks");
        QTest::addColumn<int>("number");
        QTest::newRow("material file cut short")
            << false << QByteArray("\"A\",38,3\r\n") << kFlasks << 62;
        QTest::newRow("density not a number")
            << false << QByteArray("\"A\",38,3,10,8,\"lourd\",0.48,0.55\r\n") << kFlasks << 13;
        QTest::newRow("flask file removed") << true << kMaterials << QByteArray() << 53;
    }

    // Good catalogues at start-up and a flask chosen; then a file changes and the next choice
    // fails: a report, the handler's fields and the masses emptied, the window still usable.
    void errorWhileRunning() {
        QFETCH(bool, flask);
        QFETCH(QByteArray, materials);
        QFETCH(QByteArray, flasks);
        QFETCH(int, number);
        Window loaded;
        QVERIFY(loaded.ok);
        QVERIFY(chooseWithMouse(loaded.materials, 0));
        QVERIFY(chooseWithMouse(loaded.flasks, 0));
        QVERIFY(writeCatalogues(loaded.dir, materials, flasks));
        ModalAnswers answers;
        answers.then(press(QMessageBox::Ok));
        QVERIFY(chooseWithMouse(flask ? loaded.flasks : loaded.materials, flask));
        QVERIFY(!answers.gaveUp);
        QCOMPARE(answers.seen.size(), 1);
        QVERIFY(isReport(answers.seen.at(0), number));
        for (int i :
             flask ? QList<int>{7, 8, 9, 10, 11} : QList<int>{0, 1, 2, 3, 4, 5, 6, 10, 11}) {
            QVERIFY2(text(loaded.window, kFields[i]).isEmpty(), kFields[i]);
        }
        QVERIFY(writeCatalogues(loaded.dir));
        chooseWithKeys(loaded.materials, 1);
        chooseWithKeys(loaded.flasks, 0);
        QCOMPARE(text(loaded.window, "Text11"), QStringLiteral("981"));
        QCOMPARE(text(loaded.window, "Text12"), QStringLiteral("392"));
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

    // Every text fits its control, each field is announced by the label it is the buddy of, the
    // pictures are named and drawn from as many pixels as the screen has, and once every control
    // is enabled, Tab goes round them all with the options as one stop.
    void layout() {
        Window loaded;
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
        chooseWithKeys(loaded.materials, 0);
        chooseWithKeys(loaded.flasks, 0);
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
        QTest::addColumn<int>("key");       // 0 for a click
        QTest::addColumn<QPoint>("point");  // clicked on the card; its frame starts 8 in
        QTest::addColumn<bool>("closes");
        QTest::newRow("letter") << int(Qt::Key_A) << QPoint() << true;
        QTest::newRow("left arrow") << int(Qt::Key_Left) << QPoint() << false;
        QTest::newRow("empty part of the frame") << 0 << QPoint(258, 90) << true;
        QTest::newRow("strip on the left") << 0 << QPoint(3, 110) << false;
    }

    void cardCloses() {
        QFETCH(int, key);
        QFETCH(QPoint, point);
        QFETCH(bool, closes);
        Demarrage card;
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        key ? QTest::keyClick(&card, Qt::Key(key))
            : QTest::mouseClick(&card, Qt::LeftButton, {}, point);
        QCOMPARE(card.isVisible(), !closes);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
