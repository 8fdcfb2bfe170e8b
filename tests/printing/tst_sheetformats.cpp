#include "printing/SheetFormats.h"

#include "platform/GuardedFile.h"
#include "platform/ScriptedPrompts.h"

#include "TestSupport.h"

#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString Places = u"Dimension vers la gauche : 10 Mm    -     Dimension en hauteur : 15 Mm\r\n"_s;
const QString Gaps = u"Espacement horizontal : 5 Mm         -     Espacement vertical : 5 Mm"_s;
const QString Full = Places + Gaps + u"\r\n\r\nNombre d'étiquettes par planche : 10"_s;
const QString Incomplete = u"Ce format est incomplet : il ne peut pas être imprimé."_s;

// A temporary application folder with a formats file, loaded as the
// dialog loads it.
struct Fixture {
    TestSupport::TempAppDir dir;
    ScriptedPrompts prompts;
    SheetFormats formats{dir.path(), prompts};

    explicit Fixture(const QByteArray &file = {})
    {
        if (!file.isNull())
            dir.writeFile(u"formats.ini"_s, file);
        formats.Charger_Formats(false);
    }
    QByteArray file() const { return dir.readFile(u"formats.ini"_s); }
    QStringList fields() const { return QStringList(formats.fields().cbegin(), formats.fields().cend()); }
};

} // namespace

class TestSheetFormats : public QObject {
    Q_OBJECT

private slots:
    void readingTheFile_data();
    void readingTheFile();
    void missingFile();
    void refusedFile_data();
    void refusedFile();
    void selection_data();
    void selection();
    void saving();
    void savingRefusals();
};

void TestSheetFormats::readingTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Windows-1252, CR LF") << QByteArray("B | 1.2.3.4.5.6\r\n\r\n\xC9t | 1\r\na | 6\r\n  x\r\nA | 6\r\n");
    QTest::newRow("UTF-8, LF") << QByteArray("B | 1.2.3.4.5.6\n\n\xC3\x89t | 1\na | 6\n  x\nA | 6");
    QTest::newRow("lone CR") << QByteArray("B | 1.2.3.4.5.6\r\r\xC9t | 1\ra | 6\r  x\rA | 6\r\r");
}

void TestSheetFormats::readingTheFile()
{
    QFETCH(QByteArray, bytes);
    Fixture f(bytes);
    // Empty lines give no item; the others are kept verbatim, sorted on the
    // whole line without regard to case (equal ones in the file's order).
    QCOMPARE(f.formats.items(), (QStringList{u"  x"_s, u"a | 6"_s, u"A | 6"_s, u"B | 1.2.3.4.5.6"_s, u"Ét | 1"_s}));
    // Item 0 is selected; without "|" it is all field part.
    QCOMPARE(f.formats.selectedIndex(), 0);
    QCOMPARE(f.formats.field(SheetFields::X), u"x"_s);
    QVERIFY(f.prompts.messages.empty());
}

void TestSheetFormats::missingFile()
{
    Fixture f;
    QCOMPARE(f.fields().join(u' '), u"10 10 10 10 1 1"_s);
    QVERIFY(f.formats.description().startsWith(u"Aucun format de papier n'est disponible, vous devez"_s));
    // Silent when the dialog loads; on "Charger" a stop message, and a list
    // already shown is emptied.
    QVERIFY(f.dir.writeFile(u"formats.ini"_s, "A | 1.2.3.4.5.6\r\n") && f.formats.Charger_Formats());
    QVERIFY(QFile::remove(f.dir.filePath(u"formats.ini"_s)));
    QVERIFY(!f.formats.Charger_Formats());
    QVERIFY(f.formats.items().isEmpty());
    QCOMPARE(f.prompts.messages.size(), 1u);
    const ScriptedPrompts::MessageCall &m = f.prompts.messages[0];
    QCOMPARE(m.text + u'/' + m.title, u"le fichier des formats est inexistant./Erreur"_s);
    QCOMPARE(m.style, Msg::OkOnly | Msg::Critical);
}

void TestSheetFormats::refusedFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe") << u"pipe"_s;
    QTest::newRow("folder") << u"folder"_s;
    QTest::newRow("over 16 MB") << u"large"_s;
}

