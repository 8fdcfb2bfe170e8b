#pragma once

#include "TipLook.h"
#include "TipTracker.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>

#include <optional>

class QWidget;
class TipWindow;

// A tooltip attached to one window (the tool): a plain box or a balloon
// with a stem, an optional title with an icon, one or more lines of text.
// After Create it shows by itself once the pointer has rested over the tool
// (or over one area of it) for DelayTime milliseconds, and stays up
// VisibleTime milliseconds. It goes when the pointer leaves the area or the
// tool, or a button is pressed, and comes back when the pointer returns.
// Its window never takes the mouse nor the focus: the tool keeps receiving
// the moves under it.
//
// Style, Centered, VisibleTime and DelayTime take effect at the next
// Create; TipText, Title, Icon, ForeColor and BackColor also change a live
// tip (a title or icon only when both are set). Colours are packed RGB;
// 0 leaves the system's colour at Create, but is black on a live tip.
class CTooltip : public QObject {
    Q_OBJECT
public:
    explicit CTooltip(QObject *parent = nullptr);
    ~CTooltip() override;

    // 1 = balloon; any other value = plain box.
    int Style() const { return m_style; }
    void setStyle(int style) { m_style = style; }
    // Centred below the tool (or area) instead of at the pointer.
    bool Centered() const { return m_centered; }
    void setCentered(bool on) { m_centered = on; }
    // Beside the title: 0 none, 1 information, 2 warning, 3 error.
    int Icon() const { return m_icon; }
    void setIcon(int icon);
    int ForeColor() const { return m_foreColor; }
    void setForeColor(int rgb);
    int BackColor() const { return m_backColor; }
    void setBackColor(int rgb);
    const QString &Title() const { return m_title; }
    void setTitle(const QString &title);
    // Lines are separated by a carriage return (or a line feed).
    const QString &TipText() const { return m_tipText; }
    void setTipText(const QString &text);
    // Milliseconds; a negative value stands for the default (5000, 500).
    // A VisibleTime of 0 keeps the tip up until the pointer leaves.
    int VisibleTime() const { return m_visibleTime; }
    void setVisibleTime(int ms) { m_visibleTime = ms; }
    int DelayTime() const { return m_delayTime; }
    void setDelayTime(int ms) { m_delayTime = ms; }

    // (Re)creates the tip for `tool`, over `area` (pixels of the tool; an
    // empty area means the whole tool). A previous tip goes first.
    void Create(QWidget *tool, const QRect &area = {});
    // Removes the tip, if any.
    void Destroy();

    // The tip's window while created (shown or waiting), else null.
    QWidget *window() const;
    QWidget *tool() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sync(bool restartTimer);
    void onTimer();
    void showTip();
    void relayout();
    QRect anchorArea() const;
    static QColor packed(int rgb);

    int m_style = 0;
    bool m_centered = false;
    int m_icon = 0;
    int m_foreColor = 0;
    int m_backColor = 0;
    QString m_title;
    QString m_tipText;
    int m_visibleTime = 5000;
    int m_delayTime = 500;

    // Fixed at Create.
    int m_activeDelay = 500;
    int m_activeVisible = 5000;
    bool m_activeCentered = false;

    TipContent m_content;
    TipTracker m_tracker;
    QTimer m_timer;
    QPointer<QWidget> m_tool;
    QRect m_area;
    std::optional<QPoint> m_pointer; // last pointer position over the tool
    QPointer<TipWindow> m_window;
    QMetaObject::Connection m_toolGone;
};
