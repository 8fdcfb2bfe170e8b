// The card window driven as the user does: its layout and scroll rules,
// following its document, adding and restyling items through the common
// dialog, backgrounds, the closing question, and the mouse gestures on its
// items (selection, dragging, the lock, context menus, double clicks, help
// balloons).
#include "FileDrop.h"
#include "TestSupport.h"
#include "cardwindow/CardLayout.h"
#include "cardwindow/CardSnap.h"
#include "cardwindow/frmProjet.h"
#include "platform/ScriptedPrompts.h"
#include "widgets/Balloon.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using TestSupport::pixel;

namespace {

constexpr double CardW = 4762.8;
constexpr double CardH = 3061.8;
const QRect CentredView(141, 98, 318, 204);
const QPoint OnLabel(25, 14); // (75, 60) twips into label 1
const QPoint OnLogo(110, 70);
const QPoint OnCard(300, 30);
const CardItemRef Label1{CardItemRef::LabelItem, 1};
const CardItemRef Label2{CardItemRef::LabelItem, 2};
const CardItemRef Logo1{CardItemRef::LogoItem, 1};

QString savePicture(const QString &path, QSize size, QColor left, QColor right)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(left);
    for (int y = 0; y < size.height(); ++y)
        for (int x = size.width() / 2; x < size.width(); ++x)
            image.setPixelColor(x, y, right);
    return image.save(path) ? path : QString();
}

} // namespace

class tst_CardWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layoutArithmetic();
    void scrollRulesAndTheCentringButton();
    void windowFollowsItsDocument();
    void addingItemsAndImportingPictures();
    void colourAndFontDialogs();
    void backgroundsAndTheirRepaint();
    void closingQuestionAnswers();
    void dragKeepsTheGrabbedPointAndTheFrame();
    void menusDoubleClicksAndTheLock();
    void helpBalloonFollowsItsItem();
    void historyOfTheWindowsEdits();
    void snappingAndZoom();
    void droppedPictures();

private:
    void placeItems();
    QPoint onCard(QPoint p) const { return m_card->cardView()->mapTo(m_card.get(), p); }
    void move(QPoint p, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseEvent(QTest::MouseMove, m_card->windowHandle(), Qt::NoButton, keys, onCard(p));
    }
    void press(Qt::MouseButton b, QPoint p)
    {
        move(p);
        QTest::mousePress(m_card->windowHandle(), b, {}, onCard(p));
    }
    void release(Qt::MouseButton b, QPoint p) { QTest::mouseRelease(m_card->windowHandle(), b, {}, onCard(p)); }
    void click(Qt::MouseButton b, QPoint p)
    {
        press(b, p);
        release(b, p);
    }
    QPointF place(CardItemRef item) const { return m_card->doc().itemRect(item).value_or(QRectF()).topLeft(); }

    std::unique_ptr<TestSupport::TempAppDir> m_dir;
    std::unique_ptr<ScriptedPrompts> m_scripted;
    std::unique_ptr<CommonDialog> m_dialog;
    CardEditOptions m_options;
    std::unique_ptr<frmProjet> m_card;
};

void tst_CardWindow::init()
{
    m_dir = std::make_unique<TestSupport::TempAppDir>();
    m_card.reset();
    m_scripted = std::make_unique<ScriptedPrompts>();
    m_dialog = std::make_unique<CommonDialog>(m_scripted.get());
    m_options = CardEditOptions();
    m_card = std::make_unique<frmProjet>(CardWindowServices{Services{m_dir->path(), m_scripted.get(), nullptr, nullptr, {}, nullptr}, m_dialog.get(), &m_options});
    m_card->resize(600, 400); // 9000 x 6000 twips
    m_card->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_card.get()));
}

void tst_CardWindow::cleanup()
{
    m_card.reset();
    m_dialog.reset();
    m_scripted.reset();
}

void tst_CardWindow::placeItems()
{
    CardDocument &doc = m_card->doc();
    doc.moveItem(Label1, QPointF(300, 150));
    doc.moveItem(Logo1, QPointF(1500, 900));
    m_card->Ajouter_UnLabel();
    doc.moveItem(Label2, QPointF(3000, 2250));
    m_options.noBalloons = true;
}

