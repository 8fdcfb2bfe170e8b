// The card window as a widget: layout and scrolling, the centring button,
// read-outs, mouse routing to items and drawing.
#include "FakeCardHost.h"
#include "TestSupport.h"
#include "document/frmProjet.h"
#include "widgets/Ruler.h"

#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

// A card window whose item handlers record their calls; optionally it drags
// a label as the item operations do.
class RecordingCard : public frmProjet {
public:
    using frmProjet::frmProjet;
    QStringList calls;
    bool dragLabels = false;

    static QString xy(double x, double y) { return QStringLiteral("%1,%2").arg(x).arg(y); }

    void Label_MouseDown(int i, Qt::MouseButton b, double x, double y) override
    {
        calls << QStringLiteral("LabelDown %1 %2 %3").arg(i).arg(int(b)).arg(xy(x, y));
        ClicX = x;
        ClicY = y;
    }
    void Label_MouseMove(int i, Qt::MouseButtons b, double x, double y) override
    {
        calls << QStringLiteral("LabelMove %1 %2 %3").arg(i).arg(int(b)).arg(xy(x, y));
        if (dragLabels && b == Qt::LeftButton) {
            Label(i)->Left += float(x - ClicX);
            Label(i)->Top += float(y - ClicY);
            updateLabel(i);
        }
    }
    void Label_MouseUp(int i, Qt::MouseButton b, double x, double y) override
    {
        calls << QStringLiteral("LabelUp %1 %2 %3").arg(i).arg(int(b)).arg(xy(x, y));
    }
    void Label_DblClick(int i) override { calls << QStringLiteral("LabelDbl %1").arg(i); }
    void Label_Click(int i) override { calls << QStringLiteral("LabelClick %1").arg(i); }
    void Logo_MouseDown(int i, Qt::MouseButton b, double x, double y) override
    {
        calls << QStringLiteral("LogoDown %1 %2 %3").arg(i).arg(int(b)).arg(xy(x, y));
    }
    void Logo_MouseMove(int i, Qt::MouseButtons b, double x, double y) override
    {
        calls << QStringLiteral("LogoMove %1 %2 %3").arg(i).arg(int(b)).arg(xy(x, y));
    }
    void Logo_MouseUp(int i, Qt::MouseButton b, double x, double y) override
    {
        calls << QStringLiteral("LogoUp %1 %2 %3").arg(i).arg(int(b)).arg(xy(x, y));
    }
    void Logo_DblClick(int i) override { calls << QStringLiteral("LogoDbl %1").arg(i); }
    void Logo_Click(int i) override { calls << QStringLiteral("LogoClick %1").arg(i); }
    void Picture1_MouseDown(Qt::MouseButton b, double x, double y) override
    {
        calls << QStringLiteral("CardDown %1 %2").arg(int(b)).arg(xy(x, y));
    }
    void Picture1_MouseMove(Qt::MouseButtons b, double x, double y) override
    {
        calls << QStringLiteral("CardMove %1 %2").arg(int(b)).arg(xy(x, y));
        frmProjet::Picture1_MouseMove(b, x, y);
    }
};

constexpr double CardW = 4762.8;
constexpr double CardH = 3061.8;

} // namespace

class tst_CardWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newWindowIsCentredWithThumbsInTheMiddle();
    void partsSitAlongTheEdges();
    void scrollingMovesTheCardByItsRules();
    void centringButtonPutsTheCardBack();
    void resizingRecentres();
    void tinyAndHugeWindowsDoNotBreakTheLayout();
    void cardSizeChangeRelaysOut();
    void cardSizeReadOut();
    void pointerReadOutAndBalloon();
    void clickOnItemsAndCard();
    void dragKeepsTheItemAndEndsInAClick();
    void doubleClickAndOtherButtons();
    void drawsBackgroundItemsAndFrame();

