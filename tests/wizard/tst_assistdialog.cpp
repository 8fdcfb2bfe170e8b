// The "Nouveau projet" window over its rules: every control with its text
// and tool tip, typing in the fields, choosing in the tree, "Créer" with
// and without a name, Enter in the name field, and "Aide".
#include "TestLibrary.h"

#include "platform/ScriptedPrompts.h"
#include "platform/Shell.h"
#include "widgets/Line3D.h"
#include "wizard/PreviewView.h"
#include "wizard/ResourceTree.h"
#include "wizard/frmAssist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct RecordingShell : Shell {
    QStringList opened;
    bool open(const QString &target) override
    {
        opened << target;
        return true;
    }
};

template <typename T>
T *child(const QWidget &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    if (!found)
        qWarning("no %s", qPrintable(name));
    return found;
}

void clickEntry(ResourceTree &tree, const QString &key)
{
    QTreeWidgetItem *item = tree.itemOf(key);
    QVERIFY(item);
    if (item->parent())
        item->parent()->setExpanded(true);
    tree.scrollToItem(item);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
}

} // namespace

class TestAssistDialog : public QObject {
    Q_OBJECT
private slots:
    void controlsTextsAndTips();
    void typingInTheFields();
    void choosingInTheTree();
    void creatingAndHelp();
};

void TestAssistDialog::controlsTextsAndTips()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    frmAssist dialog(library.path(), prompts, nullptr);
    QCOMPARE(dialog.windowTitle(), u"Nouveau projet"_s);

    auto *tabs = child<QTabWidget>(dialog, u"tabs"_s);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), u"Propriétés du projet"_s);
    QCOMPARE(tabs->tabText(1), u"Mise en page perso"_s);
    QCOMPARE(tabs->currentIndex(), 0);

    QCOMPARE(child<QLineEdit>(dialog, u"Text1"_s)->toolTip(), u"Donner un nom à votre projet"_s);
    auto *combo = child<QComboBox>(dialog, u"Combo1"_s);
    QCOMPARE(combo->toolTip(), u"Sélectionnez votre format"_s);
    QCOMPARE(combo->count(), 4);
    QCOMPARE(combo->itemText(3), u"Etiquette personnalisée..."_s);
    QCOMPARE(combo->currentIndex(), 0);

    auto *frame = child<QGroupBox>(dialog, u"Frame1"_s);
    QCOMPARE(frame->title(), u"Format perso"_s);
    QStringList captions;
    for (const QLabel *label : frame->findChildren<QLabel *>())
        captions << label->text();
    QCOMPARE(captions, QStringList({u"Longueur :"_s, u"centimètres"_s, u"Hauteur :"_s, u"centimètres"_s,
                                    u"Pour des raisons techniques le format perso a été limité dans les dimensions. "
                                    "Vous ne pouvez donc pas créer de projet avec un format dépassant le 23 x 23 cm."_s}));
    QCOMPARE(child<QLineEdit>(dialog, u"Text2_0"_s)->text(), u"8,4"_s);
    QCOMPARE(child<QLineEdit>(dialog, u"Text2_1"_s)->text(), u"5,4"_s);
    QVERIFY(!frame->isEnabled());
    combo->setCurrentIndex(3);
    QVERIFY(frame->isEnabled());
    combo->setCurrentIndex(1);
    QVERIFY(!frame->isEnabled());
    QCOMPARE(dialog.wizard().cardWidth(), 4195.8);

    QCOMPARE(child<QCheckBox>(dialog, u"customizeFields"_s)->text(), u"Personnaliser les champs"_s);
    auto *noLabels = child<QCheckBox>(dialog, u"noDefaultLabels"_s);
    QCOMPARE(noLabels->text(), u"Ne pas créer les labels par défaut"_s);
    QVERIFY(!noLabels->isChecked());
    const char *const fieldCaptions[] = {"Nom prénom :", "Adresse :", "Fonction :", "Téléphone :"};
    for (int i = 1; i <= 4; ++i) {
        auto *field = child<QLineEdit>(dialog, u"Text3_%1"_s.arg(i));
        QVERIFY(!field->isEnabled());
        QCOMPARE(field->text(), QString());
        auto *page = field->parentWidget();
        bool captioned = false;
        for (const QLabel *label : page->findChildren<QLabel *>())
            captioned |= label->buddy() == field && label->text() == QString::fromUtf8(fieldCaptions[i - 1])
                         && !label->isEnabled();
        QVERIFY2(captioned, fieldCaptions[i - 1]);
    }

    const char *const buttons[][2] = {
        {"Créer", "Créer le nouveau projet"}, {"Annuler", "Retour menu"}, {"Aide", "Afficher l'aide"}};
    dialog.show();
    const int lineY = child<Line3D>(dialog, u"Line3D1"_s)->geometry().bottom();
    for (int i = 0; i < 3; ++i) {
        auto *button = child<QPushButton>(dialog, u"Command1_%1"_s.arg(i));
        QCOMPARE(button->text(), QString::fromUtf8(buttons[i][0]));
        QCOMPARE(button->toolTip(), QString::fromUtf8(buttons[i][1]));
        QVERIFY(button->geometry().top() > lineY);
        // Nothing is cut off.
        QVERIFY(button->width() >= button->sizeHint().width());
    }
    auto *tree = child<ResourceTree>(dialog, u"Tree1"_s);
    QCOMPARE(tree->topLevelItemCount(), 3);
    QCOMPARE(tree->topLevelItem(2)->text(0), u"Images de fond"_s);
    QCOMPARE(tree->topLevelItem(2)->childCount(), 3);
    QCOMPARE(child<PreviewView>(dialog, u"Picture1"_s)->contentsRect().size(), QSize(273, 165));
}

