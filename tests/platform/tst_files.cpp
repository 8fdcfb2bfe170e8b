// Settings files, guarded reading, whole-or-nothing writing, the application
// folder and the per-user one of an installed program.
#include "platform/AppPaths.h"
#include "platform/AtomicFile.h"
#include "platform/GuardedFile.h"
#include "platform/PictureReader.h"
#include "platform/ProfileFile.h"
#include "platform/RuntimeFolder.h"
#include "platform/UserAppFolder.h"

#include "TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <cerrno>
#include <future>
#include <thread>
#include <sys/stat.h>
#include <utime.h>

using namespace Qt::StringLiterals;
using TestSupport::readBytes;
using TestSupport::TempAppDir;
using TestSupport::writeBytes;

namespace {
int failingSync(int)
{
    errno = EIO;
    return -1;
}

// Every name in `dir`, hidden ones too: no temporary copy may stay behind.
QStringList names(const TempAppDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
}

// One pixel PNGs, green and red, in base 64.
const char *const GreenPng = "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAADElEQVR4nGNg+M8AAAICAQB7CYF4AAAAAElFTkSuQmCC";
const char *const RedPng = "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAADElEQVR4nGP4z8AAAAMBAQDJ/pLvAAAAAElFTkSuQmCC";

// A 40 x 20 SVG: `left` in its left half, a green PNG of its own in the right half.
QByteArray svgWith(const QString &left, const QString &prolog = {})
{
    return (u"<?xml version=\"1.0\"?>"_s + prolog + u"<svg xmlns=\"http://www.w3.org/2000/svg\" "
            "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"40\" height=\"20\">"_s
            + left + u"<image x=\"20\" y=\"0\" width=\"20\" height=\"20\" xlink:href=\"data:image/png;base64,%1\"/></svg>"_s
            .arg(QLatin1String(GreenPng))).toUtf8();
}

// An installed tree: PREFIX/bin and PREFIX/share/brivadune with two files.
struct Installed {
    TestSupport::TempAppDir prefix;
    QString data = prefix.filePath(u"share/brivadune"_s);
    QString bin = prefix.filePath(u"bin"_s);
    bool ok = QDir().mkpath(bin) && writeBytes(data + u"/formats.ini"_s, "A | 1.2.3.4.5.6\r\n")
              && writeBytes(data + u"/Images/Angles/coin.png"_s, "png");
};

} // namespace

class TestFiles : public QObject {
    Q_OBJECT

private slots:
    void editingRules();
    void readingRules();
    void lineEndsAndEncodings_data();
    void lineEndsAndEncodings();
    void writtenEncodingFollowsContent();
    void refusesWhatIsNotARegularFile();
    void failedWritesKeepTheOldFile();
    void removesOnlyItsOwnOldCopies();
    void svgReachesNoOtherFile_data();
    void svgReachesNoOtherFile();
    void joiningAndChoosing();
    void userFolderKeepsTheUsersChanges();
    void programFilesFollowUpgrades();
    void installedProgramUsesTheUsersFolder();
    void runtimeFolderIsPrivate();
};

void TestFiles::editingRules()
{
    ProfileFile p;
    p.fromText(u"; by hand\nloose=1\n[Label 1]\nCaption=Atelier\n; note\nCaption=second\n[B]\nz=3\n[label 1]\nm=4\n"_s);
    QCOMPARE(p.readString(u"LABEL 1"_s, u"caption"_s), u"Atelier"_s);
    // The first of duplicate keys or sections wins; lines before the first
    // section are kept but never found.
    QCOMPARE(p.readString(u"label 1"_s, u"m"_s, u"d"_s) + p.readString({}, u"loose"_s, u"d"_s)
                 + p.readString(u"LABEL 2"_s, u"Caption"_s, u"d"_s), u"ddd"_s);
    QVERIFY(p.contains(u"b"_s, u"Z"_s) && !p.contains(u"b"_s, u"m"_s));
    p.writeString(u"LABEL 1"_s, u"CAPTION"_s, u"Port"_s);
    // A line break in a value must not add lines (or a section) to the file.
    p.writeString(u"label 1"_s, u"New"_s, u"a\r\n[FOND]\nb\rc"_s);
    p.writeString(u"C"_s, u"k"_s, u"5"_s);
    QCOMPARE(p.toText(), u"; by hand\r\nloose=1\r\n[Label 1]\r\nCaption=Port\r\n; note\r\nCaption=second\r\n"
                         "New=a [FOND] b c\r\n[B]\r\nz=3\r\n[label 1]\r\nm=4\r\n[C]\r\nk=5\r\n"_s);
}

