#pragma once

// When a tooltip shows, as the pointer moves over its tool: after the
// initial delay of rest over the tool's area it shows; it goes after its
// visible time, when the pointer leaves the area or when a button is
// pressed, and comes again only after the pointer has left the area and
// come back. Inputs that return true ask for the state's timer to start
// again: the initial delay while Waiting, the visible time while Showing.
class TipTracker {
public:
    enum State {
        Off,     // no tooltip
        Waiting, // the initial delay runs
        Showing, // the tip is up, the visible time runs
        Away,    // the pointer is outside the area
        Spent,   // timed out or clicked: nothing until the pointer leaves
    };

    State state() const { return m_state; }

    bool create();
    void destroy() { m_state = Off; }
    bool pointerInside();
    void pointerOutside();
    void pressed();
    bool timerElapsed();

private:
    State m_state = Off;
};
