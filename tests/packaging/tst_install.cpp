// Installing under a prefix and running the installed program as a user
// whose home is new: the first start fills the user's folder, the installed
// files stay as they were installed; the desktop entry, the AppStream
// metadata and the project MIME type: valid, and agreeing with each other.
#include "PackagingTest.h"

#include "Metafiles.h"
#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QRegularExpression>
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
    void firstStart();
    void desktopFiles();
    void metafilesReadByTheInstalledHelper();

private:
    Run startInstalled(const QStringList &args, bool reportStartup = true);

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
    QVERIFY(QFileInfo(prefix.filePath(u"bin/brivadune"_s)).isExecutable());
    QCOMPARE(QDir(prefix.filePath(u"bin"_s)).entryList(QDir::Files), QStringList{u"brivadune"_s});
    QVERIFY(QFileInfo(prefix.filePath(u"lib/brivadune/brivadune-metafile"_s)).isExecutable());

    const QString data = prefix.filePath(u"share/brivadune"_s);
    const QStringList installed = filesUnder(data);
    QStringList supplied = filesUnder(sourceDir() + u"/data"_s);
    for (const QString &page : filesUnder(qEnvironmentVariable("BRIVADUNE_APP_BUILD_DIR") + u"/Aide"_s))
        supplied << u"Aide/"_s + page;
    supplied << u"Aide.chm"_s;
    supplied.sort();
    QCOMPARE(installed, supplied);

    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QCOMPARE(QImage(prefix.filePath(u"share/icons/hicolor/%1x%1/apps/"_s.arg(size) + appId() + u".png"_s)).size(), QSize(size, size));

    // The manual page formats without a warning and gives every form of the command.
    const QString manpage = prefix.filePath(u"share/man/man1/brivadune.1.gz"_s);
    QVERIFY(QFile::exists(manpage));
    if (QStandardPaths::findExecutable(u"man"_s).isEmpty())
        QSKIP("man is not installed (scripts/deps.sh installs man-db): the manual page is not checked");
    const Run man = run(u"man"_s, {u"--warnings"_s, u"-l"_s, manpage});
    QVERIFY2(man.ok() && man.err.isEmpty(), qPrintable(man.err));
    for (const QString &form : {u"--export SORTIE"_s, u"--print-pdf SORTIE.pdf --merge LISTE [--copies N]"_s,
                                u"BRIVADUNE_HOME"_s, u"Brivadune.ini"_s})
        QVERIFY2(man.out.contains(form), qPrintable(form));
}

Run tst_install::startInstalled(const QStringList &args, bool reportStartup)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"XDG_DATA_HOME"_s, u"BRIVADUNE_HOME"_s})
        env.remove(name);
    for (const auto &[name, value] : {std::pair(u"HOME"_s, m_home.path()), std::pair(u"QT_QPA_PLATFORM"_s, u"offscreen"_s),
                                      std::pair(u"BRIVADUNE_AUTO_ANSWER"_s, u"1"_s)})
        env.insert(name, value);
    return run(m_prefix.filePath(u"bin/brivadune"_s), reportStartup ? QStringList{u"--report-startup"_s} + args : args,
               60000, env);
}

void tst_install::firstStart()
{
    const QString user = m_home.filePath(u".local/share/Brivadune"_s);
    const QString data = m_prefix.filePath(u"share/brivadune"_s);
    const QStringList installedBefore = filesUnder(data);
    const QString project = m_home.filePath(u"Carte.prj"_s);
    QVERIFY(QFile::copy(qEnvironmentVariable("BRIVADUNE_TEST_DATA") + u"/projects/example.prj"_s, project));

    const Run first = startInstalled({project});
    QVERIFY2(first.ok() && first.out.startsWith(u"startup_ms="_s) && !first.err.contains(u"ne peut pas"_s),
             qPrintable(first.said()));
    for (const QString &file : installedBefore)
        QVERIFY2(QFile::exists(user + u'/' + file), qPrintable(file));
    QVERIFY(QFile::exists(user + u"/.fichiers-installes"_s));
    // Projects go among the user's documents, in a folder made at the first
    // save, not in the hidden one.
    QVERIFY(!QFile::exists(user + u"/Projets"_s) && !QFile::exists(m_home.filePath(u"Documents/Cartes de visite"_s)));

    QCOMPARE(filesUnder(data), installedBefore);
}

