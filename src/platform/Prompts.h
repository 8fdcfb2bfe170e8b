#pragma once

#include <QList>
#include <QString>

#include <type_traits>

class CommonDialog;

// Message box styles and answers, numbered as the application's messages are
// described: buttons + icon + default button.
namespace Msg {
enum Buttons { OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum Icon { NoIcon = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum DefaultButton { DefaultButton1 = 0, DefaultButton2 = 256, DefaultButton3 = 512 };
enum Answer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

// Styles combine one of each ("YesNo | Question | DefaultButton2", or with
// "+"); these give the combination as an int without mixing enumeration
// types in arithmetic.
template <typename T>
constexpr bool isStylePart = std::is_same_v<T, Buttons> || std::is_same_v<T, Icon> || std::is_same_v<T, DefaultButton>;
template <typename A, typename B>
    requires(isStylePart<A> && isStylePart<B> && !std::is_same_v<A, B>)
constexpr int operator|(A a, B b) { return int(a) | int(b); }
template <typename A, typename B>
    requires(isStylePart<A> && isStylePart<B> && !std::is_same_v<A, B>)
constexpr int operator+(A a, B b) { return int(a) | int(b); }

constexpr int iconOf(int style) { return style & 0xF0; }

// The answers of a style's buttons, in the order the buttons show.
QList<int> answersOf(int style);
// The answer of the style's default button (the first button when the
// style names a default button it does not have).
int defaultAnswer(int style);
} // namespace Msg

// Every message box, input box and common dialog goes through this
// interface: QtPrompts shows real dialogs, ScriptedPrompts (tests) records
// each call and answers from a queue.
class Prompts {
public:
    virtual ~Prompts() = default;

    enum class DialogKind { Open, Save, Color, Font, Printer };

    // Shows a message box; an empty title becomes "Brivadune". Returns a
    // Msg::Answer.
    int msgBox(const QString &text, int style = Msg::OkOnly, const QString &title = {});
    // Shows an input box (an empty title becomes "Brivadune"); returns the
    // text typed, or an empty text when cancelled.
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText = {});
    // Shows a common dialog with `dialog`'s properties and writes the
    // user's choice back into it. False when cancelled.
    bool showDialog(CommonDialog &dialog, DialogKind kind);

protected:
    virtual int doMessage(const QString &text, int style, const QString &title) = 0;
    virtual QString doInput(const QString &prompt, const QString &title, const QString &defaultText) = 0;
    virtual bool doDialog(CommonDialog &dialog, DialogKind kind) = 0;
};
