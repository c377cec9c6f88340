#pragma once
// The items a window or a set of cells keeps for the logic, each under its name, a list for
// each kind: the one lookup by name. A name it does not hold raises the property-call
// run-time error for the property that was asked for.

#include "items.h"
#include "run_time_error.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::runtime {

template <typename Item>
class NamedItems {
public:
    Item& add(std::string name, std::unique_ptr<Item> item) {
        entries_.push_back({std::move(name), std::move(item)});
        return *entries_.back().item;
    }

    Item& find(std::string_view name, std::string_view property) const {
        for (const Entry& entry : entries_)
            if (entry.name == name)
                return *entry.item;
        raise_property_call_failed(name, property, "no such item");
    }

private:
    struct Entry {
        std::string name;
        std::unique_ptr<Item> item;
    };
    std::vector<Entry> entries_;
};

// Items: each kind found by name in its own list, which the owner fills with its adapters or
// cells. Each is given as the owner's own type.
template <typename CheckBoxItem, typename LabelItem, typename TextBoxItem, typename TimerItem>
class ItemsByName : public Items {
public:
    CheckBoxItem& check_box(std::string_view name) override {
        return check_boxes_.find(name, "Value");
    }
    LabelItem& label(std::string_view name) override { return labels_.find(name, "Caption"); }
    TextBoxItem& text_box(std::string_view name) override { return text_boxes_.find(name, "Text"); }
    TimerItem& timer(std::string_view name) override { return timers_.find(name, "Enabled"); }

protected:
    NamedItems<CheckBoxItem> check_boxes_;
    NamedItems<LabelItem> labels_;
    NamedItems<TextBoxItem> text_boxes_;
    NamedItems<TimerItem> timers_;
};

} // namespace tallyglyph::runtime
