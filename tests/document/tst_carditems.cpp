// Labels and logos of a card: auto-size, fonts, pictures, creation by index,
// stacking and hit-testing.
#include "FakeCardHost.h"
#include "document/CardLabel.h"
#include "document/CardLogo.h"
#include "document/frmProjet.h"

#include <QFontDatabase>
#include <QtTest>

#include <cmath>

class tst_CardItems : public QObject {
    Q_OBJECT

private slots:
    void labelSizesItselfToItsText();
    void labelMeasuresAtNinetySixDpi();
    void labelLinesAndEmptyText();
    void labelAutoSizeOffKeepsItsSize();
    void labelKeepsAnUninstalledFontName();
    void labelSurvivesAbsurdSizes();
    void logoTakesThePictureSizeUnlessStretched();
    void copiesKeepIdentityAndPlace();
    void newCardHasLabelOneAndLogoOne();
    void itemsAreCreatedOnlyAtTheNextIndex();
    void deletedItemsKeepTheirIndexes();
    void stackingOrderDecidesWhatIsHit();
};

void tst_CardItems::labelSizesItselfToItsText()
{
    CardLabel label;
    label.setCaption(QStringLiteral("M"));
    const float oneWidth = label.Width();
    const float height = label.Height();
    QVERIFY(oneWidth > 0);
    QVERIFY(height > 0);

    label.setCaption(QStringLiteral("MMMM"));
    QVERIFY(std::abs(label.Width() - 4 * oneWidth) <= 15);
    QCOMPARE(label.Height(), height);

    const float before = label.Width();
    label.setFontSize(16.5f);
    QVERIFY(label.Width() > 1.8f * before);
    QVERIFY(label.Height() > 1.8f * height);

    label.setFontSize(8.25f);
    label.setFontBold(true);
    QVERIFY(label.Width() >= before);
    label.setFontBold(false);
    QCOMPARE(label.Width(), before);
}

void tst_CardItems::labelMeasuresAtNinetySixDpi()
{
    // 8.25 points at 96 dpi are 11 pixels: the same text in an 11-pixel
    // font has the same size, whatever the screen's resolution.
    QFont points(QStringLiteral("DejaVu Sans"));
    points.setPointSizeF(8.25);
    QFont pixels(QStringLiteral("DejaVu Sans"));
    pixels.setPixelSize(11);
    const QString text = QStringLiteral("Atelier du Port");
    QCOMPARE(CardLabel::textSize(text, points), CardLabel::textSize(text, pixels));
    // Sizes are whole screen pixels of 15 twips... up to the fraction of a
    // pixel an advance may have; the height is whole lines.
    const QSizeF size = CardLabel::textSize(text, pixels);
    QVERIFY(size.height() >= 11 * 15);
}

void tst_CardItems::labelLinesAndEmptyText()
{
    CardLabel label;
    label.setCaption(QStringLiteral("Atelier"));
    const float line = label.Height();
    const float width = label.Width();

    for (const QString &two : {QStringLiteral("Atelier\r\nPort"), QStringLiteral("Atelier\nPort"),
                               QStringLiteral("Port\rAtelier")}) {
        label.setCaption(two);
        QCOMPARE(label.Height(), 2 * line);
        QCOMPARE(label.Width(), width); // the widest line
    }
    label.setCaption(QStringLiteral("a\r\n\r\nb"));
    QCOMPARE(label.Height(), 3 * line);

    label.setCaption(QString());
    QCOMPARE(label.Width(), 0.0f);
    QCOMPARE(label.Height(), line);
}

void tst_CardItems::labelAutoSizeOffKeepsItsSize()
{
    CardLabel label;
    label.setAutoSize(false);
    label.setSize(1000, 400);
    label.setCaption(QStringLiteral("Un texte assez long pour dépasser"));
    label.setFontSize(20);
    QCOMPARE(label.Width(), 1000.0f);
    QCOMPARE(label.Height(), 400.0f);

    label.setAutoSize(true);
    QVERIFY(label.Width() > 1000);
    // With auto-size on, a size set by hand lasts until the next change.
    label.setSize(10, 10);
    QCOMPARE(label.Width(), 10.0f);
    label.setFontItalic(true);
    QVERIFY(label.Width() > 1000);
}

