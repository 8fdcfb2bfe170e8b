// The settings file Brivadune.ini: what the frame writes on a confirmed
// quit and reads at start, and where a reading stops.
#include "AppTestFrame.h"

#include "app/FrameLayout.h"
#include "app/Settings.h"
#include "app/TabStrip.h"
#include "platform/ProfileFile.h"
#include "platform/Units.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {

// A complete file as the application writes it, changed by `overrides`
// (key -> value; an empty value removes the key).
QByteArray settingsFile(const QMap<QString, QString> &overrides = {})
{
    const std::pair<const char *, const char *> sections[] = {
        {"MENU", "Outils=Faux|Gestion=Faux|Statut=Faux"},
        {"OPTIONS", "BulleAide=1|Verouiller=1|Palette2D=1|Onglet=3"},
        {"DIVERS", "Windows=0|Hauteur=9000|Largeur=10500|PositionX=600|PositionY=900"},
    };
    QByteArray out;
    for (const auto &[section, keys] : sections) {
        out += "[" + QByteArray(section) + "]\r\n";
        for (const QString &entry : QString::fromLatin1(keys).split(u'|')) {
            const QString key = entry.section(u'=', 0, 0);
            QString value = entry.section(u'=', 1);
            if (overrides.contains(key)) {
                value = overrides.value(key);
                if (value.isEmpty())
                    continue;
            }
            out += (key + u'=' + value).toUtf8() + "\r\n";
        }
    }
    return out;
}

struct DesignState {
    explicit DesignState(const frmMenu &frame)
        : size(frame.size()), pos(frame.pos()), tab(frame.selectedTab())
    {
        for (int i = 0; i <= 2; ++i)
            bars[i] = frame.barShown(i);
        for (int i = 0; i <= 3; ++i)
            boxes[i] = frame.Check1(i)->isChecked();
    }
    QSize size;
    QPoint pos;
    int tab;
    bool bars[3];
    bool boxes[4];
};

} // namespace

class tst_settings : public QObject {
    Q_OBJECT
private slots:
    void firstStartKeepsTheDesignValues();
    void writtenFileReadsBack();
    void valuesAreApplied();
    void missingFirstKeyKeepsEverything();
    void readingStopsAtTheFirstBadValue_data();
    void readingStopsAtTheFirstBadValue();
    void booleansAcceptNumbersAndWords();
    void leftInAnotherStateKeepsTheOldSizes_data();
    void leftInAnotherStateKeepsTheOldSizes();
    void placeOffEveryScreenIsCentredAgain();
    void unwritableFileIsIgnored();
};

void tst_settings::firstStartKeepsTheDesignValues()
{
    FrameFixture f;
    QVERIFY(f.frame->MDIForm_Load());
    for (int i = 0; i <= 2; ++i)
        QVERIFY(f.frame->barShown(i));
    QVERIFY(!f.frame->Toolbar1()->isHidden());
    QVERIFY(!f.frame->Toolbar2()->isHidden());
    QVERIFY(!f.frame->STB1()->isHidden());
    for (int i = 0; i <= 3; ++i)
        QVERIFY(!f.frame->Check1(i)->isChecked());
    QCOMPARE(f.frame->selectedTab(), 1);
    QCOMPARE(f.frame->size(), QSize(FrameLayout::DesignWidthPx, FrameLayout::DesignHeightPx));
    QCOMPARE(f.frame->windowMode(), 0);
    QVERIFY(!f.frame->isMaximized());
    QVERIFY(!QFile::exists(Settings::filePath(f.dir.path())));
}

