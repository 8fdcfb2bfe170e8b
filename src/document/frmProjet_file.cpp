// Reading and writing the card's project file: the card document converted
// to and from the file's description, then shown.
#include "frmProjet.h"

#include "CardProject.h"
#include "ProjectFile.h"

bool frmProjet::Projet_Sauver(const QString &path)
{
    // The whole file is built in memory and put in place with one rename:
    // a failed write leaves the old file as it was.
    ProfileFile file = ProjectFile::write(CardProject::describe(m_doc));
    return file.saveAs(path);
}

bool frmProjet::Projet_Ouvrir(const QString &path)
{
    ProfileFile file;
    const bool readable = file.load(path);
    showProject(ProjectFile::read(file));
    return readable;
}

int frmProjet::showProject(const ProjectData &data)
{
    QWidget *surface = cardView();
    surface->hide();

    PictureFile::Cache pictures;
    const int refused = CardProject::apply(data, m_doc, m_tmp, pictures);
    fitSurface();
    writeCardSize();
    paintCard();
    updateCard();

    surface->show();
    OmbreG()->show();
    OmbreB()->show();
    Form_Resize();
    activate();
    return refused;
}
