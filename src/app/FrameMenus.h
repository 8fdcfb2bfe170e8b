#pragma once

#include "Commands.h"

#include <QHash>
#include <QObject>
#include <QVector>
#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QPoint;
class QToolBar;
enum class CardMenu;

// The frame's menu bar, its hidden context menus "Label" and "Logo", the
// scanner submenu and the main toolbar, built from the command table with
// every item at its fixed index. A chosen item or button is reported by its
// menu and index, as the frame's handlers take them.
class FrameMenus : public QObject {
    Q_OBJECT
public:
    explicit FrameMenus(QMainWindow &frame);

    // An item of a menu; null for an index the menu does not have.
    QAction *action(Menu menu, int index) const;
    QMenu *menu(Menu menu) const;
    // The "Afficher une fenêtre" submenu listing the card windows.
    QMenu *windowList() const { return m_windowList; }
    // The "Projets récents" submenu.
    QMenu *recentList() const { return m_recentList; }
    QToolBar *toolbar() const { return m_toolbar; }
    // Shows a context menu of the card at a global screen position.
    void popup(CardMenu menu, const QPoint &globalPos);

signals:
    void itemChosen(Menu menu, int index);
    void toolbarButtonClicked(int index);

private:
    void buildMenus(QMainWindow &frame);
    void buildToolbar(QMainWindow &frame);

    QHash<int, QVector<QAction *>> m_items;
    QHash<int, QMenu *> m_menus;
    QMenu *m_windowList = nullptr;
    QMenu *m_recentList = nullptr;
    QToolBar *m_toolbar = nullptr;
};
