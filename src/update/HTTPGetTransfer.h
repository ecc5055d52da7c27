#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

class DownloadFile;

// One HTTP/1.0 transfer on libcurl, run by the fetch worker on its own thread. It knows
// nothing of Qt: it works on copies of the component's values and reaches the rest of the
// program only through TransferControl.

enum class FetchTarget { String, File };

struct FetchRequest {
    FetchTarget target = FetchTarget::String;
    std::string url;
    std::string acceptTypes;
    std::string agent;     // empty: no User-Agent header
    std::string userName;  // empty: no credentials
    std::string password;
    std::string postQuery; // non-empty: a POST with this form body
    std::string referer;   // empty: no Referer header
    std::string fileName;  // UTF-8; the target of a file fetch
    // When set, a file fetch writes into this file, already open, instead of opening fileName.
    std::shared_ptr<DownloadFile> targetFile;
    // Empty: the system's certificate authorities. Tests name one of their own.
    std::string certificateAuthorities;
    bool binaryData = false;
    bool useCache = false;
    // A transfer that receives no byte for this long, or cannot connect in it, fails.
    std::chrono::seconds stallTimeout{30};
};

struct FetchResult {
    bool succeeded = false;
    std::int32_t reportedSize = 0;  // the server's Content-Length, 0 when it sent none
    int statusCode = 0;             // of the last answer, after any redirects; 0 when none came
    std::string body;               // string fetches only
};

// Bodies larger than this fail, so a runaway download cannot fill the disk or the memory, and
// the 32-bit byte counters never overflow.
inline constexpr std::int32_t kMaxFetchBytes = 64 * 1024 * 1024;
// The body reaches the file or the string, and the progress report, in pieces of at most this.
inline constexpr std::size_t kFetchChunkBytes = 1025;

class TransferControl {
public:
    virtual ~TransferControl() = default;
    // Asked before the transfer, after the headers, before each chunk and while waiting.
    virtual bool stopRequested() = 0;
    // After each chunk; returns false when the transfer must stop.
    virtual bool chunkReceived(std::int32_t totalSize, std::int32_t readed) = 0;
};

// Runs the whole transfer and says how it ended. Success: a string fetch received at least
// one byte; a file fetch wrote exactly the reported number of bytes. Any transport failure
// (no connection, a time-out, a body cut short, a refused redirect), a stop, a file that
// cannot be written, and a missing length when binary data is asked for all end in failure.
// The answer's status is reported, never judged: an error page is a body like any other.
// A redirect is followed to http or https from an http address, and to https alone from an
// https one, so that nobody on the way can turn a protected fetch into an open one.
FetchResult runTransfer(const FetchRequest& request, TransferControl& control);
