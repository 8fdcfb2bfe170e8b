#include "platform/Colors.h"

#include <QGuiApplication>
#include <QtTest>

class TestColors : public QObject {
    Q_OBJECT

private slots:
    void packing();
    void systemColoursFollowThePalette();
};

void TestColors::packing()
{
    const OleColor c = Colors::rgb(0x12, 0x34, 0x56);
    QCOMPARE(c, 0x563412);
    QCOMPARE(Colors::green(c), 0x34);
    QCOMPARE(Colors::blue(c), 0x56);
    QCOMPARE(Colors::toQColor(c), QColor(0x12, 0x34, 0x56));
    QCOMPARE(Colors::fromQColor(QColor(0x12, 0x34, 0x56, 0x80)), c); // alpha dropped
    QVERIFY(!Colors::isSystem(Colors::White));
    // A label never recoloured keeps the window-text colour: -2147483640.
    QCOMPARE(Colors::system(Colors::WindowText), -2147483640);
    QCOMPARE(Colors::systemIndex(-2147483640), 8);
}

void TestColors::systemColoursFollowThePalette()
{
    // A palette where every role and group has its own colour.
    QPalette palette;
    for (int g = 0; g < int(QPalette::NColorGroups); ++g) {
        for (int r = 0; r < int(QPalette::NColorRoles); ++r)
            palette.setColor(QPalette::ColorGroup(g), QPalette::ColorRole(r), QColor(10 + r * 7, 20 + g * 50, 99));
    }
    auto shown = [&](int index) { return Colors::toQColor(Colors::system(index), palette); };
    QCOMPARE(shown(Colors::WindowText), palette.color(QPalette::Active, QPalette::WindowText));
    QCOMPARE(shown(Colors::ButtonFace), palette.color(QPalette::Active, QPalette::Button));
    QCOMPARE(shown(Colors::Window), palette.color(QPalette::Active, QPalette::Base));
    QCOMPARE(shown(Colors::GrayText), palette.color(QPalette::Disabled, QPalette::Text));

    // Without a palette given, the application's.
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    QGuiApplication::setPalette(palette);
    QCOMPARE(Colors::resolve(Colors::system(Colors::ButtonFace)), Colors::rgb(1, 2, 3));
    // An index beyond the table still gives a colour, never a crash.
    QVERIFY(Colors::toQColor(Colors::system(200)).isValid());
}

QTEST_MAIN(TestColors)
#include "tst_colors.moc"
