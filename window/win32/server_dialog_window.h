#pragma once
// The Server dialog on Windows: a modeless dialog owned by Form1, built item by item from its
// description (form/server_dialog_layout.h) with Windows' own controls in the desktop's
// message font, laid out anew for each screen's scale. It gives window::ServerDialog its items
// and drives it; Close, Escape and the close box close it alike. Keyboard navigation is the
// dialog manager's, through navigate() in the message loop.

#include "form/form_description.h"
#include "win32_items.h"
#include "window/server_dialog.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace tallyglyph::window {

class ServerDialogWindow final : public ServerDialogView {
public:
    // Made hidden; FORM1 holds the items whose value is read and applied.
    ServerDialogWindow(HWND owner, runtime::Items& form1, Keychain& keychain,
                       std::string servers_file);
    ~ServerDialogWindow() override;
    ServerDialogWindow(const ServerDialogWindow&) = delete;
    ServerDialogWindow& operator=(const ServerDialogWindow&) = delete;

    HWND handle() const { return window_; }
    HWND control(std::string_view name) const;
    // Shows the dialog, or brings it to the front, with Read or Apply as its default button.
    void show(ServerRequest::Kind default_button);
    // Closed by the user; the window is gone.
    bool closed() const { return closed_; }
    // Tab, mnemonics, Enter and Escape. Tells whether MESSAGE was the dialog's.
    bool navigate(MSG& message);

    runtime::Items& items() override { return items_; }
    void offer_servers(const std::vector<std::string>& names) override;
    void set_enabled(std::string_view item, bool enabled, std::string_view why_not) override;
    bool confirm(std::string_view question) override;
    void post(std::function<void()> call) override;

private:
    struct Control {
        const form::ItemDescription* item;
        HWND window;
    };
    static INT_PTR CALLBACK dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK server_field_proc(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam);
    bool handle(UINT message, WPARAM wparam, LPARAM lparam);
    void command(HWND control, WORD code);
    SIZE outer_size(int dpi) const;
    void lay_out(int dpi);
    void set_tip(HWND control, const std::wstring& text);
    void run_posted();
    void close();

    HWND window_ = nullptr;
    HWND tips_ = nullptr;
    HFONT font_ = nullptr;
    bool opened_ = false;
    bool closed_ = false;
    std::vector<Control> controls_;
    std::vector<std::pair<HWND, std::wstring>> tips_shown_;
    Win32Items items_;
    std::mutex posted_mutex_;
    std::vector<std::function<void()>> posted_;
    std::optional<ServerDialog> dialog_; // once its items are made; last, so its exchange
                                         // ends before what it posts to goes
};

} // namespace tallyglyph::window
