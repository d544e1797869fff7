// The two decisions behind every accented name: is a file UTF-8, and what a Windows-1252 byte
// stands for.
#include "catalogue/encoding.h"
#include "core_test_support.h"

using gypsomix::encoding::Utf8;

class TestEncoding : public QObject {
    Q_OBJECT

  private slots:
    void classify_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty") << QByteArray() << int(Utf8::ascii);
        QTest::newRow("plain ASCII, longer than a word")
            << raw("Cylindre 100,100,100\r\n") << int(Utf8::ascii);
        QTest::newRow("two-byte letter") << raw("Pl\xC3\xA2tre") << int(Utf8::valid);
        QTest::newRow("letter after a long ASCII run")
            << raw("Revetement fluide n 12 \xC3\xA9") << int(Utf8::valid);
        QTest::newRow("three-byte euro") << raw("\xE2\x82\xAC") << int(Utf8::valid);
        QTest::newRow("four-byte sign") << raw("\xF0\x9F\x98\x80") << int(Utf8::valid);
        QTest::newRow("largest code point") << raw("\xF4\x8F\xBF\xBF") << int(Utf8::valid);
        QTest::newRow("Windows-1252 letter") << raw("Pl\xE2tre") << int(Utf8::invalid);
        QTest::newRow("continuation byte alone") << raw("a\x80") << int(Utf8::invalid);
        QTest::newRow("sequence cut by the end") << raw("ab\xE2\x82") << int(Utf8::invalid);
        QTest::newRow("sequence cut by ASCII") << raw("\xC3z") << int(Utf8::invalid);
        QTest::newRow("overlong slash") << raw("\xC0\xAF") << int(Utf8::invalid);
        QTest::newRow("overlong three bytes") << raw("\xE0\x80\xAF") << int(Utf8::invalid);
        QTest::newRow("surrogate") << raw("\xED\xA0\x80") << int(Utf8::invalid);
        QTest::newRow("beyond U+10FFFF") << raw("\xF4\x90\x80\x80") << int(Utf8::invalid);
        QTest::newRow("valid, then a stray byte") << raw("\xC3\xA9 et \xE9") << int(Utf8::invalid);
    }
    // Whole, then in two pieces cut at every byte, then a byte at a time: a file is classified
    // as it is read, a chunk at a time.
    void classify() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, expected);
        QCOMPARE(int(gypsomix::encoding::classify_utf8(view(bytes))), expected);
        for (qsizetype cut = 0; cut <= bytes.size(); ++cut) {
            gypsomix::encoding::Utf8Classifier pieces;
            pieces.add(view(bytes.left(cut)));
            pieces.add(view(bytes.mid(cut)));
            QCOMPARE(int(pieces.finish()), expected);
        }
        gypsomix::encoding::Utf8Classifier bytewise;
        for (const char byte : bytes)
            bytewise.add(std::string_view(&byte, 1));
        QCOMPARE(int(bytewise.finish()), expected);
    }

    // Expected texts from the code page chart.
    void cp1252_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("ASCII as it is") << raw("Cylindre 100 x 100") << "Cylindre 100 x 100";
        QTest::newRow("Latin-1 letters")
            << raw("Pl\xE2tre \xE0 bijoux \xFF") << "Plâtre à bijoux ÿ";
        QTest::newRow("no-break space and degree") << raw("n\xA0\xB0") << "n\u00A0°";
        QTest::newRow("euro, quotes, dash") << raw("\x80\x93\x94\x96") << "€“”–";
        QTest::newRow("ligatures and caron") << raw("\x9C\x8C\x8A\x9E") << "œŒŠž";
        QTest::newRow("unassigned bytes keep their value")
            << raw("\x81\x8D\x8F\x90\x9D") << "\u0081\u008D\u008F\u0090\u009D";
        QTest::newRow("accents between long ASCII runs")
            << raw("Rev\xEAtement phosphat\xE9 pour coul\xE9"
                   "e c\xE9ramique")
            << "Revêtement phosphaté pour coulée céramique";
        QTest::newRow("accents at the ends of sixteen bytes")
            << raw("\xE9"
                   "bcdefghijklmno\xE9\x80qrstuvwxyz012\x9C")
            << "ébcdefghijklmnoé€qrstuvwxyz012œ";
        QTest::newRow("every byte beyond ASCII")
            <<
            [] {
                QByteArray high;
                for (int byte = 0x80; byte <= 0xFF; ++byte)
                    high += char(byte);
                return high;
            }()
            << QString("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ") +
                   QString::fromLatin1(QByteArray::fromHex("a0a1a2a3a4a5a6a7a8a9aaabacadaeaf"
                                                           "b0b1b2b3b4b5b6b7b8b9babbbcbdbebf"
                                                           "c0c1c2c3c4c5c6c7c8c9cacbcccdcecf"
                                                           "d0d1d2d3d4d5d6d7d8d9dadbdcdddedf"
                                                           "e0e1e2e3e4e5e6e7e8e9eaebecedeeef"
                                                           "f0f1f2f3f4f5f6f7f8f9fafbfcfdfeff"));
    }
    // Appended after "<", to check that what was there stays.
    void cp1252() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        std::string out = "<";
        gypsomix::encoding::append_cp1252_as_utf8(view(bytes), out);
        QCOMPARE(fromStd(out), "<" + expected);
    }

    // A file marked UTF-8 keeps its good sequences; each bad byte becomes one U+FFFD.
    void repaired_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("valid stays") << raw("C\xC3\xA9ramique \xE2\x82\xAC") << "Céramique €";
        QTest::newRow("one bad byte") << raw("ab\xE9z") << "ab\uFFFDz";
        QTest::newRow("cut sequence, byte by byte") << raw("\xE2\x82z") << "\uFFFD\uFFFDz";
        QTest::newRow("surrogate") << raw("\xED\xA0\x80") << "\uFFFD\uFFFD\uFFFD";
    }
    void repaired() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        std::string out;
        gypsomix::encoding::append_utf8_repaired(view(bytes), out);
        QCOMPARE(fromStd(out), expected);
    }
};

QTEST_GUILESS_MAIN(TestEncoding)
#include "tst_encoding.moc"