void tst_CardWindow::layoutArithmetic()
{
    // Window 9000 x 6000 twips, card 4762.8 x 3061.8: centred, ranges of
    // the window's extents, quarter and third steps rounded half to even.
    const CardLayout layout(9000, 6000, CardW, CardH);
    QCOMPARE(layout.centredCard(), QPointF(4500 - CardW / 2, 3000 - CardH / 2));
    QCOMPARE(layout.fond(), QRectF(300, 300, 8445, 5445));
    QCOMPARE(layout.horizontalScroll(), QRectF(0, 5745, 8745, 255));
    QCOMPARE(layout.verticalScroll(), QRectF(8745, 0, 255, 5745));
    const auto setup = [](const std::optional<CardLayout::ScrollSetup> &s) {
        return QList<int>{s->minimum, s->maximum, s->smallChange, s->largeChange, s->value};
    };
    QCOMPARE(setup(layout.horizontalSetup()), (QList<int>{1, 9000, 2250, 3000, 4500}));
    QCOMPARE(setup(CardLayout(9045, 6000, CardW, CardH).horizontalSetup()), (QList<int>{1, 9045, 2261, 3015, 4522}));
    QVERIFY(!CardLayout(32768, 6000, CardW, CardH).horizontalSetup() && CardLayout(32767, 0, 1, 1).horizontalSetup());
    // Off the middle the card jumps: value/2 - 255 across, value/2 down.
    QCOMPARE(layout.horizontalLeft(4501, 9000), 4501 / 2.0 - 255);
    QCOMPARE(layout.horizontalLeft(4500, 9000), 4500 - CardW / 2);
    QCOMPARE(layout.verticalTop(4001, 6000), 2000.5);
    QCOMPARE(CardLayout::rightShadow(10, 20, CardW, CardH), QRectF(10 + CardW, 140, 135, CardH));
    QCOMPARE(CardLayout::bottomShadow(10, 20, CardW, CardH), QRectF(130, 20 + CardH, CardW, 135));
    // A tiny window has no workspace and no scroll bars.
    const CardLayout tiny(75, 75, CardW, CardH);
    QVERIFY(!tiny.fond() && !tiny.horizontalScroll() && !tiny.verticalScroll());
}

void tst_CardWindow::scrollRulesAndTheCentringButton()
{
    frmProjet &card = *m_card;
    QScrollBar *across = nullptr, *down = nullptr;
    for (QScrollBar *bar : card.findChildren<QScrollBar *>())
        (bar->orientation() == Qt::Horizontal ? across : down) = bar;
    QVERIFY(across && down);
    QCOMPARE(card.cardView()->geometry(), CentredView);
    QCOMPARE(QList<int>({across->maximum(), across->value(), down->value()}), QList<int>({9000, 4500, 3000}));
    across->setValue(4501);
    QCOMPARE(card.cardView()->x(), qRound((4501 / 2.0 - 255) / 15));
    // Every position of a dragged thumb moves the card.
    down->setSliderDown(true);
    down->setSliderPosition(4001);
    QCOMPARE(card.cardView()->y(), qRound(2000.5 / 15));
    down->setSliderDown(false);
    card.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&card));
    auto *centre = card.findChild<QPushButton *>();
    QCOMPARE(centre->toolTip(), QStringLiteral("Centrer le projet"));
    QTest::mouseClick(centre, Qt::LeftButton);
    QCOMPARE(card.cardView()->geometry(), CentredView);
    QVERIFY(card.cardView()->hasFocus());
    // A resize centres again; one too small keeps the parts where they were.
    across->setValue(200);
    card.resize(603, 400);
    QCOMPARE(across->value(), 4522);
    QCOMPARE(card.cardView()->x(), qRound((9045 / 2.0 - CardW / 2) / 15));
    card.resize(5, 5);
    QCOMPARE(card.cardView()->x(), qRound((37.5 - CardW / 2) / 15));
    card.resize(600, 400);
    QCOMPARE(card.cardView()->geometry(), CentredView);
    QCOMPARE(card.sizeHint(), QSize(318 + 180, 204 + 180));
}

