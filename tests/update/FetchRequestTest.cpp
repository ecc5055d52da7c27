// What the server receives: the request line and headers the component's properties make,
// the addresses it reaches, the redirects it follows and the ones it refuses.

#include "FetchFixture.h"

#include "HTTPGetThread.h"
#include "NginxServer.h"

#include <QFile>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using std::nullopt;

struct RequestCase {
    const char* name;
    std::function<void(THTTPGet&)> configure;
    std::string method;
    std::vector<std::pair<std::string, std::optional<std::string>>> headers; // none: absent
    std::string body;
};

TEST_F(FetchTest, PropertiesMakeTheRequest)
{
    const RequestCase cases[] = {
        {"defaults", [](THTTPGet&) {}, "GET",
         {{"Accept", "*/*"}, {"User-Agent", "Calcora"}, {"Referer", nullopt},
          {"Cache-Control", "no-cache"}, {"Pragma", "no-cache"}, {"Authorization", nullopt},
          {"Content-Type", nullopt}},
         ""},
        {"as the update checker sets it",
         [](THTTPGet& f) {
             f.Agent = "Calcora 2.01";
             f.UseCache = true;
             f.Referer = "http://calcora.example/start";
             f.AcceptTypes = "text/plain, */*";
         },
         "GET",
         {{"Accept", "text/plain, */*"}, {"User-Agent", "Calcora 2.01"},
          {"Referer", "http://calcora.example/start"}, {"Cache-Control", nullopt}, {"Pragma", nullopt}},
         ""},
        {"no agent, no accepted types", [](THTTPGet& f) { f.Agent = ""; f.AcceptTypes = ""; }, "GET",
         {{"User-Agent", nullopt}, {"Accept", ""}}, ""},
        {"user name and password",
         [](THTTPGet& f) {
             f.UserName = "pupil";
             f.Password = "s3cret";
         },
         "GET", {{"Authorization", "Basic cHVwaWw6czNjcmV0"}}, ""},
        {"a password alone is not sent", [](THTTPGet& f) { f.Password = "s3cret"; }, "GET",
         {{"Authorization", nullopt}}, ""},
        {"a form", [](THTTPGet& f) { f.PostQuery = "name=Ay%C5%9Fe&level=2"; }, "POST",
         {{"Content-Type", "application/x-www-form-urlencoded"}, {"Content-Length", "22"}},
         "name=Ay%C5%9Fe&level=2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.serve("/list", HttpAnswer::page("the list"));
        THTTPGet component;
        FetchEvents recorder(component);
        component.URL = url("/list?from=3");
        c.configure(component);
        const std::size_t before = server.requests().size();

        component.FetchString();
        ASSERT_TRUE(recorder.waitForCompletion());
        ASSERT_EQ(recorder.completions().size(), 1u);
        EXPECT_EQ(recorder.completions().front().kind, FetchEvent::DoneString);

        const auto requests = server.requests();
        ASSERT_EQ(requests.size(), before + 1);
        const HttpRequest& request = requests.back();
        EXPECT_EQ(request.method, c.method);
        EXPECT_EQ(request.path, "/list?from=3");
        EXPECT_EQ(request.version, "HTTP/1.0");
        for (const auto& [name, value] : c.headers)
            EXPECT_EQ(request.header(name), value) << name;
        EXPECT_EQ(request.body, c.body);
    }
}

// A line break in a property would let it write further headers into the request.
TEST_F(FetchTest, HeaderTextsWithLineBreaksFailWithoutARequest)
{
    const std::vector<std::function<void(THTTPGet&, const QString&)>> setters = {
        [](THTTPGet& f, const QString& t) { f.Agent = t; },
        [](THTTPGet& f, const QString& t) { f.Referer = t; },
        [](THTTPGet& f, const QString& t) { f.AcceptTypes = t; },
        [](THTTPGet& f, const QString& t) { f.UserName = t; },
        [](THTTPGet& f, const QString& t) { f.UserName = "pupil"; f.Password = t; },
    };
    server.serve("/list", HttpAnswer::page("the list"));
    for (std::size_t index = 0; index < setters.size(); ++index) {
        for (const QString& text : {QString("a\r\nX-Injected: 1"), QString("a\nX-Injected: 1"),
                                   QString::fromLatin1("a\0b", 3)}) {
            SCOPED_TRACE(testing::Message() << "property " << index << ": " << text.toStdString());
            THTTPGet component;
            FetchEvents recorder(component);
            component.URL = url("/list");
            setters[index](component, text);
            component.FetchString();
            ASSERT_TRUE(recorder.waitForCompletion());
            ASSERT_EQ(recorder.completions().size(), 1u);
            EXPECT_EQ(recorder.completions().front().kind, FetchEvent::Error);
        }
    }
    EXPECT_TRUE(server.requests().empty());
}

// The address as a user may write it: with or without the prefix, in any case, with the
// port after the host; the path reaches the server byte for byte (encoded where needed).
TEST_F(FetchTest, AddressesReachTheServerAtTheirPortAndPath)
{
    const std::string hostAndPort = "127.0.0.1:" + std::to_string(server.port());
    const std::pair<std::string, std::string> cases[] = {
        {"http://" + hostAndPort + "/update201", "/update201"},
        {"HTTP://" + hostAndPort + "/Update201", "/Update201"},
        {hostAndPort + "/update201", "/update201"},
        {hostAndPort + "/get?from=http://elsewhere/x", "/get?from=http://elsewhere/x"},
        {hostAndPort + "/a b#c/../d", "/a%20b%23c/../d"},
        {hostAndPort + "/Gen\xc3\xa7", "/Gen%C3%A7"},
    };
    for (const auto& [address, path] : cases) {
        SCOPED_TRACE(address);
        server.serve(path.substr(0, path.find('?')), HttpAnswer::page("found"));
        THTTPGet component;
        FetchEvents recorder(component);
        component.URL = QString::fromUtf8(address.c_str());
        component.FetchString();
        ASSERT_TRUE(recorder.waitForCompletion());
        ASSERT_EQ(recorder.completions().size(), 1u);
        EXPECT_EQ(recorder.completions().front().kind, FetchEvent::DoneString);
        ASSERT_FALSE(server.requests().empty());
        EXPECT_EQ(server.requests().back().path, path);
    }
}

struct UnreachableCase {
    const char* name;
    std::function<QString(const RefusedPort&, const LoopbackHttpServer&)> address;
};

TEST_F(FetchTest, UnreachableAddressesEndInOnErrorAndLeaveNoFile)
{
    const RefusedPort refused;
    const UnreachableCase cases[] = {
        {"refused", [](const RefusedPort& r, const LoopbackHttpServer&) { return QString::fromStdString(r.url("/list")); }},
        {"no slash after the host", [](const RefusedPort&, const LoopbackHttpServer& s) {
             return QString("127.0.0.1:%1").arg(s.port()); }},
        {"TLS to a plain server", [](const RefusedPort&, const LoopbackHttpServer& s) {
             return QString("https://127.0.0.1:%1/list").arg(s.port()); }},
    };
    server.serve("/list", HttpAnswer::page("the list"));
    for (const auto& c : cases) {
        for (const bool toFile : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (toFile ? " into a file" : " into a string"));
            THTTPGet component;
            FetchEvents recorder(component);
            component.URL = c.address(refused, server);
            component.FileName = downloadPath();
            component.setStallTimeoutForTests(std::chrono::seconds(2));
            toFile ? component.FetchFile() : component.FetchString();
            ASSERT_TRUE(recorder.waitForCompletion());
            ASSERT_EQ(recorder.completions().size(), 1u);
            EXPECT_EQ(recorder.completions().front().kind, FetchEvent::Error);
            EXPECT_TRUE(recorder.progress().empty());
            EXPECT_FALSE(QFile::exists(downloadPath()));
        }
    }
    EXPECT_TRUE(server.requests().empty()) << "a TLS greeting is no HTTP request";
}