void tst_CardItems::labelKeepsAnUninstalledFontName()
{
    const QString missing = QStringLiteral("Police Introuvable 2007");
    QVERIFY(!QFontDatabase::families().contains(missing));
    CardLabel label;
    label.setCaption(QStringLiteral("ZONE DE TEXTE"));
    label.setFontName(missing);
    QCOMPARE(label.FontName(), missing);
    QCOMPARE(label.font().family(), missing);
    // The desktop's substitute measures the text.
    QVERIFY(label.Width() > 0);
    QVERIFY(label.Height() > 0);
    label.setFontUnderline(true);
    label.setFontStrikethru(true);
    QVERIFY(label.font().underline() && label.font().strikeOut() && !label.font().bold());
}

void tst_CardItems::labelSurvivesAbsurdSizes()
{
    CardLabel label;
    label.setCaption(QStringLiteral("x"));
    for (float size : {0.0f, -4.0f, std::nanf(""), 1.0e9f}) {
        label.setFontSize(size);
        // The model keeps what it was given...
        QVERIFY(label.FontSize() == size || (std::isnan(size) && std::isnan(label.FontSize())));
        // ...and measures with a sane size.
        QVERIFY(std::isfinite(label.Width()));
        QVERIFY(label.Height() > 0);
        QVERIFY(label.Height() < 1.0e6f);
    }
}

void tst_CardItems::logoTakesThePictureSizeUnlessStretched()
{
    CardLogo logo;
    QImage wide(20, 10, QImage::Format_RGB32);
    wide.fill(Qt::red);
    logo.setPicture(wide);
    QCOMPARE(logo.Width(), 300.0f);
    QCOMPARE(logo.Height(), 150.0f);

    logo.setStretch(true);
    logo.setSize(1000, 800);
    QImage square(40, 40, QImage::Format_RGB32);
    square.fill(Qt::blue);
    logo.setPicture(square);
    QCOMPARE(logo.Width(), 1000.0f); // stretched: the size stays
    QCOMPARE(logo.Height(), 800.0f);

    logo.setStretch(false);
    QCOMPARE(logo.Width(), 600.0f);
    QCOMPARE(logo.Height(), 600.0f);

    logo.setPicture(QImage());
    QCOMPARE(logo.Width(), 0.0f);
}

void tst_CardItems::copiesKeepIdentityAndPlace()
{
    CardLabel first;
    first.setCaption(QStringLiteral("Atelier du Port"));
    first.setFontName(QStringLiteral("Courier New"));
    first.setFontSize(14);
    first.setFontBold(true);
    first.ForeColor = Colors::rgb(10, 20, 30);
    CardLabel copy;
    copy.index = 7;
    copy.Left = 50;
    copy.Top = 60;
    copy.Visible = false;
    copy.Tag = QStringLiteral("annuler");
    copy.copyLookFrom(first);
    QCOMPARE(copy.Caption(), first.Caption());
    QCOMPARE(copy.FontName(), first.FontName());
    QCOMPARE(copy.FontSize(), 14.0f);
    QVERIFY(copy.FontBold());
    QCOMPARE(copy.ForeColor, first.ForeColor);
    QCOMPARE(copy.Width(), first.Width());
    QCOMPARE(copy.index, 7);
    QCOMPARE(copy.Left, 50.0f);
    QCOMPARE(copy.Top, 60.0f);
    QVERIFY(!copy.Visible);
    QCOMPARE(copy.Tag, QStringLiteral("annuler"));
}

void tst_CardItems::newCardHasLabelOneAndLogoOne()
{
    FakeCardHost host;
    frmProjet card(&host);
    QCOMPARE(card.labelCount(), 1);
    QCOMPARE(card.logoCount(), 1);
    QVERIFY(!card.Label(0));
    QVERIFY(!card.Label(2));
    QVERIFY(!card.Logo(2));

    const CardLabel *label = card.Label(1);
    QVERIFY(label);
    QCOMPARE(label->index, 1);
    QCOMPARE(label->Caption(), QStringLiteral("ZONE DE TEXTE"));
    QCOMPARE(label->FontName(), QStringLiteral("Arial"));
    QCOMPARE(label->FontSize(), 8.25f);
    QCOMPARE(label->ForeColor, Colors::system(8));
    QVERIFY(label->AutoSize());
    QVERIFY(label->Visible);
    QVERIFY(label->Width() > 0);

    const CardLogo *logo = card.Logo(1);
    QVERIFY(logo);
    QVERIFY(logo->Tag.isEmpty());
    QCOMPARE(logo->Picture(), card.Tmp());
    QCOMPARE(card.Tmp().size(), QSize(34, 34));
    QCOMPARE(logo->Width(), 510.0f);
    QVERIFY(logo->Visible);

    QCOMPARE(card.NumLabel, 1);
    QCOMPARE(card.NumLogo, 1);
    QCOMPARE(card.NumFond, 0);
    QCOMPARE(card.NumOption, 0);
    QCOMPARE(card.Color1, 0);
    QVERIFY(!card.BulleVisible);
}

