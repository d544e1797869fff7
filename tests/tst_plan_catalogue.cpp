#include "core_test_support.h"
#include "document/plan_catalogue.h"
#include "document/plan_figures.h"
#include "workdir.h"

using namespace gypsomix;
using Choice = std::optional<CatalogueChoice>;
using Files = QMap<QString, QByteArray>;  // Data/<key>.txt; a file not given is missing

Q_DECLARE_METATYPE(PlanDocument)

namespace {

constexpr LengthUnit mm = LengthUnit::millimetre;
constexpr LengthUnit in = LengthUnit::inch;

// Today's catalogues as a caster's Windows editor writes them: Windows-1252, CR LF.
const QByteArray kMat =
    "\"Pl\xe2tre \xe0 bijoux\",38,3,10,8,1.8,0.48,0.55\r\n"
    "\"Rev\xeatement fluide\",40,3,12,9,1.75,0.42,0.5\r\n";
const QByteArray kDenserMat = QByteArray(kMat).replace("1.8,", "1.75,");
const QByteArray kFlasks =
    "\"Cylindre 100 \xd7 100\",100,100\r\n"
    "\"Cylindre 90 \xd7 110\",90,110\r\n"
    "\"Cylindre 2\xbd \xd7 3 po\",63.5,76.2\r\n";
const QByteArray kFlasksTaller = QByteArray(kFlasks).replace("100,100", "100,101.6");
const QByteArray kMetals = "\"Argent 925\",10.36\r\n\"Or jaune 18 carats (750)\",15.58\r\n";
const QByteArray kCuisson =
    "\"Pl\xe2tre moyen\",149,200,120\r\n\"Pl\xe2tre moyen\",732,250,180\r\n"
    "\"R\xe9sine\",750,1.5,240\r\n";

const CatalogueChoice kPlaster{"Plâtre à bijoux", {"38", "3", "10", "8", "1.8", "0.48", "0.55"}};
CatalogueChoice flask(const char* name, const char* diameter, const char* height) {
    return {std::string("Cylindre ") + name, {diameter, height}};
}
const CatalogueChoice k100 = flask("100 × 100", "100", "100");
const CatalogueChoice k90 = flask("90 × 110", "90", "110");
const CatalogueChoice kGone = flask("80 × 80", "80", "80");

// A line whose count, tree and pattern must come through any match untouched.
DocumentLine line(const Choice& choice, const char* diameter, const char* height,
                  LengthUnit unit = mm) {
    return {choice, diameter, height, unit, 2, "5", "4.8"};
}
DocumentLine line(const CatalogueChoice& choice) {
    return line(choice, choice.values[0].c_str(), choice.values[1].c_str());
}
PlanDocument plan(const Choice& material, std::vector<DocumentLine> lines) {
    PlanDocument plan;
    plan.material = material;
    plan.water_percent = "38";
    plan.margin = 5;
    plan.lines = std::move(lines);
    return plan;
}
// A plan of one « Autre » flask with a metal whose pattern density, extra and button must stay.
PlanDocument withMetal(const char* density) {
    PlanDocument metal = plan({}, {line({}, "100", "100")});
    if (density)
        metal.metal = MetalChoice{"Argent 925", density, "0.95", "12", "2"};
    return metal;
}
// The same with a burnout programme, "target/rate/hold; …", whose other oven fields must stay.
PlanDocument withProgramme(const QString& steps) {
    PlanDocument oven = plan({}, {line({}, "100", "100")});
    oven.burnout =
        Burnout{std::nullopt, "20", "45", "2026-12-07T16:00:00+01:00", "2026-12-07T04:02:00+01:00"};
    if (steps != "none") {
        oven.burnout->programme = BurnoutProgramme{"Plâtre moyen", {}};
        for (const QString& step : steps.split("; ")) {
            const QStringList f = step.split('/');
            oven.burnout->programme->steps.push_back(
                {f[0].toStdString(), f[1].toStdString(), f[2].toStdString()});
        }
    }
    return oven;
}

QString shown(const Choice& choice) {
    QStringList values;
    for (const std::string& value : choice ? choice->values : std::vector<std::string>())
        values << fromStd(value);
    return choice ? fromStd(choice->name) + " [" + values.join(' ') + "]" : "none";
}
// The choices and sizes of a plan, so a failing comparison shows which one moved.
QString shown(const PlanDocument& plan) {
    QStringList parts = {"material " + shown(plan.material)};
    for (const DocumentLine& l : plan.lines)
        parts << shown(l.flask) + " " + fromStd(l.diameter) + " x " + fromStd(l.height) +
                     (l.unit == in ? " in" : " mm");
    if (plan.metal)
        parts << "metal " + fromStd(plan.metal->name + " " + plan.metal->density);
    if (plan.burnout && plan.burnout->programme)
        parts << QString("%1 steps").arg(plan.burnout->programme->steps.size());
    return parts.join(" | ");
}

// Each note by the key phrase it matches ("…" stands for anything), or in full when it does not.
QString notesAgainst(const std::vector<std::string>& notes, const QStringList& keys) {
    QStringList said;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        QStringList parts = i < std::size_t(keys.size()) ? keys[int(i)].split("…") : QStringList();
        for (QString& part : parts)
            part = QRegularExpression::escape(part);
        const QString note = fromStd(notes[i]);
        const bool matches =
            !parts.isEmpty() && note.contains(QRegularExpression(parts.join(".*")));
        said << (matches ? keys[int(i)] : note);
    }
    return said.join(" | ");
}

