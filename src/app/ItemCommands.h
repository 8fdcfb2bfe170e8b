#pragma once

#include "Commands.h"
#include "document/CardCode.h"
#include "document/CardItemRef.h"

#include <functional>
#include <optional>

class CommonDialog;
class QDialog;
class QWidget;
class frmProjet;
struct Services;

// The commands on a card's selected item: the label, logo and code context
// menus (which the Edit menu reuses for labels) and the Edit menu's text
// commands on the selected label. Without a selected visible item of the
// right kind a command changes nothing.
class ItemCommands {
public:
    using ModalRunner = std::function<int(QDialog &)>;

    ItemCommands(const Services &services, CommonDialog &dialog, QWidget &dialogParent, ModalRunner runModal);

    // A command of the label (logo) context menu on the selected label
    // (logo).
    void onLabel(frmProjet &card, Command command);
    void onLogo(frmProjet &card, Command command);
    void onCode(frmProjet &card, Command command);
    // "Ajouter un code...": the code dialog for a new code, added to the
    // card, selected, when the dialog is accepted.
    void addCode(frmProjet &card);
    // Cut, copy, paste and delete of the selected label's text.
    void onText(frmProjet &card, Command command);

private:
    // The label text editor and the logo resize dialog; what they chose is
    // applied when they are accepted and the item is still there.
    void editLabelText(frmProjet &card, int index);
    void resizeLogo(frmProjet &card, int index);
    // The code dialog on `code` (a new one takes its kind's default size);
    // the code as edited, or nothing when the dialog was cancelled.
    std::optional<CardCode> editCode(const CardCode &code, bool isNew);
    // Centring, stacking and deleting, the same for both kinds.
    bool placeItem(frmProjet &card, CardItemRef item, Command command);

    const Services &m_services;
    CommonDialog &m_dialog;
    QWidget &m_parent;
    ModalRunner m_runModal;
};
