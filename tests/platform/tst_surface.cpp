#include "platform/Surface.h"

#include "TestSupport.h"

#include <QtTest>

using TestSupport::pixel;

namespace {
constexpr OleColor Red = 0x0000FF;
constexpr OleColor Green = 0x00FF00;
constexpr OleColor Blue = 0xFF0000;

// Number of pixels of `color` in a row or column span.
int countRow(const QImage &img, int y, OleColor color)
{
    int n = 0;
    for (int x = 0; x < img.width(); ++x)
        n += pixel(img, x, y) == color;
    return n;
}

int countAll(const QImage &img, OleColor color)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        n += countRow(img, y, color);
    return n;
}
} // namespace

class TestSurface : public QObject {
    Q_OBJECT

private slots:
    void pixelSizes();
    void fullWidthLines_data();
    void fullWidthLines();
    void lineEndsAreInclusive();
    void boxOutlineAndFill();
    void filledCircle();
    void stretchedPicture();
    void fillRectsTile();
    void clsAndBackground();
    void resizeKeepsDrawing();
    void zeroSizeIsSafe();
    void outOfRangeCoordinates();
    void changeNotifications();
    void textFollowsResolution();
    void pointAndPset();
};

void TestSurface::pixelSizes()
{
    Surface card(4770, 3060);
    QCOMPARE(card.pixelWidth(), 318);
    QCOMPARE(card.pixelHeight(), 204);
    QCOMPARE(card.scaleWidth(), 4770.0);
    QCOMPARE(card.image().format(), QImage::Format_ARGB32_Premultiplied);
    // A new surface is its background colour, opaque.
    QCOMPARE(pixel(card.image(), 0, 0), Colors::White);
    QCOMPARE(qAlpha(card.image().pixel(317, 203)), 255);

    Surface print(4770, 3060, 2.4);
    QCOMPARE(print.pixelWidth(), 1988); // 1987.5 rounded
    QCOMPARE(print.pixelHeight(), 1275);
    // Fonts map to 600 dots per inch there.
    QCOMPARE(print.image().logicalDpiX(), 600);
    QCOMPARE(card.image().logicalDpiY(), 96);
}

void TestSurface::fullWidthLines_data()
{
    QTest::addColumn<double>("tpp");
    QTest::newRow("screen") << 15.0;
    QTest::newRow("printer") << 2.4;
}

void TestSurface::fullWidthLines()
{
    // A gradient is drawn as lines from edge to edge: every column and every
    // row must be covered, whatever the resolution.
    QFETCH(double, tpp);
    Surface s(4770, 3060, tpp);
    const QImage &img = s.image();
    for (double y = 0; y < s.height(); y += tpp)
        s.line(0, y, s.width(), y, Red);
    QCOMPARE(countAll(img, Red), img.width() * img.height());

    s.cls();
    s.line(1200, 0, 1200, s.height(), Blue);
    const int column = int(1200 / tpp + 1e-9);
    for (int y = 0; y < img.height(); ++y)
        QCOMPARE(pixel(img, column, y), Blue);
    QCOMPARE(countAll(img, Blue), img.height());
}

void TestSurface::lineEndsAreInclusive()
{
    Surface s(300, 300); // 20 x 20 pixels
    const QImage &img = s.image();
    s.line(3 * 15, 4 * 15, 10 * 15, 9 * 15, Red);
    QCOMPARE(pixel(img, 3, 4), Red);
    QCOMPARE(pixel(img, 10, 9), Red);
    QCOMPARE(pixel(img, 11, 10), Colors::White);
    QCOMPARE(pixel(img, 2, 4), Colors::White);
    QCOMPARE(countAll(img, Red), 8); // one pixel per column, no antialiasing
    QCOMPARE(countAll(img, Colors::White), 400 - 8);

    // Reversed ends and a positions inside a pixel.
    s.cls();
    s.line(10 * 15 + 14, 2 * 15, 3 * 15 + 1, 2 * 15 + 7, Green);
    QCOMPARE(countRow(img, 2, Green), 8);
    QCOMPARE(pixel(img, 3, 2), Green);
    QCOMPARE(pixel(img, 10, 2), Green);

    // One point.
    s.cls();
    s.line(75, 75, 75, 75, Blue);
    QCOMPARE(countAll(img, Blue), 1);
    QCOMPARE(pixel(img, 5, 5), Blue);
}

