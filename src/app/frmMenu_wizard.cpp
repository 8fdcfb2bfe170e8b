// "Nouveau projet": the new-project wizard and the card window it opens.
#include "frmMenu.h"

#include "CardWindows.h"
#include "cardwindow/frmProjet.h"
#include "wizard/frmAssist.h"

frmProjet *frmMenu::showNewProjectWizard()
{
    frmAssist wizard(m_services.appDir, *m_services.prompts, m_services.shell, this);
    if (runModal(wizard) != QDialog::Accepted || !wizard.project())
        return nullptr;
    return openNewProject(*wizard.project());
}

frmProjet *frmMenu::openNewProject(const NewProject &project)
{
    frmProjet *card = createCardWindow();
    card->setCaption(project.name);
    card->setDocument(project.card, project.backgroundPicture.isNull() ? nullptr : &project.backgroundPicture);
    // The default texts go to their places on the card.
    if (project.placeItems)
        card->Mise_enPage();
    m_windows->add(card);
    return card;
}
