#pragma once

#include "document/CardHost.h"
#include "imaging/ColorGradient.h"
#include "platform/CommonDialog.h"
#include "platform/DialogRunner.h"
#include "platform/Services.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <memory>

class ColorSwatch;
class FileHandover;
class ProfileFile;
class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class QTimer;
class QToolBar;
class QToolButton;
class ScanCommands;
class SingleInstance;
class TabStrip;
class Xp_Bouton;
class frmPrint;
class frmProjet;
struct NewProject;

// The main frame: a multiple-document window whose children are the card
// windows, with the menus, the main toolbar, the tool panel on the left, the
// status bar, the autosave timer and the shared common dialog. Every command
// acts on the active card window at the moment it runs.
//
// The members named like the application's controls (Toolbar1, Tab1,
// PictA, Bouton, Check1...) keep their fixed indexes: other windows and the
// toolbar call the handlers with them.
class frmMenu : public QMainWindow, public CardHost {
    Q_OBJECT
public:
    explicit frmMenu(const Services &services, QWidget *parent = nullptr);
    ~frmMenu() override;

    const Services &services() const { return m_services; }

    // Start-up: refuses a second instance (false: the process must end at
    // once), centres the frame, creates "Projets", selects the move step
    // "Normal", reads the settings and lays out the selected page.
    bool MDIForm_Load();
    // Places the tab strip and the selected page in the tool panel.
    void MDIForm_Resize();
    // The quit confirmation; true when the frame may close (settings
    // written, every card window closed).
    bool MDIForm_QueryUnload();

    // Project files named on the command line, for the command layer.
    void setStartupFiles(const QStringList &files) { m_startupFiles = files; }
    const QStringList &startupFiles() const { return m_startupFiles; }
    // Opens each of them in its own card window, as the open command does
    // without its dialog; a file that cannot be read opens nothing and is
    // reported.
    void openStartupFiles();
    // The same for any project files.
    void openProjectFiles(const QStringList &files);
    // Project files handed over by a second start of the program: opened
    // like the command line's once no modal window is up, and the frame
    // comes to the front.
    void receiveFiles(const QStringList &files);

    // --- Card windows -------------------------------------------------
    QMdiArea *mdiArea() const { return m_mdi; }
    // The active card window, or null when none is open.
    frmProjet *activeCard() const;
    QList<frmProjet *> cards() const;
    QMdiSubWindow *subWindowOf(const frmProjet *card) const;
    // Shows a new card window in the area (maximised when the active one
    // is) and makes it the active child.
    QMdiSubWindow *addCard(frmProjet *card);
    // Opens an empty 8.4 x 5.4 cm card window named "Projet" + n.
    frmProjet *newCard();
    // "Nouveau projet": shows the new-project wizard modal and opens the
    // card it creates in a new window; null when the wizard was cancelled.
    frmProjet *showNewProjectWizard();
    // Opens a card window showing a card the wizard created, captioned
    // with the project's name.
    frmProjet *openNewProject(const NewProject &project);
    // Closes the active card window; false if it refused or none is open.
    bool closeActiveCard();
    // Closes card windows while one is active; false if one refused.
    bool closeAllCards();

    // --- Menus and toolbar --------------------------------------------
    // An item of a menu array ("Mnu_Outfich", "Mnu_OutEdition",
    // "Mnu_OutAff", "Mnu_OutOutils", "Mnu_OutPal", "Mnu_OutPro",
    // "Mnu_OutInfo", "Mnu_OutImp", "Mnu_OutLabel", "Mnu_OutLogo"); null
    // for an index the array does not have.
    QAction *menuAction(const QString &arrayName, int index) const;
    int menuSize(const QString &arrayName) const;
    // The menu holding an array's items.
    QMenu *menuOf(const QString &arrayName) const;
    QMenu *Mnu_Outils() const { return menuOf(QStringLiteral("Mnu_OutOutils")); }
    QMenu *Mnu_Label() const { return menuOf(QStringLiteral("Mnu_OutLabel")); }
    QMenu *Mnu_Logo() const { return menuOf(QStringLiteral("Mnu_OutLogo")); }
    // The "Afficher une fenêtre" submenu listing the card windows.
    QMenu *windowListMenu() const { return m_windowList; }
    // Main toolbar button 1..14 (separators included).
    QAction *toolbarButton(int index) const;

