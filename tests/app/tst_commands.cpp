// The command table's lookups, and the frame's commands on card windows: new, open and save (dialogs, names, paths,
// failed writes, files that are no whole project, autosave), files named on the command line or handed from a second
// start (the socket and lock of an application folder, what the socket accepts), "Importation TWAIN" through SANE's
// test backend, the Edit undo texts, the Tools messages and the Help documents.
#include "AppTestFrame.h"

#include "app/Autosave.h"
#include "app/FileHandover.h"
#include "app/SingleInstance.h"
#include "document/ProjectFile.h"
#include "wizard/ResourceTree.h"
#include "wizard/frmAssist.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocalSocket>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include <chrono>
#include <future>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray project(const QString &caption)
{
    return u"[FORMAT]\r\nLongueur=6000\r\nHauteur=3060\r\n[LABEL 1]\r\nCaption=%1\r\n[LABEL]\r\nNombre=1\r\n"
           "[LOGO]\r\nNombre=0\r\n[FOND]\r\nNumero=0\r\n"_s.arg(caption).toUtf8();
}

// The project dialogs' settings: title, proposed name, folder, filter and flags.
auto dialogOf(const FrameFixture &f)
{
    const CommonDialog &d = f.prompts.dialogs.back().snapshot;
    return std::tuple(f.prompts.dialogs.back().kind, d.DialogTitle, d.FileName,
                      QDir(f.dir.path()).relativeFilePath(d.InitDir),
                      d.Filter, d.FilterIndex, d.Flags, d.CancelError);
}

const QString CannotSave = u"Le projet n'a pas pu être enregistré.\r\nVérifiez que le dossier existe et que vous "
                           "pouvez y écrire : "_s;

void setCaption(frmProjet &card, const QString &text)
{
    card.doc().editLabel(1, [&text](CardLabel &state) { state.setCaption(text); });
}

const QString NoProject = u"Aucun projet en cours d'utilisation."_s, Filter = u"Fichier projet (*.prj)|*.prj|"_s;

// Sends from another thread while this one runs its event loop.
bool send(const QString &appDir, const QStringList &files, int waitMs = 5000)
{
    auto sent = std::async(std::launch::async, [=] { return FileHandover::send(appDir, files, waitMs); });
    while (sent.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QTest::qWait(10);
    return sent.get();
}


// SANE reads its configuration folder's name once per process, the files in it at every session's start.
const QTemporaryDir saneDir;

bool configureSane(bool withDevices)
{
    const QByteArray conf = TestSupport::readBytes(u"/etc/sane.d/test.conf"_s);
    return !conf.isEmpty() && TestSupport::writeBytes(QDir(saneDir.path()).filePath(u"dll.conf"_s),
                         withDevices ? "test\n" : "")
        && TestSupport::writeBytes(QDir(saneDir.path()).filePath(u"test.conf"_s),
                                   conf + "\nmode Color\nresolution 50\ntest-picture \"Color pattern\"\n");
}

// A frame with one card and an "Images" folder; modal dialogs really run.
struct Scanning : FrameFixture {
    Scanning()
    {
        QVERIFY(start());
        QVERIFY(QDir(dir.path()).mkpath(QString("Images")));
        card = frame->newCard();
        dialogs.onModal = [](QDialog &dialog) { return dialog.exec(); };
    }
    frmProjet *card = nullptr;
};

} // namespace

class tst_commands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tableLookups();
    void newProjectWizard();
    void openProject();
    void badFilesAreNeverWrittenOver();
    void saveWithAndWithoutDialogAndFailing();
    void autosaveTick();
    void editUndoTexts();
    void withoutACard();
    void filesReachTheRunningProgram();
    void theFrameOpensTheFiles();
    void scanBecomesTheBackground();
    void noScanner();
};