struct RedirectCase {
    const char* name;
    std::function<HttpAnswer(const LoopbackHttpServer&, const QString& secretFile)> firstAnswer;
    FetchEvent::Kind expected;
    std::vector<std::string> pathsRequested;
};

TEST_F(FetchTest, RedirectsAreFollowedOnlyOverHttp)
{
    const QString secretFile = folder.filePath("secret.txt");
    {
        QFile secret(secretFile);
        ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
        secret.write("never to be read");
    }
    const std::vector<std::string> loop(11, "/start");
    const RedirectCase cases[] = {
        {"302 to a path", [](const auto&, const auto&) { return HttpAnswer::redirect("/target"); },
         FetchEvent::DoneString, {"/start", "/target"}},
        {"301 to a full address",
         [](const LoopbackHttpServer& s, const auto&) { return HttpAnswer::redirect(s.url("/target"), "301 Moved Permanently"); },
         FetchEvent::DoneString, {"/start", "/target"}},
        {"to a local file",
         [](const auto&, const QString& file) { return HttpAnswer::redirect("file://" + file.toStdString()); },
         FetchEvent::Error, {"/start"}},
        {"to another protocol",
         [](const LoopbackHttpServer& s, const auto&) { return HttpAnswer::redirect("ftp://127.0.0.1:" + std::to_string(s.port()) + "/target"); },
         FetchEvent::Error, {"/start"}},
        {"to itself, endlessly", [](const auto&, const auto&) { return HttpAnswer::redirect("/start"); },
         FetchEvent::Error, loop},
    };
    server.serve("/target", HttpAnswer::page("the target"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.serve("/start", c.firstAnswer(server, secretFile));
        const std::size_t before = server.requests().size();
        THTTPGet component;
        FetchEvents recorder(component);
        component.URL = url("/start");
        component.FetchString();
        ASSERT_TRUE(recorder.waitForCompletion());
        ASSERT_EQ(recorder.completions().size(), 1u);
        const FetchEvent completion = recorder.completions().front();
        EXPECT_EQ(completion.kind, c.expected);
        if (completion.kind == FetchEvent::DoneString) {
            EXPECT_EQ(completion.body, "the target");
        }
        std::vector<std::string> paths;
        for (const auto& request : server.requests())
            paths.push_back(request.path);
        paths.erase(paths.begin(), paths.begin() + static_cast<std::ptrdiff_t>(before));
        EXPECT_EQ(paths, c.pathsRequested);
    }
}

// From an https address a redirect is followed to https alone: nobody on the way can turn a
// protected fetch into an open one. nginx serves https here with a certificate of its own.
TEST_F(FetchTest, FromHttpsARedirectIsFollowedToHttpsOnly)
{
    NginxServer nginx(folder.path());
    if (!nginx.installed())
        GTEST_SKIP() << "nginx is not installed (scripts/setup.sh installs it with the test packages)";
    ASSERT_TRUE(nginx.useTls()) << "openssl made no certificate";
    QFile target(folder.filePath("target.txt"));
    ASSERT_TRUE(target.open(QIODevice::WriteOnly) && target.write("over https") == 10);
    target.close();
    server.serve("/target", HttpAnswer::page("over plain http"));
    nginx.addServerLines(QString::fromStdString("location = /to-http { return 302 " + server.url("/target") + "; }\n"
                                                "location = /to-https { return 302 /target.txt; }\n"));
    ASSERT_TRUE(nginx.start()) << nginx.log().toStdString();

    struct Case {
        const char* path;
        FetchEvent::Kind expected;
        QByteArray body;
    };
    for (const Case& c : {Case{"/to-https", FetchEvent::DoneString, "over https"}, Case{"/to-http", FetchEvent::Error, {}}}) {
        SCOPED_TRACE(c.path);
        THTTPGet component;
        component.setCertificateAuthoritiesForTests(nginx.certificateFile());
        FetchEvents recorder(component);
        component.URL = QString::fromStdString(nginx.url(c.path));
        component.FetchString();
        ASSERT_TRUE(recorder.waitForCompletion());
        ASSERT_EQ(recorder.completions().size(), 1u);
        EXPECT_EQ(recorder.completions().front().kind, c.expected) << nginx.log().toStdString();
        EXPECT_EQ(recorder.completions().front().body, c.body);
    }
    EXPECT_TRUE(server.requests().empty()) << "the plain http address is never asked";
}

// libcurl takes the proxy from the environment, as a user's system sets it. Nothing leaves
// the machine: the "proxy" is the loopback server, which answers for the named host.
TEST_F(FetchTest, ProxyFromTheEnvironmentIsUsed)
{
    ASSERT_TRUE(waitUntil([] { return runningFetchWorkers() == 0; }));  // none reads it meanwhile
    const std::string proxy = server.url("");
    ::setenv("http_proxy", proxy.c_str(), 1);
    server.serve("http://updates.calcora.invalid/update201", HttpAnswer::page("through the proxy"));

    fetch->URL = "updates.calcora.invalid/update201";
    fetch->FetchString();
    ASSERT_TRUE(events->waitForCompletion());
    EXPECT_TRUE(waitUntil([] { return runningFetchWorkers() == 0; }));
    ::unsetenv("http_proxy");

    const FetchEvent completion = onlyCompletion();
    EXPECT_EQ(completion.kind, FetchEvent::DoneString);
    EXPECT_EQ(completion.body, "through the proxy");
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests().front().path, "http://updates.calcora.invalid/update201");
}

} // namespace
