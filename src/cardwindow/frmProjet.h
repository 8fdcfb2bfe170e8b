#pragma once

// Card window: one open card project inside the main frame. It owns the
// card document (size, items, background description, effects) and shows
// it: the background as a screen picture, the items on top in their
// stacking order, the selection frame, the rulers and scroll bars. It owns
// the selection too, and tells the frame what the user asks of it through
// its signals (a context menu, a save, an item's editor).

#include "CardMerge.h"
#include "CardSnap.h"
#include "CardView.h"
#include "CardWindowServices.h"
#include "document/CardDocument.h"
#include "document/ProjectFile.h"
#include "platform/Surface.h"

#include <QImage>
#include <QPointer>
#include <QRectF>
#include <QUndoStack>
#include <QWidget>
#include <array>
#include <optional>

class Balloon;
class QPushButton;
class QScrollBar;
class Ruler;

// The context menus a card window asks for.
enum class CardMenu { Label, Logo, Tools, Code };

class frmProjet : public QWidget {
    Q_OBJECT
public:
    explicit frmProjet(const CardWindowServices &services, QWidget *parent = nullptr);
    ~frmProjet() override;

    // Window caption (project name) and the project file's full path
    // (empty for a card never saved). The window's title adds a "*" while
    // the card has changes not saved.
    const QString &Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    const QString &filePath() const { return m_filePath; }
    void setFilePath(const QString &path) { m_filePath = path; }

    // Takes a card prepared elsewhere (the new-project wizard builds one).
    // `backgroundPicture`, when given, is the picture of a picture
    // background already read. False when a picture background cannot be
    // read (the card shows white).
    bool setDocument(const CardData &card, const QImage *backgroundPicture = nullptr);

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
    // Asks the panel to list the card's items again from the first row; with
    // `setKind`, the background kind becomes `kind` first.
    void Mise_aJour(bool setKind = false, int kind = 0);
    // A gradient background in `orientation` with the stop colours 0, 5
    // and 10 of the panel's swatches.
    void Tracer_Degrade(int orientation, const std::array<OleColor, 3> &stops);
    void Ajouter_UnFond();
    // Makes the picture file `path` the card's background, stretched over
    // it (a scan, an import). False, with the card unchanged, when the file
    // cannot be read as a picture.
    bool setBackgroundPicture(const QString &path);
    void Ajouter_UnLabel();
    // Adds an empty logo slot, or with `import` asks for a picture for the
    // slot created last.
    void Ajouter_UnLogo(bool import = false);
    // Asks for a new picture for logo `index`.
    void importLogoPicture(int index);
    // A new logo showing the picture file `path`, its top left corner at
    // `place` (twips on the card), selected. False, with the card
    // unchanged, when the file cannot be read as a picture or the card has
    // no room for a logo.
    bool addLogoPicture(const QString &path, const QPointF &place);
    void Couleur_Police();
    void Format_Police();
    void Form_Resize();
    void Label_Click(int index);
    void Logo_Click(int index);
    void Code_Click(int index);
    // A new code as `code` describes it (its place included), on top of
    // the others, selected; false when the card has no room for one.
    bool addCode(const CardCode &code);

    // The card itself: size, items, background description and effects.
    CardDocument &doc() { return m_doc; }
    const CardDocument &doc() const { return m_doc; }

    // The list the card is shown merged with (when one is loaded): the
    // window shows the record chosen there, the labels' fields filled;
    // the document keeps the texts as typed.
    CardMerge &merge() { return m_merge; }
    const CardMerge &merge() const { return m_merge; }
    // The card as the window shows it: filled from the record shown during
    // a merge, else the document's own.
    const CardData &shownCard() const { return m_filled ? *m_filled : m_doc.data(); }

    // Every change the user made to the card, to undo and redo; clean
    // when the card is as last saved (or as opened).
    QUndoStack &history() { return m_history; }

    // A user's edit of the card: whatever changes while it lives is one
    // step of the history (none when nothing changed). Edits inside an
    // edit belong to it. `mergeKey`, when given, joins the step to the
    // previous one of the same key (typing, a run of nudges).
    class Edit {
    public:
        Edit(frmProjet *card, const QString &text, const QString &mergeKey = {});
        ~Edit();
        Edit(const Edit &) = delete;
        Edit &operator=(const Edit &) = delete;

    private:
        QPointer<frmProjet> m_card;
    };

    // Where the mouse button last went down on an item, in its own twips.
    double ClicX = 0;
    double ClicY = 0;
    bool BulleVisible = false;

    // The selected item: set by a click on the card or by the panel's
    // object list; it may name an item deleted since.
    std::optional<CardItemRef> selection() const { return m_selection; }
    // The selected item when it is a visible label (logo) of this card.
    const CardLabel *selectedLabel() const;
    const CardLogo *selectedLogo() const;
    const CardCode *selectedCode() const;

    // Selection frame `Bord` (twips on the card), drawn as a dotted
    // outline on top of the items; it follows the item it surrounds.
    const SelectionFrame &bord() const { return m_bord; }
    // The frame around an item: around a label 40 twips to the left, 10
    // above, 70 wider and 30 taller; a logo's exact bounds.
    void frameItem(CardItemRef item);
    void hideBord();

    // The card surface: the background as the screen shows it, with the
    // effects applied since it was painted.
    const Surface &Picture1() const { return m_picture1; }
    // Placeholder picture shown by a logo without a loadable picture.
    const QImage &Tmp() const { return m_tmp; }

    // Window parts. Geometry is in pixels at 15 twips per pixel; the card's
    // exact position is cardLeft() / cardTop() in twips.
    QWidget *cardView() const;
    Ruler *Regle(int index) const;

