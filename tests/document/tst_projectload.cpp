// Saving a card window to a project file and loading one into it: byte for
// byte compatibility with the files of the Windows program, renumbering,
// pictures named by paths, the background, hostile counts and failed saves.
#include "FakeCardHost.h"
#include "TestSupport.h"
#include "document/frmProjet.h"
#include "platform/Encoding.h"
#include "platform/ProfileFile.h"

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
    void selectOption(int index) override
    {
        FakeCardHost::selectOption(index);
        log << QStringLiteral("selectOption %1").arg(index);
    }
};

QImage solidPicture(int w, int h, QRgb rgb)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(rgb);
    return image;
}

// A project in the program's own form with `labels` labels and `logos`
// stretched logos sharing one picture path.
QByteArray generatedProject(int labels, int logos, const QString &picture)
{
    QByteArray out = "[FORMAT]\r\nLongueur=4762,8\r\nHauteur=3061,8\r\n";
    for (int i = 1; i <= labels; ++i) {
        out += "[LABEL " + QByteArray::number(i) + "]\r\nCaption=Texte n\xB0" + QByteArray::number(i)
               + "\r\nFont=Arial\r\nFontBold=Faux\r\nFontItalic=Vrai\r\nFontSize=8,25\r\nFontStrikethru=Faux\r\n"
                 "FontUnderline=Faux\r\nForeColor=" + QByteArray::number(i * 1000)
               + "\r\nTop=" + QByteArray::number(i * 10) + "\r\nLeft=" + QByteArray::number(i * 5) + ",5\r\n";
    }
    for (int i = 1; i <= logos; ++i) {
        out += "[LOGO " + QByteArray::number(i) + "]\r\nTop=" + QByteArray::number(i) + "\r\nLeft=" + QByteArray::number(i * 2)
               + "\r\nTag=" + picture.toUtf8() + "\r\nStretch=Vrai\r\nWidth=450\r\nHeight=300,5\r\n";
    }
    out += "[FOND]\r\nNumero=0\r\n[LABEL]\r\nNombre=" + QByteArray::number(labels) + "\r\n[LOGO]\r\nNombre="
           + QByteArray::number(logos) + "\r\n";
    return out;
}

} // namespace

class tst_ProjectLoad : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fixturesRoundTripByteForByte_data();
    void fixturesRoundTripByteForByte();
    void loadsTheExample();
    void savingRenumbersVisibleItemsAndSkipsEmptyTags();
    void unstretchedLogoTakesItsPictureSize();
    void picturePathsAreOnlyData();
    void longCaptionComesBackAs199Characters();
    void gradientSwatchesAreSetBeforeTheHandler();
    void pictureBackground();
    void countsAbove255LoadEverything();
    void hostileCountsStayBounded();
    void lenientFilesLoadAndSaveInTheProgramsForm();
    void uninstalledFontKeepsItsName();
    void missingFileLeavesTheCardAsItWas();
    void failedSaveKeepsTheOldFile();

private:
    std::unique_ptr<frmProjet> newCard()
    {
        m_host = std::make_unique<OrderHost>();
        return std::make_unique<frmProjet>(m_host.get());
    }
    QString temp(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<TestSupport::TempAppDir> m_dir;
    std::unique_ptr<OrderHost> m_host;
};

void tst_ProjectLoad::init()
{
    m_dir = std::make_unique<TestSupport::TempAppDir>();
    QVERIFY(m_dir->isValid());
}

void tst_ProjectLoad::cleanup()
{
    m_host.reset();
    m_dir.reset();
}

void tst_ProjectLoad::fixturesRoundTripByteForByte_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"example.prj", "carte_complete.prj", "fond_blanc.prj", "degrade_circulaire.prj", "utf8.prj"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_ProjectLoad::fixturesRoundTripByteForByte()
{
    QFETCH(QString, name);
    const QByteArray original = TestSupport::readBytes(fixture(name));
    QVERIFY(!original.isEmpty());

    auto card = newCard();
    QVERIFY(card->Projet_Ouvrir(fixture(name)));
    QVERIFY(card->Projet_Sauver(temp(QStringLiteral("a.prj"))));
    QCOMPARE(m_dir->readFile(QStringLiteral("a.prj")), original);

    // Saving again over the same file, and loading the copy, change nothing.
    QVERIFY(card->Projet_Sauver(temp(QStringLiteral("a.prj"))));
    QCOMPARE(m_dir->readFile(QStringLiteral("a.prj")), original);
    auto again = newCard();
    QVERIFY(again->Projet_Ouvrir(temp(QStringLiteral("a.prj"))));
    QVERIFY(again->Projet_Sauver(temp(QStringLiteral("b.prj"))));
    QCOMPARE(m_dir->readFile(QStringLiteral("b.prj")), original);
    // Only the two projects are in the folder: no temporary file is left.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList({"a.prj", "b.prj"}));
}

