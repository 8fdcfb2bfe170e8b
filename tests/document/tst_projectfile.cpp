// The project file's content without a card window: the keys, their order
// and value forms as the Windows program writes them, and lenient reading.
#include "TestSupport.h"
#include "document/ProjectFile.h"
#include "platform/Encoding.h"

#include <QtTest>

namespace {

QString fixture(const QString &name)
{
    return qEnvironmentVariable("BRIVADUNE_TEST_DATA") + QStringLiteral("/projects/") + name;
}

ProfileFile profileOf(const QByteArray &bytes)
{
    ProfileFile p;
    p.fromText(Encoding::decode(bytes));
    return p;
}

QByteArray bytesOf(const ProfileFile &p)
{
    return Encoding::encode(p.toText());
}

// The example card: one label, one stretched logo, a gradient.
ProjectData exampleCard()
{
    ProjectData d;
    d.width = 4770;
    d.height = 3060;
    d.labels.push_back({QStringLiteral("Atelier du Port"), QStringLiteral("Arial"), true, false, 12.0f, false,
                        false, 0, 120.0f, 2400.0f});
    d.logos.push_back({120.0f, 120.0f, QStringLiteral("D:\\Cartes\\logo.bmp"), true, 900.0f, 900.0f});
    d.background = {1, 16711680, 16777215, 255, 3, QString()};
    return d;
}

// A profile with `count` in [LABEL] and a section "LABEL k" for each k given.
QByteArray labelSections(const QString &count, const QList<int> &sections)
{
    QByteArray out;
    for (int k : sections)
        out += "[LABEL " + QByteArray::number(k) + "]\r\nCaption=L" + QByteArray::number(k) + "\r\n";
    out += "[LABEL]\r\nNombre=" + count.toLatin1() + "\r\n";
    return out;
}

} // namespace

class tst_ProjectFile : public QObject {
    Q_OBJECT

private slots:
    void writesTheExampleByteForByte();
    void readsTheExample();
    void writesOnlyWhatEachKindNeeds();
    void writesAbsentValuesEmptyAndTextOnOneLine();
    void readsUtf8();
    void countsAre32BitAndCappedBySections_data();
    void countsAre32BitAndCappedBySections();
    void unconvertibleAndOutOfRangeValuesAreAbsent();
    void longValuesAreCutTo199();
    void textsReadBackAsWritten_data();
    void textsReadBackAsWritten();
};

void tst_ProjectFile::writesTheExampleByteForByte()
{
    const QByteArray expected = TestSupport::readBytes(fixture(QStringLiteral("example.prj")));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(bytesOf(ProjectFile::write(exampleCard())), expected);
}

void tst_ProjectFile::readsTheExample()
{
    const ProjectData d = ProjectFile::read(ProfileFile(fixture(QStringLiteral("example.prj"))));
    QCOMPARE(d, exampleCard());

    const ProjectData full = ProjectFile::read(ProfileFile(fixture(QStringLiteral("carte_complete.prj"))));
    QCOMPARE(full.width, 4762.8);
    QCOMPARE(full.labels.size(), std::size_t(5));
    QCOMPARE(full.labels[0].caption, QStringLiteral("Café Évasion – Brest"));
    QCOMPARE(full.labels[0].foreColor, Colors::system(Colors::WindowText));
    QCOMPARE(full.labels[1].fontSize, 8.25f);
    QCOMPARE(full.labels[2].caption, QStringLiteral("Tél. : 02 98 00 00 00 – œuvres d’art 25 €"));
    QCOMPARE(full.labels[3].caption, QString());
    QCOMPARE(full.labels[4].left, -120.25f);
    QCOMPARE(full.logos.size(), std::size_t(2));
    QVERIFY(!full.logos[0].stretch);
    QCOMPARE(full.logos[0].width, std::nullopt);
    QCOMPARE(full.logos[1].height, 567.5f);
    QCOMPARE(full.background.kind, 2);
    QCOMPARE(full.background.picture,
             QStringLiteral("C:\\Program Files\\Brivadune\\Images\\Images de fond\\Océan.jpg"));
}

