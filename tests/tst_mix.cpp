#include <QRegularExpression>
#include <QTest>

#include <cmath>

#include "calc/mix.h"

using gypsomix::Margin;
using gypsomix::NumberFormat;
using gypsomix::RunTimeError;

namespace {

struct NamedFormat {
    const char* name;
    NumberFormat format;
};

const NamedFormat kFormats[] = {
    {"point", NumberFormat{}},
    {"French", NumberFormat{",", "\u202F"}},
};

QString reportOf(const RunTimeError& error) {
    return QStringLiteral("run-time error %1: %2")
        .arg(error.number())
        .arg(QString::fromUtf8(error.what()));
}

#define NO_ERROR(statement)                     \
    do {                                        \
        try {                                   \
            statement;                          \
        } catch (const RunTimeError& error) {   \
            QFAIL(qPrintable(reportOf(error))); \
        }                                       \
    } while (false)

// Rows are written with a point; the field texts of a format carry its own separator.
std::string localised(const char* text, const NumberFormat& format) {
    std::string result;
    for (const char* c = text; *c; ++c)
        result += *c == '.' ? format.decimal : std::string(1, *c);
    return result;
}

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

const char* marginName(Margin margin) {
    switch (margin) {
        case Margin::Brut:
            return "Brut";
        case Margin::Plus5:
            return "+ 5%";
        case Margin::Plus10:
            return "+10%";
    }
    return "?";
}

struct MassRow {
    const char* name;
    const char* density;
    const char* water;
    const char* volume;
    Margin margin;
    const char* powder;
    const char* waterMass;
};

}  // namespace

Q_DECLARE_METATYPE(Margin)

class TestMix : public QObject {
    Q_OBJECT

  private slots:
    void flaskVolume_data();
    void flaskVolume();
    void masses_data();
    void masses();
    void volumeAsShown_data();
    void volumeAsShown();
    void waterZero_data();
    void waterZero();
    void marginsDoNotAccumulate_data();
    void marginsDoNotAccumulate();
    void flaskVolumeErrors_data();
    void flaskVolumeErrors();
    void massErrors_data();
    void massErrors();
};

void TestMix::flaskVolume_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("diameter");
    QTest::addColumn<QByteArray>("height");
    QTest::addColumn<QString>("expected");
    struct Row {
        const char *name, *diameter, *height, *expected;
    };
    const Row rows[] = {
        {"worked 100 x 100", "100", "100", "0.785"},
        {"worked 90 x 110", "90", "110", "0.699435"},
        {"3.14, not pi", "120", "150", "1.6956"},
        {"decimal diameter", "62.5", "80", "0.2453125"},
        {"exponent texts", "1E2", "1e2", "0.785"},
        {"spaces around", " 100 ", "  100", "0.785"},
        {"whole litres", "1000", "1000", "785"},
        {"below 10^7", "10000", "10000", "785000"},
        {"exponent form", "30000", "30000", "2.1195E+07"},
        {"zero diameter", "0", "100", "0"},
        {"negative height", "100", "-100", "-0.785"},
        {"underflow is no error", "1E-200", "1", "0"},
    };
    for (int f = 0; f < 2; ++f)
        for (const Row& row : rows)
            QTest::addRow("%s / %s", row.name, kFormats[f].name)
                << f << QByteArray::fromStdString(localised(row.diameter, kFormats[f].format))
                << QByteArray::fromStdString(localised(row.height, kFormats[f].format))
                << fromStd(localised(row.expected, kFormats[f].format));
}

void TestMix::flaskVolume() {
    QFETCH(int, format);
    QFETCH(QByteArray, diameter);
    QFETCH(QByteArray, height);
    QFETCH(QString, expected);
    std::string volume;
    NO_ERROR(volume = gypsomix::flask_volume(diameter.toStdString(), height.toStdString(),
                                             kFormats[format].format));
    QCOMPARE(fromStd(volume), expected);
}