void tst_ProjectLoad::loadsTheExample()
{
    TestSupport::FrenchLocale french;
    auto card = newCard();
    QVERIFY(card->Projet_Ouvrir(fixture(QStringLiteral("example.prj"))));

    QCOMPARE(card->Picture1().width(), 4770.0);
    QCOMPARE(card->Picture1().height(), 3060.0);
    QCOMPARE(m_host->panels.value(2), QStringLiteral("8,41 x 5,40 cm"));
    QVERIFY(card->cardView()->isVisibleTo(card.get()));

    QCOMPARE(card->labelCount(), 1);
    const CardLabel &label = *card->Label(1);
    QCOMPARE(label.Caption(), QStringLiteral("Atelier du Port"));
    QCOMPARE(label.FontName(), QStringLiteral("Arial"));
    QVERIFY(label.FontBold());
    QVERIFY(!label.FontItalic() && !label.FontStrikethru() && !label.FontUnderline());
    QCOMPARE(label.FontSize(), 12.0f);
    QCOMPARE(label.ForeColor, 0);
    QCOMPARE(label.Top, 120.0f);
    QCOMPARE(label.Left, 2400.0f);
    QVERIFY(label.Visible && label.AutoSize());
    const QSizeF text = CardLabel::textSize(label.Caption(), label.font());
    QCOMPARE(label.Width(), float(text.width()));
    QCOMPARE(label.Height(), float(text.height()));

    // A Windows path: the placeholder is shown and the path kept.
    const CardLogo &logo = *card->Logo(1);
    QCOMPARE(logo.Tag, QStringLiteral("D:\\Cartes\\logo.bmp"));
    QCOMPARE(logo.Picture(), card->Tmp());
    QVERIFY(logo.Stretch());
    QCOMPARE(logo.Width(), 900.0f);
    QCOMPARE(logo.Height(), 900.0f);
    QCOMPARE(logo.Top, 120.0f);

    QCOMPARE(card->NumFond, 1);
    QCOMPARE(card->Color1, 16711680);
    QCOMPARE(card->Color2, 16777215);
    QCOMPARE(card->Color3, 255);
    QCOMPARE(card->NumOption, 3);
    QCOMPARE(m_host->objects, QStringList({"Lb1 | Atelier du Port", QString(40, u'-'), "Lg1 | Logo image n°1"}));
}