private:
    // A window point over a point of the card view.
    QPoint onCard(QPoint viewPixel) const { return m_card->cardView()->mapTo(m_card.get(), viewPixel); }
    QWindow *window() const { return m_card->windowHandle(); }
    // The pointer comes over a point first (its moves are not recorded), as
    // a real pointer does before pressing there.
    void hover(QPoint viewPixel)
    {
        QTest::mouseMove(window(), onCard(viewPixel));
        m_card->calls.clear();
    }
    void click(Qt::MouseButton button, QPoint viewPixel)
    {
        hover(viewPixel);
        QTest::mouseClick(window(), button, {}, onCard(viewPixel));
    }
    void press(Qt::MouseButton button, QPoint viewPixel)
    {
        hover(viewPixel);
        QTest::mousePress(window(), button, {}, onCard(viewPixel));
    }

    std::unique_ptr<FakeCardHost> m_host;
    std::unique_ptr<RecordingCard> m_card;
};

void tst_CardWindow::init()
{
    m_host = std::make_unique<FakeCardHost>();
    m_card = std::make_unique<RecordingCard>(m_host.get());
    m_card->setCardSize(CardW, CardH);
    m_card->resize(600, 400); // 9000 x 6000 twips
    m_card->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_card.get()));
    QCOMPARE(m_card->size(), QSize(600, 400));
}

void tst_CardWindow::cleanup()
{
    m_card.reset();
    m_host.reset();
}

void tst_CardWindow::newWindowIsCentredWithThumbsInTheMiddle()
{
    QCOMPARE(m_card->cardLeft(), 4500 - CardW / 2);
    QCOMPARE(m_card->cardTop(), 3000 - CardH / 2);
    QCOMPARE(m_card->cardView()->geometry(), QRect(141, 98, 318, 204));

    QCOMPARE(m_card->HScroll1()->maximum(), 9000);
    QCOMPARE(m_card->HScroll1()->minimum(), 1);
    QCOMPARE(m_card->HScroll1()->value(), 4500);
    QCOMPARE(m_card->HScroll1()->singleStep(), 2250);
    QCOMPARE(m_card->HScroll1()->pageStep(), 3000);
    QCOMPARE(m_card->VScroll1()->maximum(), 6000);
    QCOMPARE(m_card->VScroll1()->value(), 3000);
    QCOMPARE(m_card->VScroll1()->singleStep(), 1500);
    QCOMPARE(m_card->VScroll1()->pageStep(), 2000);

    // Shadows 120 twips down / right of the card, 135 thick.
    const double l = m_card->cardLeft();
    const double t = m_card->cardTop();
    QCOMPARE(m_card->OmbreGRect(), QRectF(l + CardW, t + 120, 135, CardH));
    QCOMPARE(m_card->OmbreBRect(), QRectF(l + 120, t + CardH, CardW, 135));
    const QRect card = m_card->cardView()->geometry();
    const QRect right = m_card->OmbreG()->geometry();
    const QRect below = m_card->OmbreB()->geometry();
    QCOMPARE(right.left(), card.right() + 1);
    QCOMPARE(right.width(), 9);
    QCOMPARE(right.top(), card.top() + 8);
    QCOMPARE(below.top(), card.bottom() + 1);
    QCOMPARE(below.height(), 9);
    QCOMPARE(below.left(), card.left() + 8);
}

void tst_CardWindow::partsSitAlongTheEdges()
{
    QCOMPARE(m_card->Fond()->geometry(), QRect(20, 20, 563, 363));
    QCOMPARE(m_card->Regle(0)->geometry(), QRect(20, 0, 600, 20));
    QCOMPARE(m_card->Regle(1)->geometry(), QRect(0, 20, 20, 400));
    QCOMPARE(m_card->Regle(0)->Orientation(), 0);
    QCOMPARE(m_card->Regle(1)->Orientation(), 1);
    QVERIFY(!m_card->Regle(2));
    QCOMPARE(m_card->HScroll1()->geometry(), QRect(0, 383, 583, 17));
    QCOMPARE(m_card->VScroll1()->geometry(), QRect(583, 0, 17, 383));
    QCOMPARE(m_card->Defaut()->geometry(), QRect(583, 383, 17, 17));
    QCOMPARE(m_card->Defaut()->toolTip(), QStringLiteral("Centrer le projet"));

    // Corner square in the tooltip colour, shadows in E0E0E0.
    const QImage shot = m_card->grab().toImage();
    QCOMPARE(TestSupport::pixel(shot, 5, 5),
             Colors::fromQColor(m_card->palette().color(QPalette::ToolTipBase)));
    const QPoint inShadow = m_card->OmbreG()->geometry().center();
    QCOMPARE(TestSupport::pixel(shot, inShadow.x(), inShadow.y()), Colors::LightGrey);
}

