#pragma once

#include "platform/Prompts.h"

// Prompts that show nothing: each message goes to standard error and gets
// its default button's answer; input boxes and common dialogs are cancelled
// (their title goes to standard error too).
// Used when BRIVADUNE_AUTO_ANSWER=1, so that a process test can run the real
// program (a second instance, a start-up measurement) without a window
// waiting for a click.
class AutoAnswerPrompts : public Prompts {
protected:
    int doMessage(const QString &text, int style, const QString &title) override;
    QString doInput(const QString &prompt, const QString &title, const QString &defaultText) override;
    bool doDialog(CommonDialog &dialog, DialogKind kind) override;
};
