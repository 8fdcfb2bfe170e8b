// Reading and writing the card's project file, and what the window does
// when its document changes.
#include "frmProjet.h"

#include "CardView.h"
#include "document/CardProject.h"
#include "document/MergeCard.h"
#include "document/ProjectFile.h"
#include "imaging/ImageEffects.h"

bool frmProjet::Projet_Sauver(const QString &path)
{
    // The whole file is built in memory and put in place with one rename:
    // a failed write leaves the old file as it was.
    ProfileFile file = ProjectFile::write(CardProject::describe(m_doc.data()));
    if (!file.saveAs(path))
        return false;
    ++m_saves;
    m_history.setClean();
    return true;
}

bool frmProjet::Projet_Ouvrir(const QString &path)
{
    ProfileFile file;
    const bool readable = file.load(path);
    showProject(ProjectFile::read(file));
    return readable;
}

int frmProjet::showProject(const ProjectData &data)
{
    CardData card = m_doc.data();
    PictureFile::Cache pictures;
    const int refused = CardProject::apply(data, card, m_tmp, pictures);
    m_doc.assign(card);
    activate();
    return refused;
}

void frmProjet::refill()
{
    if (m_merge.active() && m_merge.count() > 0) {
        m_filled = MergeCard(m_doc.data(), m_merge.columns()).fill(m_merge.record(m_merge.current()));
    } else {
        m_filled.reset();
    }
    if (m_view)
        m_view->setCard(&shownCard());
    if (m_bord.visible && m_bord.item)
        frameItem(*m_bord.item);
}

void frmProjet::observeDocument()
{
    // During a merge every change fills the card shown again.
    connect(&m_merge, &CardMerge::changed, this, &frmProjet::refill);
    for (const auto signal : {&CardDocument::itemAdded, &CardDocument::itemRemoved})
        connect(&m_doc, signal, this, [this] {
            if (m_merge.active())
                refill();
        });
    connect(&m_doc, &CardDocument::itemChanged, this, [this] {
        if (m_merge.active())
            refill();
    });
    connect(&m_doc, &CardDocument::stackingChanged, this, [this] {
        if (m_merge.active())
            refill();
    });
    connect(&m_doc, &CardDocument::reset, this, [this] {
        if (m_merge.active())
            refill();
    });
    const auto item = [this](CardItemRef ref) {
        if (m_view)
            m_view->updateItem(ref);
    };
    connect(&m_doc, &CardDocument::itemAdded, this, item);
    connect(&m_doc, &CardDocument::itemRemoved, this, [this, item](CardItemRef ref) {
        item(ref);
        if (m_bord.visible && m_bord.item == ref)
            hideBord();
    });
    connect(&m_doc, &CardDocument::itemChanged, this, [this, item](CardItemRef ref, CardDocument::Changes what) {
        item(ref);
        // The selection frame follows the item it surrounds.
        if (m_bord.visible && m_bord.item == ref && (what & (CardDocument::Position | CardDocument::Size)))
            frameItem(ref);
    });
    connect(&m_doc, &CardDocument::stackingChanged, this, [this] {
        if (m_view)
            m_view->updateAll();
    });
    connect(&m_doc, &CardDocument::backgroundChanged, this, [this] { paintCard(); });
    connect(&m_doc, &CardDocument::effectAdded, this, [this](const ImageEffect &effect) {
        // Applying it to the picture on screen gives the same picture as
        // replaying every effect over a fresh background.
        ImageEffects::apply(m_picture1.image(), effect, m_picture1.twipsPerPixel());
        m_picture1.refresh();
    });
    const auto whole = [this] {
        fitSurface();
        paintCard();
        showWholeCard();
    };
    connect(&m_doc, &CardDocument::sizeChanged, this, whole);
    connect(&m_doc, &CardDocument::reset, this, [this, whole] {
        // The frame around an item of the card that was is gone, and so is
        // that card's history: a card read or made afresh starts clean.
        m_bord = SelectionFrame();
        m_history.clear();
        whole();
    });
}
