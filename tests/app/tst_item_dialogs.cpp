// The item dialogs opened by the frame: the label text editor from a double
// click, the label menu and Edit 7; the logo resize dialog from a double
// click and the logo menu, only for a logo with a picture file. What the
// dialogs chose reaches the card's item, the selection frame and the panel
// only on "Ok".
#include "AppTestFrame.h"

#include "document/frmProjet.h"
#include "editor/ColorFieldView.h"
#include "editor/frmEditer.h"
#include "imaging/frmRedim.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

// A shown frame with one new card window; label 1 selected.
struct Card : FrameFixture {
    Card() : card(startWithCard())
    {
        QVERIFY(card);
        card->Label_Click(1);
    }
    // Answers the next dialog with `answer` run on it.
    template <typename Dialog>
    void answer(std::function<void(Dialog &)> answer)
    {
        dialogs.onModal = [answer](QDialog &d) {
            auto *dialog = qobject_cast<Dialog *>(&d);
            if (!dialog)
                return int(QDialog::Rejected);
            answer(*dialog);
            return dialog->result();
        };
    }
    // A logo of 1134 x 567 twips showing a 60 x 30 pixel picture file.
    CardLogo &pictureLogo()
    {
        QImage image(60, 30, QImage::Format_RGB32);
        image.fill(Qt::blue);
        [&] { QVERIFY(image.save(picturePath)); }();
        CardLogo &logo = *card->Logo(1);
        logo.setPicture(image);
        logo.Tag = picturePath;
        logo.setStretch(true);
        logo.setSize(1134, 567);
        card->Logo_Click(1);
        return logo;
    }
    QRectF bord() const { return card->bord().visible ? card->bord().rect : QRectF(); }
    frmProjet *card;
    QString picturePath = dir.filePath(QStringLiteral("logo.png"));
};

QRectF logoBounds(const CardLogo &g)
{
    return QRectF(g.Left, g.Top, g.Width(), g.Height());
}

constexpr OleColor Blue = 0xFF0000;

} // namespace

class tst_item_dialogs : public QObject {
    Q_OBJECT
private slots:
    void editorWritesTheLabelOnOk();
    void editorChangesNothingOtherwise();
    void resizeDialog();
    void resizeOnlyWithAReadablePicture();
};

void tst_item_dialogs::editorWritesTheLabelOnOk()
{
    Card c;
    CardLabel &label = *c.card->Label(1);
    label.setFontUnderline(true);
    c.answer<frmEditer>([](frmEditer &d) {
        QCOMPARE(d.Text1()->text(), QStringLiteral("ZONE DE TEXTE"));
        d.Text1()->setText(QStringLiteral("Atelier du Port"));
        d.Combo2()->setEditText(QStringLiteral("13"));
        d.Check1()->setChecked(true);
        d.Command1(0)->click();
    });
    c.card->Label_DblClick(1);
    QCOMPARE(c.dialogs.modalDialogs, QStringList({"frmEditer"}));
    QCOMPARE(label.Caption(), QStringLiteral("Atelier du Port"));
    QCOMPARE(label.FontSize(), 13.0f);
    QVERIFY(label.FontBold() && label.FontUnderline());
    // The selection frame, the panel's text box and the object list follow.
    QCOMPARE(c.bord(), QRectF(label.Left - 40, label.Top - 10, label.Width() + 70, label.Height() + 30));
    QCOMPARE(c.frame->TextA()->text(), QStringLiteral("Atelier du Port"));
    QCOMPARE(c.frame->Objets()->currentText(), QStringLiteral("Lb1 | Atelier du Port"));

    // The colour dialog of a double click on the field is the frame's
    // shared one.
    c.prompts.queueColor(Blue);
    c.answer<frmEditer>([](frmEditer &d) {
        emit d.Couleurs()->doubleClicked();
        d.Command1(0)->click();
    });
    c.frame->Mnu_OutEdition_Click(7);
    QCOMPARE(c.prompts.dialogs.size(), 1u);
    QCOMPARE(label.ForeColor, Blue);
    QCOMPARE(c.frame->CMDialog1().Color, Blue);
}

