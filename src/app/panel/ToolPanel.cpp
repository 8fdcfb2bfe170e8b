// The tool panel: wiring of its controls, the card window it watches, and
// the page switching.
#include "ToolPanel.h"

#include "ColorSwatch.h"
#include "PanelSelection.h"
#include "PositionFields.h"
#include "TabStrip.h"
#include "app/FrameLayout.h"
#include "cardwindow/frmProjet.h"
#include "platform/Prompts.h"
#include "platform/Units.h"
#include "widgets/Xp_Bouton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

const char *const PaletteMessage =
    "Cet onglet permet d'appliquer des filtres directement dans votre projet,\r\n"
    "certain filtre ne fonctionne que si le fond du projet contient une image.\r\n\r\n"
    "Attention :\r\n"
    "1. Les modifications ne seront pas sauvegarder dans le projet.\r\n"
    "2. L'aperçu avant impression réinitialisera le projet à son origine.\r\n\r\n"
    "Remarque :\r\n"
    "Les outils du menu ''Projet'' assurent l'enregistrement des filtres,\r\n"
    "mais seulement dans un fichier image ou via le presse-papier.";

constexpr int Swatches[3] = {0, 5, 10};

} // namespace

ToolPanel::ToolPanel(Prompts &prompts, CommonDialog &dialog, QWidget *parent)
    : QFrame(parent), m_prompts(prompts), m_dialog(dialog)
{
    setObjectName(QStringLiteral("Toolbar2"));
    setFixedWidth(Units::toPixels(FrameLayout::PanelWidth));
    m_gradient.setPrompts(&prompts);
    buildPages();
    wire();
}

ToolPanel::~ToolPanel() = default;

void ToolPanel::wire()
{
    // Each control reports its handler and index, then runs the handler.
    const auto report = [this](const QString &name, int index, auto handler) {
        return [this, name, index, handler] {
            emit controlUsed(name, index);
            handler(index);
        };
    };
    connect(m_tab1, &TabStrip::currentChanged, this, [this] {
        emit controlUsed(QStringLiteral("Tab1_Click"), selectedTab());
        Tab1_Click();
    });
    for (int i = 0; i <= 3; ++i) {
        connect(m_check1[std::size_t(i)], &QCheckBox::clicked, this,
                report(QStringLiteral("Check1_Click"), i, [this](int index) {
                    if (index == 1)
                        emit commandRequested(Command::ToggleAutosave);
                }));
    }
    // The options the card windows read follow the boxes, however ticked.
    connect(m_check1[0], &QCheckBox::toggled, this, [this](bool on) { m_editOptions.noBalloons = on; });
    connect(m_check1[2], &QCheckBox::toggled, this, [this](bool on) { m_editOptions.locked = on; });
    for (int i = 0; i <= 1; ++i)
        connect(m_check2[std::size_t(i)], &QCheckBox::clicked, this,
                report(QStringLiteral("Check2_Click"), i, [this](int index) { Check2_Click(index); }));
    for (int i = 1; i <= 9; ++i)
        connect(m_boutons[std::size_t(i)], &Xp_Bouton::Click, this,
                report(QStringLiteral("Bouton_Click"), i, [this](int index) { Bouton_Click(index); }));
    for (int i = 0; i <= 6; ++i)
        connect(m_pos[std::size_t(i)], &Xp_Bouton::Click, this,
                report(QStringLiteral("Pos_Click"), i, [this](int index) { Pos_Click(index); }));
    for (int i = 0; i <= 8; ++i)
        connect(m_options[std::size_t(i)], &QToolButton::clicked, this,
                report(QStringLiteral("Option_Click"), i, [this](int index) { Option_Click(index); }));
    for (int i = 0; i <= 12; ++i) {
        if (Xp_Bouton *button = m_palettes[std::size_t(i)])
            connect(button, &Xp_Bouton::Click, this, report(QStringLiteral("Palette_Click"), i, [this](int index) {
                        if (const std::optional<Command> command = CommandTable::panelCommand(PanelArray::Palette, index))
                            emit commandRequested(*command);
                    }));
    }
    for (int i : Swatches)
        connect(Color(i), &ColorSwatch::clicked, this,
                report(QStringLiteral("Color_Click"), i, [this](int index) { Color_Click(index); }));
    connect(m_objets, &QComboBox::activated, this, [this](int row) {
        emit controlUsed(QStringLiteral("Objets_Click"), row);
        Objets_Click();
    });
    connect(m_textA, &QLineEdit::textChanged, this, [this] {
        emit controlUsed(QStringLiteral("TextA_Change"), 0);
        TextA_Change();
    });
    // The box's typing is an edit of the card: undo and redo go to the
    // card's history, not to the box's own.
    m_textA->installEventFilter(this);
}

