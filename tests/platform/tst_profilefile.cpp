#include "platform/Encoding.h"
#include "platform/ProfileFile.h"

#include "TestSupport.h"

#include <QFile>
#include <QtTest>

#include <unistd.h>

using TestSupport::TempAppDir;

class TestProfileFile : public QObject {
    Q_OBJECT

private slots:
    void lookupIgnoresCase();
    void newSectionsAndKeysGoAtTheEnd();
    void writtenLayout();
    void valuesAreCutAt199();
    void readerTrimsAndUnquotes();
    void lineEndsAndBlankLines_data();
    void lineEndsAndBlankLines();
    void duplicatesFirstWins();
    void unreachableLinesAreKept();
    void lineBreaksInValuesStayOnOneLine();
    void encodingFollowsContent();
    void missingFile();
    void failedSaveKeepsOldFile();
    void oneKeyHelpers();
    void manyKeys();
};

void TestProfileFile::lookupIgnoresCase()
{
    ProfileFile p;
    p.fromText(QStringLiteral("[Label 1]\r\nCaption=Atelier\r\n"));
    QCOMPARE(p.readString(QStringLiteral("LABEL 1"), QStringLiteral("caption")), QStringLiteral("Atelier"));
    QVERIFY(p.contains(QStringLiteral("label 1"), QStringLiteral("CAPTION")));
    QVERIFY(p.hasSection(QStringLiteral("lAbEl 1")));
    QCOMPARE(p.readString(QStringLiteral("LABEL 2"), QStringLiteral("Caption"), QStringLiteral("def")), QStringLiteral("def"));
    QCOMPARE(p.readString(QStringLiteral("LABEL 1"), QStringLiteral("Font"), QStringLiteral("def")), QStringLiteral("def"));

    // Writing with another case replaces the value and keeps the first spelling.
    p.writeString(QStringLiteral("LABEL 1"), QStringLiteral("CAPTION"), QStringLiteral("Port"));
    QCOMPARE(p.toText(), QStringLiteral("[Label 1]\r\nCaption=Port\r\n"));
}

void TestProfileFile::newSectionsAndKeysGoAtTheEnd()
{
    ProfileFile p;
    p.fromText(QStringLiteral("[A]\nx=1\ny=2\n[B]\nz=3\n"));
    p.writeString(QStringLiteral("a"), QStringLiteral("new"), QStringLiteral("4"));
    p.writeString(QStringLiteral("C"), QStringLiteral("k"), QStringLiteral("5"));
    p.writeString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("replaced"));
    QCOMPARE(p.toText(), QStringLiteral("[A]\r\nx=replaced\r\ny=2\r\nnew=4\r\n[B]\r\nz=3\r\n[C]\r\nk=5\r\n"));
    QCOMPARE(p.sections(), (QStringList{"A", "B", "C"}));
    QCOMPARE(p.keys(QStringLiteral("a")), (QStringList{"x", "y", "new"}));
}

void TestProfileFile::writtenLayout()
{
    // The layout of a saved project: no blank lines, CR LF after every line.
    TempAppDir dir;
    const QString path = dir.filePath(QStringLiteral("carte.prj"));
    ProfileFile p(path);
    QVERIFY(!p.existed());
    p.writeString(QStringLiteral("FORMAT"), QStringLiteral("Longueur"), QStringLiteral("4770"));
    p.writeString(QStringLiteral("FORMAT"), QStringLiteral("Hauteur"), QStringLiteral("3060"));
    p.writeString(QStringLiteral("LABEL 1"), QStringLiteral("Caption"), QStringLiteral("Atelier du Port"));
    p.writeString(QStringLiteral("LABEL"), QStringLiteral("Nombre"), QStringLiteral("1"));
    QVERIFY(p.save());
    QCOMPARE(dir.readFile(QStringLiteral("carte.prj")),
             QByteArray("[FORMAT]\r\nLongueur=4770\r\nHauteur=3060\r\n[LABEL 1]\r\nCaption=Atelier du Port\r\n"
                        "[LABEL]\r\nNombre=1\r\n"));
    QVERIFY(ProfileFile(path).existed());
}

