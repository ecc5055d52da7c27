#include "PqLibrary.h"

#include <dlfcn.h>

#include <mutex>

namespace {

// The name of libpq's interface since PostgreSQL 8.2 (Debian's libpq5).
constexpr const char* kLibraryName = "libpq.so.5";

template <class Function>
bool find(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

const PqLibrary* open()
{
    void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    static PqLibrary pq;
    const bool found = find(library, "PQconnectStartParams", pq.connectStartParams)
        && find(library, "PQconnectPoll", pq.connectPoll)
        && find(library, "PQstatus", pq.status)
        && find(library, "PQsocket", pq.socket)
        && find(library, "PQerrorMessage", pq.errorMessage)
        && find(library, "PQfinish", pq.finish)
        && find(library, "PQsetnonblocking", pq.setNonblocking)
        && find(library, "PQsendQueryParams", pq.sendQueryParams)
        && find(library, "PQsetSingleRowMode", pq.setSingleRowMode)
        && find(library, "PQflush", pq.flush)
        && find(library, "PQconsumeInput", pq.consumeInput)
        && find(library, "PQisBusy", pq.isBusy)
        && find(library, "PQgetResult", pq.getResult)
        && find(library, "PQresultStatus", pq.resultStatus)
        && find(library, "PQresultErrorField", pq.resultErrorField)
        && find(library, "PQresultErrorMessage", pq.resultErrorMessage)
        && find(library, "PQntuples", pq.ntuples)
        && find(library, "PQnfields", pq.nfields)
        && find(library, "PQgetvalue", pq.getvalue)
        && find(library, "PQgetlength", pq.getlength)
        && find(library, "PQclear", pq.clear)
        && find(library, "PQconnectionUsedPassword", pq.connectionUsedPassword)
        && find(library, "PQconnectionNeedsPassword", pq.connectionNeedsPassword)
        && find(library, "PQuser", pq.user)
        && find(library, "PQhost", pq.host)
        && find(library, "PQconninfoParse", pq.conninfoParse)
        && find(library, "PQconninfoFree", pq.conninfoFree)
        && find(library, "PQfreemem", pq.freemem)
        && find(library, "PQsetNoticeProcessor", pq.setNoticeProcessor);
    if (!found) {
        dlclose(library);
        return nullptr;
    }
    // Never closed: the process ends with it.
    return &pq;
}

} // namespace

const PqLibrary* pqLibrary()
{
    static std::once_flag openOnce;
    static const PqLibrary* opened = nullptr;
    std::call_once(openOnce, [] { opened = open(); });
    return opened;
}
