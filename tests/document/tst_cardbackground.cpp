// The card background: default, gradient and picture kinds, the edge line,
// the import dialog, and the repaint from the stored description.
#include "FakeCardHost.h"
#include "TestSupport.h"
#include "document/frmProjet.h"
#include "imaging/ColorGradient.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTest>

#include <memory>

using TestSupport::pixel;

namespace {

constexpr double CardW = 4762.8; // "Grand format": 318 x 204 pixels
constexpr double CardH = 3061.8;
constexpr int PixW = 318;
constexpr int PixH = 204;

const OleColor Red = Colors::rgb(255, 0, 0);
const OleColor Green = Colors::rgb(0, 255, 0);
const OleColor Blue = Colors::rgb(0, 0, 255);
const OleColor Grey = Colors::LightGrey;

const QString DialogTitle = QStringLiteral("Importer une image de fond");
const QString FilterText = QStringLiteral("Bmp - Jpg - Gif - Wmf - Emf|*.bmp;*.jpg;*.gif;*.wmf;*.emf|");

// A picture of 40 x 10 pixels: red on the left half, blue on the right.
QImage halves()
{
    QImage image(40, 10, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, 20, 10, QColor(255, 0, 0));
    p.fillRect(20, 0, 20, 10, QColor(0, 0, 255));
    return image;
}

// Stripes over the card, as an image effect changes its pixels.
void scribble(Surface &s)
{
    QImage &image = s.image();
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 3)
            image.setPixel(x, y, qRgb(9, 99, 199));
}

} // namespace

class TestCardBackground : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void defaultIsWhiteWithEdgeLine();
    void gradientFromSwatches();
    void everyOrientationKeepsTheEdgeLine();
    void orientationNineShowsOnlyBackgroundAndEdge();
    void pictureImportDialogAndStretch();
    void pngAndSvgPicturesAreAccepted();
    void cancelledOrUnloadablePictureChangesNothing();
    void repaintRestoresEachKind();
    void repaintOfAMissingPictureLeavesTheCardCleared();
    void defaultKeepsTheGradientForActivation();

private:
    QString writePicture(const QString &name, const QImage &image);
    long long countColor(OleColor color) const;
    void checkEdgeLine(const char *what) const;

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
    m_host->swatches[0] = Red;
    m_host->swatches[5] = Green;
    m_host->swatches[10] = Blue;
    m_card = std::make_unique<frmProjet>(m_host.get());
    m_card->setCardSize(CardW, CardH);
    QCOMPARE(m_card->Picture1().pixelWidth(), PixW);
    QCOMPARE(m_card->Picture1().pixelHeight(), PixH);
}

void TestCardBackground::cleanup()
{
    m_card.reset();
    m_host.reset();
    m_dir.reset();
}

