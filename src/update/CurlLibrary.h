#pragma once

#include <curl/curl.h>

// libcurl, opened when the program first fetches something rather than when it starts: the
// library and the two dozen it brings along (TLS, Kerberos, LDAP, SSH, ...) take longer to
// load than the main window takes to show its first frame, and most runs fetch nothing.
struct CurlLibrary {
    decltype(&curl_easy_init) easyInit;
    decltype(&curl_easy_setopt) easySetopt;
    decltype(&curl_easy_perform) easyPerform;
    decltype(&curl_easy_getinfo) easyGetinfo;
    decltype(&curl_easy_cleanup) easyCleanup;
    decltype(&curl_slist_append) slistAppend;
    decltype(&curl_slist_free_all) slistFreeAll;
    decltype(&curl_global_cleanup) globalCleanup;
};

// The library, opened and set up by the first call from any thread; null when it cannot be
// opened or set up, and then on every later call too.
const CurlLibrary* curlLibrary();

// Ends the program's use of the library, if it was ever opened: later calls of curlLibrary()
// give null. For the end of the process, once no transfer is running.
void endCurlLibrary();