void tst_commands::tableLookups()
{
    using C = Command;
    using M = Menu;
    using namespace CommandTable;
    // Indexes other windows and the settings call by number; separators and missing indexes run nothing.
    const std::tuple<M, int, std::optional<C>> items[] = {
        {M::File, 1, C::OpenProject}, {M::File, 10, C::PrintPreview}, {M::File, 3, {}}, {M::File, 7, {}},
        {M::File, 14, {}}, {M::Help, 5, {}}, {M::Help, 8, C::About}, {M::Edit, 7, C::EditItem},
        {M::Logo, 0, C::EditItem}, {M::Logo, 2, C::ChangeLogoPicture}, {M::Label, 12, C::DeleteItem},
        {M::Label, -1, {}}, {M::Tools, 11, {}}, {M::Tools, 12, C::AddCode}, {M::Tools, 13, C::ExportShopPdf}, {M::Code, 0, C::EditItem},
        {M::Code, 2, {}}, {M::Code, 10, C::SendToBack}};
    for (const auto &[menu, index, expected] : items)
        QVERIFY2(command(menu, index) == expected, qPrintable(arrayName(menu) + QString::number(index)));
    // The panel's effect buttons are the "Palette 2D" items of their index, its font and colour buttons the label
    // menu's.
    for (int i = -1; i <= 13; ++i)
        QVERIFY(panelCommand(PanelArray::Palette, i) == command(M::Palette, i));
    QVERIFY(panelCommand(PanelArray::Bouton, 3) == command(M::Label, 2));
    QVERIFY(panelCommand(PanelArray::Bouton, 4) == command(M::Label, 3));
    QVERIFY(panelCommand(PanelArray::Pos, 6) == C::CentreDownCard && !panelCommand(PanelArray::Pos, 7));
    QVERIFY(!panelCommand(PanelArray::Bouton, 0) && panelCommand(PanelArray::Bouton, 9) == C::AddCode
            && !panelCommand(PanelArray::Bouton, 10));
    QVERIFY(homeMenu(C::ItemFont) == M::Edit && homeMenu(C::ClearLogo) == M::Logo && !homeMenu(C::MoveUp));
}

void tst_commands::newProjectWizard()
{
    FrameFixture f;
    const QString red = f.dir.filePath(u"Images/Images de fond/Rouge.png"_s);
    QDir().mkpath(QFileInfo(red).path());
    QImage picture(200, 128, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 0));
    QVERIFY(picture.save(red) && f.start());
    // Cancelled: no window.
    f.frame->Mnu_Outfich_Click(0);
    QVERIFY(f.cards().isEmpty());
    // Created: its window shows the card made.
    f.answer<frmAssist>([&](frmAssist &wizard) {
        wizard.Combo1()->setCurrentIndex(2);
        emit wizard.Tree1()->entryChosen(red);
        wizard.Text1()->setText(u"Traiteur"_s);
        wizard.Command1(0)->click();
    });
    f.menus().action(Menu::File, 0)->trigger();
    QCOMPARE(f.cards().size(), 1);
    const frmProjet *card = f.frame->activeCard();
    QCOMPARE(std::tuple(card->Caption(), card->filePath(), card->doc().background().picture),
             std::tuple(u"Traiteur"_s, QString(), red));
    QCOMPARE(QSizeF(card->doc().width(), card->doc().height()), QSizeF(float(3628.8), float(1927.8)));
    QCOMPARE(card->Picture1().image().size(), QSize(242, 129));
    QCOMPARE(TestSupport::pixel(card->Picture1().image(), 120, 128), OleColor(0x0000FF));
    // Its texts in their places, listed on the panel.
    const CardLabel &name = *card->doc().Label(1);
    QCOMPARE(name.Left, float(card->doc().width() - name.Width() - 150));
    QCOMPARE(f.rows().value(3), u"Lb4 | Numéro de tel..."_s);
}