    // The activation step: the frame runs it when the window becomes the
    // active child; the panel and the status bar show this card again.
    void activate();

    // The scale the card is shown at, 0.25 to 8 (1: 15 twips per pixel).
    // Zooming changes nothing of the card; at 1 the window scrolls by its
    // usual rules, zoomed it scrolls over the whole card.
    double zoom() const { return m_zoom; }
    // Zooms keeping the card's point under `around` (pixels of the card
    // view) in place; without it, the card's middle.
    void setZoom(double zoom, std::optional<QPoint> around = std::nullopt);
    // One step in (1) or out (-1) through 25, 33, 50, 67, 75, 100, 125,
    // 150, 200, 300, 400, 600, 800 %.
    void zoomBy(int steps, std::optional<QPoint> around = std::nullopt);

    // A window that shows the whole card with its rulers, scroll bars and
    // a margin around it.
    QSize sizeHint() const override;

signals:
    void selectionChanged();
    void contextMenuRequested(CardMenu menu, const QPoint &globalPos);
    // A double click on an item: its editor (label) or resize dialog (logo).
    void itemEditRequested(CardItemRef item);
    // The user agreed to save on closing; the frame saves through
    // Projet_Sauver, asking for a name when `withDialog`.
    void saveRequested(bool withDialog);
    void pointerMoved(const QPointF &cardTwips);
    void activated();
    void zoomChanged(double zoom);
    // Mise_aJour: the object list starts again from its first row.
    void objectListReset();
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // Picture files dropped on the window: each a new logo where it was
    // dropped, or, with Shift held, the first one the card's background.
    // Other files go on to the frame.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // A new logo slot at `place` (twips), or nothing without room for one.
    std::optional<int> createLogoSlot(const QPointF &place);
    // Gestures on the card (twips; in the item's own coordinates for an
    // item). A right press on an item selects it and asks for its menu; a
    // left drag moves it unless items are locked.
    void itemMouseDown(CardItemRef item, Qt::MouseButton button, const QPointF &local);
    void itemMouseMove(CardItemRef item, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, const QPointF &local);
    void itemDoubleClick(CardItemRef item);
    // Moves the selected item by 1 mm (0.1 mm when `fine`) in `direction`;
    // a run of such moves of one item is one step of the history.
    void nudge(const QPoint &direction, bool fine);
    void Picture1_MouseDown(Qt::MouseButton button, double x, double y);
    // Pointer read-out, and the balloon goes.
    void Picture1_MouseMove(Qt::MouseButtons buttons, double x, double y);
    // The item under the pointer (none: the empty card or outside it); the
    // balloon of another item goes.
    void pointerOver(std::optional<CardItemRef> item);
    void hideBalloon();
    // Centring button: both scroll bars back to the middle, focus to the card.
    void Defaut_Click();
    static QRectF labelFrame(const CardLabel &label);
    static QRectF logoFrame(const CardLogo &logo);
    void buildParts();
    void observeDocument();
    void watchHistory();
    // The card filled again from the record shown, after any change.
    void refill();
    // Paints the screen picture from the card's description and replays
    // the card's effects; false when a picture background cannot be read.
    bool paintCard();
    void showWholeCard();
    // Sizes the card surface and its view to the card.
    void fitSurface();
    void applyHorizontalRule();
    void applyVerticalRule();
    // The scale of the card view and its surface: twips per pixel.
    double viewTwipsPerPixel() const;
    // The zoomed card's place and scroll ranges.
    void layOutZoomed();
    void placeCard();
    void placeShadows();
    void placeWidget(QWidget *widget, const QRectF &twips);
    void setBord(const QRectF &twips, std::optional<CardItemRef> item);
    void showGuides(const SnapGuides &guides);
    // Shows the help balloon for an item, once until the pointer leaves it.
    void showHelp(CardItemRef item, const QString &title, const QRectF &itemTwips);
    Balloon &Bulle();
    // Picture file dialog for a logo; the chosen picture and its path, or
    // nothing when cancelled or unreadable.
    bool chooseLogoPicture(const QString &currentPath, QImage &picture, QString &path);
    void selectItem(CardItemRef item);
    void setSelection(std::optional<CardItemRef> item);

    CardWindowServices m_services;
    QString m_caption;
    QString m_filePath;
    QUndoStack m_history;
    CardMerge m_merge;
    std::optional<CardData> m_filled;
    // The card before the edits open now, and their name.
    int m_editDepth = 0;
    std::optional<CardData> m_beforeEdit;
    QString m_editText;
    QString m_editKey;
    QImage m_tmp;
    CardDocument m_doc;
    Surface m_picture1;
    bool m_backgroundRead = true;
    // A background picture read by the operation that set it, for the
    // next painting only.
    QImage m_pendingPicture;
    SelectionFrame m_bord;
    std::optional<CardItemRef> m_selection;
    int m_saves = 0;

    CardView *m_view = nullptr;
    QWidget *m_fond = nullptr;
    QWidget *m_ombreG = nullptr;
    QWidget *m_ombreB = nullptr;
    Ruler *m_regle[2] = {nullptr, nullptr};
    QScrollBar *m_hScroll = nullptr;
    QScrollBar *m_vScroll = nullptr;
    QPushButton *m_defaut = nullptr;
    double m_zoom = 1;
    double m_cardLeft = 0;
    double m_cardTop = 0;
    QRectF m_ombreGRect;
    QRectF m_ombreBRect;
    bool m_closed = false;
    Balloon *m_bulle = nullptr;
    std::optional<CardItemRef> m_balloonItem;
    // The drag under way, one step of the history, and the lines its item
    // may snap to.
    std::unique_ptr<Edit> m_drag;
    std::optional<CardSnap::Lines> m_snapLines;
    SnapGuides m_guides;
};
