#include "printing/PrintSettings.h"

#include "platform/ScriptedPrompts.h"

#include "TestSupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Fixture {
    TestSupport::TempAppDir dir;
    ScriptedPrompts prompts;
    PrintSettings settings{dir.path(), prompts};

    explicit Fixture(const QByteArray &formats = {})
    {
        if (!formats.isNull())
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

class TestPrintSettings : public QObject {
    Q_OBJECT

private slots:
    void paperChoices();
    void badInputNamesTheField_data();
    void badInputNamesTheField();
    void descriptionWarnsOfCardsOffThePaper();
};

void TestPrintSettings::paperChoices()
{
    Fixture f("Lettre | 5.6.0.0.2.4.889.508.1\r\nPlain | 10.15.5.5.2.5\r\n");
    PrintSettings &s = f.settings;
    // Loading selects the first line, which names US Letter and its stock.
    QCOMPARE(s.paperCode(), 1);
    std::optional<SheetJob> job = s.job(nullptr);
    QVERIFY(job && job->stock && job->stock->widthTenths == 889);
    s.selectPaper(10);
    QCOMPARE(s.paperCode(), 11);
    s.setCustomPaper(true);
    s.selectPaper(7); // the list keeps its choice for later
    QCOMPARE(s.paperCode(), 256);
    s.selectFormat(1); // a plain line keeps the paper
    QCOMPARE(s.paperCode(), 256);
    s.setCustomPaper(false);
    QCOMPARE(s.paperCode(), 8);
    s.selectPaper(41); // no 42nd item
    QCOMPARE(s.paperCode(), 8);

    // Typing a custom size makes the paper custom.
    s.setCustomText(0, u"100"_s);
    QCOMPARE(s.paperCode(), 256);
    s.setOrientation(PrintSettings::Landscape);
    s.setColorMode(PrintSettings::Monochrome);
    s.setQuality(SheetJob::Draft);
    s.setQuality(-5); // not a quality
    job = s.job(nullptr);
    QVERIFY(job && !job->stock && job->grayscale && job->grid.across == 2);
    QCOMPARE(job->paperMm(), QSizeF(297, 100));
    QCOMPARE(job->dpi(), 150);
    s.selectFormat(0);
    QVERIFY(!s.customPaper());
    QCOMPARE(s.paperCode(), 1);
}

void TestPrintSettings::badInputNamesTheField_data()
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
    QTest::newRow("zoom too large") << u"zoom"_s << u"1001"_s << range.arg(u"Zoom défaut"_s).arg(1).arg(1000);
    QTest::newRow("custom width") << u"width"_s << u"0"_s << range.arg(u"Largeur"_s).arg(1).arg(5080);
    QTest::newRow("custom height") << u"height"_s << u""_s << range.arg(u"Hauteur"_s).arg(1).arg(5080);
    QTest::newRow("too many cards") << u"down"_s << u"20000"_s
                                    << u"Le nombre d'étiquettes par planche (2 x 20000) ne peut pas dépasser 32767."_s;
}

void TestPrintSettings::badInputNamesTheField()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Fixture f("A | 10.15.5.5.2.5\r\n");
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

void TestPrintSettings::descriptionWarnsOfCardsOffThePaper()
{
    Fixture f("Court | 10.15.0.0.2.5\r\nIncomplet | 10.15\r\n");
    PrintSettings &s = f.settings;
    const QString fits = s.formats().description();
    s.setCardSize(CardSize::fromPixels(318, 204));
    QCOMPARE(s.description(), fits);
    // Printed cards are 4 x 2 mm larger: six rows of 56 mm from 15 mm run
    // off A4, and so does a grid at twice the size.
    s.formats().setField(SheetFields::Down, u"6"_s);
    QCOMPARE(s.description(), fits + u"\r\nAttention : 2 cartes sur 12 dépassent de la feuille : seule la partie qui "
                                     "tient sur la feuille est imprimée."_s);
    s.formats().setField(SheetFields::Down, u"5"_s);
    s.setZoomText(u"200"_s);
    QVERIFY(s.description().startsWith(fits + u"\r\nAttention : "_s));
    s.setZoomText(u"100"_s);

    // An incomplete line can be neither printed nor previewed until a
    // field is typed into.
    s.selectFormat(1);
    QCOMPARE(f.error(), u"Ce format est incomplet : il ne peut pas être imprimé."_s);
    QVERIFY(s.description().endsWith(u"\r\nCe format est incomplet : il ne peut pas être imprimé."_s));
    s.formats().setField(SheetFields::HGap, u"0"_s);
    QVERIFY(f.error().isEmpty());
}

QTEST_GUILESS_MAIN(TestPrintSettings)
#include "tst_printsettings.moc"
