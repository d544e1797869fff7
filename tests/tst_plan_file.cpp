#include <QtTest>

#include <nlohmann/json.hpp>

#include "core_test_support.h"
#include "document/plan_file.h"
#include "plan_file_example.h"

using gypsomix::PlanDocument;
using gypsomix::PlanFileFault;

Q_DECLARE_METATYPE(PlanDocument)
Q_DECLARE_METATYPE(PlanFileFault)

// Runs a statement that must read a plan; a refusal fails the test with its message.
#define NO_PLAN_ERROR(statement)                     \
    try {                                            \
        statement;                                   \
    } catch (const gypsomix::PlanFileError& error) { \
        QFAIL(error.what());                         \
    }

namespace {

// The same example built by hand, independently of the reader.
PlanDocument example() {
    PlanDocument plan;
    plan.material = {"Plâtre à bijoux universel", {"38", "3", "10", "8", "1.72", "0.48", "0.55"}};
    plan.water_percent = "38";
    plan.lines = {{std::nullopt, "2 1/2", "3", gypsomix::LengthUnit::inch, 3, "12", "9.6"},
                  {gypsomix::CatalogueChoice{"Ø 76,2 × 101,6 mm (3 × 4 po)", {"76.2", "101.6"}},
                   "76.2", "101.6", gypsomix::LengthUnit::millimetre, 2, "", ""}};
    plan.metal = gypsomix::MetalChoice{"Argent 925", "10.36", "1", "10", "0"};
    plan.burnout = gypsomix::Burnout{
        gypsomix::BurnoutProgramme{"Plâtre, cylindres jusqu'à Ø 89 × 102", {{"149", "0", "120"}}},
        "20", "60", "2026-12-07T16:00:00+01:00", std::nullopt};
    return plan;
}

QByteArray written(const PlanDocument& plan) {
    return QByteArray::fromStdString(gypsomix::write_plan_file(plan));
}

// A file of the smallest plan with `member` ("key": value) put in the root object first, or
// with `line` as the only line.
QByteArray withMember(const QByteArray& member) {
    return R"({)" + member + R"(, "format": "gypsomix-plan", "version": 1, "lines": [{}]})";
}
QByteArray withLine(const QByteArray& line) {
    return R"({"format": "gypsomix-plan", "version": 1, "lines": [)" + line + "]}";
}
QByteArray manyLines(int count) {
    QByteArrayList lines;
    for (int i = 0; i < count; ++i)
        lines << "{}";
    return withLine(lines.join(','));
}

}  // namespace

class TestPlanFile : public QObject {
    Q_OBJECT

  private slots:
    void roundTrip_data() {
        QTest::addColumn<PlanDocument>("plan");
        QTest::newRow("new plan") << PlanDocument{};
        QTest::newRow("the described example") << example();

        PlanDocument inches;
        inches.lines = {{std::nullopt, "2½", "3 1/4", gypsomix::LengthUnit::inch, 999, "", "12"}};
        QTest::newRow("inch fractions, 999 flasks") << inches;

        PlanDocument liquid;
        liquid.special_liquid_percent = "";
        liquid.margin = 10;
        QTest::newRow("special liquid not typed yet, not absent") << liquid;

        PlanDocument many;
        many.lines.resize(999);
        for (int i = 0; i < 999; ++i)
            many.lines[std::size_t(i)].count = i + 1;
        QTest::newRow("999 lines, each its own count") << many;

        PlanDocument texts = example();
        texts.metal->name = "Or 18 carats « jaune »\n\"fin\"\t\\";
        texts.notes = std::string("Première coulée ; ligne 2\r\ntabulation\t, nul ") + '\0' +
                      " et 🔥 « guillemets »";
        texts.burnout->programme->steps.push_back({"732", "", "à définir"});
        texts.burnout->oven_started_at = "2026-12-07T08:15:00+01:00";
        texts.material->values = {"", "", "", "", "", "", ""};
        QTest::newRow("accents, quotes, line breaks, unfinished values") << texts;

        PlanDocument noProgramme;
        noProgramme.burnout = gypsomix::Burnout{std::nullopt, "", "", "", std::nullopt};
        noProgramme.prices = {"12.5", "0.9"};
        QTest::newRow("burnout without a programme, prices") << noProgramme;
    }

