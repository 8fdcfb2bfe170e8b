// The tool panel and the commands on a card's selected item: the object list, the position buttons, the label text
// box and style boxes, the gradient swatches and background buttons; the label and logo menus, the label text editor
// and the logo resize dialog, whose choices reach the item, the selection frame and the panel only on "Ok".
#include "AppTestFrame.h"
#include "PdfTools.h"
#include "app/panel/PositionFields.h"

#include "app/panel/ColorSwatch.h"
#include "app/panel/PanelSelection.h"
#include "editor/frmCode.h"
#include "editor/frmEditer.h"
#include "printing/frmShopPdf.h"
#include "imaging/frmRedim.h"
#include "widgets/Xp_Bouton.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const CardItemRef Label1{CardItemRef::LabelItem, 1}, Label3{CardItemRef::LabelItem, 3}, Logo1{CardItemRef::LogoItem, 1},
    Logo2{CardItemRef::LogoItem, 2};
constexpr OleColor Green = 0x00FF00, Blue = 0xFF0000;

} // namespace

class tst_panel : public QObject {
    Q_OBJECT
private slots:
    void rowNumbers();
    void objectListAndPositionButtons();
    void newItemsAndTheirPlaceInMillimetres();
    void labelTextBoxAndStyle();
    void swatchesAndGradientButtons();
    void itemMenus();
    void nothingWithoutCardOrSelection();
    void itemDialogs();
    void codes();
    void exportForAPrintShop();
};

void tst_panel::rowNumbers()
{
    // A row's number: the digits between "Lb" or "Lg" and " | ".
    const std::pair<const char *, std::optional<int>> rows[] = {
        {"Lb12 | Atelier", 12}, {"Lg3 | Logo image n°3", 3}, {"Lb1 | a | b", 1}, {"Lb32768 | x", {}}, {"Lb | x", {}},
        {"Lbx2 | x", {}},       {"Lb2", {}},                 {"----------", {}}, {"Lb-1 | x", {}}};
    for (const auto &[row, number] : rows)
        QVERIFY2(PanelSelection::rowNumber(QString::fromUtf8(row)) == number, row);
    QCOMPARE(PanelSelection::rowItem(u"Lb12 | a | b"_s), u"Lb12"_s);
}

void tst_panel::objectListAndPositionButtons()
{
    CardFixture c;
    ToolPanel &panel = c.panel();
    // The buttons answer the mouse on their page: labels 2 and 3, logo 2.
    panel.selectTab(1);
    panel.Tab1_Click();
    for (int i : {1, 1, 2})
        QTest::mouseClick(panel.Bouton(i), Qt::LeftButton);
    // A label selects its own row; a row selects its item, which the position buttons move by the step of
    // "Niveau", the frame following.
    c.card->Label_Click(3);
    QCOMPARE(panel.Objets()->currentText(), u"Lb3 | ZONE DE TEXTE"_s);
    c.choose(u"Lb1"_s);
    const QPointF first = c.at(Label1);
    for (const auto &[level, step] : {std::pair{0, 400.0}, {1, 200.0}, {2, 50.0}, {3, 10.0}}) {
        panel.Niveau()->setCurrentIndex(level);
        const QPointF at = c.at(Label1);
        for (int button : {2, 0, 3, 3, 1})
            panel.Pos(button)->click();
        QCOMPARE(c.at(Label1), at + QPointF(step, 0));
        panel.Pos(0)->click();
        QCOMPARE(c.at(Label1), at + QPointF(step, -step));
        QCOMPARE(c.bord(), c.labelFrame(c.label()));
    }
    c.choose(u"Lb3"_s);
    panel.Pos(4)->click();
    QCOMPARE(std::pair(c.at(Label1), c.at(Label3).x()), std::pair(first + QPointF(660, -660), c.centred(Label3).x()));
    panel.Pos(6)->click();
    QCOMPARE(c.at(Label3), c.centred(Label3));
    // A logo moves the same way, the frame on its bounds.
    c.choose(u"Lg2"_s);
    panel.Pos(5)->click();
    QCOMPARE(std::pair(c.at(Logo2), c.bord()), std::pair(c.centred(Logo2), c.logoFrame(c.logo(2))));
    // Deleted items leave the list (visible items in index order: labels, a line of 40 "-", logos), which goes back
    // to its first row.
    c.choose(u"Lb3"_s);
    c.frame->Mnu_OutLabel_Click(12);
    c.choose(u"Lg1"_s);
    c.frame->Mnu_OutLogo_Click(12);
    QCOMPARE(c.rows(),
             QStringList({"Lb1 | ZONE DE TEXTE", "Lb2 | ZONE DE TEXTE", QString(40, u'-'), "Lg2 | Logo image n°2"}));
    QCOMPARE(std::pair(panel.Objets()->currentIndex(), c.bord()), std::pair(0, c.labelFrame(c.label())));
}

