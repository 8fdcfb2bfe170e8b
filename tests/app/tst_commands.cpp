// The frame's commands on the card windows: opening and saving projects
// (dialogs, names, paths, failed writes, autosave, command line), the Edit
// undo texts, the Tools messages, Help documents.
#include "AppTestFrame.h"

#include "document/frmProjet.h"
#include "imaging/ColorGradient.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {

QByteArray project(const QString &caption)
{
    return QStringLiteral("[FORMAT]\r\nLongueur=6000\r\nHauteur=3060\r\n[LABEL 1]\r\nCaption=%1\r\n"
                          "[LABEL]\r\nNombre=1\r\n[LOGO]\r\nNombre=0\r\n[FOND]\r\nNumero=0\r\n")
        .arg(caption)
        .toUtf8();
}

void checkDialog(const CommonDialog &d, const QString &title, const QString &fileName, const QString &appDir)
{
    QCOMPARE(d.DialogTitle, title);
    QCOMPARE(d.FileName, fileName);
    QCOMPARE(d.InitDir, appDir + QStringLiteral("/Projets"));
    QCOMPARE(d.Filter, QStringLiteral("Fichier projet (*.prj)|*.prj|"));
    QCOMPARE(d.FilterIndex, 1);
    QCOMPARE(d.Flags, 3);
    QVERIFY(d.CancelError);
}

void checkExclamation(const ScriptedPrompts::MessageCall &call, const QString &text)
{
    QCOMPARE(call.text, text);
    QCOMPARE(call.style, int(Msg::Exclamation));
    QCOMPARE(call.title, QStringLiteral("Brivadune"));
}

QString cannotSave(const QString &path)
{
    return QStringLiteral("Le projet n'a pas pu être enregistré.\r\n"
                          "Vérifiez que le dossier existe et que vous pouvez y écrire : ")
        + path;
}

const QString NoProject = QStringLiteral("Aucun projet en cours d'utilisation.");

} // namespace

class tst_commands : public QObject {
    Q_OBJECT
private slots:
    void openProject();
    void saveWithAndWithoutDialogAndFailing();
    void autosaveTick();
    void commandLineFiles();
    void editUndoTexts();
    void withoutACard();
};

void tst_commands::openProject()
{
    FrameFixture f;
    QVERIFY(f.start());
    const QString carte = f.dir.filePath(QStringLiteral("Projets/Carte.prj"));
    QVERIFY(TestSupport::writeBytes(carte, project(QStringLiteral("Atelier"))));

    f.prompts.queueCancel();
    f.frame->CMDialog1().FileName = QStringLiteral("reste");
    f.frame->Mnu_Outfich_Click(1);
    QVERIFY(f.frame->cards().isEmpty());
    QCOMPARE(f.prompts.dialogs.back().kind, Prompts::DialogKind::Open);
    checkDialog(f.prompts.dialogs.back().snapshot, QStringLiteral("Ouvrir un fichier projet..."), QString(),
                f.dir.path());

    f.prompts.queueFile(carte);
    f.frame->Mnu_Outfich_Click(1);
    frmProjet *card = f.frame->activeCard();
    QVERIFY(card);
    QCOMPARE(card->Caption(), QStringLiteral("Carte"));
    QCOMPARE(card->Tag(), carte);
    QCOMPARE(card->Label(1)->Caption(), QStringLiteral("Atelier"));

    // The same name from another folder is refused, naming the file.
    const QString other = f.dir.filePath(QStringLiteral("Ailleurs/Carte.prj"));
    QVERIFY(TestSupport::writeBytes(other, project(QStringLiteral("Autre"))));
    f.prompts.queueFile(other);
    f.frame->Mnu_Outfich_Click(1);
    QCOMPARE(f.frame->cards().size(), 1);
    QCOMPARE(f.prompts.messages.size(), std::size_t(1));
    checkExclamation(f.prompts.messages[0],
                     QStringLiteral("Le fichier \"Carte.prj\" est déjà en cours d'utilisation."));
}

