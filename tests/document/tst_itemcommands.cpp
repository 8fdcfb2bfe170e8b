// The item commands of a card window: adding labels and logo slots,
// importing a logo picture, the font and colour dialogs, and selecting an
// item (text box, mirrors, selection frame, object-list row).
#include "FakeCardHost.h"
#include "ItemSelection.h"
#include "TestSupport.h"
#include "document/frmProjet.h"
#include "platform/AppPaths.h"

#include <QImage>
#include <QtTest>

using ItemSelection::labelFrame;

class tst_ItemCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addedLabelsAreCopiesAtTheCornerInFront();
    void addedLogoSlotsCopyLogoOne();
    void importFillsTheNewSlotThenReplacesIt();
    void failedImportsChangeNothing();
    void colourDialog();
    void fontDialog();
    void colourAndFontNeedALabelSelection();
    void selectingALabelMirrorsIt();
    void selectingPicksTheItemsOwnRow();
    void selectionAfterDeletions();
    void selectionRunsTheListHandlerOnce();

private:
    TestSupport::TempAppDir m_dir;
    std::unique_ptr<FakeCardHost> m_host;
    std::unique_ptr<frmProjet> m_card;
    ScriptedPrompts &scripted() { return m_host->scripted; }
};

void tst_ItemCommands::init()
{
    QVERIFY(m_dir.isValid());
    m_host = std::make_unique<FakeCardHost>();
    m_host->applicationDir = m_dir.path();
    m_card = std::make_unique<frmProjet>(m_host.get());
}

void tst_ItemCommands::cleanup()
{
    m_card.reset();
    m_host.reset();
}

