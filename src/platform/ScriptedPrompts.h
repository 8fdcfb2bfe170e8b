#pragma once

#include "CommonDialog.h"
#include "Prompts.h"

#include <QString>
#include <deque>
#include <functional>
#include <vector>

// Prompts for tests: records every call and answers from queues. When a
// queue is empty, a message box gets its default button's answer, an input
// box is cancelled and a dialog is cancelled, so a test never blocks.
class ScriptedPrompts : public Prompts {
public:
    struct MessageCall {
        QString text;
        int style = 0;
        QString title; // after the default title was applied
    };
    struct InputCall {
        QString prompt;
        QString title;
        QString defaultText;
    };
    struct DialogCall {
        DialogKind kind;
        CommonDialog snapshot; // the dialog's properties when shown
    };
    // An answer to a dialog: fills the dialog and returns true, or returns
    // false to cancel.
    using DialogAnswer = std::function<bool(CommonDialog &)>;

    void queueMessage(int answer) { m_messages.push_back(answer); }
    void queueInput(const QString &answer) { m_inputs.push_back(answer); }
    void queueDialog(DialogAnswer answer) { m_dialogs.push_back(std::move(answer)); }
    // Convenience answers.
    void queueFile(const QString &path);
    void queueCancel();
    void queueColor(OleColor color);

    std::vector<MessageCall> messages;
    std::vector<InputCall> inputs;
    std::vector<DialogCall> dialogs;

    // Remaining queued answers (a test can assert they were all used).
    int pendingAnswers() const { return int(m_messages.size() + m_inputs.size() + m_dialogs.size()); }
    void reset();

    // The answer a message box gives when nothing is queued.
    static int defaultAnswer(int style);

protected:
    int doMessage(const QString &text, int style, const QString &title) override;
    QString doInput(const QString &prompt, const QString &title, const QString &defaultText) override;
    bool doDialog(CommonDialog &dialog, DialogKind kind) override;

private:
    std::deque<int> m_messages;
    std::deque<QString> m_inputs;
    std::deque<DialogAnswer> m_dialogs;
};
