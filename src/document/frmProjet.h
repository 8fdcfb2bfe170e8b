#pragma once

// Card window: one open card project inside the main frame. It owns the
// card document (size, items, background description, effects) and shows
// it: the background as a screen picture, the items on top in their
// stacking order, the selection frame, the rulers and scroll bars.
//
// Public API used by the frame, the dialogs and the tests. The private part
// is the card window's own business.

#include "CardDocument.h"
#include "CardHost.h"
#include "ProjectFile.h"
#include "platform/Surface.h"

#include <QImage>
#include <QRectF>
#include <QWidget>
#include <optional>
#include <vector>

class Balloon;
class CardView;
class QPushButton;
class QScrollBar;
class Ruler;

class frmProjet : public QWidget {
    Q_OBJECT
public:
    explicit frmProjet(CardHost *host, QWidget *parent = nullptr);
    ~frmProjet() override;

    CardHost *host() const { return m_host; }

    // Window caption (project name) and tag (project file path).
    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }
    const QString &Tag() const { return m_tag; }
    void setTag(const QString &path) { m_tag = path; }

    // Card size: the card's outer width and height in twips. Resizes the
    // card surface, repaints it and lays the window out again.
    void setCardSize(double widthTwips, double heightTwips);
    // Takes a card prepared elsewhere (the new-project wizard builds one):
    // the card surface takes its size, the background is painted from its
    // description and the whole window shows it. `backgroundPicture`, when
    // given, is the picture of a picture background already read. False
    // when a picture background cannot be read (the card shows white).
    bool setDocument(const CardDocument &card, const QImage *backgroundPicture = nullptr);

    // Operations the frame calls by name.
    void Mise_enPage();
    bool Projet_Ouvrir(const QString &path);
    // Shows a project file's content read elsewhere (as Projet_Ouvrir does
    // once the file is read); returns how many of its labels and logos the
    // card could not take.
    int showProject(const ProjectData &data);
    bool Projet_Sauver(const QString &path);
    bool Reinitialiser();
    void Fond_parDefaut();
    void Mise_aJour(bool setKind = false, int kind = 0);
    void Tracer_Degrade(int orientation);
    void Ajouter_UnFond();
    // Makes the picture file `path` the card's background, stretched over
    // it (a scan, an import). False, with the card unchanged, when the file
    // cannot be read as a picture.
    bool setBackgroundPicture(const QString &path);
    void Ajouter_UnLabel();
    void Ajouter_UnLogo(bool import = false);
    void Couleur_Police();
    void Format_Police();
    void Form_Resize();
    virtual void Label_Click(int index);
    virtual void Logo_Click(int index);

    // Mouse handlers of the items and of the card surface. x and y are
    // twips in the item's own coordinates (for the surface: the card's).
    // While a button is held the item pressed receives the moves and the
    // release; a left press and release that ends over the same item is
    // then also a click (Label_Click / Logo_Click, after the MouseUp).
    virtual void Label_MouseDown(int index, Qt::MouseButton button, double x, double y);
    virtual void Label_MouseMove(int index, Qt::MouseButtons buttons, double x, double y);
    virtual void Label_MouseUp(int index, Qt::MouseButton button, double x, double y);
    virtual void Label_DblClick(int index);
    virtual void Logo_MouseDown(int index, Qt::MouseButton button, double x, double y);
    virtual void Logo_MouseMove(int index, Qt::MouseButtons buttons, double x, double y);
    virtual void Logo_MouseUp(int index, Qt::MouseButton button, double x, double y);
    virtual void Logo_DblClick(int index);
    virtual void Picture1_MouseDown(Qt::MouseButton button, double x, double y);
    // Pointer read-out into status panel 3, and the balloon goes.
    virtual void Picture1_MouseMove(Qt::MouseButtons buttons, double x, double y);

    // The card itself: size, items, background description and effects.
    CardDocument &doc() { return m_doc; }
    const CardDocument &doc() const { return m_doc; }

    // Where the mouse button last went down on an item, in its own twips.
    double ClicX = 0;
    double ClicY = 0;
    bool BulleVisible = false;

    // Items by index (1 and up); null when no such item was ever created.
    CardLabel *Label(int index) { return m_doc.Label(index); }
    CardLogo *Logo(int index) { return m_doc.Logo(index); }
    const CardLabel *Label(int index) const { return m_doc.Label(index); }
    const CardLogo *Logo(int index) const { return m_doc.Logo(index); }
    int labelCount() const { return m_doc.labelCount(); } // highest label index
    int logoCount() const { return m_doc.logoCount(); }

    // One stacking order for labels and logos, bottom first; moving an item
    // repaints it.
    const std::vector<CardItemRef> &stackingOrder() const { return m_doc.stackingOrder(); }
    void bringToFront(CardItemRef item);
    void sendToBack(CardItemRef item);
    std::optional<CardItemRef> itemAt(const QPointF &cardTwips) const { return m_doc.itemAt(cardTwips); }

    // An effect of the "Palette 2D" applied to the card picture; it stays
    // until the background is painted again.
    void applyEffect(const ImageEffect &effect);

    // Repaints what an item covered when last shown and what it covers now;
    // call after changing an item's position, size, text, font or picture.
    void updateLabel(int index);
    void updateLogo(int index);
    void updateItem(CardItemRef item);
    // Repaints the whole card.
    void updateCard();

    // Selection frame `Bord` around the selected item (twips on the card),
    // drawn as a dotted outline on top of the items.
    struct Frame {
        QRectF rect;
        bool visible = false;
    };
    const Frame &bord() const { return m_bord; }
    void setBord(const QRectF &twips);
    void hideBord();

    // The card surface: the background as the screen shows it, with the
    // effects applied since it was painted.
    Surface &Picture1() { return m_picture1; }
    const Surface &Picture1() const { return m_picture1; }
    // Placeholder picture shown by a logo without a loadable picture.
    const QImage &Tmp() const { return m_tmp; }

    // The selected item, as the frame holds it: a visible label or logo of
    // this card, or nothing.
    CardLabel *selectedLabel();
    CardLogo *selectedLogo();

    // Window parts. Geometry is in pixels at 15 twips per pixel; the card's
    // exact position is cardLeft() / cardTop() in twips.
    QWidget *cardView() const;
    QWidget *Fond() const { return m_fond; }
    QWidget *OmbreG() const { return m_ombreG; }
    QWidget *OmbreB() const { return m_ombreB; }
    Ruler *Regle(int index) const;
    QScrollBar *HScroll1() const { return m_hScroll; }
    QScrollBar *VScroll1() const { return m_vScroll; }
    QPushButton *Defaut() const { return m_defaut; }
    double cardLeft() const { return m_cardLeft; }
    double cardTop() const { return m_cardTop; }
    // Twips rectangles of the shadow strips as last placed.
    QRectF OmbreGRect() const { return m_ombreGRect; }
    QRectF OmbreBRect() const { return m_ombreBRect; }

    // Centring button: both scroll bars back to the middle, focus to the card.
    void Defaut_Click();

    // Runs the activation step (the frame calls it when the window becomes
    // the active child).
    void activate();
    // Card size read-out into the frame's status panel 2.
    void writeCardSize();
    // Takes down a showing help balloon.
    void hideBalloon();
    // The item under the pointer (none: the empty card or outside it); the
    // balloon of another item goes.
    void pointerOver(std::optional<CardItemRef> item);
    // The help balloon shown over items (balloon style, information icon),
    // made on first use; it belongs to the window.
    Balloon &Bulle();

    // A window that shows the whole card with its rulers, scroll bars and
    // a margin around it.
    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildParts();
    // Paints the screen picture from the card's description and replays
    // the card's effects; false when a picture background cannot be read.
    bool paintCard(const QImage *picture = nullptr);
    // Sizes the card surface and its view to the card.
    void fitSurface();
    void applyHorizontalRule();
    void applyVerticalRule();
    void placeCard();
    void placeShadows();
    void placeWidget(QWidget *widget, const QRectF &twips);
    void closed();
    // Shows the help balloon for an item, once until the pointer leaves it.
    void showHelp(CardItemRef item, const QString &title, const QRectF &itemTwips);

    CardHost *m_host;
    QString m_tag;
    QImage m_tmp;
    CardDocument m_doc;
    Surface m_picture1;
    Frame m_bord;

    CardView *m_view = nullptr;
    QWidget *m_fond = nullptr;
    QWidget *m_ombreG = nullptr;
    QWidget *m_ombreB = nullptr;
    Ruler *m_regle[2] = {nullptr, nullptr};
    QScrollBar *m_hScroll = nullptr;
    QScrollBar *m_vScroll = nullptr;
    QPushButton *m_defaut = nullptr;
    double m_cardLeft = 0;
    double m_cardTop = 0;
    QRectF m_ombreGRect;
    QRectF m_ombreBRect;
    bool m_closed = false;
    Balloon *m_bulle = nullptr;
    std::optional<CardItemRef> m_balloonItem;
    // Selecting an item selects its row in the frame's list, whose handler
    // selects the item again: the inner call has nothing left to do.
    bool m_selecting = false;
};