void tst_ItemCommands::addedLabelsAreCopiesAtTheCornerInFront()
{
    CardLabel *first = m_card->Label(1);
    first->setCaption(QStringLiteral("Atelier du Port"));
    first->setFontName(QStringLiteral("DejaVu Serif"));
    first->setFontSize(12);
    first->setFontBold(true);
    first->ForeColor = Colors::rgb(10, 20, 30);
    first->Left = 900;
    first->Top = 700;

    for (int expected = 2; expected <= 4; ++expected) {
        m_card->Ajouter_UnLabel();
        QCOMPARE(m_card->NumLabel, expected);
        QCOMPARE(m_card->labelCount(), expected);
        const CardLabel *label = m_card->Label(expected);
        QCOMPARE(label->Left, 120.0f);
        QCOMPARE(label->Top, 120.0f);
        QVERIFY(label->Visible);
        QCOMPARE(label->Caption(), QStringLiteral("Atelier du Port"));
        QCOMPARE(label->FontName(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(label->FontSize(), 12.0f);
        QVERIFY(label->FontBold());
        QCOMPARE(label->ForeColor, Colors::rgb(10, 20, 30));
        QCOMPARE(label->Width(), first->Width());
        // In front of everything, logo 1 included.
        QCOMPARE(m_card->stackingOrder().back(), (CardItemRef{CardItemRef::LabelItem, expected}));
        QCOMPARE(m_host->textATagValue, QString::number(expected));
        QCOMPARE(m_host->textATextValue, QStringLiteral("Atelier du Port"));
    }
    // Label 1 stays where it was.
    QCOMPARE(first->Left, 900.0f);

    // Deleted labels keep their indexes: the next one is 5.
    m_card->Label(3)->Visible = false;
    m_card->Label(4)->Visible = false;
    m_card->Ajouter_UnLabel();
    QCOMPARE(m_card->NumLabel, 5);
    QVERIFY(m_card->Label(5)->Visible);

    // An index out of step with the labels made nothing.
    m_card->NumLabel = 0;
    frmProjet fresh(m_host.get());
    fresh.NumLabel = 0;
    fresh.Ajouter_UnLabel();
    QCOMPARE(fresh.labelCount(), 1);
    QCOMPARE(fresh.Label(1)->Left, 120.0f);
}

void tst_ItemCommands::addedLogoSlotsCopyLogoOne()
{
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    m_card->Logo(1)->setPicture(red);
    m_card->Logo(1)->Tag = QStringLiteral("/cartes/rouge.png");
    m_card->Logo(1)->Left = 2000;

    m_card->Ajouter_UnLogo();
    QCOMPARE(m_card->NumLogo, 2);
    const CardLogo *slot = m_card->Logo(2);
    QVERIFY(slot->Visible);
    QCOMPARE(slot->Left, 120.0f);
    QCOMPARE(slot->Top, 480.0f);
    QCOMPARE(slot->Picture(), red);
    QCOMPARE(slot->Tag, QStringLiteral("/cartes/rouge.png"));
    QCOMPARE(slot->Width(), 600.0f);
    QCOMPARE(slot->Height(), 300.0f);
    QVERIFY(scripted().dialogs.empty());

    m_card->Ajouter_UnLogo(false);
    QCOMPARE(m_card->NumLogo, 3);
    QCOMPARE(m_card->logoCount(), 3);
    // Adding a slot selects nothing.
    QVERIFY(m_host->textATagValue.isEmpty());
}

void tst_ItemCommands::importFillsTheNewSlotThenReplacesIt()
{
    QImage blue(30, 12, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    const QString png = m_dir.filePath(QStringLiteral("Images/bleu.png"));
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("Images"))));
    QVERIFY(blue.save(png));
    const QString svg = m_dir.filePath(QStringLiteral("Images/rond.svg"));
    QVERIFY(m_dir.writeFile(QStringLiteral("Images/rond.svg"),
                            "<svg xmlns='http://www.w3.org/2000/svg' width='50' height='40'>"
                            "<circle cx='25' cy='20' r='15' fill='green'/></svg>"));

    const QImage placeholder = m_card->Logo(1)->Picture();
    m_card->Ajouter_UnLogo();
    m_card->Mise_aJour();
    m_host->rowSelections.clear();

    scripted().queueFile(png);
    m_card->Ajouter_UnLogo(true);
    QCOMPARE(scripted().dialogs.size(), size_t(1));
    const auto &call = scripted().dialogs.back();
    QCOMPARE(call.kind, Prompts::DialogKind::Open);
    QCOMPARE(call.snapshot.FileName, QString());
    QCOMPARE(call.snapshot.InitDir, AppPaths::join(m_dir.path(), QStringLiteral("\\Images\\")));
    QCOMPARE(call.snapshot.InitDir, m_dir.path() + QStringLiteral("/Images/"));
    QCOMPARE(call.snapshot.DialogTitle, QStringLiteral("Importer un logo"));
    QVERIFY(call.snapshot.Filter.startsWith(
        QStringLiteral("Bmp - Jpg - Gif - Wmf - Emf - Ico|*.bmp;*.jpg;*.gif;*.wmf;*.emf;*.ico")));
    QVERIFY(call.snapshot.Filter.contains(QStringLiteral("*.png")));
    QVERIFY(call.snapshot.Filter.contains(QStringLiteral("*.svg")));
    QCOMPARE(call.snapshot.qtNameFilters().size(), 1);
    QCOMPARE(call.snapshot.FilterIndex, 1);
    QCOMPARE(call.snapshot.Flags, 4);
    QVERIFY(call.snapshot.CancelError);

    // The new slot has the picture and is selected; logo 1 is untouched.
    const CardLogo *slot = m_card->Logo(2);
    QCOMPARE(slot->Picture().size(), QSize(30, 12));
    QCOMPARE(TestSupport::pixel(slot->Picture(), 5, 5), Colors::rgb(0, 0, 255));
    QCOMPARE(slot->Tag, png);
    QCOMPARE(slot->Width(), 450.0f);
    QCOMPARE(m_card->Logo(1)->Picture(), placeholder);
    QCOMPARE(m_host->textATagValue, QStringLiteral("2"));
    QCOMPARE(m_card->bord().rect, QRectF(120, 480, 450, 180));
    QVERIFY(m_card->bord().visible);
    QCOMPARE(m_host->objects.value(m_host->selectedRow), QStringLiteral("Lg2 | Logo image n°2"));

    // Again without a new slot: the same slot gets the SVG picture, and
    // the dialog starts from the picture it had.
    scripted().queueFile(svg);
    m_card->Ajouter_UnLogo(true);
    QCOMPARE(scripted().dialogs.back().snapshot.InitDir, png);
    QCOMPARE(m_card->NumLogo, 2);
    QCOMPARE(m_card->logoCount(), 2);
    QCOMPARE(slot->Picture().size(), QSize(50, 40));
    QCOMPARE(slot->Tag, svg);
    QCOMPARE(m_card->Logo(1)->Picture(), placeholder);
}

