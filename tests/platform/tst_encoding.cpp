#include "platform/Encoding.h"

#include <QtTest>

class TestEncoding : public QObject {
    Q_OBJECT

private slots:
    void everyByteRoundTrips();
    void specialCharacters();
    void charactersOutsideCp1252();
    void detection_data();
    void detection();
    void splitting_data();
    void splitting();
};

void TestEncoding::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Encoding::decodeCp1252(all);
    QCOMPARE(text.size(), 256);
    bool ok = false;
    QCOMPARE(Encoding::encodeCp1252(text, &ok), all);
    QVERIFY(ok);
    QVERIFY(Encoding::fitsCp1252(text));
}

void TestEncoding::specialCharacters()
{
    QCOMPARE(Encoding::decodeCp1252("\x80\x85\x8C\x92\x96\x97\x99\x9F"), QStringLiteral("€…Œ’–—™Ÿ"));
    QCOMPARE(Encoding::decodeCp1252("\x81\x8D\x8F\x90\x9D"), QStringLiteral("\u0081\u008D\u008F\u0090\u009D"));
    QCOMPARE(Encoding::decodeCp1252("\xE9\xA0\xFF"), QStringLiteral("é\u00A0ÿ"));
    QCOMPARE(Encoding::encodeCp1252(QStringLiteral("l’été")), QByteArray("l\x92\xE9t\xE9"));
}

void TestEncoding::charactersOutsideCp1252()
{
    bool ok = true;
    Encoding::encodeCp1252(QStringLiteral("Ωmega"), &ok);
    QVERIFY(!ok);
    QVERIFY(!Encoding::fitsCp1252(QStringLiteral("a\u0100")));
    // Control characters 0x80-0x9F other than the five undefined bytes have
    // no byte: they were replaced by the specials.
    QVERIFY(!Encoding::fitsCp1252(QStringLiteral("\u0080")));

    bool utf8 = false;
    QCOMPARE(Encoding::encode(QStringLiteral("Café"), &utf8), QByteArray("Caf\xE9"));
    QVERIFY(!utf8);
    QCOMPARE(Encoding::encode(QStringLiteral("Café Ω"), &utf8), QByteArray("Caf\xC3\xA9 \xCE\xA9"));
    QVERIFY(utf8);
}

void TestEncoding::detection_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ascii") << QByteArray("Longueur=4770") << QStringLiteral("Longueur=4770");
    QTest::newRow("utf-8") << QByteArray("Caf\xC3\xA9") << QStringLiteral("Café");
    QTest::newRow("cp1252") << QByteArray("Caf\xE9") << QStringLiteral("Café");
    QTest::newRow("cp1252 looking like a lead byte") << QByteArray("\xC3 la") << QStringLiteral("Ã la");
    QTest::newRow("utf-8 with BOM") << QByteArray("\xEF\xBB\xBF\xE2\x82\xAC") << QStringLiteral("€");
    QTest::newRow("truncated utf-8") << QByteArray("ab\xE2\x82") << QStringLiteral("ab\u00E2\u201A");
    QTest::newRow("overlong") << QByteArray("\xC0\xAF") << QStringLiteral("À¯");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestEncoding::detection()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(Encoding::decode(bytes), expected);
}

void TestEncoding::splitting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF") << QStringLiteral("a\nb") << QStringList{"a", "b"};
    QTest::newRow("CR") << QStringLiteral("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("mixed and empty lines") << QStringLiteral("a\r\n\nb\r\rc") << QStringList{"a", "", "b", "", "c"};
    QTest::newRow("LF CR is two ends") << QStringLiteral("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("only an end") << QStringLiteral("\r\n") << QStringList{""};
}

void TestEncoding::splitting()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(Encoding::splitLines(text), lines);
}

QTEST_MAIN(TestEncoding)
#include "tst_encoding.moc"