// The figures as the window shows them, "-" where a figure is empty: each line's flask, the
// volume to fill, the masses (or "no material"), any split; each line's metal and the metal to
// melt, once a metal is chosen; the costs; then the fault and the metal's or prices' fault.
QString shown(const PlanFigures& figures) {
    const auto dash = [](const std::string& text) { return text.empty() ? "-" : fromStd(text); };
    const auto joined = [&](const std::vector<std::string>& texts) {
        QStringList parts;
        for (const std::string& text : texts)
            parts << dash(text);
        return parts.join(' ');
    };
    const PlanResult& r = figures.result;
    QString out = joined(r.flask_volumes) + " | " + dash(r.volume) + " | " +
                  (figures.has_material ? dash(r.masses.powder) + " " + dash(r.masses.water)
                                        : QString("no material"));
    if (figures.split)
        out += " | " + fromStd(figures.split->special) + " + " + fromStd(figures.split->water);
    if (figures.metal)
        out += " ; metal " + joined(figures.metal->per_flask) + " = " + dash(figures.metal->total);
    const JobCosts& cost = figures.cost;
    out += " ; costs " + dash(cost.powder) + " " + dash(cost.metal) + " " + dash(cost.total);
    if (const auto& e = figures.error)
        out += QString(" ; error %1, line %2, field %3")
                   .arg(e->number())
                   .arg(e->line())
                   .arg(int(e->field()));
    if (const auto& e = figures.metal_error)
        out += QString(" ; metal error %1, field %2").arg(e->number()).arg(int(e->field()));
    return out;
}

// A format where the point groups: an invariant "76.2" read as typed there would be 762.
const NamedFormat kFigureFormats[] = {kFormats[0], kFormats[1], {"German", {",", "."}}};

}  // namespace

class TestPlanCatalogue : public QObject {
    Q_OBJECT

  private slots:
    // Under LC_ALL=fr_FR.UTF-8 the C and C++ locales are French too: nothing may follow them.
    void initTestCase() { useEnvironmentLocale(); }

    // Each choice is looked up by name: kept, given today's values with a note, or dropped (a
    // flask gone becomes « Autre »); an unreadable catalogue keeps its choices as saved.
    void matching_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<PlanDocument>("saved");
        QTest::addColumn<QString>("notes");  // a key phrase per note, separated by " | "
        QTest::addColumn<bool>("changed");
        QTest::addColumn<PlanDocument>("after");
        QTest::addColumn<int>("format");
        const auto row = [](const char* name, const Files& files, const PlanDocument& saved,
                            const QString& notes, bool changed, const PlanDocument& after) {
            QTest::newRow(name) << files << saved << notes << changed << after << 0;
        };
        const Files today = {{"Mat", kMat}, {"Cylindre", kFlasks}};
        const Files taller = {{"Mat", kMat}, {"Cylindre", kFlasksTaller}};
        const PlanDocument asSaved = plan(kPlaster, {line(k100), line({}, "2 1/2", "3", in)});
        row("every choice found as saved", today, asSaved, "", false, asSaved);

