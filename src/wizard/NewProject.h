#pragma once

#include "document/CardDocument.h"

#include <QImage>
#include <QString>

// What the new-project wizard creates: the project's name (the card
// window's caption), the card, and the background picture already read
// when the card has one (null otherwise), so the window need not read it
// again.
struct NewProject {
    QString name;
    CardDocument card;
    QImage backgroundPicture;
};
