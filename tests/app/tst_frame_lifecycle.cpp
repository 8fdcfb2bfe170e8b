// Start-up, the panel's pages, the autosave switch and the quit
// confirmation of the main frame.
#include "AppTestFrame.h"

#include "app/FrameLayout.h"
#include "app/TabStrip.h"
#include "platform/Units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTimer>

namespace {

int visiblePage(const frmMenu &frame)
{
    int shown = 0;
    for (int i = 1; i <= 4; ++i) {
        if (!frame.PictA(i)->isHidden())
            shown = shown ? -1 : i; // -1: two pages at once
    }
    return shown;
}

void clickTab(frmMenu &frame, int tab)
{
    QTest::mouseClick(frame.Tab1(), Qt::LeftButton, {}, frame.Tab1()->tabRect(tab - 1).center());
}

} // namespace

class tst_frame_lifecycle : public QObject {
    Q_OBJECT
private slots:
    void unusableFolderAndTinyFrame();
    void startUpAndPages();
    void autosaveSwitch();
    void quitConfirmation();
};

void tst_frame_lifecycle::unusableFolderAndTinyFrame()
{
    // A plain file where the folder should be: neither "Projets" nor the
    // settings can be made there, even by root.
    TestSupport::TempAppDir parent;
    QVERIFY(parent.writeFile(QStringLiteral("plain-file"), "not a folder"));
    FrameFixture f(parent.filePath(QStringLiteral("plain-file")));
    QVERIFY(f.start());
    QVERIFY(f.prompts.messages.empty());

    // Smaller than the panel's own offsets: those layout steps are skipped.
    f.frame->setMinimumSize(0, 0);
    f.frame->resize(40, 30);
    f.frame->MDIForm_Resize();
    clickTab(*f.frame, 2);
    QVERIFY(f.frame->PictA(2)->height() >= 0);
    // Grown back, the page fills the panel: 100, 600 twips from its corner,
    // 3000 twips wide, 640 twips shorter than the panel.
    f.frame->resize(800, 700);
    QTRY_COMPARE(f.frame->height(), 700);
    QCOMPARE(f.frame->PictA(2)->geometry(),
             QRect(7, 40, Units::toPixels(3000), Units::toPixels(Units::fromPixels(f.frame->Toolbar2()->height()) - 640)));

    // Quitting still works; the settings are simply not written.
    f.prompts.queueMessage(Msg::Yes);
    QVERIFY(f.frame->close());
    QCOMPARE(parent.readFile(QStringLiteral("plain-file")), QByteArray("not a folder"));
}

void tst_frame_lifecycle::startUpAndPages()
{
    FrameFixture f;
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("Brivadune"));
    f.frame->Niveau()->setCurrentIndex(3);
    QVERIFY(f.frame->MDIForm_Load());
    QVERIFY(QDir(f.dir.filePath(QStringLiteral("Projets"))).exists());
    QStringList levels;
    for (int i = 0; i < f.frame->Niveau()->count(); ++i)
        levels << f.frame->Niveau()->itemText(i);
    QCOMPARE(levels, QStringList({"Très Important", "Normal", "Plus précis", "Réglages très fin!"}));
    QCOMPARE(f.frame->niveauStep(), 200);
    QVERIFY(!f.frame->Timer1()->isActive());
    // Centred on the screen at the design size.
    const QRect screen = f.frame->screen()->geometry();
    QCOMPARE(f.frame->geometry(), QRect(QPoint(screen.left() + (screen.width() - FrameLayout::DesignWidthPx) / 2,
                                               screen.top() + (screen.height() - FrameLayout::DesignHeightPx) / 2),
                                        QSize(FrameLayout::DesignWidthPx, FrameLayout::DesignHeightPx)));
    f.frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    QCOMPARE(visiblePage(*f.frame), 1);
    QStringList captions;
    for (int i = 0; i < f.frame->Tab1()->count(); ++i)
        captions << f.frame->Tab1()->tabText(i);
    QCOMPARE(captions, QStringList({"Outils", "Position", "Fond de carte", "Palette 2D"}));
    for (int tab : {2, 3, 1}) {
        clickTab(*f.frame, tab);
        QCOMPARE(visiblePage(*f.frame), tab);
    }
    QVERIFY(f.prompts.messages.empty());

    // "Palette 2D" says what its effects do each time, until the box on its
    // page is ticked.
    for (int round = 1; round <= 2; ++round) {
        clickTab(*f.frame, 4);
        QCOMPARE(int(f.prompts.messages.size()), round);
        QCOMPARE(f.prompts.messages.back().text,
                 QStringLiteral("Cet onglet permet d'appliquer des filtres directement dans votre projet,\r\n"
                                "certain filtre ne fonctionne que si le fond du projet contient une image.\r\n\r\n"
                                "Attention :\r\n"
                                "1. Les modifications ne seront pas sauvegarder dans le projet.\r\n"
                                "2. L'aperçu avant impression réinitialisera le projet à son origine.\r\n\r\n"
                                "Remarque :\r\n"
                                "Les outils du menu ''Projet'' assurent l'enregistrement des filtres,\r\n"
                                "mais seulement dans un fichier image ou via le presse-papier."));
        QCOMPARE(f.prompts.messages.back().title, QStringLiteral("Palette 2D"));
        QCOMPARE(f.prompts.messages.back().style, int(Msg::OkOnly | Msg::Information));
        QCOMPARE(visiblePage(*f.frame), 4);
        clickTab(*f.frame, 1);
    }
    QCheckBox *enough = f.frame->Check1(3);
    QCOMPARE(enough->text(), QStringLiteral("Ne plus afficher le message"));
    QCOMPARE(enough->parentWidget(), f.frame->PictA(4));
    enough->click();
    clickTab(*f.frame, 4);
    QCOMPARE(visiblePage(*f.frame), 4);
    QCOMPARE(int(f.prompts.messages.size()), 2);
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
    QCOMPARE(f.prompts.messages[0].text,
             QStringLiteral("Cette option vous permet de sauvegarder votre travail automatiquement.\r\n\r\n"
                            "1. La sauvegarde s'effectue par défaut toutes les 60 secondes.\r\n"
                            "2. Si l'option est désactivée il faudra enregistrer votre travail manuellement."));
    QCOMPARE(f.prompts.messages[0].title, QStringLiteral("Informations"));
    QCOMPARE(f.prompts.messages[0].style, int(Msg::OkCancel | Msg::Information | Msg::DefaultButton2));
    QVERIFY(box->isChecked());
    QVERIFY(f.frame->Timer1()->isActive());
    QCOMPARE(f.frame->Timer1()->interval(), 60000);

    // Unticked: off, without a message.
    box->click();
    QVERIFY(!f.frame->Timer1()->isActive());
    QCOMPARE(int(f.prompts.messages.size()), 1);

    // Cancel (the default answer): the box unticks itself.
    box->click();
    QCOMPARE(int(f.prompts.messages.size()), 2);
    QVERIFY(!box->isChecked());
    QVERIFY(!f.frame->Timer1()->isActive());
    // The other boxes of the page ask nothing.
    f.frame->Check1(0)->click();
    f.frame->Check1(2)->click();
    QCOMPARE(int(f.prompts.messages.size()), 2);
}

