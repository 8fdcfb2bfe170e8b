// Windows metafiles read as pictures: their size, colours and vector form,
// and the helper that converts them, kept within its limits. (Their shapes
// in a printed PDF: the PDF output's tests.)
#include "platform/Metafile.h"
#include "platform/PictureReader.h"
#include "platform/VectorPicture.h"

#include "Metafiles.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QColor Red(255, 0, 0), Blue(0, 0, 255);

bool near(QRgb actual, const QColor &expected)
{
    return qAbs(qRed(actual) - expected.red()) <= 8 && qAbs(qGreen(actual) - expected.green()) <= 8
        && qAbs(qBlue(actual) - expected.blue()) <= 8 && qAlpha(actual) == 255;
}

} // namespace

class TestMetafile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void naturalSizeFromTheHeader();
    void picturesOfBothKinds_data();
    void picturesOfBothKinds();
    void unreadableMetafilesAreRefused();
    void helperRunsWithinItsLimits();

private:
    QTemporaryDir m_dir;
    // A helper of the test's own: a shell script.
    QString script(const QString &name, const QString &body);
};

void TestMetafile::initTestCase()
{
    Metafiles::useBuiltHelper();
    QVERIFY2(QFileInfo(Metafile::helperPath()).isExecutable(), qPrintable(Metafile::helperPath()));
}

void TestMetafile::cleanup()
{
    Metafiles::useBuiltHelper();
}

QString TestMetafile::script(const QString &name, const QString &body)
{
    const QString path = m_dir.filePath(name);
    TestSupport::writeBytes(path, ("#!/bin/sh\n" + body + "\n").toUtf8());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void TestMetafile::naturalSizeFromTheHeader()
{
    // 2000 x 1000 units at 1440 per inch; 40 x 20 mm.
    QCOMPARE(Metafile::naturalSize(Metafiles::wmf(Red, 2000, 1000)), QSize(133, 67));
    QCOMPARE(Metafile::naturalSize(Metafiles::wmf(Red, 2000, 1000, true, 576)), QSize(333, 167));
    QCOMPARE(Metafile::naturalSize(Metafiles::emf(Blue, 400, 200, {40, 20})), QSize(151, 76));
    // No placeable header, no units, a box of nothing or of kilometres,
    // a header cut short.
    for (const QByteArray &bytes : {Metafiles::wmf(Red, 2000, 1000, false), Metafiles::wmf(Red, 2000, 1000, true, 0),
                                    Metafiles::wmf(Red, 0, 1000), Metafiles::emf(Blue, 400, 200, {4000000, 20}),
                                    Metafiles::emf(Blue, 400, 200, {40, 20}).left(39)})
        QVERIFY(!Metafile::naturalSize(bytes).isValid());
}

void TestMetafile::picturesOfBothKinds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("color");
    QTest::newRow("WMF") << Metafiles::wmf(Red, 2000, 1000) << QSize(133, 67) << Red;
    QTest::newRow("EMF") << Metafiles::emf(Blue, 400, 200, {40, 20}) << QSize(151, 76) << Blue;
    QTest::newRow("WMF without placeable header") << Metafiles::wmf(Red, 2000, 1000, false) << QSize() << Red;
}

void TestMetafile::picturesOfBothKinds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QColor, color);
    const QString path = m_dir.filePath(u"logo"_s);
    QVERIFY(TestSupport::writeBytes(path, bytes));
    // The extension does not matter: the content says what it is.
    QVERIFY(PictureReader::canRead(path));
    const QImage picture = PictureReader::read(path);
    QVERIFY(!picture.isNull());
    if (size.isValid())
        QCOMPARE(picture.size(), size);
    QVERIFY(near(picture.pixel(picture.width() / 2, picture.height() / 2), color));
    // A picture whose pixels change is pixels only.
    QImage changed = picture;
    changed.setPixel(0, 0, qRgb(0, 255, 0));
    QVERIFY(!VectorPicture::has(changed) && VectorPicture::has(picture));
}

void TestMetafile::unreadableMetafilesAreRefused()
{
    const QByteArray wmf = Metafiles::wmf(Red, 2000, 1000);
    for (const QByteArray &bytes : {wmf.left(30), wmf.left(22) + QByteArray(400, '\xff'),
                                     Metafiles::emf(Blue, 4, 2, {1, 1}).left(100)})
        QVERIFY(PictureReader::decode(bytes, u"logo.wmf"_s).isNull());

    // No helper, a helper that writes no SVG, one that fails after writing.
    Metafile::setHelperPath(m_dir.filePath(u"absent"_s));
    QVERIFY(PictureReader::decode(wmf, u"logo.wmf"_s).isNull());
    Metafile::setHelperPath(script(u"texte"_s, u"cat >/dev/null; echo bonjour"_s));
    QVERIFY(PictureReader::decode(wmf, u"logo.wmf"_s).isNull());
    Metafile::setHelperPath(script(u"echec"_s, u"cat >/dev/null; echo '<svg width=\"2\" height=\"2\"/>'; exit 3"_s));
    QVERIFY(PictureReader::decode(wmf, u"logo.wmf"_s).isNull());
}

void TestMetafile::helperRunsWithinItsLimits()
{
    // The limits the helper is started with, as the helper sees them.
    const QString limits = m_dir.filePath(u"limites"_s);
    Metafile::setHelperPath(script(u"limites.sh"_s, u"cat >/dev/null; ulimit -t > '%1'; ulimit -v >> '%1'; "
                                                    "echo '<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"2\" height=\"2\"/>'"_s
                                                        .arg(limits)));
    QVERIFY(!Metafile::toSvg(Metafiles::wmf(Red, 20, 10)).isEmpty());
    const QStringList seen = QString::fromLatin1(TestSupport::readBytes(limits)).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(seen.value(0), QString::number(Metafile::CpuSeconds));
#ifndef BRIVADUNE_SANITIZED
    QCOMPARE(seen.value(1), QString::number(Metafile::MemoryBytes / 1024));
#endif

    // A helper that never ends, busy or asleep, is stopped.
    for (const QString &body : {u"cat >/dev/null; while :; do :; done"_s, u"cat >/dev/null; exec sleep 60"_s}) {
        Metafile::setHelperPath(script(u"sans-fin"_s, body));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(PictureReader::decode(Metafiles::wmf(Red, 20, 10), u"logo.wmf"_s).isNull());
        QVERIFY2(timer.elapsed() < 30000, qPrintable(QString::number(timer.elapsed())));
    }
}

QTEST_MAIN(TestMetafile)
#include "tst_metafile.moc"
