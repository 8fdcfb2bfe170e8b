#include "WizardPreview.h"

#include "Ornament.h"
#include "document/CardRenderer.h"
#include "platform/Units.h"

#include <cmath>

namespace {

struct DefaultText {
    const char *text; // UTF-8
    float points;
    bool bold;
};

constexpr DefaultText Defaults[4] = {
    {"Nom prénom", 9.75f, false},
    {"Adresse", 9.75f, false},
    {"TITRE DE VOTRE FONCTION", 12.0f, true},
    {"Numéro de tel...", 9.75f, false},
};

} // namespace

WizardPreview::WizardPreview()
{
    m_card.setSize(Width, Height);
    for (int i = 1; i <= 4; ++i) {
        CardLabel &label = *m_card.createLabel(i);
        const DefaultText &d = Defaults[i - 1];
        label.setAutoSize(true);
        label.setFontName(QStringLiteral("Arial"));
        label.setFontSize(d.points);
        label.setFontBold(d.bold);
        label.setCaption(QString::fromUtf8(d.text));
        label.Visible = true;
    }
    CardLogo &logo = *m_card.Logo(1);
    logo.setPicture(QImage());
    logo.Visible = false;
    clear();
}

const CardLabel &WizardPreview::label(int index) const
{
    return *m_card.Label(index);
}

void WizardPreview::setText(int index, const QString &text)
{
    if (CardLabel *label = m_card.Label(index); label && index <= 4) {
        label->setCaption(text);
        layOutLabels();
    }
}

void WizardPreview::setTextsVisible(bool visible)
{
    for (int i = 1; i <= 4; ++i)
        m_card.Label(i)->Visible = visible;
}

void WizardPreview::layOutLabels()
{
    CardLabel &name = *m_card.Label(1);
    name.Top = 120;
    name.Left = float(Width - name.Width() - 150);

    CardLabel &address = *m_card.Label(2);
    address.Top = 480;
    address.Left = float(Width - address.Width() - 150);

    CardLabel &title = *m_card.Label(3);
    title.Left = float(std::trunc((Width - title.Width()) / 2));
    title.Top = float(std::trunc(Height / 2));

    CardLabel &phone = *m_card.Label(4);
    phone.Left = 120;
    phone.Top = float(Height - 350);
}

void WizardPreview::setOrnament(const QImage &picture, double cardHeight)
{
    m_ornament = picture;
    CardLogo &logo = *m_card.Logo(1);
    logo.Left = 0;
    logo.Top = 0;
    if (picture.isNull()) {
        logo.setStretch(false);
        logo.setPicture(QImage());
        logo.Visible = false;
        return;
    }
    Ornament::fit(logo, picture, cardHeight);
    logo.Visible = true;
}

void WizardPreview::fitOrnament(double cardHeight)
{
    if (hasOrnament())
        Ornament::fit(*m_card.Logo(1), m_ornament, cardHeight);
}

bool WizardPreview::hasOrnament() const
{
    return !m_ornament.isNull();
}

void WizardPreview::setBackground(const QImage &picture)
{
    m_card.NumFond = picture.isNull() ? 0 : 2;
    paintBackground(picture.isNull() ? nullptr : &picture);
}

void WizardPreview::clear()
{
    setOrnament(QImage(), Height);
    setBackground(QImage());
    layOutLabels();
}

void WizardPreview::paintBackground(const QImage *picture)
{
    m_screen = CardRenderer::background(m_card, Units::ScreenTwipsPerPixel, nullptr, picture);
}
