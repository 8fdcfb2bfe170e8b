// What the card windows use of the frame: the object list, the selection
// text box, the option boxes and the gradient swatches and buttons.
#include "frmMenu.h"

#include "ColorSwatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

void frmMenu::clearObjects()
{
    m_objets->clear();
}

void frmMenu::addObject(const QString &row)
{
    m_objets->addItem(row);
}

int frmMenu::objectCount() const
{
    return m_objets->count();
}

QString frmMenu::objectText(int row) const
{
    return m_objets->itemText(row);
}

int frmMenu::objectIndex() const
{
    return m_objets->currentIndex();
}

void frmMenu::setObjectIndex(int row)
{
    // Choosing a row from the card window runs the list's handler, as a
    // user's choice does.
    m_objets->setCurrentIndex(row >= 0 && row < m_objets->count() ? row : -1);
    emit commandRun(QStringLiteral("Objets_Click"), m_objets->currentIndex());
    Objets_Click();
}

QString frmMenu::textAText() const
{
    return m_textA->text();
}

void frmMenu::setTextAText(const QString &text)
{
    // Writing the same text again is no change (and must not run the
    // change handler, which selects the label again).
    if (m_textA->text() != text)
        m_textA->setText(text);
}

bool frmMenu::check1(int index) const
{
    const QCheckBox *box = Check1(index);
    return box && box->isChecked();
}

void frmMenu::setCheck2(int index, bool checked)
{
    if (QCheckBox *box = Check2(index))
        box->setChecked(checked);
}

OleColor frmMenu::swatchColor(int index) const
{
    const ColorSwatch *swatch = Color(index);
    return swatch ? swatch->backColor() : Colors::White;
}

void frmMenu::setSwatchColor(int index, OleColor color)
{
    ColorSwatch *swatch = Color(index);
    if (!swatch)
        return;
    swatch->setBackColor(color);
    // The swatches' painter has the swatch colours as its stops.
    m_gradient.SetColor(index, color);
}

void frmMenu::selectOption(int index)
{
    QToolButton *button = Option(index);
    if (!button)
        return;
    button->setChecked(true);
    // "Rétablir le dégradé" redraws in the orientation shown.
    Color(0)->tag = QString::number(index);
}
