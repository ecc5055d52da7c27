// Leaves a fetch stuck in the network when the program ends, for the exit tests to run as
// another process:
//
//     fetch_exit_probe silent|handover kept|destroyed
//
// "silent": the server never answers. "handover": the server sends a chunk and stalls, and
// the component has a progress receiver, so the transfer waits for a GUI thread that no longer
// handles events. "kept": the component is never destroyed (as if its window leaked);
// "destroyed": it is destroyed before the end. It prints whether libcurl was loaded before the
// first fetch, and after the program's fetch session has ended how many transfers are still
// running.

#include "HTTPGet.h"
#include "HTTPGetSession.h"
#include "HTTPGetThread.h"
#include "LoopbackHttpServer.h"

#include <QCoreApplication>

#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    const bool handOver = std::strcmp(argv[1], "handover") == 0;
    const bool kept = std::strcmp(argv[2], "kept") == 0;

    LoopbackHttpServer server;
    server.serve("/stuck", handOver ? HttpAnswer::stalling(std::string(500, 'x'), 1000) : HttpAnswer::silence());
    QCoreApplication application(argc, argv);
    {
        const FetchSession session;
        auto* fetch = new THTTPGet;
        fetch->URL = QString::fromStdString(server.url("/stuck"));
        fetch->setStallTimeoutForTests(std::chrono::hours(1));
        if (handOver)
            QObject::connect(fetch, &THTTPGet::OnProgress, fetch, [] {});
        const bool loadedBefore = dlopen("libcurl.so.4", RTLD_LAZY | RTLD_NOLOAD) != nullptr;
        std::printf("libcurl before the first fetch: %s\n", loadedBefore ? "loaded" : "not loaded");
        fetch->FetchString();

        while (handOver ? !fetch->progressHandOverWaiting() : server.requests().empty())
            std::this_thread::yield();
        if (!kept)
            delete fetch;
    }
    std::printf("running: %d\n", runningFetchWorkers());
    return 0;
}
