// Adding, selecting and restyling the card's labels and logos.
#include "frmProjet.h"

void frmProjet::Ajouter_UnLabel() {}
void frmProjet::Ajouter_UnLogo(bool) {}
void frmProjet::Couleur_Police() {}
void frmProjet::Format_Police() {}
void frmProjet::Label_Click(int) {}
void frmProjet::Logo_Click(int) {}
