#include "ProjectWizard.h"

#include "Ornament.h"
#include "document/PlaceholderPicture.h"
#include "platform/PictureReader.h"
#include "platform/Prompts.h"
#include "platform/Units.h"

ProjectWizard::ProjectWizard(const QString &appDir, Prompts &prompts) : m_appDir(appDir), m_prompts(prompts)
{
    m_custom = {CardFormats::initialText(CardFormats::Length), CardFormats::initialText(CardFormats::Height)};
    Remplir_Formats();
    Remplir_Ressources();
    Effacer_Apercu();
}

// ---- Format and size -------------------------------------------------------

void ProjectWizard::Remplir_Formats()
{
    selectFormat(0);
}

void ProjectWizard::selectFormat(int position)
{
    if (position < 0 || position >= int(CardFormats::List.size()))
        return;
    m_format = position;
    Dimensions_Format();
}

void ProjectWizard::Dimensions_Format()
{
    const CardFormats::Format &format = CardFormats::List[std::size_t(m_format)];
    m_width = format.width;
    m_height = format.height;
    m_preview.fitOrnament(m_height);
}

const QString &ProjectWizard::customText(int field) const
{
    return m_custom[field == CardFormats::Height ? 1 : 0];
}

bool ProjectWizard::customKeyPress(int, QChar typed)
{
    if (typed != QLatin1Char('.'))
        return true;
    m_prompts.msgBox(CardFormats::commaAdvice(), Msg::OkOnly | Msg::Exclamation);
    return false;
}

void ProjectWizard::setCustomText(int field, const QString &text)
{
    if (field != CardFormats::Length && field != CardFormats::Height)
        return;
    m_custom[std::size_t(field)] = text;
    if (const std::optional<double> cm = CardFormats::centimetres(text)) {
        setDimension(field, Units::cmToTwips(*cm));
        return;
    }
    m_prompts.msgBox(CardFormats::refusal(field), Msg::OkOnly | Msg::Exclamation);
    // Putting the initial text back is a change of its own: it sets the
    // dimension from that text.
    setCustomText(field, CardFormats::initialText(field));
}

void ProjectWizard::setDimension(int field, double twips)
{
    if (field == CardFormats::Length) {
        m_width = twips;
    } else {
        m_height = twips;
        m_preview.fitOrnament(m_height);
    }
}

// ---- Default texts ----------------------------------------------------------

void ProjectWizard::setFieldText(int index, const QString &text)
{
    if (index < 1 || index > 4)
        return;
    m_preview.setText(index, text);
}

void ProjectWizard::setNoDefaultLabels(bool on)
{
    m_noLabels = on;
    m_preview.setTextsVisible(!on);
}

// ---- Picture library --------------------------------------------------------

void ProjectWizard::Remplir_Ressources()
{
    m_resources = ResourceLibrary::list(m_appDir);
}

bool ProjectWizard::chooseResource(const QString &key)
{
    const ResourceLibrary::Branch *parent = nullptr;
    for (const ResourceLibrary::Branch &branch : std::as_const(m_resources))
        for (const ResourceLibrary::Entry &entry : branch.entries)
            if (entry.key == key)
                parent = &branch;
    // A top-level entry has no parent.
    if (!parent) {
        Effacer_Apercu();
        return false;
    }

    const bool ornament = parent->key != QLatin1String(ResourceLibrary::Backgrounds);
    if (ornament) {
        m_ornamentPath.clear();
        m_ornament = QImage();
        m_preview.setOrnament(QImage(), m_height);
    }
    const QImage picture = PictureReader::read(key);
    if (picture.isNull()) {
        Effacer_Apercu();
        return false;
    }
    if (ornament) {
        m_ornament = picture;
        m_ornamentPath = key;
        m_preview.setOrnament(picture, m_height);
    } else {
        m_background = picture;
        m_backgroundPath = key;
        m_preview.setBackground(picture);
    }
    return true;
}

void ProjectWizard::Effacer_Apercu()
{
    m_ornamentPath.clear();
    m_backgroundPath.clear();
    m_ornament = QImage();
    m_background = QImage();
    m_preview.clear();
}

// ---- Creation ---------------------------------------------------------------

std::optional<NewProject> ProjectWizard::create()
{
    if (m_name.isEmpty()) {
        m_prompts.msgBox(QStringLiteral("Veuillez donner un nom à votre projet."), Msg::OkOnly | Msg::Exclamation);
        return std::nullopt;
    }
    return Creer_Projet(m_name);
}

NewProject ProjectWizard::Creer_Projet(const QString &name) const
{
    NewProject project{name, CardData(PlaceholderPicture::make()), QImage(), !m_noLabels};
    CardData &card = project.card;
    // The card window's surface holds its size in single precision.
    card.setSize(double(float(m_width)), double(float(m_height)));

    if (!m_noLabels) {
        // Label 1 exists already and is reused. Positions are copied as the
        // preview has them; the card window then places them on the card.
        for (int i = 1; i <= 4; ++i) {
            CardLabel *label = card.createLabel(i);
            if (!label)
                continue;
            const CardLabel &shown = m_preview.label(i);
            label->setAutoSize(true);
            label->setCaption(shown.Caption());
            label->setFontName(shown.FontName());
            label->setFontSize(shown.FontSize());
            label->setFontBold(shown.FontBold());
            label->Top = shown.Top;
            label->Left = shown.Left;
            label->Visible = true;
        }
    }

    CardLogo &logo = *card.Logo(1);
    logo.Top = 120;
    logo.Left = 120;
    if (!m_ornamentPath.isEmpty() && !m_ornament.isNull()) {
        Ornament::fit(logo, m_ornament, card.height());
        logo.picturePath = m_ornamentPath;
        logo.Visible = true;
    }

    card.Effects.clear();
    if (!m_backgroundPath.isEmpty() && !m_background.isNull()) {
        card.BackgroundPicture = m_backgroundPath;
        card.NumFond = 2;
        project.backgroundPicture = m_background;
    } else {
        card.NumFond = 0;
    }
    return project;
}
