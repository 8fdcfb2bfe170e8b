// Start-up, the panel layout and page switching, autosave and the quit
// confirmation of the main frame.
#include "AppTestFrame.h"

#include "app/FrameLayout.h"
#include "app/TabStrip.h"
#include "document/frmProjet.h"
#include "platform/Units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <unistd.h>

namespace {

const QString PaletteText = QStringLiteral(
    "Cet onglet permet d'appliquer des filtres directement dans votre projet,\r\n"
    "certain filtre ne fonctionne que si le fond du projet contient une image.\r\n\r\n"
    "Attention :\r\n"
    "1. Les modifications ne seront pas sauvegarder dans le projet.\r\n"
    "2. L'aperçu avant impression réinitialisera le projet à son origine.\r\n\r\n"
    "Remarque :\r\n"
    "Les outils du menu ''Projet'' assurent l'enregistrement des filtres,\r\n"
    "mais seulement dans un fichier image ou via le presse-papier.");

const QString AutosaveText = QStringLiteral(
    "Cette option vous permet de sauvegarder votre travail automatiquement.\r\n\r\n"
    "1. La sauvegarde s'effectue par défaut toutes les 60 secondes.\r\n"
    "2. Si l'option est désactivée il faudra enregistrer votre travail manuellement.");

const QString QuitText = QStringLiteral("Souhaitez-vous vraiment quitter l'application ?");

void showFrame(FrameFixture &f)
{
    f.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
}

int visiblePage(const frmMenu &frame)
{
    int shown = 0;
    for (int i = 1; i <= 4; ++i) {
        if (!frame.PictA(i)->isHidden()) {
            if (shown)
                return -1; // two pages at once
            shown = i;
        }
    }
    return shown;
}

} // namespace

class tst_frame_lifecycle : public QObject {
    Q_OBJECT
private slots:
    void startUp();
    void startUpInAnUnusableFolder();
    void panelLayout();
    void tinyFrameResize();
    void pageSwitching();
    void paletteMessageUntilTicked();
    void autosaveSwitch();
    void autosaveTicks();
    void quitAnsweredNo();
    void quitAnsweredYes();
    void quitCancelledByACard();
};

void tst_frame_lifecycle::startUp()
{
    FrameFixture f;
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("Brivadune"));
    QCOMPARE(f.frame->minimumSize(), QSize(600, 572));
    QVERIFY(!QDir(f.dir.filePath(QStringLiteral("Projets"))).exists());
    f.frame->Niveau()->setCurrentIndex(3);

    QVERIFY(f.frame->MDIForm_Load());
    QVERIFY(QDir(f.dir.filePath(QStringLiteral("Projets"))).exists());
    QCOMPARE(f.frame->Niveau()->currentText(), QStringLiteral("Normal"));
    QCOMPARE(f.frame->niveauStep(), 200);
    QCOMPARE(f.frame->Niveau()->count(), 4);
    QCOMPARE(f.frame->Niveau()->itemText(0), QStringLiteral("Très Important"));
    QCOMPARE(f.frame->Niveau()->itemText(3), QStringLiteral("Réglages très fin!"));
    QCOMPARE(f.frame->selectedTab(), 1);
    QCOMPARE(visiblePage(*f.frame), 1);
    QVERIFY(!f.frame->Timer1()->isActive());
    QCOMPARE(f.frame->Timer1()->interval(), 1000);
    QVERIFY(f.prompts.messages.empty());

    // Centred on the screen at the design size.
    const QRect screen = f.frame->screen()->geometry();
    QCOMPARE(f.frame->size(), QSize(FrameLayout::DesignWidthPx, FrameLayout::DesignHeightPx));
    QCOMPARE(f.frame->x(), screen.left() + (screen.width() - f.frame->width()) / 2);
    QCOMPARE(f.frame->y(), screen.top() + (screen.height() - f.frame->height()) / 2);

    // An existing "Projets" is no error.
    FrameFixture again(f.dir.path());
    f.frame.reset();
    QVERIFY(again.frame->MDIForm_Load());
}