    // Command handlers by menu array; each receives the item index.
    void Mnu_Outfich_Click(int index);
    void Mnu_OutEdition_Click(int index);
    void Mnu_OutAff_Click(int index);
    void Mnu_OutOutils_Click(int index);
    void Mnu_OutPal_Click(int index);
    // Applies one picture effect (kind 1..7 and its amount) to the active
    // card's picture.
    void Effet_Palette(int kind, int amount);
    void Mnu_OutPro_Click(int index);
    void Mnu_OutInfo_Click(int index);
    void Mnu_OutImp_Click(int index);
    // Scans a picture into the active card's background.
    void Importation_TWAIN();
    void Mnu_OutLabel_Click(int index) override;
    void Mnu_OutLogo_Click(int index) override;
    // Main toolbar button 1..14: the menu command of its table row.
    void Toolbar1_ButtonClick(int index);

    void Ouvrir_unProjet();
    bool Sauver_unProjet(bool withDialog) override;

    // The print window, made on first use and kept while the program runs
    // (its settings with it).
    frmPrint &printWindow();

    // --- Bars -----------------------------------------------------------
    QToolBar *Toolbar1() const { return m_toolbar1; }
    QWidget *Toolbar2() const { return m_toolbar2; }
    QWidget *STB1() const;
    // Status panel 1..5.
    QLabel *statusPanel(int panel) const;
    // Shows or hides a bar with its View item checked: 0 the main toolbar,
    // 1 the tool panel, 2 the status bar.
    void showBar(int viewIndex, bool visible);
    bool barShown(int viewIndex) const;

    // --- Tool panel -----------------------------------------------------
    TabStrip *Tab1() const { return m_tab1; }
    // 1 "Outils", 2 "Position", 3 "Fond de carte", 4 "Palette 2D".
    int selectedTab() const;
    // Selects a tab without running the page switching.
    void selectTab(int index);
    QWidget *PictA(int index) const;
    Xp_Bouton *Bouton(int index) const;
    QLineEdit *TextA() const { return m_textA; }
    QCheckBox *Check1(int index) const;
    QCheckBox *Check2(int index) const;
    QComboBox *Niveau() const { return m_niveau; }
    QComboBox *Objets() const { return m_objets; }
    Xp_Bouton *Pos(int index) const;
    ColorSwatch *Color(int index) const;
    QToolButton *Option(int index) const;
    Xp_Bouton *Palette(int index) const;
    // Move step in twips of the selected `Niveau` entry.
    int niveauStep() const;
    // The gradient painter of the swatches.
    ColorGradient &swatchPainter() { return m_gradient; }

    // Selection kind chosen in the object list: 0 none yet, 1 label, 2 logo.
    int SelectionKind = 0;

    // Panel handlers.
    void Tab1_Click();
    void Check1_Click(int index);
    void Check2_Click(int index);
    void Bouton_Click(int index);
    void Pos_Click(int index);
    void Objets_Click();
    void TextA_Change();
    void Color_Click(int index);
    void Option_Click(int index) override;
    void Palette_Click(int index);

    // --- Autosave -------------------------------------------------------
    QTimer *Timer1() const { return m_timer1; }
    void Timer1_Timer();

    // Window mode read from and written to the settings (0 normal,
    // 1 minimised, 2 maximised).
    int windowMode() const { return m_windowMode; }
    void setWindowMode(int mode) { m_windowMode = mode; }
    void Lire_Options();
    void Ecrire_Options();

