#pragma once

#include "Colors.h"

// What a painter needs of the thing it draws on: its size in twips, the
// twips of one pixel, lines, filled circles, a fill colour, and a way to
// hold screen updates while it draws many shapes.
class PaintTarget {
public:
    virtual ~PaintTarget() = default;

    virtual double width() const = 0;  // twips
    virtual double height() const = 0; // twips
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;

    virtual void line(double x1, double y1, double x2, double y2, OleColor color) = 0;

    enum FillStyle { Solid = 0, Transparent = 1 };
    virtual void setFillStyle(FillStyle style) = 0;
    virtual FillStyle fillStyle() const = 0;
    virtual void setFillColor(OleColor color) = 0;
    virtual OleColor fillColor() const = 0;
    // Circle outline in `color`, filled with the fill colour when the fill
    // style is solid.
    virtual void circle(double cx, double cy, double radius, OleColor color) = 0;

    virtual void setRedraw(bool on) = 0;
    virtual void refresh() = 0;
};
