#include "calc/mix.h"
#include "core_test_support.h"

using gypsomix::Margin;
using gypsomix::NumberFormat;

namespace {

const char* const kMarginNames[] = {"Brut", "+ 5%", "+10%"};

// Texts are written with a point; each row runs under both separator sets, its texts carrying
// that set's separator. `error` is the run-time error number, 0 for none; `quoted` is the text
// its description must quote.
struct VolumeRow {
    const char *name, *diameter, *height, *volume;
    int error;
    const char* quoted;
};

const VolumeRow kVolumeRows[] = {
    {"100 x 100", "100", "100", "0.785", 0, ""},
    {"90 x 110", "90", "110", "0.699435", 0, ""},
    {"3.14, not pi", "120", "150", "1.6956", 0, ""},
    {"decimal diameter", "62.5", "80", "0.2453125", 0, ""},
    {"exponent form", "30000", "30000", "2.1195E+07", 0, ""},
    {"diameter read first", "dd", "hh", "", 13, "dd"},
    {"word height", "100", "x", "", 13, "x"},
    {"diameter squared beyond double", "1E+154", "1", "", 6, ""},
    {"overflow before a bad height", "1E+200", "x", "", 6, ""},
    {"beyond single", "1E+30", "1", "", 6, ""},
};

struct MassRow {
    const char *name, *density, *water, *volume;
    Margin margin;
    const char *powderMass, *waterMass;
    int error;
    const char* quoted;
};

const MassRow kMassRows[] = {
    // The worked figures
    {"1.8 / 38", "1.8", "38", "0.785", Margin::Brut, "1023", "389", 0, ""},
    {"1.8 / 38", "1.8", "38", "0.785", Margin::Plus5, "1075", "408", 0, ""},
    {"1.8 / 38", "1.8", "38", "0.785", Margin::Plus10, "1126", "427", 0, ""},
    {"1.75 / 40", "1.75", "40", "0.785", Margin::Brut, "981", "392", 0, ""},
    {"volume of 90 x 110", "1.8", "38", "0.699435", Margin::Brut, "912", "346", 0, ""},
    {"w = 0", "1.8", "0", "0.785", Margin::Brut, "1413", "0", 0, ""},
    {"exponent form", "1.8", "38", "2.1195E+07", Margin::Brut, "2.764565E+10", "1.050535E+10", 0,
     ""},
    {"underflow is no error", "1E-300", "38", "0.785", Margin::Brut, "0", "0", 0, ""},
    // Errors, checked in the order density, volume, water
    {"density read first", "dd", "ww", "vv", Margin::Brut, "", "", 13, "dd"},
    {"volume read before water", "1.8", "ww", "vv", Margin::Brut, "", "", 13, "vv"},
    {"density overflow before bad water", "1E999", "ww", "vv", Margin::Brut, "", "", 6, ""},
    {"water -100", "1.8", "-100", "0.785", Margin::Plus10, "", "", 11, ""},
    {"water -100, zero volume: 0/0", "1.8", "-100", "0", Margin::Brut, "", "", 6, ""},
    {"liquid mass beyond double", "1E+200", "38", "1E+200", Margin::Brut, "", "", 6, ""},
    {"powder beyond single", "1E+40", "38", "0.785", Margin::Brut, "", "", 6, ""},
    {"water mass beyond single", "1E+40", "1E+10", "0.785", Margin::Brut, "", "", 6, ""},
    {"margin beyond single", "5.9E+35", "38", "0.785", Margin::Plus5, "", "", 6, ""},
};

}  // namespace

class TestMix : public QObject {
    Q_OBJECT

  private slots:
    void volume_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("format");
        for (int f = 0; f < 2; ++f)
            for (int r = 0; r < int(std::size(kVolumeRows)); ++r)
                QTest::addRow("%s / %s", kVolumeRows[r].name, kFormats[f].name) << r << f;
    }
    void volume() {
        QFETCH(int, row);
        QFETCH(int, format);
        const VolumeRow& r = kVolumeRows[row];
        const NumberFormat& fmt = kFormats[format].format;
        const QByteArray diameter = localised(r.diameter, fmt), height = localised(r.height, fmt);
        std::string volume;
        const Failure failure =
            failureOf([&] { volume = gypsomix::flask_volume(view(diameter), view(height), fmt); });
        QCOMPARE(failure.number, r.error);
        QVERIFY2(quotes(failure.description, r.quoted), qPrintable(failure.description));
        QCOMPARE(fromStd(volume), QString::fromUtf8(localised(r.volume, fmt)));
    }

    void masses_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("format");
        for (int f = 0; f < 2; ++f)
            for (int r = 0; r < int(std::size(kMassRows)); ++r)
                QTest::addRow("%s, %s / %s", kMassRows[r].name,
                              kMarginNames[int(kMassRows[r].margin)], kFormats[f].name)
                    << r << f;
    }
    void masses() {
        QFETCH(int, row);
        QFETCH(int, format);
        const MassRow& r = kMassRows[row];
        const NumberFormat& fmt = kFormats[format].format;
        const QByteArray density = localised(r.density, fmt), water = localised(r.water, fmt);
        const QByteArray volume = localised(r.volume, fmt);
        gypsomix::Masses masses;
        const Failure failure = failureOf([&] {
            masses = gypsomix::mix_masses(view(density), view(water), view(volume), r.margin, fmt);
        });
        QCOMPARE(failure.number, r.error);
        QVERIFY2(quotes(failure.description, r.quoted), qPrintable(failure.description));
        QCOMPARE(fromStd(masses.powder), QString::fromUtf8(localised(r.powderMass, fmt)));
        QCOMPARE(fromStd(masses.water), QString::fromUtf8(localised(r.waterMass, fmt)));
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