bool ToolPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_textA && event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QKeySequence &history : {QKeySequence(QKeySequence::Undo), QKeySequence(QKeySequence::Redo),
                                            QKeySequence(QStringLiteral("Ctrl+Y")),
                                            QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}) {
            if (pressed == history)
                return true; // left to the frame's "Annuler" and "Rétablir"
        }
    }
    return QFrame::eventFilter(watched, event);
}

// ---- The card window watched -------------------------------------------------

void ToolPanel::setCard(frmProjet *card)
{
    if (m_card == card)
        return;
    if (m_card) {
        disconnect(m_card, nullptr, this, nullptr);
        disconnect(&m_card->doc(), nullptr, this, nullptr);
    }
    m_card = card;
    m_placeFields->setCard(card);
    if (card)
        observe(card);
}

void ToolPanel::observe(frmProjet *card)
{
    connect(card, &frmProjet::activated, this, &ToolPanel::showActivation);
    connect(card, &frmProjet::selectionChanged, this, &ToolPanel::showSelection);
    connect(card, &frmProjet::objectListReset, this, &ToolPanel::resetObjects);
    connect(card, &frmProjet::closed, this, &ToolPanel::cardClosed);
    const CardDocument *doc = &card->doc();
    connect(doc, &CardDocument::itemAdded, this, &ToolPanel::listObjects);
    connect(doc, &CardDocument::itemRemoved, this, &ToolPanel::listObjects);
    connect(doc, &CardDocument::reset, this, &ToolPanel::listObjects);
    connect(doc, &CardDocument::itemChanged, this, &ToolPanel::showItemChange);
}

void ToolPanel::showActivation()
{
    resetObjects();
    if (!m_card)
        return;
    const CardBackground background = m_card->doc().background();
    const OleColor colors[3] = {background.Color1, background.Color2, background.Color3};
    for (int n = 0; n < 3; ++n)
        setSwatch(Swatches[n], colors[n]);
    if (colors[0] != 0 || colors[1] != 0 || colors[2] != 0) {
        // The panel shows this card's gradient. Only a gradient card is
        // repainted with it: a white or picture background keeps what its
        // own description paints.
        if (background.NumFond == 1)
            Option_Click(background.NumOption);
        selectOption(background.NumOption);
    } else {
        for (int swatch : Swatches)
            setSwatch(swatch, Colors::White);
    }
}

void ToolPanel::listObjects()
{
    // The rows follow the card's items; the chosen row stays on its item.
    const QString chosen = PanelSelection::rowItem(m_objets->currentText());
    const QSignalBlocker quiet(m_objets);
    m_objets->clear();
    if (!m_card)
        return;
    m_objets->addItems(PanelSelection::rows(m_card->doc()));
    m_objets->setCurrentIndex(chosen.isEmpty() ? -1 : PanelSelection::findRow(*m_objets, chosen));
}

void ToolPanel::resetObjects()
{
    listObjects();
    // The first row is chosen, as a user's choice would be.
    m_objets->setCurrentIndex(m_objets->count() > 0 ? 0 : -1);
    emit controlUsed(QStringLiteral("Objets_Click"), m_objets->currentIndex());
    Objets_Click();
}

void ToolPanel::showSelection()
{
    if (!m_card)
        return;
    const std::optional<CardItemRef> item = m_card->selection();
    if (!item)
        return;
    if (const CardLabel *label = m_card->selectedLabel()) {
        setTextA(label->Caption());
        Check2(0)->setChecked(label->FontUnderline());
        Check2(1)->setChecked(label->FontStrikethru());
    }
    // The item's row is chosen; choosing it is choosing its kind.
    const QString key = PanelSelection::itemKey(*item);
    const int row = PanelSelection::findRow(*m_objets, key);
    if (row >= 0 && row != m_objets->currentIndex()) {
        m_objets->setCurrentIndex(row);
        SelectionKind = PanelSelection::selectionKind(item->kind);
    }
}

void ToolPanel::showItemChange(CardItemRef item, CardDocument::Changes what)
{
    if (!m_card || item.kind != CardItemRef::LabelItem || !(what & (CardDocument::Text | CardDocument::Style)))
        return;
    const CardLabel *label = m_card->doc().Label(item.index);
    if (what & CardDocument::Text) {
        const int row = PanelSelection::findRow(*m_objets, PanelSelection::itemKey(item));
        if (row >= 0)
            m_objets->setItemText(row, PanelSelection::itemKey(item) + QStringLiteral(" | ") + label->Caption());
    }
    if (m_card->selection() != item)
        return;
    if (what & CardDocument::Text)
        setTextA(label->Caption());
    Check2(0)->setChecked(label->FontUnderline());
    Check2(1)->setChecked(label->FontStrikethru());
}

