// Construction of the main frame: the card window area, the bars and the
// tool panel, and how the card windows are wired to them.
#include "frmMenu.h"

#include "Autosave.h"
#include "CardWindows.h"
#include "FileHandover.h"
#include "FrameLayout.h"
#include "FrameMenus.h"
#include "FrameStatusBar.h"
#include "ItemCommands.h"
#include "ScanCommands.h"
#include "SingleInstance.h"
#include "cardwindow/frmProjet.h"
#include "panel/ToolPanel.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QMdiArea>
#include <QMenu>
#include <QTimer>

static void initAppResources()
{
    Q_INIT_RESOURCE(brivadune_app);
}

frmMenu::frmMenu(const Services &services, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_dialog(services.prompts)
{
    initAppResources();
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(QStringLiteral("Brivadune"));
    setWindowIcon(QIcon(QStringLiteral(":/brivadune/icons/brivadune.svg")));
    // No toolbar list on a right click over the bars.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(true);
    setMinimumSize(FrameLayout::MinimumWidthPx, FrameLayout::MinimumHeightPx);
    resize(FrameLayout::DesignWidthPx, FrameLayout::DesignHeightPx);

    m_menus = new FrameMenus(*this);
    buildCentralArea();
    m_status = new FrameStatusBar(this);
    setStatusBar(m_status);
    m_autosave = new Autosave(
        *m_services.prompts, [this] { return activeCard(); },
        [this](bool withDialog) { return Sauver_unProjet(withDialog); }, m_services.beep, this);
    m_items = std::make_unique<ItemCommands>(m_services, m_dialog, *this,
                                             [this](QDialog &dialog) { return runModal(dialog); });
    wire();
    showHistoryState();
}

frmMenu::~frmMenu()
{
    // Card windows go first, while the panel and the bars they may touch on
    // their way out still exist.
    m_autosave->Timer1()->stop();
    m_panel->removeEventFilter(this);
    m_panel->setCard(nullptr);
    m_status->setCard(nullptr);
    QMdiArea *area = m_windows->area();
    area->viewport()->removeEventFilter(this);
    m_windows->detach();
    delete area;
}

void frmMenu::buildCentralArea()
{
    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    m_panel = new ToolPanel(*m_services.prompts, m_dialog, central);
    m_panel->installEventFilter(this);
    row->addWidget(m_panel);

    auto *area = new QMdiArea(central);
    area->setObjectName(QStringLiteral("MDIClient"));
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->viewport()->installEventFilter(this);
    row->addWidget(area, 1);
    m_windows = new CardWindows(area, this);

    setCentralWidget(central);
}

void frmMenu::wire()
{
    connect(m_menus, &FrameMenus::itemChosen, this, [this](Menu menu, int index) {
        switch (menu) {
        case Menu::File: Mnu_Outfich_Click(index); break;
        case Menu::Edit: Mnu_OutEdition_Click(index); break;
        case Menu::View: Mnu_OutAff_Click(index); break;
        case Menu::Tools: Mnu_OutOutils_Click(index); break;
        case Menu::Palette: Mnu_OutPal_Click(index); break;
        case Menu::Window: Mnu_OutPro_Click(index); break;
        case Menu::Help: Mnu_OutInfo_Click(index); break;
        case Menu::Scan: Mnu_OutImp_Click(index); break;
        case Menu::Label: Mnu_OutLabel_Click(index); break;
        case Menu::Logo: Mnu_OutLogo_Click(index); break;
        case Menu::Code: Mnu_OutCode_Click(index); break;
        }
    });
    connect(m_menus, &FrameMenus::toolbarButtonClicked, this, &frmMenu::Toolbar1_ButtonClick);
    connect(m_menus->windowList(), &QMenu::aboutToShow, this,
            [this] { m_windows->fillWindowList(m_menus->windowList()); });
    connect(m_menus->recentList(), &QMenu::aboutToShow, this, &frmMenu::fillRecentList);
    // "Projets récents" is usable only while it lists something.
    connect(m_menus->menu(Menu::File), &QMenu::aboutToShow, this,
            [this] { m_menus->action(Menu::File, 16)->setEnabled(!m_recents.files().isEmpty()); });
    // The list item is usable only while card windows are open.
    connect(m_menus->menu(Menu::Window), &QMenu::aboutToShow, this,
            [this] { m_menus->action(Menu::Window, 4)->setEnabled(!m_windows->cards().isEmpty()); });

    connect(m_panel, &ToolPanel::controlUsed, this, &frmMenu::commandRun);
    connect(m_panel, &ToolPanel::commandRequested, this, &frmMenu::run);
    connect(m_windows, &CardWindows::cardActivated, this, &frmMenu::cardActivated);
}

frmProjet *frmMenu::activeCard() const
{
    return m_windows->activeCard();
}

frmProjet *frmMenu::createCardWindow()
{
    auto *card = new frmProjet(CardWindowServices{m_services, &m_dialog, &m_panel->editOptions()});
    connect(card, &frmProjet::contextMenuRequested, this, &frmMenu::showContextMenu);
    connect(card, &frmProjet::itemEditRequested, this, [this](CardItemRef item) {
        if (item.kind == CardItemRef::LabelItem)
            Mnu_OutLabel_Click(0);
        else if (item.kind == CardItemRef::LogoItem)
            Mnu_OutLogo_Click(0);
        else
            Mnu_OutCode_Click(0);
    });
    connect(card, &frmProjet::saveRequested, this, [this, card](bool withDialog) { saveCard(card, withDialog); });
    // Without a card there is nothing to undo.
    connect(card, &QObject::destroyed, this, &frmMenu::showHistoryState, Qt::QueuedConnection);
    return card;
}

void frmMenu::cardActivated(frmProjet *card)
{
    // The panel and the status bar watch the active card; its activation
    // step then shows it in them.
    m_panel->setCard(card);
    m_status->setCard(card);
    // "Annuler" and "Rétablir" follow the active card's history.
    if (m_historyCard)
        disconnect(&m_historyCard->history(), nullptr, this, nullptr);
    m_historyCard = card;
    connect(&card->history(), &QUndoStack::indexChanged, this, &frmMenu::showHistoryState);
    showHistoryState();
    card->activate();
}

void frmMenu::showHistoryState()
{
    frmProjet *card = activeCard();
    m_menus->action(Menu::Edit, CommandTable::menuIndex(Menu::Edit, Command::Undo))
        ->setEnabled(card && card->history().canUndo());
    m_menus->action(Menu::Edit, CommandTable::menuIndex(Menu::Edit, Command::Redo))
        ->setEnabled(card && card->history().canRedo());
}

void frmMenu::showContextMenu(CardMenu menu, const QPoint &globalPos)
{
    m_menus->popup(menu, globalPos);
}

frmProjet *frmMenu::newCard()
{
    frmProjet *card = createCardWindow();
    card->setCaption(QStringLiteral("Projet%1").arg(++m_newCardCount));
    card->doc().setSize(FrameLayout::NewCardWidth, FrameLayout::NewCardHeight);
    card->Fond_parDefaut();
    card->Mise_enPage();
    m_windows->add(card);
    return card;
}
