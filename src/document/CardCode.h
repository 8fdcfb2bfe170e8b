#pragma once

#include "platform/Colors.h"

#include <QString>

#include <optional>

// One code item of a card: a QR code, a Data Matrix symbol, an EAN-13 or a
// Code 128 bar code, drawn as shapes from its content. Positions and sizes
// are twips. Width is the side of a two-dimensional symbol or the width of
// a bar code, quiet zone included; Height is a bar code's bar height (the
// side again for the square kinds).
class CardCode {
public:
    enum Kind { QR, DataMatrix, EAN13, Code128 };
    enum Correction { L, M, Q, H };
    static constexpr int KindCount = 4;
    // No background: the card shows through the spaces of the code.
    static constexpr OleColor Transparent = -1;

    int index = 0;
    Kind kind = QR;
    // What the code holds; merge fields ({Nom}) are replaced at printing.
    QString content;
    Correction correction = M; // QR only
    float Left = 0;
    float Top = 0;
    float Width = 1134;
    float Height = 1134;
    OleColor ForeColor = 0;
    OleColor BackColor = Transparent;
    bool Visible = true;

    // Whether the kind is a square symbol (QR, Data Matrix).
    static bool isSquare(Kind kind) { return kind == QR || kind == DataMatrix; }
    // Names in project files ("QR", "DataMatrix", "EAN13", "Code128").
    static QString kindKey(Kind kind);
    static std::optional<Kind> kindFromKey(const QString &key);
    // Names shown to the user ("QR code", "Data Matrix", "EAN-13",
    // "Code 128").
    static QString kindName(Kind kind);
    static QChar correctionKey(Correction correction);
    static std::optional<Correction> correctionFromKey(const QString &key);

    bool operator==(const CardCode &) const = default;
};
