#include "platform/Encoding.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestEncoding : public QObject {
    Q_OBJECT

private slots:
    void windows1252();
    void textsReadBackAsWritten_data();
    void textsReadBackAsWritten();
    void invalidUtf8ReadsAsWindows1252();
};

void TestEncoding::windows1252()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    bool ok = false;
    QCOMPARE(Encoding::encodeCp1252(Encoding::decodeCp1252(all), &ok), all);
    QVERIFY(ok);
    // The specials of 0x80-0x9F; the five undefined bytes stay control characters.
    QCOMPARE(Encoding::decodeCp1252("\x80\x8C\x92\x97\x9F\x81\x9D\xE9"), u"€Œ’—Ÿ\u0081\u009Dé"_s);
    Encoding::encodeCp1252(u"Ωmega"_s, &ok);
    QVERIFY(!ok);
    // Control characters replaced by the specials have no byte.
    QVERIFY(!Encoding::fitsCp1252(u"\u0080"_s));
}

void TestEncoding::textsReadBackAsWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Windows-1252") << u"Café"_s << QByteArray("Caf\xE9");
    QTest::newRow("outside Windows-1252") << u"Café Ω"_s << QByteArray("Caf\xC3\xA9 \xCE\xA9");
    // Its Windows-1252 bytes C3 A9 would read back as UTF-8 "é".
    QTest::newRow("Windows-1252 that is valid UTF-8") << u"Ã©"_s << QByteArray("\xC3\x83\xC2\xA9");
    // The reader drops one leading mark: a text that starts with one keeps it.
    QTest::newRow("leading byte-order mark") << u"\uFEFFx"_s << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx");
}

void TestEncoding::textsReadBackAsWritten()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Encoding::encode(text), bytes);
    QCOMPARE(Encoding::decode(bytes), text);
}

void TestEncoding::invalidUtf8ReadsAsWindows1252()
{
    QCOMPARE(Encoding::decode("\xC3 la"), u"Ã la"_s);
    QCOMPARE(Encoding::decode("ab\xE2\x82"), u"ab\u00E2\u201A"_s); // cut at the end
}

QTEST_MAIN(TestEncoding)
#include "tst_encoding.moc"
