// The "Palette 2D" effects: what each changes, the same look at any resolution.
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
    void effects();
};

void tst_ImageEffects::effects()
{
    const QImage start = filled(400, 300, qRgb(100, 250, 5));
    const QImage twice = applied(applied(start, {ImageEffect::Brightness, 10}), {ImageEffect::Brightness, 10});
    QVERIFY(twice.pixel(0, 0) == qRgb(120, 255, 25) && twice.pixel(399, 299) == qRgb(120, 255, 25));
    QCOMPARE(applied(start, {ImageEffect::Inversion, 255}).pixel(5, 5), qRgb(155, 5, 250));
    QCOMPARE(applied(start, {ImageEffect::Greyscale, 0}).pixel(7, 7), qRgb(177, 177, 177));
    QCOMPARE(applied(filled(2, 1, qRgb(0, 128, 255)), {ImageEffect::Gamma, 10}).pixel(0, 0), qRgb(0, 203, 255));

    QImage dot = filled(9, 9, qRgb(0, 0, 0));
    dot.setPixel(4, 4, qRgb(255, 255, 255));
    const QImage soft = applied(dot, {ImageEffect::Blur, 0});
    QVERIFY(qRed(soft.pixel(4, 4)) == 28 && qRed(soft.pixel(3, 5)) == 28 && qRed(soft.pixel(2, 4)) == 0);
    const QImage screen = applied(halves(40, 4), {ImageEffect::Blur, 0}, 15);
    const QImage printer = applied(halves(250, 4), {ImageEffect::Blur, 0}, 2.4);
    for (int x = 18; x <= 21; ++x) {
        double sum = 0, n = 0;
        for (int px = int(std::ceil(6.25 * x)); px < int(6.25 * (x + 1)); ++px, ++n)
            sum += qRed(printer.pixel(px, 1));
        QVERIFY(std::abs(sum / n - qRed(screen.pixel(x, 1))) < 30);
    }

    QCOMPARE(applied(filled(20, 20, qRgb(30, 90, 200)), {ImageEffect::Emboss, 255}).pixel(10, 10), qRgb(128, 128, 128));
    const QImage emboss = applied(halves(20, 20), {ImageEffect::Emboss, 255});
    QVERIFY(emboss.pixel(3, 10) == qRgb(128, 128, 128) && qRed(emboss.pixel(10, 10)) == 0);
    QCOMPARE(qRed(applied(halves(20, 20), {ImageEffect::Engrave, 255}).pixel(10, 10)), 255);

    const QImage small = filled(5, 5, qRgb(1, 2, 3));
    QVERIFY(applied(small, {0, 10}) == small && applied(small, {8, 10}) == small);
    QCOMPARE(applied(small, {ImageEffect::Brightness, 10}, 0), small);
    QVERIFY(applied(QImage(), {ImageEffect::Blur, 0}).isNull());
}

QTEST_MAIN(tst_ImageEffects)
#include "tst_imageeffects.moc"
