// The tool panel and the item context menus on a card: the object list, the
// position buttons, the label text box and its style boxes, the gradient
// swatches and background buttons, and the label and logo menu commands.
#include "AppTestFrame.h"

#include "app/ColorSwatch.h"
#include "widgets/Xp_Bouton.h"
#include "document/frmProjet.h"
#include "imaging/ColorGradient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>

namespace {

// A shown frame with one new card window, active.
struct Card : FrameFixture {
    Card()
    {
        QVERIFY(start());
        frame->newCard();
        card = frame->activeCard();
        QVERIFY(card);
    }
    QStringList rows() const
    {
        QStringList list;
        for (int i = 0; i < frame->Objets()->count(); ++i)
            list << frame->Objets()->itemText(i);
        return list;
    }
    // Chooses the list row whose item part is `item` ("Lb3"), as a user.
    void choose(const QString &item)
    {
        const int row = int(rows().indexOf(QRegularExpression(QStringLiteral("^%1 \\| .*").arg(item))));
        QVERIFY2(row >= 0, qPrintable(item));
        frame->Objets()->setCurrentIndex(row);
        emit frame->Objets()->activated(row);
    }
    QRectF bord() const { return card->bord().visible ? card->bord().rect : QRectF(); }
    OleColor middle() const { return card->Picture1().point(card->Picture1().width() / 2, card->Picture1().height() / 2); }
    OleColor lastPixel() const
    {
        const QImage &image = card->Picture1().image();
        return TestSupport::pixel(image, image.width() - 1, image.height() - 1);
    }
    frmProjet *card = nullptr;
};

QRectF labelFrame(const CardLabel &l)
{
    return QRectF(l.Left - 40, l.Top - 10, l.Width() + 70, l.Height() + 30);
}

QRectF logoFrame(const CardLogo &g)
{
    return QRectF(g.Left, g.Top, g.Width(), g.Height());
}

constexpr OleColor Green = 0x00FF00;
constexpr OleColor Blue = 0xFF0000;

} // namespace

class tst_panel : public QObject {
    Q_OBJECT
private slots:
    void objectListOfTwelveLabelsAndDeletions();
    void moveStepsAndCentring();
    void labelTextBoxAndStyle();
    void labelMenu();
    void logoMenu();
    void nothingWithoutCardOrSelection();
    void swatchesPaintTheGradient();
    void undoGradient();
};

void tst_panel::objectListOfTwelveLabelsAndDeletions()
{
    Card c;
    // The panel's buttons answer the mouse (the page shown first).
    c.frame->selectTab(1);
    c.frame->Tab1_Click();
    QTest::mouseClick(c.frame->Bouton(1), Qt::LeftButton);
    QCOMPARE(c.card->labelCount(), 2);
    for (int i = 3; i <= 12; ++i)
        c.frame->Bouton(1)->click();
    // Label 12 selects its own row, not label 1's.
    c.card->Label_Click(12);
    QCOMPARE(c.frame->Objets()->currentText(), QStringLiteral("Lb12 | ZONE DE TEXTE"));
    // Its row selects label 12, which the position buttons then move.
    c.choose(QStringLiteral("Lb1"));
    c.choose(QStringLiteral("Lb12"));
    const float top1 = c.card->Label(1)->Top;
    c.frame->Pos(1)->click();
    QCOMPARE(c.card->Label(12)->Top, 120.0f + 200);
    QCOMPARE(c.card->Label(1)->Top, top1);

    c.frame->Bouton(2)->click();
    for (const char *item : {"Lb5", "Lb12"}) {
        c.choose(QString::fromLatin1(item));
        c.frame->Mnu_OutLabel_Click(12);
    }
    c.choose(QStringLiteral("Lg1"));
    c.frame->Mnu_OutLogo_Click(12);
    QStringList expected;
    for (int i : {1, 2, 3, 4, 6, 7, 8, 9, 10, 11})
        expected << QStringLiteral("Lb%1 | ZONE DE TEXTE").arg(i);
    expected << QString(40, u'-') << QStringLiteral("Lg2 | Logo image n°2");
    QCOMPARE(c.rows(), expected);
    QVERIFY(!c.card->Label(5)->Visible && !c.card->Logo(1)->Visible);
    // The list went back to its first row, which selected label 1.
    QCOMPARE(c.bord(), labelFrame(*c.card->Label(1)));
}

