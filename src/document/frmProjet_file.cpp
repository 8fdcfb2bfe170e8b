// Reading and writing the card's project file.
#include "frmProjet.h"

bool frmProjet::Projet_Ouvrir(const QString &) { return false; }

bool frmProjet::Projet_Sauver(const QString &) { return false; }
