// Which help opens and with which program, and how the desktop is asked
// for the program of compiled help files.
#include "platform/HelpOpener.h"
#include "platform/Shell.h"

#include "TestSupport.h"

#include <QFile>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A desktop with a chosen program for compiled help (none when empty) that
// keeps what it is asked to open.
struct FakeDesktop : Shell {
    QString chmProgram;
    QStringList askedTypes;
    QStringList opened;
    QStringList browsed;
    bool open(const QString &target) override { opened << target; return true; }
    bool openInBrowser(const QString &target) override { browsed << target; return true; }
    QString defaultProgramFor(const QString &mimeType) override
    {
        askedTypes << mimeType;
        return chmProgram;
    }
};

// A folder on PATH holding a stand-in `xdg-mime` script.
struct FakeXdgMime {
    explicit FakeXdgMime(const QByteArray &body)
    {
        const QString script = dir.filePath(u"xdg-mime"_s);
        ok = TestSupport::writeBytes(script, "#!/bin/sh\n" + body + "\n")
             && QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()) + ':' + savedPath);
    }
    ~FakeXdgMime() { qputenv("PATH", savedPath); }
    TestSupport::TempAppDir dir;
    QByteArray savedPath;
    bool ok = false;
};

} // namespace

class TestHelpOpener : public QObject {
    Q_OBJECT

private slots:
    void compiledHelpWhenTheDesktopHasAViewer();
    void pagesInTheBrowserOtherwise();
    void aboutPage();
    void desktopAnswersFromXdgMime();
};

void TestHelpOpener::compiledHelpWhenTheDesktopHasAViewer()
{
    TestSupport::TempAppDir app;
    QVERIFY(app.writeFile(u"Aide.chm"_s, "ITSF"));
    QVERIFY(app.writeFile(u"Aide/index.html"_s, "<html>"));
    FakeDesktop desktop;
    desktop.chmProgram = u"xchm.desktop"_s;
    HelpOpener help(desktop);
    help.openHelp(app.path(), u"editeur"_s);
    QCOMPARE(desktop.askedTypes, QStringList{u"application/vnd.ms-htmlhelp"_s});
    QCOMPARE(desktop.opened, QStringList{app.filePath(u"Aide.chm"_s)});
    QVERIFY(desktop.browsed.isEmpty());

    // A viewer but no compiled help: the pages.
    QVERIFY(QFile::remove(app.filePath(u"Aide.chm"_s)));
    const HelpOpener::Target target = help.helpTarget(app.path());
    QCOMPARE(target.path, app.filePath(u"Aide/index.html"_s));
    QCOMPARE(target.program, HelpOpener::Program::Browser);
}

void TestHelpOpener::pagesInTheBrowserOtherwise()
{
    TestSupport::TempAppDir app;
    QVERIFY(app.writeFile(u"Aide.chm"_s, "ITSF"));
    QVERIFY(app.writeFile(u"Aide/index.html"_s, "<html>"));
    QVERIFY(app.writeFile(u"Aide/editeur.html"_s, "<html>"));
    FakeDesktop desktop;
    HelpOpener help(desktop);

    // A dialog's own page when it exists, the index otherwise; a topic is
    // a page name, never a path out of the help.
    help.openHelp(app.path(), u"editeur"_s);
    help.openHelp(app.path(), u"redimensionner"_s);
    help.openHelp(app.path(), u"../Aide"_s);
    help.openHelp(app.path());
    QCOMPARE(desktop.browsed, QStringList({app.filePath(u"Aide/editeur.html"_s), app.filePath(u"Aide/index.html"_s),
                                           app.filePath(u"Aide/index.html"_s), app.filePath(u"Aide/index.html"_s)}));
    QVERIFY(desktop.opened.isEmpty());

    // No help at all: the help file as before, which says nothing.
    TestSupport::TempAppDir empty;
    help.openHelp(empty.path());
    QCOMPARE(desktop.opened, QStringList{empty.filePath(u"Aide.chm"_s)});
}

void TestHelpOpener::aboutPage()
{
    FakeDesktop desktop;
    desktop.chmProgram = u"xchm.desktop"_s;
    HelpOpener(desktop).openAboutPage(u"/opt/cartes/"_s);
    QCOMPARE(desktop.browsed, QStringList{u"/opt/cartes/Aide/apropos.html"_s});
    QVERIFY(desktop.opened.isEmpty());
}

void TestHelpOpener::desktopAnswersFromXdgMime()
{
    DesktopShell shell;
    {
        // The query and the type reach xdg-mime; its one line is the answer.
        FakeXdgMime xdg("[ \"$1 $2 $3\" = \"query default application/vnd.ms-htmlhelp\" ] && echo ' xchm.desktop '");
        QVERIFY(xdg.ok);
        QCOMPARE(shell.defaultProgramFor(HelpOpener::chmMimeType()), u"xchm.desktop"_s);
        QCOMPARE(shell.defaultProgramFor(u"text/x-autre"_s), QString());
    }
    {
        // Nothing registered: xdg-mime prints nothing.
        FakeXdgMime xdg("exit 0");
        QVERIFY(xdg.ok);
        QCOMPARE(shell.defaultProgramFor(HelpOpener::chmMimeType()), QString());
    }
    {
        // A failing xdg-mime tells nothing either.
        FakeXdgMime xdg("echo broken; exit 4");
        QVERIFY(xdg.ok);
        QCOMPARE(shell.defaultProgramFor(HelpOpener::chmMimeType()), QString());
    }
    {
        // Without xdg-mime at all.
        const QByteArray saved = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        QCOMPARE(shell.defaultProgramFor(HelpOpener::chmMimeType()), QString());
        qputenv("PATH", saved);
    }
}

QTEST_MAIN(TestHelpOpener)
#include "tst_helpopener.moc"
