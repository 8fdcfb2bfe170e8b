#pragma once

// Names one item of a card: a label or a logo and its index (1 and up).
struct CardItemRef {
    enum Kind { LabelItem, LogoItem };
    Kind kind = LabelItem;
    int index = 0;

    bool operator==(const CardItemRef &) const = default;
};