void TestSurface::boxOutlineAndFill()
{
    Surface s(300, 300);
    const QImage &img = s.image();
    s.box(2 * 15, 3 * 15, 10 * 15, 8 * 15, Red);
    for (int x = 2; x <= 10; ++x) {
        QCOMPARE(pixel(img, x, 3), Red);
        QCOMPARE(pixel(img, x, 8), Red);
    }
    for (int y = 3; y <= 8; ++y) {
        QCOMPARE(pixel(img, 2, y), Red);
        QCOMPARE(pixel(img, 10, y), Red);
    }
    QCOMPARE(countAll(img, Red), 2 * 9 + 2 * 4);
    QCOMPARE(pixel(img, 5, 5), Colors::White);

    s.setFillStyle(PaintTarget::Solid);
    s.setFillColor(Green);
    s.box(10 * 15, 8 * 15, 2 * 15, 3 * 15, Blue); // corners given in reverse
    QCOMPARE(countAll(img, Blue), 26);
    QCOMPARE(countAll(img, Green), 7 * 4);
    QCOMPARE(pixel(img, 3, 4), Green);
    QCOMPARE(pixel(img, 11, 5), Colors::White);
}

void TestSurface::filledCircle()
{
    Surface s(600, 600); // 40 x 40 pixels
    const QImage &img = s.image();
    s.setFillStyle(PaintTarget::Solid);
    s.setFillColor(Green);
    s.circle(20 * 15, 20 * 15, 10 * 15, Red);
    QCOMPARE(pixel(img, 20, 20), Green);
    QCOMPARE(pixel(img, 14, 20), Green);
    QCOMPARE(pixel(img, 20, 10), Red);
    QCOMPARE(pixel(img, 20, 30), Red);
    QCOMPARE(pixel(img, 10, 20), Red);
    QCOMPARE(pixel(img, 2, 2), Colors::White);
    QCOMPARE(pixel(img, 20, 32), Colors::White);
    // No antialiasing: only the three colours.
    QCOMPARE(countAll(img, Green) + countAll(img, Red) + countAll(img, Colors::White), 1600);

    // Transparent fill: the inside stays as it was.
    s.cls();
    s.setFillStyle(PaintTarget::Transparent);
    s.circle(20 * 15, 20 * 15, 10 * 15, Red);
    QCOMPARE(pixel(img, 20, 20), Colors::White);
    QCOMPARE(pixel(img, 30, 20), Red);
    QCOMPARE(countAll(img, Green), 0);

    s.cls();
    s.circle(20 * 15, 20 * 15, -1, Red);
    QCOMPARE(countAll(img, Red), 0);

    // A circle larger than the picture: filled everywhere, no outline.
    s.setFillStyle(PaintTarget::Solid);
    s.circle(20 * 15, 20 * 15, 1e9, Red);
    QCOMPARE(countAll(img, Green), 1600);
    // A circle that does not reach the picture.
    s.cls();
    s.circle(-1000, -1000, 300, Red);
    QCOMPARE(countAll(img, Colors::White), 1600);
}

