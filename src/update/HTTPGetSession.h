#pragma once

// The HTTP library's time in the program: made once at the top of main, before any fetch, and
// kept until main ends; the first fetch opens the library itself. Its end stops the fetch
// transfers still running (a window that was never destroyed may have left one behind) and
// waits a moment for them, so that none is still inside the library while the process takes
// it down.
class FetchSession {
public:
    FetchSession() = default;
    ~FetchSession();

    FetchSession(const FetchSession&) = delete;
    FetchSession& operator=(const FetchSession&) = delete;
};