void tst_frame_lifecycle::startUpInAnUnusableFolder()
{
    // A folder where nothing can be created: a regular file stands where
    // the folder should be, so neither "Projets" nor the settings can be
    // made (this holds even for root).
    TestSupport::TempAppDir parent;
    QVERIFY(parent.writeFile(QStringLiteral("plain-file"), "not a folder"));
    FrameFixture f(parent.filePath(QStringLiteral("plain-file")));
    QVERIFY(f.frame->MDIForm_Load());
    showFrame(f);
    QVERIFY(!f.prompts.messages.size());

    // Quitting still works; the settings are simply not written.
    f.prompts.queueMessage(Msg::Yes);
    QVERIFY(f.frame->close());
    QCOMPARE(parent.readFile(QStringLiteral("plain-file")), QByteArray("not a folder"));

    // A read-only folder, for users without every right.
    if (geteuid() != 0) {
        TestSupport::TempAppDir locked;
        QVERIFY(QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner));
        FrameFixture g(locked.path());
        QVERIFY(g.frame->MDIForm_Load());
        g.prompts.queueMessage(Msg::Yes);
        QVERIFY(g.frame->close());
        QVERIFY(!QFile::exists(locked.filePath(QStringLiteral("Brivadune.ini"))));
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

void tst_frame_lifecycle::panelLayout()
{
    FrameFixture f;
    QVERIFY(f.frame->MDIForm_Load());
    showFrame(f);
    auto check = [&f] {
        QWidget *panel = f.frame->Toolbar2();
        QCOMPARE(panel->width(), 217); // 3250 twips
        QCOMPARE(f.frame->Tab1()->pos(), QPoint(5, 1)); // 80, 20 twips
        const double tabTwips = Units::fromPixels(panel->height()) - 20;
        QCOMPARE(f.frame->Tab1()->height(), Units::toPixels(tabTwips));
        QCOMPARE(f.frame->Tab1()->width(), Units::toPixels(3090));
        QWidget *page = f.frame->PictA(f.frame->selectedTab());
        QCOMPARE(page->pos(), QPoint(7, 40)); // 100, 600 twips
        QCOMPARE(page->height(), Units::toPixels(tabTwips - 620));
        QCOMPARE(page->width(), Units::toPixels(3090 - 90));
    };
    check();
    if (QTest::currentTestFailed())
        return;
    f.frame->resize(900, 800);
    QTRY_COMPARE(f.frame->height(), 800);
    check();
    if (QTest::currentTestFailed())
        return;
    // Another page gets the same place and size.
    f.frame->Tab1()->setCurrentIndex(2);
    check();
    // The page is inside the panel and not wider than it.
    QWidget *page = f.frame->PictA(3);
    QVERIFY(page->geometry().right() < f.frame->Toolbar2()->width());
    QVERIFY(page->geometry().bottom() < f.frame->Toolbar2()->height());
}

void tst_frame_lifecycle::tinyFrameResize()
{
    FrameFixture f;
    QVERIFY(f.frame->MDIForm_Load());
    showFrame(f);
    const int pageHeight = f.frame->PictA(1)->height();
    // Smaller than the panel's own offsets: those steps are skipped.
    f.frame->setMinimumSize(0, 0);
    f.frame->resize(40, 30);
    QTest::qWait(1);
    f.frame->MDIForm_Resize();
    QVERIFY(f.frame->Tab1()->height() >= 0);
    QVERIFY(f.frame->PictA(1)->height() >= 0);
    if (f.frame->Toolbar2()->height() * 15 - 20 - 620 < 0)
        QVERIFY(f.frame->PictA(1)->height() <= pageHeight);
    // Switching pages in that state is harmless too, and so is growing back.
    f.frame->Tab1()->setCurrentIndex(1);
    f.frame->resize(800, 700);
    QTRY_COMPARE(f.frame->height(), 700);
    QCOMPARE(f.frame->PictA(2)->height(), Units::toPixels(Units::fromPixels(f.frame->Toolbar2()->height()) - 640));
}

void tst_frame_lifecycle::pageSwitching()
{
    FrameFixture f;
    QVERIFY(f.frame->MDIForm_Load());
    showFrame(f);
    TabStrip *tabs = f.frame->Tab1();
    QCOMPARE(tabs->count(), 4);
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions, QStringList({"Outils", "Position", "Fond de carte", "Palette 2D"}));

    // A click on each tab shows its own page only.
    f.frame->Check1(3)->setChecked(true);
    for (int tab : {2, 3, 4, 1}) {
        const QRect where = tabs->tabRect(tab - 1);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, where.center());
        QCOMPARE(f.frame->selectedTab(), tab);
        QCOMPARE(visiblePage(*f.frame), tab);
        // The page hides the tab strip's pane, not the tabs.
        QVERIFY(f.frame->PictA(tab)->y() >= tabs->y() + tabs->tabAreaHeight());
    }
    // Keyboard.
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Right);
    QCOMPARE(visiblePage(*f.frame), 2);

    // Pages have the button-face colour.
    QCOMPARE(f.frame->PictA(2)->palette().color(QPalette::Window),
             Colors::toQColor(Colors::system(Colors::ButtonFace)));
}

