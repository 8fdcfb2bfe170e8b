#include "platform/Surface.h"

#include "TestSupport.h"

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
    void fullWidthLines_data();
    void fullWidthLines();
    void linesAndBoxesIncludeTheirEnds();
    void filledCircle();
    void stretchedPicture();
    void clsAndRedraw();
    void badSizesAndCoordinatesAreSafe();
};

void TestSurface::fullWidthLines_data()
{
    QTest::addColumn<double>("tpp");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("screen") << 15.0 << QSize(318, 204);
    QTest::newRow("printer") << 2.4 << QSize(1988, 1275); // 1987.5 rounded
}

void TestSurface::fullWidthLines()
{
    // A gradient is drawn as lines from edge to edge: every pixel must be
    // covered, whatever the resolution.
    QFETCH(double, tpp);
    QFETCH(QSize, pixels);
    Surface s(4770, 3060, tpp);
    const QImage &img = s.image();
    QCOMPARE(img.size(), pixels);
    for (double y = 0; y < s.height(); y += tpp)
        s.line(0, y, s.width(), y, Red);
    QCOMPARE(count(img, Red), img.width() * img.height());
}

void TestSurface::linesAndBoxesIncludeTheirEnds()
{
    Surface s(300, 300); // 20 x 20 pixels
    const QImage &img = s.image();
    s.line(3 * 15, 4 * 15, 10 * 15, 9 * 15, Red);
    QCOMPARE(pixel(img, 3, 4), Red);
    QCOMPARE(pixel(img, 10, 9), Red);
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
    QCOMPARE(count(img, Red), 2 * 9 + 2 * 4);
    QCOMPARE(pixel(img, 2, 3), Red);
    QCOMPARE(count(img, Green), 7 * 4);
}

void TestSurface::filledCircle()
{
    Surface s(600, 600); // 40 x 40 pixels
    const QImage &img = s.image();
    s.setFillStyle(PaintTarget::Solid);
    s.setFillColor(Green);
    s.circle(20 * 15, 20 * 15, 10 * 15, Red);
    QCOMPARE(pixel(img, 20, 20), Green);
    QCOMPARE(pixel(img, 30, 20), Red);
    // No antialiasing: only the three colours.
    QCOMPARE(count(img, Green) + count(img, Red) + count(img, White), 1600);

    s.cls();
    s.setFillStyle(PaintTarget::Transparent);
    s.circle(20 * 15, 20 * 15, 10 * 15, Red);
    QCOMPARE(pixel(img, 20, 20), White);
    // Larger than the picture: filled everywhere, no outline.
    s.setFillStyle(PaintTarget::Solid);
    s.circle(20 * 15, 20 * 15, 1e9, Red);
    QCOMPARE(count(img, Green), 1600);
}

void TestSurface::stretchedPicture()
{
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
    const QImage picture(reinterpret_cast<const uchar *>(colours), 2, 2, QImage::Format_RGB32);
    for (double tpp : {15.0, 2.4}) {
        Surface s(600, 600, tpp);
        const QImage &img = s.image();
        s.paintPicture(picture, 150, 150, 300, 300);
        const int a = int(150 / tpp + 0.5);
        const int b = int(450 / tpp + 0.5) - 1;
        QCOMPARE(pixel(img, a, a), Red);
        QCOMPARE(pixel(img, b, a), Green);
        QCOMPARE(pixel(img, a, b), Blue);
        QCOMPARE(pixel(img, b, b), Colors::Black);
        QCOMPARE(count(img, White), img.width() * img.height() - (b - a + 1) * (b - a + 1));
    }
}

void TestSurface::clsAndRedraw()
{
    Surface s(300, 300);
    int changes = 0;
    s.onChanged = [&changes] { ++changes; };
    s.line(0, 0, 300, 300, Red);
    s.currentX = 100;
    // A system colour is resolved through the application palette.
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    QGuiApplication::setPalette(palette);
    s.setBackColor(Colors::system(Colors::ButtonFace));
    s.cls();
    QCOMPARE(count(s.image(), Colors::rgb(10, 20, 30)), 400);
    QCOMPARE(s.currentX, 0.0);
    QCOMPARE(changes, 2);
    // While redraw is off nothing is announced; turning it on announces once.
    s.setRedraw(false);
    s.circle(50, 50, 30, Red);
    s.refresh();
    QCOMPARE(changes, 2);
    s.setRedraw(true);
    QCOMPARE(changes, 3);
}

void TestSurface::badSizesAndCoordinatesAreSafe()
{
    const QImage junk(4, 4, QImage::Format_RGB32);
    for (const QSizeF size : {QSizeF(0, 0), QSizeF(4, 4), QSizeF(-100, 300)}) {
        Surface s(size.width(), size.height());
        s.cls();
        s.line(0, 0, 300, 300, Red);
        s.box(0, 0, 300, 300, Red);
        s.setFillStyle(PaintTarget::Solid);
        s.circle(100, 100, 50, Red);
        s.paintPicture(junk, 0, 0, 100, 100);
        s.setImage(junk);
        QCOMPARE(s.point(0, 0), -1);
        QVERIFY(s.image().isNull());
    }
    QCOMPARE(Surface(300, 300, 0.0).pixelWidth(), 20); // an unusable resolution falls back to 15

    // Far-out and NaN coordinates are clipped.
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
