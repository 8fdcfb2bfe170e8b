#include "platform/CommonDialog.h"
#include "platform/ScriptedPrompts.h"

#include <QtTest>

class TestPrompts : public QObject {
    Q_OBJECT

private slots:
    void defaultAnswers_data();
    void defaultAnswers();
    void messagesAreRecordedWithTheDefaultTitle();
    void queuedAnswersInOrder();
    void inputBoxes();
    void dialogsSnapshotAndAnswer();
    void dialogWithoutPrompts();
    void nameFilters_data();
    void nameFilters();
};

void TestPrompts::defaultAnswers_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("answer");

    QTest::newRow("ok only") << int(Msg::OkOnly | Msg::Critical) << int(Msg::Ok);
    QTest::newRow("ok cancel") << int(Msg::OkCancel) << int(Msg::Ok);
    QTest::newRow("ok cancel, second") << int(Msg::OkCancel | Msg::DefaultButton2) << int(Msg::Cancel);
    QTest::newRow("yes no") << int(Msg::YesNo | Msg::Question) << int(Msg::Yes);
    QTest::newRow("yes no, second") << int(Msg::YesNo | Msg::Question | Msg::DefaultButton2) << int(Msg::No);
    QTest::newRow("yes no cancel, third") << int(Msg::YesNoCancel | Msg::Exclamation | Msg::DefaultButton3) << int(Msg::Cancel);
    QTest::newRow("abort retry ignore, second") << int(Msg::AbortRetryIgnore | Msg::DefaultButton2) << int(Msg::Retry);
    QTest::newRow("retry cancel") << int(Msg::RetryCancel) << int(Msg::Retry);
    QTest::newRow("missing third button") << int(Msg::YesNo | Msg::DefaultButton3) << int(Msg::Yes);
    QTest::newRow("ok only, second") << int(Msg::OkOnly | Msg::DefaultButton2) << int(Msg::Ok);
    QTest::newRow("unknown buttons") << 7 << int(Msg::Ok);
    QTest::newRow("written with +") << (Msg::YesNo + Msg::Question + Msg::DefaultButton2) << int(Msg::No);
}

void TestPrompts::defaultAnswers()
{
    static_assert(Msg::YesNo + Msg::Question + Msg::DefaultButton2 == 4 + 32 + 256);
    static_assert((Msg::DefaultButton3 | Msg::Critical | Msg::OkCancel) == 512 + 16 + 1);
    QFETCH(int, style);
    QFETCH(int, answer);
    QCOMPARE(ScriptedPrompts::defaultAnswer(style), answer);
    ScriptedPrompts prompts;
    QCOMPARE(prompts.msgBox(QStringLiteral("?"), style), answer);
}

void TestPrompts::messagesAreRecordedWithTheDefaultTitle()
{
    ScriptedPrompts prompts;
    QString seenDuringCall;
    prompts.onMessage = [&](const ScriptedPrompts::MessageCall &call) { seenDuringCall = call.text; };

    const int style = Msg::YesNo | Msg::Question;
    prompts.msgBox(QStringLiteral("Souhaitez-vous vraiment quitter l'application ?"), style);
    prompts.msgBox(QStringLiteral("L'aperçu avant impression n'est pas possible."), Msg::Critical, QStringLiteral("Erreur"));

    QCOMPARE(prompts.messages.size(), std::size_t(2));
    QCOMPARE(prompts.messages[0].text, QStringLiteral("Souhaitez-vous vraiment quitter l'application ?"));
    QCOMPARE(prompts.messages[0].title, QStringLiteral("Brivadune"));
    QCOMPARE(prompts.messages[0].style, style);
    QCOMPARE(prompts.messages[1].title, QStringLiteral("Erreur"));
    QCOMPARE(seenDuringCall, QStringLiteral("L'aperçu avant impression n'est pas possible."));
}

void TestPrompts::queuedAnswersInOrder()
{
    ScriptedPrompts prompts;
    prompts.queueMessage(Msg::No);
    prompts.queueMessage(Msg::Cancel);
    prompts.queueInput(QStringLiteral("Carte"));
    QCOMPARE(prompts.pendingAnswers(), 3);
    QCOMPARE(prompts.msgBox(QStringLiteral("a"), Msg::YesNoCancel), int(Msg::No));
    QCOMPARE(prompts.msgBox(QStringLiteral("b"), Msg::YesNoCancel), int(Msg::Cancel));
    QCOMPARE(prompts.msgBox(QStringLiteral("c"), Msg::YesNoCancel), int(Msg::Yes)); // queue empty
    QCOMPARE(prompts.pendingAnswers(), 1);

    // A message box shown from inside the callback is recorded too.
    prompts.onMessage = [&](const ScriptedPrompts::MessageCall &call) {
        if (call.text == QLatin1String("outer"))
            prompts.msgBox(QStringLiteral("inner"));
    };
    prompts.msgBox(QStringLiteral("outer"));
    QCOMPARE(prompts.messages.size(), std::size_t(5));
    QCOMPARE(prompts.messages[4].text, QStringLiteral("inner"));

    prompts.reset();
    QCOMPARE(prompts.pendingAnswers(), 0);
    QVERIFY(prompts.messages.empty());
}