void tst_CardWindow::windowFollowsItsDocument()
{
    frmProjet &card = *m_card;
    CardDocument &doc = card.doc();
    const auto shown = [&card](QPoint p) { return pixel(card.cardView()->grab().toImage(), p.x(), p.y()); };
    // A logo moved in the document shows at its new place at once.
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    doc.editLogo(1, [&red](CardLogo &l) { l.setPicture(red); });
    doc.moveItem(Logo1, QPointF(1500, 1500));
    QCOMPARE(shown(QPoint(105, 105)), Colors::rgb(255, 0, 0));
    QCOMPARE(shown(QPoint(10, 40)), Colors::White);
    // The selection frame follows the item it surrounds, and goes with it.
    card.Logo_Click(1);
    doc.moveItem(Logo1, QPointF(600, 600));
    QCOMPARE(card.bord().rect, QRectF(600, 600, 300, 300));
    doc.setItemVisible(Logo1, false);
    QVERIFY(!card.bord().visible);
    // The card surface takes a new size; an effect shows, a new background
    // forgets it.
    doc.setSize(1500, 750);
    QCOMPARE(card.cardView()->size(), QSize(100, 50));
    for (int repaint = 0; repaint < 2; ++repaint) {
        doc.addEffect({ImageEffect::Inversion, 255});
        QCOMPARE(shown(QPoint(50, 25)), Colors::rgb(0, 0, 0));
        if (repaint == 0)
            QVERIFY(card.Reinitialiser());
        else
            card.Fond_parDefaut();
        QCOMPARE(shown(QPoint(50, 25)), Colors::White);
        QVERIFY(doc.effects().empty());
    }
    // A whole new card: its size and items, nothing selected.
    CardData other;
    other.setSize(3000, 1500);
    QVERIFY(card.setDocument(other));
    QCOMPARE(card.cardView()->size(), QSize(200, 100));
    QVERIFY(!card.bord().visible);
}

void tst_CardWindow::addingItemsAndImportingPictures()
{
    frmProjet &card = *m_card;
    QSignalSpy selections(&card, &frmProjet::selectionChanged);
    for (int expected = 2; expected <= 3; ++expected) {
        card.Ajouter_UnLabel();
        QCOMPARE(card.doc().NumLabel(), expected);
        const CardItemRef item{CardItemRef::LabelItem, expected};
        QCOMPARE(place(item), QPointF(120, 120));
        // In front of everything and selected.
        QCOMPARE(card.doc().stackingOrder().back(), item);
        QCOMPARE(card.selection(), item);
    }
    QCOMPARE(selections.count(), 2);
    // Deleted labels keep their indexes.
    card.doc().setItemVisible({CardItemRef::LabelItem, 3}, false);
    card.Ajouter_UnLabel();
    QCOMPARE(card.doc().NumLabel(), 4);

    // A new logo slot under the new labels; an import fills the slot made
    // last, then replaces its picture.
    card.Ajouter_UnLogo();
    QCOMPARE(card.doc().NumLogo(), 2);
    const CardItemRef slot{CardItemRef::LogoItem, 2};
    QCOMPARE(card.doc().itemRect(slot), QRectF(120, 480, 510, 510));
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("Images"))));
    const QString png = savePicture(m_dir->filePath(QStringLiteral("Images/bleu.png")), QSize(30, 12), Qt::blue, Qt::blue);
    m_scripted->queueFile(png);
    card.Ajouter_UnLogo(true);
    const CommonDialog &d = m_scripted->dialogs.back().snapshot;
    QCOMPARE(m_scripted->dialogs.back().kind, Prompts::DialogKind::Open);
    QCOMPARE(d.InitDir, m_dir->path() + QStringLiteral("/Images/"));
    QCOMPARE(d.DialogTitle, QStringLiteral("Importer un logo"));
    QCOMPARE(QList<int>({d.FilterIndex, d.Flags, int(d.CancelError)}), QList<int>({1, 4, 1}));
    QCOMPARE(card.doc().Logo(2)->picturePath, png);
    QCOMPARE(card.doc().itemRect(slot), QRectF(120, 480, 450, 180));
    QCOMPARE(card.selection(), slot);
    QCOMPARE(card.bord().rect, QRectF(120, 480, 450, 180));
    // The next dialog starts from that picture; cancelled or unreadable
    // files change nothing, and say nothing.
    QVERIFY(m_dir->writeFile(QStringLiteral("faux.bmp"), "pas une image"));
    m_scripted->queueCancel();
    m_scripted->queueFile(m_dir->filePath(QStringLiteral("faux.bmp")));
    card.importLogoPicture(2);
    card.importLogoPicture(2);
    QCOMPARE(m_scripted->dialogs.back().snapshot.InitDir, png);
    QCOMPARE(card.doc().Logo(2)->picturePath, png);
    QVERIFY(m_scripted->messages.empty());
}

