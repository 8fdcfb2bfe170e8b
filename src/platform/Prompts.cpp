#include "Prompts.h"

#include "CommonDialog.h"

namespace {

constexpr int buttonsOf(int style) { return style & 0x0F; }
constexpr int defaultOf(int style) { return style & 0xF00; }

// The application's title, shown by a message box that has none of its own.
QString applicationTitle()
{
    return QStringLiteral("Brivadune");
}

} // namespace

namespace Msg {

QList<int> answersOf(int style)
{
    switch (buttonsOf(style)) {
    case OkCancel: return {Ok, Cancel};
    case AbortRetryIgnore: return {Abort, Retry, Ignore};
    case YesNoCancel: return {Yes, No, Cancel};
    case YesNo: return {Yes, No};
    case RetryCancel: return {Retry, Cancel};
    default: return {Ok};
    }
}

int defaultAnswer(int style)
{
    const QList<int> answers = answersOf(style);
    const int index = defaultOf(style) >> 8;
    return index < answers.size() ? answers.at(index) : answers.front();
}

} // namespace Msg

int Prompts::msgBox(const QString &text, int style, const QString &title)
{
    return doMessage(text, style, title.isEmpty() ? applicationTitle() : title);
}

QString Prompts::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    return doInput(prompt, title.isEmpty() ? applicationTitle() : title, defaultText);
}

bool Prompts::showDialog(CommonDialog &dialog, DialogKind kind)
{
    return doDialog(dialog, kind);
}
