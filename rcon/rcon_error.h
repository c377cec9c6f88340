#pragma once
// What can go wrong between the companion and a server. Each message says what happened in
// one line that never starts with a capital, so a program can put its own name before it.

#include <stdexcept>

namespace tallyglyph::rcon {

// Something the user gave that cannot be sent: an address that is not HOST:PORT, or a
// password the server would split. Raised before anything is sent.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The server could not be reached, refused the request, or did not do what was asked.
class ServerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whoever asked stopped the exchange, as a window's Close does; raised as soon as the client
// notices, within a twentieth of a second.
class Cancelled : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tallyglyph::rcon
