#include <clocale>
#include <locale>

#include "core_test_support.h"
#include "document/plan_catalogue.h"
#include "document/plan_figures.h"
#include "workdir.h"

using namespace gypsomix;
using Choice = std::optional<CatalogueChoice>;

Q_DECLARE_METATYPE(PlanDocument)

namespace {

constexpr LengthUnit mm = LengthUnit::millimetre;
constexpr LengthUnit in = LengthUnit::inch;

// Today's catalogues as a caster's Windows editor writes them: Windows-1252, CR LF.
const QByteArray kMat =
    "\"Pl\xe2tre \xe0 bijoux\",38,3,10,8,1.8,0.48,0.55\r\n"
    "\"Rev\xeatement fluide\",40,3,12,9,1.75,0.42,0.5\r\n";
const QByteArray kFlasks =
    "\"Cylindre 100 \xd7 100\",100,100\r\n"
    "\"Cylindre 90 \xd7 110\",90,110\r\n"
    "\"Cylindre 2\xbd \xd7 3 po\",63.5,76.2\r\n";
const QByteArray kFlasksTaller = QByteArray(kFlasks).replace("100,100", "100,101.6");

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

// The figures as the window shows them: each line's flask, the volume to fill, any masses and
// any split; or the fault, then anything that still stands beside it.
QString shown(const PlanResult& result, bool masses) {
    QStringList flasks;
    for (const std::string& volume : result.flask_volumes)
        flasks << fromStd(volume);
    QStringList parts = {flasks.join(' '), fromStd(result.volume)};
    if (masses || !result.masses.powder.empty() || !result.masses.water.empty())
        parts << fromStd(result.masses.powder) << fromStd(result.masses.water);
    return parts.join(" | ");
}
QString shown(const PlanFigures& figures) {
    QString split;
    if (figures.split)
        split = " | " + fromStd(figures.split->special) + " + " + fromStd(figures.split->water);
    if (!figures.error)
        return shown(figures.result, figures.has_material) + split;
    const QString left = shown(figures.result, false) + split;
    return QString("error %1, line %2, field %3")
        .arg(figures.error->number())
        .arg(figures.error->line())
        .arg(int(figures.error->field()))
        .append(left == " | " ? "" : ", beside " + left);
}

// The metal choice, and the metal's figures beside the masses: each line's metal for one flask
// ("-" without a pattern), the metal to melt, the costs ("-" where not given), and the fault
// of the metal or the prices.
QString shown(const std::optional<MetalChoice>& metal) {
    return metal ? fromStd(metal->name) + " [" + fromStd(metal->density) + "]" : "none";
}
QString shownMetal(const PlanFigures& figures) {
    const auto dash = [](const std::string& text) { return text.empty() ? "-" : fromStd(text); };
    QStringList parts = {dash(figures.result.masses.powder) + " " +
                         dash(figures.result.masses.water)};
    if (figures.metal) {
        QStringList flasks;
        for (const std::string& grams : figures.metal->per_flask)
            flasks << dash(grams);
        parts << flasks.join(' ') + " | " + dash(figures.metal->total);
    }
    const JobCosts& cost = figures.cost;
    parts << "costs " + dash(cost.powder) + " " + dash(cost.metal) + " " + dash(cost.total);
    if (figures.metal_error)
        parts << QString("error %1, field %2")
                     .arg(figures.metal_error->number())
                     .arg(int(figures.metal_error->field()));
    return parts.join(" ; ");
}

// A format where the point groups: an invariant "76.2" read as typed there would be 762.
const NamedFormat kFigureFormats[] = {kFormats[0], kFormats[1], {"German", {",", "."}}};

}  // namespace

class TestPlanCatalogue : public QObject {
    Q_OBJECT

  private slots:
    // Under LC_ALL=fr_FR.UTF-8 the C and C++ locales are French too: nothing may follow them.
    void initTestCase() {
        std::setlocale(LC_ALL, "");
        try {
            std::locale::global(std::locale(""));
        } catch (const std::runtime_error&) {
            // An unknown locale stays classic.
        }
    }

