#include "platform/CommonDialog.h"
#include "platform/ScriptedPrompts.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestPrompts : public QObject {
    Q_OBJECT

private slots:
    void defaultAnswers();
    void messagesAndInputsAreRecorded();
    void dialogsSnapshotAndAnswer();
};

void TestPrompts::defaultAnswers()
{
    // Nothing queued: the default button's answer, the first button's when
    // the style names a default button it does not have.
    const std::pair<int, int> cases[] = {
        {Msg::OkOnly | Msg::Critical, Msg::Ok},
        {Msg::OkCancel | Msg::DefaultButton2, Msg::Cancel},
        {Msg::YesNoCancel | Msg::Exclamation | Msg::DefaultButton3, Msg::Cancel},
        {Msg::AbortRetryIgnore | Msg::DefaultButton2, Msg::Retry},
        {Msg::YesNo | Msg::DefaultButton3, Msg::Yes},
        {Msg::YesNo + Msg::Question + Msg::DefaultButton2, Msg::No},
    };
    ScriptedPrompts prompts;
    for (const auto &[style, answer] : cases)
        QVERIFY2(prompts.msgBox(u"?"_s, style) == answer, qPrintable(QString::number(style)));
}

void TestPrompts::messagesAndInputsAreRecorded()
{
    ScriptedPrompts prompts;
    prompts.queueMessage(Msg::No);
    prompts.queueInput(u"Mon format"_s);
    // A message box shown from inside the callback is recorded too.
    prompts.onMessage = [&](const ScriptedPrompts::MessageCall &call) {
        if (call.text == u"outer"_s)
            prompts.msgBox(u"inner"_s);
    };
    const int style = Msg::YesNoCancel | Msg::Question;
    QCOMPARE(prompts.msgBox(u"Souhaitez-vous vraiment quitter l'application ?"_s, style), int(Msg::No));
    QCOMPARE(prompts.msgBox(u"outer"_s, style, u"Erreur"_s), int(Msg::Yes)); // queue empty
    QCOMPARE(prompts.messages.size(), std::size_t(3));
    QCOMPARE(prompts.messages[0].text, u"Souhaitez-vous vraiment quitter l'application ?"_s);
    QCOMPARE(prompts.messages[0].title, u"Brivadune"_s);
    QCOMPARE(prompts.messages[0].style, style);
    QCOMPARE(prompts.messages[1].title, u"Erreur"_s);
    QCOMPARE(prompts.messages[2].text, u"inner"_s);

    QCOMPARE(prompts.inputBox(u"Nom ?"_s, u"Enregistrer un format"_s, u"Format 1"_s), u"Mon format"_s);
    QCOMPARE(prompts.inputBox(u"Nom ?"_s, QString(), u"Nom du fichier"_s), QString()); // cancelled
    QCOMPARE(prompts.inputs.size(), std::size_t(2));
    QCOMPARE(prompts.inputs[0].defaultText, u"Format 1"_s);
    QCOMPARE(prompts.inputs[1].title, u"Brivadune"_s);
    QCOMPARE(prompts.pendingAnswers(), 0);
}

void TestPrompts::dialogsSnapshotAndAnswer()
{
    ScriptedPrompts prompts;
    CommonDialog dialog(&prompts);
    dialog.FileName = u"Carte"_s;
    prompts.queueFile(u"/home/u/Cartes/carte 1.bmp"_s);
    QVERIFY(dialog.ShowSave());
    QCOMPARE(dialog.FileName, u"/home/u/Cartes/carte 1.bmp"_s);
    QCOMPARE(dialog.FileTitle, u"carte 1.bmp"_s);
    // The record holds the properties as they were shown.
    QCOMPARE(prompts.dialogs[0].kind, Prompts::DialogKind::Save);
    QCOMPARE(prompts.dialogs[0].snapshot.FileName, u"Carte"_s);

    // A cancel, or nothing queued, leaves the properties as they were.
    prompts.queueCancel();
    QVERIFY(!dialog.ShowOpen());
    QVERIFY(!dialog.ShowPrinter());
    QCOMPARE(dialog.FileName, u"/home/u/Cartes/carte 1.bmp"_s);
    QCOMPARE(prompts.dialogs.size(), std::size_t(3));

    prompts.queueColor(Colors::rgb(1, 2, 3));
    QVERIFY(dialog.ShowColor());
    QCOMPARE(dialog.Color, Colors::rgb(1, 2, 3));
    // Without prompts nobody can answer: cancelled.
    QVERIFY(!CommonDialog().ShowOpen());
}

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
