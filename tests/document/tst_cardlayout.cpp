// Arithmetic of the card window's layout: parts, scroll ranges, scroll
// rules and shadows.
#include "document/CardLayout.h"

#include <QtTest>

class tst_CardLayout : public QObject {
    Q_OBJECT

private slots:
    void partsOfAWindow();
    void tinyWindowSkipsPartsWithNegativeSizes();
    void scrollRangesRoundHalfToEven();
    void scrollRangeBeyondSixteenBitsIsSkipped();
    void scrollRulesJumpOffTheMiddle();
    void shadowsFollowTheCard();
};

void tst_CardLayout::partsOfAWindow()
{
    // A 600 x 400 pixel window with the large card (8,4 x 5,4 cm).
    const CardLayout layout(9000, 6000, 4762.8, 3061.8);

    QCOMPARE(layout.fond(), std::optional<QRectF>(QRectF(300, 300, 8445, 5445)));
    const QPointF card = layout.centredCard();
    QCOMPARE(card.x(), 4500 - 2381.4);
    QCOMPARE(card.y(), 3000 - 1530.9);
    QCOMPARE(layout.horizontalRuler(), QRectF(300, 0, 9000, 300));
    QCOMPARE(layout.verticalRuler(), QRectF(0, 300, 300, 6000));
    QCOMPARE(layout.horizontalScroll(), std::optional<QRectF>(QRectF(0, 5745, 8745, 255)));
    QCOMPARE(layout.verticalScroll(), std::optional<QRectF>(QRectF(8745, 0, 255, 5745)));
    QCOMPARE(layout.centreButton(), QRectF(8745, 5745, 255, 255));
}

void tst_CardLayout::tinyWindowSkipsPartsWithNegativeSizes()
{
    const CardLayout tiny(200, 500, 4762.8, 3061.8);
    QVERIFY(!tiny.fond());
    QVERIFY(!tiny.horizontalScroll());
    // The vertical bar is 255 wide whatever the width; only its height
    // matters.
    QCOMPARE(tiny.verticalScroll(), std::optional<QRectF>(QRectF(-55, 0, 255, 245)));
    QCOMPARE(tiny.centreButton(), QRectF(-55, 245, 255, 255));
    // The card is centred all the same, partly outside.
    QCOMPARE(tiny.centredCard(), QPointF(100 - 2381.4, 250 - 1530.9));

    const CardLayout exact(555, 555, 100, 100);
    QCOMPARE(exact.fond(), std::optional<QRectF>(QRectF(300, 300, 0, 0)));
    QVERIFY(!CardLayout(554, 600, 100, 100).fond());
}

void tst_CardLayout::scrollRangesRoundHalfToEven()
{
    const auto s = CardLayout::scrollSetup(6000);
    QVERIFY(s);
    QCOMPARE(s->maximum, 6000);
    QCOMPARE(s->minimum, 1);
    QCOMPARE(s->smallChange, 1500);
    QCOMPARE(s->largeChange, 2000);
    QCOMPARE(s->value, 3000);

    // 9005 / 2 = 4502.5 and 9010 / 4 = 2252.5: both go to the even side.
    QCOMPARE(CardLayout::scrollSetup(9005)->value, 4502);
    QCOMPARE(CardLayout::scrollSetup(9005)->smallChange, 2251);
    QCOMPARE(CardLayout::scrollSetup(9005)->largeChange, 3002);
    QCOMPARE(CardLayout::scrollSetup(9010)->smallChange, 2252);
    QCOMPARE(CardLayout::scrollSetup(9015)->value, 4508);
    QCOMPARE(CardLayout::middle(9005), 4502);
    QCOMPARE(CardLayout::middle(9007), 4504);
    // The extent itself is rounded half to even into 16 bits.
    QCOMPARE(CardLayout::scrollSetup(100.5)->maximum, 100);
    QCOMPARE(CardLayout::scrollSetup(101.5)->maximum, 102);
}

void tst_CardLayout::scrollRangeBeyondSixteenBitsIsSkipped()
{
    QCOMPARE(CardLayout::scrollSetup(32767)->maximum, 32767);
    QVERIFY(!CardLayout::scrollSetup(32768));
    QVERIFY(!CardLayout(40000, 6000, 100, 100).horizontalSetup());
    QVERIFY(CardLayout(40000, 6000, 100, 100).verticalSetup());
}

void tst_CardLayout::scrollRulesJumpOffTheMiddle()
{
    const CardLayout layout(9000, 6000, 4762.8, 3061.8);
    // At the middle the card is centred...
    QCOMPARE(layout.horizontalLeft(4500, 9000), 4500 - 2381.4);
    QCOMPARE(layout.verticalTop(3000, 6000), 3000 - 1530.9);
    // ...one step off it, it jumps to value / 2 - 255 (horizontal) and
    // value / 2 (vertical).
    QCOMPARE(layout.horizontalLeft(4501, 9000), 4501 / 2.0 - 255);
    QCOMPARE(layout.verticalTop(3001, 6000), 1500.5);
    // The middle is the rounded one: 9005 / 2 rounds to 4502.
    QCOMPARE(CardLayout(9005, 6000, 4762.8, 3061.8).horizontalLeft(4502, 9005), 4502.5 - 2381.4);
    QCOMPARE(CardLayout(9005, 6000, 4762.8, 3061.8).horizontalLeft(4503, 9005), 4503 / 2.0 - 255);
}

void tst_CardLayout::shadowsFollowTheCard()
{
    QCOMPARE(CardLayout::rightShadow(1000, 2000, 4762.8, 3061.8), QRectF(5762.8, 2120, 135, 3061.8));
    QCOMPARE(CardLayout::bottomShadow(1000, 2000, 4762.8, 3061.8), QRectF(1120, 5061.8, 4762.8, 135));
}

QTEST_MAIN(tst_CardLayout)
#include "tst_cardlayout.moc"