void tst_ProjectFile::writesOnlyWhatEachKindNeeds()
{
    ProjectData d = exampleCard();
    d.logos[0].stretch = false;
    d.background = {0, 1, 2, 3, 4, QStringLiteral("/x.png")};
    QString text = ProjectFile::write(d).toText();
    QVERIFY(text.contains(QLatin1String("[LOGO 1]\r\nTop=120\r\nLeft=120\r\nTag=D:\\Cartes\\logo.bmp\r\n[FOND]\r\nNumero=0\r\n[LABEL]")));

    d.background.kind = 2;
    text = ProjectFile::write(d).toText();
    QVERIFY(text.endsWith(QLatin1String("[FOND]\r\nNumero=2\r\nPicture=/x.png\r\n[LABEL]\r\nNombre=1\r\n[LOGO]\r\nNombre=1\r\n")));

    // A kind the program does not know: its number only.
    d.background.kind = 7;
    text = ProjectFile::write(d).toText();
    QVERIFY(text.contains(QLatin1String("[FOND]\r\nNumero=7\r\n[LABEL]")));

    // No items: the sections of the counts are still written.
    d.labels.clear();
    d.logos.clear();
    QCOMPARE(ProjectFile::write(d).toText(),
             QStringLiteral("[FORMAT]\r\nLongueur=4770\r\nHauteur=3060\r\n[FOND]\r\nNumero=7\r\n"
                            "[LABEL]\r\nNombre=0\r\n[LOGO]\r\nNombre=0\r\n"));
}

void tst_ProjectFile::writesAbsentValuesEmptyAndTextOnOneLine()
{
    ProjectData d;
    ProjectLabel label;
    label.caption = QStringLiteral("Ligne un\r\nLigne deux\nfin");
    d.labels.push_back(label);
    ProjectLogo logo;
    logo.stretch = true;
    logo.tag = QStringLiteral("/a.png");
    d.logos.push_back(logo);
    const ProfileFile p = ProjectFile::write(d);
    QCOMPARE(p.toText(),
             QStringLiteral("[FORMAT]\r\nLongueur=\r\nHauteur=\r\n"
                            "[LABEL 1]\r\nCaption=Ligne un Ligne deux fin\r\nFont=\r\nFontBold=\r\nFontItalic=\r\n"
                            "FontSize=\r\nFontStrikethru=\r\nFontUnderline=\r\nForeColor=\r\nTop=\r\nLeft=\r\n"
                            "[LOGO 1]\r\nTop=\r\nLeft=\r\nTag=/a.png\r\nStretch=Vrai\r\nWidth=\r\nHeight=\r\n"
                            "[FOND]\r\nNumero=\r\n[LABEL]\r\nNombre=1\r\n[LOGO]\r\nNombre=1\r\n"));
    // What is written absent reads back absent.
    ProjectData back = ProjectFile::read(profileOf(bytesOf(p)));
    d.labels[0].caption = QStringLiteral("Ligne un Ligne deux fin");
    QCOMPARE(back, d);

    // A character outside Windows-1252 makes the whole file UTF-8.
    d.labels[0].caption = QStringLiteral("Ωmega é");
    const QByteArray bytes = bytesOf(ProjectFile::write(d));
    QVERIFY(bytes.contains("Caption=\xCE\xA9mega \xC3\xA9\r\n"));
}

void tst_ProjectFile::readsUtf8()
{
    const ProjectData d = ProjectFile::read(ProfileFile(fixture(QStringLiteral("utf8.prj"))));
    QCOMPARE(d.labels.size(), std::size_t(2));
    QCOMPARE(d.labels[0].caption, QStringLiteral("Ωmega → Łódź"));
    QCOMPARE(d.labels[1].caption, QStringLiteral("Crêpes €"));
}

void tst_ProjectFile::countsAre32BitAndCappedBySections_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QList<int>>("sections");
    QTest::addColumn<int>("expected");
    QList<int> many;
    for (int k = 1; k <= 300; ++k)
        many << k;
    QTest::newRow("above 255") << QStringLiteral("300") << many << 300;
    QTest::newRow("256 is not 0") << QStringLiteral("256") << many << 256;
    QTest::newRow("count below sections") << QStringLiteral("2") << many << 2;
    QTest::newRow("hostile count") << QStringLiteral("2000000000") << QList<int>{1, 3} << 3;
    QTest::newRow("beyond 32 bits") << QStringLiteral("4294967297") << QList<int>{1} << 0;
    QTest::newRow("negative") << QStringLiteral("-4") << QList<int>{1} << 0;
    QTest::newRow("not a number") << QStringLiteral("beaucoup") << QList<int>{1} << 0;
    QTest::newRow("missing") << QString() << QList<int>{1} << 0;
    QTest::newRow("gap inside") << QStringLiteral("5") << QList<int>{1, 4} << 4;
    // A section the reader would not find by its number does not count.
    QTest::newRow("leading zero") << QStringLiteral("9") << QList<int>{1} << 1;
    QTest::newRow("past the index limit") << QStringLiteral("2000000000") << QList<int>{40000} << ProjectFile::MaxItems;
}

void tst_ProjectFile::countsAre32BitAndCappedBySections()
{
    QFETCH(QString, count);
    QFETCH(QList<int>, sections);
    QFETCH(int, expected);
    QByteArray bytes = labelSections(count, sections);
    bytes += "[LABEL 09]\r\nCaption=zero\r\n";
    const ProjectData d = ProjectFile::read(profileOf(bytes));
    QCOMPARE(int(d.labels.size()), expected);
    if (expected > 0 && sections.contains(expected))
        QCOMPARE(d.labels.back().caption, QStringLiteral("L%1").arg(expected));
    // An index without a section reads as an item with every value absent.
    if (count == QLatin1String("5"))
        QCOMPARE(d.labels[1], ProjectLabel());
}

