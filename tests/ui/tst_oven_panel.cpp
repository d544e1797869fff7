// The oven panel offscreen, on its own catalogues and a wall clock moved by hand: the day it
// shows against the core's arithmetic, its edits of the plan, a plan saved and opened again
// during the burnout, the catalogue's faults, °C and °F, and the day on the mixing sheet.
#include "calc/burnout.h"
#include "document/burnout_catalogue.h"
#include "document/plan_catalogue.h"
#include "document/plan_figures.h"
#include "ui/number_format.h"
#include "ui/oven_panel.h"
#include "ui/plan_editor.h"
#include "ui/plan_files.h"
#include "ui/plan_sheet.h"
#include "window_test_support.h"

using namespace std::chrono;
using namespace Qt::StringLiterals;

namespace {

// Two programmes, Windows-1252 with CR LF: the medium flasks' and one with a rate of 0.
const QByteArray kProgrammes =
    "\"Pl\xe2tre moyen\",149,200,120\r\n"
    "\"Pl\xe2tre moyen\",371,250,120\r\n"
    "\"Pl\xe2tre moyen\",732,250,180\r\n"
    "\"Pl\xe2tre moyen\",540,200,60\r\n"
    "\"Four rapide\",732,0,90\r\n"
    "\"Four rapide\",540,0,30\r\n";

// A panel on the test catalogues, at a moment of the caster's clock.
struct PanelSession {
    explicit PanelSession(const QByteArray& programmes = kProgrammes) {
        ok = writeCatalogues(dir) &&
             (programmes.isEmpty() || dir.write("Data/Cuisson.txt", programmes));
        settings = std::make_unique<QSettings>(dir.path() + "/plan.conf", QSettings::IniFormat);
        open();
    }
    void open() {
        panel = std::make_unique<OvenPanel>(editor, *settings);
        panel->setClock([this] { return now; });
        panel->loadCatalogue();
        panel->resize(1340, 620);
        panel->show();
        ok = ok && QTest::qWaitForWindowExposed(panel.get());
    }
    // The material of the test catalogue, as the plan window chooses it.
    void chooseMaterial() {
        gypsomix::PlanDocument plan = editor.plan();
        plan.material = gypsomix::CatalogueChoice{"Pl\u00e2tre \u00e0 bijoux",
                                                  {"38", "3", "10", "8", "1.8", "0.48", "0.55"}};
        editor.replace(plan);
    }
    void chooseProgramme(int row) {
        auto* list = control<QComboBox>(*panel, "programme");
        list->setFocus();
        chooseWithKeys(list, row);
    }
    QStringList rows() const {
        QStringList rows;
        auto* table = control<QTableWidget>(*panel, "day");
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 3; ++column)
                cells << table->item(row, column)->text();
            rows << cells.join(" | ").trimmed().remove(QRegularExpression(" \\|$"));
        }
        return rows;
    }
    QString label(const char* name) const { return control<QLabel>(*panel, name)->text(); }
    QLineEdit* input(const char* name) const { return control<QLineEdit>(*panel, name); }
    // The medium flasks' programme, to cast at 16:00.
    void castAtFour() {
        chooseMaterial();
        chooseProgramme(0);
        typeInto(input("castAt"), "16:00");
    }

    TempWorkDir dir;
    QDateTime now{QDate(2026, 12, 7), QTime(8, 0), Qt::LocalTime};
    PlanEditor editor;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<OvenPanel> panel;
    bool ok = false;
};

// "03:02", "02:00 (lendemain)": a moment of the core's day on the caster's clock.
QString clockOf(sys_seconds at, sys_seconds mixing) {
    const QDateTime local = QDateTime::fromSecsSinceEpoch(at.time_since_epoch().count());
    const QDateTime first = QDateTime::fromSecsSinceEpoch(mixing.time_since_epoch().count());
    return local.toString("HH:mm") + (local.date() > first.date() ? " (lendemain)" : "");
}

}  // namespace

