// Project files: byte for byte compatibility with existing project files,
// renumbering on save, pictures named by paths, backgrounds, counts,
// lenient and hostile content, the text encoding and failed saves.
#include "TestSupport.h"
#include "document/CardProject.h"
#include "document/CardRenderer.h"
#include "document/PlaceholderPicture.h"
#include "platform/Encoding.h"

#include <QDir>
#include <QFontInfo>
#include <QtTest>

#include <sys/stat.h>

using TestSupport::pixel;

namespace {

QString fixture(const QString &name)
{
    return qEnvironmentVariable("BRIVADUNE_TEST_DATA") + QStringLiteral("/projects/") + name;
}

ProjectData dataOf(const QByteArray &bytes)
{
    ProfileFile p;
    p.fromText(Encoding::decode(bytes));
    return ProjectFile::read(p);
}

const QImage &placeholder()
{
    static const QImage picture = PlaceholderPicture::make();
    return picture;
}

// A file read into a new card, as a new card window reads it.
CardData load(const QString &path)
{
    CardData card(placeholder());
    CardProject::load(path, card, placeholder());
    return card;
}

CardProject::LoadResult loadResult(const QString &path)
{
    CardData card(placeholder());
    return CardProject::load(path, card, placeholder());
}

bool save(const CardData &card, const QString &path)
{
    return ProjectFile::write(CardProject::describe(card)).saveAs(path);
}

bool savePicture(const QString &path, int w, int h, QRgb rgb)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(rgb);
    return image.save(path);
}

} // namespace

class tst_ProjectFile : public QObject {
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<TestSupport::TempAppDir>(); }
    void fixturesRoundTripByteForByte_data();
    void fixturesRoundTripByteForByte();
    void loadsTheExample();
    void savingRenumbersVisibleItemsAndSkipsItemsWithoutFile();
    void picturePathsAreOnlyData();
    void backgroundsOfEachKind();
    void countsAreBoundedBySections();
    void unconvertibleAndOutOfRangeValuesAreAbsent();
    void lenientFilesSaveInTheUsualForm();
    void textsReadBackAsWritten();
    void failedSaveLeavesTheOldFile();
    void mergeListIsALaterSection();

private:
    QString temp(const QString &name) const { return m_dir->filePath(name); }
    QByteArray saved(const QString &name) const { return m_dir->readFile(name); }
    std::unique_ptr<TestSupport::TempAppDir> m_dir;
};

void tst_ProjectFile::fixturesRoundTripByteForByte_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"example.prj", "carte_complete.prj", "fond_blanc.prj", "degrade_circulaire.prj", "utf8.prj"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_ProjectFile::fixturesRoundTripByteForByte()
{
    QFETCH(QString, name);
    const QByteArray original = TestSupport::readBytes(fixture(name));
    QVERIFY(!original.isEmpty());
    QCOMPARE(loadResult(fixture(name)), CardProject::LoadResult::Loaded);
    QVERIFY(save(load(fixture(name)), temp(QStringLiteral("a.prj"))));
    QCOMPARE(saved(QStringLiteral("a.prj")), original);
    QVERIFY(save(load(temp(QStringLiteral("a.prj"))), temp(QStringLiteral("b.prj"))));
    QCOMPARE(saved(QStringLiteral("b.prj")), original);
    // No temporary file is left.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList({"a.prj", "b.prj"}));
}

