// The Windows window in-process, as the program opens it: what assistive technology reads of
// its controls through Windows' own accessibility interface, what their default actions do,
// and the keyboard's way through them; and what the program's message box shows.

#include "core/emote_table.h"
#include "core/item_names.h"
#include "form/form1_layout.h"
#include "window/program_help.h"
#include "window/win32/console_answer.h"
#include "window/win32/form1_events.h"
#include "window/win32/form1_window.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <oleacc.h>
#include <string>

namespace {

using namespace tallyglyph;
namespace item = core::item;

class Form1Win32Test : public ::testing::Test {
protected:
    Form1Win32Test() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        form = std::make_unique<window::Form1>();
        window::open_form1(*form);
    }
    ~Form1Win32Test() override {
        form.reset();
        CoUninitialize();
    }

    IAccessible* accessible(std::string_view name) {
        IAccessible* object = nullptr;
        EXPECT_EQ(AccessibleObjectFromWindow(form->control(name), static_cast<DWORD>(OBJID_CLIENT),
                                             __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&object)),
                  S_OK)
            << name;
        return object;
    }
    std::string total() { return form->items().label(item::total).caption(); }

    std::unique_ptr<window::Form1> form;
};

VARIANT self() {
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

// A text the object gives through its out parameter, or "(none)" when it gives none.
template <typename Ask>
std::wstring text(Ask ask) {
    BSTR answer = nullptr;
    const HRESULT result = ask(&answer);
    std::wstring copy = SUCCEEDED(result) && answer != nullptr ? std::wstring(answer) : L"(none)";
    SysFreeString(answer);
    return copy;
}

struct Presented {
    std::string_view item;
    LONG role;
    const wchar_t* name;
    const wchar_t* default_action; // null: not asked
};

TEST_F(Form1Win32Test, EachControlPresentsAsItsStoredDescriptionSays) {
    const Presented rows[] = {
        {item::boxes[0], ROLE_SYSTEM_CHECKBUTTON, L"Sit", L"Check"},
        {item::boxes[21], ROLE_SYSTEM_CHECKBUTTON, L"Shake", L"Check"},
        {item::reset, ROLE_SYSTEM_PUSHBUTTON, L"Reset", L"Press"},
        {item::all, ROLE_SYSTEM_PUSHBUTTON, L"ALL", L"Press"},
        {item::command_line, ROLE_SYSTEM_TEXT, L"Console command", nullptr},
        {item::banner, ROLE_SYSTEM_GRAPHIC, L"Korvath", nullptr},
        {item::instruction, ROLE_SYSTEM_STATICTEXT, L"Select the emotes you want to allow.",
         nullptr},
    };
    for (const Presented& row : rows) {
        IAccessible* object = accessible(row.item);
        ASSERT_NE(object, nullptr) << row.item;
        VARIANT role{};
        EXPECT_EQ(object->get_accRole(self(), &role), S_OK) << row.item;
        EXPECT_EQ(role.lVal, row.role) << row.item;
        EXPECT_EQ(text([&](BSTR* name) { return object->get_accName(self(), name); }), row.name)
            << row.item;
        if (row.default_action != nullptr) {
            EXPECT_EQ(
                text([&](BSTR* action) { return object->get_accDefaultAction(self(), action); }),
                row.default_action)
                << row.item;
        }
        object->Release();
    }
}

TEST_F(Form1Win32Test, DefaultActionsClickWithoutTakingTheFocusFromTheBoxes) {
    IAccessible* sit = accessible(item::boxes[0]);
    ASSERT_NE(sit, nullptr);
    ASSERT_EQ(sit->accDoDefaultAction(self()), S_OK);
    VARIANT state{};
    ASSERT_EQ(sit->get_accState(self(), &state), S_OK);
    EXPECT_TRUE(state.lVal & STATE_SYSTEM_CHECKED);
    EXPECT_EQ(text([&](BSTR* action) { return sit->get_accDefaultAction(self(), action); }),
              L"Uncheck");
    EXPECT_EQ(total(), "1");
    sit->Release();

    const HWND focused = GetFocus();
    for (const auto& [button, expected] : {std::pair{item::all, "4194303"}, {item::reset, "0"}}) {
        IAccessible* object = accessible(button);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->accDoDefaultAction(self()), S_OK) << button;
        EXPECT_EQ(total(), expected) << button;
        ASSERT_EQ(object->get_accState(self(), &state), S_OK);
        EXPECT_FALSE(state.lVal & STATE_SYSTEM_FOCUSABLE) << button;
        object->Release();
    }
    EXPECT_EQ(GetFocus(), focused);
}