void tst_CardWindow::scrollingMovesTheCardByItsRules()
{
    const double centredLeft = m_card->cardLeft();
    // One value to the right of the middle: the card jumps to value/2 - 255.
    m_card->HScroll1()->setValue(4501);
    QCOMPARE(m_card->cardLeft(), 4501 / 2.0 - 255);
    QCOMPARE(m_card->cardView()->x(), qRound((4501 / 2.0 - 255) / 15));
    QCOMPARE(m_card->OmbreGRect().left(), m_card->cardLeft() + CardW);
    QCOMPARE(m_card->OmbreBRect().left(), m_card->cardLeft() + 120);

    m_card->HScroll1()->setValue(4500);
    QCOMPARE(m_card->cardLeft(), centredLeft);

    // Dragging the thumb moves the card at every position.
    m_card->VScroll1()->setSliderDown(true);
    m_card->VScroll1()->setSliderPosition(4001);
    QCOMPARE(m_card->cardTop(), 2000.5);
    QCOMPARE(m_card->OmbreGRect().top(), 2000.5 + 120);
    QCOMPARE(m_card->OmbreBRect().top(), 2000.5 + CardH);
    m_card->VScroll1()->setSliderDown(false);
    // Back at the middle the card is centred again.
    m_card->VScroll1()->setValue(3000);
    QCOMPARE(m_card->cardTop(), 3000 - CardH / 2);
}

void tst_CardWindow::centringButtonPutsTheCardBack()
{
    m_card->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_card.get()));
    m_card->HScroll1()->setValue(100);
    m_card->VScroll1()->setValue(5000);
    QCOMPARE(m_card->cardTop(), 2500.0);

    QTest::mouseClick(m_card->Defaut(), Qt::LeftButton);
    QCOMPARE(m_card->HScroll1()->value(), 4500);
    QCOMPARE(m_card->VScroll1()->value(), 3000);
    QCOMPARE(m_card->cardLeft(), 4500 - CardW / 2);
    QCOMPARE(m_card->cardTop(), 3000 - CardH / 2);
    QCOMPARE(m_card->cardView()->geometry(), QRect(141, 98, 318, 204));
    QVERIFY(m_card->cardView()->hasFocus());

    // Already centred: nothing moves.
    m_card->Defaut_Click();
    QCOMPARE(m_card->cardLeft(), 4500 - CardW / 2);
}

void tst_CardWindow::resizingRecentres()
{
    m_card->HScroll1()->setValue(200);
    m_card->VScroll1()->setValue(200);
    // Only the width changes: the vertical bar's range stays, yet its thumb
    // comes back to the middle and the card is centred both ways.
    m_card->resize(603, 400);
    QCOMPARE(m_card->HScroll1()->maximum(), 9045);
    QCOMPARE(m_card->HScroll1()->value(), 4522); // 4522.5 rounded to even
    QCOMPARE(m_card->VScroll1()->value(), 3000);
    QCOMPARE(m_card->cardLeft(), 9045 / 2.0 - CardW / 2);
    QCOMPARE(m_card->cardTop(), 3000 - CardH / 2);
    QCOMPARE(m_card->Fond()->geometry(), QRect(20, 20, 566, 363));
}

