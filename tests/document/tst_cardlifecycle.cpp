// The card window's object list, initial placement, activation and closing
// as the main frame sees them.
#include "FakeCardHost.h"
#include "TestSupport.h"
#include "document/frmProjet.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>

class tst_CardLifecycle : public QObject {
    Q_OBJECT

private slots:
    void objectListSkipsDeletedItems();
    void objectListSetsTheBackgroundKindOnRequest();
    void initialPlacement();
    void activationWithoutGradientColours();
    void activationWithGradientColours();
    void closingQuestionAnswers_data();
    void closingQuestionAnswers();
    void closingAfterACancelledSaveKeepsTheCard();
    void closingAfterAFailedSaveKeepsTheCard();
    void closedWindowIsNotAskedTwice();
};

void tst_CardLifecycle::objectListSkipsDeletedItems()
{
    FakeCardHost host;
    frmProjet card(&host);
    card.Label(1)->setCaption(QStringLiteral("Jean Dupont"));
    const QStringList captions = {QString(), QStringLiteral("Gérant"), QStringLiteral("Atelier du Port"), QString(),
                                  QStringLiteral("Tél.")};
    for (int i = 2; i <= 5; ++i) {
        CardLabel *label = card.createLabel(i);
        label->setCaption(captions[i - 1]);
        label->Visible = true;
    }
    card.Label(2)->Visible = false;
    card.Label(5)->Visible = false;
    for (int i = 2; i <= 3; ++i)
        card.createLogo(i)->Visible = true;
    card.Logo(2)->Visible = false;

    host.objects = {QStringLiteral("ancienne ligne")};
    card.Mise_aJour();
    const QStringList expected = {
        QStringLiteral("Lb1 | Jean Dupont"),
        QStringLiteral("Lb3 | Atelier du Port"),
        QStringLiteral("Lb4 | "),
        QStringLiteral("----------------------------------------"),
        QStringLiteral("Lg1 | Logo image n°1"),
        QStringLiteral("Lg3 | Logo image n°3"),
    };
    QCOMPARE(host.objects, expected);
    QCOMPARE(host.objects.at(3).size(), 40);
    QCOMPARE(host.selectedRow, 0);
    QCOMPARE(host.rowSelections.back(), 0);

    // Nothing visible: only the separator.
    card.Label(1)->Visible = false;
    card.Label(3)->Visible = false;
    card.Label(4)->Visible = false;
    card.Logo(1)->Visible = false;
    card.Logo(3)->Visible = false;
    card.Mise_aJour();
    QCOMPARE(host.objects, QStringList{QString(40, QLatin1Char('-'))});

    // Double-digit indexes are written out in full.
    for (int i = 6; i <= 12; ++i)
        card.createLabel(i)->Visible = true;
    card.Mise_aJour();
    QCOMPARE(host.objects.at(6), QStringLiteral("Lb12 | Jean Dupont"));
}

void tst_CardLifecycle::objectListSetsTheBackgroundKindOnRequest()
{
    FakeCardHost host;
    frmProjet card(&host);
    card.NumFond = 1;
    card.Mise_aJour();
    QCOMPARE(card.NumFond, 1);
    card.Mise_aJour(false, 2);
    QCOMPARE(card.NumFond, 1);
    card.Mise_aJour(true, 2);
    QCOMPARE(card.NumFond, 2);
    card.Mise_aJour(true);
    QCOMPARE(card.NumFond, 0);
}

