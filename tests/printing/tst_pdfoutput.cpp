// Print jobs written to PDF files, checked from the files themselves with
// poppler's tools: pages, paper, card positions, text, pictures.
#include "printing/PrintArtwork.h"
#include "printing/ShopPdf.h"
#include "printing/SheetCards.h"
#include "printing/SheetJob.h"
#include "printing/SheetPrinter.h"

#include "document/CardData.h"

#include "platform/PictureReader.h"

#include "Metafiles.h"
#include "CodeReader.h"
#include "PdfTools.h"
#include "TestSupport.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QtTest>

#include <set>

using namespace Qt::StringLiterals;

namespace {

constexpr OleColor Navy = 0x400000; // RGB 0, 0, 64

// A "Grand format" card in one dark colour, two labels and a big logo.
CardData testCard()
{
    CardData card;
    card.NumFond = 1;
    card.Color1 = card.Color2 = card.Color3 = Navy;
    CardLabel *name = card.Label(1);
    name->setCaption(u"Jeanne Duval"_s);
    name->setFontName(u"DejaVu Sans"_s);
    name->setFontSize(12);
    name->ForeColor = Colors::White;
    name->Left = 1500;
    name->Top = 600;
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

// Page sizes come in whole points.
bool near(QSizeF a, QSizeF b)
{
    return qAbs(a.width() - b.width()) < 0.4 && qAbs(a.height() - b.height()) < 0.4;
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
    void cancelledOrUnwritableLeavesNoFile();
    void artworkResolution();
    void mergedCardsFillSheetsRowByRow();
    void shapesFilledFromRecords();
    void printShopPdf();

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
    QVERIFY(PdfTools::pageCount(path) == 3 && near(PdfTools::pageSizeMm(path), QSizeF(210, 297)));

    const double pxPerMm = 10; // 254 dpi
    for (int page : {1, 3}) {
        const QImage image = PdfTools::render(path, page, 254);
        QCOMPARE(image.width(), 2100);
        compareMm(runStarts(image, 200, true, pxPerMm), {10, 103});
        compareMm(runStarts(image, 150, false, pxPerMm), {15, 76, 137, 198});
        const QRgb outline = image.pixel(101, 500), inside = image.pixel(130, 500); // the grey cut mark, the card
        QVERIFY(qAbs(qRed(outline) - 224) <= 12 && qAbs(qBlue(outline) - 224) <= 12 && qRed(inside) < 20 && qBlue(inside) > 40);
    }

    QCOMPARE(PdfTools::text(path).count(u"Jeanne Duval"_s), 24);
}

void TestPdfOutput::picturesStoredOnceAtTheQualitysResolution()
{
    const QString path = m_dir.filePath(u"cent.pdf"_s);
    QCOMPARE(printPdf(job(100), path), SheetPrinter::Outcome::Done);
    const QList<PdfTools::ImageUse> uses = PdfTools::images(path);
    QVERIFY(PdfTools::pageCount(path) == 100 && uses.size() == 1600);
    std::set<int> objects;
    std::set<std::pair<int, int>> sizes;
    for (const PdfTools::ImageUse &use : uses) {
        objects.insert(use.object);
        sizes.insert({use.width, use.height});
        QVERIFY(use.encoding != u"jpeg"_s);
    }
    QCOMPARE(int(objects.size()), 2);
    QCOMPARE(sizes, (std::set<std::pair<int, int>>{{496, 490}, {1985, 1276}}));
    // A further sheet is one page entry of a compressed object stream; the last page looks as the sheet drawn.
    const QString one = m_dir.filePath(u"un.pdf"_s), two = m_dir.filePath(u"deux.pdf"_s);
    QVERIFY(printPdf(job(1), one) == SheetPrinter::Outcome::Done && printPdf(job(2), two) == SheetPrinter::Outcome::Done);
    const qint64 perSheet = (QFileInfo(path).size() - QFileInfo(two).size()) / 98;
    QVERIFY2(perSheet < 20, qPrintable(QString::number(perSheet)));
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
    QVERIFY(near(PdfTools::pageSizeMm(path), QSizeF(297, 210)));
    for (const PdfTools::ImageUse &use : PdfTools::images(path))
        QCOMPARE(use.color, u"gray"_s);

    j = job(1, 1, 1);
    j.paperCode = 256;
    j.customMm = QSizeF(120, 80);
    QVERIFY(printPdf(j, path) == SheetPrinter::Outcome::Done && near(PdfTools::pageSizeMm(path), QSizeF(120, 80)));
}

void TestPdfOutput::cancelledOrUnwritableLeavesNoFile()
{
    const QString path = m_dir.filePath(u"existant.pdf"_s);
    QVERIFY(TestSupport::writeBytes(path, "ancien contenu"));
    // A job's file left by a crash a day ago goes with the next job in its folder; a recent one may be a job under way.
    const QString stale = m_dir.filePath(u".vieux.pdf.brivadune-a1b2c3.part"_s);
    const QString recent = m_dir.filePath(u".autre.pdf.brivadune-d4e5f6.part"_s);
    QVERIFY(TestSupport::writeBytes(stale, "x") && TestSupport::writeBytes(recent, "x"));
    QCOMPARE(QProcess::execute(u"touch"_s, {u"-d"_s, u"25 hours ago"_s, stale}), 0);
    QCOMPARE(printPdf(job(1), m_dir.filePath(u"neuf.pdf"_s)), SheetPrinter::Outcome::Done);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(u".part"_s),
             QStringList{QFileInfo(recent).fileName()});
    QVERIFY(QFile::remove(recent));
    int calls = 0;
    const auto cancelAtThree = [&calls](int done, int total) {
        ++calls;
        return !(done == 3 && total == 10);
    };
    QVERIFY(printPdf(job(10), path, cancelAtThree) == SheetPrinter::Outcome::Cancelled && calls == 3);
    QCOMPARE(TestSupport::readBytes(path), QByteArray("ancien contenu"));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(u".part"_s), QStringList());

