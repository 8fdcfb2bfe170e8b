// Message boxes and common dialogs (scripted and real), and which help
// opens with which program.
#include "platform/CommonDialog.h"
#include "platform/HelpOpener.h"
#include "platform/QtPrompts.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Shell.h"

#include "TestSupport.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Runs `act` on the modal dialog once it shows, then closes it if a failed
// check left it open; gives up after a few seconds so a test never hangs.
template <typename Dialog>
void whenModal(std::function<void(Dialog *)> act, int triesLeft = 500)
{
    QTimer::singleShot(10, [act, triesLeft] {
        QPointer<QWidget> w = QApplication::activeModalWidget();
        if (!w && triesLeft > 0)
            return whenModal<Dialog>(act, triesLeft - 1);
        if (auto *dialog = qobject_cast<Dialog *>(w.data()))
            act(dialog);
        if (auto *open = qobject_cast<QDialog *>(w.data()); open && open->isVisible())
            open->reject();
    });
}

// A desktop with a chosen program for compiled help (none when empty) and a
// browser or not, that keeps what it is asked to open: "open:PATH" or "browse:PATH".
struct FakeDesktop : Shell {
    QString chmProgram;
    bool browser = true;
    QStringList calls;
    bool open(const QString &target) override { return calls << u"open:"_s + target, true; }
    bool openInBrowser(const QString &target) override { return calls << u"browse:"_s + target, true; }
    QString defaultProgramFor(const QString &type) override { return type.endsWith(u"htmlhelp"_s) ? chmProgram : QString(); }
    bool canBrowse() override { return browser; }
};

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void scriptedAnswersAndRecords();
    void qtDialogs();
    void whichHelpOpens();
    void desktopAnswersFromXdgMime();
};

void TestDesktop::scriptedAnswersAndRecords()
{
    // Nothing queued: the default button's answer, the first button's when
    // the style names a default button it does not have.
    const std::pair<int, int> cases[] = {
        {Msg::OkOnly | Msg::Critical, Msg::Ok},
        {Msg::OkCancel | Msg::DefaultButton2, Msg::Cancel},
        {Msg::YesNoCancel | Msg::Exclamation | Msg::DefaultButton3, Msg::Cancel},
        {Msg::AbortRetryIgnore | Msg::DefaultButton2, Msg::Retry},
        {Msg::RetryCancel, Msg::Retry},
        {Msg::YesNo | Msg::DefaultButton3, Msg::Yes},
        {Msg::YesNo + Msg::Question + Msg::DefaultButton2, Msg::No},
    };
    ScriptedPrompts prompts;
    for (const auto &[style, answer] : cases)
        QVERIFY2(prompts.msgBox(u"?"_s, style) == answer, qPrintable(QString::number(style)));
    prompts.queueMessage(Msg::No);
    QCOMPARE(prompts.msgBox(u"Quitter ?"_s, Msg::YesNo, u"Erreur"_s), int(Msg::No));
    // An empty title is the application's.
    QCOMPARE(prompts.messages.front().title + prompts.messages.back().title, u"BrivaduneErreur"_s);
    prompts.queueInput(u"Mon format"_s);
    QCOMPARE(prompts.inputBox(u"Nom ?"_s, QString()), u"Mon format"_s);
    QCOMPARE(prompts.inputBox(u"Nom ?"_s, QString()), QString()); // nothing queued: cancelled

    // A chosen file gives its name; a cancel, or nothing queued, leaves the
    // properties as they were; without prompts nobody answers.
    CommonDialog dialog(&prompts);
    prompts.queueFile(u"/home/u/Cartes/carte 1.bmp"_s);
    prompts.queueCancel();
    QVERIFY(dialog.ShowSave() && !dialog.ShowOpen() && !dialog.ShowPrinter() && !CommonDialog().ShowOpen());
    QCOMPARE(dialog.FileName + u'|' + dialog.FileTitle, u"/home/u/Cartes/carte 1.bmp|carte 1.bmp"_s);
}

void TestDesktop::qtDialogs()
{
    QtPrompts prompts;
    QStringList seen;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        for (QAbstractButton *b : box->buttons())
            seen << b->text();
        seen.sort();
        seen << box->text() << box->defaultButton()->text() << QString::number(box->icon());
        box->button(QMessageBox::Yes)->click();
    });
    QCOMPARE(prompts.msgBox(u"Ligne 1\r\nLigne 2"_s, Msg::YesNoCancel | Msg::Question | Msg::DefaultButton2),
             int(Msg::Yes));
    QCOMPARE(seen, (QStringList{u"Annuler"_s, u"Non"_s, u"Oui"_s, u"Ligne 1\nLigne 2"_s, u"Non"_s,
                                QString::number(QMessageBox::Question)}));
    // Escape answers Cancel when the box has one.
    whenModal<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(prompts.msgBox(u"x"_s, Msg::OkCancel | Msg::Exclamation), int(Msg::Cancel));

    // The filter's pairs become name filters; the chosen one comes back.
    TestSupport::TempAppDir dir;
    QVERIFY(dir.writeFile(u"Projets/carte.prj"_s, "[FORMAT]\r\n"));
    CommonDialog dialog(&prompts);
    dialog.InitDir = dir.filePath(u"Projets"_s);
    dialog.Filter = u"Fichier projet (*.prj)|*.prj|Images|*.bmp;*.jpg|Tous les fichiers (*.*)|*.*|"_s;
    dialog.FilterIndex = 3;
    whenModal<QFileDialog>([&](QFileDialog *dlg) {
        seen = dlg->nameFilters() << dlg->selectedNameFilter() << dlg->directory().absolutePath();
        dlg->selectNameFilter(dlg->nameFilters().value(0));
        dlg->selectFile(u"carte.prj"_s);
        static_cast<QDialog *>(dlg)->accept();
    });
    QVERIFY(dialog.ShowOpen());
    QCOMPARE(seen, (QStringList{u"Fichier projet (*.prj)"_s, u"Images (*.bmp *.jpg)"_s, u"Tous les fichiers (*)"_s,
                                u"Tous les fichiers (*)"_s, dialog.InitDir}));
    QCOMPARE(dialog.FileName, dir.filePath(u"Projets/carte.prj"_s));
    QCOMPARE(dialog.FilterIndex, 1);

    // A font this machine does not have: OK without changing the family
    // keeps the text's own font name, not the stand-in the dialog shows.
    dialog.FontName = u"Police Introuvable"_s;
    whenModal<QFontDialog>([](QFontDialog *dlg) { dlg->accept(); });
    QVERIFY(dialog.ShowFont());
    QCOMPARE(dialog.FontName, u"Police Introuvable"_s);
}

