// The one drawing of a card: the flattened order of items, hidden items,
// label styles and the background painted from the card's own description,
// at the screen's 15 and a 600-dpi printer's 2.4 twips per pixel.
#include "TestSupport.h"
#include "document/CardRenderer.h"
#include "platform/PictureReader.h"

#include "Metafiles.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using TestSupport::pixel;

namespace {

const OleColor Red = Colors::rgb(255, 0, 0);
const OleColor Blue = Colors::rgb(0, 0, 255);

QImage solid(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Pixels of `image` inside `box` (pixels) that are exactly `color`.
int count(const QImage &image, const QRect &box, OleColor color)
{
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += pixel(image, x, y) == color;
    return n;
}

// Pixels of `image` that are reddish (anti-aliased text edges included).
QRect reddishBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const OleColor c = pixel(image, x, y);
            if (Colors::red(c) > 160 && Colors::green(c) < 110 && Colors::blue(c) < 110)
                bounds |= QRect(x, y, 1, 1);
        }
    return bounds;
}

// A card with label 1 "Atelier" in red over logo 1 (a blue square).
CardData card()
{
    CardData doc(solid(40, 40, Qt::blue));
    CardLabel &label = *doc.Label(1);
    label.setCaption(QStringLiteral("Atelier"));
    label.setFontName(QStringLiteral("DejaVu Sans"));
    label.setFontSize(18);
    label.ForeColor = Red;
    label.Left = 300;
    label.Top = 300;
    CardLogo &logo = *doc.Logo(1);
    logo.Left = 150;
    logo.Top = 150;
    return doc;
}

} // namespace

class tst_CardRenderer : public QObject {
    Q_OBJECT
private slots:
    void backgroundAloneAndHiddenItems();
    void labelsLieAboveLogosWhateverTheStacking();
    void labelStylesAsOnScreen();
    void sameCardAtPrinterResolution();
    void backgroundFromTheCardsOwnDescription();
    void metafileLogoSharpAtAnyResolution();
};

void tst_CardRenderer::backgroundAloneAndHiddenItems()
{
    for (double tpp : {15.0, 2.4}) {
        CardData doc = card();
        const QImage background = CardRenderer::background(doc, tpp);
        QCOMPARE(background.size(), QSize(int(std::round(doc.width() / tpp)), int(std::round(doc.height() / tpp))));
        // White, with the light grey line through the outer pixels.
        QCOMPARE(pixel(background, background.width() / 2, background.height() / 2), Colors::White);
        QCOMPARE(pixel(background, 0, 7), Colors::LightGrey);
        QCOMPARE(pixel(background, background.width() - 1, background.height() - 1), Colors::LightGrey);
        // Hidden items draw nothing: the card is its background alone.
        doc.Label(1)->Visible = false;
        doc.Logo(1)->Visible = false;
        QCOMPARE(CardRenderer::flatten(doc, tpp), background);
    }
}

void tst_CardRenderer::labelsLieAboveLogosWhateverTheStacking()
{
    CardData doc = card();
    // Logo 1 brought in front of the label, as the user can on screen; a
    // second logo (green) over the first.
    doc.bringToFront({CardItemRef::LogoItem, 1});
    CardLogo &second = *doc.createLogo(2);
    second.setPicture(solid(10, 10, Qt::green));
    second.Left = 150;
    second.Top = 150;
    second.Visible = true;
    doc.sendToBack({CardItemRef::LogoItem, 2});
    const QImage image = CardRenderer::flatten(doc, 15);
    // The logo's square covers (10..49, 10..49) pixels; the label starts at
    // (20, 20): its red glyphs lie on the blue, and logo 2 (higher index)
    // lies over logo 1 despite the stacking.
    const QRect label = reddishBounds(image);
    QVERIFY(label.isValid());
    QVERIFY(label.left() >= 19 && label.top() >= 20);
    QVERIFY(count(image, label & QRect(10, 10, 40, 40), Red) > 10);
    QCOMPARE(pixel(image, 12, 12), Colors::rgb(0, 255, 0));
    QCOMPARE(pixel(image, 45, 12), Blue);
}

