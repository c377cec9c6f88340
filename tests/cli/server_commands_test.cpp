// get, set, allow and forbid against real dedicated servers of both engines, and what the
// companion does when no server answers: a port where nothing listens, and a peer that
// never answers.

#include "cli_process.h"
#include "dedicated_server.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

const std::string password = "tallyglyph-test";

CliRun run_with_password(const std::string& secret, std::vector<std::string> arguments) {
    setenv("TALLYGLYPH_RCON_PASSWORD", secret.c_str(), 1);
    return run_cli(arguments);
}

std::vector<std::string> sets_run(const DedicatedServer& server) {
    std::vector<std::string> sets;
    for (const std::string& command : server.rcon_commands())
        if (command.starts_with("set "))
            sets.push_back(command);
    return sets;
}

class RealServer : public testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        if (const std::string reason = DedicatedServer::missing(GetParam()); !reason.empty())
            GTEST_SKIP() << reason;
    }
};

// The server starts at 0, so every reading back shows a value that is not the default.
TEST_P(RealServer, SetThenGetShowsTheEmotesSet) {
    DedicatedServer server(GetParam());
    const std::string address = server.address();
    const CliRun set = run_with_password(password, {"set", "--server", address, "2097153"});
    EXPECT_EQ(set.exit_code, 0) << set.err;
    EXPECT_EQ(set.out, "set kv_emoteControl \"2097153\"\n");
    const CliRun get = run_with_password(password, {"get", "--server", address});
    EXPECT_EQ(get.exit_code, 0) << get.err;
    EXPECT_EQ(get.out, "Sit\nShake\n");
    EXPECT_EQ(get.err, "");
    EXPECT_EQ(sets_run(server), std::vector<std::string>{"set kv_emoteControl 2097153"});
}

// Every emote but Kiss, then Kiss allowed and forbidden again.
TEST_P(RealServer, AllowAndForbidMoveTheValueByTheirBitAlone) {
    DedicatedServer server(GetParam());
    const std::string address = server.address();
    for (const auto& [arguments, line] :
         {std::pair{std::vector<std::string>{"set", "--server", address, "4194175"}, "4194175"},
          {{"allow", "--server", address, "kiss"}, "4194303"},
          {{"forbid", "--server", address, "Kiss"}, "4194175"}}) {
        const CliRun run = run_with_password(password, arguments);
        EXPECT_EQ(run.exit_code, 0) << arguments.front() << ": " << run.err;
        EXPECT_EQ(run.out, "set kv_emoteControl \"" + std::string(line) + "\"\n");
    }
}

