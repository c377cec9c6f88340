// The way from the Windows window to a server, in-process as the program opens it: the
// line's menu and shortcuts, the Server dialog as screen readers and the keyboard find it, a
// configuration file dropped onto the window, and, given a real server, Read and Apply with
// the password in the Credential Manager.

#include "core/bulk_selection.h"
#include "core/item_names.h"
#include "form/server_dialog_layout.h"
#include "runtime/wide_text.h"
#include "window/win32/credential_keychain.h"
#include "window/win32/form1_commands.h"
#include "window/win32/form1_events.h"
#include "window/win32/line_menu.h"
#include "window/win32/window_text.h"

#include <commctrl.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <oleacc.h>
#include <shlobj.h>
#include <wincred.h>

namespace {

using namespace tallyglyph;
using form::LineCommand;
namespace item = core::item::server_dialog;

struct NoKeychain final : window::Keychain {
    std::string unavailable() override { return "No keychain answers here"; }
    std::optional<std::string> password(std::string_view) override { return {}; }
    void remember(std::string_view, std::string_view) override {}
    void forget(std::string_view) override {}
};

class ServerDialogWin32Test : public ::testing::Test {
protected:
    ServerDialogWin32Test() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        window::open_form1(form);
    }
    ~ServerDialogWin32Test() override {
        commands.reset();
        CoUninitialize();
    }

    window::ServerDialogWindow& dialog() { return *commands->server_dialog(); }
    std::string text(std::string_view name) { return dialog().items().text_box(name).text(); }
    std::string total() { return form.items().label(core::item::total).caption(); }
    HWND focused_item() {
        for (const form::ItemDescription& described : form::server_dialog_items())
            if (const HWND control = dialog().control(described.name);
                GetFocus() == control || GetParent(GetFocus()) == control)
                return control;
        return nullptr;
    }
    // A key as the message loop hands it on.
    void press(UINT message, WPARAM key) {
        MSG pressed{GetFocus(), message, key, 0, 0, {}};
        if (!commands->take(pressed)) {
            TranslateMessage(&pressed);
            DispatchMessageW(&pressed);
        }
    }
    // Runs the message loop until DONE holds, at most 30 s.
    template <typename Condition>
    bool run_until(Condition done) {
        const ULONGLONG deadline = GetTickCount64() + 30000;
        MSG message{};
        while (!done()) {
            if (GetTickCount64() > deadline)
                return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                if (!commands->take(message) && !form.navigate(message)) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
        }
        return true;
    }

    window::Form1 form;
    std::vector<window::FileOutcome> told;
    std::unique_ptr<window::Form1Commands> commands = std::make_unique<window::Form1Commands>(
        form, [this](const window::FileOutcome& outcome) { told.push_back(outcome); });
};

std::wstring accessible_name(HWND control) {
    IAccessible* object = nullptr;
    if (AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&object)) != S_OK)
        return L"(no object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring copy = object->get_accName(self, &name) == S_OK ? name : L"(no name)";
    SysFreeString(name);
    object->Release();
    return copy;
}

TEST_F(ServerDialogWin32Test, TheLinesMenuOpensOneDialogWithTheDefaultButtonAskedFor) {
    HMENU menu = window::create_line_menu(form.control(core::item::command_line));
    std::wstring entries;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t entry[100] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), entry, 100, MF_BYPOSITION);
        entries += entry + std::wstring(L"|");
    }
    DestroyMenu(menu);
    EXPECT_EQ(entries, L"&Undo||Cu&t|&Copy|&Paste|&Delete||Select &All||"
                       L"Read from server\u2026\tCtrl+R|Apply to server\u2026\tCtrl+Shift+A|"
                       L"Open configuration file\u2026\tCtrl+O|"
                       L"Save into configuration file\u2026\tCtrl+S|");

    HWND opened = nullptr;
    for (const auto& [command, default_button] :
         {std::pair{LineCommand::apply_to_server, item::apply},
          {LineCommand::read_from_server, item::read}}) {
        SendMessageW(form.handle(), WM_COMMAND, MAKEWPARAM(window::command_id(command), 0), 0);
        ASSERT_NE(commands->server_dialog(), nullptr);
        EXPECT_EQ(opened == nullptr ? dialog().handle() : opened, dialog().handle());
        opened = dialog().handle();
        EXPECT_EQ(LOWORD(SendMessageW(opened, DM_GETDEFID, 0, 0)),
                  GetDlgCtrlID(dialog().control(default_button)));
    }
}