void tst_CardRenderer::labelStylesAsOnScreen()
{
    CardData plain = card();
    plain.Logo(1)->Visible = false;
    const QImage regular = CardRenderer::flatten(plain, 15);
    CardData styled = plain;
    CardLabel &label = *styled.Label(1);
    label.setFontBold(true);
    label.setFontItalic(true);
    label.setFontUnderline(true);
    const QImage image = CardRenderer::flatten(styled, 15);
    const QRect box = reddishBounds(image);
    // Bold gives more ink; the underline is one unbroken run of red across
    // the text, below its glyphs.
    QVERIFY(count(image, box, Red) > count(regular, reddishBounds(regular), Red) * 5 / 4);
    int longestRun = 0;
    int runRow = -1;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        int run = 0;
        for (int x = box.left(); x <= box.right(); ++x) {
            run = Colors::red(pixel(image, x, y)) > 200 && Colors::green(pixel(image, x, y)) < 60 ? run + 1 : 0;
            if (run > longestRun) {
                longestRun = run;
                runRow = y;
            }
        }
    }
    QVERIFY2(longestRun > box.width() * 8 / 10, qPrintable(QString::number(longestRun)));
    QVERIFY(runRow > box.top() + box.height() / 2);
    // Strike-through draws a second run, through the middle of the glyphs.
    label.setFontUnderline(false);
    label.setFontStrikethru(true);
    const QImage struck = CardRenderer::flatten(styled, 15);
    QVERIFY(struck != image);
    // A system colour (the window text) resolves through the palette.
    label.setFontStrikethru(false);
    label.ForeColor = Colors::system(Colors::WindowText);
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    const QImage green = CardRenderer::flatten(styled, 15, palette);
    QVERIFY(count(green, QRect(QPoint(0, 0), green.size()), Colors::rgb(0, 128, 0)) > 20);
}

void tst_CardRenderer::sameCardAtPrinterResolution()
{
    const CardData doc = card();
    const QImage screen = CardRenderer::flatten(doc, 15);
    const QImage printer = CardRenderer::flatten(doc, 2.4);
    QCOMPARE(printer.size(), QSize(1985, 1276));
    // The logo and the label land at the same place on the card, 6.25
    // printer pixels to a screen pixel.
    QCOMPARE(pixel(printer, 70, 70), Blue);
    QCOMPARE(pixel(printer, 62, 62), Colors::White);
    const QRect a = reddishBounds(screen);
    const QRect b = reddishBounds(printer);
    const double scale = 15 / 2.4;
    QVERIFY2(std::abs(b.left() - a.left() * scale) < 2 * scale, qPrintable(QStringLiteral("%1 %2").arg(a.left()).arg(b.left())));
    QVERIFY(std::abs(b.top() - a.top() * scale) < 2 * scale);
    QVERIFY(std::abs(b.width() - a.width() * scale) < 3 * scale);
    QVERIFY(std::abs(b.height() - a.height() * scale) < 3 * scale);
}

void tst_CardRenderer::backgroundFromTheCardsOwnDescription()
{
    CardData doc = card();
    doc.NumFond = 1;
    doc.Color1 = Red;
    doc.Color2 = Red;
    doc.Color3 = Blue;
    doc.NumOption = 7; // stop 0 on the left
    for (double tpp : {15.0, 2.4}) {
        const QImage image = CardRenderer::background(doc, tpp);
        QCOMPARE(pixel(image, 2, image.height() / 2), Red);
        QVERIFY(Colors::blue(pixel(image, image.width() - 3, image.height() / 2)) > 240);
    }
    // A picture stretched over the card, read from the card's path; one
    // that cannot be read leaves white and says so.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fond.png"));
    QVERIFY(solid(4, 2, Qt::blue).save(path));
    doc.NumFond = 2;
    doc.BackgroundPicture = path;
    bool ok = false;
    QImage image = CardRenderer::background(doc, 2.4, &ok);
    QVERIFY(ok);
    QCOMPARE(pixel(image, 0, 0), Blue);
    QCOMPARE(pixel(image, image.width() - 1, image.height() - 1), Blue);
    doc.BackgroundPicture = dir.filePath(QStringLiteral("absent.png"));
    image = CardRenderer::background(doc, 15, &ok);
    QVERIFY(!ok);
    QCOMPARE(pixel(image, 100, 100), Colors::White);
    // Effects are replayed at the resolution drawn.
    doc.BackgroundPicture = path;
    doc.Effects = {{ImageEffect::Inversion, 255}};
    QCOMPARE(pixel(CardRenderer::background(doc, 2.4), 500, 500), Colors::rgb(255, 255, 0));
}

QTEST_MAIN(tst_CardRenderer)
void tst_CardRenderer::metafileLogoSharpAtAnyResolution()
{
    // Red over the left half of the picture, blue over the right half,
    // stretched twelve times at 600 dpi: drawn from its shapes, the edge
    // between them stays sharp; scaled pixels would blur it over several.
    Metafiles::useBuiltHelper();
    const QImage picture = PictureReader::decode(Metafiles::wmf(Qt::red, 2000, 1000, true, 1440, Qt::blue), QStringLiteral("logo.wmf"));
    CardData doc;
    CardLogo &logo = *doc.Logo(1);
    logo.setPicture(picture);
    logo.setStretch(true);
    logo.setSize(4800, 2400);
    logo.Left = 240;
    logo.Top = 240;
    const QImage printer = CardRenderer::flatten(doc, 2.4);
    const int edge = 1100; // 240 + 2400 twips at 2.4 a pixel
    QCOMPARE(pixel(printer, edge - 3, 500), Colors::rgb(255, 0, 0));
    QCOMPARE(pixel(printer, edge + 3, 500), Colors::rgb(0, 0, 255));
}

#include "tst_cardrenderer.moc"
