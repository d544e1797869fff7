#include "calc/metal.h"
#include "core_test_support.h"
#include "plan_test_support.h"

using namespace gypsomix;
using Lines = std::vector<MetalLine>;

Q_DECLARE_METATYPE(Lines)

namespace {

using F = PlanField;

// What the window shows: each line's metal for one flask ("-" where no pattern), then the metal
// to melt ("none" when no line has a pattern).
QString shown(const MetalResult& result) {
    QStringList flasks;
    for (const std::string& grams : result.per_flask)
        flasks << (grams.empty() ? QString("-") : fromStd(grams));
    return flasks.join(' ') + " | " + (result.total.empty() ? "none" : fromStd(result.total));
}

}  // namespace

class TestMetal : public QObject {
    Q_OBJECT

  private slots:
    // Metal for one flask = ⌈ pattern × metal density × (100 + extra) / (100 × pattern density)
    // + button ⌉, worked by hand in exact decimals; the metal to melt is the sum of count × that.
    void masses_data() {
        QTest::addColumn<QString>("metal");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<QString>("outcome");  // shown() of the metal, or its fault
        QTest::addColumn<QString>("quoted");   // the text a fault's description must quote
        QTest::addColumn<int>("format");
        const auto row = [](const char* name, const char* metal, const char* pattern,
                            const char* extra, const char* button, Lines lines,
                            const char* outcome) {
            addFormatRows(name, metal, pattern, extra, button, lines, outcome, "");
        };
        const auto one = [](const char* grams, int count = 1) { return Lines{{grams, count}}; };

        // The suppliers' charts: a tree of 10 g in wax taken as 1, times the factor, + 10 %.
        row("sterling 10,36", "10.36", "1", "10", "0", one("10"), "114 | 114");          // 113,96
        row("18K yellow 15,58", "15.58", "1", "10", "0", one("10"), "172 | 172");        // 171,38
        row("platinum-iridium 21,54", "21.54", "1", "10", "0", one("10"), "237 | 237");  // 236,94
        row("bronze 8,8", "8.8", "1", "10", "0", one("10"), "97 | 97");                  // 96,8
        // Wax really weighs 0,95 and printed resin 1,09: 9,6 × 10,36 × 1,1 / 0,95 = 115,159…
        // and / 1,09 = 100,368…
        row("wax 0,95", "10.36", "0.95", "10", "0", one("9.6"), "116 | 116");
        row("resin 1,09", "10.36", "1.09", "10", "0", one("9.6"), "101 | 101");

        // Exact products at whole grams, which a binary product would put a trace above.
        row("20 g x 10 is 200", "10", "1", "0", "0", one("20"), "200 | 200");
        row("12,5 g of bronze is 110", "8.8", "1", "0", "0", one("12.5"), "110 | 110");
        row("12,5 g of bronze + 10 % is 121", "8.8", "1", "10", "0", one("12.5"), "121 | 121");
        row("6 g of brass + 25 % is 63", "8.4", "1", "25", "0", one("6"), "63 | 63");
        row("30 g of 18K white + 25 % is 549", "14.64", "1", "25", "0", one("30"), "549 | 549");
        row("2,5 g of 18K yellow over 0,95 is 41", "15.58", "0.95", "0", "0", one("2.5"),
            "41 | 41");
        // And the smallest excess above a whole gram still takes the next one.
        row("a millionth above", "10", "1", "0", "0", one("20.0000001"), "201 | 201");
        row("extra 100 doubles", "10", "1", "100", "0", one("20"), "400 | 400");
        row("no metal for no pattern weight", "10", "1", "10", "0", one("0"), "0 | 0");

        // The button, once for each flask, before rounding: 103,6 + 2,4 = 106, and 3 × 106.
        row("button once per flask", "10.36", "1", "0", "2.4", one("10", 3), "106 | 318");
        row("button 5 g on 3 flasks", "10", "1", "0", "5", one("10", 3), "105 | 315");
        row("button alone rounds up", "10", "1", "0", "0.5", one("0", 2), "1 | 2");

        // Lines without a pattern have no metal and add none; their count is still checked.
        row("lines without a pattern", "10", "1", "0", "3", Lines{{"", 3}, {"10", 2}, {"  ", 1}},
            "- 103 - | 206");
        row("no pattern at all", "10", "1", "0", "3", Lines{{"", 3}, {"", 1}}, "- - | none");
        row("no line", "10", "1", "10", "0", Lines{}, " | none");
        row("the metal to melt up to 9 999 999", "10", "1", "0", "0",
            Lines{{"99999.9", 10}, {"0.9", 1}}, "999999 9 | 9999999");

        // Faults: the metal density, the pattern density, the extra, the button, then line by
        // line the count and the pattern, then the total; the first is reported.
        const auto bad = [](const char* name, const char* metal, const char* pattern,
                            const char* extra, const char* button, Lines lines, int number,
                            int line, PlanField field, const char* quoted) {
            addFormatRows(name, metal, pattern, extra, button, lines, fault(number, line, field),
                          quoted);
        };
        const Lines broken{{"x", 0}};
        bad("metal density first", "mm", "pp", "ee", "bb", broken, 13, 0, F::metal_density, "mm");
        bad("empty metal density", "", "1", "10", "0", broken, 13, 0, F::metal_density, "");
        bad("metal density 0", "0", "pp", "10", "0", broken, 5, 0, F::metal_density, "0");
        bad("negative metal density", "-10.36", "1", "10", "0", broken, 5, 0, F::metal_density,
            "-10.36");
        bad("metal density beyond a real", "1E+400", "1", "10", "0", broken, 6, 0, F::metal_density,
            "1E+400");
        bad("pattern density second", "10.36", "pp", "ee", "bb", broken, 13, 0, F::pattern_density,
            "pp");
        bad("pattern density 0", "10.36", "0", "ee", "0", broken, 5, 0, F::pattern_density, "0");
        bad("extra third", "10.36", "1", "ee", "bb", broken, 13, 0, F::metal_extra, "ee");
        bad("empty extra", "10.36", "1", " ", "0", broken, 13, 0, F::metal_extra, "");
        bad("extra below 0", "10.36", "1", "-1", "bb", broken, 5, 0, F::metal_extra, "-1");
        bad("extra above 100", "10.36", "1", "100.01", "0", broken, 5, 0, F::metal_extra, "100.01");
        bad("button fourth", "10.36", "1", "10", "bb", broken, 13, 0, F::metal_button, "bb");
        bad("empty button", "10.36", "1", "10", "", broken, 13, 0, F::metal_button, "");
        bad("negative button", "10.36", "1", "10", "-0.5", broken, 5, 0, F::metal_button, "-0.5");
        bad("count before pattern", "10.36", "1", "10", "0", broken, 5, 1, F::count, "0");
        bad("count of a line without pattern", "10.36", "1", "10", "0", Lines{{"", 0}}, 5, 1,
            F::count, "0");
        bad("pattern before the next line", "10.36", "1", "10", "0", Lines{{"9,6 g", 1}, {"", 0}},
            13, 1, F::pattern, "9,6 g");
        bad("second line", "10.36", "1", "10", "0", Lines{{"10", 1}, {"-1", 2}}, 5, 2, F::pattern,
            "-1");
        bad("pattern too small for a real", "10.36", "1", "10", "0", one("1E-400"), 6, 1,
            F::pattern, "1E-400");
        bad("10 000 000 g in one flask", "10", "1", "0", "0", Lines{{"1", 1}, {"1000000", 1}}, 6, 2,
            F::pattern, "");
        bad("10 000 000 g to melt", "10", "1", "0", "0", Lines{{"99999.9", 10}, {"1000", 1}}, 6, 0,
            F::metal_total, "");
    }
    void masses() {
        QFETCH(QString, metal);
        QFETCH(QString, pattern);
        QFETCH(QString, extra);
        QFETCH(QString, button);
        QFETCH(Lines, lines);
        QFETCH(QString, outcome);
        QFETCH(QString, quoted);
        const NumberFormat& fmt = rowFormat();
        for (MetalLine& line : lines)  // written with a point, in the row's own separator
            line.pattern_grams = localised(line.pattern_grams.c_str(), fmt).toStdString();
        QCOMPARE(outcomeOf(
                     [&] {
                         return shown(metal_masses(metal.toStdString(), pattern.toStdString(),
                                                   extra.toStdString(), button.toStdString(), lines,
                                                   fmt));
                     },
                     quoted),
                 outcome);
    }