void TestSurface::stretchedPicture()
{
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(0, 1, qRgb(0, 0, 255));
    picture.setPixel(1, 1, qRgb(0, 0, 0));

    for (double tpp : {15.0, 2.4}) {
        Surface s(600, 600, tpp);
        const QImage &img = s.image();
        // Over the rectangle from 150 to 450 twips in both directions.
        s.paintPicture(picture, 150, 150, 300, 300);
        const int a = int(150 / tpp + 0.5);
        const int b = int(450 / tpp + 0.5) - 1;
        QCOMPARE(pixel(img, a, a), Red);
        QCOMPARE(pixel(img, b, a), Green);
        QCOMPARE(pixel(img, a, b), Blue);
        QCOMPARE(pixel(img, b, b), Colors::Black);
        QCOMPARE(pixel(img, a - 1, a), Colors::White);
        QCOMPARE(pixel(img, b + 1, b), Colors::White);
        QCOMPARE(pixel(img, a, b + 1), Colors::White);
        QCOMPARE(countAll(img, Colors::White), img.width() * img.height() - (b - a + 1) * (b - a + 1));
    }

    // Over the whole drawable area, as a background picture.
    Surface card(4770, 3060);
    card.paintPicture(picture, 0, 0, card.scaleWidth(), card.scaleHeight());
    QCOMPARE(pixel(card.image(), 0, 0), Red);
    QCOMPARE(pixel(card.image(), 317, 203), Colors::Black);
    QCOMPARE(countAll(card.image(), Colors::White), 0);

    // A negative width mirrors.
    Surface m(300, 300);
    m.paintPicture(picture, 300, 0, -300, 300);
    QCOMPARE(pixel(m.image(), 0, 0), Green);
    QCOMPARE(pixel(m.image(), 19, 0), Red);

    // A null picture draws nothing.
    m.cls();
    m.paintPicture(QImage(), 0, 0, 300, 300);
    QCOMPARE(countAll(m.image(), Colors::White), 400);
}

void TestSurface::fillRectsTile()
{
    // Adjacent rectangles at fractional pixel edges leave no gap or overlap.
    Surface s(1000, 100, 2.4);
    const QImage &img = s.image();
    s.fillRect(0, 0, 333.3, 100, Red);
    s.fillRect(333.3, 0, 333.4, 100, Green);
    s.fillRect(666.7, 0, 333.3, 100, Blue);
    QCOMPARE(countRow(img, 10, Colors::White), 0);
    QCOMPARE(countRow(img, 10, Red) + countRow(img, 10, Green) + countRow(img, 10, Blue), img.width());
}

void TestSurface::clsAndBackground()
{
    Surface s(300, 300);
    s.line(0, 0, 300, 300, Red);
    s.currentX = 100;
    s.currentY = 200;
    s.setBackColor(Blue);
    s.cls();
    QCOMPARE(countAll(s.image(), Blue), 400);
    QCOMPARE(s.currentX, 0.0);
    QCOMPARE(s.currentY, 0.0);

    // System colours are resolved through the application palette.
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    QGuiApplication::setPalette(palette);
    s.setBackColor(Colors::system(Colors::ButtonFace));
    s.cls();
    QCOMPARE(pixel(s.image(), 7, 7), Colors::rgb(10, 20, 30));
}

void TestSurface::resizeKeepsDrawing()
{
    Surface s(300, 300);
    s.line(0, 15, 300, 15, Red);
    s.setBackColor(Blue);
    s.resize(600, 450);
    QCOMPARE(s.pixelWidth(), 40);
    QCOMPARE(s.pixelHeight(), 30);
    QCOMPARE(countRow(s.image(), 1, Red), 20);
    QCOMPARE(pixel(s.image(), 30, 1), Blue);
    QCOMPARE(pixel(s.image(), 5, 5), Colors::White);

    s.resize(150, 150);
    QCOMPARE(countRow(s.image(), 1, Red), 10);
}

void TestSurface::zeroSizeIsSafe()
{
    for (Surface *s : {new Surface(0, 0), new Surface(4, 4), new Surface(-100, 300), new Surface(300, 0)}) {
        std::unique_ptr<Surface> owner(s);
        QVERIFY(s->image().isNull());
        QCOMPARE(s->pixelWidth(), 0);
        s->cls();
        s->line(0, 0, 300, 300, Red);
        s->box(0, 0, 300, 300, Red);
        s->setFillStyle(PaintTarget::Solid);
        s->circle(100, 100, 50, Red);
        s->fillRect(0, 0, 100, 100, Red);
        s->paintPicture(QImage(4, 4, QImage::Format_RGB32), 0, 0, 100, 100);
        s->print(QStringLiteral("texte"));
        s->pset(0, 0, Red);
        s->setImage(QImage(4, 4, QImage::Format_RGB32));
        QCOMPARE(s->point(0, 0), -1);
        QVERIFY(s->image().isNull());
    }
    Surface bad(300, 300, 0.0); // an unusable resolution falls back to the screen's
    QCOMPARE(bad.twipsPerPixel(), 15.0);
    QCOMPARE(bad.pixelWidth(), 20);
}

