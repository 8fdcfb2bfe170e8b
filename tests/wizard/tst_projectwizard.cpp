// The new-project wizard: formats and custom sizes, the default texts and
// their preview, the picture library and what choosing in it does, the
// card "Créer" builds; then its window: typing, the tree, "Créer".
#include "TestLibrary.h"

#include "platform/Prompts.h"
#include "platform/ScriptedPrompts.h"
#include "wizard/PreviewView.h"
#include "wizard/ProjectWizard.h"
#include "wizard/ResourceTree.h"
#include "wizard/frmAssist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The size of the card the wizard would create now, to a tenth of a twip.
QSizeF cardSize(const ProjectWizard &w)
{
    const CardData card = w.Creer_Projet(u"x"_s).card;
    return QSizeF(std::round(card.width() * 10) / 10, std::round(card.height() * 10) / 10);
}

QStringList texts(const QList<ResourceLibrary::Entry> &entries)
{
    QStringList list;
    for (const ResourceLibrary::Entry &entry : entries)
        list << entry.text;
    return list;
}

} // namespace

class TestProjectWizard : public QObject {
    Q_OBJECT
private slots:
    void formatsAndCustomSizes();
    void defaultTextsAndTheirPreview();
    void library();
    void choosingOrnamentsAndBackgrounds();
    void createdCard();
    void window();
};

void TestProjectWizard::formatsAndCustomSizes()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    ProjectWizard w(library.path(), prompts);
    QVERIFY(w.formatIndex() == 0 && !w.customEnabled() && w.customText(0) == u"8,4"_s && w.customText(1) == u"5,4"_s);
    QCOMPARE(cardSize(w), QSizeF(4762.8, 3061.8));
    const std::tuple<int, double, double> formats[] = {{1, 4195.8, 2494.8}, {2, 3628.8, 1927.8}, {3, 4762.8, 3061.8}};
    for (const auto &[position, width, height] : formats) {
        w.selectFormat(position);
        QCOMPARE(cardSize(w), QSizeF(width, height));
        QCOMPARE(w.customEnabled(), position == 3);
    }
    // From 1 to 23 cm with a comma; anything else is refused and the
    // field's initial text put back, which sets the dimension again.
    w.setCustomText(0, u"23"_s);
    QCOMPARE(cardSize(w).width(), 13041.0);
    w.setCustomText(0, u"24"_s);
    w.setCustomText(1, u"0,5"_s);
    QVERIFY(w.customText(0) == u"8,4"_s && w.customText(1) == u"5,4"_s);
    QCOMPARE(cardSize(w), QSizeF(4762.8, 3061.8));
    w.setCustomText(1, u"1"_s);
    QCOMPARE(cardSize(w).height(), 567.0);
    w.setCustomText(0, u"8.4"_s); // a point is not a decimal separator here
    QCOMPARE(w.customText(0), u"8,4"_s);
    QVERIFY(w.customKeyPress(0, u',') && !w.customKeyPress(1, u'.'));
    QStringList shown;
    for (const auto &message : prompts.messages) {
        QCOMPARE(message.style, Msg::OkOnly | Msg::Exclamation);
        shown << message.text;
    }
    const QString length = u"Ce type de longueur n'est pas autorisée."_s;
    QCOMPARE(shown, QStringList({length, u"Ce type de hauteur n'est pas autorisée."_s, length,
                                 u"Veuillez utiliser de préférence la virgule pour chaque mesure."_s}));
    // A format chosen after a custom length sets both dimensions; the
    // custom position starts again from 8,4 x 5,4 cm and the fields keep
    // their text until they change.
    w.setCustomText(0, u"12,5"_s);
    w.selectFormat(2);
    QCOMPARE(cardSize(w), QSizeF(3628.8, 1927.8));
    w.selectFormat(3);
    QCOMPARE(cardSize(w), QSizeF(4762.8, 3061.8));
    QVERIFY(w.customText(0) == u"12,5"_s && w.customText(1) == u"1"_s);
}

