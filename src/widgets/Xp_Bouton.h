#pragma once

#include "XpButtonState.h"
#include "XpFace.h"
#include "XpPicture.h"
#include "platform/Colors.h"

#include <QCursor>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>

class Shell;
class SoundPlayer;

// The application's push button: a picture and a caption on a face whose
// look follows the state (normal, hovered, pressed, focused, disabled).
// Style 3 is the rounded XP face with clipped corners that every button of
// the tool panel uses; 0 and 1 are classic raised faces, 2 a flat one, 4 no
// face at all. The face is rebuilt into a persistent picture after every
// change, at the screen's pixel density.
//
// Properties keep the names of the stored button properties; a property
// write redraws (except URL, the sounds, DefCurHand and
// XPShowBorderAlways, which are only kept). The caption font is the
// widget's font and Enabled is the widget's enabled state.
class Xp_Bouton : public QWidget {
    Q_OBJECT
public:
    explicit Xp_Bouton(QWidget *parent = nullptr);
    // A button named `name`, whose caption is its name until set.
    Xp_Bouton(const QString &name, QWidget *parent);
    ~Xp_Bouton() override;

    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor c);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor c);
    bool ShowFocusRect() const { return m_showFocusRect; }
    void setShowFocusRect(bool on);
    const QString &Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    int PicturePosition() const { return m_picturePosition; }
    void setPicturePosition(int position);
    int ButtonStyle() const { return m_buttonStyle; }
    void setButtonStyle(int style);
    const XpPicture &Picture() const { return m_picture; }
    void setPicture(const XpPicture &picture);
    int PictureWidth() const { return m_pictureWidth; }
    void setPictureWidth(int w);
    int PictureHeight() const { return m_pictureHeight; }
    void setPictureHeight(int h);
    int PictureSize() const { return m_pictureSize; }
    void setPictureSize(int size);
    int OriginalPicSizeW() const { return m_originalW; }
    int OriginalPicSizeH() const { return m_originalH; }
    const XpPicture &PictureHover() const { return m_pictureHover; }
    void setPictureHover(const XpPicture &picture);
    const QCursor &MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const QCursor &cursor);
    // 0 default, 1 arrow, 2 cross, 3 I-beam, 5 and 15 size all, 6 to 9
    // sizes, 10 up arrow, 11 hourglass, 12 no drop, 13 busy arrow, 14 help,
    // 99 MouseIcon. Unknown values leave the pointer as it was.
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    const QString &URL() const { return m_url; }
    void setURL(const QString &url) { m_url = url; }
    OleColor XPColor_Pressed() const { return m_colorPressed; }
    void setXPColor_Pressed(OleColor c);
    OleColor XPColor_Hover() const { return m_colorHover; }
    void setXPColor_Hover(OleColor c);
    bool XPDefaultColors() const { return m_defaultColors; }
    void setXPDefaultColors(bool on);
    const QString &SoundOver() const { return m_soundOver; }
    void setSoundOver(const QString &file) { m_soundOver = file; }
    const QString &SoundClick() const { return m_soundClick; }
    void setSoundClick(const QString &file) { m_soundClick = file; }
    bool DefCurHand() const { return m_defCurHand; }
    void setDefCurHand(bool on) { m_defCurHand = on; }
    bool XPShowBorderAlways() const { return m_showBorderAlways; }
    void setXPShowBorderAlways(bool on) { m_showBorderAlways = on; }
    OleColor MaskColor() const { return m_maskColor; }
    void setMaskColor(OleColor c);
    bool TransparentBG() const { return m_transparentBG; }
    void setTransparentBG(bool on);
    int BEVEL() const { return m_bevel; }
    void setBEVEL(int bevel);
    int BEVELDEPTH() const { return m_bevelDepth; }
    void setBEVELDEPTH(int depth);

    // Redraws the face.
    void Refresh();
    // Clicks the button from the program, as its access key does: the
    // Click signal (and the link) without the sound; nothing when
    // disabled.
    void click();
    // Opens URL: "mailto:" addresses and any other non-empty link through
    // the desktop.
    void GoToURL();

    // Where clicks are heard and links opened; the application's own
    // until set. The objects must outlive the button.
    void setSoundPlayer(SoundPlayer *player) { m_sound = player; }
    void setShell(Shell *shell) { m_shell = shell; }
    // Tells whether the cursor is still over the button, for the hover
    // timer; the window under the cursor is asked until set.
    void setCursorProbe(std::function<bool()> probe) { m_probe = std::move(probe); }

    QSize sizeHint() const override;

signals:
    void Click();
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode, int shift);
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);
    void MouseUp(int button, int shift, int x, int y);
    void MouseIn(int shift);
    void MouseOut(int shift);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The size a caption takes on this button (with the text margins).
    QSize captionSize() const;
    void redraw();
    void drawPicture(QPainter &p, const QRect &at, bool pressed);
    void drawCaption(QPainter &p, const QRect &at, bool pressed);
    void reshape();
    void apply(const XpButtonState::Effects &effects);
    void overTick();
    void updateAccessKey();
    void updatePictureSize();
    XpFace::Colours colours() const;
    QColor resolved(OleColor c) const;

    OleColor m_backColor = Colors::system(Colors::ButtonFace);
    OleColor m_foreColor = Colors::system(Colors::ButtonText);
    bool m_showFocusRect = true;
    QString m_caption;
    int m_picturePosition = 1;
    int m_buttonStyle = 2;
    XpPicture m_picture;
    XpPicture m_pictureHover;
    XpPicture m_current; // the picture shown now: Picture, or PictureHover while hovered
    int m_pictureWidth = 32;
    int m_pictureHeight = 32;
    int m_pictureSize = 1;
    int m_originalW = 32;
    int m_originalH = 32;
    QCursor m_mouseIcon;
    int m_mousePointer = 0;
    QString m_url;
    OleColor m_colorPressed = Colors::system(Colors::ButtonHighlight);
    OleColor m_colorHover = Colors::system(Colors::Light3D);
    bool m_defaultColors = true;
    QString m_soundOver = QStringLiteral(".\\resources\\over.wav");
    QString m_soundClick = QStringLiteral(".\\resources\\click.wav");
    bool m_defCurHand = false;
    bool m_showBorderAlways = false;
    OleColor m_maskColor = 0;
    bool m_transparentBG = false;
    int m_bevel = 1;
    int m_bevelDepth = 8;

    QChar m_accessKey;
    int m_shortcutId = 0;
    XpButtonState m_state;
    QTimer m_overTimer;
    QImage m_image;
    SoundPlayer *m_sound = nullptr;
    Shell *m_shell = nullptr;
    std::function<bool()> m_probe;
};
