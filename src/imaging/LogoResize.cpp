#include "LogoResize.h"

#include "platform/PictureReader.h"
#include "platform/TextConv.h"
#include "platform/Units.h"

#include <algorithm>

bool LogoResize::Controle_Image(std::int16_t index, const QString &file, std::int16_t width, std::int16_t height)
{
    const QImage picture = PictureReader::read(file);
    if (picture.isNull())
        return false;
    m_index = index;
    m_picture = picture;
    m_stretch = true;
    m_width = width;
    m_height = height;
    m_locked = false;

    // A logo has no negative size; the slider starts at 0.
    m_maximum = std::max(0, 4 * m_width);
    m_tickSpacing = int(TextConv::roundHalfEven(m_maximum / 10.0));
    m_largeStep = m_tickSpacing;
    m_value = std::clamp(m_width, 0, m_maximum);
    m_openingWidth = m_width;
    return true;
}

QString LogoResize::unreadableMessage(const QString &file)
{
    return QStringLiteral("L'image \"") + file
           + QStringLiteral("\" ne peut plus être lue : la taille du logo ne peut pas être modifiée.");
}

void LogoResize::moveSlider(int value)
{
    if (m_locked)
        return;
    m_value = std::clamp(value, 0, m_maximum);
    m_stretch = true;
    m_width = m_value;
    m_height = m_value;
}

void LogoResize::setOriginalSize(bool checked)
{
    m_locked = checked;
    if (!checked)
        return;
    m_value = std::clamp(m_openingWidth, 0, m_maximum);
    m_stretch = false;
    fitNatural();
}

void LogoResize::fitNatural()
{
    m_width = int(Units::fromPixels(m_picture.width()));
    m_height = int(Units::fromPixels(m_picture.height()));
}

LogoResize::Outcome LogoResize::outcome() const
{
    if (!m_stretch)
        return Outcome{false, 0, 0};
    return Outcome{true, m_width, m_height};
}
