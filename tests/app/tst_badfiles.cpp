// Whatever the user opens, the program goes on and never writes over a file
// it could not read as a whole project: a folder, a device, a pipe, a file
// that is no project, one with counts that do not read, one with more items
// than a card holds; and the settings file that cannot be written at the
// end.
#include "AppTestFrame.h"

#include "document/ProjectFile.h"
#include "document/frmProjet.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString refused(const QString &fileName)
{
    return u"\""_s + fileName + u"\" n'est pas un fichier ordinaire : il ne peut pas être ouvert."_s;
}

QString noProject(const QString &fileName)
{
    return u"Le fichier \""_s + fileName
        + u"\" ne contient pas de projet : une nouvelle carte est ouverte à sa place."_s;
}

// "Ouvrir" on `path`, then Ctrl+S and an autosave tick, each dialog they
// ask for cancelled.
void openThenSave(FrameFixture &f, const QString &path)
{
    f.prompts.queueFile(path);
    f.frame->Mnu_Outfich_Click(1);
    if (f.frame->activeCard() && f.frame->activeCard()->Tag().isEmpty()) {
        f.prompts.queueCancel();
        f.prompts.queueCancel();
    }
    f.frame->Mnu_Outfich_Click(4);
    f.frame->Timer1_Timer();
}

} // namespace

class tst_badfiles : public QObject {
    Q_OBJECT
private slots:
    void refusedFilesOpenNothing();
    void filesWithoutProjectOpenAsNewCards();
    void unreadableCountsKeepTheItems();
    void moreItemsThanACardHolds();
    void settingsThatCannotBeWrittenAreReportedOnce();
};

void tst_badfiles::refusedFilesOpenNothing()
{
    FrameFixture f;
    QVERIFY(f.start());
    const QString fifo = f.dir.filePath(u"Projets/tube.prj"_s);
    QVERIFY(QDir().mkpath(f.dir.filePath(u"Projets/Dossier.prj"_s)));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A pipe would hold the window for ever; /dev/zero would be read until
    // the memory runs out. Each is refused at once, naming the file.
    for (const QString &path : {fifo, u"/dev/zero"_s, f.dir.filePath(u"Projets/Dossier.prj"_s)}) {
        f.prompts.messages.clear();
        openThenSave(f, path);
        QVERIFY(f.frame->cards().isEmpty());
        QCOMPARE(f.texts().value(0), refused(QFileInfo(path).fileName()));
    }
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());

    // A file the user may not read: refused, left as it is.
    if (::geteuid() != 0) {
        const QString locked = f.dir.filePath(u"Projets/prive.prj"_s);
        QVERIFY(TestSupport::writeBytes(locked, "[LABEL 1]\r\nCaption=secret\r\n"));
        QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
        f.prompts.messages.clear();
        openThenSave(f, locked);
        QVERIFY(f.frame->cards().isEmpty());
        QCOMPARE(f.texts().value(0), u"Le fichier \"prive.prj\" ne peut pas être lu."_s);
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(TestSupport::readBytes(locked), QByteArray("[LABEL 1]\r\nCaption=secret\r\n"));
    }
}

void tst_badfiles::filesWithoutProjectOpenAsNewCards()
{
    FrameFixture f;
    QVERIFY(f.start());
    QByteArray noise(4096, '\0');
    QRandomGenerator generator(12345);
    generator.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    QByteArray manySections;
    for (int i = 0; i < 100000; ++i)
        manySections += "[Chapitre " + QByteArray::number(i) + "]\n";
    const QList<std::pair<QString, QByteArray>> files = {
        {u"vide.prj"_s, QByteArray()},
        {u"bruit.prj"_s, noise},
        {u"notes.prj"_s, "Liste des courses\r\n- pain\r\n[brouillon]\r\nlait=2\r\n"},
        {u"ligne.prj"_s, QByteArray(1024 * 1024, 'a')},
        {u"sections.prj"_s, manySections},
    };
    int n = 0;
    for (const auto &[name, bytes] : files) {
        const QString path = f.dir.filePath(u"Projets/"_s + name);
        QVERIFY(TestSupport::writeBytes(path, bytes));
        f.prompts.messages.clear();
        openThenSave(f, path);
        // A new card, untitled, so that saving asks for a name and the
        // file is never replaced by a default project.
        frmProjet *card = f.frame->activeCard();
        QVERIFY(card);
        QCOMPARE(card->Caption(), u"Projet%1"_s.arg(++n));
        QVERIFY(card->Tag().isEmpty());
        QCOMPARE(f.texts().value(0), noProject(name));
        QCOMPARE(TestSupport::readBytes(path), bytes);
    }
}