static void addMassRows(const MassRow* rows, std::size_t count) {
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("density");
    QTest::addColumn<QByteArray>("water");
    QTest::addColumn<QByteArray>("volume");
    QTest::addColumn<Margin>("margin");
    QTest::addColumn<QString>("powder");
    QTest::addColumn<QString>("waterMass");
    for (int f = 0; f < 2; ++f) {
        const NumberFormat& fmt = kFormats[f].format;
        for (std::size_t i = 0; i < count; ++i) {
            const MassRow& row = rows[i];
            QTest::addRow("%s, %s / %s", row.name, marginName(row.margin), kFormats[f].name)
                << f << QByteArray::fromStdString(localised(row.density, fmt))
                << QByteArray::fromStdString(localised(row.water, fmt))
                << QByteArray::fromStdString(localised(row.volume, fmt)) << row.margin
                << fromStd(localised(row.powder, fmt)) << fromStd(localised(row.waterMass, fmt));
        }
    }
}

void TestMix::masses_data() {
    const MassRow rows[] = {
        // The worked figures
        {"1.8 / 38", "1.8", "38", "0.785", Margin::Brut, "1023", "389"},
        {"1.8 / 38", "1.8", "38", "0.785", Margin::Plus5, "1075", "408"},
        {"1.8 / 38", "1.8", "38", "0.785", Margin::Plus10, "1126", "427"},
        {"1.75 / 40", "1.75", "40", "0.785", Margin::Brut, "981", "392"},
        {"1.75 / 40", "1.75", "40", "0.785", Margin::Plus5, "1030", "412"},
        {"1.75 / 40", "1.75", "40", "0.785", Margin::Plus10, "1079", "431"},
        {"volume 90 x 110", "1.8", "38", "0.699435", Margin::Brut, "912", "346"},
        // Input forms
        {"exponent density", "18E-1", "38", "0.785", Margin::Brut, "1023", "389"},
        {"spaces around inputs", " 1.8 ", " 38 ", " 0.785 ", Margin::Brut, "1023", "389"},
        // Results in exponent form, and underflow
        {"huge flask", "1.8", "38", "2.1195E+07", Margin::Brut, "2.764565E+10", "1.050535E+10"},
        {"powder near the single limit", "5.9E+35", "38", "0.785", Margin::Brut, "3.356159E+38",
         "1.275341E+38"},
        {"underflow is no error", "1E-300", "38", "0.785", Margin::Brut, "0", "0"},
        {"zero volume", "1.8", "38", "0", Margin::Plus10, "0", "0"},
    };
    addMassRows(rows, std::size(rows));
}

void TestMix::masses() {
    QFETCH(int, format);
    QFETCH(QByteArray, density);
    QFETCH(QByteArray, water);
    QFETCH(QByteArray, volume);
    QFETCH(Margin, margin);
    QFETCH(QString, powder);
    QFETCH(QString, waterMass);
    gypsomix::Masses masses;
    NO_ERROR(masses = gypsomix::mix_masses(density.toStdString(), water.toStdString(),
                                           volume.toStdString(), margin, kFormats[format].format));
    QCOMPARE(fromStd(masses.powder), powder);
    QCOMPARE(fromStd(masses.water), waterMass);
}

void TestMix::volumeAsShown_data() {
    QTest::addColumn<int>("format");
    for (int f = 0; f < 2; ++f)
        QTest::addRow("%s", kFormats[f].name) << f;
}

// The flask handler's chain: the masses come from the volume text, as displayed.
void TestMix::volumeAsShown() {
    QFETCH(int, format);
    const NumberFormat& fmt = kFormats[format].format;
    std::string volume;
    gypsomix::Masses masses;
    NO_ERROR(volume = gypsomix::flask_volume("100", "100", fmt));
    NO_ERROR(masses =
                 gypsomix::mix_masses(localised("1.8", fmt), "38", volume, Margin::Plus10, fmt));
    QCOMPARE(masses.powder, std::string("1126"));
    QCOMPARE(masses.water, std::string("427"));
    NO_ERROR(volume = gypsomix::flask_volume("90", "110", fmt));
    NO_ERROR(masses = gypsomix::mix_masses(localised("1.8", fmt), "38", volume, Margin::Brut, fmt));
    QCOMPARE(masses.powder, std::string("912"));
    QCOMPARE(masses.water, std::string("346"));
}

void TestMix::waterZero_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("density");
    QTest::addColumn<QByteArray>("volume");
    for (int f = 0; f < 2; ++f) {
        const NumberFormat& fmt = kFormats[f].format;
        for (const char* density : {"1.8", "1.75", "2.13", "1"})
            for (const char* volume : {"0.785", "0.699435", "1.6956", "0.098125"})
                QTest::addRow("%s x %s / %s", density, volume, kFormats[f].name)
                    << f << QByteArray::fromStdString(localised(density, fmt))
                    << QByteArray::fromStdString(localised(volume, fmt));
    }
}

