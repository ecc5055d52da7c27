#include "HTTPGetSession.h"

#include "CurlLibrary.h"
#include "HTTPGetThread.h"

#include <chrono>

namespace {

// A stopped transfer notices it within about a second, when libcurl next asks for progress.
constexpr std::chrono::seconds kWorkersEndLimit{5};

} // namespace

FetchSession::~FetchSession()
{
    // A transfer still stuck after the limit keeps the library: the process ends around it.
    if (stopFetchWorkers(kWorkersEndLimit))
        endCurlLibrary();
}