void tst_CardWindow::colourAndFontDialogs()
{
    frmProjet &card = *m_card;
    // Without a visible label selected: no dialog.
    card.Couleur_Police();
    card.Logo_Click(1);
    card.Format_Police();
    QVERIFY(m_scripted->dialogs.empty());
    card.Label_Click(1);
    card.doc().editLabel(1, [](CardLabel &l) {
        l.setFontItalic(true);
        l.setFontUnderline(true);
        l.setAutoSize(false);
        l.setSize(15, 15);
    });
    m_scripted->queueColor(Colors::rgb(200, 100, 50));
    card.Couleur_Police();
    const CommonDialog &colour = m_scripted->dialogs.back().snapshot;
    // The system colour goes in as the RGB it stands for.
    QCOMPARE(colour.Color, Colors::resolve(Colors::system(Colors::WindowText)));
    QCOMPARE(QList<int>({colour.Flags, int(colour.CancelError)}), QList<int>({3, 1}));
    const CardLabel *label = card.doc().Label(1);
    QCOMPARE(label->ForeColor, Colors::rgb(200, 100, 50));
    QVERIFY(label->AutoSize() && label->Width() > 15);
    m_scripted->queueDialog([](CommonDialog &d) {
        d.FontName = QStringLiteral("DejaVu Serif");
        d.FontSize = 14;
        d.FontBold = true;
        d.FontItalic = false;
        return true;
    });
    card.Format_Police();
    const CommonDialog &shown = m_scripted->dialogs.back().snapshot;
    QCOMPARE(shown.FontName, QStringLiteral("Arial"));
    QVERIFY(shown.FontItalic && shown.FontUnderline);
    QCOMPARE(label->FontName(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(label->FontSize(), 14.0f);
    // Underline and strike-through are not offered: back as they went.
    QVERIFY(label->FontBold() && !label->FontItalic() && label->FontUnderline() && !label->FontStrikethru());
    m_scripted->queueCancel();
    card.Couleur_Police();
    QCOMPARE(label->ForeColor, Colors::rgb(200, 100, 50));
}

void tst_CardWindow::backgroundsAndTheirRepaint()
{
    frmProjet &card = *m_card;
    const QImage &img = card.Picture1().image();
    const std::array<OleColor, 3> stops = {Colors::rgb(255, 0, 0), Colors::rgb(0, 255, 0), Colors::rgb(0, 0, 255)};
    // The gradient from the given stops, stop 0 on the left for kind 7,
    // with the light grey edge line.
    card.Tracer_Degrade(7, stops);
    const OleColor left = pixel(img, 1, 102);
    QVERIFY(Colors::red(left) > 240 && Colors::green(left) < 16 && Colors::blue(left) < 16);
    QCOMPARE(pixel(img, 0, 102), Colors::LightGrey);
    // The default background keeps the gradient's description; an unknown
    // orientation paints white with the edge line.
    card.Fond_parDefaut();
    CardBackground background = card.doc().background();
    QCOMPARE(QList<int>({background.NumFond, background.Color1, background.NumOption}), QList<int>({0, 255, 7}));
    card.Tracer_Degrade(9, stops);
    QCOMPARE(QList<int>({pixel(img, 100, 100), pixel(img, 317, 203)}), QList<int>({Colors::White, Colors::LightGrey}));

    // A picture stretched over the card, without an edge line.
    const QString halves = savePicture(m_dir->filePath(QStringLiteral("fond.bmp")), QSize(40, 10), Qt::red, Qt::blue);
    m_scripted->queueFile(halves);
    card.Ajouter_UnFond();
    const CommonDialog &d = m_scripted->dialogs.back().snapshot;
    QCOMPARE(d.InitDir, m_dir->path() + QStringLiteral("/Images/Images de fond/"));
    QCOMPARE(d.Filter, QStringLiteral("Bmp - Jpg - Gif - Wmf - Emf|*.bmp;*.jpg;*.gif;*.wmf;*.emf|Png - Svg|*.png;*.svg|"));
    QCOMPARE(card.doc().background().NumFond, 2);
    QCOMPARE(QList<int>({pixel(img, 0, 0), pixel(img, 150, 100), pixel(img, 317, 203)}),
             QList<int>({Colors::rgb(255, 0, 0), Colors::rgb(255, 0, 0), Colors::rgb(0, 0, 255)}));
    // Cancelled or unreadable: nothing changes, silently; the next dialog
    // starts in the picture's folder.
    QVERIFY(m_dir->writeFile(QStringLiteral("texte.bmp"), "pas une image"));
    m_scripted->queueCancel();
    m_scripted->queueFile(m_dir->filePath(QStringLiteral("texte.bmp")));
    const QImage before = img.copy();
    card.Ajouter_UnFond();
    card.Ajouter_UnFond();
    QCOMPARE(m_scripted->dialogs.back().snapshot.InitDir, m_dir->path());
    QCOMPARE(card.doc().background().picture, halves);
    QVERIFY(img == before && m_scripted->messages.empty());
    // An effect, then the repaint gives the picture back; a picture gone
    // since leaves the card white and says so.
    card.doc().addEffect({ImageEffect::Inversion, 255});
    QVERIFY(img != before);
    QVERIFY(card.Reinitialiser());
    QVERIFY(img == before);
    QVERIFY(QFile::remove(halves));
    QVERIFY(!card.Reinitialiser());
    QCOMPARE(pixel(img, 150, 100), Colors::White);
}

void tst_CardWindow::closingQuestionAnswers()
{
    // Answer, saved before, whether the frame's save writes, closes,
    // saves asked for (with a dialog or not).
    const QList<std::tuple<int, bool, bool, bool, QList<bool>>> rows = {
        {Msg::Yes, true, true, true, {false}}, {Msg::Yes, false, true, true, {true}},
        {Msg::Yes, false, false, false, {true}}, {Msg::Yes, true, false, false, {false}},
        {Msg::No, false, true, true, {}},         {Msg::Cancel, true, true, false, {}},
    };
    for (const auto &[answer, savedBefore, writes, closes, saves] : rows) {
        init();
        frmProjet &card = *m_card;
        card.setCaption(QStringLiteral("Carte Dupont"));
        card.setFilePath(savedBefore ? m_dir->filePath(QStringLiteral("a.prj")) : QString());
        QList<bool> asked;
        connect(&card, &frmProjet::saveRequested, &card, [&, writes = writes](bool withDialog) {
            asked << withDialog;
            const QString path = m_dir->filePath(writes ? QStringLiteral("b.prj") : QStringLiteral("x/b.prj"));
            if (card.Projet_Sauver(path))
                card.setFilePath(path);
        });
        QSignalSpy activated(&card, &frmProjet::activated);
        QSignalSpy closed(&card, &frmProjet::closed);
        m_scripted->queueMessage(answer);
        QCOMPARE(card.close(), closes);
        QCOMPARE(m_scripted->messages.size(), size_t(1));
        const ScriptedPrompts::MessageCall &question = m_scripted->messages.front();
        QCOMPARE(question.text, QStringLiteral("Souhaitez-vous enregistrer les modifications de ce projet ?"));
        QCOMPARE(question.style, int(Msg::YesNoCancel) | int(Msg::Question));
        QCOMPARE(question.title, QStringLiteral("Enregistrer - [Carte Dupont] ?"));
        QCOMPARE(asked, saves);
        // Kept, the window shows itself again; closed, it is not asked again.
        QCOMPARE(activated.count(), closes ? 0 : 1);
        QCOMPARE(closed.count(), closes ? 1 : 0);
        if (closes)
            QVERIFY(card.close() && m_scripted->messages.size() == 1);
    }
}

void tst_CardWindow::dragKeepsTheGrabbedPointAndTheFrame()
{
    placeItems();
    // Alt held, the grabbed point stays under the pointer step after step;
    // the frame keeps its margins; nothing is selected while dragging.
    press(Qt::LeftButton, OnLabel);
    move(QPoint(125, 64), Qt::AltModifier);
    QCOMPARE(place(Label1), QPointF(1800, 900));
    QCOMPARE(m_card->bord().rect.topLeft(), QPointF(1760, 890));
    move(QPoint(131, 61), Qt::AltModifier);
    QCOMPARE(place(Label1), QPointF(1890, 855));
    QCOMPARE(m_card->selection(), Label2); // the label added last
    // The release over the moved label is a click: it selects it.
    release(Qt::LeftButton, QPoint(131, 61));
    QCOMPARE(m_card->selection(), Label1);
    // Moving without a button moves nothing, nor with the right button.
    move(QPoint(140, 70));
    press(Qt::RightButton, QPoint(130, 62));
    move(QPoint(160, 80));
    release(Qt::RightButton, QPoint(160, 80));
    QCOMPARE(place(Label1), QPointF(1890, 855));
}

void tst_CardWindow::menusDoubleClicksAndTheLock()
{
    placeItems();
    QList<std::pair<CardMenu, std::optional<CardItemRef>>> menus;
    connect(m_card.get(), &frmProjet::contextMenuRequested, this,
            [&](CardMenu menu, const QPoint &) { menus.append({menu, m_card->selection()}); });
    QList<CardItemRef> edits;
    connect(m_card.get(), &frmProjet::itemEditRequested, this, [&](CardItemRef item) { edits.append(item); });
    // On an item: selected first, then its menu; on the empty card the
    // Tools menu; the left button opens none.
    click(Qt::RightButton, OnLabel);
    click(Qt::RightButton, OnLogo);
    click(Qt::RightButton, OnCard);
    click(Qt::LeftButton, OnCard);
    using M = std::pair<CardMenu, std::optional<CardItemRef>>;
    QCOMPARE(menus, (QList<M>{{CardMenu::Label, Label1}, {CardMenu::Logo, Logo1}, {CardMenu::Tools, Logo1}}));
    // A double click asks for the item's editor; on the empty card nothing.
    QTest::mouseDClick(m_card->windowHandle(), Qt::LeftButton, {}, onCard(OnLabel));
    QTest::mouseDClick(m_card->windowHandle(), Qt::LeftButton, {}, onCard(OnLogo));
    QTest::mouseDClick(m_card->windowHandle(), Qt::LeftButton, {}, onCard(OnCard));
    QCOMPARE(edits, (QList<CardItemRef>{Label1, Logo1}));
    // Locked: no drag, but clicks and menus still work.
    m_options.locked = true;
    press(Qt::LeftButton, OnLabel);
    move(QPoint(125, 64));
    release(Qt::LeftButton, QPoint(125, 64));
    QCOMPARE(place(Label1), QPointF(300, 150));
    click(Qt::LeftButton, OnLabel);
    QCOMPARE(m_card->selection(), Label1);
    // An item deleted during its drag moves no more.
    m_options.locked = false;
    press(Qt::LeftButton, QPoint(203, 153));
    m_card->doc().setItemVisible(Label2, false);
    move(QPoint(220, 170));
    release(Qt::LeftButton, QPoint(220, 170));
    QCOMPARE(m_card->doc().Label(2)->Left, 3000.0f);
    QCOMPARE(menus.size(), 3);
}

void tst_CardWindow::helpBalloonFollowsItsItem()
{
    placeItems();
    // The "no balloons" option: none over the items.
    move(OnLabel);
    QVERIFY(!m_card->BulleVisible);
    m_options.noBalloons = false;
    move(OnLabel + QPoint(1, 0));
    QVERIFY(m_card->BulleVisible);
    auto *balloon = m_card->findChild<Balloon *>();
    QVERIFY(balloon);
    QCOMPARE(QList<int>({balloon->Style, balloon->Icon}), QList<int>({1, 1}));
    QCOMPARE(balloon->Title(), QStringLiteral("Infos du label"));
    // The balloon belongs to its item: the logo gets its own, the empty
    // card and leaving the card take it down, and so does the pointer's
    // place being shown.
    move(OnLogo);
    QCOMPARE(balloon->Title(), QStringLiteral("Infos du logo"));
    QSignalSpy pointer(m_card.get(), &frmProjet::pointerMoved);
    move(OnCard);
    QVERIFY(!m_card->BulleVisible);
    QCOMPARE(pointer.count(), 1);
    QCOMPARE(pointer.first().first().toPointF(), QPointF(4500, 450));
    move(OnLabel);
    QVERIFY(m_card->BulleVisible);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_card->cardView(), &leave);
    QVERIFY(!m_card->BulleVisible);
}

void tst_CardWindow::historyOfTheWindowsEdits()
{
    frmProjet &card = *m_card;
    QUndoStack &history = card.history();
    card.setCaption(QStringLiteral("Carte"));
    const CardData start = card.doc().data();
    QVERIFY(history.isClean() && !card.isWindowModified());
    // Adding a label is one step; the title says the card has changed.
    card.Ajouter_UnLabel();
    QCOMPARE(history.count(), 1);
    QVERIFY(card.isWindowModified() && card.windowTitle() == QStringLiteral("Carte[*]"));
    // A drag of many moves of the new label (on top of label 1) is one
    // step (Alt held: no snapping).
    m_options.noBalloons = true;
    press(Qt::LeftButton, OnLabel);
    for (int x = 30; x <= 60; x += 10)
        move(QPoint(x, 20), Qt::AltModifier);
    release(Qt::LeftButton, QPoint(60, 20));
    QCOMPARE(history.count(), 2);
    // Arrow keys move the selected item by 1 mm, 0.1 mm with Shift; a run
    // of them is one step.
    const QPointF from = place(Label2);
    QVERIFY(from != start.itemRect(Label1)->topLeft());
    QTest::keyClick(card.cardView(), Qt::Key_Right);
    QTest::keyClick(card.cardView(), Qt::Key_Right);
    QTest::keyClick(card.cardView(), Qt::Key_Up, Qt::ShiftModifier);
    const QPointF moved = place(Label2) - from;
    QVERIFY(std::abs(moved.x() - 113.4) < 0.01 && std::abs(moved.y() + 5.67) < 0.01);
    QCOMPARE(history.count(), 3);
    // Undone back to the start: the card as it was, clean again.
    while (history.canUndo())
        history.undo();
    QCOMPARE(place(Label1), start.itemRect(Label1)->topLeft());
    QVERIFY(!card.doc().visibleLabel(2) && !card.isWindowModified());
    history.redo();
    QVERIFY(card.doc().visibleLabel(2));
}

void tst_CardWindow::snappingAndZoom()
{
    // An edge, the centre or the other edge snaps to the nearest line within
    // the threshold, each axis on its own.
    const CardSnap::Lines lines{{0, 2000, 4000}, {0, 1500}};
    const auto snap = [&](QRectF r) { return CardSnap::snap(r, lines, 56.7); };
    QCOMPARE(snap(QRectF(56.7, 700, 100, 100)).offset, QPointF(-56.7, 0));
    QVERIFY(!snap(QRectF(56.8, 700, 100, 100)).guideX);
    const CardSnap::Result centred = snap(QRectF(1930, 1300, 100, 100));
    QCOMPARE(centred.offset, QPointF(20, 0)); // centres on 2000; down, 1400 is too far from 1500
    QCOMPARE(std::pair(centred.guideX, centred.guideY), std::pair(std::optional<double>(2000), std::optional<double>()));
    QCOMPARE(snap(QRectF(3840, 1420, 200, 100)).offset, QPointF(-40, -20)); // right edge, bottom edge
    // The other items' edges are lines; the card's edges and centre too.
    CardData card;
    card.Logo(1)->Left = 1000;
    const CardSnap::Lines found = CardSnap::lines(card, Label1);
    QVERIFY(found.across.size() == 6 && found.across[3] == 1000 && found.down[1] == card.height() / 2);

    // Zoomed in four times, the card shows four times larger and a drag
    // moves by a quarter of the pointer's distance in twips.
    frmProjet &window = *m_card;
    QSignalSpy zooms(&window, &frmProjet::zoomChanged);
    window.zoomBy(1);
    window.zoomBy(-1);
    window.zoomBy(-1);
    QCOMPARE(zooms.count(), 3);
    QCOMPARE(window.zoom(), 0.75);
    window.setZoom(20);
    QCOMPARE(window.zoom(), 8.0);
    // Zoomed around the label's corner, which stays in sight.
    window.setZoom(1);
    window.setZoom(4, QPoint(12, 12));
    const QSize shown = window.cardView()->size();
    QVERIFY(std::abs(shown.width() - CardW / 3.75) < 1 && std::abs(shown.height() - CardH / 3.75) < 1);
    m_options.noBalloons = true;
    const QPointF from = place(Label1);
    const QPoint grab = ((from + QPointF(60, 60)) / 15 * 4).toPoint();
    press(Qt::LeftButton, grab);
    move(grab + QPoint(40, 20), Qt::AltModifier);
    release(Qt::LeftButton, grab + QPoint(40, 20));
    QCOMPARE(place(Label1), from + QPointF(150, 75));
    window.setZoom(1);
    QCOMPARE(window.cardView()->geometry(), CentredView);
}

void tst_CardWindow::droppedPictures()
{
    frmProjet &card = *m_card;
    const QString png = savePicture(m_dir->filePath(QStringLiteral("vert.png")), QSize(30, 12), Qt::green, Qt::green);
    const QString fake = m_dir->filePath(QStringLiteral("faux.png"));
    QVERIFY(m_dir->writeFile(QStringLiteral("faux.png"), "pas une image"));
    const auto drop = [&](const QStringList &files, QPoint at, Qt::KeyboardModifiers keys = {}) {
        return TestSupport::dropFiles(&card, files, onCard(at), keys);
    };
    // A picture dropped on the card is a new logo, its corner where it fell, selected; one step of the history. A file
    // that is no picture changes nothing.
    const int steps = card.history().count();
    QVERIFY(!drop({fake}, QPoint(20, 10)));
    QVERIFY(drop({fake, png}, QPoint(20, 10)));
    const CardItemRef logo{CardItemRef::LogoItem, 2};
    QCOMPARE(card.doc().itemRect(logo), QRectF(300, 150, 450, 180));
    QCOMPARE(std::pair(card.selection(), card.doc().Logo(2)->picturePath), std::pair(std::optional(logo), png));
    // With Shift it is the background instead, another step.
    QVERIFY(drop({png}, QPoint(200, 100), Qt::ShiftModifier));
    QCOMPARE(std::pair(card.doc().background().NumFond, card.doc().background().picture), std::pair(2, png));
    QCOMPARE(pixel(card.Picture1().image(), 250, 150), Colors::rgb(0, 255, 0));
    QCOMPARE(card.history().count(), steps + 2);
}

QTEST_MAIN(tst_CardWindow)
#include "tst_cardwindow.moc"
