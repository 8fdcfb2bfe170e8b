#include "PrintArtwork.h"

#include "document/CardRenderer.h"
#include "document/PictureFile.h"
#include "platform/Units.h"
#include "platform/VectorPicture.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

constexpr double MmPerInch = 25.4;

// Pixels needed for `mm` at `dpi`, at least one.
int pixelsFor(double mm, double dpi)
{
    return std::max(1, int(std::ceil(mm / MmPerInch * dpi)));
}

} // namespace

PrintArtwork::PrintArtwork(const CardData &card, double dpi, const QSizeF &cardMm, const QPalette &palette)
    : m_card(card),
      m_palette(palette),
      m_screenPixels(Units::toPixels(card.width()), Units::toPixels(card.height()))
{
    const QImage picture = card.NumFond == 2 ? PictureFile::load(card.BackgroundPicture) : QImage();
    m_background = CardRenderer::background(m_card, backgroundTwipsPerPixel(card, dpi, picture), nullptr,
                                            card.NumFond == 2 ? &picture : nullptr);
    if (!cardMm.isEmpty())
        reduceLogos(dpi, cardMm);
}

double PrintArtwork::backgroundTwipsPerPixel(const CardData &card, double dpi, const QImage &picture)
{
    const double wanted = Units::TwipsPerInch / dpi;
    switch (card.NumFond) {
    case 0:
        // White with an edge line: nothing finer than the screen shows.
        return std::max(wanted, Units::ScreenTwipsPerPixel);
    case 2:
        if (picture.isNull())
            return std::max(wanted, Units::ScreenTwipsPerPixel);
        // A picture with a vector form is drawn at any resolution.
        if (VectorPicture::has(picture))
            return wanted;
        // The finest the picture's own pixels give, along either side.
        return std::max(wanted, std::min(card.width() / picture.width(), card.height() / picture.height()));
    default:
        return wanted;
    }
}

void PrintArtwork::reduceLogos(double dpi, const QSizeF &cardMm)
{
    if (!(m_card.width() > 0) || !(m_card.height() > 0))
        return;
    const double mmPerTwipX = cardMm.width() / m_card.width();
    const double mmPerTwipY = cardMm.height() / m_card.height();
    // Logos sharing a picture and a size keep sharing the reduced one.
    std::map<std::tuple<qint64, int, int>, QImage> reduced;
    for (int n = 1; n <= m_card.logoCount(); ++n) {
        CardLogo *logo = m_card.Logo(n);
        // A picture with a vector form is drawn as shapes: nothing to reduce.
        if (!logo || !logo->Visible || logo->Picture().isNull() || VectorPicture::has(logo->Picture()))
            continue;
        QImage picture = logo->Picture();
        if (!logo->Stretch()) {
            // Unstretched, the picture shows at 15 twips per pixel, clipped
            // to the logo: only that part is kept, stretched over its size.
            const int w = std::min(picture.width(), std::max(1, Units::toPixels(logo->Width())));
            const int h = std::min(picture.height(), std::max(1, Units::toPixels(logo->Height())));
            const int neededW = pixelsFor(Units::fromPixels(w) * mmPerTwipX, dpi);
            const int neededH = pixelsFor(Units::fromPixels(h) * mmPerTwipY, dpi);
            if (w <= neededW && h <= neededH)
                continue;
            picture = picture.copy(0, 0, w, h);
            logo->setStretch(true);
            logo->setSize(float(Units::fromPixels(w)), float(Units::fromPixels(h)));
        }
        const int neededW = pixelsFor(logo->Width() * mmPerTwipX, dpi);
        const int neededH = pixelsFor(logo->Height() * mmPerTwipY, dpi);
        if (picture.width() <= neededW && picture.height() <= neededH && picture.cacheKey() == logo->Picture().cacheKey())
            continue;
        const QSize size(std::min(picture.width(), neededW), std::min(picture.height(), neededH));
        const auto key = std::make_tuple(picture.cacheKey(), size.width(), size.height());
        auto it = reduced.find(key);
        if (it == reduced.end())
            it = reduced.emplace(key, picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)).first;
        logo->setPicture(it->second);
    }
}
