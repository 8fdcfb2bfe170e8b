#pragma once

#include "cardwindow/frmProjet.h"
#include "platform/CommonDialog.h"
#include "platform/ScriptedPrompts.h"

#include <memory>

// What a card window needs, for benchmarks: prompts that answer nothing,
// the common dialog, balloons on and items unlocked.
struct BenchCardWindow {
    ScriptedPrompts prompts;
    CommonDialog dialog{&prompts};
    CardEditOptions options;

    std::unique_ptr<frmProjet> make()
    {
        return std::make_unique<frmProjet>(
            CardWindowServices{Services{QString(), &prompts, nullptr, nullptr, {}, nullptr}, &dialog, &options});
    }
};
