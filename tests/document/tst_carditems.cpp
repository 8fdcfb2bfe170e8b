// Labels and logos of a card: auto-size, stacking, the commands that add
// labels and logo slots, import a logo, run the font and colour dialogs, and
// selecting an item (text box, mirrors, selection frame, object-list row).
#include "FakeCardHost.h"
#include "ItemSelection.h"
#include "TestSupport.h"
#include "document/frmProjet.h"

#include <QtTest>

#include <cmath>

class tst_CardItems : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void labelSizesItselfToItsText();
    void stackingOrderDecidesWhatIsHit();
    void addedLabelsAreCopiesAtTheCornerInFront();
    void importFillsTheNewSlotThenReplacesIt();
    void cancelledFailedOrEmptySelectionDialogsChangeNothing();
    void colourAndFontDialogs();
    void selectingAnItemMirrorsItAndPicksItsOwnRow();

private:
    TestSupport::TempAppDir m_dir;
    std::unique_ptr<FakeCardHost> m_host;
    std::unique_ptr<frmProjet> m_card;
    ScriptedPrompts &scripted() { return m_host->scripted; }
};

void tst_CardItems::init()
{
    QVERIFY(m_dir.isValid());
    m_host = std::make_unique<FakeCardHost>();
    m_host->applicationDir = m_dir.path();
    m_card = std::make_unique<frmProjet>(m_host.get());
}

void tst_CardItems::cleanup()
{
    m_card.reset();
    m_host.reset();
}

void tst_CardItems::labelSizesItselfToItsText()
{
    CardLabel label;
    label.setCaption(QStringLiteral("M"));
    const float one = label.Width(), line = label.Height();
    label.setCaption(QStringLiteral("MMMM"));
    QVERIFY(one > 0 && std::abs(label.Width() - 4 * one) <= 15);
    const float four = label.Width();
    // CR LF, LF and a lone CR break lines; the widest line gives the width.
    for (const QString &text : {QStringLiteral("MMMM\r\nM"), QStringLiteral("M\nMMMM"), QStringLiteral("M\rMMMM")}) {
        label.setCaption(text);
        QCOMPARE(QSizeF(label.Width(), label.Height()), QSizeF(four, 2 * line));
    }
    label.setCaption(QString());
    QCOMPARE(QSizeF(label.Width(), label.Height()), QSizeF(0, line));
    // Auto-size off keeps the size; on again, the next change fits the text.
    label.setAutoSize(false);
    label.setSize(10, 400);
    label.setCaption(QStringLiteral("MMMM"));
    QCOMPARE(label.Width(), 10.0f);
    label.setAutoSize(true);
    QCOMPARE(label.Width(), four);
    label.setFontSize(16.5f);
    QVERIFY(label.Width() > 1.8f * four && label.Height() > 1.8f * line);

    // Measured at 96 dpi whatever the screen: 8.25 points are 11 pixels.
    QFont points(QStringLiteral("DejaVu Sans")), pixels(QStringLiteral("DejaVu Sans"));
    points.setPointSizeF(8.25);
    pixels.setPixelSize(11);
    QCOMPARE(CardLabel::textSize(QStringLiteral("Atelier"), points), CardLabel::textSize(QStringLiteral("Atelier"), pixels));
    // Absurd font sizes measure sanely.
    for (float size : {0.0f, -4.0f, std::nanf(""), 1.0e9f}) {
        label.setFontSize(size);
        QVERIFY(std::isfinite(label.Width()) && label.Height() > 0 && label.Height() < 1.0e6f);
    }
}

void tst_CardItems::stackingOrderDecidesWhatIsHit()
{
    frmProjet &card = *m_card;
    card.Logo(1)->Top = 0; // under label 1, at (120, 120)
    using Hit = std::optional<CardItemRef>;
    const Hit label1 = CardItemRef{CardItemRef::LabelItem, 1}, logo1 = CardItemRef{CardItemRef::LogoItem, 1};
    QCOMPARE(card.itemAt(QPointF(200, 150)), label1); // a new card: logo 1 below label 1
    card.bringToFront(logo1.value());
    QCOMPARE(card.itemAt(QPointF(200, 150)), logo1);
    card.sendToBack(logo1.value());
    card.Label(1)->Visible = false; // a hidden item is not hit
    QCOMPARE(card.itemAt(QPointF(200, 150)), logo1);
    QCOMPARE(card.itemAt(QPointF(5000, 5000)), Hit());
    // Only the next index can be created; it goes on top. An item of
    // item that does not exist is ignored.
    QVERIFY(!card.doc().createLabel(3) && !card.doc().createLabel(0));
    card.doc().createLabel(2)->Visible = true;
    card.bringToFront(CardItemRef{CardItemRef::LogoItem, 5}); // no such logo
    QCOMPARE(card.itemAt(QPointF(200, 150)), Hit(CardItemRef{CardItemRef::LabelItem, 2}));
}

