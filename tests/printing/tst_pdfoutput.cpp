// Print jobs written to PDF files, checked from the files themselves with
// poppler's tools: pages, paper, card positions, text, pictures.
#include "printing/PrintArtwork.h"
#include "printing/SheetJob.h"
#include "printing/SheetPrinter.h"

#include "document/CardDocument.h"

#include "PdfTools.h"
#include "TestSupport.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QtTest>

#include <set>

using namespace Qt::StringLiterals;

namespace {

constexpr OleColor Navy = 0x400000; // RGB 0, 0, 64

// A "Grand format" card in one dark colour, two labels and a big logo.
CardDocument testCard()
{
    CardDocument card;
    card.NumFond = 1;
    card.Color1 = card.Color2 = card.Color3 = Navy;
    CardLabel *name = card.Label(1);
    name->setCaption(u"Jeanne Duval"_s);
    name->setFontName(u"DejaVu Sans"_s);
    name->setFontSize(12);
    name->ForeColor = Colors::White;
    name->Left = 1500;
    name->Top = 600;
    CardLabel *phone = card.createLabel(2);
    phone->setCaption(u"Tél. 02 98 00 00 00"_s);
    phone->Left = 1500;
    phone->Top = 1600;
    phone->Visible = true;
    // 2000 x 2000 pixels shown 2 cm wide: far more than any quality needs.
    QImage logo(2000, 2000, QImage::Format_RGB32);
    logo.fill(Qt::yellow);
    CardLogo *picture = card.Logo(1);
    picture->setStretch(true);
    picture->setPicture(logo);
    picture->setSize(1134, 1134);
    picture->Left = 150;
    picture->Top = 150;
    return card;
}

SheetJob job(int sheets, int across = 2, int down = 4)
{
    SheetJob j;
    j.grid = {10, 15, 5, 5, across, down};
    j.sheets = sheets;
    return j;
}

SheetPrinter::Outcome printPdf(const SheetJob &j, const QString &path, const SheetPrinter::Progress &progress = {})
{
    return SheetPrinter::print(j, testCard(), QGuiApplication::palette(), {QString(), path}, u"Essai"_s, progress);
}

// Starts of the runs of non-white pixels along a row or a column, in
// millimetres at `pxPerMm`.
QList<double> runStarts(const QImage &page, int at, bool alongRow, double pxPerMm)
{
    QList<double> starts;
    bool inside = false;
    const int n = alongRow ? page.width() : page.height();
    for (int i = 0; i < n; ++i) {
        const QRgb c = alongRow ? page.pixel(i, at) : page.pixel(at, i);
        const bool ink = qRed(c) < 245 || qGreen(c) < 245 || qBlue(c) < 245;
        if (ink && !inside)
            starts.append(i / pxPerMm);
        inside = ink;
    }
    return starts;
}

void compareMm(const QList<double> &actual, const QList<double> &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i)
        QVERIFY2(qAbs(actual.at(i) - expected.at(i)) <= 0.1 + 1e-9,
                 qPrintable(u"%1 mm instead of %2 mm"_s.arg(actual.at(i)).arg(expected.at(i))));
}

} // namespace

class TestPdfOutput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesPositionsAndText();
    void picturesStoredOnceAtTheQualitysResolution();
    void paperOrientationAndColour();
    void extendedLineAndZoom();
    void cancelledOrUnwritableLeavesNoFile();
    void artworkResolution();

private:
    TestSupport::TempAppDir m_dir;
};

void TestPdfOutput::initTestCase()
{
    if (!PdfTools::available())
        QSKIP("poppler-utils (pdfinfo, pdftotext, pdfimages, pdftoppm) is not installed: run scripts/deps.sh");
}

