// The whole way from a real web server to the main window: nginx, started here on a free
// loopback port with a configuration of its own, serves the shipped sample update folder; the
// update checker offers, downloads and installs its language pack and its background.

#include "UpdateWindowFixture.h"

#include "DisplayText.h"
#include "LanguagePack.h"
#include "OvoWallPaperBMP.h"
#include "Screenshots.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <csignal>
#include <fstream>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kGenerousMilliseconds = 30000;

// A loopback socket address.
sockaddr_in loopback(std::uint16_t port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A loopback port that was free a moment ago.
std::uint16_t freePort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    const bool bound = ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    ::close(probe);
    return bound ? ntohs(address.sin_port) : 0;
}

bool accepts(std::uint16_t port)
{
    const int client = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = loopback(port);
    const bool connected = ::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(client);
    return connected;
}

// A text in double quotes as nginx's configuration reads it.
QString quoted(QString text)
{
    text.replace("\\", "\\\\").replace("\"", "\\\"");
    return "\"" + text + "\"";
}

// nginx serving one folder on 127.0.0.1, run as a child process in the foreground, with its
// pid, logs and temporary files in a folder of its own. Started with posix_spawn rather than
// QProcess, which runs code of this threaded process in the child and so upsets
// ThreadSanitizer.
class NginxServer {
public:
    explicit NginxServer(const QString& root)
        : program_(QStandardPaths::findExecutable("nginx", {"/usr/sbin", "/usr/local/sbin", "/sbin"}))
    {
        if (program_.isEmpty())
            program_ = QStandardPaths::findExecutable("nginx");
        // The folder is reached through a link of a plain name, whatever the checkout's path.
        QFile::link(root, folder_.filePath("site"));
    }
    ~NginxServer() { stop(); }
    NginxServer(const NginxServer&) = delete;
    NginxServer& operator=(const NginxServer&) = delete;

    bool installed() const { return !program_.isEmpty(); }

    // Starts it and waits until it takes connections. Another program may take the free port
    // first, so a few ports are tried.
    bool start()
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            port_ = freePort();
            writeConfiguration();
            if (!spawn())
                return false;
            // It either takes connections or ends, when it could not listen on the port.
            const bool settled = QTest::qWaitFor([&] { return ended() || accepts(port_); }, kGenerousMilliseconds);
            if (!settled || !ended())
                return settled;
        }
        return false;
    }

    std::uint16_t port() const { return port_; }
    QString log() const
    {
        QFile errors(folder_.filePath("error.log"));
        return errors.open(QIODevice::ReadOnly) ? QString::fromUtf8(errors.readAll()) : QString();
    }

private:
    bool spawn()
    {
        const std::string program = program_.toStdString();
        std::vector<std::string> arguments = {program, "-p", folder_.path().toStdString() + "/",
            "-c", folder_.filePath("nginx.conf").toStdString(), "-e", folder_.filePath("error.log").toStdString()};
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        return posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv.data(), environ) == 0;
    }

    // Whether the child has ended; it is reaped then.
    bool ended()
    {
        if (pid_ <= 0)
            return true;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) != pid_)
            return false;
        pid_ = -1;
        return true;
    }

    // A quick shutdown on SIGTERM; a server that does not end within a generous limit is killed.
    void stop()
    {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGTERM);
        if (!QTest::qWaitFor([&] { return ended(); }, kGenerousMilliseconds)) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }

    void writeConfiguration()
    {
        QFile configuration(folder_.filePath("nginx.conf"));
        configuration.open(QIODevice::WriteOnly | QIODevice::Truncate);
        const auto path = [&](const char* name) { return quoted(folder_.filePath(name)); };
        QString text = "daemon off;\nworker_processes 1;\n";
        // Workers started by root would otherwise run as a user who cannot read a private folder.
        if (::geteuid() == 0)
            text += "user root;\n";
        text += "pid " + path("nginx.pid") + ";\nerror_log " + path("error.log") + ";\n"
            + "events { worker_connections 16; }\n"
            + "http {\n"
            + "    access_log " + path("access.log") + ";\n"
            + "    client_body_temp_path " + path("body") + ";\n"
            + "    proxy_temp_path " + path("proxy") + ";\n"
            + "    fastcgi_temp_path " + path("fastcgi") + ";\n"
            + "    uwsgi_temp_path " + path("uwsgi") + ";\n"
            + "    scgi_temp_path " + path("scgi") + ";\n"
            + "    default_type application/octet-stream;\n"
            + "    server {\n"
            + "        listen 127.0.0.1:" + QString::number(port_) + ";\n"
            + "        root " + path("site") + ";\n"
            + "    }\n"
            + "}\n";
        configuration.write(text.toUtf8());
    }

    QString program_;
    QTemporaryDir folder_;
    pid_t pid_ = -1;
    std::uint16_t port_ = 0;
};

std::vector<std::string> packLines(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return readPackLines(file, LanguagePack::kUsedLines);
}

class UpdateServerEndToEnd : public UpdateWindowFixture {};

TEST_F(UpdateServerEndToEnd, TheSampleServersPackAndBackgroundAreInstalledAndShownAtOnce)
{
    NginxServer nginx(CALCORA_UPDATES_DIR);
    if (!nginx.installed())
        GTEST_SKIP() << "nginx is not installed (scripts/setup.sh installs it with the test packages)";
    ASSERT_TRUE(nginx.start()) << nginx.log().toStdString();
    setInterface("Animated Buttons", "No");
    setInterface("URL", "http://127.0.0.1:" + std::to_string(nginx.port()) + "/");
    const std::string updates = CALCORA_UPDATES_DIR;
    for (const char* file : {"deutsch.lng", "chalkboard.bmp"})
        removeNowAndAtEnd(file);
    dialogs->yesNoAnswers = {true, true};

    TForm5& window = openUpdates();
    checkForUpdates();
    ASSERT_EQ(offeredNames(), (QStringList{"Deutsch (German)", "Chalkboard background"})) << nginx.log().toStdString();
    downloadChecked();
    window.Button2->click();

    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
    EXPECT_EQ(fileBytes(programFolderFile("deutsch.lng")), fileBytes(updates + "/deutsch.lng"));
    EXPECT_EQ(fileBytes(programFolderFile("chalkboard.bmp")), fileBytes(updates + "/chalkboard.bmp"));
    EXPECT_EQ(updateMark("Deutsch (German)"), "Installed");
    EXPECT_EQ(updateMark("Chalkboard background"), "Installed");

    const auto german = packLines(updates + "/deutsch.lng");
    ASSERT_EQ(german.size(), LanguagePack::kUsedLines);
    EXPECT_EQ(form->Button1->text(), displayText(german[4]) + " (+)");
    EXPECT_EQ(form->BitBtn1->text(), displayText(german[8]));
    EXPECT_EQ(form->GenerateaQuiz1->text(), "&" + displayText(german[9]) + "...");
    EXPECT_EQ(form->CheckforUpdate1->text(), "&" + displayText(german[11]) + "...");
    QImage chalkboard;
    ASSERT_TRUE(chalkboard.load(QString::fromStdString(updates + "/chalkboard.bmp"), "BMP"));
    EXPECT_EQ(form->OvoWallPaperBMP1->Bitmap(), chalkboard);
    EXPECT_TRUE(saveScreenshot(*form, "update-10-main-window-after-the-sample-server"));
}

} // namespace
