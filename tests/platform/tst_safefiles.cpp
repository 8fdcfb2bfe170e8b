// Reading what a user names without blocking or running out of memory, and
// writing a file so that it is either fully replaced or left as it was.
#include "platform/AtomicFile.h"
#include "platform/GuardedFile.h"
#include "platform/ProfileFile.h"

#include "TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <utime.h>

using namespace Qt::StringLiterals;
using TestSupport::TempAppDir;

namespace {

int failingSync(int)
{
    errno = EIO;
    return -1;
}

// The names in `dir` that look like a temporary copy of this program.
QStringList tempCopies(const TempAppDir &dir)
{
    return QDir(dir.path()).entryList({u".*"_s + AtomicFile::tempTag() + u"*"_s}, QDir::Files | QDir::Hidden);
}

void age(const QString &path, qint64 seconds)
{
    const time_t when = QDateTime::currentSecsSinceEpoch() - seconds;
    const utimbuf times{when, when};
    QCOMPARE(::utime(QFile::encodeName(path).constData(), &times), 0);
}

} // namespace

class TestSafeFiles : public QObject {
    Q_OBJECT
private slots:
    void refusesWhatIsNotARegularFile();
    void capsTheSize();
    void failedFlushFailsTheSave();
    void keepsLinksAndPermissions();
    void removesOnlyItsOwnOldCopies();
};

void TestSafeFiles::refusesWhatIsNotARegularFile()
{
    TempAppDir dir;
    const QString fifo = dir.filePath(u"tube.prj"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A pipe with no writer answers at once instead of waiting for one; a
    // device is never read whole.
    const QList<std::pair<QString, GuardedFile::Error>> rows = {
        {fifo, GuardedFile::Error::NotRegular},
        {u"/dev/zero"_s, GuardedFile::Error::NotRegular},
        {dir.path(), GuardedFile::Error::NotRegular},
        {dir.filePath(u"absent.prj"_s), GuardedFile::Error::Missing},
        {QString(), GuardedFile::Error::Missing},
    };
    for (const auto &[path, error] : rows) {
        QCOMPARE(GuardedFile::read(path, GuardedFile::TextCap).error, error);
        ProfileFile profile;
        QVERIFY(!profile.load(path));
        QCOMPARE(profile.loadError(), error);
        QVERIFY(profile.sections().isEmpty());
    }
    QCOMPARE(GuardedFile::message(GuardedFile::Error::NotRegular, u"tube.prj"_s),
             u"\"tube.prj\" n'est pas un fichier ordinaire : il ne peut pas être ouvert."_s);
    // A missing file is an empty profile that "existed" not; a present one
    // reads.
    QVERIFY(dir.writeFile(u"p.ini"_s, "[S]\r\nk=v\r\n"));
    ProfileFile present;
    QVERIFY(present.load(dir.filePath(u"p.ini"_s)));
    QCOMPARE(present.loadError(), GuardedFile::Error::None);
    QCOMPARE(present.readString(u"S"_s, u"k"_s), u"v"_s);
}

void TestSafeFiles::capsTheSize()
{
    TempAppDir dir;
    QVERIFY(dir.writeFile(u"big.ini"_s, QByteArray(1000, 'x')));
    const QString path = dir.filePath(u"big.ini"_s);
    QCOMPARE(GuardedFile::read(path, 999).error, GuardedFile::Error::TooLarge);
    const GuardedFile::Result whole = GuardedFile::read(path, 1000);
    QVERIFY(whole.ok());
    QCOMPARE(whole.bytes.size(), 1000);
    // The head of any regular file, however large.
    QCOMPARE(GuardedFile::readHead(path, 10).bytes, QByteArray(10, 'x'));
    QCOMPARE(GuardedFile::readHead(u"/dev/zero"_s, 10).error, GuardedFile::Error::NotRegular);
    // A sparse file past the text cap is refused before anything is read.
    QFile sparse(dir.filePath(u"sparse.prj"_s));
    QVERIFY(sparse.open(QIODevice::WriteOnly));
    QVERIFY(sparse.resize(GuardedFile::TextCap + 1));
    sparse.close();
    ProfileFile profile;
    QVERIFY(!profile.load(sparse.fileName()));
    QCOMPARE(profile.loadError(), GuardedFile::Error::TooLarge);
}

void TestSafeFiles::failedFlushFailsTheSave()
{
    TempAppDir dir;
    QVERIFY(dir.writeFile(u"Carte.prj"_s, "[FORMAT]\r\nLongueur=4762\r\n"));
    ProfileFile profile(dir.filePath(u"Carte.prj"_s));
    profile.writeString(u"FORMAT"_s, u"Longueur"_s, u"100"_s);

    // A disk that takes the bytes but fails to flush them: the save fails,
    // the old file stays and no copy is left behind.
    AtomicFile::setSyncFunction(failingSync);
    const bool saved = profile.save();
    AtomicFile::setSyncFunction(nullptr);
    QVERIFY(!saved);
    QCOMPARE(dir.readFile(u"Carte.prj"_s), QByteArray("[FORMAT]\r\nLongueur=4762\r\n"));
    QVERIFY(tempCopies(dir).isEmpty());

    QVERIFY(profile.save());
    QCOMPARE(dir.readFile(u"Carte.prj"_s), QByteArray("[FORMAT]\r\nLongueur=100\r\n"));
    QVERIFY(tempCopies(dir).isEmpty());
}

void TestSafeFiles::keepsLinksAndPermissions()
{
    TempAppDir dir;
    QVERIFY(dir.writeFile(u"vrai/Carte.prj"_s, "ancien"));
    const QString real = dir.filePath(u"vrai/Carte.prj"_s);
    QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    const QString link = dir.filePath(u"lien.prj"_s);
    QVERIFY(QFile::link(real, link));

    QVERIFY(AtomicFile::write(link, "nouveau"));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(dir.readFile(u"vrai/Carte.prj"_s), QByteArray("nouveau"));
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(real).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0600));
    // A folder that does not exist: nothing written, nothing left.
    QVERIFY(!AtomicFile::write(dir.filePath(u"absent/x.prj"_s), "x"));
}

void TestSafeFiles::removesOnlyItsOwnOldCopies()
{
    TempAppDir dir;
    const QString tag = AtomicFile::tempTag();
    const QString old = u".Carte.prj"_s + tag + u"a1b2c3"_s;
    const QString recent = u".Carte.prj"_s + tag + u"d4e5f6"_s;
    // Names a user or another program may have made.
    const QStringList others = {u"Carte.prj.backup"_s, u"Carte.prj.a1b2c3"_s, u".Carte.prj.swp"_s,
                                u".Carte.prj"_s + tag + u"trop-long"_s};
    for (const QString &name : QStringList{old, recent} + others) {
        QVERIFY(dir.writeFile(name, "x"));
        age(dir.filePath(name), name == recent ? 3600 : 2 * 24 * 3600);
    }
    // A copy left by a crash, a day old, goes when a project beside it is
    // saved; a recent one may belong to a save under way.
    QVERIFY(AtomicFile::write(dir.filePath(u"Autre.prj"_s), "y"));
    QVERIFY(!QFile::exists(dir.filePath(old)));
    QVERIFY(QFile::exists(dir.filePath(recent)));
    for (const QString &name : others)
        QVERIFY2(QFile::exists(dir.filePath(name)), qPrintable(name));
}

QTEST_MAIN(TestSafeFiles)
#include "tst_safefiles.moc"
