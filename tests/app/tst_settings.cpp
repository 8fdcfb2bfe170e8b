// The settings file Brivadune.ini: what the frame writes on a confirmed
// quit and reads at start, and where a reading stops.
#include "AppTestFrame.h"

#include "app/FrameLayout.h"
#include "app/Settings.h"
#include "platform/Units.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

namespace {

// A complete file as the application writes it, with `changes` (key ->
// value; an empty value removes the key).
QByteArray settingsFile(const QMap<QString, QString> &changes = {})
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
            const QString value = changes.value(key, entry.section(u'=', 1));
            if (!value.isEmpty())
                out += (key + u'=' + value).toUtf8() + "\r\n";
        }
    }
    return out;
}

} // namespace

class tst_settings : public QObject {
    Q_OBJECT
private slots:
    void writtenFileReadsBack();
    void readingStopsAtTheFirstBadValue_data();
    void readingStopsAtTheFirstBadValue();
    void leftInAnotherStateKeepsTheOldSizes_data();
    void leftInAnotherStateKeepsTheOldSizes();
    void placeOffEveryScreenIsCentredAgain();
};

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
    // PositionX is the top edge, PositionY the left edge.
    QCOMPARE(dir.readFile(QStringLiteral("Brivadune.ini")),
             settingsFile({{"Gestion", "Vrai"}, {"Verouiller", "0"}, {"Onglet", "4"}, {"PositionX", "300"},
                           {"PositionY", "450"}}));

    // A section the frame does not own (the scanner's source) is kept,
    // and a file that cannot be replaced stays whole.
    QVERIFY(dir.writeFile(QStringLiteral("Brivadune.ini"),
                          dir.readFile(QStringLiteral("Brivadune.ini")) + "[SCANNER]\r\nSource=test:1\r\n"));
    {
        FrameFixture again(dir.path());
        again.frame->resize(700, 600);
        again.frame->move(30, 20);
        again.frame->showBar(0, false);
        again.frame->showBar(2, false);
        again.frame->Check1(0)->setChecked(true);
        again.frame->Check1(3)->setChecked(true);
        again.frame->selectTab(4);
        again.frame->Ecrire_Options();
    }
    const QByteArray written = dir.readFile(QStringLiteral("Brivadune.ini"));
    QVERIFY(written.endsWith("[SCANNER]\r\nSource=test:1\r\n"));
    {
        // A disk that takes no more than 64 bytes.
        FrameFixture full(dir.path());
        full.frame->selectTab(2);
        TestSupport::underFileSizeLimit(64, [&full] {
            full.frame->Ecrire_Options();
            return true;
        });
    }
    QCOMPARE(dir.readFile(QStringLiteral("Brivadune.ini")), written);

    // The next start puts everything back.
    FrameFixture next(dir.path());
    QVERIFY(next.frame->MDIForm_Load());
    QVERIFY(next.frame->Toolbar1()->isHidden() && !next.frame->Toolbar2()->isHidden() && next.frame->STB1()->isHidden());
    QVERIFY(next.frame->Check1(0)->isChecked() && !next.frame->Check1(2)->isChecked());
    QVERIFY(!next.frame->PictA(4)->isHidden());
    QCOMPARE(next.frame->geometry(), QRect(30, 20, 700, 600));
    // "Ne plus afficher le message" was ticked: no Palette 2D message.
    QVERIFY(next.prompts.messages.empty());
}

void tst_settings::readingStopsAtTheFirstBadValue_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    // How many of the steps (3 bars, 3 boxes, tab, mode, height, width,
    // top, left) are applied before the bad one.
    QTest::addColumn<int>("applied");
    QTest::newRow("complete file") << "" << "" << 12;
    QTest::newRow("Outils missing") << "Outils" << "" << 0;
    QTest::newRow("Statut letters") << "Statut" << "peut-être" << 2;
    QTest::newRow("Verouiller 5") << "Verouiller" << "5" << 4;
    QTest::newRow("Palette2D missing") << "Palette2D" << "" << 5;
    QTest::newRow("Onglet 5") << "Onglet" << "5" << 6;
    QTest::newRow("Windows letters") << "Windows" << "max" << 7;
    QTest::newRow("Windows 1") << "Windows" << "1" << 12;
    QTest::newRow("Windows 2") << "Windows" << "2" << 8;
    QTest::newRow("Windows 3") << "Windows" << "3" << 8;
    QTest::newRow("Hauteur negative") << "Hauteur" << "-5" << 8;
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
    QVERIFY(f.frame->MDIForm_Load());
    // The file hides every bar and ticks every box; by design all are shown
    // and clear.
    for (int i = 0; i <= 2; ++i)
        QCOMPARE(f.frame->barShown(i), applied <= i);
    const int boxes[] = {0, 2, 3};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(f.frame->Check1(boxes[i])->isChecked(), applied > 3 + i);
    QVERIFY(!f.frame->Check1(1)->isChecked() && !f.frame->Timer1()->isActive());
    QCOMPARE(f.frame->selectedTab(), applied > 6 ? 3 : 1);
    // The mode is kept as read, even one that stops the reading; 2
    // maximises the frame, 1 brings it back normal.
    QCOMPARE(f.frame->windowMode(), key == u"Windows" ? value.toInt() : 0);
    QCOMPARE(bool(f.frame->windowState() & Qt::WindowMaximized), key == u"Windows" && value == u"2");
    QCOMPARE(f.frame->height(), applied > 8 ? 600 : FrameLayout::DesignHeightPx);
    QCOMPARE(f.frame->width(), applied > 9 ? 700 : FrameLayout::DesignWidthPx);
    if (applied > 10)
        QCOMPARE(f.frame->y(), 40);
    if (applied > 11)
        QCOMPARE(f.frame->x(), 60);
    // Start-up went on: the selected page is laid out.
    QVERIFY(!f.frame->PictA(f.frame->selectedTab())->isHidden());
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
    FrameFixture f;
    QVERIFY(f.dir.writeFile(QStringLiteral("Brivadune.ini"), settingsFile()));
    QVERIFY(f.start());
    if (maximised)
        f.frame->showMaximized();
    else
        f.frame->showMinimized();
    QTRY_VERIFY(maximised ? f.frame->isMaximized() : f.frame->isMinimized());
    f.frame->Ecrire_Options();
    // The sizes and place of the last run that ended normal stay.
    QCOMPARE(f.dir.readFile(QStringLiteral("Brivadune.ini")),
             settingsFile({{"Windows", maximised ? QStringLiteral("2") : QStringLiteral("1")}}));
}

void tst_settings::placeOffEveryScreenIsCentredAgain()
{
    FrameFixture f;
    QVERIFY(f.dir.writeFile(QStringLiteral("Brivadune.ini"),
                            settingsFile({{"PositionX", "-600000"}, {"PositionY", "900000"}})));
    QVERIFY(f.frame->MDIForm_Load());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(f.frame->geometry(), QRect(screen.left() + (screen.width() - 700) / 2,
                                        screen.top() + (screen.height() - 600) / 2, 700, 600));

    // Decimals with a comma, as a French system writes them.
    FrameFixture g;
    QVERIFY(g.dir.writeFile(QStringLiteral("Brivadune.ini"), settingsFile({{"Hauteur", "8662,5"}, {"Largeur", "9007.4"}})));
    QVERIFY(g.frame->MDIForm_Load());
    QCOMPARE(g.frame->size(), QSize(Units::toPixels(9007.4), Units::toPixels(8662.5)));
}

QTEST_MAIN(tst_settings)
#include "tst_settings.moc"