// A formats file that is no regular file, or is far larger than a real one,
// is not read (a pipe without a writer would block the dialog for ever);
// the list stays empty and "Charger" says so. A save leaves it alone.
void TestSheetFormats::refusedFile()
{
    QFETCH(QString, kind);
    Fixture f;
    const QString path = f.dir.filePath(u"formats.ini"_s);
    if (kind == u"pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == u"folder")
        QVERIFY(QDir().mkdir(path));
    else
        QVERIFY(f.dir.writeFile(u"formats.ini"_s, "A | 1.2.3.4.5.6\r\n") && QFile::resize(path, GuardedFile::TextCap + 1));
    QVERIFY(!f.formats.Charger_Formats());
    QVERIFY(f.formats.items().isEmpty());
    QCOMPARE(f.prompts.messages.size(), 1u);
    QCOMPARE(f.prompts.messages[0].text, SheetFormats::errorText());

    f.prompts.queueInput(u"Nouveau"_s);
    QVERIFY(!f.formats.Enregistrer_Format());
    QCOMPARE(f.prompts.messages.size(), 2u);
    if (kind == u"large")
        QCOMPARE(QFileInfo(path).size(), GuardedFile::TextCap + 1);
}

void TestSheetFormats::selection_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("description");
    const QString size = u"\r\nFormat de la carte : "_s;
    // The Y piece is the distance from the top, described as "en hauteur".
    QTest::newRow("six numbers") << u"Planche | 10.15.5.5.2.5"_s << u"10 15 5 5 2 5"_s << Full;
    QTest::newRow("no bar") << u"10.15.5.5.3.7"_s << u"10 15 5 5 3 7"_s
                            << Places + Gaps + u"\r\n\r\nNombre d'étiquettes par planche : 21"_s;
    QTest::newRow("seven numbers") << u"A | 10.15.5.5.2.5.7"_s << u"10 15 5 5 2 5"_s << Full;
    QTest::newRow("extended, A4") << u"A | 10.15.5.5.2.5.850.540.9"_s << u"10 15 5 5 2 5"_s
                                  << Full + size + u"85 x 54 mm\r\nPapier : Format A4 (210 x 297 mm)"_s;
    QTest::newRow("extended, paper text trimmed")
        << u"A | 10.15.5.5.2.5.889.508.3"_s << u"10 15 5 5 2 5"_s
        << Full + size + u"88,9 x 50,8 mm\r\nPapier : Tabloïd US (279 x 431 mm)"_s;
    QTest::newRow("extended, no such paper") << u"A | 10.15.5.5.2.5.850.540.42"_s << u"10 15 5 5 2 5"_s
                                             << Full + size + u"85 x 54 mm"_s;
    // Incomplete lines: fewer pieces set only their fields.
    QTest::newRow("three pieces") << u"A | 10.15.5"_s << u"10 15 5 10 1 1"_s
                                  << Places + u"Espacement horizontal : 5 Mm\r\n"_s + Incomplete;
    QTest::newRow("X not a number") << u"A | x.15.5.5.2.5"_s << u"x 15 5 5 2 5"_s << Incomplete;
    QTest::newRow("over 32767 cards") << u"A | 10.15.5.5.200.200"_s << u"10 15 5 5 200 200"_s
                                      << Places + Gaps + u"\r\n"_s + Incomplete;
    QTest::newRow("no field part") << u"A | "_s << u"10 10 10 10 1 1"_s << Incomplete;
}

void TestSheetFormats::selection()
{
    QFETCH(QString, line);
    QFETCH(QString, fields);
    QFETCH(QString, description);
    Fixture f(line.toUtf8());
    QCOMPARE(f.fields().join(u' '), fields);
    QCOMPARE(f.formats.description(), description);
    const bool complete = !description.endsWith(Incomplete);
    QCOMPARE(f.formats.canPrint(), complete);
    QCOMPARE(f.formats.selectedFormat().stock().has_value(), description.contains(u"Format de la carte"_s));
    // Typing into a field puts the user in charge of the fields.
    f.formats.setField(SheetFields::VGap, u"0"_s);
    QVERIFY(f.formats.canPrint());
}