void tst_CardItems::addedLabelsAreCopiesAtTheCornerInFront()
{
    CardLabel *first = m_card->Label(1);
    first->setCaption(QStringLiteral("Atelier du Port"));
    first->setFontName(QStringLiteral("DejaVu Serif"));
    first->ForeColor = Colors::rgb(10, 20, 30);
    first->Left = 900;
    for (int expected = 2; expected <= 4; ++expected) {
        m_card->Ajouter_UnLabel();
        QCOMPARE(m_card->doc().NumLabel, expected);
        const CardLabel *label = m_card->Label(expected);
        QCOMPARE(QPointF(label->Left, label->Top), QPointF(120, 120));
        QVERIFY(label->Visible);
        QCOMPARE(QStringList({label->Caption(), label->FontName()}), QStringList({"Atelier du Port", "DejaVu Serif"}));
        QCOMPARE(label->ForeColor, Colors::rgb(10, 20, 30));
        QCOMPARE(label->Width(), first->Width());
        // In front of everything, logo 1 included, and selected.
        QCOMPARE(m_card->stackingOrder().back(), (CardItemRef{CardItemRef::LabelItem, expected}));
        QCOMPARE(m_host->selected, labelRef(expected));
        QCOMPARE(m_host->textATextValue, QStringLiteral("Atelier du Port"));
    }
    QCOMPARE(first->Left, 900.0f);
    // Deleted labels keep their indexes: the next one is 5.
    m_card->Label(3)->Visible = false;
    m_card->Label(4)->Visible = false;
    m_card->Ajouter_UnLabel();
    QCOMPARE(m_card->doc().NumLabel, 5);
    QVERIFY(m_card->Label(5)->Visible);
}

void tst_CardItems::importFillsTheNewSlotThenReplacesIt()
{
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    m_card->Logo(1)->setPicture(red);
    QImage blue(30, 12, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("Images"))));
    const QString png = m_dir.filePath(QStringLiteral("Images/bleu.png"));
    QVERIFY(blue.save(png));
    const QString svg = m_dir.filePath(QStringLiteral("Images/rond.svg"));
    QVERIFY(m_dir.writeFile(QStringLiteral("Images/rond.svg"), "<svg xmlns='http://www.w3.org/2000/svg' width='50' height='40'>"
                                                               "<circle cx='25' cy='20' r='15' fill='green'/></svg>"));
    // A new slot: a copy of logo 1 under it, nothing selected.
    m_card->Ajouter_UnLogo();
    QCOMPARE(m_card->doc().NumLogo, 2);
    const CardLogo *slot = m_card->Logo(2);
    QVERIFY(slot->Visible && slot->Picture() == red);
    QCOMPARE(QRectF(slot->Left, slot->Top, slot->Width(), slot->Height()), QRectF(120, 480, 600, 300));
    QVERIFY(!m_host->selected);
    m_card->Mise_aJour();

    scripted().queueFile(png);
    m_card->Ajouter_UnLogo(true);
    QCOMPARE(scripted().dialogs.size(), size_t(1));
    QCOMPARE(scripted().dialogs.back().kind, Prompts::DialogKind::Open);
    const CommonDialog &d = scripted().dialogs.back().snapshot;
    QCOMPARE(d.FileName, QString());
    QCOMPARE(d.InitDir, m_dir.path() + QStringLiteral("/Images/"));
    QCOMPARE(d.DialogTitle, QStringLiteral("Importer un logo"));
    QCOMPARE(d.Filter, QStringLiteral("Bmp - Jpg - Gif - Wmf - Emf - Ico|*.bmp;*.jpg;*.gif;*.wmf;*.emf;*.ico;*.png;*.svg|"));
    QCOMPARE(QList<int>({d.FilterIndex, d.Flags, int(d.CancelError)}), QList<int>({1, 4, 1}));
    // The slot has the picture and is selected; logo 1 is untouched.
    QCOMPARE(TestSupport::pixel(slot->Picture(), 5, 5), Colors::rgb(0, 0, 255));
    QCOMPARE(slot->Tag, png);
    QCOMPARE(m_card->Logo(1)->Picture(), red);
    QCOMPARE(m_host->selected, logoRef(2));
    QCOMPARE(m_card->bord().rect, QRectF(120, 480, 450, 180));
    QCOMPARE(m_host->objects.value(m_host->selectedRow), QStringLiteral("Lg2 | Logo image n°2"));
    // Again: the same slot gets the SVG picture; the dialog starts from the
    // picture it had.
    scripted().queueFile(svg);
    m_card->Ajouter_UnLogo(true);
    QCOMPARE(scripted().dialogs.back().snapshot.InitDir, png);
    QCOMPARE(m_card->logoCount(), 2);
    QCOMPARE(slot->Picture().size(), QSize(50, 40));
    QCOMPARE(slot->Tag, svg);
}

