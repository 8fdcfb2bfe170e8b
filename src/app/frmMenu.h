#pragma once

#include "Commands.h"
#include "RecentProjects.h"
#include "platform/CommonDialog.h"
#include "platform/DialogRunner.h"
#include "platform/Services.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <memory>

class Autosave;
class CardWindows;
class FileHandover;
class FrameMenus;
class FrameStatusBar;
class ItemCommands;
class ProfileFile;
class QDialog;
class QTimer;
class ScanCommands;
class SingleInstance;
class ToolPanel;
class frmPrint;
class frmProjet;
struct NewProject;
enum class CardMenu;

// The main frame: a multiple-document window whose children are the card
// windows, with the menus and main toolbar, the tool panel on the left and
// the status bar. It places them and routes every command, found in the
// command table by what it means, to the active card window at the moment
// it runs or to the part of the program that carries it out.
class frmMenu : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMenu(const Services &services, QWidget *parent = nullptr);
    ~frmMenu() override;

    const Services &services() const { return m_services; }

    // Start-up: refuses a second instance (false: the process must end at
    // once), centres the frame, creates "Projets", selects the move step
    // "Normal", reads the settings and lays out the selected page.
    bool MDIForm_Load();

    // Project files named on the command line, opened once the frame is up.
    void setStartupFiles(const QStringList &files) { m_startupFiles = files; }
    // Opens each of them in its own card window, as the open command does
    // without its dialog; a file that cannot be read opens nothing and is
    // reported.
    void openProjectFiles(const QStringList &files);

    // The active card window, or null when none is open.
    frmProjet *activeCard() const;
    // The tool panel, whose option boxes and tab the settings keep.
    ToolPanel &panel() const { return *m_panel; }
    // The print window, made on first use and kept while the program runs
    // (its settings with it).
    frmPrint &printWindow();

    // Opens an empty 8.4 x 5.4 cm card window named "Projet" + n.
    frmProjet *newCard();

    // Command handlers by menu, each given the item's index, and the
    // toolbar's given the button's; the table says which command each runs.
    void Mnu_Outfich_Click(int index);
    void Mnu_OutEdition_Click(int index);
    void Mnu_OutAff_Click(int index);
    void Mnu_OutOutils_Click(int index);
    void Mnu_OutPal_Click(int index);
    void Mnu_OutPro_Click(int index);
    void Mnu_OutInfo_Click(int index);
    void Mnu_OutImp_Click(int index);
    void Mnu_OutLabel_Click(int index);
    void Mnu_OutLogo_Click(int index);
    void Toolbar1_ButtonClick(int index);
    // Runs a command as its menu item would.
    void run(Command command);

    void Ouvrir_unProjet();
    // Saves the active card, asking for a name when `withDialog`. True when
    // the card was written.
    bool Sauver_unProjet(bool withDialog);
    // Scans a picture into the active card's background.
    void Importation_TWAIN();

    // Shows or hides a bar with its View item checked: 0 the main toolbar,
    // 1 the tool panel, 2 the status bar.
    void showBar(int viewIndex, bool visible);
    bool barShown(int viewIndex) const;
    void Lire_Options();
    void Ecrire_Options();

    // The projects last opened or saved, most recent first.
    const RecentProjects &recentProjects() const { return m_recents; }
    // Opens a project of "Projets récents"; one whose file is gone is
    // taken off the list, and the user told so.
    void openRecentProject(const QString &path);

signals:
    // Emitted by every menu handler and panel control before it runs
    // (handler name, index), so that tests and tools can follow commands.
    void commandRun(const QString &handler, int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    // Project files dropped on the frame open as "Ouvrir" opens them.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildCentralArea();
    void wire();
    DialogRunner &dialogRunner();
    int runModal(QDialog &dialog);
    // The quit confirmation; true when the frame may close (settings
    // written, every card window closed).
    bool MDIForm_QueryUnload();
    void centreOnScreen();
    void createProjectsFolder();
    // A new card window wired to the frame, not shown yet.
    frmProjet *createCardWindow();
    void cardActivated(frmProjet *card);
    void showHistoryState();
    void showContextMenu(CardMenu menu, const QPoint &globalPos);
    // Commands by the menu that carries them.
    void dispatch(Menu menu, int index);
    void runFile(Command command);
    void runEdit(Command command);
    void runView(Command command);
    void runTools(std::optional<Command> command);
    void runPalette(Command command);
    void runWindow(Command command);
    void runHelp(Command command);
    void runItem(CardMenu menu, Command command);
    // The code context menu's item `index`.
    void Mnu_OutCode_Click(int index);
    void Effet_Palette(int kind, int amount);
    void showAbout();
    // "Nouveau projet": the wizard, then the card it creates in a new
    // window.
    frmProjet *showNewProjectWizard();
    frmProjet *openNewProject(const NewProject &project);
    // Opening and saving project files.
    bool saveCard(frmProjet *card, bool withDialog);
    void openProject(const ProfileFile &file, const QString &path, const QString &name, const QString &fileName);
    bool nameInUse(const QString &name) const;
    // A project opened or saved goes first in the recent projects, and the
    // settings file keeps the list at once.
    void rememberProject(const QString &path);
    void fillRecentList();
    void printActiveCard(frmProjet &card, bool preview);
    // "Fusion avec une liste...": the list, its records and copies chosen
    // in the merge dialog for the active card.
    void mergeWithList(frmProjet &card);
    // A card opened with a list reads it, or says why it cannot.
    void readCardList(frmProjet &card);
    ScanCommands &scanCommands();
    // Second starts with project files hand them to this frame.
    void listenForFiles();
    void receiveFiles(const QStringList &files);
    void openReceivedFiles();

    Services m_services;
    ModalDialogRunner m_modalRunner;
    CommonDialog m_dialog;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<ScanCommands> m_scan;
    std::unique_ptr<FileHandover> m_handover;
    std::unique_ptr<ItemCommands> m_items;
    QStringList m_receivedFiles;
    QStringList m_startupFiles;
    RecentProjects m_recents;
    int m_newCardCount = 0;
    bool m_settingsFailureShown = false;
    bool m_saving = false;
    frmPrint *m_print = nullptr;

    CardWindows *m_windows = nullptr;
    ToolPanel *m_panel = nullptr;
    FrameMenus *m_menus = nullptr;
    FrameStatusBar *m_status = nullptr;
    Autosave *m_autosave = nullptr;
    QPointer<frmProjet> m_historyCard;
};