void tst_ProjectLoad::savingRenumbersVisibleItemsAndSkipsEmptyTags()
{
    auto card = newCard();
    const QStringList captions = {"ZONE DE TEXTE", "deux", "trois", "quatre", "cinq"};
    for (int i = 2; i <= 5; ++i) {
        CardLabel *label = card->createLabel(i);
        label->setCaption(captions[i - 1]);
        label->Visible = true;
    }
    card->Label(2)->Visible = false;
    card->Label(3)->Visible = false;
    card->Label(5)->Top = 2000.5f;

    // Logo 1 has no picture file, logo 2 is deleted, logos 3 and 4 are saved.
    for (int i = 2; i <= 4; ++i)
        card->createLogo(i)->Visible = true;
    card->Logo(2)->Tag = QStringLiteral("/supprime.png");
    card->Logo(2)->Visible = false;
    card->Logo(3)->Tag = QStringLiteral("/trois.png");
    card->Logo(4)->Tag = QStringLiteral("/quatre.png");
    card->Logo(4)->setStretch(true);
    card->Logo(4)->setSize(700, 350.25f);

    QVERIFY(card->Projet_Sauver(temp(QStringLiteral("r.prj"))));
    const ProfileFile saved(temp(QStringLiteral("r.prj")));
    QCOMPARE(saved.sections(), QStringList({"FORMAT", "LABEL 1", "LABEL 2", "LABEL 3", "LOGO 1", "LOGO 2", "FOND",
                                             "LABEL", "LOGO"}));
    QCOMPARE(saved.readString("LABEL 1", "Caption"), QStringLiteral("ZONE DE TEXTE"));
    QCOMPARE(saved.readString("LABEL 1", "ForeColor"), QStringLiteral("-2147483640"));
    QCOMPARE(saved.readString("LABEL 2", "Caption"), QStringLiteral("quatre"));
    QCOMPARE(saved.readString("LABEL 3", "Caption"), QStringLiteral("cinq"));
    QCOMPARE(saved.readString("LABEL 3", "Top"), QStringLiteral("2000,5"));
    QCOMPARE(saved.readString("LABEL", "Nombre"), QStringLiteral("3"));
    QCOMPARE(saved.readString("LOGO 1", "Tag"), QStringLiteral("/trois.png"));
    QCOMPARE(saved.keys("LOGO 1"), QStringList({"Top", "Left", "Tag"}));
    QCOMPARE(saved.keys("LOGO 2"), QStringList({"Top", "Left", "Tag", "Stretch", "Width", "Height"}));
    QCOMPARE(saved.readString("LOGO 2", "Height"), QStringLiteral("350,25"));
    QCOMPARE(saved.readString("LOGO", "Nombre"), QStringLiteral("2"));
    QCOMPARE(saved.keys("FOND"), QStringList({"Numero"}));
}

void tst_ProjectLoad::unstretchedLogoTakesItsPictureSize()
{
    const QString png = temp(QStringLiteral("petit.png"));
    QVERIFY(solidPicture(20, 10, qRgb(0, 0, 255)).save(png));
    auto card = newCard();
    card->Logo(1)->Tag = png;
    card->Logo(1)->Left = 300;
    QVERIFY(card->Projet_Sauver(temp(QStringLiteral("u.prj"))));
    QCOMPARE(ProfileFile(temp(QStringLiteral("u.prj"))).keys("LOGO 1"), QStringList({"Top", "Left", "Tag"}));

    auto loaded = newCard();
    // Logo 1 of this window was stretched: the file's logo is not.
    loaded->Logo(1)->setStretch(true);
    loaded->Logo(1)->setSize(5000, 5000);
    QVERIFY(loaded->Projet_Ouvrir(temp(QStringLiteral("u.prj"))));
    const CardLogo &logo = *loaded->Logo(1);
    QVERIFY(!logo.Stretch());
    QCOMPARE(logo.Picture().size(), QSize(20, 10));
    QCOMPARE(logo.Width(), 300.0f);
    QCOMPARE(logo.Height(), 150.0f);
    QCOMPARE(logo.Left, 300.0f);
}

void tst_ProjectLoad::picturePathsAreOnlyData()
{
    const QString present = temp(QStringLiteral("vert.png"));
    QVERIFY(solidPicture(8, 8, qRgb(0, 200, 0)).save(present));
    QVERIFY(solidPicture(8, 8, qRgb(0, 200, 0)).save(temp(QStringLiteral("relatif.png"))));
    QVERIFY(TestSupport::writeBytes(temp(QStringLiteral("texte.png")), "pas une image"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("dossier.png")));
    const QByteArray fifo = QFile::encodeName(temp(QStringLiteral("tube.png")));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);

    const QStringList tags = {
        temp(QStringLiteral("absent.png")), // missing, beside a present one
        present,
        QStringLiteral("D:\\Cartes\\logo.bmp"),
        QStringLiteral("relatif.png"),      // relative: never resolved
        QStringLiteral("~/relatif.png"),    // nothing is expanded
        QStringLiteral("$HOME/relatif.png"),
        temp(QStringLiteral("texte.png")),
        temp(QStringLiteral("dossier.png")),
        temp(QStringLiteral("tube.png")),   // reading a pipe would block
    };
    QByteArray file = "[FORMAT]\r\nLongueur=4770\r\nHauteur=3060\r\n";
    for (int i = 1; i <= tags.size(); ++i)
        file += "[LOGO " + QByteArray::number(i) + "]\r\nTop=0\r\nLeft=0\r\nTag=" + tags[i - 1].toUtf8() + "\r\n";
    file += "[LOGO]\r\nNombre=" + QByteArray::number(tags.size()) + "\r\n";
    QVERIFY(m_dir->writeFile(QStringLiteral("p.prj"), file));

    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    auto card = newCard();
    const bool read = card->Projet_Ouvrir(temp(QStringLiteral("p.prj")));
    QDir::setCurrent(previous);
    QVERIFY(read);

    QCOMPARE(card->logoCount(), int(tags.size()));
    for (int i = 1; i <= tags.size(); ++i) {
        const CardLogo &logo = *card->Logo(i);
        QCOMPARE(logo.Tag, tags[i - 1]);
        QVERIFY(logo.Visible);
        if (i == 2) {
            QCOMPARE(logo.Picture().size(), QSize(8, 8));
            QCOMPARE(TestSupport::pixel(logo.Picture(), 4, 4), Colors::rgb(0, 200, 0));
        } else {
            QVERIFY2(logo.Picture() == card->Tmp(), qPrintable(tags[i - 1]));
        }
    }
    // Saved again, every path is written back as it was read.
    QVERIFY(card->Projet_Sauver(temp(QStringLiteral("p2.prj"))));
    const ProfileFile saved(temp(QStringLiteral("p2.prj")));
    for (int i = 1; i <= tags.size(); ++i)
        QCOMPARE(saved.readString(QStringLiteral("LOGO %1").arg(i), "Tag"), tags[i - 1]);
}