        CatalogueChoice denser = kPlaster;
        denser.values[4] = "1.75";
        addFormatRows("material with another density",
                      Files{{"Mat", kDenserMat}, {"Cylindre", kFlasks}}, asSaved,
                      "« Plâtre à bijoux » a changé…(densité 1.8 → 1.75)", true,
                      plan(denser, asSaved.lines));
        row("material gone", {{"Mat", kMat.mid(kMat.indexOf("\"Rev"))}, {"Cylindre", kFlasks}},
            asSaved, "« Plâtre à bijoux » n'est plus dans le catalogue", true,
            plan({}, asSaved.lines));
        row("flask gone", today, plan(kPlaster, {line(k100), line(kGone)}),
            "Ligne 2 : le cylindre « Cylindre 80 × 80 » n'est plus dans le catalogue", true,
            plan(kPlaster, {line(k100), line({}, "80", "80")}));

        const CatalogueChoice tall = flask("100 × 100", "100", "101.6");
        const CatalogueChoice inches = flask("2½ × 3 po", "63.5", "76.2");
        row("inch line of a catalogue flask back in mm", today,
            plan(kPlaster, {line(inches, "2 1/2", "3", in)}), "", true,
            plan(kPlaster, {line(inches)}));
        addFormatRows("two lines of the same flask, another height", taller,
                      plan(kPlaster, {line(k100), line(k90), line(k100)}),
                      "Ligne 1 : …(hauteur 100 → 101.6) | Ligne 3 : …(hauteur 100 → 101.6)", true,
                      plan(kPlaster, {line(tall), line(k90), line(tall)}));

        // The choices of an unreadable catalogue kept as saved, though they differ from today's.
        const PlanDocument stale = plan(denser, {line(k100), line(kGone)});
        row("Data/Mat.txt missing", {{"Cylindre", kFlasksTaller}}, plan(denser, {line(k100)}),
            "Le catalogue Data/Mat.txt n'a pas pu être lu (erreur d'exécution 53 | "
            "Ligne 1 : …(hauteur 100 → 101.6)",
            true, plan(denser, {line(tall)}));
        row("Data/Cylindre.txt missing", {{"Mat", kDenserMat}}, stale,
            "Le catalogue Data/Cylindre.txt n'a pas pu être lu (erreur d'exécution 53", false,
            stale);
        // The first flask's record reads, the second's number is too large; a third follows.
        const QByteArray broken =
            "\"Cylindre 100 \xd7 100\",100,101.6\r\n"
            "\"Cylindre 90 \xd7 110\",90,1E+999\r\n"
            "\"Cylindre 80 \xd7 80\",80,80\r\n";
        row("flask catalogue broken halfway", {{"Mat", kDenserMat}, {"Cylindre", broken}}, stale,
            "Data/Cylindre.txt n'a pas pu être lu (erreur d'exécution 6 ", false, stale);
        row("a name twice, the first taken",
            {{"Mat", kMat + "\"Pl\xe2tre \xe0 bijoux\",38,3,10,8,2.2,0.48,0.55\r\n"},
             {"Cylindre", kFlasks + "\"Cylindre 100 \xd7 100\",100,120\r\n"}},
            asSaved, "", false, asSaved);
        row("nothing chosen, no catalogue", {}, withMetal(nullptr), "", false, withMetal(nullptr));

        row("metal found as saved", {{"Metal", kMetals}}, withMetal("10.36"), "", false,
            withMetal("10.36"));
        row("metal with another density", {{"Metal", QByteArray(kMetals).replace("10.36", "10.4")}},
            withMetal("10.36"), "Le métal « Argent 925 » a changé…(densité 10.36 → 10.4)", true,
            withMetal("10.4"));
        row("metal gone", {{"Metal", kMetals.mid(kMetals.indexOf("\"Or"))}}, withMetal("10.36"),
            "Le métal « Argent 925 » n'est plus dans le catalogue", true, withMetal(nullptr));
        row("Data/Metal.txt missing", {}, withMetal("10.36"),
            "Le catalogue Data/Metal.txt n'a pas pu être lu (erreur d'exécution 53", false,
            withMetal("10.36"));
        row("metal catalogue broken after the metal",
            {{"Metal", kMetals + "\"Bronze\",1E+999\r\n"}}, withMetal("10.36"),
            "Data/Metal.txt n'a pas pu être lu (erreur d'exécution 6 ", false, withMetal("10.36"));

