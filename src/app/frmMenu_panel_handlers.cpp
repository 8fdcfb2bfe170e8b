// Handlers of the tool panel's controls. Each receives the index of its
// control in its array.
#include "frmMenu.h"

#include "ColorSwatch.h"
#include "document/frmProjet.h"

void frmMenu::Check2_Click(int) {}

void frmMenu::Bouton_Click(int) {}

void frmMenu::Pos_Click(int) {}

void frmMenu::Objets_Click() {}

void frmMenu::TextA_Change() {}

void frmMenu::Color_Click(int) {}

void frmMenu::Palette_Click(int) {}

void frmMenu::Option_Click(int index)
{
    // Redraws the active card's gradient in this orientation and keeps the
    // orientation with the first swatch.
    frmProjet *card = activeCard();
    if (!card || index < 0 || index > 8)
        return;
    card->Tracer_Degrade(index);
    Color(0)->tag = QString::number(index);
}
