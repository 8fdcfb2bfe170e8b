#pragma once

#include "app/Commands.h"
#include "cardwindow/CardWindowServices.h"
#include "document/CardDocument.h"
#include "cardwindow/frmProjet.h"
#include "imaging/ColorGradient.h"

#include <QFrame>
#include <QPointer>
#include <array>
#include <optional>

class ColorSwatch;
class PositionFields;
class CommonDialog;
class Prompts;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;
class TabStrip;
class Xp_Bouton;

// The tool panel on the left of the frame (`Toolbar2`): the tab strip
// `Tab1` and its four pages, "Outils", "Position", "Fond de carte" and
// "Palette 2D". It watches the active card window: the object list, the
// label text box and its style boxes show the card's items and selection,
// the swatches its gradient colours. Its controls edit that card; commands
// that belong to the frame (the effects, autosave) are asked for.
//
// The controls keep their fixed indexes (`Bouton(1..8)`, `Pos(0..6)`,
// `Check1(0..3)`, `Color(0, 5, 10)`, `Option(0..8)`, `Palette(i)` as the
// "Palette 2D" menu item i).
class ToolPanel : public QFrame {
    Q_OBJECT
public:
    ToolPanel(Prompts &prompts, CommonDialog &dialog, QWidget *parent = nullptr);
    ~ToolPanel() override;

    // The active card window, or null when none is open.
    void setCard(frmProjet *card);
    frmProjet *card() const { return m_card; }
    // The options card windows obey (balloons, locked items).
    const CardEditOptions &editOptions() const { return m_editOptions; }

    // Places the tab strip and the selected page for the panel's height.
    void layoutPages();

    TabStrip *Tab1() const { return m_tab1; }
    // 1 "Outils", 2 "Position", 3 "Fond de carte", 4 "Palette 2D".
    int selectedTab() const;
    // Selects a tab without running the page switching.
    void selectTab(int index);
    QWidget *PictA(int index) const;
    Xp_Bouton *Bouton(int index) const;
    QLineEdit *TextA() const { return m_textA; }
    QCheckBox *Check1(int index) const;
    QCheckBox *Check2(int index) const;
    QComboBox *Niveau() const { return m_niveau; }
    QComboBox *Objets() const { return m_objets; }
    Xp_Bouton *Pos(int index) const;
    ColorSwatch *Color(int index) const;
    QToolButton *Option(int index) const;
    Xp_Bouton *Palette(int index) const;

    // Selection kind chosen in the object list: 0 none yet, 1 label, 2 logo,
    // 3 code.
    int SelectionKind = 0;

    // Handlers, each given its control's index.
    void Tab1_Click();
    void Bouton_Click(int index);
    void Pos_Click(int index);
    void Objets_Click();
    void TextA_Change();
    void Check2_Click(int index);
    void Color_Click(int index);
    void Option_Click(int index);
    // Puts a merge field ("{Nom}") into the selected label's text, where
    // the text box's cursor is.
    void insertField(const QString &field);

signals:
    // A command the frame runs (an effect, switching autosave).
    void commandRequested(Command command);
    // Each control reports its handler and index before it runs.
    void controlUsed(const QString &handler, int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPages();
    void buildToolsPage(QWidget *page);
    void buildPositionPage(QWidget *page);
    void buildBackgroundPage(QWidget *page);
    void buildPalettePage(QWidget *page);
    Xp_Bouton *makeBouton(int index, const char *caption, const char *tip, QWidget *page);
    void wire();
    void observe(frmProjet *card);
    // What the card shows, mirrored in the panel.
    void showActivation();
    void showSelection();
    void showItemChange(CardItemRef item, CardDocument::Changes what);
    void listObjects();
    void resetObjects();
    void cardClosed();
    void setTextA(const QString &text);
    void setSwatch(int index, OleColor color);
    void selectOption(int index);
    std::array<OleColor, 3> gradientStops() const;
    int niveauStep() const;
    void moveSelected(int button);

    Prompts &m_prompts;
    CommonDialog &m_dialog;
    CardEditOptions m_editOptions;
    QPointer<frmProjet> m_card;
    // The swatches' gradient painter: its stops 0, 5 and 10 follow the
    // swatches; cards paint their own gradients.
    ColorGradient m_gradient;
    // The gradient orientation last chosen, which "Rétablir le dégradé"
    // draws again; none until one is chosen.
    std::optional<int> m_orientation;
    double m_tab1HeightTwips = 0;

    TabStrip *m_tab1 = nullptr;
    std::array<QWidget *, 5> m_pages{};       // 1..4
    std::array<Xp_Bouton *, 10> m_boutons{};  // 1..9
    QLineEdit *m_textA = nullptr;
    std::array<QCheckBox *, 4> m_check1{};
    std::array<QCheckBox *, 2> m_check2{};
    QComboBox *m_niveau = nullptr;
    QComboBox *m_objets = nullptr;
    std::array<Xp_Bouton *, 7> m_pos{};
    PositionFields *m_placeFields = nullptr;
    std::array<ColorSwatch *, 3> m_colors{};  // 0, 5, 10
    std::array<QToolButton *, 9> m_options{};
    std::array<Xp_Bouton *, 13> m_palettes{}; // 0..12, gaps at separators
};