void tst_item_dialogs::editorChangesNothingOtherwise()
{
    Card c;
    CardLabel &label = *c.card->Label(1);
    const QString font = label.FontName();
    const QSizeF size(label.Width(), label.Height());
    // "Annuler" after changes; then an emptied text that "Ok" refuses.
    c.answer<frmEditer>([](frmEditer &d) {
        d.Text1()->setText(QStringLiteral("Autre"));
        d.Combo2()->setEditText(QStringLiteral("24"));
        d.Command1(1)->click();
    });
    c.frame->Mnu_OutLabel_Click(0);
    c.answer<frmEditer>([](frmEditer &d) {
        d.Text1()->clear();
        d.Command1(0)->click();
    });
    c.frame->Mnu_OutEdition_Click(7);
    QCOMPARE(c.dialogs.modalDialogs, QStringList({"frmEditer", "frmEditer"}));
    QCOMPARE(c.texts(), QStringList({"Avant de valider veuillez compléter le texte."}));
    QCOMPARE(label.Caption(), QStringLiteral("ZONE DE TEXTE"));
    QCOMPARE(label.FontName(), font);
    QCOMPARE(QSizeF(label.Width(), label.Height()), size);

    // No selected label, or a logo selected: no editor.
    c.card->Logo_Click(1);
    c.frame->Mnu_OutLabel_Click(0);
    c.frame->setSelection(std::nullopt);
    c.frame->Mnu_OutEdition_Click(7);
    QCOMPARE(c.dialogs.modalDialogs.size(), 2);
}

void tst_item_dialogs::resizeDialog()
{
    Card c;
    CardLogo &logo = c.pictureLogo();
    c.answer<frmRedim>([](frmRedim &d) {
        QCOMPARE(d.Slider1()->value(), 1134);
        d.Slider1()->setSliderPosition(2000);
        d.Command1(0)->click();
    });
    c.card->Logo_DblClick(1);
    QCOMPARE(c.dialogs.modalDialogs, QStringList({"frmRedim"}));
    QVERIFY(logo.Stretch());
    QCOMPARE(logoBounds(logo).size(), QSizeF(2000, 2000));
    QCOMPARE(c.bord(), logoBounds(logo));

    // "Annuler" after a move: nothing changes.
    c.answer<frmRedim>([](frmRedim &d) {
        d.Slider1()->setSliderPosition(500);
        d.Command1(1)->click();
    });
    c.frame->Mnu_OutLogo_Click(0);
    QCOMPARE(logoBounds(logo).size(), QSizeF(2000, 2000));
    // The original size: stretching off, the picture's natural size.
    c.answer<frmRedim>([](frmRedim &d) {
        d.Check1()->setChecked(true);
        d.Command1(0)->click();
    });
    c.frame->Mnu_OutLogo_Click(0);
    QVERIFY(!logo.Stretch());
    QCOMPARE(logoBounds(logo).size(), QSizeF(900, 450));
    QCOMPARE(c.bord(), logoBounds(logo));
    QCOMPARE(c.dialogs.modalDialogs.size(), 3);
}

void tst_item_dialogs::resizeOnlyWithAReadablePicture()
{
    Card c;
    CardLogo &logo = c.pictureLogo();
    // A picture file gone since: a message, no dialog, the logo as it was.
    QVERIFY(QFile::remove(c.picturePath));
    c.card->Logo_DblClick(1);
    QVERIFY(c.dialogs.modalDialogs.isEmpty());
    QCOMPARE(c.prompts.messages.size(), 1u);
    QVERIFY(c.prompts.messages[0].text.contains(c.picturePath));
    QVERIFY(logo.Stretch());
    QCOMPARE(logoBounds(logo).size(), QSizeF(1134, 567));

    // Without a picture file, or too large for the dialog's sizes: nothing.
    logo.setSize(40000, 567);
    c.frame->Mnu_OutLogo_Click(0);
    logo.Tag.clear();
    c.card->Logo_DblClick(1);
    QVERIFY(c.dialogs.modalDialogs.isEmpty());
    QCOMPARE(c.prompts.messages.size(), 1u);
}

QTEST_MAIN(tst_item_dialogs)
#include "tst_item_dialogs.moc"
