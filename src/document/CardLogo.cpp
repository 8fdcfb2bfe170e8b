#include "CardLogo.h"

#include "platform/Units.h"

void CardLogo::setPicture(const QImage &picture)
{
    m_picture = picture;
    if (!m_stretch)
        fitNatural();
}

void CardLogo::setSize(float width, float height)
{
    m_width = width;
    m_height = height;
}

void CardLogo::setStretch(bool on)
{
    m_stretch = on;
    if (!on)
        fitNatural();
}

void CardLogo::copyLookFrom(const CardLogo &other)
{
    m_picture = other.m_picture;
    picturePath = other.picturePath;
    m_stretch = other.m_stretch;
    m_width = other.m_width;
    m_height = other.m_height;
}

void CardLogo::fitNatural()
{
    m_width = float(Units::fromPixels(m_picture.width()));
    m_height = float(Units::fromPixels(m_picture.height()));
}