void TestProfileFile::valuesAreCutAt199()
{
    ProfileFile p;
    const QString longText(250, u'x');
    p.writeString(QStringLiteral("S"), QStringLiteral("k"), longText);
    QCOMPARE(p.readString(QStringLiteral("S"), QStringLiteral("k")), QString(199, u'x'));
    // The whole value is still written; only reading cuts.
    QVERIFY(p.toText().contains(longText));
    const QString exact(199, u'y');
    p.writeString(QStringLiteral("S"), QStringLiteral("k"), exact);
    QCOMPARE(p.readString(QStringLiteral("S"), QStringLiteral("k")), exact);
    // A character outside the basic plane is never split in two.
    const QString astral = QString(198, u'z') + QString::fromUtf8("\xF0\x9F\x98\x80");
    p.writeString(QStringLiteral("S"), QStringLiteral("k"), astral);
    QCOMPARE(p.readString(QStringLiteral("S"), QStringLiteral("k")), QString(198, u'z'));
}

void TestProfileFile::readerTrimsAndUnquotes()
{
    ProfileFile p;
    p.fromText(QStringLiteral("  [ FOND ]  \n  Numero  =  1  \nPicture=\"C:\\a b.bmp\"\nq='x'\nhalf=\"abc\n"));
    QCOMPARE(p.readString(QStringLiteral("FOND"), QStringLiteral("Numero")), QStringLiteral("1"));
    QCOMPARE(p.readString(QStringLiteral("FOND"), QStringLiteral("Picture")), QStringLiteral("C:\\a b.bmp"));
    QCOMPARE(p.readString(QStringLiteral("FOND"), QStringLiteral("q")), QStringLiteral("x"));
    QCOMPARE(p.readString(QStringLiteral("FOND"), QStringLiteral("half")), QStringLiteral("\"abc"));
}

void TestProfileFile::lineEndsAndBlankLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << QByteArray("[S]\r\na=1\r\n\r\nb=2\r\n");
    QTest::newRow("LF") << QByteArray("[S]\na=1\n\nb=2");
    QTest::newRow("CR") << QByteArray("[S]\ra=1\r\r  \rb=2\r");
    QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF[S]\na=1\nb=2\n");
}

void TestProfileFile::lineEndsAndBlankLines()
{
    QFETCH(QByteArray, bytes);
    TempAppDir dir;
    QVERIFY(dir.writeFile(QStringLiteral("p.ini"), bytes));
    ProfileFile p(dir.filePath(QStringLiteral("p.ini")));
    QVERIFY(p.existed());
    QCOMPARE(p.readString(QStringLiteral("S"), QStringLiteral("a")), QStringLiteral("1"));
    QCOMPARE(p.readString(QStringLiteral("S"), QStringLiteral("b")), QStringLiteral("2"));
    QCOMPARE(p.toText(), QStringLiteral("[S]\r\na=1\r\nb=2\r\n"));
}

void TestProfileFile::duplicatesFirstWins()
{
    ProfileFile p;
    p.fromText(QStringLiteral("[S]\nk=first\nk=second\n[T]\n[s]\nk=third\nm=4\n"));
    QCOMPARE(p.readString(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("first"));
    // Keys of a later duplicate section cannot be reached.
    QVERIFY(!p.contains(QStringLiteral("S"), QStringLiteral("m")));
    p.writeString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("new"));
    p.writeString(QStringLiteral("S"), QStringLiteral("m"), QStringLiteral("5"));
    QCOMPARE(p.toText(), QStringLiteral("[S]\r\nk=new\r\nk=second\r\nm=5\r\n[T]\r\n[s]\r\nk=third\r\nm=4\r\n"));
}