void TestSurface::outOfRangeCoordinates()
{
    Surface s(300, 300);
    s.line(-1e12, 30, 1e12, 30, Red);
    QCOMPARE(countRow(s.image(), 2, Red), 20);
    s.line(-5000, -5000, 5000, 5000, Green);
    QCOMPARE(pixel(s.image(), 10, 10), Green);
    s.line(std::nan(""), 0, 10, 10, Blue);
    s.box(-1e300, -1e300, 1e300, 1e300, Blue);
    s.circle(1e300, 1e300, 10, Red);
    s.circle(150, 150, 1e300, Red);
    s.fillRect(500, 500, 100, 100, Red);
    s.paintPicture(QImage(4, 4, QImage::Format_RGB32), -1e300, 0, 1e300, 1e300);
    QCOMPARE(pixel(s.image(), 0, 0), Blue); // the NaN end counts as 0
    QCOMPARE(countAll(s.image(), Red), 19); // row 2 less the diagonal's pixel
}

void TestSurface::changeNotifications()
{
    Surface s(300, 300);
    int changes = 0;
    s.onChanged = [&changes] { ++changes; };
    s.line(0, 0, 100, 100, Red);
    QCOMPARE(changes, 1);
    s.cls();
    QCOMPARE(changes, 2);

    s.setRedraw(false);
    s.line(0, 0, 100, 100, Red);
    s.circle(50, 50, 30, Red);
    s.refresh();
    QCOMPARE(changes, 2);
    s.setRedraw(true);
    QCOMPARE(changes, 3);
    s.refresh();
    QCOMPARE(changes, 4);
}

void TestSurface::textFollowsResolution()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(12);
    double advance[2] = {0, 0};
    int index = 0;
    for (double tpp : {15.0, 2.4}) {
        Surface s(2880, 1440, tpp);
        s.font = font;
        s.foreColor = Colors::Black;
        s.currentX = 150;
        s.currentY = 300;
        s.print(QStringLiteral("Atelier"));
        // The position moves one text height down and back to the left.
        QCOMPARE(s.currentX, 0.0);
        advance[index] = s.currentY - 300;
        QVERIFY(qAbs(advance[index] - s.textHeight(QStringLiteral("Atelier"))) < 0.01);
        // 12 points are a sixth of an inch, 240 twips; a line is a bit more.
        QVERIFY2(advance[index] > 240 && advance[index] < 360, qPrintable(QString::number(advance[index])));
        // Ink only right of and below the drawing position.
        const QImage &img = s.image();
        int ink = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                if (pixel(img, x, y) != Colors::White) {
                    ++ink;
                    QVERIFY(x >= int(150 / tpp) && y >= int(300 / tpp));
                    QVERIFY(y <= int((300 + advance[index]) / tpp));
                }
            }
        }
        QVERIFY(ink > 0);
        QVERIFY(s.textWidth(QStringLiteral("Atelier")) > s.textWidth(QStringLiteral("A")));
        ++index;
    }
    // The same text takes the same room in twips at both resolutions.
    QVERIFY(qAbs(advance[0] - advance[1]) < 30);

    // Two lines advance twice.
    Surface s(2880, 1440);
    s.font = font;
    s.print(QStringLiteral("un\r\ndeux"));
    QVERIFY(qAbs(s.currentY - 2 * advance[0]) < 16);
}

void TestSurface::pointAndPset()
{
    Surface s(300, 300);
    s.pset(45, 60, Red);
    QCOMPARE(pixel(s.image(), 3, 4), Red);
    QCOMPARE(s.point(45 + 14, 60 + 14), Red);
    QCOMPARE(s.point(0, 0), Colors::White);
    QCOMPARE(s.point(-1, 0), -1);
    QCOMPARE(s.point(300, 0), -1);

    QImage replacement(10, 10, QImage::Format_RGB32);
    replacement.fill(qRgb(0, 0, 255));
    s.setImage(replacement);
    QCOMPARE(s.image().size(), QSize(20, 20));
    QCOMPARE(countAll(s.image(), Blue), 400);
}

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
