#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <locale>
#include <random>

#include "calc/number_text.h"

using gypsomix::FieldValue;
using gypsomix::NumberFormat;
using gypsomix::RunTimeError;

namespace {

struct NamedFormat {
    const char* name;
    NumberFormat format;
};

// The default one, and French with either no-break space a system may use for grouping.
const NamedFormat kFormats[] = {
    {"point", NumberFormat{}},
    {"French NNBSP", NumberFormat{",", "\u202F"}},
    {"French NBSP", NumberFormat{",", "\u00A0"}},
};
constexpr int kPoint = 0;
constexpr int kFrench = 1;
constexpr int kFrenchNbsp = 2;

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

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Expected texts are written with a point; other formats put their own separator there.
QString localised(QString text, const NumberFormat& format) {
    return text.replace(QLatin1Char('.'), QString::fromStdString(format.decimal));
}

QString shortest(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// The value rounded to `digits` significant digits, independently of the code under test.
double roundedToDigits(double value, int digits) {
    char buffer[64];
    const auto printed = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, digits - 1);
    double result = 0;
    std::from_chars(buffer, printed.ptr, result);
    return result;
}

void addForAllFormats(const char* name, double value, const char* expected) {
    for (int i = 0; i < 3; ++i)
        QTest::addRow("%s / %s", name, kFormats[i].name)
            << value << QString::fromUtf8(expected) << i;
}

}  // namespace

class TestNumberText : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void processLocale();
    void valueToText_data();
    void valueToText();
    void nonNumericValueToText_data();
    void nonNumericValueToText();
    void singleToText_data();
    void singleToText();
    void textToNumber_data();
    void textToNumber();
    void textToNumberErrors_data();
    void textToNumberErrors();
    void textLeadingNumber_data();
    void textLeadingNumber();
    void integerPart_data();
    void integerPart();
    void doubleRoundTrip_data();
    void doubleRoundTrip();
    void singleRoundTrip_data();
    void singleRoundTrip();
};

// QCoreApplication already takes the C locale from the environment; the C++ global locale it
// leaves classic. Set both, so a run with LC_ALL=fr_FR.UTF-8 converts under a comma decimal.
void TestNumberText::initTestCase() {
    std::setlocale(LC_ALL, "");
    try {
        std::locale::global(std::locale(""));
    } catch (const std::runtime_error&) {
        // An unknown locale name leaves the classic one; processLocale() reports it.
    }
}

void TestNumberText::processLocale() {
    const QByteArray wanted = qgetenv("LC_ALL");
    if (!wanted.startsWith("fr_FR"))
        QSKIP("LC_ALL does not ask for a French locale");
    QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
    QCOMPARE(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
}

void TestNumberText::valueToText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("format");
    // Ordinary values
    addForAllFormats("catalogue value", 0.28, "0.28");
    addForAllFormats("integral", 18, "18");
    addForAllFormats("density", 1.8, "1.8");
    addForAllFormats("negative", -2.5, "-2.5");
    addForAllFormats("zero", 0, "0");
    addForAllFormats("negative zero", -0.0, "0");
    addForAllFormats("one third", 1.0 / 3, "0.333333333333333");
    addForAllFormats("two thirds", 2.0 / 3, "0.666666666666667");
    addForAllFormats("binary noise dropped", 0.1 + 0.2, "0.3");
    addForAllFormats("no grouping", 12345.678, "12345.678");
    addForAllFormats("rounding carries", 0.9999999999999999, "1");
    // Large side of the exponent switch-over
    addForAllFormats("15 digits stay digits", 123456789012345, "123456789012345");
    addForAllFormats("largest 15-digit integer", 999999999999999, "999999999999999");
    addForAllFormats("rounds up to 15 digits", 99999999999999.95, "100000000000000");
    addForAllFormats("1E+15", 1e15, "1E+15");
    addForAllFormats("rounds up to 16 digits", 999999999999999.5, "1E+15");
    addForAllFormats("beyond 15 digits", 123456789012345678.0, "1.23456789012346E+17");
    addForAllFormats("negative beyond 15 digits", -1234567890123456.0, "-1.23456789012346E+15");
    addForAllFormats("three-digit exponent", 1e100, "1E+100");
    addForAllFormats("largest double", DBL_MAX, "1.79769313486232E+308");
    // Small side of the exponent switch-over
    addForAllFormats("0.0001", 0.0001, "0.0001");
    addForAllFormats("rounds up to 0.0001", 9.9999999999999995e-5, "0.0001");
    addForAllFormats("just below 0.0001", 9.99999999999995e-5, "9.99999999999995E-05");
    addForAllFormats("0.00001", 0.00001, "1E-05");
    addForAllFormats("negative small", -0.00001, "-1E-05");
    addForAllFormats("small with digits", 1.5e-300, "1.5E-300");
    addForAllFormats("smallest subnormal", 5e-324, "4.94065645841247E-324");
}

