#include "form1_commands.h"

#include "line_menu.h"
#include "runtime/wide_text.h"
#include "servers/servers_file.h"
#include "window/run_time_error_report.h"

#include <commdlg.h>
#include <vector>

namespace tallyglyph::window {

using form::LineCommand;

Form1Commands::Form1Commands(Form1& form, Tell tell)
    : form_(form), tell_(std::move(tell)), accelerators_(create_line_accelerators()) {
    form_.on_message([this](UINT message, WPARAM wparam, LPARAM lparam) {
        return handle(message, wparam, lparam);
    });
    DragAcceptFiles(form_.handle(), TRUE);
}

Form1Commands::~Form1Commands() {
    dialog_.reset();
    form_.on_message({});
    DestroyAcceleratorTable(accelerators_);
}

bool Form1Commands::take(MSG& message) {
    if (ServerDialogWindow* dialog = server_dialog();
        dialog != nullptr && dialog->navigate(message))
        return true;
    const HWND form = form_.handle();
    return (message.hwnd == form || IsChild(form, message.hwnd) != FALSE) &&
           TranslateAcceleratorW(form, accelerators_, &message) != 0;
}

ServerDialogWindow* Form1Commands::server_dialog() const {
    return dialog_ && !dialog_->closed() ? dialog_.get() : nullptr;
}

bool Form1Commands::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DROPFILES) {
        dropped(reinterpret_cast<HDROP>(wparam));
        return true;
    }
    // A menu entry or a shortcut, not a control's notification.
    if (message != WM_COMMAND || lparam != 0)
        return false;
    const std::optional<LineCommand> command = line_command(LOWORD(wparam));
    if (command)
        run_handler([this, command] { run(*command); });
    return command.has_value();
}

void Form1Commands::run(LineCommand command) {
    switch (command) {
    case LineCommand::read_from_server:
        open_server_dialog(ServerRequest::Kind::read);
        return;
    case LineCommand::apply_to_server:
        open_server_dialog(ServerRequest::Kind::apply);
        return;
    case LineCommand::open_config:
        if (const std::optional<std::string> path = choose_file(command))
            tell(open_config_file(form_.items(), *path));
        return;
    case LineCommand::save_into_config:
        if (const std::optional<std::string> path = choose_file(command))
            tell(save_into_config_file(form1_value(form_.items()), *path));
        return;
    }
}

void Form1Commands::open_server_dialog(ServerRequest::Kind kind) {
    if (server_dialog() == nullptr) {
        std::string servers;
        try {
            servers = servers::servers_file();
        } catch (const servers::ServersError& error) {
            tell({false, error.what()});
            return;
        }
        dialog_.reset(); // one closed before, whose exchange has ended
        dialog_ = std::make_unique<ServerDialogWindow>(form_.handle(), form_.items(), keychain_,
                                                       std::move(servers));
    }
    dialog_->show(kind);
}

// The file chosen in Windows' own file dialog, which only lets an existing file be chosen;
// none when the user cancels.
std::optional<std::string> Form1Commands::choose_file(LineCommand command) const {
    std::wstring title;
    for (const form::MenuEntry& entry : form::form1_line_menu())
        if (entry.command == command)
            title = runtime::utf16(entry.text.substr(0, entry.text.rfind("\u2026")));
    std::vector<wchar_t> path(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = form_.handle();
    dialog.lpstrFilter = L"Configuration files (*.cfg)\0*.cfg\0All files (*.*)\0*.*\0";
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const BOOL chosen = command == LineCommand::save_into_config ? GetSaveFileNameW(&dialog)
                                                                 : GetOpenFileNameW(&dialog);
    if (chosen == FALSE)
        return std::nullopt;
    return runtime::utf8(path.data());
}

void Form1Commands::dropped(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::wstring path(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
    DragFinish(drop);
    run_handler([this, count, &path] {
        tell(count == 1 ? open_config_file(form_.items(), runtime::utf8(path))
                        : FileOutcome{false, "Drop one configuration file at a time"});
    });
}

void Form1Commands::tell(const FileOutcome& outcome) const {
    if (tell_) {
        tell_(outcome);
        return;
    }
    MessageBoxW(form_.handle(), runtime::utf16(outcome.message).c_str(), L"Tallyglyph",
                MB_OK | (outcome.done ? MB_ICONINFORMATION : MB_ICONWARNING));
}

} // namespace tallyglyph::window
