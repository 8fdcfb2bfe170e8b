// The Debian package: what it installs and what it depends on. It checks
// the one package in the folder BRIVADUNE_DEB_DIR (where the build's "deb"
// target puts it), or builds one from the build folder with CPack.
#include "PackagingTest.h"

#include "TestSupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace PackagingTest;

class tst_package : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fileList();
    void control();
    void lintian();

private:
    QString field(const QString &name);

    TestSupport::TempAppDir m_out;
    QString m_deb;
    QStringList m_files;
};

void tst_package::initTestCase()
{
    QString folder = qEnvironmentVariable("BRIVADUNE_DEB_DIR");
    if (folder.isEmpty()) {
        folder = m_out.path();
        const Run cpack = run(qEnvironmentVariable("CPACK_COMMAND"),
                              {u"-G"_s, u"DEB"_s, u"--config"_s, buildDir() + u"/CPackConfig.cmake"_s, u"-B"_s, folder},
                              300000);
        QVERIFY2(cpack.ok(), qPrintable(cpack.said()));
    }
    const QStringList debs = QDir(folder).entryList({u"brivadune_*.deb"_s}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    m_deb = QDir(folder).filePath(debs.first());
    const Run list = run(u"dpkg-deb"_s, {u"--contents"_s, m_deb});
    QVERIFY2(list.ok(), qPrintable(list.said()));
    static const QRegularExpression entry(u"^\\S+ (\\S+)\\s+\\d+ \\S+ \\S+ \\./(.*?)(?: -> .*)?$"_s);
    for (const QString &line : list.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = entry.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QCOMPARE(match.captured(1), u"root/root"_s);
        if (!match.captured(2).endsWith(u'/'))
            m_files << match.captured(2);
    }
}

void tst_package::fileList()
{
    const QString id = appId();
    for (const QString &file : {
             u"usr/bin/brivadune"_s,
             u"usr/share/brivadune/formats.ini"_s,
             u"usr/share/brivadune/Aide.chm"_s,
             u"usr/share/applications/"_s + id + u".desktop"_s,
             u"usr/share/mime/packages/"_s + id + u".xml"_s,
             u"usr/share/icons/hicolor/48x48/apps/"_s + id + u".png"_s,
             u"usr/share/doc/brivadune/copyright"_s,
             u"usr/share/man/man1/brivadune.1.gz"_s,
             u"usr/share/doc/brivadune/changelog.Debian.gz"_s,
         })
        QVERIFY2(m_files.contains(file), qPrintable(file));
    QVERIFY(m_files.filter(u"usr/share/brivadune/Images/Angles/"_s).size() >= 32);
    // Only what belongs under /usr, and nothing a run leaves behind.
    static const QRegularExpression stray(u"Brivadune\\.ini|Tempo\\.bmp|Projets/|usr/bin/Brivadune|\\.fichiers-installes"_s);
    for (const QString &file : std::as_const(m_files))
        QVERIFY2(file.startsWith(u"usr/"_s) && !file.contains(stray), qPrintable(file));
}

QString tst_package::field(const QString &name)
{
    return run(u"dpkg-deb"_s, {u"--field"_s, m_deb, name}).out.trimmed();
}

void tst_package::control()
{
    QCOMPARE(field(u"Package"_s) + u' ' + field(u"Version"_s), u"brivadune "_s + qEnvironmentVariable("BRIVADUNE_VERSION") + u"-1"_s);
    const QString depends = field(u"Depends"_s);
    for (const char *library : {"libqt6widgets6", "libqt6printsupport6", "libqt6multimedia6", "libqt6network6",
                                "libqt6svg6", "libsane1", "libcups2", "qt6-translations-l10n", "xdg-utils", "libwmf-0.2-7",
                                "libemf2svg1"})
        QVERIFY2(depends.contains(QRegularExpression(u"(^|, )"_s + QString::fromLatin1(library) + u"( |,|$)"_s)),
                 qPrintable(depends));
    QStringList names = depends.split(u", "_s);
    for (QString &entry : names)
        entry = entry.section(u' ', 0, 0);
    QCOMPARE(names.removeDuplicates(), 0);
}

void tst_package::lintian()
{
    if (QStandardPaths::findExecutable(u"lintian"_s).isEmpty())
        QSKIP("lintian (Debian package lintian) is not installed: the package is not checked against Debian's rules");
    // No error, no warning and no missing hardening (some are only
    // information); a sanitizer build is not hardened.
    const Run check = run(u"lintian"_s, {u"--fail-on"_s, u"error,warning"_s, u"--display-info"_s, m_deb}, 600000);
    static const QRegularExpression reported(qEnvironmentVariable("BRIVADUNE_HARDENED") == u"0"_s
                                                 ? u"^[EW]: "_s
                                                 : u"^([EW]: |I: \\S+ hardening-)"_s,
                                             QRegularExpression::MultilineOption);
    QVERIFY2(check.ok() && !check.out.contains(reported), qPrintable(check.said()));
}

QTEST_MAIN(tst_package)
#include "tst_package.moc"