void tst_ProjectFile::loadsTheExample()
{
    const CardData card = load(fixture(QStringLiteral("example.prj")));
    QCOMPARE(QSizeF(card.width(), card.height()), QSizeF(4770, 3060));
    const CardLabel &label = *card.Label(1);
    QCOMPARE(QStringList({label.Caption(), label.FontName()}), QStringList({"Atelier du Port", "Arial"}));
    QVERIFY(label.FontBold() && !label.FontItalic() && !label.FontStrikethru() && !label.FontUnderline());
    QCOMPARE(label.FontSize(), 12.0f);
    QCOMPARE(label.ForeColor, 0);
    QCOMPARE(QPointF(label.Left, label.Top), QPointF(2400, 120));
    // Sized to its text once every property is in place.
    QVERIFY(label.Visible && label.AutoSize());
    CardLabel same;
    same.setFontName(label.FontName());
    same.setFontSize(label.FontSize());
    same.setFontBold(true);
    same.setCaption(label.Caption());
    QCOMPARE(QSizeF(label.Width(), label.Height()), QSizeF(same.Width(), same.Height()));
    // A Windows path: the placeholder is shown and the path kept.
    const CardLogo &logo = *card.Logo(1);
    QCOMPARE(logo.picturePath, QStringLiteral("D:\\Cartes\\logo.bmp"));
    QCOMPARE(logo.Picture(), placeholder());
    QVERIFY(logo.Stretch());
    QCOMPARE(QRectF(logo.Left, logo.Top, logo.Width(), logo.Height()), QRectF(120, 120, 900, 900));
    QCOMPARE(QList<int>({card.NumFond, card.Color1, card.Color2, card.Color3, card.NumOption}),
             QList<int>({1, 16711680, 16777215, 255, 3}));
}

void tst_ProjectFile::savingRenumbersVisibleItemsAndSkipsItemsWithoutFile()
{
    CardData card(placeholder());
    for (int i = 2; i <= 5; ++i) {
        card.createLabel(i)->setCaption(QStringLiteral("L%1").arg(i));
        card.Label(i)->Visible = i > 3;
    }
    card.Label(5)->Top = 2000.5f;
    // Logo 1 has no picture file, logo 2 is deleted, logos 3 and 4 are
    // saved, logo 3 unstretched with a picture here.
    const QString png = temp(QStringLiteral("petit.png"));
    QVERIFY(savePicture(png, 20, 10, qRgb(0, 0, 255)));
    for (int i = 2; i <= 4; ++i) {
        card.createLogo(i)->picturePath = i == 3 ? png : QStringLiteral("/logo%1.png").arg(i);
        card.Logo(i)->Visible = i > 2;
    }
    card.Logo(4)->setStretch(true);
    card.Logo(4)->setSize(700, 350.25f);
    QVERIFY(save(card, temp(QStringLiteral("r.prj"))));
    const ProfileFile file(temp(QStringLiteral("r.prj")));
    QCOMPARE(file.sections(), QStringList({"FORMAT", "LABEL 1", "LABEL 2", "LABEL 3", "LOGO 1", "LOGO 2", "FOND", "LABEL", "LOGO"}));
    QCOMPARE(file.readString("LABEL 1", "ForeColor"), QStringLiteral("-2147483640"));
    QCOMPARE(file.readString("LABEL 2", "Caption"), QStringLiteral("L4"));
    QCOMPARE(file.readString("LABEL 3", "Top"), QStringLiteral("2000,5"));
    QCOMPARE(file.readString("LABEL", "Nombre"), QStringLiteral("3"));
    QCOMPARE(file.keys("LOGO 1"), QStringList({"Top", "Left", "Tag"}));
    QCOMPARE(file.readString("LOGO 1", "Tag"), png);
    QCOMPARE(file.keys("LOGO 2"), QStringList({"Top", "Left", "Tag", "Stretch", "Width", "Height"}));
    QCOMPARE(file.readString("LOGO 2", "Height"), QStringLiteral("350,25"));
    QCOMPARE(file.readString("LOGO", "Nombre"), QStringLiteral("2"));
    QCOMPARE(file.keys("FOND"), QStringList({"Numero"}));
    // Read into a card whose logo 1 was stretched: the unstretched logo
    // takes its picture's natural size.
    CardData loaded(placeholder());
    loaded.Logo(1)->setStretch(true);
    loaded.Logo(1)->setSize(5000, 5000);
    PictureFile::Cache pictures;
    QCOMPARE(CardProject::apply(ProjectFile::read(file), loaded, placeholder(), pictures), 0);
    QVERIFY(!loaded.Logo(1)->Stretch());
    QCOMPARE(QSizeF(loaded.Logo(1)->Width(), loaded.Logo(1)->Height()), QSizeF(300, 150));
}