void tst_commands::openProject()
{
    FrameFixture f;
    frmProjet *untitled = f.startWithCard();
    const QString carte = f.dir.filePath(u"Projets/Carte.prj"_s), other = f.dir.filePath(u"Ailleurs/Carte.prj"_s);
    QVERIFY(TestSupport::writeBytes(carte, project(u"Atelier"_s)));
    QVERIFY(TestSupport::writeBytes(other, project(u"Autre"_s)));
    // The name a cancelled save left in the shared dialog is not proposed.
    f.frame->Mnu_Outfich_Click(4);
    f.frame->Mnu_Outfich_Click(1);
    QCOMPARE(dialogOf(f), std::tuple(Prompts::DialogKind::Open, u"Ouvrir un fichier projet..."_s, QString(),
                                     u"Projets"_s, Filter, 1, 3, true));
    f.prompts.queueFile(carte);
    f.frame->Mnu_Outfich_Click(1);
    const frmProjet *card = f.frame->activeCard();
    QVERIFY(card != untitled);
    QCOMPARE(std::tuple(card->Caption(), card->filePath(), card->doc().Label(1)->Caption(), card->doc().width()),
             std::tuple(u"Carte"_s, carte, u"Atelier"_s, 6000.0));
    // The same name from another folder is refused, naming the file.
    f.prompts.queueFile(other);
    f.frame->Mnu_Outfich_Click(1);
    QCOMPARE(f.cards().size(), 2);
    QCOMPARE(f.texts(), QStringList{u"Le fichier \"Carte.prj\" est déjà en cours d'utilisation."_s});
    QCOMPARE(f.prompts.messages[0].style, int(Msg::Exclamation));
}

