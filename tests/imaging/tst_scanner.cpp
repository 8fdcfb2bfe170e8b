// Scanning: frames turned into a picture (absurd ones refused), then SANE's
// test backend: devices, 24-bit BMP scans, failures that leave no file.
#include "TestSupport.h"
#include "imaging/ScanImageBuilder.h"
#include "imaging/ScanJob.h"
#include "imaging/Scanner.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <map>

using namespace Qt::StringLiterals;
using Channel = ScanImageBuilder::Channel;

namespace {

// The picture of one frame whose data comes in pieces of `piece` bytes.
QImage oneFrame(const ScanImageBuilder::Frame &frame, const QByteArray &data, int piece = 4096)
{
    ScanImageBuilder builder;
    if (!builder.beginFrame(frame))
        return {};
    for (qsizetype at = 0; at < data.size(); at += piece) {
        if (!builder.append(data.constData() + at, std::min<qsizetype>(piece, data.size() - at)))
            return {};
    }
    builder.endFrame();
    return builder.image();
}

// SANE reads SANE_CONFIG_DIR once per process but the files in it at every
// sane_init: each test rewrites dll.conf (the test backend or nothing) and
// test.conf (the system's with some settings replaced) before a Scanner.
using Settings = std::map<QString, QString>;
QTemporaryDir &saneDir()
{
    static QTemporaryDir dir;
    return dir;
}

bool configureSane(const Settings &settings = {}, bool withTestBackend = true)
{
    const QByteArray conf = TestSupport::readBytes(u"/etc/sane.d/test.conf"_s);
    QStringList lines = QString::fromUtf8(conf).split(u'\n');
    for (const auto &[key, value] : settings) {
        lines.removeIf([&](const QString &l) { return l.section(u' ', 0, 0) == key; });
        lines << key + u' ' + value;
    }
    const QDir dir(saneDir().path());
    return saneDir().isValid() && !conf.isEmpty()
        && TestSupport::writeBytes(dir.filePath(u"test.conf"_s), lines.join(u'\n').toUtf8() + '\n')
        && TestSupport::writeBytes(dir.filePath(u"dll.conf"_s), withTestBackend ? "test\n" : "");
}

const Settings colourPattern = {{u"test-picture"_s, u"\"Color pattern\""_s}};

// Scans into `path` with `settings`; the picture read back when the scan
// wrote a 24-bit BMP.
QImage scanWith(const Settings &settings, const QString &path, QList<int> *percents = nullptr)
{
    if (!configureSane(settings))
        return {};
    Scanner scanner;
    ScanJob job(scanner.deviceFor(scanner.devices()), path);
    if (percents)
        QObject::connect(&job, &ScanJob::progressChanged, [percents](int p) { *percents << p; });
    job.start();
    const bool written = job.wait(60000) && job.result() == ScanWritten;
    const QByteArray bmp = TestSupport::readBytes(path);
    if (!written || bmp.size() < 30 || qFromLittleEndian<quint16>(bmp.constData() + 28) != 24)
        return {};
    return QImage(path).convertToFormat(QImage::Format_RGB888);
}

} // namespace

class TestScanner : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void framesBecomeColour();
    void devicesAndChosenSource();
    void colourScans();
    void failuresLeaveNoFile();
};

void TestScanner::initTestCase()
{
    QVERIFY(saneDir().isValid());
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(saneDir().path()));
}

