#include <cmath>
#include <random>

#include "calc/plan.h"
#include "core_test_support.h"
#include "plan_test_support.h"

using namespace gypsomix;
using Lines = std::vector<PlanLine>;

Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(Margin)

namespace {

constexpr LengthUnit mm = LengthUnit::millimetre;
constexpr LengthUnit in = LengthUnit::inch;
using F = PlanField;

// What the plan window shows: each line's flask, the volume to fill, then any powder and water.
QString shown(const PlanResult& result) {
    QStringList flasks;
    for (const std::string& volume : result.flask_volumes)
        flasks << fromStd(volume);
    QStringList shown = {flasks.isEmpty() ? "none" : flasks.join(' '), fromStd(result.volume)};
    if (!result.masses.powder.empty() || !result.masses.water.empty())
        shown << fromStd(result.masses.powder) << fromStd(result.masses.water);
    return shown.join(" | ");
}

}  // namespace

class TestPlan : public QObject {
    Q_OBJECT

  private slots:
    // Figures worked by hand with 3.14 for pi: a flask's dm³ is d² × 3.14 × h / 4 000 000 to
    // 7 digits (inches × 25.4 first), then powder = dm³ × density × 1000 / (1 + water / 100) and
    // water = powder × water / 100, each rounded down to the gram after any margin. Faults: the
    // job's fields, then line by line each field, then the results; the first is reported.
    void plans_data() {
        QTest::addColumn<QString>("density");
        QTest::addColumn<QString>("water");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<Margin>("margin");
        QTest::addColumn<QString>("outcome");  // shown() of the plan, or its fault
        QTest::addColumn<QString>("quoted");   // the text a fault's description must quote
        QTest::addColumn<int>("format");
        const auto plan = [](const char* name, Lines lines, const char* shown, Margin m = {}) {
            addFormatRows(name, "1.8", "38", lines, m, shown, "");
        };
        const auto bad = [](const char* name, Lines lines, int number, int line, PlanField field,
                            const char* quoted, const char* d = "1.8", const char* w = "38") {
            addFormatRows(name, d, w, lines, Margin::Brut, fault(number, line, field), quoted);
        };
        // 2½ × 3 po = 63,5 × 76,2 mm: 0,24119709825 dm³; 76,2 × 101,6 mm: 0,46309842864 dm³.
        // 3 × (0,2411971 - 0,012) + 2 × 0,4630984 + 0,785 = 2,3987881; 2,398788 × 1800 / 1,38 =
        // 3128,854 g of powder, × 0,38 = 1188,96 g of water; × 1,05: 3285,30 and 1248,41; × 1,1:
        // 3441,74 and 1307,86.
        const auto example = [](const char* inches) {
            return Lines{{inches, "3", in, 3, "12"},
                         {"76.2", "101.6", mm, 2, ""},
                         {"100", "100", mm, 1, ""}};
        };
        plan("worked example", example("2 1/2"),
             "0.2411971 0.4630984 0.785 | 2.398788 | 3128 | 1188");
        plan("worked example, + 5%", example("2½"),
             "0.2411971 0.4630984 0.785 | 2.398788 | 3285 | 1248", Margin::Plus5);
        plan("worked example, +10%", example("2.5"),
             "0.2411971 0.4630984 0.785 | 2.398788 | 3441 | 1307", Margin::Plus10);
        plan("blank deduction", {{"100", "100", mm, 1, "  "}}, "0.785 | 0.785 | 1023 | 389");
        // 40² × 3,14 × 85 / 4e6 = 0,10676 exactly, but 106,76 / 1000 in binary exceeds it by 1E-17,
        // and 144,44 / 1000 falls short of 0,14444 by 3E-17: both deductions must leave nothing.
        plan("106,76 cm3 leave nothing", {{"40", "85", mm, 2, "106.76"}}, "0.10676 | 0 | 0 | 0");
        plan("144,44 cm3 leave nothing", {{"40", "115", mm, 2, "144.44"}}, "0.14444 | 0 | 0 | 0");
        // 4 × 0,2871216 = 1,1484864 and 3 × 0,3473238 = 1,0419714: 2,1904578 rounds to 2,190458,
        // where the lines rounded first (1,148486 + 1,041971) would give 2,190457. 2,190458 × 1800
        // / 1,38 = 2857,12; × 0,38 = 1085,71.
        plan("total rounded once", {{"60", "101.6", mm, 4, ""}, {"76.2", "76.2", mm, 3, ""}},
             "0.2871216 0.3473238 | 2.190458 | 2857 | 1085");
        plan("no line", {}, "none | 0 | 0 | 0");
        bad("density before water", {}, 13, 0, F::density, "dd", "dd", "ww");
        bad("water before lines", {{"x", "x", mm, 0, ""}}, 13, 0, F::water, "ww", "1.8", "ww");
        bad("count before diameter", {{"x", "100", mm, 0, ""}}, 5, 1, F::count, "0");
        bad("no fraction in mm", {{"2 1/2", "hh", mm, 1, ""}}, 13, 1, F::diameter, "2 1/2");
        // The main window would report an overflow first; the plan reads every text before a step.
        bad("height before steps", {{"1E+200", "x", mm, 1, ""}}, 13, 1, F::height, "x");
        bad("flask beyond single", {{"1E+30", "1", mm, 1, ""}}, 6, 1, F::flask_volume, "");
        bad("1E+307 inches", {{"1E+307", "1", in, 1, ""}}, 6, 1, F::diameter, "1E+307");
        const std::string huge = std::string(400, '9') + "/2";
        bad("huge numerator", {{huge, "4", in, 1, ""}}, 6, 1, F::diameter, "");
        for (const char* text : {"2 1/", "/2", "1/0", "2 3/2", "2 2/2", "2½½", "-1/2", "1/ 2",
                                 "2.5½", "1/2/3", "2 1/2\"", "2 po ½"})
            bad(text, {{"3", text, in, 1, ""}}, 13, 1, F::height, text);
        bad("unit in deduction", {{"100", "100", mm, 1, "12 cm3"}}, 13, 1, F::deduction, "12 cm3");
        bad("negative deduction", {{"100", "100", mm, 1, "-1"}}, 5, 1, F::deduction, "-1");
        bad("deduction above the volume, before the next line",
            {{"100", "100", mm, 1, "785.1"}, {"x", "x", mm, 0, ""}}, 5, 1, F::deduction, "785.1");
        bad("second line", {{"1", "1", mm, 1, ""}, {"1", "hh", mm, 2, ""}}, 13, 2, F::height, "hh");
        // 1E+20² × 3,14 × 25 000 / 4e6 = 1,9625E+38 fits a single; two of them do not.
        bad("volume to fill beyond single", {{"1E+20", "25000", mm, 2, ""}}, 6, 0, F::volume, "");
        bad("water -100", {{"100", "100", mm, 1, ""}}, 11, 0, F::water, "-100", "1.8", "-100");
        bad("-100 %, 0/0", {{"100", "100", mm, 1, "785"}}, 6, 0, F::water, "-100", "1.8", "-100");
        bad("powder beyond single", {{"100", "100", mm, 1, ""}}, 6, 0, F::masses, "", "1E+40");
    }
    void plans() {
        QFETCH(QString, density);
        QFETCH(QString, water);
        QFETCH(Lines, lines);
        QFETCH(Margin, margin);
        QFETCH(QString, outcome);
        QFETCH(QString, quoted);
        const NumberFormat& fmt = rowFormat();
        for (PlanLine& l : lines)  // written with a point, in the row's own separator
            for (std::string* text : {&l.diameter, &l.height, &l.deduction})
                *text = localised(text->c_str(), fmt).toStdString();
        const auto masses = [&] {
            return shown(
                plan_masses(density.toStdString(), water.toStdString(), lines, margin, fmt));
        };
        const auto volumes = [&] { return shown(plan_volume(lines, fmt)); };
        QCOMPARE(outcomeOf(masses, quoted), outcome);
        // Before a material is chosen: the same volumes and no masses, or the same fault of a line.
        if (!outcome.contains(", line 0,"))
            QCOMPARE(outcomeOf(volumes, quoted), outcome.section(" | ", 0, 1));
    }

