#include "platform/AppPaths.h"

#include <QDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestAppPaths : public QObject {
    Q_OBJECT

private slots:
    void joining();
    void resolution();
};

void TestAppPaths::joining()
{
    QCOMPARE(AppPaths::join(u"/opt/app"_s, u"\\formats.ini"_s), u"/opt/app/formats.ini"_s);
    QCOMPARE(AppPaths::join(u"/opt/app/"_s, u"\\Images\\Images de fond\\"_s), u"/opt/app/Images/Images de fond/"_s);
    QCOMPARE(AppPaths::join(u"/opt/app//"_s, u"\\\\Tempo.bmp"_s), u"/opt/app/Tempo.bmp"_s);
    QCOMPARE(AppPaths::join(u"/"_s, u"\\Projets"_s), u"/Projets"_s);
    QCOMPARE(AppPaths::join(u"/opt/app"_s, QString()), u"/opt/app"_s);
}

void TestAppPaths::resolution()
{
    // The command line comes first, then BRIVADUNE_HOME, then the
    // executable's folder; the option is taken out of the arguments.
    qputenv("BRIVADUNE_HOME", "/home/u/cartes");
    QStringList args{"Brivadune", "--app-dir", "/tmp/x/../cartes", "a.prj"};
    QCOMPARE(AppPaths::resolveAppDir(args, u"/opt/nowhere/bin"_s), u"/tmp/cartes"_s);
    QCOMPARE(args, (QStringList{"Brivadune", "a.prj"}));
    args = QStringList{"Brivadune", "--app-dir=/srv/b/"};
    QCOMPARE(AppPaths::resolveAppDir(args, u"/opt/nowhere/bin"_s), u"/srv/b"_s);
    QCOMPARE(args, QStringList{"Brivadune"});
    QCOMPARE(AppPaths::resolveAppDir(args, u"/opt/nowhere/bin"_s), u"/home/u/cartes"_s);

    // A dangling option is removed and names no folder.
    qunsetenv("BRIVADUNE_HOME");
    args = QStringList{"Brivadune", "--app-dir"};
    QCOMPARE(AppPaths::resolveAppDir(args, u"/opt/nowhere/bin"_s), u"/opt/nowhere/bin"_s);
    QCOMPARE(args, QStringList{"Brivadune"});
    // A relative folder becomes absolute.
    args = QStringList{"Brivadune", "--app-dir=rel"};
    QCOMPARE(AppPaths::resolveAppDir(args, u"/opt/nowhere/bin"_s), QDir::cleanPath(QDir::currentPath() + u"/rel"_s));
}

QTEST_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
