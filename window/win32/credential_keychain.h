#pragma once
// The window's keychain on Windows: the user's Credential Manager, where each remembered rcon
// password is a generic credential named after its saved server ("Tallyglyph/NAME"), kept
// for this computer and protected by Windows with the user's logon.

#include "window/keychain.h"

#include <string>
#include <string_view>

namespace tallyglyph::window {

class CredentialKeychain final : public Keychain {
public:
    std::string unavailable() override;
    std::optional<std::string> password(std::string_view server) override;
    void remember(std::string_view server, std::string_view password) override;
    void forget(std::string_view server) override;
};

// The credential's name for a saved server, as the Credential Manager lists it.
std::wstring credential_name(std::string_view server);

} // namespace tallyglyph::window
