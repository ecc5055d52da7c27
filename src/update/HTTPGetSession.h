#pragma once

// The HTTP library for the whole program: made once at the top of main, before any fetch, and
// kept until main ends. Its end stops the fetch transfers still running (a window that was
// never destroyed may have left one behind) and waits a moment for them, so that none is
// still inside the library while the process takes it down.
class FetchSession {
public:
    FetchSession();
    ~FetchSession();

    FetchSession(const FetchSession&) = delete;
    FetchSession& operator=(const FetchSession&) = delete;
};
