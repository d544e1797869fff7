#include <clocale>
#include <cmath>
#include <locale>
#include <random>

#include "catalogue/number_syntax.h"
#include "core_test_support.h"

using gypsomix::NumberFormat;

namespace {

// The value rounded to `digits` significant digits, independently of the code under test.
double roundedToDigits(double value, int digits) {
    char text[64];
    double result = 0;
    std::from_chars(
        text, std::to_chars(text, text + 64, value, std::chars_format::scientific, digits - 1).ptr,
        result);
    return result;
}

enum Syntax { kInvariant, kFrench, kLenient };
const char* const kSyntaxNames[] = {"invariant", "French strict", "lenient"};
const gypsomix::NumberSyntax kSyntaxes[] = {
    {},
    {",", true, "\u202F", true, true, false, gypsomix::NumberSyntax::Blanks::around},
    {".", false, {}, false, true, true, gypsomix::NumberSyntax::Blanks::anywhere},
};

enum Show { kValue, kSingle, kFloored };  // value_to_text, single_to_text, of integer_part

// Rows for both separator sets; the format column indexes kFormats.
void shown(const char* name, double value, const char* expected, Show show = kValue) {
    for (int f = 0; f < 2; ++f)
        QTest::addRow("%s / %s", name, kFormats[f].name)
            << value << int(show) << fromStd(view(localised(expected, kFormats[f].format))) << f;
}

}  // namespace

