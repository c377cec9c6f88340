#pragma once
// One request to a server and its reply, over UDP, with a connected socket of its own. An
// attempt waits a second for the reply, and three silent attempts mean the server is not
// answering. A reply of at most one line ends with its first datagram; a longer one may come
// in several datagrams with nothing to mark the last, so it ends when no more come for a
// moment.

#include "server_address.h"

#include <chrono>
#include <string>
#include <string_view>

namespace tallyglyph::rcon {

inline constexpr int attempts = 3;
inline constexpr std::chrono::milliseconds attempt_timeout{1000};

// Sends the request as an out-of-band message (after four 0xFF bytes) and gives the text of
// the reply. Raises ServerError when nothing listens at any address of the server, when
// nothing answers, or when the answer is not a reply.
std::string exchange(const ServerAddress& server, std::string_view request);

} // namespace tallyglyph::rcon
