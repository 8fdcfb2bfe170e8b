// The menu commands: each menu array's handler receives the index of the
// clicked item. The toolbar, the panel and other windows call them with
// fixed indexes.
#include "frmMenu.h"

#include "frmAbout.h"
#include "document/frmProjet.h"

#include <QMdiSubWindow>

void frmMenu::Ouvrir_unProjet() {}

void frmMenu::Sauver_unProjet(bool) {}

void frmMenu::Mnu_Outfich_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_Outfich_Click"), index);
    switch (index) {
    case 0: newCard(); break;
    case 1: break;
    case 2: closeActiveCard(); break;
    case 4: break;
    case 5: break;
    case 9: break;
    case 10: break;
    case 11: break;
    case 13: close(); break;
    default: break;
    }
}

void frmMenu::Mnu_OutEdition_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutEdition_Click"), index);
}

void frmMenu::Mnu_OutAff_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutAff_Click"), index);
    switch (index) {
    case 0:
    case 1:
    case 2: showBar(index, !barShown(index)); break;
    case 4: showMinimized(); break;
    case 5: showMaximized(); break;
    case 7: showNormal(); break;
    case 9:
        if (frmProjet *card = activeCard())
            card->update();
        break;
    default: break;
    }
}

void frmMenu::Mnu_OutOutils_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutOutils_Click"), index);
}

void frmMenu::Mnu_OutPal_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutPal_Click"), index);
}

void frmMenu::Mnu_OutPro_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutPro_Click"), index);
    switch (index) {
    case 0: cascadeWindows(); break;
    case 1: tileWindows(Qt::Vertical); break;
    case 2: tileWindows(Qt::Horizontal); break;
    case 6: setAllWindowsState(Qt::WindowNoState); break;
    case 7: setAllWindowsState(Qt::WindowMinimized); break;
    case 8: setAllWindowsState(Qt::WindowMaximized); break;
    case 10: closeActiveCard(); break;
    case 11: closeAllCards(); break;
    case 13: arrangeIcons(); break;
    default: break;
    }
}

void frmMenu::Mnu_OutInfo_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutInfo_Click"), index);
    switch (index) {
    case 8: showAbout(); break;
    default: break;
    }
}

void frmMenu::Mnu_OutImp_Click(int index)
{
    emit commandRun(QStringLiteral("Mnu_OutImp_Click"), index);
}

void frmMenu::showAbout()
{
    frmAbout about(*this, m_services.shell);
    runModal(about);
}