void ToolPanel::cardClosed()
{
    m_objets->clear();
    setTextA(QString());
    for (int swatch : Swatches)
        setSwatch(swatch, Colors::White);
}

void ToolPanel::setTextA(const QString &text)
{
    // Showing the selection is no edit of the label.
    const QSignalBlocker quiet(m_textA);
    if (m_textA->text() != text)
        m_textA->setText(text);
}

void ToolPanel::setSwatch(int index, OleColor color)
{
    ColorSwatch *swatch = Color(index);
    if (!swatch)
        return;
    swatch->setBackColor(color);
    m_gradient.SetColor(index, color);
}

void ToolPanel::selectOption(int index)
{
    QToolButton *button = Option(index);
    if (!button)
        return;
    button->setChecked(true);
    // "Rétablir le dégradé" redraws in the orientation shown.
    m_orientation = index;
}

std::array<OleColor, 3> ToolPanel::gradientStops() const
{
    return {Color(0)->backColor(), Color(5)->backColor(), Color(10)->backColor()};
}

// ---- Page switching ----------------------------------------------------------

void ToolPanel::layoutPages()
{
    // Sizes the platform refuses (a panel smaller than the offsets) skip
    // their step.
    m_tab1->move(Units::toPixels(FrameLayout::Tab1Left), Units::toPixels(FrameLayout::Tab1Top));
    const double tabHeight = Units::fromPixels(height()) - FrameLayout::Tab1HeightMargin;
    if (tabHeight >= 0) {
        m_tab1HeightTwips = tabHeight;
        m_tab1->resize(Units::toPixels(FrameLayout::Tab1Width), Units::toPixels(tabHeight));
    }
    const double pageHeight = m_tab1HeightTwips - FrameLayout::PageHeightMargin;
    if (QWidget *page = PictA(selectedTab()); page && pageHeight >= 0)
        page->resize(page->width(), Units::toPixels(pageHeight));
}

void ToolPanel::Tab1_Click()
{
    const QColor buttonFace = Colors::toQColor(Colors::system(Colors::ButtonFace));
    for (int i = 1; i <= 4; ++i) {
        QWidget *page = m_pages[std::size_t(i)];
        page->hide();
        QPalette colours = page->palette();
        colours.setColor(QPalette::Window, buttonFace);
        page->setPalette(colours);
    }
    const int selected = selectedTab();
    QWidget *page = PictA(selected);
    if (!page)
        return;
    const double width = FrameLayout::Tab1Width - FrameLayout::PageWidthMargin;
    const double height = m_tab1HeightTwips - FrameLayout::PageHeightMargin;
    page->move(Units::toPixels(FrameLayout::PageLeft), Units::toPixels(FrameLayout::PageTop));
    // A height the panel cannot give (a tiny frame) leaves the old one.
    page->resize(Units::toPixels(width), height >= 0 ? Units::toPixels(height) : page->height());
    page->show();
    page->raise();

    if (selected == 4 && !Check1(3)->isChecked())
        m_prompts.msgBox(QString::fromUtf8(PaletteMessage), Msg::OkOnly | Msg::Information, QStringLiteral("Palette 2D"));
}

int ToolPanel::selectedTab() const
{
    return m_tab1->currentIndex() + 1;
}

void ToolPanel::selectTab(int index)
{
    const QSignalBlocker block(m_tab1);
    m_tab1->setCurrentIndex(index - 1);
}

// ---- Controls by index ---------------------------------------------------------

QWidget *ToolPanel::PictA(int index) const
{
    return index >= 1 && index <= 4 ? m_pages[std::size_t(index)] : nullptr;
}

Xp_Bouton *ToolPanel::Bouton(int index) const
{
    return index >= 1 && index <= 9 ? m_boutons[std::size_t(index)] : nullptr;
}

QCheckBox *ToolPanel::Check1(int index) const
{
    return index >= 0 && index <= 3 ? m_check1[std::size_t(index)] : nullptr;
}

QCheckBox *ToolPanel::Check2(int index) const
{
    return index >= 0 && index <= 1 ? m_check2[std::size_t(index)] : nullptr;
}

Xp_Bouton *ToolPanel::Pos(int index) const
{
    return index >= 0 && index <= 6 ? m_pos[std::size_t(index)] : nullptr;
}

ColorSwatch *ToolPanel::Color(int index) const
{
    return index == 0 || index == 5 || index == 10 ? m_colors[std::size_t(index / 5)] : nullptr;
}

QToolButton *ToolPanel::Option(int index) const
{
    return index >= 0 && index <= 8 ? m_options[std::size_t(index)] : nullptr;
}

Xp_Bouton *ToolPanel::Palette(int index) const
{
    return index >= 0 && index <= 12 ? m_palettes[std::size_t(index)] : nullptr;
}