void tst_CardItems::cancelledFailedOrEmptySelectionDialogsChangeNothing()
{
    m_card->Ajouter_UnLogo();
    m_card->Ajouter_UnLabel(); // selects label 2
    const CardLogo *slot = m_card->Logo(2);
    const CardLabel *label = m_card->Label(2);
    const QImage picture = slot->Picture();
    const OleColor colour = label->ForeColor;
    // Cancelled, then files that are no picture Qt can read.
    QVERIFY(m_dir.writeFile(QStringLiteral("faux.bmp"), "pas une image"));
    QVERIFY(m_dir.writeFile(QStringLiteral("dessin.wmf"), QByteArray("\xd7\xcd\xc6\x9a\0\0", 6)));
    scripted().queueCancel();
    for (const char *name : {"faux.bmp", "dessin.wmf", "absent.png"})
        scripted().queueFile(m_dir.filePath(QString::fromLatin1(name)));
    for (int n = 0; n < 4; ++n)
        m_card->Ajouter_UnLogo(true);
    scripted().queueCancel();
    m_card->Couleur_Police();
    scripted().queueCancel();
    m_card->Format_Police();
    QCOMPARE(scripted().dialogs.size(), size_t(6));
    QCOMPARE(slot->Picture(), picture);
    QVERIFY(slot->Tag.isEmpty());
    QCOMPARE(label->ForeColor, colour);
    QCOMPARE(label->FontName(), QStringLiteral("Arial"));
    QVERIFY(!m_card->bord().visible);

    // No dialog for a slot that names no logo, nor without a label selected:
    // nothing, no such label, a deleted one, a logo of the same index.
    m_card->doc().NumLogo = 9;
    m_card->Ajouter_UnLogo(true);
    m_card->Label(2)->Visible = false;
    for (const std::optional<CardItemRef> &item : {std::optional<CardItemRef>(), labelRef(7), labelRef(0), labelRef(2),
                                                   logoRef(1)}) {
        m_host->selected = item;
        m_card->Couleur_Police();
        m_card->Format_Police();
    }
    QCOMPARE(scripted().dialogs.size(), size_t(6));
}

