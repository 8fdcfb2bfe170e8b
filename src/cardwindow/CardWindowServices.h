#pragma once

#include "platform/Services.h"

class CommonDialog;

// Two options of the tool panel that the card windows obey: no help
// balloons over the items, and items locked against dragging.
struct CardEditOptions {
    bool noBalloons = false;
    bool locked = false;
};

// What a card window is given by the frame that holds it: the desktop's
// services (application folder, prompts, shell, clipboard), the shared
// common dialog whose settings carry over from one use to the next, and
// the panel's options, read when they matter.
struct CardWindowServices {
    Services services;
    CommonDialog *dialog = nullptr;
    const CardEditOptions *options = nullptr;
};
