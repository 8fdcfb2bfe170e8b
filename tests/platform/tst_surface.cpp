// The persistent drawing surface addressed in twips, at any resolution,
// safe with any size or coordinate.
#include "platform/Surface.h"

#include "TestSupport.h"

#include <QGuiApplication>
#include <QtTest>

using TestSupport::pixel;

namespace {
constexpr OleColor Red = 0x0000FF;
constexpr OleColor Green = 0x00FF00;
constexpr OleColor Blue = 0xFF0000;
constexpr OleColor White = Colors::White;

// Pixels of `color` in row `y`, or in the whole picture when y < 0.
int count(const QImage &img, OleColor color, int y = -1)
{
    int n = 0;
    for (int row = std::max(y, 0); row < (y < 0 ? img.height() : y + 1); ++row) {
        for (int x = 0; x < img.width(); ++x)
            n += pixel(img, x, row) == color;
    }
    return n;
}
} // namespace

class TestSurface : public QObject {
    Q_OBJECT

private slots:
    void linesBoxesAndCircles();
    void picturesAtAnyResolution();
    void badSizesAndCoordinatesAreSafe();
};

void TestSurface::linesBoxesAndCircles()
{
    Surface s(300, 300); // 20 x 20 pixels
    const QImage &img = s.image();
    s.line(3 * 15, 4 * 15, 10 * 15, 9 * 15, Red);
    QVERIFY(pixel(img, 3, 4) == Red && pixel(img, 10, 9) == Red);
    QCOMPARE(count(img, Red), 8); // one pixel per column, no antialiasing
    // Reversed ends at positions inside a pixel; a single point.
    s.line(10 * 15 + 14, 2 * 15, 3 * 15 + 1, 2 * 15 + 7, Green);
    QCOMPARE(count(img, Green, 2), 8);
    s.line(225, 225, 225, 225, Blue);
    QCOMPARE(count(img, Blue), 1);

    s.cls();
    s.setFillStyle(PaintTarget::Solid);
    s.setFillColor(Green);
    s.box(10 * 15, 8 * 15, 2 * 15, 3 * 15, Red); // corners given in reverse
    QVERIFY(count(img, Red) == 2 * 9 + 2 * 4 && pixel(img, 2, 3) == Red && count(img, Green) == 7 * 4);

    s.cls();
    s.circle(10 * 15, 10 * 15, 5 * 15, Red);
    QVERIFY(pixel(img, 10, 10) == Green && pixel(img, 15, 10) == Red);
    // No antialiasing: only the three colours.
    QCOMPARE(count(img, Green) + count(img, Red) + count(img, White), 400);
    // Transparent: the outline only; larger than the picture: no outline.
    s.cls();
    s.setFillStyle(PaintTarget::Transparent);
    s.circle(10 * 15, 10 * 15, 5 * 15, Red);
    QCOMPARE(pixel(img, 10, 10), White);
    s.setFillStyle(PaintTarget::Solid);
    s.circle(10 * 15, 10 * 15, 1e9, Red);
    QCOMPARE(count(img, Green), 400);

    // cls fills with the back colour and puts the position back; changes
    // are announced, except while redraw is off (turning it on announces).
    int changes = 0;
    s.onChanged = [&changes] { ++changes; };
    s.currentX = 100;
    s.setBackColor(Blue);
    s.cls();
    QVERIFY(count(img, Blue) == 400 && s.currentX == 0.0 && changes == 1);
    s.setRedraw(false);
    s.circle(50, 50, 30, Red);
    s.refresh();
    QCOMPARE(changes, 1);
    s.setRedraw(true);
    QCOMPARE(changes, 2);
}

void TestSurface::picturesAtAnyResolution()
{
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
    const QImage picture(reinterpret_cast<const uchar *>(colours), 2, 2, QImage::Format_RGB32);
    // 2.4 twips per pixel: 1987.5 pixels rounded.
    for (const auto &[tpp, width] : {std::pair(15.0, 318), std::pair(2.4, 1988)}) {
        Surface s(4770, 3060, tpp);
        const QImage &img = s.image();
        QCOMPARE(img.width(), width);
        // Lines from edge to edge (a gradient) cover every pixel.
        for (double y = 0; y < s.height(); y += tpp)
            s.line(0, y, s.width(), y, Red);
        QCOMPARE(count(img, Red), img.width() * img.height());
        s.cls();
        s.paintPicture(picture, 150, 150, 300, 300);
        const int a = int(150 / tpp + 0.5);
        const int b = int(450 / tpp + 0.5) - 1;
        QVERIFY(pixel(img, a, a) == Red && pixel(img, b, a) == Green);
        QVERIFY(pixel(img, a, b) == Blue && pixel(img, b, b) == Colors::Black);
        QCOMPARE(count(img, White), img.width() * img.height() - (b - a + 1) * (b - a + 1));
    }
}

void TestSurface::badSizesAndCoordinatesAreSafe()
{
    // Empty sizes draw nothing; far-out and NaN coordinates are clipped.
    const QImage junk(4, 4, QImage::Format_RGB32);
    for (const QSizeF size : {QSizeF(0, 0), QSizeF(4, 4), QSizeF(-100, 300), QSizeF(300, 300)}) {
        Surface s(size.width(), size.height());
        s.cls();
        s.line(-1e12, 30, 1e12, 30, Red);
        s.line(-1e12, -1e12, 1e12, 1e12, Green);
        s.line(std::nan(""), 0, 10, 10, Blue);
        s.setFillStyle(PaintTarget::Solid);
        s.box(-1e300, -1e300, 1e300, 1e300, Blue);
        s.circle(150, 150, 1e300, Red);
        s.paintPicture(junk, -1e300, 0, 1e300, 1e300);
        if (size.width() < 300) {
            s.setImage(junk);
            QVERIFY(s.point(0, 0) == -1 && s.image().isNull());
        }
    }
    QCOMPARE(Surface(300, 300, 0.0).pixelWidth(), 20); // an unusable resolution falls back to 15
    Surface s(300, 300);
    s.line(-1e12, 30, 1e12, 30, Red);
    s.line(-1e12, -1e12, 1e12, 1e12, Green);
    s.line(std::nan(""), 0, 10, 10, Blue);
    s.box(-1e300, -1e300, 1e300, 1e300, Blue);
    s.circle(150, 150, 1e300, Red);
    s.paintPicture(junk, -1e300, 0, 1e300, 1e300);
    QCOMPARE(pixel(s.image(), 10, 10), Green);
    QCOMPARE(pixel(s.image(), 0, 0), Blue); // the NaN end counts as 0
    QCOMPARE(count(s.image(), Red), 19); // row 2 less the diagonal's pixel
}

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
