#pragma once
// What Form1 offers beyond its items: the entries of its line's menu, which its shortcuts
// give in the whole window (line_menu.h); the Server dialog they open, one for the window,
// modeless, raised when asked for again; and configuration files opened, saved into or
// dropped onto the window (window/config_file_actions.h), each outcome told in a message box.

#include "credential_keychain.h"
#include "form/form1_menu.h"
#include "form1_window.h"
#include "server_dialog_window.h"
#include "window/config_file_actions.h"

#include <functional>
#include <memory>
#include <optional>
#include <shellapi.h>
#include <string>

namespace tallyglyph::window {

class Form1Commands {
public:
    // How an outcome is told: a message box over the window unless TELL is given.
    using Tell = std::function<void(const FileOutcome& outcome)>;
    explicit Form1Commands(Form1& form, Tell tell = {});
    ~Form1Commands();
    Form1Commands(const Form1Commands&) = delete;
    Form1Commands& operator=(const Form1Commands&) = delete;

    // The message loop's first look at each message: the Server dialog's keys, then the
    // window's shortcuts. Tells whether it took the message.
    bool take(MSG& message);
    void run(form::LineCommand command);
    // The Server dialog while it is open; none before and once it is closed.
    ServerDialogWindow* server_dialog() const;

private:
    bool handle(UINT message, WPARAM wparam, LPARAM lparam);
    void open_server_dialog(ServerRequest::Kind kind);
    std::optional<std::string> choose_file(form::LineCommand command) const;
    void dropped(HDROP drop);
    void tell(const FileOutcome& outcome) const;

    Form1& form_;
    Tell tell_;
    HACCEL accelerators_;
    CredentialKeychain keychain_;
    std::unique_ptr<ServerDialogWindow> dialog_;
};

} // namespace tallyglyph::window