void tst_panel::moveStepsAndCentring()
{
    Card c;
    const CardLabel &label = *c.card->Label(1);
    c.choose(QStringLiteral("Lb1"));
    for (const auto &[level, step] : {std::pair{0, 400.0f}, {1, 200.0f}, {2, 50.0f}, {3, 10.0f}}) {
        c.frame->Niveau()->setCurrentIndex(level);
        const QPointF at(label.Left, label.Top);
        c.frame->Pos(2)->click();
        c.frame->Pos(0)->click();
        QCOMPARE(QPointF(label.Left, label.Top), at - QPointF(step, step));
        for (int button : {3, 3, 1})
            c.frame->Pos(button)->click();
        QCOMPARE(QPointF(label.Left, label.Top), at + QPointF(step, 0));
        QCOMPARE(c.bord(), labelFrame(label));
    }
    // Nothing keeps an item on the card.
    c.frame->Niveau()->setCurrentIndex(0);
    c.card->Label(1)->Left = 100;
    c.frame->Pos(2)->click();
    QCOMPARE(label.Left, -300.0f);

    const double w = c.card->Picture1().width();
    const double h = c.card->Picture1().height();
    c.frame->Pos(4)->click();
    QCOMPARE(label.Left, float(w / 2 - label.Width() / 2));
    c.frame->Pos(6)->click();
    QCOMPARE(label.Top, float(h / 2 - label.Height() / 2));
    // A logo moves the same way, the frame on its exact bounds.
    c.choose(QStringLiteral("Lg1"));
    const CardLogo &logo = *c.card->Logo(1);
    c.frame->Pos(5)->click();
    QCOMPARE(logo.Left, float(w / 2 - 255));
    QCOMPARE(logo.Top, float(h / 2 - 255));
    QCOMPARE(c.bord(), logoFrame(logo));
}

void tst_panel::labelTextBoxAndStyle()
{
    Card c;
    c.frame->Bouton(1)->click();
    c.choose(QStringLiteral("Lb2"));
    CardLabel &label = *c.card->Label(2);
    const QSizeF size(label.Width(), label.Height());
    // Emptied, the label keeps its size; typing sizes it to its text.
    c.frame->TextA()->clear();
    QCOMPARE(label.Caption(), QString());
    QCOMPARE(QSizeF(label.Width(), label.Height()), size);
    QCOMPARE(c.frame->Objets()->currentText(), QStringLiteral("Lb2 | "));
    QTest::keyClicks(c.frame->TextA(), QStringLiteral("Atelier du Port, quai des Brumes"));
    QCOMPARE(label.Width(), float(CardLabel::textSize(label.Caption(), label.font()).width()));
    QVERIFY(label.Width() > size.width());
    QCOMPARE(c.frame->Objets()->currentText(), QStringLiteral("Lb2 | Atelier du Port, quai des Brumes"));
    QCOMPARE(c.bord(), labelFrame(label));

    // Underline and strike-through, mirrored by the boxes.
    c.frame->Check2(0)->click();
    c.frame->Check2(1)->click();
    QVERIFY(label.FontUnderline() && label.FontStrikethru());
    c.card->Label_Click(1);
    QVERIFY(!c.frame->Check2(0)->isChecked() && !c.card->Label(1)->FontUnderline());
    c.card->Label_Click(2);
    QVERIFY(c.frame->Check2(0)->isChecked() && c.frame->Check2(1)->isChecked());

    // With no selection the box empties itself.
    c.choose(QStringLiteral("Lb1"));
    c.frame->setSelection(std::nullopt);
    c.frame->TextA()->setText(QStringLiteral("x"));
    QCOMPARE(c.frame->TextA()->text(), QString());
    QCOMPARE(c.card->Label(1)->Caption(), QStringLiteral("ZONE DE TEXTE"));
}

