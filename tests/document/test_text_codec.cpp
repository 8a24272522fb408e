// Windows-1252 bytes of the puzzle against the UTF-8 of the widgets.
#include "document/text_codec.h"
#include "document_tests.h"

#include <QTest>

class TestTextCodec : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesATripThroughUtf8()
    {
        // All 256 bytes, the five undefined ones included, come back unchanged.
        for (int b = 0; b < 256; ++b) {
            const std::string byte(1, char(b));
            QCOMPARE(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte);
        }
    }

    void bytesBecomeTheirCharacters_data()
    {
        QTest::addColumn<QByteArray>("cp1252");
        QTest::addColumn<QByteArray>("utf8");
        QTest::newRow("ascii") << QByteArray("A b&") << QByteArray("A b&");
        QTest::newRow("euro 0x80") << QByteArray("\x80") << QByteArray("\xE2\x82\xAC");
        QTest::newRow("undefined 0x81") << QByteArray("\x81") << QByteArray("\xC2\x81");
        QTest::newRow("undefined 0x9D") << QByteArray("\x9D") << QByteArray("\xC2\x9D");
        QTest::newRow("quote 0x93") << QByteArray("\x93") << QByteArray("\xE2\x80\x9C");
        QTest::newRow("Y diaeresis 0x9F") << QByteArray("\x9F") << QByteArray("\xC5\xB8");
        QTest::newRow("e acute 0xE9") << QByteArray("\xE9") << QByteArray("\xC3\xA9");
        QTest::newRow("no-break space 0xA0") << QByteArray("\xA0") << QByteArray("\xC2\xA0");
    }
    void bytesBecomeTheirCharacters()
    {
        // Each byte maps to its Windows-1252 character, and back.
        QFETCH(QByteArray, cp1252);
        QFETCH(QByteArray, utf8);
        QCOMPARE(Cp1252ToUtf8(cp1252.toStdString()), utf8.toStdString());
        QCOMPARE(Utf8ToCp1252(utf8.toStdString()), cp1252.toStdString());
    }

    void charactersWithoutAByteAreDropped_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("cp1252");
        QTest::newRow("CJK") << QByteArray("a\xE6\x97\xA5z") << QByteArray("az");
        QTest::newRow("emoji") << QByteArray("a\xF0\x9F\x98\x80z") << QByteArray("az");
        QTest::newRow("U+0080 has no byte") << QByteArray("a\xC2\x80z") << QByteArray("az");
        QTest::newRow("U+0100") << QByteArray("a\xC4\x80z") << QByteArray("az");
        QTest::newRow("cut sequence") << QByteArray("a\xC3z") << QByteArray("az");
        QTest::newRow("lone continuation") << QByteArray("a\x80z") << QByteArray("az");
        QTest::newRow("overlong slash") << QByteArray("a\xC0\xAFz") << QByteArray("az");
        QTest::newRow("surrogate") << QByteArray("a\xED\xA0\x80z") << QByteArray("az");
        QTest::newRow("above U+10FFFF") << QByteArray("a\xF4\x90\x80\x80z") << QByteArray("az");
        QTest::newRow("sequence cut at the end") << QByteArray("az\xE2\x82") << QByteArray("az");
    }
    void charactersWithoutAByteAreDropped()
    {
        // Characters Windows-1252 cannot hold and broken UTF-8 leave nothing behind.
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, cp1252);
        QCOMPARE(Utf8ToCp1252(utf8.toStdString()), cp1252.toStdString());
    }

    void entryTextLosesControlCharacters()
    {
        // An entry box is one line: tabs, line breaks and DEL are dropped, other text kept.
        QCOMPARE(EntryTextToCp1252("a\tb\r\nc\x7F\xC3\xA9"), std::string("abc\xE9"));
        QCOMPARE(Utf8ToCp1252("a\tb"), std::string("a\tb"));
    }

    void canHoldAnswersForWindows1252_data()
    {
        QTest::addColumn<uint>("character");
        QTest::addColumn<bool>("held");
        QTest::newRow("A") << uint('A') << true;
        QTest::newRow("NUL") << 0u << true;
        QTest::newRow("euro") << 0x20ACu << true;
        QTest::newRow("trade mark") << 0x2122u << true;
        QTest::newRow("U+0080") << 0x80u << false;
        QTest::newRow("U+0081") << 0x81u << true;
        QTest::newRow("U+0082") << 0x82u << false;
        QTest::newRow("y diaeresis U+00FF") << 0xFFu << true;
        QTest::newRow("U+0100") << 0x100u << false;
        QTest::newRow("beyond Unicode") << 0x110000u << false;
    }
    void canHoldAnswersForWindows1252()
    {
        // Exactly the 256 characters of the code page can be held.
        QFETCH(uint, character);
        QFETCH(bool, held);
        QCOMPARE(Cp1252CanHold(char32_t(character)), held);
    }
};

int RunTextCodecTests(int argc, char **argv)
{
    TestTextCodec tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_text_codec.moc"