QString TestCardBackground::writePicture(const QString &name, const QImage &image)
{
    const QString path = m_dir->filePath(name);
    if (!image.save(path))
        return {};
    return path;
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

void TestCardBackground::checkEdgeLine(const char *what) const
{
    const QImage &img = m_card->Picture1().image();
    for (int x = 0; x < PixW; ++x) {
        QVERIFY2(pixel(img, x, 0) == Grey && pixel(img, x, PixH - 1) == Grey, what);
        QVERIFY2(pixel(img, x, 1) != Grey || x == 0 || x == PixW - 1, what);
    }
    for (int y = 0; y < PixH; ++y) {
        QVERIFY2(pixel(img, 0, y) == Grey && pixel(img, PixW - 1, y) == Grey, what);
        QVERIFY2(pixel(img, PixW - 2, y) != Grey || y == 0 || y == PixH - 1, what);
    }
}

void TestCardBackground::defaultIsWhiteWithEdgeLine()
{
    frmProjet &card = *m_card;
    card.Picture1().setBackColor(Red);
    card.Picture1().cls();
    card.NumFond = 1;
    card.Fond_parDefaut();
    QCOMPARE(card.NumFond, 0);
    QCOMPARE(card.Picture1().backColor(), Colors::White);
    QCOMPARE(card.Picture1().fillStyle(), PaintTarget::Transparent);
    checkEdgeLine("default");
    const long long edge = 2 * PixW + 2 * PixH - 4;
    QCOMPARE(countColor(Grey), edge);
    QCOMPARE(countColor(Colors::White), qint64(PixW) * PixH - edge);
}

void TestCardBackground::gradientFromSwatches()
{
    frmProjet &card = *m_card;
    card.Tracer_Degrade(7); // stop 0 on the left
    QCOMPARE(card.NumFond, 1);
    QCOMPARE(card.NumOption, 7);
    QCOMPARE(card.Color1, Red);
    QCOMPARE(card.Color2, Green);
    QCOMPARE(card.Color3, Blue);
    // The shared painter took the three swatches as stops 0, 5 and 10.
    QCOMPARE(ColorGradient::shared().GetColor(0), Red);
    QCOMPARE(ColorGradient::shared().GetColor(5), Green);
    QCOMPARE(ColorGradient::shared().GetColor(10), Blue);
    const QImage &img = card.Picture1().image();
    QCOMPARE(pixel(img, 1, 100), ColorGradient::shared().colorAt(float(1.0 / PixW * 100)));
    QCOMPARE(pixel(img, PixW / 2, 100), Green);
    checkEdgeLine("kind 7");

    // New swatch colours are read at the next painting.
    m_host->swatches[0] = Blue;
    m_host->swatches[10] = Red;
    card.Tracer_Degrade(1); // stop 0 at the top
    QCOMPARE(card.Color1, Blue);
    QCOMPARE(card.Color3, Red);
    QCOMPARE(pixel(img, 100, 1), ColorGradient::shared().colorAt(float(1.0 / PixH * 100)));
    QVERIFY(Colors::red(pixel(img, 100, PixH - 2)) > 240);
}

void TestCardBackground::everyOrientationKeepsTheEdgeLine()
{
    for (int k = 0; k <= 8; ++k) {
        m_card->Tracer_Degrade(k);
        const QByteArray what = QByteArray("kind ") + QByteArray::number(k);
        checkEdgeLine(what.constData());
        QCOMPARE(m_card->Picture1().fillStyle(), PaintTarget::Transparent);
        QCOMPARE(countColor(Colors::White), 0LL);
    }
}

void TestCardBackground::orientationNineShowsOnlyBackgroundAndEdge()
{
    frmProjet &card = *m_card;
    card.Tracer_Degrade(3);
    for (int k : {9, -1}) {
        card.Tracer_Degrade(k);
        QCOMPARE(card.NumFond, 1);
        QCOMPARE(card.NumOption, k);
        QCOMPARE(card.Color2, Green);
        const long long edge = 2 * PixW + 2 * PixH - 4;
        QCOMPARE(countColor(Grey), edge);
        QCOMPARE(countColor(Colors::White), qint64(PixW) * PixH - edge);
    }
    QVERIFY(m_host->scripted.messages.empty()); // no "Nope" from the card
}

void TestCardBackground::pictureImportDialogAndStretch()
{
    frmProjet &card = *m_card;
    const QString path = writePicture(QStringLiteral("fond.bmp"), halves());
    QVERIFY(!path.isEmpty());
    m_host->dialog.FileName = QStringLiteral("ancien.bmp");
    m_host->scripted.queueFile(path);
    card.Ajouter_UnFond();

    QCOMPARE(int(m_host->scripted.dialogs.size()), 1);
    const auto &call = m_host->scripted.dialogs.front();
    QCOMPARE(call.kind, Prompts::DialogKind::Open);
    const CommonDialog &d = call.snapshot;
    QCOMPARE(d.FileName, QString());
    QCOMPARE(d.InitDir, m_dir->path() + QStringLiteral("/Images/Images de fond/"));
    QCOMPARE(d.DialogTitle, DialogTitle);
    QVERIFY(d.Filter.startsWith(FilterText));
    QVERIFY(d.Filter.contains(QStringLiteral("*.png")) && d.Filter.contains(QStringLiteral("*.svg")));
    QCOMPARE(d.FilterIndex, 1);
    QCOMPARE(d.Flags, 4);
    QVERIFY(d.CancelError);

    QCOMPARE(card.NumFond, 2);
    QCOMPARE(card.Picture1().tag, path);
    QVERIFY(card.PictS().image().isNull()); // emptied after use
    // 40 x 10 stretched to 318 x 204: the halves meet at column 159, and no
    // edge line is drawn.
    const QImage &img = card.Picture1().image();
    for (const QPoint &p : {QPoint(0, 0), QPoint(0, PixH - 1), QPoint(150, 100), QPoint(0, 100)})
        QCOMPARE(pixel(img, p.x(), p.y()), Red);
    for (const QPoint &p : {QPoint(PixW - 1, PixH - 1), QPoint(PixW - 1, 0), QPoint(168, 100), QPoint(PixW - 1, 100)})
        QCOMPARE(pixel(img, p.x(), p.y()), Blue);
    QCOMPARE(countColor(Grey), 0LL);
    QCOMPARE(countColor(Colors::White), 0LL);

    // The next import starts in the current picture's folder.
    m_host->scripted.queueCancel();
    card.Ajouter_UnFond();
    QCOMPARE(m_host->scripted.dialogs.back().snapshot.InitDir, m_dir->path());
}

void TestCardBackground::pngAndSvgPicturesAreAccepted()
{
    frmProjet &card = *m_card;
    QImage green(8, 8, QImage::Format_ARGB32);
    green.fill(QColor(0, 255, 0));
    const QString png = writePicture(QStringLiteral("vert.png"), green);
    m_host->scripted.queueFile(png);
    card.Ajouter_UnFond();
    QCOMPARE(card.NumFond, 2);
    QCOMPARE(countColor(Green), qint64(PixW) * PixH);

    if (!QImageReader::supportedImageFormats().contains("svg"))
        QSKIP("No SVG image plugin installed");
    const QString svg = m_dir->filePath(QStringLiteral("bleu.svg"));
    QVERIFY(m_dir->writeFile(QStringLiteral("bleu.svg"),
                             "<svg xmlns='http://www.w3.org/2000/svg' width='30' height='20'>"
                             "<rect width='30' height='20' fill='#0000ff'/></svg>"));
    m_host->scripted.queueFile(svg);
    card.Ajouter_UnFond();
    QCOMPARE(card.Picture1().tag, svg);
    QCOMPARE(countColor(Blue), qint64(PixW) * PixH);
}

void TestCardBackground::cancelledOrUnloadablePictureChangesNothing()
{
    frmProjet &card = *m_card;
    card.Tracer_Degrade(4);
    card.Picture1().tag = QStringLiteral("ancien.bmp");
    const QImage before = card.Picture1().image().copy();

    QVERIFY(m_dir->writeFile(QStringLiteral("texte.bmp"), "pas une image"));
    QVERIFY(m_dir->writeFile(QStringLiteral("dessin.wmf"), QByteArray(64, '\x01')));
    m_host->scripted.queueCancel();
    m_host->scripted.queueFile(m_dir->filePath(QStringLiteral("texte.bmp")));
    m_host->scripted.queueFile(m_dir->filePath(QStringLiteral("dessin.wmf")));
    m_host->scripted.queueFile(m_dir->filePath(QStringLiteral("absent.jpg")));
    m_host->scripted.queueFile(QString());
    for (int n = 0; n < 5; ++n) {
        card.Ajouter_UnFond();
        QCOMPARE(card.NumFond, 1);
        QCOMPARE(card.NumOption, 4);
        QCOMPARE(card.Picture1().tag, QStringLiteral("ancien.bmp"));
        QVERIFY(card.Picture1().image() == before);
        QVERIFY(card.PictS().image().isNull());
    }
    QCOMPARE(m_host->scripted.pendingAnswers(), 0);
    QVERIFY(m_host->scripted.messages.empty()); // failures are silent
}

void TestCardBackground::repaintRestoresEachKind()
{
    frmProjet &card = *m_card;
    const QString path = writePicture(QStringLiteral("fond.bmp"), halves());
    for (int kind = 0; kind <= 2; ++kind) {
        if (kind == 0) {
            card.Fond_parDefaut();
        } else if (kind == 1) {
            card.Tracer_Degrade(8);
        } else {
            m_host->scripted.queueFile(path);
            card.Ajouter_UnFond();
        }
        QCOMPARE(card.NumFond, kind);
        const QImage painted = card.Picture1().image().copy();
        scribble(card.Picture1());
        QVERIFY(card.Picture1().image() != painted);
        QVERIFY(card.Reinitialiser());
        QVERIFY2(card.Picture1().image() == painted, qPrintable(QStringLiteral("kind %1").arg(kind)));
        QCOMPARE(card.NumFond, kind);
    }
    // An unknown kind repaints nothing.
    card.NumFond = 5;
    scribble(card.Picture1());
    const QImage scribbled = card.Picture1().image().copy();
    QVERIFY(card.Reinitialiser());
    QVERIFY(card.Picture1().image() == scribbled);
}

void TestCardBackground::repaintOfAMissingPictureLeavesTheCardCleared()
{
    frmProjet &card = *m_card;
    const QString path = writePicture(QStringLiteral("fond.bmp"), halves());
    m_host->scripted.queueFile(path);
    card.Ajouter_UnFond();
    QCOMPARE(card.NumFond, 2);
    QVERIFY(QFile::remove(path));
    QVERIFY(!card.Reinitialiser());
    QCOMPARE(countColor(Colors::White), qint64(PixW) * PixH);
    QCOMPARE(card.NumFond, 2);
    QCOMPARE(card.Picture1().tag, path);
}

void TestCardBackground::defaultKeepsTheGradientForActivation()
{
    frmProjet &card = *m_card;
    card.Tracer_Degrade(3);
    card.Fond_parDefaut();
    QCOMPARE(card.NumFond, 0);
    QCOMPARE(card.Color1, Red);
    QCOMPARE(card.Color2, Green);
    QCOMPARE(card.Color3, Blue);
    QCOMPARE(card.NumOption, 3);

    // Another card changed the shared painter meanwhile; activation hands
    // this card's colours back to it and to the frame.
    ColorGradient::shared().SetColor(0, Colors::White);
    ColorGradient::shared().SetColor(5, Colors::Black);
    m_host->swatches.clear();
    m_host->optionClicks.clear();
    card.activate();
    QCOMPARE(m_host->swatches.value(0), Red);
    QCOMPARE(m_host->swatches.value(5), Green);
    QCOMPARE(m_host->swatches.value(10), Blue);
    QCOMPARE(ColorGradient::shared().GetColor(0), Red);
    QCOMPARE(ColorGradient::shared().GetColor(5), Green);
    QCOMPARE(ColorGradient::shared().GetColor(10), Blue);
    QCOMPARE(m_host->optionClicks, std::vector<int>{3});
}

QTEST_MAIN(TestCardBackground)
#include "tst_cardbackground.moc"
