// The main window's static layout: texts that fit, stacking, focus order, accessibility,
// pictures at any pixel ratio.
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include "ui/application.h"
#include "ui/demarrage.h"
#include "window_test_support.h"

namespace {

// The width a text may take in its control, as the style lays the control out.
int roomFor(QWidget* widget) {
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        // The label rect is sized to the text; the room is what lies right of its start.
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, box);
        return box->width() - label.left() - 8;
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        return radio->style()
            ->subElementRect(QStyle::SE_RadioButtonContents, &option, radio)
            .width();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        return button->width() - 2 * margin;
    }
    return widget->contentsRect().width();
}

QString textOf(QWidget* widget) {
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        return box->title();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    return qobject_cast<QLabel*>(widget)->text();
}

void checkTextsFit(QWidget& window) {
    QList<QWidget*> texts;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (qobject_cast<QGroupBox*>(w) || qobject_cast<QAbstractButton*>(w) ||
            (qobject_cast<QLabel*>(w) && !qobject_cast<QLabel*>(w)->text().isEmpty())) {
            texts << w;
        }
    }
    QVERIFY(texts.size() > 5);
    for (QWidget* w : texts) {
        const QString text = textOf(w);
        if (text.isEmpty()) {
            continue;
        }
        const QFontMetrics metrics(w->font());
        const QString what = w->objectName() + QStringLiteral(": ") + text;
        QVERIFY2(metrics.horizontalAdvance(text) <= roomFor(w), qPrintable(what));
        QVERIFY2(metrics.height() <= w->height(), qPrintable(what));
    }
}

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        setUpApplication(*qApp);
        QVERIFY(m_dir.isValid());
        QVERIFY(writeCatalogues(m_dir));
    }

    void window();
    void controls_data();
    void controls();
    void textsFit();
    void cardTextsFit();
    void nothingOverlaps();
    void optionsInFrontOfTheirFrame_data();
    void optionsInFrontOfTheirFrame();
    void optionsExclusive_data();
    void optionsExclusive();
    void tabOrderFromQuitter();
    void fullTabOrder();
    void accessibleNames_data();
    void accessibleNames();
    void pictures_data();
    void pictures();

  private:
    TempWorkDir m_dir;
};

void TestLayout::window() {
    Selection window;
    QVERIFY(loadAndShow(window));
    QCOMPARE(window.objectName(), QStringLiteral("Sélection"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Gypsomix"));
    QCOMPARE(window.size(), QSize(506, 367));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());
}

void TestLayout::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    const QStringList inFrame1 = {"Text1",  "Text2",  "Text3",  "Text4",   "Text5",  "Text6",
                                  "Text7",  "Label1", "Label2", "Label3",  "Label4", "Label5",
                                  "Label6", "Label7", "Combo1", "Picture1"};
    const QStringList inFrame2 = {"Text8",  "Text9",   "Text10", "Label8",
                                  "Label9", "Label10", "Combo2", "Picture2"};
    const QStringList inFrame3 = {"Text11", "Text12", "Label11", "Label12"};
    const QStringList inWindow = {"Frame1",  "Frame2",  "Frame3",   "Option2", "Option3",
                                  "Option4", "quitter", "Command3", "Image2"};
    for (const auto& [names, container] : {std::pair{inFrame1, QStringLiteral("Frame1")},
                                           std::pair{inFrame2, QStringLiteral("Frame2")},
                                           std::pair{inFrame3, QStringLiteral("Frame3")},
                                           std::pair{inWindow, QStringLiteral("Sélection")}}) {
        for (const QString& name : names) {
            QTest::newRow(qPrintable(name)) << name << container;
        }
    }
}