void tst_frame_lifecycle::paletteMessageUntilTicked()
{
    FrameFixture f;
    QVERIFY(f.frame->MDIForm_Load());
    QVERIFY(f.prompts.messages.empty());
    for (int round = 1; round <= 2; ++round) {
        f.frame->Tab1()->setCurrentIndex(3);
        QCOMPARE(int(f.prompts.messages.size()), round);
        const auto &message = f.prompts.messages.back();
        QCOMPARE(message.text, PaletteText);
        QCOMPARE(message.title, QStringLiteral("Palette 2D"));
        QCOMPARE(message.style, int(Msg::OkOnly | Msg::Information));
        // The page is on show when the message comes.
        QCOMPARE(visiblePage(*f.frame), 4);
        f.frame->Tab1()->setCurrentIndex(0);
        QCOMPARE(int(f.prompts.messages.size()), round);
    }
    // "Ne plus afficher le message".
    QCOMPARE(f.frame->Check1(3)->text(), QStringLiteral("Ne plus afficher le message"));
    QCOMPARE(f.frame->Check1(3)->parentWidget(), f.frame->PictA(4));
    f.frame->Check1(3)->click();
    f.frame->Tab1()->setCurrentIndex(3);
    QCOMPARE(int(f.prompts.messages.size()), 2);
    QCOMPARE(visiblePage(*f.frame), 4);
    // Ticking it started nothing.
    QVERIFY(!f.frame->Timer1()->isActive());
}

void tst_frame_lifecycle::autosaveSwitch()
{
    FrameFixture f;
    QVERIFY(f.frame->MDIForm_Load());
    QCheckBox *box = f.frame->Check1(1);
    QCOMPARE(box->text(), QStringLiteral("Sauvegarde automatique"));

    // OK: every 60 seconds.
    f.prompts.queueMessage(Msg::Ok);
    box->click();
    QCOMPARE(int(f.prompts.messages.size()), 1);
    QCOMPARE(f.prompts.messages[0].text, AutosaveText);
    QCOMPARE(f.prompts.messages[0].title, QStringLiteral("Informations"));
    QCOMPARE(f.prompts.messages[0].style, int(Msg::OkCancel | Msg::Information | Msg::DefaultButton2));
    QVERIFY(box->isChecked());
    QVERIFY(f.frame->Timer1()->isActive());
    QCOMPARE(f.frame->Timer1()->interval(), 60000);

    // Unticked: off, without a message.
    box->click();
    QVERIFY(!box->isChecked());
    QVERIFY(!f.frame->Timer1()->isActive());
    QCOMPARE(int(f.prompts.messages.size()), 1);

    // Cancel (also the default answer): the box unticks itself, once.
    f.prompts.queueMessage(Msg::Cancel);
    box->click();
    QVERIFY(!box->isChecked());
    QVERIFY(!f.frame->Timer1()->isActive());
    QCOMPARE(int(f.prompts.messages.size()), 2);
    box->click();
    QCOMPARE(int(f.prompts.messages.size()), 3);
    QVERIFY(!box->isChecked());

    // The other boxes show nothing and leave the timer alone.
    for (int other : {0, 2, 3}) {
        f.frame->Check1(other)->click();
        f.frame->Check1(other)->click();
    }
    QCOMPARE(int(f.prompts.messages.size()), 3);
    QVERIFY(!f.frame->Timer1()->isActive());
}

void tst_frame_lifecycle::autosaveTicks()
{
    FrameFixture f;
    QVERIFY(f.frame->MDIForm_Load());
    showFrame(f);

    // No card window: nothing.
    f.frame->Timer1_Timer();
    QVERIFY(f.frame->saves.empty());
    QCOMPARE(f.beeps, 0);

    // An untitled card: the save with the name dialog, no beep.
    frmProjet *card = f.frame->newCard();
    f.frame->Timer1_Timer();
    QCOMPARE(f.frame->saves, std::vector<bool>({true}));
    QCOMPARE(f.beeps, 0);

    // A card with a file: saved in place, then a beep.
    card->setTag(f.dir.filePath(QStringLiteral("Projets/Carte.prj")));
    f.frame->Timer1_Timer();
    QCOMPARE(f.frame->saves, std::vector<bool>({true, false}));
    QCOMPARE(f.beeps, 1);

    // The timer's ticks run the same step.
    f.frame->Timer1()->setInterval(0);
    f.frame->Timer1()->start();
    QTRY_VERIFY(f.frame->saves.size() >= 3);
    f.frame->Timer1()->stop();
    QCOMPARE(f.frame->saves.back(), false);
}

