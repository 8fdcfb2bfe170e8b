// The supplied picture library (data/Images): readable pictures whose names
// less four characters are titles; capitals, corners and backgrounds.
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

class TestPictureLibrary : public QObject {
    Q_OBJECT

private slots:
    void library();
};

void TestPictureLibrary::library()
{
    const QString root = QDir::cleanPath(qEnvironmentVariable("BRIVADUNE_TEST_DATA") + u"/../../data/Images"_s);
    const auto files = [&root](const QString &folder) {
        return QDir(root + u'/' + folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    };
    qint64 total = 0;
    for (const QString &folder : {u"Alphabets"_s, u"Angles"_s, u"Images de fond"_s}) {
        QVERIFY(!files(folder).isEmpty());
        for (const QFileInfo &file : files(folder)) {
            const QString title = file.fileName().chopped(4);
            QVERIFY2(file.fileName().at(title.size()) == u'.' && !title.isEmpty() && title.trimmed() == title,
                     qPrintable(file.fileName()));
            QVERIFY2(!QImage(file.filePath()).isNull(), qPrintable(file.fileName()));
            total += file.size();
        }
    }
    QVERIFY(total < 8 * 1024 * 1024);

    QStringList letters;
    for (const QFileInfo &file : files(u"Alphabets"_s)) {
        letters << file.fileName();
        QCOMPARE(QImage(file.filePath()).size(), QImage(files(u"Alphabets"_s).first().filePath()).size());
    }
    QVERIFY(letters.size() == 26 && letters.first() == u"A.png"_s && letters.last() == u"Z.png"_s);

    for (const QFileInfo &file : files(u"Angles"_s)) {
        const QImage image(file.filePath());
        double sx = 0, sy = 0, sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const double a = image.pixelColor(x, y).alphaF();
                sx += a * x, sy += a * y, sum += a;
            }
        const bool right = sx / sum > image.width() / 2.0, bottom = sy / sum > image.height() / 2.0;
        const QString name = file.fileName();
        QVERIFY2(name.endsWith(QString(bottom ? u"bas"_s : u"haut"_s) + (right ? u" droit.png"_s : u" gauche.png"_s)),
                 qPrintable(name));
    }
    for (const QFileInfo &file : files(u"Images de fond"_s)) {
        const QSize size = QImage(file.filePath()).size();
        QVERIFY(size.width() >= 1000 && std::abs(double(size.width()) / size.height() / (85.0 / 54.0) - 1) <= 0.02);
    }
}

QTEST_MAIN(TestPictureLibrary)
#include "tst_picturelibrary.moc"