    QCOMPARE(printPdf(job(1), m_dir.path()), SheetPrinter::Outcome::Unwritable);
    // The sheet drawn fits, its copies do not.
    const qint64 oneSheet = QFileInfo(m_dir.filePath(u"neuf.pdf"_s)).size();
    for (const auto &[limit, sheets] : {std::pair<qint64, int>{4000, 2}, {oneSheet + 4000, 1000}})
        QVERIFY(TestSupport::underFileSizeLimit(limit, [&, sheets = sheets] {
            return printPdf(job(sheets), path) == SheetPrinter::Outcome::Unwritable;
        }));
    QCOMPARE(TestSupport::readBytes(path), QByteArray("ancien contenu"));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(u".part"_s), QStringList());
}

void TestPdfOutput::artworkResolution()
{
    CardData big = testCard();
    big.Logo(1)->setStretch(false);
    big.Logo(1)->setPicture(QImage(600, 300, QImage::Format_RGB32));
    const PrintArtwork artwork(big, 150, QSizeF(20, 12.7), QPalette());
    const CardLogo *logo = artwork.card().Logo(1);
    QVERIFY(logo->Stretch() && QSizeF(logo->Width(), logo->Height()) == QSizeF(9000, 4500));
    QCOMPARE(logo->Picture().size(), QSize(224, 111));
    CardData card;
    card.BackgroundPicture = m_dir.filePath(u"fond.png"_s);
    QVERIFY(QImage(1008, 640, QImage::Format_RGB32).save(card.BackgroundPicture));
    card.NumFond = 2;
    QCOMPARE(PrintArtwork(card, 600, {}, QPalette()).background().width(), 1008);
    card.NumFond = 0;
    QCOMPARE(PrintArtwork(card, 1200, {}, QPalette()).background().width(), 318);
}

