// What the client does with a peer that misbehaves: it ends by its deadline, holds no more
// than the longest reply, shows server text short and without the password, is not put off
// by a silent address, a stray datagram or a late reply, and says when a set may have been
// carried out.

#include "rcon/datagram_socket.h"
#include "rcon/emote_control.h"
#include "rcon/rcon_error.h"
#include "scripted_peer.h"

#include <gtest/gtest.h>
#include <optional>
#include <stop_token>
#include <thread>

namespace {

using namespace tallyglyph::rcon;
using namespace std::chrono_literals;

const std::string password = "tallyglyph-test";
const std::string version = "^9Cvar ^7version = ^9\"^7OpenJK-MP: v1.0^9\"^7\n";

std::string print_of(const std::string& value) {
    return "^9Cvar ^7kv_emoteControl = ^9\"^7" + value + "^9\"^7, ^7the default\n";
}

std::vector<Datagram> answer(const std::string& text) {
    return {{0ms, printed(text)}};
}

std::vector<Datagram> many(int count, std::chrono::milliseconds apart, const std::string& text) {
    return std::vector<Datagram>(static_cast<std::size_t>(count), {apart, printed(text)});
}

// The command in a request, after "rcon PASSWORD ".
std::string command_in(const std::string& request) {
    return request.substr(("rcon " + password + " ").size());
}

// An OpenJK server holding 5, but where `instead` answers a request otherwise.
PeerScript
server_but(std::function<std::optional<std::vector<Datagram>>(int, const std::string&)> instead) {
    return [instead](int index, const std::string& request) {
        if (auto other = instead(index, request))
            return *other;
        const std::string command = command_in(request);
        if (command == "version")
            return answer(version);
        return command.starts_with("set ") ? answer("") : answer(print_of("5"));
    };
}

PeerScript an_openjk_server() {
    return server_but(
        [](int, const std::string&) { return std::optional<std::vector<Datagram>>(); });
}

// Answers the command so, and any other as the server does.
PeerScript answering(const std::string& command, std::vector<Datagram> datagrams) {
    return server_but([=](int, const std::string& request) -> std::optional<std::vector<Datagram>> {
        if (command_in(request) == command)
            return datagrams;
        return std::nullopt;
    });
}

struct Outcome {
    std::string text; // "5" for a value read, "set" for a value set, or the message
    double seconds = 0;
};

Outcome run(const std::string& operation, const std::string& server,
            const std::vector<SocketAddress>& addresses) {
    const auto start = std::chrono::steady_clock::now();
    Outcome outcome;
    try {
        RconClient client(server, addresses, Password(password));
        if (operation == "get") {
            const EmoteControl control = read_emote_control(client);
            outcome.text = std::to_string(control.value) +
                           (control.latched ? " latched " + *control.latched : "");
        } else {
            set_emote_control(client, 9);
            outcome.text = "set";
        }
    } catch (const ServerError& error) {
        outcome.text = error.what();
    }
    outcome.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return outcome;
}

std::vector<SocketAddress> addresses_of(const std::string& host, int port) {
    return resolve(read_server_address(host + ":" + std::to_string(port)));
}

TEST(HostilePeer, NeitherHoldsNorMisleadsTheClient) {
    const std::string garbled = "\x01\xc3(" + std::string(200, 'A');
    struct Row {
        const char* what;
        PeerScript script;
        bool silent_address_first; // a silent peer at 127.0.0.2, tried before the server
        std::string operation;
        std::string outcome; // SERVER stands for the server's name
        double at_most_seconds;
    };
    const Row rows[] = {
        {"a reply that keeps coming in small parts",
         answering("print kv_emoteControl", many(400, 50ms, "x")), false, "get",
         "the reply from SERVER was still coming after the 10 s a command may take", 11.5},
        {"a reply that keeps coming in large parts",
         answering("print kv_emoteControl", many(400, 1ms, std::string(8000, 'x'))), false, "get",
         "the reply from SERVER is longer than 64 KiB, more than any reading of a variable", 3},
        {"one datagram of 65,000 bytes",
         answering("print kv_emoteControl", answer(std::string(65000, 'A'))), false, "get",
         "the server's reading of kv_emoteControl is not one the companion knows: \"" +
             std::string(120, 'A') + "...\" (65000 bytes in all)",
         3},
        {"bytes that are not text", answering("print kv_emoteControl", answer(garbled)), false,
         "get",
         "the server's reading of kv_emoteControl is not one the companion knows: "
         "\"\\x01\\xc3(" +
             std::string(111, 'A') + "...\" (203 bytes in all)",
         3},
        {"a peer that echoes the request",
         [](int, const std::string& request) { return answer(request); }, false, "get",
         "the server's reply to version is not one of this game family's engines: "
         "\"rcon ******** version\"",
         3},
        {"a stray datagram before the reply",
         answering("version", {{0ms, "\xff\xff\xff\xffstatusResponse\n\\sv_hostname\\x\n"},
                               {0ms, printed(version)}}),
         false, "get", "5", 3},
        {"a late reply to the attempt before",
         server_but(
             [](int index, const std::string& request) -> std::optional<std::vector<Datagram>> {
                 if (command_in(request) != "print kv_emoteControl")
                     return std::nullopt;
                 if (index == 1)
                     return std::vector<Datagram>{{1100ms, printed(print_of("7") + "Old\n")}};
                 return answer(print_of("5") + "Described\n");
             }),
         false, "get", "5", 3},
        {"a silent address first", an_openjk_server(), true, "get", "5", 3},
        {"only silent addresses", [](int, const std::string&) { return std::vector<Datagram>{}; },
         true, "get",
         "no reply from SERVER (at 127.0.0.2, then 127.0.0.1) after 3 attempts (a wrong address "
         "or port, a firewall, or the server's rate limit)",
         7.5},
        {"a change pending until a restart",
         answering("print kv_emoteControl",
                   answer(print_of("5") + "     latched = ^9\"^712^9\"\n")),
         false, "get", "5 latched 12", 3},
        {"a set refused",
         answering("set kv_emoteControl \"9\"", answer("kv_emoteControl is read only.\n")), false,
         "set",
         "the server refused or deferred setting kv_emoteControl to 9: \"kv_emoteControl is "
         "read only.\"",
         3},
        {"a reading back not understood",
         server_but([](int index, const std::string&) -> std::optional<std::vector<Datagram>> {
             if (index == 3)
                 return answer("garbage\n");
             return std::nullopt;
         }),
         false, "set",
         "the server's reading of kv_emoteControl is not one the companion knows: \"garbage\"; "
         "the set was sent, so the server's value may now be 9",
         3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ScriptedPeer server(row.script);
        std::optional<ScriptedPeer> silent;
        std::vector<SocketAddress> addresses = addresses_of("127.0.0.1", server.port());
        if (row.silent_address_first) {
            silent.emplace([](int, const std::string&) { return std::vector<Datagram>{}; },
                           "127.0.0.2", server.port());
            addresses.insert(addresses.begin(), addresses_of("127.0.0.2", server.port()).front());
        }
        const std::string name = "peer.test:" + std::to_string(server.port());
        const Outcome outcome = run(row.operation, name, addresses);
        std::string expected = row.outcome;
        if (const std::size_t at = expected.find("SERVER"); at != std::string::npos)
            expected.replace(at, 6, name);
        EXPECT_EQ(outcome.text, expected);
        EXPECT_LE(outcome.seconds, row.at_most_seconds);
    }
}

// A window's Close stops an exchange that waits on a silent peer at once.
TEST(HostilePeer, AStopEndsTheWaitAtOnce) {
    ScriptedPeer silent([](int, const std::string&) { return std::vector<Datagram>{}; });
    std::stop_source stop;
    const auto start = std::chrono::steady_clock::now();
    std::thread closer([&] {
        std::this_thread::sleep_for(300ms);
        stop.request_stop();
    });
    RconClient client("peer.test", addresses_of("127.0.0.1", silent.port()), Password(password),
                      stop.get_token());
    EXPECT_THROW(read_emote_control(client), Cancelled);
    closer.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 900ms) << "it waited for the attempt";
}

} // namespace