void TestScanner::framesBecomeColour()
{
    QImage image = oneFrame({Channel::Gray, 4, 3, 2, 8}, QByteArray("\x00\x80\xFF\x63\x0A\x14\x1E\x63", 8), 3);
    QVERIFY(image.size() == QSize(3, 2) && image.pixel(1, 0) == qRgb(128, 128, 128) && image.pixel(2, 1) == qRgb(30, 30, 30));
    image = oneFrame({Channel::Gray, 2, 10, 1, 1}, QByteArray("\xA0\x40", 2));
    QString bits;
    for (int x = 0; x < 10; ++x)
        bits += image.pixel(x, 0) == qRgb(0, 0, 0) ? u'1' : u'0';
    QCOMPARE(bits, u"1010000001"_s);
    const quint16 deep[] = {0xFFFF, 0x8000, 0x01FF};
    QCOMPARE(oneFrame({Channel::Rgb, 6, 1, 1, 16}, QByteArray(reinterpret_cast<const char *>(deep), 6)).pixel(0, 0),
             qRgb(255, 128, 1));
    QCOMPARE(oneFrame({Channel::Gray, 1, 1, 10, 8}, "abc").height(), 3);
    QCOMPARE(oneFrame({Channel::Gray, 1, 1, -1, 8}, QByteArray(600, 'a'), 7).height(), 600);
    const std::pair<ScanImageBuilder::Frame, bool> refused[] = {
        {{Channel::Rgb, 3 * 40000, 40000, 10, 8}, true},
        {{Channel::Gray, 20000, 20000, 20000, 8}, true}, // 400 million pixels
        {{Channel::Rgb, 5, 2, 10, 8}, false},            // lines shorter than their pixels
        {{Channel::Gray, 2000000000, 10, 10, 8}, false}, // absurd line length
        {{Channel::Gray, 10, 10, 10, 12}, false},
    };
    for (const auto &[frame, tooLarge] : refused) {
        ScanImageBuilder builder;
        QVERIFY(!builder.beginFrame(frame) && !builder.error().isEmpty() && builder.image().isNull());
        QCOMPARE(builder.tooLarge(), tooLarge);
    }
    QVERIFY(oneFrame({Channel::Gray, 1, 1, -1, 8}, QByteArray(30001, 'a')).isNull());
}

void TestScanner::devicesAndChosenSource()
{
    QVERIFY(configureSane());
    Scanner scanner;
    const QList<ScanDevice> devices = scanner.devices();
    QCOMPARE(devices.size(), 2); // test.conf's number_of_devices
    QCOMPARE(scanner.sourceList(devices).rows(),
             QStringList({u"Noname frontend-tester (test:0)"_s, u"Noname frontend-tester (test:1)"_s}));
    QVERIFY(scanner.deviceFor(devices) == u"test:0"_s);
    scanner.setSource(u"test:1"_s);
    QVERIFY(scanner.deviceFor(devices) == u"test:1"_s && scanner.sourceList(devices).currentRow() == 1);
    scanner.setSource(u"epson2:libusb:001:004"_s);
    QVERIFY(scanner.deviceFor(devices) == u"test:0"_s && scanner.source() == u"epson2:libusb:001:004"_s);
}

void TestScanner::colourScans()
{
    QTemporaryDir out;
    QList<int> percents;
    const QImage onePass = scanWith(colourPattern, out.filePath(u"a.bmp"_s), &percents);
    QCOMPARE(onePass.size(), QSize(944, 1181));
    QVERIFY(onePass.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB888) != onePass
            && percents.last() == 100);
    auto threePass = colourPattern;
    threePass[u"three-pass"_s] = u"true"_s;
    threePass[u"three-pass-order"_s] = u"GBR"_s;
    percents.clear();
    QCOMPARE(scanWith(threePass, out.filePath(u"b.bmp"_s), &percents), onePass);
    QVERIFY(percents.contains(66));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList({u"a.bmp"_s, u"b.bmp"_s}));
}

void TestScanner::failuresLeaveNoFile()
{
    QVERIFY(configureSane());
    QTemporaryDir out;
    const QString path = out.filePath(u"Carte.bmp"_s);
    QVERIFY(TestSupport::writeBytes(path, "old"));
    const std::tuple<QString, QString, ScanResult> jobs[] = {
        {QString(), path, ScanNoDevice},
        {u"test:0"_s, out.filePath(u"Images/Carte.bmp"_s), ScanWriteError},
        {u"test:7"_s, path, ScanNoDevice},
    };
    for (const auto &[device, target, result] : jobs) {
        ScanJob job(device, target);
        job.start();
        QVERIFY(job.wait(10000));
        QCOMPARE(job.result(), result);
    }
    QCOMPARE(TestSupport::readBytes(path), QByteArray("old"));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList{u"Carte.bmp"_s});
    QVERIFY(configureSane({}, false));
    Scanner none;
    QVERIFY(none.devices().isEmpty() && none.deviceFor({}).isEmpty() && none.sourceList({}).currentRow() == -1);
}

QTEST_MAIN(TestScanner)
#include "tst_scanner.moc"
