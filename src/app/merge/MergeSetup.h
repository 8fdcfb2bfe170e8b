#pragma once

#include "cardwindow/CardMerge.h"

class CommonDialog;
class Prompts;
class frmProjet;

// What the merge dialog knows and decides, without its window: the list
// chosen (read whole, as the card window will show it), its records with
// those ticked for printing, and the copies of each record.
class MergeSetup {
public:
    MergeSetup(Prompts &prompts, CommonDialog &dialog);

    // Starts from what the card window merges with now.
    void startFrom(const frmProjet &card);
    // "Parcourir...": the open dialog filtered on lists; the list chosen is
    // read. False when cancelled or unreadable (which is said).
    bool browse();
    // Reads a list; an unreadable one is said and leaves the choice as it
    // was.
    bool choose(const QString &path);

    const CardMerge &list() const { return m_list; }
    CardMerge &list() { return m_list; }
    int copies() const { return m_copies; }
    void setCopies(int copies);

    // "Ok": the card window merges with the list (one step of its history)
    // and shows its first record; the fields the list lacks and the records
    // that did not fit its header are said.
    void apply(frmProjet &card);
    // "Sans fusion": the card window merges with nothing any more.
    static void remove(frmProjet &card);

    // The fields a card names and the records of a list that did not fit:
    // said in one message, or nothing when all is well.
    static void warn(Prompts &prompts, const frmProjet &card);

private:
    Prompts &m_prompts;
    CommonDialog &m_dialog;
    CardMerge m_list;
    int m_copies = 1;
};