    void roundTrip() {
        QFETCH(PlanDocument, plan);
        const QByteArray file = written(plan);
        QVERIFY(file.endsWith("}\n"));
        PlanDocument back;
        NO_PLAN_ERROR(back = gypsomix::read_plan_file(view(file)));
        QVERIFY2(back == plan, file.constData());
        // A file read and written again is the same file.
        QCOMPARE(written(back), file);
    }

    // Key for key and in the same order as the description's example.
    void writesTheDescribedExample() {
        const QByteArray file = written(example());
        const auto json = nlohmann::ordered_json::parse(view(file));
        QVERIFY2(json == nlohmann::ordered_json::parse(kExampleFile), file.constData());
        QVERIFY(file.startsWith("{\n  \"format\": \"gypsomix-plan\",\n  \"version\": 1,\n"));
        QVERIFY(file.contains("\"name\": \"Plâtre à bijoux universel\""));
        QCOMPARE(gypsomix::read_plan_file(kExampleFile), example());
    }

    // docs/plan-file.md shows a file exactly as the program writes it.
    void writesTheDocumentedExample() {
        QFile page(QStringLiteral(GYPSOMIX_PLAN_FILE_PAGE));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray text = page.readAll();
        const qsizetype start = text.indexOf("```json\n") + 8;
        QVERIFY(start >= 8);
        const QByteArray file = text.mid(start, text.indexOf("```", start) - start);
        PlanDocument plan;
        NO_PLAN_ERROR(plan = gypsomix::read_plan_file(view(file)));
        QCOMPARE(written(plan), file);
    }

    void read_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<PlanDocument>("plan");
        QTest::newRow("only the required keys") << withLine("{}") << PlanDocument{};

        PlanDocument line;
        line.lines[0] = {std::nullopt, "50", "", gypsomix::LengthUnit::millimetre, 2, "", ""};
        QTest::newRow("unknown keys everywhere")
            << withMember(R"("saved_by": {"app": [1, 2]}, "metal": null, "zzz": 1)")
                   .replace(R"([{}])", R"([{"diameter": "50", "colour": "red", "count": 2}])")
            << line;
        QTest::newRow("2.0 and 2E0 are whole")
            << withLine(R"({"diameter": "50", "count": 2E0, "x": 2.0})") << line;

        PlanDocument margin;
        margin.margin = 5;
        QTest::newRow("margin 5.0") << withMember(R"("margin": 5.0)") << margin;
        QTest::newRow("margin -0") << withMember(R"("margin": -0)") << PlanDocument{};
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + withLine("{}") << PlanDocument{};