    void matching_data() {
        QTest::addColumn<QByteArray>("materials");  // Data/Mat.txt; empty: no such file
        QTest::addColumn<QByteArray>("flasks");     // Data/Cylindre.txt; empty: no such file
        QTest::addColumn<PlanDocument>("saved");
        QTest::addColumn<QString>("notes");  // a key phrase per note, separated by " | "
        QTest::addColumn<bool>("changed");
        QTest::addColumn<PlanDocument>("after");
        QTest::addColumn<int>("format");
        const auto row = [](const char* name, const QByteArray& m, const QByteArray& f,
                            const PlanDocument& saved, const QString& notes, bool changed,
                            const PlanDocument& after) {
            QTest::newRow(name) << m << f << saved << notes << changed << after << 0;
        };
        const PlanDocument asSaved = plan(kPlaster, {line(k100), line({}, "2 1/2", "3", in)});
        row("every choice found as saved", kMat, kFlasks, asSaved, "", false, asSaved);

        CatalogueChoice denser = kPlaster;
        denser.values[4] = "1.75";
        addFormatRows("material with another density", QByteArray(kMat).replace("1.8,", "1.75,"),
                      kFlasks, asSaved, "« Plâtre à bijoux » a changé…(densité 1.8 → 1.75)", true,
                      plan(denser, asSaved.lines));
        row("material gone", kMat.mid(kMat.indexOf("\"Rev")), kFlasks, asSaved,
            "« Plâtre à bijoux » n'est plus dans le catalogue", true, plan({}, asSaved.lines));
        row("flask gone", kMat, kFlasks, plan(kPlaster, {line(k100), line(kGone)}),
            "Ligne 2 : le cylindre « Cylindre 80 × 80 » n'est plus dans le catalogue", true,
            plan(kPlaster, {line(k100), line({}, "80", "80")}));

        const CatalogueChoice taller = flask("100 × 100", "100", "101.6");
        addFormatRows("flask with another height", kMat, kFlasksTaller,
                      plan(kPlaster, {line(k100)}), "Ligne 1 : …(hauteur 100 → 101.6)", true,
                      plan(kPlaster, {line(taller)}));
        const CatalogueChoice inches = flask("2½ × 3 po", "63.5", "76.2");
        row("inch line of a catalogue flask back in mm", kMat, kFlasks,
            plan(kPlaster, {line(inches, "2 1/2", "3", in)}), "", true,
            plan(kPlaster, {line(inches)}));
        addFormatRows("two lines of the same flask", kMat, kFlasksTaller,
                      plan(kPlaster, {line(k100), line(k90), line(k100)}),
                      "Ligne 1 : …(hauteur 100 → 101.6) | Ligne 3 : …(hauteur 100 → 101.6)", true,
                      plan(kPlaster, {line(taller), line(k90), line(taller)}));

        // The choices of an unreadable catalogue kept as saved, though they differ from today's.
        const PlanDocument stale = plan(denser, {line(k100), line(kGone)});
        row("Data/Mat.txt missing", QByteArray(), kFlasksTaller, plan(denser, {line(k100)}),
            "Le catalogue Data/Mat.txt n'a pas pu être lu (erreur d'exécution 53 | "
            "Ligne 1 : …(hauteur 100 → 101.6)",
            true, plan(denser, {line(taller)}));
        row("Data/Cylindre.txt missing", QByteArray(kMat).replace("1.8,", "1.75,"), QByteArray(),
            stale, "Le catalogue Data/Cylindre.txt n'a pas pu être lu (erreur d'exécution 53",
            false, stale);
        // The first flask's record reads, the second's number is too large; a third follows.
        const QByteArray broken =
            "\"Cylindre 100 \xd7 100\",100,101.6\r\n"
            "\"Cylindre 90 \xd7 110\",90,1E+999\r\n"
            "\"Cylindre 80 \xd7 80\",80,80\r\n";
        row("flask catalogue broken halfway", QByteArray(kMat).replace("1.8,", "1.75,"), broken,
            stale, "Data/Cylindre.txt n'a pas pu être lu (erreur d'exécution 6 ", false, stale);
        row("a name twice, the first taken",
            kMat + "\"Pl\xe2tre \xe0 bijoux\",38,3,10,8,2.2,0.48,0.55\r\n",
            kFlasks + "\"Cylindre 100 \xd7 100\",100,120\r\n", asSaved, "", false, asSaved);
        const PlanDocument nothingChosen = plan({}, {line({}, "100", "100")});
        row("nothing chosen, no catalogue", QByteArray(), QByteArray(), nothingChosen, "", false,
            nothingChosen);
    }
    void matching() {
        QFETCH(QByteArray, materials);
        QFETCH(QByteArray, flasks);
        QFETCH(PlanDocument, saved);
        QFETCH(QString, notes);
        QFETCH(bool, changed);
        QFETCH(PlanDocument, after);
        TempWorkDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(materials.isEmpty() || dir.write("Data/Mat.txt", materials));
        QVERIFY(flasks.isEmpty() || dir.write("Data/Cylindre.txt", flasks));
        CatalogueMatch match;
        NO_ERROR(match = match_catalogues(saved, rowFormat()));
        QCOMPARE(notesAgainst(match.notes, notes.split(" | ", Qt::SkipEmptyParts)), notes);
        QCOMPARE(match.changed, changed);
        QCOMPARE(shown(saved), shown(after));
        QVERIFY(saved == after);  // counts, trees, patterns and the job's fields too
    }

