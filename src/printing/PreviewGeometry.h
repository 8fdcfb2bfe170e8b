#pragma once

#include <QRectF>
#include <QSizeF>

// Where the preview window puts a page and its two rulers in the viewing
// area, and the range of its scroll bar, in twips. The page is centred
// across with its top 700 twips down when the bar is at 0; scrolling by v
// moves it up by v. The horizontal ruler stands 350 twips above the page,
// as wide as the page; the vertical one 360 twips left of it, as tall.
class PreviewGeometry {
public:
    PreviewGeometry(const QSizeF &page, const QSizeF &area) : m_page(page), m_area(area) {}

    QRectF pageRect(int scroll) const;
    QRectF horizontalRuler(int scroll) const;
    QRectF verticalRuler(int scroll) const;

    // The bar runs from 0 until the page's bottom and its margin show; it
    // is enabled only when that is above 0.
    int scrollMaximum() const;
    int smallStep() const { return scrollMaximum() / 20 + 1; }
    int largeStep() const { return scrollMaximum() / 5 + 1; }
    bool scrollEnabled() const { return scrollMaximum() != 0; }

    // Left edges of "<<", "<", the counter, ">" and ">>" in a toolbar
    // `width` wide, the counter centred.
    struct Navigation {
        double first, previous, counter, next, last;
    };
    static Navigation navigation(double width, double counterWidth, double buttonWidth);

private:
    static constexpr double PageTop = 700;
    static constexpr double RulerAbove = 350;
    static constexpr double RulerLeft = 360;
    static constexpr double RulerThickness = 300;
    // Room kept below the page when scrolled to the end.
    static constexpr double BottomMargin = 700;
    // The toolbar's navigation group: "<" and ">" stand this far from the
    // counter, "<<" and ">>" this far beyond them.
    static constexpr double CounterGap = 200;
    static constexpr double OuterGap = 150;

    double pageLeft() const { return (m_area.width() - m_page.width()) / 2; }
    double pageTop(int scroll) const { return PageTop - scroll; }

    QSizeF m_page;
    QSizeF m_area;
};
