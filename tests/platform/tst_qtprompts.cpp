#include "platform/CommonDialog.h"
#include "platform/QtPrompts.h"

#include "TestSupport.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Runs `act` on the modal dialog once it shows (polling the event loop the
// dialog runs), then closes it if a failed check left it open. Gives up
// after a few seconds so a test never hangs. The result of the call that
// showed the dialog proves it was shown and answered.
template <typename Dialog>
void whenModal(std::function<void(Dialog *)> act, int triesLeft = 500)
{
    QTimer::singleShot(10, [act, triesLeft] {
        QPointer<QWidget> w = QApplication::activeModalWidget();
        if (!w) {
            if (triesLeft > 0)
                whenModal<Dialog>(act, triesLeft - 1);
            return;
        }
        auto *dialog = qobject_cast<Dialog *>(w.data());
        if (dialog)
            act(dialog);
        if (auto *open = qobject_cast<QDialog *>(w.data()); open && open->isVisible())
            open->reject();
        QVERIFY(dialog);
    });
}

} // namespace

class TestQtPrompts : public QObject {
    Q_OBJECT

private slots:
    void messageBox();
    void inputBox();
    void fileDialogs();
    void colorAndFontDialogs();
};

void TestQtPrompts::messageBox()
{
    QtPrompts prompts;
    whenModal<QMessageBox>([](QMessageBox *box) {
        QCOMPARE(box->windowTitle(), u"Brivadune"_s);
        QCOMPARE(box->text(), u"Ligne 1\nLigne 2"_s);
        QCOMPARE(box->icon(), QMessageBox::Question);
        QStringList texts;
        for (QAbstractButton *b : box->buttons())
            texts.append(b->text());
        texts.sort();
        QCOMPARE(texts, (QStringList{"Annuler", "Non", "Oui"}));
        QCOMPARE(box->defaultButton()->text(), u"Non"_s);
        box->button(QMessageBox::Yes)->click();
    });
    QCOMPARE(prompts.msgBox(u"Ligne 1\r\nLigne 2"_s, Msg::YesNoCancel | Msg::Question | Msg::DefaultButton2), int(Msg::Yes));
    // Escape answers Cancel when the box has one.
    whenModal<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(prompts.msgBox(u"x"_s, Msg::OkCancel | Msg::Exclamation), int(Msg::Cancel));
}

void TestQtPrompts::inputBox()
{
    QtPrompts prompts;
    whenModal<QInputDialog>([](QInputDialog *dlg) {
        QCOMPARE(dlg->windowTitle(), u"Enregistrer un format"_s);
        QCOMPARE(dlg->labelText(), u"Nom ?\nVraiment"_s);
        QCOMPARE(dlg->textValue(), u"Format 1"_s);
        QCOMPARE(dlg->okButtonText(), u"OK"_s);
        QCOMPARE(dlg->cancelButtonText(), u"Annuler"_s);
        dlg->setTextValue(u"Mon format"_s);
        dlg->accept();
    });
    QCOMPARE(prompts.inputBox(u"Nom ?\rVraiment"_s, u"Enregistrer un format"_s, u"Format 1"_s), u"Mon format"_s);
}

void TestQtPrompts::fileDialogs()
{
    TestSupport::TempAppDir dir;
    QVERIFY(dir.writeFile(u"Projets/carte.prj"_s, "[FORMAT]\r\n"));
    QtPrompts prompts;
    CommonDialog dialog(&prompts);
    dialog.DialogTitle = u"Ouvrir un projet"_s;
    dialog.InitDir = dir.filePath(u"Projets"_s);
    dialog.Filter = u"Fichier projet (*.prj)|*.prj|Images|*.bmp;*.jpg|Tous les fichiers (*.*)|*.*|"_s;
    dialog.FilterIndex = 3;
    whenModal<QFileDialog>([&](QFileDialog *dlg) {
        QCOMPARE(dlg->windowTitle(), u"Ouvrir un projet"_s);
        QCOMPARE(dlg->nameFilters(), (QStringList{"Fichier projet (*.prj)", "Images (*.bmp *.jpg)", "Tous les fichiers (*)"}));
        QCOMPARE(dlg->selectedNameFilter(), u"Tous les fichiers (*)"_s);
        QCOMPARE(dlg->directory().absolutePath(), dir.filePath(u"Projets"_s));
        QCOMPARE(dlg->labelText(QFileDialog::Accept), u"Ouvrir"_s);
        QCOMPARE(dlg->labelText(QFileDialog::Reject), u"Annuler"_s);
        dlg->selectNameFilter(dlg->nameFilters().value(0));
        dlg->selectFile(u"carte.prj"_s);
        static_cast<QDialog *>(dlg)->accept();
    });
    QVERIFY(dialog.ShowOpen());
    QCOMPARE(dialog.FileName, dir.filePath(u"Projets/carte.prj"_s));
    QCOMPARE(dialog.FilterIndex, 1);

    // Saving asks before overwriting only with the flag. The proposed name
    // is a new file: the dialog's folder listing loads in the background and
    // would select an existing one again, asking to replace it.
    dialog.Flags = CommonDialog::OverwritePrompt;
    dialog.FileName = dir.filePath(u"Projets/copie.prj"_s);
    whenModal<QFileDialog>([](QFileDialog *dlg) {
        QCOMPARE(dlg->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!dlg->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dlg->labelText(QFileDialog::Accept), u"Enregistrer"_s);
        static_cast<QDialog *>(dlg)->accept();
    });
    QVERIFY(dialog.ShowSave());
    QCOMPARE(dialog.FileTitle, u"copie.prj"_s);
}

void TestQtPrompts::colorAndFontDialogs()
{
    QtPrompts prompts;
    CommonDialog dialog(&prompts);
    dialog.Color = Colors::rgb(255, 0, 0);
    whenModal<QColorDialog>([](QColorDialog *dlg) {
        QCOMPARE(dlg->currentColor(), QColor(255, 0, 0));
        dlg->setCurrentColor(QColor(1, 2, 3));
        dlg->accept();
    });
    QVERIFY(dialog.ShowColor());
    QCOMPARE(dialog.Color, Colors::rgb(1, 2, 3));

    dialog.FontName = u"DejaVu Sans"_s;
    dialog.FontSize = 12.f;
    whenModal<QFontDialog>([](QFontDialog *dlg) {
        QCOMPARE(dlg->currentFont().family(), u"DejaVu Sans"_s);
        QCOMPARE(dlg->currentFont().pointSizeF(), 12.0);
        dlg->setCurrentFont(QFont(u"DejaVu Serif"_s, 14, QFont::Bold));
        dlg->accept();
    });
    QVERIFY(dialog.ShowFont());
    QCOMPARE(dialog.FontName, u"DejaVu Serif"_s);
    QCOMPARE(dialog.FontSize, 14.f);
    QVERIFY(dialog.FontBold);

    // A font this machine does not have: OK without changing the family
    // keeps the text's own font name, not the stand-in the dialog shows.
    dialog.FontName = u"Police Introuvable"_s;
    whenModal<QFontDialog>([](QFontDialog *dlg) {
        QVERIFY(dlg->currentFont().family() != u"Police Introuvable"_s);
        dlg->accept();
    });
    QVERIFY(dialog.ShowFont());
    QCOMPARE(dialog.FontName, u"Police Introuvable"_s);
}

QTEST_MAIN(TestQtPrompts)
#include "tst_qtprompts.moc"