void TestNumberText::valueToText() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QFETCH(int, format);
    const NumberFormat& fmt = kFormats[format].format;
    QCOMPARE(fromStd(gypsomix::value_to_text(FieldValue(value), fmt)), localised(expected, fmt));
}

void TestNumberText::nonNumericValueToText_data() {
    QTest::addColumn<int>("format");
    for (int i = 0; i < 3; ++i)
        QTest::addRow("%s", kFormats[i].name) << i;
}

void TestNumberText::nonNumericValueToText() {
    QFETCH(int, format);
    const NumberFormat& fmt = kFormats[format].format;
    QCOMPARE(gypsomix::value_to_text(FieldValue(), fmt), std::string());
    QCOMPARE(gypsomix::value_to_text(FieldValue(std::string()), fmt), std::string());
    QCOMPARE(gypsomix::value_to_text(FieldValue(std::string("n/a")), fmt), std::string("n/a"));
    // Text that looks like a number is shown as it was written.
    QCOMPARE(gypsomix::value_to_text(FieldValue(std::string("1.50")), fmt), std::string("1.50"));
    QCOMPARE(gypsomix::value_to_text(FieldValue(std::string("  Pl\xC3\xA2tre ")), fmt),
             std::string("  Pl\xC3\xA2tre "));
}

void TestNumberText::singleToText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("format");
    // Ordinary values (the double column holds the float exactly)
    addForAllFormats("volume", 0.785f, "0.785");
    addForAllFormats("volume 90 x 110", 0.6994350f, "0.699435");
    addForAllFormats("mass", 1023, "1023");
    addForAllFormats("one tenth, not its double digits", 0.1f, "0.1");
    addForAllFormats("seven digits", 427.9956f, "427.9956");
    addForAllFormats("zero", 0, "0");
    addForAllFormats("negative zero", -0.0f, "0");
    addForAllFormats("negative", -1.5f, "-1.5");
    addForAllFormats("rounded to seven digits", 8388607.5f, "8388608");
    // Large side of the exponent switch-over
    addForAllFormats("one million", 1e6f, "1000000");
    addForAllFormats("largest below 10^7", 9999999.0f, "9999999");
    addForAllFormats("10^7", 1e7f, "1E+07");
    addForAllFormats("1.5E+07", 1.5e7f, "1.5E+07");
    addForAllFormats("eight digits", 12345678.0f, "1.234568E+07");
    addForAllFormats("2^24", 16777216.0f, "1.677722E+07");
    addForAllFormats("largest single", FLT_MAX, "3.402823E+38");
    // Small side of the exponent switch-over
    addForAllFormats("0.0001", 0.0001f, "0.0001");
    addForAllFormats("rounds up to 0.0001", 9.9999999e-5f, "0.0001");
    addForAllFormats("just below 0.0001", 0.00009999997f, "9.999997E-05");
    addForAllFormats("0.00001", 0.00001f, "1E-05");
    addForAllFormats("smallest subnormal single", 1e-45f, "1.401298E-45");
}

void TestNumberText::singleToText() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QFETCH(int, format);
    const NumberFormat& fmt = kFormats[format].format;
    QCOMPARE(fromStd(gypsomix::single_to_text(static_cast<float>(value), fmt)),
             localised(expected, fmt));
}