void tst_badfiles::unreadableCountsKeepTheItems()
{
    FrameFixture f;
    QVERIFY(f.start());
    const QString path = f.dir.filePath(u"Projets/Comptes.prj"_s);
    QVERIFY(TestSupport::writeBytes(path, "[LABEL 1]\r\nCaption=un\r\n[LABEL 2]\r\nCaption=deux\r\n"
                                          "[LOGO 1]\r\nTag=/nulle/part.png\r\n[LOGO 2]\r\nTag=/ailleurs.png\r\n"
                                          "[LABEL]\r\nNombre=abc\r\n[LOGO]\r\nNombre=99999999999\r\n"));
    f.prompts.queueFile(path);
    f.frame->Mnu_Outfich_Click(1);
    frmProjet *card = f.frame->activeCard();
    QVERIFY(card);
    QCOMPARE(card->Tag(), path);
    QCOMPARE(card->Label(2)->Caption(), u"deux"_s);
    QCOMPARE(card->Logo(2)->Tag, u"/ailleurs.png"_s);

    // Saved, the file keeps every item, now with counts that read.
    f.frame->Mnu_Outfich_Click(4);
    QVERIFY2(f.prompts.messages.empty(), qPrintable(f.texts().join(u'|')));
    const ProjectData saved = ProjectFile::read(ProfileFile(path));
    QCOMPARE(saved.labels.size(), std::size_t(2));
    QCOMPARE(saved.logos.size(), std::size_t(2));
    QCOMPARE(ProfileFile(path).readString(u"LABEL"_s, u"Nombre"_s), u"2"_s);
}

void tst_badfiles::moreItemsThanACardHolds()
{
    FrameFixture f;
    QVERIFY(f.start());
    QByteArray bytes = "[FORMAT]\r\nLongueur=4762\r\nHauteur=3061\r\n";
    for (int k = 1; k <= ProjectFile::MaxItems + 3; ++k)
        bytes += "[LOGO " + QByteArray::number(k) + "]\r\nTop=" + QByteArray::number(k % 3000) + "\r\n";
    bytes += "[LOGO]\r\nNombre=" + QByteArray::number(ProjectFile::MaxItems + 3) + "\r\n";
    const QString path = f.dir.filePath(u"Projets/Foule.prj"_s);
    QVERIFY(TestSupport::writeBytes(path, bytes));

    openThenSave(f, path);
    frmProjet *card = f.frame->activeCard();
    QVERIFY(card);
    QCOMPARE(card->Caption(), u"Foule"_s);
    QCOMPARE(card->logoCount(), ProjectFile::MaxItems);
    // Told, and opened without its path: saving asks for a name, and the
    // shortened card never replaces the whole file.
    QVERIFY(card->Tag().isEmpty());
    QCOMPARE(f.texts().value(0),
             u"Le fichier \"Foule.prj\" contient plus de labels ou de logos qu'une carte ne peut en garder : "
             "seuls les 32767 premiers de chaque sorte sont ouverts. La carte est ouverte sans son nom de "
             "fichier, pour que l'enregistrement ne remplace pas le fichier complet."_s);
    QCOMPARE(f.prompts.dialogs.size(), std::size_t(3));
    QCOMPARE(TestSupport::readBytes(path), bytes);
}

void tst_badfiles::settingsThatCannotBeWrittenAreReportedOnce()
{
    FrameFixture f;
    QVERIFY(f.start());
    // A folder where the settings file should be: it cannot be replaced.
    const QString ini = f.dir.filePath(u"Brivadune.ini"_s);
    QFile::remove(ini);
    QVERIFY(QDir().mkpath(ini));
    const QString told = u"Les options n'ont pas pu être enregistrées dans le fichier \""_s + ini
        + u"\" : les options actuelles seront perdues à la fermeture."_s;
    f.frame->Ecrire_Options();
    f.frame->Ecrire_Options();
    QCOMPARE(f.texts(), QStringList({told}));
    QVERIFY(QFileInfo(ini).isDir());
}

QTEST_MAIN(tst_badfiles)
#include "tst_badfiles.moc"
