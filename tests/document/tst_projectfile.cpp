// Project files: byte for byte compatibility with the files of the Windows
// program, renumbering on save, pictures named by paths, backgrounds,
// counts, lenient and hostile content, the text encoding and failed saves.
#include "FakeCardHost.h"
#include "TestSupport.h"
#include "document/ProjectFile.h"
#include "document/frmProjet.h"
#include "platform/Encoding.h"

#include <QDir>
#include <QFontInfo>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

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

// A frame that also logs, in order, the swatch writes and the orientation
// handler and button calls.
class OrderHost : public FakeCardHost {
public:
    QStringList log;
    void setSwatchColor(int index, OleColor color) override
    {
        FakeCardHost::setSwatchColor(index, color);
        log << QStringLiteral("swatch %1=%2").arg(index).arg(color);
    }
    void Option_Click(int index) override
    {
        FakeCardHost::Option_Click(index);
        log << QStringLiteral("Option_Click %1").arg(index);
    }
    void selectOption(int index) override { log << QStringLiteral("selectOption %1").arg(index); }
};

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
    void init();
    void cleanup();

    void fixturesRoundTripByteForByte_data();
    void fixturesRoundTripByteForByte();
    void loadsTheExample();
    void savingRenumbersVisibleItemsAndSkipsEmptyTags();
    void picturePathsAreOnlyData();
    void circularGradientAndPictureBackgrounds();
    void countsAreBoundedBySections();
    void unconvertibleAndOutOfRangeValuesAreAbsent();
    void lenientFilesLoadAndSaveInTheProgramsForm();
    void textsReadBackAsWritten();
    void failedSaveOrLoadChangesNothing();

private:
    // A new window in place of the previous one.
    frmProjet &newCard()
    {
        m_card.reset();
        m_host = std::make_unique<OrderHost>();
        m_card = std::make_unique<frmProjet>(m_host.get());
        return *m_card;
    }
    QString temp(const QString &name) const { return m_dir->filePath(name); }
    QByteArray saved(const QString &name) const { return m_dir->readFile(name); }

    std::unique_ptr<TestSupport::TempAppDir> m_dir;
    std::unique_ptr<OrderHost> m_host;
    std::unique_ptr<frmProjet> m_card;
};

void tst_ProjectFile::init()
{
    m_dir = std::make_unique<TestSupport::TempAppDir>();
    QVERIFY(m_dir->isValid());
}

void tst_ProjectFile::cleanup()
{
    m_card.reset();
    m_host.reset();
    m_dir.reset();
}

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
    QVERIFY(newCard().Projet_Ouvrir(fixture(name)));
    QVERIFY(m_card->Projet_Sauver(temp(QStringLiteral("a.prj"))));
    QCOMPARE(saved(QStringLiteral("a.prj")), original);
    // Saving twice, and loading the copy, change nothing.
    QVERIFY(m_card->Projet_Sauver(temp(QStringLiteral("a.prj"))));
    QCOMPARE(saved(QStringLiteral("a.prj")), original);
    QVERIFY(newCard().Projet_Ouvrir(temp(QStringLiteral("a.prj"))));
    QVERIFY(m_card->Projet_Sauver(temp(QStringLiteral("b.prj"))));
    QCOMPARE(saved(QStringLiteral("b.prj")), original);
    // No temporary file is left.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList({"a.prj", "b.prj"}));
}