void tst_CardLifecycle::initialPlacement()
{
    FakeCardHost host;
    frmProjet card(&host);
    card.setCardSize(4762.8, 3061.8);
    card.Label(1)->setCaption(QStringLiteral("Jean Dupont"));
    const QStringList texts = {QStringLiteral("Gérant"), QStringLiteral("Atelier du Port\r\n12 quai Ouest"),
                               QStringLiteral("Tél. 02 00 00 00 00"), QStringLiteral("cinquième")};
    for (int i = 2; i <= 5; ++i) {
        CardLabel *label = card.createLabel(i);
        label->setCaption(texts[i - 2]);
        label->Left = 77;
        label->Top = 88;
        label->Visible = true;
    }
    card.Logo(1)->Left = 999;
    card.Logo(1)->Top = 999;

    card.Mise_enPage();
    const double pw = 4762.8;
    const double ph = 3061.8;
    auto at = [&](int i) { return QPointF(card.Label(i)->Left, card.Label(i)->Top); };
    auto w = [&](int i) { return double(card.Label(i)->Width()); };
    auto h = [&](int i) { return double(card.Label(i)->Height()); };
    QCOMPARE(at(1), QPointF(float(pw - w(1) - 150), 120));
    QCOMPARE(at(2), QPointF(float(pw - w(2) - 150), 500));
    QCOMPARE(at(3), QPointF(float(pw / 2 - w(3) / 2), float(ph / 2 - h(3) / 2)));
    QCOMPARE(at(4), QPointF(150, float(ph - h(4) - 100)));
    QCOMPARE(at(5), QPointF(77, 88));
    QCOMPARE(card.Logo(1)->Left, 120.0f);
    QCOMPARE(card.Logo(1)->Top, 120.0f);
    // Labels 1 and 2 end 150 twips from the right edge.
    QVERIFY(std::abs(card.Label(2)->Left + card.Label(2)->Width() - (pw - 150)) < 0.01);
}

void tst_CardLifecycle::activationWithoutGradientColours()
{
    TestSupport::FrenchLocale french;
    FakeCardHost host;
    frmProjet card(&host);
    card.setCardSize(4762.8, 3061.8);
    // A gradient made only of black counts as no gradient.
    card.NumFond = 1;
    card.NumOption = 3;
    host.swatches = {{0, 0x123456}, {5, 0x654321}, {10, 0x111111}};
    card.activate();
    QCOMPARE(host.swatches.value(0), Colors::White);
    QCOMPARE(host.swatches.value(5), Colors::White);
    QCOMPARE(host.swatches.value(10), Colors::White);
    QVERIFY(host.optionClicks.empty());
    QVERIFY(host.optionSelections.empty());
    QCOMPARE(host.panels.value(2), QStringLiteral("8,40 x 5,40 cm"));
    QCOMPARE(host.objects.first(), QStringLiteral("Lb1 | ZONE DE TEXTE"));
    QCOMPARE(host.objects.last(), QStringLiteral("Lg1 | Logo image n°1"));
    QCOMPARE(host.selectedRow, 0);
}

void tst_CardLifecycle::activationWithGradientColours()
{
    FakeCardHost host;
    frmProjet card(&host);
    card.Color1 = Colors::rgb(255, 0, 0);
    card.Color2 = 0;
    card.Color3 = Colors::rgb(0, 0, 255);
    card.NumOption = 4;
    card.activate();
    QCOMPARE(host.swatches.value(0), Colors::rgb(255, 0, 0));
    QCOMPARE(host.swatches.value(5), 0);
    QCOMPARE(host.swatches.value(10), Colors::rgb(0, 0, 255));
    QCOMPARE(host.optionClicks, std::vector<int>{4});
    QCOMPARE(host.optionSelections, std::vector<int>{4});
    QVERIFY(host.panels.contains(2));

    // Any one colour is enough; the orientation follows the card.
    FakeCardHost other;
    frmProjet second(&other);
    second.Color2 = 1;
    second.activate();
    QCOMPARE(other.optionClicks, std::vector<int>{0});
    QCOMPARE(other.swatches.value(5), 1);
}

void tst_CardLifecycle::closingQuestionAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<std::vector<bool>>("saves");

    QTest::newRow("yes, saved before") << int(Msg::Yes) << QStringLiteral("/p/Carte Dupont.prj") << true
                                       << std::vector<bool>{false};
    QTest::newRow("yes, never saved") << int(Msg::Yes) << QString() << true << std::vector<bool>{true};
    QTest::newRow("no") << int(Msg::No) << QString() << true << std::vector<bool>{};
    QTest::newRow("cancel") << int(Msg::Cancel) << QStringLiteral("/p/Carte Dupont.prj") << false
                            << std::vector<bool>{};
}