void tst_settings::writtenFileReadsBack()
{
    TestSupport::TempAppDir dir;
    {
        FrameFixture f(dir.path());
        QVERIFY(f.frame->MDIForm_Load());
        f.frame->showBar(0, false);
        f.frame->showBar(2, false);
        f.frame->Check1(0)->setChecked(true);
        f.frame->Check1(3)->setChecked(true);
        f.frame->selectTab(4);
        f.frame->resize(700, 600);
        f.frame->move(30, 20);
        f.frame->Ecrire_Options();
    }
    const ProfileFile file(Settings::filePath(dir.path()));
    auto value = [&file](const char *section, const char *key) {
        return file.readString(QString::fromLatin1(section), QString::fromLatin1(key));
    };
    QCOMPARE(value("MENU", "Outils"), QStringLiteral("Faux"));
    QCOMPARE(value("MENU", "Gestion"), QStringLiteral("Vrai"));
    QCOMPARE(value("MENU", "Statut"), QStringLiteral("Faux"));
    QCOMPARE(value("OPTIONS", "BulleAide"), QStringLiteral("1"));
    QCOMPARE(value("OPTIONS", "Verouiller"), QStringLiteral("0"));
    QCOMPARE(value("OPTIONS", "Palette2D"), QStringLiteral("1"));
    QCOMPARE(value("OPTIONS", "Onglet"), QStringLiteral("4"));
    QCOMPARE(value("DIVERS", "Windows"), QStringLiteral("0"));
    QCOMPARE(value("DIVERS", "Hauteur"), QStringLiteral("9000"));
    QCOMPARE(value("DIVERS", "Largeur"), QStringLiteral("10500"));
    // PositionX is the top edge, PositionY the left edge.
    QCOMPARE(value("DIVERS", "PositionX"), QStringLiteral("300"));
    QCOMPARE(value("DIVERS", "PositionY"), QStringLiteral("450"));
    QCOMPARE(file.sections(), QStringList({"MENU", "OPTIONS", "DIVERS"}));

    // The next start puts everything back, the frame at the same place.
    FrameFixture next(dir.path());
    QVERIFY(next.frame->MDIForm_Load());
    QVERIFY(!next.frame->barShown(0));
    QVERIFY(next.frame->Toolbar1()->isHidden());
    QVERIFY(next.frame->barShown(1));
    QVERIFY(next.frame->STB1()->isHidden());
    QVERIFY(next.frame->Check1(0)->isChecked());
    QVERIFY(!next.frame->Check1(2)->isChecked());
    QVERIFY(next.frame->Check1(3)->isChecked());
    QCOMPARE(next.frame->selectedTab(), 4);
    QVERIFY(!next.frame->PictA(4)->isHidden());
    QCOMPARE(next.frame->size(), QSize(700, 600));
    QCOMPARE(next.frame->pos(), QPoint(30, 20));
    // "Ne plus afficher le message" was ticked: no Palette 2D message.
    QVERIFY(next.prompts.messages.empty());
}

void tst_settings::valuesAreApplied()
{
    FrameFixture f;
    QVERIFY(f.dir.writeFile(QStringLiteral("Brivadune.ini"), settingsFile()));
    QVERIFY(f.frame->MDIForm_Load());
    for (int i = 0; i <= 2; ++i)
        QVERIFY(!f.frame->barShown(i));
    QVERIFY(f.frame->Toolbar2()->isHidden());
    QVERIFY(f.frame->Check1(0)->isChecked());
    QVERIFY(f.frame->Check1(2)->isChecked());
    QVERIFY(f.frame->Check1(3)->isChecked());
    QVERIFY(!f.frame->Check1(1)->isChecked());
    QCOMPARE(f.frame->selectedTab(), 3);
    QCOMPARE(f.frame->size(), QSize(700, 600));
    QCOMPARE(f.frame->y(), 40);  // PositionX = 600 twips
    QCOMPARE(f.frame->x(), 60);  // PositionY = 900 twips
    // Reading changed nothing in the autosave.
    QVERIFY(!f.frame->Timer1()->isActive());
}

void tst_settings::missingFirstKeyKeepsEverything()
{
    FrameFixture f;
    QVERIFY(f.dir.writeFile(QStringLiteral("Brivadune.ini"), settingsFile({{"Outils", ""}})));
    const DesignState design(*f.frame);
    QVERIFY(f.frame->MDIForm_Load());
    for (int i = 0; i <= 2; ++i)
        QCOMPARE(f.frame->barShown(i), design.bars[i]);
    for (int i = 0; i <= 3; ++i)
        QCOMPARE(f.frame->Check1(i)->isChecked(), design.boxes[i]);
    QCOMPARE(f.frame->selectedTab(), design.tab);
    QCOMPARE(f.frame->size(), design.size);
}

