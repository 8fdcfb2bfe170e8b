#pragma once

#include "FontList.h"
#include "document/CardLabel.h"
#include "platform/Colors.h"

#include <QString>
#include <QStringList>

class CommonDialog;
class Prompts;

// What the label text editor knows and decides, without its window: the
// label being edited, the texts of its input fields and the working copy
// `LabelA` that the preview shows and "Ok" writes back.
//
// The working copy starts as the label itself (text, font name and size,
// colour, boldness, underline), so a font the system does not have or a
// size outside the list is kept unless the user chooses another.
class LabelEditor {
public:
    explicit LabelEditor(FontList fonts);

    // The fourteen sizes of the size list, in order ("8" to "30").
    static const QStringList &sizes();
    const FontList &fonts() const { return m_fonts; }

    // Prepares the editor for label `index` as it is now: the text, the
    // font name and size as if typed, the colour (white text shows on an
    // opaque preview; the sample starts with it too), boldness and
    // underline.
    void Control_Texte(int index, const CardLabel &label);
    int index() const { return m_index; }

    // The text box `Text1`; the working copy's caption follows it.
    const QString &text() const { return m_text; }
    void setText(const QString &text);

    // The font name list's text `Combo1`, chosen or typed. A listed name
    // (compared without case) becomes the working copy's font; another is
    // ignored. True when the font changed.
    const QString &fontText() const { return m_fontText; }
    bool setFontText(const QString &text);

    // The size list's text `Combo2`, chosen or typed: a number of points
    // (comma or point decimals) between 1 and 1638 becomes the working
    // copy's size; another text is ignored. True when the size changed.
    const QString &sizeText() const { return m_sizeText; }
    bool setSizeText(const QString &text);

    // The bold box `Check1`.
    void setBold(bool on);

    // How the label's lines sit and which edge it keeps when its text or
    // font changes: left (as it was), centred or right.
    void setAlignment(CardLabel::Alignment alignment);

    // The colour field: the colour under the pointer goes to the sample
    // `Shape1`; with the right button held it is also the text's colour.
    void pointed(OleColor color, bool rightButton);
    OleColor shapeColor() const { return m_shape; }
    // A click gives the text the sample's colour.
    void click();
    // A double click: the colour dialog, full and preset to the sample's
    // colour; its choice becomes the text's colour (the background stays
    // as it is). False when cancelled (nothing changes then).
    bool doubleClick(CommonDialog &dialog);

    // The working copy `LabelA`, and whether it has an opaque background
    // (white text, so it stays readable).
    const CardLabel &labelA() const { return m_labelA; }
    bool opaque() const { return m_opaque; }

    // "Ok": an empty text is refused with a message (false); any other,
    // blanks only included, is accepted.
    bool validate(Prompts &prompts) const;
    // Writes the working copy to `label`: its alignment first (so the
    // label keeps that edge through what follows), then text, font name,
    // size, colour and boldness. Underline and the background are not
    // written.
    void writeBack(CardLabel &label) const;


private:
    static QString emptyTextMessage();
    // A colour for the text; white gets an opaque background, any other a
    // transparent one.
    void applyColor(OleColor color);

    FontList m_fonts;
    int m_index = 0;
    QString m_text;
    QString m_fontText;
    QString m_sizeText;
    CardLabel m_labelA;
    bool m_opaque = false;
    OleColor m_shape = Colors::Black;
};