void TestPdfOutput::pagesPositionsAndText()
{
    const QString path = m_dir.filePath(u"trois.pdf"_s);
    QCOMPARE(printPdf(job(3), path), SheetPrinter::Outcome::Done);
    QCOMPARE(PdfTools::pageCount(path), 3);
    const QSizeF a4 = PdfTools::pageSizeMm(path);
    QVERIFY(qAbs(a4.width() - 210) < 0.4 && qAbs(a4.height() - 297) < 0.4); // whole points

    // The printed card is 88.127 x 55.968 mm: columns at 10 and
    // round(10 + 88.127 + 5) = 103 mm, rows at 15, 76, 137 and 198 mm.
    const double pxPerMm = 10; // 254 dpi
    for (int page : {1, 3}) {
        const QImage image = PdfTools::render(path, page, 254);
        QCOMPARE(image.width(), 2100);
        compareMm(runStarts(image, 200, true, pxPerMm), {10, 103});
        compareMm(runStarts(image, 150, false, pxPerMm), {15, 76, 137, 198});
        // The grey cut-mark outline, then the card's own colour.
        const QRgb outline = image.pixel(101, 500);
        QVERIFY2(qAbs(qRed(outline) - 224) <= 12 && qAbs(qBlue(outline) - 224) <= 12, qPrintable(QString::number(outline, 16)));
        const QRgb inside = image.pixel(130, 500);
        QVERIFY(qRed(inside) < 20 && qBlue(inside) > 40 && qBlue(inside) < 90);
    }

    // Labels are text: eight cards of each on every page.
    const QString text = PdfTools::text(path);
    QCOMPARE(text.count(u"Jeanne Duval"_s), 24);
    QCOMPARE(text.count(u"Tél. 02 98 00 00 00"_s), 24);
}

void TestPdfOutput::picturesStoredOnceAtTheQualitysResolution()
{
    const QString path = m_dir.filePath(u"cent.pdf"_s);
    QCOMPARE(printPdf(job(100), path), SheetPrinter::Outcome::Done);
    QCOMPARE(PdfTools::pageCount(path), 100);
    // 800 copies draw two pictures, each stored once, losslessly: the
    // one-colour gradient at 600 dpi, and the 2-cm logo, printed 20.98 x
    // 20.73 mm (1134 twips x 88.127 / 4762.8 and x 55.968 / 3061.8), with
    // 496 x 490 of its 2000 x 2000 pixels.
    const QList<PdfTools::ImageUse> uses = PdfTools::images(path);
    QCOMPARE(uses.size(), 1600);
    std::set<int> objects;
    std::set<std::pair<int, int>> sizes;
    for (const PdfTools::ImageUse &use : uses) {
        objects.insert(use.object);
        sizes.insert({use.width, use.height});
        QVERIFY(use.encoding != u"jpeg"_s);
    }
    QCOMPARE(int(objects.size()), 2);
    QCOMPARE(sizes, (std::set<std::pair<int, int>>{{496, 490}, {1985, 1276}}));
    // Every sheet shows the first one's drawing: each further sheet costs
    // a page entry of less than 200 bytes, and the last looks like the
    // first.
    const QString one = m_dir.filePath(u"un.pdf"_s);
    QCOMPARE(printPdf(job(1), one), SheetPrinter::Outcome::Done);
    const qint64 perSheet = (QFileInfo(path).size() - QFileInfo(one).size()) / 99;
    QVERIFY2(perSheet < 200, qPrintable(QString::number(perSheet)));
    QCOMPARE(PdfTools::render(path, 100, 30), PdfTools::render(one, 1, 30));
    QCOMPARE(PdfTools::text(path).count(u"Jeanne Duval"_s), 800);
}

void TestPdfOutput::paperOrientationAndColour()
{
    SheetJob j = job(1, 1, 1);
    j.landscape = true;
    j.grayscale = true;
    j.quality = SheetJob::Draft;
    const QString path = m_dir.filePath(u"paysage.pdf"_s);
    QCOMPARE(printPdf(j, path), SheetPrinter::Outcome::Done);
    const QSizeF landscape = PdfTools::pageSizeMm(path);
    QVERIFY(qAbs(landscape.width() - 297) < 0.4 && qAbs(landscape.height() - 210) < 0.4);
    for (const PdfTools::ImageUse &use : PdfTools::images(path))
        QCOMPARE(use.color, u"gray"_s);
    const QImage page = PdfTools::render(path, 1, 50);
    const QRgb inside = page.pixel(40, 50);
    QCOMPARE(qRed(inside), qBlue(inside));

    // Code 256: the custom size in millimetres.
    j = job(1, 1, 1);
    j.paperCode = 256;
    j.customMm = QSizeF(120, 80);
    QCOMPARE(printPdf(j, path), SheetPrinter::Outcome::Done);
    const QSizeF custom = PdfTools::pageSizeMm(path);
    QVERIFY(qAbs(custom.width() - 120) < 0.4 && qAbs(custom.height() - 80) < 0.4);
}

