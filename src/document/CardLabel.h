#pragma once

#include "platform/Colors.h"

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>

// One text item of a card. Positions and sizes are twips on the card
// surface. The label has a transparent background; with auto-size on it
// takes the size of its text in its font (measured at 15 twips per pixel).
class CardLabel {
public:
    CardLabel();

    int index = 0;            // identity inside its card, never reused

    const QString &Caption() const { return m_caption; }
    void setCaption(const QString &text);

    const QString &FontName() const { return m_fontName; }
    void setFontName(const QString &name);
    float FontSize() const { return m_fontSize; }
    void setFontSize(float points);
    bool FontBold() const { return m_bold; }
    void setFontBold(bool on);
    bool FontItalic() const { return m_italic; }
    void setFontItalic(bool on);
    bool FontUnderline() const { return m_underline; }
    void setFontUnderline(bool on);
    bool FontStrikethru() const { return m_strike; }
    void setFontStrikethru(bool on);
    // The font to draw with: the label's face when installed, else the
    // desktop's substitute (the name itself is kept as given).
    QFont font() const;

    OleColor ForeColor = Colors::system(Colors::WindowText);

    float Left = 0;
    float Top = 0;
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    // Setting a size switches nothing: with auto-size on, the next change of
    // text or font sizes the label to its text again.
    void setSize(float width, float height);

    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    // How the lines sit in the label, and which edge stays put when the
    // label sizes itself to a new text or font: left (the usual), centre
    // or right.
    enum Alignment { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };
    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment) { m_alignment = alignment; }

    bool Visible = true;

    // The lines of a text (CR LF, LF or a lone CR break a line).
    static QStringList lines(const QString &text);
    // The resolution labels are measured at.
    static double measureDpi();

    // Copies text, font, colour, alignment and size from `other` (index,
    // position, visibility stay).
    void copyLookFrom(const CardLabel &other);

private:
    // The size of `text` in `font`, in twips, as a label shows it: the
    // widest line by the line spacing times the number of lines, measured
    // at 96 dpi (15 twips per pixel) whatever the screen. An empty text is
    // one line high and 0 wide.
    static QSizeF textSize(const QString &text, const QFont &font);
    void fit();

    QString m_caption;
    QString m_fontName;
    float m_fontSize = 8.25f;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strike = false;
    bool m_autoSize = true;
    Alignment m_alignment = AlignLeft;
    float m_width = 0;
    float m_height = 0;
};
