#include "MergeSetup.h"

#include "cardwindow/frmProjet.h"
#include "document/MergeCard.h"
#include "platform/CommonDialog.h"
#include "platform/Prompts.h"

#include <QFileInfo>

namespace {

constexpr int MaxCopies = 1000;

} // namespace

MergeSetup::MergeSetup(Prompts &prompts, CommonDialog &dialog)
    : m_prompts(prompts), m_dialog(dialog)
{
}

void MergeSetup::startFrom(const frmProjet &card)
{
    m_copies = card.doc().mergeCopies();
    const CardMerge &current = card.merge();
    if (current.active()) {
        QString unused;
        m_list.load(current.path(), &unused);
        for (int n = 0; n < current.count() && n < m_list.count(); ++n)
            m_list.setTicked(n, current.ticked(n));
    }
}

bool MergeSetup::browse()
{
    m_dialog.FileName.clear();
    if (m_list.active())
        m_dialog.InitDir = QFileInfo(m_list.path()).absolutePath();
    m_dialog.DialogTitle = QStringLiteral("Choisir une liste");
    m_dialog.Filter = QStringLiteral("Listes (*.csv *.vcf)|*.csv;*.vcf|");
    m_dialog.FilterIndex = 1;
    m_dialog.Flags = CommonDialog::HideReadOnly;
    m_dialog.CancelError = true;
    if (!m_dialog.ShowOpen() || m_dialog.FileName.isEmpty())
        return false;
    return choose(m_dialog.FileName);
}

bool MergeSetup::choose(const QString &path)
{
    CardMerge read;
    QString error;
    if (!read.load(path, &error)) {
        m_prompts.msgBox(error, Msg::Exclamation);
        return false;
    }
    m_list.adopt(read);
    return true;
}

void MergeSetup::setCopies(int copies)
{
    m_copies = std::clamp(copies, 1, MaxCopies);
}

void MergeSetup::apply(frmProjet &card)
{
    if (!m_list.active())
        return;
    {
        const frmProjet::Edit edit(&card, QStringLiteral("Fusion avec une liste"));
        card.doc().setMerge(m_list.path(), m_copies);
    }
    card.merge().adopt(m_list);
    warn(m_prompts, card);
}

void MergeSetup::remove(frmProjet &card)
{
    const frmProjet::Edit edit(&card, QStringLiteral("Fusion avec une liste"));
    card.doc().setMerge(QString(), 1);
    card.merge().clear();
}

void MergeSetup::warn(Prompts &prompts, const frmProjet &card)
{
    const CardMerge &list = card.merge();
    if (!list.active())
        return;
    QStringList said;
    const MergeCard filling(card.doc().data(), list.columns());
    said << MergeCard::unknownFieldsMessage(filling.unknownFields())
         << MergeCard::irregularLinesMessage(list.irregularLines())
         << MergeCard::unfitCodesMessage(filling.unfitRecords(list.count(), [&list](int n) { return list.record(n); }));
    said.removeAll(QString());
    if (!said.isEmpty())
        prompts.msgBox(said.join(QStringLiteral("\r\n")), Msg::Exclamation);
}
