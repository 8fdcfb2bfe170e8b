// Adding, selecting and restyling the card's labels and logos.
#include "frmProjet.h"

void frmProjet::Ajouter_UnLabel() {}
void frmProjet::Ajouter_UnLogo(bool) {}
void frmProjet::Couleur_Police() {}
void frmProjet::Format_Police() {}
void frmProjet::Label_Click(int) {}
void frmProjet::Logo_Click(int) {}

// Mouse handlers of the items and of the card surface.
void frmProjet::Label_MouseDown(int, Qt::MouseButton, double, double) {}
void frmProjet::Label_MouseMove(int, Qt::MouseButtons, double, double) {}
void frmProjet::Label_MouseUp(int, Qt::MouseButton, double, double) {}
void frmProjet::Label_DblClick(int) {}
void frmProjet::Logo_MouseDown(int, Qt::MouseButton, double, double) {}
void frmProjet::Logo_MouseMove(int, Qt::MouseButtons, double, double) {}
void frmProjet::Logo_MouseUp(int, Qt::MouseButton, double, double) {}
void frmProjet::Logo_DblClick(int) {}
void frmProjet::Picture1_MouseDown(Qt::MouseButton, double, double) {}
