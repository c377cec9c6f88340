// The program as shipped, plus one fault injected after start-up, chosen by
// TALLYGLYPH_FAULT. Built only for the tests: it proves that each run-time error is reported
// on stderr and in a message box and then ends the program with a failure status. The
// message box is read out to stdout and dismissed as a user would.

#include "core/item_names.h"
#include "core/selection_total.h"
#include "window/qt/form1_events.h"
#include "window/qt/form1_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace tallyglyph;

// Items with one of them gone, so a lookup fails the way a missing item would.
class ItemsWithout final : public runtime::Items {
public:
    ItemsWithout(runtime::Items& items, std::string missing)
        : items_(items), missing_(std::move(missing)) {}
    runtime::CheckBox& check_box(std::string_view name) override {
        return items_.check_box(checked(name));
    }
    runtime::Label& label(std::string_view name) override { return items_.label(checked(name)); }
    runtime::TextBox& text_box(std::string_view name) override {
        return items_.text_box(checked(name));
    }
    runtime::Timer& timer(std::string_view name) override { return items_.timer(checked(name)); }

private:
    std::string_view checked(std::string_view name) const {
        return name == missing_ ? std::string_view("(missing)") : name;
    }
    runtime::Items& items_;
    std::string missing_;
};

void read_out_message_boxes() {
    auto* watcher = new QTimer(qApp);
    QObject::connect(watcher, &QTimer::timeout, qApp, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("message box: %s: %s\n", box->windowTitle().toStdString().c_str(),
                        box->text().simplified().toStdString().c_str());
            std::fflush(stdout);
            box->accept();
        }
    });
    watcher->start(20);
}

void click_box(window::Form1& form, std::string_view name) {
    auto* box = form.find(name);
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                      box->geometry().topLeft() + QPoint(30, 8));
}

void inject(window::Form1& form, std::string_view fault) {
    read_out_message_boxes();
    if (fault == "type-mismatch") {
        form.items().label(core::item::total).set_caption("abc");
        QTimer::singleShot(20, &form, [&form] { click_box(form, core::item::boxes[0]); });
    } else if (fault == "missing-item") {
        static ItemsWithout items(form.items(), std::string(core::item::total));
        core::bind_toggle_handling(items);
        QTimer::singleShot(20, &form, [&form] { click_box(form, core::item::boxes[1]); });
    } else if (fault == "overflow") {
        form.items().label(core::item::total).set_caption("1e999");
        QTimer::singleShot(20, &form, [&form] { click_box(form, core::item::boxes[2]); });
    } else if (fault == "nested-in-reset") {
        // The error is raised by a toggle handling nested inside Reset.
        form.items().check_box(core::item::boxes[4]).set_value(1);
        form.items().label(core::item::total).set_caption("x");
        QTimer::singleShot(20, &form, [&form] {
            auto* reset = form.find(core::item::reset);
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, reset->geometry().center());
        });
    } else {
        std::fprintf(stderr, "fault injection: unknown fault '%s'\n", std::string(fault).c_str());
        std::_Exit(3);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const char* fault = std::getenv("TALLYGLYPH_FAULT");
    return window::run_tallyglyph(argc, argv, [fault](window::Form1& form) {
        if (fault != nullptr)
            inject(form, fault);
    });
}