void TestLayout::controls() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    Selection window;
    QVERIFY(loadAndShow(window));
    auto* widget = window.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QVERIFY(widget->isVisible());
    QVERIFY(window.rect().contains(QRect(widget->mapTo(&window, QPoint()), widget->size())));
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        QVERIFY(field->isReadOnly());
        QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        const bool mass = name == QLatin1String("Text11") || name == QLatin1String("Text12");
        QCOMPARE(field->font().bold(), mass);
        QCOMPARE(field->palette().color(QPalette::Text) == QColor(0, 0, 192), mass);
    }
}

void TestLayout::textsFit() {
    Selection window;
    QVERIFY(loadAndShow(window));
    checkTextsFit(window);
    // The prompts of the lists fit their edit part.
    for (const char* name : {"Combo1", "Combo2"}) {
        auto* list = control<QComboBox>(window, name);
        const QString prompt = list->currentText();
        QVERIFY(prompt.startsWith(QStringLiteral("Sélection du")));
        QVERIFY2(QFontMetrics(list->font()).horizontalAdvance(prompt) <=
                     list->lineEdit()->contentsRect().width(),
                 name);
    }
}

void TestLayout::cardTextsFit() {
    Demarrage card;
    checkTextsFit(card);
    auto* frame = card.findChild<QWidget*>(QStringLiteral("Frame1"));
    for (QWidget* child : frame->findChildren<QWidget*>()) {
        QVERIFY2(frame->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
}

void TestLayout::nothingOverlaps() {
    Selection window;
    QVERIFY(loadAndShow(window));
    QList<QWidget*> parents = {&window};
    for (QGroupBox* box : window.findChildren<QGroupBox*>()) {
        parents << box;
    }
    const QStringList overFrame3 = {"Option2", "Option3", "Option4"};
    for (QWidget* parent : parents) {
        const QList<QWidget*> children =
            parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* a : children) {
            if (a->isWindow() || a->objectName().startsWith(QLatin1String("qt_"))) {
                continue;
            }
            QVERIFY2(parent->rect().contains(a->geometry()), qPrintable(a->objectName()));
            for (QWidget* b : children) {
                if (a == b || b->isWindow() || b->objectName().startsWith(QLatin1String("qt_"))) {
                    continue;
                }
                const bool intended = (overFrame3.contains(a->objectName()) &&
                                       b->objectName() == QLatin1String("Frame3")) ||
                                      (overFrame3.contains(b->objectName()) &&
                                       a->objectName() == QLatin1String("Frame3"));
                if (!intended) {
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + " / " + b->objectName()));
                }
            }
        }
    }
}

void TestLayout::optionsInFrontOfTheirFrame_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Brut") << "Option2";
    QTest::newRow("+ 5%") << "Option3";
    QTest::newRow("+10%") << "Option4";
}

void TestLayout::optionsInFrontOfTheirFrame() {
    QFETCH(QString, name);
    Selection window;
    QVERIFY(loadAndShow(window));
    auto* option = window.findChild<QRadioButton*>(name);
    auto* frame = control<QGroupBox>(window, "Frame3");
    QCOMPARE(option->parentWidget(), &window);
    QVERIFY(frame->geometry().contains(option->geometry()));
    const QPoint centre = option->geometry().center();
    QCOMPARE(window.childAt(centre), option);
}

void TestLayout::optionsExclusive_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("selected");
    QTest::newRow("+ 5% after Brut") << QStringList{"Option3"} << "Option3";
    QTest::newRow("+10% after + 5%") << QStringList{"Option3", "Option4"} << "Option4";
    QTest::newRow("back to Brut") << QStringList{"Option4", "Option2"} << "Option2";
    QTest::newRow("same twice") << QStringList{"Option4", "Option4"} << "Option4";
}

void TestLayout::optionsExclusive() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, selected);
    Selection window;
    QVERIFY(loadAndShow(window));
    QVERIFY(chooseWithMouse(control<QComboBox>(window, "Combo1"), 0));
    QVERIFY(chooseWithMouse(control<QComboBox>(window, "Combo2"), 0));
    for (const QString& name : clicks) {
        clickOption(window.findChild<QRadioButton*>(name));
    }
    for (const char* name : {"Option2", "Option3", "Option4"}) {
        QCOMPARE(control<QRadioButton>(window, name)->isChecked(), selected == QLatin1String(name));
    }
}

