#include "server_dialog.h"

#include "config_file_actions.h"
#include "core/bulk_selection.h"
#include "core/held_value.h"
#include "core/item_names.h"
#include "core/message_text.h"

#include <utility>

namespace tallyglyph::window {
namespace {

namespace item = core::item::server_dialog;

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

ServerDialog::ServerDialog(ServerDialogView& view, Keychain& keychain, runtime::Items& form1,
                           std::string servers_file)
    : view_(view), keychain_(keychain),
      form1_(form1), servers_{std::move(servers_file), std::nullopt, {}},
      task_([this] { view_.post([this] { finished(); }); }) {
    runtime::Items& items = view_.items();
    items.label(item::read).on_click([this] { read(); });
    items.label(item::apply).on_click([this] { apply(); });
}

void ServerDialog::opened() {
    try {
        servers_ = servers::load_servers(servers_.path);
    } catch (const servers::ServersError& error) {
        show(core::escaped_text(error.what()));
    }
    std::vector<std::string> names;
    for (const servers::SavedServer& server : servers_.servers.servers())
        names.push_back(server.name);
    view_.offer_servers(names);
    const std::string why_not = keychain_.unavailable();
    keychain_available_ = why_not.empty();
    view_.set_enabled(item::remember, keychain_available_, why_not);
    if (!names.empty() && trimmed(text(item::server)).empty()) {
        view_.items().text_box(item::server).set_text(names.front());
        server_chosen();
    }
}

void ServerDialog::server_chosen() {
    const servers::SavedServer* saved = servers_.servers.find(trimmed(text(item::server)));
    if (saved == nullptr || !keychain_available_)
        return;
    try {
        const std::optional<std::string> password = keychain_.password(saved->name);
        view_.items().text_box(item::password).set_text(password.value_or(""));
        view_.items().check_box(item::remember).set_value(password.has_value());
    } catch (const KeychainError& error) {
        show(error.what());
    }
}

void ServerDialog::closing() {
    task_.cancel();
}

void ServerDialog::read() {
    start(ServerRequest::Kind::read);
}

void ServerDialog::apply() {
    start(ServerRequest::Kind::apply);
}

void ServerDialog::start(ServerRequest::Kind kind) {
    if (task_.running())
        return;
    const std::string name = trimmed(text(item::server));
    if (name.empty()) {
        show("Give the name of a saved server, or HOST:PORT");
        return;
    }
    const servers::SavedServer* saved = servers_.servers.find(name);
    Target target{saved ? saved->name : name, saved ? saved->address : name};
    ServerRequest request{kind, target.address, text(item::password), 0};
    if (kind == ServerRequest::Kind::apply)
        request.value = form1_value(form1_);
    if (!task_.start(request))
        return;
    running_ = std::move(target);
    running_kind_ = kind;
    running_password_ = request.password;
    view_.set_enabled(item::read, false, {});
    view_.set_enabled(item::apply, false, {});
    show(kind == ServerRequest::Kind::read
             ? "Reading from " + running_->name + "..."
             : "Applying " + core::set_line(request.value) + " to " + running_->name + "...");
}

void ServerDialog::finished() {
    const std::optional<ServerOutcome> outcome = task_.take();
    if (!outcome || !running_)
        return;
    view_.set_enabled(item::read, true, {});
    view_.set_enabled(item::apply, true, {});
    const Target target = *std::exchange(running_, std::nullopt);
    if (!outcome->done) {
        show(outcome->message);
        return;
    }
    // The boxes show the value read or applied, whatever was ticked meanwhile.
    core::select_value(form1_, outcome->value);
    const bool read = running_kind_ == ServerRequest::Kind::read;
    std::string result = (read ? "Read " : "Applied ") + core::set_line(outcome->value) +
                         (read ? " from " : " to ") + target.name;
    if (!outcome->note.empty())
        result += "; " + outcome->note;
    result += keep(target);

    const servers::SavedServer* saved = servers_.servers.find(target.name);
    if (!read && saved && saved->config &&
        view_.confirm("Save " + core::set_line(outcome->value) + " into " + *saved->config +
                      " too, so that it lasts when the server starts again?")) {
        const FileOutcome file = save_into_config_file(outcome->value, *saved->config);
        result += "; " + file.message;
    }
    show(result);
}

std::string ServerDialog::keep(const Target& target) {
    std::string trouble;
    try {
        servers_ = servers::load_servers(servers_.path);
        if (servers_.servers.find(target.name) == nullptr) {
            servers_.servers.put({target.name, target.address, {}, {}});
            servers::save_servers(servers_);
            std::vector<std::string> names;
            for (const servers::SavedServer& server : servers_.servers.servers())
                names.push_back(server.name);
            view_.offer_servers(names);
        }
    } catch (const servers::ServersError& error) {
        trouble += "; not saved in servers.ini: " + core::escaped_text(error.what());
    }
    if (!keychain_available_)
        return trouble;
    try {
        if (view_.items().check_box(item::remember).value() == runtime::check_value::checked)
            keychain_.remember(target.name, running_password_);
        else
            keychain_.forget(target.name);
    } catch (const KeychainError& error) {
        trouble += std::string("; the password was not kept: ") + error.what();
    }
    return trouble;
}

std::string ServerDialog::text(std::string_view name) {
    return view_.items().text_box(name).text();
}

void ServerDialog::show(std::string_view result) {
    view_.items().text_box(item::result).set_text(result);
}

} // namespace tallyglyph::window