    // The metal is matched by name like the material: kept, given today's density, or dropped;
    // an unreadable catalogue keeps it as saved.
    void metalMatching_data() {
        QTest::addColumn<QByteArray>("metals");  // Data/Metal.txt; empty: no such file
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("after");
        const QByteArray metals = "\"Argent 925\",10.36\r\n\"Or jaune 18 carats (750)\",15.58\r\n";
        QTest::newRow("found as saved") << metals << ""
                                        << "Argent 925 [10.36]";
        QTest::newRow("another density")
            << QByteArray(metals).replace("10.36", "10.4")
            << "Le métal « Argent 925 » a changé…(densité 10.36 → 10.4)"
            << "Argent 925 [10.4]";
        QTest::newRow("gone") << metals.mid(metals.indexOf("\"Or"))
                              << "Le métal « Argent 925 » n'est plus dans le catalogue"
                              << "none";
        QTest::newRow("Data/Metal.txt missing")
            << QByteArray()
            << "Le catalogue Data/Metal.txt n'a pas pu être lu (erreur d'exécution 53"
            << "Argent 925 [10.36]";
        QTest::newRow("broken after the metal")
            << metals + "\"Bronze\",1E+999\r\n"
            << "Data/Metal.txt n'a pas pu être lu (erreur d'exécution 6 "
            << "Argent 925 [10.36]";
    }
    void metalMatching() {
        QFETCH(QByteArray, metals);
        QFETCH(QString, notes);
        QFETCH(QString, after);
        TempWorkDir dir;
        QVERIFY(metals.isEmpty() || dir.write("Data/Metal.txt", metals));
        PlanDocument saved = plan({}, {line({}, "100", "100")});
        saved.metal = MetalChoice{"Argent 925", "10.36", "0.95", "12", "2"};
        PlanDocument expected = saved;
        CatalogueMatch match;
        NO_ERROR(match = match_catalogues(saved, NumberFormat{}));
        QCOMPARE(notesAgainst(match.notes, notes.split(" | ", Qt::SkipEmptyParts)), notes);
        QCOMPARE(shown(saved.metal), after);
        QCOMPARE(match.changed, after != shown(expected.metal));
        // The pattern's density, the extra and the button stay with a metal kept.
        if (saved.metal) {
            expected.metal->density = saved.metal->density;
            QVERIFY(saved == expected);
        }
    }