    // --- CardHost -------------------------------------------------------
    QString appDir() const override { return m_services.appDir; }
    Prompts &prompts() override { return *m_services.prompts; }
    CommonDialog &CMDialog1() override { return m_dialog; }
    void setStatusPanel(int panel, const QString &text) override;
    void clearObjects() override;
    void addObject(const QString &row) override;
    int objectCount() const override;
    QString objectText(int row) const override;
    int objectIndex() const override;
    void setObjectIndex(int row) override;
    std::optional<CardItemRef> selection() const override { return m_selection; }
    void setSelection(std::optional<CardItemRef> item) override { m_selection = item; }
    QString textAText() const override;
    void setTextAText(const QString &text) override;
    bool check1(int index) const override;
    void setCheck2(int index, bool checked) override;
    OleColor swatchColor(int index) const override;
    void setSwatchColor(int index, OleColor color) override;
    void selectOption(int index) override;
    void showLabelMenu(const QPoint &globalPos) override;
    void showLogoMenu(const QPoint &globalPos) override;
    void showToolsMenu(const QPoint &globalPos) override;

signals:
    // Emitted by every menu handler and panel control before it runs
    // (handler name, index), so that tests and tools can follow commands.
    void commandRun(const QString &handler, int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Shows a modal dialog of the frame (the about box, the wizard, the
    // print window...) through the services' runner, which tests replace
    // so nothing blocks.
    int runModal(QDialog &dialog);
    DialogRunner &dialogRunner();

private:
    void buildCentralArea();
    void buildStatusBar();
    void buildMenus();
    void buildToolbar();
    void buildPanel();
    void buildToolsPage(QWidget *page);
    void buildPositionPage(QWidget *page);
    void buildBackgroundPage(QWidget *page);
    void buildPalettePage(QWidget *page);
    Xp_Bouton *makeBouton(int index, const char *caption, const char *tip, QWidget *page);
    void wirePanel();
    void updateClock();
    void fillWindowList();
    void centreOnScreen();
    void createProjectsFolder();
    void cardActivated(QMdiSubWindow *window);
    void showCardWindow(QMdiSubWindow *window);
    // Window menu helpers.
    QList<QMdiSubWindow *> openSubWindows() const;
    void cascadeWindows();
    // Qt::Vertical: one above another, full width; Qt::Horizontal: side by
    // side, full height.
    void tileWindows(Qt::Orientation stacking);
    void setAllWindowsState(Qt::WindowState state);
    void arrangeIcons();
    void showAbout();
    // The label text editor and the logo resize dialog for an item of
    // `card`; what they chose is applied when they are accepted.
    void editLabelText(frmProjet &card, int index);
    void resizeLogo(frmProjet &card, int index);
    // Project commands.
    frmProjet *openCardWindow();
    // Opens a project file already read into a new card window captioned
    // `name`; `fileName` names it in messages.
    void openProject(const ProfileFile &file, const QString &path, const QString &name, const QString &fileName);
    ScanCommands &scanCommands();
    // File 10 and 11: the active card flattened into the print window, then
    // its preview (without "Configurer" and "Imprimer") or the window.
    void printActiveCard(frmProjet &card, bool preview);
    // Second starts with project files hand them to this frame.
    void listenForFiles();
    void openReceivedFiles();

    Services m_services;
    ModalDialogRunner m_modalRunner;
    CommonDialog m_dialog;
    // The gradient painter of the background page's swatches: its stops 0,
    // 5 and 10 follow the swatches; cards paint their own gradients.
    ColorGradient m_gradient;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<ScanCommands> m_scan;
    std::unique_ptr<FileHandover> m_handover;
    QStringList m_receivedFiles;
    QStringList m_startupFiles;
    int m_windowMode = 0;
    int m_newCardCount = 0;
    bool m_settingsFailureShown = false;
    bool m_saving = false;
    frmPrint *m_print = nullptr;

    QMdiArea *m_mdi = nullptr;
    QPointer<QMdiSubWindow> m_lastActivated;
    QToolBar *m_toolbar1 = nullptr;
    QWidget *m_toolbar2 = nullptr;
    std::array<QLabel *, 6> m_panels{}; // 1..5
    QTimer *m_clock = nullptr;
    QTimer *m_timer1 = nullptr;

    QHash<QString, QVector<QAction *>> m_menuItems;
    QHash<QString, QMenu *> m_menus;
    QMenu *m_windowList = nullptr;
    std::array<QAction *, 15> m_toolButtons{}; // 1..14

    TabStrip *m_tab1 = nullptr;
    double m_tab1HeightTwips = 0;
    std::array<QWidget *, 5> m_pages{};        // 1..4
    std::array<Xp_Bouton *, 9> m_boutons{};   // 1..8
    QLineEdit *m_textA = nullptr;
    std::optional<CardItemRef> m_selection;
    std::array<QCheckBox *, 4> m_check1{};
    std::array<QCheckBox *, 2> m_check2{};
    QComboBox *m_niveau = nullptr;
    QComboBox *m_objets = nullptr;
    std::array<Xp_Bouton *, 7> m_pos{};
    std::array<ColorSwatch *, 3> m_colors{};   // 0, 5, 10
    std::array<QToolButton *, 9> m_options{};
    std::array<Xp_Bouton *, 13> m_palettes{};  // 0..12, gaps at separators
};
