#include "ShopPdf.h"

#include "PdfBoxes.h"
#include "PrintArtwork.h"
#include "document/CardRenderer.h"
#include "platform/AtomicFile.h"
#include "platform/OutputFile.h"
#include "platform/Units.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

namespace ShopPdf {

namespace {

constexpr double Dpi = 1200;
constexpr double MmPerInch = 25.4;
constexpr double PointsPerMm = 72.0 / MmPerInch;
// Crop marks: hairlines from 1 mm beyond the bleed, 4 mm long.
constexpr double MarkGapMm = 1;
constexpr double MarkLengthMm = 4;
constexpr double MarkWidthPt = 0.25;

double bleedOf(const Options &options)
{
    return std::clamp(options.bleedMm, 0.0, MaxBleedMm);
}

double marginOf(const Options &options)
{
    return bleedOf(options) + (options.cropMarks ? MarksMarginMm : 0.0);
}

// The card grown by the bleed on every side, its items moved with it: its
// background, painted over the larger size, goes on past the card's edges.
CardData withBleed(const CardData &card, double bleedTwips)
{
    CardData grown = card;
    grown.setSize(card.width() + 2 * bleedTwips, card.height() + 2 * bleedTwips);
    const auto shift = [bleedTwips](auto *item) {
        if (item) {
            item->Left = float(item->Left + bleedTwips);
            item->Top = float(item->Top + bleedTwips);
        }
    };
    for (int n = 1; n <= grown.labelCount(); ++n)
        shift(grown.Label(n));
    for (int n = 1; n <= grown.logoCount(); ++n)
        shift(grown.Logo(n));
    for (int n = 1; n <= grown.codeCount(); ++n)
        shift(grown.Code(n));
    return grown;
}

void drawCropMarks(QPainter &painter, const QRectF &trimPx, double pxPerMm, double bleedMm)
{
    painter.save();
    painter.setPen(QPen(Qt::black, MarkWidthPt / 72.0 * Dpi));
    const double start = (bleedMm + MarkGapMm) * pxPerMm;
    const double end = start + MarkLengthMm * pxPerMm;
    for (const QPointF corner : {trimPx.topLeft(), trimPx.topRight(), trimPx.bottomLeft(), trimPx.bottomRight()}) {
        const double dx = corner.x() == trimPx.left() ? -1 : 1;
        const double dy = corner.y() == trimPx.top() ? -1 : 1;
        painter.drawLine(QPointF(corner.x() + dx * start, corner.y()), QPointF(corner.x() + dx * end, corner.y()));
        painter.drawLine(QPointF(corner.x(), corner.y() + dy * start), QPointF(corner.x(), corner.y() + dy * end));
    }
    painter.restore();
}

PdfBoxes::Rect points(const QRectF &mm)
{
    return {mm.left() * PointsPerMm, mm.top() * PointsPerMm, mm.right() * PointsPerMm, mm.bottom() * PointsPerMm};
}

} // namespace

QSizeF pageMm(const CardData &card, const Options &options)
{
    const double margin = 2 * marginOf(options);
    return {card.width() / Units::TwipsPerMm + margin, card.height() / Units::TwipsPerMm + margin};
}

QRectF trimMm(const CardData &card, const Options &options)
{
    const double margin = marginOf(options);
    return {margin, margin, card.width() / Units::TwipsPerMm, card.height() / Units::TwipsPerMm};
}

bool write(const CardData &card, const QString &path, const Options &options, const QPalette &palette,
           const QString &title, QString &error)
{
    error = OutputFile::refusal(path);
    if (!error.isEmpty())
        return false;
    const QString unwritten = QStringLiteral("Le fichier PDF n'a pas pu être enregistré : ") + path;
    const QString target = OutputFile::target(path);
    const QString folder = QFileInfo(target).absolutePath();
    AtomicFile::removeStaleCopies(folder);
    // Drawn, then given its boxes, in files of their own beside the PDF:
    // putting it in place is one rename, and a failure leaves nothing.
    const QString spoolName = folder + QStringLiteral("/.") + QFileInfo(target).fileName() + QStringLiteral(".brivadune-XXXXXX.part");
    QTemporaryFile drawn(spoolName), boxed(spoolName);
    if (!drawn.open() || !boxed.open()) {
        error = unwritten;
        return false;
    }
    drawn.close();
    boxed.close();

    const double bleed = bleedOf(options);
    const QSizeF page = pageMm(card, options);
    const QRectF trim = trimMm(card, options);
    const QRectF bleedBox = trim.adjusted(-bleed, -bleed, bleed, bleed);
    const CardData grown = withBleed(card, bleed * Units::TwipsPerMm);
    const PrintArtwork artwork(grown, Dpi, bleedBox.size(), palette);
    {
        QPdfWriter writer(drawn.fileName());
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Brivadune"));
        writer.setResolution(int(Dpi));
        writer.setPageSize(QPageSize(page, QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer)) {
            error = unwritten;
            return false;
        }
        const double pxPerMm = Dpi / MmPerInch;
        const QRectF bleedPx(bleedBox.topLeft() * pxPerMm, bleedBox.size() * pxPerMm);
        CardRenderer::paint(painter, artwork.card(), bleedPx, artwork.background(), palette);
        if (options.cropMarks)
            drawCropMarks(painter, QRectF(trim.topLeft() * pxPerMm, trim.size() * pxPerMm), pxPerMm, bleed);
        painter.end();
    }
    if (!PdfBoxes::copyWithBoxes(QFile::encodeName(drawn.fileName()).toStdString(),
                                 QFile::encodeName(boxed.fileName()).toStdString(), points(trim), points(bleedBox))) {
        error = unwritten;
        return false;
    }
    const QByteArray boxedName = QFile::encodeName(boxed.fileName());
    if (::chmod(boxedName.constData(), OutputFile::modeFor(target)) != 0
        || std::rename(boxedName.constData(), QFile::encodeName(target).constData()) != 0) {
        error = unwritten;
        return false;
    }
    boxed.setAutoRemove(false);
    return true;
}

} // namespace ShopPdf