void tst_ProjectLoad::longCaptionComesBackAs199Characters()
{
    auto card = newCard();
    const QString caption = QString(100, u'x') + QString(150, u'é');
    card->Label(1)->setCaption(caption);
    QVERIFY(card->Projet_Sauver(temp(QStringLiteral("l.prj"))));
    // Written whole (one Windows-1252 byte per character).
    QVERIFY(m_dir->readFile(QStringLiteral("l.prj")).contains("Caption=" + QByteArray(100, 'x') + QByteArray(150, '\xE9') + "\r\n"));
    auto loaded = newCard();
    QVERIFY(loaded->Projet_Ouvrir(temp(QStringLiteral("l.prj"))));
    QCOMPARE(loaded->Label(1)->Caption(), caption.left(199));
}

void tst_ProjectLoad::gradientSwatchesAreSetBeforeTheHandler()
{
    auto card = newCard();
    QVERIFY(card->Projet_Ouvrir(fixture(QStringLiteral("degrade_circulaire.prj"))));
    QCOMPARE(card->NumFond, 1);
    QCOMPARE(card->NumOption, 8);
    QCOMPARE(card->Color1, 255);
    QCOMPARE(card->Color2, 33023);
    QCOMPARE(card->Color3, 0);
    // Loading sets the swatches, then runs the handler and selects the
    // button; the activation that ends the load does it again.
    const QStringList loading = {"swatch 0=255", "swatch 5=33023", "swatch 10=0", "Option_Click 8", "selectOption 8"};
    QCOMPARE(m_host->log.mid(0, 5), loading);
    QCOMPARE(m_host->log.mid(5), loading);
}

void tst_ProjectLoad::pictureBackground()
{
    const QString red = temp(QStringLiteral("rouge.png"));
    QVERIFY(solidPicture(3, 2, qRgb(255, 0, 0)).save(red));
    const QByteArray head = "[FORMAT]\r\nLongueur=1500\r\nHauteur=750\r\n[FOND]\r\nNumero=2\r\nPicture=";
    QVERIFY(m_dir->writeFile(QStringLiteral("f.prj"), head + red.toUtf8() + "\r\n"));
    auto card = newCard();
    QVERIFY(card->Projet_Ouvrir(temp(QStringLiteral("f.prj"))));
    QCOMPARE(card->NumFond, 2);
    QCOMPARE(card->Picture1().tag, red);
    // Stretched over the whole card: 100 x 50 pixels of red.
    const QImage &image = card->Picture1().image();
    QCOMPARE(image.size(), QSize(100, 50));
    QCOMPARE(TestSupport::pixel(image, 0, 0), Colors::rgb(255, 0, 0));
    QCOMPARE(TestSupport::pixel(image, 99, 49), Colors::rgb(255, 0, 0));

    // A picture that is not here: the card stays blank and keeps the path.
    QVERIFY(m_dir->writeFile(QStringLiteral("g.prj"), head + "E:\\Fonds\\mer.jpg\r\n"));
    auto other = newCard();
    QVERIFY(other->Projet_Ouvrir(temp(QStringLiteral("g.prj"))));
    QCOMPARE(other->Picture1().tag, QStringLiteral("E:\\Fonds\\mer.jpg"));
    QCOMPARE(TestSupport::pixel(other->Picture1().image(), 50, 25), Colors::White);
    QVERIFY(other->Projet_Sauver(temp(QStringLiteral("g2.prj"))));
    QCOMPARE(ProfileFile(temp(QStringLiteral("g2.prj"))).readString("FOND", "Picture"),
             QStringLiteral("E:\\Fonds\\mer.jpg"));
}