void tst_ItemCommands::failedImportsChangeNothing()
{
    m_card->Ajouter_UnLogo();
    CardLogo *slot = m_card->Logo(2);
    const QImage before = slot->Picture();
    const QString tag = slot->Tag;
    m_host->textATagValue = QStringLiteral("1");

    // Cancelled dialog.
    scripted().queueCancel();
    m_card->Ajouter_UnLogo(true);
    QCOMPARE(scripted().dialogs.size(), size_t(1));

    // Files that are no picture Qt can read (a metafile among them).
    QVERIFY(m_dir.writeFile(QStringLiteral("faux.bmp"), "pas une image"));
    QVERIFY(m_dir.writeFile(QStringLiteral("dessin.wmf"), QByteArray("\xd7\xcd\xc6\x9a\0\0", 6)));
    scripted().queueFile(m_dir.filePath(QStringLiteral("faux.bmp")));
    m_card->Ajouter_UnLogo(true);
    scripted().queueFile(m_dir.filePath(QStringLiteral("dessin.wmf")));
    m_card->Ajouter_UnLogo(true);
    scripted().queueFile(m_dir.filePath(QStringLiteral("absent.png")));
    m_card->Ajouter_UnLogo(true);
    QCOMPARE(scripted().dialogs.size(), size_t(4));

    QCOMPARE(slot->Picture(), before);
    QCOMPARE(slot->Tag, tag);
    QCOMPARE(m_host->textATagValue, QStringLiteral("1"));
    QVERIFY(!m_card->bord().visible);

    // A slot number that names no logo: no dialog.
    m_card->NumLogo = 9;
    m_card->Ajouter_UnLogo(true);
    QCOMPARE(scripted().dialogs.size(), size_t(4));
}

void tst_ItemCommands::colourDialog()
{
    CardLabel *label = m_card->Label(1);
    QVERIFY(Colors::isSystem(label->ForeColor));
    label->setAutoSize(false);
    label->setSize(15, 15);
    m_host->textATagValue = QStringLiteral("1");

    // Cancel: nothing changes.
    scripted().queueCancel();
    m_card->Couleur_Police();
    QCOMPARE(label->ForeColor, Colors::system(Colors::WindowText));
    QVERIFY(!label->AutoSize());

    scripted().queueColor(Colors::rgb(200, 100, 50));
    m_card->Couleur_Police();
    QCOMPARE(scripted().dialogs.size(), size_t(2));
    for (const auto &call : scripted().dialogs) {
        QCOMPARE(call.kind, Prompts::DialogKind::Color);
        // The system colour went in as the RGB it stands for.
        QCOMPARE(call.snapshot.Color, Colors::resolve(Colors::system(Colors::WindowText)));
        QVERIFY(call.snapshot.Color >= 0);
        QCOMPARE(call.snapshot.Flags, 3);
        QVERIFY(call.snapshot.CancelError);
    }
    QCOMPARE(label->ForeColor, Colors::rgb(200, 100, 50));
    QVERIFY(label->AutoSize());
    QVERIFY(label->Width() > 15);
}

