// get, set, allow and forbid against a real dedicated server, and what the companion does
// when no server answers: a port where nothing listens, and a peer that never answers.

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

TEST(RealServer, SetThenGetShowsTheEmotesSet) {
    DedicatedServer server(password);
    const std::string address = server.address();
    const CliRun set = run_with_password(password, {"set", "--server", address, "2097153"});
    EXPECT_EQ(set.exit_code, 0) << set.err;
    EXPECT_EQ(set.out, "set kv_emoteControl \"2097153\"\n");
    const CliRun get = run_with_password(password, {"get", "--server", address});
    EXPECT_EQ(get.exit_code, 0) << get.err;
    EXPECT_EQ(get.out, "Sit\nShake\n");
    EXPECT_EQ(count_of(server.log(), "Rcon from 127.0.0.1: set kv_emoteControl 2097153\n"), 1);
}

// Every emote but Kiss, then Kiss allowed and forbidden again: 8 requests in all.
TEST(RealServer, AllowAndForbidMoveTheValueByTheirBitAlone) {
    DedicatedServer server(password);
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

TEST(RealServer, WrongPasswordStopsAfterOneRequest) {
    DedicatedServer server(password);
    const CliRun run = run_with_password("guess", {"get", "--server", server.address()});
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tallyglyph-cli: " + server.address() +
                           " did not accept the rcon password (Bad rconpassword.)\n");
    EXPECT_EQ(count_of(server.log(), "Bad rcon from"), 1);
}

TEST(RealServer, ValueThatIsNotOneIsShownAsTheServerHoldsIt) {
    DedicatedServer server(password, "1e3");
    const CliRun run = run_with_password(password, {"get", "--server", server.address()});
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_EQ(run.err, "tallyglyph-cli: kv_emoteControl on the server is not a valid value: "
                       "it holds \"1e3\"\n");
}

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
    const std::string request = "\xff\xff\xff\xffrcon " + password + " set kv_emoteControl \"1\"";
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
