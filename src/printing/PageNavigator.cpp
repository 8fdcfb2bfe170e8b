#include "PageNavigator.h"

#include <algorithm>

PageNavigator::PageNavigator(int surfaces) : m_surfaces(std::max(1, surfaces))
{
}

int PageNavigator::navigate(int move)
{
    switch (move) {
    case First: m_current = 1; break;
    case Previous: m_current = std::max(1, m_current - 1); break;
    case Next: m_current = std::min(last(), m_current + 1); break;
    case Last: m_current = last(); break;
    default: break;
    }
    return m_current;
}

QString PageNavigator::counterText() const
{
    return counterText(m_current, last());
}

QString PageNavigator::counterText(int page, int last)
{
    const auto twoDigits = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return QStringLiteral("Page ") + twoDigits(page) + u'/' + twoDigits(last);
}
