#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// A help balloon attached to one window (the tool): a small popup with an
// optional icon and title line above a text of one or more lines (a
// carriage return, a line feed or both break a line). Create shows it just
// below an area of the tool; Destroy takes it down. It stays up for
// VisibleTime milliseconds, then hides until the next Create.
//
// The look properties follow the tooltip control the card windows use, so
// callers set the style and icon once and the title and text before each
// Create.
class Balloon : public QObject {
    Q_OBJECT
public:
    explicit Balloon(QObject *parent = nullptr);
    ~Balloon() override;

    // 1 = balloon, anything else = plain rectangle (kept for the callers;
    // both are drawn as the same framed popup).
    int Style = 0;
    // The tip is centred below the area instead of starting at its left.
    bool Centered = false;
    // Title icon: 0 none, 1 information, 2 warning, 3 error.
    int Icon = 0;
    int VisibleTime = 5000;
    int DelayTime = 500;

    const QString &Title() const { return m_title; }
    void setTitle(const QString &title);
    const QString &TipText() const { return m_text; }
    void setTipText(const QString &text);

    // (Re)creates the popup for `tool`, below `area` (pixels of the tool;
    // an empty area means the whole tool). A previous popup goes first.
    void Create(QWidget *tool, const QRect &area = {});
    // Takes the popup down, if any.
    void Destroy();

    // The popup window while created (null otherwise), and its tool.
    QWidget *window() const { return m_popup; }
    QWidget *tool() const { return m_tool; }
    // The text as shown: one line per line of TipText.
    static QString displayText(const QString &tipText);

private:
    void refresh();

    QString m_title;
    QString m_text;
    QPointer<QWidget> m_tool;
    QPointer<QWidget> m_popup;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_textLabel = nullptr;
};