void tst_commands::saveWithAndWithoutDialogAndFailing()
{
    FrameFixture f;
    QVERIFY(f.start());
    frmProjet *card = f.frame->newCard();

    // Never saved: "Enregistrer" asks; a cancel writes nothing.
    f.prompts.queueCancel();
    f.frame->Mnu_Outfich_Click(4);
    QCOMPARE(f.prompts.dialogs[0].kind, Prompts::DialogKind::Save);
    checkDialog(f.prompts.dialogs[0].snapshot, QStringLiteral("Enregistrez le fichier sous..."),
                QStringLiteral("Projet1.prj"), f.dir.path());
    QCOMPARE(card->Caption(), QStringLiteral("Projet1"));
    QVERIFY(card->Tag().isEmpty());
    QVERIFY(QDir(f.dir.filePath(QStringLiteral("Projets"))).isEmpty());

    // A name without extension is used as typed; the caption loses four
    // characters of it.
    const QString typed = f.dir.filePath(QStringLiteral("Projets/Cartes"));
    f.prompts.queueFile(typed);
    f.frame->Mnu_Outfich_Click(4);
    QCOMPARE(card->Caption(), QStringLiteral("Ca"));
    QCOMPARE(card->Tag(), typed);

    // Saved: "Enregistrer" writes to the path without asking.
    card->Label(1)->setCaption(QStringLiteral("Second"));
    f.frame->Mnu_Outfich_Click(4);
    QCOMPARE(f.prompts.dialogs.size(), std::size_t(2));
    QVERIFY(TestSupport::readBytes(typed).contains("Caption=Second"));

    // "Enregistrer sous..." asks, proposing the path.
    const QString renamed = f.dir.filePath(QStringLiteral("Projets/Salon.prj"));
    f.prompts.queueFile(renamed);
    f.frame->Mnu_Outfich_Click(5);
    QCOMPARE(f.prompts.dialogs.back().snapshot.FileName, typed);
    QCOMPARE(card->Caption(), QStringLiteral("Salon"));
    QCOMPARE(card->Tag(), renamed);
    QVERIFY(f.prompts.messages.empty());

    // A failed save, with or without the dialog, says so and keeps the
    // card's name and path. A folder that is a plain file cannot hold the
    // project, even for root.
    const QString blocked = f.dir.filePath(QStringLiteral("Projets/Salon.prj/Carte.prj"));
    f.prompts.queueFile(blocked);
    f.frame->Mnu_Outfich_Click(5);
    checkExclamation(f.prompts.messages.back(), cannotSave(blocked));
    QCOMPARE(card->Caption(), QStringLiteral("Salon"));
    QCOMPARE(card->Tag(), renamed);
    card->setTag(blocked);
    f.frame->Mnu_Outfich_Click(4);
    QCOMPARE(f.texts(), QStringList({cannotSave(blocked), cannotSave(blocked)}));
    QCOMPARE(card->Tag(), blocked);
    // Closing with "save" as the answer fails the same way: the window stays.
    f.prompts.queueMessage(Msg::Yes);
    f.frame->Mnu_Outfich_Click(2);
    QCOMPARE(f.prompts.messages.back().text, cannotSave(blocked));
    QCOMPARE(f.frame->cards().size(), 1);

    // The name proposed for a new card, accepted as it is, makes a project
    // file that "Ouvrir" lists, and the card keeps its name.
    frmProjet *second = f.frame->newCard();
    f.prompts.queueDialog([](CommonDialog &d) {
        d.setChosenFile(QDir(d.InitDir).filePath(d.FileName));
        return true;
    });
    f.frame->Mnu_Outfich_Click(4);
    const QString proposed = f.dir.filePath(QStringLiteral("Projets/Projet2.prj"));
    QVERIFY(QFileInfo(proposed).isFile());
    QCOMPARE(second->Caption(), QStringLiteral("Projet2"));
    QCOMPARE(second->Tag(), proposed);
}

void tst_commands::autosaveTick()
{
    FrameFixture f;
    QVERIFY(f.start());
    f.frame->Timer1_Timer();
    QVERIFY(f.prompts.dialogs.empty() && f.prompts.messages.empty());

    // Untitled: the tick asks for a name, without a beep. A tick arriving
    // while the dialog is up asks nothing more.
    frmProjet *card = f.frame->newCard();
    f.prompts.queueDialog([&f](CommonDialog &) {
        f.frame->Timer1_Timer();
        return false;
    });
    f.frame->Timer1_Timer();
    QCOMPARE(f.prompts.dialogs.size(), std::size_t(1));
    QCOMPARE(f.beeps, 0);

    // Titled: written to its path without asking, then a beep; the timer's
    // ticks run the same step.
    const QString path = f.dir.filePath(QStringLiteral("Projets/Auto.prj"));
    card->setTag(path);
    card->Label(1)->setCaption(QStringLiteral("Sauve tout seul"));
    f.frame->Timer1()->setInterval(0);
    f.frame->Timer1()->start();
    QTRY_VERIFY(f.beeps >= 2);
    f.frame->Timer1()->stop();
    QCOMPARE(f.prompts.dialogs.size(), std::size_t(1));
    QVERIFY(TestSupport::readBytes(path).contains("Caption=Sauve tout seul"));
}

void tst_commands::commandLineFiles()
{
    TestSupport::TempAppDir elsewhere;
    QVERIFY(elsewhere.writeFile(QStringLiteral("Salon.prj"), project(QStringLiteral("Salon"))));
    const QString missing = elsewhere.filePath(QStringLiteral("Absent.prj"));

    // A relative name is taken from the current folder and kept in full.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    FrameFixture f;
    f.frame->setStartupFiles({QStringLiteral("Salon.prj"), missing});
    QVERIFY(f.start());
    QTRY_COMPARE(f.prompts.messages.size(), std::size_t(1));
    QDir::setCurrent(previous);

    QCOMPARE(f.frame->cards().size(), 1);
    QCOMPARE(f.frame->activeCard()->Caption(), QStringLiteral("Salon"));
    QCOMPARE(f.frame->activeCard()->Tag(), elsewhere.filePath(QStringLiteral("Salon.prj")));
    checkExclamation(f.prompts.messages[0], QStringLiteral("Le fichier \"") + missing
                                                + QStringLiteral("\" ne peut pas être ouvert."));
}

