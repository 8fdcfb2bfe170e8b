#pragma once

// Card window: one open card project inside the main frame. It owns the
// card surface, the labels, the logos and the background description.
//
// Public API used by the frame, the dialogs and the tests. The private part
// is the card window's own business.

#include "CardHost.h"
#include "CardItemRef.h"
#include "CardLabel.h"
#include "CardLogo.h"
#include "platform/Surface.h"

#include <QImage>
#include <QRectF>
#include <QWidget>
#include <deque>
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

    // Card size: the surface's outer width and height in twips. Resizes the
    // card surface and lays the window out again.
    void setCardSize(double widthTwips, double heightTwips);

    // Operations the frame calls by name.
    void Mise_enPage();
    bool Projet_Ouvrir(const QString &path);
    bool Projet_Sauver(const QString &path);
    bool Reinitialiser();
    void Fond_parDefaut();
    void Mise_aJour(bool setKind = false, int kind = 0);
    void Tracer_Degrade(int orientation);
    void Ajouter_UnFond();
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

    // Background description.
    int NumFond = 0;
    OleColor Color1 = 0;
    OleColor Color2 = 0;
    OleColor Color3 = 0;
    int NumOption = 0;
    int NumLabel = 1;
    int NumLogo = 1;
    double ClicX = 0;
    double ClicY = 0;
    bool BulleVisible = false;

    // Items by index (1 and up); null when no such item was ever created.
    CardLabel *Label(int index);
    CardLogo *Logo(int index);
    const CardLabel *Label(int index) const;
    const CardLogo *Logo(int index) const;
    int labelCount() const; // highest label index
    int logoCount() const;  // highest logo index

    // Creates item `index` as a copy of item 1's look (text, font, colour,
    // picture, tag, size), hidden, on top of the others; its creator then
    // places and shows it. Only the next index (highest + 1) can be created;
    // an existing index returns the existing item; any other gives null.
    CardLabel *createLabel(int index);
    CardLogo *createLogo(int index);

    // One stacking order for labels and logos, bottom first.
    const std::vector<CardItemRef> &stackingOrder() const { return m_stack; }
    void bringToFront(const CardLabel *label);
    void bringToFront(const CardLogo *logo);
    void bringToFront(CardItemRef item);
    void sendToBack(const CardLabel *label);
    void sendToBack(const CardLogo *logo);
    void sendToBack(CardItemRef item);
    // A visible item's rectangle on the card (twips); nothing when the item
    // is hidden or does not exist.
    std::optional<QRectF> itemRect(CardItemRef item) const;
    // The topmost visible item containing a point of the card (twips).
    std::optional<CardItemRef> itemAt(const QPointF &cardTwips) const;

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

    // The card surface and the hidden loading picture.
    Surface &Picture1() { return m_picture1; }
    Surface &PictS() { return m_pictS; }
    // Placeholder picture shown by a logo without a loadable picture.
    const QImage &Tmp() const { return m_tmp; }

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
    // The help balloon shown over items (balloon style, information icon),
    // made on first use; it belongs to the window.
    Balloon &Bulle();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildParts();
    void createFirstItems();
    void applyHorizontalRule();
    void applyVerticalRule();
    void placeCard();
    void placeShadows();
    void placeWidget(QWidget *widget, const QRectF &twips);
    void closed();

    CardHost *m_host;
    QString m_tag;
    Surface m_picture1;
    Surface m_pictS;
    QImage m_tmp;

    std::deque<CardLabel> m_labels;
    std::deque<CardLogo> m_logos;
    std::vector<CardItemRef> m_stack;
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
    // Selecting an item selects its row in the frame's list, whose handler
    // selects the item again: the inner call has nothing left to do.
    bool m_selecting = false;
};
