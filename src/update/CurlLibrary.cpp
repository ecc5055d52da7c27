#include "CurlLibrary.h"

#include <dlfcn.h>

#include <atomic>
#include <mutex>

namespace {

// The name every libcurl since 7.16 answers to.
constexpr const char* kLibraryName = "libcurl.so.4";

std::once_flag openOnce;
std::atomic<const CurlLibrary*> opened{nullptr};

template <class Function>
bool find(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

const CurlLibrary* open()
{
    void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    static CurlLibrary curl;
    decltype(&curl_global_init) globalInit = nullptr;
    const bool found = find(library, "curl_global_init", globalInit)
        && find(library, "curl_easy_init", curl.easyInit)
        && find(library, "curl_easy_setopt", curl.easySetopt)
        && find(library, "curl_easy_perform", curl.easyPerform)
        && find(library, "curl_easy_getinfo", curl.easyGetinfo)
        && find(library, "curl_easy_cleanup", curl.easyCleanup)
        && find(library, "curl_slist_append", curl.slistAppend)
        && find(library, "curl_slist_free_all", curl.slistFreeAll)
        && find(library, "curl_global_cleanup", curl.globalCleanup);
    if (!found || globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        dlclose(library);
        return nullptr;
    }
    // Never closed: the process ends with it.
    return &curl;
}

} // namespace

const CurlLibrary* curlLibrary()
{
    std::call_once(openOnce, [] { opened = open(); });
    return opened;
}

void endCurlLibrary()
{
    // Not opened yet, it never will be.
    std::call_once(openOnce, [] {});
    if (const CurlLibrary* curl = opened.exchange(nullptr))
        curl->globalCleanup();
}