void TestPdfOutput::mergedCardsFillSheetsRowByRow()
{
    // Five records, two copies each, eight places a sheet: two sheets, the
    // second with one row of cards and blank places after it.
    const QStringList names{u"Ana"_s, u"Bob"_s, u"Cyr"_s, u"Dan"_s, u"Eve"_s};
    SheetCards cards{10, {u"Nom"_s}, [&](int n) { return QStringList{names.value(n / 2)}; }};
    CardData card = testCard();
    card.Label(1)->setCaption(u"M. {nom}"_s);
    const QString path = m_dir.filePath(u"fusion.pdf"_s);
    QCOMPARE(SheetPrinter::print(job(1), card, QGuiApplication::palette(), {QString(), path}, u"Essai"_s, {}, nullptr,
                                 &cards),
             SheetPrinter::Outcome::Done);
    QCOMPARE(PdfTools::pageCount(path), 2);
    const auto pageText = [&](int page) {
        return PdfTools::run(u"pdftotext"_s, {u"-f"_s, QString::number(page), u"-l"_s, QString::number(page), path, u"-"_s});
    };
    const QString first = pageText(1), second = pageText(2);
    for (int i = 0; i < 4; ++i)
        QVERIFY2(first.count(u"M. "_s + names[i]) == 2, qPrintable(first));
    QVERIFY(second.count(u"M. Eve"_s) == 2 && !first.contains(u"Eve"_s) && !(first + second).contains(u'{'));
    // The last sheet: its top row holds the cards, the rest is paper.
    const QImage image = PdfTools::render(path, 2, 254);
    for (const QPoint at : {QPoint(130, 500), QPoint(1060, 500)})
        QVERIFY(qBlue(image.pixel(at)) > 40 && qRed(image.pixel(at)) < 20);
    for (const QPoint at : {QPoint(130, 1110), QPoint(1060, 1110), QPoint(1060, 2330)})
        QCOMPARE(image.pixel(at), qRgb(255, 255, 255));
    // The pictures are stored once for every card of every sheet.
    std::set<int> objects;
    for (const PdfTools::ImageUse &use : PdfTools::images(path))
        objects.insert(use.object);
    QCOMPARE(int(objects.size()), 2);
}

void TestPdfOutput::shapesFilledFromRecords()
{
    if (!CodeReader::available())
        QSKIP("zbarimg (zbar-tools) and dmtxread (dmtx-utils) are needed: run scripts/deps.sh");
    // A blue EMF background, a red WMF logo and a contact QR code filled from three records, a value with a comma
    // among them.
    Metafiles::useBuiltHelper();
    CardData card;
    card.Label(1)->Visible = false;
    card.NumFond = 2;
    card.BackgroundPicture = m_dir.filePath(u"fond.emf"_s);
    const QString logoPath = m_dir.filePath(u"logo.wmf"_s);
    QVERIFY(TestSupport::writeBytes(card.BackgroundPicture, Metafiles::emf(Qt::blue, 400, 200, {40, 20}))
            && TestSupport::writeBytes(logoPath, Metafiles::wmf(Qt::red, 2000, 1000)));
    CardLogo *logo = card.Logo(1);
    logo->setPicture(PictureReader::read(logoPath));
    logo->setStretch(true);
    logo->setSize(1134, 1134);
    logo->Left = logo->Top = 150;
    CardCode *code = card.createCode(1);
    code->content = u"BEGIN:VCARD\nVERSION:3.0\nN:{Nom};;;;\nFN:{Nom}\nEND:VCARD"_s;
    code->Left = 1500;
    code->Top = 400;
    code->Width = code->Height = 1800;
    code->BackColor = Colors::White;
    code->Visible = true;
    const QStringList names{u"Anaïs"_s, u"Dupont, Fils"_s, u"Zoé"_s};
    SheetCards cards{3, {u"Nom"_s}, [&](int n) { return QStringList{names.value(n)}; }};
    const QString path = m_dir.filePath(u"formes.pdf"_s);
    QCOMPARE(SheetPrinter::print(job(1), card, QGuiApplication::palette(), {QString(), path}, u"Essai"_s, {}, nullptr,
                                 &cards),
             SheetPrinter::Outcome::Done);
    // Only the backgrounds are pictures, at the printer's resolution; the logo and the codes are shapes, each code
    // reading back its record.
    const QList<PdfTools::ImageUse> uses = PdfTools::images(path);
    QCOMPARE(uses.size(), 3);
    for (const PdfTools::ImageUse &use : uses)
        QCOMPARE(QSize(use.width, use.height), QSize(1985, 1276));
    const QImage page = PdfTools::render(path, 1, 300);
    const double pxPerMm = 300 / 25.4;
    const auto colour = [&](double xMm, double yMm) { return page.pixel(QPointF(xMm * pxPerMm, yMm * pxPerMm).toPoint()); };
    QVERIFY(qRed(colour(22, 27)) > 230 && qBlue(colour(22, 27)) < 30);  // the first card's logo
    QVERIFY(qBlue(colour(20, 60)) > 230 && qRed(colour(20, 60)) < 30);  // its background
    const QString escaped[] = {u"Anaïs"_s, u"Dupont\\, Fils"_s, u"Zoé"_s};
    for (int n = 0; n < 3; ++n) {
        const QRectF place(10 + (n % 2) * 93, 15 + (n / 2) * 61, 93, 61);
        const QImage one = page.copy(QRectF(place.topLeft() * pxPerMm, place.size() * pxPerMm).toRect());
        QCOMPARE(CodeReader::read(one), u"BEGIN:VCARD\nVERSION:3.0\nN:%1;;;;\nFN:%1\nEND:VCARD"_s.arg(escaped[n]));
    }
}

