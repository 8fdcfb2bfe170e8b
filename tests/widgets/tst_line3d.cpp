// The separator line from its pixels: two pixels high whatever it is asked,
// a button-shadow line over a white one, both as wide as it is.
#include "TestSupport.h"
#include "widgets/Line3D.h"

#include <QVBoxLayout>
#include <QtTest>

using TestSupport::pixel;

class tst_Line3D : public QObject {
    Q_OBJECT

private slots:
    void heightAndLines();
};

void tst_Line3D::heightAndLines()
{
    QWidget dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *line = new Line3D;
    layout->addWidget(line);
    dialog.resize(300, 200);
    dialog.show();
    QCOMPARE(line->height(), 2); // a layout with room to spare
    line->setGeometry(0, 0, 120, 50);
    QCOMPARE(line->height(), 2);

    const OleColor shadow = Colors::resolve(Colors::system(Colors::ButtonShadow));
    QVERIFY(shadow != Colors::White);
    for (int width : {100, 340}) {
        line->resize(width, 0);
        const QImage img = line->grab().toImage();
        QCOMPARE(img.size(), QSize(width, 2));
        for (int x = 0; x < width; ++x) {
            QCOMPARE(pixel(img, x, 0), shadow);
            QCOMPARE(pixel(img, x, 1), Colors::White);
        }
    }
}

QTEST_MAIN(tst_Line3D)
#include "tst_line3d.moc"