void tst_ProjectFile::loadsTheExample()
{
    TestSupport::FrenchLocale french;
    frmProjet &card = newCard();
    QVERIFY(card.Projet_Ouvrir(fixture(QStringLiteral("example.prj"))));
    QCOMPARE(QSizeF(card.Picture1().width(), card.Picture1().height()), QSizeF(4770, 3060));
    QCOMPARE(m_host->panels.value(2), QStringLiteral("8,41 x 5,40 cm"));
    QVERIFY(card.cardView()->isVisibleTo(&card));
    const CardLabel &label = *card.Label(1);
    QCOMPARE(QStringList({label.Caption(), label.FontName()}), QStringList({"Atelier du Port", "Arial"}));
    QVERIFY(label.FontBold() && !label.FontItalic() && !label.FontStrikethru() && !label.FontUnderline());
    QCOMPARE(label.FontSize(), 12.0f);
    QCOMPARE(label.ForeColor, 0);
    QCOMPARE(QPointF(label.Left, label.Top), QPointF(2400, 120));
    // Sized to its text once every property is in place.
    QVERIFY(label.Visible && label.AutoSize());
    QCOMPARE(QSizeF(label.Width(), label.Height()), CardLabel::textSize(label.Caption(), label.font()));
    // A Windows path: the placeholder is shown and the path kept.
    const CardLogo &logo = *card.Logo(1);
    QCOMPARE(logo.Tag, QStringLiteral("D:\\Cartes\\logo.bmp"));
    QCOMPARE(logo.Picture(), card.Tmp());
    QVERIFY(logo.Stretch());
    QCOMPARE(QRectF(logo.Left, logo.Top, logo.Width(), logo.Height()), QRectF(120, 120, 900, 900));
    QCOMPARE(QList<int>({card.doc().NumFond, card.doc().Color1, card.doc().Color2, card.doc().Color3, card.doc().NumOption}),
             QList<int>({1, 16711680, 16777215, 255, 3}));
    QCOMPARE(m_host->objects, QStringList({"Lb1 | Atelier du Port", QString(40, u'-'), "Lg1 | Logo image n°1"}));
}

void tst_ProjectFile::savingRenumbersVisibleItemsAndSkipsEmptyTags()
{
    frmProjet &card = newCard();
    for (int i = 2; i <= 5; ++i) {
        card.doc().createLabel(i)->setCaption(QStringLiteral("L%1").arg(i));
        card.Label(i)->Visible = i > 3;
    }
    card.Label(5)->Top = 2000.5f;
    // Logo 1 has no picture file, logo 2 is deleted, logos 3 and 4 are saved,
    // logo 3 unstretched with a picture here.
    const QString png = temp(QStringLiteral("petit.png"));
    QVERIFY(savePicture(png, 20, 10, qRgb(0, 0, 255)));
    for (int i = 2; i <= 4; ++i) {
        card.doc().createLogo(i)->Tag = i == 3 ? png : QStringLiteral("/logo%1.png").arg(i);
        card.Logo(i)->Visible = i > 2;
    }
    card.Logo(4)->setStretch(true);
    card.Logo(4)->setSize(700, 350.25f);
    QVERIFY(card.Projet_Sauver(temp(QStringLiteral("r.prj"))));
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
    // Loaded into a window whose logo 1 was stretched: the unstretched logo
    // takes its picture's natural size.
    frmProjet &loaded = newCard();
    loaded.Logo(1)->setStretch(true);
    loaded.Logo(1)->setSize(5000, 5000);
    QVERIFY(loaded.Projet_Ouvrir(temp(QStringLiteral("r.prj"))));
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
        temp(QStringLiteral("absent.png")), // missing, beside a present one
        present,
        QStringLiteral("D:\\Cartes\\logo.bmp"),
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
    const bool read = newCard().Projet_Ouvrir(temp(QStringLiteral("p.prj")));
    QDir::setCurrent(previous);
    QVERIFY(read);
    QCOMPARE(m_card->logoCount(), int(tags.size()));
    for (int i = 1; i <= tags.size(); ++i) {
        QCOMPARE(m_card->Logo(i)->Tag, tags[i - 1]);
        if (i == 2)
            QCOMPARE(TestSupport::pixel(m_card->Logo(i)->Picture(), 4, 4), Colors::rgb(0, 200, 0));
        else
            QVERIFY2(m_card->Logo(i)->Picture() == m_card->Tmp(), qPrintable(tags[i - 1]));
    }
    // Saved again, every path is written back as it was read.
    QVERIFY(m_card->Projet_Sauver(temp(QStringLiteral("p2.prj"))));
    const ProjectData back = ProjectFile::read(ProfileFile(temp(QStringLiteral("p2.prj"))));
    for (int i = 1; i <= tags.size(); ++i)
        QCOMPARE(back.logos[size_t(i - 1)].tag, tags[i - 1]);
}