void TestNumberText::textToNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("format");
    QTest::addColumn<double>("expected");
    // Forms every format reads
    for (int i = 0; i < 3; ++i) {
        const char* f = kFormats[i].name;
        QTest::addRow("integer / %s", f) << "18" << i << 18.0;
        QTest::addRow("surrounding spaces / %s", f) << "  18  " << i << 18.0;
        QTest::addRow("minus / %s", f) << "-7" << i << -7.0;
        QTest::addRow("plus / %s", f) << "+7" << i << 7.0;
        QTest::addRow("exponent / %s", f) << "1E3" << i << 1000.0;
        QTest::addRow("exponent with sign / %s", f) << "2e-3" << i << 0.002;
        QTest::addRow("exponent with plus / %s", f) << "1E+15" << i << 1e15;
        QTest::addRow("underflow is no error / %s", f) << "1E-400" << i << 0.0;
        QTest::addRow("subnormal / %s", f) << "5E-324" << i << 5e-324;
    }
    // Default separators
    QTest::newRow("decimal point") << "0.28" << kPoint << 0.28;
    QTest::newRow("decimal point, spaces, sign") << " -2.5 " << kPoint << -2.5;
    QTest::newRow("comma is grouping") << "1,5" << kPoint << 15.0;
    QTest::newRow("grouping and decimal") << "1,234.5" << kPoint << 1234.5;
    QTest::newRow("two groups") << "12,345,678" << kPoint << 12345678.0;
    QTest::newRow("mantissa with exponent") << "1.5E3" << kPoint << 1500.0;
    QTest::newRow("exponent form as written")
        << "1.23456789012346E+17" << kPoint << 123456789012346000.0;
    // French separators
    QTest::newRow("decimal comma") << "0,28" << kFrench << 0.28;
    QTest::newRow("decimal comma, spaces") << " 0,785 " << kFrench << 0.785;
    QTest::newRow("decimal comma, sign") << "-1,5" << kFrench << -1.5;
    QTest::newRow("grouping NNBSP") << "1\u202F234,5" << kFrench << 1234.5;
    QTest::newRow("grouping NBSP under NNBSP") << "1\u00A0234,5" << kFrench << 1234.5;
    QTest::newRow("grouping plain space") << "1 234,5" << kFrench << 1234.5;
    QTest::newRow("grouping NBSP") << "1\u00A0234,5" << kFrenchNbsp << 1234.5;
    QTest::newRow("grouping NNBSP under NBSP") << "1\u202F234,5" << kFrenchNbsp << 1234.5;
    QTest::newRow("two groups NNBSP") << "12\u202F345\u202F678" << kFrench << 12345678.0;
    QTest::newRow("decimal comma with exponent") << "1,5E3" << kFrench << 1500.0;
    QTest::newRow("decimal comma, negative exponent") << "1,5e-3" << kFrench << 0.0015;
    QTest::newRow("exponent form as shown")
        << "1,23456789012346E+17" << kFrench << 123456789012346000.0;
    QTest::newRow("point also accepted") << "0.785" << kFrench << 0.785;
    QTest::newRow("point also accepted, NBSP") << "0.785" << kFrenchNbsp << 0.785;
}

void TestNumberText::textToNumber() {
    QFETCH(QString, text);
    QFETCH(int, format);
    QFETCH(double, expected);
    const QByteArray bytes = text.toUtf8();
    double value = 0;
    NO_ERROR(value = gypsomix::text_to_number(std::string_view(bytes.constData(), bytes.size()),
                                              kFormats[format].format));
    QCOMPARE(value, expected);
}

