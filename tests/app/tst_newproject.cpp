// "Nouveau projet" (File 0, Ctrl+N, the toolbar's " Nouveau "): the wizard
// shown through the frame's dialog runner, centred over the frame, and the
// card window it opens.
#include "AppTestFrame.h"

#include "document/frmProjet.h"
#include "wizard/frmAssist.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

class TestNewProject : public QObject {
    Q_OBJECT
private slots:
    void cancelledWizardOpensNothing();
    void createdCardOpensInItsWindow();
};

void TestNewProject::cancelledWizardOpensNothing()
{
    FrameFixture f;
    QVERIFY(f.start());
    f.frame->Mnu_Outfich_Click(0);
    QCOMPARE(f.dialogs.modalDialogs, QStringList(u"frmAssist"_s));
    QVERIFY(f.frame->cards().isEmpty());

    // An empty name never creates a window either.
    f.dialogs.onModal = [](QDialog &dialog) {
        qobject_cast<frmAssist *>(&dialog)->Command1(0)->click();
        return dialog.result();
    };
    f.frame->Mnu_Outfich_Click(0);
    QVERIFY(f.frame->cards().isEmpty());
    QCOMPARE(f.texts(), QStringList(u"Veuillez donner un nom à votre projet."_s));
}

void TestNewProject::createdCardOpensInItsWindow()
{
    FrameFixture f;
    QDir(f.dir.path()).mkpath(u"Images/Images de fond"_s);
    const QString red = f.dir.filePath(u"Images/Images de fond/Rouge.png"_s);
    QImage picture(200, 128, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 0));
    QVERIFY(picture.save(red));
    QVERIFY(f.start());

    QPoint wizardCentre;
    f.dialogs.onModal = [&](QDialog &dialog) {
        auto *wizard = qobject_cast<frmAssist *>(&dialog);
        wizardCentre = wizard->frameGeometry().center();
        wizard->Combo1()->setCurrentIndex(2);
        wizard->wizard().chooseResource(red);
        wizard->Text1()->setText(u"Traiteur"_s);
        wizard->Command1(0)->click();
        return dialog.result();
    };
    f.frame->menuAction(u"Mnu_Outfich"_s, 0)->trigger();
    QCOMPARE(f.dialogs.modalDialogs, QStringList(u"frmAssist"_s));
    QVERIFY((wizardCentre - f.frame->frameGeometry().center()).manhattanLength() <= 2);

    QCOMPARE(f.frame->cards().size(), 1);
    frmProjet *card = f.frame->activeCard();
    QVERIFY(card);
    QCOMPARE(card->Caption(), u"Traiteur"_s);
    QVERIFY(card->Tag().isEmpty());
    QCOMPARE(card->doc().width(), double(float(3628.8)));
    QCOMPARE(card->doc().height(), double(float(1927.8)));
    QCOMPARE(card->doc().NumFond, 2);
    QCOMPARE(card->doc().BackgroundPicture, red);
    // The card surface has the card's size and shows the picture.
    QCOMPARE(card->Picture1().image().size(), QSize(242, 129));
    QCOMPARE(TestSupport::pixel(card->Picture1().image(), 120, 128), OleColor(0x0000FF));
    const CardLabel &name = *card->Label(1);
    QCOMPARE(name.Caption(), u"Nom prénom"_s);
    QCOMPARE(name.Left, float(card->doc().width() - name.Width() - 150));
    // The frame's object list shows the new card.
    QCOMPARE(f.frame->objectText(0), u"Lb1 | Nom prénom"_s);
    QCOMPARE(f.frame->objectText(3), u"Lb4 | Numéro de tel..."_s);
}

QTEST_MAIN(TestNewProject)
#include "tst_newproject.moc"