void tst_CardLifecycle::closingQuestionAnswers()
{
    QFETCH(int, answer);
    QFETCH(QString, tag);
    QFETCH(bool, closes);
    QFETCH(std::vector<bool>, saves);

    FakeCardHost host;
    QMdiArea area;
    auto *card = new frmProjet(&host);
    card->setCaption(QStringLiteral("Carte Dupont"));
    card->setTag(tag);
    card->Color1 = Colors::rgb(1, 2, 3);
    QPointer<QMdiSubWindow> sub = area.addSubWindow(card);
    area.resize(800, 600);
    area.show();
    sub->show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));

    // The frame's save names a project that had none.
    host.onSave = [card](bool withDialog) {
        if (withDialog)
            card->setTag(QStringLiteral("/p/Carte Dupont.prj"));
    };
    host.textATagValue = QStringLiteral("3");
    host.textATextValue = QStringLiteral("Atelier du Port");
    host.objects = {QStringLiteral("Lb3 | Atelier du Port")};
    host.swatches = {{0, 7}, {5, 8}, {10, 9}};
    host.scripted.queueMessage(answer);

    QCOMPARE(sub->close(), closes);

    QCOMPARE(host.scripted.messages.size(), size_t(1));
    const ScriptedPrompts::MessageCall &question = host.scripted.messages.front();
    QCOMPARE(question.text, QStringLiteral("Souhaitez-vous enregistrer les modifications de ce projet ?"));
    QCOMPARE(question.style, int(Msg::YesNoCancel) | int(Msg::Question));
    QCOMPARE(question.title, QStringLiteral("Enregistrer - [Carte Dupont] ?"));
    QCOMPARE(host.saves, saves);

    if (closes) {
        // Closed: the frame's panels hold no card any more.
        QVERIFY(host.objects.isEmpty());
        QVERIFY(host.textATagValue.isEmpty());
        QVERIFY(host.textATextValue.isEmpty());
        QCOMPARE(host.swatches.value(0), Colors::White);
        QCOMPARE(host.swatches.value(5), Colors::White);
        QCOMPARE(host.swatches.value(10), Colors::White);
    } else {
        // Kept: the panels show this card again (activation ran).
        QVERIFY(sub);
        QVERIFY(card->isVisible());
        QCOMPARE(host.objects.first(), QStringLiteral("Lb1 | ZONE DE TEXTE"));
        QCOMPARE(host.swatches.value(0), Colors::rgb(1, 2, 3));
        QCOMPARE(host.optionClicks, std::vector<int>{0});
        QVERIFY(host.panels.contains(2));
        QCOMPARE(host.textATagValue, QStringLiteral("3"));
    }
}

void tst_CardLifecycle::closingAfterACancelledSaveKeepsTheCard()
{
    // Yes, then the name dialog is cancelled: nothing was written, so the
    // window stays rather than lose the card.
    FakeCardHost host;
    frmProjet card(&host);
    card.setCaption(QStringLiteral("Sans titre"));
    card.show();
    QVERIFY(QTest::qWaitForWindowExposed(&card));
    host.scripted.queueMessage(Msg::Yes);
    QVERIFY(!card.close());
    QCOMPARE(host.saves, std::vector<bool>{true});
    QVERIFY(card.isVisible());
    QVERIFY(!host.objects.isEmpty()); // activated again
    QVERIFY(host.panels.contains(2));

    // A second try where the save gives the project its file closes it.
    host.onSave = [&card](bool) { card.setTag(QStringLiteral("/p/Sans titre.prj")); };
    host.scripted.queueMessage(Msg::Yes);
    QVERIFY(card.close());
    QCOMPARE(host.saves, (std::vector<bool>{true, true}));
    QVERIFY(host.objects.isEmpty());
}

void tst_CardLifecycle::closingAfterAFailedSaveKeepsTheCard()
{
    // A project saved before whose file can no longer be written: the
    // window must stay, or the changes are lost.
    FakeCardHost host;
    frmProjet card(&host);
    card.setTag(QStringLiteral("/p/Carte.prj"));
    card.show();
    QVERIFY(QTest::qWaitForWindowExposed(&card));
    host.saveSucceeds = false;
    host.scripted.queueMessage(Msg::Yes);
    QVERIFY(!card.close());
    QCOMPARE(host.saves, std::vector<bool>{false});
    QVERIFY(card.isVisible());
}

void tst_CardLifecycle::closedWindowIsNotAskedTwice()
{
    FakeCardHost host;
    QMdiArea area;
    auto *card = new frmProjet(&host);
    QMdiSubWindow *sub = area.addSubWindow(card);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    area.show();
    sub->show();
    host.scripted.queueMessage(Msg::No);
    QVERIFY(card->close());
    QVERIFY(sub->close());
    QCOMPARE(host.scripted.messages.size(), size_t(1));
}

QTEST_MAIN(tst_CardLifecycle)
#include "tst_cardlifecycle.moc"