        PlanDocument partial;
        partial.material = {"Fin", {"", "", "", "", "", "", ""}};
        partial.metal = gypsomix::MetalChoice{"Or", "", "1", "10", "0"};
        partial.burnout = gypsomix::Burnout{gypsomix::BurnoutProgramme{"P", {{"", "", "9"}}}, "",
                                            "", "", std::nullopt};
        QTest::newRow("objects with keys missing read as a new plan's")
            << withMember(R"("material": {"name": "Fin"}, "metal": {"name": "Or"},
                             "burnout": {"programme": {"name": "P", "steps": [{"hold": "9"}]}})")
            << partial;
    }

    void read() {
        QFETCH(QByteArray, file);
        QFETCH(PlanDocument, plan);
        PlanDocument got;
        NO_PLAN_ERROR(got = gypsomix::read_plan_file(view(file)));
        QVERIFY2(got == plan, written(got).constData());
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<PlanFileFault>("fault");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QByteArray& file, PlanFileFault fault,
                            const QString& message) {
            QTest::newRow(name) << file << fault << message;
        };
        const auto json = [&](const char* name, const QByteArray& file, const char* message) {
            row(name, file, PlanFileFault::not_json, message);
        };
        const auto notAPlan = [&](const char* name, const QByteArray& file,
                                  const char* message =
                                      "ce n'est pas un plan de coulée de "
                                      "Gypsomix") {
            row(name, file, PlanFileFault::not_a_plan, message);
        };
        const auto wrong = [&](const char* name, const QByteArray& file, const char* message) {
            row(name, file, PlanFileFault::wrong_kind, message);
        };
        const char* const count = "« lines[1].count » doit être un nombre entier de 1 à 999";
        const char* const lines = "« lines » doit être une liste de 1 à 999 lignes";
        const QByteArray plan = withLine("{}");

        json("broken JSON: line and column",
             "{\n  \"format\": \"gypsomix-plan\",\n  \"lines\": [{}]\n  x\n}",
             "ce n'est pas du JSON valide (ligne 4, colonne 3)");
        json("column in characters, not bytes", "{\"notes\": \"« é »\" ?}",
             "(ligne 1, colonne 19)");
        json("invalid UTF-8", withMember("\"notes\": \"caf\xE9\""), "(ligne 1, colonne 15)");
        json("byte order mark not counted", "\xEF\xBB\xBF{ x", "(ligne 1, colonne 3)");
        json("invalid UTF-8 after a character of two bytes", "[\"\xC3\xA9\x80\"]",
             "(ligne 1, colonne 4)");
        json("empty file", QByteArray(), "(ligne 1, colonne 1)");
        json("text after the object", plan + " {}", "JSON valide");
        json("number beyond a double", withMember(R"("x": 1e999)"), "dépasse les limites");
        notAPlan("JSON array", "[]");
        notAPlan("no format", R"({"version": 1, "lines": [{}]})");
        notAPlan("other format", QByteArray(plan).replace("gypsomix-plan", "gypsomix-journal"));
        notAPlan("version \"1\"", QByteArray(plan).replace("1,", "\"1\","));
        notAPlan("version 0", QByteArray(plan).replace("1,", "0,"));
        row("version 2", QByteArray(plan).replace("1,", "2,"), PlanFileFault::newer_version,
            "version plus récente de Gypsomix (format 2) ; mettez Gypsomix à jour");
        notAPlan("deep nesting", QByteArray(int(gypsomix::plan_file_max_bytes), '['),
                 "plus de 64 niveaux");
        notAPlan("deep nesting under an unknown key",
                 withMember("\"x\": " + QByteArray(65, '[') + QByteArray(65, ']')));
        row("over 1 MiB",
            withMember("\"notes\": \"" + QByteArray(int(gypsomix::plan_file_max_bytes), 'a') +
                       "\""),
            PlanFileFault::too_large, "il dépasse 1 Mio");
        wrong("count \"3\"", withLine(R"({"count": "3"})"), count);
        wrong("count 0", withLine(R"({"count": 0})"), count);
        wrong("count 1000", withLine(R"({"count": 1000})"), count);
        wrong("count 3.5", withLine(R"({"count": 3.5})"), count);
        wrong("the faulty line is named", withLine(R"({}, {}, {"count": null})"),
              "« lines[3].count »");
        wrong("margin 7", withMember(R"("margin": 7)"), "« margin » doit valoir 0, 5 ou 10");
        wrong("unit cm", withLine(R"({"unit": "cm"})"),
              "« lines[1].unit » doit valoir « mm » ou « in »");
        wrong("material of 6 values",
              withMember(R"("material": {"values": ["1", "2", "3", "4", "5", "6"]})"),
              "« material.values » doit être une liste de 7 textes");
        wrong("flask value a number",
              withLine(R"({"flask": {"name": "", "values": ["76.2", 101.6]}})"),
              "« lines[1].flask.values »");
        wrong("no lines", withLine(""), lines);
        wrong("1000 lines", manyLines(1000), lines);
        wrong("lines missing", R"({"format": "gypsomix-plan", "version": 1})", "« lines »");
        wrong("a line that is a text", withLine(R"("50 x 60")"), "« lines[1] »");
        wrong("notes null", withMember(R"("notes": null)"), "« notes » doit être un texte");
        wrong("metal a text", withMember(R"("metal": "Argent")"), "« metal »");
        wrong("a step's hold a number",
              withMember(R"("burnout": {"programme": {"steps": [{}, {"hold": 120}]}})"),
              "« burnout.programme.steps[2].hold »");
        wrong("oven start a number", withMember(R"("burnout": {"oven_started_at": 0})"),
              "« burnout.oven_started_at »");
    }

    void refused() {
        QFETCH(QByteArray, file);
        QFETCH(PlanFileFault, fault);
        QFETCH(QString, message);
        try {
            gypsomix::read_plan_file(view(file));
            QFAIL("the file was read");
        } catch (const gypsomix::PlanFileError& error) {
            const QString what = QString::fromUtf8(error.what());
            QVERIFY2(what.contains(message), qPrintable(what));
            QCOMPARE(int(error.fault()), int(fault));
        }
    }
};

QTEST_GUILESS_MAIN(TestPlanFile)
#include "tst_plan_file.moc"
