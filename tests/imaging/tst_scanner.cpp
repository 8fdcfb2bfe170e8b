// Scanning through SANE's test backend: the device list and the chosen
// source, colour scans written as 24-bit BMP files (one pass, three passes,
// unknown length), cancelling from another thread, no device, and failures
// that must leave no file behind.
#include "TestSupport.h"
#include "imaging/ScanJob.h"
#include "imaging/ScanProgressDialog.h"
#include "imaging/Scanner.h"
#include "imaging/SourceDialog.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <map>

using namespace Qt::StringLiterals;

namespace {

using Settings = std::map<QString, QString>;

// The SANE configuration folder of this process. SANE reads
// SANE_CONFIG_DIR once per process, before the first sane_init, but reads
// the files in it at every sane_init: each test rewrites them, then makes
// the Scanner whose session reads them. dll.conf lists the test backend (or
// nothing); test.conf is the system's copy with some settings replaced.
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

// The bits per pixel of a BMP file's header; 0 when it is not a BMP.
int bmpBitCount(const QString &path)
{
    const QByteArray bytes = TestSupport::readBytes(path);
    if (bytes.size() < 30 || !bytes.startsWith("BM"))
        return 0;
    return qFromLittleEndian<quint16>(bytes.constData() + 28);
}

bool hasColour(const QImage &image)
{
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p))
                return true;
        }
    }
    return false;
}

// Scans into `path` on this thread with `settings`; the picture read back.
QImage scanWith(const Settings &settings, const QString &path, QList<int> *percents = nullptr)
{
    if (!configureSane(settings))
        return {};
    Scanner scanner;
    ScanJob job(scanner.deviceFor(scanner.devices()), path);
    if (percents)
        QObject::connect(&job, &ScanJob::progressChanged, [percents](int p) { *percents << p; });
    if (job.run() != ScanWritten || bmpBitCount(path) != 24)
        return {};
    return QImage(path).convertToFormat(QImage::Format_RGB888);
}

} // namespace

class TestScanner : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void devicesAndChosenSource();
    void sourceDialogChoosesARow();
    void colourScanThroughTheProgressDialog();
    void threePassAndUnknownLengthScans();
    void cancelFromAnotherThreadWritesNothing();
    void noDeviceIsReported();
    void failuresLeaveNoFile();
};

void TestScanner::initTestCase()
{
    QVERIFY(saneDir().isValid());
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(saneDir().path()));
}

void TestScanner::devicesAndChosenSource()
{
    QVERIFY(configureSane());
    Scanner scanner;
    const QList<ScanDevice> devices = scanner.devices();
    QCOMPARE(devices.size(), 2); // test.conf's number_of_devices
    QCOMPARE(devices[0].type, u"virtual device"_s);
    QCOMPARE(scanner.sourceList(devices).rows(),
             QStringList({u"Noname frontend-tester (test:0)"_s, u"Noname frontend-tester (test:1)"_s}));

    // None chosen: the first; a listed choice is kept; a device that is gone
    // falls back to the first.
    QCOMPARE(scanner.deviceFor(devices), u"test:0"_s);
    scanner.setSource(u"test:1"_s);
    QCOMPARE(scanner.deviceFor(devices), u"test:1"_s);
    QCOMPARE(scanner.sourceList(devices).currentRow(), 1);
    scanner.setSource(u"epson2:libusb:001:004"_s);
    QCOMPARE(scanner.deviceFor(devices), u"test:0"_s);
    QCOMPARE(scanner.source(), u"epson2:libusb:001:004"_s); // remembered until the user chooses again
}

void TestScanner::sourceDialogChoosesARow()
{
    const QList<ScanDevice> devices = {{u"a:0"_s, u"Acme"_s, u"S1"_s, u"flatbed"_s},
                                       {u"b:0"_s, u"Bolt"_s, u""_s, u"flatbed"_s}};
    ScanSourceList sources(devices, u"b:0"_s);
    {
        SourceDialog dialog(sources);
        QCOMPARE(dialog.windowTitle(), u"Sélectionner la source"_s);
        QCOMPARE(dialog.okButton()->text(), u"OK"_s);
        QCOMPARE(dialog.cancelButton()->text(), u"Annuler"_s);
        QCOMPARE(dialog.list()->count(), 2);
        QCOMPARE(dialog.list()->item(1)->text(), u"Bolt (b:0)"_s);
        QCOMPARE(dialog.list()->currentRow(), 1);
        dialog.list()->setCurrentRow(0);
        dialog.cancelButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(sources.currentName(), u"b:0"_s);
    {
        SourceDialog dialog(sources);
        dialog.list()->setCurrentRow(0);
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(sources.currentName(), u"a:0"_s);
}

void TestScanner::colourScanThroughTheProgressDialog()
{
    QVERIFY(configureSane(colourPattern));
    QTemporaryDir out;
    const QString path = out.filePath(u"Carte.bmp"_s);
    Scanner scanner;
    ScanJob job(scanner.deviceFor(scanner.devices()), path);
    ScanProgressDialog dialog(job);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted)); // starts the scan, closes when it ends
    QCOMPARE(job.result(), ScanWritten);
    QCOMPARE(dialog.bar()->value(), 100);

    // 80 x 100 mm at 300 dots per inch, in colour, 24 bits per pixel.
    QCOMPARE(bmpBitCount(path), 24);
    const QImage image(path);
    QCOMPARE(image.size(), QSize(944, 1181));
    QVERIFY(hasColour(image));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{u"Carte.bmp"_s});
}

