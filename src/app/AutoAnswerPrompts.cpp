#include "AutoAnswerPrompts.h"

#include "platform/CommonDialog.h"

#include <QTextStream>

namespace {

void report(const QString &title, const QString &text)
{
    QTextStream err(stderr);
    err << "[" << title << "] " << text << Qt::endl;
}

} // namespace

int AutoAnswerPrompts::doMessage(const QString &text, int style, const QString &title)
{
    report(title, text);
    return Msg::defaultAnswer(style);
}

QString AutoAnswerPrompts::doInput(const QString &prompt, const QString &title, const QString &)
{
    report(title, prompt);
    return {};
}

bool AutoAnswerPrompts::doDialog(CommonDialog &dialog, DialogKind)
{
    report(QStringLiteral("Dialogue annulé"), dialog.DialogTitle);
    return false;
}
