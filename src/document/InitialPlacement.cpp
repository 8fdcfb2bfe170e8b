#include "InitialPlacement.h"

#include "CardDocument.h"

namespace InitialPlacement {

void apply(CardDocument &card)
{
    const double pw = card.width();
    const double ph = card.height();
    for (int i = 1; i <= card.labelCount(); ++i) {
        CardLabel &label = *card.Label(i);
        const double lw = label.Width();
        const double lh = label.Height();
        switch (i) {
        case 1:
            label.Left = float(pw - lw - 150);
            label.Top = 120;
            break;
        case 2:
            label.Left = float(pw - lw - 150);
            label.Top = 500;
            break;
        case 3:
            label.Left = float(pw / 2 - lw / 2);
            label.Top = float(ph / 2 - lh / 2);
            break;
        case 4:
            label.Left = 150;
            label.Top = float(ph - lh - 100);
            break;
        default:
            break;
        }
    }
    CardLogo &logo = *card.Logo(1);
    logo.Left = 120;
    logo.Top = 120;
}

} // namespace InitialPlacement
