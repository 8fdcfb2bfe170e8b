#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class frmProjet;

// The card windows inside the frame's area: which one is active, opening,
// activating and closing them, and the Window menu's arrangements.
class CardWindows : public QObject {
    Q_OBJECT
public:
    explicit CardWindows(QMdiArea *area, QObject *parent = nullptr);

    QMdiArea *area() const { return m_area; }
    // The active card window, or null when none is open.
    frmProjet *activeCard() const;
    QList<frmProjet *> cards() const;

    // Shows a new card window in the area (maximised when the active one
    // is) and makes it the active child.
    QMdiSubWindow *add(frmProjet *card);
    // Makes a window the active child and runs its activation.
    void show(QMdiSubWindow *window);
    // Closes the active card window; false if it refused or none is open.
    bool closeActive();
    // Closes card windows while one is active; false if one refused.
    bool closeAll();

    void cascade();
    // Qt::Vertical: one above another, full width; Qt::Horizontal: side by
    // side, full height.
    void tile(Qt::Orientation stacking);
    void setAllStates(Qt::WindowState state);
    void arrangeIcons();
    // The "Afficher une fenêtre" list: one checkable entry per card window.
    void fillWindowList(QMenu *menu);

    // The area is going away with the frame.
    void detach();

signals:
    // A card window became the active child; its activation is to run.
    void cardActivated(frmProjet *card);

private:
    QMdiSubWindow *subWindowOf(const frmProjet *card) const;
    QList<QMdiSubWindow *> openSubWindows() const;
    void activated(QMdiSubWindow *window);

    QMdiArea *m_area;
    QPointer<QMdiSubWindow> m_lastActivated;
};
