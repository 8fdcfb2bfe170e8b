#pragma once

#include <QImage>
#include <QString>

// One picture item of a card. Positions and sizes are twips. Unstretched,
// the logo takes the natural size of its picture (15 twips per pixel);
// stretched, the picture is scaled to Width x Height.
class CardLogo {
public:
    int index = 0;
    // Full path of the picture file (saved as the logo's "Tag"), empty
    // when the logo shows no picture of a file.
    QString picturePath;

    const QImage &Picture() const { return m_picture; }
    void setPicture(const QImage &picture);

    float Left = 0;
    float Top = 0;
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    void setSize(float width, float height);

    bool Stretch() const { return m_stretch; }
    void setStretch(bool on);

    bool Visible = true;

    // Copies picture, picture path, stretch flag and size from `other`.
    void copyLookFrom(const CardLogo &other);

private:
    void fitNatural();

    QImage m_picture;
    bool m_stretch = false;
    float m_width = 0;
    float m_height = 0;
};