void TestPdfOutput::extendedLineAndZoom()
{
    // An extended line draws the stock's 85 x 54 mm card at exact steps.
    SheetJob j = job(1, 2, 3);
    j.grid = {15, 13, 10, 0, 2, 3};
    j.cutMarks = false;
    j.stock = SheetFormat::Stock{850, 540};
    const QString path = m_dir.filePath(u"stock.pdf"_s);
    QCOMPARE(printPdf(j, path), SheetPrinter::Outcome::Done);
    QImage image = PdfTools::render(path, 1, 254);
    compareMm(runStarts(image, 300, true, 10), {15, 110});
    // Rows touch: one run from 13 to 13 + 3 x 54 mm.
    compareMm(runStarts(image, 200, false, 10), {13});
    QCOMPARE(qRed(image.pixel(200, 1745)), 0);
    QCOMPARE(qRed(image.pixel(200, 1760)), 255);

    // At 50 % the whole page shrinks about its corner.
    j = job(1);
    j.zoomPercent = 50;
    QCOMPARE(printPdf(j, path), SheetPrinter::Outcome::Done);
    image = PdfTools::render(path, 1, 254);
    compareMm(runStarts(image, 100, true, 10), {5, 51.5});
    compareMm(runStarts(image, 80, false, 10), {7.5, 38, 68.5, 99});
}

void TestPdfOutput::cancelledOrUnwritableLeavesNoFile()
{
    const QString path = m_dir.filePath(u"existant.pdf"_s);
    QVERIFY(TestSupport::writeBytes(path, "ancien contenu"));
    int calls = 0;
    const auto cancelAtThree = [&calls](int done, int total) {
        ++calls;
        return !(done == 3 && total == 10);
    };
    QCOMPARE(printPdf(job(10), path, cancelAtThree), SheetPrinter::Outcome::Cancelled);
    QCOMPARE(calls, 3);
    QCOMPARE(TestSupport::readBytes(path), QByteArray("ancien contenu"));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(u".part"_s), QStringList());

    QCOMPARE(printPdf(job(1), m_dir.filePath(u"absent/carte.pdf"_s)), SheetPrinter::Outcome::Unwritable);
    QCOMPARE(printPdf(job(1), m_dir.path()), SheetPrinter::Outcome::Unwritable);
    // A full disk cuts the file short: the old one stays.
    QVERIFY(TestSupport::underFileSizeLimit(20000, [&] {
        return printPdf(job(2), path) == SheetPrinter::Outcome::Unwritable;
    }));
    QCOMPARE(TestSupport::readBytes(path), QByteArray("ancien contenu"));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(u".part"_s), QStringList());
}

void TestPdfOutput::artworkResolution()
{
    // A picture background is drawn no finer than its own pixels, a plain
    // one no finer than the screen.
    CardDocument card;
    card.NumFond = 2;
    QCOMPARE(PrintArtwork::backgroundTwipsPerPixel(card, 600, QImage(1008, 640, QImage::Format_RGB32)), 4762.8 / 1008);
    card.NumFond = 0;
    QCOMPARE(PrintArtwork::backgroundTwipsPerPixel(card, 1200, {}), 15.0);

    // An unstretched 600 x 300 logo on a card printed 2 cm wide shows
    // 3.8 cm wide: at 150 dpi it keeps 224 x 111 pixels, stretched over
    // the same place.
    CardDocument big = testCard();
    QImage natural(600, 300, QImage::Format_RGB32);
    big.Logo(1)->setStretch(false);
    big.Logo(1)->setPicture(natural);
    const PrintArtwork artwork(big, 150, QSizeF(20, 12.7), QPalette());
    const CardLogo *logo = artwork.card().Logo(1);
    QVERIFY(logo->Stretch());
    QCOMPARE(QSizeF(logo->Width(), logo->Height()), QSizeF(9000, 4500));
    QCOMPARE(logo->Picture().size(), QSize(224, 111));
}

QTEST_MAIN(TestPdfOutput)
#include "tst_pdfoutput.moc"