void TestAssistDialog::typingInTheFields()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    frmAssist dialog(library.path(), prompts, nullptr);
    dialog.Combo1()->setCurrentIndex(3);
    QLineEdit *length = dialog.Text2(0);
    length->selectAll();
    QTest::keyClicks(length, u"23"_s);
    QCOMPARE(dialog.wizard().cardWidth(), 13041.0);
    QTest::keyClicks(length, u"4"_s); // 234 cm
    QCOMPARE(length->text(), u"8,4"_s);
    QCOMPARE(dialog.wizard().cardWidth(), 4762.8);
    QTest::keyClick(dialog.Text2(1), '.');
    QCOMPARE(dialog.Text2(1)->text(), u"5,4"_s);
    QCOMPARE(prompts.messages.size(), std::size_t(2));
    QCOMPARE(prompts.messages[0].text, u"Ce type de longueur n'est pas autorisée."_s);
    QCOMPARE(prompts.messages[1].text, u"Veuillez utiliser de préférence la virgule pour chaque mesure."_s);

    // "Personnaliser les champs" enables the fields; typing shows in the
    // preview at once, and unchecking disables them again.
    dialog.customizeFields()->setChecked(true);
    QVERIFY(dialog.Text3(1)->isEnabled() && dialog.Text3(4)->isEnabled());
    QTest::keyClicks(dialog.Text3(3), u"Fleuriste"_s);
    QCOMPARE(dialog.wizard().preview().label(3).Caption(), u"Fleuriste"_s);
    dialog.customizeFields()->setChecked(false);
    QVERIFY(!dialog.Text3(3)->isEnabled());
}

void TestAssistDialog::choosingInTheTree()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    frmAssist dialog(library.path(), prompts, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ResourceTree &tree = *dialog.Tree1();

    clickEntry(tree, library.background(u"Bleu.png"_s));
    QCOMPARE(dialog.wizard().backgroundPath(), library.background(u"Bleu.png"_s));
    const QImage shown = dialog.Picture1()->grabPreview();
    QCOMPARE(TestSupport::pixel(shown, 136, 2), OleColor(0xFF0000));

    // The keyboard moves to the next picture and chooses it.
    tree.setFocus();
    QTest::keyClick(&tree, Qt::Key_Down);
    QCOMPARE(dialog.wizard().backgroundPath(), library.background(u"Vert.jpeg"_s));

    // A top-level entry clicked resets the preview.
    clickEntry(tree, u"D1"_s);
    QCOMPARE(dialog.wizard().backgroundPath(), QString());
    QCOMPARE(TestSupport::pixel(dialog.Picture1()->grabPreview(), 136, 0), OleColor(0xE0E0E0));

    clickEntry(tree, library.letter(u"a.png"_s));
    QCOMPARE(dialog.wizard().ornamentPath(), library.letter(u"a.png"_s));
    QCOMPARE(TestSupport::pixel(dialog.Picture1()->grabPreview(), 5, 5), OleColor(0x0000C8));
}

void TestAssistDialog::creatingAndHelp()
{
    TestLibrary library;
    ScriptedPrompts prompts;
    RecordingShell shell;
    frmAssist dialog(library.path(), prompts, &shell);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    dialog.Command1(2)->click();
    QCOMPARE(shell.opened, QStringList(library.path() + u"/Aide.chm"_s));

    // No name: the message, the first tab, and the dialog stays open.
    dialog.tabs()->setCurrentIndex(1);
    dialog.Command1(0)->click();
    QCOMPARE(prompts.messages.size(), std::size_t(1));
    QCOMPARE(prompts.messages[0].text, u"Veuillez donner un nom à votre projet."_s);
    QCOMPARE(dialog.tabs()->currentIndex(), 0);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.project());

    // Enter in the name field creates; the preview's texts go on the card.
    dialog.customizeFields()->setChecked(true);
    QTest::keyClicks(dialog.Text3(2), u"12 rue des Lilas"_s);
    QTest::keyClicks(dialog.Text1(), u"Fleurs"_s);
    QTest::keyClick(dialog.Text1(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.project());
    QCOMPARE(dialog.project()->name, u"Fleurs"_s);
    QCOMPARE(dialog.project()->card.Label(2)->Caption(), u"12 rue des Lilas"_s);
}

QTEST_MAIN(TestAssistDialog)
#include "tst_assistdialog.moc"