void tst_panel::newItemsAndTheirPlaceInMillimetres()
{
    CardFixture c;
    ToolPanel &panel = c.panel();
    auto *fields = panel.findChild<PositionFields *>();
    QVERIFY(fields);
    // What was just added is what the next command acts on: the text box
    // edits the new label, from the menu and from the panel alike.
    for (const bool fromMenu : {true, false}) {
        fromMenu ? c.frame->Mnu_OutOutils_Click(0) : panel.Bouton(1)->click();
        const int added = c.card->doc().NumLabel();
        QCOMPARE(c.card->selection(), (CardItemRef{CardItemRef::LabelItem, added}));
        QTest::keyClicks(panel.TextA(), u"!"_s);
        QCOMPARE(std::pair(c.label(added).Caption(), c.label(1).Caption()),
                 std::pair(u"ZONE DE TEXTE!"_s, u"ZONE DE TEXTE"_s));
    }
    // X and Y in millimetres with one decimal, applied on Enter; a label
    // has no width or height to type.
    QCOMPARE(std::pair(fields->field(0)->text(), fields->field(2)->isEnabled()), std::pair(u"2.1"_s, false));
    fields->field(0)->setText(u"12,5"_s);
    QTest::keyClick(fields->field(0), Qt::Key_Return);
    QCOMPARE(c.at({CardItemRef::LabelItem, 3}).x(), float(12.5 * 56.7));
    // A logo's width and height stretch it; nonsense puts the field back.
    panel.Bouton(2)->click();
    fields->field(2)->setText(u"30"_s);
    QTest::keyClick(fields->field(2), Qt::Key_Return);
    QVERIFY(c.logo(2).Stretch() && c.logo(2).Width() == float(30 * 56.7));
    for (const QString &typed : {u"abc"_s, u"-4"_s}) {
        fields->field(3)->setText(typed);
        QTest::keyClick(fields->field(3), Qt::Key_Return);
        QCOMPARE(fields->field(3)->text(), u"9.0"_s);
    }
    // Each is one step of the card's history.
    c.frame->Mnu_OutEdition_Click(0);
    QVERIFY(!c.logo(2).Stretch());
}

void tst_panel::labelTextBoxAndStyle()
{
    CardFixture c;
    ToolPanel &panel = c.panel();
    panel.Bouton(1)->click();
    c.choose(u"Lb2"_s);
    const CardLabel &label = c.label(2);
    const QSizeF size(label.Width(), label.Height());
    // Emptied, the label keeps its size; typing sizes it to its text. Its row and the frame follow.
    panel.TextA()->clear();
    QCOMPARE(std::tuple(label.Caption(), QSizeF(label.Width(), label.Height()), panel.Objets()->currentText()),
             std::tuple(QString(), size, u"Lb2 | "_s));
    QTest::keyClicks(panel.TextA(), u"Atelier du Port, quai des Brumes"_s);
    QCOMPARE(QSizeF(label.Width(), label.Height()), c.fittedSize(label));
    QCOMPARE(panel.Objets()->currentText(), u"Lb2 | Atelier du Port, quai des Brumes"_s);
    QCOMPARE(c.bord(), c.labelFrame(label));
    // Underline and strike-through, mirrored by the boxes for each label.
    panel.Check2(0)->click();
    panel.Check2(1)->click();
    QVERIFY(label.FontUnderline() && label.FontStrikethru());
    c.card->Label_Click(1);
    QVERIFY(!panel.Check2(0)->isChecked() && !c.label().FontUnderline());
    QCOMPARE(panel.TextA()->text(), c.label().Caption());
    c.card->Label_Click(2);
    QVERIFY(panel.Check2(0)->isChecked() && panel.Check2(1)->isChecked());
}

