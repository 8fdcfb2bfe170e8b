// The formats file: reading it (encodings, line ends, sorting), refused
// files, what each line puts into the layout fields and describes, saving a
// new format and what makes a save fail without touching the file; the
// print settings read from the fields, with the field named on bad input;
// the search that filters the list.
#include "printing/FormatFilter.h"
#include "printing/PrintSettings.h"
#include "printing/SheetFormats.h"

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
const QString Missing = u"le fichier des formats est inexistant."_s;

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
    QString fields() const { return QStringList(formats.fields().cbegin(), formats.fields().cend()).join(u' '); }
    QString lastMessage() const { return prompts.messages.empty() ? QString() : prompts.messages.back().text; }
};

struct Settings {
    TestSupport::TempAppDir dir;
    ScriptedPrompts prompts;
    PrintSettings settings{dir.path(), prompts};

    explicit Settings(const QByteArray &formats)
    {
        dir.writeFile(u"formats.ini"_s, formats);
        settings.Charger_Formats(false);
    }
    QString error() const
    {
        QString e;
        return settings.job(&e) ? QString() : e;
    }
};

} // namespace

class TestSheetFormats : public QObject {
    Q_OBJECT

private slots:
    void readingTheFile_data();
    void readingTheFile();
    void refusedFile_data();
    void refusedFile();
    void selection_data();
    void selection();
    void saving();
    void savingRefusals();
    void paperChoices();
    void badInputNamesTheField_data();
    void badInputNamesTheField();
    void descriptionWarnsOfCardsOffThePaper();
    void searchFilter();
};

void TestSheetFormats::readingTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8, LF") << QByteArray("B | 1.2.3.4.5.6\n\n\xC3\x89t | 1\na | 6\n  x\nA | 6");
    QTest::newRow("lone CR") << QByteArray("B | 1.2.3.4.5.6\r\r\xC9t | 1\ra | 6\r  x\rA | 6\r\r");
}

void TestSheetFormats::readingTheFile()
{
    QFETCH(QByteArray, bytes);
    Fixture f(bytes);
    QCOMPARE(f.formats.items(), (QStringList{u"  x"_s, u"a | 6"_s, u"A | 6"_s, u"B | 1.2.3.4.5.6"_s, u"Ét | 1"_s}));
    QVERIFY(f.formats.selectedIndex() == 0 && f.formats.fields()[SheetFields::X] == u"x"_s && f.prompts.messages.empty());
}

void TestSheetFormats::refusedFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << u"missing"_s;
    QTest::newRow("pipe") << u"pipe"_s;
}

