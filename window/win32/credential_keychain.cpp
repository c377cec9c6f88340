#include "credential_keychain.h"

#include "runtime/wide_text.h"

#include <algorithm>
#include <windows.h>
// wincred.h takes its types from windows.h.
#include <wincred.h>

namespace tallyglyph::window {
namespace {

[[noreturn]] void fail(std::string_view what, std::string_view server) {
    const std::string why = runtime::last_error_text();
    throw KeychainError("the Credential Manager could not " + std::string(what) +
                        " the password of " + std::string(server) + ": " + why);
}

// How long Windows may keep a credential for this logon session; none when it does not say.
std::optional<DWORD> longest_persistence() {
    DWORD persists[CRED_TYPE_MAXIMUM] = {};
    if (CredGetSessionTypes(CRED_TYPE_MAXIMUM, persists) == FALSE)
        return std::nullopt;
    return persists[CRED_TYPE_GENERIC];
}

} // namespace

std::wstring credential_name(std::string_view server) {
    return L"Tallyglyph/" + runtime::utf16(server);
}

std::string CredentialKeychain::unavailable() {
    const std::optional<DWORD> persistence = longest_persistence();
    if (!persistence)
        return "The Credential Manager does not answer: " + runtime::last_error_text();
    if (*persistence == CRED_PERSIST_NONE)
        return "Windows keeps no passwords for this logon session";
    return {};
}

std::optional<std::string> CredentialKeychain::password(std::string_view server) {
    CREDENTIALW* credential = nullptr;
    if (CredReadW(credential_name(server).c_str(), CRED_TYPE_GENERIC, 0, &credential) == FALSE) {
        if (GetLastError() == ERROR_NOT_FOUND)
            return std::nullopt;
        fail("read", server);
    }
    const std::wstring_view blob(reinterpret_cast<const wchar_t*>(credential->CredentialBlob),
                                 credential->CredentialBlobSize / sizeof(wchar_t));
    std::string password = runtime::utf8(blob);
    SecureZeroMemory(credential->CredentialBlob, credential->CredentialBlobSize);
    CredFree(credential);
    return password;
}

void CredentialKeychain::remember(std::string_view server, std::string_view password) {
    std::wstring name = credential_name(server);
    std::wstring secret = runtime::utf16(password);
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = name.data();
    credential.CredentialBlob = reinterpret_cast<BYTE*>(secret.data());
    credential.CredentialBlobSize = static_cast<DWORD>(secret.size() * sizeof(wchar_t));
    // On this computer, and only for this logon session where Windows keeps no more.
    credential.Persist = std::min<DWORD>(longest_persistence().value_or(CRED_PERSIST_NONE),
                                         CRED_PERSIST_LOCAL_MACHINE);
    const BOOL written = CredWriteW(&credential, 0);
    SecureZeroMemory(secret.data(), secret.size() * sizeof(wchar_t));
    if (written == FALSE)
        fail("keep", server);
}

void CredentialKeychain::forget(std::string_view server) {
    if (CredDeleteW(credential_name(server).c_str(), CRED_TYPE_GENERIC, 0) == FALSE &&
        GetLastError() != ERROR_NOT_FOUND)
        fail("forget", server);
}

} // namespace tallyglyph::window
