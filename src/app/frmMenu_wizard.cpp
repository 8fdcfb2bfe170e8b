// "Nouveau projet": the new-project wizard and the card window it opens.
#include "frmMenu.h"

#include "document/frmProjet.h"
#include "wizard/frmAssist.h"

frmProjet *frmMenu::showNewProjectWizard()
{
    frmAssist wizard(appDir(), prompts(), m_services.shell, this);
    if (runModal(wizard) != QDialog::Accepted || !wizard.project())
        return nullptr;
    return openNewProject(*wizard.project());
}

frmProjet *frmMenu::openNewProject(const NewProject &project)
{
    auto *card = new frmProjet(this);
    card->setCaption(project.name);
    card->setDocument(project.card, project.backgroundPicture.isNull() ? nullptr : &project.backgroundPicture);
    addCard(card);
    return card;
}
