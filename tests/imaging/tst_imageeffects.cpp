// The "Palette 2D" effects on a picture: what each changes, and that a
// picture rendered for a printer gets the same look as the screen's.
#include "imaging/ImageEffects.h"

#include <QTest>

#include <cmath>

namespace {

QImage filled(int w, int h, QRgb color)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

QImage applied(QImage image, ImageEffect effect, double tpp = 15)
{
    ImageEffects::apply(image, effect, tpp);
    return image;
}

// Black on the left half, white on the right.
QImage halves(int w, int h)
{
    QImage image = filled(w, h, qRgb(0, 0, 0));
    for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w; ++x)
            image.setPixel(x, y, qRgb(255, 255, 255));
    return image;
}

} // namespace

class tst_ImageEffects : public QObject {
    Q_OBJECT
private slots:
    void colourEffectsOnEveryPixel();
    void softeningReachesOneScreenPixel();
    void reliefLightsEdgesOnly();
    void unknownOrEmptyChangesNothing();
};

void tst_ImageEffects::colourEffectsOnEveryPixel()
{
    const QImage start = filled(400, 300, qRgb(100, 250, 5));
    // Brighter by 10, twice, clamped at 255; darker by 10.
    QImage image = applied(applied(start, {ImageEffect::Brightness, 10}), {ImageEffect::Brightness, 10});
    QCOMPARE(image.pixel(0, 0), qRgb(120, 255, 25));
    QCOMPARE(image.pixel(399, 299), qRgb(120, 255, 25)); // the whole picture, not a corner
    QCOMPARE(applied(start, {ImageEffect::Brightness, -10}).pixel(200, 150), qRgb(90, 240, 0));
    QCOMPARE(applied(start, {ImageEffect::Inversion, 255}).pixel(5, 5), qRgb(155, 5, 250));
    // Grey levels weigh green most.
    QCOMPARE(applied(start, {ImageEffect::Greyscale, 0}).pixel(7, 7), qRgb(177, 177, 177));
    // Gamma 10 / 30 lightens the middle tones and keeps black and white.
    const QImage gamma = applied(filled(2, 1, qRgb(0, 128, 255)), {ImageEffect::Gamma, 10});
    QCOMPARE(gamma.pixel(0, 0), qRgb(0, 203, 255));
    QCOMPARE(qAlpha(gamma.pixel(1, 0)), 255);
}

void tst_ImageEffects::softeningReachesOneScreenPixel()
{
    // A single white dot on black: on screen it spreads over the 3 x 3
    // around it, evenly, and no further.
    QImage dot = filled(9, 9, qRgb(0, 0, 0));
    dot.setPixel(4, 4, qRgb(255, 255, 255));
    const QImage soft = applied(dot, {ImageEffect::Blur, 0});
    QCOMPARE(qRed(soft.pixel(4, 4)), 28);
    QCOMPARE(qRed(soft.pixel(3, 5)), 28);
    QCOMPARE(qRed(soft.pixel(2, 4)), 0);
    // The same edge softened at 15 and at 2.4 twips per pixel has the same
    // profile across the same distance on the card.
    const QImage screen = applied(halves(40, 4), {ImageEffect::Blur, 0}, 15);
    const QImage printer = applied(halves(250, 4), {ImageEffect::Blur, 0}, 2.4);
    for (int x = 18; x <= 21; ++x) {
        // Screen pixel x spans printer pixels 6.25 x .. 6.25 (x + 1).
        double sum = 0;
        int n = 0;
        for (int px = int(std::ceil(6.25 * x)); px < int(6.25 * (x + 1)); ++px, ++n)
            sum += qRed(printer.pixel(px + 0, 1));
        QVERIFY2(std::abs(sum / n - qRed(screen.pixel(x, 1))) < 30,
                 qPrintable(QStringLiteral("x %1: %2 against %3").arg(x).arg(sum / n).arg(qRed(screen.pixel(x, 1)))));
    }
}

void tst_ImageEffects::reliefLightsEdgesOnly()
{
    // A flat picture becomes the middle grey; an edge turns light one way
    // and dark the other, and engraving reverses the light.
    QCOMPARE(applied(filled(20, 20, qRgb(30, 90, 200)), {ImageEffect::Emboss, 255}).pixel(10, 10), qRgb(128, 128, 128));
    const QImage emboss = applied(halves(20, 20), {ImageEffect::Emboss, 255});
    const QImage engrave = applied(halves(20, 20), {ImageEffect::Engrave, 255});
    QCOMPARE(emboss.pixel(3, 10), qRgb(128, 128, 128));
    QCOMPARE(qRed(emboss.pixel(10, 10)), 0);
    QCOMPARE(qRed(engrave.pixel(10, 10)), 255);
    QCOMPARE(engrave.pixel(16, 10), qRgb(128, 128, 128));
}

void tst_ImageEffects::unknownOrEmptyChangesNothing()
{
    const QImage start = filled(5, 5, qRgb(1, 2, 3));
    QCOMPARE(applied(start, {0, 10}), start);
    QCOMPARE(applied(start, {8, 10}), start);
    QCOMPARE(applied(start, {ImageEffect::Brightness, 10}, 0), start);
    QImage empty;
    ImageEffects::apply(empty, {ImageEffect::Blur, 0}, 15);
    QVERIFY(empty.isNull());
}

QTEST_MAIN(tst_ImageEffects)
#include "tst_imageeffects.moc"