// No water: the powder is the whole liquid mass V x density x 1000, floored.
void TestMix::waterZero() {
    QFETCH(int, format);
    QFETCH(QByteArray, density);
    QFETCH(QByteArray, volume);
    const NumberFormat& fmt = kFormats[format].format;
    double rho = 0;
    double v = 0;
    NO_ERROR(rho = gypsomix::text_to_number(density.toStdString(), fmt));
    NO_ERROR(v = gypsomix::text_to_number(volume.toStdString(), fmt));
    const float liquid = static_cast<float>(v * rho * 1000);
    const QString expected = QString::number(static_cast<long>(std::floor(liquid)));
    for (Margin margin : {Margin::Brut, Margin::Plus5, Margin::Plus10}) {
        gypsomix::Masses masses;
        NO_ERROR(masses = gypsomix::mix_masses(density.toStdString(), "0", volume.toStdString(),
                                               margin, fmt));
        QCOMPARE(masses.water, std::string("0"));
        if (margin == Margin::Brut)
            QCOMPARE(fromStd(masses.powder), expected);
    }
}

void TestMix::marginsDoNotAccumulate_data() {
    volumeAsShown_data();
}

void TestMix::marginsDoNotAccumulate() {
    QFETCH(int, format);
    const NumberFormat& fmt = kFormats[format].format;
    const std::string density = localised("1.8", fmt);
    const std::string volume = localised("0.785", fmt);
    struct Step {
        Margin margin;
        const char* powder;
        const char* water;
    };
    const Step steps[] = {
        {Margin::Plus10, "1126", "427"}, {Margin::Brut, "1023", "389"},
        {Margin::Plus5, "1075", "408"},  {Margin::Plus5, "1075", "408"},
        {Margin::Plus10, "1126", "427"}, {Margin::Plus10, "1126", "427"},
        {Margin::Brut, "1023", "389"},
    };
    for (const Step& step : steps) {
        gypsomix::Masses masses;
        NO_ERROR(masses = gypsomix::mix_masses(density, "38", volume, step.margin, fmt));
        QCOMPARE(masses.powder, std::string(step.powder));
        QCOMPARE(masses.water, std::string(step.water));
    }
}

void TestMix::flaskVolumeErrors_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("diameter");
    QTest::addColumn<QByteArray>("height");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("quoted");
    struct Row {
        const char *name, *diameter, *height;
        int number;
        const char* quoted;
    };
    const Row rows[] = {
        // Type mismatch
        {"empty diameter", "", "100", 13, ""},
        {"word diameter", "abc", "100", 13, "abc"},
        {"empty height", "100", "", 13, ""},
        {"word height", "100", "x", 13, "x"},
        {"diameter read first", "dd", "hh", 13, "dd"},
        // Overflow
        {"diameter beyond double range", "1E999", "100", 6, ""},
        {"diameter product beyond double", "1E+200", "1", 6, ""},
        {"diameter squared beyond double", "1E+154", "1", 6, ""},
        {"height product beyond double", "1E+100", "1E+200", 6, ""},
        {"volume beyond single", "1E+30", "1", 6, ""},
        {"overflow before a bad height", "1E+200", "x", 6, ""},
    };
    for (int f = 0; f < 2; ++f)
        for (const Row& row : rows)
            QTest::addRow("%s / %s", row.name, kFormats[f].name)
                << f << QByteArray::fromStdString(localised(row.diameter, kFormats[f].format))
                << QByteArray::fromStdString(localised(row.height, kFormats[f].format))
                << row.number << QString::fromUtf8(row.quoted);
}

static void checkError(const RunTimeError& error, int number, const QString& quoted) {
    QCOMPARE(error.number(), number);
    if (!quoted.isEmpty()) {
        const QString description = QString::fromUtf8(error.what());
        const QRegularExpression text(QStringLiteral("\u00AB\\s*") +
                                          QRegularExpression::escape(quoted) +
                                          QStringLiteral("\\s*\u00BB"),
                                      QRegularExpression::UseUnicodePropertiesOption);
        QVERIFY2(description.contains(text), qPrintable(description));
    }
}