void tst_settings::readingStopsAtTheFirstBadValue_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    // How many of the steps (3 bars, 3 boxes, tab, mode, height, width,
    // top, left) are applied before the bad one.
    QTest::addColumn<int>("applied");
    QTest::newRow("Gestion missing") << "Gestion" << "" << 1;
    QTest::newRow("Statut letters") << "Statut" << "peut-être" << 2;
    QTest::newRow("BulleAide letters") << "BulleAide" << "oui" << 3;
    QTest::newRow("Verouiller 5") << "Verouiller" << "5" << 4;
    QTest::newRow("Palette2D empty") << "Palette2D" << "" << 5;
    QTest::newRow("Onglet 0") << "Onglet" << "0" << 6;
    QTest::newRow("Onglet 5") << "Onglet" << "5" << 6;
    QTest::newRow("Onglet huge") << "Onglet" << "99999" << 6;
    QTest::newRow("Windows letters") << "Windows" << "max" << 7;
    QTest::newRow("Windows 3") << "Windows" << "3" << 8;
    QTest::newRow("Hauteur negative") << "Hauteur" << "-5" << 8;
    QTest::newRow("Hauteur letters") << "Hauteur" << "grand" << 8;
    QTest::newRow("Largeur missing") << "Largeur" << "" << 9;
    QTest::newRow("Largeur enormous") << "Largeur" << "1e30" << 9;
    QTest::newRow("PositionX letters") << "PositionX" << "haut" << 10;
    QTest::newRow("PositionY missing") << "PositionY" << "" << 11;
}

void tst_settings::readingStopsAtTheFirstBadValue()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(int, applied);
    FrameFixture f;
    QVERIFY(f.dir.writeFile(QStringLiteral("Brivadune.ini"), settingsFile({{key, value}})));
    const DesignState design(*f.frame);
    QVERIFY(f.frame->MDIForm_Load());

    for (int i = 0; i <= 2; ++i)
        QCOMPARE(f.frame->barShown(i), applied > i ? false : design.bars[i]);
    const int boxes[] = {0, 2, 3};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(f.frame->Check1(boxes[i])->isChecked(), applied > 3 + i ? true : design.boxes[boxes[i]]);
    QCOMPARE(f.frame->selectedTab(), applied > 6 ? 3 : design.tab);
    // The mode is kept as read, even one that stops the reading.
    QCOMPARE(f.frame->windowMode(), key == QLatin1String("Windows") && applied == 8 ? value.toInt() : 0);
    QCOMPARE(f.frame->height(), applied > 8 ? 600 : design.size.height());
    QCOMPARE(f.frame->width(), applied > 9 ? 700 : design.size.width());
    if (applied > 10)
        QCOMPARE(f.frame->y(), 40);
    QVERIFY(!f.frame->isMaximized());
    // Start-up went on: the selected page is laid out.
    QVERIFY(!f.frame->PictA(f.frame->selectedTab())->isHidden());
}

void tst_settings::booleansAcceptNumbersAndWords()
{
    FrameFixture f;
    QVERIFY(f.dir.writeFile(QStringLiteral("Brivadune.ini"),
                            "[MENU]\r\nOutils=0\r\nGestion=TRUE\r\nStatut=-1\r\n"));
    QVERIFY(f.frame->MDIForm_Load());
    QVERIFY(!f.frame->barShown(0));
    QVERIFY(f.frame->barShown(1));
    QVERIFY(f.frame->barShown(2));

    FrameFixture g;
    QVERIFY(g.dir.writeFile(QStringLiteral("Brivadune.ini"), "[menu]\nOUTILS=vrai\nGestion=faux\nStatut=False\n"));
    QVERIFY(g.frame->MDIForm_Load());
    QVERIFY(g.frame->barShown(0));
    QVERIFY(!g.frame->barShown(1));
    QVERIFY(!g.frame->barShown(2));
}