        const QString steps = "149/200/120; 732/250/180";
        const Files cuisson = {{"Cuisson", kCuisson}};
        row("programme found as saved", cuisson, withProgramme(steps), "", false,
            withProgramme(steps));
        addFormatRows("programme with another hold and rate", cuisson,
                      withProgramme("149/200/120; 732/2.5/150"),
                      "« Plâtre moyen » a changé…(étape 2 : vitesse 2.5 → 250, palier 150 → "
                      "180) : ses étapes d'aujourd'hui sont prises",
                      true, withProgramme(steps));
        row("a step more today", cuisson, withProgramme("149/200/120"), "…(étape 2 ajoutée)", true,
            withProgramme(steps));
        row("a step fewer today", cuisson, withProgramme(steps + "; 540/200/60"),
            "…(étape 3 retirée)", true, withProgramme(steps));
        row("programme gone", {{"Cuisson", kCuisson.mid(kCuisson.indexOf("\"R"))}},
            withProgramme(steps),
            "Le programme de cuisson « Plâtre moyen » n'est plus dans le catalogue", true,
            withProgramme("none"));
        row("Data/Cuisson.txt missing", {}, withProgramme(steps),
            "Le catalogue Data/Cuisson.txt n'a pas pu être lu (erreur d'exécution 53", false,
            withProgramme(steps));
        row("no programme, no catalogue", {}, withProgramme("none"), "", false,
            withProgramme("none"));
    }
    void matching() {
        QFETCH(Files, files);
        QFETCH(PlanDocument, saved);
        QFETCH(QString, notes);
        QFETCH(bool, changed);
        QFETCH(PlanDocument, after);
        TempWorkDir dir;
        QVERIFY(dir.isValid());
        for (auto file = files.cbegin(); file != files.cend(); ++file)
            QVERIFY(dir.write("Data/" + file.key() + ".txt", file.value()));
        CatalogueMatch match;
        NO_ERROR(match = match_catalogues(saved, rowFormat()));
        QCOMPARE(notesAgainst(match.notes(), notes.split(" | ", Qt::SkipEmptyParts)), notes);
        QCOMPARE(match.changed, changed);
        QCOMPARE(shown(saved), shown(after));
        QVERIFY(saved == after);  // counts, trees, patterns, the job's and the oven's fields too
    }

    // The figures follow from the document alone, in the regional form. The README's plan,
    // 9,6 g of wax on each of its three 2½ × 3 po trees, Argent 925: 9,6 × 10,36 × 1,1 =
    // 109,4016, so 110 g a flask and 330 g to melt; 3128 g of powder at 12,50 a kg and 330 g at
    // 0,85 a gram. A fault of the metal or the prices empties what follows from it, never the
    // masses. One flask of 100 × 100 mm less 12,5 cm³: 0,7725 dm³ × 1800 / 1,385 = 1003,97 g of
    // powder and 386,5 g of water; × 1,05: 1054,2 and 405,9; × 1,1: 1104,4 and 425,2.
    void figures_data() {
        QTest::addColumn<PlanDocument>("document");
        QTest::addColumn<QString>("figures");
        QTest::addColumn<int>("format");  // in kFigureFormats
        for (int f = 0; f < 3; ++f) {
            const auto row = [&](const char* name, const PlanDocument& document,
                                 const QByteArray& figures) {
                QTest::addRow("%s / %s", name, kFigureFormats[f].name)
                    << document
                    << QString::fromUtf8(localised(figures.constData(), kFigureFormats[f].format))
                    << f;
            };
            const QByteArray extra = QByteArray::number(int(PlanField::metal_extra));
            const CatalogueChoice plaster{"Plâtre", {"40", "3", "10", "8", "1.8", "0.48", "0.55"}};
            PlanDocument example = plan(plaster, {{{}, "2 1/2", "3", in, 3, "12", "9.6"},
                                                  line(flask("3 × 4 po", "76.2", "101.6")),
                                                  {{}, "100", "100", mm, 1, "", ""}});
            example.lines[1] = {example.lines[1].flask, "76.2", "101.6", mm, 2, "", ""};
            example.margin = 0;
            example.metal = MetalChoice{"Argent 925", "10.36"};
            example.prices = {"12.5", "0.85"};
            const QByteArray volumes = "0.2411971 0.4630984 0.785 | 2.398788 | ";
            row("README plan", example,
                volumes + "3128 1188 ; metal 110 - - = 330 ; costs 39.10 280.50 319.60");
            PlanDocument changed = example;
            changed.prices = {};
            row("no price", changed, volumes + "3128 1188 ; metal 110 - - = 330 ; costs - - -");
            changed = example;
            changed.metal->extra_percent = "150";
            row("metal fault", changed,
                volumes + "3128 1188 ; costs 39.10 - - ; metal error 5, field " + extra);
            changed.prices.powder_per_kg = "x";
            row("metal fault before a price fault", changed,
                volumes + "3128 1188 ; costs - - - ; metal error 5, field " + extra);
            changed = example;
            changed.prices.metal_per_g = "0,85 €";
            row("price fault", changed,
                volumes + "3128 1188 ; metal 110 - - = 330 ; costs - - - ; metal error 13, field " +
                    QByteArray::number(int(PlanField::metal_price)));
            changed = example;
            changed.metal.reset();
            row("no metal", changed, volumes + "3128 1188 ; costs 39.10 - -");
            changed.prices.metal_per_g = "";
            row("no metal, no metal price", changed, volumes + "3128 1188 ; costs 39.10 - 39.10");
            changed = example;
            changed.material.reset();
            changed.prices.powder_per_kg = " ";
            changed.special_liquid_percent = "25";
            row("no material, no powder price", changed,
                volumes + "no material ; metal 110 - - = 330 ; costs - 280.50 280.50");
            changed.material = CatalogueChoice{"Sans valeurs", {}};
            row("a material without values", changed,
                volumes + "no material ; metal 110 - - = 330 ; costs - 280.50 280.50");

            changed = example;
            changed.special_liquid_percent = "";
            row("special liquid not typed yet", changed,
                " | - | - - ; metal 110 - - = 330 ; costs - 280.50 - ; error 13, line 0, field " +
                    QByteArray::number(int(PlanField::concentration)));
            changed.special_liquid_percent = "25";
            changed.lines[2].tree_cm3 = "785.5";
            row("tree larger than its flask", changed,
                " | - | - - ; metal 110 - - = 330 ; costs - 280.50 - ; error 5, line 3, field " +
                    QByteArray::number(int(PlanField::deduction)));
            changed.lines[2].tree_cm3 = "";
            changed.lines[1].diameter = "";
            row("plan fault", changed,
                " | - | - - ; metal 110 - - = 330 ; costs - 280.50 - ; error 13, line 2, field " +
                    QByteArray::number(int(PlanField::diameter)));

            // One flask, the job's water apart from the catalogue's, each margin.
            PlanDocument one = plan(plaster, {{k100, "100", "100", mm, 1, "12.5", ""}});
            one.water_percent = "38.5";
            one.margin = 0;
            row("one flask, Brut", one, "0.785 | 0.7725 | 1003 386 ; costs - - -");
            one.margin = 5;
            one.special_liquid_percent = "25";
            row("one flask, + 5%, special liquid 25", one,
                "0.785 | 0.7725 | 1054 405 | 101 + 304 ; costs - - -");
            one.margin = 10;
            one.special_liquid_percent = "12.5";
            row("one flask, +10%, special liquid 12.5", one,
                "0.785 | 0.7725 | 1104 425 | 53 + 372 ; costs - - -");
        }
    }
    void figures() {
        QFETCH(PlanDocument, document);
        QFETCH(QString, figures);
        QFETCH(int, format);
        const NumberFormat& fmt = kFigureFormats[format].format;
        PlanFigures worked;
        NO_ERROR(worked = plan_figures(document, fmt));
        QCOMPARE(shown(worked), figures);
        if (worked.split) {  // the two parts add up to the liquid
            const double special = text_to_number(worked.split->special, fmt);
            QCOMPARE(special + text_to_number(worked.split->water, fmt),
                     text_to_number(worked.result.masses.water, fmt));
        }
    }
};

QTEST_GUILESS_MAIN(TestPlanCatalogue)
#include "tst_plan_catalogue.moc"
