// The frame's commands on the card windows: opening and saving projects
// (dialogs, names, paths, failed writes, autosave, command line), the Edit
// undo texts, the Tools and Palette 2D redraws and messages, Help documents.
#include "AppTestFrame.h"

#include "document/frmProjet.h"
#include "imaging/ColorGradient.h"
#include "platform/Clipboard.h"

#include <QDir>
#include <QTest>

namespace {

class MemoryClipboard : public Clipboard {
public:
    QString textValue;
    int clears = 0;
    void setText(const QString &text) override { textValue = text; }
    QString text() const override { return textValue; }
    void setImage(const QImage &) override {}
    QImage image() const override { return {}; }
    void clear() override { ++clears, textValue.clear(); }
};

// Modal dialogs are recorded, never shown.
class CommandFrame : public frmMenu {
public:
    using frmMenu::frmMenu;
    QStringList modalDialogs;

protected:
    int runModal(QDialog &dialog) override
    {
        modalDialogs << QString::fromLatin1(dialog.metaObject()->className());
        return QDialog::Rejected;
    }
};

// A started frame with the real open and save commands.
struct Fixture {
    explicit Fixture(const QStringList &files = {})
    {
        Services services{dir.path(), &prompts, &shell, &clipboard, [this] { ++beeps; }};
        frame = std::make_unique<CommandFrame>(services);
        frame->setStartupFiles(files);
        commands = std::make_unique<QSignalSpy>(frame.get(), &frmMenu::commandRun);
        started = frame->MDIForm_Load();
        frame->show();
        started = QTest::qWaitForWindowExposed(frame.get()) && started;
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList texts() const
    {
        QStringList list;
        for (const auto &call : prompts.messages)
            list << call.text;
        return list;
    }
    TestSupport::TempAppDir dir;
    ScriptedPrompts prompts;
    RecordingShell shell;
    MemoryClipboard clipboard;
    int beeps = 0;
    std::unique_ptr<CommandFrame> frame;
    std::unique_ptr<QSignalSpy> commands;
    bool started = false;
};

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

QString inUse(const QString &title)
{
    return QStringLiteral("Le fichier \"") + title + QStringLiteral("\" est déjà en cours d'utilisation.");
}

QString cannotSave(const QString &path)
{
    return QStringLiteral("Le projet n'a pas pu être enregistré.\r\n"
                          "Vérifiez que le dossier existe et que vous pouvez y écrire : ")
        + path;
}

const QString NoProject = QStringLiteral("Aucun projet en cours d'utilisation.");
const QString Cleaned = QStringLiteral("Le presse-papier est maintenant nettoyé.");

// Draws over a corner of the card, as an effect would; a redraw from the
// card's description takes it away.
void scribble(frmProjet &card) { card.Picture1().fillRect(0, 0, 900, 900, 0); }
bool redrawn(frmProjet &card) { return card.Picture1().point(450, 450) == Colors::White; }

} // namespace

class tst_commands : public QObject {
    Q_OBJECT
private slots:
    void openProject();
    void saveWithAndWithoutDialog();
    void failedSaveKeepsNameAndPath();
    void autosaveTick();
    void commandLineFiles();
    void editUndoTexts();
    void toolsMessagesAndRedraw();
    void helpAndPrinterSetup();
    void gradientMessagesWhileTheFrameLives();
};

void tst_commands::openProject()
{
    Fixture f;
    QVERIFY(f.started);
    const QString carte = f.path(QStringLiteral("Projets/Carte.prj"));
    QVERIFY(TestSupport::writeBytes(carte, project(QStringLiteral("Atelier"))));

    f.prompts.queueCancel();
    f.frame->Mnu_Outfich_Click(1);
    QVERIFY(f.frame->cards().isEmpty());

    f.frame->CMDialog1().FileName = QStringLiteral("reste");
    f.prompts.queueFile(carte);
    f.frame->Mnu_Outfich_Click(1);
    checkDialog(f.prompts.dialogs.back().snapshot, QStringLiteral("Ouvrir un fichier projet..."), QString(),
                f.dir.path());
    QCOMPARE(f.prompts.dialogs.back().kind, Prompts::DialogKind::Open);
    frmProjet *card = f.frame->activeCard();
    QVERIFY(card);
    QCOMPARE(card->Caption(), QStringLiteral("Carte"));
    QCOMPARE(card->Tag(), carte);
    QCOMPARE(card->Label(1)->Caption(), QStringLiteral("Atelier"));
    QCOMPARE(card->Picture1().width(), 6000.0);

    // The same name from another folder is refused, naming the file.
    const QString other = f.path(QStringLiteral("Ailleurs/Carte.prj"));
    QVERIFY(TestSupport::writeBytes(other, project(QStringLiteral("Autre"))));
    f.prompts.queueFile(other);
    f.frame->Ouvrir_unProjet();
    QCOMPARE(f.frame->cards().size(), 1);
    QCOMPARE(f.prompts.messages.size(), std::size_t(1));
    checkExclamation(f.prompts.messages[0], inUse(QStringLiteral("Carte.prj")));

    // A file that cannot be read leaves its new window open, untitled.
    f.prompts.queueFile(f.path(QStringLiteral("Projets/Absent.prj")));
    f.frame->Ouvrir_unProjet();
    QCOMPARE(f.frame->cards().size(), 2);
    QVERIFY(f.frame->activeCard()->Tag().isEmpty());
    QCOMPARE(f.prompts.messages.size(), std::size_t(1));
}

void tst_commands::saveWithAndWithoutDialog()
{
    Fixture f;
    QVERIFY(f.started);
    frmProjet *card = f.frame->newCard();
    const QString proposed = card->Caption();

    // Never saved: "Enregistrer" asks; a cancel writes nothing.
    f.prompts.queueCancel();
    f.frame->Mnu_Outfich_Click(4);
    QCOMPARE(f.prompts.dialogs.size(), std::size_t(1));
    QCOMPARE(f.prompts.dialogs[0].kind, Prompts::DialogKind::Save);
    checkDialog(f.prompts.dialogs[0].snapshot, QStringLiteral("Enregistrez le fichier sous..."), proposed,
                f.dir.path());
    QCOMPARE(card->Caption(), proposed);
    QVERIFY(card->Tag().isEmpty());
    QVERIFY(QDir(f.path(QStringLiteral("Projets"))).isEmpty());

    // A name without extension is used as typed; the caption loses four
    // characters of it.
    const QString typed = f.path(QStringLiteral("Projets/Cartes"));
    f.prompts.queueFile(typed);
    f.frame->Mnu_Outfich_Click(4);
    QVERIFY(QFileInfo::exists(typed));
    QCOMPARE(card->Caption(), QStringLiteral("Ca"));
    QCOMPARE(card->Tag(), typed);

    // Saved: "Enregistrer" writes to the path without asking.
    card->Label(1)->setCaption(QStringLiteral("Second"));
    f.frame->Mnu_Outfich_Click(4);
    QCOMPARE(f.prompts.dialogs.size(), std::size_t(2));
    QVERIFY(TestSupport::readBytes(typed).contains("Caption=Second"));

    // "Enregistrer sous..." asks, proposing the path.
    const QString renamed = f.path(QStringLiteral("Projets/Salon.prj"));
    f.prompts.queueFile(renamed);
    f.frame->Mnu_Outfich_Click(5);
    QCOMPARE(f.prompts.dialogs.back().snapshot.FileName, typed);
    QCOMPARE(card->Caption(), QStringLiteral("Salon"));
    QCOMPARE(card->Tag(), renamed);
    QVERIFY(f.prompts.messages.empty());
}

void tst_commands::failedSaveKeepsNameAndPath()
{
    Fixture f;
    QVERIFY(f.started);
    // A folder that is a plain file cannot hold the project, even for root.
    QVERIFY(TestSupport::writeBytes(f.path(QStringLiteral("Bouchon")), "x"));
    const QString blocked = f.path(QStringLiteral("Bouchon/Carte.prj"));

    frmProjet *card = f.frame->newCard();
    const QString caption = card->Caption();
    f.prompts.queueFile(blocked);
    f.frame->Mnu_Outfich_Click(5);
    QCOMPARE(f.prompts.messages.size(), std::size_t(1));
    checkExclamation(f.prompts.messages[0], cannotSave(blocked));
    QCOMPARE(card->Caption(), caption);
    QVERIFY(card->Tag().isEmpty());

    // Without the dialog: the card keeps its name and path.
    const QString good = f.path(QStringLiteral("Projets/Bon.prj"));
    f.prompts.queueFile(good);
    f.frame->Mnu_Outfich_Click(5);
    card->setTag(blocked);
    f.frame->Mnu_Outfich_Click(4);
    QCOMPARE(f.texts(), QStringList({cannotSave(blocked), cannotSave(blocked)}));
    QCOMPARE(card->Tag(), blocked);
    QCOMPARE(card->Caption(), QStringLiteral("Bon"));
}

void tst_commands::autosaveTick()
{
    Fixture f;
    QVERIFY(f.started);
    frmProjet *card = f.frame->newCard();

    // Untitled: the tick asks for a name. A tick arriving while the dialog
    // is up asks nothing more.
    f.prompts.queueDialog([&f](CommonDialog &) {
        f.frame->Timer1_Timer();
        return false;
    });
    f.frame->Timer1_Timer();
    QCOMPARE(f.prompts.dialogs.size(), std::size_t(1));
    QVERIFY(card->Tag().isEmpty());

    // Titled: written to its path without asking, then a beep.
    const QString path = f.path(QStringLiteral("Projets/Auto.prj"));
    card->setTag(path);
    card->Label(1)->setCaption(QStringLiteral("Sauve tout seul"));
    f.frame->Timer1_Timer();
    QCOMPARE(f.prompts.dialogs.size(), std::size_t(1));
    QVERIFY(TestSupport::readBytes(path).contains("Caption=Sauve tout seul"));
    QCOMPARE(f.beeps, 1);

    // Each tick that cannot write says so.
    const QString blocked = path + QStringLiteral("/dedans.prj");
    card->setTag(blocked);
    f.frame->Timer1_Timer();
    f.frame->Timer1_Timer();
    QCOMPARE(f.texts(), QStringList({cannotSave(blocked), cannotSave(blocked)}));
}

void tst_commands::commandLineFiles()
{
    TestSupport::TempAppDir elsewhere;
    QVERIFY(TestSupport::writeBytes(elsewhere.filePath(QStringLiteral("Salon.prj")), project(QStringLiteral("Salon"))));
    const QString twin = elsewhere.filePath(QStringLiteral("autre/Salon.prj"));
    QVERIFY(TestSupport::writeBytes(twin, project(QStringLiteral("Doublon"))));
    const QString missing = elsewhere.filePath(QStringLiteral("Absent.prj"));

    // A relative name is taken from the current folder and kept in full.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    Fixture f({QStringLiteral("Salon.prj"), missing, twin, elsewhere.path()});
    QTRY_COMPARE(f.prompts.messages.size(), std::size_t(3));
    QDir::setCurrent(previous);
    QVERIFY(f.started);

    QCOMPARE(f.frame->cards().size(), 1);
    const frmProjet *card = f.frame->cards().at(0);
    QCOMPARE(card->Caption(), QStringLiteral("Salon"));
    QCOMPARE(card->Tag(), elsewhere.filePath(QStringLiteral("Salon.prj")));
    QCOMPARE(card->Label(1)->Caption(), QStringLiteral("Salon"));
    const auto cannotOpen = [](const QString &path) {
        return QStringLiteral("Le fichier \"") + path + QStringLiteral("\" ne peut pas être ouvert.");
    };
    checkExclamation(f.prompts.messages[0], cannotOpen(missing));
    checkExclamation(f.prompts.messages[1], inUse(QStringLiteral("Salon.prj")));
    checkExclamation(f.prompts.messages[2], cannotOpen(elsewhere.path()));
}

void tst_commands::editUndoTexts()
{
    Fixture f;
    QVERIFY(f.started);
    // No card, then no such label: nothing.
    f.frame->setTextATag(QStringLiteral("1"));
    f.frame->Mnu_OutEdition_Click(5);
    frmProjet *card = f.frame->newCard();
    CardLabel *label = card->Label(1);
    for (const QString &tag : {QString(), QStringLiteral("abc"), QStringLiteral("0"), QStringLiteral("2")}) {
        f.frame->setTextATag(tag);
        f.frame->Mnu_OutEdition_Click(5);
        QVERIFY(label->Tag.isEmpty());
    }

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
    QCOMPARE(label->Tag, QStringLiteral("-------"));

    // Copy overwrites the undo text: undo after a delete brings back the
    // text as it was at the copy.
    edit(3);
    QCOMPARE(label->Tag, QStringLiteral("Main"));
    edit(5);
    QCOMPARE(label->Caption(), QStringLiteral("ZONE DE TEXTE"));
    edit(0);
    QCOMPARE(label->Caption(), QStringLiteral("Main"));

    f.commands->clear();
    for (int index : {7, 9, 10})
        edit(index);
    QStringList routed;
    for (const QList<QVariant> &call : std::as_const(*f.commands)) {
        if (call.at(0).toString() == QLatin1String("Mnu_OutLabel_Click"))
            routed << call.at(1).toString();
    }
    QCOMPARE(routed, QStringList({QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("3")}));
}

void tst_commands::toolsMessagesAndRedraw()
{
    Fixture f;
    QVERIFY(f.started);
    for (int index : {0, 1, 3, 4, 6, 7, 8}) {
        f.prompts.reset();
        f.frame->Mnu_OutOutils_Click(index);
        QCOMPARE(f.texts(), QStringList{NoProject});
        checkExclamation(f.prompts.messages[0], NoProject);
    }
    f.prompts.reset();
    f.clipboard.textValue = QStringLiteral("reste");
    f.frame->Mnu_OutOutils_Click(10);
    QCOMPARE(f.clipboard.clears, 1);
    QCOMPARE(f.texts(), QStringList({Cleaned, NoProject}));
    QCOMPARE(f.prompts.messages[0].style, int(Msg::Information));
    f.frame->Mnu_OutPal_Click(0);
    f.frame->Mnu_OutPal_Click(2);
    QCOMPARE(f.texts(), QStringList({Cleaned, NoProject, NoProject}));

    // Every index redraws the card afterwards, one without a command too.
    f.prompts.reset();
    frmProjet *card = f.frame->newCard();
    for (int index : {0, 1, 2, 3, 6, 10}) {
        scribble(*card);
        f.frame->Mnu_OutOutils_Click(index);
        QVERIFY2(redrawn(*card), qPrintable(QString::number(index)));
    }
    QCOMPARE(card->labelCount(), 2);
    QCOMPARE(card->logoCount(), 2);
    QCOMPARE(f.prompts.dialogs.back().snapshot.DialogTitle, QStringLiteral("Importer une image de fond"));
    QCOMPARE(f.texts(), QStringList{Cleaned});
    card->NumFond = 1;
    f.frame->Mnu_OutOutils_Click(4);
    QCOMPARE(card->NumFond, 0);

    scribble(*card);
    f.frame->Mnu_OutPal_Click(0);
    QVERIFY(redrawn(*card));
}

void tst_commands::helpAndPrinterSetup()
{
    Fixture f;
    QVERIFY(f.started);
    for (int index : {0, 1, 2, 3, 6, 8})
        f.frame->Mnu_OutInfo_Click(index);
    const QString dir = f.dir.path() + u'/';
    QCOMPARE(f.shell.opened, QStringList({dir + QStringLiteral("Aide.chm"), dir + QStringLiteral("historique.rtf"),
                                          dir + QStringLiteral("licence.rtf"),
                                          QStringLiteral("https://brivadune.example.org")}));
    QCOMPARE(f.frame->modalDialogs, QStringList{QStringLiteral("frmAbout")});
    QVERIFY(f.prompts.messages.empty());

    f.frame->CMDialog1().Flags = 3;
    f.frame->Mnu_Outfich_Click(9);
    QCOMPARE(f.prompts.dialogs.back().kind, Prompts::DialogKind::Printer);
    QCOMPARE(f.prompts.dialogs.back().snapshot.Flags, 576);
}

void tst_commands::gradientMessagesWhileTheFrameLives()
{
    Fixture f;
    QVERIFY(f.started);
    Surface surface(300, 300);
    ColorGradient::shared().PaintObject(surface, 9);
    QCOMPARE(f.texts(), QStringList{QStringLiteral("Nope")});
    f.frame.reset();
    QCOMPARE(ColorGradient::shared().prompts(), nullptr);
}

QTEST_MAIN(tst_commands)
#include "tst_commands.moc"