// A formats file that is missing or no regular file is not read (a pipe
// without a writer would block for ever): the list stays empty and
// "Charger" says so; a save leaves it alone.
void TestSheetFormats::refusedFile()
{
    QFETCH(QString, kind);
    Fixture f("A | 1.2.3.4.5.6\r\n");
    const QString path = f.dir.filePath(u"formats.ini"_s);
    QVERIFY(QFile::remove(path));
    if (kind == u"pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QVERIFY(!f.formats.Charger_Formats() && f.formats.items().isEmpty() && f.prompts.messages.size() == 1);
    const ScriptedPrompts::MessageCall &m = f.prompts.messages[0];
    QCOMPARE(m.text + u'/' + m.title + QString::number(m.style), Missing + u"/Erreur"_s + QString::number(Msg::OkOnly | Msg::Critical));
    if (kind == u"missing") {
        Fixture none;
        QVERIFY(none.prompts.messages.empty() && none.fields() == u"10 10 10 10 1 1"_s);
        QVERIFY(none.formats.description().startsWith(u"Aucun format de papier n'est disponible"_s));
        return;
    }
    f.prompts.queueInput(u"Nouveau"_s);
    QVERIFY(!f.formats.Enregistrer_Format());
    QCOMPARE(f.prompts.messages.size(), 2u);
    QVERIFY(!QFileInfo(path).isFile());
}

void TestSheetFormats::selection_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("description");
    const QString size = u"\r\nFormat de la carte : "_s;
    QTest::newRow("six numbers") << u"Planche | 10.15.5.5.2.5"_s << u"10 15 5 5 2 5"_s << Full;
    QTest::newRow("no bar, seven numbers") << u"10.15.5.5.3.7.8"_s << u"10 15 5 5 3 7"_s
                                           << Places + Gaps + u"\r\n\r\nNombre d'étiquettes par planche : 21"_s;
    QTest::newRow("extended, A4") << u"A | 10.15.5.5.2.5.850.540.9"_s << u"10 15 5 5 2 5"_s
                                  << Full + size + u"85 x 54 mm\r\nPapier : Format A4 (210 x 297 mm)"_s;
    QTest::newRow("extended, paper text trimmed")
        << u"A | 10.15.5.5.2.5.889.508.3"_s << u"10 15 5 5 2 5"_s
        << Full + size + u"88,9 x 50,8 mm\r\nPapier : Tabloïd US (279 x 431 mm)"_s;
    QTest::newRow("extended, no such paper") << u"A | 10.15.5.5.2.5.850.540.42"_s << u"10 15 5 5 2 5"_s
                                             << Full + size + u"85 x 54 mm"_s;
    QTest::newRow("stock width 0") << u"A | 10.15.5.5.2.5.0.540.9"_s << u"10 15 5 5 2 5"_s << Full;
    QTest::newRow("stock height 0") << u"A | 10.15.5.5.2.5.850.0.9"_s << u"10 15 5 5 2 5"_s << Full;
    QTest::newRow("32767 cards") << u"A | 10.15.5.5.7.4681"_s << u"10 15 5 5 7 4681"_s
                                 << Places + Gaps + u"\r\n\r\nNombre d'étiquettes par planche : 32767"_s;
    QTest::newRow("no card across") << u"A | 10.15.5.5.0.5"_s << u"10 15 5 5 0 5"_s
                                    << Places + Gaps + u"\r\n\r\nNombre d'étiquettes par planche : 0"_s;
    QTest::newRow("over 32767 cards") << u"A | 10.15.5.5.2.16384"_s << u"10 15 5 5 2 16384"_s
                                      << Places + Gaps + u"\r\n"_s + Incomplete;
    QTest::newRow("three pieces") << u"A | 10.15.5"_s << u"10 15 5 10 1 1"_s
                                  << Places + u"Espacement horizontal : 5 Mm\r\n"_s + Incomplete;
    QTest::newRow("no field part") << u"A | "_s << u"10 10 10 10 1 1"_s << Incomplete;
}

void TestSheetFormats::selection()
{
    QFETCH(QString, line);
    QFETCH(QString, fields);
    QFETCH(QString, description);
    Fixture f(line.toUtf8());
    QCOMPARE(f.fields(), fields);
    QCOMPARE(f.formats.description(), description);
    QCOMPARE(f.formats.canPrint(), !description.endsWith(Incomplete));
    QCOMPARE(f.formats.selectedFormat().stock().has_value(), description.contains(u"Format de la carte"_s));
    QCOMPARE(f.formats.selectedFormat().paperCode().has_value(), description.contains(u"Papier"_s));
    f.formats.setField(SheetFields::VGap, u"0"_s);
    QVERIFY(f.formats.canPrint());
}

void TestSheetFormats::saving()
{
    Fixture f("Zeta | 1.1.1.1.1.1\r\n\r\n  \r\nAlpha | 10.15.5.5.2.5.850.540.9\r\n\r\n");
    QCOMPARE(f.formats.selectedIndex(), 0); // "  " changes nothing
    QCOMPARE(f.fields(), u"10 10 10 10 1 1"_s);
    f.formats.select(1);
    f.formats.setField(SheetFields::X, u"12"_s);
    QVERIFY(f.dir.writeFile(u"formats.ini"_s, f.file() + "Ajout | 1.2.3.4.5.6\r\n"));
    f.prompts.queueInput(u"  Étiquettes 2  "_s);
    QVERIFY(f.formats.Enregistrer_Format());
    QVERIFY(f.prompts.inputs.size() == 1 && f.prompts.inputs[0].defaultText == u"Alpha"_s);
    QCOMPARE(f.file(), QByteArray("  \r\nAjout | 1.2.3.4.5.6\r\nAlpha | 10.15.5.5.2.5.850.540.9\r\n"
                                  "Zeta | 1.1.1.1.1.1\r\n\xC9tiquettes 2 | 12.15.5.5.2.5.850.540.9\r\n"));
    QCOMPARE(f.formats.items().size(), 5);

    Fixture empty;
    empty.prompts.queueInput(u"Seul"_s);
    QVERIFY(empty.formats.Enregistrer_Format() && empty.file() == QByteArray("Seul | 10.10.10.10.1.1\r\n"));
}