void tst_commands::badFilesAreNeverWrittenOver()
{
    FrameFixture f;
    QVERIFY(f.start());
    // "Ouvrir", then "Enregistrer" and an autosave tick (their dialogs cancelled): the first message, and whether the
    // file is as it was.
    const auto open = [&f](const QString &name) {
        const QString path = name.startsWith(u'/') ? name : f.dir.filePath(u"Projets/"_s + name);
        const auto bytes = [&path] { return QFileInfo(path).isFile() ? TestSupport::readBytes(path) : QByteArray(); };
        const QByteArray before = bytes();
        f.prompts.messages.clear();
        f.prompts.queueFile(path);
        f.frame->Mnu_Outfich_Click(1);
        f.frame->Mnu_Outfich_Click(4);
        f.autosave().Timer1_Timer();
        return std::pair(f.texts().value(0), bytes() == before);
    };
    // A pipe would hold the window for ever, /dev/zero be read until the memory runs out: they and a folder are
    // refused at once, naming the file.
    const QString fifo = f.dir.filePath(u"Projets/tube.prj"_s), folder = f.dir.filePath(u"Projets/Dossier.prj"_s);
    QVERIFY(QDir().mkpath(folder) && ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    for (const QString &path : {fifo, u"/dev/zero"_s, folder}) {
        const QString refused = u"\"%1\" n'est pas un fichier ordinaire : il ne peut pas être ouvert."_s;
        QCOMPARE(open(path).first, refused.arg(QFileInfo(path).fileName()));
    }
    QVERIFY(f.cards().isEmpty() && f.prompts.dialogs.size() == 3 && QFileInfo(folder).isDir());
    // A file with no project opens as a new untitled card, so that saving asks for a name.
    QByteArray noise(4096, '\0');
    QRandomGenerator(12345).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    for (const QByteArray &bytes : {QByteArray(), noise, QByteArray("Liste\r\n[brouillon]\r\nlait=2\r\n")}) {
        QVERIFY(TestSupport::writeBytes(f.dir.filePath(u"Projets/notes.prj"_s), bytes));
        QCOMPARE(open(u"notes.prj"_s), std::pair(u"Le fichier \"notes.prj\" ne contient pas de projet : une nouvelle "
                                                 "carte est ouverte à sa place."_s, true));
        QVERIFY(f.frame->activeCard()->filePath().isEmpty());
    }
    QCOMPARE(f.prompts.dialogs.size(), std::size_t(3 + 3 * 3));
    // More items than a card holds: opened without its path.
    QByteArray crowd = "[FORMAT]\r\nLongueur=4762\r\nHauteur=3061\r\n[LOGO]\r\nNombre=32770\r\n";
    for (int k = 1; k <= ProjectFile::MaxItems + 3; ++k)
        crowd += "[LOGO " + QByteArray::number(k) + "]\r\nTop=" + QByteArray::number(k % 3000) + "\r\n";
    QVERIFY(TestSupport::writeBytes(f.dir.filePath(u"Projets/Foule.prj"_s), crowd));
    QCOMPARE(open(u"Foule.prj"_s),
             std::pair(u"Le fichier \"Foule.prj\" contient plus de labels ou de logos qu'une carte ne peut en garder : "
                       "seuls les 32767 premiers de chaque sorte sont ouverts. La carte est ouverte sans son nom de "
                       "fichier, pour que l'enregistrement ne remplace pas le fichier complet."_s, true));
    const frmProjet *card = f.frame->activeCard();
    QCOMPARE(std::tuple(card->Caption(), card->filePath(), card->doc().logoCount()),
             std::tuple(u"Foule"_s, QString(), ProjectFile::MaxItems));
}

void tst_commands::saveWithAndWithoutDialogAndFailing()
{
    FrameFixture f;
    frmProjet *card = f.startWithCard();
    QVERIFY(card);
    const auto named = [card] { return std::pair(card->Caption(), card->filePath()); };
    // Never saved: "Enregistrer" asks, proposing the card's name; a cancel writes nothing.
    f.frame->Mnu_Outfich_Click(4);
    QCOMPARE(dialogOf(f), std::tuple(Prompts::DialogKind::Save, u"Enregistrez le fichier sous..."_s,
                                     u"Projet1.prj"_s, u"Projets"_s, Filter, 1, 3, true));
    QVERIFY(named() == std::pair(u"Projet1"_s, QString()) && QDir(f.dir.filePath(u"Projets"_s)).isEmpty());
    // A name without extension is used as typed, the caption four characters shorter; then "Enregistrer" writes without
    // asking.
    const QString typed = f.dir.filePath(u"Projets/Cartes"_s), renamed = f.dir.filePath(u"Projets/Salon.prj"_s);
    f.prompts.queueFile(typed);
    f.frame->Mnu_Outfich_Click(4);
    QCOMPARE(named(), std::pair(u"Ca"_s, typed));
    setCaption(*card, u"Second"_s);
    f.frame->Mnu_Outfich_Click(4);
    QVERIFY(f.prompts.dialogs.size() == 2 && TestSupport::readBytes(typed).contains("Caption=Second"));
    // "Enregistrer sous..." asks, proposing the path.
    f.prompts.queueFile(renamed);
    f.frame->Mnu_Outfich_Click(5);
    QCOMPARE(f.prompts.dialogs.back().snapshot.FileName, typed);
    QCOMPARE(named(), std::pair(u"Salon"_s, renamed));
    QVERIFY(f.prompts.messages.empty());
    // A failed save, with or without the dialog, says so and keeps the card's name and path (a plain file cannot be a
    // folder, even for root); closing with "save" as the answer fails the same way and stays open.
    const QString blocked = renamed + u"/Carte.prj"_s;
    f.prompts.queueFile(blocked);
    f.frame->Mnu_Outfich_Click(5);
    QCOMPARE(named(), std::pair(u"Salon"_s, renamed));
    card->setFilePath(blocked);
    f.frame->Mnu_Outfich_Click(4);
    f.prompts.queueMessage(Msg::Yes);
    f.frame->Mnu_Outfich_Click(2);
    QCOMPARE(f.texts().mid(0, 2) << f.texts().last(), QStringList(3, CannotSave + blocked));
    QVERIFY(f.prompts.messages[0].style == int(Msg::Exclamation) && f.cards().size() == 1);
    // The name proposed for a new card, accepted, makes a file "Ouvrir" lists, and the card keeps its name.
    frmProjet *second = f.frame->newCard();
    f.prompts.queueDialog([](CommonDialog &d) { return d.setChosenFile(QDir(d.InitDir).filePath(d.FileName)), true; });
    f.frame->Mnu_Outfich_Click(4);
    const QString proposed = f.dir.filePath(u"Projets/Projet2.prj"_s);
    QVERIFY(QFileInfo(proposed).isFile());
    QCOMPARE(std::pair(second->Caption(), second->filePath()), std::pair(u"Projet2"_s, proposed));
}

void tst_commands::autosaveTick()
{
    FrameFixture f;
    QVERIFY(f.start());
    Autosave &autosave = f.autosave();
    autosave.Timer1_Timer();
    QVERIFY(f.prompts.dialogs.empty() && f.prompts.messages.empty());
    // Untitled: the tick asks for a name, without a beep; a tick arriving while the dialog is up asks nothing more.
    frmProjet *card = f.frame->newCard();
    f.prompts.queueDialog([&autosave](CommonDialog &) { return autosave.Timer1_Timer(), false; });
    autosave.Timer1_Timer();
    QVERIFY(f.prompts.dialogs.size() == 1 && f.beeps == 0);
    // Titled: written without asking, then a beep, at each of the timer's ticks.
    const QString path = f.dir.filePath(u"Projets/Auto.prj"_s);
    card->setFilePath(path);
    setCaption(*card, u"Sauve tout seul"_s);
    autosave.Timer1()->setInterval(0);
    autosave.Timer1()->start();
    QTRY_VERIFY(f.beeps >= 2);
    autosave.Timer1()->stop();
    QVERIFY(f.prompts.dialogs.size() == 1 && TestSupport::readBytes(path).contains("Caption=Sauve tout seul"));
}

void tst_commands::editUndoTexts()
{
    FrameFixture f;
    frmProjet *card = f.startWithCard();
    QVERIFY(card);
    const CardLabel *label = card->doc().Label(1);
    card->Label_Click(1);
    QAction *undo = f.menus().action(Menu::Edit, 0);
    QAction *redo = f.menus().action(Menu::Edit, 12);
    // An Edit item, then the label's text.
    const auto edit = [&](int index) { return f.frame->Mnu_OutEdition_Click(index), label->Caption(); };
    // Nothing to take back on a card just opened: both greyed.
    QVERIFY(!undo->isEnabled() && !redo->isEnabled() && !card->isWindowModified());
    // Paste with an empty clipboard empties the label; cut puts it on the
    // clipboard; delete writes the default text; copy changes nothing.
    QCOMPARE(edit(4), QString());
    QCOMPARE(edit(5), u"ZONE DE TEXTE"_s);
    QCOMPARE(edit(2), u"-------"_s);
    QCOMPARE(f.clipboard.textValue, u"ZONE DE TEXTE"_s);
    QCOMPARE(edit(3), u"-------"_s);
    QVERIFY(undo->isEnabled() && !redo->isEnabled() && card->isWindowModified());
    // "Annuler" takes back each change in turn, "Rétablir" gives it again;
    // the panel's text box follows.
    QCOMPARE(edit(0), u"ZONE DE TEXTE"_s);
    QCOMPARE(edit(0), QString());
    QCOMPARE(edit(0), u"ZONE DE TEXTE"_s);
    QVERIFY(!undo->isEnabled() && redo->isEnabled() && !card->isWindowModified());
    QCOMPARE(edit(0), u"ZONE DE TEXTE"_s);
    QCOMPARE(edit(12), QString());
    QCOMPARE(f.panel().TextA()->text(), QString());
    // A change after an undo drops what could be given again.
    QCOMPARE(edit(5), u"ZONE DE TEXTE"_s);
    QVERIFY(!redo->isEnabled());
    // Typing in the panel's box is one step, which Ctrl+Z in the box takes
    // back on the card.
    f.panel().TextA()->setFocus();
    QTest::keyClicks(f.panel().TextA(), u"Nom"_s);
    QCOMPARE(label->Caption(), u"ZONE DE TEXTENom"_s);
    QTest::keyClick(f.panel().TextA(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(std::pair(label->Caption(), f.panel().TextA()->text()), std::pair(u"ZONE DE TEXTE"_s, u"ZONE DE TEXTE"_s));
    QTest::keyClick(f.panel().TextA(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(label->Caption(), u"ZONE DE TEXTENom"_s);
    // A save makes the card clean again; undoing back to it too.
    QVERIFY(card->Projet_Sauver(f.dir.filePath(u"h.prj"_s)));
    QVERIFY(!card->isWindowModified() && card->windowTitle() == card->Caption() + u"[*]"_s);
    QCOMPARE(edit(5), u"ZONE DE TEXTE"_s);
    QVERIFY(card->isWindowModified());
    edit(0);
    QVERIFY(!card->isWindowModified());
    // No selected label (a logo is selected): nothing.
    card->Logo_Click(1);
    QCOMPARE(edit(5), u"ZONE DE TEXTENom"_s);
}

void tst_commands::withoutACard()
{
    FrameFixture f;
    QVERIFY(f.start());
    // Help documents go to the desktop's shell, the web site is the help's page about the program; nothing is said.
    // File 9: the printer set-up.
    for (int index : {0, 2, 3, 6})
        f.frame->Mnu_OutInfo_Click(index);
    const QString dir = f.dir.path() + u'/';
    QCOMPARE(f.shell.opened, QStringList({dir + "Aide.chm", dir + "historique.rtf", dir + "licence.rtf"}));
    QCOMPARE(f.shell.browsed, QStringList{dir + u"Aide/apropos.html"_s});
    f.frame->Mnu_Outfich_Click(9);
    QCOMPARE(std::pair(f.prompts.dialogs.back().kind, f.prompts.dialogs.back().snapshot.Flags),
             std::pair(Prompts::DialogKind::Printer, 0x240));
    QVERIFY(f.prompts.messages.empty());
    // The Tools commands and "Réinitialiser le fond" find no card and say so; "Nettoyer le presse-papier" first
    // empties
    // it and says that; the effects say nothing.
    f.clipboard.textValue = u"reste"_s;
    for (int index : {0, 3, 10})
        f.frame->Mnu_OutOutils_Click(index);
    for (int index = 12; index >= 0; --index)
        f.frame->Mnu_OutPal_Click(index);
    QCOMPARE(f.clipboard.clears, 1);
    QCOMPARE(f.texts(),
             QStringList({NoProject, NoProject, u"Le presse-papier est maintenant nettoyé."_s, NoProject, NoProject}));
    QCOMPARE(std::pair(f.prompts.messages[0].style, f.prompts.messages[2].style),
             std::pair(int(Msg::Exclamation), int(Msg::Information)));
}

void tst_commands::filesReachTheRunningProgram()
{
    TestSupport::TempAppDir app, work;
    // A file where the socket should be does not answer; the lock's holder replaces it.
    QVERIFY(TestSupport::writeBytes(FileHandover::socketPathFor(app.path()), "stale"));
    QVERIFY(!send(app.path(), {u"/a.prj"_s}, 300));
    FileHandover running(app.path());
    QStringList received;
    connect(&running, &FileHandover::filesReceived, this, [&received](const QStringList &files) { received += files; });
    QVERIFY(running.listen());
    // A foreign header or an oversized message: the receiver hangs up without answering; a client that says
    // nothing keeps nobody out.
    QLocalSocket silent;
    silent.connectToServer(FileHandover::socketPathFor(app.path()));
    for (const auto &[magic, size] : {std::pair("HTTP", quint32(4)), {"BRVO", quint32(FileHandover::MaxPayload + 1)}}) {
        QByteArray bytes(magic, 4);
        bytes.resize(8);
        qToBigEndian<quint32>(size, bytes.data() + 4);
        QLocalSocket socket;
        socket.connectToServer(FileHandover::socketPathFor(app.path()));
        QVERIFY(socket.waitForConnected(3000) && socket.write(bytes + "/a.p") == 12);
        QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(socket.readAll(), QByteArray());
    }
    // Relative names are the sender's: they arrive absolute; blanks, accents and line breaks survive. The same
    // folder through a link is the same program.
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    const bool sent = send(app.path(), {u"Carte.prj"_s, u"/tmp/Été 2024/b\nc.prj"_s});
    QDir::setCurrent(saved);
    QVERIFY(sent && QFile::link(app.path(), work.filePath(u"lien"_s)) && send(work.filePath(u"lien"_s), {u"/x.prj"_s}));
    QCOMPARE(received, QStringList({work.filePath(u"Carte.prj"_s), u"/tmp/Été 2024/b\nc.prj"_s, u"/x.prj"_s}));
}

void tst_commands::theFrameOpensTheFiles()
{
    // Named on the command line: a relative name is taken from the current folder and kept in full; a missing file is
    // said.
    TestSupport::TempAppDir elsewhere;
    const QString example = qEnvironmentVariable("BRIVADUNE_TEST_DATA") + u"/projects/example.prj"_s;
    QVERIFY(QFile::copy(example, elsewhere.filePath(u"Salon.prj"_s)));
    const QString missing = elsewhere.filePath(u"absent.prj"_s), previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    FrameFixture f;
    f.frame->setStartupFiles({u"Salon.prj"_s, missing});
    QVERIFY(f.start());
    QTRY_COMPARE(f.prompts.messages.size(), std::size_t(1));
    QDir::setCurrent(previous);
    QCOMPARE(std::pair(f.frame->activeCard()->Caption(), f.frame->activeCard()->filePath()),
             std::pair(u"Salon"_s, elsewhere.filePath(u"Salon.prj"_s)));
    QCOMPARE(f.texts(), QStringList{u"Le fichier \"%1\" ne peut pas être ouvert."_s.arg(missing)});
    // Handed over: opened the same way; a project already open says so.
    QVERIFY(send(f.dir.path(), {example, elsewhere.filePath(u"Salon.prj"_s)}));
    QTRY_COMPARE(f.prompts.messages.size(), std::size_t(2));
    QCOMPARE(f.cards().size(), 2);
    QCOMPARE(f.frame->activeCard()->Caption(), u"example"_s);
    QCOMPARE(f.texts().last(), u"Le fichier \"Salon.prj\" est déjà en cours d'utilisation."_s);
}

void tst_commands::initTestCase()
{
    QVERIFY(saneDir.isValid());
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(saneDir.path()));
    QVERIFY(configureSane(true));
}

void tst_commands::scanBecomesTheBackground()
{
    Scanning s;
    // The name box cancelled, or names that would leave "Images" or hide the file (refused with the box's own
    // hint): nothing at all.
    s.frame->Mnu_OutImp_Click(0);
    for (const char *name : {"../dehors", "sous/dossier", "a\\b", ".cache", "tab\tulation"}) {
        s.prompts.queueInput(QString::fromUtf8(name));
        s.frame->Mnu_OutImp_Click(0);
    }
    QCOMPARE(s.texts(), QStringList(5, u"Les caractères spéciaux ne sont pas autorisés."_s));
    QVERIFY(s.dialogs.modalDialogs.isEmpty() && QDir(s.dir.filePath(u"Images"_s)).isEmpty());
    // A name: a 24-bit bitmap in "Images", the card's background, shown on the card.
    s.prompts.messages.clear();
    s.prompts.queueInput(u"Nom du fichier"_s);
    s.frame->Mnu_OutImp_Click(0);
    QCOMPARE(s.prompts.inputs.back().title, u"Acquérir une image"_s);
    QCOMPARE(s.dialogs.modalDialogs, QStringList{u"ScanProgressDialog"_s});
    const QString path = s.dir.filePath(u"Images/Nom du fichier.bmp"_s);
    QCOMPARE(TestSupport::readBytes(path).mid(28, 1), QByteArray(1, 24));
    QCOMPARE(std::pair(s.card->doc().background().NumFond, s.card->doc().background().picture), std::pair(2, path));
    const QImage &card = s.card->Picture1().image();
    QVERIFY(s.prompts.messages.empty() && TestSupport::pixel(card, card.width() / 2,
            card.height() / 2) != Colors::White);
}

void tst_commands::noScanner()
{
    // Both commands say so, before the name is asked.
    QVERIFY(configureSane(false));
    Scanning none;
    none.prompts.queueInput(u"jamais"_s);
    none.frame->Mnu_OutImp_Click(0);
    none.frame->Mnu_OutImp_Click(1);
    QCOMPARE(none.texts(), QStringList(2, u"Aucun scanner n'a été trouvé."_s));
    QVERIFY(none.prompts.messages.front().style == int(Msg::Information) && none.prompts.inputs.empty());
    QVERIFY(none.dialogs.modalDialogs.isEmpty() && configureSane(true));
}

QTEST_MAIN(tst_commands)
#include "tst_commands.moc"