void tst_frame_lifecycle::quitConfirmation()
{
    FrameFixture f;
    QVERIFY(f.start());
    f.frame->newCard();
    f.frame->newCard();
    const QString tempo = f.dir.filePath(QStringLiteral("Tempo.bmp"));
    const QString settings = f.dir.filePath(QStringLiteral("Brivadune.ini"));

    // No (the default button): nothing closes, nothing is written, but the
    // picture left for an outside editor goes.
    QVERIFY(f.dir.writeFile(QStringLiteral("Tempo.bmp"), "BM"));
    QVERIFY(!f.frame->close());
    QCOMPARE(f.texts(), QStringList{QStringLiteral("Souhaitez-vous vraiment quitter l'application ?")});
    QCOMPARE(f.prompts.messages[0].title, QStringLiteral("Quitter Brivadune"));
    QCOMPARE(f.prompts.messages[0].style, int(Msg::YesNo | Msg::Question | Msg::DefaultButton2));
    QVERIFY(f.frame->isVisible());
    QCOMPARE(f.frame->cards().size(), 2);
    QVERIFY(!QFile::exists(tempo));
    QVERIFY(!QFile::exists(settings));

    // Yes, but a card refuses to close: the application stays, the
    // settings are written first.
    f.prompts.queueMessage(Msg::Yes);
    f.prompts.queueMessage(Msg::No);     // Projet2 closes unsaved
    f.prompts.queueMessage(Msg::Cancel); // Projet1 stays
    QVERIFY(!f.frame->close());
    QCOMPARE(f.prompts.messages[2].title, QStringLiteral("Enregistrer - [Projet2] ?"));
    QVERIFY(f.frame->isVisible());
    QCOMPARE(f.frame->cards().size(), 1);
    QVERIFY(QFile::exists(settings));

    // Yes: every card window closes, then the frame.
    QVERIFY(f.dir.writeFile(QStringLiteral("Tempo.bmp"), "BM"));
    f.prompts.queueMessage(Msg::Yes);
    f.prompts.queueMessage(Msg::No);
    QVERIFY(f.frame->close());
    QCOMPARE(f.prompts.messages.back().title, QStringLiteral("Enregistrer - [Projet1] ?"));
    QVERIFY(!f.frame->isVisible());
    QVERIFY(f.frame->cards().isEmpty());
    QVERIFY(!QFile::exists(tempo));
    QCOMPARE(f.prompts.pendingAnswers(), 0);
}

QTEST_MAIN(tst_frame_lifecycle)
#include "tst_frame_lifecycle.moc"
