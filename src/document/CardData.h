#pragma once

#include "CardBackground.h"
#include "CardCode.h"
#include "CardItemRef.h"
#include "CardLabel.h"
#include "CardLogo.h"
#include "imaging/ImageEffects.h"
#include "platform/Colors.h"

#include <QRectF>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

// Everything one business card is, as a plain value: its size, its labels
// and logos with their stacking order, the description of its background
// and the picture effects applied since the background was last painted.
// The project file reads and writes it, the new-project wizard builds one,
// the renderer draws it at any resolution, and printing keeps a copy of the
// card as it was sent. A card being edited lives in a CardDocument, which
// holds one of these and tells its observers about every change.
class CardData {
public:
    // The size a card has until its creator sets one (8,4 x 5,4 cm).
    static constexpr double DefaultWidth = 4762.8;
    static constexpr double DefaultHeight = 3061.8;
    // Highest index an item can take (indexes are 16-bit).
    static constexpr int MaxItemIndex = 32767;

    // A new card: label 1 "ZONE DE TEXTE" and logo 1 showing `placeholder`,
    // as a new card window has them; white background.
    explicit CardData(const QImage &placeholder = {});

    // Outer size in twips; the card has no border, so it is also the
    // drawable size.
    double width() const { return m_width; }
    double height() const { return m_height; }
    void setSize(double widthTwips, double heightTwips);

    // Background description: kind 0 default (white), 1 three-colour
    // gradient, 2 picture stretched over the card.
    int NumFond = 0;
    OleColor Color1 = 0; // gradient stops 0, 5 and 10
    OleColor Color2 = 0;
    OleColor Color3 = 0;
    int NumOption = 0;          // gradient orientation 0..8
    QString BackgroundPicture;  // full path of the picture (kind 2)
    CardBackground background() const;
    void setBackground(const CardBackground &background);

    // Effects applied since the background was last painted, oldest first.
    // Never saved: painting the background again forgets them.
    std::vector<ImageEffect> Effects;

    // The list the card is merged with, saved with the card: its file, and
    // the copies of each record a print makes. No file: no merge.
    QString mergeList;
    int mergeCopies = 1;

    // Index of the label and of the logo slot created last.
    int NumLabel = 1;
    int NumLogo = 1;

    // Items by index (1 and up); null when no such item was ever created.
    CardLabel *Label(int index);
    CardLogo *Logo(int index);
    const CardLabel *Label(int index) const;
    const CardLogo *Logo(int index) const;
    int labelCount() const { return int(m_labels.size()); } // highest label index
    int logoCount() const { return int(m_logos.size()); }
    // Codes: a card starts without any.
    CardCode *Code(int index);
    const CardCode *Code(int index) const;
    int codeCount() const { return int(m_codes.size()); }

    // Creates item `index` as a copy of item 1's look (text, font, colour,
    // picture, picture path, size), hidden, on top of the others; its
    // creator then places and shows it. Only the next index (highest + 1)
    // can be created; an existing index returns the existing item; any
    // other, or one beyond MaxItemIndex, gives null.
    CardLabel *createLabel(int index);
    CardLogo *createLogo(int index);
    // Creates code `index` (only the next one) as a default code, hidden,
    // on top of the others.
    CardCode *createCode(int index);

    // One stacking order for every item, bottom first.
    const std::vector<CardItemRef> &stackingOrder() const { return m_stack; }
    // False when the item does not exist or is already there.
    bool bringToFront(CardItemRef item);
    bool sendToBack(CardItemRef item);
    bool isOnTop(CardItemRef item) const;
    // Another order of the same items; items it does not name that exist
    // are not drawn nor hit (a new item taken back by an undo).
    void setStackingOrder(const std::vector<CardItemRef> &order);

    bool itemExists(CardItemRef item) const;
    // A visible item's rectangle on the card (twips); nothing when the item
    // is hidden or does not exist.
    std::optional<QRectF> itemRect(CardItemRef item) const;
    // The topmost visible item containing a point of the card (twips).
    std::optional<CardItemRef> itemAt(const QPointF &cardTwips) const;

private:
    double m_width = DefaultWidth;
    double m_height = DefaultHeight;
    std::deque<CardLabel> m_labels;
    std::deque<CardLogo> m_logos;
    std::deque<CardCode> m_codes;
    std::vector<CardItemRef> m_stack;
};