void tst_CardItems::colourAndFontDialogs()
{
    m_card->Ajouter_UnLabel(); // selects label 2
    CardLabel *label = m_card->Label(2);
    label->setFontName(QStringLiteral("DejaVu Sans"));
    label->setFontSize(9.75f);
    label->setFontItalic(true);
    label->setFontUnderline(true);
    label->setAutoSize(false);
    label->setSize(15, 15);
    scripted().queueColor(Colors::rgb(200, 100, 50));
    m_card->Couleur_Police();
    QCOMPARE(scripted().dialogs.back().kind, Prompts::DialogKind::Color);
    const CommonDialog &colour = scripted().dialogs.back().snapshot;
    // The system colour went in as the RGB it stands for.
    QCOMPARE(colour.Color, Colors::resolve(Colors::system(Colors::WindowText)));
    QVERIFY(colour.Color >= 0);
    QCOMPARE(QList<int>({colour.Flags, int(colour.CancelError)}), QList<int>({3, 1}));
    QCOMPARE(label->ForeColor, Colors::rgb(200, 100, 50));
    QVERIFY(label->AutoSize() && label->Width() > 15);

    label->setAutoSize(false);
    label->setSize(15, 15);
    scripted().queueDialog([](CommonDialog &d) {
        d.FontName = QStringLiteral("DejaVu Serif");
        d.FontSize = 14;
        d.FontBold = true;
        d.FontItalic = false;
        return true;
    });
    m_card->Format_Police();
    QCOMPARE(scripted().dialogs.back().kind, Prompts::DialogKind::Font);
    const CommonDialog &shown = scripted().dialogs.back().snapshot;
    QCOMPARE(shown.FontName, QStringLiteral("DejaVu Sans"));
    QCOMPARE(shown.FontSize, 9.75f);
    QVERIFY(!shown.FontBold && shown.FontItalic && shown.FontUnderline && !shown.FontStrikethru);
    QCOMPARE(QList<int>({shown.Flags, int(shown.CancelError)}), QList<int>({3, 1}));
    QCOMPARE(label->FontName(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(label->FontSize(), 14.0f);
    // Underline and strike-through are not offered: back as they went.
    QVERIFY(label->FontBold() && !label->FontItalic() && label->FontUnderline() && !label->FontStrikethru());
    QVERIFY(label->AutoSize() && label->Width() > 15);
    QCOMPARE(m_card->Label(1)->FontName(), QStringLiteral("Arial"));
}

void tst_CardItems::selectingAnItemMirrorsItAndPicksItsOwnRow()
{
    for (int i = 2; i <= 12; ++i) {
        m_card->Ajouter_UnLabel();
        m_card->Label(i)->setCaption(QStringLiteral("Texte %1").arg(i));
    }
    int handlerRuns = 0;
    ItemSelection::routeRows(*m_host, *m_card, &handlerRuns);
    m_card->Mise_aJour();
    CardLabel *label = m_card->Label(12);
    label->setFontStrikethru(true);
    label->Left = 500;
    label->Top = 300;
    m_host->check2Values[0] = true;
    handlerRuns = 0;

    // The list's handler selects the item again; that inner selection does
    // not choose the row a second time.
    m_card->Label_Click(12);
    QCOMPARE(m_host->selectedRow, 11);
    QCOMPARE(m_host->objects.value(11), QStringLiteral("Lb12 | Texte 12"));
    QCOMPARE(handlerRuns, 1);
    QCOMPARE(m_host->selected, labelRef(12));
    QCOMPARE(m_host->textATextValue, QStringLiteral("Texte 12"));
    QVERIFY(!m_host->check2Values[0] && m_host->check2Values[1]);
    QCOMPARE(m_card->bord().rect, QRectF(460, 290, label->Width() + 70, label->Height() + 30));
    // Choosing a row selects its item.
    m_host->setObjectIndex(1);
    QCOMPARE(handlerRuns, 2);
    QCOMPARE(m_host->selected, labelRef(2));
    QCOMPARE(m_card->bord().rect, ItemSelection::labelFrame(*m_card->Label(2)));
    // A logo: its exact bounds; the label's text stays in the text box.
    const CardLogo *logo = m_card->Logo(1);
    m_card->Logo_Click(1);
    QCOMPARE(m_host->selected, logoRef(1));
    QCOMPARE(m_host->textATextValue, QStringLiteral("Texte 2"));
    QCOMPARE(m_card->bord().rect, QRectF(logo->Left, logo->Top, logo->Width(), logo->Height()));
    QCOMPARE(m_host->objects.value(m_host->selectedRow), QStringLiteral("Lg1 | Logo image n°1"));

    // A caption that looks like another row does not fool it; without a row
    // for the item the list keeps its selection.
    m_host->onRowSelected = nullptr;
    m_card->Label(3)->setCaption(QStringLiteral("Lb7 | piège"));
    m_card->Mise_aJour();
    m_card->Label_Click(7);
    QCOMPARE(m_host->selectedRow, 6);
    m_host->objects.removeAt(6);
    m_host->selectedRow = 2;
    m_card->Label_Click(7);
    QCOMPARE(m_host->selectedRow, 2);
    QCOMPARE(m_host->selected, labelRef(7));
    // Hidden or missing items select nothing.
    const QRectF frame = m_card->bord().rect;
    label->Visible = false;
    m_card->Logo(1)->Visible = false;
    for (int i : {12, 0, -3, 99})
        m_card->Label_Click(i);
    m_card->Logo_Click(1);
    m_card->Logo_Click(40000);
    QCOMPARE(m_host->selected, labelRef(7));
    QCOMPARE(m_card->bord().rect, frame);
}

QTEST_MAIN(tst_CardItems)
#include "tst_carditems.moc"
