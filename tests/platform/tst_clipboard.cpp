#include "platform/Clipboard.h"

#include "TestSupport.h"

#include <QtTest>

class TestClipboard : public QObject {
    Q_OBJECT

private slots:
    void roundTrips();
};

void TestClipboard::roundTrips()
{
    SystemClipboard clipboard;
    clipboard.setText(QStringLiteral("Atelier du Port"));
    QCOMPARE(clipboard.text(), QStringLiteral("Atelier du Port"));

    QImage card(31, 17, QImage::Format_RGB32);
    card.fill(qRgb(10, 20, 30));
    card.setPixel(30, 16, qRgb(255, 0, 0));
    clipboard.setImage(card);
    const QImage back = clipboard.image();
    QCOMPARE(back.size(), card.size());
    QCOMPARE(TestSupport::pixel(back, 0, 0), Colors::rgb(10, 20, 30));
    QCOMPARE(TestSupport::pixel(back, 30, 16), Colors::rgb(255, 0, 0));

    clipboard.clear();
    QCOMPARE(clipboard.text(), QString());
    QVERIFY(clipboard.image().isNull());
}

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
