#pragma once
// The main of a benchmark program that drives the real window, offscreen.
#include "platform/Application.h"

#include <benchmark/benchmark.h>

inline int RunWindowBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    application.Title = "Pixolen";
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
