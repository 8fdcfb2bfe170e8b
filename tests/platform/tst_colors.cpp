#include "platform/Colors.h"

#include <QtTest>

class TestColors : public QObject {
    Q_OBJECT

private slots:
    void packing();
    void systemColoursFollowThePalette_data();
    void systemColoursFollowThePalette();
    void applicationPalette();
};

void TestColors::packing()
{
    const OleColor c = Colors::rgb(0x12, 0x34, 0x56);
    QCOMPARE(c, 0x563412);
    QCOMPARE(Colors::red(c), 0x12);
    QCOMPARE(Colors::green(c), 0x34);
    QCOMPARE(Colors::blue(c), 0x56);
    QCOMPARE(Colors::rgb(255, 0, 0), 255);
    QCOMPARE(Colors::rgb(0, 0, 255), 16711680);
    QVERIFY(!Colors::isSystem(Colors::White));

    // A label never recoloured keeps the window-text colour: -2147483640.
    QCOMPARE(Colors::system(Colors::WindowText), -2147483640);
    QVERIFY(Colors::isSystem(-2147483640));
    QCOMPARE(Colors::systemIndex(-2147483640), 8);

    QCOMPARE(Colors::toQColor(c, QPalette()), QColor(0x12, 0x34, 0x56));
    QCOMPARE(Colors::fromQColor(QColor(0x12, 0x34, 0x56, 0x80)), c);
    QCOMPARE(Colors::fromQColor(QColor::fromHsv(0, 255, 255)), 255);
    QCOMPARE(Colors::resolve(c), c);
}

void TestColors::systemColoursFollowThePalette_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("role");

    QTest::newRow("window text") << int(Colors::WindowText) << int(QPalette::Active) << int(QPalette::WindowText);
    QTest::newRow("button face") << int(Colors::ButtonFace) << int(QPalette::Active) << int(QPalette::Button);
    QTest::newRow("button shadow") << int(Colors::ButtonShadow) << int(QPalette::Active) << int(QPalette::Dark);
    QTest::newRow("button text") << int(Colors::ButtonText) << int(QPalette::Active) << int(QPalette::ButtonText);
    QTest::newRow("button highlight") << int(Colors::ButtonHighlight) << int(QPalette::Active) << int(QPalette::Light);
    QTest::newRow("3D dark shadow") << int(Colors::DarkShadow3D) << int(QPalette::Active) << int(QPalette::Shadow);
    QTest::newRow("tooltip background") << int(Colors::InfoBackground) << int(QPalette::Active) << int(QPalette::ToolTipBase);
    QTest::newRow("tooltip text") << int(Colors::InfoText) << int(QPalette::Active) << int(QPalette::ToolTipText);
    QTest::newRow("window") << int(Colors::Window) << int(QPalette::Active) << int(QPalette::Base);
    QTest::newRow("highlight") << int(Colors::Highlight) << int(QPalette::Active) << int(QPalette::Highlight);
    QTest::newRow("highlight text") << int(Colors::HighlightText) << int(QPalette::Active) << int(QPalette::HighlightedText);
    QTest::newRow("workspace") << int(Colors::AppWorkspace) << int(QPalette::Active) << int(QPalette::Dark);
    QTest::newRow("grey text") << int(Colors::GrayText) << int(QPalette::Disabled) << int(QPalette::Text);
}

void TestColors::systemColoursFollowThePalette()
{
    QFETCH(int, index);
    QFETCH(int, group);
    QFETCH(int, role);

    // A palette where every role and group has its own colour.
    QPalette palette;
    for (int g = 0; g < int(QPalette::NColorGroups); ++g) {
        for (int r = 0; r < int(QPalette::NColorRoles); ++r)
            palette.setColor(QPalette::ColorGroup(g), QPalette::ColorRole(r), QColor(10 + r * 7, 20 + g * 50, 99));
    }
    const QColor expected = palette.color(QPalette::ColorGroup(group), QPalette::ColorRole(role));
    QCOMPARE(Colors::toQColor(Colors::system(index), palette), expected);
}

void TestColors::applicationPalette()
{
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    QGuiApplication::setPalette(palette);
    QCOMPARE(Colors::toQColor(Colors::system(Colors::ButtonFace)), QColor(1, 2, 3));
    QCOMPARE(Colors::resolve(Colors::system(Colors::ButtonFace)), Colors::rgb(1, 2, 3));
    // An index beyond the table still gives a colour, never a crash.
    QVERIFY(Colors::toQColor(Colors::system(200)).isValid());
}

QTEST_MAIN(TestColors)
#include "tst_colors.moc"
