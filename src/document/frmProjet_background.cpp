// Background operations of the card window (default, gradient, picture,
// repaint from the description).
#include "frmProjet.h"

void frmProjet::Fond_parDefaut()
{
    Picture1().setBackColor(Colors::White);
    Picture1().cls();
    NumFond = 0;
}

void frmProjet::Tracer_Degrade(int orientation)
{
    NumFond = 1;
    NumOption = orientation;
}

void frmProjet::Ajouter_UnFond() {}

bool frmProjet::Reinitialiser()
{
    if (NumFond == 0)
        Fond_parDefaut();
    return true;
}
