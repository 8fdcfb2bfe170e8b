#pragma once

#include "SheetFields.h"

#include <QString>
#include <QStringList>

#include <optional>

// One line of the formats file: a name, " | ", and the field part
// X.Y.HGAP.VGAP.ACROSS.DOWN in whole millimetres and counts.
//
// A line may carry more pieces: pieces 7 and 8, both whole numbers above
// 0, give the stock's card width and height in tenths of a millimetre;
// piece 9, on such a line, a standard paper code (1 to 41). Other extra
// pieces are ignored.
class SheetFormat {
public:
    // The card size printed on the stock, tenths of a millimetre.
    struct Stock {
        int widthTenths = 0;
        int heightTenths = 0;
    };

    SheetFormat() = default;
    explicit SheetFormat(const QString &line);

    // The line as the list shows it.
    const QString &text() const { return m_text; }
    // Empty after trimming: selecting such an item changes nothing.
    bool isBlank() const { return m_text.trimmed().isEmpty(); }
    // Whether the line has a "|" (a name part).
    bool hasName() const { return m_bar >= 0; }
    // The text before the first "|", trimmed; empty when there is none.
    QString name() const;

    // Puts pieces 0 to 5 into the fields that have a piece, as text.
    void applyTo(SheetFields::Texts &fields) const;

    // Six pieces that are whole numbers from 0 to 32767 whose product
    // ACROSS x DOWN is at most 32767. A line that is not complete cannot
    // be printed.
    bool isComplete() const { return m_complete; }
    // On a complete line, the stock's card size and paper when it gives them.
    const std::optional<Stock> &stock() const { return m_stock; }
    const std::optional<int> &paperCode() const { return m_paper; }
    // The pieces beyond the sixth that a save keeps: ".W.H" or ".W.H.P",
    // empty on a plain line.
    QString extraPieces() const;

    // The text of the "Propriétés du format :" label for this line.
    QString description() const;

    // The sentence ending the description of an incomplete line, also shown
    // when such a line is printed.
    static QString incompleteText();

private:
    // Tenths of a millimetre with a comma for the tenths: 889 -> "88,9",
    // 850 -> "85".
    static QString formatTenths(int tenths);
    QString m_text;
    // The field part split at every ".", untrimmed (none when it is empty).
    qsizetype m_bar = -1;
    QStringList m_pieces;
    bool m_complete = false;
    // Pieces 0 to 3 that read as numbers, before the first that does not.
    int m_readable = 0;
    int m_count = 0;
    std::optional<Stock> m_stock;
    std::optional<int> m_paper;
};
