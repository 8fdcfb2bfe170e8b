// The desktop entry, the AppStream metadata and the project MIME type are
// valid and agree with each other.
#include "PackagingTest.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace PackagingTest;

class tst_desktopfiles : public QObject {
    Q_OBJECT
private slots:
    void desktopEntry();
    void appStream();
    void projectType();
};

void tst_desktopfiles::desktopEntry()
{
    const QString entry = sourceDir() + u"/packaging/"_s + appId() + u".desktop"_s;
    const Run check = run(u"desktop-file-validate"_s, {entry});
    QVERIFY2(check.ok() && check.said().trimmed().isEmpty(), qPrintable(check.said()));

    QHash<QString, QString> keys;
    for (const QString &line : QString::fromUtf8(TestSupport::readBytes(entry)).split(u'\n')) {
        if (const qsizetype equals = line.indexOf(u'='); equals > 0)
            keys.insert(line.left(equals), line.mid(equals + 1));
    }
    // Files given by the file manager reach the program; the icon and the
    // type are the installed ones.
    QCOMPARE(keys.value(u"Exec"_s), u"brivadune %F"_s);
    QCOMPARE(keys.value(u"Icon"_s), appId());
    QCOMPARE(keys.value(u"MimeType"_s), u"application/x-brivadune-projet;"_s);
    QCOMPARE(keys.value(u"Comment"_s), u"Créer et imprimer des cartes de visite et des étiquettes"_s);
}

void tst_desktopfiles::appStream()
{
    const QString metainfo = buildDir() + u"/packaging/"_s + appId() + u".metainfo.xml"_s;
    const Run check = run(u"appstreamcli"_s, {u"validate"_s, u"--no-net"_s, u"--explain"_s, metainfo});
    QVERIFY2(check.ok(), qPrintable(check.said()));
    const QByteArray xml = TestSupport::readBytes(metainfo);
    // It launches the desktop entry above, in the version built.
    QVERIFY(xml.contains("<launchable type=\"desktop-id\">" + appId().toUtf8() + ".desktop</launchable>"));
    QVERIFY(xml.contains("<release version=\"" + qEnvironmentVariable("BRIVADUNE_VERSION").toUtf8() + "\""));
    QVERIFY(xml.contains("<mediatype>application/x-brivadune-projet</mediatype>"));
}

void tst_desktopfiles::projectType()
{
    // The shared MIME database built from the type alone knows *.prj.
    TestSupport::TempAppDir data;
    QVERIFY(QDir().mkpath(data.filePath(u"mime/packages"_s)));
    QVERIFY(QFile::copy(sourceDir() + u"/packaging/"_s + appId() + u".xml"_s,
                        data.filePath(u"mime/packages/"_s + appId() + u".xml"_s)));
    const Run update = run(u"update-mime-database"_s, {data.filePath(u"mime"_s)});
    QVERIFY2(update.ok(), qPrintable(update.said()));
    const QString globs = QString::fromUtf8(TestSupport::readBytes(data.filePath(u"mime/globs2"_s)));
    QVERIFY2(globs.contains(u":application/x-brivadune-projet:*.prj"_s), qPrintable(globs));
    const QString type =
        QString::fromUtf8(TestSupport::readBytes(data.filePath(u"mime/application/x-brivadune-projet.xml"_s)));
    QVERIFY2(type.contains(u"<comment>Projet de carte de visite Brivadune</comment>"_s), qPrintable(type));
}

QTEST_MAIN(tst_desktopfiles)
#include "tst_desktopfiles.moc"
