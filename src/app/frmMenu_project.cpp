// Opening and saving project files: the frame's open and save commands and
// the project files named on the command line.
#include "frmMenu.h"

#include "document/ProjectFile.h"
#include "document/frmProjet.h"
#include "platform/AppPaths.h"
#include "platform/ProfileFile.h"
#include "platform/Prompts.h"

#include <QFileInfo>
#include <QPointer>
#include <QScopedValueRollback>

namespace {

constexpr int ProjectDialogFlags = CommonDialog::ReadOnly | CommonDialog::OverwritePrompt;

// The settings the open and the save dialog share.
void prepareProjectDialog(CommonDialog &dialog, const QString &appDir, const QString &title)
{
    dialog.InitDir = AppPaths::join(appDir, QStringLiteral("\\Projets"));
    dialog.CancelError = true;
    dialog.Flags = ProjectDialogFlags;
    dialog.DialogTitle = title;
    dialog.Filter = QStringLiteral("Fichier projet (*.prj)|*.prj|");
    dialog.FilterIndex = 1;
}

// The project name shown as a card's caption: the file title less its last
// four characters (the extension when it is ".prj"). A title too short for
// that names no project.
bool projectName(const QString &fileTitle, QString &name)
{
    if (fileTitle.size() < 4)
        return false;
    name = fileTitle.chopped(4);
    return true;
}

void showInUse(Prompts &prompts, const QString &fileTitle)
{
    prompts.msgBox(QStringLiteral("Le fichier \"") + fileTitle + QStringLiteral("\" est déjà en cours d'utilisation."),
                   Msg::Exclamation);
}

void showCannotOpen(Prompts &prompts, const QString &path)
{
    prompts.msgBox(QStringLiteral("Le fichier \"") + path + QStringLiteral("\" ne peut pas être ouvert."),
                   Msg::Exclamation);
}

void showCannotSave(Prompts &prompts, const QString &path)
{
    prompts.msgBox(QStringLiteral("Le projet n'a pas pu être enregistré.\r\n"
                                  "Vérifiez que le dossier existe et que vous pouvez y écrire : ")
                       + path,
                   Msg::Exclamation);
}

void showNoProject(Prompts &prompts, const QString &fileName)
{
    prompts.msgBox(QStringLiteral("Le fichier \"") + fileName
                       + QStringLiteral("\" ne contient pas de projet : une nouvelle carte est ouverte à sa place."),
                   Msg::Exclamation);
}

void showShortened(Prompts &prompts, const QString &fileName)
{
    prompts.msgBox(QStringLiteral("Le fichier \"") + fileName
                       + QStringLiteral("\" contient plus de labels ou de logos qu'une carte ne peut en garder : "
                                        "seuls les %1 premiers de chaque sorte sont ouverts. "
                                        "La carte est ouverte sans son nom de fichier, pour que l'enregistrement "
                                        "ne remplace pas le fichier complet.")
                             .arg(ProjectFile::MaxItems),
                   Msg::Exclamation);
}

// Whether a second project window could be confused with this one.
bool nameInUse(const frmMenu &frame, const QString &name)
{
    for (const frmProjet *card : frame.cards()) {
        if (card->Caption() == name)
            return true;
    }
    return false;
}

} // namespace

frmProjet *frmMenu::openCardWindow()
{
    // The card's size and items come from the project file.
    auto *card = new frmProjet(this);
    addCard(card);
    return card;
}

void frmMenu::Ouvrir_unProjet()
{
    CommonDialog &dialog = CMDialog1();
    dialog.FileName.clear();
    prepareProjectDialog(dialog, appDir(), QStringLiteral("Ouvrir un fichier projet..."));
    if (!dialog.ShowOpen())
        return;
    const QString path = dialog.FileName;
    const QString title = dialog.FileTitle;
    QString name;
    if (!projectName(title, name))
        return;
    if (nameInUse(*this, name)) {
        showInUse(prompts(), title);
        return;
    }
    ProfileFile file;
    if (!file.load(path)) {
        // A name that names nothing leaves a new window open, untitled; a
        // file that is there but refused (a folder, a device, a pipe, one
        // far too large, one that cannot be read) opens nothing.
        if (file.loadError() == GuardedFile::Error::Missing)
            openCardWindow();
        else
            prompts().msgBox(GuardedFile::message(file.loadError(), title), Msg::Exclamation);
        return;
    }
    openProject(file, path, name, title);
}

void frmMenu::openProject(const ProfileFile &file, const QString &path, const QString &name,
                          const QString &fileName)
{
    // A file without a project section would open as a blank card that
    // keeps its path, and the next save would replace the user's file: it
    // opens as a new card instead.
    if (!ProjectFile::hasProject(file)) {
        newCard();
        showNoProject(prompts(), fileName);
        return;
    }
    const ProjectData data = ProjectFile::read(file);
    frmProjet *card = openCardWindow();
    const int leftOut = data.leftOut + card->showProject(data);
    card->setCaption(name);
    // A card holding only part of its file must never be saved over it.
    if (leftOut > 0) {
        showShortened(prompts(), fileName);
        return;
    }
    card->setTag(path);
}

bool frmMenu::Sauver_unProjet(bool withDialog)
{
    QPointer<frmProjet> card = activeCard();
    // A save asked for while another is waiting for its dialog or message
    // (an autosave tick during a modal loop) has nothing to add.
    if (!card || m_saving)
        return false;
    QScopedValueRollback<bool> saving(m_saving, true);

    // A card never saved has no path to write to without asking for one.
    if (card->Tag().isEmpty())
        withDialog = true;

    CommonDialog &dialog = CMDialog1();
    // A card never saved proposes its name as a project file, so that the
    // file shows in "Ouvrir"; a name typed without extension is kept as
    // typed.
    dialog.FileName = card->Tag().isEmpty() ? card->Caption() + QStringLiteral(".prj") : card->Tag();
    prepareProjectDialog(dialog, appDir(), QStringLiteral("Enregistrez le fichier sous..."));
    if (withDialog && !dialog.ShowSave())
        return false;
    const QString path = dialog.FileName;
    const QString title = dialog.FileTitle;
    // The card may have closed while the dialog was up.
    if (!card || !cards().contains(card.data()))
        return false;
    // On failure the old file is untouched and the card keeps its name and
    // path: the user is told, so the work is not believed saved.
    if (!card->Projet_Sauver(path)) {
        showCannotSave(prompts(), path);
        return false;
    }
    if (withDialog) {
        QString name;
        if (!projectName(title, name))
            return true; // written; the odd name keeps the old caption and path
        card->setCaption(name);
    }
    card->setTag(path);
    return true;
}

void frmMenu::openStartupFiles()
{
    openProjectFiles(m_startupFiles);
}

void frmMenu::openProjectFiles(const QStringList &files)
{
    for (const QString &argument : files) {
        const QFileInfo file(argument);
        QString name;
        if (!file.isFile() || !file.isReadable() || !projectName(file.fileName(), name)) {
            showCannotOpen(prompts(), argument);
            continue;
        }
        if (nameInUse(*this, name)) {
            showInUse(prompts(), file.fileName());
            continue;
        }
        // The tag keeps the full path: the current folder may change later.
        const QString path = file.absoluteFilePath();
        ProfileFile profile;
        if (!profile.load(path)) {
            showCannotOpen(prompts(), argument);
            continue;
        }
        openProject(profile, path, name, file.fileName());
    }
}
