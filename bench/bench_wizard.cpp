// The new-project wizard over the shipped picture library (data/ of the
// source tree, 26 letters, 36 corners, 17 backgrounds), offscreen.
//
// BM_OpenWizard: the wizard window made, its library listed, shown and
// painted once (its destruction included).
// BM_ChooseBackground: one background chosen in the tree (the picture read
// and decoded, the preview's background made) and the preview repainted;
// the iterations go through the backgrounds in turn.

#include "BenchMain.h"

#include "platform/ScriptedPrompts.h"
#include "wizard/PreviewView.h"
#include "wizard/ResourceTree.h"
#include "wizard/frmAssist.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

const QString AppDir = QStringLiteral(BRIVADUNE_DATA_DIR);

void BM_OpenWizard(benchmark::State &state)
{
    ScriptedPrompts prompts;
    int listed = 0;
    for (auto _ : state) {
        frmAssist dialog(AppDir, prompts, nullptr);
        dialog.show();
        dialog.repaint();
        listed = 0;
        for (const ResourceLibrary::Branch &branch : dialog.wizard().resources())
            listed += int(branch.entries.size());
    }
    state.counters["listed"] = listed;
    if (listed != 26 + 36 + 17)
        state.SkipWithError("the shipped library is not complete");
}

void BM_ChooseBackground(benchmark::State &state)
{
    ScriptedPrompts prompts;
    frmAssist dialog(AppDir, prompts, nullptr);
    dialog.show();
    dialog.repaint();
    const QList<ResourceLibrary::Entry> backgrounds = dialog.wizard().resources().at(2).entries;
    if (backgrounds.isEmpty()) {
        state.SkipWithError("no backgrounds");
        return;
    }
    qsizetype next = 0;
    for (auto _ : state) {
        emit dialog.Tree1()->entryChosen(backgrounds.at(next).key);
        dialog.Picture1()->repaint();
        next = (next + 1) % backgrounds.size();
    }
    if (dialog.wizard().backgroundPath().isEmpty())
        state.SkipWithError("no background was chosen");
}

} // namespace

BENCHMARK(BM_OpenWizard)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseBackground)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
