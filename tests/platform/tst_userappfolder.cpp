// The per-user application folder of an installed program: filled from the
// installed files, never overwriting or bringing back what the user changed.
#include "platform/AppPaths.h"
#include "platform/UserAppFolder.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// An installed tree: PREFIX/bin and PREFIX/share/brivadune with a few files.
struct Installed {
    Installed()
    {
        ok = QDir().mkpath(prefix.filePath(u"bin"_s)) && write(u"formats.ini"_s, "A | 1.2.3.4.5.6\r\n")
             && write(u"Images/Angles/coin.png"_s, "png") && write(u"Aide/index.html"_s, "<html>")
             && write(u"licence.rtf"_s, "{\\rtf1}");
    }
    bool write(const QString &name, const QByteArray &bytes) const
    {
        return TestSupport::writeBytes(data() + u'/' + name, bytes);
    }
    QString data() const { return prefix.filePath(u"share/brivadune"_s); }
    QString bin() const { return prefix.filePath(u"bin"_s); }
    TestSupport::TempAppDir prefix;
    bool ok = false;
};

QByteArray read(const QString &folder, const QString &name)
{
    return TestSupport::readBytes(folder + u'/' + name);
}

} // namespace

class TestUserAppFolder : public QObject {
    Q_OBJECT

private slots:
    void fillsOnceAndKeepsTheUsersChanges();
    void unwritableFolderAndReadOnlyFiles();
    void installedProgramUsesTheUsersFolder();
};

void TestUserAppFolder::fillsOnceAndKeepsTheUsersChanges()
{
    Installed installed;
    QVERIFY(installed.ok);
    TestSupport::TempAppDir home;
    const QString user = home.filePath(u"share/Brivadune"_s);
    // A file of the user's, there before the first fill, is left alone.
    QVERIFY(TestSupport::writeBytes(user + u"/licence.rtf"_s, "mine"));

    UserAppFolder folder(installed.data(), user);
    QVERIFY(folder.fill());
    QCOMPARE(read(user, u"formats.ini"_s), QByteArray("A | 1.2.3.4.5.6\r\n"));
    QCOMPARE(read(user, u"Images/Angles/coin.png"_s), QByteArray("png"));
    QCOMPARE(read(user, u"Aide/index.html"_s), QByteArray("<html>"));
    QCOMPARE(read(user, u"licence.rtf"_s), QByteArray("mine"));
    QCOMPARE(folder.copiedFiles(), QStringList({u"Aide/index.html"_s, u"Images/Angles/coin.png"_s,
                                                u"formats.ini"_s, u"licence.rtf"_s}));

    // The user edits one file and deletes two; a later version changes an
    // installed file and brings a new one.
    QVERIFY(TestSupport::writeBytes(user + u"/formats.ini"_s, "Mon format | 1.1.1.1.1.1\r\n"));
    QVERIFY(QFile::remove(user + u"/Images/Angles/coin.png"_s));
    QVERIFY(QFile::remove(user + u"/licence.rtf"_s));
    QVERIFY(installed.write(u"formats.ini"_s, "A | 9.9.9.9.9.9\r\n"));
    QVERIFY(installed.write(u"Images/Angles/nouveau.png"_s, "new"));
    QVERIFY(UserAppFolder(installed.data(), user).fill());
    QCOMPARE(read(user, u"formats.ini"_s), QByteArray("Mon format | 1.1.1.1.1.1\r\n"));
    QVERIFY(!QFile::exists(user + u"/Images/Angles/coin.png"_s));
    QVERIFY(!QFile::exists(user + u"/licence.rtf"_s));
    QCOMPARE(read(user, u"Images/Angles/nouveau.png"_s), QByteArray("new"));
    QVERIFY(folder.copiedFiles().contains(u"Images/Angles/nouveau.png"_s));
    QCOMPARE(folder.copiedFiles().size(), 5);
}

void TestUserAppFolder::unwritableFolderAndReadOnlyFiles()
{
    Installed installed;
    QVERIFY(installed.ok);
    // Installed files are often read-only; the user's copies are writable.
    const QString source = installed.data() + u"/formats.ini"_s;
    QVERIFY(QFile::setPermissions(source, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    TestSupport::TempAppDir home;
    const QString user = home.filePath(u"Brivadune"_s);
    QVERIFY(UserAppFolder(installed.data(), user).fill());
    QVERIFY(QFileInfo(user + u"/formats.ini"_s).permissions().testFlag(QFile::WriteOwner));

    // A folder that cannot be made: false, and nothing is listed.
    QVERIFY(TestSupport::writeBytes(home.filePath(u"fichier"_s), "x"));
    UserAppFolder blocked(installed.data(), home.filePath(u"fichier/Brivadune"_s));
    QVERIFY(!blocked.fill());
    QVERIFY(blocked.copiedFiles().isEmpty());
}

void TestUserAppFolder::installedProgramUsesTheUsersFolder()
{
    Installed installed;
    QVERIFY(installed.ok);
    TestSupport::TempAppDir home;
    const QByteArray savedHome = qgetenv("HOME");
    qunsetenv("BRIVADUNE_HOME");

    // XDG_DATA_HOME names the user's data; a relative one is ignored.
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(u"donnees"_s)));
    QStringList args{u"a.prj"_s};
    QCOMPARE(AppPaths::resolveAppDir(args, installed.bin()), home.filePath(u"donnees/Brivadune"_s));
    QCOMPARE(read(home.filePath(u"donnees/Brivadune"_s), u"formats.ini"_s), QByteArray("A | 1.2.3.4.5.6\r\n"));
    qputenv("XDG_DATA_HOME", "relatif");
    qputenv("HOME", QFile::encodeName(home.path()));
    QCOMPARE(UserAppFolder::defaultPath(), home.filePath(u".local/share/Brivadune"_s));
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(AppPaths::resolveAppDir(args, installed.bin()), home.filePath(u".local/share/Brivadune"_s));
    QVERIFY(QFile::exists(home.filePath(u".local/share/Brivadune/Aide/index.html"_s)));

    // A folder named on the command line is used as it is, never filled.
    TestSupport::TempAppDir chosen;
    args = QStringList{u"--app-dir"_s, chosen.path()};
    QCOMPARE(AppPaths::resolveAppDir(args, installed.bin()), chosen.path());
    QVERIFY(QDir(chosen.path()).isEmpty());
    // A build folder has no share/brivadune beside it.
    QCOMPARE(AppPaths::installedDataDir(chosen.path()), QString());
    qputenv("HOME", savedHome);
}

QTEST_MAIN(TestUserAppFolder)
#include "tst_userappfolder.moc"