class TestNumberText : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { useEnvironmentLocale(); }

    // value_to_text keeps 15 digits, single_to_text 7 (the double column holds floats exactly).
    void toText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("show");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("format");
        shown("catalogue value", 0.28, "0.28");
        shown("negative", -2.5, "-2.5");
        shown("negative zero", -0.0, "0");
        shown("15 digits, rounded", 2.0 / 3, "0.666666666666667");
        shown("binary noise dropped", 0.1 + 0.2, "0.3");
        shown("no grouping", 12345.678, "12345.678");
        shown("largest 15-digit integer", 999999999999999, "999999999999999");
        shown("rounds up to 1E+15", 999999999999999.5, "1E+15");
        shown("exponent form keeps 15 digits", 123456789012345678.0, "1.23456789012346E+17");
        shown("0.0001", 0.0001, "0.0001");
        shown("below 0.0001", 0.00001, "1E-05");
        shown("single volume", 0.785f, "0.785", kSingle);
        shown("single one tenth, not its double digits", 0.1f, "0.1", kSingle);
        shown("single negative zero", -0.0f, "0", kSingle);
        shown("single largest below 10^7", 9999999.0f, "9999999", kSingle);
        shown("single 1.5E+07", 1.5e7f, "1.5E+07", kSingle);
        shown("single eight digits rounded", 12345678.0f, "1.234568E+07", kSingle);
        shown("single 0.0001", 0.0001f, "0.0001", kSingle);
        shown("single below 0.0001", 0.00001f, "1E-05", kSingle);
        shown("floor just below a whole gram", 427.9956f, "427", kFloored);
        shown("floor of a negative fraction", -0.5f, "-1", kFloored);
        shown("floor of a negative integral", -2.0f, "-2", kFloored);
        shown("floor of a negative half at 2^23", -8388607.5f, "-8388608", kFloored);
        shown("floor of a large integral", 1e10f, "1E+10", kFloored);
    }
    void toText() {
        QFETCH(double, value);
        QFETCH(int, show);
        QFETCH(QString, expected);
        QFETCH(int, format);
        const NumberFormat& fmt = kFormats[format].format;
        const float single = show == kFloored ? gypsomix::integer_part(float(value)) : float(value);
        QCOMPARE(fromStd(show == kValue ? gypsomix::value_to_text(value, fmt)
                                        : gypsomix::single_to_text(single, fmt)),
                 expected);
    }

    // Texts are shown as written, even when they look like numbers.
    void textValueToText() {
        const NumberFormat& french = kFormats[1].format;
        QCOMPARE(gypsomix::value_to_text({}, french), std::string());
        QCOMPARE(gypsomix::value_to_text(std::string(" 1.50 "), french), std::string(" 1.50 "));
    }

    // number 0: read as `expected`; otherwise the error number. Format 2 has a comma decimal and
    // a point group.
    void toNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("format");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("number");
        for (int f = 0; f < 2; ++f) {
            const char* name = kFormats[f].name;
            QTest::addRow("spaces, sign, exponent / %s", name) << " -2e-3 " << f << -0.002 << 0;
            QTest::addRow("underflow is no error / %s", name) << "1E-400" << f << 0.0 << 0;
            QTest::addRow("empty / %s", name) << "" << f << 0.0 << 13;
            QTest::addRow("unit after number / %s", name) << "12mm" << f << 0.0 << 13;
            QTest::addRow("exponent without digits / %s", name) << "1E" << f << 0.0 << 13;
            QTest::addRow("infinity word / %s", name) << "inf" << f << 0.0 << 13;
            QTest::addRow("beyond double range / %s", name) << "-1E999" << f << 0.0 << 6;
        }
        QTest::newRow("decimal point") << "0.28" << 0 << 0.28 << 0;
        QTest::newRow("comma groups") << "1,234.5" << 0 << 1234.5 << 0;
        QTest::newRow("group in the fraction") << "1.234,5" << 0 << 0.0 << 13;
        QTest::newRow("decimal comma") << "0,28" << 1 << 0.28 << 0;
        QTest::newRow("grouping NNBSP") << "12\u202F345,5" << 1 << 12345.5 << 0;
        QTest::newRow("grouping NBSP") << "1\u00A0234,5" << 1 << 1234.5 << 0;
        QTest::newRow("grouping space") << "1 234,5" << 1 << 1234.5 << 0;
        QTest::newRow("point also accepted") << "0.785" << 1 << 0.785 << 0;
        QTest::newRow("comma and point") << "1,2.3" << 1 << 0.0 << 13;
        QTest::newRow("group in the French fraction") << "1,234\u202F5" << 1 << 0.0 << 13;
        QTest::newRow("point groups where it is the group") << "1.234,5" << 2 << 1234.5 << 0;
    }
    void toNumber() {
        QFETCH(QString, text);
        QFETCH(int, format);
        QFETCH(double, expected);
        QFETCH(int, number);
        const QByteArray bytes = text.toUtf8();
        const NumberFormat fmt = format == 2 ? NumberFormat{",", "."} : kFormats[format].format;
        double value = 0;
        const Failure failure =
            failureOf([&] { value = gypsomix::text_to_number(view(bytes), fmt); });
        QCOMPARE(failure.number, number);
        QCOMPARE(value, expected);
        if (number == 13)
            QVERIFY2(quotes(failure.description, text.trimmed()), qPrintable(failure.description));
    }

    // The lenient reading never fails and knows only the point.
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("French diameter") << "62,5" << 62.0;
        QTest::newRow("French fraction") << "0,8" << 0.0;
        QTest::newRow("ignores spaces, tabs, LF") << " -\t1 2\n0 " << -120.0;
        QTest::newRow("exponent then junk") << "3.5e2x" << 350.0;
        QTest::newRow("exponent mark without digits") << "3.5e+x" << 3.5;
        QTest::newRow("stops at CR") << "1\r5" << 1.0;
        QTest::newRow("beyond range saturates") << "-2e999" << -qInf();
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        const QByteArray bytes = text.toUtf8();
        double value = 0;
        NO_ERROR(value = gypsomix::text_leading_number(view(bytes)));
        QCOMPARE(value, expected);
    }

    // The scanner under each syntax its callers use: the value, where it stopped and why.
    void scanner_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("syntax");  // indexes kSyntaxes
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("end");  // in bytes
        QTest::addColumn<int>("stop");
        using S = gypsomix::NumberStop;
        const auto row = [](const char* name, const char* text, Syntax syntax, double value,
                            int end, S stop) {
            QTest::addRow("%s / %s", name, kSyntaxNames[syntax])
                << QString::fromUtf8(text) << int(syntax) << value << end << int(stop);
        };
        row("whole number", "-12.5e1", kInvariant, -125, 7, S::complete);
        row("blank is text", " 5", kInvariant, 0, 0, S::no_digits);
        row("trailing blank refused", "5 ", kInvariant, 0, 1, S::trailing_text);
        row("comma is no separator", "1,5", kInvariant, 0, 1, S::trailing_text);
        row("exponent mark alone", "1e", kInvariant, 0, 1, S::trailing_text);
        row("sign alone", "-", kInvariant, 0, 0, S::no_digits);
        row("overflow", "1e309", kInvariant, qInf(), 5, S::out_of_range);
        row("underflow to a signed zero", "-1e-400", kInvariant, -0.0, 7, S::complete);
        row("huge exponent", "1e99999999999999999999", kInvariant, qInf(), 22, S::out_of_range);
        row("blanks around", " \t2,5\t ", kFrench, 2.5, 7, S::complete);
        row("NNBSP groups", "1\u202F000", kFrench, 1000, 7, S::complete);
        row("group needs a digit after it", "1 ", kFrench, 1, 2, S::complete);
        row("group not before the first digit", " \u202F1", kFrench, 0, 1, S::no_digits);
        row("text after blanks", "2,5 mm", kFrench, 0, 4, S::trailing_text);
        row("no blank inside", "1 2,5 5", kFrench, 0, 6, S::trailing_text);
        row("blanks anywhere", " - 1\n2 . 5 e 1 x", kLenient, -125, 15, S::complete);
        row("exponent without digits left out", "3e-", kLenient, 3, 1, S::complete);
        row("nothing to read", "x1", kLenient, 0, 0, S::no_digits);
        row("overflow saturates", "1e999", kLenient, qInf(), 5, S::out_of_range);
    }
    void scanner() {
        QFETCH(QString, text);
        QFETCH(int, syntax);
        QFETCH(double, value);
        QFETCH(int, end);
        QFETCH(int, stop);
        const QByteArray bytes = text.toUtf8();
        const gypsomix::NumberScan scan = gypsomix::scan_number(view(bytes), kSyntaxes[syntax]);
        QCOMPARE(int(scan.stop), stop);
        QCOMPARE(int(scan.end), end);
        QCOMPARE(scan.value, value);
        QCOMPARE(std::signbit(scan.value), std::signbit(value));
    }

    // What is shown reads back as the value to 15 digits (doubles) or 7 digits (singles).
    void roundTrips() {
        for (const auto& [name, fmt] : kFormats) {
            std::mt19937_64 random(20240611);
            std::uniform_real_distribution<double> mantissa(1.0, 10.0);
            std::uniform_int_distribution<int> exponent(-320, 307);
            for (int i = 0; i < 4000; ++i) {
                // Anywhere in range, catalogue-sized, or short decimals as catalogues hold them.
                double value =
                    mantissa(random) * std::pow(10.0, i % 2 ? exponent(random) : i % 16 - 8);
                value = i % 4 == 2 ? std::round(value * 1e3) / 1e3 : value;
                value = random() & 1 ? -value : value;
                const float single =
                    float(mantissa(random) * std::pow(10.0, i % 2 ? exponent(random) % 38 : i % 8));
                const std::string text = gypsomix::value_to_text(value, fmt);
                const std::string singleText = gypsomix::single_to_text(single, fmt);
                double back = 0;
                double singleBack = 0;
                NO_ERROR(back = gypsomix::text_to_number(text, fmt));
                NO_ERROR(singleBack = gypsomix::text_to_number(singleText, fmt));
                QVERIFY2(back == roundedToDigits(value, 15), qPrintable(fromStd(text)));
                QVERIFY2(float(singleBack) == float(roundedToDigits(single, 7)),
                         qPrintable(fromStd(singleText)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
