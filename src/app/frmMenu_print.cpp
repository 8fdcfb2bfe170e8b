// File 10 and 11: the print window and the preview, on the active card.
#include "frmMenu.h"

#include "CardExport.h"
#include "FrameStatusBar.h"
#include "merge/MergeDialog.h"
#include "panel/ToolPanel.h"
#include "cardwindow/frmProjet.h"
#include "platform/Prompts.h"
#include "printing/frmPrint.h"

#include <QPointer>

namespace {

constexpr int StatusMessageMs = 8000;

} // namespace

frmPrint &frmMenu::printWindow()
{
    if (!m_print) {
        m_print = new frmPrint(m_services, m_dialog, [this](QDialog &dialog) { return runModal(dialog); }, this);
        // A job handed to the printer is said for a few seconds.
        m_print->setStatusReporter([this](const QString &text) { m_status->showNotice(text, StatusMessageMs); });
    }
    return *m_print;
}

void frmMenu::printActiveCard(frmProjet &card, bool preview)
{
    CardExport exporter(m_services, m_dialog);
    exporter.Fusion_Carte(card, true);
    frmPrint &window = printWindow();
    window.setCard(exporter.printCard(), card.Caption(), card.palette());
    // A card merged with a list prints each ticked record, copies included.
    std::optional<SheetCards> cards;
    if (const CardMerge &list = card.merge(); list.active()) {
        // The print window keeps its own copy of the records (their texts are
        // shared, not copied): the card window may close before it.
        std::vector<QStringList> records;
        for (const int n : list.tickedRecords())
            records.push_back(list.record(n));
        const int copies = card.doc().mergeCopies();
        cards = SheetCards{int(records.size()) * copies, list.columns(),
                           [records, copies](int n) { return records[std::size_t(n / copies)]; }};
    }
    window.setMerge(cards);
    if (preview)
        window.Aperçu(false);
    else
        runModal(window);
}

void frmMenu::mergeWithList(frmProjet &card)
{
    const QPointer<frmProjet> guard(&card);
    MergeSetup setup(*m_services.prompts, m_dialog);
    setup.startFrom(card);
    // A card merged with nothing yet starts by choosing its list.
    if (!setup.list().active() && !setup.browse())
        return;
    MergeDialog dialog(setup, [this](const QString &field) { m_panel->insertField(field); }, this);
    const int outcome = runModal(dialog);
    if (!guard)
        return;
    if (outcome == MergeDialog::Merged)
        setup.apply(card);
    else if (outcome == MergeDialog::Unmerged)
        MergeSetup::remove(card);
}

void frmMenu::readCardList(frmProjet &card)
{
    const QString path = card.doc().mergeList();
    if (path.isEmpty())
        return;
    QString error;
    if (!card.merge().load(path, &error)) {
        m_services.prompts->msgBox(error + QStringLiteral(" La carte montre ses champs tels qu'ils sont écrits."),
                                   Msg::Exclamation);
        return;
    }
    MergeSetup::warn(*m_services.prompts, card);
}
