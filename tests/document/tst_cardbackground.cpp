// The card background: default, gradient and picture kinds, the edge line,
// the import dialog, and the repaint from the stored description.
#include "FakeCardHost.h"
#include "TestSupport.h"
#include "document/frmProjet.h"
#include "imaging/ColorGradient.h"

#include <QFile>
#include <QPainter>
#include <QTest>

using TestSupport::pixel;

namespace {

constexpr int PixW = 318; // the default card, 4762.8 x 3061.8 twips
constexpr int PixH = 204;
const OleColor Red = Colors::rgb(255, 0, 0);
const OleColor Green = Colors::rgb(0, 255, 0);
const OleColor Blue = Colors::rgb(0, 0, 255);

} // namespace

class TestCardBackground : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void defaultIsWhiteWithEdgeLineAndKeepsTheGradient();
    void gradientOfEachKindFromTheSwatches();
    void pictureImportDialogAndStretch();
    void cancelledOrUnloadablePictureChangesNothing();
    void repaintRestoresEachKind();

private:
    // A picture of 40 x 10 pixels, red on the left half, blue on the right.
    QString writeHalves();
    long long countColor(OleColor color) const;
    // The light grey line through the card's outer pixels, and only there.
    void checkEdgeLine(const QString &what) const;

    std::unique_ptr<TestSupport::TempAppDir> m_dir;
    std::unique_ptr<FakeCardHost> m_host;
    std::unique_ptr<frmProjet> m_card;
};

void TestCardBackground::init()
{
    m_dir = std::make_unique<TestSupport::TempAppDir>();
    QVERIFY(m_dir->isValid());
    m_host = std::make_unique<FakeCardHost>();
    m_host->applicationDir = m_dir->path();
    m_host->swatches = {{0, Red}, {5, Green}, {10, Blue}};
    m_card = std::make_unique<frmProjet>(m_host.get());
    QCOMPARE(m_card->Picture1().image().size(), QSize(PixW, PixH));
}

void TestCardBackground::cleanup()
{
    m_card.reset();
    m_host.reset();
    m_dir.reset();
}

