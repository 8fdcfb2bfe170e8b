// Installing under a prefix and running the installed program as a user
// whose home is new: the first start fills the user's folder, later starts
// keep what the user edited or deleted, the installed files stay as they
// were installed.
#include "PackagingTest.h"

#include "TestSupport.h"
#include "platform/UserAppFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace PackagingTest;

namespace {

// Every file under `root`, relative, sorted.
QStringList filesUnder(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class tst_install : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void layout();
    void firstAndLaterStarts();

private:
    // Starts the installed program for one home; it quits once up.
    Run startInstalled(const QStringList &args);

    TestSupport::TempAppDir m_prefix;
    TestSupport::TempAppDir m_home;
};

void tst_install::initTestCase()
{
    const Run install =
        run(qEnvironmentVariable("CMAKE_COMMAND"), {u"--install"_s, buildDir(), u"--prefix"_s, m_prefix.path()});
    QVERIFY2(install.ok(), qPrintable(install.said()));
}

void tst_install::layout()
{
    const QDir prefix(m_prefix.path());
    const QFileInfo program(prefix.filePath(u"bin/brivadune"_s));
    QVERIFY(program.isFile() && program.isExecutable());
    QCOMPARE(QDir(prefix.filePath(u"bin"_s)).entryList(QDir::Files), QStringList{u"brivadune"_s});

    // Every supplied file of data/ and of the built help, and nothing a
    // run leaves in an application folder.
    const QString data = prefix.filePath(u"share/brivadune"_s);
    const QStringList installed = filesUnder(data);
    QStringList supplied = filesUnder(sourceDir() + u"/data"_s);
    for (const QString &page : filesUnder(qEnvironmentVariable("BRIVADUNE_APP_BUILD_DIR") + u"/Aide"_s))
        supplied << u"Aide/"_s + page;
    QVERIFY(supplied.size() > 50);
    for (const QString &file : std::as_const(supplied))
        QVERIFY2(installed.contains(file), qPrintable(file));
    for (const QString &file : installed)
        QVERIFY2(supplied.contains(file) || file == u"Aide.chm"_s, qPrintable(file));
    // The help with the pages the dialogs' "Aide" buttons and the about box
    // open.
    for (const char *file : {"formats.ini", "licence.rtf", "historique.rtf", "resources/click.wav", "Aide.chm",
                             "Aide/index.html", "Aide/apropos.html", "Aide/assistant.html", "Aide/editeur.html",
                             "Aide/redimensionner.html", "Aide/style.css"})
        QVERIFY2(installed.contains(QString::fromLatin1(file)), file);

    // The desktop's files.
    for (const QString &file : {u"share/applications/"_s + appId() + u".desktop"_s,
                                u"share/metainfo/"_s + appId() + u".metainfo.xml"_s,
                                u"share/mime/packages/"_s + appId() + u".xml"_s,
                                u"share/icons/hicolor/scalable/apps/"_s + appId() + u".svg"_s,
                                u"share/doc/brivadune/copyright"_s})
        QVERIFY2(QFileInfo(prefix.filePath(file)).isFile(), qPrintable(file));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(prefix.filePath(u"share/icons/hicolor/%1x%1/apps/"_s.arg(size) + appId() + u".png"_s));
        QCOMPARE(icon.size(), QSize(size, size));
    }
}

Run tst_install::startInstalled(const QStringList &args)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_s, m_home.path());
    env.remove(u"XDG_DATA_HOME"_s);
    env.remove(u"BRIVADUNE_HOME"_s);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"BRIVADUNE_AUTO_ANSWER"_s, u"1"_s);
    return run(m_prefix.filePath(u"bin/brivadune"_s), QStringList{u"--report-startup"_s} + args, 60000, env);
}

void tst_install::firstAndLaterStarts()
{
    const QString user = m_home.filePath(u".local/share/Brivadune"_s);
    const QString data = m_prefix.filePath(u"share/brivadune"_s);
    const QStringList installedBefore = filesUnder(data);
    const QString project = m_home.filePath(u"Carte.prj"_s);
    QVERIFY(QFile::copy(qEnvironmentVariable("BRIVADUNE_TEST_DATA") + u"/projects/example.prj"_s, project));

    // First start, with a project: the user's folder is made and filled.
    Run first = startInstalled({project});
    QVERIFY2(first.ok() && first.out.startsWith(u"startup_ms="_s), qPrintable(first.said()));
    QVERIFY2(!first.err.contains(u"ne peut pas être ouvert"_s), qPrintable(first.err));
    for (const QString &file : installedBefore)
        QVERIFY2(QFile::exists(user + u'/' + file), qPrintable(file));
    QVERIFY(QFileInfo(user + u"/Projets"_s).isDir());
    QVERIFY(QFile::exists(user + u'/' + UserAppFolder::listName()));

    // The user edits the formats and deletes the licence; a later version
    // brings a new picture and a changed history.
    QVERIFY(TestSupport::writeBytes(user + u"/formats.ini"_s, "Mon format | 1.2.3.4.5.6\r\n"));
    QVERIFY(QFile::remove(user + u"/licence.rtf"_s));
    QVERIFY(TestSupport::writeBytes(data + u"/Images/Angles/Nouvel angle.png"_s, "png"));
    QVERIFY(TestSupport::writeBytes(data + u"/historique.rtf"_s, "{\\rtf1 nouveau}"));
    const QByteArray history = TestSupport::readBytes(user + u"/historique.rtf"_s);

    // A later start, with a file that does not exist (which it reports).
    Run later = startInstalled({m_home.filePath(u"absent.prj"_s)});
    QVERIFY2(later.ok(), qPrintable(later.said()));
    QVERIFY2(later.err.contains(u"absent.prj\" ne peut pas être ouvert."_s), qPrintable(later.err));
    QCOMPARE(TestSupport::readBytes(user + u"/formats.ini"_s), QByteArray("Mon format | 1.2.3.4.5.6\r\n"));
    QVERIFY(!QFile::exists(user + u"/licence.rtf"_s));
    QCOMPARE(TestSupport::readBytes(user + u"/historique.rtf"_s), history);
    QCOMPARE(TestSupport::readBytes(user + u"/Images/Angles/Nouvel angle.png"_s), QByteArray("png"));

    // Nothing was written among the installed files.
    QStringList installedAfter = installedBefore;
    installedAfter << u"Images/Angles/Nouvel angle.png"_s;
    installedAfter.sort();
    QCOMPARE(filesUnder(data), installedAfter);
}

QTEST_MAIN(tst_install)
#include "tst_install.moc"
