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

// A row of the conversions' table: which way, the separator set's name, the text given and the
// text expected.
void row(const char* way, const char* name, const char* format, const char* given,
         const char* expected) {
    QTest::addRow("%s: %s", way, name)
        << QString(way) << QString(format) << QString(given) << QString(expected);
}
void toInvariant(const char* name, const char* format, const char* given, const char* expected) {
    row("to invariant", name, format, given, expected);
}
void toRegional(const char* name, const char* format, const char* given, const char* expected) {
    row("to regional", name, format, given, expected);
}

}  // namespace

class TestInvariantText : public QObject {
    Q_OBJECT

  private slots:
    // Under LC_ALL=fr_FR.UTF-8 the process is French through and through: nothing may follow it.
    void initTestCase() { useEnvironmentLocale(); }

    void conversions_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("expected");
        toInvariant("French comma", "French", "76,2", "76.2");
        toInvariant("French, a point typed", "French", "76.2", "76.2");
        toInvariant("French, narrow space groups", "French", "1\u202F234,5", "1234.5");
        toInvariant("French, a space groups", "French", "1 234,5", "1234.5");
        toInvariant("French, blanks around", "French", " \t-0,5 ", "-0.5");
        toInvariant("French, exponent as typed", "French", "+1,5e-3", "+1.5e-3");
        toInvariant("English, comma groups", "English", "1,234.5", "1234.5");
        toInvariant("English, a comma is a group too", "English", "76,2", "762");
        toInvariant("German, point groups", "German", "1.234,5", "1234.5");
        toInvariant("exponent kept", "English", "1E-05", "1E-05");
        toInvariant("French, exponent kept", "French", "1E-05", "1E-05");
        toInvariant("separator last", "French", "5,", "5.");
        toInvariant("inch fraction", "French", "2 1/2", "2 1/2");
        toInvariant("inch fraction, blanks around", "English", "  2 1/2 ", "2 1/2");
        toInvariant("vulgar fraction", "French", "2½", "2½");
        toInvariant("empty", "French", "", "");
        toInvariant("only blanks", "English", "   ", "");
        toInvariant("a word", "French", "abc", "abc");
        toInvariant("a number and a unit", "French", "76,2 mm", "76,2 mm");
        toInvariant("two separators", "French", "1,2,3", "1,2,3");
        toInvariant("beyond a double, as typed", "French", "1e999", "1e999");
        toRegional("French", "French", "76.2", "76,2");
        toRegional("English", "English", "76.2", "76.2");
        toRegional("French exponent", "French", "-1.5E+07", "-1,5E+07");
        toRegional("whole number", "French", "38", "38");
        toRegional("inch fraction", "French", "2 1/2", "2 1/2");
        toRegional("vulgar fraction", "French", "2½", "2½");
        toRegional("empty", "French", "", "");
        toRegional("already regional", "French", "1,5", "1,5");
        toRegional("blanks are not invariant", "French", " 1.5", " 1.5");
        toRegional("beyond a double", "French", "1.5e999", "1.5e999");
    }

    void conversions() {
        QFETCH(QString, way);
        QFETCH(QString, format);
        QFETCH(QString, given);
        QFETCH(QString, expected);
        const auto convert = way == "to regional" ? gypsomix::to_regional : gypsomix::to_invariant;
        QCOMPARE(fromStd(convert(given.toStdString(), formatNamed(format))), expected);
    }

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
