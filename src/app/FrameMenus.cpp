#include "FrameMenus.h"

#include "cardwindow/frmProjet.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

bool isContextMenu(Menu menu)
{
    return menu == Menu::Label || menu == Menu::Logo || menu == Menu::Code;
}

} // namespace

FrameMenus::FrameMenus(QMainWindow &frame)
    : QObject(&frame)
{
    buildMenus(frame);
    buildToolbar(frame);
}

void FrameMenus::buildMenus(QMainWindow &frame)
{
    for (const CommandTable::MenuItem &item : CommandTable::menuItems()) {
        const Menu menu = item.menu;
        QMenu *&holder = m_menus[int(menu)];
        if (!holder) {
            holder = menu == Menu::Scan || isContextMenu(menu) ? new QMenu(CommandTable::title(menu), &frame)
                                                               : frame.menuBar()->addMenu(CommandTable::title(menu));
        }
        QVector<QAction *> &actions = m_items[int(menu)];
        if (actions.size() <= item.index)
            actions.resize(item.index + 1, nullptr);
        QAction *action = nullptr;
        if (qstrcmp(item.caption, "-") == 0) {
            action = holder->addSeparator();
        } else {
            action = holder->addAction(text(item.caption));
            if (item.shortcut) {
                QList<QKeySequence> keys;
                for (const QString &key : QString::fromLatin1(item.shortcut).split(u';'))
                    keys.append(QKeySequence(key));
                action->setShortcuts(keys);
            }
            const int index = item.index;
            connect(action, &QAction::triggered, this, [this, menu, index] { emit itemChosen(menu, index); });
        }
        actions[item.index] = action;
    }

    // File 7 carries the scanner submenu, File 16 the recent projects;
    // Window 4 the list of card windows.
    action(Menu::File, 7)->setMenu(menu(Menu::Scan));
    m_recentList = new QMenu(text("Projets récents"), &frame);
    action(Menu::File, 16)->setMenu(m_recentList);
    m_windowList = new QMenu(text("Afficher une fenêtre"), &frame);
    action(Menu::Window, 4)->setMenu(m_windowList);

    // The three bars are shown at design, their items checked. A click on a
    // checkable item flips its mark before the handler runs; the handler
    // does the flipping itself (the settings and the toolbar call it too),
    // so the automatic flip is undone first.
    for (int i = 0; i <= 2; ++i) {
        QAction *bar = action(Menu::View, i);
        bar->setCheckable(true);
        bar->setChecked(true);
        disconnect(bar, &QAction::triggered, this, nullptr);
        connect(bar, &QAction::triggered, this, [this, bar, i](bool checked) {
            const QSignalBlocker block(bar);
            bar->setChecked(!checked);
            emit itemChosen(Menu::View, i);
        });
    }

    // The context menus open on their first item.
    menu(Menu::Label)->setDefaultAction(action(Menu::Label, 0));
    menu(Menu::Logo)->setDefaultAction(action(Menu::Logo, 0));
    menu(Menu::Code)->setDefaultAction(action(Menu::Code, 0));
}

void FrameMenus::buildToolbar(QMainWindow &frame)
{
    m_toolbar = new QToolBar(QStringLiteral("Toolbar1"), &frame);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->toggleViewAction()->setVisible(false);
    frame.addToolBar(Qt::TopToolBarArea, m_toolbar);

    for (const CommandTable::ToolButton &def : CommandTable::toolButtons()) {
        QAction *action = nullptr;
        if (!def.caption) {
            action = m_toolbar->addSeparator();
        } else {
            const QIcon bundled(QStringLiteral(":/brivadune/icons/%1.svg").arg(QString::fromLatin1(def.bundledIcon)));
            const QIcon icon = QIcon::fromTheme(QString::fromLatin1(def.themeIcon), bundled);
            action = m_toolbar->addAction(icon, text(def.caption));
            // The caption keeps its blanks (the derived icon text would be
            // trimmed).
            action->setIconText(text(def.caption));
            action->setToolTip(text(def.tooltip));
            const int index = def.index;
            connect(action, &QAction::triggered, this, [this, index] { emit toolbarButtonClicked(index); });
        }
    }
}

QAction *FrameMenus::action(Menu menu, int index) const
{
    const QVector<QAction *> actions = m_items.value(int(menu));
    return index >= 0 && index < actions.size() ? actions.at(index) : nullptr;
}

QMenu *FrameMenus::menu(Menu menu) const
{
    return m_menus.value(int(menu), nullptr);
}

void FrameMenus::popup(CardMenu which, const QPoint &globalPos)
{
    switch (which) {
    case CardMenu::Label: menu(Menu::Label)->popup(globalPos, menu(Menu::Label)->defaultAction()); break;
    case CardMenu::Logo: menu(Menu::Logo)->popup(globalPos, menu(Menu::Logo)->defaultAction()); break;
    case CardMenu::Code: menu(Menu::Code)->popup(globalPos, menu(Menu::Code)->defaultAction()); break;
    case CardMenu::Tools: menu(Menu::Tools)->popup(globalPos); break;
    }
}