void tst_CardWindow::tinyAndHugeWindowsDoNotBreakTheLayout()
{
    const QRect fondBefore = m_card->Fond()->geometry();
    const QRect hBefore = m_card->HScroll1()->geometry();
    m_card->resize(5, 5);
    m_card->Form_Resize();
    // Parts that would get a negative size keep their place.
    QCOMPARE(m_card->Fond()->geometry(), fondBefore);
    QCOMPARE(m_card->HScroll1()->geometry(), hBefore);
    QCOMPARE(m_card->cardLeft(), 37.5 - CardW / 2);
    m_card->Defaut_Click();
    m_card->resize(1, 1);
    m_card->HScroll1()->setValue(0);

    // Wider than 32767 twips: the horizontal range is left as it was and
    // the card stays centred.
    m_card->resize(600, 400);
    QCOMPARE(m_card->HScroll1()->maximum(), 9000);
    m_card->resize(2200, 400);
    QCOMPARE(m_card->width(), 2200);
    QCOMPARE(m_card->HScroll1()->maximum(), 9000);
    QCOMPARE(m_card->cardLeft(), 16500 - CardW / 2);
    QCOMPARE(m_card->HScroll1()->geometry(), QRect(0, 383, 2183, 17));
    QCOMPARE(m_card->VScroll1()->maximum(), 6000);

    // Back to a sound size: as a new window.
    m_card->resize(600, 400);
    QCOMPARE(m_card->Fond()->geometry(), QRect(20, 20, 563, 363));
    QCOMPARE(m_card->cardView()->geometry(), QRect(141, 98, 318, 204));
}

void tst_CardWindow::cardSizeChangeRelaysOut()
{
    m_card->setCardSize(3628.8, 1927.8); // 6,4 x 3,4 cm
    QCOMPARE(m_card->Picture1().width(), 3628.8);
    QCOMPARE(m_card->cardView()->size(), QSize(242, 129));
    QCOMPARE(m_card->cardLeft(), 4500 - 3628.8 / 2);
    QCOMPARE(m_card->OmbreGRect(), QRectF(m_card->cardLeft() + 3628.8, m_card->cardTop() + 120, 135, 1927.8));
}

void tst_CardWindow::cardSizeReadOut()
{
    TestSupport::FrenchLocale french;
    m_card->writeCardSize();
    QCOMPARE(m_host->panels.value(2), QStringLiteral("8,40 x 5,40 cm"));
    m_card->setCardSize(1000, 56.7);
    m_card->writeCardSize();
    QCOMPARE(m_host->panels.value(2), QStringLiteral("1,76 x 0,10 cm"));
}

void tst_CardWindow::pointerReadOutAndBalloon()
{
    TestSupport::FrenchLocale french;
    // (150, 100) pixels on the card, clear of label 1 and logo 1.
    QVERIFY(!m_card->itemAt(QPointF(2250, 1500)));
    m_card->BulleVisible = true;
    QTest::mouseMove(window(), onCard(QPoint(150, 100)));
    QCOMPARE(m_host->panels.value(3), QStringLiteral("X : 03,97 - Y : 02,65"));
    QVERIFY(!m_card->BulleVisible);
    QCOMPARE(m_card->calls.last(), QStringLiteral("CardMove 0 2250,1500"));

    QTest::mouseMove(window(), onCard(QPoint(0, 0)));
    QCOMPARE(m_host->panels.value(3), QStringLiteral("X : 00,00 - Y : 00,00"));

    // Over an item the move is the item's: no read-out.
    m_host->panels.remove(3);
    m_card->BulleVisible = true;
    const CardLabel *label = m_card->Label(1);
    const QPoint overLabel(int(label->Left / 15) + 3, int(label->Top / 15) + 3);
    QTest::mouseMove(window(), onCard(overLabel));
    QVERIFY(!m_host->panels.contains(3));
    QVERIFY(m_card->BulleVisible);
    QVERIFY(m_card->calls.last().startsWith(QStringLiteral("LabelMove 1 0 ")));

    // A move over the window's workspace takes the balloon down too.
    QTest::mouseMove(window(), QPoint(30, 30));
    QVERIFY(!m_card->BulleVisible);
    QVERIFY(!m_host->panels.contains(3));
}

