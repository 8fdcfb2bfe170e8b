#include "ScriptedPrompts.h"

void ScriptedPrompts::queueFile(const QString &path)
{
    queueDialog([path](CommonDialog &dialog) {
        dialog.setChosenFile(path);
        return true;
    });
}

void ScriptedPrompts::queueCancel()
{
    queueDialog([](CommonDialog &) { return false; });
}

void ScriptedPrompts::queueColor(OleColor color)
{
    queueDialog([color](CommonDialog &dialog) {
        dialog.Color = color;
        return true;
    });
}

void ScriptedPrompts::reset()
{
    m_messages.clear();
    m_inputs.clear();
    m_dialogs.clear();
    messages.clear();
    inputs.clear();
    dialogs.clear();
}

int ScriptedPrompts::defaultAnswer(int style)
{
    return Msg::defaultAnswer(style);
}

int ScriptedPrompts::doMessage(const QString &text, int style, const QString &title)
{
    messages.push_back(MessageCall{text, style, title});
    if (m_messages.empty())
        return defaultAnswer(style);
    const int answer = m_messages.front();
    m_messages.pop_front();
    return answer;
}

QString ScriptedPrompts::doInput(const QString &prompt, const QString &title, const QString &defaultText)
{
    inputs.push_back(InputCall{prompt, title, defaultText});
    if (m_inputs.empty())
        return QString();
    const QString answer = m_inputs.front();
    m_inputs.pop_front();
    return answer;
}

bool ScriptedPrompts::doDialog(CommonDialog &dialog, DialogKind kind)
{
    dialogs.push_back(DialogCall{kind, dialog});
    if (m_dialogs.empty())
        return false;
    const DialogAnswer answer = std::move(m_dialogs.front());
    m_dialogs.pop_front();
    return answer ? answer(dialog) : false;
}
