// The metal panel of the casting plan, driven through the keyboard: its figures must be the
// core's for the same texts, its faults said in the panel, its prices remembered, and its part
// of the sheet printed.
#include "../core_test_support.h"
#include "calc/metal.h"
#include "ui/metal_panel.h"
#include "ui/number_format.h"
#include "ui/plan_editor.h"
#include "ui/plan_main_window.h"
#include "ui/plan_sheet.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;

namespace {

// Today's metals, Windows-1252 with CR LF.
const QByteArray kMetals =
    "\"Argent 925\",10.36\r\n"
    "\"Or jaune 18 carats (750)\",15.58\r\n"
    "\"Platine iridi\xe9 (900)\",21.54\r\n";

QString regionalText(const char* text) {
    return QString::fromUtf8(text).replace(QLatin1Char('.'),
                                           QString::fromStdString(regionalNumberFormat().decimal));
}

void chooseMetal(QWidget& panel, const char* name) {
    auto* list = control<QComboBox>(panel, "metalList");
    list->setFocus(Qt::TabFocusReason);
    chooseWithKeys(list, list->findText(QString::fromUtf8(name)));
}

QLineEdit* pattern(QWidget& panel, int line = 0) {
    return field(panel, line, QStringLiteral("Modèle (g)"));
}

// A panel on its own catalogues and settings, in its own working directory, listed and shown.
struct MetalSession {
    explicit MetalSession(const QByteArray& metals = kMetals) {
        ok = writeCatalogues(dir) && (metals.isEmpty() || dir.write("Data/Metal.txt", metals));
        panel.show();
        panel.loadCatalogue();
        ok = ok && QTest::qWaitForWindowExposed(&panel);
    }
    TempWorkDir dir;
    QSettings settings{dir.path() + QStringLiteral("/plan.conf"), QSettings::IniFormat};
    PlanEditor editor;
    MetalPanel panel{editor, settings};
    bool ok = false;

    // The README's plan on Argent 925.
    void argent(const gypsomix::PlanDocument& plan = threeLines()) {
        editor.replace(plan);
        chooseMetal(panel, "Argent 925");
    }
};

// As the plan window chooses a material: one edit of the plan.
void chooseMaterial(PlanEditor& editor, const char* name) {
    editor.choose(QStringLiteral("Choisir le revêtement"), [name](auto& plan) {
        plan.material =
            gypsomix::CatalogueChoice{name, {"38", "3", "10", "8", "1.8", "0.5", "0.6"}};
    });
    QCoreApplication::processEvents();  // the remembered price follows as its own step
}

// Each line's metal for one flask, then the metal to melt.
QStringList metalShown(QWidget& panel) {
    QStringList shown;
    for (int line = 0; field(panel, line, QStringLiteral("Métal par cylindre (g)")); ++line)
        shown << field(panel, line, QStringLiteral("Métal par cylindre (g)"))->text();
    return shown << text(panel, "metalTotal");
}

// The same from the core, for the plan's lines and the metal's fields as the panel shows them.
QStringList metalOfCore(QWidget& panel, const gypsomix::PlanDocument& plan) {
    std::vector<gypsomix::MetalLine> lines;
    for (int line = 0; line < int(plan.lines.size()); ++line)
        lines.push_back({field(panel, line, QStringLiteral("Modèle (g)"))->text().toStdString(),
                         plan.lines[std::size_t(line)].count});
    gypsomix::MetalResult result;
    const Failure failure = failureOf([&] {
        result = gypsomix::metal_masses(
            text(panel, "metalDensity").toStdString(), text(panel, "patternDensity").toStdString(),
            text(panel, "extra").toStdString(), text(panel, "button").toStdString(), lines,
            regionalNumberFormat());
    });
    if (failure.number != 0)
        return {failure.description};  // what the core says, in place of the figures
    QStringList shown;
    for (const std::string& grams : result.per_flask)
        shown << fromStd(grams);
    return shown << fromStd(result.total);
}

QString message(QWidget& panel) {
    return control<QLabel>(panel, "metalMessage")->text();
}

}  // namespace