void TestPrompts::inputBoxes()
{
    ScriptedPrompts prompts;
    prompts.queueInput(QStringLiteral("Mon format"));
    QCOMPARE(prompts.inputBox(QStringLiteral("Veuillez donner un nouveau nom de format d'étiquettes."),
                              QStringLiteral("Enregistrer un format"), QStringLiteral("Format 1")),
             QStringLiteral("Mon format"));
    // Nothing queued: cancelled.
    QCOMPARE(prompts.inputBox(QStringLiteral("Nom ?"), QString(), QStringLiteral("Nom du fichier")), QString());
    QCOMPARE(prompts.inputs.size(), std::size_t(2));
    QCOMPARE(prompts.inputs[0].title, QStringLiteral("Enregistrer un format"));
    QCOMPARE(prompts.inputs[0].defaultText, QStringLiteral("Format 1"));
    QCOMPARE(prompts.inputs[1].title, QStringLiteral("Brivadune"));
}

void TestPrompts::dialogsSnapshotAndAnswer()
{
    ScriptedPrompts prompts;
    CommonDialog dialog(&prompts);
    dialog.DialogTitle = QStringLiteral("Exporter le projet sous...");
    dialog.Filter = QStringLiteral("Format Bitmap (*.bmp)|*.bmp|");
    dialog.FileName = QStringLiteral("Carte");
    prompts.queueFile(QStringLiteral("/home/u/Cartes/carte 1.bmp"));
    QVERIFY(dialog.ShowSave());
    QCOMPARE(dialog.FileName, QStringLiteral("/home/u/Cartes/carte 1.bmp"));
    QCOMPARE(dialog.FileTitle, QStringLiteral("carte 1.bmp"));
    // The record holds the properties as they were shown.
    QCOMPARE(prompts.dialogs.size(), std::size_t(1));
    QCOMPARE(prompts.dialogs[0].kind, Prompts::DialogKind::Save);
    QCOMPARE(prompts.dialogs[0].snapshot.FileName, QStringLiteral("Carte"));
    QCOMPARE(prompts.dialogs[0].snapshot.DialogTitle, QStringLiteral("Exporter le projet sous..."));

    // Properties keep their values from one use to the next; a cancel
    // leaves them alone.
    prompts.queueCancel();
    QVERIFY(!dialog.ShowOpen());
    QCOMPARE(dialog.FileName, QStringLiteral("/home/u/Cartes/carte 1.bmp"));
    QCOMPARE(prompts.dialogs[1].snapshot.FileName, QStringLiteral("/home/u/Cartes/carte 1.bmp"));
    // Nothing queued: cancelled too.
    QVERIFY(!dialog.ShowPrinter());

    dialog.Color = Colors::Black;
    prompts.queueColor(Colors::rgb(1, 2, 3));
    QVERIFY(dialog.ShowColor());
    QCOMPARE(dialog.Color, Colors::rgb(1, 2, 3));

    prompts.queueDialog([](CommonDialog &d) {
        d.FontName = QStringLiteral("Arial");
        d.FontSize = 12.f;
        return true;
    });
    QVERIFY(dialog.ShowFont());
    QCOMPARE(dialog.FontName, QStringLiteral("Arial"));
    QCOMPARE(prompts.dialogs.back().kind, Prompts::DialogKind::Font);
    QCOMPARE(prompts.pendingAnswers(), 0);
}

void TestPrompts::dialogWithoutPrompts()
{
    CommonDialog dialog;
    dialog.FileName = QStringLiteral("x");
    QVERIFY(!dialog.ShowOpen());
    QVERIFY(!dialog.ShowColor());
    QCOMPARE(dialog.FileName, QStringLiteral("x"));
}

void TestPrompts::nameFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("project") << "Fichier projet (*.prj)|*.prj|" << QStringList{"Fichier projet (*.prj)"};
    QTest::newRow("no parentheses") << "Projets|*.prj" << QStringList{"Projets (*.prj)"};
    QTest::newRow("several patterns")
        << "Images (*.bmp;*.jpg)|*.bmp;*.jpg;*.gif|Tous les fichiers (*.*)|*.*|"
        << QStringList{"Images (*.bmp *.jpg *.gif)", "Tous les fichiers (*)"};
    QTest::newRow("missing pattern") << "Seul|" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestPrompts::nameFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    CommonDialog dialog;
    dialog.Filter = filter;
    QCOMPARE(dialog.qtNameFilters(), expected);
}

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
