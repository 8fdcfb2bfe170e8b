#pragma once

#include <QIcon>

// Small pictures drawn for the tool panel's buttons.
namespace PanelIcons {

// The gradient orientation buttons 0..8: a dark-to-light ramp running from
// the named corner or edge (0 top left, 1 top, 2 top right, 3 right,
// 4 bottom right, 5 bottom, 6 bottom left, 7 left), or rings (8).
QIcon gradient(int orientation, int size = 24);

// The move buttons of the position page: 0 up, 1 down, 2 left, 3 right.
QIcon arrow(int direction, int size = 20);

// The centring buttons of the position page: 4 horizontally, 5 the middle
// of the card, 6 vertically.
QIcon centring(int index, int size = 20);

} // namespace PanelIcons
