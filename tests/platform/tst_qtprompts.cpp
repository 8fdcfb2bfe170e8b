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

namespace {

// Runs `act` on the modal dialog once it shows (polling the event loop the
// dialog runs). Gives up after a few seconds so a test never hangs.
void whenModal(std::function<void(QWidget *)> act, int triesLeft = 500)
{
    QTimer::singleShot(10, [act, triesLeft] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            QPointer<QWidget> guard(w);
            act(w);
            // A failed check leaves the dialog open: close it.
            if (auto *dialog = qobject_cast<QDialog *>(guard.data()); dialog && dialog->isVisible())
                dialog->reject();
        } else if (triesLeft > 0) {
            whenModal(act, triesLeft - 1);
        }
    });
}

QStringList buttonTexts(QMessageBox *box)
{
    QStringList texts;
    for (QAbstractButton *b : box->buttons())
        texts.append(b->text());
    texts.sort();
    return texts;
}

} // namespace

class TestQtPrompts : public QObject {
    Q_OBJECT

private slots:
    void messageBoxInFrench();
    void messageBoxEscape();
    void inputBox();
    void openDialog();
    void saveDialogOverwritePrompt();
    void colorDialog();
    void fontDialog();
};

void TestQtPrompts::messageBoxInFrench()
{
    QtPrompts prompts;
    QString title, text, defaultText;
    QStringList texts;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModal([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        texts = buttonTexts(box);
        defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
        box->button(QMessageBox::Yes)->click();
    });
    const int answer = prompts.msgBox(QStringLiteral("Ligne 1\r\nLigne 2"), Msg::YesNoCancel | Msg::Question | Msg::DefaultButton2);
    QCOMPARE(answer, int(Msg::Yes));
    QCOMPARE(title, QStringLiteral("Brivadune"));
    QCOMPARE(text, QStringLiteral("Ligne 1\nLigne 2"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(texts, (QStringList{"Annuler", "Non", "Oui"}));
    QCOMPARE(defaultText, QStringLiteral("Non"));

    whenModal([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        QVERIFY(box);
        title = box->windowTitle();
        icon = box->icon();
        texts = buttonTexts(box);
        box->defaultButton()->click();
    });
    QCOMPARE(prompts.msgBox(QStringLiteral("x"), Msg::OkOnly | Msg::Critical, QStringLiteral("Erreur")), int(Msg::Ok));
    QCOMPARE(title, QStringLiteral("Erreur"));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(texts, QStringList{"OK"});
}

void TestQtPrompts::messageBoxEscape()
{
    QtPrompts prompts;
    whenModal([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
    QCOMPARE(prompts.msgBox(QStringLiteral("x"), Msg::OkCancel | Msg::Exclamation), int(Msg::Cancel));
    whenModal([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
    QCOMPARE(prompts.msgBox(QStringLiteral("x"), Msg::OkOnly), int(Msg::Ok));
}

void TestQtPrompts::inputBox()
{
    QtPrompts prompts;
    QString label, proposed, title;
    whenModal([&](QWidget *w) {
        auto *dlg = qobject_cast<QInputDialog *>(w);
        QVERIFY(dlg);
        label = dlg->labelText();
        proposed = dlg->textValue();
        title = dlg->windowTitle();
        dlg->setTextValue(QStringLiteral("Mon format"));
        dlg->accept();
    });
    QCOMPARE(prompts.inputBox(QStringLiteral("Nom ?\rVraiment"), QStringLiteral("Enregistrer un format"), QStringLiteral("Format 1")),
             QStringLiteral("Mon format"));
    QCOMPARE(label, QStringLiteral("Nom ?\nVraiment"));
    QCOMPARE(proposed, QStringLiteral("Format 1"));
    QCOMPARE(title, QStringLiteral("Enregistrer un format"));

    whenModal([](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
    QCOMPARE(prompts.inputBox(QStringLiteral("Nom ?"), QString(), QStringLiteral("Nom du fichier")), QString());
}

void TestQtPrompts::openDialog()
{
    TestSupport::TempAppDir dir;
    QVERIFY(dir.writeFile(QStringLiteral("Projets/carte.prj"), "[FORMAT]\r\n"));
    QtPrompts prompts;
    CommonDialog dialog(&prompts);
    dialog.DialogTitle = QStringLiteral("Ouvrir un projet");
    dialog.InitDir = dir.filePath(QStringLiteral("Projets"));
    dialog.Filter = QStringLiteral("Fichier projet (*.prj)|*.prj|Tous les fichiers (*.*)|*.*|");
    dialog.FilterIndex = 2;

    QString title, filter, folder;
    QStringList filters;
    whenModal([&](QWidget *w) {
        auto *dlg = qobject_cast<QFileDialog *>(w);
        QVERIFY(dlg);
        title = dlg->windowTitle();
        filters = dlg->nameFilters();
        filter = dlg->selectedNameFilter();
        folder = dlg->directory().absolutePath();
        dlg->selectNameFilter(filters.value(0));
        dlg->selectFile(QStringLiteral("carte.prj"));
        static_cast<QDialog *>(dlg)->accept();
    });
    QVERIFY(dialog.ShowOpen());
    QCOMPARE(title, QStringLiteral("Ouvrir un projet"));
    QCOMPARE(filters, (QStringList{"Fichier projet (*.prj)", "Tous les fichiers (*)"}));
    QCOMPARE(filter, QStringLiteral("Tous les fichiers (*)"));
    QCOMPARE(folder, dir.filePath(QStringLiteral("Projets")));
    QCOMPARE(dialog.FileName, dir.filePath(QStringLiteral("Projets/carte.prj")));
    QCOMPARE(dialog.FileTitle, QStringLiteral("carte.prj"));
    QCOMPARE(dialog.FilterIndex, 1);

    // Cancel keeps the previous choice.
    whenModal([](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
    QVERIFY(!dialog.ShowOpen());
    QCOMPARE(dialog.FileTitle, QStringLiteral("carte.prj"));
}

void TestQtPrompts::saveDialogOverwritePrompt()
{
    QtPrompts prompts;
    CommonDialog dialog(&prompts);
    dialog.FileName = QStringLiteral("Carte");
    bool confirm = true;
    QString proposed;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    auto look = [&](QWidget *w) {
        auto *dlg = qobject_cast<QFileDialog *>(w);
        QVERIFY(dlg);
        confirm = !dlg->testOption(QFileDialog::DontConfirmOverwrite);
        mode = dlg->acceptMode();
        proposed = dlg->selectedFiles().value(0);
        dlg->reject();
    };
    whenModal(look);
    QVERIFY(!dialog.ShowSave());
    QVERIFY(!confirm);
    QCOMPARE(mode, QFileDialog::AcceptSave);
    QVERIFY(proposed.endsWith(QLatin1String("/Carte")));

    dialog.Flags = CommonDialog::OverwritePrompt;
    whenModal(look);
    QVERIFY(!dialog.ShowSave());
    QVERIFY(confirm);
}

void TestQtPrompts::colorDialog()
{
    QtPrompts prompts;
    CommonDialog dialog(&prompts);
    dialog.Color = Colors::rgb(255, 0, 0);
    QColor initial;
    whenModal([&](QWidget *w) {
        auto *dlg = qobject_cast<QColorDialog *>(w);
        QVERIFY(dlg);
        initial = dlg->currentColor();
        dlg->setCurrentColor(QColor(1, 2, 3));
        dlg->accept();
    });
    QVERIFY(dialog.ShowColor());
    QCOMPARE(initial, QColor(255, 0, 0));
    QCOMPARE(dialog.Color, Colors::rgb(1, 2, 3));
}

void TestQtPrompts::fontDialog()
{
    QtPrompts prompts;
    CommonDialog dialog(&prompts);
    dialog.FontName = QStringLiteral("DejaVu Sans");
    dialog.FontSize = 12.f;
    dialog.FontUnderline = true;
    QFont initial;
    whenModal([&](QWidget *w) {
        auto *dlg = qobject_cast<QFontDialog *>(w);
        QVERIFY(dlg);
        initial = dlg->currentFont();
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSize(14);
        chosen.setBold(true);
        dlg->setCurrentFont(chosen);
        dlg->accept();
    });
    QVERIFY(dialog.ShowFont());
    QCOMPARE(initial.family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(initial.pointSizeF(), 12.0);
    QCOMPARE(dialog.FontName, QStringLiteral("DejaVu Serif"));
    QCOMPARE(dialog.FontSize, 14.f);
    QVERIFY(dialog.FontBold);
    QVERIFY(!dialog.FontItalic);
    QVERIFY(dialog.FontUnderline);
}

QTEST_MAIN(TestQtPrompts)
#include "tst_qtprompts.moc"
