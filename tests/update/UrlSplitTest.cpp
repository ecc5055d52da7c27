#include "UrlSplit.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct SplitCase {
    std::string url;
    UrlParts parts;
    std::optional<std::string> address; // what the HTTP library is asked for; none: no request
};

using std::nullopt;

TEST(UrlSplit, SplitsAtTheFirstSlashAndAsksForExactlyThatHostAndPath)
{
    const SplitCase cases[] = {
        {"http://example.com/update201", {"http", "example.com", "", "/update201"},
         "http://example.com/update201"},
        {"HTTP://Example.COM/Update", {"http", "Example.COM", "", "/Update"}, "http://Example.COM/Update"},
        {"hTtP://example.com/", {"http", "example.com", "", "/"}, "http://example.com/"},
        {"example.com/update201", {"http", "example.com", "", "/update201"}, "http://example.com/update201"},
        // The prefix counts only at the start: later in the text it is part of the path.
        {"example.com/get?from=http://other/x", {"http", "example.com", "", "/get?from=http://other/x"},
         "http://example.com/get?from=http://other/x"},
        {"www.http://x/", {"http", "www.http", "", "//x/"}, "http://www.http//x/"},
        // No slash: no host, and no fetch.
        {"example.com", {"http", "", "", "example.com"}, nullopt},
        {"http://example.com", {"http", "", "", "example.com"}, nullopt},
        {"", {"http", "", "", ""}, nullopt},
        {"http:///list", {"http", "", "", "/list"}, nullopt},
        // A port written after the host is the port, not part of the host's name.
        {"example.com:8080/list", {"http", "example.com", "8080", "/list"}, "http://example.com:8080/list"},
        {"http://127.0.0.1:65535/a", {"http", "127.0.0.1", "65535", "/a"}, "http://127.0.0.1:65535/a"},
        {"example.com:/list", {"http", "example.com", "", "/list"}, "http://example.com/list"},
        {"[::1]:8080/list", {"http", "[::1]", "8080", "/list"}, "http://[::1]:8080/list"},
        {"[::1]/list", {"http", "[::1]", "", "/list"}, "http://[::1]/list"},
        // An [IPv6] literal names a server only when whole, not empty and alone before the port.
        {"http://[::1]:65535/", {"http", "[::1]", "65535", "/"}, "http://[::1]:65535/"},
        {"http://[]/", {"http", "[]", "", "/"}, nullopt},
        {"http://[]:80/", {"http", "[]", "80", "/"}, nullopt},
        {"http://[/", {"http", "[", "", "/"}, nullopt},
        {"http://[12/", {"http", "[12", "", "/"}, nullopt},
        {"http://[::1/", {"http", "[:", "1", "/"}, nullopt},
        {"http://[::1]x/", {"http", "[::1]x", "", "/"}, nullopt},
        {"http://::1]/", {"http", "::1]", "", "/"}, nullopt},
        {"http://[::g]/", {"http", "[::g]", "", "/"}, nullopt},
        {"http://[::1]:0/", {"http", "[::1]", "0", "/"}, nullopt},
        {"http://[::1]:65536/", {"http", "[::1]", "65536", "/"}, nullopt},
        {"example.com:0/list", {"http", "example.com", "0", "/list"}, nullopt},
        {"example.com:65536/list", {"http", "example.com", "65536", "/list"}, nullopt},
        {"example.com:80x/list", {"http", "example.com", "80x", "/list"}, nullopt},
        // Secure addresses are fetched over TLS.
        {"https://example.com/list", {"https", "example.com", "", "/list"}, "https://example.com/list"},
        {"HTTPS://example.com:8443/list", {"https", "example.com", "8443", "/list"},
         "https://example.com:8443/list"},
        // Another scheme is no prefix: it becomes a host name, and the request stays HTTP.
        {"ftp://example.com/x", {"http", "ftp", "", "//example.com/x"}, "http://ftp//example.com/x"},
        {"file:///etc/passwd", {"http", "file", "", "///etc/passwd"}, "http://file///etc/passwd"},
        // Nothing in the host may make the library read it otherwise.
        {"user:secret@example.com/x", {"http", "user", "secret@example.com", "/x"}, nullopt},
        {"user@example.com/x", {"http", "user@example.com", "", "/x"}, nullopt},
        {"example.com?q/x", {"http", "example.com?q", "", "/x"}, nullopt},
        {"exa mple.com/x", {"http", "exa mple.com", "", "/x"}, nullopt},
        {std::string("exa\0mple/x", 10), {"http", std::string("exa\0mple", 8), "", "/x"}, nullopt},
        {"ex\xc3\xa4mple.com/x", {"http", "ex\xc3\xa4mple.com", "", "/x"}, nullopt},
        // The path's bytes reach the server as written: percent-encoded where a request line
        // needs it, never cut at "#", never shortened by "..".
        {"example.com/a b#c", {"http", "example.com", "", "/a b#c"}, "http://example.com/a%20b%23c"},
        {"example.com/100%/%41%zz%4", {"http", "example.com", "", "/100%/%41%zz%4"},
         "http://example.com/100%25/%41%25zz%254"},
        {"example.com/d\xc3\xa9j\xe0/\x01\x7f", {"http", "example.com", "", "/d\xc3\xa9j\xe0/\x01\x7f"},
         "http://example.com/d%C3%A9j%E0/%01%7F"},
        {"example.com/a/../b/./c", {"http", "example.com", "", "/a/../b/./c"}, "http://example.com/a/../b/./c"},
        {"example.com/x?a=1&b=(2);c=~'*'!$,@:+", {"http", "example.com", "", "/x?a=1&b=(2);c=~'*'!$,@:+"},
         "http://example.com/x?a=1&b=(2);c=~'*'!$,@:+"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("URL: " + c.url);
        const UrlParts parts = SplitURL(c.url);
        EXPECT_EQ(parts.scheme, c.parts.scheme);
        EXPECT_EQ(parts.host, c.parts.host);
        EXPECT_EQ(parts.port, c.parts.port);
        EXPECT_EQ(parts.path, c.parts.path);
        EXPECT_EQ(requestAddress(parts), c.address);
    }
}

} // namespace
