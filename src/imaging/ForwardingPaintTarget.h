#pragma once

#include "platform/PaintTarget.h"

// Passes every call on to another target without being of its type: a
// painter that draws a Surface straight into its pixels draws through this
// one line and one circle at a time, through the target's drawing calls.
class ForwardingPaintTarget : public PaintTarget {
public:
    explicit ForwardingPaintTarget(PaintTarget &target) : m_target(target) {}

    double width() const override { return m_target.width(); }
    double height() const override { return m_target.height(); }
    double twipsPerPixelX() const override { return m_target.twipsPerPixelX(); }
    double twipsPerPixelY() const override { return m_target.twipsPerPixelY(); }
    void line(double x1, double y1, double x2, double y2, OleColor color) override
    {
        m_target.line(x1, y1, x2, y2, color);
    }
    void setFillStyle(FillStyle style) override { m_target.setFillStyle(style); }
    FillStyle fillStyle() const override { return m_target.fillStyle(); }
    void setFillColor(OleColor color) override { m_target.setFillColor(color); }
    OleColor fillColor() const override { return m_target.fillColor(); }
    void circle(double cx, double cy, double radius, OleColor color) override
    {
        m_target.circle(cx, cy, radius, color);
    }
    void setRedraw(bool on) override { m_target.setRedraw(on); }
    void refresh() override { m_target.refresh(); }

private:
    PaintTarget &m_target;
};
