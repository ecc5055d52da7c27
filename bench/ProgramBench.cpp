#include "ProgramBench.h"

#include "DesktopServices.h"
#include "Startup.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

int runProgramBenchmarks(int argc, char* argv[], const std::function<void(const ProgramServices&)>& registerBenchmarks)
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", configHome.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    prepareApplication(application);
    DesktopServices desktop;
    prepareUserStore(desktop.store());
    registerBenchmarks(desktop.services());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