void TestSheetFormats::saving()
{
    // Empty lines are dropped, a line of blanks is an item and stays, the
    // older lines come back sorted.
    Fixture f("Zeta | 1.1.1.1.1.1\r\n\r\n  \r\nAlpha | 10.15.5.5.2.5.850.540.9\r\n\r\n");
    QCOMPARE(f.formats.selectedIndex(), 0); // "  " changes nothing
    QCOMPARE(f.fields().join(u' '), u"10 10 10 10 1 1"_s);
    f.formats.select(1);
    f.formats.setField(SheetFields::X, u"12"_s);
    // A line added in an outside editor since the list was read is kept.
    QVERIFY(f.dir.writeFile(u"formats.ini"_s, f.file() + "Ajout | 1.2.3.4.5.6\r\n"));
    f.prompts.queueInput(u"  Étiquettes 2  "_s);
    QVERIFY(f.formats.Enregistrer_Format());
    QCOMPARE(f.prompts.inputs.size(), 1u);
    QCOMPARE(f.prompts.inputs[0].prompt, u"Veuillez donner un nouveau nom de format d'étiquettes."_s);
    QCOMPARE(f.prompts.inputs[0].title, u"Enregistrer un format"_s);
    QCOMPARE(f.prompts.inputs[0].defaultText, u"Alpha"_s);
    // The six fields, then the selected format's card size and paper.
    QCOMPARE(f.file(), QByteArray("  \r\nAjout | 1.2.3.4.5.6\r\nAlpha | 10.15.5.5.2.5.850.540.9\r\n"
                                  "Zeta | 1.1.1.1.1.1\r\n\xC9tiquettes 2 | 12.15.5.5.2.5.850.540.9\r\n"));
    QCOMPARE(f.formats.items().size(), 5);
    QCOMPARE(f.formats.selectedIndex(), 0);

    // With the list empty the file gets exactly one line.
    Fixture empty;
    empty.prompts.queueInput(u"Seul"_s);
    QVERIFY(empty.formats.Enregistrer_Format());
    QCOMPARE(empty.prompts.inputs[0].defaultText, QString());
    QCOMPARE(empty.file(), QByteArray("Seul | 10.10.10.10.1.1\r\n"));
    QCOMPARE(empty.formats.items(), QStringList{u"Seul | 10.10.10.10.1.1"_s});
}

void TestSheetFormats::savingRefusals()
{
    const QByteArray original("B | 1.2.3.4.5.6\n\nA | 6.5.4.3.2.1\n");
    // A cancelled (empty) name writes nothing.
    Fixture cancelled(original);
    QVERIFY(!cancelled.formats.Enregistrer_Format());
    QCOMPARE(cancelled.prompts.inputs.size(), 1u);
    QCOMPARE(cancelled.file(), original);

    // A "|" in the name would make the new line unreadable.
    Fixture bar(original);
    bar.prompts.queueInput(u"A|B"_s);
    QVERIFY(!bar.formats.Enregistrer_Format());
    QCOMPARE(bar.prompts.messages.at(0).text, SheetFormats::barInNameText());
    QCOMPARE(bar.file(), original);

    // A selected line without "|" has no name to propose: the stop message.
    Fixture noBar("10.15.0.0.2.5\r\n");
    QVERIFY(!noBar.formats.Enregistrer_Format());
    QVERIFY(noBar.prompts.inputs.empty());
    QCOMPARE(noBar.prompts.messages.at(0).text, SheetFormats::errorText());

    // A formats file that cannot be read is not replaced.
    Fixture unreadable;
    QVERIFY(QDir(unreadable.dir.path()).mkdir(u"formats.ini"_s));
    unreadable.prompts.queueInput(u"Nom"_s);
    QVERIFY(!unreadable.formats.Enregistrer_Format());
    QCOMPARE(unreadable.prompts.messages.at(0).text, SheetFormats::errorText());
    QVERIFY(QFileInfo(unreadable.dir.filePath(u"formats.ini"_s)).isDir());

    // A write stopped part-way (a full disk; here a 100-byte file size
    // limit) leaves the old file whole.
    Fixture full(original);
    full.prompts.queueInput(QString(200, u'n'));
    QVERIFY(!TestSupport::underFileSizeLimit(100, [&] { return full.formats.Enregistrer_Format(); }));
    QCOMPARE(full.file(), original);
    QCOMPARE(full.prompts.messages.size(), 1u);
    QCOMPARE(full.prompts.messages[0].text, SheetFormats::errorText());
}

QTEST_GUILESS_MAIN(TestSheetFormats)
#include "tst_sheetformats.moc"
