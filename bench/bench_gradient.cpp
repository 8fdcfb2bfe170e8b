// Painting each gradient kind over a "Grand format" card (4762.8 x 3061.8
// twips) at screen resolution (15 twips per pixel) and at 600 dots per inch
// (2.4 twips per pixel, for printing).
//
// BM_Gradient paints onto a Surface (the path the application takes);
// BM_GradientLineByLine paints the same picture through the Surface's
// drawing calls one line or circle at a time, for comparison.

#include "BenchMain.h"

#include "imaging/ColorGradient.h"
#include "imaging/ForwardingPaintTarget.h"
#include "platform/Surface.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr double CardWidth = 4762.8;
constexpr double CardHeight = 3061.8;

ColorGradient makeGradient()
{
    ColorGradient g;
    g.SetColor(0, Colors::rgb(200, 30, 40));
    g.SetColor(5, Colors::rgb(250, 240, 120));
    g.SetColor(10, Colors::rgb(20, 60, 180));
    return g;
}

// Arguments: kind, twips per pixel x 10.
void BM_Gradient(benchmark::State &state)
{
    const int kind = int(state.range(0));
    Surface surface(CardWidth, CardHeight, double(state.range(1)) / 10.0);
    surface.cls();
    ColorGradient gradient = makeGradient();
    for (auto _ : state) {
        gradient.PaintObject(surface, kind);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
    state.counters["pixels"] = double(surface.pixelWidth()) * surface.pixelHeight();
}

void BM_GradientLineByLine(benchmark::State &state)
{
    const int kind = int(state.range(0));
    Surface surface(CardWidth, CardHeight, double(state.range(1)) / 10.0);
    surface.cls();
    ForwardingPaintTarget target(surface);
    ColorGradient gradient = makeGradient();
    for (auto _ : state) {
        gradient.PaintObject(target, kind);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
    state.counters["pixels"] = double(surface.pixelWidth()) * surface.pixelHeight();
}

void kindsAndResolutions(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"kind", "tpp_x10"});
    for (int tpp : {150, 24})
        for (int kind = 0; kind < ColorGradient::KindCount; ++kind)
            b->Args({kind, tpp});
    b->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_Gradient)->Apply(kindsAndResolutions);
BENCHMARK(BM_GradientLineByLine)->Apply(kindsAndResolutions);

int main(int argc, char **argv)
{
    return runBenchmarks<QGuiApplication>(argc, argv);
}