void tst_panel::swatchesAndGradientButtons()
{
    CardFixture c;
    ToolPanel &panel = c.panel();
    // Each swatch asks for its colour; the card is repainted in the orientation kept. A cancel changes nothing.
    panel.Option_Click(0);
    for (int index : {0, 5, 10}) {
        c.prompts.queueColor(Green);
        QTest::mouseClick(panel.Color(index), Qt::LeftButton);
        const CommonDialog &d = c.prompts.dialogs.back().snapshot;
        QCOMPARE(std::tuple(d.Flags, d.CancelError, d.Color, panel.Color(index)->backColor()),
                 std::tuple(3, true, Colors::White, Green));
    }
    QCOMPARE(std::tuple(c.pixel(0.5, 0.5), c.background().NumOption, c.background().Color3),
             std::tuple(Green, 0, Green));
    const QImage before = c.card->Picture1().image().copy();
    c.prompts.queueCancel();
    panel.Color_Click(10);
    QVERIFY(panel.Color(10)->backColor() == Green && c.card->Picture1().image() == before);
    // "Rétablir le dégradé" redraws the orientation last chosen.
    panel.Option_Click(3);
    panel.Bouton(6)->click();
    panel.Bouton(7)->click();
    QCOMPARE(std::pair(c.background().NumFond, c.background().NumOption), std::pair(1, 3));
    // "Annuler le dégradé": the default background without a picture; with one, the picture over the whole card, no
    // edge line; a picture that can no longer be read, the default background.
    panel.Bouton(8)->click();
    QCOMPARE(std::tuple(c.background().NumFond, c.pixel(0.5, 0.5), c.pixel(0.999, 0.999)),
             std::tuple(0, Colors::White, Colors::LightGrey));
    const QString path = c.dir.filePath(u"fond.png"_s);
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    QVERIFY(picture.save(path));
    c.prompts.queueFile(path);
    panel.Bouton(5)->click();
    for (const bool readable : {true, false}) {
        panel.Option_Click(2);
        if (!readable)
            QVERIFY(QFile::remove(path));
        panel.Bouton(8)->click();
        const OleColor edge = readable ? Blue : Colors::LightGrey;
        QCOMPARE(std::tuple(c.background().NumFond, c.pixel(0, 0), c.pixel(0.999, 0.999)),
                 std::tuple(readable ? 2 : 0, edge, edge));
    }
}

void tst_panel::itemMenus()
{
    CardFixture c;
    const CardLabel &label = c.label();
    // Centred across, down, both; behind; a bigger font. The frame follows.
    c.frame->Mnu_OutLabel_Click(5);
    QCOMPARE(c.at(Label1), QPointF(c.centred(Label1).x(), 120));
    c.card->doc().moveItem(Label1, QPointF(0, 0));
    c.frame->Mnu_OutLabel_Click(6);
    QCOMPARE(c.at(Label1), QPointF(0, c.centred(Label1).y()));
    c.card->doc().moveItem(Label1, QPointF(0, 0));
    c.frame->Mnu_OutLabel_Click(7);
    QCOMPARE(c.at(Label1), c.centred(Label1));
    c.frame->Mnu_OutLabel_Click(10);
    QVERIFY(c.card->doc().stackingOrder().front() == Label1);
    c.prompts.queueDialog([](CommonDialog &d) { return d.FontSize = 24, true; });
    c.frame->Mnu_OutLabel_Click(2);
    QCOMPARE(std::pair(label.FontSize(), c.bord()), std::pair(24.0f, c.labelFrame(label)));
    // "Modifier l'image" fills the logo the menu was opened on, not the slot created last.
    const QString picture = c.dir.filePath(u"logo.png"_s);
    QVERIFY(QImage(60, 40, QImage::Format_RGB32).save(picture));
    c.panel().Bouton(2)->click();
    c.panel().Bouton(2)->click();
    c.choose(u"Lg2"_s);
    c.prompts.queueFile(picture);
    c.frame->Mnu_OutLogo_Click(2);
    const CardLogo &logo = c.logo(2);
    QVERIFY(logo.picturePath == picture && c.logo(3).picturePath.isEmpty() && c.card->doc().NumLogo() == 3);
    c.frame->Mnu_OutLogo_Click(7);
    QCOMPARE(std::pair(c.at(Logo2), c.bord()), std::pair(c.centred(Logo2), c.logoFrame(logo)));
    // "Effacer le contenu": the empty picture at 510 x 510 twips in the same place, no file; "Redimensionner" then
    // does nothing.
    c.card->doc().editLogo(2, [](CardLogo &state) { state.setStretch(true), state.setSize(2000, 1500); });
    const QPointF at(logo.Left, logo.Top);
    c.frame->Mnu_OutLogo_Click(3);
    QVERIFY(logo.Picture() == c.card->Tmp() && logo.picturePath.isEmpty());
    c.frame->Mnu_OutLogo_Click(0);
    QCOMPARE(c.logoFrame(logo), QRectF(at, QSizeF(510, 510)));
    QVERIFY(c.dialogs.modalDialogs.isEmpty());
}

