#pragma once

#include "document/CardData.h"

#include <QImage>
#include <QString>

// What the new-project wizard creates: the project's name (the card
// window's caption), the card, the background picture already read when
// the card has one (null otherwise), so the window need not read it again,
// and whether the card window places the default texts (not when the user
// asked for none).
struct NewProject {
    QString name;
    CardData card;
    QImage backgroundPicture;
    bool placeItems = true;
};
