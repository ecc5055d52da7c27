// The program ends while a fetch is stuck in the network: it ends normally, without waiting
// for the server, and no transfer is left running in it. And a program that has fetched
// nothing yet has not loaded libcurl, which would slow every start.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

struct ProbeRun {
    bool exitedNormally = false;
    int exitCode = -1;
    std::string output;
};

// Runs the probe and collects what it prints. posix_spawn, not QProcess: under
// ThreadSanitizer, a probe started through QProcess left its books of this process in
// disorder, and later tests in the same process then reported races on data that every side
// touched under one lock. A probe that has not ended after a generous limit is killed.
ProbeRun runProbe(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), FETCH_EXIT_PROBE);
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    ProbeRun run;
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (spawned != 0) {
        ::close(output[0]);
        return run;
    }

    // The output ends when the probe does.
    pollfd readable{output[0], POLLIN, 0};
    char buffer[256];
    for (;;) {
        if (::poll(&readable, 1, 120'000) != 1) {
            ::kill(pid, SIGKILL);
            break;
        }
        const auto count = ::read(output[0], buffer, sizeof buffer);
        if (count <= 0)
            break;
        run.output.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(output[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.exitedNormally = WIFEXITED(status);
    run.exitCode = run.exitedNormally ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(FetchExit, AProgramEndsCleanlyWithAFetchStuckInTheNetwork)
{
    for (const char* server : {"silent", "handover"}) {
        for (const char* component : {"kept", "destroyed"}) {
            SCOPED_TRACE(testing::Message() << server << ", component " << component);
            const ProbeRun run = runProbe({server, component});
            EXPECT_TRUE(run.exitedNormally);
            EXPECT_EQ(run.exitCode, 0);
            EXPECT_EQ(run.output, "libcurl before the first fetch: not loaded\nrunning: 0\n");
        }
    }
}

} // namespace