void TestDesktop::whichHelpOpens()
{
    TestSupport::TempAppDir app;
    QVERIFY(app.writeFile(u"Aide.chm"_s, "ITSF") && app.writeFile(u"Aide/index.html"_s, "<html>")
            && app.writeFile(u"Aide/editeur.html"_s, "<html>"));
    const QString chm = u"open:"_s + app.filePath(u"Aide.chm"_s);
    const QString index = u"browse:"_s + app.filePath(u"Aide/index.html"_s);
    const QString editeur = u"browse:"_s + app.filePath(u"Aide/editeur.html"_s);
    FakeDesktop desktop;
    ScriptedPrompts prompts;
    HelpOpener help(desktop, &prompts);
    // A viewer for compiled help: the compiled help for the whole help, a
    // dialog's own page in the browser; the about page always there.
    desktop.chmProgram = u"xchm.desktop"_s;
    help.openHelp(app.path());
    help.openHelp(app.path(), u"editeur"_s);
    help.openAboutPage(app.path());
    QCOMPARE(desktop.calls, QStringList({chm, editeur, u"browse:"_s + app.filePath(u"Aide/apropos.html"_s)}));

    // No viewer: a dialog's own page when it exists, the index otherwise; a
    // topic is a page name, never a path out of the help.
    desktop.chmProgram.clear();
    desktop.calls.clear();
    for (const QString &topic : {u"editeur"_s, u"redimensionner"_s, u"../Aide"_s, QString()})
        help.openHelp(app.path(), topic);
    QCOMPARE(desktop.calls, QStringList({editeur, index, index, index}));
    // No browser nor viewer: a message names the page; a viewer: its first page.
    desktop.browser = false;
    help.openHelp(app.path(), u"editeur"_s);
    QCOMPARE(prompts.messages.front().text,
             u"Aucun programme ne peut afficher l'aide.\r\nInstallez un navigateur web (par exemple firefox-esr) "
             "ou un lecteur d'aide (xchm), ou ouvrez vous-même cette page avec un navigateur : "_s
                 + app.filePath(u"Aide/editeur.html"_s));
    desktop.chmProgram = u"xchm.desktop"_s;
    help.openHelp(app.path(), u"editeur"_s);
    desktop.browser = true;

    // A viewer but no compiled help: the pages; no help at all: the help
    // file as before, which says nothing.
    QVERIFY(QFile::remove(app.filePath(u"Aide.chm"_s)));
    help.openHelp(app.path());
    QVERIFY(QFile::remove(app.filePath(u"Aide/index.html"_s)));
    help.openHelp(app.path());
    QCOMPARE(desktop.calls.mid(4), QStringList({chm, index, chm}));
    QCOMPARE(int(prompts.messages.size()), 1);
}

void TestDesktop::desktopAnswersFromXdgMime()
{
    // A stand-in `xdg-mime` first on PATH: its one line, trimmed, answers
    // the query; a failure or no xdg-mime at all tell nothing.
    const std::pair<QByteArray, QString> scripts[] = {
        {"[ \"$1 $2 $3\" = \"query default application/vnd.ms-htmlhelp\" ] && echo ' xchm.desktop '",
         u"xchm.desktop"_s},
        {"echo broken; exit 4", QString()},
        {QByteArray(), QString()},
    };
    const QByteArray savedPath = qgetenv("PATH");
    DesktopShell shell;
    for (const auto &[body, answer] : scripts) {
        TestSupport::TempAppDir dir;
        const QString script = dir.filePath(u"xdg-mime"_s);
        if (!body.isNull())
            QVERIFY(TestSupport::writeBytes(script, "#!/bin/sh\n" + body + "\n")
                    && QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
        qputenv("PATH", QFile::encodeName(dir.path()) + (body.isNull() ? QByteArray() : ':' + savedPath));
        QCOMPARE(shell.defaultProgramFor(u"application/vnd.ms-htmlhelp"_s), answer);
        QCOMPARE(shell.defaultProgramFor(u"text/x-autre"_s), QString());
        qputenv("PATH", savedPath);
    }
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
