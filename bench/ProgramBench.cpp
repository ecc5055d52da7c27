#include "ProgramBench.h"

#include "Startup.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

int runProgramBenchmarks(int argc, char* argv[], const std::function<void()>& setUp)
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    prepareApplication(application);
    setUp();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    releaseProcessServices();
    return 0;
}
