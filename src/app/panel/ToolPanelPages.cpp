// The tool panel's four pages and their controls, built at their fixed
// indexes.
#include "ToolPanel.h"

#include "ColorSwatch.h"
#include "PanelIcons.h"
#include "PositionFields.h"
#include "TabStrip.h"
#include "app/FrameLayout.h"
#include "platform/Colors.h"
#include "platform/Units.h"
#include "widgets/Line3D.h"
#include "widgets/Xp_Bouton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QLabel *staticText(const char *utf8, QWidget *parent)
{
    auto *label = new QLabel(text(utf8), parent);
    label->setWordWrap(true);
    return label;
}

QWidget *separator(QWidget *parent)
{
    return new Line3D(parent);
}

QVBoxLayout *pageLayout(QWidget *page)
{
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);
    return column;
}

} // namespace

void ToolPanel::buildPages()
{
    m_tab1 = new TabStrip(this);
    m_tab1->setObjectName(QStringLiteral("Tab1"));
    for (const char *caption : {"Outils", "Position", "Fond de carte", "Palette 2D"})
        m_tab1->addTab(text(caption));
    // Two rows of tabs fit the strip above the pages' top.
    m_tab1->setRowHeight((Units::toPixels(FrameLayout::PageTop) - Units::toPixels(FrameLayout::Tab1Top)) / 2);
    m_tab1->setGeometry(Units::toPixels(FrameLayout::Tab1Left), Units::toPixels(FrameLayout::Tab1Top),
                        Units::toPixels(FrameLayout::Tab1Width), 400);

    const QColor buttonFace = Colors::toQColor(Colors::system(Colors::ButtonFace));
    for (int i = 1; i <= 4; ++i) {
        auto *page = new QWidget(this);
        page->setObjectName(QStringLiteral("PictA%1").arg(i));
        page->setAutoFillBackground(true);
        QPalette colours = page->palette();
        colours.setColor(QPalette::Window, buttonFace);
        page->setPalette(colours);
        page->hide();
        m_pages[std::size_t(i)] = page;
    }
    buildToolsPage(m_pages[1]);
    buildPositionPage(m_pages[2]);
    buildBackgroundPage(m_pages[3]);
    buildPalettePage(m_pages[4]);
}

namespace {

// A button of the panel: the rounded face, a 16 x 16 picture, a caption or
// none.
Xp_Bouton *panelButton(const QString &caption, QWidget *page)
{
    auto *b = new Xp_Bouton(page);
    b->setButtonStyle(3);
    b->setPictureSize(0);
    b->setCaption(caption);
    b->setMinimumHeight(24);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
}

} // namespace

Xp_Bouton *ToolPanel::makeBouton(int index, const char *caption, const char *tip, QWidget *page)
{
    Xp_Bouton *b = panelButton(text(caption), page);
    b->setToolTip(text(tip));
    m_boutons[std::size_t(index)] = b;
    return b;
}

void ToolPanel::buildToolsPage(QWidget *page)
{
    QVBoxLayout *column = pageLayout(page);
    column->addWidget(staticText("Créer et personnaliser tous les labels et logos avec les outils ci-dessous.", page));
    column->addWidget(separator(page));

    auto button = [this, page, column](int index, const char *caption, const char *tip) {
        column->addWidget(makeBouton(index, caption, tip, page));
    };
    button(1, " Ajouter un label", "Insérer un label texte");
    button(2, " Ajouter un logo", "Insérer un logo image");

    column->addWidget(staticText("Texte du label actif :", page));
    m_textA = new QLineEdit(page);
    m_textA->setObjectName(QStringLiteral("TextA"));
    column->addWidget(m_textA);

    m_check2[0] = new QCheckBox(text("Souligner le texte"), page);
    m_check2[1] = new QCheckBox(text("Barrer le texte"), page);
    column->addWidget(m_check2[0]);
    column->addWidget(m_check2[1]);

    button(3, " Choix de la police ", "Choix du type de police");
    button(4, "Couleur de la police", "Choix de la couleur de la police");
    column->addWidget(separator(page));

    m_check1[2] = new QCheckBox(text("Vérouiller les contrôles"), page);
    m_check1[0] = new QCheckBox(text("Désactiver les bulles d'aide"), page);
    m_check1[1] = new QCheckBox(text("Sauvegarde automatique"), page);
    for (int i : {2, 0, 1})
        column->addWidget(m_check1[std::size_t(i)]);
    column->addWidget(separator(page));
    button(9, " Ajouter un code", "Insérer un QR code ou un code-barres");
    column->addStretch(1);
}

