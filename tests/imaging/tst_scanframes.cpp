// Turning scanner frames into a colour picture, and choosing scan settings
// among the values a device allows, without a device.
#include "imaging/ScanImageBuilder.h"
#include "imaging/ScanOptionChoice.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Channel = ScanImageBuilder::Channel;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

// Feeds `data` in pieces of `piece` bytes.
bool feed(ScanImageBuilder &builder, const QByteArray &data, int piece)
{
    for (qsizetype at = 0; at < data.size(); at += piece) {
        if (!builder.append(data.constData() + at, std::min<qsizetype>(piece, data.size() - at)))
            return false;
    }
    return true;
}

// The picture of one frame whose data comes in pieces of `piece` bytes.
QImage oneFrame(const ScanImageBuilder::Frame &frame, const QByteArray &data, int piece = 4096)
{
    ScanImageBuilder builder;
    if (!builder.beginFrame(frame) || !feed(builder, data, piece))
        return {};
    builder.endFrame();
    return builder.image();
}

QByteArray samples16(std::initializer_list<quint16> values)
{
    QByteArray b;
    for (quint16 v : values)
        b.append(reinterpret_cast<const char *>(&v), 2); // the machine's byte order
    return b;
}

} // namespace

class TestScanFrames : public QObject {
    Q_OBJECT
private slots:
    void greyLineArtAndDeepSamplesBecomeColour();
    void threeFramesAndUnknownLengths();
    void absurdOrInconsistentFramesFail();
    void settingsNearestTheWantedOnes();
};

void TestScanFrames::greyLineArtAndDeepSamplesBecomeColour()
{
    // 8-bit grey, 3 pixels in lines padded to 4 bytes, fed in odd pieces.
    QImage image = oneFrame({Channel::Gray, 4, 3, 2, 8}, bytes({0, 128, 255, 99, 10, 20, 30, 99}), 3);
    QCOMPARE(image.size(), QSize(3, 2));
    QCOMPARE(image.pixel(1, 0), qRgb(128, 128, 128));
    QCOMPARE(image.pixel(2, 1), qRgb(30, 30, 30));

    // Line art: 10 pixels in 2 bytes per line, a set bit is black.
    image = oneFrame({Channel::Gray, 2, 10, 1, 1}, bytes({0b10100000, 0b01000000}));
    const QRgb k = qRgb(0, 0, 0), w = qRgb(255, 255, 255);
    const QRgb expected[10] = {k, w, k, w, w, w, w, w, w, k};
    for (int x = 0; x < 10; ++x)
        QCOMPARE(image.pixel(x, 0), expected[x]);

    // 16-bit colour keeps the high byte of each sample.
    QCOMPARE(oneFrame({Channel::Rgb, 6, 1, 1, 16}, samples16({0xFFFF, 0x8000, 0x01FF})).pixel(0, 0), qRgb(255, 128, 1));
}

void TestScanFrames::threeFramesAndUnknownLengths()
{
    // Blue, red, green frames of 2 x 2 pixels; progress counts all three.
    ScanImageBuilder builder;
    QVERIFY(builder.beginFrame({Channel::Blue, 2, 2, 2, 8}));
    QVERIFY(builder.append(bytes({1, 2, 3, 4}).constData(), 4));
    builder.endFrame();
    QCOMPARE(builder.percent(), 33);
    QVERIFY(builder.image().isNull()); // red and green still missing
    QVERIFY(builder.beginFrame({Channel::Red, 2, 2, 2, 8}));
    QVERIFY(builder.append(bytes({10, 20, 30, 40, 99, 99}).constData(), 6)); // beyond the lines: dropped
    builder.endFrame();
    QVERIFY(builder.beginFrame({Channel::Green, 2, 2, 2, 8}));
    QVERIFY(builder.append(bytes({5, 6, 7, 8}).constData(), 4));
    builder.endFrame();
    QImage image = builder.image();
    QCOMPARE(image.size(), QSize(2, 2));
    QCOMPARE(image.pixel(0, 0), qRgb(10, 5, 1));
    QCOMPARE(image.pixel(1, 1), qRgb(40, 8, 4));

    // Unknown length: every whole line that arrives, across storage strips;
    // a partial last line is dropped.
    QByteArray data;
    for (int y = 0; y < 600; ++y)
        data += bytes({y % 256, 0, 255});
    image = oneFrame({Channel::Rgb, 3, 1, -1, 8}, data + "xy", 7);
    QCOMPARE(image.size(), QSize(1, 600));
    QCOMPARE(image.pixel(0, 599), qRgb(599 % 256, 0, 255));

    // Fewer lines than announced: the lines received.
    QCOMPARE(oneFrame({Channel::Gray, 1, 1, 10, 8}, "abc").height(), 3);
}