class TestMetalPanel : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        setUpPlanApplication(*qApp);
        QApplication::setDoubleClickInterval(100);
    }

    // The README's plan, 9,6 g of wax on each 2½ × 3 po tree, Argent 925, typed key by key:
    // after every key the panel shows the core's metal for what the field holds. In the end
    // 9,6 × 10,36 × 1,1 = 109,4016 g: 110 g a flask, 330 g for the three.
    void followsEveryKey() {
        MetalSession session;
        QVERIFY(session.ok);
        session.argent();
        QCOMPARE(text(session.panel, "metalDensity"), regionalText("10.36"));
        QCOMPARE(text(session.panel, "patternDensity"), QStringLiteral("1"));
        QCOMPARE(metalShown(session.panel), QStringList(4));
        QLineEdit* wax = pattern(session.panel);
        wax->setFocus(Qt::TabFocusReason);
        for (const QChar key : regionalText("9.6")) {
            QTest::keyClicks(wax, key);
            QCOMPARE(metalShown(session.panel), metalOfCore(session.panel, session.editor.plan()));
            QVERIFY(marked(session.panel).isEmpty());
        }
        QCOMPARE(metalShown(session.panel), (QStringList{"110", "", "", "330"}));
        QCOMPARE(session.editor.plan().lines[0].pattern_g, std::string("9.6"));
        // The button goes once on each flask: 109,4016 + 2,5 = 111,9016 g, three times 112 g.
        typeInto(control(session.panel, "button"), regionalText("2.5"));
        QCOMPARE(metalShown(session.panel), (QStringList{"112", "", "", "336"}));
        QCOMPARE(metalShown(session.panel), metalOfCore(session.panel, session.editor.plan()));
        // Wax is lighter than water: over 0,95 the metal is 1/0,95 more.
        typeInto(control(session.panel, "patternDensity"), regionalText("0.95"));
        QCOMPARE(metalShown(session.panel), metalOfCore(session.panel, session.editor.plan()));
        QCOMPARE(session.editor.undoStack()->count(), 4);  // the metal and three fields
    }

    void badEntry_data() {
        QTest::addColumn<QString>("input");  // the field given the text, then marked
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("said");      // what the message must say
        QTest::addColumn<bool>("metalStands");  // a price's fault leaves the metal
        QTest::newRow("extra above 100") << u"extra"_s << u"150"_s << u"« 150 »"_s << false;
        QTest::newRow("pattern density 0") << u"patternDensity"_s << u"0"_s << u"« 0 »"_s << false;
        QTest::newRow("negative button") << u"button"_s << u"-2"_s << u"« -2 »"_s << false;
        QTest::newRow("pattern not a number")
            << u"Modèle (g)"_s << u"neuf"_s << u"ligne 1"_s << false;
        QTest::newRow("metal price with its sign")
            << u"metalPrice"_s << u"0,85 EUR"_s << u"« 0,85 EUR »"_s << true;
    }

    // A fault marks its field, says what is wrong, empties what follows from it and opens no
    // dialog; the plan's masses stand. Putting it right brings the figures back.
    void badEntry() {
        QFETCH(QString, input);
        QFETCH(QString, typed);
        QFETCH(QString, said);
        QFETCH(bool, metalStands);
        MetalSession session;
        QVERIFY(session.ok);
        session.argent();
        QLineEdit* wax = pattern(session.panel);
        typeInto(wax, regionalText("9.6"));
        typeInto(control(session.panel, "metalPrice"), regionalText("0.85"));
        const QStringList good = metalShown(session.panel);
        QCOMPARE(text(session.panel, "metalCost"), regionalText("280.50"));

        QLineEdit* target = input == QStringLiteral("Modèle (g)")
                                ? wax
                                : control<QLineEdit>(session.panel, qPrintable(input));
        const QString before = target->text();
        ModalAnswers answers;
        typeInto(target, typed);
        QVERIFY(answers.seen.isEmpty());
        QCOMPARE(marked(session.panel), QList<QWidget*>{target});
        QVERIFY2(message(session.panel).contains(said), qPrintable(message(session.panel)));
        QCOMPARE(metalShown(session.panel), metalStands ? good : QStringList(4));
        QCOMPARE(text(session.panel, "metalCost"), QString());
        QVERIFY(!session.panel.figures().result.masses.powder.empty());

        typeInto(target, before);
        QVERIFY(marked(session.panel).isEmpty());
        QCOMPARE(metalShown(session.panel), good);
        QCOMPARE(message(session.panel), QString());
    }

    // A catalogue missing or broken is said in the panel, never in a dialog; the plan works on.
    void catalogueProblems_data() {
        QTest::addColumn<QByteArray>("metals");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing") << QByteArray() << "Data/Metal.txt introuvable";
        QTest::newRow("a number too large")
            << QByteArray("\"Argent 925\",10.36\r\n\"Bronze\",1E+999\r\n")
            << "Erreur d'exécution 6 : ";
        QTest::newRow("cut short")
            << QByteArray("\"Argent 925\",10.36\r\n\"Bronze\"") << "Erreur d'exécution 62 : ";
    }
    void catalogueProblems() {
        QFETCH(QByteArray, metals);
        QFETCH(QString, said);
        ModalAnswers answers;
        MetalSession session(metals);
        QVERIFY(session.ok);
        QVERIFY(answers.seen.isEmpty());
        const QString problem = control<QLabel>(session.panel, "catalogueProblem")->text();
        QVERIFY2(problem.startsWith(said), qPrintable(problem));
        QCOMPARE(control<QComboBox>(session.panel, "metalList")->count(), 0);
        session.editor.replace(threeLines());
        typeInto(pattern(session.panel), regionalText("9.6"));
        QCOMPARE(session.editor.plan().lines[0].pattern_g, std::string("9.6"));
        QVERIFY(!session.panel.figures().result.masses.powder.empty());
        QVERIFY(!session.panel.figures().error);
        QVERIFY(answers.seen.isEmpty());
    }

    // A price typed for a material or a metal comes back when it is chosen again, in this plan
    // or the next; one never typed for it leaves the price empty. Opening a plan or undoing
    // brings no price.
    void pricesRemembered() {
        MetalSession session;
        QVERIFY(session.ok);
        session.editor.replace(threeLines());
        auto* powderPrice = control<QLineEdit>(session.panel, "powderPrice");
        auto* metalPrice = control<QLineEdit>(session.panel, "metalPrice");
        QVERIFY(powderPrice->isEnabled() && !metalPrice->isEnabled());
        typeInto(powderPrice, regionalText("12.5"));
        chooseMetal(session.panel, "Argent 925");
        typeInto(metalPrice, regionalText("0.85"));
        typeInto(pattern(session.panel), regionalText("9.6"));
        // 3 × 110 g at 0,85: 280,50; the powder of the plan at 12,50 a kg.
        QCOMPARE(text(session.panel, "metalCost"), regionalText("280.50"));
        QVERIFY(!text(session.panel, "powderCost").isEmpty());
        QVERIFY(!text(session.panel, "totalCost").isEmpty());

        chooseMaterial(session.editor, "Rev\u00eatement fluide");
        QCOMPARE(powderPrice->text(), QString());
        QCOMPARE(text(session.panel, "powderCost"), QString());
        QCOMPARE(text(session.panel, "totalCost"), regionalText("280.50"));  // the metal alone
        chooseMaterial(session.editor, "Pl\u00e2tre \u00e0 bijoux");
        QCOMPARE(powderPrice->text(), regionalText("12.5"));
        session.editor.undoStack()->undo();  // the price, then the choice
        QCOMPARE(powderPrice->text(), QString());
        session.editor.undoStack()->undo();
        QCoreApplication::processEvents();
        session.editor.undoStack()->redo();
        QCoreApplication::processEvents();
        QCOMPARE(powderPrice->text(), QString());
        chooseMetal(session.panel, "Or jaune 18 carats (750)");
        QCOMPARE(metalPrice->text(), QString());
        QCOMPARE(text(session.panel, "extra"), QStringLiteral("10"));
        typeInto(metalPrice, regionalText("48"));
        chooseMetal(session.panel, "Argent 925");
        QCOMPARE(metalPrice->text(), regionalText("0.85"));

        // Another plan on the same settings: the prices are the caster's, not the plan's.
        PlanEditor editor;
        MetalPanel panel(editor, session.settings);
        panel.show();
        panel.loadCatalogue();
        editor.replace(threeLines());
        QCOMPARE(text(panel, "powderPrice"), QString());  // an opened plan keeps its own
        chooseMaterial(editor, "Pl\u00e2tre \u00e0 bijoux (autre)");
        chooseMaterial(editor, "Pl\u00e2tre \u00e0 bijoux");
        QCOMPARE(text(panel, "powderPrice"), regionalText("12.5"));
        chooseMetal(panel, "Or jaune 18 carats (750)");
        QCOMPARE(text(panel, "metalPrice"), QStringLiteral("48"));
        // A price cleared is forgotten.
        typeInto(control(panel, "metalPrice"), QString());
        chooseMetal(panel, "Argent 925");
        chooseMetal(panel, "Or jaune 18 carats (750)");
        QCOMPARE(text(panel, "metalPrice"), QString());
    }

    // The sheet of the README's plan carries the metal of each line and the metal to melt, with
    // a box to tick, and the costs; a long plan still fits one page.
    void sheet_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("README plan") << 3
                                     << u"Argent 925|ligne 1 : 3 × 110 g|Métal à fondre (g)|330|"
                                        u"pesé|Coût du métal|280,50"_s.split(u'|');
        // Line 1 and lines 4 to 200 have a pattern: 198 × 330 g, eleven of them listed.
        QTest::newRow("200 lines") << 200
                                   << QStringList{"ligne 1 : 3 × 110 g", "ligne 13 : 3 × 110 g",
                                                  "… et 187 autres", "65340"};
    }
    void sheet() {
        QFETCH(int, lines);
        QFETCH(QStringList, printed);
        MetalSession session;
        QVERIFY(session.ok);
        gypsomix::PlanDocument plan = threeLines();
        plan.lines[0].pattern_g = "9.6";
        plan.lines.resize(std::size_t(lines), plan.lines[0]);
        session.argent(plan);
        typeInto(control(session.panel, "metalPrice"), regionalText("0.85"));
        const QString pdf = session.dir.path() + QStringLiteral("/fiche.pdf");
        QVERIFY(writeMixingSheet(pdf, mixingSheetOf(session.editor.plan(), session.panel.figures(),
                                                    QDate(2026, 12, 7))));
        QVERIFY(
            pdfTool(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression("Pages: +1\n")));
        const QString sheet = pdfTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        for (QString words : printed) {
            words.replace(QLatin1Char(','), QString::fromStdString(regionalNumberFormat().decimal));
            QVERIFY2(sheet.contains(words), qPrintable(words + '\n' + sheet));
        }
    }

    // Saved and opened through the plan's own window: the patterns, the metal and the prices
    // come back, matched against today's metals.
    void savedAndOpened() {
        TempWorkDir dir;
        QVERIFY(writeCatalogues(dir) && dir.write("Data/Metal.txt", kMetals));
        PlanMainWindow window(
            {dir.path() + QStringLiteral("/data"), dir.path() + QStringLiteral("/plan.conf")});
        QSettings settings(dir.path() + QStringLiteral("/plan.conf"), QSettings::IniFormat);
        MetalPanel panel(window.editor(), settings);
        panel.show();
        window.start();
        panel.loadCatalogue();
        window.editor().replace(threeLines());
        chooseMetal(panel, "Argent 925");
        typeInto(control(panel, "extra"), regionalText("12.5"));
        typeInto(control(panel, "button"), regionalText("3"));
        typeInto(pattern(panel, 1), regionalText("14.2"));
        typeInto(control(panel, "powderPrice"), regionalText("12.5"));
        typeInto(control(panel, "metalPrice"), regionalText("0.85"));
        const gypsomix::PlanDocument typed = window.editor().plan();
        const QStringList shown = metalShown(panel);
        const QString path = dir.path() + QStringLiteral("/trois.gypsoplan");
        QVERIFY(window.saveTo(path));

        window.editor().replace(gypsomix::PlanDocument());
        QCOMPARE(text(panel, "metalTotal"), QString());
        QVERIFY(window.openFile(path));
        QVERIFY(window.editor().plan() == typed);
        QCOMPARE(typed.lines[1].pattern_g, std::string("14.2"));
        QCOMPARE(typed.metal->extra_percent, std::string("12.5"));
        QCOMPARE(typed.prices.powder_per_kg, std::string("12.5"));
        QCOMPARE(metalShown(panel), shown);
        QCOMPARE(text(panel, "metalPrice"), regionalText("0.85"));

        // Today's catalogue gives Argent 925 another density: it is taken, and said.
        QVERIFY(dir.write("Data/Metal.txt", QByteArray(kMetals).replace("10.36", "10.4")));
        QVERIFY(window.openFile(path));
        QCOMPARE(window.editor().plan().metal->density, std::string("10.4"));
        QVERIFY(window.notice().contains(QStringLiteral("Argent 925")));
        QCOMPARE(metalShown(panel), metalOfCore(panel, window.editor().plan()));
        QVERIFY(metalShown(panel) != shown);
    }
};

QTEST_MAIN(TestMetalPanel)
#include "tst_metal_panel.moc"