void tst_ProjectLoad::countsAbove255LoadEverything()
{
    const QString png = temp(QStringLiteral("logo.png"));
    QVERIFY(solidPicture(4, 4, qRgb(10, 20, 30)).save(png));
    const QByteArray file = generatedProject(300, 260, png);
    QVERIFY(m_dir->writeFile(QStringLiteral("big.prj"), file));
    auto card = newCard();
    QVERIFY(card->Projet_Ouvrir(temp(QStringLiteral("big.prj"))));
    QCOMPARE(card->labelCount(), 300);
    QCOMPARE(card->logoCount(), 260);
    QCOMPARE(card->Label(300)->Caption(), QStringLiteral("Texte n°300"));
    QCOMPARE(card->Label(300)->Left, 1500.5f);
    QVERIFY(card->Label(300)->Visible);
    QCOMPARE(card->Logo(260)->Picture().size(), QSize(4, 4));
    QCOMPARE(card->Logo(260)->Height(), 300.5f);
    // Each item loaded was brought to the front in turn: the last logo is on top.
    QCOMPARE(card->stackingOrder().back(), (CardItemRef{CardItemRef::LogoItem, 260}));
    QCOMPARE(card->stackingOrder().size(), std::size_t(560));
    QCOMPARE(m_host->objects.size(), 300 + 1 + 260);

    QVERIFY(card->Projet_Sauver(temp(QStringLiteral("big2.prj"))));
    QCOMPARE(m_dir->readFile(QStringLiteral("big2.prj")), file);
}

void tst_ProjectLoad::hostileCountsStayBounded()
{
    QVERIFY(m_dir->writeFile(QStringLiteral("h.prj"),
                             "[LABEL 1]\r\nCaption=un\r\n[LABEL 2]\r\nCaption=deux\r\n"
                             "[LABEL]\r\nNombre=2000000000\r\n[LOGO]\r\nNombre=2000000000\r\n"));
    auto card = newCard();
    QVERIFY(card->Projet_Ouvrir(temp(QStringLiteral("h.prj"))));
    QCOMPARE(card->labelCount(), 2);
    QCOMPARE(card->Label(2)->Caption(), QStringLiteral("deux"));
    // No logo section: logo 1 stays as it was.
    QCOMPARE(card->logoCount(), 1);
    QCOMPARE(card->Logo(1)->Top, 480.0f);
}

void tst_ProjectLoad::lenientFilesLoadAndSaveInTheProgramsForm()
{
    auto card = newCard();
    QVERIFY(card->Projet_Ouvrir(fixture(QStringLiteral("lenient.prj"))));
    QCOMPARE(card->Picture1().width(), 4762.8);
    const CardLabel &a = *card->Label(1);
    QCOMPARE(a.Caption(), QStringLiteral("Marée basse"));
    QVERIFY(a.FontBold() && !a.FontItalic() && a.FontUnderline() && !a.FontStrikethru());
    QCOMPARE(a.FontSize(), 10.5f);
    QCOMPARE(a.Top, 120.5f);
    // Label 2 starts as a copy of label 1; what its section lacks or cannot
    // convert stays so, except the texts, which become empty.
    const CardLabel &b = *card->Label(2);
    QCOMPARE(b.Caption(), QStringLiteral("Deuxième"));
    QCOMPARE(b.FontName(), QString());
    QCOMPARE(b.FontSize(), 10.5f);
    QCOMPARE(b.ForeColor, 255);
    QVERIFY(b.FontUnderline());
    QCOMPARE(b.Top, 600.0f);
    QVERIFY(card->Logo(1)->Stretch());
    QCOMPARE(card->Logo(1)->Width(), 300.25f);
    QCOMPARE(card->NumOption, 5);

    QVERIFY(card->Projet_Sauver(temp(QStringLiteral("n.prj"))));
    const QByteArray saved = m_dir->readFile(QStringLiteral("n.prj"));
    QVERIFY(saved.startsWith("[FORMAT]\r\nLongueur=4762,8\r\nHauteur=3061,8\r\n[LABEL 1]\r\nCaption=Mar\xE9"
                             "e basse\r\nFont=Verdana\r\nFontBold=Vrai\r\nFontItalic=Faux\r\nFontSize=10,5\r\n"
                             "FontStrikethru=Faux\r\nFontUnderline=Vrai\r\nForeColor=255\r\nTop=120,5\r\nLeft=240\r\n"));
    QVERIFY(saved.contains("[LOGO 1]\r\nTop=50\r\nLeft=60\r\nTag=/nonexistent/logo.png\r\nStretch=Vrai\r\n"
                           "Width=300,25\r\nHeight=150\r\n[FOND]\r\nNumero=1\r\nColor1=16711680\r\n"));
}

