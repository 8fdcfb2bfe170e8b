// Codes on a card: drawn from the library's modules at any resolution and
// read back by a barcode reader, kept in the project file, filled from the
// records of a list.
#include "document/CardProject.h"
#include "document/CardRenderer.h"
#include "document/CodeSymbol.h"
#include "document/MergeCard.h"
#include "document/ProjectFile.h"

#include "CodeReader.h"
#include "TestSupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString Contact = u"BEGIN:VCARD\nVERSION:3.0\nN:Lefèvre;Hélène;;;\nFN:Hélène Lefèvre\nORG:Boulangerie Ça"
                        u" Croûte\nTEL;TYPE=WORK,VOICE:+33 2 98 00 00 00\nEMAIL:helene@example.fr\n"
                        u"URL:https://example.fr/é\nADR;TYPE=WORK:;;12 rue de l'Église\\, Brest;;;;\nEND:VCARD"_s;

// A white card holding one code.
CardData cardWith(const CardCode &code)
{
    CardData card;
    card.Label(1)->Visible = card.Logo(1)->Visible = false;
    *card.createCode(1) = code;
    return card;
}

// Code 1 at (600, 300), `width` wide, `height` high (the width again when 0).
CardCode code(CardCode::Kind kind, const QString &content, float width, float height = 0)
{
    return {.index = 1, .kind = kind, .content = content, .Left = 600, .Top = 300, .Width = width,
            .Height = height > 0 ? height : width};
}

} // namespace

class TestCodes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void readBack_data();
    void readBack();
    void keptInTheProjectFile();
    void unreadableSectionsLeftOut();
    void filledFromRecords();
    void refusedContents_data();
    void refusedContents();
};

void TestCodes::initTestCase()
{
    if (!CodeReader::available())
        QSKIP("zbarimg (Debian package zbar-tools) is not installed: run scripts/deps.sh");
}

void TestCodes::readBack_data()
{
    QTest::addColumn<CardCode>("item");
    QTest::addColumn<double>("twipsPerPixel");
    QTest::newRow("QR contact, 300 dpi") << code(CardCode::QR, Contact, 1700) << 4.8;
    QTest::newRow("QR address, screen") << code(CardCode::QR, u"https://example.fr"_s, 1200) << 15.0;
    QTest::newRow("Data Matrix, 300 dpi") << code(CardCode::DataMatrix, u"https://example.fr/carte"_s, 1000) << 4.8;
    QTest::newRow("EAN-13, 300 dpi") << code(CardCode::EAN13, u"400638133393"_s, 2100, 800) << 4.8;
    QTest::newRow("Code 128, screen") << code(CardCode::Code128, u"A1"_s, 3600, 700) << 15.0;
}

void TestCodes::readBack()
{
    QFETCH(CardCode, item);
    QFETCH(double, twipsPerPixel);
    const QString expected = item.kind == CardCode::EAN13 ? item.content + u'1' : item.content;
    const CardData card = cardWith(item);
    const bool dataMatrix = item.kind == CardCode::DataMatrix;
    QCOMPARE(CodeReader::read(CardRenderer::flatten(card, twipsPerPixel), dataMatrix), expected);
    // Saved and opened again.
    const ProjectData saved = ProjectFile::read(ProjectFile::write(CardProject::describe(card)));
    CardData reopened;
    PictureFile::Cache pictures;
    CardProject::apply(saved, reopened, {}, pictures);
    reopened.Label(1)->Visible = reopened.Logo(1)->Visible = false;
    QVERIFY(reopened.codeCount() == 1 && *reopened.Code(1) == *card.Code(1));
    QCOMPARE(CodeReader::read(CardRenderer::flatten(reopened, twipsPerPixel), dataMatrix), expected);
}

void TestCodes::keptInTheProjectFile()
{
    // Line breaks, backslashes and a content of several pieces.
    CardCode qr = code(CardCode::QR, u"ligne 1\nC:\\dossier\\n\n"_s + QString(400, u'é'), 1500);
    qr.correction = CardCode::H;
    qr.ForeColor = Colors::rgb(0, 0, 128);
    qr.BackColor = Colors::White;
    ProjectData data = CardProject::describe(cardWith(qr));
    data.codes.push_back(code(CardCode::Code128, u"{Réf}"_s, 2000, 600));
    data.codes.back().index = 2;
    const ProfileFile file = ProjectFile::write(data);
    const auto value = [&file](const char *section, const char *key) {
        return file.readString(QLatin1String(section), QLatin1String(key));
    };
    QCOMPARE(QStringList({value("CODE 1", "Type"), value("CODE 1", "Correction"), value("CODE 1", "BackColor"),
                          value("CODE 2", "BackColor"), value("CODE", "Nombre")}),
             QStringList({u"QR"_s, u"H"_s, QString::number(Colors::White), u"-1"_s, u"2"_s}));
    QCOMPARE(value("CODE 1", "Contenu1"), (u"ligne 1\\nC:\\\\dossier\\\\n\\n"_s + QString(400, u'é')).left(150));
    QVERIFY(file.contains(u"CODE 1"_s, u"Contenu3"_s) && !file.contains(u"CODE 1"_s, u"Contenu4"_s));
    QCOMPARE(file.sections().mid(file.sections().indexOf(u"CODE 1"_s)), (QStringList{u"CODE 1"_s, u"CODE 2"_s, u"CODE"_s}));
    QCOMPARE(ProjectFile::read(file).codes, data.codes);

    // A card without codes writes no trace of them.
    CardData plain = cardWith(qr);
    plain.Code(1)->Visible = false;
    for (const QString &section : ProjectFile::write(CardProject::describe(plain)).sections())
        QVERIFY(!section.startsWith(u"CODE"_s, Qt::CaseInsensitive));
}