void TestPdfOutput::printShopPdf()
{
    // The card alone at its design size (84 x 54 mm), 3 mm of bleed and 6 mm for the crop marks on every side.
    const QString path = m_dir.filePath(u"imprimeur.pdf"_s);
    QString error;
    QVERIFY(ShopPdf::write(testCard(), path, {3, true}, QGuiApplication::palette(), u"Essai"_s, error));
    const QString boxes = PdfTools::run(u"pdfinfo"_s, {u"-box"_s, path});
    const auto box = [&boxes](const QString &name) {
        const QRegularExpression numbers(name + uR"(:\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+))"_s);
        const QRegularExpressionMatch m = numbers.match(boxes);
        QList<int> mm;
        for (int i = 1; i <= 4; ++i)
            mm.append(qRound(m.captured(i).toDouble() * 25.4 / 72));
        return mm;
    };
    QCOMPARE(box(u"MediaBox"_s), (QList<int>{0, 0, 102, 72}));
    QCOMPARE(box(u"BleedBox"_s), (QList<int>{6, 6, 96, 66}));
    QCOMPARE(box(u"TrimBox"_s), (QList<int>{9, 9, 93, 63}));
    QCOMPARE(PdfTools::text(path).count(u"Jeanne Duval"_s), 1);
    // The background goes on over the bleed; the marks lie beyond it, on the card's edges, and the margin is paper.
    const QImage page = PdfTools::render(path, 1, 254); // 10 pixels a millimetre
    const auto navy = [](QRgb c) { return qRed(c) < 20 && qBlue(c) > 40; };
    QVERIFY(navy(page.pixel(70, 300)) && navy(page.pixel(300, 65)) && navy(page.pixel(950, 650)));
    QCOMPARE(page.pixel(30, 300), qRgb(255, 255, 255));
    for (const QPoint mark : {QPoint(90, 30), QPoint(30, 90), QPoint(930, 690), QPoint(990, 630)})
        QVERIFY2(qGray(page.pixel(mark)) < 200, qPrintable(u"%1,%2"_s.arg(mark.x()).arg(mark.y())));
    // Without bleed nor marks the page is the card.
    QVERIFY(ShopPdf::write(testCard(), path, {0, false}, QGuiApplication::palette(), u"Essai"_s, error));
    QCOMPARE(PdfTools::pageSizeMm(path).toSize(), QSize(84, 54));
}

QTEST_MAIN(TestPdfOutput)
#include "tst_pdfoutput.moc"
