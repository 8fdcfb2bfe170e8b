#pragma once

#include <QPointF>
#include <QRectF>
#include <optional>

// Where the parts of a card window go, in twips, from the window's inner
// size and the card's outer size: the workspace, the centred card, the two
// rulers, the two scroll bars and the centring button between them; the
// scroll bars' ranges and the rules that move the card when they change;
// the two shadow strips.
//
// A part whose width or height would come out negative (a tiny window) has
// no rectangle: the window leaves that part where it was.
class CardLayout {
public:
    static constexpr double RulerThickness = 300;
    static constexpr double ScrollThickness = 255;
    static constexpr double ShadowOffset = 120;
    static constexpr double ShadowThickness = 135;

    struct ScrollSetup {
        int minimum = 1;
        int maximum = 0;
        int smallChange = 0;
        int largeChange = 0;
        int value = 0;
    };

    CardLayout(double windowWidth, double windowHeight, double cardWidth, double cardHeight);

    // Workspace `Fond` between the rulers and the scroll bars.
    std::optional<QRectF> fond() const;
    // The card's top-left corner, centred in the whole window.
    QPointF centredCard() const;
    // `Regle(0)` along the top, `Regle(1)` along the left.
    QRectF horizontalRuler() const;
    QRectF verticalRuler() const;
    // `HScroll1` along the bottom, `VScroll1` along the right.
    std::optional<QRectF> horizontalScroll() const;
    std::optional<QRectF> verticalScroll() const;
    // `Defaut` in the bottom-right corner.
    QRectF centreButton() const;

    // Range of a scroll bar spanning the window's width (height): maximum =
    // the extent as a 16-bit integer, minimum 1, small change maximum / 4,
    // large change maximum / 3, value maximum / 2 (each rounded half to
    // even). Nothing when the extent does not fit 16 bits.
    std::optional<ScrollSetup> horizontalSetup() const { return scrollSetup(m_sw); }
    std::optional<ScrollSetup> verticalSetup() const { return scrollSetup(m_sh); }
    // The rounded middle of a scroll bar whose maximum is `maximum`.
    static int middle(int maximum);

    // The card's left for a horizontal scroll value: centred at the middle
    // value, otherwise value / 2 - 255.
    double horizontalLeft(int value, int maximum) const;
    // The card's top for a vertical scroll value: centred at the middle
    // value, otherwise value / 2.
    double verticalTop(int value, int maximum) const;

    // A zoomed card scrolls freely in the workspace, `Margin` twips of it
    // kept around the card: the scroll bar's range over the card shown
    // `shown` twips long in a workspace `workspace` long (0 when it fits),
    // and the card's start for a scroll value (centred when it fits).
    static constexpr double Margin = 300;
    static int zoomedRange(double workspace, double shown);
    static double zoomedStart(double workspaceStart, double workspace, double shown, int value);

    // Shadow strips `OmbreG` (right of the card) and `OmbreB` (below it),
    // from the card's left, top and drawable size.
    static QRectF rightShadow(double left, double top, double innerWidth, double innerHeight);
    static QRectF bottomShadow(double left, double top, double innerWidth, double innerHeight);

private:
    static std::optional<ScrollSetup> scrollSetup(double extent);

    double m_sw;
    double m_sh;
    double m_w;
    double m_h;
};
