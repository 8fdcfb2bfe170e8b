#include "CodeSymbol.h"

#include <QCache>
#include <QMutex>
#include <QPainter>

#include <zint.h>

#include <algorithm>
#include <memory>
#include <tuple>

namespace {

// Quiet zones, in modules: what each symbology asks for on every side.
int quietColumnsOf(CardCode::Kind kind)
{
    switch (kind) {
    case CardCode::QR:
        return 4;
    case CardCode::DataMatrix:
        return 1;
    case CardCode::EAN13:
        return 11;
    case CardCode::Code128:
        return 10;
    }
    return 0;
}

QString messageFor(int status)
{
    if (status == ZINT_ERROR_TOO_LONG)
        return QStringLiteral("Ce contenu est trop long pour un code de ce type.");
    return QStringLiteral("Ce contenu ne peut pas être mis dans un code de ce type.");
}

// Encodes with the library; the symbol is freed on every path.
void encodeNow(CardCode::Kind kind, const QString &content, CardCode::Correction correction,
                     QString *error, std::vector<bool> *modules, int *columns, int *rows)
{
    std::unique_ptr<zint_symbol, void (*)(zint_symbol *)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    if (!symbol) {
        *error = messageFor(ZINT_ERROR_MEMORY);
        return;
    }
    symbol->show_hrt = 0;
    symbol->input_mode = DATA_MODE;
    QByteArray bytes = content.toUtf8();
    switch (kind) {
    case CardCode::QR:
        symbol->symbology = BARCODE_QRCODE;
        symbol->option_1 = int(correction) + 1; // 1 L, 2 M, 3 Q, 4 H
        break;
    case CardCode::DataMatrix:
        symbol->symbology = BARCODE_DATAMATRIX;
        symbol->option_3 = DM_SQUARE;
        break;
    case CardCode::EAN13:
        symbol->symbology = BARCODE_EANX;
        break;
    case CardCode::Code128:
        // Code 128 holds Latin-1 characters.
        symbol->symbology = BARCODE_CODE128;
        symbol->input_mode = UNICODE_MODE;
        break;
    }
    // Text beyond ASCII is UTF-8, and says so (ECI 26): without the
    // designator a reader has to guess, and short texts get misread.
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii && CardCode::isSquare(kind))
        symbol->eci = 26;
    const int status = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char *>(bytes.constData()),
                                       int(bytes.size()));
    if (status >= ZINT_ERROR) {
        *error = status == ZINT_ERROR_INVALID_CHECK
                     ? QStringLiteral("Le chiffre de contrôle de ce code EAN-13 est faux.")
                     : messageFor(status);
        return;
    }
    *columns = symbol->width;
    *rows = symbol->rows;
    modules->assign(size_t(*columns) * size_t(*rows), false);
    for (int r = 0; r < *rows; ++r) {
        for (int c = 0; c < *columns; ++c)
            (*modules)[size_t(r) * size_t(*columns) + size_t(c)] = (symbol->encoded_data[r][c >> 3] >> (c & 7)) & 1;
    }
}

using Key = std::tuple<int, int, QString>;
QMutex cacheMutex;

// Symbols already encoded: a card draws its codes at every repaint.
QCache<Key, CodeSymbol> &cache()
{
    static QCache<Key, CodeSymbol> symbols(256);
    return symbols;
}

} // namespace

size_t qHash(const Key &key, size_t seed)
{
    return qHashMulti(seed, std::get<0>(key), std::get<1>(key), std::get<2>(key));
}

CodeSymbol CodeSymbol::encode(CardCode::Kind kind, const QString &content, CardCode::Correction correction)
{
    const Key key{int(kind), kind == CardCode::QR ? int(correction) : 0, content};
    {
        QMutexLocker lock(&cacheMutex);
        if (const CodeSymbol *known = cache().object(key))
            return *known;
    }
    CodeSymbol symbol;
    if (content.isEmpty()) {
        symbol.m_error = QStringLiteral("Le code n'a pas de contenu.");
    } else if (kind == CardCode::EAN13
               && ((content.size() != 12 && content.size() != 13)
                   || std::any_of(content.begin(), content.end(), [](QChar c) { return c < u'0' || c > u'9'; }))) {
        symbol.m_error = QStringLiteral("Un code EAN-13 prend 12 ou 13 chiffres.");
    } else {
        encodeNow(kind, content, correction, &symbol.m_error, &symbol.m_modules, &symbol.m_columns, &symbol.m_rows);
        if (symbol.valid()) {
            symbol.m_quietColumns = quietColumnsOf(kind);
            symbol.m_quietRows = CardCode::isSquare(kind) ? symbol.m_quietColumns : 0;
            symbol.buildShape();
        }
    }
    QMutexLocker lock(&cacheMutex);
    cache().insert(key, new CodeSymbol(symbol));
    return symbol;
}

void CodeSymbol::buildShape()
{
    // Each run of dark modules along a row, as long as the rows below
    // repeat it exactly, is one rectangle: a QR code takes about half as
    // many as its runs, a bar code one per bar.
    std::vector<bool> taken(m_modules.size(), false);
    const auto at = [this](int r, int c) { return size_t(r) * size_t(m_columns) + size_t(c); };
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < m_columns;) {
            if (!dark(r, c) || taken[at(r, c)]) {
                ++c;
                continue;
            }
            const int start = c;
            while (c < m_columns && dark(r, c) && !taken[at(r, c)])
                ++c;
            const auto sameRun = [&](int row) {
                for (int k = start; k < c; ++k) {
                    if (!dark(row, k) || taken[at(row, k)])
                        return false;
                }
                // The run must end where it ends above, or the rows would
                // join runs of other lengths.
                return (start == 0 || !dark(row, start - 1)) && (c == m_columns || !dark(row, c));
            };
            int end = r + 1;
            while (end < m_rows && sameRun(end))
                ++end;
            for (int row = r; row < end; ++row)
                std::fill(taken.begin() + std::ptrdiff_t(at(row, start)), taken.begin() + std::ptrdiff_t(at(row, c)), true);
            m_shape.emplace_back(start, r, c - start, end - r);
        }
    }
}

void CodeSymbol::paint(QPainter &painter, const QRectF &area, OleColor foreColor, OleColor backColor) const
{
    if (!valid() || area.isEmpty() || totalColumns() <= 0 || totalRows() <= 0)
        return;
    if (backColor != CardCode::Transparent)
        painter.fillRect(area, Colors::toQColor(backColor));
    const double moduleWidth = area.width() / totalColumns();
    const double moduleHeight = area.height() / totalRows();
    const double left = area.left() + m_quietColumns * moduleWidth;
    const double top = area.top() + m_quietRows * moduleHeight;
    std::vector<QRectF> rects;
    rects.reserve(m_shape.size());
    for (const QRectF &m : m_shape)
        rects.emplace_back(left + m.x() * moduleWidth, top + m.y() * moduleHeight, m.width() * moduleWidth,
                           m.height() * moduleHeight);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colors::toQColor(foreColor));
    painter.drawRects(rects.data(), int(rects.size()));
    painter.restore();
}
