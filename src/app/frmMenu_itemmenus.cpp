// The label and logo context menus of the card items; the Edit menu reuses
// the label menu's commands.
#include "frmMenu.h"

#include "document/frmProjet.h"

void frmMenu::Mnu_OutLabel_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutLabel_Click"), index);
}

void frmMenu::Mnu_OutLogo_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutLogo_Click"), index);
}
