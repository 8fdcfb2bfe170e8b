// File 10 and 11: the print window and the preview, on the active card.
#include "frmMenu.h"

#include "CardExport.h"
#include "document/frmProjet.h"
#include "printing/frmPrint.h"

frmPrint &frmMenu::printWindow()
{
    if (!m_print)
        m_print = new frmPrint(m_services, CMDialog1(), [this](QDialog &dialog) { return runModal(dialog); }, this);
    return *m_print;
}

void frmMenu::printActiveCard(frmProjet &card, bool preview)
{
    CardExport exporter(m_services, CMDialog1());
    exporter.Fusion_Carte(card, true);
    frmPrint &window = printWindow();
    window.setCard(exporter.printCard(), card.Caption(), card.palette());
    if (preview)
        window.Aperçu(false);
    else
        runModal(window);
}
