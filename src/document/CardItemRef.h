#pragma once

// Names one item of a card: a label, a logo or a code and its index (1 and
// up).
struct CardItemRef {
    enum Kind { LabelItem, LogoItem, CodeItem };
    Kind kind = LabelItem;
    int index = 0;

    bool operator==(const CardItemRef &) const = default;
};