void TestNumberText::textToNumberErrors_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("number");
    for (int i = 0; i < 3; ++i) {
        const char* f = kFormats[i].name;
        QTest::addRow("empty / %s", f) << "" << i << 13;
        QTest::addRow("only spaces / %s", f) << "   " << i << 13;
        QTest::addRow("word / %s", f) << "abc" << i << 13;
        QTest::addRow("n/a / %s", f) << "n/a" << i << 13;
        QTest::addRow("unit after number / %s", f) << "12mm" << i << 13;
        QTest::addRow("exponent without digits / %s", f) << "1E" << i << 13;
        QTest::addRow("exponent alone / %s", f) << "E5" << i << 13;
        QTest::addRow("two signs / %s", f) << "--1" << i << 13;
        QTest::addRow("sign alone / %s", f) << "-" << i << 13;
        QTest::addRow("infinity word / %s", f) << "inf" << i << 13;
        QTest::addRow("nan word / %s", f) << "nan" << i << 13;
        QTest::addRow("hexadecimal / %s", f) << "0x10" << i << 13;
        QTest::addRow("beyond double range / %s", f) << "1E999" << i << 6;
        QTest::addRow("beyond double range, negative / %s", f) << "-1E999" << i << 6;
    }
    QTest::newRow("two decimal points") << "1.2.3" << kPoint << 13;
    QTest::newRow("group in the fraction") << "1.234,5" << kPoint << 13;
    QTest::newRow("leading group") << ",5" << kPoint << 13;
    QTest::newRow("trailing group") << "5," << kPoint << 13;
    QTest::newRow("two decimal commas") << "1,2,3" << kFrench << 13;
    QTest::newRow("comma and point") << "1,2.3" << kFrench << 13;
    QTest::newRow("group in the fraction, French") << "1,234\u202F5" << kFrench << 13;
    QTest::newRow("group in the exponent") << "1E1\u202F0" << kFrench << 13;
}

void TestNumberText::textToNumberErrors() {
    QFETCH(QString, text);
    QFETCH(int, format);
    QFETCH(int, number);
    const QByteArray bytes = text.toUtf8();
    try {
        const double value = gypsomix::text_to_number(
            std::string_view(bytes.constData(), bytes.size()), kFormats[format].format);
        QFAIL(qPrintable(QStringLiteral("read as ") + shortest(value)));
    } catch (const RunTimeError& error) {
        QCOMPARE(error.number(), number);
        const QString description = QString::fromUtf8(error.what());
        if (number == 13 && !text.trimmed().isEmpty()) {
            // The offending text, quoted the French way.
            const QRegularExpression quoted(QStringLiteral("\u00AB\\s*") +
                                                QRegularExpression::escape(text) +
                                                QStringLiteral("\\s*\u00BB"),
                                            QRegularExpression::UseUnicodePropertiesOption);
            QVERIFY2(description.contains(quoted), qPrintable(description));
        }
    }
}

void TestNumberText::textLeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("French diameter") << "62,5" << 62.0;
    QTest::newRow("French fraction") << "0,8" << 0.0;
    QTest::newRow("point decimal") << "62.5" << 62.5;
    QTest::newRow("spaces ignored everywhere") << " 1 2 " << 12.0;
    QTest::newRow("tabs and line feeds ignored") << "\t1\n0\t" << 10.0;
    QTest::newRow("space after sign") << "- 5" << -5.0;
    QTest::newRow("exponent then junk") << "-3.5e2x" << -350.0;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent sign without digits") << "7e+" << 7.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("plus sign") << "+4" << 4.0;
    QTest::newRow("carriage return stops") << "1\r5" << 1.0;
    QTest::newRow("no-break space stops") << "1\u202F234" << 1.0;
    QTest::newRow("word") << "abc" << 0.0;
    QTest::newRow("word then digits") << "x12" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
}

void TestNumberText::textLeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    const QByteArray bytes = text.toUtf8();
    QCOMPARE(gypsomix::text_leading_number(std::string_view(bytes.constData(), bytes.size())),
             expected);
}

void TestNumberText::integerPart_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<float>("expected");
    QTest::newRow("positive fraction") << 2.9f << 2.0f;
    QTest::newRow("negative fraction floors") << -0.5f << -1.0f;
    QTest::newRow("negative floors away from zero") << -2.1f << -3.0f;
    QTest::newRow("integral") << 1023.0f << 1023.0f;
    QTest::newRow("negative integral") << -2.0f << -2.0f;
    QTest::newRow("zero") << 0.0f << 0.0f;
    QTest::newRow("powder mass") << 1023.913f << 1023.0f;
    QTest::newRow("just below a whole gram") << 427.9956f << 427.0f;
    QTest::newRow("half at 2^23") << 8388607.5f << 8388607.0f;
    QTest::newRow("negative half at 2^23") << -8388607.5f << -8388608.0f;
    QTest::newRow("large integral") << 1e10f << 1e10f;
}

