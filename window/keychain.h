#pragma once
// Where a window keeps the rcon passwords the user asks it to remember: the system's own
// keychain, never a file of ours. Each front end has one: the Secret Service on Linux, the
// Credential Manager on Windows. A password is kept under its saved server's name.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tallyglyph::window {

// The keychain did not do what was asked; the message says why, without the password.
struct KeychainError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Keychain {
public:
    virtual ~Keychain() = default;
    // Why no password can be kept, as the user is told it; empty when one can.
    virtual std::string unavailable() = 0;
    // None when none is kept for the server. The rest raise KeychainError.
    virtual std::optional<std::string> password(std::string_view server) = 0;
    virtual void remember(std::string_view server, std::string_view password) = 0;
    virtual void forget(std::string_view server) = 0;
};

} // namespace tallyglyph::window
