#pragma once

#include <optional>
#include <string>
#include <string_view>

// An address as the fetch component reads it: an optional "http://" or "https://" prefix (any
// letter case), the host up to the first "/", then the path from that "/" on. Without any
// "/" the host is empty and the whole text is the path, which no fetch can reach.
struct UrlParts {
    std::string scheme = "http";  // "http" or "https"
    std::string host;             // without the port
    std::string port;             // the digits written after "host:", empty when none
    std::string path;
};

// Splits any bytes; it never fails.
UrlParts SplitURL(std::string_view url);

// The full address handed to the HTTP library, built so that it asks for exactly this host,
// port and path: the path's bytes that may not stand in a request line are percent-encoded
// ("#" among them, so it never starts a fragment), everything else stays as written. Nothing
// when the parts cannot name a server: an empty host, a host holding anything but letters,
// digits, "-", "." and "_" (or an [IPv6] literal), or a port outside 1 to 65535.
std::optional<std::string> requestAddress(const UrlParts& parts);