void tst_ProjectLoad::uninstalledFontKeepsItsName()
{
    const QString name = QStringLiteral("Bauhaus 93 Pro Étroit");
    QVERIFY(!QFontInfo(QFont(name)).exactMatch());
    auto card = newCard();
    QVERIFY(card->Projet_Ouvrir(fixture(QStringLiteral("carte_complete.prj"))));
    const CardLabel &label = *card->Label(5);
    QCOMPARE(label.FontName(), name);
    // Drawn with a substitute, which still measures the text.
    QVERIFY(QFontInfo(label.font()).family() != name);
    QVERIFY(label.Width() > 0);
    QVERIFY(card->Projet_Sauver(temp(QStringLiteral("f.prj"))));
    QVERIFY(m_dir->readFile(QStringLiteral("f.prj")).contains("Font=Bauhaus 93 Pro \xC9troit\r\n"));
}

void tst_ProjectLoad::missingFileLeavesTheCardAsItWas()
{
    auto card = newCard();
    const double width = card->Picture1().width();
    QVERIFY(!card->Projet_Ouvrir(temp(QStringLiteral("absent.prj"))));
    QCOMPARE(card->Picture1().width(), width);
    QCOMPARE(card->labelCount(), 1);
    QCOMPARE(card->Label(1)->Caption(), QStringLiteral("ZONE DE TEXTE"));
    QCOMPARE(card->Logo(1)->Picture(), card->Tmp());
    QCOMPARE(card->NumFond, 0);
    QCOMPARE(TestSupport::pixel(card->Picture1().image(), 10, 10), Colors::White);
    QVERIFY(card->cardView()->isVisibleTo(card.get()));
    QCOMPARE(m_host->optionClicks.size(), std::size_t(0));
}

void tst_ProjectLoad::failedSaveKeepsTheOldFile()
{
    auto card = newCard();
    const QString path = temp(QStringLiteral("ancien.prj"));
    QVERIFY(card->Projet_Sauver(path));
    const QByteArray old = m_dir->readFile(QStringLiteral("ancien.prj"));
    QVERIFY(old.size() > 200);

    // A full disk half-way: no file may grow past 64 bytes.
    card->Label(1)->setCaption(QString(150, u'n'));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = 64;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool saved = card->Projet_Sauver(path);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    QVERIFY(!saved);
    QCOMPARE(m_dir->readFile(QStringLiteral("ancien.prj")), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList({"ancien.prj"}));

    // A folder that cannot exist (its parent is a file), a path that is a
    // folder, no path at all.
    QVERIFY(!card->Projet_Sauver(path + QStringLiteral("/dedans.prj")));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("dossier.prj")));
    QVERIFY(!card->Projet_Sauver(temp(QStringLiteral("dossier.prj"))));
    QVERIFY(QFileInfo(temp(QStringLiteral("dossier.prj"))).isDir());
    QVERIFY(!card->Projet_Sauver(QString()));
    QCOMPARE(m_dir->readFile(QStringLiteral("ancien.prj")), old);
}

QTEST_MAIN(tst_ProjectLoad)
#include "tst_projectload.moc"