void tst_CardItems::itemsAreCreatedOnlyAtTheNextIndex()
{
    FakeCardHost host;
    frmProjet card(&host);
    card.Label(1)->setCaption(QStringLiteral("Atelier du Port"));
    card.Label(1)->setFontSize(12);

    QVERIFY(!card.createLabel(3));
    QVERIFY(!card.createLabel(0));
    QVERIFY(!card.createLabel(-1));
    CardLabel *two = card.createLabel(2);
    QVERIFY(two);
    QCOMPARE(two->index, 2);
    QCOMPARE(two->Caption(), QStringLiteral("Atelier du Port"));
    QCOMPARE(two->FontSize(), 12.0f);
    QCOMPARE(two->Width(), card.Label(1)->Width());
    QVERIFY(!two->Visible); // its creator places and shows it
    QCOMPARE(card.createLabel(2), two);
    QCOMPARE(card.createLabel(1), card.Label(1));
    QCOMPARE(card.labelCount(), 2);

    card.Logo(1)->Tag = QStringLiteral("/images/a.bmp");
    CardLogo *logo = card.createLogo(2);
    QVERIFY(logo);
    QCOMPARE(logo->Tag, QStringLiteral("/images/a.bmp"));
    QCOMPARE(logo->Picture(), card.Tmp());
    QVERIFY(!card.createLogo(4));
    QCOMPARE(card.logoCount(), 2);

    // Items stay where they are while others are created.
    for (int i = 3; i <= 40; ++i)
        QVERIFY(card.createLabel(i));
    QCOMPARE(card.Label(2), two);
    QCOMPARE(card.Label(40)->index, 40);
}

void tst_CardItems::deletedItemsKeepTheirIndexes()
{
    FakeCardHost host;
    frmProjet card(&host);
    for (int i = 2; i <= 4; ++i)
        card.createLabel(i)->Visible = true;
    card.Label(4)->Visible = false; // deleted
    QCOMPARE(card.labelCount(), 4);
    CardLabel *next = card.createLabel(card.labelCount() + 1);
    QCOMPARE(next->index, 5);
    QVERIFY(!card.Label(4)->Visible);
    QCOMPARE(card.Label(4)->index, 4);
}

void tst_CardItems::stackingOrderDecidesWhatIsHit()
{
    FakeCardHost host;
    frmProjet card(&host);
    CardLabel *label = card.Label(1);
    CardLogo *logo = card.Logo(1);
    logo->Left = 0;
    logo->Top = 0;
    label->Left = 100;
    label->Top = 100;
    const QPointF both(200, 150);
    QVERIFY(both.x() < logo->Width() && both.y() < logo->Height());

    // A new card: logo 1 below label 1.
    QCOMPARE(card.stackingOrder().size(), size_t(2));
    QCOMPARE(card.itemAt(both), std::optional<CardItemRef>(CardItemRef{CardItemRef::LabelItem, 1}));
    card.bringToFront(logo);
    QCOMPARE(card.itemAt(both), std::optional<CardItemRef>(CardItemRef{CardItemRef::LogoItem, 1}));
    card.sendToBack(logo);
    QCOMPARE(card.itemAt(both), std::optional<CardItemRef>(CardItemRef{CardItemRef::LabelItem, 1}));

    // A hidden item is not hit; what is under it is.
    label->Visible = false;
    QCOMPARE(card.itemAt(both), std::optional<CardItemRef>(CardItemRef{CardItemRef::LogoItem, 1}));
    QVERIFY(!card.itemAt(QPointF(5000, 5000)));

    // New items go on top; bringing one to the front reorders only it.
    label->Visible = true;
    CardLabel *two = card.createLabel(2);
    two->Visible = true;
    two->Left = 100;
    two->Top = 100;
    QCOMPARE(card.itemAt(both), std::optional<CardItemRef>(CardItemRef{CardItemRef::LabelItem, 2}));
    card.bringToFront(label);
    const std::vector<CardItemRef> expected = {
        {CardItemRef::LogoItem, 1}, {CardItemRef::LabelItem, 2}, {CardItemRef::LabelItem, 1}};
    QVERIFY(card.stackingOrder() == expected);

    // An item of another card is ignored.
    FakeCardHost otherHost;
    frmProjet other(&otherHost);
    card.bringToFront(other.Logo(1));
    QVERIFY(card.stackingOrder() == expected);
}

QTEST_MAIN(tst_CardItems)
#include "tst_carditems.moc"