void tst_panel::labelMenu()
{
    Card c;
    c.frame->Bouton(1)->click();
    c.card->Label_Click(1);
    CardLabel &label = *c.card->Label(1);
    const float left = float(c.card->Picture1().width() / 2 - label.Width() / 2);
    const float top = float(c.card->Picture1().height() / 2 - label.Height() / 2);
    c.frame->Mnu_OutLabel_Click(5);
    QCOMPARE(QPointF(label.Left, label.Top), QPointF(left, 120.0f));
    QCOMPARE(c.bord(), labelFrame(label));
    label.Left = 0;
    c.frame->Mnu_OutLabel_Click(6);
    QCOMPARE(QPointF(label.Left, label.Top), QPointF(0, top));
    label.Top = 0;
    c.frame->Mnu_OutLabel_Click(7);
    QCOMPARE(QPointF(label.Left, label.Top), QPointF(left, top));
    const CardItemRef first{CardItemRef::LabelItem, 1};
    c.frame->Mnu_OutLabel_Click(9);
    QVERIFY(c.card->stackingOrder().back() == first);
    c.frame->Mnu_OutLabel_Click(10);
    QVERIFY(c.card->stackingOrder().front() == first);
    // A bigger font: the frame follows the new size.
    c.prompts.queueDialog([](CommonDialog &d) { d.FontSize = 24; return true; });
    c.frame->Mnu_OutLabel_Click(2);
    QCOMPARE(label.FontSize(), 24.0f);
    QCOMPARE(c.bord(), labelFrame(label));
    // "Editer le contenu" opens the editor; cancelled, it changes nothing.
    c.frame->Mnu_OutLabel_Click(0);
    QCOMPARE(label.Caption(), QStringLiteral("ZONE DE TEXTE"));
    QCOMPARE(c.dialogs.modalDialogs, QStringList({"frmEditer"}));
}

void tst_panel::logoMenu()
{
    Card c;
    const QString picture = c.dir.filePath(QStringLiteral("logo.png"));
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(picture));
    c.frame->Bouton(2)->click();
    c.frame->Bouton(2)->click();
    // "Modifier l'image" fills the logo the menu was opened on.
    c.choose(QStringLiteral("Lg2"));
    c.prompts.queueFile(picture);
    c.frame->Mnu_OutLogo_Click(2);
    CardLogo &logo = *c.card->Logo(2);
    QCOMPARE(logo.Tag, picture);
    QVERIFY(c.card->Logo(3)->Tag.isEmpty());
    QCOMPARE(c.card->doc().NumLogo, 3);
    c.frame->Mnu_OutLogo_Click(7);
    QCOMPARE(logo.Left, float(c.card->Picture1().width() / 2 - 450));
    QCOMPARE(logo.Top, float(c.card->Picture1().height() / 2 - 300));
    QCOMPARE(c.bord(), logoFrame(logo));

    // "Effacer le contenu": the empty picture, 510 x 510 twips, no file,
    // in the same place; "Redimensionner" then does nothing.
    logo.setStretch(true);
    logo.setSize(2000, 1500);
    const QPointF at(logo.Left, logo.Top);
    c.frame->Mnu_OutLogo_Click(3);
    QCOMPARE(logo.Picture(), c.card->Tmp());
    QCOMPARE(logoFrame(logo), QRectF(at, QSizeF(510, 510)));
    QVERIFY(logo.Tag.isEmpty());
    const auto dialogs = c.prompts.dialogs.size();
    c.frame->Mnu_OutLogo_Click(0);
    QCOMPARE(logoFrame(logo), QRectF(at, QSizeF(510, 510)));
    QCOMPARE(c.prompts.dialogs.size(), dialogs);
    QVERIFY(c.dialogs.modalDialogs.isEmpty());
}

