// Opening the label text editor with every printable font of this machine
// listed: one iteration creates the dialog, prepares it for a label
// (Control_Texte fills the font list), shows it, lets it paint, and closes
// it. BM_FirstOpen runs once, before anything else asked for the fonts, so
// it includes the font system's first look at the installed fonts, as the
// first opening in a session does.
//
// Counters: fonts (names listed).

#include "BenchMain.h"

#include "editor/frmEditer.h"
#include "platform/CommonDialog.h"
#include "platform/ScriptedPrompts.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

void openEditor(benchmark::State &state)
{
    QWidget frame;
    frame.resize(800, 600);
    ScriptedPrompts prompts;
    CommonDialog dialog(&prompts);
    CardLabel label;
    label.index = 1;
    label.setCaption(QStringLiteral("ZONE DE TEXTE"));
    int fonts = 0;
    for (auto _ : state) {
        frmEditer editor(frame, dialog, prompts, nullptr, QString());
        editor.Control_Texte(1, label);
        editor.show();
        QCoreApplication::processEvents();
        fonts = editor.Combo1()->count();
        benchmark::DoNotOptimize(fonts);
    }
    state.counters["fonts"] = fonts;
    if (fonts == 0)
        state.SkipWithError("no font was listed");
}

void BM_FirstOpen(benchmark::State &state)
{
    openEditor(state);
}

void BM_OpenEditor(benchmark::State &state)
{
    openEditor(state);
}

} // namespace

BENCHMARK(BM_FirstOpen)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
