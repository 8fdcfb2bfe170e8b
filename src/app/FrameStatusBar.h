#pragma once

#include <QPointer>
#include <QStatusBar>
#include <array>

class QLabel;
class QTimer;
class frmProjet;

// The frame's status bar `STB1`: panel 1 the program's name, 2 the active
// card's size, 3 the pointer's place on it, 4 the time and 5 the date, kept
// current, and 6 the active card's zoom; during a merge, the record the card
// shows ("Fiche 3/42") between buttons to go back and forth. It watches the
// active card window for the read-outs.
class FrameStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit FrameStatusBar(QWidget *parent = nullptr);

    // Panel 1..6; null for another number.
    QLabel *panel(int number) const;
    void setCard(frmProjet *card);
    // Shows `text` in panel 1, widened over panels 2 and 3, for `ms`
    // milliseconds; then the program's name again.
    void showNotice(const QString &text, int ms);

private:
    void updateClock();
    void showCardSize();
    void showZoom();
    void showRecord();

    std::array<QLabel *, 7> m_panels{}; // 1..6
    QTimer *m_clock = nullptr;
    QTimer *m_notice = nullptr;
    QWidget *m_records = nullptr;
    QLabel *m_record = nullptr;
    QPointer<frmProjet> m_card;
};
