#include <cmath>
#include <random>
#include <utility>
#include <vector>

#include "calc/plan.h"
#include "core_test_support.h"

using gypsomix::LengthUnit;
using gypsomix::Margin;
using gypsomix::NumberFormat;
using gypsomix::PlanField;
using gypsomix::PlanLine;

Q_DECLARE_METATYPE(PlanField)

namespace {

constexpr LengthUnit mm = LengthUnit::millimetre;
constexpr LengthUnit in = LengthUnit::inch;
const char* const kMarginNames[] = {"Brut", "+ 5%", "+10%"};

struct Line {
    int count;
    const char *diameter, *height;
    LengthUnit unit;
    const char* deduction;
};

// Figures worked by hand with 3.14 for pi: a flask's dm³ is d² × 3.14 × h / 4 000 000 to
// 7 digits (inches × 25.4 first), then powder = dm³ × density × 1000 / (1 + water / 100) and
// water = powder × water / 100, each rounded down to the gram after any margin.
struct PlanRow {
    PlanRow(const char* name, const char* density, const char* water, Margin margin,
            std::vector<Line> lines, const char* flasks, const char* volume, const char* powder,
            const char* liquid)
        : name(name),
          density(density),
          water(water),
          margin(margin),
          lines(std::move(lines)),
          flasks(flasks),
          volume(volume),
          powder(powder),
          liquid(liquid) {}
    const char *name, *density, *water;
    Margin margin;
    std::vector<Line> lines;
    const char *flasks, *volume, *powder, *liquid;  // one flask per line, dm³ to fill, grams
};

// The worked example, its first diameter typed as `inches`.
std::vector<Line> workedExample(const char* inches) {
    return {{3, inches, "3", in, "12"}, {2, "76.2", "101.6", mm, ""}, {1, "100", "100", mm, ""}};
}

const std::vector<PlanRow> kPlans = {
    // 2½ × 3 po = 63,5 × 76,2 mm: 0,24119709825 dm³; 76,2 × 101,6 mm: 0,46309842864 dm³.
    // 3 × (0,2411971 - 0,012) + 2 × 0,4630984 + 0,785 = 2,3987881; 2,398788 × 1800 / 1,38 =
    // 3128,854 g of powder, × 0,38 = 1188,96 g of water; × 1,05: 3285,30 and 1248,41; × 1,1:
    // 3441,74 and 1307,86.
    PlanRow("worked example", "1.8", "38", Margin::Brut, workedExample("2 1/2"),
            "0.2411971 0.4630984 0.785", "2.398788", "3128", "1188"),
    PlanRow("worked example", "1.8", "38", Margin::Plus5, workedExample("2½"),
            "0.2411971 0.4630984 0.785", "2.398788", "3285", "1248"),
    PlanRow("worked example", "1.8", "38", Margin::Plus10, workedExample("2.5"),
            "0.2411971 0.4630984 0.785", "2.398788", "3441", "1307"),
    // 2,355 × 1800 / 1,38 = 3071,74; × 0,38 = 1167,26.
    PlanRow("three flasks", "1.8", "38", Margin::Brut, {{3, "100", "100", mm, ""}}, "0.785",
            "2.355", "3071", "1167"),
    // 1,57 × 1750 / 1,4 = 1962,5; × 0,4 = 785.
    PlanRow("two flasks, whole grams", "1.75", "40", Margin::Brut, {{2, "100", "100", mm, ""}},
            "0.785", "1.57", "1962", "785"),
    // 101,6³ × 3,14 / 4e6 = 0,823286095; × 1800 / 1,38 = 1073,85; × 0,38 = 408,06.
    PlanRow("4 x 4 po", "1.8", "38", Margin::Brut, {{1, "4", "4", in, ""}}, "0.8232861",
            "0.8232861", "1073", "408"),
    // 0,785 - 0,012 = 0,773; × 1800 / 1,38 = 1008,26; × 0,38 = 383,14.
    PlanRow("12 cm3 of tree", "1.8", "38", Margin::Brut, {{1, "100", "100", mm, "12"}}, "0.785",
            "0.773", "1008", "383"),
    PlanRow("blank deduction is none", "1.8", "38", Margin::Brut, {{1, "100", "100", mm, "  "}},
            "0.785", "0.785", "1023", "389"),
    PlanRow("negative zero deduction", "1.8", "38", Margin::Brut, {{1, "100", "100", mm, "-0"}},
            "0.785", "0.785", "1023", "389"),
    PlanRow("deduction equal to the volume", "1.8", "38", Margin::Brut,
            {{1, "100", "100", mm, "785"}}, "0.785", "0", "0", "0"),
    // 40² × 3,14 × 85 / 4e6 = 0,10676 exactly, but 106,76 / 1000 in binary exceeds it by 1E-17,
    // and 144,44 / 1000 falls short of 0,14444 by 3E-17: both deductions must leave nothing.
    PlanRow("deduction equal, binary division above", "1.8", "38", Margin::Brut,
            {{2, "40", "85", mm, "106.76"}}, "0.10676", "0", "0", "0"),
    PlanRow("deduction equal, binary division below", "1.8", "38", Margin::Brut,
            {{2, "40", "115", mm, "144.44"}}, "0.14444", "0", "0", "0"),
    // 4 × 0,2871216 = 1,1484864 and 3 × 0,3473238 = 1,0419714: 2,1904578 rounds to 2,190458,
    // where the lines rounded first (1,148486 + 1,041971) would give 2,190457. 2,190458 × 1800 /
    // 1,38 = 2857,12; × 0,38 = 1085,71.
    PlanRow("total rounded once", "1.8", "38", Margin::Brut,
            {{4, "60", "101.6", mm, ""}, {3, "76.2", "76.2", mm, ""}}, "0.2871216 0.3473238",
            "2.190458", "2857", "1085"),
    PlanRow("no line", "1.8", "38", Margin::Brut, {}, "", "0", "0", "0"),
};

std::vector<PlanLine> planLines(const std::vector<Line>& lines, const NumberFormat& fmt) {
    std::vector<PlanLine> result;
    for (const Line& l : lines)
        result.push_back({localised(l.diameter, fmt).toStdString(),
                          localised(l.height, fmt).toStdString(), l.unit, l.count,
                          localised(l.deduction, fmt).toStdString()});
    return result;
}

// A plan's failure: number 0 when there is none.
struct PlanFailure : Failure {
    int line = -1;
    PlanField field = PlanField::density;
};
template <class F>
PlanFailure planFailureOf(F&& call) {
    try {
        call();
    } catch (const gypsomix::PlanError& e) {
        PlanFailure f;
        f.number = e.number();
        f.description = QString::fromUtf8(e.what());
        f.line = e.line();
        f.field = e.field();
        return f;
    } catch (const gypsomix::RunTimeError& e) {
        PlanFailure f;
        f.number = e.number();
        f.description = "not a PlanError: " + QString::fromUtf8(e.what());
        return f;
    }
    return {};
}

gypsomix::PlanResult plan(const char* density, const char* water, const std::vector<Line>& lines,
                          Margin margin, const NumberFormat& fmt) {
    return gypsomix::plan_masses(view(localised(density, fmt)), view(localised(water, fmt)),
                                 planLines(lines, fmt), margin, fmt);
}

struct FaultRow {
    FaultRow(const char* name, std::vector<Line> lines, int number, int line, PlanField field,
             const char* quoted, const char* density = "1.8", const char* water = "38")
        : name(name),
          lines(std::move(lines)),
          number(number),
          line(line),
          field(field),
          quoted(quoted),
          density(density),
          water(water) {}
    const char* name;
    std::vector<Line> lines;
    int number, line;
    PlanField field;
    const char* quoted;  // the text the description must quote
    const char *density, *water;
};

using F = PlanField;
const std::string kHugeNumerator = std::string(400, '9') + "/2";
const std::vector<FaultRow> kFaults = {
    FaultRow("empty density", {}, 13, 0, F::density, "", ""),
    FaultRow("density before water", {}, 13, 0, F::density, "dd", "dd", "ww"),
    FaultRow("density beyond double", {}, 6, 0, F::density, "1E999", "1E999"),
    FaultRow("water", {}, 13, 0, F::water, "ww", "1.8", "ww"),
    FaultRow("empty water", {}, 13, 0, F::water, "", "1.8", " "),
    FaultRow("job before lines", {{0, "x", "x", mm, ""}}, 13, 0, F::water, "ww", "1.8", "ww"),
    FaultRow("no flask", {{0, "100", "100", mm, ""}}, 5, 1, F::count, "0"),
    FaultRow("negative count", {{-2, "100", "100", mm, ""}}, 5, 1, F::count, "-2"),
    FaultRow("count before diameter", {{0, "x", "100", mm, ""}}, 5, 1, F::count, "0"),
    FaultRow("empty diameter", {{1, "", "100", mm, ""}}, 13, 1, F::diameter, ""),
    FaultRow("diameter before height", {{1, "dd", "hh", mm, ""}}, 13, 1, F::diameter, "dd"),
    FaultRow("empty height", {{1, "100", "", mm, ""}}, 13, 1, F::height, ""),
    FaultRow("diameter beyond double", {{1, "1E999", "100", mm, ""}}, 6, 1, F::diameter, "1E999"),
    // The main window would report an overflow first; the plan reads every text before a step.
    FaultRow("height read before the volume steps", {{1, "1E+200", "x", mm, ""}}, 13, 1, F::height,
             "x"),
    FaultRow("diameter squared beyond double", {{1, "1E+154", "1", mm, ""}}, 6, 1, F::flask_volume,
             ""),
    FaultRow("flask beyond single", {{1, "1E+30", "1", mm, ""}}, 6, 1, F::flask_volume, ""),
    FaultRow("inches beyond double in mm", {{1, "1E+307", "1", in, ""}}, 6, 1, F::diameter,
             "1E+307"),
    FaultRow("fraction beyond double", {{1, kHugeNumerator.c_str(), "4", in, ""}}, 6, 1,
             F::diameter, ""),
    FaultRow("millimetres take no fraction", {{1, "2 1/2", "100", mm, ""}}, 13, 1, F::diameter,
             "2 1/2"),
    FaultRow("inch fraction cut short", {{1, "3", "2 1/", in, ""}}, 13, 1, F::height, "2 1/"),
    FaultRow("deduction not a number", {{1, "100", "100", mm, "12 cm3"}}, 13, 1, F::deduction,
             "12 cm3"),
    FaultRow("negative deduction", {{1, "100", "100", mm, "-1"}}, 5, 1, F::deduction, "-1"),
    FaultRow("deduction above the volume", {{1, "100", "100", mm, "785.1"}}, 5, 1, F::deduction,
             "785.1"),
    FaultRow("deduction before the next line",
             {{1, "100", "100", mm, "900"}, {0, "x", "x", mm, ""}}, 5, 1, F::deduction, "900"),
    FaultRow("second line", {{1, "100", "100", mm, "12"}, {2, "100", "hh", mm, ""}}, 13, 2,
             F::height, "hh"),
    // 1E+20² × 3,14 × 25 000 / 4e6 = 1,9625E+38 fits a single; two of them do not.
    FaultRow("volume to fill beyond single", {{2, "1E+20", "25000", mm, ""}}, 6, 0, F::volume, ""),
    FaultRow("water -100", {{1, "100", "100", mm, ""}}, 11, 0, F::water, "-100", "1.8", "-100"),
    FaultRow("water -100, nothing to fill: 0/0", {{1, "100", "100", mm, "785"}}, 6, 0, F::water,
             "-100", "1.8", "-100"),
    FaultRow("powder beyond single", {{1, "100", "100", mm, ""}}, 6, 0, F::masses, "", "1E+40"),
};

// The same length as a plain number of inches, and the fraction forms accepted for it.
struct InchRow {
    const char *fraction, *decimal;
};
const InchRow kInches[] = {
    {"2 1/2", "2.5"},
    {"2½", "2.5"},
    {"2 ½", "2.5"},
    {"2\u00A0½", "2.5"},
    {"2\u202F1/2", "2.5"},
    {" 2  1/2 ", "2.5"},
    {"1/2", "0.5"},
    {"½", "0.5"},
    {"3¼", "3.25"},
    {"2¾", "2.75"},
    {"1⅛", "1.125"},
    {"1⅜", "1.375"},
    {"1⅝", "1.625"},
    {"1⅞", "1.875"},
    {"3 5/8", "3.625"},
    {"3 7/16", "3.4375"},
    {"5/4", "1.25"},
    {"21/2", "10.5"},
    {"0 1/2", "0.5"},
    {"⅕", "0.2"},
    {"⅖", "0.4"},
    {"⅗", "0.6"},
    {"⅘", "0.8"},
    {"⅒", "0.1"},
    {"2⅓", "2.333333333333333"},
    {"⅔", "0.6666666666666666"},
    {"⅙", "0.1666666666666667"},
    {"⅚", "0.8333333333333334"},
    {"⅐", "0.1428571428571428"},
    {"⅑", "0.1111111111111111"},
};
const char* const kRefusedInches[] = {
    "2 1/", "/2",    "1/0",  "2 3/2", "2 2/2", "2½½", "½2",      "-1/2",   "+1/2", "1 /2",
    "1/ 2", "2-1/2", "2.5½", "2 ½ ¼", "1/2/3", "x/2", "2 1/2\"", "2 po ½", "½ 2",
};

}  // namespace