void tst_install::desktopFiles()
{
    const QDir share(m_prefix.filePath(u"share"_s));
    const QString entry = share.filePath(u"applications/"_s + appId() + u".desktop"_s);
    Run check = run(u"desktop-file-validate"_s, {entry});
    QVERIFY2(check.ok() && check.said().trimmed().isEmpty(), qPrintable(check.said()));
    const QByteArray desktop = TestSupport::readBytes(entry);
    QVERIFY(desktop.contains("\nExec=brivadune %F\n") && desktop.contains("\nIcon=" + appId().toUtf8() + '\n')
            && desktop.contains("\nMimeType=application/x-brivadune-projet;\n"));
    // The AppStream metadata launches that entry, in the version built.
    const QString metainfo = share.filePath(u"metainfo/"_s + appId() + u".metainfo.xml"_s);
    check = run(u"appstreamcli"_s, {u"validate"_s, u"--no-net"_s, u"--explain"_s, metainfo});
    const QByteArray xml = TestSupport::readBytes(metainfo);
    QVERIFY2(check.ok(), qPrintable(check.said()));
    QVERIFY(xml.contains("<launchable type=\"desktop-id\">" + appId().toUtf8() + ".desktop</launchable>")
            && xml.contains("<release version=\"" + qEnvironmentVariable("BRIVADUNE_VERSION").toUtf8() + "\"")
            && xml.contains("<mediatype>application/x-brivadune-projet</mediatype>"));
    // A release for every version of the history; screenshots of the help's,
    // made from the program.
    QCOMPARE(xml.count("<release "), TestSupport::readBytes(sourceDir() + u"/data/historique.rtf"_s).count("\\b Version "));
    static const QRegularExpression image(u"<image>[^<]*/([^/<]+)</image>"_s);
    int shots = 0;
    for (auto it = image.globalMatch(QString::fromUtf8(xml)); it.hasNext(); ++shots)
        QVERIFY(QFile::exists(sourceDir() + u"/help/images/"_s + it.next().captured(1)));
    QVERIFY(shots >= 2);
    // The shared MIME database built from the installed type tells a card
    // project from a GIS projection file of the same extension by content.
    check = run(u"update-mime-database"_s, {share.filePath(u"mime"_s)});
    QVERIFY2(check.ok(), qPrintable(check.said()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"XDG_CURRENT_DESKTOP"_s);
    env.insert(u"XDG_DATA_HOME"_s, share.path());
    env.insert(u"XDG_DATA_DIRS"_s, share.path() + u":/usr/share"_s);
    const QString card = m_home.filePath(u"carte.prj"_s), gis = m_home.filePath(u"shape.prj"_s);
    QVERIFY(QFile::copy(qEnvironmentVariable("BRIVADUNE_TEST_DATA") + u"/projects/utf8.prj"_s, card)
            && TestSupport::writeBytes(gis, "PROJCS[\"WGS_1984_UTM_Zone_31N\",GEOGCS[\"GCS_WGS_1984\"]]\n"));
    for (const auto &[file, type] : {std::pair(card, u"application/x-brivadune-projet"_s), std::pair(gis, u"text/plain"_s)}) {
        check = run(u"xdg-mime"_s, {u"query"_s, u"filetype"_s, file}, 30000, env);
        QVERIFY2(check.ok() && check.out.trimmed() == type, qPrintable(file + u": "_s + check.said()));
    }
}

void tst_install::metafilesReadByTheInstalledHelper()
{
    // A card whose only item is a red WMF logo, exported by the installed
    // program: the logo is there, so the program found its helper.
    const QString project = Metafiles::writeProject(m_home.path());
    const QString bmp = m_home.filePath(u"metafichier.bmp"_s);
    const Run exported = startInstalled({u"--export"_s, bmp, project}, false);
    QVERIFY2(exported.ok(), qPrintable(exported.said()));
    QCOMPARE(TestSupport::pixel(QImage(bmp), 38, 38), Colors::rgb(255, 0, 0));
}

QTEST_MAIN(tst_install)
#include "tst_install.moc"