    // Over many flasks, materials and margins, one flask in millimetres is the main window's
    // figures (flask_volume, then mix_masses of that text), and its water splits into two parts
    // adding up to it in whole units of its last digit, the special part being the floor.
    void manyFlasks() {
        std::mt19937 random(20250101);
        for (int i = 0; i < 24000; ++i) {
            const NumberFormat& fmt = kFormats[i % 2].format;
            const Margin margin = Margin(i / 2 % 3);
            const auto figure = [&](double low, double high, int decimals) {  // a decimal text
                const double x = std::uniform_real_distribution(low, high)(random);
                return QString::number(x, 'f', decimals).replace('.', fmt.decimal[0]).toStdString();
            };
            // Jewellers' flasks to foundry moulds and reservoirs; plaster to phosphate-bonded.
            const double wide = i % 10 == 0 ? 2000 : i % 10 == 1 ? std::pow(10, 3 + i % 15) : 160;
            const std::string d = figure(20, wide, i % 3);
            const std::string h = figure(20, i % 10 < 2 ? 3000 : 250, (i + 1) % 3);
            const std::string density = figure(1.2, 2.6, 1 + i % 3), water = figure(15, 60, i % 3);
            const int t = int(random() % 1001);  // tenths of a percent
            const auto percent = std::to_string(t / 10) + fmt.decimal + std::to_string(t % 10);
            std::string v;
            Masses m;
            QString plan;
            LiquidSplit split;
            NO_ERROR(v = flask_volume(d, h, fmt); m = mix_masses(density, water, v, margin, fmt);
                     plan = shown(plan_masses(density, water, {{d, h, mm, 1, ""}}, margin, fmt));
                     split = split_liquid(m.water, percent, fmt));
            // Texts to whole units of the last digit shown: "1.050535E+10" is 1050535 of 10^4.
            const std::size_t e = m.water.find('E');
            const int scale = e == std::string::npos ? 0 : std::stoi(m.water.substr(e + 1)) - 6;
            const auto units = [&](const std::string& text) {
                const double u = text_to_number(text, fmt) / std::pow(10, scale);
                return std::abs(u - std::round(u)) < 1e-3 ? qint64(std::round(u)) : -1;
            };
            const qint64 whole = units(m.water), special = units(split.special);
            QVERIFY2(plan == fromStd(v + " | " + v + " | " + m.powder + " | " + m.water) &&
                         special + units(split.water) == whole && special == whole * t / 1000,
                     qPrintable(
                         fromStd(d + " x " + h + ", " + density + " / " + water + ", " + percent)));
        }
    }