class TestPlan : public QObject {
    Q_OBJECT

  private slots:
    void plans_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("format");
        for (int f = 0; f < 2; ++f)
            for (int r = 0; r < int(kPlans.size()); ++r)
                QTest::addRow("%s, %s / %s", kPlans[r].name, kMarginNames[int(kPlans[r].margin)],
                              kFormats[f].name)
                    << r << f;
    }
    void plans() {
        QFETCH(int, row);
        QFETCH(int, format);
        const PlanRow& r = kPlans[row];
        const NumberFormat& fmt = kFormats[format].format;
        gypsomix::PlanResult result;
        NO_ERROR(result = plan(r.density, r.water, r.lines, r.margin, fmt));
        QStringList flasks;
        for (const std::string& volume : result.flask_volumes)
            flasks << fromStd(volume);
        QCOMPARE(flasks.join(' '), QString::fromUtf8(localised(r.flasks, fmt)));
        QCOMPARE(fromStd(result.volume), QString::fromUtf8(localised(r.volume, fmt)));
        QCOMPARE(fromStd(result.masses.powder), QString::fromUtf8(r.powder));
        QCOMPARE(fromStd(result.masses.water), QString::fromUtf8(r.liquid));

        // Before a material is chosen the window shows the same volumes, and no masses.
        gypsomix::PlanResult volumes;
        NO_ERROR(volumes = gypsomix::plan_volume(planLines(r.lines, fmt), fmt));
        QCOMPARE(volumes.flask_volumes, result.flask_volumes);
        QCOMPARE(volumes.volume, result.volume);
        QVERIFY(volumes.masses.powder.empty() && volumes.masses.water.empty());
    }

    // One flask of a line, in millimetres and without deduction, is the main window's figures:
    // flask_volume, then mix_masses of that text, over many flasks and materials.
    void oneFlaskIsTheMix_data() {
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("format");
        for (int f = 0; f < 2; ++f)
            for (int m = 0; m < 3; ++m)
                QTest::addRow("%s / %s", kMarginNames[m], kFormats[f].name) << m << f;
    }
    void oneFlaskIsTheMix() {
        QFETCH(int, margin);
        QFETCH(int, format);
        const NumberFormat& fmt = kFormats[format].format;
        std::mt19937 random(20250101 + margin);
        // A decimal text with `decimals` digits after the separator, between low and high.
        const auto figure = [&](double low, double high, int decimals) {
            const double value = std::uniform_real_distribution<double>(low, high)(random);
            char text[64];
            const char* end =
                std::to_chars(text, text + 64, value, std::chars_format::fixed, decimals).ptr;
            return localised(QByteArray(text, end - text).constData(), fmt).toStdString();
        };
        for (int i = 0; i < 4000; ++i) {
            // Jewellers' flasks to foundry moulds; investments from plaster to phosphate-bonded.
            const bool large = i % 10 == 0;
            const std::string d = figure(20, large ? 2000 : 160, i % 3);
            const std::string h = figure(20, large ? 3000 : 250, (i + 1) % 3);
            const std::string density = figure(1.2, 2.6, 1 + i % 3);
            const std::string water = figure(15, 60, i % 3);
            std::string volume;
            gypsomix::Masses masses;
            gypsomix::PlanResult result;
            NO_ERROR(volume = gypsomix::flask_volume(d, h, fmt));
            NO_ERROR(masses = gypsomix::mix_masses(density, water, volume, Margin(margin), fmt));
            NO_ERROR(result = gypsomix::plan_masses(density, water, {{d, h, mm, 1, ""}},
                                                    Margin(margin), fmt));
            const QString where = fromStd(d + " x " + h + ", " + density + " / " + water);
            QVERIFY2(result.flask_volumes == std::vector<std::string>{volume}, qPrintable(where));
            QVERIFY2(result.volume == volume, qPrintable(where));
            QVERIFY2(result.masses.powder == masses.powder, qPrintable(where));
            QVERIFY2(result.masses.water == masses.water, qPrintable(where));
        }
    }

    // A fraction of an inch gives the flask of the same length typed as a decimal.
    void inchFractions_data() {
        QTest::addColumn<QString>("fraction");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<int>("format");
        for (int f = 0; f < 2; ++f)
            for (const InchRow& r : kInches)
                QTest::addRow("%s / %s", r.fraction, kFormats[f].name)
                    << QString::fromUtf8(r.fraction)
                    << QString::fromUtf8(localised(r.decimal, kFormats[f].format)) << f;
    }
    void inchFractions() {
        QFETCH(QString, fraction);
        QFETCH(QString, decimal);
        QFETCH(int, format);
        const NumberFormat& fmt = kFormats[format].format;
        // The length as diameter, then as height, so both are read the same way.
        const auto flask = [&](const QString& length) {
            const std::string text = length.toStdString();
            QStringList volumes;
            const Failure failure = failureOf([&] {
                for (const PlanLine& line :
                     {PlanLine{text, "4", in, 1, ""}, PlanLine{"4", text, in, 1, ""}})
                    volumes << fromStd(gypsomix::plan_masses("1", "0", {line}, Margin::Brut, fmt)
                                           .flask_volumes.at(0));
            });
            return volumes << failure.description;
        };
        QCOMPARE(flask(fraction), flask(decimal));
    }

    void refusedInchTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("format");
        for (int f = 0; f < 2; ++f)
            for (const char* text : kRefusedInches)
                QTest::addRow("%s / %s", text, kFormats[f].name)
                    << QString::fromUtf8(localised(text, kFormats[f].format)) << f;
    }
    void refusedInchTexts() {
        QFETCH(QString, text);
        QFETCH(int, format);
        const NumberFormat& fmt = kFormats[format].format;
        const PlanFailure failure = planFailureOf([&] {
            gypsomix::plan_masses("1.8", "38", {{text.toStdString(), "4", in, 1, ""}}, Margin::Brut,
                                  fmt);
        });
        QCOMPARE(failure.label(), QStringLiteral("error 13"));
        QCOMPARE(failure.line, 1);
        QCOMPARE(failure.field, PlanField::diameter);
        QVERIFY2(quotes(failure.description, text.trimmed()), qPrintable(failure.description));
    }

    void faults_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("format");
        for (int f = 0; f < 2; ++f)
            for (int r = 0; r < int(kFaults.size()); ++r)
                QTest::addRow("%s / %s", kFaults[r].name, kFormats[f].name) << r << f;
    }
    void faults() {
        QFETCH(int, row);
        QFETCH(int, format);
        const FaultRow& r = kFaults[row];
        const NumberFormat& fmt = kFormats[format].format;
        const PlanFailure failure =
            planFailureOf([&] { plan(r.density, r.water, r.lines, Margin::Brut, fmt); });
        QCOMPARE(failure.label(), QStringLiteral("error %1").arg(r.number));
        QCOMPARE(failure.line, r.line);
        QCOMPARE(failure.field, r.field);
        const QString d = failure.description;
        QVERIFY2(quotes(d, QString::fromUtf8(localised(r.quoted, fmt))), qPrintable(d));
        QVERIFY2(
            r.line == 0 ? !d.contains("ligne") : d.contains(QString("(ligne %1, ").arg(r.line)),
            qPrintable(d));
        if (r.number == 5)
            QVERIFY2(d.startsWith("Appel de procédure ou argument incorrect ("), qPrintable(d));

        // The volumes alone, which read no material, fail on the same line and field.
        if (r.line > 0 || r.field == PlanField::volume) {
            const PlanFailure volumes =
                planFailureOf([&] { gypsomix::plan_volume(planLines(r.lines, fmt), fmt); });
            QCOMPARE(volumes.label(), failure.label());
            QCOMPARE(volumes.line, r.line);
            QCOMPARE(volumes.field, r.field);
        }
    }

    // The liquid split: special = floor(liquid × percent / 100), worked with whole numbers.
    void splits_data() {
        QTest::addColumn<QString>("liquid");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("special");
        QTest::addColumn<QString>("water");
        QTest::addColumn<int>("format");
        const auto row = [](const char* name, const char* liquid, const char* percent,
                            const char* special, const char* water) {
            for (int f = 0; f < 2; ++f) {
                const NumberFormat& fmt = kFormats[f].format;
                QTest::addRow("%s / %s", name, kFormats[f].name)
                    << QString::fromUtf8(localised(liquid, fmt))
                    << QString::fromUtf8(localised(percent, fmt))
                    << QString::fromUtf8(localised(special, fmt))
                    << QString::fromUtf8(localised(water, fmt)) << f;
            }
        };
        row("water only", "1188", "0", "0", "1188");
        row("special only", "1188", "100", "1188", "0");
        row("a quarter", "1188", "25", "297", "891");
        row("rounded down", "1188", "33", "392", "796");  // 392,04
        row("decimal percent", "1000", "12.5", "125", "875");
        // 3000 × 2,3 / 100 = 69 and 11000 × 0,7 / 100 = 77 exactly; binary gives 68 and 76.
        row("2,3 % of 3000 g", "3000", "2.3", "69", "2931");
        row("0,7 % of 11000 g", "11000", "0.7", "77", "10923");
        row("half a gram rounded down", "9999999", "50", "4999999", "5000000");
        row("nothing to split", "0", "50", "0", "0");
        row("negative zero liquid", "-0", "50", "0", "0");
        row("negative zero percent", "1188", "-0", "0", "1188");
        row("a trace of special", "1188", "1E-300", "0", "1188");
        // Above 10^7 g a mass shows 7 digits: 1050535 units of 10^4 g, × 0,33 = 346676,55.
        row("exponent form", "1.050535E+10", "33", "3.46676E+09", "7.03859E+09");
        row("largest single", "3.402823E+38", "50", "1.701411E+38", "1.701412E+38");
    }
    void splits() {
        QFETCH(QString, liquid);
        QFETCH(QString, percent);
        QFETCH(QString, special);
        QFETCH(QString, water);
        QFETCH(int, format);
        gypsomix::LiquidSplit split;
        NO_ERROR(split = gypsomix::split_liquid(liquid.toStdString(), percent.toStdString(),
                                                kFormats[format].format));
        QCOMPARE(fromStd(split.special), special);
        QCOMPARE(fromStd(split.water), water);
    }

    // For every liquid a plan can show, the two parts add up to it, in whole units of its last
    // digit shown, and the special part is the floor worked with whole numbers.
    void splitAddsUp_data() {
        QTest::addColumn<int>("format");
        for (int f = 0; f < 2; ++f)
            QTest::addRow("%s", kFormats[f].name) << f;
    }
    void splitAddsUp() {
        QFETCH(int, format);
        const NumberFormat& fmt = kFormats[format].format;
        std::mt19937 random(7);
        std::uniform_int_distribution<int> tenths(0, 1000);  // percent × 10
        std::uniform_real_distribution<double> exponent(7, 38.5);
        for (int i = 0; i < 60000; ++i) {
            // Every mass up to 20 kg, then any whole single a plan's water mass can show.
            const float grams =
                i <= 20000
                    ? float(i)
                    : gypsomix::integer_part(float(std::pow(10.0, i % 2 ? exponent(random) : 7.0) *
                                                   (1 + (i % 7) * 1e-7)));
            if (!std::isfinite(grams))
                continue;
            const std::string liquid = gypsomix::single_to_text(grams, fmt);
            const int t = tenths(random);
            char digits[16];
            const std::string percent(digits, std::to_chars(digits, digits + 16, t / 10.0).ptr);
            gypsomix::LiquidSplit split;
            NO_ERROR(
                split = gypsomix::split_liquid(liquid, view(localised(percent.c_str(), fmt)), fmt));
            // Texts to whole units of 10^scale: "1.050535E+10" is 1050535 units of 10^4.
            const auto units = [&](const std::string& text, int scale) -> qint64 {
                const QString t = fromStd(text).replace(fromStd(fmt.decimal), ".");
                const int e = t.indexOf('E');
                const QString mantissa = e < 0 ? t : t.left(e);
                int shift = (e < 0 ? 0 : t.mid(e + 1).toInt()) - scale;
                const int point = mantissa.indexOf('.');
                if (point >= 0)
                    shift -= mantissa.size() - point - 1;
                qint64 value = QString(mantissa).remove('.').toLongLong();
                for (; shift > 0; --shift)
                    value *= 10;
                for (; shift < 0; ++shift) {
                    if (value % 10 != 0)
                        return -1;  // not a whole number of units
                    value /= 10;
                }
                return value;
            };
            const std::size_t e = liquid.find('E');
            const int scale = e == std::string::npos ? 0 : std::stoi(liquid.substr(e + 1)) - 6;
            const qint64 whole = units(liquid, scale);
            const qint64 special = units(split.special, scale);
            const QString where = fromStd(liquid + " at " + percent + " %");
            QVERIFY2(special >= 0 && units(split.water, scale) >= 0, qPrintable(where));
            QVERIFY2(special + units(split.water, scale) == whole, qPrintable(where));
            QVERIFY2(special == whole * t / 1000, qPrintable(where));
        }
    }

    void splitFaults_data() {
        QTest::addColumn<QString>("liquid");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<int>("number");
        QTest::addColumn<PlanField>("field");
        QTest::addColumn<QString>("quoted");
        QTest::addColumn<int>("format");
        const auto row = [](const char* name, const char* liquid, const char* percent, int number,
                            PlanField field, const char* quoted) {
            for (int f = 0; f < 2; ++f) {
                const NumberFormat& fmt = kFormats[f].format;
                QTest::addRow("%s / %s", name, kFormats[f].name)
                    << QString::fromUtf8(localised(liquid, fmt))
                    << QString::fromUtf8(localised(percent, fmt)) << number << field
                    << QString::fromUtf8(localised(quoted, fmt)) << f;
            }
        };
        row("empty liquid", "", "20", 13, PlanField::liquid, "");
        row("liquid before percent", "ll", "pp", 13, PlanField::liquid, "ll");
        row("liquid beyond double", "1E999", "20", 6, PlanField::liquid, "1E999");
        row("negative liquid", "-5", "20", 5, PlanField::liquid, "-5");
        row("liquid not whole", "12.5", "20", 5, PlanField::liquid, "12.5");
        row("empty percent", "1188", "", 13, PlanField::concentration, "");
        row("percent not a number", "1188", "20 %", 13, PlanField::concentration, "20 %");
        row("percent above 100", "1188", "100.01", 5, PlanField::concentration, "100.01");
        row("negative percent", "1188", "-1", 5, PlanField::concentration, "-1");
    }
    void splitFaults() {
        QFETCH(QString, liquid);
        QFETCH(QString, percent);
        QFETCH(int, number);
        QFETCH(PlanField, field);
        QFETCH(QString, quoted);
        QFETCH(int, format);
        const PlanFailure failure = planFailureOf([&] {
            gypsomix::split_liquid(liquid.toStdString(), percent.toStdString(),
                                   kFormats[format].format);
        });
        QCOMPARE(failure.number, number);
        QCOMPARE(failure.line, 0);
        QCOMPARE(failure.field, field);
        QVERIFY2(quotes(failure.description, quoted), qPrintable(failure.description));
    }
};

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
