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

    void charactersWithoutAByteAreDropped_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("cp1252");
        QTest::newRow("CJK") << QByteArray("a\xE6\x97\xA5z") << QByteArray("az");
        QTest::newRow("emoji") << QByteArray("a\xF0\x9F\x98\x80z") << QByteArray("az");
        QTest::newRow("U+0080 has no byte") << QByteArray("a\xC2\x80z") << QByteArray("az");
        QTest::newRow("cut sequence") << QByteArray("a\xC3z") << QByteArray("az");
        QTest::newRow("overlong slash") << QByteArray("a\xC0\xAFz") << QByteArray("az");
        QTest::newRow("surrogate") << QByteArray("a\xED\xA0\x80z") << QByteArray("az");
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

};

int RunTextCodecTests(int argc, char **argv)
{
    TestTextCodec tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_text_codec.moc"
