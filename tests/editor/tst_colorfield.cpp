// The colour field: known pixels of its hue and lightness layout, and, on a screen of two device pixels
// per pixel (this program scales its screen by 2), a picture drawn in device
// pixels whose pixel under the pointer is the colour picked.
#include "TestSupport.h"
#include "editor/ColorField.h"
#include "editor/ColorFieldView.h"

#include <QApplication>
#include <QTest>

using TestSupport::pixel;

class tst_ColorField : public QObject {
    Q_OBJECT
private slots:
    void knownPixels();
    void sharpOnDenseScreens();
};

void tst_ColorField::knownPixels()
{
    // The dialog's field: 257 x 97 pixels, so the middle column is the pure
    // hue and every sixteenth row a primary or secondary colour.
    const QSize size(257, 97);
    const struct {
        int row;
        OleColor hue;
    } rows[] = {{0, Colors::rgb(255, 0, 0)},   {16, Colors::rgb(255, 255, 0)}, {32, Colors::rgb(0, 255, 0)},
                {48, Colors::rgb(0, 255, 255)}, {64, Colors::rgb(0, 0, 255)},   {80, Colors::rgb(255, 0, 255)},
                {96, Colors::rgb(255, 0, 0)}};
    for (const auto &r : rows) {
        QCOMPARE(ColorField::colorAt(size, 128, r.row), r.hue);
        QCOMPARE(ColorField::colorAt(size, 0, r.row), Colors::Black);
        QCOMPARE(ColorField::colorAt(size, 256, r.row), Colors::White);
    }
    // Halfway to black and halfway to white on the red row; between red and
    // yellow half the green.
    QCOMPARE(ColorField::colorAt(size, 64, 0), Colors::rgb(128, 0, 0));
    QCOMPARE(ColorField::colorAt(size, 192, 0), Colors::rgb(255, 128, 128));
    QCOMPARE(ColorField::colorAt(size, 128, 8), Colors::rgb(255, 128, 0));
    QCOMPARE(ColorField::colorAt(size, -1, 0), Colors::Black);
    QCOMPARE(ColorField::colorAt(QSize(1, 1), 0, 0), Colors::rgb(255, 0, 0));

    const QImage picture = ColorField::picture(size);
    QCOMPARE(picture.size(), size);
    for (int y = 0; y < size.height(); y += 3) {
        for (int x = 0; x < size.width(); x += 5)
            QCOMPARE(pixel(picture, x, y), ColorField::colorAt(size, x, y));
    }
}

void tst_ColorField::sharpOnDenseScreens()
{
    ColorFieldView view;
    view.resize(view.sizeHint());
    QCOMPARE(view.size(), QSize(257, 97));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.devicePixelRatioF(), 2.0);
    const QImage &shown = view.picture();
    QCOMPARE(shown.size(), QSize(514, 194));
    QCOMPARE(shown.devicePixelRatio(), 2.0);

    QCOMPARE(ColorFieldView::devicePixel(QPointF(10.4, 3.6), 2.0), QPoint(20, 7));
    // Under the pointer: the device pixel it covers.
    for (const QPointF at : {QPointF(0, 0), QPointF(128.6, 48.2), QPointF(256.9, 96.9), QPointF(40.25, 70.5)}) {
        const QPoint px = ColorFieldView::devicePixel(at, 2.0);
        QCOMPARE(view.colorUnder(at), std::optional<OleColor>(pixel(shown, px.x(), px.y())));
        QCOMPARE(view.colorUnder(at), std::optional<OleColor>(ColorField::colorAt(shown.size(), px.x(), px.y())));
    }
    QCOMPARE(view.colorUnder(QPointF(0.2, 0.2)), std::optional<OleColor>(Colors::Black));
    QCOMPARE(view.colorUnder(QPointF(257.0, 5)), std::nullopt);

    // What is painted on screen is the picture at full density.
    const QImage grabbed = view.grab().toImage();
    QCOMPARE(grabbed.size(), QSize(514, 194));
    QCOMPARE(pixel(grabbed, 257, 1), pixel(shown, 257, 1));
    QCOMPARE(pixel(grabbed, 301, 150), pixel(shown, 301, 150));
}

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_ColorField test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_colorfield.moc"
