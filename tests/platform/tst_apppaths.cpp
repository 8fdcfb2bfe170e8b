#include "platform/AppPaths.h"

#include <QDir>
#include <QtTest>

class TestAppPaths : public QObject {
    Q_OBJECT

private slots:
    void joining_data();
    void joining();
    void resolution();
};

void TestAppPaths::joining_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("file") << "/opt/app" << "\\formats.ini" << "/opt/app/formats.ini";
    QTest::newRow("folder slash") << "/opt/app/" << "\\Projets" << "/opt/app/Projets";
    QTest::newRow("trailing backslash") << "/opt/app" << "\\Images\\Images de fond\\" << "/opt/app/Images/Images de fond/";
    QTest::newRow("no leading separator") << "/opt/app" << "Aide.chm" << "/opt/app/Aide.chm";
    QTest::newRow("doubled") << "/opt/app//" << "\\\\Tempo.bmp" << "/opt/app/Tempo.bmp";
    QTest::newRow("relative resources") << "/opt/app" << ".\\resources\\over.wav" << "/opt/app/./resources/over.wav";
    QTest::newRow("root folder") << "/" << "\\Projets" << "/Projets";
    QTest::newRow("empty name") << "/opt/app" << "" << "/opt/app";
}

void TestAppPaths::joining()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(AppPaths::join(folder, name), expected);
}

void TestAppPaths::resolution()
{
    qunsetenv("BRIVADUNE_HOME");
    QStringList args{"Brivadune", "--app-dir", "/tmp/x/../cartes", "a.prj"};
    QCOMPARE(AppPaths::resolveAppDir(args, "/usr/bin"), QStringLiteral("/tmp/cartes"));
    QCOMPARE(args, (QStringList{"Brivadune", "a.prj"}));

    args = QStringList{"Brivadune", "--app-dir=/srv/b/", "b.prj"};
    QCOMPARE(AppPaths::resolveAppDir(args, "/usr/bin"), QStringLiteral("/srv/b"));
    QCOMPARE(args, (QStringList{"Brivadune", "b.prj"}));

    // A dangling option is removed and names no folder.
    args = QStringList{"Brivadune", "--app-dir"};
    QCOMPARE(AppPaths::resolveAppDir(args, "/usr/bin"), QStringLiteral("/usr/bin"));
    QCOMPARE(args, QStringList{"Brivadune"});

    // The environment comes after the command line, before the executable's folder.
    qputenv("BRIVADUNE_HOME", "/home/u/cartes");
    args = QStringList{"Brivadune"};
    QCOMPARE(AppPaths::resolveAppDir(args, "/usr/bin"), QStringLiteral("/home/u/cartes"));
    args = QStringList{"Brivadune", "--app-dir", "/a"};
    QCOMPARE(AppPaths::resolveAppDir(args, "/usr/bin"), QStringLiteral("/a"));
    qunsetenv("BRIVADUNE_HOME");

    // A relative folder becomes absolute.
    args = QStringList{"Brivadune", "--app-dir=rel"};
    QCOMPARE(AppPaths::resolveAppDir(args, "/usr/bin"), QDir::cleanPath(QDir::currentPath() + "/rel"));
}

QTEST_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
