#pragma once
// Read and Apply for a window, off the thread that draws it: one exchange with a server at a
// time runs on a thread of its own, so the window and its tick go on. The window hears of the
// outcome through the callback it gives, which runs on that thread: it passes it on to its
// own thread (a queued call in Qt, a posted message in Win32) and takes the outcome there.

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace tallyglyph::window {

struct ServerRequest {
    enum class Kind { read, apply } kind = Kind::read;
    std::string address; // HOST:PORT
    std::string password;
    std::uint32_t value = 0; // to apply
};

struct ServerOutcome {
    bool done = false; // read or applied and confirmed
    std::uint32_t value = 0;
    std::string note;    // for a value read: the change pending until a restart, if any
    std::string message; // why it failed, in the companion's words
};

class ServerTask {
public:
    explicit ServerTask(std::function<void()> finished);
    // Stops a running exchange and waits for its thread, which ends within a moment.
    ~ServerTask();
    ServerTask(const ServerTask&) = delete;
    ServerTask& operator=(const ServerTask&) = delete;

    bool running() const;
    // Starts the exchange; false, with nothing started, while one runs.
    bool start(ServerRequest request);
    // Ends a running exchange at once; it finishes without an outcome.
    void cancel();
    // The outcome of the exchange that finished; none before.
    std::optional<ServerOutcome> take();

private:
    void run(const ServerRequest& request, const std::stop_token& stop);

    std::function<void()> finished_;
    mutable std::mutex mutex_;
    bool running_ = false;
    std::optional<ServerOutcome> outcome_;
    std::jthread thread_; // last, so it stops before what it uses goes
};

} // namespace tallyglyph::window
