#include "UrlSplit.h"

#include "PathText.h"

#include <algorithm>

namespace {

// The prefix is given in small letters.
bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return lowerCaseLetters(std::string(text.substr(0, prefix.size()))) == prefix;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool isHostName(std::string_view host)
{
    return std::all_of(host.begin(), host.end(), [](char c) {
        return isLetter(c) || isDigit(c) || c == '-' || c == '.' || c == '_';
    });
}

bool isIPv6Literal(std::string_view host)
{
    return host.size() > 2 && host.front() == '[' && host.back() == ']'
        && std::all_of(host.begin() + 1, host.end() - 1,
                       [](char c) { return isHexDigit(c) || c == ':' || c == '.'; });
}

bool isValidPort(std::string_view port)
{
    if (port.empty() || port.size() > 5 || !std::all_of(port.begin(), port.end(), isDigit))
        return false;
    const int number = std::stoi(std::string(port));
    return number >= 1 && number <= 65535;
}

// A byte that may stand in a request line's path and query as it is (RFC 3986's unreserved
// and sub-delimiter characters, ":", "@", "/" and "?").
bool keepsInPath(char c)
{
    static constexpr std::string_view kept = "-._~!$&'()*+,;=:@/?";
    return isLetter(c) || isDigit(c) || kept.find(c) != std::string_view::npos;
}

std::string encodePath(std::string_view path)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        const bool escapeAlready =
            c == '%' && i + 2 < path.size() && isHexDigit(path[i + 1]) && isHexDigit(path[i + 2]);
        if (keepsInPath(c) || escapeAlready) {
            encoded += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            encoded += '%';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 0x0F];
        }
    }
    return encoded;
}

} // namespace

UrlParts SplitURL(std::string_view url)
{
    UrlParts parts;
    if (startsWithNoCase(url, "http://")) {
        url.remove_prefix(7);
    } else if (startsWithNoCase(url, "https://")) {
        parts.scheme = "https";
        url.remove_prefix(8);
    }

    const auto slash = url.find('/');
    if (slash == std::string_view::npos) {
        parts.path = url;
        return parts;
    }
    std::string_view host = url.substr(0, slash);
    parts.path = url.substr(slash);

    // The last colon starts the port, unless it lies inside an [IPv6] literal.
    const auto colon = host.rfind(':');
    if (colon != std::string_view::npos && host.find(']', colon) == std::string_view::npos) {
        parts.port = host.substr(colon + 1);
        host = host.substr(0, colon);
    }
    parts.host = host;
    return parts;
}

std::optional<std::string> requestAddress(const UrlParts& parts)
{
    if (parts.host.empty() || !(isHostName(parts.host) || isIPv6Literal(parts.host)))
        return std::nullopt;
    if (!parts.port.empty() && !isValidPort(parts.port))
        return std::nullopt;
    if (parts.path.empty() || parts.path.front() != '/')
        return std::nullopt;

    std::string address = parts.scheme + "://" + parts.host;
    if (!parts.port.empty())
        address += ":" + parts.port;
    return address + encodePath(parts.path);
}