void tst_panel::nothingWithoutCardOrSelection()
{
    {
        FrameFixture f;
        QVERIFY(f.frame->MDIForm_Load());
        for (int i = 0; i <= 9; ++i)
            f.panel().Bouton_Click(i), f.panel().Pos_Click(i), f.panel().Check2_Click(i % 2), f.panel().Color_Click(i);
        QVERIFY(f.prompts.dialogs.empty() && f.prompts.messages.empty());
    }
    // The selection names a label deleted since: the item commands change nothing; then no row chosen.
    CardFixture c;
    c.card->Ajouter_UnLabel();
    c.card->doc().setItemVisible({CardItemRef::LabelItem, 2}, false);
    const CardData before = c.card->doc().data();
    for (int i : {0, 2, 3, 5, 6, 7, 9, 10, 12}) {
        c.frame->Mnu_OutLabel_Click(i);
        c.frame->Mnu_OutLogo_Click(i);
    }
    c.panel().Check2(0)->click();
    c.panel().Bouton_Click(3);
    c.panel().Objets()->setCurrentIndex(-1);
    c.panel().Pos(3)->click();
    const CardData &after = c.card->doc().data();
    QVERIFY(after.itemRect(Label1) == before.itemRect(Label1) && after.itemRect(Logo1) == before.itemRect(Logo1));
    QVERIFY(!after.Label(1)->FontUnderline() && !after.Label(2)->Visible);
    QVERIFY(after.stackingOrder() == before.stackingOrder());
    QVERIFY(c.prompts.dialogs.empty() && c.dialogs.modalDialogs.isEmpty());
}

void tst_panel::itemDialogs()
{
    CardFixture c;
    const CardLabel &label = c.label();
    // The editor: an emptied text "Ok" refuses changes nothing; "Ok" writes text and style, and the frame, text box
    // and row follow.
    c.answer<frmEditer>([](frmEditer &d) { d.Text1()->clear(), d.Command1(0)->click(); });
    c.frame->Mnu_OutEdition_Click(7);
    QCOMPARE(std::pair(c.texts(), label.Caption()),
             std::pair(QStringList{u"Avant de valider veuillez compléter le texte."_s}, u"ZONE DE TEXTE"_s));
    c.answer<frmEditer>([](frmEditer &d) {
        d.Text1()->setText(u"Atelier du Port"_s);
        d.Check1()->setChecked(true);
        d.Command1(0)->click();
    });
    c.doubleClick(Label1);
    QCOMPARE(std::tuple(label.Caption(), label.FontBold(), c.bord()),
             std::tuple(u"Atelier du Port"_s, true, c.labelFrame(label)));
    QCOMPARE(std::pair(c.panel().TextA()->text(), c.panel().Objets()->currentText()),
             std::pair(u"Atelier du Port"_s, u"Lb1 | Atelier du Port"_s));
    // The resize dialog, for a logo showing a picture file: applied on "Ok".
    const QString file = c.dir.filePath(u"logo.png"_s);
    const QImage image(60, 30, QImage::Format_RGB32);
    QVERIFY(image.save(file));
    const auto showFile = [&](float width) {
        c.card->doc().editLogo(1, [&](CardLogo &logo) {
            logo.setPicture(image), logo.picturePath = file, logo.setStretch(true), logo.setSize(width, 567);
        });
    };
    showFile(1134);
    c.card->Logo_Click(1);
    c.answer<frmRedim>([](frmRedim &d) {
        QCOMPARE(d.Slider1()->value(), 1134);
        d.Slider1()->setSliderPosition(2000);
        d.Command1(0)->click();
    });
    c.doubleClick(Logo1);
    const CardLogo &logo = c.logo();
    QCOMPARE(std::tuple(logo.Stretch(), c.logoFrame(logo).size(), c.bord()),
             std::tuple(true, QSizeF(2000, 2000), c.logoFrame(logo)));
    // Too large for the dialog's sizes, or without a file: no dialog; a file gone since: a message naming it.
    showFile(40000);
    c.frame->Mnu_OutLogo_Click(0);
    c.card->doc().editLogo(1, [](CardLogo &l) { l.picturePath.clear(); });
    c.frame->Mnu_OutLogo_Click(0);
    showFile(1134);
    QVERIFY(QFile::remove(file));
    c.frame->Mnu_OutLogo_Click(0);
    QVERIFY(c.dialogs.modalDialogs.size() == 3 && c.prompts.messages.back().text.contains(file));
    QCOMPARE(c.logoFrame(logo).size(), QSizeF(1134, 567));
}

