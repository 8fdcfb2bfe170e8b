#pragma once

#include "PaintTarget.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <functional>

// A picture whose drawing persists, addressed in twips. One screen pixel is
// 15 twips; a surface made for a printer uses fewer twips per pixel, so the
// same drawing routine serves the screen, export and print.
//
// The pixel size is the twips size divided by the twips per pixel, rounded
// to the nearest whole pixel. Drawing outside the picture is clipped.
class Surface : public PaintTarget {
public:
    explicit Surface(double widthTwips = 0, double heightTwips = 0, double twipsPerPixel = 15.0);

    // Outer size; the drawable size (scaleWidth, scaleHeight) is the same,
    // a surface has no border.
    void resize(double widthTwips, double heightTwips);
    double width() const override { return m_width; }
    double height() const override { return m_height; }
    double scaleWidth() const { return m_width; }
    double scaleHeight() const { return m_height; }
    double twipsPerPixel() const { return m_tpp; }
    double twipsPerPixelX() const override { return m_tpp; }
    double twipsPerPixelY() const override { return m_tpp; }
    int pixelWidth() const { return m_image.width(); }
    int pixelHeight() const { return m_image.height(); }

    // The persistent picture (ARGB32 premultiplied, opaque after cls()).
    const QImage &image() const { return m_image; }
    QImage &image() { return m_image; }
    // Replaces the picture (scaled to the surface's pixel size if needed).
    void setImage(const QImage &image);

    // Background colour, used by cls().
    void setBackColor(OleColor color) { m_backColor = color; }
    OleColor backColor() const { return m_backColor; }
    // Fills the whole picture with the background colour, forgets what was
    // drawn and puts the drawing position back to (0, 0).
    void cls();

    void line(double x1, double y1, double x2, double y2, OleColor color) override;
    // Rectangle outline from (x1, y1) to (x2, y2), inclusive, filled with the
    // fill colour when the fill style is solid.
    void box(double x1, double y1, double x2, double y2, OleColor color);
    void setFillStyle(FillStyle style) override { m_fillStyle = style; }
    FillStyle fillStyle() const override { return m_fillStyle; }
    void setFillColor(OleColor color) override { m_fillColor = color; }
    OleColor fillColor() const override { return m_fillColor; }
    void circle(double cx, double cy, double radius, OleColor color) override;
    // Fills the rectangle with a solid colour (no outline).
    void fillRect(double x, double y, double w, double h, OleColor color);

    // Paints `picture` stretched over the rectangle (twips).
    void paintPicture(const QImage &picture, double x, double y, double w, double h);

    // Text output at the drawing position, in the surface's font and
    // foreground colour; the position then moves below the text.
    double currentX = 0;
    double currentY = 0;
    QFont font;
    OleColor foreColor = Colors::Black;
    void print(const QString &text);
    // Size in twips of `text` written in the surface's font (one line per
    // line break), at the surface's resolution.
    double textWidth(const QString &text) const;
    double textHeight(const QString &text) const;

    // One pixel (-1 outside the picture).
    OleColor point(double x, double y) const;

    // Screen updates: while redraw is off, changes are not announced.
    void setRedraw(bool on) override;
    void refresh() override;
    // Called after a change when redraw is on (the widget showing the
    // surface repaints).
    std::function<void()> onChanged;

    int toPixelX(double twips) const;
    int toPixelY(double twips) const;

private:
    void changed();
    // Pixel edges of a rectangle (rounded, so adjacent rectangles tile).
    QRect pixelRect(double x, double y, double w, double h) const;
    void fillPixels(int x1, int y1, int x2, int y2, QRgb rgb);

    double m_width = 0;
    double m_height = 0;
    double m_tpp = 15.0;
    QImage m_image;
    OleColor m_backColor = Colors::White;
    OleColor m_fillColor = Colors::Black;
    FillStyle m_fillStyle = Transparent;
    bool m_redraw = true;
};