QString TestCardBackground::writeHalves()
{
    QImage image(40, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(20, 0, 20, 10, Qt::blue);
    const QString path = m_dir->filePath(QStringLiteral("fond.bmp"));
    return image.save(path) ? path : QString();
}

long long TestCardBackground::countColor(OleColor color) const
{
    const QImage &img = m_card->Picture1().image();
    long long n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += pixel(img, x, y) == color;
    return n;
}

void TestCardBackground::checkEdgeLine(const QString &what) const
{
    const QImage &img = m_card->Picture1().image();
    for (int y = 0; y < PixH; ++y) {
        for (int x = 0; x < PixW; ++x) {
            const bool edge = x == 0 || y == 0 || x == PixW - 1 || y == PixH - 1;
            QVERIFY2((pixel(img, x, y) == Colors::LightGrey) == edge, qPrintable(QStringLiteral("%1 at %2, %3").arg(what).arg(x).arg(y)));
        }
    }
    QVERIFY(m_card->Picture1().fillStyle() == PaintTarget::Transparent);
}

void TestCardBackground::defaultIsWhiteWithEdgeLineAndKeepsTheGradient()
{
    m_card->Tracer_Degrade(3);
    m_card->Fond_parDefaut();
    QCOMPARE(m_card->doc().NumFond, 0);
    checkEdgeLine(QStringLiteral("default"));
    QCOMPARE(countColor(Colors::White), qint64(PixW - 2) * (PixH - 2));
    // The gradient's colours and orientation stay for a later activation.
    QCOMPARE(QList<int>({m_card->doc().Color1, m_card->doc().Color2, m_card->doc().Color3, m_card->doc().NumOption}), QList<int>({Red, Green, Blue, 3}));

    // An orientation the painter does not know (9) leaves the background
    // and the edge line, and no "Nope" from the card.
    m_card->Tracer_Degrade(9);
    QCOMPARE(QList<int>({m_card->doc().NumFond, m_card->doc().NumOption}), QList<int>({1, 9}));
    checkEdgeLine(QStringLiteral("kind 9"));
    QCOMPARE(countColor(Colors::White), qint64(PixW - 2) * (PixH - 2));
    QVERIFY(m_host->scripted.messages.empty());
}

void TestCardBackground::gradientOfEachKindFromTheSwatches()
{
    frmProjet &card = *m_card;
    const QImage &img = card.Picture1().image();
    // Where stop 0 (red) lies for each kind, inside the edge line.
    const QPoint left(1, 102), right(PixW - 2, 102), top(159, 1), bottom(159, PixH - 2);
    const QPoint stop0[9] = {left, top, right, right, right, bottom, left, left, QPoint(159, 102)};
    for (int k = 0; k <= 8; ++k) {
        card.Tracer_Degrade(k);
        const QString what = QStringLiteral("kind %1").arg(k);
        const OleColor c = pixel(img, stop0[k].x(), stop0[k].y());
        QVERIFY2(Colors::red(c) > 240 && Colors::green(c) < 16 && Colors::blue(c) < 16, qPrintable(what));
        checkEdgeLine(what);
        QVERIFY2(countColor(Colors::White) == 0, qPrintable(what));
    }
    QCOMPARE(QList<int>({card.doc().NumFond, card.doc().NumOption, card.doc().Color1, card.doc().Color2, card.doc().Color3}), QList<int>({1, 8, Red, Green, Blue}));
    // New swatch colours are read at the next painting, exactly as a
    // painter with those stops ramps them: column 1 of kind 7 is at 1 / 318.
    m_host->swatches[0] = Blue;
    m_host->swatches[10] = Red;
    card.Tracer_Degrade(7);
    QCOMPARE(card.doc().Color1, Blue);
    ColorGradient ramp;
    ramp.SetColor(0, Blue);
    ramp.SetColor(5, Green);
    ramp.SetColor(10, Red);
    QCOMPARE(pixel(img, 1, 100), ramp.colorAt(float(1.0 / PixW * 100)));
    QCOMPARE(pixel(img, PixW / 2, 100), Green);
}

void TestCardBackground::pictureImportDialogAndStretch()
{
    const QString path = writeHalves();
    QVERIFY(!path.isEmpty());
    m_host->dialog.FileName = QStringLiteral("ancien.bmp");
    m_host->scripted.queueFile(path);
    m_card->Ajouter_UnFond();
    QCOMPARE(int(m_host->scripted.dialogs.size()), 1);
    QCOMPARE(m_host->scripted.dialogs.front().kind, Prompts::DialogKind::Open);
    const CommonDialog &d = m_host->scripted.dialogs.front().snapshot;
    QCOMPARE(d.FileName, QString());
    QCOMPARE(d.InitDir, m_dir->path() + QStringLiteral("/Images/Images de fond/"));
    QCOMPARE(d.DialogTitle, QStringLiteral("Importer une image de fond"));
    QCOMPARE(d.Filter, QStringLiteral("Bmp - Jpg - Gif - Wmf - Emf|*.bmp;*.jpg;*.gif;*.wmf;*.emf|Png - Svg|*.png;*.svg|"));
    QCOMPARE(QList<int>({d.FilterIndex, d.Flags, int(d.CancelError)}), QList<int>({1, 4, 1}));

    QCOMPARE(m_card->doc().NumFond, 2);
    QCOMPARE(m_card->doc().BackgroundPicture, path);
    // 40 x 10 stretched to 318 x 204, the halves meeting at column 159;
    // no edge line.
    const QImage &img = m_card->Picture1().image();
    for (const QPoint &p : {QPoint(0, 0), QPoint(0, PixH - 1), QPoint(150, 100)})
        QCOMPARE(pixel(img, p.x(), p.y()), Red);
    for (const QPoint &p : {QPoint(PixW - 1, 0), QPoint(PixW - 1, PixH - 1), QPoint(168, 100)})
        QCOMPARE(pixel(img, p.x(), p.y()), Blue);
    QCOMPARE(countColor(Colors::LightGrey) + countColor(Colors::White), 0LL);
    // The next import starts in the current picture's folder.
    m_host->scripted.queueCancel();
    m_card->Ajouter_UnFond();
    QCOMPARE(m_host->scripted.dialogs.back().snapshot.InitDir, m_dir->path());
}

void TestCardBackground::cancelledOrUnloadablePictureChangesNothing()
{
    frmProjet &card = *m_card;
    card.Tracer_Degrade(4);
    card.doc().BackgroundPicture = QStringLiteral("ancien.bmp");
    const QImage before = card.Picture1().image().copy();
    QVERIFY(m_dir->writeFile(QStringLiteral("texte.bmp"), "pas une image"));
    QVERIFY(m_dir->writeFile(QStringLiteral("dessin.wmf"), QByteArray(64, '\x01')));
    m_host->scripted.queueCancel();
    for (const char *name : {"texte.bmp", "dessin.wmf", "absent.jpg"})
        m_host->scripted.queueFile(m_dir->filePath(QString::fromLatin1(name)));
    m_host->scripted.queueFile(QString());
    for (int n = 0; n < 5; ++n)
        card.Ajouter_UnFond();
    QCOMPARE(m_host->scripted.pendingAnswers(), 0);
    QCOMPARE(QList<int>({card.doc().NumFond, card.doc().NumOption}), QList<int>({1, 4}));
    QCOMPARE(card.doc().BackgroundPicture, QStringLiteral("ancien.bmp"));
    QVERIFY(card.Picture1().image() == before);
    QVERIFY(m_host->scripted.messages.empty()); // failures are silent

    // A picture gone since it was imported: the repaint says so and leaves
    // the card blank with its path.
    const QString path = writeHalves();
    m_host->scripted.queueFile(path);
    card.Ajouter_UnFond();
    QVERIFY(QFile::remove(path));
    QVERIFY(!card.Reinitialiser());
    QCOMPARE(countColor(Colors::White), qint64(PixW) * PixH);
    QCOMPARE(card.doc().NumFond, 2);
    QCOMPARE(card.doc().BackgroundPicture, path);
}

void TestCardBackground::repaintRestoresEachKind()
{
    // Stripes over the card, as an image effect changes its pixels.
    const auto scribble = [this] {
        QImage &image = m_card->Picture1().image();
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 3)
                image.setPixel(x, y, qRgb(9, 99, 199));
        return image.copy();
    };
    const QString path = writeHalves();
    for (int kind = 0; kind <= 2; ++kind) {
        if (kind == 0) {
            m_card->Fond_parDefaut();
        } else if (kind == 1) {
            m_card->Tracer_Degrade(8);
        } else {
            m_host->scripted.queueFile(path);
            m_card->Ajouter_UnFond();
        }
        QCOMPARE(m_card->doc().NumFond, kind);
        const QImage painted = m_card->Picture1().image().copy();
        QVERIFY(scribble() != painted);
        QVERIFY(m_card->Reinitialiser());
        QVERIFY2(m_card->Picture1().image() == painted, qPrintable(QStringLiteral("kind %1").arg(kind)));
    }
    // An unknown kind repaints nothing.
    m_card->doc().NumFond = 5;
    const QImage scribbled = scribble();
    QVERIFY(m_card->Reinitialiser());
    QVERIFY(m_card->Picture1().image() == scribbled);
}

QTEST_MAIN(TestCardBackground)
#include "tst_cardbackground.moc"