TEST_F(ServerDialogWin32Test, ScreenReadersAndTheKeyboardFindEachControl) {
    commands->run(LineCommand::read_from_server);
    for (const auto& [name, expected] : {std::pair{item::server, L"Server"},
                                         {item::password, L"Password"},
                                         {item::remember, L"Remember the password"},
                                         {item::read, L"Read"},
                                         {item::apply, L"Apply"},
                                         {item::close, L"Close"},
                                         {item::result, L"Result"}})
        EXPECT_EQ(accessible_name(dialog().control(name)), expected) << name;

    std::vector<HWND> order;
    for (std::string_view name : form::server_dialog_tab_order()) {
        order.push_back(focused_item());
        EXPECT_EQ(order.back(), dialog().control(name)) << name;
        press(WM_KEYDOWN, VK_TAB);
    }
    EXPECT_EQ(focused_item(), order.front()); // and round again

    press(WM_SYSCHAR, 'p');
    EXPECT_EQ(focused_item(), dialog().control(item::password));
    press(WM_KEYDOWN, VK_RETURN); // Read, the default button, with no server named
    EXPECT_EQ(text(item::result), "Give the name of a saved server, or HOST:PORT");
    press(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(commands->server_dialog(), nullptr);
}

TEST_F(ServerDialogWin32Test, RememberIsDisabledWithTheReasonWhereNoKeychainAnswers) {
    NoKeychain none;
    window::ServerDialogWindow dialog(form.handle(), form.items(), none, "servers.ini");
    dialog.show(window::ServerRequest::Kind::read);
    const HWND remember = dialog.control(item::remember);
    EXPECT_FALSE(IsWindowEnabled(remember));
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = dialog.handle();
    tool.uId = static_cast<UINT_PTR>(GetDlgCtrlID(remember));
    wchar_t tip[100] = {};
    tool.lpszText = tip;
    SendMessageW(FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr), TTM_GETTEXTW, 100,
                 reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(tip, L"No keychain answers here");
}

// Files dropped onto the window as Explorer drops them.
void drop(HWND window, const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths)
        list += path + L'\0';
    list += L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::copy(list.begin(), list.end(), reinterpret_cast<wchar_t*>(files + 1));
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

TEST_F(ServerDialogWin32Test, AConfigurationFileDroppedSetsTheBoxes) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"dropped.cfg";
    std::ofstream(std::filesystem::path(path)) << "set kv_emoteControl \"2097153\"\n";
    const struct {
        std::vector<std::wstring> files;
        bool done;
        std::string message;
        std::string total;
    } rows[] = {
        {{path}, true, "Read set kv_emoteControl \"2097153\" from ", "2097153"},
        {{path, path}, false, "Drop one configuration file at a time", "0"},
    };
    for (const auto& row : rows) {
        core::select_value(form.items(), 0);
        told.clear();
        drop(form.handle(), row.files);
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0].done, row.done) << told[0].message;
        EXPECT_EQ(told[0].message.substr(0, row.message.size()), row.message);
        EXPECT_EQ(total(), row.total);
    }
    DeleteFileW(path.c_str());
}

std::optional<std::string> credential(const std::string& server) {
    CREDENTIALW* found = nullptr;
    if (!CredReadW(window::credential_name(server).c_str(), CRED_TYPE_GENERIC, 0, &found))
        return std::nullopt;
    std::string password(reinterpret_cast<const char*>(found->CredentialBlob),
                         found->CredentialBlobSize);
    CredFree(found);
    std::erase(password, '\0'); // UTF-16 of an ASCII password
    return password;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

TEST_F(ServerDialogWin32Test, ReadsAndAppliesOnARealServerKeepingThePassword) {
    const std::string server = environment("TALLYGLYPH_TEST_SERVER");
    if (server.empty())
        GTEST_SKIP() << "needs a real server in TALLYGLYPH_TEST_SERVER "
                        "(tests/window/win32/wine_server_dialog_test.cpp gives one)";
    const std::string password = environment("TALLYGLYPH_TEST_PASSWORD");
    const std::string held = environment("TALLYGLYPH_TEST_VALUE");
    const std::string applied = environment("TALLYGLYPH_TEST_APPLY");
    const auto finished = [this] {
        return text(item::result).find("...") == std::string::npos;
    };

    commands->run(LineCommand::read_from_server);
    dialog().items().text_box(item::server).set_text(server);
    dialog().items().text_box(item::password).set_text(password);
    dialog().items().check_box(item::remember).set_value(runtime::check_value::checked);
    press(WM_KEYDOWN, VK_RETURN);
    ASSERT_TRUE(run_until(finished)) << text(item::result);
    EXPECT_EQ(text(item::result), "Read set kv_emoteControl \"" + held + "\" from " + server);
    EXPECT_EQ(total(), held);
    // Form1 sleeps while its dialog is active, and its line shows the value read all the same.
    EXPECT_FALSE(form.items().timer(core::item::timer).enabled());
    EXPECT_EQ(form.items().text_box(core::item::command_line).text(),
              "set kv_emoteControl \"" + held + "\"");
    EXPECT_EQ(credential(server), password);
    wchar_t* roaming = nullptr;
    SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming);
    std::ifstream saved(std::filesystem::path(roaming) / "Tallyglyph" / "servers.ini");
    CoTaskMemFree(roaming);
    const std::string ini{std::istreambuf_iterator<char>(saved), {}};
    EXPECT_NE(ini.find("address = " + server), std::string::npos) << ini;
    EXPECT_EQ(ini.find(password), std::string::npos) << ini;

    // Closed, and opened again for Apply: the server chosen from the list brings its password.
    press(WM_KEYDOWN, VK_ESCAPE);
    commands->run(LineCommand::apply_to_server);
    const HWND field = dialog().control(item::server);
    SendMessageW(
        field, CB_SETCURSEL,
        static_cast<WPARAM>(SendMessageW(field, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(runtime::utf16(server).c_str()))),
        0);
    SendMessageW(dialog().handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(field), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(field));
    EXPECT_EQ(text(item::server), server);
    EXPECT_EQ(text(item::password), password);
    EXPECT_EQ(dialog().items().check_box(item::remember).value(), runtime::check_value::checked);
    dialog().items().check_box(item::remember).set_value(runtime::check_value::unchecked);
    core::select_value(form.items(), static_cast<std::uint32_t>(std::stoul(applied)));
    press(WM_KEYDOWN, VK_RETURN);
    ASSERT_TRUE(run_until(finished)) << text(item::result);
    EXPECT_EQ(text(item::result), "Applied set kv_emoteControl \"" + applied + "\" to " + server);
    EXPECT_EQ(credential(server), std::nullopt); // forgotten, as asked
}

} // namespace