TEST_F(Form1Win32Test, StoredTextsShapesAndTheRuleAreNoWindows) {
    int children = 0;
    EnumChildWindows(
        form->handle(), [](HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; },
        reinterpret_cast<LPARAM>(&children));
    EXPECT_EQ(children, 27); // 22 boxes, Reset, ALL, the line, the instruction, the banner
    for (std::string_view name :
         {item::prefix, item::total, item::quote, item::reset_frame, item::all_frame, item::rule})
        EXPECT_EQ(form->control(name), nullptr) << name;
    EXPECT_EQ(form->items().label(item::prefix).caption(), "set kv_emoteControl ");
}

TEST_F(Form1Win32Test, TabFollowsTheStoredOrderAndSpaceTicksTheFocusedBox) {
    std::vector<std::string> order;
    for (std::size_t i = 0; i <= form::form1_tab_order().size(); ++i) {
        for (const auto& described : form::form1_items())
            if (form->control(described.name) == GetFocus())
                order.emplace_back(described.name);
        MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        ASSERT_TRUE(form->navigate(tab));
    }
    std::vector<std::string> expected(form::form1_tab_order().begin(),
                                      form::form1_tab_order().end());
    expected.push_back(expected.front()); // and round again
    EXPECT_EQ(order, expected);

    SetFocus(form->control(item::boxes[1]));
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(GetFocus(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(total(), "2");
}

TEST(MessageBoxText, ParagraphsAreLeftToTheBoxToWrapAndMistakesNeedNoName) {
    const std::wstring help = window::message_box_text(window::help_text(
        window::FrontEndHelp{.paste = "A value pasted into the line ticks its emotes.\n",
                             .options = "",
                             .mistakes = ""}));
    for (const wchar_t* part :
         {L"Usage: tallyglyph [VALUE]\n       tallyglyph --help | --version\n\nOpens",
          L"console line of a Korvath server from the emotes ticked in it.\n\nVALUE",
          L"in one argument or several:\n  tallyglyph \"set kv_emoteControl \"\"2097153\"\"\"\n",
          L"\n  /?            the same as --help\n",
          L"2 on a wrong option or VALUE, 1 when the window cannot open"})
        EXPECT_NE(help.find(part), std::wstring::npos) << part << L" in:\n" << help;
    EXPECT_EQ(window::message_box_text("tallyglyph: '-1' is negative\n"), L"'-1' is negative");
}

// Windows tells the window when it comes into use and goes out of it, and its timer follows;
// asleep, a box pressed as a screen reader presses it shows in the line at once.
TEST_F(Form1Win32Test, TheTimerTicksOnlyWhileTheWindowIsInUse) {
    const HWND window = form->handle();
    const auto& timer = form->items().timer(item::timer);
    EXPECT_TRUE(timer.enabled()) << "opened";
    // Made hidden, which under Wine already takes the activation from the window.
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                       nullptr, nullptr, nullptr, nullptr);
    const struct {
        const char* change;
        std::function<void()> make;
        bool ticking;
    } rows[] = {
        {"activated", [&] { SetForegroundWindow(window); }, true},
        {"another window shown", [&] { ShowWindow(other, SW_SHOW); }, false},
        {"activated again", [&] { SetForegroundWindow(window); }, true},
        {"minimised", [&] { ShowWindow(window, SW_MINIMIZE); }, false},
        {"restored", [&] { ShowWindow(window, SW_RESTORE); }, true},
        {"hidden", [&] { ShowWindow(window, SW_HIDE); }, false},
        {"shown", [&] { ShowWindow(window, SW_SHOW); }, true},
    };
    const auto& line = form->items().text_box(item::command_line);
    IAccessible* box = accessible(item::boxes[2]);
    ASSERT_NE(box, nullptr);
    int total = 0;
    for (const auto& row : rows) {
        row.make();
        EXPECT_EQ(timer.enabled(), row.ticking) << row.change;
        ASSERT_EQ(box->accDoDefaultAction(self()), S_OK) << row.change;
        total ^= 4;
        const std::string expected = "set kv_emoteControl \"" + std::to_string(total) + "\"";
        // Ticking, the line follows at the next tick. Each window that an earlier test closed
        // has posted a WM_QUIT, which this loop passes over.
        MSG message{};
        for (int i = 0; row.ticking && line.text() != expected && i < 1000 &&
                        GetMessageW(&message, nullptr, 0, 0) != -1;
             ++i)
            DispatchMessageW(&message);
        EXPECT_EQ(line.text(), expected) << row.change;
    }
    box->Release();
    DestroyWindow(other);
}

} // namespace
