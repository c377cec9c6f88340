#pragma once
// The Linux keychain: the desktop's Secret Service, which GNOME Keyring and KWallet both
// serve, reached through libsecret. A password is kept under its saved server's name. Each
// call runs on a thread of its own and the window waits for it a bounded time, so a keychain
// that never answers cannot hang the window; one still busy then (asking the user to unlock
// it, say) goes on by itself. Nothing here knows a toolkit.

#include "window/keychain.h"

namespace tallyglyph::window {

class SecretServiceKeychain final : public Keychain {
public:
    std::string unavailable() override;
    std::optional<std::string> password(std::string_view server) override;
    void remember(std::string_view server, std::string_view password) override;
    void forget(std::string_view server) override;
};

} // namespace tallyglyph::window