void TestProjectWizard::defaultTextsAndTheirPreview()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    ProjectWizard w(library.path(), prompts);
    const WizardPreview &preview = w.preview();
    // Right-aligned 150 twips from the edge, the third centred (halves
    // dropped), the fourth 350 twips above the bottom.
    auto checkPlaces = [&preview] {
        const CardLabel &l1 = preview.label(1), &l2 = preview.label(2), &l3 = preview.label(3), &l4 = preview.label(4);
        QCOMPARE(QPointF(l1.Left, l1.Top), QPointF(float(4095 - l1.Width() - 150), 120));
        QCOMPARE(QPointF(l2.Left, l2.Top), QPointF(float(4095 - l2.Width() - 150), 480));
        QCOMPARE(QPointF(l3.Left, l3.Top), QPointF(float(std::trunc((4095 - l3.Width()) / 2)), 1237));
        QCOMPARE(QPointF(l4.Left, l4.Top), QPointF(120, 2125));
    };
    checkPlaces();
    QVERIFY(preview.label(3).FontBold() && preview.label(3).FontSize() == 12.0f && !preview.label(1).FontBold());
    // Typing replaces the preview text at once; the texts against the
    // right edge stay there.
    w.setFieldText(1, u"Marie-Hélène Durand-Lefebvre"_s);
    w.setFieldText(2, QString());
    QVERIFY(preview.label(1).Caption() == u"Marie-Hélène Durand-Lefebvre"_s && preview.label(2).Caption().isEmpty());
    checkPlaces();
    w.setNoDefaultLabels(true);
    for (int i = 1; i <= 4; ++i)
        QVERIFY(!preview.label(i).Visible);
    w.setNoDefaultLabels(false);
    QVERIFY(preview.label(3).Visible);
}

void TestProjectWizard::library()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    // The named pipe among the letters must not block the listing; only
    // pictures are listed, a damaged one too (choosing it fails later), a
    // four-letter extension goes whole, a missing folder is empty.
    ProjectWizard w(library.path(), prompts);
    const QList<ResourceLibrary::Branch> &branches = w.resources();
    QCOMPARE(branches.size(), 3);
    QCOMPARE(branches[0].key + branches[1].key + branches[2].key, u"D1D2D3"_s);
    QCOMPARE(texts(branches[0].entries), QStringList({u"a"_s, u"B"_s}));
    QCOMPARE(branches[0].entries[1].key, library.letter(u"B.png"_s));
    QVERIFY(branches[1].entries.isEmpty());
    QCOMPARE(texts(branches[2].entries), QStringList({u"Abîmé"_s, u"Bleu"_s, u"Vert"_s}));
    QVERIFY(prompts.messages.empty());
    // The supplied library, every background choosable.
    ProjectWizard shipped(qEnvironmentVariable("BRIVADUNE_TEST_DATA") + u"/../../data"_s, prompts);
    const QList<ResourceLibrary::Branch> &all = shipped.resources();
    QVERIFY(all[0].entries.size() == 26 && all[1].entries.size() == 36 && all[2].entries.size() == 17);
    for (const ResourceLibrary::Entry &entry : all[2].entries)
        QVERIFY2(shipped.chooseResource(entry.key), qPrintable(entry.text));
}

void TestProjectWizard::choosingOrnamentsAndBackgrounds()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    ProjectWizard w(library.path(), prompts);
    const WizardPreview &preview = w.preview();
    const QImage empty = preview.screenBackground();
    QCOMPARE(empty.size(), QSize(273, 165));
    QVERIFY(TestSupport::pixel(empty, 272, 164) == 0xE0E0E0 && TestSupport::pixel(empty, 100, 100) == 0xFFFFFF);
    // A small letter keeps its natural size at the preview's corner.
    QVERIFY(w.chooseResource(library.letter(u"a.png"_s)));
    const CardLogo &logo = *preview.card().Logo(1);
    QVERIFY(logo.Visible && !logo.Stretch() && logo.Left == 0 && logo.Top == 0);
    QCOMPARE(QSizeF(logo.Width(), logo.Height()), QSizeF(300, 150));
    // A 300-pixel letter would be taller than the card: 40 % of the card's
    // height, and it follows a change of format.
    QVERIFY(w.chooseResource(library.letter(u"B.png"_s)));
    QVERIFY(logo.Stretch() && logo.Height() == float(3061.8 * 0.4) && logo.Width() == logo.Height());
    w.selectFormat(2);
    QCOMPARE(logo.Height(), float(1927.8 * 0.4));
    QVERIFY(w.chooseResource(library.background(u"Bleu.png"_s)));
    QVERIFY(w.backgroundPath() == library.background(u"Bleu.png"_s) && logo.Visible); // both stay
    QCOMPARE(TestSupport::pixel(preview.screenBackground(), 272, 164), OleColor(0xFF0000));
    // A top-level entry, a picture that cannot be decoded, an unknown key
    // or a file gone since the listing reset the preview.
    QVERIFY(QFile::remove(library.background(u"Vert.jpeg"_s)));
    for (const QString &key : {u"D3"_s, library.background(u"Abîmé.png"_s), u"D9"_s, library.background(u"Vert.jpeg"_s)}) {
        QVERIFY(w.chooseResource(library.background(u"Bleu.png"_s)) && w.chooseResource(library.letter(u"a.png"_s)));
        QVERIFY2(!w.chooseResource(key), qPrintable(key));
        QVERIFY(w.backgroundPath().isEmpty() && !logo.Visible && preview.screenBackground() == empty);
    }
}