void tst_settings::leftInAnotherStateKeepsTheOldSizes_data()
{
    QTest::addColumn<bool>("maximised");
    QTest::newRow("maximised") << true;
    QTest::newRow("minimised") << false;
}

void tst_settings::leftInAnotherStateKeepsTheOldSizes()
{
    QFETCH(bool, maximised);
    TestSupport::TempAppDir dir;
    QVERIFY(dir.writeFile(QStringLiteral("Brivadune.ini"), settingsFile()));
    {
        FrameFixture f(dir.path());
        QVERIFY(f.frame->MDIForm_Load());
        f.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
        if (maximised) {
            f.frame->showMaximized();
            QTRY_VERIFY(f.frame->isMaximized());
        } else {
            f.frame->showMinimized();
            QTRY_VERIFY(f.frame->isMinimized());
        }
        f.frame->Ecrire_Options();
        QCOMPARE(f.frame->windowMode(), maximised ? 2 : 1);
    }
    // The sizes and place of the last run that ended normal stay.
    const ProfileFile file(Settings::filePath(dir.path()));
    auto divers = [&file](const char *key) { return file.readString(QStringLiteral("DIVERS"), QString::fromLatin1(key)); };
    QCOMPARE(divers("Windows"), maximised ? QStringLiteral("2") : QStringLiteral("1"));
    QCOMPARE(divers("Hauteur"), QStringLiteral("9000"));
    QCOMPARE(divers("Largeur"), QStringLiteral("10500"));
    QCOMPARE(divers("PositionX"), QStringLiteral("600"));
    QCOMPARE(divers("PositionY"), QStringLiteral("900"));

    FrameFixture next(dir.path());
    QVERIFY(next.frame->MDIForm_Load());
    QCOMPARE(next.frame->windowMode(), maximised ? 2 : 1);
    if (maximised) {
        // Opens maximised without reading the sizes.
        QVERIFY(next.frame->windowState() & Qt::WindowMaximized);
        QCOMPARE(next.frame->size(), QSize(FrameLayout::DesignWidthPx, FrameLayout::DesignHeightPx));
    } else {
        // Comes back normal at the stored size and place.
        QVERIFY(!next.frame->isMinimized());
        QCOMPARE(next.frame->size(), QSize(700, 600));
        QCOMPARE(next.frame->pos(), QPoint(60, 40));
    }
}

void tst_settings::placeOffEveryScreenIsCentredAgain()
{
    FrameFixture f;
    QVERIFY(f.dir.writeFile(QStringLiteral("Brivadune.ini"),
                            settingsFile({{"PositionX", "-600000"}, {"PositionY", "900000"}})));
    QVERIFY(f.frame->MDIForm_Load());
    QCOMPARE(f.frame->size(), QSize(700, 600));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(f.frame->x(), screen.left() + (screen.width() - 700) / 2);
    QCOMPARE(f.frame->y(), screen.top() + (screen.height() - 600) / 2);

    // Decimals with a comma, as a French system writes them.
    FrameFixture g;
    QVERIFY(g.dir.writeFile(QStringLiteral("Brivadune.ini"), settingsFile({{"Hauteur", "8662,5"}, {"Largeur", "9007.4"}})));
    QVERIFY(g.frame->MDIForm_Load());
    QCOMPARE(g.frame->size(), QSize(Units::toPixels(9007.4), Units::toPixels(8662.5)));
}

void tst_settings::unwritableFileIsIgnored()
{
    FrameFixture f;
    // A folder where the file should be.
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("Brivadune.ini")));
    QVERIFY(f.frame->MDIForm_Load());
    f.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    f.prompts.queueMessage(Msg::Yes);
    QVERIFY(f.frame->close());
    QVERIFY(QFileInfo(Settings::filePath(f.dir.path())).isDir());
}

QTEST_MAIN(tst_settings)
#include "tst_settings.moc"
