#pragma once

#include "CardFormats.h"
#include "NewProject.h"
#include "ResourceLibrary.h"
#include "WizardPreview.h"

#include <QImage>
#include <QList>
#include <QString>
#include <array>
#include <optional>

class Prompts;

// The state and rules of the new-project wizard, without its window: the
// card format and size, the custom size fields, the project name, the four
// default texts and their preview, the picture library with the chosen
// ornament and background, and the creation of the card.
//
// A new wizard is in its initial state: first format, custom fields "8,4"
// and "5,4", empty name, empty and disabled text fields, the library
// listed, nothing chosen.
class ProjectWizard {
public:
    ProjectWizard(const QString &appDir, Prompts &prompts);

    // --- Card format (`Combo1`) and size ---------------------------------
    // Fills the list and selects its first position.
    void Remplir_Formats();
    int formatIndex() const { return m_format; }
    // A choice in the list: both dimensions from the table (also for the
    // custom position), and the custom fields enabled only there.
    void selectFormat(int position);
    // Sets the card size from the selected position.
    void Dimensions_Format();
    bool customEnabled() const { return m_format == CardFormats::Custom; }

    // --- Custom size fields (`Text2`: 0 length, 1 height) -----------------
    const QString &customText(int field) const;
    // A character typed into a field: "." shows the advice to use a comma
    // and is discarded (false); anything else goes in (true).
    bool customKeyPress(int field, QChar typed);
    // A new text of a field. A length from 1 to 23 cm (comma decimals)
    // sets that dimension to value x 567 twips; anything else is refused
    // with the field's message and the field's initial text is put back,
    // which sets the dimension from it.
    void setCustomText(int field, const QString &text);

    // --- Project name (`Text1`) ------------------------------------------
    void setProjectName(const QString &name) { m_name = name; }

    // --- Default texts (`Text3` 1..4) -------------------------------------
    // Typing in field `index`: preview label `index` shows the field's text
    // at once (an empty field gives an empty label).
    void setFieldText(int index, const QString &text);
    // "Ne pas créer les labels par défaut": the preview hides its texts and
    // the new card gets no default labels.
    void setNoDefaultLabels(bool on);

    // --- Picture library (`Tree1`) ----------------------------------------
    void Remplir_Ressources();
    const QList<ResourceLibrary::Branch> &resources() const { return m_resources; }
    // The entry whose key is `key` was chosen: a letter or a corner becomes
    // the ornament, a background picture the background. A top-level entry,
    // an unknown key or a file that cannot be read as a picture resets the
    // preview (false).
    bool chooseResource(const QString &key);
    const QString &backgroundPath() const { return m_backgroundPath; }
    // Nothing chosen any more; the preview empty, its labels laid out again.
    void Effacer_Apercu();

    const WizardPreview &preview() const { return m_preview; }

    // --- Creation ----------------------------------------------------------
    // "Créer": with an empty name, shows "Veuillez donner un nom à votre
    // projet." and gives nothing; otherwise the project (Creer_Projet).
    std::optional<NewProject> create();
    // The new card named `name`: the card size, the four default labels
    // copied from the preview (unless none are wanted), logo 1 at 120, 120
    // showing the ornament if one was chosen, the background picture or
    // the default background, then the initial placement (unless no
    // labels).
    NewProject Creer_Projet(const QString &name) const;

private:
    void setDimension(int field, double twips);

    QString m_appDir;
    Prompts &m_prompts;

    int m_format = 0;
    // Card width and height in twips.
    double m_width = 0;
    double m_height = 0;
    std::array<QString, 2> m_custom;

    QString m_name;
    bool m_noLabels = false;

    QList<ResourceLibrary::Branch> m_resources;
    QString m_ornamentPath;
    QString m_backgroundPath;
    QImage m_ornament;
    QImage m_background;

    WizardPreview m_preview;
};