void tst_CardWindow::clickOnItemsAndCard()
{
    CardLabel *label = m_card->Label(1);
    CardLogo *logo = m_card->Logo(1);
    label->Left = 300;
    label->Top = 150;
    logo->Left = 1500;
    logo->Top = 900;
    m_card->updateCard();

    // Label at (20, 10) px: a press 5 px right and 4 px down of its corner
    // is at (75, 60) twips in the label.
    click(Qt::LeftButton, QPoint(25, 14));
    QCOMPARE(m_card->calls, (QStringList{QStringLiteral("LabelDown 1 1 75,60"),
                                         QStringLiteral("LabelUp 1 1 75,60"), QStringLiteral("LabelClick 1")}));

    m_card->calls.clear();
    click(Qt::LeftButton, QPoint(110, 70));
    QCOMPARE(m_card->calls, (QStringList{QStringLiteral("LogoDown 1 1 150,150"),
                                         QStringLiteral("LogoUp 1 1 150,150"), QStringLiteral("LogoClick 1")}));

    // The empty card: a button down only.
    m_card->calls.clear();
    click(Qt::RightButton, QPoint(200, 150));
    QCOMPARE(m_card->calls, (QStringList{QStringLiteral("CardDown 2 3000,2250")}));

    // Overlapping items: the topmost takes the click.
    label->Left = 1500;
    label->Top = 900;
    m_card->updateCard();
    m_card->calls.clear();
    click(Qt::LeftButton, QPoint(102, 62));
    QCOMPARE(m_card->calls.last(), QStringLiteral("LabelClick 1"));
    m_card->bringToFront(logo);
    m_card->calls.clear();
    click(Qt::LeftButton, QPoint(102, 62));
    QCOMPARE(m_card->calls.last(), QStringLiteral("LogoClick 1"));

    // A hidden item takes nothing.
    logo->Visible = false;
    label->Visible = false;
    m_card->calls.clear();
    click(Qt::LeftButton, QPoint(102, 62));
    QCOMPARE(m_card->calls, (QStringList{QStringLiteral("CardDown 1 1530,930")}));
}

void tst_CardWindow::dragKeepsTheItemAndEndsInAClick()
{
    CardLabel *label = m_card->Label(1);
    label->Left = 300;
    label->Top = 150;
    m_card->updateCard();

    // Without the item following, the pointer leaves it: every move and the
    // release still go to the label, and there is no click.
    press(Qt::LeftButton, QPoint(25, 14));
    QTest::mouseMove(window(), onCard(QPoint(200, 150)));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, onCard(QPoint(200, 150)));
    QCOMPARE(m_card->calls, (QStringList{QStringLiteral("LabelDown 1 1 75,60"),
                                         QStringLiteral("LabelMove 1 1 2700,2100"),
                                         QStringLiteral("LabelUp 1 1 2700,2100")}));

    // When the label follows the pointer, the release is over it: a click.
    m_card->dragLabels = true;
    m_card->calls.clear();
    press(Qt::LeftButton, QPoint(25, 14));
    QTest::mouseMove(window(), onCard(QPoint(125, 64)));
    QCOMPARE(label->Left, 300.0f + 1500);
    QCOMPARE(label->Top, 150.0f + 750);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, onCard(QPoint(125, 64)));
    QCOMPARE(m_card->calls, (QStringList{QStringLiteral("LabelDown 1 1 75,60"),
                                         QStringLiteral("LabelMove 1 1 1575,810"),
                                         QStringLiteral("LabelUp 1 1 75,60"), QStringLiteral("LabelClick 1")}));

    // A drag that starts on the empty card stays the card's.
    m_card->calls.clear();
    press(Qt::LeftButton, QPoint(250, 180));
    QTest::mouseMove(window(), onCard(QPoint(127, 66)));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, onCard(QPoint(127, 66)));
    QCOMPARE(m_card->calls, (QStringList{QStringLiteral("CardDown 1 3750,2700"),
                                         QStringLiteral("CardMove 1 1905,990")}));
}