void tst_ProjectFile::circularGradientAndPictureBackgrounds()
{
    frmProjet &card = newCard();
    QVERIFY(card.Projet_Ouvrir(fixture(QStringLiteral("degrade_circulaire.prj"))));
    QCOMPARE(QList<int>({card.doc().NumFond, card.doc().NumOption}), QList<int>({1, 8}));
    // The card paints its own gradient; the activation that ends the load
    // hands it to the frame: the swatches, then the handler and the button.
    QCOMPARE(m_host->log, QStringList({"swatch 0=255", "swatch 5=33023", "swatch 10=0", "Option_Click 8",
                                       "selectOption 8"}));
    // Its centre is near stop 0 (red), away from stop 10 (black).
    const OleColor centre = TestSupport::pixel(card.Picture1().image(), 159, 102);
    QVERIFY(Colors::red(centre) == 255 && Colors::green(centre) < 64 && Colors::blue(centre) == 0);

    // A picture stretched over the whole card; one that is not here leaves
    // the card blank and keeps the path.
    const QString red = temp(QStringLiteral("rouge.png"));
    QVERIFY(savePicture(red, 3, 2, qRgb(255, 0, 0)));
    const QByteArray head = "[FORMAT]\r\nLongueur=1500\r\nHauteur=750\r\n[FOND]\r\nNumero=2\r\nPicture=";
    QVERIFY(m_dir->writeFile(QStringLiteral("f.prj"), head + red.toUtf8() + "\r\n"));
    QVERIFY(m_dir->writeFile(QStringLiteral("g.prj"), head + "E:\\Fonds\\mer.jpg\r\n"));
    QVERIFY(newCard().Projet_Ouvrir(temp(QStringLiteral("f.prj"))));
    QCOMPARE(m_card->Picture1().image().size(), QSize(100, 50));
    QCOMPARE(TestSupport::pixel(m_card->Picture1().image(), 0, 0), Colors::rgb(255, 0, 0));
    QCOMPARE(TestSupport::pixel(m_card->Picture1().image(), 99, 49), Colors::rgb(255, 0, 0));
    QVERIFY(newCard().Projet_Ouvrir(temp(QStringLiteral("g.prj"))));
    QCOMPARE(m_card->doc().NumFond, 2);
    QCOMPARE(m_card->doc().BackgroundPicture, QStringLiteral("E:\\Fonds\\mer.jpg"));
    QCOMPARE(TestSupport::pixel(m_card->Picture1().image(), 50, 25), Colors::White);
}