    // The metal and the costs beside the masses of the README's plan, 9,6 g of wax on each of
    // its three 2½ × 3 po trees, Argent 925: 9,6 × 10,36 × 1,1 = 109,4016, so 110 g a flask and
    // 330 g to melt; 3128 g of powder at 12,50 a kg and 330 g at 0,85 a gram. A fault of the
    // metal or the prices empties what follows from it, never the masses.
    void metalFigures_data() {
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
            const CatalogueChoice plaster{"Plâtre", {"40", "3", "10", "8", "1.8", "0.48", "0.55"}};
            PlanDocument example = plan(plaster, {{{}, "2 1/2", "3", in, 3, "12", "9.6"},
                                                  {{}, "76.2", "101.6", mm, 2, "", ""},
                                                  {{}, "100", "100", mm, 1, "", ""}});
            example.margin = 0;
            example.metal = MetalChoice{"Argent 925", "10.36"};
            example.prices = {"12.5", "0.85"};
            row("README plan", example, "3128 1188 ; 110 - - | 330 ; costs 39.10 280.50 319.60");
            PlanDocument noPrice = example;
            noPrice.prices = {};
            row("no price", noPrice, "3128 1188 ; 110 - - | 330 ; costs - - -");
            PlanDocument metalFault = example;
            metalFault.metal->extra_percent = "150";
            row("metal fault", metalFault,
                "3128 1188 ; costs 39.10 - - ; error 5, field " +
                    QByteArray::number(int(PlanField::metal_extra)));
            metalFault.prices.powder_per_kg = "x";
            row("metal fault before a price fault", metalFault,
                "3128 1188 ; costs - - - ; error 5, field " +
                    QByteArray::number(int(PlanField::metal_extra)));
            PlanDocument priceFault = example;
            priceFault.prices.metal_per_g = "0,85 €";
            row("price fault", priceFault,
                "3128 1188 ; 110 - - | 330 ; costs - - - ; error 13, field " +
                    QByteArray::number(int(PlanField::metal_price)));
            PlanDocument planFault = example;
            planFault.lines[1].diameter = "";
            row("plan fault", planFault, "- - ; 110 - - | 330 ; costs - 280.50 -");
            PlanDocument noMetal = example;
            noMetal.metal.reset();
            row("no metal", noMetal, "3128 1188 ; costs 39.10 - -");
            noMetal.prices.metal_per_g = "";
            row("no metal, no metal price", noMetal, "3128 1188 ; costs 39.10 - 39.10");
            PlanDocument noMaterial = example;
            noMaterial.material.reset();
            noMaterial.prices.powder_per_kg = " ";
            row("no material, no powder price", noMaterial,
                "- - ; 110 - - | 330 ; costs - 280.50 280.50");
        }
    }
    void metalFigures() {
        QFETCH(PlanDocument, document);
        QFETCH(QString, figures);
        QFETCH(int, format);
        PlanFigures worked;
        NO_ERROR(worked = plan_figures(document, kFigureFormats[format].format));
        QCOMPARE(shownMetal(worked), figures);
    }

    // The figures follow from the document alone, in the regional form: the job's fields and
    // lines as the window shows them give what the plan's arithmetic gives for those texts.
    void figures_data() {
        QTest::addColumn<PlanDocument>("document");
        QTest::addColumn<QString>("figures");
        QTest::addColumn<int>("format");  // in kFigureFormats
        for (int f = 0; f < 3; ++f) {
            const NumberFormat& fmt = kFigureFormats[f].format;
            const auto loc = [&](const char* text) { return localised(text, fmt).toStdString(); };
            const auto row = [&](const char* name, const PlanDocument& document,
                                 const QString& figures) {
                QTest::addRow("%s / %s", name, kFigureFormats[f].name) << document << figures << f;
            };
            const CatalogueChoice plaster{"Plâtre", {"40", "3", "10", "8", "1.8", "0.48", "0.55"}};
            PlanDocument example = plan(plaster, {{{}, "2 1/2", "3", in, 3, "12", ""},
                                                  line(flask("3 × 4 po", "76.2", "101.6")),
                                                  line({}, "100", "100")});
            example.lines[1].count = 2;
            example.lines[1].tree_cm3 = example.lines[2].tree_cm3 = "";
            example.lines[2].count = 1;
            example.margin = 0;
            row("worked example", example,
                localised("0.2411971 0.4630984 0.785 | 2.398788 | 3128 | 1188", fmt));
            PlanDocument none = example;
            none.material.reset();
            none.special_liquid_percent = "25";
            row("no material, volumes only", none,
                localised("0.2411971 0.4630984 0.785 | 2.398788", fmt));
            none.material = CatalogueChoice{"Sans valeurs", {}};
            row("a material without values", none,
                localised("0.2411971 0.4630984 0.785 | 2.398788", fmt));

            // One flask, the job's water apart from the catalogue's, each margin.
            for (const auto& [percent, margin, name] :
                 {std::tuple(0, Margin::Brut, "one flask, Brut"),
                  std::tuple(5, Margin::Plus5, "one flask, + 5%"),
                  std::tuple(10, Margin::Plus10, "one flask, +10%")}) {
                PlanDocument one = plan(plaster, {line(k100)});
                one.lines[0].count = 1;
                one.lines[0].tree_cm3 = "12.5";
                one.water_percent = "38.5";
                one.margin = percent;
                const std::vector<PlanLine> lines = {{"100", "100", mm, 1, loc("12.5")}};
                const PlanResult direct = plan_masses(loc("1.8"), loc("38.5"), lines, margin, fmt);
                row(name, one, shown(direct, true));
                for (const char* special : {"25", "12.5"}) {
                    one.special_liquid_percent = special;
                    const LiquidSplit split = split_liquid(direct.masses.water, loc(special), fmt);
                    row(qPrintable(QString("%1, special liquid %2").arg(name, special)), one,
                        shown(direct, true) + " | " + fromStd(split.special + " + " + split.water));
                }
            }
            PlanDocument unfinished = example;
            unfinished.special_liquid_percent = "";
            row("special liquid not typed yet", unfinished,
                QString("error 13, line 0, field %1").arg(int(PlanField::concentration)));
            PlanDocument fault = example;
            fault.special_liquid_percent = "25";
            fault.lines[2].tree_cm3 = "785.5";
            row("tree larger than its flask", fault,
                QString("error 5, line 3, field %1").arg(int(PlanField::deduction)));
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
    // A burnout programme looked up by name: the same steps stay silently, other steps are
    // taken with a note that says which, a programme gone is no longer chosen.
    void programmeMatching_data() {
        QTest::addColumn<QByteArray>("cuisson");  // Data/Cuisson.txt; empty: no such file
        QTest::addColumn<QString>("saved");       // target/rate/hold; …, or "none"
        QTest::addColumn<QString>("notes");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("format");
        const QByteArray today =
            "\"Pl\xe2tre moyen\",149,200,120\r\n\"Pl\xe2tre moyen\",732,250,180\r\n"
            "\"R\xe9sine\",750,1.5,240\r\n";
        const QString steps = "149/200/120; 732/250/180";
        const auto row = [](const char* name, const QByteArray& file, const QString& saved,
                            const char* notes, bool changed, const QString& after) {
            QTest::newRow(name) << file << saved << notes << changed << after << 0;
        };
        row("same steps", today, steps, "", false, steps);
        addFormatRows("another hold and rate", today, QString("149/200/120; 732/2.5/150"),
                      "« Plâtre moyen » a changé…(étape 2 : vitesse 2.5 → 250, palier 150 → "
                      "180) : ses étapes d'aujourd'hui sont prises",
                      true, steps);
        row("a step more today", today, QString("149/200/120"), "…(étape 2 ajoutée)", true, steps);
        row("a step fewer today", today, steps + "; 540/200/60", "…(étape 3 retirée)", true, steps);
        row("gone", today.mid(today.indexOf("\"R")), steps,
            "Le programme de cuisson « Plâtre moyen » n'est plus dans le catalogue", true, "none");
        row("Data/Cuisson.txt missing", QByteArray(), steps,
            "Le catalogue Data/Cuisson.txt n'a pas pu être lu (erreur d'exécution 53", false,
            steps);
        row("no programme, no catalogue", QByteArray(), "none", "", false, "none");
    }
    void programmeMatching() {
        QFETCH(QByteArray, cuisson);
        QFETCH(QString, saved);
        QFETCH(QString, notes);
        QFETCH(bool, changed);
        QFETCH(QString, after);
        const auto programmeOf = [](const QString& text) {
            std::optional<BurnoutProgramme> programme;
            if (text != "none") {
                programme = BurnoutProgramme{"Plâtre moyen", {}};
                for (const QString& step : text.split("; ")) {
                    const QStringList f = step.split('/');
                    programme->steps.push_back(
                        {f[0].toStdString(), f[1].toStdString(), f[2].toStdString()});
                }
            }
            return programme;
        };
        TempWorkDir dir;
        QVERIFY(cuisson.isEmpty() || dir.write("Data/Cuisson.txt", cuisson));
        PlanDocument document = plan({}, {line({}, "100", "100")});
        document.burnout = Burnout{programmeOf(saved), "20", "45", "2026-12-07T16:00:00+01:00",
                                   "2026-12-07T04:02:00+01:00"};
        PlanDocument expected = document;
        expected.burnout->programme = programmeOf(after);
        CatalogueMatch match;
        NO_ERROR(match = match_catalogues(document, rowFormat()));
        QCOMPARE(notesAgainst(match.notes, notes.split(" | ", Qt::SkipEmptyParts)), notes);
        QCOMPARE(match.changed, changed);
        QVERIFY(document == expected);  // the oven's other fields untouched
    }
};

QTEST_GUILESS_MAIN(TestPlanCatalogue)
#include "tst_plan_catalogue.moc"