class TestOvenPanel : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpPlanApplication(*qApp); }

    // The times the panel shows are those of the core's day, for the programme read again
    // from the catalogue and the next 16:00 (or 02:00, 16h30) on the clock.
    void dayOfTheCore_data() {
        QTest::addColumn<int>("programme");
        QTest::addColumn<QString>("castAt");
        QTest::addColumn<QString>("rest");
        QTest::addColumn<QString>("keyTimes");  // Mélanger à, Enfourner à, Couler à
        // 718 min of oven and an hour on the bench before 16:00.
        QTest::newRow("medium flasks, cast at 16:00")
            << 0 << u"16:00"_s << QString() << u"03:02 04:02 16:00"_s;
        QTest::newRow("across midnight")
            << 0 << u"02:00"_s << u"90"_s << u"12:32 14:02 02:00 (lendemain)"_s;
        QTest::newRow("rate 0, written 16h30")
            << 1 << u"16h30"_s << QString() << u"13:30 14:30 16:30"_s;
    }
    void dayOfTheCore() {
        QFETCH(int, programme);
        QFETCH(QString, castAt);
        QFETCH(QString, rest);
        QFETCH(QString, keyTimes);
        PanelSession session;
        QVERIFY(session.ok);
        session.chooseMaterial();
        session.chooseProgramme(programme);
        if (!rest.isEmpty())
            typeInto(session.input("benchRest"), rest);
        typeInto(session.input("castAt"), castAt);

        const QStringList rows = session.rows();
        QStringList keys;
        for (const QString& row : rows)
            if (row.contains(" à |"))
                keys << row.section(" | ", 1);
        QCOMPARE(keys.join(' '), keyTimes);

        // The same day from the core, for the steps the catalogue holds today.
        const auto steps =
            gypsomix::find_programme(programme == 0 ? "Pl\u00e2tre moyen" : "Four rapide");
        QVERIFY(steps);
        const QDateTime cast = fromIso(session.editor.plan().burnout->cast_at);
        const gypsomix::CastingDay day = gypsomix::casting_day(
            gypsomix::burnout_timeline(steps->steps, "20", {}),
            sys_seconds(seconds(cast.toSecsSinceEpoch())), minutes(rest.isEmpty() ? 60 : 90));
        const auto span = [&](const QString& phase, sys_seconds from, sys_seconds to) {
            return phase + " | " + clockOf(from, day.mixing) + " | " + clockOf(to, day.mixing);
        };
        const sys_seconds mixed = day.mixing + minutes(3), poured = day.mixing + minutes(8);
        QStringList expected = {"Mélanger à | " + clockOf(day.mixing, day.mixing),
                                span("Malaxage", day.mixing, mixed), span("Coulée", mixed, poured),
                                span("Prise", poured, day.mixing + minutes(10)),
                                "Enfourner à | " + clockOf(day.oven_start, day.mixing)};
        QStringList phases = {"Montée vers 149 °C",   "Palier à 149 °C",    "Montée vers 371 °C",
                              "Palier à 371 °C",      "Montée vers 732 °C", "Palier à 732 °C",
                              "Descente vers 540 °C", "Palier à 540 °C"};
        if (programme == 1)
            phases = {"Montée vers 732 °C (vitesse du four)", "Palier à 732 °C",
                      "Descente vers 540 °C (vitesse du four)", "Palier à 540 °C"};
        for (std::size_t i = 0; i < day.steps.size(); ++i) {
            const auto& s = day.steps[i];
            expected << span(phases[int(2 * i)], s.ramp_start, s.hold_start)
                     << span(phases[int(2 * i + 1)], s.hold_start, s.hold_end);
        }
        expected << "Couler à | " + clockOf(day.cast, day.mixing);
        QCOMPARE(rows.join('\n').replace(QChar(0xa0), ' '), expected.join('\n'));
        QCOMPARE(session.label("note").isEmpty(), programme == 0);
    }

    // Each input is one step of the plan's undo, and undoing it shows the plan before it.
    void editsAreUndoable() {
        PanelSession session;
        QVERIFY(session.ok);
        QUndoStack* stack = session.editor.undoStack();
        session.chooseProgramme(0);
        QCOMPARE(stack->count(), 1);
        typeInto(session.input("startTemperature"), regional("25,5"));
        typeInto(session.input("castAt"), "16:00");
        QCOMPARE(stack->count(), 3);
        const auto& oven = *session.editor.plan().burnout;
        QCOMPARE(oven.start_temperature, std::string("25.5"));
        QCOMPARE(oven.bench_rest_min, std::string("60"));
        QCOMPARE(oven.cast_at, toIso(QDateTime(QDate(2026, 12, 7), QTime(16, 0))));
        stack->undo();
        QCOMPARE(text(*session.panel, "castAt"), QString());
        QCOMPARE(session.label("problem"), QString("Indiquez l'heure de coulée."));
        stack->undo();
        QCOMPARE(text(*session.panel, "startTemperature"), QString("20"));
        stack->undo();
        QCOMPARE(control<QComboBox>(*session.panel, "programme")->currentIndex(), -1);
        // A start below absolute zero marks its field and says why.
        typeInto(session.input("startTemperature"), "-300");
        session.chooseProgramme(0);
        QVERIFY(session.label("problem").contains("température de départ"));
        QVERIFY(session.input("startTemperature")->property("fault").toBool());
    }

    // The program closed during a hold and opened again: the timer carries on at the right
    // step, without signalling the changes that passed while it was closed.
    void savedAndOpenedDuringAHold() {
        PanelSession before;  // left at 08:00, its timer never reaches a change
        before.castAtFour();
        control<QPushButton>(*before.panel, "ovenStartPlanned")->click();
        const QString path = before.dir.path() + "/cuisson.gypsoplan";
        QVERIFY(writePlanFile(path, before.editor.plan()).isEmpty());
        PanelSession session;
        QVERIFY(session.ok);
        session.now = QDateTime(QDate(2026, 12, 7), QTime(11, 40));
        auto read = readPlanFile(path);
        QVERIFY(std::holds_alternative<gypsomix::PlanDocument>(read));
        auto plan = std::get<gypsomix::PlanDocument>(read);
        const auto match = gypsomix::match_catalogues(plan, regionalNumberFormat());
        QVERIFY(match.notes().empty());
        QSignalSpy changes(session.panel->timer(), &OvenTimer::changeReached);
        session.editor.replace(plan);
        const auto& oven = *session.editor.plan().burnout;
        QCOMPARE(QString::fromStdString(oven.oven_started_at.value_or("")).left(16),
                 QString("2026-12-07T04:02"));
        QCOMPARE(session.label("ovenState"), QString("Palier à 732\u00a0°C"));
        QCOMPARE(session.label("ovenNext"), QString("Puis descente vers 540\u00a0°C à 14:02"));
        QCOMPARE(session.panel->timer()->changesSignalled(), std::size_t(6));
        QCOMPARE(session.rows().last(), QString("Couler à | 16:00"));
        session.now = session.now.addSecs(150 * 60);  // 14:10
        session.panel->timer()->refresh();
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().at(1).toString(), QString("Descente vers 540\u00a0°C"));
    }

    // A catalogue missing or broken is said in the panel; no dialog, and the panel stays usable.
    void catalogueFaults_data() {
        QTest::addColumn<QByteArray>("programmes");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing") << QByteArray() << "(erreur d'exécution 53 : ";
        QTest::newRow("cut short") << QByteArray("\"A\",149,0\r\n") << "(erreur d'exécution 62 : ";
    }
    void catalogueFaults() {
        QFETCH(QByteArray, programmes);
        QFETCH(QString, said);
        ModalAnswers answers;
        PanelSession session(programmes);
        QVERIFY(session.ok);
        QCOMPARE(control<QComboBox>(*session.panel, "programme")->count(), 0);
        QVERIFY2(session.label("catalogueProblem")
                     .startsWith("Le catalogue Data/Cuisson.txt n'a pas pu être lu " + said),
                 qPrintable(session.label("catalogueProblem")));
        typeInto(session.input("castAt"), "16:00");
        QCOMPARE(session.label("problem"), QString("Choisissez un programme de cuisson."));
        QVERIFY(answers.seen.isEmpty());
    }

    // °F for the eyes, °C in the plan; the choice outlives the panel.
    void fahrenheit() {
        PanelSession session;
        QVERIFY(session.ok);
        session.castAtFour();
        auto* unit = control<QComboBox>(*session.panel, "temperatureUnit");
        unit->setFocus();
        chooseWithKeys(unit, 1);
        QVERIFY(session.rows().contains("Palier à 1350\u00a0°F | 11:02 | 14:02"));
        QCOMPARE(session.editor.plan().burnout->programme->steps[2].target, std::string("732"));
        session.panel.reset();
        session.open();
        QCOMPARE(control<QComboBox>(*session.panel, "temperatureUnit")->currentText(),
                 QString("°F"));
        QVERIFY(session.rows().contains("Descente vers 1004\u00a0°F | 14:02 | 15:00"));
    }

    // The sheet carries the day; a plan of many lines still takes one A4 page.
    void sheet_data() {
        QTest::addColumn<int>("lines");
        QTest::newRow("one line") << 1;
        QTest::newRow("a long plan") << 300;
    }
    void sheet() {
        QFETCH(int, lines);
        PanelSession session;
        QVERIFY(session.ok);
        session.castAtFour();
        gypsomix::PlanDocument plan = session.editor.plan();
        plan.lines.assign(std::size_t(lines), {std::nullopt, "100", "100",
                                               gypsomix::LengthUnit::millimetre, 1, "", ""});
        const QString path = session.dir.path() + "/fiche.pdf";
        QVERIFY(writeMixingSheet(
            path, mixingSheetOf(plan, gypsomix::plan_figures(plan, regionalNumberFormat()),
                                QDate(2026, 12, 7))));
        QVERIFY(pdfTool("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
        const QString text = pdfTool("pdftotext", {"-layout", path, "-"});
        QVERIFY2(text.contains("Cuisson : Plâtre moyen, journée du lundi 7 décembre 2026"),
                 qPrintable(text));
        for (const char* row : {"Mélanger à\\s+03:02", "Enfourner à\\s+04:02",
                                "Palier à 732 °C\\s+11:02\\s+→ 14:02", "Couler à\\s+16:00"})
            QVERIFY2(text.contains(QRegularExpression(
                         QString::fromUtf8(row).replace(" °C", "[\\s\\x{a0}]°C"))),
                     row);
    }
};

QTEST_MAIN(TestOvenPanel)
#include "tst_oven_panel.moc"