void TestFiles::readingRules()
{
    // Blanks trimmed, one pair of matching quotes removed.
    ProfileFile p;
    p.fromText(u"  [ FOND ]  \n  Numero  =  1  \nPicture=\"C:\\a b.bmp\"\nq='x'\nhalf=\"abc\n"_s);
    QStringList values;
    for (const QString &key : {u"NUMERO"_s, u"Picture"_s, u"q"_s, u"half"_s})
        values << p.readString(u"fond"_s, key);
    QCOMPARE(values, (QStringList{u"1"_s, u"C:\\a b.bmp"_s, u"x"_s, u"\"abc"_s}));
    // Values are written whole, read cut to 199 characters, never inside a
    // character outside the basic plane.
    p.writeString(u"S"_s, u"k"_s, QString(250, u'x'));
    QVERIFY(p.readString(u"S"_s, u"k"_s) == QString(199, u'x') && p.toText().contains(QString(250, u'x')));
    p.writeString(u"S"_s, u"k"_s, QString(198, u'z') + u"😀"_s);
    QCOMPARE(p.readString(u"S"_s, u"k"_s), QString(198, u'z'));
}

void TestFiles::lineEndsAndEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF, Windows-1252") << QByteArray("[S]\r\na=\xE9t\xE9\r\n\r\nb=2\r\n");
    QTest::newRow("LF, UTF-8") << QByteArray("[S]\na=\xC3\xA9t\xC3\xA9\n\nb=2");
    QTest::newRow("CR, Windows-1252") << QByteArray("[S]\ra=\xE9t\xE9\r\r  \rb=2\r");
    QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF[S]\na=\xC3\xA9t\xC3\xA9\nb=2\n");
}

void TestFiles::lineEndsAndEncodings()
{
    QFETCH(QByteArray, bytes);
    TestSupport::TempAppDir dir;
    QVERIFY(dir.writeFile(u"p.ini"_s, bytes));
    QCOMPARE(ProfileFile(dir.filePath(u"p.ini"_s)).toText(), u"[S]\r\na=été\r\nb=2\r\n"_s);
}

void TestFiles::writtenEncodingFollowsContent()
{
    TestSupport::TempAppDir dir;
    const QString path = dir.filePath(u"e.ini"_s);
    // Everything fits Windows-1252: one byte per character.
    const QString french = u"Créé à l'été — 5 €"_s;
    QVERIFY(ProfileFile::writeOne(path, u"S"_s, u"k"_s, french));
    QCOMPARE(dir.readFile(u"e.ini"_s), QByteArray("[S]\r\nk=Cr\xE9\xE9 \xE0 l'\xE9t\xE9 \x97 5 \x80\r\n"));
    QCOMPARE(ProfileFile::readOne(path, u"s"_s, u"K"_s), french);
    // One character outside it: the whole file becomes UTF-8, nothing lost.
    QVERIFY(ProfileFile::writeOne(path, u"S"_s, u"g"_s, u"Ωmega"_s));
    QCOMPARE(QString::fromUtf8(dir.readFile(u"e.ini"_s)), u"[S]\r\nk="_s + french + u"\r\ng=Ωmega\r\n"_s);
    QVERIFY(!ProfileFile::writeOne(dir.filePath(u"none/p.ini"_s), u"S"_s, u"k"_s, u"v"_s));
}