// Each server that cannot give or take a value, with what the companion says, and the
// requests it made: one alone where the password is the trouble, and never a set where
// the set could not be confirmed as a value.
TEST_P(RealServer, RefusalsAreNamedAndChangeNothing) {
    const bool openjk = GetParam() == Engine::openjk;
    const std::string too_long(1100, '1');
    const auto server_with = [](std::string secret, std::optional<std::string> emote_control) {
        return ServerSettings{std::move(secret), std::move(emote_control), std::nullopt};
    };
    struct Row {
        const char* what;
        ServerSettings settings;
        std::string secret;
        std::vector<std::string> command;
        std::string message; // "SERVER" stands for the server's address
        std::size_t requests;
    };
    const Row rows[] = {
        {"a wrong password",
         {},
         "guess",
         {"get"},
         "SERVER did not accept the rcon password (Bad rconpassword.)",
         1},
        {"no password on the server",
         server_with("", "0"),
         password,
         {"set", "1"},
         openjk ? "rcon is disabled on that server (No rconpassword set.)"
                : "rcon is disabled on that server (No rconpassword set on the server.)",
         1},
        {"no such variable, read",
         server_with(password, std::nullopt),
         password,
         {"get"},
         "the server does not know kv_emoteControl (no such variable: is the modification "
         "running?)",
         2},
        {"no such variable, set",
         server_with(password, std::nullopt),
         password,
         {"set", "1"},
         "the server does not know kv_emoteControl (no such variable: is the modification "
         "running?); nothing was sent, since a set would create it",
         2},
        {"not a value",
         server_with(password, "1e3"),
         password,
         {"allow", "Sit"},
         "kv_emoteControl on the server is not a valid value: it holds \"1e3\"",
         2},
        {"a value longer than a datagram",
         server_with(password, too_long),
         password,
         {"get"},
         "kv_emoteControl on the server is not a valid value: it is longer than the server "
         "can print in one datagram",
         2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        DedicatedServer server(GetParam(), row.settings);
        std::vector<std::string> arguments = row.command;
        arguments.insert(arguments.begin() + 1, {"--server", server.address()});
        const CliRun run = run_with_password(row.secret, arguments);
        EXPECT_EQ(run.exit_code, 3);
        EXPECT_EQ(run.out, "");
        std::string message = row.message;
        if (message.starts_with("SERVER"))
            message.replace(0, 6, server.address());
        EXPECT_EQ(run.err, "tallyglyph-cli: " + message + "\n");
        EXPECT_EQ(server.rcon_commands().size() + server.refused_requests(), row.requests);
        EXPECT_EQ(sets_run(server), std::vector<std::string>{});
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, RealServer, testing::Values(Engine::ioquake3, Engine::openjk),
                         testing::PrintToStringParamName());

// A UDP socket on loopback that never answers; closed, it is a port where nothing listens.
class SilentPeer {
public:
    SilentPeer() : fd_(loopback_socket(port_)) {}
    ~SilentPeer() { close(fd_); }
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
    void close_now() { close(std::exchange(fd_, -1)); }

    std::vector<std::string> datagrams_received() const {
        std::vector<std::string> datagrams;
        std::string buffer(2048, '\0');
        for (ssize_t got; (got = recv(fd_, buffer.data(), buffer.size(), MSG_DONTWAIT)) >= 0;)
            datagrams.push_back(buffer.substr(0, static_cast<std::size_t>(got)));
        return datagrams;
    }

private:
    int port_ = 0;
    int fd_;
};

// The run, and how many seconds it took.
std::pair<CliRun, double> timed_run(std::vector<std::string> arguments) {
    const auto start = std::chrono::steady_clock::now();
    CliRun run = run_with_password(password, std::move(arguments));
    return {run, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

TEST(NoServer, NothingListeningEndsAtOnce) {
    SilentPeer peer;
    peer.close_now();
    const auto [run, seconds] = timed_run({"get", "--server", peer.address()});
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_EQ(run.err, "tallyglyph-cli: nothing is listening at " + peer.address() + "\n");
    EXPECT_LT(seconds, 1.0) << "it waited for a reply";
}

TEST(NoServer, SilentPeerGetsThreeAttemptsASecondApart) {
    SilentPeer peer;
    const auto [run, seconds] = timed_run({"set", "--server", peer.address(), "1"});
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_EQ(run.err, "tallyglyph-cli: no reply from " + peer.address() +
                           " after 3 attempts (a wrong address or port, a firewall, or the "
                           "server's rate limit)\n");
    EXPECT_GE(seconds, 2.9);
    EXPECT_LT(seconds, 10.0);
    const std::string request = "\xff\xff\xff\xffrcon " + password + " version";
    EXPECT_EQ(peer.datagrams_received(), std::vector<std::string>(3, request));
}

TEST(NoServer, PasswordWithABlankIsRefusedBeforeAnythingIsSent) {
    SilentPeer peer;
    const CliRun run = run_with_password("sec ret", {"get", "--server", peer.address()});
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_NE(run.err.find("the rcon password holds a blank"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("sec"), std::string::npos) << "the password was shown";
    EXPECT_TRUE(peer.datagrams_received().empty());
}

} // namespace