void TestProfileFile::unreachableLinesAreKept()
{
    ProfileFile p;
    p.fromText(QStringLiteral("; made by hand\r\nloose=1\r\n[S]\r\n; comment\r\na=1\r\n"));
    QVERIFY(!p.contains(QString(), QStringLiteral("loose")));
    QCOMPARE(p.keys(QStringLiteral("S")), QStringList{QStringLiteral("a")});
    p.writeString(QStringLiteral("S"), QStringLiteral("b"), QStringLiteral("2"));
    QCOMPARE(p.toText(), QStringLiteral("; made by hand\r\nloose=1\r\n[S]\r\n; comment\r\na=1\r\nb=2\r\n"));
    p.clear();
    QCOMPARE(p.toText(), QString());
}

void TestProfileFile::lineBreaksInValuesStayOnOneLine()
{
    // A caption with line breaks must not add lines (or a section) to the file.
    ProfileFile p;
    p.writeString(QStringLiteral("LABEL 1"), QStringLiteral("Caption"), QStringLiteral("a\r\n[FOND]\nb\rc"));
    QCOMPARE(p.sections(), QStringList{QStringLiteral("LABEL 1")});
    QCOMPARE(p.readString(QStringLiteral("LABEL 1"), QStringLiteral("Caption")), QStringLiteral("a [FOND] b c"));
    ProfileFile back;
    back.fromText(p.toText());
    QCOMPARE(back.sections(), QStringList{QStringLiteral("LABEL 1")});
}

void TestProfileFile::encodingFollowsContent()
{
    TempAppDir dir;
    const QString path = dir.filePath(QStringLiteral("e.ini"));

    // Everything fits Windows-1252: one byte per character.
    const QString french = QStringLiteral("Créé à l'été — 5 €");
    QVERIFY(ProfileFile::writeOne(path, QStringLiteral("S"), QStringLiteral("k"), french));
    QCOMPARE(dir.readFile(QStringLiteral("e.ini")), QByteArray("[S]\r\nk=Cr\xE9\xE9 \xE0 l'\xE9t\xE9 \x97 5 \x80\r\n"));
    QCOMPARE(ProfileFile::readOne(path, QStringLiteral("S"), QStringLiteral("k")), french);

    // One character outside it: the whole file becomes UTF-8, nothing lost.
    const QString greek = QStringLiteral("Ωmega");
    QVERIFY(ProfileFile::writeOne(path, QStringLiteral("S"), QStringLiteral("g"), greek));
    const QByteArray bytes = dir.readFile(QStringLiteral("e.ini"));
    QCOMPARE(QString::fromUtf8(bytes), QStringLiteral("[S]\r\nk=") + french + QStringLiteral("\r\ng=") + greek + QStringLiteral("\r\n"));
    ProfileFile p(path);
    QCOMPARE(p.readString(QStringLiteral("S"), QStringLiteral("k")), french);
    QCOMPARE(p.readString(QStringLiteral("S"), QStringLiteral("g")), greek);

    // Dropping it again goes back to Windows-1252.
    p.writeString(QStringLiteral("S"), QStringLiteral("g"), QStringLiteral("omega"));
    QVERIFY(p.save());
    QVERIFY(dir.readFile(QStringLiteral("e.ini")).contains("Cr\xE9\xE9"));
}

void TestProfileFile::missingFile()
{
    TempAppDir dir;
    const QString path = dir.filePath(QStringLiteral("absent.ini"));
    ProfileFile p;
    QVERIFY(!p.load(path));
    QVERIFY(!p.existed());
    QCOMPARE(p.path(), path);
    QCOMPARE(p.sections(), QStringList());
    QCOMPARE(ProfileFile::readOne(path, QStringLiteral("S"), QStringLiteral("k")), QString());
    // Writing one key creates the file with its section.
    QVERIFY(ProfileFile::writeOne(path, QStringLiteral("MENU"), QStringLiteral("Outils"), QStringLiteral("Vrai")));
    QCOMPARE(dir.readFile(QStringLiteral("absent.ini")), QByteArray("[MENU]\r\nOutils=Vrai\r\n"));
    // Saving without a path fails.
    QVERIFY(!ProfileFile().save());
}

