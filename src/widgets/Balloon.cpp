#include "Balloon.h"

#include "TipLook.h"

Balloon::Balloon(QObject *parent)
    : QObject(parent)
{
}

Balloon::~Balloon() = default;

void Balloon::Create(QWidget *tool, const QRect &area)
{
    m_tip.Destroy();
    m_tip.setStyle(Style);
    m_tip.setCentered(Centered);
    m_tip.setIcon(Icon);
    m_tip.setVisibleTime(VisibleTime);
    m_tip.setDelayTime(DelayTime);
    m_tip.Create(tool, area);
}
