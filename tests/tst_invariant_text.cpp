#include "core_test_support.h"
#include "document/invariant_text.h"

using gypsomix::NumberFormat;

namespace {

const NumberFormat kEnglish{".", ","};
const NumberFormat kFrench{",", "\u202F"};
const NumberFormat kGerman{",", "."};  // a point that groups, not a decimal separator

// The rows' separator sets by name, so a row says which it is under.
const NumberFormat& formatNamed(const QString& name) {
    if (name == "French")
        return kFrench;
    return name == "German" ? kGerman : kEnglish;
}

// The conversions' tables: the separator set's name, the text given and the text expected.
void conversionColumns() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");
}
void row(const char* name, const char* format, const char* given, const char* expected) {
    QTest::newRow(name) << QString(format) << QString(given) << QString(expected);
}
template <class Conversion>
void compareConversion(Conversion convert) {
    QFETCH(QString, format);
    QFETCH(QString, given);
    QFETCH(QString, expected);
    QCOMPARE(fromStd(convert(given.toStdString(), formatNamed(format))), expected);
}

}  // namespace

class TestInvariantText : public QObject {
    Q_OBJECT

  private slots:
    // Under LC_ALL=fr_FR.UTF-8 the process is French through and through: nothing may follow it.
    void initTestCase() { useEnvironmentLocale(); }

    void toInvariant_data() {
        conversionColumns();
        row("French comma", "French", "76,2", "76.2");
        row("French, a point typed", "French", "76.2", "76.2");
        row("French, narrow space groups", "French", "1\u202F234,5", "1234.5");
        row("French, a space groups", "French", "1 234,5", "1234.5");
        row("French, blanks around", "French", " \t-0,5 ", "-0.5");
        row("French, exponent as typed", "French", "+1,5e-3", "+1.5e-3");
        row("English, comma groups", "English", "1,234.5", "1234.5");
        row("English, a comma is a group too", "English", "76,2", "762");
        row("German, point groups", "German", "1.234,5", "1234.5");
        row("exponent kept", "English", "1E-05", "1E-05");
        row("French, exponent kept", "French", "1E-05", "1E-05");
        row("separator last", "French", "5,", "5.");
        row("inch fraction", "French", "2 1/2", "2 1/2");
        row("inch fraction, blanks around", "English", "  2 1/2 ", "2 1/2");
        row("vulgar fraction", "French", "2½", "2½");
        row("empty", "French", "", "");
        row("only blanks", "English", "   ", "");
        row("a word", "French", "abc", "abc");
        row("a number and a unit", "French", "76,2 mm", "76,2 mm");
        row("two separators", "French", "1,2,3", "1,2,3");
        row("beyond a double, as typed", "French", "1e999", "1e999");
    }

    void toInvariant() { compareConversion(gypsomix::to_invariant); }

    void toRegional_data() {
        conversionColumns();
        row("French", "French", "76.2", "76,2");
        row("English", "English", "76.2", "76.2");
        row("French exponent", "French", "-1.5E+07", "-1,5E+07");
        row("whole number", "French", "38", "38");
        row("inch fraction", "French", "2 1/2", "2 1/2");
        row("vulgar fraction", "French", "2½", "2½");
        row("empty", "French", "", "");
        row("already regional", "French", "1,5", "1,5");
        row("blanks are not invariant", "French", " 1.5", " 1.5");
        row("beyond a double", "French", "1.5e999", "1.5e999");
    }

    void toRegional() { compareConversion(gypsomix::to_regional); }

    // What the file holds comes back unchanged from the window, under every separator set.
    void roundTrip_data() {
        QTest::addColumn<QString>("invariant");
        for (const char* number : {"0", "76.2", "-0.5", ".5", "5.", "+1.5e-3", "1E+308", "007.250",
                                   "123456789012345678901234567890.5", "4.9E-324"})
            QTest::newRow(number) << number;
    }

    void roundTrip() {
        QFETCH(QString, invariant);
        const std::string text = invariant.toStdString();
        for (const NumberFormat* format : {&kFrench, &kEnglish, &kGerman}) {
            const std::string shown = gypsomix::to_regional(text, *format);
            QCOMPARE(fromStd(gypsomix::to_invariant(shown, *format)), invariant);
            // The window computes with the value the file holds.
            QCOMPARE(gypsomix::text_to_number(shown, *format),
                     gypsomix::text_to_number(text, kEnglish));
        }
    }
};

QTEST_GUILESS_MAIN(TestInvariantText)
#include "tst_invariant_text.moc"