void TestScanFrames::absurdOrInconsistentFramesFail()
{
    const struct {
        ScanImageBuilder::Frame frame;
        bool tooLarge;
    } refused[] = {
        {{Channel::Rgb, 3 * 40000, 40000, 10, 8}, true},
        {{Channel::Gray, 20000, 20000, 20000, 8}, true}, // 400 million pixels
        {{Channel::Gray, 100, 100, 40000, 8}, true},
        {{Channel::Gray, 0, 0, 10, 8}, true},
        {{Channel::Rgb, 5, 2, 10, 8}, false},          // lines shorter than their pixels
        {{Channel::Gray, 2000000000, 10, 10, 8}, false}, // absurd line length
        {{Channel::Rgb, 1, 2, 10, 1}, false},          // 1-bit colour
        {{Channel::Gray, 10, 10, 10, 12}, false},
    };
    for (const auto &c : refused) {
        ScanImageBuilder builder;
        QVERIFY(!builder.beginFrame(c.frame));
        QCOMPARE(builder.tooLarge(), c.tooLarge);
        QVERIFY(!builder.error().isEmpty());
        QVERIFY(builder.image().isNull());
    }

    // A length announced as unknown that never ends stops at the limit.
    ScanImageBuilder endless;
    QVERIFY(endless.beginFrame({Channel::Gray, 1, 1, -1, 8}));
    QVERIFY(!feed(endless, QByteArray(ScanImageBuilder::MaxSide + 1, 'a'), 4096));
    QVERIFY(endless.tooLarge());
    QVERIFY(endless.image().isNull());

    // A second frame of another width does not belong to the picture.
    ScanImageBuilder mixed;
    QVERIFY(mixed.beginFrame({Channel::Red, 2, 2, 1, 8}));
    mixed.endFrame();
    QVERIFY(!mixed.beginFrame({Channel::Green, 3, 3, 1, 8}));
}

void TestScanFrames::settingsNearestTheWantedOnes()
{
    using ScanOptionChoice::Allowed;
    QCOMPARE(ScanOptionChoice::colourMode({u"Lineart"_s, u"Gray"_s, u"Color"_s}), u"Color"_s);
    QCOMPARE(ScanOptionChoice::colourMode({u"Color Lineart"_s, u"Binary"_s, u"24bit Color"_s}), u"24bit Color"_s);
    QCOMPARE(ScanOptionChoice::colourMode({u"Colour"_s}), u"Colour"_s);
    QVERIFY(!ScanOptionChoice::colourMode({u"Gray"_s, u"Color Halftone"_s}));

    Allowed list{Allowed::Kind::List, {75, 150, 600, 1200}};
    QCOMPARE(ScanOptionChoice::nearest(list, 300), 150.0);
    list.list = {200, 400};
    QCOMPARE(ScanOptionChoice::nearest(list, 300), 400.0); // equally near: the larger
    list.list.clear();
    QVERIFY(!ScanOptionChoice::nearest(list, 300));

    Allowed range{Allowed::Kind::Range, {}, 50, 1200, 1};
    QCOMPARE(ScanOptionChoice::nearest(range, 300), 300.0);
    range.quant = 100; // 50, 150, 250, 350...: 300 is between two
    QCOMPARE(ScanOptionChoice::nearest(range, 300), 350.0);
    range = {Allowed::Kind::Range, {}, 400, 4800, 0};
    QCOMPARE(ScanOptionChoice::nearest(range, 300), 400.0);
    range = {Allowed::Kind::Range, {}, 75, 200, 25};
    QCOMPARE(ScanOptionChoice::nearest(range, 300), 200.0);
    QCOMPARE(ScanOptionChoice::nearest(Allowed{}, 300), 300.0);
}

QTEST_MAIN(TestScanFrames)
#include "tst_scanframes.moc"
