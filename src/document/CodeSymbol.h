#pragma once

#include "CardCode.h"

#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

// The modules of a code, as the code library encodes its content: a grid
// of dark and light modules (one row for a bar code) and the quiet zone
// the symbology needs around it, in modules.
class CodeSymbol {
public:
    // Encodes `content` (a QR code at `correction`); a symbol that is not
    // valid() tells why in French.
    static CodeSymbol encode(CardCode::Kind kind, const QString &content,
                             CardCode::Correction correction = CardCode::M);
    // The same, for the code's own content.
    static CodeSymbol of(const CardCode &code) { return encode(code.kind, code.content, code.correction); }

    bool valid() const { return m_error.isEmpty(); }
    // Why the content cannot be encoded ("" when it can).
    const QString &error() const { return m_error; }

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    bool dark(int row, int column) const { return m_modules[size_t(row) * size_t(m_columns) + size_t(column)]; }
    // Quiet zone on each side, left/right and top/bottom, in modules.
    int quietColumns() const { return m_quietColumns; }
    int quietRows() const { return m_quietRows; }
    // Modules across and down, quiet zone included.
    int totalColumns() const { return m_columns + 2 * m_quietColumns; }
    int totalRows() const { return m_rows + 2 * m_quietRows; }

    // Draws the symbol over `area` (the whole item, quiet zone included):
    // the background colour over the area unless transparent, then the
    // dark modules as filled rectangles (runs along a row, joined with the
    // same runs of the rows below). A bar code's bars take
    // the area's height.
    void paint(QPainter &painter, const QRectF &area, OleColor foreColor, OleColor backColor) const;

private:
    QString m_error;
    int m_columns = 0;
    int m_rows = 0;
    int m_quietColumns = 0;
    int m_quietRows = 0;
    std::vector<bool> m_modules;
    // The dark modules' rectangles, in modules, quiet zone excluded.
    std::vector<QRectF> m_shape;

    void buildShape();
};