void TestProfileFile::failedSaveKeepsOldFile()
{
    TempAppDir dir;
    // A folder that does not exist cannot be written.
    QVERIFY(!ProfileFile::writeOne(dir.filePath(QStringLiteral("none/p.ini")), QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));

    // /proc is read-only even for the superuser: the file read there is
    // changed in memory, the save fails and the file is as it was.
    const QString procFile = QStringLiteral("/proc/version");
    const QByteArray before = TestSupport::readBytes(procFile);
    if (!before.isEmpty()) {
        ProfileFile p(procFile);
        QVERIFY(p.existed());
        p.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new"));
        QVERIFY(!p.save());
        QVERIFY(!ProfileFile::writeOne(procFile, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new")));
        QCOMPARE(TestSupport::readBytes(procFile), before);
    }

    if (::geteuid() == 0)
        QSKIP("Folder permissions are not enforced for the superuser");
    const QString sub = dir.filePath(QStringLiteral("locked"));
    const QString path = sub + QStringLiteral("/p.ini");
    QVERIFY(TestSupport::writeBytes(path, "[S]\r\nk=old\r\n"));
    QVERIFY(QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    ProfileFile p(path);
    p.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new"));
    const bool saved = p.save();
    const bool one = ProfileFile::writeOne(path, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new"));
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!saved);
    QVERIFY(!one);
    QCOMPARE(TestSupport::readBytes(path), QByteArray("[S]\r\nk=old\r\n"));
}

void TestProfileFile::oneKeyHelpers()
{
    TempAppDir dir;
    const QString path = dir.filePath(QStringLiteral("Brivadune.ini"));
    QVERIFY(ProfileFile::writeOne(path, QStringLiteral("MENU"), QStringLiteral("Outils"), QStringLiteral("Vrai")));
    QVERIFY(ProfileFile::writeOne(path, QStringLiteral("OPTIONS"), QStringLiteral("Onglet"), QStringLiteral("2")));
    QVERIFY(ProfileFile::writeOne(path, QStringLiteral("MENU"), QStringLiteral("Gestion"), QStringLiteral("Faux")));
    QVERIFY(ProfileFile::writeOne(path, QStringLiteral("menu"), QStringLiteral("outils"), QStringLiteral("Faux")));
    QCOMPARE(dir.readFile(QStringLiteral("Brivadune.ini")),
             QByteArray("[MENU]\r\nOutils=Faux\r\nGestion=Faux\r\n[OPTIONS]\r\nOnglet=2\r\n"));
    QCOMPARE(ProfileFile::readOne(path, QStringLiteral("Options"), QStringLiteral("ONGLET")), QStringLiteral("2"));
}

void TestProfileFile::manyKeys()
{
    // A card of 255 labels: every key written, saved once, read back.
    TempAppDir dir;
    const QString path = dir.filePath(QStringLiteral("big.prj"));
    ProfileFile out(path);
    for (int i = 1; i <= 255; ++i) {
        const QString section = QStringLiteral("LABEL %1").arg(i);
        for (int k = 0; k < 10; ++k)
            out.writeString(section, QStringLiteral("Key%1").arg(k), QStringLiteral("v%1-%2").arg(i).arg(k));
    }
    out.writeString(QStringLiteral("LABEL"), QStringLiteral("Nombre"), QStringLiteral("255"));
    QVERIFY(out.save());

    ProfileFile in(path);
    QCOMPARE(in.sections().size(), 256);
    QCOMPARE(in.readString(QStringLiteral("label"), QStringLiteral("nombre")), QStringLiteral("255"));
    for (int i = 1; i <= 255; ++i) {
        for (int k = 0; k < 10; ++k) {
            const QString v = in.readString(QStringLiteral("LABEL %1").arg(i), QStringLiteral("key%1").arg(k));
            if (v != QStringLiteral("v%1-%2").arg(i).arg(k))
                QFAIL(qPrintable(QStringLiteral("LABEL %1 Key%2 read %3").arg(i).arg(k).arg(v)));
        }
    }
    QCOMPARE(in.toText(), out.toText());
}

QTEST_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
