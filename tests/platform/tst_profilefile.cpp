#include "platform/ProfileFile.h"

#include "TestSupport.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using TestSupport::TempAppDir;

class TestProfileFile : public QObject {
    Q_OBJECT

private slots:
    void editingRules();
    void readingRules();
    void lineEndsAndEncodings_data();
    void lineEndsAndEncodings();
    void writtenEncodingFollowsContent();
    void failedSaveKeepsOldFile();
};

void TestProfileFile::editingRules()
{
    ProfileFile p;
    p.fromText(u"; by hand\nloose=1\n[Label 1]\nCaption=Atelier\n; note\nCaption=second\n[B]\nz=3\n[label 1]\nm=4\n"_s);
    QCOMPARE(p.readString(u"LABEL 1"_s, u"caption"_s), u"Atelier"_s);
    // The first of duplicate keys or sections wins; lines before the first
    // section are kept but never found.
    QCOMPARE(p.readString(u"label 1"_s, u"m"_s, u"def"_s), u"def"_s);
    QCOMPARE(p.readString(QString(), u"loose"_s, u"def"_s), u"def"_s);
    QCOMPARE(p.readString(u"LABEL 2"_s, u"Caption"_s, u"def"_s), u"def"_s);

    p.writeString(u"LABEL 1"_s, u"CAPTION"_s, u"Port"_s);
    // A line break in a value must not add lines (or a section) to the file.
    p.writeString(u"label 1"_s, u"New"_s, u"a\r\n[FOND]\nb\rc"_s);
    p.writeString(u"C"_s, u"k"_s, u"5"_s);
    QCOMPARE(p.toText(), u"; by hand\r\nloose=1\r\n[Label 1]\r\nCaption=Port\r\n; note\r\nCaption=second\r\n"
                         "New=a [FOND] b c\r\n[B]\r\nz=3\r\n[label 1]\r\nm=4\r\n[C]\r\nk=5\r\n"_s);
}

void TestProfileFile::readingRules()
{
    // Blanks trimmed, one pair of matching quotes removed.
    ProfileFile p;
    p.fromText(u"  [ FOND ]  \n  Numero  =  1  \nPicture=\"C:\\a b.bmp\"\nq='x'\nhalf=\"abc\n"_s);
    QCOMPARE(p.readString(u"fond"_s, u"NUMERO"_s), u"1"_s);
    QCOMPARE(p.readString(u"FOND"_s, u"Picture"_s), u"C:\\a b.bmp"_s);
    QCOMPARE(p.readString(u"FOND"_s, u"q"_s), u"x"_s);
    QCOMPARE(p.readString(u"FOND"_s, u"half"_s), u"\"abc"_s);

    // Values are written whole, read cut to 199 characters, never inside a
    // character outside the basic plane.
    const QString longText(250, u'x');
    p.writeString(u"S"_s, u"k"_s, longText);
    QCOMPARE(p.readString(u"S"_s, u"k"_s), QString(199, u'x'));
    QVERIFY(p.toText().contains(longText));
    p.writeString(u"S"_s, u"k"_s, QString(198, u'z') + u"😀"_s);
    QCOMPARE(p.readString(u"S"_s, u"k"_s), QString(198, u'z'));
}

void TestProfileFile::lineEndsAndEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF, Windows-1252") << QByteArray("[S]\r\na=\xE9t\xE9\r\n\r\nb=2\r\n");
    QTest::newRow("LF, UTF-8") << QByteArray("[S]\na=\xC3\xA9t\xC3\xA9\n\nb=2");
    QTest::newRow("CR, Windows-1252") << QByteArray("[S]\ra=\xE9t\xE9\r\r  \rb=2\r");
    QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF[S]\na=\xC3\xA9t\xC3\xA9\nb=2\n");
}

void TestProfileFile::lineEndsAndEncodings()
{
    QFETCH(QByteArray, bytes);
    TempAppDir dir;
    QVERIFY(dir.writeFile(u"p.ini"_s, bytes));
    const ProfileFile p(dir.filePath(u"p.ini"_s));
    QCOMPARE(p.toText(), u"[S]\r\na=été\r\nb=2\r\n"_s);
}

void TestProfileFile::writtenEncodingFollowsContent()
{
    TempAppDir dir;
    const QString path = dir.filePath(u"e.ini"_s);
    QCOMPARE(ProfileFile::readOne(path, u"S"_s, u"k"_s), QString());

    // Everything fits Windows-1252: one byte per character.
    const QString french = u"Créé à l'été — 5 €"_s;
    QVERIFY(ProfileFile::writeOne(path, u"S"_s, u"k"_s, french));
    QCOMPARE(dir.readFile(u"e.ini"_s), QByteArray("[S]\r\nk=Cr\xE9\xE9 \xE0 l'\xE9t\xE9 \x97 5 \x80\r\n"));
    QCOMPARE(ProfileFile::readOne(path, u"s"_s, u"K"_s), french);

    // One character outside it: the whole file becomes UTF-8, nothing lost.
    QVERIFY(ProfileFile::writeOne(path, u"S"_s, u"g"_s, u"Ωmega"_s));
    QCOMPARE(QString::fromUtf8(dir.readFile(u"e.ini"_s)), u"[S]\r\nk="_s + french + u"\r\ng=Ωmega\r\n"_s);
    QCOMPARE(ProfileFile::readOne(path, u"S"_s, u"k"_s), french);
}

void TestProfileFile::failedSaveKeepsOldFile()
{
    TempAppDir dir;
    QVERIFY(!ProfileFile::writeOne(dir.filePath(u"none/p.ini"_s), u"S"_s, u"k"_s, u"v"_s));

    // A write that stops part-way (a full disk) must not commit a cut file:
    // a file size limit stops this one at 1000 bytes.
    QVERIFY(dir.writeFile(u"p.ini"_s, "[S]\r\nk=old\r\n"));
    ProfileFile p(dir.filePath(u"p.ini"_s));
    p.writeString(u"S"_s, u"k"_s, QString(4000, u'x'));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = 1000;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool saved = p.save();
    ::setrlimit(RLIMIT_FSIZE, &old);
    QVERIFY(!saved);
    QCOMPARE(dir.readFile(u"p.ini"_s), QByteArray("[S]\r\nk=old\r\n"));
}

QTEST_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
