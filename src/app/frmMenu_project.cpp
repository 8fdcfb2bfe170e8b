// Opening and saving project files: the frame's open and save commands and
// the project files named on the command line.
#include "frmMenu.h"

#include "CardWindows.h"
#include "cardwindow/frmProjet.h"
#include "document/ProjectCodes.h"
#include "document/ProjectFile.h"
#include "platform/AppPaths.h"
#include "platform/ProfileFile.h"
#include "platform/Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QScopedValueRollback>

namespace {

constexpr int ProjectDialogFlags = CommonDialog::ReadOnly | CommonDialog::OverwritePrompt;

// The settings the open and the save dialog share. The projects folder
// is created when a project is about to be saved there; opening before
// that starts in the folder that holds it.
void prepareProjectDialog(CommonDialog &dialog, const QString &appDir, const QString &title, bool saving)
{
    const QString folder = AppPaths::projectsDir(appDir);
    if (saving)
        QDir().mkpath(folder);
    dialog.InitDir = QFileInfo(folder).isDir() ? folder : QFileInfo(folder).path();
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

} // namespace

bool frmMenu::nameInUse(const QString &name) const
{
    // Whether a second project window could be confused with this one.
    for (const frmProjet *card : m_windows->cards()) {
        if (card->Caption() == name)
            return true;
    }
    return false;
}

void frmMenu::Ouvrir_unProjet()
{
    Prompts &prompts = *m_services.prompts;
    CommonDialog &dialog = m_dialog;
    dialog.FileName.clear();
    prepareProjectDialog(dialog, m_services.appDir, QStringLiteral("Ouvrir un fichier projet..."), false);
    if (!dialog.ShowOpen())
        return;
    const QString path = dialog.FileName;
    const QString title = dialog.FileTitle;
    QString name;
    if (!projectName(title, name))
        return;
    if (nameInUse(name)) {
        showInUse(prompts, title);
        return;
    }
    ProfileFile file;
    if (!file.load(path)) {
        // A name that names nothing leaves a new window open, untitled; a
        // file that is there but refused (a folder, a device, a pipe, one
        // far too large, one that cannot be read) opens nothing.
        if (file.loadError() == GuardedFile::Error::Missing)
            m_windows->add(createCardWindow());
        else
            prompts.msgBox(GuardedFile::message(file.loadError(), title), Msg::Exclamation);
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
        showNoProject(*m_services.prompts, fileName);
        return;
    }
    const ProjectData data = ProjectFile::read(file);
    // The card's size and items come from the project file.
    frmProjet *card = createCardWindow();
    m_windows->add(card);
    const int leftOut = data.leftOut + card->showProject(data);
    card->setCaption(name);
    // Codes the file holds that cannot be drawn are told once, here.
    if (!data.unreadableCodes.isEmpty())
        m_services.prompts->msgBox(ProjectCodes::unreadableMessage(data.unreadableCodes), Msg::Exclamation);
    // A card holding only part of its file must never be saved over it.
    if (leftOut > 0) {
        showShortened(*m_services.prompts, fileName);
        return;
    }
    card->setFilePath(path);
    rememberProject(path);
    readCardList(*card);
}

bool frmMenu::Sauver_unProjet(bool withDialog)
{
    return saveCard(activeCard(), withDialog);
}

bool frmMenu::saveCard(frmProjet *target, bool withDialog)
{
    QPointer<frmProjet> card = target;
    // A save asked for while another is waiting for its dialog or message
    // (an autosave tick during a modal loop) has nothing to add.
    if (!card || m_saving)
        return false;
    QScopedValueRollback<bool> saving(m_saving, true);

    // A card never saved has no path to write to without asking for one.
    if (card->filePath().isEmpty())
        withDialog = true;

    CommonDialog &dialog = m_dialog;
    // A card never saved proposes its name as a project file, so that the
    // file shows in "Ouvrir"; a name typed without extension is kept as
    // typed.
    dialog.FileName = card->filePath().isEmpty() ? card->Caption() + QStringLiteral(".prj") : card->filePath();
    prepareProjectDialog(dialog, m_services.appDir, QStringLiteral("Enregistrez le fichier sous..."), withDialog);
    if (withDialog && !dialog.ShowSave())
        return false;
    const QString path = dialog.FileName;
    const QString title = dialog.FileTitle;
    // The card may have closed while the dialog was up.
    if (!card || !m_windows->cards().contains(card.data()))
        return false;
    // On failure the old file is untouched and the card keeps its name and
    // path: the user is told, so the work is not believed saved.
    if (!card->Projet_Sauver(path)) {
        showCannotSave(*m_services.prompts, path);
        return false;
    }
    if (withDialog) {
        QString name;
        if (!projectName(title, name))
            return true; // written; the odd name keeps the old caption and path
        card->setCaption(name);
    }
    card->setFilePath(path);
    rememberProject(path);
    return true;
}

void frmMenu::openProjectFiles(const QStringList &files)
{
    for (const QString &argument : files) {
        const QFileInfo file(argument);
        QString name;
        if (!file.isFile() || !file.isReadable() || !projectName(file.fileName(), name)) {
            showCannotOpen(*m_services.prompts, argument);
            continue;
        }
        if (nameInUse(name)) {
            showInUse(*m_services.prompts, file.fileName());
            continue;
        }
        // The tag keeps the full path: the current folder may change later.
        const QString path = file.absoluteFilePath();
        ProfileFile profile;
        if (!profile.load(path)) {
            showCannotOpen(*m_services.prompts, argument);
            continue;
        }
        openProject(profile, path, name, file.fileName());
    }
}
