#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>

// The main of a benchmark program that needs a Qt application object
// (QGuiApplication for pictures, QApplication for windows). Runs on Qt's
// offscreen platform unless another is named.
template <typename Application>
int runBenchmarks(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
