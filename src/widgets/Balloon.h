#pragma once

#include "CTooltip.h"

#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

// The help balloon of a card window, in the shape the card window uses:
// the look fields are set once (style, icon, timings), the title and text
// before each Create. Create hands them to a CTooltip, which shows the tip
// once the pointer rests over the area and takes it down when the pointer
// leaves it.
class Balloon : public QObject {
    Q_OBJECT
public:
    explicit Balloon(QObject *parent = nullptr);
    ~Balloon() override;

    // As CTooltip: 1 = balloon, anything else = plain box.
    int Style = 0;
    bool Centered = false;
    // Title icon: 0 none, 1 information, 2 warning, 3 error.
    int Icon = 0;
    int VisibleTime = 5000;
    int DelayTime = 500;

    const QString &Title() const { return m_tip.Title(); }
    void setTitle(const QString &title) { m_tip.setTitle(title); }
    const QString &TipText() const { return m_tip.TipText(); }
    void setTipText(const QString &text) { m_tip.setTipText(text); }

    // (Re)creates the tip for `tool`, over `area` (pixels of the tool; an
    // empty area means the whole tool). A previous tip goes first.
    void Create(QWidget *tool, const QRect &area = {});
    void Destroy() { m_tip.Destroy(); }

    // The tip's window while created (null otherwise), and its tool.
    QWidget *window() const { return m_tip.window(); }
    QWidget *tool() const { return m_tip.tool(); }

private:
    CTooltip m_tip;
};