void TestMix::flaskVolumeErrors() {
    QFETCH(int, format);
    QFETCH(QByteArray, diameter);
    QFETCH(QByteArray, height);
    QFETCH(int, number);
    QFETCH(QString, quoted);
    try {
        const std::string volume = gypsomix::flask_volume(
            diameter.toStdString(), height.toStdString(), kFormats[format].format);
        QFAIL(qPrintable(QStringLiteral("volume ") + fromStd(volume)));
    } catch (const RunTimeError& error) {
        checkError(error, number, quoted);
    }
}

void TestMix::massErrors_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("density");
    QTest::addColumn<QByteArray>("water");
    QTest::addColumn<QByteArray>("volume");
    QTest::addColumn<Margin>("margin");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("quoted");
    struct Row {
        const char *name, *density, *water, *volume;
        Margin margin;
        int number;
        const char* quoted;
    };
    const Row rows[] = {
        // Type mismatch, in the order density, volume, water
        {"empty density", "", "38", "0.785", Margin::Brut, 13, ""},
        {"word density", "abc", "38", "0.785", Margin::Brut, 13, "abc"},
        {"empty water", "1.8", "", "0.785", Margin::Brut, 13, ""},
        {"word water", "1.8", "x", "0.785", Margin::Plus5, 13, "x"},
        {"empty volume", "1.8", "38", "", Margin::Brut, 13, ""},
        {"volume n/a", "1.8", "38", "n/a", Margin::Plus10, 13, "n/a"},
        {"density read first", "dd", "ww", "vv", Margin::Brut, 13, "dd"},
        {"volume read before water", "1.8", "ww", "vv", Margin::Brut, 13, "vv"},
        {"density overflow before bad water", "1E999", "ww", "vv", Margin::Brut, 6, ""},
        {"volume overflow before bad water", "1.8", "ww", "1E999", Margin::Brut, 6, ""},
        // Division by zero and invalid operations
        {"water -100", "1.8", "-100", "0.785", Margin::Brut, 11, ""},
        {"water -100 with a margin", "1.8", "-100", "0.785", Margin::Plus10, 11, ""},
        {"water -100, zero volume: 0/0", "1.8", "-100", "0", Margin::Brut, 6, ""},
        {"water -100, zero density: 0/0", "0", "-100", "0.785", Margin::Brut, 6, ""},
        // Overflow
        {"liquid mass beyond double", "1E+200", "38", "1E+200", Margin::Brut, 6, ""},
        {"powder beyond single", "1E+40", "38", "0.785", Margin::Brut, 6, ""},
        {"powder just beyond single", "1E+36", "38", "0.785", Margin::Brut, 6, ""},
        {"water mass beyond single", "1E+40", "1E+10", "0.785", Margin::Brut, 6, ""},
        {"+ 5% beyond single", "5.9E+35", "38", "0.785", Margin::Plus5, 6, ""},
        {"+10% beyond single", "5.9E+35", "38", "0.785", Margin::Plus10, 6, ""},
    };
    for (int f = 0; f < 2; ++f) {
        const NumberFormat& fmt = kFormats[f].format;
        for (const Row& row : rows)
            QTest::addRow("%s / %s", row.name, kFormats[f].name)
                << f << QByteArray::fromStdString(localised(row.density, fmt))
                << QByteArray::fromStdString(localised(row.water, fmt))
                << QByteArray::fromStdString(localised(row.volume, fmt)) << row.margin << row.number
                << QString::fromUtf8(row.quoted);
    }
}

void TestMix::massErrors() {
    QFETCH(int, format);
    QFETCH(QByteArray, density);
    QFETCH(QByteArray, water);
    QFETCH(QByteArray, volume);
    QFETCH(Margin, margin);
    QFETCH(int, number);
    QFETCH(QString, quoted);
    try {
        const gypsomix::Masses masses =
            gypsomix::mix_masses(density.toStdString(), water.toStdString(), volume.toStdString(),
                                 margin, kFormats[format].format);
        QFAIL(qPrintable(QStringLiteral("masses ") + fromStd(masses.powder) + QStringLiteral(", ") +
                         fromStd(masses.water)));
    } catch (const RunTimeError& error) {
        checkError(error, number, quoted);
    }
}

QTEST_GUILESS_MAIN(TestMix)
#include "tst_mix.moc"