void tst_panel::nothingWithoutCardOrSelection()
{
    {
        FrameFixture f;
        QVERIFY(f.frame->MDIForm_Load());
        f.frame->setSelection(CardItemRef{CardItemRef::LabelItem, 1});
        for (int i = 0; i <= 13; ++i) {
            f.frame->Mnu_OutLabel_Click(i);
            f.frame->Mnu_OutLogo_Click(i);
            f.frame->Bouton_Click(i);
            f.frame->Pos_Click(i);
        }
        f.frame->Check2_Click(0);
        f.frame->Color_Click(0);
        QVERIFY(f.prompts.dialogs.empty() && f.prompts.messages.empty());
    }
    Card c;
    c.card->doc().createLabel(2); // hidden
    const CardLabel &label = *c.card->Label(1);
    const QRectF labelAt(label.Left, label.Top, label.Width(), label.Height());
    const QRectF logoAt = logoFrame(*c.card->Logo(1));
    const std::vector<CardItemRef> order = c.card->stackingOrder();
    using Ref = std::optional<CardItemRef>;
    for (const Ref &item : {Ref(), Ref({CardItemRef::LabelItem, 99}), Ref({CardItemRef::LabelItem, 2}),
                            Ref({CardItemRef::LogoItem, 2})}) {
        c.frame->setSelection(item);
        for (int i : {2, 3, 5, 6, 7, 9, 10, 12}) {
            c.frame->Mnu_OutLabel_Click(i);
            c.frame->Mnu_OutLogo_Click(i);
        }
        c.frame->Check2(0)->click();
        c.frame->Bouton_Click(3);
    }
    // No row chosen: the position buttons do nothing either.
    c.frame->Objets()->setCurrentIndex(-1);
    c.frame->Pos(3)->click();
    QCOMPARE(QRectF(label.Left, label.Top, label.Width(), label.Height()), labelAt);
    QCOMPARE(logoFrame(*c.card->Logo(1)), logoAt);
    QVERIFY(label.Visible && c.card->Logo(1)->Visible && !label.FontUnderline());
    QVERIFY(c.card->stackingOrder() == order);
    QVERIFY(c.prompts.dialogs.empty());
}

void tst_panel::swatchesPaintTheGradient()
{
    Card c;
    c.frame->Option_Click(0);
    QCOMPARE(c.middle(), Colors::White);
    for (int index : {0, 5, 10}) {
        c.prompts.queueColor(Green);
        QTest::mouseClick(c.frame->Color(index), Qt::LeftButton);
        const auto &call = c.prompts.dialogs.back();
        QCOMPARE(call.kind, Prompts::DialogKind::Color);
        QCOMPARE(call.snapshot.Flags, 3);
        QVERIFY(call.snapshot.CancelError);
        QCOMPARE(call.snapshot.Color, Colors::White); // the swatch's colour
        QCOMPARE(c.frame->swatchPainter().GetColor(index), Green);
        QCOMPARE(c.frame->swatchColor(index), Green);
    }
    // The card was repainted from the swatches, in the orientation kept.
    QCOMPARE(c.middle(), Green);
    QCOMPARE(c.card->doc().NumOption, 0);

    // A cancelled dialog changes nothing.
    const QImage before = c.card->Picture1().image().copy();
    c.prompts.queueCancel();
    c.frame->Color_Click(10);
    QCOMPARE(c.frame->swatchColor(10), Green);
    QCOMPARE(c.frame->swatchPainter().GetColor(10), Green);
    QCOMPARE(c.card->Picture1().image(), before);
}

void tst_panel::undoGradient()
{
    Card c;
    // "Rétablir le dégradé" redraws the orientation last chosen.
    c.frame->Option_Click(3);
    c.frame->Bouton(6)->click();
    c.frame->Bouton(7)->click();
    QCOMPARE(c.card->doc().NumFond, 1);
    QCOMPARE(c.card->doc().NumOption, 3);

    // "Annuler le dégradé" without a background picture: the default one.
    c.frame->Bouton(8)->click();
    QCOMPARE(c.card->doc().NumFond, 0);
    QCOMPARE(c.middle(), Colors::White);
    QCOMPARE(c.lastPixel(), Colors::LightGrey);
    // With one: the picture stretched over the whole card, no edge line.
    const QString path = c.dir.filePath(QStringLiteral("fond.png"));
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    QVERIFY(picture.save(path));
    c.prompts.queueFile(path);
    c.frame->Bouton(5)->click();
    c.frame->Option_Click(2);
    c.frame->Bouton(8)->click();
    QCOMPARE(c.card->doc().NumFond, 2);
    QCOMPARE(c.card->Picture1().point(0, 0), Blue);
    QCOMPARE(c.middle(), Blue);
    QCOMPARE(c.lastPixel(), Blue);
    // A picture that can no longer be read: the default background.
    c.frame->Option_Click(2);
    QVERIFY(QFile::remove(path));
    c.frame->Bouton(8)->click();
    QCOMPARE(c.card->doc().NumFond, 0);
    QCOMPARE(c.middle(), Colors::White);
}

QTEST_MAIN(tst_panel)
#include "tst_panel.moc"
