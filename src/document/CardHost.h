#pragma once

#include "CardItemRef.h"
#include "platform/Colors.h"

#include <QPoint>
#include <QString>
#include <optional>

class CommonDialog;
class Prompts;

// What a card window uses of the main frame that holds it: the status bar,
// the object list, the selected item and the label text box, the option boxes,
// the gradient swatches and orientation buttons, the context menus, the save
// command and the shared common dialog. The main frame implements it; tests
// may give their own.
class CardHost {
public:
    virtual ~CardHost() = default;

    virtual QString appDir() const = 0;
    virtual Prompts &prompts() = 0;
    virtual CommonDialog &CMDialog1() = 0;

    // Status bar panels, 1-based (2 card size, 3 pointer position).
    virtual void setStatusPanel(int panel, const QString &text) = 0;

    // Object list `Objets`. Setting the selected row runs the list's click
    // handler, as a user's choice does; -1 selects nothing.
    virtual void clearObjects() = 0;
    virtual void addObject(const QString &row) = 0;
    virtual int objectCount() const = 0;
    virtual QString objectText(int row) const = 0;
    virtual int objectIndex() const = 0;
    virtual void setObjectIndex(int row) = 0;

    // The selected item of the active card (the frame keeps the selection,
    // not the card), and the text box `TextA` showing the selected label's
    // caption.
    virtual std::optional<CardItemRef> selection() const = 0;
    virtual void setSelection(std::optional<CardItemRef> item) = 0;
    virtual QString textAText() const = 0;
    virtual void setTextAText(const QString &text) = 0;

    // Option boxes `Check1` (0 no balloons, 1 autosave, 2 locked, 3 no
    // palette message) and the underline / strike-through mirrors `Check2`.
    virtual bool check1(int index) const = 0;
    virtual void setCheck2(int index, bool checked) = 0;

    // Gradient swatches `Color` 0, 5 and 10 (their background colour).
    virtual OleColor swatchColor(int index) const = 0;
    virtual void setSwatchColor(int index, OleColor color) = 0;
    // Orientation buttons: the handler redraws the active card's gradient;
    // selecting a button shows it as chosen and makes it the orientation
    // "Rétablir le dégradé" uses, without painting anything.
    virtual void Option_Click(int index) = 0;
    virtual void selectOption(int index) = 0;

    // Context menus shown at a global screen position.
    virtual void showLabelMenu(const QPoint &globalPos) = 0;
    virtual void showLogoMenu(const QPoint &globalPos) = 0;
    virtual void showToolsMenu(const QPoint &globalPos) = 0;
    virtual void Mnu_OutLabel_Click(int index) = 0;
    virtual void Mnu_OutLogo_Click(int index) = 0;

    // Saves the active card (asking for a name when `withDialog`). True
    // when the card was written; false when the dialog was cancelled or
    // the file could not be written.
    virtual bool Sauver_unProjet(bool withDialog) = 0;
};