void tst_panel::codes()
{
    CardFixture c;
    const CardItemRef code1{CardItemRef::CodeItem, 1};
    // Cancelled from the Tools menu: nothing; "Ok" from the panel's new button: a QR code, selected, listed last.
    c.frame->Mnu_OutOutils_Click(12);
    QCOMPARE(std::pair(c.card->doc().codeCount(), c.dialogs.modalDialogs), std::pair(0, QStringList{u"frmCode"_s}));
    c.answer<frmCode>([](frmCode &d) {
        d.textBox()->setPlainText(u"https://example.fr"_s);
        d.button(0)->click();
    });
    c.panel().Bouton(9)->click();
    const CardCode *code = c.card->doc().visibleCode(1);
    QVERIFY(code && code->kind == CardCode::QR && code->content == u"https://example.fr"_s);
    QCOMPARE(std::pair(c.rows().last(), c.bord()),
             std::pair(u"Cd1 | QR code"_s, QRectF(code->Left, code->Top, code->Width, code->Height)));
    // Its row, the position buttons, its menu and a double click act on it; the history takes it all back.
    c.choose(u"Lb1"_s);
    c.choose(u"Cd1"_s);
    c.panel().Pos(5)->click();
    c.menus().action(Menu::Code, 10)->trigger();
    QVERIFY(c.at(code1) == c.centred(code1) && c.card->doc().stackingOrder().front() == code1);
    c.answer<frmCode>([](frmCode &d) {
        d.kindList()->setCurrentIndex(CardCode::DataMatrix);
        d.button(0)->click();
    });
    c.doubleClick(code1);
    QCOMPARE(c.card->doc().Code(1)->kind, CardCode::DataMatrix);
    c.menus().action(Menu::Code, 12)->trigger();
    QVERIFY(!c.card->doc().visibleCode(1) && !c.rows().last().startsWith(u"Cd"_s));
    c.card->history().setIndex(0);
    QVERIFY(c.card->history().count() == 5 && !c.card->doc().visibleCode(1));
    c.card->history().redo();
    QVERIFY(c.card->doc().visibleCode(1));
}

void tst_panel::exportForAPrintShop()
{
    // Tools 13: the bleed and crop marks asked first, then the file; cancelled, nothing more is asked.
    CardFixture c;
    const QString pdf = c.dir.filePath(u"imprimeur.pdf"_s);
    c.frame->Mnu_OutOutils_Click(13);
    QCOMPARE(c.dialogs.modalDialogs, QStringList{u"frmShopPdf"_s});
    QVERIFY(c.prompts.dialogs.empty());
    c.answer<frmShopPdf>([](frmShopPdf &d) {
        d.bleedBox()->setValue(2);
        d.cropMarksBox()->setChecked(true);
        d.button(0)->click();
    });
    c.prompts.queueFile(pdf);
    c.frame->Mnu_OutOutils_Click(13);
    // The card (84,1 x 54 mm) with 2 mm of bleed and 6 mm of margin on every side.
    QVERIFY(c.prompts.messages.empty());
    QCOMPARE(PdfTools::pageSizeMm(pdf).toSize(), QSize(100, 70));
}

QTEST_MAIN(tst_panel)
#include "tst_panel.moc"