void TestScanner::threePassAndUnknownLengthScans()
{
    QTemporaryDir out;
    QList<int> percents;
    const QImage onePass = scanWith(colourPattern, out.filePath(u"a.bmp"_s), &percents);
    QCOMPARE(onePass.size(), QSize(944, 1181));
    QCOMPARE(percents.last(), 100);

    // Three frames of one colour each, sent in another order: the same picture.
    auto threePass = colourPattern;
    threePass[u"three-pass"_s] = u"true"_s;
    threePass[u"three-pass-order"_s] = u"GBR"_s;
    percents.clear();
    QCOMPARE(scanWith(threePass, out.filePath(u"b.bmp"_s), &percents), onePass);
    QVERIFY(percents.contains(66));

    // A hand scanner does not know its length: read to the end, 11 cm wide.
    auto hand = colourPattern;
    hand[u"hand-scanner"_s] = u"true"_s;
    percents.clear();
    const QImage handImage = scanWith(hand, out.filePath(u"c.bmp"_s), &percents);
    QCOMPARE(handImage.width(), 1299);
    QVERIFY(handImage.height() > 1000);
    QVERIFY(hasColour(handImage));
    QCOMPARE(percents, QList<int>{-1});
}

void TestScanner::cancelFromAnotherThreadWritesNothing()
{
    // Each buffer waits 0.2 s: the scan would last many seconds.
    QVERIFY(configureSane({{u"read-delay"_s, u"true"_s}, {u"read-delay-duration"_s, u"200000"_s}}));
    QTemporaryDir out;
    const QString path = out.filePath(u"Carte.bmp"_s);
    Scanner scanner;
    ScanJob job(scanner.deviceFor(scanner.devices()), path);
    ScanProgressDialog dialog(job);
    // "Annuler" once the data flows: the scan runs on the job's thread, the
    // cancel comes from this one.
    connect(&job, &ScanJob::progressChanged, &dialog, [&](int percent) {
        if (percent > 0)
            dialog.cancelButton()->click();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(job.result(), ScanCancelled);
    QVERIFY(QDir(out.path()).isEmpty());

    // A job cancelled from another thread before it runs never opens the device.
    ScanJob early(u"test:0"_s, path);
    QThread *canceller = QThread::create([&early] { early.cancel(); });
    canceller->start();
    QVERIFY(canceller->wait(5000));
    delete canceller;
    QCOMPARE(early.run(), ScanCancelled);
    QVERIFY(QDir(out.path()).isEmpty());
}

void TestScanner::noDeviceIsReported()
{
    QVERIFY(configureSane({}, false));
    QTemporaryDir out;
    const QString path = out.filePath(u"Carte.bmp"_s);
    Scanner scanner;
    const QList<ScanDevice> devices = scanner.devices();
    QVERIFY(devices.isEmpty());
    QVERIFY(scanner.deviceFor(devices).isEmpty());
    QCOMPARE(scanner.sourceList(devices).currentRow(), -1);

    QCOMPARE(ScanJob(QString(), path).run(), ScanNoDevice);
    QVERIFY(QDir(out.path()).isEmpty());
}

void TestScanner::failuresLeaveNoFile()
{
    QVERIFY(configureSane());
    QTemporaryDir out;
    Scanner scanner;

    // A folder that does not exist (an application folder without Images).
    ScanJob missingFolder(u"test:0"_s, out.filePath(u"Images/Carte.bmp"_s));
    QCOMPARE(missingFolder.run(), ScanWriteError);
    QVERIFY(!missingFolder.errorText().isEmpty());

    // A device that went away since it was listed: an existing file keeps
    // its bytes.
    const QString path = out.filePath(u"Carte.bmp"_s);
    QVERIFY(TestSupport::writeBytes(path, "old"));
    QCOMPARE(ScanJob(u"test:7"_s, path).run(), ScanNoDevice);
    QCOMPARE(TestSupport::readBytes(path), QByteArray("old"));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList{u"Carte.bmp"_s});
}

QTEST_MAIN(TestScanner)
#include "tst_scanner.moc"