    // The French habit of grouping thousands with a narrow space, and a point typed for the
    // comma, read as the caster meant them.
    void frenchTexts() {
        const NumberFormat french{",", "\u202F"};
        MetalResult result;
        NO_ERROR(result = metal_masses("10.36", "1", "10", "0",
                                       {{"1\u202F000", 1}, {"9.6", 1}, {" 9,6 ", 1}}, french));
        QCOMPARE(shown(result), QString("11396 110 110 | 11616"));
    }

    // powder g × price per kg / 1000 + metal g × price per g, half a cent up, exactly.
    void costs_data() {
        QTest::addColumn<QString>("powderGrams");
        QTest::addColumn<QString>("powderPrice");
        QTest::addColumn<QString>("metalGrams");
        QTest::addColumn<QString>("metalPrice");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("quoted");
        QTest::addColumn<int>("format");
        const auto cost = [](const char* name, const char* pg, const char* pp, const char* mg,
                             const char* mp, const char* outcome, const char* quoted = "") {
            addFormatRows(name, pg, pp, mg, mp, outcome, quoted);
        };
        cost("powder only", "3128", "12.5", "", "", "39.10");
        cost("metal only", "", "", "330", "0.85", "280.50");
        cost("both", "3128", "12.5", "330", "0.85", "319.60");
        cost("no price", "3128", "", "330", " ", "");
        cost("no price, no mass", "", "", "", "", "");
        cost("a price of 0", "3128", "0", "", "", "0.00");
        cost("thousands, no grouping", "0", "", "1234", "1000", "1234000.00");
        // Half a cent goes up, below it down; in binary 1,005 and 0,285 fall short of the half.
        cost("half a cent up", "1", "5", "", "", "0.01");
        cost("below half a cent", "1", "4.99", "", "", "0.00");
        cost("1 g at 1,005", "", "", "1", "1.005", "1.01");
        cost("1 g at 0,285", "", "", "1", "0.285", "0.29");
        cost("the sum rounded once", "1", "5", "1", "0.005", "0.01");
        cost("just below 10 000 000", "", "", "1", "9999999.994", "9999999.99");
        const auto bad = [](const char* name, const char* pg, const char* pp, const char* mg,
                            const char* mp, int number, PlanField field, const char* quoted) {
            addFormatRows(name, pg, pp, mg, mp, fault(number, 0, field), quoted);
        };
        bad("powder price first", "gg", "pp", "hh", "mm", 13, F::powder_price, "pp");
        bad("negative powder price", "gg", "-1", "hh", "mm", 5, F::powder_price, "-1");
        bad("metal price before masses", "gg", "1", "hh", "mm", 13, F::metal_price, "mm");
        bad("negative metal price", "1", "1", "1", "-0.01", 5, F::metal_price, "-0.01");
        bad("powder mass when priced", "", "12.5", "330", "", 13, F::masses, "");
        bad("metal mass when priced", "3128", "", "3,3 kg", "0.85", 13, F::metal_total, "3,3 kg");
        bad("10 000 000 reached", "", "", "1000000", "10", 6, F::cost, "");
        bad("rounded up to 10 000 000", "", "", "1", "9999999.995", 6, F::cost, "");
    }
    void costs() {
        QFETCH(QString, powderGrams);
        QFETCH(QString, powderPrice);
        QFETCH(QString, metalGrams);
        QFETCH(QString, metalPrice);
        QFETCH(QString, outcome);
        QFETCH(QString, quoted);
        const NumberFormat& fmt = rowFormat();
        QCOMPARE(outcomeOf(
                     [&] {
                         return fromStd(
                             job_cost(powderGrams.toStdString(), powderPrice.toStdString(),
                                      metalGrams.toStdString(), metalPrice.toStdString(), fmt));
                     },
                     quoted),
                 outcome);
    }
};

QTEST_GUILESS_MAIN(TestMetal)
#include "tst_metal.moc"
