#pragma once

#include "platform/Colors.h"

#include <QString>

// The description a card's background is painted from: kind 0 default
// (white), 1 three-colour gradient, 2 picture stretched over the card; the
// gradient's stop colours and orientation and the picture's path stay when
// the kind changes, for a later "Annuler le dégradé" or activation.
struct CardBackground {
    int NumFond = 0;
    OleColor Color1 = 0;
    OleColor Color2 = 0;
    OleColor Color3 = 0;
    int NumOption = 0;
    QString picture;

    bool operator==(const CardBackground &) const = default;
};
