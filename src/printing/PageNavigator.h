#pragma once

#include <QString>

// The preview's page counter and navigation. A preview of N > 1 sheets has
// N + 1 page surfaces, the last one blank; one sheet has one surface. Only
// the sheets are shown: pages 1 to LAST = surfaces - 1 (page 1 alone for
// one sheet). The current page never leaves them.
class PageNavigator {
public:
    enum Move { First = 1, Previous = 2, Next = 3, Last = 4 };

    explicit PageNavigator(int surfaces = 1);

    int current() const { return m_current; }

    // "<<", "<", ">" or ">>"; returns the page to show. Other values do
    // nothing.
    int navigate(int move);

    // "Page 01/03": the current page and the last, two digits at least.
    QString counterText() const;
    static QString counterText(int page, int last);

private:
    // The highest page shown.
    int last() const { return m_surfaces > 1 ? m_surfaces - 1 : 1; }

    int m_surfaces;
    int m_current = 1;
};