void TestCodes::unreadableSectionsLeftOut()
{
    ProfileFile file;
    const auto section = [&file](int n, const QString &type, const QString &content) {
        file.writeString(u"CODE %1"_s.arg(n), u"Type"_s, type);
        file.writeString(u"CODE %1"_s.arg(n), u"Contenu1"_s, content);
        file.writeString(u"CODE %1"_s.arg(n), u"Width"_s, u"900"_s);
    };
    section(1, u"Aztec"_s, u"x"_s);
    section(2, u"EAN13"_s, u"12345"_s);
    section(3, u"datamatrix"_s, u"ok"_s);
    section(4, u"EAN13"_s, u"{Code}"_s);
    file.writeString(u"CODE"_s, u"Nombre"_s, u"4"_s);
    const ProjectData data = ProjectFile::read(file);
    QCOMPARE(data.unreadableCodes, (QList<int>{1, 2}));
    // Numbered again; a square code's height is its side.
    QVERIFY(data.codes.size() == 2 && data.codes[0].kind == CardCode::DataMatrix && data.codes[0].index == 1
            && data.codes[0].Height == 900.0f && data.codes[1].content == u"{Code}"_s);
}

void TestCodes::filledFromRecords()
{
    CardData card = cardWith(code(CardCode::EAN13, u"{Code}"_s, 2100, 800));
    const MergeCard merge(card, {u"Nom"_s, u"Code"_s});
    const QList<QStringList> records = {{u"Ana"_s, u"4006381333931"_s}, {u"Bob"_s, u"12"_s}, {u"Cyr"_s, u"590123412345"_s}};
    bool unfit = true;
    merge.fill(records[0], &unfit);
    QVERIFY(!unfit);
    // A value that does not fit: an empty frame in the code's colour.
    const QImage frame = CardRenderer::flatten(merge.fill(records[1], &unfit), 4.8);
    QVERIFY(unfit);
    QCOMPARE(TestSupport::pixel(frame, 125, 200), Colors::rgb(0, 0, 0));
    QCOMPARE(TestSupport::pixel(frame, 200, 100), Colors::White);
    QCOMPARE(merge.unfitRecords(3, [&records](int n) { return records[n]; }), QList<int>{2});
    QCOMPARE(MergeCard::unfitCodesMessage({2}),
             u"Le code ne peut pas être fait pour la fiche 2 de la liste : un cadre vide le remplace."_s);
}

void TestCodes::refusedContents_data()
{
    QTest::addColumn<CardCode::Kind>("kind");
    QTest::addColumn<QString>("content");
    QTest::addColumn<CardCode::Correction>("correction");
    QTest::addColumn<QString>("message");
    const QString tooLong = u"Ce contenu est trop long pour un code de ce type."_s;
    QTest::newRow("QR, 2953 bytes at H") << CardCode::QR << QString(2953, u'a') << CardCode::H << tooLong;
    QTest::newRow("EAN-13, letters") << CardCode::EAN13 << u"40063813339A"_s << CardCode::M
                                     << u"Un code EAN-13 prend 12 ou 13 chiffres."_s;
    QTest::newRow("Code 128, beyond Latin-1") << CardCode::Code128 << u"Ω"_s << CardCode::M
                                              << u"Ce contenu ne peut pas être mis dans un code de ce type."_s;
}

void TestCodes::refusedContents()
{
    QFETCH(CardCode::Kind, kind);
    QFETCH(QString, content);
    QFETCH(CardCode::Correction, correction);
    QFETCH(QString, message);
    QCOMPARE(CodeSymbol::encode(kind, content, correction).error(), message);
    // Just within: the same kinds take these.
    QVERIFY(CodeSymbol::encode(CardCode::QR, QString(2953, u'a'), CardCode::L).valid());
    QVERIFY(CodeSymbol::encode(CardCode::EAN13, u"4006381333931"_s).valid());
}

QTEST_MAIN(TestCodes)
#include "tst_codes.moc"