void TestLayout::tabOrderFromQuitter() {
    Selection window;
    QVERIFY(loadAndShow(window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    control<QPushButton>(window, "quitter")->setFocus(Qt::TabFocusReason);
    QStringList reached;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(reached, (QStringList{"Text1", "Text2", "Text3", "Text4"}));
}

void TestLayout::fullTabOrder() {
    Selection window;
    QVERIFY(loadAndShow(window));
    QVERIFY(chooseWithMouse(control<QComboBox>(window, "Combo1"), 0));
    QVERIFY(chooseWithMouse(control<QComboBox>(window, "Combo2"), 0));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    control<QLabel>(window, "Picture1")->setFocus(Qt::TabFocusReason);
    QStringList reached = {QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 19; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    // The option group is one stop, on its selected option.
    const QStringList expected = {"Picture1", "Picture2", "Combo1",  "Combo2",   "quitter",
                                  "Text1",    "Text2",    "Text3",   "Text4",    "Text5",
                                  "Text6",    "Text7",    "Text8",   "Text9",    "Text10",
                                  "Text11",   "Text12",   "Option2", "Command3", "Picture1"};
    QCOMPARE(reached, expected);
}

void TestLayout::accessibleNames_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::newRow("water") << "Text1"
                           << "Eau utilisée (%)";
    QTest::newRow("mixing") << "Text2"
                            << "Temps de malaxage (min)";
    QTest::newRow("gel") << "Text3"
                         << "Temps de gel (min)";
    QTest::newRow("pourable") << "Text4"
                              << "Temps utile de coulabilité (min)";
    QTest::newRow("density") << "Text5"
                             << "Densité du revêtement liquide";
    QTest::newRow("expansion 1 h") << "Text6"
                                   << "Expansion de prise à 1 heure";
    QTest::newRow("expansion 2 h") << "Text7"
                                   << "Expansion de prise à 2 heures";
    QTest::newRow("diameter") << "Text8"
                              << "Diamètre du cylindre (mm)";
    QTest::newRow("height") << "Text9"
                            << "Hauteur du cylindre (mm)";
    QTest::newRow("volume") << "Text10"
                            << "Volume du cylindre (dm3)";
    QTest::newRow("powder") << "Text11"
                            << "Masse de revêtement (g)";
    QTest::newRow("water mass") << "Text12"
                                << "Masse d'eau (g)";
}

void TestLayout::accessibleNames() {
    QFETCH(QString, field);
    QFETCH(QString, name);
    Selection window;
    QVERIFY(loadAndShow(window));
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(window.findChild<QLineEdit*>(field));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

void TestLayout::pictures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hasDoubleSize");
    QTest::newRow("sack") << "Picture1" << true;
    QTest::newRow("flask") << "Picture2" << true;
    QTest::newRow("logo") << "Image2" << false;
}

void TestLayout::pictures() {
    QFETCH(QString, name);
    QFETCH(bool, hasDoubleSize);
    Selection window;
    QVERIFY(loadAndShow(window));
    auto* picture = window.findChild<QLabel*>(name);
    QVERIFY(!picture->pixmap().isNull());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(picture);
    QVERIFY(!accessible->text(QAccessible::Name).isEmpty());
    const qreal ratio = window.devicePixelRatioF();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2")) {
        QCOMPARE(ratio, 2.0);
    }
    if (hasDoubleSize) {
        // 50 by 50 on screen whatever the ratio, drawn from as many pixels as the screen has.
        QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(50, 50));
        QCOMPARE(picture->pixmap().devicePixelRatio(), ratio > 1.0 ? 2.0 : 1.0);
    } else {
        QVERIFY(picture->pixmap().width() >= picture->contentsRect().width() * ratio);
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