void tst_CardWindow::doubleClickAndOtherButtons()
{
    CardLabel *label = m_card->Label(1);
    label->Left = 300;
    label->Top = 150;
    m_card->updateCard();

    hover(QPoint(25, 14));
    QTest::mouseDClick(window(), Qt::LeftButton, {}, onCard(QPoint(25, 14)));
    // Down, up and click select; the second press is the double-click,
    // with no second click.
    QCOMPARE(m_card->calls, (QStringList{QStringLiteral("LabelDown 1 1 75,60"), QStringLiteral("LabelUp 1 1 75,60"),
                                         QStringLiteral("LabelClick 1"), QStringLiteral("LabelDbl 1"),
                                         QStringLiteral("LabelUp 1 1 75,60")}));

    // The right button is no click.
    click(Qt::RightButton, QPoint(25, 14));
    QCOMPARE(m_card->calls, (QStringList{QStringLiteral("LabelDown 1 2 75,60"),
                                         QStringLiteral("LabelUp 1 2 75,60")}));
}

void tst_CardWindow::drawsBackgroundItemsAndFrame()
{
    m_card->Picture1().setBackColor(Colors::rgb(0, 0, 200));
    m_card->Picture1().cls();
    CardLabel *label = m_card->Label(1);
    label->ForeColor = Colors::rgb(255, 0, 0);
    label->setFontSize(20);
    label->setFontBold(true);
    label->setCaption(QStringLiteral("MMM"));
    label->Left = 150;
    label->Top = 150;
    CardLogo *logo = m_card->Logo(1);
    logo->Left = 3000;
    logo->Top = 1500;
    m_card->setBord(QRectF(600, 2250, 1500, 450));
    m_card->updateCard();

    const QImage shot = m_card->cardView()->grab().toImage();
    QCOMPARE(TestSupport::pixel(shot, 300, 10), Colors::rgb(0, 0, 200));

    // The logo's picture, pixel for pixel, at (200, 100).
    const QImage tmp = m_card->Tmp();
    for (int y = 0; y < tmp.height(); y += 3)
        for (int x = 0; x < tmp.width(); x += 3)
            QCOMPARE(TestSupport::pixel(shot, 200 + x, 100 + y), TestSupport::pixel(tmp, x, y));

    // Red text on the card inside the label's box, transparent around it.
    const QRect box(10, 10, int(label->Width() / 15), int(label->Height() / 15));
    int red = 0;
    int blue = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const OleColor c = TestSupport::pixel(shot, x, y);
            red += c == Colors::rgb(255, 0, 0);
            blue += c == Colors::rgb(0, 0, 200);
        }
    QVERIFY(red > 30);
    QVERIFY(blue > 30);

    // The selection frame: a dotted outline around (40, 150) 100 x 30.
    int dark = 0;
    for (int x = 40; x < 140; ++x)
        dark += TestSupport::pixel(shot, x, 150) == Colors::Black;
    QVERIFY(dark >= 30 && dark <= 70);
    QCOMPARE(TestSupport::pixel(shot, 90, 165), Colors::rgb(0, 0, 200));
    m_card->hideBord();
    const QImage after = m_card->cardView()->grab().toImage();
    for (int x = 40; x < 140; ++x)
        QCOMPARE(TestSupport::pixel(after, x, 150), Colors::rgb(0, 0, 200));

    // Hidden items are not drawn.
    logo->Visible = false;
    m_card->updateLogo(1);
    QCOMPARE(TestSupport::pixel(m_card->cardView()->grab().toImage(), 217, 117), Colors::rgb(0, 0, 200));
}

QTEST_MAIN(tst_CardWindow)
#include "tst_cardwindow.moc"
