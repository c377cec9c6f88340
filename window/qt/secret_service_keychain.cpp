#include "secret_service_keychain.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <libsecret/secret.h>
#include <memory>
#include <mutex>
#include <thread>

namespace tallyglyph::window {
namespace {

// A keychain that answers at all answers within milliseconds; starting one on demand takes
// a fraction of a second.
constexpr std::chrono::seconds answer_bound{3};

const SecretSchema* schema() {
    static const SecretSchema* const kept =
        secret_schema_new(TALLYGLYPH_APP_ID ".RconPassword", SECRET_SCHEMA_NONE, "server",
                          SECRET_SCHEMA_ATTRIBUTE_STRING, nullptr);
    return kept;
}

struct Answer {
    bool failed = false;
    bool no_service = false; // nothing on the session bus serves the keychain
    std::string error;       // why it failed
    std::optional<std::string> secret;
};

// What a call on the keychain's thread does: the secret it finds, if any; an error it sets.
using Call = std::function<std::optional<std::string>(GError** error)>;

struct Pending {
    std::mutex mutex;
    std::condition_variable answered;
    std::optional<Answer> answer;
};

// Runs CALL on a thread of its own and waits for its answer at most answer_bound; none when
// it has not answered by then, and the thread is left to end by itself.
std::optional<Answer> bounded(Call call) {
    auto pending = std::make_shared<Pending>();
    std::thread([pending, call = std::move(call)] {
        GError* error = nullptr;
        Answer answer;
        answer.secret = call(&error);
        if (error != nullptr) {
            answer.failed = true;
            answer.no_service =
                g_error_matches(error, G_DBUS_ERROR, G_DBUS_ERROR_SERVICE_UNKNOWN) ||
                g_error_matches(error, G_DBUS_ERROR, G_DBUS_ERROR_NAME_HAS_NO_OWNER);
            g_dbus_error_strip_remote_error(error);
            answer.error = error->message;
            g_error_free(error);
        }
        const std::lock_guard lock(pending->mutex);
        pending->answer = std::move(answer);
        pending->answered.notify_all();
    }).detach();
    std::unique_lock lock(pending->mutex);
    pending->answered.wait_for(lock, answer_bound, [&] { return pending->answer.has_value(); });
    return pending->answer;
}

const std::string not_answered =
    "the keychain did not answer within " + std::to_string(answer_bound.count()) + " seconds";

// The answer of a call that must succeed.
Answer required(Call call) {
    const std::optional<Answer> answer = bounded(std::move(call));
    if (!answer)
        throw KeychainError(not_answered);
    if (answer->failed)
        throw KeychainError("the keychain failed: " + answer->error);
    return *answer;
}

} // namespace

std::string SecretServiceKeychain::unavailable() {
    // A session of our own with the service proves that it answers, not only that it is named.
    const std::optional<Answer> answer = bounded([](GError** error) -> std::optional<std::string> {
        if (SecretService* service = secret_service_open_sync(
                SECRET_TYPE_SERVICE, nullptr, SECRET_SERVICE_OPEN_SESSION, nullptr, error))
            g_object_unref(service);
        return {};
    });
    const std::string none = "No keychain (GNOME Keyring or KWallet) answers in this session, so "
                             "the password cannot be remembered: ";
    if (!answer)
        return none + not_answered;
    if (answer->no_service)
        return none + "none runs";
    if (answer->failed)
        return none + answer->error;
    return {};
}

std::optional<std::string> SecretServiceKeychain::password(std::string_view server) {
    return required([name = std::string(server)](GError** error) -> std::optional<std::string> {
               gchar* found = secret_password_lookup_sync(schema(), nullptr, error, "server",
                                                          name.c_str(), nullptr);
               if (found == nullptr)
                   return {};
               std::string secret(found);
               secret_password_free(found);
               return secret;
           })
        .secret;
}

void SecretServiceKeychain::remember(std::string_view server, std::string_view password) {
    required([name = std::string(server),
              secret = std::string(password)](GError** error) -> std::optional<std::string> {
        const std::string label = "Tallyglyph: the rcon password of " + name;
        secret_password_store_sync(schema(), SECRET_COLLECTION_DEFAULT, label.c_str(),
                                   secret.c_str(), nullptr, error, "server", name.c_str(), nullptr);
        return {};
    });
}

void SecretServiceKeychain::forget(std::string_view server) {
    required([name = std::string(server)](GError** error) -> std::optional<std::string> {
        secret_password_clear_sync(schema(), nullptr, error, "server", name.c_str(), nullptr);
        return {};
    });
}

} // namespace tallyglyph::window
