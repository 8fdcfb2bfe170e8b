#include "TipTracker.h"

bool TipTracker::create()
{
    m_state = Waiting;
    return true;
}

bool TipTracker::pointerInside()
{
    switch (m_state) {
    case Showing: return true; // a move over the tool keeps the tip up longer
    case Away: m_state = Waiting; return true;
    default: return false;
    }
}

void TipTracker::pointerOutside()
{
    if (m_state != Off)
        m_state = Away;
}

void TipTracker::pressed()
{
    if (m_state == Waiting || m_state == Showing)
        m_state = Spent;
}

bool TipTracker::timerElapsed()
{
    if (m_state == Waiting) {
        m_state = Showing;
        return true;
    }
    if (m_state == Showing)
        m_state = Spent;
    return false;
}