void ToolPanel::buildPositionPage(QWidget *page)
{
    QVBoxLayout *column = pageLayout(page);
    column->addWidget(staticText("Déplacer tous les labels de votre projet avec les flêches de navigation.", page));
    column->addWidget(separator(page));

    column->addWidget(staticText("Niveau de déplacement :", page));
    m_niveau = new QComboBox(page);
    m_niveau->setObjectName(QStringLiteral("Niveau"));
    const std::pair<const char *, int> steps[] = {
        {"Très Important", 400}, {"Normal", 200}, {"Plus précis", 50}, {"Réglages très fin!", 10}};
    for (const auto &[caption, step] : steps)
        m_niveau->addItem(text(caption), step);
    m_niveau->setCurrentIndex(1);
    column->addWidget(m_niveau);

    column->addWidget(staticText("Objets disponibles :", page));
    m_objets = new QComboBox(page);
    m_objets->setObjectName(QStringLiteral("Objets"));
    m_objets->setToolTip(text("Sélectionner l'objet à déplacer"));
    // Rows like "Lb12 | a long label text" must not widen the panel.
    m_objets->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_objets->setMinimumContentsLength(8);
    column->addWidget(m_objets);
    column->addWidget(separator(page));

    // The buttons sit like a direction pad: centring at the top corners,
    // the middle of the card in the centre.
    auto *pad = new QGridLayout;
    pad->setSpacing(4);
    struct PosDef {
        int index;
        const char *tip;
        int row;
        int column;
    };
    const PosDef defs[] = {
        {0, "Déplacer vers le haut", 0, 1},   {1, "Déplacer vers le bas", 2, 1},
        {2, "Déplacer vers la gauche", 1, 0}, {3, "Déplacer vers la droite", 1, 2},
        {4, "Centrer horizontalement", 0, 0}, {5, "Milieu de la carte", 1, 1},
        {6, "Centrer verticalement", 0, 2},
    };
    for (const PosDef &def : defs) {
        Xp_Bouton *b = panelButton(QString(), page);
        b->setToolTip(text(def.tip));
        b->setFixedSize(34, 30);
        b->setPicture(def.index <= 3 ? PanelIcons::arrow(def.index) : PanelIcons::centring(def.index));
        m_pos[std::size_t(def.index)] = b;
        pad->addWidget(b, def.row, def.column, Qt::AlignCenter);
    }
    auto *padRow = new QHBoxLayout;
    padRow->addStretch(1);
    padRow->addLayout(pad);
    padRow->addStretch(1);
    column->addLayout(padRow);

    // The selected item's place typed in millimetres.
    column->addWidget(separator(page));
    column->addWidget(staticText("Position de l'objet :", page));
    m_placeFields = new PositionFields(page);
    column->addWidget(m_placeFields);
    column->addStretch(1);
}

void ToolPanel::buildBackgroundPage(QWidget *page)
{
    QVBoxLayout *column = pageLayout(page);
    column->addWidget(staticText("Personnaliser le fond de votre projet avec les outils ici présent.", page));
    column->addWidget(separator(page));

    column->addWidget(staticText("Dégradé de couleur :", page));
    auto *swatches = new QHBoxLayout;
    const std::pair<int, const char *> colours[] = {
        {0, "Première couleur"}, {5, "Deuxième couleur"}, {10, "Troisième couleur"}};
    for (const auto &[index, tip] : colours) {
        auto *swatch = new ColorSwatch(page);
        swatch->setToolTip(text(tip));
        swatch->setBackColor(Colors::White);
        m_colors[std::size_t(index / 5)] = swatch;
        swatches->addWidget(swatch);
    }
    column->addLayout(swatches);

    column->addWidget(staticText("Orientation du dégradé :", page));
    // Each button sits where its ramp starts: corners at the corners, edges
    // on the edges, the circular one in the middle.
    struct OptionDef {
        int index;
        const char *tip;
        int row;
        int column;
    };
    const OptionDef defs[] = {
        {0, "En haut à gauche", 0, 0},      {1, "Centrer vers le haut", 0, 1},   {2, "En haut à droite", 0, 2},
        {3, "Centrer vers la droite", 1, 2}, {4, "En bas à droite", 2, 2},        {5, "Centrer vers le bas", 2, 1},
        {6, "En bas à gauche", 2, 0},        {7, "Centrer vers la gauche", 1, 0}, {8, "Dégradé circulaire", 1, 1},
    };
    auto *grid = new QGridLayout;
    grid->setSpacing(3);
    auto *group = new QButtonGroup(page);
    group->setExclusive(true);
    for (const OptionDef &def : defs) {
        auto *b = new QToolButton(page);
        b->setCheckable(true);
        b->setToolTip(text(def.tip));
        b->setIcon(PanelIcons::gradient(def.index));
        b->setIconSize(QSize(24, 24));
        b->setFixedSize(32, 32);
        group->addButton(b, def.index);
        m_options[std::size_t(def.index)] = b;
        grid->addWidget(b, def.row, def.column);
    }
    auto *gridRow = new QHBoxLayout;
    gridRow->addStretch(1);
    gridRow->addLayout(grid);
    gridRow->addStretch(1);
    column->addLayout(gridRow);
    column->addWidget(separator(page));

    auto button = [this, page, column](int index, const char *caption, const char *tip) {
        column->addWidget(makeBouton(index, caption, tip, page));
    };
    button(7, "Rétablir le dégradé", "Rétablir le dégradé par défaut");
    button(8, "Annuler le dégradé", "Annuler le dégradé de couleurs");
    button(5, "Importer une image", "Insérer une image de fond");
    button(6, "Fond par défaut ", "Arrière plan par défaut");
    column->addStretch(1);
}

void ToolPanel::buildPalettePage(QWidget *page)
{
    QVBoxLayout *column = pageLayout(page);
    column->addWidget(staticText("Améliorer l'apparence de votre projet en utilisant les différents effets.", page));
    m_check1[3] = new QCheckBox(text("Ne plus afficher le message"), page);
    column->addWidget(m_check1[3]);
    column->addWidget(separator(page));

    const std::pair<int, const char *> effects[] = {
        {0, " Réinitialiser   "}, {2, " Luminosité    "}, {3, "   Assombrir    "},
        {5, "     Gamma      "},  {6, "Niveau de gris"},   {7, "   Inversion     "},
        {9, "    Adoucir      "}, {11, "Fond en relief   "}, {12, "Fond incrusté  "},
    };
    for (const auto &[index, caption] : effects) {
        Xp_Bouton *b = panelButton(text(caption), page);
        m_palettes[std::size_t(index)] = b;
        column->addWidget(b);
    }
    column->addStretch(1);
}

