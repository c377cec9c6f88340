#include "rcon_client.h"

#include "core/message_text.h"
#include "rcon_error.h"
#include "reply.h"

namespace tallyglyph::rcon {
namespace {

std::string_view without_newline(std::string_view text) {
    return text.substr(0, text.find('\n'));
}

} // namespace

RconClient::RconClient(const ServerAddress& server, Password password, std::stop_token stop)
    : RconClient(server.text, resolve(server), std::move(password), std::move(stop)) {}

RconClient::RconClient(std::string server, std::vector<SocketAddress> addresses, Password password,
                       std::stop_token stop)
    : link_(std::move(server), std::move(addresses), ServerLink::Clock::now() + command_deadline,
            std::move(stop)),
      password_(std::move(password)) {}

Reply RconClient::run(std::string_view command) {
    Reply reply = link_.exchange("rcon " + password_.text() + " " + std::string(command));
    // Retrying a wrong password would look like guessing in the server's log, and would use
    // up the allowance the server gives wrong passwords from everyone.
    if (says_bad_password(reply.text))
        throw ServerError(server() + " did not accept the rcon password (" +
                          std::string(without_newline(reply.text)) + ")");
    if (says_rcon_disabled(reply.text))
        throw ServerError("rcon is disabled on that server (" +
                          std::string(without_newline(reply.text)) + ")");
    return reply;
}

Engine RconClient::engine() {
    if (!engine_) {
        const Reply reply = run(version_variable);
        try {
            engine_ = engine_of_version_print(reply.text);
        } catch (const ServerError& error) {
            throw ServerError(error.what() + (": " + shown(reply.text)));
        }
    }
    return *engine_;
}

std::string RconClient::shown(std::string_view server_text) const {
    constexpr std::string_view mask = "********";
    const std::string& secret = password_.text();
    std::string text(server_text);
    for (std::size_t at = text.find(secret); at != std::string::npos;
         at = text.find(secret, at + mask.size()))
        text.replace(at, secret.size(), mask);
    return core::shown_text(text);
}

} // namespace tallyglyph::rcon
