#pragma once

#include "PageNavigator.h"
#include "PreviewGeometry.h"

#include <QDialog>
#include <QList>
#include <QSizeF>

#include <array>
#include <functional>

class PageSurface;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
class Ruler;

// "Aperçu avant impression": the sheets of a preview, one page at a time at
// their real size, over the whole screen. A toolbar with "Configurer",
// "Imprimer", the page navigation around the counter and "Fermer"; two
// centimetre rulers beside the page, which follow it when scrolling unless
// "Déplacer les rêgles" lets them be dragged; a double click on the page
// puts them back. Made for each preview and destroyed when closed.
class frmPage : public QDialog {
    Q_OBJECT
public:
    // Page surface 1 exists from the start, blank, `pageTwips` large.
    explicit frmPage(const QSizeF &pageTwips, QWidget *parent = nullptr);
    ~frmPage() override;

    // Surfaces 1 to pageCount(); null for any other index.
    PageSurface *Page(int index) const;
    int pageCount() const { return int(m_pages.size()); }
    // Appends a surface the size of surface 1, visible, behind the others.
    void Nouvelle_Page();
    // Once the pages are painted: the counter ("Page 01/" and the number of
    // sheets), page 1 in front, the page and rulers placed, the bar at 0.
    void Form_Load(int sheets);

    // 0 "Configurer", 1 "Imprimer", 2 "<<", 3 "<", 4 ">", 5 ">>", 6 "Fermer".
    QPushButton *Bouton(int index) const { return m_buttons[std::size_t(index)]; }
    QLabel *LabelA() const { return m_counter; }
    QCheckBox *Check1() const { return m_moveRulers; }
    QScrollBar *VScroll1() const { return m_scroll; }
    // 0 horizontal, 1 vertical.
    Ruler *Regle(int index) const { return m_rulers[std::size_t(index)]; }
    QWidget *Fond() const { return m_area; }

    void Bouton_Click(int index);
    // 1 first, 2 previous, 3 next, 4 last.
    void Navigation(int move);

    // What "Configurer" and "Imprimer" do (the print dialog's set-up and
    // print); the caller disables the buttons when there are none.
    std::function<void()> onSetup;
    std::function<void()> onPrint;


protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Where the page and its rulers go in the viewing area now.
    PreviewGeometry pageGeometry() const;
    void buildToolbar();
    void layoutToolbar();
    // The pages and rulers placed for the bar at 0, and the bar's range.
    void placePages();
    void scrollTo(int value);
    void placeRulers(int scroll);

    QSizeF m_pageTwips;
    QList<PageSurface *> m_pages;
    PageNavigator m_navigator;
    QWidget *m_toolbar = nullptr;
    std::array<QPushButton *, 7> m_buttons{};
    QLabel *m_counter = nullptr;
    QCheckBox *m_moveRulers = nullptr;
    QWidget *m_area = nullptr;
    QScrollBar *m_scroll = nullptr;
    std::array<Ruler *, 2> m_rulers{};
};
