// The picture library shipped in the application folder (data/Images): every
// file of its three folders is a readable picture of the promised kind and
// size, named so that dropping its last four characters leaves its title.
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Everything the wizard would list, hidden files included.
QFileInfoList filesOf(const QString &folder)
{
    return QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// The centre of the opaque part of a picture, as fractions of its size.
QPointF inkCentre(const QImage &image)
{
    double sx = 0, sy = 0, sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double a = image.pixelColor(x, y).alphaF();
            sx += a * x;
            sy += a * y;
            sum += a;
        }
    return sum > 0 ? QPointF(sx / sum / image.width(), sy / sum / image.height()) : QPointF(-1, -1);
}

} // namespace

class TestPictureLibrary : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void namesKeepTheirTitleAndTheLibraryStaysSmall();
    void alphabetsHoldTheTwentySixCapitals();
    void cornersComeInFourOrientations();
    void backgroundsHaveCardProportions();

private:
    QString m_root;
};

void TestPictureLibrary::initTestCase()
{
    // The source tree's data/Images, found beside the test data folder.
    const QString testData = qEnvironmentVariable("BRIVADUNE_TEST_DATA");
    QVERIFY2(!testData.isEmpty(), "BRIVADUNE_TEST_DATA is not set");
    m_root = QDir::cleanPath(testData + u"/../../data/Images"_s);
    QVERIFY2(QFileInfo(m_root).isDir(), qPrintable(m_root));
}

void TestPictureLibrary::namesKeepTheirTitleAndTheLibraryStaysSmall()
{
    for (const QString &folder : {u"Alphabets"_s, u"Angles"_s, u"Images de fond"_s})
        for (const QFileInfo &file : filesOf(m_root + u'/' + folder)) {
            const QString name = file.fileName();
            const QString title = name.chopped(4);
            QVERIFY2(name.size() > 4 && name.at(name.size() - 4) == u'.' && file.suffix().size() == 3, qPrintable(name));
            QVERIFY2(!title.isEmpty() && title.trimmed() == title && !title.startsWith(u'.'), qPrintable(name));
            QVERIFY2(!QImage(file.filePath()).isNull(), qPrintable(name + u" is not a readable picture"_s));
        }

    qint64 total = 0;
    for (QDirIterator it(m_root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        total += it.nextFileInfo().size();
    QVERIFY2(total < 8 * 1024 * 1024, qPrintable(QString::number(total)));
}

void TestPictureLibrary::alphabetsHoldTheTwentySixCapitals()
{
    const QFileInfoList files = filesOf(m_root + u"/Alphabets"_s);
    QStringList names;
    for (const QFileInfo &file : files)
        names << file.fileName();
    QStringList expected;
    for (char c = 'A'; c <= 'Z'; ++c)
        expected << QString(QChar(c)) + u".png"_s;
    QCOMPARE(names, expected);

    // One size for the whole set, so letters line up when used together.
    const QSize size = QImage(files.first().filePath()).size();
    for (const QFileInfo &file : files) {
        const QImage letter(file.filePath());
        QVERIFY2(letter.hasAlphaChannel() && letter.size() == size, qPrintable(file.fileName()));
        QVERIFY2(letter.height() >= 250 && letter.height() <= 350, qPrintable(file.fileName()));
    }
}

void TestPictureLibrary::cornersComeInFourOrientations()
{
    const QString folder = m_root + u"/Angles"_s;
    const QFileInfoList files = filesOf(folder);
    QVERIFY(files.size() >= 32);
    // Each ornament's ink sits in the corner its name gives.
    const struct {
        QString words;
        bool right, bottom;
    } corners[] = {{u" haut gauche.png"_s, false, false}, {u" haut droit.png"_s, true, false},
                   {u" bas gauche.png"_s, false, true}, {u" bas droit.png"_s, true, true}};
    int designs = 0;
    for (const QFileInfo &file : files) {
        QVERIFY2(file.fileName().startsWith(u"Angle "_s), qPrintable(file.fileName()));
        if (!file.fileName().endsWith(corners[0].words))
            continue;
        ++designs;
        const QString design = file.fileName().chopped(corners[0].words.size());
        for (const auto &corner : corners) {
            const QImage image(folder + u'/' + design + corner.words);
            QVERIFY2(!image.isNull() && image.hasAlphaChannel(), qPrintable(design + corner.words));
            const QPointF centre = inkCentre(image);
            QVERIFY2(centre.x() >= 0 && (centre.x() > 0.5) == corner.right && (centre.y() > 0.5) == corner.bottom,
                     qPrintable(design + corner.words));
        }
    }
    QCOMPARE(designs * 4, files.size());
}

void TestPictureLibrary::backgroundsHaveCardProportions()
{
    const QFileInfoList files = filesOf(m_root + u"/Images de fond"_s);
    QVERIFY(files.size() >= 12);
    int dark = 0;
    for (const QFileInfo &file : files) {
        const QImage image(file.filePath());
        QVERIFY2(image.width() >= 1000 && image.height() >= 640, qPrintable(file.fileName()));
        const double aspect = double(image.width()) / image.height();
        QVERIFY2(std::abs(aspect / (85.0 / 54.0) - 1) <= 0.02, qPrintable(file.fileName()));
        // A few are dark enough for white text.
        const QImage small = image.scaled(32, 20).convertToFormat(QImage::Format_Grayscale8);
        double sum = 0;
        for (int y = 0; y < small.height(); ++y)
            for (int x = 0; x < small.width(); ++x)
                sum += qGray(small.pixel(x, y));
        dark += sum / (small.width() * small.height()) < 80;
    }
    QVERIFY(dark >= 3);
}

QTEST_MAIN(TestPictureLibrary)
#include "tst_picturelibrary.moc"
