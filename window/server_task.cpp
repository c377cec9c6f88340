#include "server_task.h"

#include "rcon/emote_control.h"
#include "rcon/rcon_error.h"
#include "rcon/server_address.h"

#include <utility>

namespace tallyglyph::window {
namespace {

ServerOutcome exchange(const ServerRequest& request, const std::stop_token& stop) {
    try {
        rcon::RconClient client(rcon::read_server_address(request.address),
                                rcon::Password(request.password), stop);
        if (request.kind == ServerRequest::Kind::apply) {
            rcon::set_emote_control(client, request.value);
            return {true, request.value, {}, {}};
        }
        const rcon::EmoteControl control = rcon::read_emote_control(client);
        const std::string note =
            control.latched
                ? "the server takes " + client.shown(*control.latched) + " at the next map restart"
                : std::string();
        return {true, control.value, note, {}};
    } catch (const rcon::InputError& error) {
        return {false, 0, {}, error.what()};
    } catch (const rcon::ServerError& error) {
        return {false, 0, {}, error.what()};
    }
}

} // namespace

ServerTask::ServerTask(std::function<void()> finished) : finished_(std::move(finished)) {}

ServerTask::~ServerTask() {
    cancel();
}

bool ServerTask::running() const {
    const std::lock_guard lock(mutex_);
    return running_;
}

bool ServerTask::start(ServerRequest request) {
    {
        const std::lock_guard lock(mutex_);
        if (running_)
            return false;
        running_ = true;
        outcome_.reset();
    }
    if (thread_.joinable())
        thread_.join(); // done already: only its last steps are left
    thread_ = std::jthread(
        [this, request = std::move(request)](std::stop_token stop) { run(request, stop); });
    return true;
}

void ServerTask::cancel() {
    thread_.request_stop();
}

std::optional<ServerOutcome> ServerTask::take() {
    const std::lock_guard lock(mutex_);
    return std::exchange(outcome_, std::nullopt);
}

void ServerTask::run(const ServerRequest& request, const std::stop_token& stop) {
    std::optional<ServerOutcome> outcome;
    try {
        outcome = exchange(request, stop);
    } catch (const rcon::Cancelled&) {
    }
    {
        const std::lock_guard lock(mutex_);
        running_ = false;
        if (stop.stop_requested())
            return;
        outcome_ = std::move(outcome);
    }
    finished_();
}

} // namespace tallyglyph::window