void tst_frame_lifecycle::quitAnsweredNo()
{
    FrameFixture f;
    QVERIFY(f.frame->MDIForm_Load());
    showFrame(f);
    f.frame->newCard();
    QVERIFY(f.dir.writeFile(QStringLiteral("Tempo.bmp"), "BM"));

    // Nothing queued: the default button, No.
    QVERIFY(!f.frame->close());
    QCOMPARE(int(f.prompts.messages.size()), 1);
    QCOMPARE(f.prompts.messages[0].text, QuitText);
    QCOMPARE(f.prompts.messages[0].title, QStringLiteral("Quitter Brivadune"));
    QCOMPARE(f.prompts.messages[0].style, int(Msg::YesNo | Msg::Question | Msg::DefaultButton2));
    QVERIFY(f.frame->isVisible());
    QCOMPARE(f.frame->cards().size(), 1);
    // The temporary picture went anyway; the settings were not written.
    QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("Tempo.bmp"))));
    QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("Brivadune.ini"))));

    // File 13 and the toolbar's "Quitter" ask the same.
    f.prompts.queueMessage(Msg::No);
    f.frame->Mnu_Outfich_Click(13);
    f.prompts.queueMessage(Msg::No);
    f.frame->Toolbar1_ButtonClick(14);
    QCOMPARE(int(f.prompts.messages.size()), 3);
    QCOMPARE(f.prompts.messages[2].text, QuitText);
    QVERIFY(f.frame->isVisible());
}

void tst_frame_lifecycle::quitAnsweredYes()
{
    FrameFixture f;
    QVERIFY(f.frame->MDIForm_Load());
    showFrame(f);
    f.frame->newCard();
    f.frame->newCard();
    QVERIFY(f.dir.writeFile(QStringLiteral("Tempo.bmp"), "BM"));
    f.prompts.queueMessage(Msg::Yes); // quit
    f.prompts.queueMessage(Msg::No);  // first card: do not save
    f.prompts.queueMessage(Msg::No);  // second card
    f.prompts.onMessage = [&f](const ScriptedPrompts::MessageCall &call) {
        // The settings are written before any window closes.
        if (call.title.startsWith(QStringLiteral("Enregistrer")))
            QVERIFY(QFile::exists(f.dir.filePath(QStringLiteral("Brivadune.ini"))));
    };
    QVERIFY(f.frame->close());
    QCOMPARE(int(f.prompts.messages.size()), 3);
    QCOMPARE(f.prompts.messages[0].text, QuitText);
    QCOMPARE(f.prompts.messages[1].title, QStringLiteral("Enregistrer - [Projet2] ?"));
    QCOMPARE(f.prompts.messages[2].title, QStringLiteral("Enregistrer - [Projet1] ?"));
    QVERIFY(f.frame->cards().isEmpty());
    QVERIFY(!f.frame->isVisible());
    QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("Tempo.bmp"))));
    QVERIFY(QFile::exists(f.dir.filePath(QStringLiteral("Brivadune.ini"))));
    QCOMPARE(f.prompts.pendingAnswers(), 0);
}

void tst_frame_lifecycle::quitCancelledByACard()
{
    FrameFixture f;
    QVERIFY(f.frame->MDIForm_Load());
    showFrame(f);
    f.frame->newCard();
    f.frame->newCard();
    f.frame->Check1(1)->setChecked(true);
    f.prompts.queueMessage(Msg::Yes);    // quit
    f.prompts.queueMessage(Msg::No);     // Projet2 closes
    f.prompts.queueMessage(Msg::Cancel); // Projet1 stays
    QVERIFY(!f.frame->close());
    QVERIFY(f.frame->isVisible());
    QCOMPARE(f.frame->cards().size(), 1);
    QCOMPARE(f.frame->activeCard()->Caption(), QStringLiteral("Projet1"));
    QCOMPARE(f.prompts.pendingAnswers(), 0);
}

QTEST_MAIN(tst_frame_lifecycle)
#include "tst_frame_lifecycle.moc"
