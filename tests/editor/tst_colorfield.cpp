// The colour field: its hue and lightness layout from known pixels, and, on
// a screen of two device pixels per pixel (this program scales its screen
// by 2), a picture drawn in device pixels whose pixel under the pointer is
// the colour picked.
#include "TestSupport.h"
#include "editor/ColorField.h"
#include "editor/ColorFieldView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
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
    const QImage f = ColorField::picture(QSize(257, 97));
    const OleColor hues[] = {Colors::rgb(255, 0, 0),   Colors::rgb(255, 255, 0), Colors::rgb(0, 255, 0),
                             Colors::rgb(0, 255, 255), Colors::rgb(0, 0, 255),   Colors::rgb(255, 0, 255),
                             Colors::rgb(255, 0, 0)};
    for (int i = 0; i < 7; ++i)
        QVERIFY(pixel(f, 128, 16 * i) == hues[i] && pixel(f, 0, 16 * i) == 0 && pixel(f, 256, 16 * i) == Colors::White);
    QVERIFY(pixel(f, 64, 0) == Colors::rgb(128, 0, 0) && pixel(f, 192, 0) == Colors::rgb(255, 128, 128));
    QCOMPARE(pixel(f, 128, 8), Colors::rgb(255, 128, 0));
    QCOMPARE(pixel(ColorField::picture(QSize(1, 1)), 0, 0), Colors::rgb(255, 0, 0));
}

void tst_ColorField::sharpOnDenseScreens()
{
    ColorFieldView view;
    view.resize(view.sizeHint());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.devicePixelRatioF(), 2.0);
    const QImage shown = view.grab().toImage();
    QCOMPARE(shown.size(), QSize(514, 194));
    QCOMPARE(pixel(shown, 301, 150), pixel(ColorField::picture(QSize(514, 194)), 301, 150));
    QSignalSpy pointed(&view, &ColorFieldView::pointed);
    for (const QPointF at : {QPointF(128.6, 48.2), QPointF(256.9, 96.9), QPointF(40.25, 70.5)}) {
        QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
        QCOMPARE(pointed.last().at(0).value<OleColor>(), pixel(shown, int(at.x() * 2), int(at.y() * 2)));
    }
}

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_ColorField test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_colorfield.moc"