void TestSheetFormats::savingRefusals()
{
    const QByteArray original("B | 1.2.3.4.5.6\n\nA | 6.5.4.3.2.1\n");
    Fixture cancelled(original);
    QVERIFY(!cancelled.formats.Enregistrer_Format());
    QCOMPARE(cancelled.file(), original);
    Fixture bar(original);
    bar.prompts.queueInput(u"A|B"_s);
    QVERIFY(!bar.formats.Enregistrer_Format());
    QCOMPARE(bar.lastMessage(), u"Le nom d'un format ne peut pas contenir le caractère \"|\"."_s);
    QCOMPARE(bar.file(), original);
    Fixture noBar("10.15.0.0.2.5\r\n");
    QVERIFY(!noBar.formats.Enregistrer_Format() && noBar.prompts.inputs.empty() && noBar.lastMessage() == Missing);
    Fixture full(original);
    full.prompts.queueInput(QString(200, u'n'));
    QVERIFY(!TestSupport::underFileSizeLimit(100, [&] { return full.formats.Enregistrer_Format(); }));
    QCOMPARE(full.file(), original);
    QCOMPARE(full.lastMessage(), Missing);
}

void TestSheetFormats::paperChoices()
{
    // A line's paper is chosen with it; the list keeps its choice while the
    // paper is custom; a plain line keeps the paper; a custom size typed
    // makes the paper custom; there is no 42nd paper.
    Settings f("Lettre | 5.6.0.0.2.4.889.508.1\r\nPlain | 10.15.5.5.2.5\r\n");
    PrintSettings &s = f.settings;
    const auto code = [&s](const std::function<void()> &step) { return step(), s.paperCode(); };
    QCOMPARE(QList<int>({s.paperCode(), code([&] { s.selectPaper(10); }), code([&] {
                             s.setCustomPaper(true);
                             s.selectPaper(7);
                         }),
                         code([&] { s.selectFormat(1); }), code([&] { s.setCustomPaper(false); }),
                         code([&] { s.selectPaper(41); }), code([&] { s.setCustomText(0, u"100"_s); })}),
             QList<int>({1, 11, 256, 256, 8, 8, 256}));
    s.setOrientation(PrintSettings::Landscape);
    s.setColorMode(PrintSettings::Monochrome);
    s.setQuality(SheetJob::Draft);
    s.setQuality(-5); // not a quality
    const std::optional<SheetJob> job = s.job(nullptr);
    QVERIFY(job && !job->stock && job->grayscale && job->grid.across == 2 && job->dpi() == 150);
    QCOMPARE(job->paperMm(), QSizeF(297, 100));
    s.selectFormat(0);
    QVERIFY(!s.customPaper() && s.paperCode() == 1 && s.job(nullptr)->stock->widthTenths == 889);
}

void TestSheetFormats::badInputNamesTheField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString range = u"Le champ \"%1\" doit contenir un nombre entier de %2 à %3."_s;
    QTest::newRow("empty X") << u"x"_s << u""_s << range.arg(u"Abcisse X"_s).arg(0).arg(32767);
    QTest::newRow("no card across") << u"across"_s << u"0"_s
                                    << range.arg(u"Nombre horizontal sur une planche"_s).arg(1).arg(32767);
    QTest::newRow("zero sheets") << u"sheets"_s << u"0"_s << range.arg(u"Nombre total de pages"_s).arg(1).arg(32767);
    QTest::newRow("empty zoom") << u"zoom"_s << u""_s << range.arg(u"Zoom défaut"_s).arg(1).arg(1000);
    QTest::newRow("custom width") << u"width"_s << u"0"_s << range.arg(u"Largeur"_s).arg(1).arg(5080);
    QTest::newRow("too many cards") << u"down"_s << u"20000"_s
                                    << u"Le nombre d'étiquettes par planche (2 x 20000) ne peut pas dépasser 32767."_s;
}