void tst_ItemCommands::fontDialog()
{
    m_card->Ajouter_UnLabel();
    CardLabel *label = m_card->Label(2);
    label->setFontName(QStringLiteral("DejaVu Sans"));
    label->setFontSize(9.75f);
    label->setFontItalic(true);
    label->setFontUnderline(true);
    label->setAutoSize(false);
    label->setSize(15, 15);
    QCOMPARE(m_host->textATagValue, QStringLiteral("2"));

    scripted().queueCancel();
    m_card->Format_Police();
    QCOMPARE(label->FontName(), QStringLiteral("DejaVu Sans"));
    QVERIFY(!label->AutoSize());

    scripted().queueDialog([](CommonDialog &d) {
        d.FontName = QStringLiteral("DejaVu Serif");
        d.FontSize = 14;
        d.FontBold = true;
        d.FontItalic = false;
        return true;
    });
    m_card->Format_Police();
    QCOMPARE(scripted().dialogs.size(), size_t(2));
    const CommonDialog &shown = scripted().dialogs.back().snapshot;
    QCOMPARE(scripted().dialogs.back().kind, Prompts::DialogKind::Font);
    QCOMPARE(shown.FontName, QStringLiteral("DejaVu Sans"));
    QCOMPARE(shown.FontSize, 9.75f);
    QVERIFY(!shown.FontBold);
    QVERIFY(shown.FontItalic);
    QVERIFY(shown.FontUnderline);
    QVERIFY(!shown.FontStrikethru);
    QCOMPARE(shown.Flags, 3);
    QVERIFY(shown.CancelError);

    QCOMPARE(label->FontName(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(label->FontSize(), 14.0f);
    QVERIFY(label->FontBold());
    QVERIFY(!label->FontItalic());
    // Not offered by the dialog: back as they went.
    QVERIFY(label->FontUnderline());
    QVERIFY(!label->FontStrikethru());
    QVERIFY(label->AutoSize());
    QVERIFY(label->Width() > 15);
    // Label 1 is not the one selected.
    QCOMPARE(m_card->Label(1)->FontName(), QStringLiteral("Arial"));
}

void tst_ItemCommands::colourAndFontNeedALabelSelection()
{
    m_card->Ajouter_UnLabel();
    m_card->Label(2)->Visible = false;
    const OleColor colour = m_card->Label(1)->ForeColor;
    // Empty tag, text, a number of no label, a deleted label, a number out
    // of the 16-bit range: no dialog, no change.
    for (const QString &tag : {QString(), QStringLiteral("abc"), QStringLiteral("7"), QStringLiteral("0"),
                               QStringLiteral("-1"), QStringLiteral("2"), QStringLiteral("70000")}) {
        m_host->textATagValue = tag;
        scripted().queueColor(Colors::rgb(9, 9, 9));
        m_card->Couleur_Police();
        m_card->Format_Police();
        scripted().reset();
    }
    QVERIFY(scripted().dialogs.empty());
    QCOMPARE(m_card->Label(1)->ForeColor, colour);
    QCOMPARE(m_card->Label(2)->ForeColor, colour);
}

void tst_ItemCommands::selectingALabelMirrorsIt()
{
    m_card->Ajouter_UnLabel();
    CardLabel *label = m_card->Label(2);
    label->setCaption(QStringLiteral("Rue des Lilas"));
    label->setFontStrikethru(true);
    label->Left = 500;
    label->Top = 300;
    m_host->check2Values[0] = true;
    m_host->textATagValue.clear();

    m_card->Label_Click(2);
    QCOMPARE(m_host->textATagValue, QStringLiteral("2"));
    QCOMPARE(m_host->textATextValue, QStringLiteral("Rue des Lilas"));
    QVERIFY(!m_host->check2Values[0]);
    QVERIFY(m_host->check2Values[1]);
    QCOMPARE(m_card->bord().rect, QRectF(460, 290, label->Width() + 70, label->Height() + 30));
    QVERIFY(m_card->bord().visible);

    // A logo: exact bounds, the tag, the label's text kept.
    CardLogo *logo = m_card->Logo(1);
    logo->Left = 1000;
    logo->Top = 800;
    m_card->Logo_Click(1);
    QCOMPARE(m_host->textATagValue, QStringLiteral("1"));
    QCOMPARE(m_host->textATextValue, QStringLiteral("Rue des Lilas"));
    QCOMPARE(m_card->bord().rect, QRectF(1000, 800, logo->Width(), logo->Height()));

    // Hidden or missing items select nothing.
    const QRectF frame = m_card->bord().rect;
    label->Visible = false;
    for (int i : {2, 0, -3, 99})
        m_card->Label_Click(i);
    logo->Visible = false;
    m_card->Logo_Click(1);
    m_card->Logo_Click(40000);
    QCOMPARE(m_host->textATagValue, QStringLiteral("1"));
    QCOMPARE(m_card->bord().rect, frame);
}

void tst_ItemCommands::selectingPicksTheItemsOwnRow()
{
    for (int i = 2; i <= 12; ++i) {
        m_card->Ajouter_UnLabel();
        m_card->Label(i)->setCaption(QStringLiteral("Texte %1").arg(i));
    }
    m_card->Ajouter_UnLogo();
    m_card->Mise_aJour();
    QCOMPARE(m_host->objects.size(), 12 + 1 + 2);

    m_card->Label_Click(12);
    QCOMPARE(m_host->selectedRow, 11);
    QCOMPARE(m_host->objects.value(11), QStringLiteral("Lb12 | Texte 12"));
    m_card->Label_Click(1);
    QCOMPARE(m_host->selectedRow, 0);
    m_card->Label_Click(10);
    QCOMPARE(m_host->selectedRow, 9);
    m_card->Logo_Click(2);
    QCOMPARE(m_host->objects.value(m_host->selectedRow), QStringLiteral("Lg2 | Logo image n°2"));

    // A caption that looks like another row does not fool it.
    m_card->Label(3)->setCaption(QStringLiteral("Lb7 | piège"));
    m_card->Mise_aJour();
    m_card->Label_Click(7);
    QCOMPARE(m_host->selectedRow, 6);

    // Without a row for the item the list keeps its selection.
    m_host->objects.removeAt(6);
    m_host->selectedRow = 2;
    m_card->Label_Click(7);
    QCOMPARE(m_host->selectedRow, 2);
    QCOMPARE(m_host->textATagValue, QStringLiteral("7"));
}

void tst_ItemCommands::selectionAfterDeletions()
{
    for (int i = 2; i <= 5; ++i)
        m_card->Ajouter_UnLabel();
    m_card->Label(2)->Visible = false;
    m_card->Label(5)->Visible = false;
    m_card->Mise_aJour();
    QCOMPARE(m_host->objects.size(), 5);
    QVERIFY(m_host->objects.value(0).startsWith(QStringLiteral("Lb1 | ")));
    QVERIFY(m_host->objects.value(1).startsWith(QStringLiteral("Lb3 | ")));
    QVERIFY(m_host->objects.value(2).startsWith(QStringLiteral("Lb4 | ")));
    QCOMPARE(m_host->objects.value(4), QStringLiteral("Lg1 | Logo image n°1"));

    m_card->Label_Click(4);
    QCOMPARE(m_host->selectedRow, 2);
    m_card->Logo_Click(1);
    QCOMPARE(m_host->selectedRow, 4);
    // The deleted label has no row and cannot be selected.
    m_host->rowSelections.clear();
    m_card->Label_Click(2);
    QCOMPARE(m_host->selectedRow, 4);
    QCOMPARE(m_host->textATagValue, QStringLiteral("1"));
    QVERIFY(m_host->rowSelections.empty());
}

void tst_ItemCommands::selectionRunsTheListHandlerOnce()
{
    for (int i = 2; i <= 3; ++i)
        m_card->Ajouter_UnLabel();
    m_card->Ajouter_UnLogo();
    int handlerRuns = 0;
    ItemSelection::routeRows(*m_host, *m_card, &handlerRuns);
    m_card->Mise_aJour();
    handlerRuns = 0;
    m_host->rowSelections.clear();

    // The list's handler selects the item again; that inner selection does
    // not choose the row a second time.
    m_card->Label_Click(3);
    QCOMPARE(handlerRuns, 1);
    QCOMPARE(m_host->rowSelections, std::vector<int>{2});
    QCOMPARE(m_host->textATagValue, QStringLiteral("3"));

    m_card->Logo_Click(2);
    QCOMPARE(handlerRuns, 2);
    QCOMPARE(m_host->rowSelections, (std::vector<int>{2, 5}));

    // Choosing a row in the list selects its item, which finds its row
    // already chosen.
    m_host->setObjectIndex(1);
    QCOMPARE(handlerRuns, 3);
    QCOMPARE(m_host->textATagValue, QStringLiteral("2"));
    QCOMPARE(m_card->bord().rect, labelFrame(*m_card->Label(2)));
    QCOMPARE(m_host->rowSelections, (std::vector<int>{2, 5, 1}));

    // The guard does not outlive the selection.
    m_card->Label_Click(1);
    QCOMPARE(m_host->textATagValue, QStringLiteral("1"));
    QCOMPARE(m_host->selectedRow, 0);

    // A list that forgets its choice before the handler's selection asks
    // for the row: the inner selection still ends at once.
    handlerRuns = 0;
    auto routed = m_host->onRowSelected;
    m_host->onRowSelected = [this, routed](int row) {
        m_host->selectedRow = -1;
        routed(row);
    };
    m_card->Label_Click(3);
    QCOMPARE(handlerRuns, 1);
    QCOMPARE(m_host->textATagValue, QStringLiteral("3"));
}

QTEST_MAIN(tst_ItemCommands)
#include "tst_itemcommands.moc"