void TestProjectWizard::createdCard()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    ProjectWizard w(library.path(), prompts);
    w.selectFormat(3);
    w.setCustomText(0, u"10"_s);
    w.setCustomText(1, u"6,5"_s);
    w.setFieldText(1, u"Jeanne Martin"_s);
    QVERIFY(w.chooseResource(library.letter(u"B.png"_s)));
    QVERIFY(w.chooseResource(library.background(u"Bleu.png"_s)));
    // No name: the message and nothing made; a blank is a name.
    QVERIFY(!w.create());
    QCOMPARE(prompts.messages.back().text, u"Veuillez donner un nom à votre projet."_s);
    w.setProjectName(u"Boulangerie"_s);
    const std::optional<NewProject> project = w.create();
    QVERIFY(project && project->name == u"Boulangerie"_s);
    const CardData &card = project->card;
    QCOMPARE(QSizeF(card.width(), card.height()), QSizeF(5670.0, double(float(6.5 * 567))));
    QCOMPARE(card.labelCount(), 4);
    QVERIFY(card.Label(1)->Caption() == u"Jeanne Martin"_s && card.Label(2)->Caption() == u"Adresse"_s);
    for (int i = 1; i <= 4; ++i)
        QVERIFY(card.Label(i)->AutoSize() && card.Label(i)->Width() == w.preview().label(i).Width());
    // The card window places them for the card.
    QVERIFY(project->placeItems);
    const CardLogo &logo = *card.Logo(1);
    QVERIFY(logo.Left == 120 && logo.Top == 120 && logo.picturePath == library.letter(u"B.png"_s) && logo.Stretch());
    QCOMPARE(logo.Height(), float(card.height() * 0.4));
    QVERIFY(card.NumFond == 2 && card.BackgroundPicture == library.background(u"Bleu.png"_s));
    QCOMPARE(project->backgroundPicture.size(), QSize(100, 64));

    // Without default labels: only the label every new card has, left where
    // it is; a background taken back is not used.
    w.setNoDefaultLabels(true);
    QVERIFY(!w.chooseResource(u"D1"_s));
    const NewProject bare = w.Creer_Projet(u"Sans textes"_s);
    QVERIFY(bare.card.labelCount() == 1 && bare.card.Label(1)->Left == 120 && bare.card.Label(1)->Top == 120);
    QVERIFY(!bare.placeItems);
    QVERIFY(bare.card.Logo(1)->picturePath.isEmpty() && bare.card.NumFond == 0 && bare.backgroundPicture.isNull());
}

void TestProjectWizard::window()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    frmAssist dialog(library.path(), prompts, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Typing in a size field: a refused length puts the initial text back.
    dialog.Combo1()->setCurrentIndex(3);
    QLineEdit *length = dialog.Text2(0);
    length->selectAll();
    QTest::keyClicks(length, u"234"_s);
    QCOMPARE(length->text(), u"8,4"_s);
    QTest::keyClick(dialog.Text2(1), '.');
    QCOMPARE(dialog.Text2(1)->text(), u"5,4"_s);
    // "Personnaliser les champs" enables the fields; typing shows at once.
    auto *customize = dialog.findChild<QCheckBox *>(u"customizeFields"_s);
    customize->setChecked(true);
    QTest::keyClicks(dialog.Text3(3), u"Fleuriste"_s);
    QCOMPARE(dialog.wizard().preview().label(3).Caption(), u"Fleuriste"_s);
    customize->setChecked(false);
    QVERIFY(!dialog.Text3(3)->isEnabled());
    // The keyboard moving in the tree chooses the picture it reaches.
    ResourceTree &tree = *dialog.Tree1();
    tree.topLevelItem(2)->setExpanded(true);
    tree.setCurrentItem(tree.topLevelItem(2)->child(0));
    tree.setFocus();
    QTest::keyClick(&tree, Qt::Key_Down);
    QCOMPARE(dialog.wizard().backgroundPath(), library.background(u"Bleu.png"_s));
    QCOMPARE(TestSupport::pixel(dialog.Picture1()->grab().toImage(), 136, 3), OleColor(0xFF0000));
    // "Créer" without a name keeps the dialog; Enter in the name creates.
    dialog.Command1(0)->click();
    QVERIFY(dialog.isVisible() && !dialog.project());
    QTest::keyClicks(dialog.Text1(), u"Essai"_s);
    QTest::keyClick(dialog.Text1(), Qt::Key_Return);
    QVERIFY(dialog.project() && dialog.project()->name == u"Essai"_s && dialog.result() == QDialog::Accepted);
}

QTEST_MAIN(TestProjectWizard)
#include "tst_projectwizard.moc"