    // Fractions of an inch give the flasks of the same lengths typed as decimals.
    void inchFractions_data() {
        QTest::addColumn<QString>("fractions");  // separated by "|"
        QTest::addColumn<QString>("decimals");   // separated by spaces
        QTest::addColumn<int>("format");
        addFormatRows("2 1/2 and its blanks", "2 1/2|2½|2 ½|2\u00A0½|2\u202F1/2| 2  1/2 ",
                      "2.5 2.5 2.5 2.5 2.5 2.5");
        addFormatRows("alone, improper, quarters, eighths", "1/2|½|5/4|21/2|3¼|2¾|1⅛|1⅜|1⅝|1⅞",
                      "0.5 0.5 1.25 10.5 3.25 2.75 1.125 1.375 1.625 1.875");
        addFormatRows("fifths, sevenths, ninths, tenths", "⅕|⅖|⅗|⅘|⅐|⅑|⅒",
                      "0.2 0.4 0.6 0.8 0.1428571428571428 0.1111111111111111 0.1");
        addFormatRows("thirds, sixths", "2⅓|⅔|⅙|⅚",
                      "2.333333333333333 0.6666666666666666 0.1666666666666667 0.8333333333333334");
    }
    void inchFractions() {
        QFETCH(QString, fractions);
        QFETCH(QString, decimals);
        const auto flasks = [](const QStringList& lengths) {  // as wide as high
            Lines lines;
            for (const QString& length : lengths)
                lines.push_back({length.toStdString(), length.toStdString(), in, 1, ""});
            return outcomeOf([&] { return shown(plan_volume(lines, rowFormat())); }, "");
        };
        QCOMPARE(flasks(fractions.split('|')), flasks(decimals.split(' ')));
    }

    // The liquid split: special = floor(liquid × percent / 100), worked with whole numbers. The
    // liquid is checked, then the percent.
    void splits_data() {
        QTest::addColumn<QString>("liquid");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("outcome");  // "special + water", or the fault
        QTest::addColumn<QString>("quoted");
        QTest::addColumn<int>("format");
        addFormatRows("water only", "1188", "0", "0 + 1188", "");
        addFormatRows("special only", "1188", "100", "1188 + 0", "");
        // 3000 × 2,3 / 100 = 69 exactly, where binary floating point gives 68.
        addFormatRows("2,3 % of 3000 g", "3000", "2.3", "69 + 2931", "");
        addFormatRows("negative zero percent", "1188", "-0", "0 + 1188", "");
        addFormatRows("a trace of special", "1188", "1E-300", "0 + 1188", "");
        // Above 10^7 g a mass shows 7 digits: 1050535 units of 10^4 g, × 0,33 = 346676,55.
        addFormatRows("exponent form", "1.050535E+10", "33", "3.46676E+09 + 7.03859E+09", "");
        addFormatRows("liquid before percent", "ll", "pp", fault(13, 0, F::liquid), "ll");
        addFormatRows("negative liquid", "-5", "20", fault(5, 0, F::liquid), "-5");
        addFormatRows("liquid not whole", "12.5", "20", fault(5, 0, F::liquid), "12.5");
        addFormatRows("percent sign", "1188", "20 %", fault(13, 0, F::concentration), "20 %");
        addFormatRows("above 100 %", "1188", "100.01", fault(5, 0, F::concentration), "100.01");
        addFormatRows("negative percent", "1188", "-1", fault(5, 0, F::concentration), "-1");
    }
    void splits() {
        QFETCH(QString, liquid);
        QFETCH(QString, percent);
        QFETCH(QString, outcome);
        QFETCH(QString, quoted);
        const auto split = [&] {
            const auto s = split_liquid(liquid.toStdString(), percent.toStdString(), rowFormat());
            return fromStd(s.special + " + " + s.water);
        };
        QCOMPARE(outcomeOf(split, quoted), outcome);
    }
};

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