void tst_ProjectFile::countsAreBoundedBySections()
{
    // [LABEL] Nombre, the "LABEL k" sections present, the labels read.
    // A count that cannot be read reads the sections present, so that a
    // save keeps them; sections beyond what a card holds are counted as
    // left out.
    const QList<std::tuple<QByteArray, QList<int>, int, int>> rows = {
        {"300", {1, 256, 300}, 300, 0},        // above 255: every one
        {"2000000000", {1, 3}, 3, 0},          // hostile: only what is there
        {"2000000000", {40000, 32767, 32768}, ProjectFile::MaxItems, 2},
        {"32767", {40000}, ProjectFile::MaxItems, 0},
        {"4294967297", {1, 2}, 2, 0},          // beyond 32 bits
        {"-4", {1}, 1, 0},
        {"beaucoup", {1, 5}, 5, 0},
        {"", {1, 2}, 2, 0},
        {"0", {1}, 0, 0},                      // a count that reads is kept
        {"2", {1, 2, 3}, 2, 0},
        {"9", {1}, 1, 0},                      // "LABEL 09" is not label 9
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
    // In a window: an index without a section is an item with every value
    // absent; no logo section leaves logo 1 as it was.
    QVERIFY(m_dir->writeFile(QStringLiteral("h.prj"), "[LABEL 300]\r\nCaption=trois cents\r\n[LABEL]\r\nNombre=2000000000\r\n"
                                                      "[LOGO]\r\nNombre=2000000000\r\n"));
    frmProjet &card = newCard();
    QVERIFY(card.Projet_Ouvrir(temp(QStringLiteral("h.prj"))));
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
}

void tst_ProjectFile::lenientFilesLoadAndSaveInTheProgramsForm()
{
    // Points, True/False and numbers, LF line ends, names in any case.
    frmProjet &card = newCard();
    QVERIFY(card.Projet_Ouvrir(fixture(QStringLiteral("lenient.prj"))));
    // Label 2 starts as a copy of label 1; what its section lacks or cannot
    // convert stays so, except the texts, which become empty.
    const CardLabel &b = *card.Label(2);
    QCOMPARE(QStringList({b.Caption(), b.FontName()}), QStringList({"Deuxième", ""}));
    QCOMPARE(b.FontSize(), 10.5f);
    QCOMPARE(b.ForeColor, 255);
    QVERIFY(b.FontBold() && b.FontUnderline());
    QCOMPARE(b.Top, 600.0f);
    QVERIFY(card.Projet_Sauver(temp(QStringLiteral("n.prj"))));
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
    for (const auto &[text, bytes] : texts) {
        newCard().Label(1)->setCaption(text);
        QVERIFY(m_card->Projet_Sauver(temp(QStringLiteral("t.prj"))));
        QVERIFY2(saved(QStringLiteral("t.prj")).contains("Caption=" + bytes + "\r\n"), qPrintable(text));
        QVERIFY(newCard().Projet_Ouvrir(temp(QStringLiteral("t.prj"))));
        QCOMPARE(m_card->Label(1)->Caption(), QString(text).replace(QLatin1String("\r\n"), QLatin1String(" "))
                                                   .replace(QLatin1Char('\n'), QLatin1Char(' ')).left(199));
    }
    // A font that is not installed keeps its name; a substitute draws it.
    const QString font = QStringLiteral("Bauhaus 93 Pro Étroit");
    QVERIFY(!QFontInfo(QFont(font)).exactMatch());
    m_card->Label(1)->setFontName(font);
    QVERIFY(m_card->Projet_Sauver(temp(QStringLiteral("t.prj"))));
    QVERIFY(saved(QStringLiteral("t.prj")).contains("Font=Bauhaus 93 Pro \xC9troit\r\n"));
    QVERIFY(newCard().Projet_Ouvrir(temp(QStringLiteral("t.prj"))));
    QCOMPARE(m_card->Label(1)->FontName(), font);
    QVERIFY(QFontInfo(m_card->Label(1)->font()).family() != font);
    QVERIFY(m_card->Label(1)->Width() > 0);
}

void tst_ProjectFile::failedSaveOrLoadChangesNothing()
{
    frmProjet &card = newCard();
    QVERIFY(!card.Projet_Ouvrir(temp(QStringLiteral("absent.prj"))));
    QCOMPARE(card.Picture1().width(), 4762.8);
    QCOMPARE(card.Label(1)->Caption(), QStringLiteral("ZONE DE TEXTE"));
    QVERIFY(card.cardView()->isVisibleTo(&card));
    QVERIFY(m_host->optionClicks.empty());

    const QString path = temp(QStringLiteral("ancien.prj"));
    QVERIFY(card.Projet_Sauver(path));
    const QByteArray old = saved(QStringLiteral("ancien.prj"));
    QVERIFY(old.size() > 200);
    // A full disk half-way: no file may grow past 64 bytes.
    card.Label(1)->setCaption(QString(150, u'n'));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = 64;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written = card.Projet_Sauver(path);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    QVERIFY(!written);
    QCOMPARE(saved(QStringLiteral("ancien.prj")), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList({"ancien.prj"}));
    // A folder that cannot exist (its parent is a file), no path at all.
    QVERIFY(!card.Projet_Sauver(path + QStringLiteral("/dedans.prj")));
    QVERIFY(!card.Projet_Sauver(QString()));
    QCOMPARE(saved(QStringLiteral("ancien.prj")), old);
}

QTEST_MAIN(tst_ProjectFile)
#include "tst_projectfile.moc"