void tst_commands::editUndoTexts()
{
    FrameFixture f;
    QVERIFY(f.start());
    frmProjet *card = f.frame->newCard();
    CardLabel *label = card->Label(1);
    card->Label_Click(1);
    const auto edit = [&](int index) { f.frame->Mnu_OutEdition_Click(index); };
    // Paste with an empty clipboard empties the label; one undo brings the
    // text back, a second does nothing.
    edit(4);
    QCOMPARE(label->Caption(), QString());
    edit(0);
    QCOMPARE(label->Caption(), QStringLiteral("ZONE DE TEXTE"));
    label->setCaption(QStringLiteral("Main"));
    edit(0);
    QCOMPARE(label->Caption(), QStringLiteral("Main"));

    edit(2);
    QCOMPARE(f.clipboard.textValue, QStringLiteral("Main"));
    QCOMPARE(label->Caption(), QStringLiteral("-------"));
    QCOMPARE(f.frame->textAText(), QStringLiteral("-------"));
    edit(4);
    QCOMPARE(label->Caption(), QStringLiteral("Main"));

    // Copy overwrites the undo text: an undo right after it keeps the text.
    edit(3);
    edit(0);
    QCOMPARE(label->Caption(), QStringLiteral("Main"));
    edit(5);
    QCOMPARE(label->Caption(), QStringLiteral("ZONE DE TEXTE"));
    edit(0);
    QCOMPARE(label->Caption(), QStringLiteral("Main"));

    // No selected label (a logo is selected): nothing.
    f.frame->setSelection(CardItemRef{CardItemRef::LogoItem, 1});
    edit(5);
    QCOMPARE(label->Caption(), QStringLiteral("Main"));
}

void tst_commands::withoutACard()
{
    FrameFixture f;
    QVERIFY(f.start());
    // Help documents go to the desktop's shell; nothing is said. The web
    // site is the help's page about the program.
    for (int index : {0, 2, 3, 6})
        f.frame->Mnu_OutInfo_Click(index);
    const QString dir = f.dir.path() + u'/';
    QCOMPARE(f.shell.opened, QStringList({dir + QStringLiteral("Aide.chm"), dir + QStringLiteral("historique.rtf"),
                                          dir + QStringLiteral("licence.rtf")}));
    QCOMPARE(f.shell.browsed, QStringList{dir + QStringLiteral("Aide/apropos.html")});
    // With the help in place: the compiled help where the desktop has a
    // viewer for it, the pages in the browser otherwise.
    QVERIFY(f.dir.writeFile(QStringLiteral("Aide.chm"), "ITSF"));
    QVERIFY(f.dir.writeFile(QStringLiteral("Aide/index.html"), "<html>"));
    f.shell.opened.clear();
    f.frame->Mnu_OutInfo_Click(0);
    QCOMPARE(f.shell.browsed.last(), dir + QStringLiteral("Aide/index.html"));
    f.shell.chmProgram = QStringLiteral("xchm.desktop");
    f.frame->Mnu_OutInfo_Click(0);
    QCOMPARE(f.shell.opened, QStringList{dir + QStringLiteral("Aide.chm")});
    QCOMPARE(f.shell.browsed.size(), 2);
    f.frame->Mnu_Outfich_Click(9);
    QCOMPARE(f.prompts.dialogs.back().kind, Prompts::DialogKind::Printer);
    QCOMPARE(f.prompts.dialogs.back().snapshot.Flags, 0x240);
    QVERIFY(f.prompts.messages.empty());

    // The Tools commands and "Réinitialiser le fond" find no card and say
    // so; "Nettoyer le presse-papier" first empties it and says that.
    f.clipboard.textValue = QStringLiteral("reste");
    for (int index : {0, 3, 10})
        f.frame->Mnu_OutOutils_Click(index);
    f.frame->Mnu_OutPal_Click(0);
    QCOMPARE(f.clipboard.clears, 1);
    QCOMPARE(f.texts(), QStringList({NoProject, NoProject, QStringLiteral("Le presse-papier est maintenant nettoyé."),
                                     NoProject, NoProject}));
    checkExclamation(f.prompts.messages[0], NoProject);
    QCOMPARE(f.prompts.messages[2].style, int(Msg::Information));

    // The swatches' gradient painter speaks through the frame.
    Surface surface(300, 300);
    f.frame->swatchPainter().PaintObject(surface, 9);
    QCOMPARE(f.prompts.messages.back().text, QStringLiteral("Nope"));
}

QTEST_MAIN(tst_commands)
#include "tst_commands.moc"
