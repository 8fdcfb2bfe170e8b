#pragma once

#include <QObject>
#include <functional>

class Prompts;
class QCheckBox;
class QTimer;
class frmProjet;

// "Sauvegarde automatique": while its box is ticked, the active card is
// saved every 60 seconds (a card never saved asks for a name; one saved
// before is written silently, with a beep). Off at every start.
class Autosave : public QObject {
    Q_OBJECT
public:
    // `activeCard` gives the active card window (null when none);
    // `save(withDialog)` saves it.
    Autosave(Prompts &prompts, std::function<frmProjet *()> activeCard, std::function<bool(bool withDialog)> save,
             std::function<void()> beep, QObject *parent = nullptr);

    QTimer *Timer1() const { return m_timer1; }
    // The box was clicked: ticked, the user is told what the option does
    // and may back out, which unticks it; cleared, saving stops.
    void toggle(QCheckBox &box);
    // One tick: saves the active card.
    void Timer1_Timer();

private:
    Prompts &m_prompts;
    std::function<frmProjet *()> m_activeCard;
    std::function<bool(bool)> m_save;
    std::function<void()> m_beep;
    QTimer *m_timer1 = nullptr;
};