void tst_ProjectFile::unconvertibleAndOutOfRangeValuesAreAbsent()
{
    const QByteArray bytes = "[FORMAT]\r\nLongueur=4762,81239\r\nHauteur=1e9\r\n"
                             "[LABEL 1]\r\nFontSize=-3\r\nForeColor=-2147483640\r\nTop=1e30\r\nLeft=-1e7\r\n"
                             "FontBold=peut-être\r\nFontItalic=2\r\n"
                             "[LABEL 2]\r\nForeColor=4294967295\r\nFontSize=0\r\nTop=nan\r\nLeft=inf\r\n"
                             "[LOGO 1]\r\nStretch=oui\r\nWidth=50\r\n"
                             "[LOGO 2]\r\nStretch=Vrai\r\nWidth=-5\r\nHeight=1,5e3\r\n"
                             "[FOND]\r\nNumero=70000\r\nOption=-2\r\nColor1=16777215\r\n"
                             "[LABEL]\r\nNombre=2\r\n[LOGO]\r\nNombre=2\r\n";
    const ProjectData d = ProjectFile::read(profileOf(bytes));
    QCOMPARE(d.width, 4762.8124);
    QCOMPARE(d.height, std::nullopt);
    QCOMPARE(d.labels[0].fontSize, std::nullopt);
    QCOMPARE(d.labels[0].foreColor, Colors::system(Colors::WindowText));
    QCOMPARE(d.labels[0].top, std::nullopt);
    QCOMPARE(d.labels[0].left, -1.0e7f);
    QCOMPARE(d.labels[0].bold, std::nullopt);
    QCOMPARE(d.labels[0].italic, true);
    QCOMPARE(d.labels[1].foreColor, std::nullopt);
    QCOMPARE(d.labels[1].fontSize, std::nullopt);
    QCOMPARE(d.labels[1].top, std::nullopt);
    QCOMPARE(d.labels[1].left, std::nullopt);
    QVERIFY(!d.logos[0].stretch);
    QCOMPARE(d.logos[0].width, std::nullopt);
    QVERIFY(d.logos[1].stretch);
    QCOMPARE(d.logos[1].width, std::nullopt);
    QCOMPARE(d.logos[1].height, 1500.0f);
    QCOMPARE(d.background.kind, std::nullopt);
    QCOMPARE(d.background.option, -2);
    QCOMPARE(d.background.color1, 16777215);

    // Sizes that are not a card: none, negative, beyond 100 cm.
    for (const char *side : {"0", "-4770", "56701", "4770,5x"}) {
        const ProjectData s = ProjectFile::read(profileOf(QByteArray("[FORMAT]\r\nLongueur=") + side + "\r\n"));
        QVERIFY2(!s.width, side);
    }
}

void tst_ProjectFile::longValuesAreCutTo199()
{
    ProjectData d = exampleCard();
    d.labels[0].caption = QString(200, u'a') + QString(50, u'é');
    d.labels[0].fontName = QString(250, u'F');
    const QByteArray bytes = bytesOf(ProjectFile::write(d));
    // Written whole, read back as the first 199 characters.
    QVERIFY(bytes.contains("Caption=" + QByteArray(200, 'a') + QByteArray(50, '\xE9') + "\r\n"));
    const ProjectData back = ProjectFile::read(profileOf(bytes));
    QCOMPARE(back.labels[0].caption, QString(199, u'a'));
    QCOMPARE(back.labels[0].fontName, QString(199, u'F'));
}

void tst_ProjectFile::textsReadBackAsWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Windows-1252") << QStringLiteral("Crêpes à 2 €") << QByteArray("Cr\xEApes \xE0 2 \x80");
    QTest::newRow("outside Windows-1252") << QStringLiteral("Ωmega") << QByteArray("\xCE\xA9mega");
    // Its Windows-1252 bytes (C3 A9) would read back as UTF-8 "é".
    QTest::newRow("Windows-1252 that looks like UTF-8") << QStringLiteral("Ã©") << QByteArray("\xC3\x83\xC2\xA9");
}

void tst_ProjectFile::textsReadBackAsWritten()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    ProjectData d = exampleCard();
    d.labels[0].caption = text;
    const QByteArray file = bytesOf(ProjectFile::write(d));
    QVERIFY(file.contains("Caption=" + bytes + "\r\n"));
    QCOMPARE(ProjectFile::read(profileOf(file)).labels[0].caption, text);
}

QTEST_MAIN(tst_ProjectFile)
#include "tst_projectfile.moc"