void TestSheetFormats::badInputNamesTheField()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Settings f("A | 10.15.5.5.2.5\r\n");
    PrintSettings &s = f.settings;
    QVERIFY(f.error().isEmpty());
    if (field == u"x")
        s.formats().setField(SheetFields::X, text);
    else if (field == u"across")
        s.formats().setField(SheetFields::Across, text);
    else if (field == u"down")
        s.formats().setField(SheetFields::Down, text);
    else if (field == u"sheets")
        s.setSheetsText(text);
    else if (field == u"zoom")
        s.setZoomText(text);
    else
        s.setCustomText(field == u"width" ? 0 : 1, text);
    QCOMPARE(f.error(), message);
}

void TestSheetFormats::descriptionWarnsOfCardsOffThePaper()
{
    Settings f("Court | 10.15.0.0.2.5\r\nIncomplet | 10.15\r\n");
    PrintSettings &s = f.settings;
    const QString fits = s.formats().description();
    s.setCardSize(CardSize::fromPixels(318, 204));
    QCOMPARE(s.description(), fits);
    s.formats().setField(SheetFields::Down, u"6"_s);
    QCOMPARE(s.description(), fits + u"\r\nAttention : 2 cartes sur 12 dépassent de la feuille : seule la partie qui "
                                     "tient sur la feuille est imprimée."_s);
    s.formats().setField(SheetFields::Down, u"5"_s);
    s.setZoomText(u"200"_s);
    QVERIFY(s.description().startsWith(fits + u"\r\nAttention : "_s));
    s.setZoomText(u"100"_s);

    s.selectFormat(1);
    QCOMPARE(f.error(), u"Ce format est incomplet : il ne peut pas être imprimé."_s);
    QVERIFY(s.description().endsWith(u"\r\nCe format est incomplet : il ne peut pas être imprimé."_s));
    s.formats().setField(SheetFields::HGap, u"0"_s);
    QVERIFY(f.error().isEmpty());
}

void TestSheetFormats::searchFilter()
{
    // Every typed word is in the name (the whole line without "|"), case,
    // accents and punctuation aside; the field part is not searched.
    const QStringList items{u"Avery Zweckform 32010 - Cartes | 1"_s, u"DECAdry OCC-3342 - Cartes | 32010"_s,
                            u"Herma 4103 - Étiquettes | 2"_s, u"Sigel LP800 - Cœur | 3"_s, u"sans barre étiquette"_s};
    QCOMPARE(FormatFilter::fold(u"ÉtiQuettes Cœur"_s), u"etiquettes coeur"_s);
    FormatFilter filter;
    const auto rows = [&](const QString &query) { return filter.setQuery(query), filter.apply(items), filter.rows(); };
    QCOMPARE(rows(QString()), QList<int>({0, 1, 2, 3, 4}));
    QCOMPARE(filter.summary(), QString());
    QCOMPARE(rows(u" zweckform\t32010 "_s), QList<int>({0}));
    QCOMPARE(filter.summary(), u"1 format trouvé : choisissez-le dans la liste."_s);
    QCOMPARE(rows(u"32010"_s) + rows(u"DECADRY occ3342"_s) + rows(u"herma 4103"_s) + rows(u"coeur"_s),
             QList<int>({0, 1, 2, 3}));
    QCOMPARE(rows(u"herma 4104"_s), QList<int>());
    QCOMPARE(filter.summary(), u"Aucun format ne correspond à la recherche."_s);
    QCOMPARE(rows(u"ÉTIQUETTE"_s), QList<int>({2, 4}));
    QCOMPARE(filter.summary(), u"2 formats trouvés : choisissez-en un dans la liste."_s);
    QCOMPARE(rows(u"etiquettes"_s), QList<int>({2}));
    filter.setQuery(u"étiquette"_s);
    QVERIFY(filter.apply(items) && !filter.apply(items));
    QCOMPARE(QList<int>({filter.indexAt(0), filter.indexAt(1), filter.indexAt(2), filter.rowOf(4), filter.rowOf(3)}),
             QList<int>({2, 4, -1, 1, -1}));
}

QTEST_GUILESS_MAIN(TestSheetFormats)
#include "tst_sheetformats.moc"