void tst_ProjectFile::picturePathsAreOnlyData()
{
    const QString present = temp(QStringLiteral("vert.png"));
    QVERIFY(savePicture(present, 8, 8, qRgb(0, 200, 0)));
    QVERIFY(savePicture(temp(QStringLiteral("relatif.png")), 8, 8, qRgb(0, 200, 0)));
    QCOMPARE(::mkfifo(QFile::encodeName(temp(QStringLiteral("tube.png"))).constData(), 0600), 0);
    const QStringList tags = {
        temp(QStringLiteral("absent.png")), present, QStringLiteral("D:\\Cartes\\logo.bmp"),
        QStringLiteral("relatif.png"),    // relative: never resolved
        QStringLiteral("~/relatif.png"),  // nothing is expanded
        temp(QStringLiteral("tube.png")), // reading a pipe would block
    };
    QByteArray file;
    for (int i = 1; i <= tags.size(); ++i)
        file += "[LOGO " + QByteArray::number(i) + "]\r\nTag=" + tags[i - 1].toUtf8() + "\r\n";
    QVERIFY(m_dir->writeFile(QStringLiteral("p.prj"), file + "[LOGO]\r\nNombre=6\r\n"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    const CardData card = load(temp(QStringLiteral("p.prj")));
    QDir::setCurrent(previous);
    QCOMPARE(card.logoCount(), int(tags.size()));
    for (int i = 1; i <= tags.size(); ++i) {
        QCOMPARE(card.Logo(i)->picturePath, tags[i - 1]);
        if (i == 2)
            QCOMPARE(pixel(card.Logo(i)->Picture(), 4, 4), Colors::rgb(0, 200, 0));
        else
            QVERIFY2(card.Logo(i)->Picture() == placeholder(), qPrintable(tags[i - 1]));
    }
    // Every path is written back as it was read.
    const ProjectData back = CardProject::describe(card);
    for (int i = 1; i <= tags.size(); ++i)
        QCOMPARE(back.logos[size_t(i - 1)].tag, tags[i - 1]);
}

void tst_ProjectFile::backgroundsOfEachKind()
{
    const CardData circle = load(fixture(QStringLiteral("degrade_circulaire.prj")));
    QCOMPARE(QList<int>({circle.NumFond, circle.NumOption}), QList<int>({1, 8}));
    // Its centre is near stop 0 (red), away from stop 10 (black).
    const OleColor centre = pixel(CardRenderer::background(circle, 15), 159, 102);
    QVERIFY(Colors::red(centre) == 255 && Colors::green(centre) < 64 && Colors::blue(centre) == 0);
    // A picture stretched over the whole card; one that is not here
    // paints white and keeps the path.
    const QString red = temp(QStringLiteral("rouge.png"));
    QVERIFY(savePicture(red, 3, 2, qRgb(255, 0, 0)));
    const QByteArray head = "[FORMAT]\r\nLongueur=1500\r\nHauteur=750\r\n[FOND]\r\nNumero=2\r\nPicture=";
    QVERIFY(m_dir->writeFile(QStringLiteral("f.prj"), head + red.toUtf8() + "\r\n"));
    QVERIFY(m_dir->writeFile(QStringLiteral("g.prj"), head + "E:\\Fonds\\mer.jpg\r\n"));
    const QImage stretched = CardRenderer::background(load(temp(QStringLiteral("f.prj"))), 15);
    QCOMPARE(stretched.size(), QSize(100, 50));
    QCOMPARE(pixel(stretched, 0, 0), Colors::rgb(255, 0, 0));
    QCOMPARE(pixel(stretched, 99, 49), Colors::rgb(255, 0, 0));
    const CardData missing = load(temp(QStringLiteral("g.prj")));
    QCOMPARE(missing.BackgroundPicture, QStringLiteral("E:\\Fonds\\mer.jpg"));
    bool read = true;
    QCOMPARE(pixel(CardRenderer::background(missing, 15, &read), 50, 25), Colors::White);
    QVERIFY(!read);
}

void tst_ProjectFile::countsAreBoundedBySections()
{
    // [LABEL] Nombre, the "LABEL k" sections present, the labels read,
    // those left out. A count that cannot be read reads the sections
    // present, so that a save keeps them.
    const QList<std::tuple<QByteArray, QList<int>, int, int>> rows = {
        {"300", {1, 256, 300}, 300, 0},
        {"2000000000", {1, 3}, 3, 0},
        {"2000000000", {40000, 32767, 32768}, ProjectFile::MaxItems, 2},
        {"32767", {40000}, ProjectFile::MaxItems, 0},
        {"32768", {32767, 32768}, ProjectFile::MaxItems, 1},
        {"4294967297", {1, 2}, 2, 0},
        {"-4", {1}, 1, 0},
        {"beaucoup", {1, 5}, 5, 0},
        {"", {1, 2}, 2, 0},
        {"0", {1}, 0, 0},
        {"2", {1, 2, 3}, 2, 0},
        {"9", {1}, 1, 0}, // "LABEL 09" is not label 9
    };
    for (const auto &[count, sections, expected, leftOut] : rows) {
        QByteArray bytes = "[LABEL 09]\r\nCaption=zero\r\n";
        for (int k : sections)
            bytes += "[LABEL " + QByteArray::number(k) + "]\r\nCaption=L" + QByteArray::number(k) + "\r\n";
        const ProjectData d = dataOf(bytes + "[LABEL]\r\nNombre=" + count + "\r\n");
        QCOMPARE(int(d.labels.size()), expected);
        QCOMPARE(d.leftOut, leftOut);
        if (sections.contains(expected))
            QCOMPARE(d.labels.back().caption, QStringLiteral("L%1").arg(expected));
    }
    // An index without a section is an item with every value absent; no
    // logo section leaves logo 1 as it was.
    QVERIFY(m_dir->writeFile(QStringLiteral("h.prj"), "[LABEL 300]\r\nCaption=trois cents\r\n[LABEL]\r\nNombre=2000000000\r\n"
                                                      "[LOGO]\r\nNombre=2000000000\r\n"));
    const CardData card = load(temp(QStringLiteral("h.prj")));
    QCOMPARE(card.labelCount(), 300);
    QCOMPARE(card.Label(299)->Caption(), QString());
    QCOMPARE(card.Label(300)->Caption(), QStringLiteral("trois cents"));
    QCOMPARE(card.stackingOrder().back(), (CardItemRef{CardItemRef::LabelItem, 300}));
    QCOMPARE(card.logoCount(), 1);
    QCOMPARE(card.Logo(1)->Top, 480.0f);
}

void tst_ProjectFile::unconvertibleAndOutOfRangeValuesAreAbsent()
{
    const ProjectData d = dataOf("[FORMAT]\r\nLongueur=4762,81239\r\nHauteur=1e9\r\n"
                                 "[LABEL 1]\r\nFontSize=-3\r\nForeColor=-2147483640\r\nTop=1e30\r\nLeft=-1e7\r\n"
                                 "FontBold=peut-être\r\nFontItalic=2\r\n"
                                 "[LABEL 2]\r\nForeColor=4294967295\r\nFontSize=0\r\nTop=nan\r\nLeft=inf\r\n"
                                 "[LOGO 1]\r\nStretch=oui\r\nWidth=50\r\n[LOGO 2]\r\nStretch=Vrai\r\nWidth=-5\r\nHeight=1,5e3\r\n"
                                 "[FOND]\r\nNumero=70000\r\nOption=-2\r\n[LABEL]\r\nNombre=2\r\n[LOGO]\r\nNombre=2\r\n");
    QCOMPARE(d.width, 4762.8124);
    QCOMPARE(d.height, std::nullopt);
    const ProjectLabel &a = d.labels[0];
    QVERIFY(!a.fontSize && !a.top && !a.bold);
    QCOMPARE(a.foreColor, Colors::system(Colors::WindowText));
    QCOMPARE(a.left, -1.0e7f);
    QCOMPARE(a.italic, true);
    const ProjectLabel &b = d.labels[1];
    QVERIFY(!b.foreColor && !b.fontSize && !b.top && !b.left);
    QVERIFY(!d.logos[0].stretch && !d.logos[0].width);
    QVERIFY(d.logos[1].stretch && !d.logos[1].width);
    QCOMPARE(d.logos[1].height, 1500.0f);
    QCOMPARE(d.background.kind, std::nullopt);
    QCOMPARE(d.background.option, -2);
    // Sizes that are not a card: none, negative, beyond 100 cm.
    for (const char *side : {"0", "-4770", "56701", "4770,5x"})
        QVERIFY2(!dataOf(QByteArray("[FORMAT]\r\nLongueur=") + side + "\r\n").width, side);
    QVERIFY(dataOf("[FORMAT]\r\nLongueur=56700\r\n").width);
}

void tst_ProjectFile::lenientFilesSaveInTheUsualForm()
{
    // Points, True/False and numbers, LF line ends, names in any case.
    const CardData card = load(fixture(QStringLiteral("lenient.prj")));
    // Label 2 starts as a copy of label 1; what its section lacks or cannot
    // convert stays so, except the texts, which become empty.
    const CardLabel &b = *card.Label(2);
    QCOMPARE(QStringList({b.Caption(), b.FontName()}), QStringList({"Deuxième", ""}));
    QCOMPARE(b.FontSize(), 10.5f);
    QCOMPARE(b.ForeColor, 255);
    QVERIFY(b.FontBold() && b.FontUnderline());
    QCOMPARE(b.Top, 600.0f);
    QVERIFY(save(card, temp(QStringLiteral("n.prj"))));
    const QByteArray bytes = saved(QStringLiteral("n.prj"));
    QVERIFY(bytes.startsWith("[FORMAT]\r\nLongueur=4762,8\r\nHauteur=3061,8\r\n[LABEL 1]\r\nCaption=Mar\xE9"
                             "e basse\r\nFont=Verdana\r\nFontBold=Vrai\r\nFontItalic=Faux\r\nFontSize=10,5\r\n"
                             "FontStrikethru=Faux\r\nFontUnderline=Vrai\r\nForeColor=255\r\nTop=120,5\r\nLeft=240\r\n"));
    QVERIFY(bytes.contains("[LOGO 1]\r\nTop=50\r\nLeft=60\r\nTag=/nonexistent/logo.png\r\nStretch=Vrai\r\n"
                           "Width=300,25\r\nHeight=150\r\n[FOND]\r\nNumero=1\r\nColor1=16711680\r\n"));
    QVERIFY(bytes.contains("Option=5\r\n"));
}

void tst_ProjectFile::textsReadBackAsWritten()
{
    // Windows-1252 when every character fits, else the whole file in UTF-8;
    // "Ã©" in Windows-1252 (C3 A9) would read back as UTF-8 "é". Line breaks
    // become blanks; a 250-character text comes back as 199 characters.
    const QList<std::pair<QString, QByteArray>> texts = {
        {QStringLiteral("Crêpes à 2 €"), "Cr\xEApes \xE0 2 \x80"},
        {QStringLiteral("Ωmega → Łódź"), "\xCE\xA9mega \xE2\x86\x92 \xC5\x81\xC3\xB3" "d\xC5\xBA"},
        {QStringLiteral("Ã©"), "\xC3\x83\xC2\xA9"},
        {QStringLiteral("un\r\ndeux\nfin"), "un deux fin"},
        {QString(100, u'x') + QString(150, u'é'), QByteArray(100, 'x') + QByteArray(150, '\xE9')},
    };
    const QString path = temp(QStringLiteral("t.prj"));
    for (const auto &[text, bytes] : texts) {
        CardData card(placeholder());
        card.Label(1)->setCaption(text);
        QVERIFY(save(card, path));
        QVERIFY2(saved(QStringLiteral("t.prj")).contains("Caption=" + bytes + "\r\n"), qPrintable(text));
        QCOMPARE(load(path).Label(1)->Caption(), QString(text).replace(QLatin1String("\r\n"), QLatin1String(" "))
                                                      .replace(QLatin1Char('\n'), QLatin1Char(' ')).left(199));
    }
    // A centred or right-aligned label says so last in its section and
    // comes back where it was; a left-aligned one writes no such key.
    for (int alignment : {1, 2}) {
        CardData card(placeholder());
        card.Label(1)->Left = 900;
        card.Label(1)->setAlignment(CardLabel::Alignment(alignment));
        QVERIFY(save(card, path));
        QVERIFY(saved(QStringLiteral("t.prj")).contains("Left=900\r\nAlignement=" + QByteArray::number(alignment) + "\r\n[FOND]"));
        const CardData loaded = load(path);
    const CardLabel &back = *loaded.Label(1);
        QVERIFY(back.alignment() == alignment && back.Left == 900.0f);
    }
    QVERIFY(!dataOf("[LABEL 1]\r\nAlignement=7\r\n[LABEL]\r\nNombre=1\r\n").labels[0].alignment);
    // A font that is not installed keeps its name; a substitute draws it.
    const QString font = QStringLiteral("Bauhaus 93 Pro Étroit");
    QVERIFY(!QFontInfo(QFont(font)).exactMatch());
    CardData card(placeholder());
    card.Label(1)->setFontName(font);
    QVERIFY(save(card, path));
    QVERIFY(saved(QStringLiteral("t.prj")).contains("Font=Bauhaus 93 Pro \xC9troit\r\n"));
    const CardData loaded = load(path);
    const CardLabel &back = *loaded.Label(1);
    QCOMPARE(back.FontName(), font);
    QVERIFY(QFontInfo(back.font()).family() != font && back.Width() > 0);
}

void tst_ProjectFile::failedSaveLeavesTheOldFile()
{
    CardData card(placeholder());
    const QString path = temp(QStringLiteral("ancien.prj"));
    QVERIFY(save(card, path));
    const QByteArray old = saved(QStringLiteral("ancien.prj"));
    QVERIFY(old.size() > 200);
    // A full disk half-way: no file may grow past 64 bytes.
    card.Label(1)->setCaption(QString(150, u'n'));
    QVERIFY(!TestSupport::underFileSizeLimit(64, [&] { return save(card, path); }));
    QCOMPARE(saved(QStringLiteral("ancien.prj")), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList({"ancien.prj"}));
    // A folder that cannot exist (its parent is a file), no path at all.
    QVERIFY(!save(card, path + QStringLiteral("/dedans.prj")));
    QVERIFY(!save(card, QString()));
    QCOMPARE(saved(QStringLiteral("ancien.prj")), old);
    // A file with no project in it, or none at all, is told apart.
    QVERIFY(m_dir->writeFile(QStringLiteral("vide.prj"), "[AUTRE]\r\nx=1\r\n"));
    QCOMPARE(loadResult(temp(QStringLiteral("vide.prj"))), CardProject::LoadResult::NoProject);
    QCOMPARE(loadResult(temp(QStringLiteral("absent.prj"))), CardProject::LoadResult::Unreadable);
}

void tst_ProjectFile::mergeListIsALaterSection()
{
    // The list a card is merged with is written after everything else, and
    // only while there is one: without it the file is as it always was.
    const QByteArray original = TestSupport::readBytes(fixture(QStringLiteral("example.prj")));
    CardData card = load(fixture(QStringLiteral("example.prj")));
    card.mergeList = QStringLiteral("listes/equipe.csv");
    card.mergeCopies = 3;
    QVERIFY(save(card, temp(QStringLiteral("m.prj"))));
    QCOMPARE(saved(QStringLiteral("m.prj")), original + "[FUSION]\r\nFichier=listes/equipe.csv\r\nCopies=3\r\n");
    CardData back = load(temp(QStringLiteral("m.prj")));
    QCOMPARE(back.mergeList, card.mergeList);
    QCOMPARE(back.mergeCopies, 3);
    back.mergeList.clear();
    QVERIFY(save(back, temp(QStringLiteral("m.prj"))));
    QCOMPARE(saved(QStringLiteral("m.prj")), original);
    // Copies that make no sense are one; copies without a list are nothing.
    for (const char *copies : {"0", "1001", "-2", "trois", ""}) {
        const ProjectData read = dataOf(QByteArray("[FUSION]\r\nFichier=l.csv\r\nCopies=") + copies + "\r\n");
        QCOMPARE(read.merge, (ProjectMerge{QStringLiteral("l.csv"), 1}));
    }
    QCOMPARE(dataOf("[FUSION]\r\nCopies=4\r\n").merge, std::nullopt);
}

QTEST_MAIN(tst_ProjectFile)
#include "tst_projectfile.moc"
