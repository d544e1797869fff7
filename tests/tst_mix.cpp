#include "calc/mix.h"
#include "core_test_support.h"

using gypsomix::Margin;
using gypsomix::NumberFormat;

namespace {

const char* const kMarginNames[] = {"Brut", "+ 5%", "+10%"};

// Flask volume from diameter a and height b when c is null; else the masses from density a,
// water b and volume c. `first` and `second` are the texts shown (the volume, or the powder and
// water masses), or "error N" and the text its description must quote.
struct Row {
    const char *name, *a, *b, *c;
    Margin margin;
    const char *first, *second;
};

const Row kRows[] = {
    {"volume 100 x 100", "100", "100", nullptr, Margin::Brut, "0.785", ""},
    {"volume 90 x 110", "90", "110", nullptr, Margin::Brut, "0.699435", ""},
    {"volume 3.14, not pi", "120", "150", nullptr, Margin::Brut, "1.6956", ""},
    {"volume decimal diameter", "62.5", "80", nullptr, Margin::Brut, "0.2453125", ""},
    {"volume exponent form", "30000", "30000", nullptr, Margin::Brut, "2.1195E+07", ""},
    {"volume diameter read first", "dd", "hh", nullptr, Margin::Brut, "error 13", "dd"},
    {"volume word height", "100", "x", nullptr, Margin::Brut, "error 13", "x"},
    {"volume diameter squared beyond double", "1E+154", "1", nullptr, Margin::Brut, "error 6", ""},
    {"volume overflow before a bad height", "1E+200", "x", nullptr, Margin::Brut, "error 6", ""},
    {"volume beyond single", "1E+30", "1", nullptr, Margin::Brut, "error 6", ""},
    // The worked figures
    {"1.8 / 38", "1.8", "38", "0.785", Margin::Brut, "1023", "389"},
    {"1.8 / 38", "1.8", "38", "0.785", Margin::Plus5, "1075", "408"},
    {"1.8 / 38", "1.8", "38", "0.785", Margin::Plus10, "1126", "427"},
    {"1.75 / 40", "1.75", "40", "0.785", Margin::Brut, "981", "392"},
    {"volume of 90 x 110", "1.8", "38", "0.699435", Margin::Brut, "912", "346"},
    {"w = 0", "1.8", "0", "0.785", Margin::Brut, "1413", "0"},
    {"exponent form", "1.8", "38", "2.1195E+07", Margin::Brut, "2.764565E+10", "1.050535E+10"},
    {"underflow is no error", "1E-300", "38", "0.785", Margin::Brut, "0", "0"},
    // Mass errors, checked in the order density, volume, water
    {"density read first", "dd", "ww", "vv", Margin::Brut, "error 13", "dd"},
    {"volume read before water", "1.8", "ww", "vv", Margin::Brut, "error 13", "vv"},
    {"density overflow before bad water", "1E999", "ww", "vv", Margin::Brut, "error 6", ""},
    {"water -100", "1.8", "-100", "0.785", Margin::Plus10, "error 11", ""},
    {"water -100, zero volume: 0/0", "1.8", "-100", "0", Margin::Brut, "error 6", ""},
    {"liquid mass beyond double", "1E+200", "38", "1E+200", Margin::Brut, "error 6", ""},
    {"powder beyond single", "1E+40", "38", "0.785", Margin::Brut, "error 6", ""},
    {"water mass beyond single", "1E+40", "1E+10", "0.785", Margin::Brut, "error 6", ""},
    {"margin beyond single", "5.9E+35", "38", "0.785", Margin::Plus5, "error 6", ""},
};

}  // namespace

class TestMix : public QObject {
    Q_OBJECT

  private slots:
    // Each row under both separator sets, its texts written with that set's separator.
    void calculations_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("format");
        for (int f = 0; f < 2; ++f)
            for (int r = 0; r < int(std::size(kRows)); ++r)
                QTest::addRow("%s, %s / %s", kRows[r].name, kMarginNames[int(kRows[r].margin)],
                              kFormats[f].name)
                    << r << f;
    }
    void calculations() {
        QFETCH(int, row);
        QFETCH(int, format);
        const Row& r = kRows[row];
        const NumberFormat& fmt = kFormats[format].format;
        const QByteArray a = localised(r.a, fmt), b = localised(r.b, fmt);
        const QByteArray c = localised(r.c ? r.c : "", fmt);
        QStringList shown;
        const Failure failure = failureOf([&] {
            if (!r.c) {
                shown << fromStd(gypsomix::flask_volume(view(a), view(b), fmt));
            } else {
                const auto masses = gypsomix::mix_masses(view(a), view(b), view(c), r.margin, fmt);
                shown << fromStd(masses.powder) << fromStd(masses.water);
            }
        });
        if (failure.number) {
            QCOMPARE(failure.label(), QString::fromUtf8(r.first));
            QVERIFY2(quotes(failure.description, r.second), qPrintable(failure.description));
        } else {
            const QByteArray expected = localised(r.first, fmt) + ' ' + localised(r.second, fmt);
            QCOMPARE(shown.join(' '), QString::fromUtf8(expected).trimmed());
        }
    }

    // The flask handler's chain, then margin changes: each call starts from the field texts.
    void marginsDoNotAccumulate() {
        const char* const expected[] = {"1023 389", "1075 408", "1126 427"};
        for (const auto& [name, fmt] : kFormats) {
            std::string volume;
            NO_ERROR(volume = gypsomix::flask_volume("100", "100", fmt));
            for (Margin margin : {Margin::Plus10, Margin::Brut, Margin::Plus5, Margin::Plus5}) {
                gypsomix::Masses m;
                NO_ERROR(m = gypsomix::mix_masses(view(localised("1.8", fmt)), "38", volume, margin,
                                                  fmt));
                QCOMPARE(m.powder + ' ' + m.water, std::string(expected[int(margin)]));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestMix)
#include "tst_mix.moc"
