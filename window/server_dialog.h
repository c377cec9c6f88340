#pragma once
// What the Server dialog does, once for both front ends: Read sets Form1's boxes to the
// server's value, as a pasted value does; Apply sets the server to Form1's value and
// confirms it, and offers to save it into the saved server's configuration file too. A
// server talked to is saved in servers.ini, and its password kept in the system's keychain
// when the user asks. The exchange runs off the thread that draws the window, one at a time,
// and Close ends it. The dialog's items are described in form/server_dialog_layout.h and
// reached by name, as Form1's are.

#include "keychain.h"
#include "runtime/items.h"
#include "server_task.h"
#include "servers/servers_file.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::window {

// What a front end's dialog does beyond its items.
class ServerDialogView {
public:
    virtual ~ServerDialogView() = default;
    // Server and Password and Result as text boxes, Remember as a check box, and the buttons
    // as labels that can be clicked.
    virtual runtime::Items& items() = 0;
    // The saved servers' names, offered in the Server field's list.
    virtual void offer_servers(const std::vector<std::string>& names) = 0;
    // Enables or disables an item; why_not is shown as its tooltip while it is disabled.
    virtual void set_enabled(std::string_view item, bool enabled, std::string_view why_not) = 0;
    // A yes-or-no question; true for yes.
    virtual bool confirm(std::string_view question) = 0;
    // Passes the call on to the thread that draws the window, to run there soon.
    virtual void post(std::function<void()> call) = 0;
};

class ServerDialog {
public:
    // Binds the dialog's items; form1 is the window whose value is read and applied.
    ServerDialog(ServerDialogView& view, Keychain& keychain, runtime::Items& form1,
                 std::string servers_file);

    // As the dialog shows: the saved servers offered, the first one chosen with its kept
    // password, and Remember offered where there is a keychain.
    void opened();
    // The Server field names another server: its kept password, if any, comes in.
    void server_chosen();
    // Close: a running exchange ends at once.
    void closing();

    void read();
    void apply();

private:
    struct Target {
        std::string name; // a saved server's, or the address as given
        std::string address;
    };
    void start(ServerRequest::Kind kind);
    void finished();
    // Saves the server talked to and keeps or forgets its password; says what went wrong.
    std::string keep(const Target& target);
    std::string text(std::string_view item);
    void show(std::string_view result);

    ServerDialogView& view_;
    Keychain& keychain_;
    runtime::Items& form1_;
    servers::ServersFile servers_;
    bool keychain_available_ = false;
    std::optional<Target> running_;
    ServerRequest::Kind running_kind_ = ServerRequest::Kind::read;
    std::string running_password_;
    ServerTask task_; // last: its thread ends before the rest goes
};

} // namespace tallyglyph::window