void TestNumberText::integerPart() {
    QFETCH(float, value);
    QFETCH(float, expected);
    QCOMPARE(gypsomix::integer_part(value), expected);
}

void TestNumberText::doubleRoundTrip_data() {
    QTest::addColumn<int>("format");
    for (int i = 0; i < 3; ++i)
        QTest::addRow("%s", kFormats[i].name) << i;
}

// What value_to_text shows, text_to_number reads back as the value to 15 digits.
void TestNumberText::doubleRoundTrip() {
    QFETCH(int, format);
    const NumberFormat& fmt = kFormats[format].format;
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 307);
    std::uniform_int_distribution<int> digits(1, 17);
    for (int i = 0; i < 4000; ++i) {
        double value = 0;
        switch (i % 4) {
            case 0:  // anywhere in the range
                value = mantissa(random) * std::pow(10.0, exponent(random));
                break;
            case 1:  // catalogue-sized values
                value = mantissa(random) * std::pow(10.0, exponent(random) % 8);
                break;
            case 2:  // short decimals, as written in catalogues
                value = std::round(mantissa(random) * std::pow(10.0, digits(random))) /
                        std::pow(10.0, digits(random) % 6);
                break;
            default: {  // any finite bit pattern
                std::uint64_t bits = random();
                double candidate;
                std::memcpy(&candidate, &bits, sizeof candidate);
                value = std::isfinite(candidate) && std::fabs(candidate) < 1e308 ? candidate : 1.5;
            }
        }
        if (random() & 1)
            value = -value;
        const std::string text = gypsomix::value_to_text(FieldValue(value), fmt);
        double back = 0;
        try {
            back = gypsomix::text_to_number(text, fmt);
        } catch (const RunTimeError& error) {
            QFAIL(qPrintable(shortest(value) + QStringLiteral(" shown as ") + fromStd(text) +
                             QStringLiteral(": ") + reportOf(error)));
        }
        const double expected = roundedToDigits(value, 15);
        if (back != expected)
            QFAIL(qPrintable(shortest(value) + QStringLiteral(" shown as ") + fromStd(text) +
                             QStringLiteral(" reads back as ") + shortest(back) +
                             QStringLiteral(", expected ") + shortest(expected)));
    }
}

void TestNumberText::singleRoundTrip_data() {
    doubleRoundTrip_data();
}

// What single_to_text shows reads back, stored as a single, as the single to 7 digits.
void TestNumberText::singleRoundTrip() {
    QFETCH(int, format);
    const NumberFormat& fmt = kFormats[format].format;
    std::mt19937 random(1023389);
    std::uniform_real_distribution<float> mantissa(1.0f, 10.0f);
    std::uniform_int_distribution<int> exponent(-45, 38);
    for (int i = 0; i < 4000; ++i) {
        float value = 0;
        if (i % 2 == 0) {
            value = static_cast<float>(mantissa(random) * std::pow(10.0, exponent(random) % 10));
        } else {
            std::uint32_t bits = random();
            float candidate;
            std::memcpy(&candidate, &bits, sizeof candidate);
            value = std::isfinite(candidate) ? candidate : 0.785f;
        }
        if (!std::isfinite(value))
            continue;
        const std::string text = gypsomix::single_to_text(value, fmt);
        float back = 0;
        try {
            back = static_cast<float>(gypsomix::text_to_number(text, fmt));
        } catch (const RunTimeError& error) {
            QFAIL(qPrintable(shortest(value) + QStringLiteral(" shown as ") + fromStd(text) +
                             QStringLiteral(": ") + reportOf(error)));
        }
        const float expected = static_cast<float>(roundedToDigits(value, 7));
        if (back != expected)
            QFAIL(qPrintable(shortest(value) + QStringLiteral(" shown as ") + fromStd(text) +
                             QStringLiteral(" reads back as ") + shortest(back) +
                             QStringLiteral(", expected ") + shortest(expected)));
    }
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
