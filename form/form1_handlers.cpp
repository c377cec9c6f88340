#include "form1_handlers.h"

#include "core/bulk_selection.h"
#include "core/command_line.h"
#include "core/emote_table.h"
#include "core/item_names.h"
#include "core/selection_total.h"
#include "form1_layout.h"

#include <memory>
#include <string_view>

namespace tallyglyph::form {

using namespace core;
namespace {

// Runs each handler, and once the outermost one has ended brings the line up to date if the
// timer sleeps: the boxes a Reset clears run their own handlers inside it, and the line
// changes once for the Reset, as it would at a tick. Before the window opens, the line stays
// empty until the first tick.
class LineFollower {
public:
    explicit LineFollower(runtime::Items& items) : items_(items) {}
    void open() { opened_ = true; }

    template <typename Handler>
    void run(const Handler& handler) {
        ++depth_;
        struct Leave {
            int& depth;
            ~Leave() { --depth; }
        } leave{depth_};
        handler();
        if (depth_ == 1 && opened_)
            keep_form1_line(items_);
    }

private:
    runtime::Items& items_;
    int depth_ = 0;
    bool opened_ = false;
};

// Binds the handlers, each run by the one follower it gives.
std::shared_ptr<LineFollower> bind_followed_handlers(runtime::Items& items) {
    auto follow = std::make_shared<LineFollower>(items);
    const auto followed = [&follow](auto action) -> runtime::EventHandler {
        return [follow, action] {
            follow->run(action);
        };
    };
    for (const EmoteRow& row : emote_table)
        items.check_box(row.name).on_click(
            followed([&items, box = row.box] { toggle_handling(items, box); }));
    items.label(item::reset).on_click(followed([&items] { reset_selection(items); }));
    items.label(item::all).on_click(followed([&items] { select_all(items); }));
    items.text_box(item::command_line).on_paste([&items, follow](std::string_view text) {
        follow->run([&items, text] { select_pasted_value(items, text); });
    });
    items.timer(item::timer).on_tick([&items] { refresh_command_line(items); });
    return follow;
}

} // namespace

void bind_form1_handlers(runtime::Items& items) {
    bind_followed_handlers(items);
}

void start_form1(runtime::Items& items, std::optional<std::uint32_t> value) {
    if (value)
        select_value(items, *value);
}

void open_form1(FormView& form, std::optional<std::uint32_t> value) {
    runtime::Items& items = form.items();
    const auto follow = bind_followed_handlers(items);
    start_form1(items, value);
    form.show_form();
    form.focus_item(form1_tab_order().front());
    items.timer(item::timer).set_enabled(true);
    follow->open();
    set_form1_in_use(items, form.in_use());
}

void set_form1_in_use(runtime::Items& items, bool in_use) {
    runtime::Timer& timer = items.timer(item::timer);
    if (timer.enabled() == in_use)
        return;
    refresh_command_line(items);
    timer.set_enabled(in_use);
}

void keep_form1_line(runtime::Items& items) {
    if (!items.timer(item::timer).enabled())
        refresh_command_line(items);
}

} // namespace tallyglyph::form