void TestFiles::refusesWhatIsNotARegularFile()
{
    TempAppDir dir;
    const QString fifo = dir.filePath(u"tube.prj"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(dir.writeFile(u"big.ini"_s, "[S]\r\nk=" + QByteArray(993, 'x')));
    const QString big = dir.filePath(u"big.ini"_s);
    // A pipe with no writer answers at once instead of waiting for one; a
    // device is never read whole; a file beyond the cap is refused.
    const QList<std::pair<QString, GuardedFile::Error>> rows = {
        {fifo, GuardedFile::Error::NotRegular},      {u"/dev/zero"_s, GuardedFile::Error::NotRegular},
        {dir.path(), GuardedFile::Error::NotRegular}, {dir.filePath(u"absent.prj"_s), GuardedFile::Error::Missing},
        {QString(), GuardedFile::Error::Missing},
    };
    for (const auto &[path, error] : rows) {
        QCOMPARE(GuardedFile::read(path, GuardedFile::TextCap).error, error);
        ProfileFile profile;
        QVERIFY(!profile.load(path) && profile.loadError() == error);
    }
    QCOMPARE(GuardedFile::read(big, 999).error, GuardedFile::Error::TooLarge);
    QCOMPARE(GuardedFile::read(big, 1000).bytes.size(), 1000);
    QCOMPARE(GuardedFile::readHead(big, 3).bytes, QByteArray("[S]"));
    QCOMPARE(GuardedFile::message(GuardedFile::Error::NotRegular, u"tube.prj"_s),
             u"\"tube.prj\" n'est pas un fichier ordinaire : il ne peut pas être ouvert."_s);
    ProfileFile present;
    QVERIFY(present.load(big) && present.loadError() == GuardedFile::Error::None);
    // A sparse file past the text cap is refused before anything is read.
    QVERIFY(QFile::resize(big, GuardedFile::TextCap + 1));
    QVERIFY(!present.load(big) && present.loadError() == GuardedFile::Error::TooLarge);
}

void TestFiles::failedWritesKeepTheOldFile()
{
    TempAppDir dir;
    const QByteArray old("[FORMAT]\r\nLongueur=4762\r\n");
    QVERIFY(dir.writeFile(u"Carte.prj"_s, old));
    ProfileFile profile(dir.filePath(u"Carte.prj"_s));
    profile.writeString(u"FORMAT"_s, u"Longueur"_s, QString(4000, u'1'));
    // A failed flush or a full disk: the old file stays, no copy is left.
    AtomicFile::setSyncFunction(failingSync);
    const bool saved = profile.save();
    AtomicFile::setSyncFunction(nullptr);
    QVERIFY(!saved);
    QVERIFY(!TestSupport::underFileSizeLimit(1000, [&] { return profile.save(); }));
    QCOMPARE(dir.readFile(u"Carte.prj"_s), old);
    QCOMPARE(names(dir), QStringList{u"Carte.prj"_s});

    // Through a link the file it names is replaced, its permissions kept.
    const QString real = dir.filePath(u"Carte.prj"_s);
    QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    const QString link = dir.filePath(u"lien/lien.prj"_s);
    QVERIFY(QDir().mkpath(dir.filePath(u"lien"_s)) && QFile::link(real, link));
    QVERIFY(profile.saveAs(link));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(dir.readFile(u"Carte.prj"_s).size(), 4000 + 21);
    QCOMPARE(QFileInfo(real).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QCOMPARE(names(dir), QStringList{u"Carte.prj"_s});
}

void TestFiles::removesOnlyItsOwnOldCopies()
{
    TempAppDir dir;
    const QString old = u".Carte.prj.brivadune-a1b2c3"_s;
    const QString recent = u".Carte.prj.brivadune-d4e5f6"_s;
    // Names a user or another program may have made.
    const QStringList others = {u"Carte.prj.backup"_s, u"Carte.prj.a1b2c3"_s, u".Carte.prj.swp"_s,
                                u".Carte.prj.brivadune-trop-long"_s};
    for (const QString &name : QStringList{old, recent} + others) {
        QVERIFY(dir.writeFile(name, "x"));
        const time_t when = QDateTime::currentSecsSinceEpoch() - (name == recent ? 3600 : 2 * 24 * 3600);
        const utimbuf times{when, when};
        QCOMPARE(::utime(QFile::encodeName(dir.filePath(name)).constData(), &times), 0);
    }
    // A copy left by a crash, a day old, goes when a project beside it is
    // saved; a recent one may belong to a save under way.
    QVERIFY(AtomicFile::write(dir.filePath(u"Autre.prj"_s), "y"));
    QStringList expected = QStringList{u"Autre.prj"_s, recent} + others;
    expected.sort(Qt::CaseInsensitive);
    QCOMPARE(names(dir), expected);
}

void TestFiles::svgReachesNoOtherFile_data()
{
    // Kept as the folder of the files named: the pictures are decoded on threads that may outlive a row.
    static TempAppDir dir;
    const QString fifo = dir.filePath(u"tube.png"_s), red = dir.filePath(u"rouge.png"_s);
    QVERIFY(QFileInfo::exists(fifo) || ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QVERIFY(writeBytes(red, QByteArray::fromBase64(RedPng)));
    const auto image = [](const QString &href) {
        return u"<image x=\"0\" y=\"0\" width=\"20\" height=\"20\" xlink:href=\"%1\"/>"_s.arg(href);
    };
    QTest::addColumn<QByteArray>("svg");
    QTest::newRow("local picture") << svgWith(image(red));
    QTest::newRow("pipe") << svgWith(image(fifo));
    QTest::newRow("style import") << svgWith(u"<style>@import url(\"%1\");</style>"_s.arg(fifo) + image(red));
    QTest::newRow("entity") << svgWith(u"<g>&e;</g>"_s + image(red), u"<!DOCTYPE svg [<!ENTITY e SYSTEM \"%1\">]>"_s.arg(fifo));
    QTest::newRow("embedded SVG") << svgWith(image(u"data:image/svg+xml;base64,"_s
                                                   + QString::fromLatin1(svgWith(image(fifo) + image(red)).toBase64())));
}

void TestFiles::svgReachesNoOtherFile()
{
    QFETCH(QByteArray, svg);
    // Decoded on a thread of its own, so that a read that blocks fails the test instead of hanging it.
    auto result = std::make_shared<std::promise<QImage>>();
    std::future<QImage> decoded = result->get_future();
    std::thread([result, svg] { result->set_value(PictureReader::decode(svg, u"logo.svg"_s)); }).detach();
    QVERIFY2(decoded.wait_for(std::chrono::seconds(10)) == std::future_status::ready, "the SVG read another file");
    const QImage image = decoded.get().convertToFormat(QImage::Format_ARGB32);
    // The embedded picture is drawn; the file named is not.
    QCOMPARE(image.size(), QSize(40, 20));
    QCOMPARE(QColor(image.pixel(30, 10)), QColor(Qt::green));
    QVERIFY(qRed(image.pixel(10, 10)) < 128 || qAlpha(image.pixel(10, 10)) < 128);
}

void TestFiles::joiningAndChoosing()
{
    QCOMPARE(AppPaths::join(u"/opt/app//"_s, u"\\\\Images\\a b\\"_s) + AppPaths::join(u"/"_s, u"\\P"_s), u"/opt/app/Images/a b//P"_s);
    QCOMPARE(AppPaths::join(u"/opt/app"_s, QString()), u"/opt/app"_s);

    // The command line comes first, then BRIVADUNE_HOME, then the
    // executable's folder; the option is taken out of the arguments.
    const QString bin = u"/opt/nowhere/bin"_s;
    const auto resolve = [&bin](QStringList args) {
        const QString dir = AppPaths::resolveAppDir(args, bin);
        return dir + u'|' + args.join(u' ');
    };
    qputenv("BRIVADUNE_HOME", "/home/u/cartes");
    QCOMPARE(resolve({"Brivadune", "--app-dir", "/tmp/x/../cartes", "a.prj"}), u"/tmp/cartes|Brivadune a.prj"_s);
    QCOMPARE(resolve({"Brivadune", "--app-dir=/srv/b/"}), u"/srv/b|Brivadune"_s);
    QCOMPARE(resolve({"Brivadune"}), u"/home/u/cartes|Brivadune"_s);
    // A dangling option names no folder; a relative one becomes absolute.
    qunsetenv("BRIVADUNE_HOME");
    QCOMPARE(resolve({"Brivadune", "--app-dir"}), bin + u"|Brivadune"_s);
    QCOMPARE(resolve({"--app-dir=rel"}), QDir::cleanPath(QDir::currentPath() + u"/rel"_s) + u'|');
}

void TestFiles::userFolderKeepsTheUsersChanges()
{
    Installed installed;
    QVERIFY(installed.ok);
    // Installed files are often read-only; the user's copies are writable.
    QVERIFY(QFile::setPermissions(installed.data + u"/formats.ini"_s, QFile::ReadOwner | QFile::ReadOther));
    TestSupport::TempAppDir home;
    const QString user = home.filePath(u"share/Brivadune"_s);
    // A file of the user's, there before the first fill, is left alone.
    QVERIFY(writeBytes(installed.data + u"/licence.rtf"_s, "{\\rtf1}") && writeBytes(user + u"/licence.rtf"_s, "mine"));
    QVERIFY(UserAppFolder(installed.data, user).fill());
    QCOMPARE(readBytes(user + u"/Images/Angles/coin.png"_s) + readBytes(user + u"/licence.rtf"_s), QByteArray("pngmine"));
    QVERIFY(QFileInfo(user + u"/formats.ini"_s).permissions().testFlag(QFile::WriteOwner));
    QCOMPARE(readBytes(user + u"/.fichiers-installes"_s),
             QByteArray("Images/Angles/coin.png\nformats.ini\nlicence.rtf\n"));

    // The user edits one file and deletes another; a later version changes
    // an installed file and brings a new one: only the new one comes.
    QVERIFY(writeBytes(user + u"/formats.ini"_s, "Mon format | 1.1.1.1.1.1\r\n"));
    QVERIFY(QFile::remove(user + u"/Images/Angles/coin.png"_s));
    QVERIFY(QFile::setPermissions(installed.data + u"/formats.ini"_s, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(writeBytes(installed.data + u"/formats.ini"_s, "A | 9.9.9.9.9.9\r\n"));
    QVERIFY(writeBytes(installed.data + u"/Images/Angles/nouveau.png"_s, "new"));
    QVERIFY(UserAppFolder(installed.data, user).fill());
    QCOMPARE(readBytes(user + u"/formats.ini"_s) + readBytes(user + u"/Images/Angles/nouveau.png"_s),
             QByteArray("Mon format | 1.1.1.1.1.1\r\nnew"));
    QVERIFY(!QFile::exists(user + u"/Images/Angles/coin.png"_s));
    QCOMPARE(readBytes(user + u"/.fichiers-installes"_s).count('\n'), 4);

    QVERIFY(writeBytes(home.filePath(u"fichier"_s), "x"));
    QVERIFY(!UserAppFolder(installed.data, home.filePath(u"fichier/Brivadune"_s)).fill());

    // Links planted at the list's name and at a file's name: the list replaces its link, nothing is written through.
    const QString other = home.filePath(u"autre"_s);
    QVERIFY(writeBytes(other + u"/liste"_s, "intact") && QFile::remove(user + u"/.fichiers-installes"_s));
    QVERIFY(QFile::link(other + u"/liste"_s, user + u"/.fichiers-installes"_s));
    QVERIFY(QFile::link(other + u"/copie.png"_s, user + u"/Images/Angles/coin.png"_s));
    QVERIFY(UserAppFolder(installed.data, user).fill());
    QCOMPARE(readBytes(other + u"/liste"_s), QByteArray("intact"));
    QVERIFY(!QFileInfo(user + u"/.fichiers-installes"_s).isSymLink() && !QFile::exists(other + u"/copie.png"_s));
}

void TestFiles::programFilesFollowUpgrades()
{
    Installed installed;
    TempAppDir home;
    const QString user = home.filePath(u"B"_s);
    // Installs `version` of the history, a help page and the formats, fills
    // the user's folder and reads the user's copies.
    const auto upgrade = [&](const QByteArray &version) {
        for (const char *name : {"/historique.rtf", "/Aide/index.html", "/formats.ini"})
            writeBytes(installed.data + QLatin1String(name), version);
        UserAppFolder(installed.data, user).fill();
        return readBytes(user + u"/historique.rtf"_s) + '|' + readBytes(user + u"/Aide/index.html"_s) + '|'
               + readBytes(user + u"/formats.ini"_s);
    };
    QCOMPARE(upgrade("v1"), QByteArray("v1|v1|v1"));
    // The history and help the user left alone follow; the page the user
    // changed and the formats stay.
    QVERIFY(writeBytes(user + u"/Aide/index.html"_s, "mine"));
    QCOMPARE(upgrade("v2"), QByteArray("v2|mine|v1"));
    // A list without sums: a copy equal to the installed file is the
    // program's from then on, another one the user's.
    QVERIFY(writeBytes(user + u"/.fichiers-installes"_s, "historique.rtf\nAide/index.html\nformats.ini\nImages/Angles/coin.png\n"));
    QCOMPARE(upgrade("v2"), QByteArray("v2|mine|v1"));
    QCOMPARE(upgrade("v3"), QByteArray("v3|mine|v1"));
}

void TestFiles::installedProgramUsesTheUsersFolder()
{
    Installed installed;
    QVERIFY(installed.ok);
    TestSupport::TempAppDir home;
    qunsetenv("BRIVADUNE_HOME");
    // XDG_DATA_HOME names the user's data (a relative one is ignored); a
    // folder named on the command line is used as it is, never filled.
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(u"donnees"_s)));
    QStringList args{u"a.prj"_s};
    const QString userDir = home.filePath(u"donnees/Brivadune"_s);
    QCOMPARE(AppPaths::resolveAppDir(args, installed.bin), userDir);
    QVERIFY(QFile::exists(home.filePath(u"donnees/Brivadune/formats.ini"_s)));
    // Its projects go among the user's documents, in a folder of their own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QVERIFY(writeBytes(home.filePath(u"user-dirs.dirs"_s), "XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(home.filePath(u"Docs"_s)) + "\"\n")
            && QDir().mkpath(home.filePath(u"Docs"_s)));
    QCOMPARE(AppPaths::projectsDir(userDir), home.filePath(u"Docs/Cartes de visite"_s));
    QVERIFY(AppPaths::projectsInDocuments(userDir) && !AppPaths::projectsInDocuments(home.filePath(u"donnees"_s)));
    qputenv("XDG_DATA_HOME", "relatif");
    QCOMPARE(UserAppFolder::defaultPath(), QDir::homePath() + u"/.local/share/Brivadune"_s);
    qunsetenv("XDG_DATA_HOME");
    args = QStringList{u"--app-dir"_s, home.filePath(u"choisi"_s)};
    QCOMPARE(AppPaths::resolveAppDir(args, installed.bin), home.filePath(u"choisi"_s));
    QVERIFY(!QFile::exists(home.filePath(u"choisi"_s)));
    // Once a folder is named, projects stay in its "Projets".
    QCOMPARE(AppPaths::projectsDir(userDir), userDir + u"/Projets"_s);
    qunsetenv("XDG_CONFIG_HOME");
}

void TestFiles::runtimeFolderIsPrivate()
{
    TempAppDir tmp;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), temp = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", runtime), qputenv("TMPDIR", temp); });
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    // Without a runtime folder: one of the user's own in the temporary folder, made private.
    const QString own = tmp.filePath(u"brivadune-%1"_s.arg(::geteuid()));
    const QByteArray name = QFile::encodeName(own);
    QCOMPARE(RuntimeFolder::path(), own);
    QCOMPARE(QFileInfo(own).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Open to others, a link planted at its name, or another user's: refused, and said why.
    const QList<std::function<bool()>> spoil = {
        [&] { return ::chmod(name.constData(), 0755) == 0; },
        [&] { return QDir(own).removeRecursively() && QFile::link(tmp.path(), own); },
        [&] { return QFile::remove(own) && ::mkdir(name.constData(), 0700) == 0 && ::chown(name.constData(), 65534, 65534) == 0; },
    };
    for (qsizetype row = 0; row < spoil.size() - (::geteuid() == 0 ? 0 : 1); ++row) {
        QVERIFY(spoil[row]());
        QString error;
        QVERIFY2(RuntimeFolder::path(&error).isEmpty() && error.contains(u"\"%1\" n'est pas un dossier privé"_s.arg(own)),
                 qPrintable(QString::number(row)));
    }
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
