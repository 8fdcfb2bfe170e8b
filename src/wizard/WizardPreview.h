#pragma once

#include "document/CardData.h"

#include <QImage>
#include <QString>

// The new project's preview: a white area of 4095 x 2475 twips, drawn at
// the card's own scale, showing the four default texts, the chosen
// ornament at its top-left corner and the chosen background stretched over
// it. It is held as a small card (labels 1 to 4, logo 1 for the ornament,
// a picture background) that the card renderer draws.
class WizardPreview {
public:
    static constexpr double Width = 4095;
    static constexpr double Height = 2475;

    WizardPreview();

    const CardData &card() const { return m_card; }
    // Preview label 1..4.
    const CardLabel &label(int index) const;

    // The text of label `index` (1..4); the labels are laid out again.
    void setText(int index, const QString &text);
    // Shows or hides the four texts.
    void setTextsVisible(bool visible);

    // Shows `picture` as the ornament, sized for a card `cardHeight` twips
    // high; a null picture takes the ornament away.
    void setOrnament(const QImage &picture, double cardHeight);
    // Sizes the ornament again for another card height.
    void fitOrnament(double cardHeight);

    // Paints `picture` stretched over the preview; a null picture gives the
    // empty preview (white with its light grey border).
    void setBackground(const QImage &picture);

    // Takes ornament and background away and lays the labels out again.
    void clear();

    // The preview's background as the screen shows it (273 x 165 pixels),
    // made once each time the background changes.
    const QImage &screenBackground() const { return m_screen; }

private:
    bool hasOrnament() const;
    // Places the labels: 1 and 2 against the right edge (150 twips) at tops
    // 120 and 480, 3 centred (whole twips, halves dropped), 4 at left 120
    // and 350 twips above the bottom.
    void layOutLabels();
    void paintBackground(const QImage *picture);

    CardData m_card;
    QImage m_ornament;
    QImage m_screen;
};
