#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

// What the logo resize dialog knows and decides, without its window: the
// logo being resized, the working copy `Logo` of its picture (stretch flag
// and size in twips), the slider `Slider1` (size in twips, from 0 to four
// times the logo's width) and the "original size" box.
class LogoResize {
public:
    // What "Ok" gives the card's logo: stretching on with this width and
    // height, or stretching off only (the logo then shows its picture at
    // its natural size; width and height are not to be written).
    struct Outcome {
        bool stretch = true;
        int width = 0;
        int height = 0;
    };

    // Prepares for logo `index`, whose picture is the file `file` and whose
    // size on the card is width x height twips: the picture stretched to
    // that size, the slider set up for it. False, with nothing changed,
    // when the file can no longer be read as a picture.
    bool Controle_Image(std::int16_t index, const QString &file, std::int16_t width, std::int16_t height);
    // The French sentence telling that `file` cannot be read any more.
    static QString unreadableMessage(const QString &file);

    int index() const { return m_index; }
    // The working copy: its picture and size in twips (unstretched: the
    // picture's natural size, 15 twips per pixel).
    const QImage &picture() const { return m_picture; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // The slider: 0 to maximum (four times the width), small step 1, ticks
    // and large step a tenth of the maximum rounded half to even.
    int maximum() const { return m_maximum; }
    int tickSpacing() const { return m_tickSpacing; }
    int largeStep() const { return m_largeStep; }
    int value() const { return m_value; }
    // Locked while the original size is asked for.
    bool sliderLocked() const { return m_locked; }

    // The user moved the slider: the preview becomes a stretched square of
    // that side. Ignored while the slider is locked.
    void moveSlider(int value);
    // The box "Rétablir le format d'origine pour cette image". Checked: the
    // slider back to the initial width and locked, the picture at its
    // natural size. Unchecked: the slider free again; the preview keeps its
    // size until the slider moves.
    void setOriginalSize(bool checked);

    Outcome outcome() const;

private:
    void fitNatural();

    int m_index = 0;
    QImage m_picture;
    bool m_stretch = true;
    int m_width = 0;
    int m_height = 0;
    int m_maximum = 0;
    int m_tickSpacing = 0;
    int m_largeStep = 0;
    int m_value = 0;
    // The width the dialog opened with: "original size" puts the slider
    // back to it.
    int m_openingWidth = 0;
    bool m_locked = false;
};
